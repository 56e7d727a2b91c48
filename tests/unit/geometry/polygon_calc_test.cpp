// Regular polygon: every known size from polygons worked out by hand
// (hexagon, pentagon, square, equilateral triangle, octagon, dodecagon,
// heptagon, 100 sides) and the inputs that make no polygon.
#include <gtest/gtest.h>

#include <limits>

#include "calc/geometry/polygon_calc.h"

using geometry::PolygonKnown;
using geometry::solve_polygon;

namespace {

constexpr double kTolerance = 5e-7; // the page shows at most six decimals
constexpr double kNone = -1.0;      // no corner-to-flat height (even polygons)

struct Solved {
  const char* name;
  int sides;
  PolygonKnown known;
  double value;
  double angle, corners, side, flats, corner_to_flat;
};

// Half the interior angle t = (180 - 360/n)/2: side = 2R cos t, flats = 2R sin t,
// corner to flat = R (1 + sin t).
const Solved kSolved[] = {
    {"hexagon across corners 100", 6, PolygonKnown::kAcrossCorners, 100, 60, 100, 50, 86.602540,
     kNone},
    {"pentagon side 10", 5, PolygonKnown::kSide, 10, 72, 17.013016, 10, 13.763819, 15.388418},
    {"pentagon corner to flat back to side 10", 5, PolygonKnown::kCornerToFlat, 15.3884176859, 72,
     17.013016, 10, 13.763819, 15.388418},
    {"square across flats 10", 4, PolygonKnown::kAcrossFlats, 10, 90, 14.142136, 10, 10, kNone},
    // Equilateral triangle: R = 1 gives side sqrt(3), inradius 1/2, height 3/2.
    {"triangle across corners 2", 3, PolygonKnown::kAcrossCorners, 2, 120, 2, 1.732051, 1, 1.5},
    {"triangle height 3", 3, PolygonKnown::kCornerToFlat, 3, 120, 4, 3.464102, 2, 3},
    // Octagon across flats 1: side tan(22.5°) = sqrt(2) - 1.
    {"octagon across flats 1", 8, PolygonKnown::kAcrossFlats, 1, 45, 1.082392, 0.414214, 1, kNone},
    // Dodecagon side 1: across flats 2 + sqrt(3).
    {"dodecagon side 1", 12, PolygonKnown::kSide, 1, 30, 3.863703, 1, 3.732051, kNone},
    {"heptagon across corners 2", 7, PolygonKnown::kAcrossCorners, 2, 51.428571, 2, 0.867767,
     1.801938, 1.900969},
    {"nonagon across flats 25.4", 9, PolygonKnown::kAcrossFlats, 25.4, 40, 27.030115, 9.244844,
     25.4, 26.215058},
    // 100 sides: side 100 sin(1.8°), flats 100 cos(1.8°).
    {"100 sides across corners 100", 100, PolygonKnown::kAcrossCorners, 100, 3.6, 100, 3.141076,
     99.950656, kNone},
};

TEST(PolygonCalc, SolvesEveryKnownSize) {
  for (const Solved& row : kSolved) {
    SCOPED_TRACE(row.name);
    auto p = solve_polygon({row.sides, row.known, row.value});
    ASSERT_TRUE(p.has_value());
    EXPECT_NEAR(p->central_angle, row.angle, kTolerance);
    EXPECT_NEAR(p->across_corners, row.corners, kTolerance);
    EXPECT_NEAR(p->side, row.side, kTolerance);
    EXPECT_NEAR(p->across_flats, row.flats, kTolerance);
    if (row.corner_to_flat == kNone) {
      EXPECT_FALSE(p->corner_to_flat.has_value());
    } else {
      ASSERT_TRUE(p->corner_to_flat.has_value());
      EXPECT_NEAR(*p->corner_to_flat, row.corner_to_flat, kTolerance);
    }
  }
}

TEST(PolygonCalc, TheKnownSizeComesBackExactly) {
  // 0.1 through the circumradius and back would not be 0.1 to the last bit.
  auto p = solve_polygon({7, PolygonKnown::kAcrossFlats, 0.1});
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->across_flats, 0.1);
}

struct Unsolvable {
  const char* name;
  int sides;
  PolygonKnown known;
  double value;
};

const Unsolvable kUnsolvable[] = {
    {"no size", 6, PolygonKnown::kAcrossCorners, 0},
    {"size below 0.0001", 6, PolygonKnown::kSide, 0.00009},
    {"negative size", 5, PolygonKnown::kSide, -10},
    {"two sides", 2, PolygonKnown::kAcrossCorners, 10},
    {"no sides", 0, PolygonKnown::kAcrossCorners, 10},
    {"corner to flat of a hexagon", 6, PolygonKnown::kCornerToFlat, 10},
    {"corner to flat of a square", 4, PolygonKnown::kCornerToFlat, 10},
    {"infinite size", 5, PolygonKnown::kSide, std::numeric_limits<double>::infinity()},
    {"size whose circle overflows", 3, PolygonKnown::kSide, 1.7e308},
};

TEST(PolygonCalc, GivesNothingForImpossibleInput) {
  for (const Unsolvable& row : kUnsolvable) {
    SCOPED_TRACE(row.name);
    EXPECT_FALSE(solve_polygon({row.sides, row.known, row.value}).has_value());
  }
}

} // namespace
