// What the bevel-gear page shows for what the user set: which tooth counts
// the dividing head can cut, the column titles, the face-width limits and
// field, and every result as the text of its field.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/gears/bevel_gear_calc.h"
#include "core/gears/gears_texts.h"

namespace gears {

/// The result rows, top to bottom.
enum BevelRow {
  kOutsideDiameterRow,
  kPitchDiameterRow,
  kFaceWidthRow,
  kPitchAngleRow,
  kComplementRow,
  kHoleCircleRow,
  kTurnsRow,
  kHolesRow,
  kCutterRow,
  kWholeDepthRow,
  kQuarterPitchRow,
  kQuarterHolesRow,
  kHalfPitchRow,
  kHalfHolesRow,
  kBevelRowCount
};

/// The row texts, top to bottom.
extern const std::array<i18n::TextId, kBevelRowCount> kBevelRowLabels;

/// The face width the page may offer for a tooth size: its limits and the
/// standard width; none without a usable pitch.
std::optional<FaceWidthLimits> bevel_face_width_limits(BevelPitchKind kind,
                                                       const std::string& pitch);

/// The face-width limits, field and slider as shown in the unit chosen.
struct FaceWidthView {
  bool offered = false; ///< without a pitch: all empty and disabled
  std::string minimum, maximum, field;
  double low = 0.0, high = 0.0, step = 0.0, value = 0.0;
};

FaceWidthView face_width_view(const std::optional<FaceWidthLimits>& limits, const Length& width,
                              bool metric);

/// A face width typed in the unit shown, in both units; none outside the limits.
std::optional<Length> typed_face_width(const FaceWidthLimits& limits, const std::string& text,
                                       bool metric);

/// The title of a column (and of its printed sheet).
i18n::TextId bevel_column_label(BevelGearSet set, bool gear_column, bool metric);

struct BevelGearFormInput {
  BevelPitchKind kind = BevelPitchKind::kDiametralPitch;
  std::string pitch;
  BevelGearSet set = BevelGearSet::kMiter;
  std::string pinion_teeth; ///< the pinion, or each gear of a miter pair
  std::string gear_teeth;   ///< not read for a miter pair
  int head_ratio = 0;       ///< the dividing head: worm ratio and hole circles
  std::vector<int> head_circles;
  /// None while a field of the angle is refused (red).
  std::optional<double> shaft_angle = 90.0;
  /// The width in use; none while the field shows a refused one.
  std::optional<Length> face_width;
  bool metric = false;
};

/// One column of result texts: a value per row, and degrees, minutes and
/// seconds of the two angle rows.
struct BevelColumnTexts {
  std::array<std::string, kBevelRowCount> values;
  std::array<std::array<std::string, 3>, 2> angle_dms;
};

struct BevelGearForm {
  /// Per tooth-count field (pinion or miter, gear): red when it holds a
  /// count the head cannot cut with a quarter tooth in whole holes.
  std::array<bool, 2> teeth_red{};
  std::optional<BevelGear> result; ///< none: every field empty, no printing
  BevelColumnTexts left, right;
};

BevelGearForm bevel_gear_form(const BevelGearFormInput& input);

} // namespace gears
