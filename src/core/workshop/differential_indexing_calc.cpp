#include "core/workshop/differential_indexing_calc.h"

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
#include <unordered_map>
#include <utility>

#include "core/numeric/stop_request.h"

namespace workshop {

namespace {

using Fraction = std::pair<long long, long long>; // numerator, denominator; lowest terms

Fraction reduced(long long numerator, long long denominator) {
  const long long g = std::gcd(numerator, denominator);
  return {numerator / g, denominator / g};
}

struct FractionHash {
  std::size_t operator()(const Fraction& f) const {
    // Unsigned, so that large numerators wrap instead of overflowing.
    return std::hash<unsigned long long>()(static_cast<unsigned long long>(f.first) * 1000003ULL +
                                           static_cast<unsigned long long>(f.second));
  }
};

// A train as the four tooth counts in the order they are told apart: first
// driver, first driven, second driver, second driven (a simple train leaves
// the last two 0).
using Teeth = std::array<long long, 4>;

GearTrain train_of(const Teeth& t) {
  if (t[2] == 0)
    return GearTrain{{static_cast<int>(t[0])}, {static_cast<int>(t[1])}};
  return GearTrain{{static_cast<int>(t[0]), static_cast<int>(t[2])},
                   {static_cast<int>(t[1]), static_cast<int>(t[3])}};
}

// The trains the head's gears make, found for one ratio at a time.
//
// Among the trains of a ratio the one given is the first when the gears are
// laid out smallest first and each gear of the list is taken at most once:
// the smallest first driver, then the smallest first driven gear, and so on.
// A compound train then has its second driver no smaller than the first and
// its second driven gear no smaller than the first (the pairs or the driven
// gears swapped give the same ratio and come first otherwise).
//
// Trying every choice of four gears grows with the fourth power of the set
// (200 gears: over a billion trains). Instead the two driver gears are seen
// as one product and the two driven gears as another: a/b * c/d = p/q in
// lowest terms exactly when a*c = k*p and b*d = k*q for a whole k. So the
// table holds every product of two gears of the set with the pairs that make
// it, and a ratio looks up the products k*p and k*q.
class TrainFinder {
public:
  explicit TrainFinder(const std::vector<int>& gears) {
    for (int g : gears)
      if (g >= 1)
        ++owned_[g];
    for (const auto& [teeth, count] : owned_)
      teeth_.push_back(teeth);
    std::sort(teeth_.begin(), teeth_.end());
    for (std::size_t i = 0; i < teeth_.size() && !numeric::stop_requested(); ++i)
      for (std::size_t j = 0; j < teeth_.size(); ++j) {
        const long long a = teeth_[i];
        const long long b = teeth_[j];
        if (i == j && owned_.at(teeth_[i]) < 2)
          continue;
        ++steps_;
        simple_.try_emplace(reduced(a, b), Teeth{a, b, 0, 0});
        if (j >= i)
          products_.emplace_back(a * b, a);
      }
    std::sort(products_.begin(), products_.end());
    for (std::size_t at = 0; at < products_.size(); ++at) {
      auto [slot, added] = product_at_.try_emplace(products_[at].first, at, at + 1);
      if (!added)
        slot->second.second = at + 1;
    }
  }

  const Teeth* simple(const Fraction& ratio) const {
    const auto found = simple_.find(ratio);
    return found == simple_.end() ? nullptr : &found->second;
  }

  /// The first compound train of the ratio p/q (lowest terms), if any.
  std::optional<Teeth> compound(const Fraction& ratio) {
    if (products_.empty())
      return std::nullopt;
    const auto [p, q] = ratio;
    const long long lowest = products_.front().first;
    const long long highest = products_.back().first;
    const long long k_last = highest / std::max(p, q);
    const long long k_first = (lowest + std::min(p, q) - 1) / std::min(p, q);
    std::optional<Teeth> best;
    if (k_last < k_first)
      return best;
    // Walk the multiples k or the table's products, whichever are fewer.
    if (static_cast<std::size_t>(k_last - k_first) < product_at_.size()) {
      for (long long k = k_first; k <= k_last; ++k) {
        if ((++steps_ & 0xfff) == 0 && numeric::stop_requested())
          return std::nullopt;
        try_products(k * p, k * q, best);
      }
    } else {
      for (const auto& [product, range] : product_at_) {
        if ((++steps_ & 0xfff) == 0 && numeric::stop_requested())
          return std::nullopt;
        if (product % p == 0 && product / p <= highest / q)
          try_products(product, product / p * q, best);
      }
    }
    return best;
  }

  long long steps() const { return steps_; }

private:
  using Range = std::pair<std::size_t, std::size_t>; // into products_

  const Range* pairs_making(long long product) const {
    const auto found = product_at_.find(product);
    return found == product_at_.end() ? nullptr : &found->second;
  }

  // The set holds every gear of the train as often as the train uses it.
  // The table's pairs hold a count twice only when the set does; a count on
  // both sides (a = b, say) leaves the simple train c : d, which is taken
  // first, unless c = d too: then the ratio is 1 and the counts must be checked.
  bool can_build(const Teeth& t) const {
    for (std::size_t i = 0; i < t.size(); ++i)
      if (owned_.at(static_cast<int>(t[i])) < std::count(t.begin(), t.end(), t[i]))
        return false;
    return true;
  }

  // Drivers a*c = `drivers`, driven gears b*d = `driven`: the first train
  // among them replaces `best` when it comes before it.
  void try_products(long long drivers, long long driven, std::optional<Teeth>& best) {
    const Range* first = pairs_making(drivers);
    const Range* second = first ? pairs_making(driven) : nullptr;
    if (!second)
      return;
    for (std::size_t i = first->first; i < first->second; ++i) {
      const long long a = products_[i].second;
      if (best && a > (*best)[0])
        return;
      for (std::size_t j = second->first; j < second->second; ++j) {
        ++steps_;
        const long long b = products_[j].second;
        const Teeth train{a, b, drivers / a, driven / b};
        if (best && !(train < *best))
          break;
        if (can_build(train)) {
          best = train;
          return; // a larger first driver comes later
        }
      }
    }
  }

  std::unordered_map<int, int> owned_; ///< how often the set holds each count
  std::vector<int> teeth_;             ///< each count once, ascending
  std::unordered_map<Fraction, Teeth, FractionHash> simple_;
  std::vector<std::pair<long long, long long>> products_; ///< (a*c, a) with a <= c, sorted
  std::unordered_map<long long, Range> product_at_;
  long long steps_ = 0;
};

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
      : ratio_(ratio), trains_(gears),
        gears_(std::count_if(gears.begin(), gears.end(), [](int g) { return g >= 1; })) {
    // Past R times the largest circle no number is indexed simply.
    long largest = 1;
    for (int circle : plates)
      largest = std::max<long>(largest, circle);
    highest = std::min(highest, ratio * largest);
    for (long a = 1; a <= highest && !numeric::stop_requested(); ++a) {
      const std::vector<IndexingSetting> crank = division_solutions(ratio, a, plates);
      if (!crank.empty())
        indexable_.emplace_back(a, crank.front());
    }
  }

  long largest_indexable() const { return indexable_.empty() ? 0 : indexable_.back().first; }
  long long steps() const { return trains_.steps(); }

  // Simple trains come before compound ones, then the A nearest to N, then
  // the smaller A. So the compound trains, the costly part, are only looked
  // for while the simple ones leave room, nearest A first.
  std::vector<DifferentialSetting> settings(long divisions, std::size_t most) {
    std::vector<DifferentialSetting> found;
    std::vector<std::size_t> without_simple; // into indexable_
    // A beyond 2N would make the plate turn faster than any train of a head's gears.
    for (std::size_t i = 0; i < indexable_.size() && indexable_[i].first <= 2 * divisions; ++i) {
      const long a = indexable_[i].first;
      if (a == divisions)
        continue;
      if (const Teeth* train = trains_.simple(wanted(a, divisions)))
        add(found, i, divisions, *train);
      else
        without_simple.push_back(i);
    }
    sort_nearest_first(found, divisions);
    std::stable_sort(without_simple.begin(), without_simple.end(),
                     [this, divisions](std::size_t x, std::size_t y) {
                       return std::labs(indexable_[x].first - divisions) <
                              std::labs(indexable_[y].first - divisions);
                     });
    for (std::size_t i : without_simple) {
      if (found.size() >= most || numeric::stop_requested())
        break;
      if (std::optional<Teeth> train = trains_.compound(wanted(indexable_[i].first, divisions)))
        add(found, i, divisions, *train);
    }
    if (found.size() > most)
      found.resize(most);
    return found;
  }

private:
  // R * |A - N| / A in lowest terms.
  Fraction wanted(long a, long divisions) const {
    return reduced(1LL * ratio_ * std::labs(a - divisions), a);
  }

  void add(std::vector<DifferentialSetting>& found, std::size_t i, long divisions,
           const Teeth& train) const {
    DifferentialSetting setting;
    setting.approximate = indexable_[i].first;
    setting.crank = indexable_[i].second;
    const Fraction ratio = wanted(setting.approximate, divisions);
    setting.ratio_numerator =
        static_cast<long>(setting.approximate < divisions ? -ratio.first : ratio.first);
    setting.ratio_denominator = static_cast<long>(ratio.second);
    setting.train = train_of(train);
    // The idlers come from the set too: a train that leaves too few gears
    // for them can't be put up. (A compound train needs as many gears or
    // more, so there is no other to try.)
    if (static_cast<long>(2 * setting.train.drivers.size()) + setting.idlers() > gears_)
      return;
    found.push_back(setting);
  }

  static void sort_nearest_first(std::vector<DifferentialSetting>& found, long divisions) {
    std::stable_sort(found.begin(), found.end(),
                     [divisions](const DifferentialSetting& x, const DifferentialSetting& y) {
                       return std::labs(x.approximate - divisions) <
                              std::labs(y.approximate - divisions);
                     });
  }

  int ratio_;
  TrainFinder trains_;
  long gears_; ///< in the set, for the train and its idlers
  std::vector<std::pair<long, IndexingSetting>> indexable_;
};

} // namespace

std::vector<DifferentialSetting> differential_settings(int ratio, long divisions,
                                                       const std::vector<int>& plates,
                                                       const std::vector<int>& gears,
                                                       std::size_t most, long long* steps) {
  if (ratio < 1 || divisions < 1 || can_index(ratio, plates, divisions))
    return {};
  DifferentialSearch search(ratio, plates, gears, 2 * divisions);
  std::vector<DifferentialSetting> found = search.settings(divisions, most);
  if (steps)
    *steps = search.steps();
  return found;
}

std::vector<DivisionRow> division_table_with_differential(int ratio, const std::vector<int>& plates,
                                                          const std::vector<int>& gears, long from,
                                                          long to, const DifferentialTexts& texts,
                                                          const std::string& none_serves) {
  std::vector<DivisionRow> rows;
  if (ratio < 1 || to < from)
    return rows;
  DifferentialSearch search(ratio, plates, gears, 2 * to);
  const long last =
      std::min(to, 2 * std::max(search.largest_indexable(), static_cast<long>(ratio)));
  for (long n = std::max(from, 1L); n <= last && !numeric::stop_requested(); ++n) {
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
