// Change-gear trains and the 22/7 worm pairs.
#include "calc/workshop/change_gears_calc.h"

#include <algorithm>
#include <climits>
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

/// A tooth count from a computed value: a value within rounding noise of a
/// whole number is that number (22 x 1.1 is 24.200000000000003), any other
/// is cut to its whole part. Nothing when it is no count an int can hold.
std::optional<int> whole_count(double value) {
  if (!std::isfinite(value) || value < 0.0 || value >= static_cast<double>(INT_MAX))
    return std::nullopt;
  double nearest = std::round(value);
  if (std::fabs(value - nearest) <= 1e-9 * std::max(1.0, value))
    return static_cast<int>(nearest);
  return static_cast<int>(value);
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

std::optional<GearPairCounts> worm_pair_module(double module, double lead_screw_pitch,
                                               int smallest_gear) {
  double a = 22.0 * module;
  double b = 7.0 * lead_screw_pitch;
  // A fraction of 22 m is cleared by multiplying both by its inverse (0.5
  // doubles them); a "fraction" that is only rounding noise is none.
  double fraction = a - std::floor(a);
  if (fraction > 1e-9 && fraction < 1.0 - 1e-9) {
    a *= 1.0 / fraction;
    b *= 1.0 / fraction;
  }
  if (smallest_gear > a || smallest_gear > b) {
    a *= 2.0;
    b *= 2.0;
  }
  std::optional<int> first = whole_count(a), second = whole_count(b);
  if (!first || !second)
    return std::nullopt;
  return GearPairCounts{*first, *second};
}

std::optional<GearPairCounts> worm_pair_dp(double diametral_pitch, double lead_screw_tpi,
                                           int smallest_gear) {
  std::optional<int> from_pitch = whole_count(7.0 * diametral_pitch);
  std::optional<int> from_screw = whole_count(22.0 * lead_screw_tpi);
  // Doubled below, so each must stay below half the largest int.
  if (!from_pitch || !from_screw || *from_pitch > INT_MAX / 2 || *from_screw > INT_MAX / 2)
    return std::nullopt;
  int a = *from_pitch, b = *from_screw;
  while (a != 0 && b != 0 && a % 2 == 0 && b % 2 == 0) {
    a /= 2;
    b /= 2;
  }
  if (a >= smallest_gear && b >= smallest_gear)
    return GearPairCounts{b, a};
  return GearPairCounts{2 * b, 2 * a};
}

} // namespace workshop
