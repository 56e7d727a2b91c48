#include "core/geometry/right_triangle_calc.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace geometry {

namespace {

using numeric::kDegPerRad;
using numeric::kRadPerDeg;

bool all_finite(const RightTriangle& t) {
  return std::isfinite(t.angle_a) && std::isfinite(t.angle_b) && std::isfinite(t.side_a) &&
         std::isfinite(t.side_b) && std::isfinite(t.side_c) && std::isfinite(t.area);
}

// An acute angle of a right triangle lies below 90°; at 90° and above the
// formulas give an infinite or negative side.
bool acute(double angle) { return angle > 0.0 && angle < 90.0; }

} // namespace

bool has_known_angle(RightTriangleCase known) {
  return known == RightTriangleCase::kSideBAngleA || known == RightTriangleCase::kSideAAngleA ||
         known == RightTriangleCase::kHypotenuseAngleA;
}

std::optional<RightTriangle> solve_right_triangle(const RightTriangleInput& input) {
  const double first = input.first;
  const double second = input.second;
  RightTriangle t;
  switch (input.known) {
  case RightTriangleCase::kSideBAngleA:
    if (!(first > 0.0 && acute(second)))
      return std::nullopt;
    t.side_b = first;
    t.angle_a = second;
    t.side_a = std::tan(t.angle_a * kRadPerDeg) * t.side_b;
    t.side_c = std::sqrt(t.side_a * t.side_a + t.side_b * t.side_b);
    break;
  case RightTriangleCase::kSideAAngleA:
    if (!(first > 0.0 && acute(second)))
      return std::nullopt;
    t.side_a = first;
    t.angle_a = second;
    t.side_b = t.side_a / std::tan(t.angle_a * kRadPerDeg);
    t.side_c = std::sqrt(t.side_b * t.side_b + t.side_a * t.side_a);
    break;
  case RightTriangleCase::kHypotenuseAngleA:
    // A zero angle is a flat triangle: b = c, a = 0.
    if (!(first > 0.0 && (second == 0.0 || acute(second))))
      return std::nullopt;
    t.side_c = first;
    t.angle_a = second;
    t.side_b = t.side_c * std::cos(t.angle_a * kRadPerDeg);
    t.side_a = t.side_c * std::sin(t.angle_a * kRadPerDeg);
    break;
  case RightTriangleCase::kSidesBA:
    if (!(first > 0.0 && second > 0.0))
      return std::nullopt;
    t.side_b = first;
    t.side_a = second;
    t.side_c = std::sqrt(t.side_a * t.side_a + t.side_b * t.side_b);
    t.angle_a = std::atan(t.side_a / t.side_b) * kDegPerRad;
    break;
  case RightTriangleCase::kSideBHypotenuse:
    if (!(first > 0.0 && second > 0.0))
      return std::nullopt;
    t.side_b = first;
    t.side_c = second;
    t.side_a = std::sqrt(t.side_c * t.side_c - t.side_b * t.side_b);
    t.angle_b = std::asin(t.side_b / t.side_c) * kDegPerRad;
    t.angle_a = 90.0 - t.angle_b;
    break;
  case RightTriangleCase::kSideAHypotenuse:
    if (!(first > 0.0 && second > 0.0))
      return std::nullopt;
    t.side_a = first;
    t.side_c = second;
    t.side_b = std::sqrt(t.side_c * t.side_c - t.side_a * t.side_a);
    t.angle_a = std::asin(t.side_a / t.side_c) * kDegPerRad;
    break;
  default:
    return std::nullopt;
  }
  if (input.known != RightTriangleCase::kSideBHypotenuse)
    t.angle_b = 90.0 - t.angle_a;
  t.area = t.side_a * t.side_b * 0.5;
  // A side longer than the hypotenuse has no root: no triangle.
  if (!all_finite(t))
    return std::nullopt;
  return t;
}

} // namespace geometry
