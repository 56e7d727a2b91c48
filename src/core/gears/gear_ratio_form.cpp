#include "core/gears/gear_ratio_form.h"

#include <algorithm>
#include <cmath>

#include "core/numeric/number_text.h"

namespace gears {

namespace {

constexpr double kSmallestTolerance = 0.0001;
constexpr const char* kSmallestToleranceText = "0.0001";
/// A target ratio this small is no ratio at all.
constexpr double kNoTarget = 1e-10;

} // namespace

RatioCheck check_ratio_inputs(const RatioCheckInput& input) {
  RatioCheck check;
  const long lowest = numeric::read_long(input.lowest);
  long highest = numeric::read_long(input.highest);
  if (lowest < kFewestRatioTeeth) {
    check.lowest_red = true;
    check.focus = RatioCheck::Focus::kLowest;
    return check;
  }
  if (highest > kMostRatioTeeth) {
    check.highest_text = std::to_string(kMostRatioTeeth);
    highest = kMostRatioTeeth;
  }
  check.highest_red = highest < lowest;
  if (*check.highest_red) {
    check.focus = RatioCheck::Focus::kHighest;
    return check;
  }
  check.calculate_offered = std::fabs(numeric::read_double(input.target)) > kNoTarget;
  return check;
}

std::string floored_tolerance(const std::string& text) {
  return numeric::read_double(text) < kSmallestTolerance ? kSmallestToleranceText : text;
}

SearchInput ratio_search_input(const RatioSearchRequest& fields, ToleranceMode mode) {
  SearchInput input;
  input.limit = static_cast<int>(std::clamp<long>(numeric::read_long(fields.results_limit), 0, 1L << 30));
  input.target = numeric::read_double(fields.target);
  input.percent = numeric::read_double(floored_tolerance(fields.tolerance));
  input.mode = mode;
  return input;
}

PairTable admitted_pairs(const RatioSearchRequest& fields, const std::function<bool(int)>& can_index) {
  const auto lowest = static_cast<int>(std::clamp<long>(numeric::read_long(fields.lowest), -1, 1L << 20));
  const auto highest = static_cast<int>(std::clamp<long>(numeric::read_long(fields.highest), -1, 1L << 20));
  return build_pair_table(tooth_list(lowest, highest, can_index));
}

} // namespace gears
