#include "core/gears/helical_milling_calc.h"

#include <algorithm>
#include <array>
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

// A train found, before it is written out: the gears, whether it is exact,
// how far off, and its place in the order of the search (which breaks ties).
struct Candidate {
  std::array<int, 2> drivers{};
  std::array<int, 2> driven{};
  int pairs = 1;
  bool exact = false;
  double error = 0.0; ///< of the ratio, its size
  std::size_t order = 0;
};

// Two gears of the set by their places in the list of kinds, the smaller
// first, and their product.
struct GearPair {
  std::size_t a, b;
  long long product;
};

// The pairs of gears the set can give (a gear twice only when it holds two),
// each once, by product.
std::vector<GearPair> gear_pairs(const std::vector<int>& kinds, const std::vector<int>& counts) {
  std::vector<GearPair> pairs;
  for (std::size_t a = 0; a < kinds.size(); ++a)
    for (std::size_t b = a; b < kinds.size(); ++b)
      if (a != b || counts[a] >= 2)
        pairs.push_back({a, b, 1LL * kinds[a] * kinds[b]});
  std::sort(pairs.begin(), pairs.end(), [](const GearPair& x, const GearPair& y) {
    return std::tie(x.product, x.a, x.b) < std::tie(y.product, y.a, y.b);
  });
  return pairs;
}

// Whether the set holds every gear as often as `used` (places in the list
// of kinds) names it.
bool fits(const std::vector<int>& counts, const std::array<std::size_t, 4>& used) {
  for (std::size_t kind : used)
    if (std::count(used.begin(), used.end(), kind) > counts[kind])
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
  std::vector<int> kinds, counts;
  for (const auto& [teeth, count] : owned) {
    kinds.push_back(teeth);
    counts.push_back(count);
  }
  const double wanted = wanted_lead / machine_lead;
  const auto error_of = [wanted](long long driven, long long drivers) {
    return std::fabs(static_cast<double>(driven) / static_cast<double>(drivers) - wanted);
  };

  std::vector<Candidate> candidates;
  const auto add = [&](Candidate c, long long driven, long long drivers, std::size_t order) {
    c.error = error_of(driven, drivers);
    c.exact = c.error <= kExactRelative * wanted;
    c.order = order;
    candidates.push_back(c);
  };
  // One pair: for each driver the driven gears nearest the one wanted, on
  // either side (no more than the list can show), in the order driver by
  // driver, each from the smallest driven gear up.
  const std::size_t side = most + 1; // one more: the driver itself may be among them
  for (std::size_t d = 0; d < kinds.size(); ++d) {
    const double target = wanted * kinds[d];
    const std::size_t at =
        static_cast<std::size_t>(std::lower_bound(kinds.begin(), kinds.end(), target) - kinds.begin());
    const std::size_t from = at > side ? at - side : 0, to = std::min(kinds.size(), at + side);
    for (std::size_t n = from; n < to; ++n)
      if (n != d || counts[d] >= 2)
        add({{kinds[d], 0}, {kinds[n], 0}, 1}, kinds[n], kinds[d], d * kinds.size() + n);
  }
  // Two pairs: for each two drivers, the two driven gears whose product is
  // nearest to the one wanted, from the products of all pairs sorted.
  const std::vector<GearPair> pairs = gear_pairs(kinds, counts);
  std::size_t order = kinds.size() * kinds.size();
  for (const GearPair& drivers : pairs) {
    const double target = wanted * static_cast<double>(drivers.product);
    const auto at = std::lower_bound(pairs.begin(), pairs.end(), target,
                                     [](const GearPair& p, double t) { return p.product < t; });
    const std::ptrdiff_t middle = at - pairs.begin();
    // Outward from the nearest product, both ways, past pairs the drivers use up.
    for (int way : {-1, 1}) {
      for (std::ptrdiff_t i = way < 0 ? middle - 1 : middle;
           i >= 0 && i < static_cast<std::ptrdiff_t>(pairs.size()); i += way) {
        const GearPair& driven = pairs[static_cast<std::size_t>(i)];
        if (fits(counts, {drivers.a, drivers.b, driven.a, driven.b})) {
          add({{kinds[drivers.a], kinds[drivers.b]}, {kinds[driven.a], kinds[driven.b]}, 2},
              driven.product, drivers.product, order++);
          break;
        }
      }
    }
  }

  // Exact first, one pair before two; then nearest; ties in the order found.
  const auto key = [](const Candidate& c) {
    return std::make_tuple(!c.exact, c.exact ? c.pairs : 0, c.exact ? 0.0 : c.error, c.order);
  };
  const auto before = [&key](const Candidate& a, const Candidate& b) { return key(a) < key(b); };
  // The list shows few: only the front is put in order, the rest when the
  // front's ratios repeat too often to fill it.
  std::size_t ordered = std::min(candidates.size(), 64 * most);
  std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(ordered),
                    candidates.end(), before);
  // Each set of exact gears once; of the rest one train per ratio, as more
  // would say nothing new.
  std::vector<std::pair<long long, long long>> ratios;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (i == ordered) {
      std::sort(candidates.begin() + static_cast<std::ptrdiff_t>(i), candidates.end(), before);
      ordered = candidates.size();
    }
    const Candidate& c = candidates[i];
    LeadTrain train;
    train.drivers.assign(c.drivers.begin(), c.drivers.begin() + c.pairs);
    train.driven.assign(c.driven.begin(), c.driven.begin() + c.pairs);
    long long n = 1, d = 1;
    for (int g : train.driven)
      n *= g;
    for (int g : train.drivers)
      d *= g;
    const long long common = std::gcd(n, d);
    const std::pair<long long, long long> ratio{n / common, d / common};
    const bool seen = std::any_of(trains.begin(), trains.end(), [&](const LeadTrain& k) {
      return k.drivers == train.drivers && k.driven == train.driven;
    });
    if (seen || (!c.exact && std::find(ratios.begin(), ratios.end(), ratio) != ratios.end()))
      continue;
    ratios.push_back(ratio);
    train.lead = static_cast<double>(n) / static_cast<double>(d) * machine_lead;
    train.error = train.lead - wanted_lead;
    train.error_percent = train.error / wanted_lead * 100.0;
    train.exact = c.exact;
    trains.push_back(train);
    if (trains.size() == most)
      break;
  }
  return trains;
}

} // namespace gears
