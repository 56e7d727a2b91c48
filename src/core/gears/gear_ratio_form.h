// What the gear-ratio page shows for what the user typed: whether Calculate
// is offered, which tooth count is red and takes the focus, the highest
// count as far as it may go, and the tolerance once the user leaves it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/gears/gear_ratio_calc.h"

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

/// The texts of the page's search fields; the change-gear page fills them too
/// when the user's own gears make no train.
struct RatioSearchRequest {
  std::string results_limit;
  std::string target;
  std::string lowest;
  std::string highest;
  std::string tolerance;
};

/// The search the fields ask for, the tolerance floored as leaving its field floors it.
SearchInput ratio_search_input(const RatioSearchRequest& fields, ToleranceMode mode);

/// The tooth counts from the lowest to the highest that `can_index` admits, paired.
PairTable admitted_pairs(const RatioSearchRequest& fields, const std::function<bool(int)>& can_index);

} // namespace gears
