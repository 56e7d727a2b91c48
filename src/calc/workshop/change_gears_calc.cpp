// Change-gear trains and the 22/7 worm pairs.
#include "calc/workshop/change_gears_calc.h"

#include <algorithm>
#include <cmath>

namespace workshop {

namespace {

using gears::GearPair;
using gears::PairTable;
using gears::ResultList;

class TrainSearch {
public:
  TrainSearch(const PairTable& table, double target, double error)
      : table_(table), target_(target), low_(target - target / 100.0 * error),
        high_(target / 100.0 * error + target) {}

  ResultList run() {
    if (std::isnan(low_) || std::isnan(high_))
      return {};
    if (!one_pair() && !two_pairs())
      three_pairs();
    gears::sort_by_error(results_);
    return std::move(results_);
  }

private:
  bool full() const { return results_.size() >= static_cast<size_t>(kMostChangeGearTrains); }
  bool fits(double ratio) const { return low_ <= ratio && ratio <= high_; }

  void add(const std::vector<GearPair>& pairs) {
    const gears::ToothSums sums = gears::tooth_sums(pairs);
    if (!listed_.first(sums))
      return;
    results_.push_back(gears::make_result(pairs, target_));
    results_.back().driver_sum = sums.driver;
    results_.back().driven_sum = sums.driven;
  }

  /// The entries k whose ratio times `factor` may fit: the table is sorted
  /// and a product with a positive factor never falls as the ratio grows.
  std::pair<size_t, size_t> fitting_after(double factor) const {
    auto first = std::partition_point(table_.begin(), table_.end(), [&](const GearPair& pair) {
      return factor * pair.ratio < low_;
    });
    auto last = std::partition_point(
        first, table_.end(), [&](const GearPair& pair) { return factor * pair.ratio <= high_; });
    return {static_cast<size_t>(first - table_.begin()),
            static_cast<size_t>(last - table_.begin())};
  }

  bool one_pair() {
    for (size_t i = 0; i < table_.size() && !full(); ++i)
      if (fits(table_[i].ratio))
        add({table_[i]});
    return !results_.empty();
  }

  bool two_pairs() {
    for (size_t i = 0; i < table_.size() && !full(); ++i) {
      auto [begin, end] = fitting_after(table_[i].ratio);
      for (size_t j = begin; j < end && !full(); ++j)
        if (j != i && fits(table_[i].ratio * table_[j].ratio))
          add({table_[i], table_[j]});
    }
    return !results_.empty();
  }

  void three_pairs() {
    for (size_t i = 0; i < table_.size() && !full(); ++i) {
      for (size_t j = 0; j < table_.size() && !full(); ++j) {
        if (j == i)
          continue;
        double first_two = table_[i].ratio * table_[j].ratio;
        auto [begin, end] = fitting_after(first_two);
        for (size_t k = begin; k < end && !full(); ++k)
          if (k != i && k != j && fits(first_two * table_[k].ratio))
            add({table_[i], table_[j], table_[k]});
      }
    }
  }

  const PairTable& table_;
  double target_;
  double low_;
  double high_;
  ResultList results_;
  gears::ListedTrains listed_;
};

// Exact arithmetic on the typed decimals: 15 digits times 10^15 times 22
// stays far inside 128 bits.
__extension__ typedef __int128 Wide;

/// A decimal text as the exact fraction digits / 10^decimals.
struct ExactDecimal {
  Wide digits = 0;
  int decimals = 0;
};

std::optional<ExactDecimal> exact_decimal(const std::string& text) {
  std::string digits;
  int decimals = 0;
  bool point = false;
  for (char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      digits += c;
      decimals += point ? 1 : 0;
    } else {
      return std::nullopt;
    }
  }
  while (decimals > 0 && digits.back() == '0') {
    digits.pop_back();
    --decimals;
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.empty() || digits.size() > 15)
    return std::nullopt;
  ExactDecimal value;
  for (char c : digits)
    value.digits = value.digits * 10 + (c - '0');
  value.decimals = decimals;
  return value;
}

Wide power_of_ten(int exponent) {
  Wide power = 1;
  while (exponent-- > 0)
    power *= 10;
  return power;
}

Wide gcd(Wide a, Wide b) {
  while (b != 0) {
    Wide rest = a % b;
    a = b;
    b = rest;
  }
  return a;
}

/// factor_x * x : factor_y * y in lowest terms, or nothing when a text is
/// unreadable or a count would exceed the largest gear.
std::optional<GearPairCounts> lowest_terms(int factor_x, const std::string& x, int factor_y,
                                           const std::string& y) {
  std::optional<ExactDecimal> dx = exact_decimal(x), dy = exact_decimal(y);
  if (!dx || !dy)
    return std::nullopt;
  // x / 10^i : y / 10^j is x 10^j : y 10^i; only the larger power is left.
  const int shared = std::min(dx->decimals, dy->decimals);
  Wide first = factor_x * dx->digits * power_of_ten(dy->decimals - shared);
  Wide second = factor_y * dy->digits * power_of_ten(dx->decimals - shared);
  const Wide divisor = gcd(first, second);
  first /= divisor;
  second /= divisor;
  if (first > kLargestWormPairGear || second > kLargestWormPairGear)
    return std::nullopt;
  return GearPairCounts{static_cast<int>(first), static_cast<int>(second)};
}

/// Both counts doubled, unless that would ask for a gear beyond the largest:
/// the pair in lowest terms is exact too, only its gears are smaller.
GearPairCounts doubled(GearPairCounts pair) {
  if (2 * pair.first > kLargestWormPairGear || 2 * pair.second > kLargestWormPairGear)
    return pair;
  return {2 * pair.first, 2 * pair.second};
}

} // namespace

bool usable_pitch(double pitch) { return std::isfinite(pitch) && pitch >= 0.0001; }

std::optional<double> change_gear_target(ChangeGearMode mode, double pitch_to_make,
                                         double lead_screw_pitch) {
  if (!usable_pitch(pitch_to_make) || !usable_pitch(lead_screw_pitch))
    return std::nullopt;
  if (mode == ChangeGearMode::kInch)
    return pitch_to_make / lead_screw_pitch;
  if (mode == ChangeGearMode::kMetric)
    return lead_screw_pitch / pitch_to_make;
  return std::nullopt;
}

PairTable change_gear_pairs(const std::vector<int>& gears) {
  return gears::build_pair_table(gears);
}

ResultList change_gear_search(const PairTable& table, double target, double error_percent) {
  return TrainSearch(table, target, error_percent).run();
}

std::optional<GearPairCounts> worm_pair_module(const std::string& module,
                                               const std::string& lead_screw_pitch,
                                               int smallest_gear) {
  std::optional<GearPairCounts> pair = lowest_terms(22, module, 7, lead_screw_pitch);
  if (pair && (smallest_gear > pair->first || smallest_gear > pair->second))
    return doubled(*pair);
  return pair;
}

std::optional<GearPairCounts> worm_pair_dp(const std::string& diametral_pitch,
                                           const std::string& lead_screw_tpi, int smallest_gear) {
  std::optional<GearPairCounts> pair = lowest_terms(7, diametral_pitch, 22, lead_screw_tpi);
  if (!pair)
    return std::nullopt;
  const GearPairCounts shown{pair->second, pair->first};
  if (pair->first >= smallest_gear && pair->second >= smallest_gear)
    return shown;
  return doubled(shown);
}

} // namespace workshop
