// Differential indexing on large gear sets: the same trains as trying every
// choice of gears, with work that grows far slower than that.
#include "calc/workshop/differential_indexing_calc.h"

#include <map>
#include <random>

#include "unit/unit_test.h"

namespace workshop {
namespace {

using Train = std::pair<std::vector<int>, std::vector<int>>; // drivers, driven

// Every train of one or two pairs, each gear of the sorted list taken once,
// the first met kept for each ratio (a/b, or a*c/(b*d) in lowest terms).
Train first_train(std::vector<int> g, long long p, long long q) {
  std::sort(g.begin(), g.end());
  const std::size_t n = g.size();
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = 0; b < n; ++b)
      if (a != b && 1LL * g[a] * q == 1LL * g[b] * p)
        return {{g[a]}, {g[b]}};
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = 0; b < n; ++b)
      for (std::size_t c = a + 1; c < n; ++c)
        for (std::size_t d = b + 1; d < n; ++d)
          if (b != a && c != b && d != a && d != c &&
              1LL * g[a] * g[c] * q == 1LL * g[b] * g[d] * p)
            return {{g[a], g[c]}, {g[b], g[d]}};
  return {};
}

// The settings from those trains: every indexable A up to 2N, simple trains
// first, then the nearest A, then the smaller; a train needs its idlers too.
std::vector<std::string> reference(int ratio, long n, const std::vector<int>& plates,
                                   const std::vector<int>& gears, std::size_t most) {
  if (can_index(ratio, plates, n))
    return {};
  std::multimap<std::pair<std::size_t, long>, std::string> found;
  for (long a = 1; a <= 2 * n; ++a) {
    const std::vector<IndexingSetting> crank = division_solutions(ratio, a, plates);
    if (a == n || crank.empty())
      continue;
    const long long g = std::gcd(1LL * ratio * std::labs(a - n), 1LL * a);
    const Train t = first_train(gears, ratio * std::labs(a - n) / g, a / g);
    const long idlers = (a > n ? 1 : 2) - (t.first.size() > 1 ? 1 : 0);
    if (!t.first.empty() && long(2 * t.first.size()) + idlers <= long(gears.size()))
      found.emplace(std::make_pair(t.first.size(), std::labs(a - n)),
                    std::to_string(a) + " " + std::to_string(crank.front().circle) + " " +
                        ::testing::PrintToString(t));
  }
  std::vector<std::string> out;
  for (auto it = found.begin(); it != found.end() && out.size() < most; ++it)
    out.push_back(it->second);
  return out;
}

std::vector<std::string> searched(int ratio, long n, const std::vector<int>& plates,
                                  const std::vector<int>& gears, std::size_t most) {
  std::vector<std::string> out;
  for (const DifferentialSetting& s : differential_settings(ratio, n, plates, gears, most))
    out.push_back(std::to_string(s.approximate) + " " + std::to_string(s.crank.circle) + " " +
                  ::testing::PrintToString(Train{s.train.drivers, s.train.driven}));
  return out;
}

TEST(DifferentialSearch, SameTrainsAsEveryChoiceOfGears) {
  // Small sets with repeated counts, so that gears used twice, idlers and
  // ties between trains all come up.
  std::mt19937 random(25);
  auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int round = 0; round < 400; ++round) {
    std::vector<int> gears(static_cast<std::size_t>(pick(2, 12)));
    for (int& g : gears)
      g = 12 + 2 * pick(0, 20);
    std::vector<int> plates;
    for (int circle : {15, 16, 17, 18, 19, 20, 21, 23, 27, 29, 31, 33})
      if (pick(0, 3) == 0)
        plates.push_back(circle);
    const int ratio = pick(0, 1) ? 40 : pick(1, 90);
    const long n = pick(2, 300);
    const std::size_t most = static_cast<std::size_t>(pick(1, 6));
    ASSERT_EQ(searched(ratio, n, plates, gears, most), reference(ratio, n, plates, gears, most))
        << "R " << ratio << " N " << n << " gears " << ::testing::PrintToString(gears) << " plates "
        << ::testing::PrintToString(plates);
  }
}

TEST(DifferentialSearch, RatioOneTakesFourDifferentGears) {
  // 39 without circles: A = 40 is one whole turn, 40 (40 - 39) / 40 = 1.
  // 20 : 24 then 36 : 30 (20 * 36 = 24 * 30 = 720); 20 : 20, 24 : 24 would
  // need each gear twice.
  EXPECT_EQ(searched(40, 39, {}, {20, 24, 30, 36}, 1),
            std::vector<std::string>{"40 0 ({ 20, 36 }, { 24, 30 })"});
}

TEST(DifferentialSearch, LargeSetsTakeFarFewerStepsThanEveryTrain) {
  // Every choice of four of 200 gears is 200^4 / 4 = 400 million trains.
  // The search reads each pair once (200^2 = 40 000) and then looks up a
  // few products per A; a hundredth of the choices is a generous bound.
  std::vector<int> distinct, repeated;
  for (int i = 0; i < 200; ++i) {
    distinct.push_back(12 + 388 * i / 199);
    repeated.push_back(12 + 7 * (i / 4)); // 50 counts, each owned four times
  }
  const std::vector<int> brown_and_sharp = {15, 16, 17, 18, 19, 20, 21, 23, 27,
                                            29, 31, 33, 37, 39, 41, 43, 47, 49};
  for (const std::vector<int>* gears : {&distinct, &repeated})
    for (long n : {127L, 131L, 257L, 997L, 1999L}) {
      long long steps = 0;
      EXPECT_FALSE(differential_settings(40, n, brown_and_sharp, *gears, 6, &steps).empty()) << n;
      EXPECT_LT(steps, 4'000'000) << n;
    }
}

} // namespace
} // namespace workshop
