// Regular polygon of n sides from one known size: the diameter of the
// circumscribed circle (across corners), of the inscribed circle (across
// flats), the side length, or, for an odd number of sides, the height from a
// corner to the opposite flat.
#pragma once

#include <optional>

namespace geometry {

/// The polygon's sides lie within these on the page.
inline constexpr int kFewestSides = 3;
inline constexpr int kMostSides = 100;

/// Which size the user knows, in the order of the page's radio buttons.
enum class PolygonKnown { kAcrossCorners, kAcrossFlats, kSide, kCornerToFlat };

struct PolygonInput {
  int sides = kFewestSides;
  PolygonKnown known = PolygonKnown::kAcrossCorners;
  double value = 0.0; ///< the known size, in any length unit
};

/// Every size of the polygon, in the unit of the known size.
struct Polygon {
  double central_angle = 0.0; ///< degrees, 360 / n
  double across_corners = 0.0;
  double side = 0.0;
  double across_flats = 0.0;
  /// Only an odd polygon has a flat opposite each corner.
  std::optional<double> corner_to_flat;
};

/// Whether a polygon of `sides` has a corner-to-flat height.
bool has_corner_to_flat(int sides);

/// The polygon, or nothing when there is none: fewer than three sides, a
/// known size that is missing (below 0.0001), a corner-to-flat height for an
/// even polygon, or sizes too large to be numbers.
std::optional<Polygon> solve_polygon(const PolygonInput& input);

} // namespace geometry
