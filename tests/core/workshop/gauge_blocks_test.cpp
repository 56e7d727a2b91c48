// Gauge-block stacks: worked examples from the standard sets, small sets
// worked by hand, and a sweep held against a plain search of every sum.
#include "core/workshop/gauge_blocks.h"

#include "core/unit_test.h"

namespace workshop {
namespace {

const GaugeBlockSet& inch81() { return standard_gauge_sets()[0]; }
const GaugeBlockSet& metric112() { return standard_gauge_sets()[1]; }
long inch(double size) { return std::lround(size * kUnitsPerInch); }
long mm(double size) { return std::lround(size * kUnitsPerMm); }
long total(const GaugeBlockSet& set) {
  return std::accumulate(set.blocks.begin(), set.blocks.end(), 0L);
}

// Adds up, largest first, thin ones counted, no block more often than the set holds it.
::testing::AssertionResult sound(const GaugeStack& stack, const GaugeBlockSet& set, long height) {
  std::map<long, int> left;
  for (long size : set.blocks)
    ++left[size];
  int thin = 0;
  for (long size : stack.blocks) {
    if (--left[size] < 0)
      return ::testing::AssertionFailure() << size << " more often than the set has it";
    thin += is_thin(size, set.metric) ? 1 : 0;
  }
  if (total({"", false, stack.blocks}) != height || stack.height != height || stack.thin != thin ||
      !std::is_sorted(stack.blocks.rbegin(), stack.blocks.rend()))
    return ::testing::AssertionFailure() << "heights " << stack.height << " / " << height;
  return ::testing::AssertionSuccess();
}

TEST(GaugeBlocks, TheStandardSets) {
  ASSERT_EQ(standard_gauge_sets().size(), 2u);
  EXPECT_EQ(std::make_tuple(inch81().name, inch81().metric, inch81().blocks.size()),
            std::make_tuple(std::string("81-piece inch"), false, std::size_t{81}));
  EXPECT_EQ(std::make_tuple(metric112().name, metric112().metric, metric112().blocks.size()),
            std::make_tuple(std::string("112-piece metric"), true, std::size_t{112}));
  // 0.9045 + 6.125 + 9.5 + 10 in; 1.0005 + 9.045 + 61.25 + 612.5 + 250 mm.
  EXPECT_EQ(total(inch81()), inch(26.5295));
  EXPECT_EQ(total(metric112()), mm(933.7955));
  EXPECT_TRUE(is_thin(inch(0.0799), false));
  EXPECT_FALSE(is_thin(inch(0.08), false));
  EXPECT_TRUE(is_thin(mm(1.9999), true));
  EXPECT_FALSE(is_thin(mm(2.0), true));
}

TEST(GaugeBlocks, WorkedStacksFromTheStandardSets) {
  struct Row {
    const GaugeBlockSet& set;
    long height;
    std::size_t count;
    int thin;
    std::vector<long> only; ///< the one stack of that many blocks, when there is only one
  };
  const std::vector<Row> rows = {
      // Only the 0.1001-0.1009 blocks have a fourth decimal: the stack needs
      // one or two. One: 0.1001, and 4.230 is no block nor two (4 + 0.230,
      // 3 + 1.230 aren't; the rest are under 4.23 in pairs). Two: 0.100x +
      // 0.100y ends in 1 only as 0.2011 to 0.2017, leaving 4.13 or so: no block.
      {inch81(), inch(4.3301), 4, 0, {}}, // e.g. 4 + 0.130 + 0.100 + 0.1001
      // 0.1003 (two such blocks leave 4.807 or 4.806: no pair makes them);
      // 4.907 in two blocks: no; in three, one 0.1x7 (two 0.1xx leave 4.6 or
      // so for one block), and only 0.107 leaves a pair, 4 + 0.800.
      {inch81(), inch(5.0073), 4, 0, {inch(4), inch(0.8), inch(0.107), inch(0.1003)}},
      // 0.1003 (two such leave 1.552 or 1.551: no block), then 1.652 in two
      // blocks: a 0.1x2 leaves 1.55, 1.54, ..., 1.51: no block.
      {inch81(), inch(1.7523), 4, 0, {}}, // e.g. 1 + 0.550 + 0.102 + 0.1003
      // Only 1.0005 has a fourth decimal; then 1.007 (two 1.00x leave 38.37
      // or 38.36 for one block: none); the second decimal, 7, only from a
      // 1.x7 (the rest go by 0.5 mm), leaving 38.3 to 37.9: no one block.
      // Five: + 1.37 + 13 + 25. Each decimal needs a thin block: three.
      {metric112(), mm(41.3775), 5, 3, {}},
      // 1.0005, then 98 in two blocks: only 75 + 23.
      {metric112(), mm(99.0005), 3, 1, {mm(75), mm(23), mm(1.0005)}},
      {metric112(), mm(24.5), 1, 0, {mm(24.5)}},
      // The whole set; all but the 0.050, the only way to leave out 0.050.
      {inch81(), inch(26.5295), 81, 1, {}},
      {inch81(), inch(26.4795), 80, 0, {}},
      // Leaving out 0.250: at most two blocks, 0.050 + 0.200 the only pair with a thin one.
      {inch81(), inch(26.2795), 79, 0, {}},
  };
  for (const Row& row : rows) {
    const std::optional<GaugeStack> stack = shortest_stack(row.set, row.height);
    ASSERT_TRUE(stack) << row.height;
    EXPECT_TRUE(sound(*stack, row.set, row.height));
    EXPECT_EQ(stack->blocks.size(), row.count) << row.height;
    EXPECT_EQ(stack->thin, row.thin) << row.height;
    if (!row.only.empty()) {
      EXPECT_EQ(stack->blocks, row.only) << row.height;
    }
  }
}

TEST(GaugeBlocks, FewestBlocksFirstThenFewestThinOnesAndNothingOutOfReach) {
  const GaugeBlockSet thin_or_not{"", false, {inch(0.05), inch(0.25), inch(0.15), inch(0.15)}};
  const GaugeBlockSet fewer{"", false, {inch(0.05), inch(0.25), inch(0.1), inch(0.1), inch(0.1)}};
  const GaugeBlockSet two_tenths{"", false, {inch(0.1), inch(0.1)}};
  EXPECT_EQ(shortest_stack(thin_or_not, inch(0.3))->blocks,
            (std::vector<long>{inch(0.15), inch(0.15)}));
  EXPECT_EQ(shortest_stack(fewer, inch(0.3))->blocks, (std::vector<long>{inch(0.25), inch(0.05)}));
  EXPECT_EQ(shortest_stack(two_tenths, inch(0.2))->blocks.size(), 2u);
  const std::vector<std::pair<const GaugeBlockSet*, long>> none = {
      {&two_tenths, inch(0.3)},   {&inch81(), 0},          {&inch81(), -inch(1)},
      {&inch81(), inch(0.04)},    {&inch81(), inch(0.06)}, {&inch81(), inch(0.10005)},
      {&inch81(), inch(26.5296)}, {&metric112(), mm(0.7)}, {&metric112(), mm(1.0001)},
      {&metric112(), mm(933.8)},  {&metric112(), LONG_MAX}};
  for (const auto& [set, height] : none)
    EXPECT_FALSE(shortest_stack(*set, height)) << height;
  for (const GaugeBlockSet& bad : {GaugeBlockSet{}, GaugeBlockSet{"", true, {0, 0}},
                                   GaugeBlockSet{"", true, {mm(2), -mm(1)}}}) {
    EXPECT_FALSE(shortest_stack(bad, mm(2)));
    EXPECT_FALSE(nearest_heights(bad, mm(2)).below || nearest_heights(bad, mm(2)).above);
  }
}

TEST(GaugeBlocks, NearestHeightsEitherSide) {
  // {0.100, 0.250, 0.500} make 0.100, 0.250, 0.350, 0.500, 0.600, 0.750, 0.850.
  const GaugeBlockSet small{"", false, {inch(0.1), inch(0.25), inch(0.5)}};
  const std::optional<long> none;
  struct Row {
    const GaugeBlockSet* set;
    long height;
    std::optional<long> below, above;
  };
  const std::vector<Row> rows = {
      {&small, inch(0.4), inch(0.35), inch(0.5)},
      {&small, inch(0.35), inch(0.25), inch(0.5)},
      {&small, inch(0.05), none, inch(0.1)},
      {&small, 0, none, inch(0.1)},
      {&small, -inch(1), none, inch(0.1)},
      {&small, inch(0.85), inch(0.75), none},
      {&small, inch(0.9), inch(0.85), none},
      {&small, inch(0.1005), inch(0.1), inch(0.25)},
      {&inch81(), inch(0.06), inch(0.05), inch(0.1)},
      {&inch81(), inch(0.04), none, inch(0.05)},
      {&inch81(), inch(0.10005), inch(0.1), inch(0.1001)},
      {&inch81(), LONG_MAX, inch(26.5295), none},
      {&metric112(), mm(0.7), mm(0.5), mm(1)},
      {&metric112(), mm(1.0001), mm(1), mm(1.0005)},
  };
  for (const Row& row : rows) {
    const NearestHeights nearest = nearest_heights(*row.set, row.height);
    EXPECT_EQ(nearest.below, row.below) << row.height;
    EXPECT_EQ(nearest.above, row.above) << row.height;
  }
}

// The fewest blocks and then fewest thin ones for every sum of the set up to
// `top`, by a plain 0/1 search over all sums in steps of `step`.
std::vector<std::pair<int, int>> plain_search(const GaugeBlockSet& set, long step, long top) {
  const std::pair<int, int> none{INT_MAX / 2, 0};
  std::vector<std::pair<int, int>> best(static_cast<std::size_t>(top / step) + 1, none);
  best[0] = {0, 0};
  for (long size : set.blocks) {
    const std::size_t width = static_cast<std::size_t>(size / step);
    const int thin = is_thin(size, set.metric) ? 1 : 0;
    for (std::size_t sum = best.size(); sum-- > width;)
      best[sum] =
          std::min(best[sum], {best[sum - width].first + 1, best[sum - width].second + thin});
  }
  return best;
}

// Each height's stack is sound and as short as the plain search finds.
void agrees_with_plain_search(const GaugeBlockSet& set, long step, const std::vector<long>& heights) {
  const std::vector<std::pair<int, int>> best = plain_search(set, step, total(set));
  for (long height : heights) {
    const std::pair<int, int> wanted = best[static_cast<std::size_t>(height / step)];
    const std::optional<GaugeStack> stack = shortest_stack(set, height);
    ASSERT_EQ(stack.has_value(), wanted.first < INT_MAX / 2) << height;
    if (stack) {
      ASSERT_TRUE(sound(*stack, set, height)) << height;
      ASSERT_EQ(std::make_pair(static_cast<int>(stack->blocks.size()), stack->thin), wanted)
          << height;
    }
  }
}

TEST(GaugeBlocks, EveryTenThousandthTo1point5InchAndTheLastInchAgreeWithAPlainSearch) {
  const long step = inch(0.0001), whole = total(inch81());
  std::vector<long> heights;
  for (long height = inch(0.1001); height <= inch(1.5); height += step)
    heights.push_back(height);
  for (long height = whole - inch(1); height <= whole; height += step)
    heights.push_back(height);
  agrees_with_plain_search(inch81(), step, heights);
}

// The metric set's steps fall in other lanes of the search's rows: a wrong
// bit of one lane (13.5 mm in two blocks) shows here.
TEST(GaugeBlocks, EveryHundredthOfAMillimetreFrom1To25AgreesWithAPlainSearch) {
  std::vector<long> heights;
  for (long height = mm(1); height <= mm(25); height += mm(0.01))
    heights.push_back(height);
  agrees_with_plain_search(metric112(), mm(0.0005), heights);
}

} // namespace
} // namespace workshop
