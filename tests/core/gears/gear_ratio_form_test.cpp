#include "core/gears/gear_ratio_form.h"

#include "core/unit_test.h"

namespace {

using gears::RatioCheck;
using Focus = RatioCheck::Focus;

TEST(GearRatioForm, CalculateFollowsTheToothCountsAndTheRatio) {
  const auto no = std::nullopt;
  const auto none = Focus::kNone, lowest = Focus::kLowest, highest = Focus::kHighest;
  // clang-format off
  struct Case { const char *target, *lowest, *highest; bool offered, lowest_red; std::optional<bool> highest_red; std::optional<std::string> highest_text; Focus focus; };
  const Case cases[] = {
      {"2", "12", "100", true, false, false, no, none}, {"2", "11", "100", false, true, no, no, lowest},
      {"2", "", "100", false, true, no, no, lowest},    {"2", "12", "150", true, false, false, "100", none},
      {"2", "40", "30", false, false, true, no, highest}, {"2", "12", "", false, false, true, no, highest},
      {"0", "12", "100", false, false, false, no, none}, {"", "12", "100", false, false, false, no, none},
      // A ratio must exceed 1e-10 (either sign) to be a ratio at all.
      {"1e-10", "12", "100", false, false, false, no, none}, {"-1.1e-10", "12", "100", true, false, false, no, none},
      {"0.5", "20", "20", true, false, false, no, none}, {"-3", "20", "30", true, false, false, no, none},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.target) + " " + c.lowest + " " + c.highest);
    const RatioCheck check = gears::check_ratio_inputs({c.target, c.lowest, c.highest});
    EXPECT_EQ(std::tie(check.calculate_offered, check.lowest_red, check.highest_red,
                       check.highest_text, check.focus),
              std::tie(c.offered, c.lowest_red, c.highest_red, c.highest_text, c.focus));
  }
}

TEST(GearRatioForm, ToleranceBelowTheSmallestBecomesTheSmallest) {
  for (const char* typed : {"", "0", "0.00001", "0.000099", "-1"})
    EXPECT_EQ(gears::floored_tolerance(typed), "0.0001") << typed;
  // The smallest written otherwise stays as typed.
  for (const char* typed : {"0.0001", "0.00010", "0.0001005", "0.5", "12"})
    EXPECT_EQ(gears::floored_tolerance(typed), typed);
}

} // namespace
