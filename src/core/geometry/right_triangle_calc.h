// Solving a right-angled triangle from two known quantities. Side a lies
// opposite angle A, side b beside it, c is the hypotenuse; A + B = 90°.
#pragma once

#include <optional>

namespace geometry {

/// Which two quantities are known (the numbers of the page's case buttons).
enum class RightTriangleCase {
  kSideBAngleA = 1,
  kSideAAngleA = 2,
  kHypotenuseAngleA = 3,
  kSidesBA = 4,
  kSideBHypotenuse = 5,
  kSideAHypotenuse = 6,
};

/// Cases 1-3: the second known quantity is angle A.
bool has_known_angle(RightTriangleCase known);

struct RightTriangleInput {
  RightTriangleCase known = RightTriangleCase::kSideBAngleA;
  double first = 0.0;  ///< b, a, c, b, b, a (by case)
  double second = 0.0; ///< angle A in degrees in cases 1-3; a, c, c in cases 4-6
};

struct RightTriangle {
  double angle_a = 0.0; ///< degrees
  double angle_b = 0.0; ///< degrees
  double side_a = 0.0;
  double side_b = 0.0;
  double side_c = 0.0;
  double area = 0.0;
};

/// The whole triangle, or nothing when the two values make none: a side
/// that is zero or negative, an angle A that is not below 90° (zero only
/// with the hypotenuse given), a side longer than the hypotenuse, or any
/// result that is not a finite number.
std::optional<RightTriangle> solve_right_triangle(const RightTriangleInput& input);

} // namespace geometry
