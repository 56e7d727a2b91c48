// Solving oblique triangles: worked examples per case, shown as the page
// shows them at six decimals, and the inputs that give no triangle.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc/geometry/oblique_triangle_calc.h"
#include "numeric/number_text.h"

using geometry::ObliqueKnown;
using geometry::solve_oblique_triangle;

namespace {

struct Solved {
  ObliqueKnown known;
  std::array<double, 3> given;
  std::array<const char*, 3> found; ///< in the page's result-row order
  const char* area;
};

// Expected values worked out by hand with the law of cosines and Heron's
// formula (cases 1, 2) and the law of sines (cases 3, 4).
const Solved kSolved[] = {
    // three sides a, b, c -> A, B, C
    {ObliqueKnown::kThreeSides, {3, 4, 5}, {"36.869898", "53.130102", "90"}, "6"},
    {ObliqueKnown::kThreeSides, {5, 3, 4}, {"90", "36.869898", "53.130102"}, "6"},
    {ObliqueKnown::kThreeSides, {2, 4, 3}, {"28.955024", "104.477512", "46.567463"}, "2.904738"},
    {ObliqueKnown::kThreeSides, {7, 7, 7}, {"60", "60", "60"}, "21.217622"},
    // a, C, b -> A, c, B
    {ObliqueKnown::kTwoSidesAndAngle, {3, 90, 4}, {"36.869898", "5", "53.130102"}, "6"},
    {ObliqueKnown::kTwoSidesAndAngle,
     {4, 60, 1},
     {"106.102114", "3.605551", "13.897886"},
     "1.732051"},
    // b = a cos C: a right angle at A
    {ObliqueKnown::kTwoSidesAndAngle, {2, 60, 1}, {"90", "1.732051", "30"}, "0.866025"},
    // A, a, B -> b, C, c
    {ObliqueKnown::kSideAndTwoAngles, {30, 1, 45}, {"1.414214", "105", "1.931852"}, "0.683013"},
    {ObliqueKnown::kSideAndTwoAngles, {100, 5, 30}, {"2.538567", "50", "3.88931"}, "4.861637"},
    // A, B, C -> a, b = 1, c
    {ObliqueKnown::kThreeAngles, {60, 60, 60}, {"1", "1", "1"}, "0.433013"},
    {ObliqueKnown::kThreeAngles, {30, 120, 30}, {"0.57735", "1", "0.57735"}, "0.144338"},
    {ObliqueKnown::kThreeAngles, {90, 30, 60}, {"2", "1", "1.732051"}, "0.866025"},
};

std::string shown(double value) { return numeric::format_fixed(6, value); }

} // namespace

TEST(ObliqueTriangle, SolvesEachCase) {
  for (const Solved& c : kSolved) {
    SCOPED_TRACE(testing::Message() << "case " << static_cast<int>(c.known) << ": " << c.given[0]
                                    << ", " << c.given[1] << ", " << c.given[2]);
    auto triangle = solve_oblique_triangle(c.known, c.given);
    ASSERT_TRUE(triangle.has_value());
    const auto& layout = geometry::oblique_layout(c.known);
    for (size_t r = 0; r < 3; ++r) {
      EXPECT_EQ(shown(triangle->value(layout.found[r])), c.found[r]) << "row " << r + 1;
      EXPECT_DOUBLE_EQ(triangle->value(layout.given[r]), c.given[r]) << "given " << r + 1;
    }
    EXPECT_EQ(shown(triangle->area), c.area);
  }
}

TEST(ObliqueTriangle, NoTriangleFromMissingOrImpossibleValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Refused {
    const char* why;
    ObliqueKnown known;
    std::array<double, 3> given;
  };
  const Refused cases[] = {
      {"side missing", ObliqueKnown::kThreeSides, {3, 0, 5}},
      {"side below 0.0001", ObliqueKnown::kThreeSides, {3, 4, 0.00005}},
      {"negative side", ObliqueKnown::kThreeSides, {-3, 4, 5}},
      {"side longer than the other two", ObliqueKnown::kThreeSides, {10, 1, 1}},
      {"not a number", ObliqueKnown::kThreeSides, {nan, 4, 5}},
      {"angle missing", ObliqueKnown::kTwoSidesAndAngle, {2, 0, 1}},
      {"straight angle", ObliqueKnown::kTwoSidesAndAngle, {2, 180, 1}},
      {"angles of 180 together", ObliqueKnown::kSideAndTwoAngles, {100, 5, 80}},
      {"angles above 180 together", ObliqueKnown::kSideAndTwoAngles, {120, 5, 70}},
      {"side missing beside two angles", ObliqueKnown::kSideAndTwoAngles, {30, 0, 45}},
      {"angles one degree over", ObliqueKnown::kThreeAngles, {60, 60, 61}},
      {"angles short of 180", ObliqueKnown::kThreeAngles, {60, 60, 59.9998}},
      {"angle missing of three", ObliqueKnown::kThreeAngles, {90, 90, 0}},
  };
  for (const Refused& c : cases)
    EXPECT_FALSE(solve_oblique_triangle(c.known, c.given).has_value()) << c.why;
}

TEST(ObliqueTriangle, ThreeAnglesWithinTheToleranceStillSolve) {
  auto triangle = solve_oblique_triangle(ObliqueKnown::kThreeAngles, {60, 60, 59.99995});
  ASSERT_TRUE(triangle.has_value());
  EXPECT_EQ(shown(triangle->side_b), "1");
}
