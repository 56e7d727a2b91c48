// Change-gear trains and the 22/7 worm pairs.
#include "core/workshop/change_gears_calc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "core/numeric/stop_request.h"

namespace workshop {

namespace {

using gears::GearPair;
using gears::PairTable;
using gears::ResultList;

/// The first index in [begin, end) where `test` holds; it holds from some
/// index to the end.
template <typename Test> size_t first_where(size_t begin, size_t end, Test test) {
  while (begin < end) {
    const size_t middle = begin + (end - begin) / 2;
    if (test(middle))
      end = middle;
    else
      begin = middle + 1;
  }
  return begin;
}

/// Walks the trains in table order, the first pair outermost, and keeps the
/// first ten with new tooth sums. The table is sorted by ratio, so each loop
/// is cut to the entries that can still reach the window; the bounds are the
/// same products the fit test works out, and rounding never makes a larger
/// factor give a smaller product, so no train that fits is skipped.
class TrainSearch {
public:
  TrainSearch(const ChangeGearSet& set, double target, double error)
      : pairs_(set.pairs), counts_(set.counts), target_(target),
        low_(target - target / 100.0 * error), high_(target / 100.0 * error + target) {}

  ResultList run() {
    if (!(low_ <= high_) || pairs_.empty())
      return {};
    if (!one_pair() && !two_pairs())
      three_pairs();
    gears::sort_by_error(results_);
    return std::move(results_);
  }

private:
  // A requested stop (the program is ending) ends every loop as a full list does.
  bool full() const {
    return results_.size() >= static_cast<size_t>(kMostChangeGearTrains) ||
           numeric::stop_requested();
  }
  bool fits(double ratio) const { return low_ <= ratio && ratio <= high_; }
  double ratio(size_t e) const { return pairs_[e].ratio; }
  double smallest() const { return pairs_.front().ratio; }
  double largest() const { return pairs_.back().ratio; }
  size_t size() const { return pairs_.size(); }

  /// The entries e whose product(e) fits: a range, as the product grows with e.
  template <typename Product> std::pair<size_t, size_t> fitting(Product product) const {
    const size_t begin = first_where(0, size(), [&](size_t e) { return product(e) >= low_; });
    return {begin, first_where(begin, size(), [&](size_t e) { return product(e) > high_; })};
  }

  /// The entries e for which product(e, r) can fit with r between the
  /// smallest and the largest ratio of the table.
  template <typename Product> std::pair<size_t, size_t> reachable(Product product) const {
    const size_t begin =
        first_where(0, size(), [&](size_t e) { return product(e, largest()) >= low_; });
    return {begin,
            first_where(begin, size(), [&](size_t e) { return product(e, smallest()) > high_; })};
  }

  /// Whether the set has the gears of the pairs: the table holds only counts
  /// the set has, so only a count used twice or more is looked up. Often
  /// asked (most trains near a steep ratio share their extreme gears), so
  /// nothing is allocated.
  bool buildable(std::initializer_list<size_t> picked) const {
    std::array<int, 6> used{};
    size_t n = 0;
    for (size_t e : picked) {
      used[n++] = pairs_[e].driver;
      used[n++] = pairs_[e].driven;
    }
    for (size_t a = 0; a < n; ++a) {
      int uses = 1;
      for (size_t b = a + 1; b < n; ++b)
        uses += used[b] == used[a] ? 1 : 0;
      if (uses > 1 && counts_.of(used[a]) < uses)
        return false;
    }
    return true;
  }

  /// Adds the train unless the set lacks a gear for it or a train with its
  /// tooth sums is listed. The gears are counted first: a train the set
  /// can't build must not keep out one with the same sums that it can.
  void add(std::initializer_list<size_t> picked) {
    if (!buildable(picked))
      return;
    std::vector<GearPair> pairs;
    gears::ToothSums sums;
    for (size_t e : picked) {
      pairs.push_back(pairs_[e]);
      sums.driver += pairs_[e].driver;
      sums.driven += pairs_[e].driven;
    }
    if (!listed_.first(sums))
      return;
    results_.push_back(gears::make_result(pairs, target_));
    results_.back().driver_sum = sums.driver;
    results_.back().driven_sum = sums.driven;
  }

  bool one_pair() {
    for (size_t i = 0; i < size() && !full(); ++i)
      if (fits(ratio(i)))
        add({i});
    return !results_.empty();
  }

  bool two_pairs() {
    for (size_t i = 0; i < size() && !full(); ++i) {
      auto [begin, end] = fitting([&](size_t j) { return ratio(i) * ratio(j); });
      for (size_t j = begin; j < end && !full(); ++j)
        add({i, j});
    }
    return !results_.empty();
  }

  void three_pairs() {
    // Only first pairs whose train can reach the window with the smallest
    // and the largest ratio after them.
    auto [first, last] = reachable([&](size_t i, double r) { return ratio(i) * r * r; });
    for (size_t i = first; i < last && !full(); ++i) {
      auto [begin, end] = reachable([&](size_t j, double r) { return ratio(i) * ratio(j) * r; });
      if (begin == end)
        continue;
      // The third pairs that fit move down as the second pair's ratio grows.
      const double lowest_two = ratio(i) * ratio(begin);
      auto [third, past] = fitting([&](size_t k) { return lowest_two * ratio(k); });
      for (size_t j = begin; j < end && !full(); ++j) {
        const double first_two = ratio(i) * ratio(j);
        while (third > 0 && first_two * ratio(third - 1) >= low_)
          --third;
        while (past > third && first_two * ratio(past - 1) > high_)
          --past;
        if (!buildable({i, j}))
          continue;
        for (size_t k = third; k < past && !full(); ++k)
          add({i, j, k});
      }
    }
  }

  const PairTable& pairs_;
  const GearCounts& counts_;
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

/// The smallest multiple of a pair in lowest terms, up to the largest gear,
/// whose two gears the set holds.
std::optional<GearPairCounts> owned_multiple(GearPairCounts pair, const std::vector<int>& gears) {
  const GearCounts counts(gears);
  for (int k = 1; k * std::max(pair.first, pair.second) <= kLargestWormPairGear; ++k) {
    const GearPairCounts multiple{k * pair.first, k * pair.second};
    // A pair of equal gears (a ratio of 1) needs two of them.
    if (counts.of(multiple.first) >= (multiple.first == multiple.second ? 2 : 1) &&
        counts.of(multiple.second) >= 1)
      return multiple;
  }
  return std::nullopt;
}

int smallest_of(const std::vector<int>& gears) {
  return gears.empty() ? 0 : *std::min_element(gears.begin(), gears.end());
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
  // The ratio is the screw's pitch over the thread's, both in mm; an inch is
  // 25.4 = 127/5 mm exactly, so a train with a 127 gear is exact. A screw
  // of q threads per inch has a pitch of 127 / (5 q) mm, a thread of p
  // threads per inch one of 127 / (5 p) mm.
  const double five_p_q = 5.0 * pitch_to_make * lead_screw_pitch;
  if (mode == ChangeGearMode::kMetricOnInch)
    return 127.0 / five_p_q;
  if (mode == ChangeGearMode::kInchOnMetric)
    return five_p_q / 127.0;
  return std::nullopt;
}

GearCounts::GearCounts(const std::vector<int>& gears) {
  std::vector<int> sorted = gears;
  std::sort(sorted.begin(), sorted.end());
  for (int teeth : sorted)
    if (!counts_.empty() && counts_.back().first == teeth)
      ++counts_.back().second;
    else
      counts_.emplace_back(teeth, 1);
}

int GearCounts::of(int teeth) const {
  auto at = std::lower_bound(counts_.begin(), counts_.end(), std::pair(teeth, 0));
  return at != counts_.end() && at->first == teeth ? at->second : 0;
}

ChangeGearSet change_gear_set(const std::vector<int>& gears) {
  // Each tooth count once: how often the set holds it is the counts' business.
  std::vector<int> teeth = gears;
  std::sort(teeth.begin(), teeth.end());
  teeth.erase(std::unique(teeth.begin(), teeth.end()), teeth.end());
  return {gears::build_pair_table(teeth), GearCounts(gears)};
}

ResultList change_gear_search(const ChangeGearSet& set, double target, double error_percent) {
  return TrainSearch(set, target, error_percent).run();
}

std::optional<GearPairCounts> worm_pair_module(const std::string& module,
                                               const std::string& lead_screw_pitch,
                                               const std::vector<int>& gears) {
  const std::optional<GearPairCounts> pair = lowest_terms(22, module, 7, lead_screw_pitch);
  if (!pair)
    return std::nullopt;
  if (std::optional<GearPairCounts> owned = owned_multiple(*pair, gears))
    return owned;
  const int smallest = smallest_of(gears);
  if (smallest > pair->first || smallest > pair->second)
    return doubled(*pair);
  return pair;
}

std::optional<GearPairCounts> worm_pair_dp(const std::string& diametral_pitch,
                                           const std::string& lead_screw_tpi,
                                           const std::vector<int>& gears) {
  const std::optional<GearPairCounts> pair = lowest_terms(7, diametral_pitch, 22, lead_screw_tpi);
  if (!pair)
    return std::nullopt;
  const GearPairCounts shown{pair->second, pair->first};
  if (std::optional<GearPairCounts> owned = owned_multiple(shown, gears))
    return owned;
  const int smallest = smallest_of(gears);
  if (pair->first >= smallest && pair->second >= smallest)
    return shown;
  return doubled(shown);
}

} // namespace workshop
