// Right triangle: every case from known triangles (3-4-5, 5-12-13, 30°, 45°)
// and the inputs that make no triangle.
#include <gtest/gtest.h>

#include "calc/geometry/right_triangle_calc.h"

using geometry::RightTriangleCase;
using geometry::solve_right_triangle;

namespace {

constexpr double kTolerance = 5e-7; // the page shows at most six decimals

struct Solved {
  const char* name;
  RightTriangleCase known;
  double first, second;
  double a, b, c, angle_a, angle_b, area;
};

// 3-4-5: A = atan(3/4) = 36.869898°. 5-12-13: A = asin(5/13) = 22.619865°.
// 30°: a = c/2, b = c·√3/2 = 8.660254 for c = 10. 45°: a = b, c = b·√2.
const Solved kSolved[] = {
    {"b and A, 45°", RightTriangleCase::kSideBAngleA, 10, 45, 10, 10, 14.142136, 45, 45, 50},
    {"b and A, 89.9° gives a long side", RightTriangleCase::kSideBAngleA, 1, 89.9, 572.957213, 1,
     572.958086, 89.9, 0.1, 286.478607},
    {"a and A, 30°", RightTriangleCase::kSideAAngleA, 5, 30, 5, 8.660254, 10, 30, 60, 21.650635},
    {"c and A, 30°", RightTriangleCase::kHypotenuseAngleA, 10, 30, 5, 8.660254, 10, 30, 60,
     21.650635},
    {"c and a zero angle is flat", RightTriangleCase::kHypotenuseAngleA, 7, 0, 0, 7, 7, 0, 90, 0},
    {"b and a, 3-4-5", RightTriangleCase::kSidesBA, 4, 3, 3, 4, 5, 36.869898, 53.130102, 6},
    {"b and c, 3-4-5", RightTriangleCase::kSideBHypotenuse, 4, 5, 3, 4, 5, 36.869898, 53.130102, 6},
    {"b equal to c is flat", RightTriangleCase::kSideBHypotenuse, 5, 5, 0, 5, 5, 0, 90, 0},
    {"a and c, 5-12-13", RightTriangleCase::kSideAHypotenuse, 5, 13, 5, 12, 13, 22.619865,
     67.380135, 30},
};

TEST(RightTriangleCalc, SolvesEveryCase) {
  for (const Solved& row : kSolved) {
    SCOPED_TRACE(row.name);
    auto t = solve_right_triangle({row.known, row.first, row.second});
    ASSERT_TRUE(t.has_value());
    EXPECT_NEAR(t->side_a, row.a, kTolerance);
    EXPECT_NEAR(t->side_b, row.b, kTolerance);
    EXPECT_NEAR(t->side_c, row.c, kTolerance);
    EXPECT_NEAR(t->angle_a, row.angle_a, kTolerance);
    EXPECT_NEAR(t->angle_b, row.angle_b, kTolerance);
    EXPECT_NEAR(t->area, row.area, kTolerance);
  }
}

struct Unsolvable {
  const char* name;
  RightTriangleCase known;
  double first, second;
};

const Unsolvable kUnsolvable[] = {
    {"b and a zero angle", RightTriangleCase::kSideBAngleA, 4, 0},
    {"zero b", RightTriangleCase::kSideBAngleA, 0, 30},
    {"b and a right angle A", RightTriangleCase::kSideBAngleA, 4, 90},
    {"b and an obtuse A", RightTriangleCase::kSideBAngleA, 4, 120},
    {"zero a", RightTriangleCase::kSideAAngleA, 0, 30},
    {"a and a zero angle", RightTriangleCase::kSideAAngleA, 5, 0},
    {"a and an obtuse A", RightTriangleCase::kSideAAngleA, 5, 100},
    {"zero c", RightTriangleCase::kHypotenuseAngleA, 0, 30},
    {"c and a right angle A", RightTriangleCase::kHypotenuseAngleA, 10, 90},
    {"c and an obtuse A", RightTriangleCase::kHypotenuseAngleA, 10, 135},
    {"c and a negative A", RightTriangleCase::kHypotenuseAngleA, 10, -5},
    {"zero a with b", RightTriangleCase::kSidesBA, 4, 0},
    {"zero b with a", RightTriangleCase::kSidesBA, 0, 3},
    {"b longer than c", RightTriangleCase::kSideBHypotenuse, 6, 5},
    {"zero c with b", RightTriangleCase::kSideBHypotenuse, 4, 0},
    {"a longer than c", RightTriangleCase::kSideAHypotenuse, 14, 13},
    {"zero a with c", RightTriangleCase::kSideAHypotenuse, 0, 13},
    {"no case", static_cast<RightTriangleCase>(7), 4, 3},
};

TEST(RightTriangleCalc, GivesNoTriangleForImpossibleValues) {
  for (const Unsolvable& row : kUnsolvable) {
    SCOPED_TRACE(row.name);
    EXPECT_FALSE(solve_right_triangle({row.known, row.first, row.second}).has_value());
  }
}

} // namespace
