#include "core/gears/helical_milling_calc.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <tuple>

namespace gears {

double machine_lead(double lead_screw_lead, int worm_ratio) {
  return lead_screw_lead * static_cast<double>(worm_ratio);
}

namespace {

// A train is exact when its ratio is the wanted one but for the rounding of
// doubles: the gears themselves are whole numbers.
constexpr double kExactRelative = 1e-9;

struct Candidate {
  long long driven_product = 0;
  long long driver_product = 0;
  std::vector<int> drivers;
  std::vector<int> driven;
};

// The pairs of gears the set can give (a gear twice only when it holds two),
// each once, smaller first, with their product.
std::vector<std::pair<int, int>> gear_pairs(const std::map<int, int>& owned) {
  std::vector<std::pair<int, int>> pairs;
  for (auto a = owned.begin(); a != owned.end(); ++a)
    for (auto b = a; b != owned.end(); ++b)
      if (a != b || a->second >= 2)
        pairs.push_back({a->first, b->first});
  return pairs;
}

bool fits(std::map<int, int> owned, const std::vector<int>& used) {
  for (int gear : used)
    if (--owned[gear] < 0)
      return false;
  return true;
}

} // namespace

std::vector<LeadTrain> lead_trains(double wanted_lead, double machine_lead,
                                   const std::vector<int>& gears, std::size_t most) {
  std::vector<LeadTrain> trains;
  if (!(wanted_lead > 0.0 && machine_lead > 0.0) || !std::isfinite(wanted_lead / machine_lead) ||
      most == 0)
    return trains;
  std::map<int, int> owned;
  for (int gear : gears)
    if (gear > 0)
      ++owned[gear];
  const double wanted = wanted_lead / machine_lead;

  std::vector<Candidate> candidates;
  for (const auto& [driver, count] : owned)
    for (const auto& [driven, driven_count] : owned)
      if (driver != driven || count >= 2)
        candidates.push_back({driven, driver, {driver}, {driven}});
  // Two pairs: for each two drivers, the two driven gears whose product is
  // nearest to the one wanted, from the products of all pairs sorted.
  std::vector<std::pair<int, int>> pairs = gear_pairs(owned);
  std::sort(pairs.begin(), pairs.end(), [](const auto& a, const auto& b) {
    return std::make_tuple(1LL * a.first * a.second, a) < std::make_tuple(1LL * b.first * b.second, b);
  });
  std::vector<long long> products;
  for (const auto& [a, b] : pairs)
    products.push_back(1LL * a * b);
  for (const auto& [d1, d2] : pairs) {
    const double target = wanted * d1 * d2;
    const auto at = std::lower_bound(products.begin(), products.end(), target);
    const std::ptrdiff_t middle = at - products.begin();
    // Outward from the nearest product, both ways, past pairs the drivers use up.
    for (int side : {-1, 1}) {
      for (std::ptrdiff_t i = side < 0 ? middle - 1 : middle;
           i >= 0 && i < static_cast<std::ptrdiff_t>(pairs.size()); i += side) {
        const auto& [n1, n2] = pairs[static_cast<std::size_t>(i)];
        if (fits(owned, {d1, d2, n1, n2})) {
          candidates.push_back({1LL * n1 * n2, 1LL * d1 * d2, {d1, d2}, {n1, n2}});
          break;
        }
      }
    }
  }

  for (const Candidate& c : candidates) {
    LeadTrain train;
    train.drivers = c.drivers;
    train.driven = c.driven;
    const double ratio = static_cast<double>(c.driven_product) / static_cast<double>(c.driver_product);
    train.lead = ratio * machine_lead;
    train.error = train.lead - wanted_lead;
    train.error_percent = train.error / wanted_lead * 100.0;
    train.exact = std::fabs(ratio - wanted) <= kExactRelative * wanted;
    trains.push_back(train);
  }
  // Exact first, one pair before two; then nearest. Each set of exact gears
  // once; of the rest one train per ratio, as more would say nothing new.
  std::stable_sort(trains.begin(), trains.end(), [](const LeadTrain& a, const LeadTrain& b) {
    if (a.exact != b.exact)
      return a.exact;
    if (a.exact)
      return a.drivers.size() < b.drivers.size();
    return std::fabs(a.error) < std::fabs(b.error);
  });
  std::vector<LeadTrain> kept;
  std::vector<std::pair<long long, long long>> ratios;
  for (const LeadTrain& train : trains) {
    long long n = 1, d = 1;
    for (int g : train.driven)
      n *= g;
    for (int g : train.drivers)
      d *= g;
    const long long common = std::gcd(n, d);
    const std::pair<long long, long long> ratio{n / common, d / common};
    const bool seen = std::any_of(kept.begin(), kept.end(), [&](const LeadTrain& k) {
      return k.drivers == train.drivers && k.driven == train.driven;
    });
    if (seen || (!train.exact && std::find(ratios.begin(), ratios.end(), ratio) != ratios.end()))
      continue;
    ratios.push_back(ratio);
    kept.push_back(train);
    if (kept.size() == most)
      break;
  }
  return kept;
}

} // namespace gears
