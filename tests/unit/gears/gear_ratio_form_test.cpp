#include "calc/gears/gear_ratio_form.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using gears::RatioCheck;
using Focus = RatioCheck::Focus;

TEST(GearRatioForm, CalculateFollowsTheToothCountsAndTheRatio) {
  struct Case {
    const char *target, *lowest, *highest;
    bool offered, lowest_red;
    std::optional<bool> highest_red;
    std::optional<std::string> highest_text;
    Focus focus;
  };
  const Case cases[] = {
      {"2", "12", "100", true, false, false, std::nullopt, Focus::kNone},
      {"2", "11", "100", false, true, std::nullopt, std::nullopt, Focus::kLowest},
      {"2", "", "100", false, true, std::nullopt, std::nullopt, Focus::kLowest},
      {"2", "12", "150", true, false, false, "100", Focus::kNone},
      {"2", "40", "30", false, false, true, std::nullopt, Focus::kHighest},
      {"2", "12", "", false, false, true, std::nullopt, Focus::kHighest},
      {"0", "12", "100", false, false, false, std::nullopt, Focus::kNone},
      {"", "12", "100", false, false, false, std::nullopt, Focus::kNone},
      // A ratio must exceed 1e-10 (either sign) to be a ratio at all.
      {"1e-10", "12", "100", false, false, false, std::nullopt, Focus::kNone},
      {"-1.1e-10", "12", "100", true, false, false, std::nullopt, Focus::kNone},
      {"0.5", "20", "20", true, false, false, std::nullopt, Focus::kNone},
      {"-3", "20", "30", true, false, false, std::nullopt, Focus::kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.target) + " " + c.lowest + " " + c.highest);
    const RatioCheck check = gears::check_ratio_inputs({c.target, c.lowest, c.highest});
    EXPECT_EQ(check.calculate_offered, c.offered);
    EXPECT_EQ(check.lowest_red, c.lowest_red);
    EXPECT_EQ(check.highest_red, c.highest_red);
    EXPECT_EQ(check.highest_text, c.highest_text);
    EXPECT_EQ(check.focus, c.focus);
  }
}

TEST(GearRatioForm, ToleranceBelowTheSmallestBecomesTheSmallest) {
  for (const char* typed : {"", "0", "0.00001", "0.000099", "-1"})
    EXPECT_EQ(gears::floored_tolerance(typed), "0.0001") << typed;
  for (const char* typed : {"0.0001", "0.0001005", "0.5", "12"})
    EXPECT_EQ(gears::floored_tolerance(typed), typed);
}

} // namespace
