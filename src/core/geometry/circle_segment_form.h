// What the circle-segment page shows for what the user chose and typed:
// the labels of the case, which fields and rows are offered in which form,
// and every result as the text of its field.
#pragma once

#include <array>
#include <string>

#include "core/geometry/circle_segment_calc.h"
#include "core/geometry/geometry_texts.h"

namespace geometry {

/// The cases in the order the choice lists them, and the text of each item.
/// The chord-and-angle case is not offered.
inline constexpr int kSegmentMenuItems = 10;
inline constexpr std::array<SegmentKnown, kSegmentMenuItems> kSegmentMenuCases = {
    SegmentKnown::kRadiusAngle,    SegmentKnown::kRadiusHeight,   SegmentKnown::kChordHeight,
    SegmentKnown::kRadiusChord,    SegmentKnown::kRadiusDistance, SegmentKnown::kChordDistance,
    SegmentKnown::kHeightDistance, SegmentKnown::kChordArc,       SegmentKnown::kRadiusArc,
    SegmentKnown::kArcAngle,
};
inline constexpr std::array<i18n::TextId, kSegmentMenuItems> kSegmentMenuTexts = {
    texts::kSegmentRadiusAngle,    texts::kSegmentRadiusHeight,   texts::kSegmentChordHeight,
    texts::kSegmentRadiusChord,    texts::kSegmentRadiusDistance, texts::kSegmentChordDistance,
    texts::kSegmentHeightDistance, texts::kSegmentChordArc,       texts::kSegmentRadiusArc,
    texts::kSegmentArcAngle,
};
/// A new page asks for radius and chord.
inline constexpr int kSegmentStartItem = 3;
/// The largest angle the second field takes in an angle case.
inline constexpr double kSegmentLargestAngle = 179.9999999;

/// What the page offers in a case: the texts of the two input labels and of
/// the rows R1 ... R10, and where the angles are typed and shown.
struct SegmentLayout {
  i18n::TextId first_label = i18n::kNoText;
  i18n::TextId second_label = i18n::kNoText;
  std::array<i18n::TextId, kSegmentRows> row_labels{};
  bool diameter_offered = false; ///< the first value is the radius
  bool second_is_angle = false;  ///< the second field has the angle's range
  bool second_as_dms = false;    ///< the angle is typed in the three fields
  bool angle_row_as_dms = false; ///< R3 shows a computed angle as D/M/S
  bool rest_row_as_dms = false;  ///< R4 shows 360 - angle as D/M/S
};

SegmentLayout segment_layout(SegmentKnown known, bool dms);

struct SegmentFormInput {
  SegmentKnown known = SegmentKnown::kRadiusChord;
  bool dms = false; ///< angles as degrees, minutes and seconds
  std::string first;
  std::string second;
  std::array<std::string, 3> second_dms; ///< the angle as typed in the three fields
  int places = 3;                        ///< decimals of the results
  /// A field in use shows a value out of its range: no results for it.
  bool refused = false;
};

/// Result texts, all empty when the values give no segment.
struct SegmentForm {
  std::array<std::string, kSegmentRows> rows;
  std::array<std::string, 3> angle_dms; ///< R3 as D/M/S when it holds the angle
  std::array<std::string, 3> rest_dms;  ///< R4 as D/M/S
  /// The text that says why there are no results; kNoText: nothing to say.
  i18n::TextId reason = i18n::kNoText;
};

SegmentForm segment_form(const SegmentFormInput& input);

/// The diameter for a typed radius and the radius for a typed diameter, to
/// ten significant digits (a diameter of 100.0001 gives 50.00005); empty
/// when the value is not above 0 or its double is beyond any number.
std::string segment_diameter_text(const std::string& radius);
std::string segment_radius_text(const std::string& diameter);

/// The typed angle moved from the three fields to the decimal field: "%g"
/// of the degrees, empty when they are not above 0.
std::string segment_decimal_angle_text(const std::array<std::string, 3>& dms);

} // namespace geometry
