// What the oblique-triangle page shows for what the user chose and typed:
// the labels of the rows, which rows hold angles and in which form they are
// typed and shown, and every result as the text of its field.
#pragma once

#include <array>
#include <string>

#include "core/geometry/oblique_triangle_calc.h"
#include "core/geometry/geometry_texts.h"
#include "core/geometry/typed_text.h"

namespace geometry {

/// The largest angle an input row takes while it holds an angle.
inline constexpr double kObliqueLargestAngle = 179.999999;

struct ObliqueFormLayout {
  /// The texts of the input rows and of the result rows.
  std::array<i18n::TextId, 3> row_labels{};
  std::array<i18n::TextId, 3> result_labels{};
  std::array<bool, 3> row_is_angle{};  ///< the row's decimal field has the angle's range
  std::array<bool, 3> row_as_dms{};    ///< the row's angle is typed in three fields
  std::array<bool, 3> result_as_dms{}; ///< the result row shows its angle as D/M/S
  bool note_shown = false;             ///< three angles fix the shape only: side b is taken as 1
};

ObliqueFormLayout oblique_form_layout(ObliqueKnown known, bool dms);

struct ObliqueFormInput {
  ObliqueKnown known = ObliqueKnown::kThreeSides;
  bool dms = false;                                ///< angles as degrees, minutes and seconds
  std::array<TypedText, 3> decimal;                ///< the rows' decimal fields
  std::array<std::array<TypedText, 3>, 3> row_dms; ///< the rows' angle fields
  int places = 3;
};

/// Result texts, all empty when the values make no triangle or a field
/// that counts is red.
struct ObliqueForm {
  std::array<std::string, 3> results;
  std::array<std::array<std::string, 3>, 3> result_dms; ///< empty for a side
  std::string area;
  /// Why all three values are given and still make no triangle; kNoText otherwise.
  i18n::TextId reason = i18n::kNoText;
};

ObliqueForm oblique_form(const ObliqueFormInput& input);

/// A row's angle moved from its three fields to its decimal field: nine
/// decimals keep the typed seconds through a switch and back; empty when
/// the angle is not above 0.
std::string oblique_decimal_angle_text(const std::array<std::string, 3>& dms);

} // namespace geometry
