#include "calc/workshop/differential_indexing_calc.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace workshop {

namespace {

using Fraction = std::pair<long long, long long>; // numerator, denominator; lowest terms

Fraction reduced(long long numerator, long long denominator) {
  const long long g = std::gcd(numerator, denominator);
  return {numerator / g, denominator / g};
}

struct FractionHash {
  std::size_t operator()(const Fraction& f) const {
    return std::hash<long long>()(f.first * 1000003LL + f.second);
  }
};
using TrainsByRatio = std::unordered_map<Fraction, GearTrain, FractionHash>;

// Every ratio the gears make as one pair and as two pairs, each with the
// first train found (gears tried smallest first). Each gear of the list is
// used once. A set of 40 gears tries half a million compound trains, so a
// train is only built for a ratio not met before.
struct TrainTable {
  TrainsByRatio simple;
  TrainsByRatio compound;
};

TrainTable train_table(std::vector<int> gears) {
  gears.erase(std::remove_if(gears.begin(), gears.end(), [](int g) { return g < 1; }), gears.end());
  std::sort(gears.begin(), gears.end());
  TrainTable table;
  const std::size_t n = gears.size();
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = 0; b < n; ++b) {
      if (b == a)
        continue;
      if (auto [at, added] = table.simple.try_emplace(reduced(gears[a], gears[b])); added)
        at->second = GearTrain{{gears[a]}, {gears[b]}};
      // The first train of a ratio has c > a and d > b: swapping the pairs
      // (c, d, a, b), or the driven gears (a, d, c, b), gives the same ratio
      // and would come first otherwise. So the others are not tried.
      for (std::size_t c = a + 1; c < n; ++c) {
        if (c == b)
          continue;
        for (std::size_t d = b + 1; d < n; ++d) {
          if (d == a || d == c)
            continue;
          auto [at, added] = table.compound.try_emplace(
              reduced(1LL * gears[a] * gears[c], 1LL * gears[b] * gears[d]));
          if (added)
            at->second = GearTrain{{gears[a], gears[c]}, {gears[b], gears[d]}};
        }
      }
    }
  return table;
}

// Driver first, pair by pair: "56 : 24", "40 : 64, 24 : 48".
std::string train_text(const GearTrain& train) {
  std::string text;
  for (std::size_t i = 0; i < train.drivers.size() && i < train.driven.size(); ++i)
    text += (i ? ", " : "") + std::to_string(train.drivers[i]) + " : " +
            std::to_string(train.driven[i]);
  return text;
}

} // namespace

int DifferentialSetting::idlers() const {
  const int pairs = static_cast<int>(train.drivers.size());
  return (with_crank() ? 1 : 2) - (pairs > 1 ? 1 : 0);
}

std::vector<int> default_head_gears(int ratio) {
  if (ratio != 40)
    return {};
  return {24, 24, 28, 32, 40, 44, 48, 56, 64, 72, 86, 100};
}

namespace {

// The numbers the head indexes simply, ascending, with the crank setting for
// each, and the gear trains: what the search for every N of a table shares.
class DifferentialSearch {
public:
  DifferentialSearch(int ratio, const std::vector<int>& plates, const std::vector<int>& gears,
                     long highest)
      : ratio_(ratio), trains_(train_table(gears)),
        gears_(std::count_if(gears.begin(), gears.end(), [](int g) { return g >= 1; })) {
    // Past R times the largest circle no number is indexed simply.
    long largest = 1;
    for (int circle : plates)
      largest = std::max<long>(largest, circle);
    highest = std::min(highest, ratio * largest);
    for (long a = 1; a <= highest; ++a) {
      const std::vector<IndexingSetting> crank = division_solutions(ratio, a, plates);
      if (!crank.empty())
        indexable_.emplace_back(a, crank.front());
    }
  }

  long largest_indexable() const { return indexable_.empty() ? 0 : indexable_.back().first; }

  std::vector<DifferentialSetting> settings(long divisions, std::size_t most) const {
    std::vector<DifferentialSetting> found;
    // A beyond 2N would make the plate turn faster than any train of a head's gears.
    for (const auto& [a, crank] : indexable_) {
      if (a > 2 * divisions)
        break;
      if (a == divisions)
        continue;
      const long long numerator = 1LL * ratio_ * (a - divisions);
      const Fraction wanted = reduced(numerator < 0 ? -numerator : numerator, a);
      const auto simple = trains_.simple.find(wanted);
      const auto compound = trains_.compound.find(wanted);
      const GearTrain* train = simple != trains_.simple.end()       ? &simple->second
                               : compound != trains_.compound.end() ? &compound->second
                                                                    : nullptr;
      if (!train)
        continue;
      DifferentialSetting setting;
      setting.approximate = a;
      setting.crank = crank;
      setting.ratio_numerator = static_cast<long>(numerator < 0 ? -wanted.first : wanted.first);
      setting.ratio_denominator = static_cast<long>(wanted.second);
      setting.train = *train;
      // The idlers come from the set too: a train that leaves too few gears
      // for them can't be put up. (A compound train needs as many gears or
      // more, so there is no other to try.)
      if (static_cast<long>(2 * train->drivers.size()) + setting.idlers() > gears_)
        continue;
      found.push_back(setting);
    }
    std::stable_sort(found.begin(), found.end(),
                     [divisions](const DifferentialSetting& x, const DifferentialSetting& y) {
                       const auto key = [divisions](const DifferentialSetting& s) {
                         return std::make_pair(s.train.drivers.size(),
                                               std::labs(s.approximate - divisions));
                       };
                       return key(x) < key(y);
                     });
    if (found.size() > most)
      found.resize(most);
    return found;
  }

private:
  int ratio_;
  TrainTable trains_;
  long gears_; ///< in the set, for the train and its idlers
  std::vector<std::pair<long, IndexingSetting>> indexable_;
};

} // namespace

std::vector<DifferentialSetting> differential_settings(int ratio, long divisions,
                                                       const std::vector<int>& plates,
                                                       const std::vector<int>& gears,
                                                       std::size_t most) {
  if (ratio < 1 || divisions < 1 || can_index(ratio, plates, divisions))
    return {};
  return DifferentialSearch(ratio, plates, gears, 2 * divisions).settings(divisions, most);
}

std::vector<DivisionRow> division_table_with_differential(int ratio, const std::vector<int>& plates,
                                                          const std::vector<int>& gears, long from,
                                                          long to, const DifferentialTexts& texts,
                                                          const std::string& none_serves) {
  std::vector<DivisionRow> rows;
  if (ratio < 1 || to < from)
    return rows;
  const DifferentialSearch search(ratio, plates, gears, 2 * to);
  const long last =
      std::min(to, 2 * std::max(search.largest_indexable(), static_cast<long>(ratio)));
  for (long n = std::max(from, 1L); n <= last; ++n) {
    DivisionRow row{n, division_solutions(ratio, n, plates), {}};
    if (row.settings.empty()) {
      const std::vector<DifferentialSetting> best = search.settings(n, 1);
      row.notes = best.empty() ? std::vector<std::string>{none_serves}
                               : differential_print_lines(best.front(), texts);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<std::string> differential_lines(const DifferentialSetting& setting,
                                            const DifferentialTexts& texts) {
  const IndexingSetting& crank = setting.crank;
  std::string first = "A = " + std::to_string(setting.approximate) + ": " +
                      std::to_string(crank.turns) + " " + texts.turns;
  if (crank.circle != 0)
    first += " + " + std::to_string(crank.holes) + " " + texts.holes_on + " " +
             std::to_string(crank.circle);
  return {first, train_text(setting.train) + ", " +
                     (setting.with_crank() ? texts.with_crank : texts.against) + ", " +
                     texts.idlers + " " + std::to_string(setting.idlers())};
}

std::vector<std::string> differential_print_lines(const DifferentialSetting& setting,
                                                  const DifferentialTexts& texts) {
  return {differential_lines(setting, texts).front(), train_text(setting.train),
          setting.with_crank() ? texts.with_crank : texts.against,
          texts.idlers + " " + std::to_string(setting.idlers())};
}

} // namespace workshop
