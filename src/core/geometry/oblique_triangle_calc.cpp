// Laws of sines and cosines for the four ways of knowing a triangle.
#include "core/geometry/oblique_triangle_calc.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace geometry {

namespace {

using Q = TriangleQuantity;

double sin_deg(double degrees) { return std::sin(degrees * numeric::kRadPerDeg); }
double cos_deg(double degrees) { return std::cos(degrees * numeric::kRadPerDeg); }

// Angle at the corner between sides `near1` and `near2`, facing `opposite`.
double angle_from_sides(double opposite, double near1, double near2) {
  return std::acos((near1 * near1 + near2 * near2 - opposite * opposite) / (2.0 * near1 * near2)) *
         numeric::kDegPerRad;
}

bool all_finite(const Triangle& t) {
  for (double v : {t.angle_a, t.angle_b, t.angle_c, t.side_a, t.side_b, t.side_c, t.area})
    if (!std::isfinite(v))
      return false;
  return true;
}

Triangle from_three_sides(double a, double b, double c) {
  Triangle t;
  t.side_a = a;
  t.side_b = b;
  t.side_c = c;
  // Both angles from the law of cosines: an angle found with asin could
  // never be obtuse.
  t.angle_a = angle_from_sides(a, b, c);
  t.angle_b = angle_from_sides(b, a, c);
  t.angle_c = 180.0 - (t.angle_a + t.angle_b);
  t.area = sin_deg(t.angle_c) * a * b * 0.5;
  return t;
}

Triangle from_two_sides_and_angle(double a, double angle_c, double b) {
  Triangle t;
  t.side_a = a;
  t.side_b = b;
  t.angle_c = angle_c;
  // atan2 keeps A in the right half-turn when it is obtuse (b < a cos C)
  // and gives 90 degrees when b = a cos C.
  t.angle_a = std::atan2(a * sin_deg(angle_c), b - a * cos_deg(angle_c)) * numeric::kDegPerRad;
  t.angle_b = 180.0 - (t.angle_a + angle_c);
  t.side_c = a * sin_deg(angle_c) / sin_deg(t.angle_a);
  t.area = sin_deg(angle_c) * b * a * 0.5;
  return t;
}

std::optional<Triangle> from_side_and_two_angles(double angle_a, double a, double angle_b) {
  Triangle t;
  t.angle_a = angle_a;
  t.side_a = a;
  t.angle_b = angle_b;
  t.angle_c = 180.0 - (angle_a + angle_b);
  if (t.angle_c <= 0.0)
    return std::nullopt; // the two angles leave nothing for the third corner
  t.side_b = sin_deg(angle_b) * a / sin_deg(angle_a);
  t.side_c = sin_deg(t.angle_c) * a / sin_deg(angle_a);
  t.area = t.side_b * a * sin_deg(t.angle_c) * 0.5;
  return t;
}

std::optional<Triangle> from_three_angles(double angle_a, double angle_b, double angle_c) {
  if (std::fabs(angle_a + angle_b + angle_c - 180.0) >= 0.0001)
    return std::nullopt;
  Triangle t;
  t.angle_a = angle_a;
  t.angle_b = angle_b;
  t.angle_c = angle_c;
  t.side_b = 1.0;
  t.side_c = sin_deg(angle_c) / sin_deg(angle_b);
  t.side_a = sin_deg(angle_a) / sin_deg(angle_b);
  t.area = sin_deg(angle_c) * t.side_a * t.side_b * 0.5;
  return t;
}

} // namespace

bool is_angle(TriangleQuantity quantity) {
  return quantity == Q::kAngleA || quantity == Q::kAngleB || quantity == Q::kAngleC;
}

const ObliqueLayout& oblique_layout(ObliqueKnown known) {
  static const ObliqueLayout layouts[] = {
      {{Q::kSideA, Q::kSideB, Q::kSideC}, {Q::kAngleA, Q::kAngleB, Q::kAngleC}},
      {{Q::kSideA, Q::kAngleC, Q::kSideB}, {Q::kAngleA, Q::kSideC, Q::kAngleB}},
      {{Q::kAngleA, Q::kSideA, Q::kAngleB}, {Q::kSideB, Q::kAngleC, Q::kSideC}},
      {{Q::kAngleA, Q::kAngleB, Q::kAngleC}, {Q::kSideA, Q::kSideB, Q::kSideC}},
  };
  int index = static_cast<int>(known) - 1;
  if (index < 0 || index > 3)
    index = 0;
  return layouts[index];
}

double Triangle::value(TriangleQuantity quantity) const {
  switch (quantity) {
  case Q::kAngleA:
    return angle_a;
  case Q::kAngleB:
    return angle_b;
  case Q::kAngleC:
    return angle_c;
  case Q::kSideA:
    return side_a;
  case Q::kSideB:
    return side_b;
  case Q::kSideC:
    return side_c;
  }
  return 0.0;
}

std::optional<Triangle> solve_oblique_triangle(ObliqueKnown known,
                                               const std::array<double, 3>& given) {
  const ObliqueLayout& layout = oblique_layout(known);
  for (size_t i = 0; i < given.size(); ++i) {
    // Written so that a value that is not a number is refused too.
    if (!(given[i] >= numeric::kMissing))
      return std::nullopt;
    if (is_angle(layout.given[i]) && !(given[i] < 180.0))
      return std::nullopt;
  }

  std::optional<Triangle> solved;
  switch (known) {
  case ObliqueKnown::kThreeSides:
    solved = from_three_sides(given[0], given[1], given[2]);
    break;
  case ObliqueKnown::kTwoSidesAndAngle:
    solved = from_two_sides_and_angle(given[0], given[1], given[2]);
    break;
  case ObliqueKnown::kSideAndTwoAngles:
    solved = from_side_and_two_angles(given[0], given[1], given[2]);
    break;
  case ObliqueKnown::kThreeAngles:
    solved = from_three_angles(given[0], given[1], given[2]);
    break;
  }
  if (!solved || !all_finite(*solved))
    return std::nullopt;
  return solved;
}

} // namespace geometry
