// Solving a general triangle (corners A, B, C, opposite sides a, b, c) from
// three known quantities, for the oblique-triangle page. Pure: no toolkit.
#pragma once

#include <array>
#include <optional>

namespace geometry {

/// The six quantities of a triangle: three corner angles, three sides.
enum class TriangleQuantity { kAngleA, kAngleB, kAngleC, kSideA, kSideB, kSideC };

bool is_angle(TriangleQuantity quantity);

/// Which three quantities are known: the page's cases 1-4.
enum class ObliqueKnown {
  kThreeSides = 1,       ///< a, b, c
  kTwoSidesAndAngle = 2, ///< a, C, b: two sides and the angle between them
  kSideAndTwoAngles = 3, ///< A, a, B
  kThreeAngles = 4,      ///< A, B, C: the shape only, side b is taken as 1
};

/// What each row of the page holds in a case: the three given quantities in
/// the order they are typed, and the three found in the order they are shown.
struct ObliqueLayout {
  std::array<TriangleQuantity, 3> given;
  std::array<TriangleQuantity, 3> found;
};

const ObliqueLayout& oblique_layout(ObliqueKnown known);

/// A solved triangle; angles in degrees, sides in the unit they were given
/// in (relative to b = 1 for three angles), area in that unit squared.
struct Triangle {
  double angle_a = 0.0;
  double angle_b = 0.0;
  double angle_c = 0.0;
  double side_a = 0.0;
  double side_b = 0.0;
  double side_c = 0.0;
  double area = 0.0;

  double value(TriangleQuantity quantity) const;
};

/// Solves the triangle from the given values in the layout's order (angles
/// in degrees). No result when a given value is below 0.0001 (missing, or
/// negative), a given angle is 180 or more, the values can't form a triangle
/// (a side longer than the other two together, two angles of 180 or more,
/// three angles that don't add up to 180 within 0.0001), or anything comes
/// out not a number or infinite.
std::optional<Triangle> solve_oblique_triangle(ObliqueKnown known,
                                               const std::array<double, 3>& given);

} // namespace geometry
