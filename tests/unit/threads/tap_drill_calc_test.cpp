// Tapping drills worked by hand for every series, the drill lists and the
// cases that give no result.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/threads/tap_drill_calc.h"
#include "numeric/number_text.h"

using namespace threads;
using numeric::format_fixed;

namespace {

DrillSelection only(bool fractional, bool number, bool letter, bool metric) {
  DrillSelection s;
  s.fractional = fractional;
  s.number = number;
  s.letter = letter;
  s.metric = metric;
  return s;
}

const DrillSelection kFractional = only(true, false, false, false);
const DrillSelection kNumber = only(false, true, false, false);
const DrillSelection kLetter = only(false, false, true, false);
const DrillSelection kMetric = only(false, false, false, true);

struct Case {
  const char* what;
  TapDrillInput in;
  // Reference inch/mm, major inch/mm, tap drill inch/mm.
  std::vector<std::string> sizes;
  std::vector<std::string> lines; ///< "name engagement"
};

std::vector<std::string> lines_of(const std::vector<DrillLine>& drills) {
  std::vector<std::string> lines;
  for (const DrillLine& d : drills)
    lines.push_back(d.name + " " + engagement_text(d.engagement));
  return lines;
}

} // namespace

TEST(TapDrillCalc, WorkedExamplesOfEverySeries) {
  const Case cases[] = {
      // 0.25 - 1.082532 x 0.05 x 0.75 = 0.2094; 15/64 gives 28.87 % and is left out.
      {"1/4-20 Unified",
       {4, 0.25, 20, -1, 75, kFractional},
       {"0.244", "6.2", "0.25", "6.35", "0.209", "5.32"},
       {"13/64 in 86.60%", "7/32 in 57.74%"}},
      // Whitworth depth 1.280654: 0.0625 / 0.0640327 and 0.046875 / 0.0640327.
      {"1/4-20 Whitworth",
       {2, 0.25, 20, -1, 75, kFractional},
       {"0.244", "6.2", "0.25", "6.35", "0.202", "5.13"},
       {"3/16 in 97.61%", "13/64 in 73.20%"}},
      // Full-depth 60°: 0.25 - 1.299 x 0.05 x 0.75 = 0.2013.
      {"1/4-20 full depth",
       {6, 0.25, 20, -1, 75, kFractional},
       {"0.244", "6.2", "0.25", "6.35", "0.201", "5.11"},
       {"3/16 in 96.23%", "13/64 in 72.17%"}},
      // M6 x 1: 6 - 1.082532 x 0.75 = 5.188 mm; (6 - 5.1) / 1.082532 = 83.14 %.
      {"M6x1 ISO",
       {3, 6, 1, -1, 75, kMetric},
       {"0.231", "5.88", "0.236", "6.0", "0.204", "5.19"},
       {"5.1mm 83.14%", "5.2mm 73.90%", "5.3mm 64.66%"}},
      // 6 - 1.299 x 0.75 = 5.026 mm; there is no 5 mm drill, so 4.9 comes first.
      {"M6x1 full depth",
       {7, 6, 1, -1, 75, kMetric},
       {"0.231", "5.88", "0.236", "6.0", "0.198", "5.03"},
       {"4.9mm 84.68%", "5.1mm 69.28%", "5.2mm 61.59%"}},
      // 10-24: 0.19 - 1.082532 / 24 x 0.75 = 0.1562; # 23 is 0.154.
      {"10-24",
       {5, 0, 24, 8, 75, kNumber},
       {"0.185", "4.7", "0.19", "4.83", "0.156", "3.97"},
       {"# 23 79.81%", "# 22 73.16%", "# 21 68.73%"}},
      // BA 6: 2.8 mm, pitch 0.531441 mm; 2.8 - 1.2 x 0.531441 x 0.75 = 2.3217 mm.
      {"6 BA",
       {1, 0, 0, 6, 75, kMetric},
       {"0.108", "2.736", "0.11", "2.8", "0.091", "2.32"},
       {"2.3mm 78.40%", "2.35mm 70.56%", "2.4mm 62.72%"}},
      // The letter drills start at 0.234, above the tap drill 0.2094.
      {"letters too big",
       {4, 0.25, 20, -1, 75, kLetter},
       {"0.244", "6.2", "0.25", "6.35", "0.209", "5.32"},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::optional<TapDrillResult> r = compute_tap_drill(c.in);
    ASSERT_TRUE(r);
    ASSERT_TRUE(r->tap_drill_inch && r->tap_drill_mm);
    std::vector<std::string> sizes = {
        format_fixed(3, r->reference_inch),  format_fixed(r->mm_decimals, r->reference_mm),
        format_fixed(3, r->major_inch),      format_fixed(r->mm_decimals, r->major_mm),
        format_fixed(3, *r->tap_drill_inch), format_fixed(2, *r->tap_drill_mm)};
    EXPECT_EQ(sizes, c.sizes);
    EXPECT_EQ(lines_of(r->drills), c.lines);
  }
}

TEST(TapDrillCalc, BaSizeShowsItsThreadsPerInchAndPitch) {
  std::optional<TapDrillResult> r = compute_tap_drill({1, 0, 0, 6, 75, kMetric});
  ASSERT_TRUE(r && r->numbered_tpi && r->numbered_pitch_mm);
  EXPECT_EQ(format_fixed(3, *r->numbered_tpi), "47.795"); // 25.4 / 0.531441
  EXPECT_DOUBLE_EQ(*r->numbered_pitch_mm, 0.531441);
  EXPECT_EQ(r->mm_decimals, 3);
  EXPECT_FALSE(compute_tap_drill({4, 0.25, 20, -1, 75, kMetric})->numbered_tpi);
}

TEST(TapDrillCalc, MissingOrImpossibleInputsGiveNoResult) {
  const std::pair<const char*, TapDrillInput> cases[] = {
      {"no diameter", {4, 0, 20, -1, 75, kFractional}},
      {"no pitch", {4, 0.25, 0, -1, 75, kFractional}},
      {"tiny pitch", {3, 6, 0.00005, -1, 75, kMetric}},
      {"no metric diameter", {7, 0, 1, -1, 75, kMetric}},
      {"numbered below 20 tpi", {5, 0, 18, 8, 75, kNumber}},
      {"numbered just below 20 tpi", {5, 0, 19.99, 8, 75, kNumber}},
      {"numbered size not chosen", {5, 0, 24, -1, 75, kNumber}},
      {"BA size beyond 16", {1, 0, 0, 17, 75, kMetric}},
      {"engagement 29", {4, 0.25, 20, -1, 29, kFractional}},
      {"engagement 101", {4, 0.25, 20, -1, 101, kFractional}},
  };
  for (const auto& [what, in] : cases)
    EXPECT_FALSE(compute_tap_drill(in)) << what;
  EXPECT_TRUE(compute_tap_drill({5, 0, 20, 8, 75, kNumber})) << "20 tpi is allowed";
}

TEST(TapDrillCalc, AThreadDeeperThanItsSizeHasNoTapDrill) {
  // 0.01 - 1.082532 x 1 x 0.75 is below zero.
  std::optional<TapDrillResult> r = compute_tap_drill({4, 0.01, 1, -1, 75, kFractional});
  ASSERT_TRUE(r);
  EXPECT_FALSE(r->tap_drill_inch);
  EXPECT_TRUE(r->drills.empty());
}

TEST(TapDrillCalc, MergedSeriesAreSortedByTheEngagementNotItsText) {
  // Depth 1 x 0.1; major 0.349999: 1/4 and E give 99.999 %, F 92.999 %, G 88.999 %,
  // 17/64 84.374 %, 9/32 68.749 %. As text "100.00%" would sort below "93.00%".
  std::vector<DrillLine> merged =
      drills_near(0.2505, 0.349999, 0.1, 1.0, only(true, false, true, false));
  EXPECT_EQ(lines_of(merged),
            (std::vector<std::string>{"1/4 in 100.00%", "E 100.00%", "F 93.00%", "G 89.00%",
                                      "17/64 in 84.37%", "9/32 in 68.75%"}));
  // One series alone stays in drill order.
  EXPECT_EQ(lines_of(drills_near(0.2505, 0.349999, 0.1, 1.0, kLetter)),
            (std::vector<std::string>{"E 100.00%", "F 93.00%", "G 89.00%"}));
}

TEST(TapDrillCalc, ATapDrillBeyondTheLastDrillAddsNothing) {
  // s = 0.5 lies above Z (0.413) and below 1 in: only the fractional series answers,
  // 31/64 with 75.6251 %, 1/2 with 60.0001 %; 33/64 gives 44.4 %.
  std::vector<DrillLine> lines =
      drills_near(0.5, 0.5600001, 0.1, 1.0, only(true, false, true, false));
  EXPECT_EQ(lines_of(lines), (std::vector<std::string>{"31/64 in 75.63%", "1/2 in 60.00%"}));
  // Below the smallest number drill: nothing.
  EXPECT_TRUE(drills_near(0.01, 0.02, 0.01, 1.0, kNumber).empty());
}
