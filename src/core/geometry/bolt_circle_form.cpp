#include "core/geometry/bolt_circle_form.h"

#include <cmath>

#include "core/geometry/geometry_texts.h"
#include "core/numeric/number_text.h"

namespace geometry {

namespace {

constexpr const char* kDegreeMarks[] = {"0", "90", "180", "270"};

} // namespace

BoltCircleMarks bolt_circle_marks(ZeroAt zero, Counting counting, bool x_reversed,
                                  bool y_reversed) {
  BoltCircleMarks marks;
  // Counting from the zero position, in quarters, clockwise or not.
  const int at = static_cast<int>(zero);
  const bool clockwise = counting == Counting::kClockwise;
  for (int place = 0; place < 4; ++place) {
    const int quarter = ((clockwise ? place - at : at - place) % 4 + 4) % 4;
    marks.angles[static_cast<size_t>(place)] = kDegreeMarks[quarter];
  }
  marks.axes = {y_reversed ? "Y+" : "Y-", x_reversed ? "X-" : "X+", y_reversed ? "Y-" : "Y+",
                x_reversed ? "X+" : "X-"};
  return marks;
}

std::optional<BoltCircle> bolt_circle_form(const BoltCircleFormInput& in) {
  const BoltCircleFields& f = in.fields;
  BoltCircleInput calc;
  calc.partial = in.partial;
  if (in.partial) {
    calc.total_holes = numeric::read_long(f.part_holes);
    calc.diameter = numeric::read_double(f.part_diameter);
    calc.first_angle = numeric::read_double(f.start_angle);
    calc.end_angle = numeric::read_double(f.end_angle);
    calc.has_end_angle = !f.end_angle.empty();
  } else {
    calc.total_holes = numeric::read_long(f.total_holes);
    calc.holes_to_list = numeric::read_long(f.holes_to_list);
    calc.diameter = numeric::read_double(f.diameter);
    calc.first_angle = numeric::read_double(f.first_angle);
  }
  calc.zero = in.zero;
  calc.counting = in.counting;
  calc.x_reversed = in.x_reversed;
  calc.y_reversed = in.y_reversed;
  calc.x_origin = numeric::read_double(f.x_origin);
  calc.y_origin = numeric::read_double(f.y_origin);
  calc.millimetre = in.millimetre;
  calc.precision = in.precision;
  calc.marker_radius = in.marker_radius;
  return compute_bolt_circle(calc);
}

i18n::TextId bolt_circle_reason(const BoltCircleFormInput& in) {
  const BoltCircleFields& f = in.fields;
  const auto count = [](const std::string& text) {
    const long n = numeric::read_long(text);
    return n >= 1 && n <= kMaxHoles ? n : 0;
  };
  const auto angle = [](const std::string& text) {
    const double degrees = numeric::read_double(text);
    return std::fabs(degrees) <= 360.0 ? degrees : std::nan("");
  };
  if (!in.partial)
    return count(f.holes_to_list) > count(f.total_holes) && count(f.total_holes) > 0
               ? texts::kMoreListedThanHoles
               : i18n::kNoText;
  // NaN, for an angle out of its range, is beyond nothing.
  return !f.end_angle.empty() && angle(f.start_angle) > angle(f.end_angle) ? texts::kStartBeyondEnd
                                                                           : i18n::kNoText;
}

} // namespace geometry
