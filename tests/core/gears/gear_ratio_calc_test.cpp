// The gear-ratio search: text trimming, the pair table, the range lookup, results and searches.
#include "core/unit_test.h"

#include "core/gears/gear_ratio_calc.h"
#include "core/gears/train_texts.h"

using namespace gears;

namespace {

PairTable full_range() { return build_pair_table(tooth_list(12, 100, nullptr)); }

} // namespace

TEST(TrimTrailingZeros, KeepsTheFirstThreeCharacters) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {{"2.500000", "2.5"}, {"2.000000", "2.0"}, {"0.000000", "0.0"},
      {"100.000000", "100."}, {"10.000000", "10."}, {"1.145833", "1.145833"}, {"-5.000000", "-5."},
      {"0.010000", "0.01"}, {"100", "100"}, {"1000", "100"}, {"2.0", "2.0"}, {"", ""}};
  // clang-format on
  for (const auto& [text, trimmed] : cases)
    EXPECT_EQ(trim_trailing_zeros(text), trimmed) << text;
}

TEST(PairTable, TheCountsTheHeadCanIndexPairedInRatioOrder) {
  EXPECT_EQ(tooth_list(12, 16, nullptr), (std::vector<int>{12, 13, 14, 15, 16}));
  EXPECT_EQ(tooth_list(12, 20, [](int n) { return n % 4 == 0; }), (std::vector<int>{12, 16, 20}));
  EXPECT_TRUE(tooth_list(30, 20, nullptr).empty());
  // Every ordered pair, sorted by ratio, then by driver.
  // clang-format off
  struct Case { std::vector<int> teeth; std::vector<std::string> pairs; }; // driver>driven in order
  const Case cases[] = {
      {{12, 13, 14}, {"14>12", "13>12", "14>13", "13>14", "12>13", "12>14"}},
      // 12/24 and 18/36 are both 0.5: the smaller driver first.
      {{12, 18, 24, 36}, {"36>12", "24>12", "36>18", "18>12", "36>24", "24>18", "18>24", "12>18",
                          "24>36", "12>24", "18>36", "12>36"}},
      // A gear owned twice drives once, is driven twice, never meshes with itself.
      {{20, 20, 25}, {"25>20", "25>20", "20>25"}}, {{50}, {}}, {{}, {}},
  };
  // clang-format on
  for (const Case& c : cases) {
    PairTable table = build_pair_table(c.teeth);
    std::vector<std::string> pairs;
    for (size_t i = 0; i < table.size(); ++i) {
      pairs.push_back(std::to_string(table[i].driver) + ">" + std::to_string(table[i].driven));
      EXPECT_EQ(table[i].position, static_cast<int>(i));
      EXPECT_DOUBLE_EQ(table[i].ratio, double(table[i].driven) / table[i].driver);
    }
    EXPECT_EQ(pairs, c.pairs);
  }
  EXPECT_EQ(full_range().size(), 89u * 88u);
}

TEST(FindRatioRange, FirstAndLastEntryInsideTheClosedWindow) {
  // 14>12 0.857, 13>12 0.923, 14>13 0.929, 13>14 1.077, 12>13 1.083, 12>14 1.167
  PairTable table = build_pair_table({12, 13, 14});
  // first, last; last < first: nothing found
  // clang-format off
  const std::tuple<RatioWindow, int, int> cases[] = {{{0.9, 1.1}, 1, 4}, {{12.0 / 13, 13.0 / 12}, 1, 4},
      {{0.0, 10.0}, 0, 5}, {{7.0 / 6, 7.0 / 6}, 5, 5}, {{0.93, 1.07}, 0, -1}, {{1.2, 9.0}, 0, -1},
      {{1.1, 0.9}, 0, -1}, {{NAN, 2.0}, 0, -1}};
  // clang-format on
  for (const auto& [window, first, last] : cases) {
    std::optional<RatioRange> found = find_ratio_range(table, window);
    ASSERT_EQ(found.has_value(), last >= first) << window.low << " " << window.high;
    if (found) {
      EXPECT_EQ(std::make_pair(found->first, found->last), std::make_pair(first, last));
    }
  }
  EXPECT_FALSE(find_ratio_range({}, {0.0, 10.0}));
  // Tolerance windows around 2 by mode.
  // clang-format off
  const std::tuple<double, ToleranceMode, double, double> windows[] = {
      {10.0, ToleranceMode::kBoth, 1.8, 2.2}, {10.0, ToleranceMode::kAbove, 2.0, 2.2},
      {10.0, ToleranceMode::kBelow, 1.8, 2.0}, {0.0001, ToleranceMode::kBoth, 1.999998, 2.000002}};
  // clang-format on
  for (const auto& [percent, mode, low, high] : windows) {
    RatioWindow window = tolerance_window(2.0, percent, mode);
    EXPECT_NEAR(window.low, low, 1e-12) << percent;
    EXPECT_NEAR(window.high, high, 1e-12) << percent;
  }
}

TEST(MakeResult, TextsAndErrorAgainstTheFoundRatio) {
  const GearPair p12_24{2.0, 12, 24, 0}, p20_21{1.05, 20, 21, 0}, p21_20{20.0 / 21, 21, 20, 0};
  // clang-format off
  struct Case { std::vector<GearPair> pairs; double target; const char *ratio, *error; double abs_error; };
  const Case cases[] = {
      {{p12_24}, 2.0, "2.0", "0.0%", 0.0},
      // 2e-8 % below a hair-wider target is nothing, shown without a minus.
      {{p12_24}, 2.0 * (1 + 2e-10), "2.0", "0.0%", 0.0},
      {{p20_21}, 1.0, "1.05", "4.761905%", 4.7619047619}, // 1 - 1 / 1.05 = 0.0476190...
      {{p21_20}, 1.0, "0.952381", "-5.%", 5.0},            // below the target: 1 - 1.05 = -0.05
      {{p12_24, p12_24, p12_24, p12_24}, 16.0, "16.", "0.0%", 0.0},
      // 100 shows its point; a train above a tiny target is 100 % off.
      {{p12_24, p12_24, {25.0, 12, 300, 0}}, 100.0, "100.", "0.0%", 0.0},
      {{p12_24}, 1e-12, "2.0", "100.%", 100.0},
      {{p12_24}, -1.0, "2.0", "-150.%", 150.0}, // a negative target turns the sign: -((1 - -0.5) * 100)
  };
  // clang-format on
  for (const Case& c : cases) {
    RatioResult result = make_result(c.pairs, c.target);
    EXPECT_EQ(result.ratio_text + " " + result.error_text, std::string(c.ratio) + " " + c.error);
    EXPECT_NEAR(result.abs_error, c.abs_error, 1e-8);
    EXPECT_EQ(result.pair_count(), static_cast<int>(c.pairs.size()));
  }
  RatioResult two = make_result({p20_21, p12_24}, 2.1);
  EXPECT_EQ(
      std::make_tuple(two.driver_sum, two.driven_sum, two.driver_text[2] + two.driven_text[3]),
      std::make_tuple(32, 45, ""));
}

TEST(GearRatioSearch, TrainsFound) {
  // Ratio exactly 2 with drivers 12 to 31, in table order (all errors 0).
  std::vector<std::string> doubles;
  for (int driver = 12; driver < 32; ++driver)
    doubles.push_back(std::to_string(driver) + ">" + std::to_string(2 * driver));
  // 48>50 x 40>44; the swapped pairs and 40>50 x 48>44 have the same sums (88 and 94).
  const double sums_target = (50.0 / 48.0) * (44.0 / 40.0);
  // 20, 30, 40: 0.5, 0.667, 0.75, 1.333, 1.5, 2.0. Target 1.4 +- 10 %: 1.333 is
  // 5 % off, 1.5 is 6.67 % off.
  const PairTable three = build_pair_table({20, 30, 40});
  // clang-format off
  struct Case { PairTable table; SearchInput in; std::vector<std::string> found; }; // best first
  const Case cases[] = {
      {full_range(), {20, 2.0, 0.0001, ToleranceMode::kBoth}, doubles},
      {full_range(), {3, 2.0, 0.0001, ToleranceMode::kBoth}, {"12>24", "13>26", "14>28"}},
      {build_pair_table({40, 44, 48, 50}), {20, sums_target, 0.0001}, {"48>50 40>44"}},
      {three, {20, 1.4, 10.0, ToleranceMode::kBoth}, {"30>40", "20>30"}}, {three, {20, 1.4, 10.0, ToleranceMode::kAbove}, {"20>30"}},
      {three, {20, 1.4, 10.0, ToleranceMode::kBelow}, {"30>40"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    const ResultList found = gear_ratio_search(c.table, c.in);
    EXPECT_EQ(trains(found), c.found) << c.in.target;
    for (const RatioResult& result : found)
      EXPECT_TRUE(c.in.percent > 1 || result.error_text == "0.0%") << result.error_text;
  }
  EXPECT_EQ(gear_ratio_search(cases[2].table, cases[2].in).at(0).ratio_text, "1.145833");
  // Target 1 needs two pairs that undo each other: first pairs from 0.9 up
  // (20>18, 30>27 ...), each undone by pairs of 10/9: 18>20, 27>30 ...
  const ResultList one = gear_ratio_search(full_range(), {20, 1.0, 0.0001, ToleranceMode::kBoth});
  ASSERT_EQ(one.size(), 20u);
  EXPECT_EQ(train(one[0]) + ", " + train(one[1]) + ", " + train(one[9]),
            "20>18 18>20, 20>18 27>30, 30>27 18>20");
  for (const RatioResult& result : one)
    EXPECT_EQ(result.error_text, "0.0%");
}

TEST(GearRatioSearch, NothingFound) {
  int stage4_started = 0, stage4_ended = 0;
  SearchProgress progress{[&] { ++stage4_started; }, [&] { ++stage4_ended; }};
  const auto both = ToleranceMode::kBoth;
  // clang-format off
  const std::pair<PairTable, SearchInput> cases[] = {
      // Limit 0, one count, no counts, target 0, negative, not a number.
      {full_range(), {0, 2.0, 0.0001, both}}, {build_pair_table({50}), {20, 2.0, 0.0001, both}},
      {{}, {20, 2.0, 0.0001, both}}, {full_range(), {20, 0.0, 0.0001, both}},
      {full_range(), {20, -2.0, 0.0001, both}}, {full_range(), {20, NAN, 0.0001, both}},
      // 101 is prime: no exact train of counts up to 100.
      {full_range(), {20, 1.01, 0.0, both}},
  };
  // clang-format on
  for (const auto& [table, input] : cases)
    EXPECT_TRUE(gear_ratio_search(table, input, progress).empty()) << input.target;
  EXPECT_EQ(std::make_pair(stage4_started, stage4_ended), std::make_pair(7, 7));
}
