// Differential indexing on large gear sets: the same trains as trying every
// choice of gears, with work that grows far slower than that.
#include "core/workshop/differential_indexing_calc.h"

#include <map>
#include <random>

#include "core/unit_test.h"

namespace workshop {
namespace {

using Lines = std::vector<std::string>;

// Every train of one pair, then of two, each gear of the sorted list taken
// once; the first met of the ratio p/q: {a, b} or {a, b, c, d} (a/b * c/d).
std::vector<int> first_train(std::vector<int> g, long long p, long long q) {
  std::sort(g.begin(), g.end());
  const std::size_t n = g.size();
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = 0; b < n; ++b)
      if (a != b && g[a] * q == g[b] * p)
        return {g[a], g[b]};
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = 0; b < n; ++b)
      for (std::size_t c = a + 1; c < n; ++c)
        for (std::size_t d = b + 1; d < n; ++d)
          if (b != a && c != b && d != a && d != c &&
              1LL * g[a] * g[c] * q == 1LL * g[b] * g[d] * p)
            return {g[a], g[b], g[c], g[d]};
  return {};
}

std::string line(long a, int circle, const std::vector<int>& train) {
  return std::to_string(a) + " " + std::to_string(circle) + " " + testing::PrintToString(train);
}

// Those trains for every indexable A up to 2N; simple trains first, then the
// nearest A, then the smaller; a train needs its idlers from the set too.
Lines reference(int ratio, long n, const std::vector<int>& plates, const std::vector<int>& gears,
                std::size_t most) {
  std::multimap<std::pair<std::size_t, long>, std::string> found;
  for (long a = 1; a <= 2 * n && !can_index(ratio, plates, n); ++a) {
    const std::vector<IndexingSetting> crank = division_solutions(ratio, a, plates);
    const long long g = std::gcd(1LL * ratio * std::labs(a - n), 1LL * a);
    const std::vector<int> t = first_train(gears, ratio * std::labs(a - n) / g, a / g);
    const long needs = long(t.size()) + (a > n ? 1 : 2) - (t.size() > 2 ? 1 : 0);
    if (a != n && !crank.empty() && !t.empty() && needs <= long(gears.size()))
      found.emplace(std::make_pair(t.size(), std::labs(a - n)), line(a, crank[0].circle, t));
  }
  Lines out;
  for (auto it = found.begin(); it != found.end() && out.size() < most; ++it)
    out.push_back(it->second);
  return out;
}

Lines searched(int ratio, long n, const std::vector<int>& plates, const std::vector<int>& gears,
               std::size_t most) {
  Lines out;
  for (const DifferentialSetting& s : differential_settings(ratio, n, plates, gears, most)) {
    const GearTrain& t = s.train;
    out.push_back(line(s.approximate, s.crank.circle,
                       t.drivers.size() == 1 ? std::vector<int>{t.drivers[0], t.driven[0]}
                                             : std::vector<int>{t.drivers[0], t.driven[0],
                                                                t.drivers[1], t.driven[1]}));
  }
  return out;
}

TEST(DifferentialSearch, SameTrainsAsEveryChoiceOfGears) {
  // Sets with repeated counts, so that gears used twice, idlers and ties
  // between trains all come up.
  std::mt19937 random(25);
  auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int round = 0; round < 400; ++round) {
    std::vector<int> gears(static_cast<std::size_t>(pick(2, 12))), plates;
    for (int& g : gears)
      g = 12 + 2 * pick(0, 20);
    for (int circle : {15, 16, 17, 18, 19, 20, 21, 23, 27, 29, 31, 33})
      if (pick(0, 3) == 0)
        plates.push_back(circle);
    const int ratio = pick(0, 1) ? 40 : pick(1, 90);
    const long n = pick(2, 300);
    const auto most = static_cast<std::size_t>(pick(1, 6));
    ASSERT_EQ(searched(ratio, n, plates, gears, most), reference(ratio, n, plates, gears, most))
        << ratio << " " << n << testing::PrintToString(gears) << testing::PrintToString(plates);
  }
  // 39 without circles: A = 40 is one whole turn, 40 (40 - 39) / 40 = 1:
  // 20 : 24, 36 : 30 (20 * 36 = 24 * 30); 20 : 20, 24 : 24 needs two of each.
  EXPECT_EQ(searched(40, 39, {}, {20, 24, 30, 36}, 1), Lines{"40 0 { 20, 24, 36, 30 }"});
}

TEST(DifferentialSearch, LargeSetsTakeFarFewerStepsThanEveryTrain) {
  // Every choice of four of 200 gears is 200^4 / 4 = 400 million trains; the
  // search reads the 200^2 pairs once, then a few products per A.
  std::vector<int> distinct, repeated; // the second: 50 counts, four of each
  for (int i = 0; i < 200; ++i) {
    distinct.push_back(12 + 388 * i / 199);
    repeated.push_back(12 + 7 * (i / 4));
  }
  const std::vector<int> plates = {15, 16, 17, 18, 19, 20, 21, 23, 27,
                                   29, 31, 33, 37, 39, 41, 43, 47, 49};
  for (const std::vector<int>* gears : {&distinct, &repeated})
    for (long n : {127L, 131L, 257L, 997L, 1999L}) {
      long long steps = 0;
      EXPECT_FALSE(differential_settings(40, n, plates, *gears, 6, &steps).empty()) << n;
      EXPECT_LT(steps, 4'000'000) << n;
    }
}

} // namespace
} // namespace workshop
