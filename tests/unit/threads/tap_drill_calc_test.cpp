// The drill search near a tap drill: which drills of each series, how merged
// series are ordered, and threads that leave no tap drill.
#include <gtest/gtest.h>

#include <string>

#include "calc/threads/tap_drill_calc.h"

using namespace threads;

namespace {

std::string lines_of(const std::vector<DrillLine>& drills) {
  std::string out;
  for (const DrillLine& d : drills)
    out += (out.empty() ? "" : "; ") + d.name + " " + engagement_text(d.engagement);
  return out;
}

} // namespace

TEST(TapDrillCalc, DrillsNearTheTapDrill) {
  struct Case {
    const char* what;
    double s, major, pitch;
    DrillSelection ticked; // fractional, number, letter, metric
    const char* lines;
  };
  const Case cases[] = {
      // Depth 1 x 0.1; major 0.349999: 1/4 and E give 99.999 %, F 92.999 %, G 88.999 %,
      // 17/64 84.374 %, 9/32 68.749 %. As text "100.00%" would sort below "93.00%".
      {"merged",
       0.2505,
       0.349999,
       0.1,
       {true, false, true, false},
       "1/4 in 100.00%; E 100.00%; F 93.00%; G 89.00%; 17/64 in 84.37%; 9/32 in 68.75%"},
      {"one series keeps drill order",
       0.2505,
       0.349999,
       0.1,
       {false, false, true, false},
       "E 100.00%; F 93.00%; G 89.00%"},
      // E just over 100 %: 0.100001 / 0.1; G just over 50 %: (0.3112 - 0.261) / 0.1.
      {"over 100 %", 0.2505, 0.350001, 0.1, {false, false, true, false}, "F 93.00%; G 89.00%"},
      {"over 50 %",
       0.2505,
       0.3112,
       0.1,
       {false, false, true, false},
       "E 61.20%; F 54.20%; G 50.20%"},
      // s = 0.5 lies above Z (0.413): only 31/64 (75.6251 %) and 1/2 (60.0001 %);
      // 33/64 gives 44.4 %.
      {"beyond the letters",
       0.5,
       0.5600001,
       0.1,
       {true, false, true, false},
       "31/64 in 75.63%; 1/2 in 60.00%"},
      {"below the smallest", 0.01, 0.02, 0.01, {false, true, false, false}, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(lines_of(drills_near(c.s, c.major, c.pitch, 1.0, c.ticked)), c.lines) << c.what;
}

TEST(TapDrillCalc, AThreadDeeperThanItsSizeHasNoTapDrill) {
  // 0.01 - 1.082532 x 1 x 0.75 is below zero.
  std::optional<TapDrillResult> r =
      compute_tap_drill({4, 0.01, 1, -1, 75, {true, true, true, true}});
  ASSERT_TRUE(r);
  EXPECT_FALSE(r->tap_drill_inch);
  EXPECT_TRUE(r->drills.empty());
}
