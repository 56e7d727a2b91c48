// What the bolt-hole page shows for the texts of its fields and its
// choices: the pattern of the type chosen (full or partial circle) and the
// marks around the drawing that say where the angles and axes run.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/geometry/bolt_circle_calc.h"
#include "core/geometry/geometry_texts.h"

namespace geometry {

/// The texts of the page's fields.
struct BoltCircleFields {
  std::string total_holes, holes_to_list, diameter, first_angle; ///< full circle
  std::string part_holes, start_angle, part_diameter, end_angle; ///< partial circle
  std::string x_origin, y_origin;
};

struct BoltCircleFormInput {
  bool partial = false;
  BoltCircleFields fields;
  ZeroAt zero = ZeroAt::kRight;
  Counting counting = Counting::kClockwise;
  bool x_reversed = false;
  bool y_reversed = false;
  bool millimetre = false;
  int precision = 3;
  int marker_radius = 0;
};

/// The marks at the top, right, bottom and left of the drawing.
struct BoltCircleMarks {
  std::array<std::string, 4> angles; ///< "0", "90", "180", "270" from the zero on
  std::array<std::string, 4> axes;   ///< which end of each axis is positive
};

BoltCircleMarks bolt_circle_marks(ZeroAt zero, Counting counting, bool x_reversed, bool y_reversed);

/// The pattern the fields of the chosen type describe; none when they
/// describe no pattern (the page then hides its markers).
std::optional<BoltCircle> bolt_circle_form(const BoltCircleFormInput& input);

/// Why the fields of the chosen type describe no pattern, where that is
/// clear whatever else they hold; kNoText otherwise.
i18n::TextId bolt_circle_reason(const BoltCircleFormInput& input);

} // namespace geometry
