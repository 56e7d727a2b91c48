// The gear-ratio search, stage by stage.
#include "core/gears/gear_ratio_calc.h"
#include "core/numeric/number_text.h"
#include "core/numeric/stop_request.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <unordered_map>

namespace gears {

namespace {

std::string format_six_decimals(double value) { return numeric::printf_text("%.6f", value); }

/// centre +- percent, worked out in single precision as the outer windows
/// of the three- and four-pair stages always have been.
RatioWindow percent_window(float centre, float percent) {
  float d = (centre / 100.0f) * percent;
  return {static_cast<double>(centre - d), static_cast<double>(centre + d)};
}

/// The third pair's window of the four-pair stage: the square root of what
/// is left of the ratio, widened by a fixed 2.5 % on the tolerance's side(s).
RatioWindow third_pair_window(float v, double percent, ToleranceMode mode) {
  RatioWindow window{v, v};
  if (percent > 1e-10) {
    float d = (v / 100.0f) * 2.5f;
    if (mode != ToleranceMode::kBelow)
      window.high = static_cast<double>(v + d);
    if (mode != ToleranceMode::kAbove)
      window.low = static_cast<double>(v - d);
  }
  return window;
}

bool is_nan(RatioWindow window) { return std::isnan(window.low) || std::isnan(window.high); }

/// The distinct ratios of a table in ascending order, and which of them
/// each entry has. Whether a four-pair train can end in a fit depends only
/// on the ratios of its first two pairs, never on their gears.
struct DistinctRatios {
  std::vector<double> values;
  std::vector<int> id; ///< per table entry

  explicit DistinctRatios(const PairTable& table) {
    id.reserve(table.size());
    for (const GearPair& pair : table) {
      if (values.empty() || values.back() != pair.ratio)
        values.push_back(pair.ratio);
      id.push_back(static_cast<int>(values.size()) - 1);
    }
  }
  /// First index with a value >= low and first with a value > high.
  std::pair<size_t, size_t> span(RatioWindow window) const {
    auto low = std::lower_bound(values.begin(), values.end(), window.low);
    auto high = std::upper_bound(low, values.end(), window.high);
    return {static_cast<size_t>(low - values.begin()), static_cast<size_t>(high - values.begin())};
  }
};

class Search {
public:
  Search(const PairTable& table, const SearchInput& input) : table_(table), in_(input) {}

  ResultList run(const SearchProgress& progress) {
    if (one_pair() || two_pairs() || three_pairs())
      return finish();
    if (progress.four_pairs_start)
      progress.four_pairs_start();
    four_pairs();
    if (progress.four_pairs_end)
      progress.four_pairs_end();
    return finish();
  }

private:
  // Every loop ends when the list is full, and also when a stop is requested
  // (the program is ending: a signal must not wait for the search).
  bool full() const {
    return static_cast<long>(results_.size()) >= in_.limit || numeric::stop_requested();
  }
  RatioWindow around(double centre) const {
    return tolerance_window(centre, in_.percent, in_.mode);
  }
  std::optional<RatioRange> range(RatioWindow window) const {
    return find_ratio_range(table_, window);
  }
  const GearPair& at(int index) const { return table_[static_cast<size_t>(index)]; }

  /// Adds the train unless a train with the same driver and driven sums is
  /// listed already (the same gears in another order, or other gears with
  /// the same sums).
  void add_train(const std::vector<GearPair>& pairs) {
    if (!listed_.first(tooth_sums(pairs)))
      return;
    results_.push_back(make_result(pairs, in_.target));
  }

  bool one_pair() {
    std::optional<RatioRange> found = range(around(in_.target));
    if (!found)
      return false;
    for (int i = found->first; i <= found->last && !full(); ++i)
      results_.push_back(make_result({at(i)}, in_.target));
    return !results_.empty();
  }

  bool two_pairs() {
    // The first pair comes from the one-pair window widened by a tenth of
    // the square root of the ratio.
    float root = std::sqrt(static_cast<float>(in_.target));
    float widen = (root / 100.0f) * 10.0f;
    RatioWindow window = around(in_.target);
    window.low -= widen;
    window.high += widen;
    std::optional<RatioRange> first = range(window);
    if (!first)
      return false;
    for (int i = first->first; i <= first->last && !full(); ++i) {
      const GearPair& p1 = at(i);
      std::optional<RatioRange> second = range(around(in_.target / p1.ratio));
      if (!second)
        continue;
      for (int j = second->first; j <= second->last && !full(); ++j)
        add_train({p1, at(j)});
    }
    return !results_.empty();
  }

  bool three_pairs() {
    // Around the sixth root of the ratio (not its cube root), as always.
    float k3 = std::sqrt(std::cbrt(static_cast<float>(in_.target)));
    std::optional<RatioRange> first = range(percent_window(k3, 10.0f));
    if (!first)
      return false;
    std::optional<RatioRange> second = range(percent_window(k3, 5.0f));
    if (!second)
      return false;
    for (int i = first->first; i <= first->last && !full(); ++i) {
      const GearPair& p1 = at(i);
      for (int j = second->first; j <= second->last && !full(); ++j) {
        const GearPair& p2 = at(j);
        std::optional<RatioRange> third = range(around(in_.target / (p1.ratio * p2.ratio)));
        if (!third)
          continue;
        for (int k = third->first; k <= third->last && !full(); ++k)
          add_train({p1, p2, at(k)});
      }
    }
    return !results_.empty();
  }

  void four_pairs() {
    float k4 = std::sqrt(std::sqrt(static_cast<float>(in_.target)));
    std::optional<RatioRange> first = range(percent_window(k4, 10.0f));
    std::optional<RatioRange> second = range(percent_window(k4, 5.0f));
    if (!first || !second || in_.limit <= 0)
      return;
    // Most first-two-pair choices lead nowhere. Which do is decided once per
    // pair of distinct ratios, cheaply, before the gears are walked.
    DistinctRatios distinct(table_);
    FitMemo memo(distinct, *first, *second);
    for (int i = first->first; i <= first->last && !full(); ++i) {
      const GearPair& p1 = at(i);
      for (int j = second->first; j <= second->last && !full(); ++j) {
        const GearPair& p2 = at(j);
        if (!memo.fits(i, j, [&] { return can_end_in_fit(distinct, p1.ratio, p2.ratio); }))
          continue;
        last_two_pairs(p1, p2);
      }
    }
  }

  /// The third and fourth pairs after p1 and p2, walked gear by gear.
  void last_two_pairs(const GearPair& p1, const GearPair& p2) {
    float v = std::sqrt(static_cast<float>(in_.target / (p1.ratio * p2.ratio)));
    std::optional<RatioRange> third = range(third_pair_window(v, in_.percent, in_.mode));
    if (!third)
      return;
    for (int k = third->first; k <= third->last && !full(); ++k) {
      const GearPair& p3 = at(k);
      std::optional<RatioRange> fourth =
          range(around(in_.target / (p1.ratio * p2.ratio * p3.ratio)));
      if (!fourth)
        continue;
      for (int l = fourth->first; l <= fourth->last && !full(); ++l)
        add_train({p1, p2, p3, at(l)});
    }
  }

  /// Whether some third and fourth pair fit after first pairs of these
  /// ratios: the same windows as last_two_pairs, over distinct ratios, with
  /// the fourth pair's window found by a pointer that follows the falling
  /// remainder instead of a fresh binary search each time.
  bool can_end_in_fit(const DistinctRatios& distinct, double ratio1, double ratio2) const {
    const std::vector<double>& values = distinct.values;
    double first_two = ratio1 * ratio2;
    float v = std::sqrt(static_cast<float>(in_.target / first_two));
    RatioWindow third = third_pair_window(v, in_.percent, in_.mode);
    if (is_nan(third))
      return false;
    auto [begin, end] = distinct.span(third);
    size_t at = values.size();
    bool placed = false;
    for (size_t k = begin; k < end; ++k) {
      RatioWindow fourth = around(in_.target / (first_two * values[k]));
      if (is_nan(fourth))
        continue;
      if (!placed) {
        at = distinct.span(fourth).first;
        placed = true;
      }
      while (at > 0 && values[at - 1] >= fourth.low)
        --at;
      while (at < values.size() && values[at] < fourth.low)
        ++at;
      if (at < values.size() && values[at] <= fourth.high)
        return true;
    }
    return false;
  }

  /// Remembers can_end_in_fit per pair of distinct ratios of the first and
  /// second window.
  class FitMemo {
  public:
    FitMemo(const DistinctRatios& distinct, RatioRange first, RatioRange second)
        : distinct_(distinct) {
      base1_ = id(first.first);
      base2_ = id(second.first);
      width2_ = static_cast<size_t>(id(second.last) - base2_ + 1);
      size_t cells = static_cast<size_t>(id(first.last) - base1_ + 1) * width2_;
      if (cells <= kMostCells)
        cells_.assign(cells, kUnknown);
    }
    template <typename Decide> bool fits(int i, int j, Decide decide) {
      size_t cell = static_cast<size_t>(id(i) - base1_) * width2_ + (id(j) - base2_);
      std::uint8_t* known = nullptr;
      if (!cells_.empty())
        known = &cells_[cell];
      else
        known = &spill_.try_emplace(cell, kUnknown).first->second;
      if (*known == kUnknown)
        *known = decide() ? kYes : kNo;
      return *known == kYes;
    }

  private:
    static constexpr std::uint8_t kUnknown = 0, kNo = 1, kYes = 2;
    static constexpr size_t kMostCells = size_t{1} << 24;
    int id(int index) const { return distinct_.id[static_cast<size_t>(index)]; }

    const DistinctRatios& distinct_;
    int base1_ = 0, base2_ = 0;
    size_t width2_ = 0;
    std::vector<std::uint8_t> cells_;
    std::unordered_map<size_t, std::uint8_t> spill_;
  };

  ResultList finish() {
    sort_by_error(results_);
    return std::move(results_);
  }

  const PairTable& table_;
  SearchInput in_;
  ResultList results_;
  ListedTrains listed_;
};

} // namespace

std::vector<int> tooth_list(int lowest, int highest, const std::function<bool(int)>& can_index) {
  std::vector<int> teeth;
  for (long t = lowest; t <= highest; ++t)
    if (!can_index || can_index(static_cast<int>(t)))
      teeth.push_back(static_cast<int>(t));
  return teeth;
}

PairTable build_pair_table(const std::vector<int>& teeth) {
  PairTable table;
  // Hundreds of counts make a large table; a requested stop cuts it short.
  for (size_t i = 0; i < teeth.size() && !numeric::stop_requested(); ++i) {
    int driver = teeth[i];
    // A gear of no teeth can't be a pair's gear.
    if (driver <= 0 || (i + 1 < teeth.size() && teeth[i + 1] == driver))
      continue;
    for (int driven : teeth)
      if (driven > 0 && driven != driver)
        table.push_back(
            {static_cast<double>(driven) / static_cast<double>(driver), driver, driven, 0});
  }
  std::sort(table.begin(), table.end(), [](const GearPair& a, const GearPair& b) {
    return a.ratio < b.ratio || (a.ratio == b.ratio && a.driver < b.driver);
  });
  for (size_t i = 0; i < table.size(); ++i)
    table[i].position = static_cast<int>(i);
  return table;
}

std::optional<RatioRange> find_ratio_range(const PairTable& table, RatioWindow window) {
  if (is_nan(window))
    return std::nullopt;
  auto ratio = [&table](size_t index) { return table[index].ratio; };
  size_t i = 0, j = table.size();
  while (i < j) {
    size_t m = (i + j) / 2;
    if (window.low > ratio(m)) {
      i = m + 1;
    } else if (ratio(m) > window.high) {
      j = m;
    } else {
      size_t first = m, last = m;
      while (first > 0 && ratio(first - 1) >= window.low)
        --first;
      while (last + 1 < table.size() && ratio(last + 1) <= window.high)
        ++last;
      return RatioRange{static_cast<int>(first), static_cast<int>(last)};
    }
  }
  return std::nullopt;
}

RatioWindow tolerance_window(double centre, double percent, ToleranceMode mode) {
  RatioWindow window{centre, centre};
  if (percent > 1e-10) {
    double d = percent * (centre / 100.0);
    if (mode != ToleranceMode::kBelow)
      window.high = centre + d;
    if (mode != ToleranceMode::kAbove)
      window.low = centre - d;
  }
  return window;
}

std::string trim_trailing_zeros(std::string text) {
  while (text.size() > 3 && text.back() == '0')
    text.pop_back();
  return text;
}

int RatioResult::pair_count() const {
  int count = 0;
  while (count < 4 && !driver_text[static_cast<size_t>(count)].empty())
    ++count;
  return count;
}

ToothSums tooth_sums(const std::vector<GearPair>& pairs) {
  ToothSums sums;
  for (const GearPair& pair : pairs) {
    sums.driver += pair.driver;
    sums.driven += pair.driven;
  }
  return sums;
}

RatioResult make_result(const std::vector<GearPair>& pairs, double target) {
  RatioResult result;
  double product = 1.0;
  for (size_t k = 0; k < pairs.size() && k < 4; ++k) {
    result.driver_text[k] = std::to_string(pairs[k].driver);
    result.driven_text[k] = std::to_string(pairs[k].driven);
    result.driver_sum += pairs[k].driver;
    result.driven_sum += pairs[k].driven;
    product *= pairs[k].ratio;
  }
  if (pairs.size() < 2)
    result.driver_sum = result.driven_sum = 0;
  result.ratio_text = trim_trailing_zeros(format_six_decimals(product));
  // Measured against the found ratio. A negative quotient (a negative
  // target) flips the sign, as it always has; a quotient of 0 up to 1e-9 is
  // worked out like any other positive one.
  double quotient = target / product;
  double error = (1.0 - quotient) * 100.0;
  if (quotient < 0.0)
    error = -error;
  if (std::fabs(error) < 5e-8)
    error = 0.0;
  result.abs_error = std::fabs(error);
  result.error_text = trim_trailing_zeros(format_six_decimals(error)) + "%";
  return result;
}

void sort_by_error(ResultList& results) {
  std::stable_sort(results.begin(), results.end(), [](const RatioResult& a, const RatioResult& b) {
    return a.abs_error < b.abs_error;
  });
}

ResultList gear_ratio_search(const PairTable& table, const SearchInput& input,
                             const SearchProgress& progress) {
  return Search(table, input).run(progress);
}

} // namespace gears
