// What the gear-ratio page shows for what the user typed: whether Calculate
// is offered, which tooth count is red and takes the focus, the highest
// count as far as it may go, and the tolerance once the user leaves it.
#pragma once

#include <optional>
#include <string>

namespace gears {

/// Counts below this can't be cut as gears here; counts above the most are cut back.
inline constexpr long kFewestRatioTeeth = 12;
inline constexpr long kMostRatioTeeth = 100;

struct RatioCheckInput {
  std::string target;
  std::string lowest;
  std::string highest;
};

struct RatioCheck {
  enum class Focus { kNone, kLowest, kHighest };
  bool calculate_offered = false;
  bool lowest_red = false;
  /// None: the highest count is not looked at (the lowest is wrong first).
  std::optional<bool> highest_red;
  /// The highest count cut back to the most, when it was above.
  std::optional<std::string> highest_text;
  /// The count the user must mend first.
  Focus focus = Focus::kNone;
};

RatioCheck check_ratio_inputs(const RatioCheckInput& input);

/// The tolerance as the field keeps it: below the smallest (an empty field
/// too) it becomes the smallest.
std::string floored_tolerance(const std::string& text);

} // namespace gears
