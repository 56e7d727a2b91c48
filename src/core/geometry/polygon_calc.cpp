// Formulas of the regular polygon: everything follows from the circumradius R.
#include "core/geometry/polygon_calc.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace geometry {

bool has_corner_to_flat(int sides) { return sides % 2 != 0; }

std::optional<Polygon> solve_polygon(const PolygonInput& input) {
  const int n = input.sides;
  const double v = input.value;
  // A negative size can only come from a hand-edited state file.
  if (n < kFewestSides || !(v >= numeric::kMissing))
    return std::nullopt;
  const bool odd = has_corner_to_flat(n);
  if (input.known == PolygonKnown::kCornerToFlat && !odd)
    return std::nullopt;

  // Half the interior angle: per unit circumradius the side is 2 cos and the
  // inradius sin of it.
  const double central = 360.0 / n;
  const double half_interior = (180.0 - central) * 0.5 * numeric::kRadPerDeg;
  const double s = std::sin(half_interior);
  const double c = std::sqrt(1.0 - s * s);

  double radius = 0.0;
  switch (input.known) {
  case PolygonKnown::kAcrossCorners:
    radius = v / 2.0;
    break;
  case PolygonKnown::kAcrossFlats:
    radius = v / (2.0 * s);
    break;
  case PolygonKnown::kSide:
    radius = v / (2.0 * c);
    break;
  case PolygonKnown::kCornerToFlat:
    radius = v / (1.0 + s);
    break;
  }

  Polygon p;
  p.central_angle = central;
  p.across_corners = 2.0 * radius;
  p.side = 2.0 * c * radius;
  p.across_flats = 2.0 * s * radius;
  const double corner_to_flat = (1.0 + s) * radius;
  if (odd)
    p.corner_to_flat = corner_to_flat;
  // The typed size is shown as typed, not as it comes back through R.
  switch (input.known) {
  case PolygonKnown::kAcrossCorners:
    p.across_corners = v;
    break;
  case PolygonKnown::kAcrossFlats:
    p.across_flats = v;
    break;
  case PolygonKnown::kSide:
    p.side = v;
    break;
  case PolygonKnown::kCornerToFlat:
    p.corner_to_flat = v;
    break;
  }

  // A size typed with hundreds of digits reads as infinity.
  if (!std::isfinite(corner_to_flat) || !std::isfinite(p.across_corners) ||
      !std::isfinite(p.side) || !std::isfinite(p.across_flats))
    return std::nullopt;
  return p;
}

} // namespace geometry
