// What the regular-polygon page shows for what the user set: which rows and
// buttons are offered, and every result as the text of its field.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/geometry/geometry_texts.h"
#include "core/geometry/polygon_calc.h"

namespace geometry {

struct PolygonFormInput {
  int sides = kFewestSides;
  std::optional<PolygonKnown> known; ///< none when no button is set
  std::string value;                 ///< the known size as typed
  int places = 3;                    ///< decimals of the results
};

struct PolygonForm {
  /// The corner-to-flat button and row: only an odd polygon has them.
  bool corner_to_flat_offered = false;
  /// Result texts, empty when there is no polygon.
  std::string angle;
  std::array<std::string, 3> angle_dms;
  std::string across_corners;
  std::string side;
  std::string across_flats;
  std::string corner_to_flat;
  /// Why the chosen size gives no polygon; kNoText otherwise.
  i18n::TextId reason = i18n::kNoText;
};

PolygonForm polygon_form(const PolygonFormInput& input);

/// The number of sides the sides field shows: 0 (no polygon) unless it is a
/// whole number the page takes, kFewestSides ... kMostSides.
int polygon_sides(const std::string& text);

} // namespace geometry
