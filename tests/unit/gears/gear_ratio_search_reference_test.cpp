// The search decides cheaply which first two pairs can lead to a four-pair
// fit before it walks their gears. Its trains must be exactly those of the
// plain walk: every stage written out loop by loop, the duplicate test a scan
// of the list, checked here on many targets, tolerances, modes and limits.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/gears/gear_ratio_calc.h"

using namespace gears;

namespace {

class PlainSearch {
public:
  PlainSearch(const PairTable& table, const SearchInput& input) : table_(table), in_(input) {}

  ResultList run() {
    if (!stage1() && !stage2() && !stage3())
      stage4();
    sort_by_error(list_);
    return list_;
  }

private:
  bool full() const { return static_cast<long>(list_.size()) >= in_.limit; }
  RatioWindow around(double q) const {
    RatioWindow w{q, q};
    if (in_.percent > 1e-10) {
      double d = in_.percent * (q / 100.0);
      if (in_.mode == ToleranceMode::kBoth) {
        w.low = q - d;
        w.high = q + d;
      } else if (in_.mode == ToleranceMode::kAbove) {
        w.high = q + d;
      } else {
        w.low = q - d;
      }
    }
    return w;
  }
  static RatioWindow plus_minus(float k, float percent) {
    return {k - k / 100.0f * percent, k + k / 100.0f * percent};
  }
  void add(const std::vector<GearPair>& pairs) {
    int drivers = 0, driven = 0;
    for (const GearPair& p : pairs) {
      drivers += p.driver;
      driven += p.driven;
    }
    for (const RatioResult& listed : list_)
      if (listed.driver_sum == drivers && listed.driven_sum == driven)
        return;
    list_.push_back(make_result(pairs, in_.target));
  }
  const GearPair& at(int i) const { return table_[static_cast<size_t>(i)]; }

  bool stage1() {
    auto found = find_ratio_range(table_, around(in_.target));
    if (found)
      for (int i = found->first; i <= found->last && !full(); ++i)
        list_.push_back(make_result({at(i)}, in_.target));
    return !list_.empty();
  }
  bool stage2() {
    float s = std::sqrt(static_cast<float>(in_.target));
    float e = (s / 100.0f) * 10.0f;
    RatioWindow w = around(in_.target);
    auto first = find_ratio_range(table_, {w.low - e, w.high + e});
    if (!first)
      return false;
    for (int i = first->first; i <= first->last && !full(); ++i) {
      auto second = find_ratio_range(table_, around(in_.target / at(i).ratio));
      if (second)
        for (int j = second->first; j <= second->last && !full(); ++j)
          add({at(i), at(j)});
    }
    return !list_.empty();
  }
  bool stage3() {
    float k3 = std::sqrt(std::cbrt(static_cast<float>(in_.target)));
    auto first = find_ratio_range(table_, plus_minus(k3, 10.0f));
    if (!first)
      return false;
    for (int i = first->first; i <= first->last && !full(); ++i) {
      auto second = find_ratio_range(table_, plus_minus(k3, 5.0f));
      if (!second)
        continue;
      for (int j = second->first; j <= second->last && !full(); ++j) {
        auto third = find_ratio_range(table_, around(in_.target / (at(i).ratio * at(j).ratio)));
        if (third)
          for (int k = third->first; k <= third->last && !full(); ++k)
            add({at(i), at(j), at(k)});
      }
    }
    return !list_.empty();
  }
  void stage4() {
    float k4 = std::sqrt(std::sqrt(static_cast<float>(in_.target)));
    auto first = find_ratio_range(table_, plus_minus(k4, 10.0f));
    auto second = find_ratio_range(table_, plus_minus(k4, 5.0f));
    if (!first || !second)
      return;
    for (int i = first->first; i <= first->last && !full(); ++i) {
      for (int j = second->first; j <= second->last && !full(); ++j) {
        float v = std::sqrt(static_cast<float>(in_.target / (at(i).ratio * at(j).ratio)));
        RatioWindow w{v, v};
        if (in_.percent > 1e-10) {
          float d = (v / 100.0f) * 2.5f;
          if (in_.mode == ToleranceMode::kBoth)
            w = {v - d, v + d};
          else if (in_.mode == ToleranceMode::kAbove)
            w.high = v + d;
          else
            w.low = v - d;
        }
        auto third = find_ratio_range(table_, w);
        if (!third)
          continue;
        for (int k = third->first; k <= third->last && !full(); ++k) {
          auto fourth = find_ratio_range(
              table_, around(in_.target / (at(i).ratio * at(j).ratio * at(k).ratio)));
          if (fourth)
            for (int l = fourth->first; l <= fourth->last && !full(); ++l)
              add({at(i), at(j), at(k), at(l)});
        }
      }
    }
  }

  const PairTable& table_;
  SearchInput in_;
  ResultList list_;
};

std::string describe(const ResultList& results) {
  std::string text;
  for (const RatioResult& r : results) {
    for (int k = 0; k < 4; ++k)
      text +=
          r.driver_text[static_cast<size_t>(k)] + "/" + r.driven_text[static_cast<size_t>(k)] + " ";
    text += r.ratio_text + " " + r.error_text + "\n";
  }
  return text;
}

// Targets spread evenly on a log scale from 1/600 to 600, plus ratios that
// sit on fractions of small gears.
std::vector<double> targets(int count) {
  std::vector<double> list;
  for (int i = 0; i < count; ++i)
    list.push_back(std::exp(std::log(600.0) * (2.0 * i / (count - 1) - 1.0)));
  for (double exact : {1.0, 2.0, 1.01, 0.37, 1.3, 3.1415926, 1.0 / 7.0, 127.0 / 100.0})
    list.push_back(exact);
  return list;
}

int four_pair_runs = 0;

void expect_same(const PairTable& table, const SearchInput& input) {
  int reached_four = 0;
  ResultList fast = gear_ratio_search(table, input, {[&] { ++reached_four; }, nullptr});
  four_pair_runs += reached_four;
  ResultList plain = PlainSearch(table, input).run();
  ASSERT_EQ(describe(fast), describe(plain))
      << "target " << input.target << " tolerance " << input.percent << " mode "
      << static_cast<int>(input.mode) << " limit " << input.limit;
}

} // namespace

TEST(GearRatioSearchMatchesThePlainWalk, SmallRangeManyTargets) {
  PairTable table = build_pair_table(tooth_list(12, 36, nullptr));
  const ToleranceMode modes[] = {ToleranceMode::kBoth, ToleranceMode::kAbove,
                                 ToleranceMode::kBelow};
  four_pair_runs = 0;
  for (double target : targets(48)) {
    for (ToleranceMode mode : modes) {
      for (double percent : {0.0, 0.0001, 0.05, 2.0})
        for (int limit : {1, 20})
          expect_same(table, {limit, target, percent, mode});
      // A high limit lets the duplicate test and the later pairs work.
      for (double percent : {0.0, 0.05})
        expect_same(table, {300, target, percent, mode});
    }
  }
  // The comparison means something only if many searches got that far.
  EXPECT_GT(four_pair_runs, 300);
}

TEST(GearRatioSearchMatchesThePlainWalk, HeadThatSkipsCounts) {
  // A head that can't index multiples of 7 or counts above 90.
  PairTable table =
      build_pair_table(tooth_list(12, 100, [](int n) { return n % 7 != 0 && n <= 90; }));
  for (double target : targets(12))
    for (double percent : {0.0001, 0.5})
      for (ToleranceMode mode : {ToleranceMode::kBoth, ToleranceMode::kBelow})
        expect_same(table, {20, target, percent, mode});
}

TEST(GearRatioSearchMatchesThePlainWalk, FullRangeHardTargets) {
  PairTable table = build_pair_table(tooth_list(12, 100, nullptr));
  // Exact fits that need four pairs or none, and tiny targets whose four-pair
  // stage finds some trains but fewer than the limit.
  const SearchInput cases[] = {
      {20, 1.01, 0.0, ToleranceMode::kBoth},
      {20, 1.3, 0.0, ToleranceMode::kAbove},
      {20, 0.00100779, 0.0001, ToleranceMode::kBelow},
      {20, 0.00358858, 0.0001, ToleranceMode::kBoth},
      {500, 0.0009, 0.01, ToleranceMode::kBoth},
      {20, 1500.0, 0.0001, ToleranceMode::kBelow},
  };
  for (const SearchInput& input : cases)
    expect_same(table, input);
}
