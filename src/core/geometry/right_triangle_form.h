// What the right-triangle page shows for what the user chose and typed: the
// labels of the case, where angle A is typed and where the angles are
// shown, and every result as the text of its field.
#pragma once

#include <array>
#include <string>

#include "core/geometry/right_triangle_calc.h"
#include "core/geometry/geometry_texts.h"
#include "core/geometry/typed_text.h"

namespace geometry {

/// The largest angle A input 2 takes in cases 1-3.
inline constexpr double kRightTriangleLargestAngle = 179.9999999;

/// The texts of the labels and which fields show the angles.
struct RightTriangleLayout {
  i18n::TextId input1_label = i18n::kNoText;
  i18n::TextId input2_label = i18n::kNoText;
  i18n::TextId row1_label = i18n::kNoText;
  i18n::TextId row2_label = i18n::kNoText;
  bool second_is_angle = false; ///< input 2 holds angle A, with its range
  bool angle_as_dms = false;    ///< angle A is typed in the three fields
  bool row2_as_dms = false;     ///< row 2 shows the computed angle A as D/M/S
  bool row3_as_dms = false;     ///< row 3 shows angle B as D/M/S
};

RightTriangleLayout right_triangle_layout(RightTriangleCase known, bool dms);

struct RightTriangleFormInput {
  RightTriangleCase known = RightTriangleCase::kSideBAngleA;
  bool dms = false; ///< angles as degrees, minutes and seconds
  TypedText first;
  TypedText second;
  std::array<TypedText, 3> angle; ///< angle A as typed in the three fields
  int places = 3;
};

/// Result texts, all empty when the values make no triangle or a field
/// that counts is red or missing.
struct RightTriangleForm {
  std::array<std::string, 4> rows; ///< by case, by case, angle B, area
  std::array<std::string, 3> row2_dms;
  std::array<std::string, 3> row3_dms;
  /// Why both values are given and still make no triangle; kNoText otherwise.
  i18n::TextId reason = i18n::kNoText;
};

RightTriangleForm right_triangle_form(const RightTriangleFormInput& input);

/// Angle A moved from the three fields to input 2: ten digits, so that
/// switching back and forth keeps the angle typed; empty when not above 0.
std::string right_triangle_decimal_angle_text(const std::array<std::string, 3>& dms);

} // namespace geometry
