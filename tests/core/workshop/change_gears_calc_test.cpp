// Change gears: trains stage by stage, the duplicate rule, 22/7 worm pairs, a brute-force check.
#include "core/unit_test.h"

#include <random>

#include "core/workshop/change_gears_calc.h"
#include "core/gears/train_texts.h"

using namespace workshop;
using gears::ResultList;

TEST(ChangeGearSearch, WorkedExamples) {
  // clang-format off
  struct Case { std::vector<int> gears; double target, error; std::vector<std::string> found; };
  const Case cases[] = {
      // Metric thread of pitch 1 from a 2 mm lead screw: ratio 2.
      {{20, 25, 30, 40, 50, 60}, 2.0, 0.0001, {"20>40 2.0 0.0%", "25>50 2.0 0.0%", "30>60 2.0 0.0%"}},
      // The 40 owned twice: 40>20 listed once.
      {{20, 25, 40, 40}, 0.5, 0.0001, {"40>20 0.5 0.0%"}},
      // No single pair makes 3.75: 20>30 x 20>50 (the reverse order is a copy), with 20 owned twice.
      {{20, 20, 30, 50}, 3.75, 0.0001, {"20>30 20>50 3.75 0.0%"}}, {{20, 30, 50}, 3.75, 0.0001, {}},
      // 1.5 cubed: three times 20>30, when the set has three of each.
      {{20, 20, 20, 30, 30, 30}, 3.375, 0.0001, {"20>30 20>30 20>30 3.375 0.0%"}}, {{20, 20, 30, 30, 30}, 3.375, 0.0001, {}},
      // 0.2 mm from a 4 tpi screw, 127 / (5 x 0.2 x 4) = 31.75 = 100/20 x 127/20: one 20 is not enough.
      {{20, 100, 127}, 31.75, 0.0001, {}},
      // Within 5 %: 2.05 is 2.439 % off, 1.95 is 2.564 % off.
      {{20, 39, 40, 41}, 2.0, 5.0, {"20>40 2.0 0.0%", "20>41 2.05 2.439024%", "20>39 1.95 -2.564103%"}},
      // 20>40 twice needs two of each.
      {{20, 20, 40, 40}, 4.0, 0.0001, {"20>40 20>40 4.0 0.0%"}}, {{20, 40, 40}, 4.0, 0.0001, {}},
      {{20, 30, 50}, 7.0, 0.0001, {}}, {{20}, 1.0, 1.0, {}}, {{20, 30, 50}, NAN, 1.0, {}}, {{20, 30, 50}, INFINITY, 1.0, {}},
  };
  // clang-format on
  auto search = [](const std::vector<int>& gears, double target, double error) {
    return trains(change_gear_search(change_gear_set(gears), target, error), true);
  };
  for (const Case& c : cases)
    EXPECT_EQ(search(c.gears, c.target, c.error), c.found) << c.target;
  // Twelve pairs of exactly 2, 12>24 ... 23>46: ten listed at most.
  std::vector<int> gears;
  for (int t = 12; t <= 23; ++t)
    gears.insert(gears.end(), {t, 2 * t});
  const std::vector<std::string> found = search(gears, 2.0, 0.0001);
  ASSERT_EQ(found.size(), 10u);
  EXPECT_EQ(found.front() + ", " + found.back(), "12>24 2.0 0.0%, 21>42 2.0 0.0%");
}

TEST(ChangeGearSearch, SameAsEveryOrderedChoice) {
  // The walk over every ordered choice of up to three entries, stage by stage, first pair
  // outermost, on random gear sets and targets, keeping the trains the set has the gears for;
  // the last pair is looked up in the sorted table.
  auto plain = [](const std::vector<int>& gears, const gears::PairTable& t, double r, double e) {
    const double low = r - r / 100.0 * e, high = r / 100.0 * e + r;
    ResultList list;
    auto add = [&](std::vector<gears::GearPair> pairs) {
      int ds = 0, dn = 0; // one pair has no sums in a result, but counts here
      std::vector<int> used;
      for (auto& p : pairs)
        ds += p.driver, dn += p.driven, used.insert(used.end(), {p.driver, p.driven});
      for (int g : used)
        if (std::count(used.begin(), used.end(), g) > std::count(gears.begin(), gears.end(), g))
          return;
      for (auto& listed : list)
        if (listed.driver_sum == ds && listed.driven_sum == dn)
          return;
      list.push_back(gears::make_result(pairs, r));
      list.back().driver_sum = ds, list.back().driven_sum = dn;
    };
    auto fitting = [&](double f) { // first entry with f * ratio >= low, first with > high
      auto at = [&](auto below) {
        return size_t(std::partition_point(t.begin(), t.end(), below) - t.begin());
      };
      return std::pair(at([&](auto& p) { return f * p.ratio < low; }),
                       at([&](auto& p) { return f * p.ratio <= high; }));
    };
    const size_t n = t.size();
    for (auto [i, end] = fitting(1.0); i < end && list.size() < 10; ++i)
      add({t[i]});
    const bool two = list.empty();
    for (size_t i = 0; two && i < n && list.size() < 10; ++i)
      for (auto [j, end] = fitting(t[i].ratio); j < end && list.size() < 10; ++j)
        add({t[i], t[j]});
    const bool three = list.empty();
    for (size_t i = 0; three && i < n && list.size() < 10; ++i)
      for (size_t j = 0; j < n && list.size() < 10; ++j)
        for (auto [k, end] = fitting(t[i].ratio * t[j].ratio); k < end && list.size() < 10; ++k)
          add({t[i], t[j], t[k]});
    gears::sort_by_error(list);
    return list;
  };
  std::mt19937 random(17);
  std::uniform_int_distribution<int> count(2, 60), largest(13, 200);
  std::uniform_real_distribution<double> log_target(-3.0, 3.0);
  int three_pair_searches = 0;
  for (int round = 0; round < 100; ++round) {
    std::vector<int> gears(static_cast<size_t>(std::min(count(random), count(random))));
    std::uniform_int_distribution<int> teeth(12, largest(random)); // few counts: many owned twice
    for (int& g : gears)
      g = teeth(random);
    const ChangeGearSet set = change_gear_set(gears);
    double target = std::exp(log_target(random));
    for (double error : {0.0001, 0.5, 3.0}) {
      ResultList expected = plain(gears, set.pairs, target, error);
      if (!expected.empty() && expected[0].pair_count() == 3)
        ++three_pair_searches;
      EXPECT_EQ(trains(change_gear_search(set, target, error), true), trains(expected, true))
          << "round " << round << " target " << target << " error " << error;
    }
  }
  EXPECT_GT(three_pair_searches, 20) << three_pair_searches;
}

TEST(ChangeGearTarget, ByModeAndPitch) {
  const auto inch = ChangeGearMode::kInch, metric = ChangeGearMode::kMetric;
  // clang-format off
  const std::tuple<ChangeGearMode, double, double, std::optional<double>> cases[] = {{inch, 20.0, 8.0, 2.5},
      {metric, 1.0, 2.0, 2.0}, {metric, 0.0, 2.0, std::nullopt}, {inch, 20.0, 0.0, std::nullopt},
      {ChangeGearMode::kModuleWorm, 1.0, 2.0, std::nullopt}, {ChangeGearMode::kInchOnMetric, 0.0, 2.0, std::nullopt},
      // 1.5 mm from 8 tpi: 25.4 / 8 / 1.5 = 127/60; 8 tpi from 3 mm: 3 / (25.4 / 8) = 120/127.
      {ChangeGearMode::kMetricOnInch, 1.5, 8.0, 127.0 / 60.0}, {ChangeGearMode::kInchOnMetric, 8.0, 3.0, 120.0 / 127.0},
      {ChangeGearMode::kMetricOnInch, 1.0, 0.0, std::nullopt}};
  // clang-format on
  for (const auto& [mode, pitch, lead_screw, target] : cases)
    EXPECT_EQ(change_gear_target(mode, pitch, lead_screw), target) << pitch << " " << lead_screw;
  // clang-format off
  for (const auto& [pitch, usable] : {std::pair(0.0001, true), {1.0, true}, {0.00009, false},
                                      {-1.0, false}, {NAN, false}, {INFINITY, false}})
    // clang-format on
    EXPECT_EQ(usable_pitch(pitch), usable) << pitch;
}

TEST(WormPairs, TwentyTwoSevenths) {
  // clang-format off
  struct Case { bool module; const char *p, *q; std::vector<int> gears; int first, second; }; // 0, 0: none
  const Case cases[] = {
      {true, "1.1", "2", {20}, 121, 70}, // 22 x 1.1 = 24.2 : 7 x 2, so 121 and 70 (not 120 from noise)
      {true, "1", "2.5", {12}, 44, 35},    // 22 : 17.5 is 44 : 35
      {true, "1", "1", {20}, 44, 14},      // 22 and 7: 7 is below the smallest gear, both doubled
      {true, "10", "1", {100}, 220, 7},    // doubled, 220 : 7 would need a gear of 440: kept as it is
      {true, "100", "11", {20}, 400, 14},  // 2200 : 77 is 200 : 7; doubled, 400 is still a gear
      {true, "0.49", "44", {20}, 14, 400}, // 10.78 : 308 is 7 : 200, doubled the same way
      {true, "1.23", "2", {20}, 0, 0},     // 27.06 : 14 is 1353 : 700, no pair up to 400
      {true, "0", "2", {20}, 0, 0}, {true, "", "2", {20}, 0, 0}, {false, "1000000000000", "8", {20}, 0, 0},
      {false, "3", "3", {20}, 44, 14},     // 21 : 66 is 7 : 22, so 44 and 14
      {false, "3", "8", {20}, 176, 21},    // 21 : 176 in lowest terms already
      // 22 : 14 is 11 : 7; the first multiple owned is 44 : 28, and 33 : 21 once 21 is added.
      {true, "1", "2", {20, 28, 44}, 44, 28}, {true, "1", "2", {20, 21, 28, 33, 44}, 33, 21},
      // 7 x 22 : 22 x 7 is 1 : 1, a pair of equal gears: one 20 is not two, two 40s are.
      {false, "22", "7", {20, 40, 40}, 40, 40}, {false, "22", "7", {20, 40}, 2, 2},
  };
  // clang-format on
  for (const Case& c : cases) {
    const GearPairCounts got =
        (c.module ? worm_pair_module : worm_pair_dp)(c.p, c.q, c.gears).value_or(GearPairCounts{});
    EXPECT_EQ(std::make_pair(got.first, got.second), std::make_pair(c.first, c.second))
        << c.p << " : " << c.q;
  }
}
