// The search decides cheaply which first two pairs can lead to a four-pair
// fit before it walks their gears. Its trains must be exactly those of the
// plain walk: every stage written out loop by loop, the duplicate test a scan
// of the list, checked here on many targets, tolerances, modes and limits.
#include "core/unit_test.h"

#include <functional>

#include "core/gears/gear_ratio_calc.h"

using namespace gears;

namespace {

ResultList plain_search(const PairTable& t, const SearchInput& in) {
  ResultList list;
  const double q = in.target;
  auto full = [&] { return static_cast<long>(list.size()) >= in.limit; };
  auto around = [&](double centre) { return tolerance_window(centre, in.percent, in.mode); };
  auto by = [](float k, float pc) { return RatioWindow{k - k / 100.0f * pc, k + k / 100.0f * pc}; };
  using Each = std::function<void(const GearPair&)>;
  auto walk = [&](RatioWindow w, const Each& each) {
    if (auto r = find_ratio_range(t, w))
      for (int i = r->first; i <= r->last && !full(); ++i)
        each(t[static_cast<size_t>(i)]);
  };
  auto add = [&](const std::vector<GearPair>& pairs) { // two pairs or more: the sums count
    const RatioResult result = make_result(pairs, q);
    for (const RatioResult& listed : list)
      if (listed.driver_sum == result.driver_sum && listed.driven_sum == result.driven_sum)
        return;
    list.push_back(result);
  };
  walk(around(q), [&](const GearPair& a) { list.push_back(make_result({a}, q)); });
  if (list.empty()) {
    const float e = std::sqrt(static_cast<float>(q)) / 100.0f * 10.0f;
    const RatioWindow w = around(q);
    walk({w.low - e, w.high + e}, [&](const GearPair& a) {
      walk(around(q / a.ratio), [&](auto& b) { add({a, b}); });
    });
  }
  // Three and four pairs: the first two near a root of the target.
  using Two = std::function<void(const GearPair&, const GearPair&)>;
  auto first_two = [&](float k, const Two& then) {
    if (list.empty())
      walk(by(k, 10), [&](auto& a) { walk(by(k, 5), [&](auto& b) { then(a, b); }); });
  };
  first_two(std::sqrt(std::cbrt(static_cast<float>(q))), [&](auto& a, auto& b) {
    walk(around(q / (a.ratio * b.ratio)), [&](auto& c) { add({a, b, c}); });
  });
  first_two(std::sqrt(std::sqrt(static_cast<float>(q))), [&](auto& a, auto& b) {
    // The third pair near the square root of what is left, 2.5 % on the tolerance's side.
    const float v = std::sqrt(static_cast<float>(q / (a.ratio * b.ratio))), d = v / 100 * 2.5f;
    const bool open = in.percent > 1e-10;
    const RatioWindow w{open && in.mode != ToleranceMode::kAbove ? v - d : v,
                        open && in.mode != ToleranceMode::kBelow ? v + d : v};
    walk(w, [&](const GearPair& c) {
      walk(around(q / (a.ratio * b.ratio * c.ratio)), [&](auto& e) { add({a, b, c, e}); });
    });
  });
  sort_by_error(list);
  return list;
}

std::string describe(const ResultList& results) {
  std::string text;
  for (const RatioResult& r : results) {
    for (size_t k = 0; k < 4; ++k)
      text += r.driver_text[k] + "/" + r.driven_text[k] + " ";
    text += r.ratio_text + " " + r.error_text + "\n";
  }
  return text;
}

// Returns whether the search reached its four-pair stage.
bool expect_same(const PairTable& table, const SearchInput& in) {
  bool four = false;
  const ResultList fast = gear_ratio_search(table, in, {[&] { four = true; }, nullptr});
  EXPECT_EQ(describe(fast), describe(plain_search(table, in)))
      << "target " << in.target << " tolerance " << in.percent << " mode "
      << static_cast<int>(in.mode) << " limit " << in.limit;
  return four;
}

} // namespace

TEST(GearRatioSearchMatchesThePlainWalk, ManyTargetsModesAndLimits) {
  // Targets evenly on a log scale from 1/600 to 600, plus ratios of small gears.
  std::vector<double> targets;
  for (int i = 0; i < 48; ++i)
    targets.push_back(std::exp(std::log(600.0) * (2.0 * i / 47 - 1.0)));
  for (double exact : {1.0, 2.0, 1.01, 0.37, 1.3, 3.1415926, 1.0 / 7.0, 127.0 / 100.0})
    targets.push_back(exact);
  const PairTable small = build_pair_table(tooth_list(12, 36, nullptr));
  // A head that can't index multiples of 7 or counts above 90.
  const PairTable skipping =
      build_pair_table(tooth_list(12, 100, [](int n) { return n % 7 != 0 && n <= 90; }));
  int four_pair_runs = 0;
  for (size_t t = 0; t < targets.size(); ++t)
    for (ToleranceMode mode :
         {ToleranceMode::kBoth, ToleranceMode::kAbove, ToleranceMode::kBelow}) {
      // A high limit lets the duplicate test and the later pairs work.
      for (double percent : {0.0, 0.0001, 0.05, 2.0})
        for (int limit : {1, 20, 300})
          four_pair_runs += expect_same(small, {limit, targets[t], percent, mode});
      if (t % 4 == 0 && mode != ToleranceMode::kAbove)
        for (double percent : {0.0001, 0.5})
          expect_same(skipping, {20, targets[t], percent, mode});
    }
  // The comparison means something only if many searches got that far.
  EXPECT_GT(four_pair_runs, 300);
  // Exact fits that need four pairs or none, and tiny targets whose four-pair
  // stage finds some trains but fewer than the limit.
  const PairTable full = build_pair_table(tooth_list(12, 100, nullptr));
  const auto both = ToleranceMode::kBoth, below = ToleranceMode::kBelow;
  // clang-format off
  const SearchInput hard[] = {{20, 1.01, 0.0, both}, {20, 1.3, 0.0, ToleranceMode::kAbove},
      {20, 0.00100779, 0.0001, below}, {20, 0.00358858, 0.0001, both}, {500, 0.0009, 0.01, both},
      {20, 1500.0, 0.0001, below}};
  // clang-format on
  for (const SearchInput& in : hard)
    expect_same(full, in);
}
