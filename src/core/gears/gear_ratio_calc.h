// The gear-ratio search: trains of one to four gear pairs whose overall
// ratio (driven teeth over driver teeth, multiplied over the pairs) matches a
// wanted ratio within a tolerance in percent. Fewer pairs are preferred: two
// pairs are tried only when no single pair fits, and so on up to four.
//
// The tooth counts come from a list (the counts the dividing head can index,
// or the user's own change gears); every ordered pair of two different counts
// is one entry of the pair table, sorted by ratio.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace gears {

/// One entry of the pair table: driven over driver.
struct GearPair {
  double ratio = 0.0; ///< driven / driver
  int driver = 0;     ///< shown under the fraction's bar
  int driven = 0;     ///< shown above the bar
  int position = 0;   ///< index in the sorted table
};

using PairTable = std::vector<GearPair>;

/// The counts from `lowest` to `highest` (inclusive, ascending) that
/// `can_index` admits; empty when lowest > highest.
std::vector<int> tooth_list(int lowest, int highest, const std::function<bool(int)>& can_index);

/// Every pair of two different counts of `teeth` (ascending; a count may
/// repeat, as in a list of owned change gears). A count is used as driver
/// once per run of equal counts, and every line of a different count is a
/// driven gear for it, so a gear owned twice can give the same pair twice
/// but never a pair of two equal gears. Sorted by ratio, then driver, and
/// numbered.
PairTable build_pair_table(const std::vector<int>& teeth);

/// A closed interval of ratios.
struct RatioWindow {
  double low = 0.0;
  double high = 0.0;
};

/// First and last index of the table entries inside a window.
struct RatioRange {
  int first = 0;
  int last = -1;
};

/// The entries whose ratio lies in [low, high], by binary search on the
/// sorted table; nothing when there are none (or a bound is not a number).
std::optional<RatioRange> find_ratio_range(const PairTable& table, RatioWindow window);

/// Which side of the wanted ratio the tolerance widens.
enum class ToleranceMode { kBoth = 0, kAbove = 1, kBelow = 2 };

/// The window around `centre` for a tolerance in percent: both sides, above
/// only or below only; just the centre when the tolerance is 1e-10 or less.
RatioWindow tolerance_window(double centre, double percent, ToleranceMode mode);

/// Removes trailing '0's from a "%.6f" text, never the first three
/// characters: "2.500000" -> "2.5", "2.000000" -> "2.0", "100.000000" -> "100.".
std::string trim_trailing_zeros(std::string text);

/// One found train of one to four pairs.
struct RatioResult {
  int driver_sum = 0; ///< of trains of two or more pairs; only for the duplicate test
  int driven_sum = 0;
  std::array<std::string, 4> driver_text; ///< "%d" per pair, "" past the train's end
  std::array<std::string, 4> driven_text;
  std::string ratio_text; ///< product of the ratios, "%.6f" trimmed
  std::string error_text; ///< signed error in percent, "%.6f" trimmed, then "%"
  double abs_error = 0.0; ///< sort key

  int pair_count() const;
};

using ResultList = std::vector<RatioResult>;

/// The result for a train of pairs and the wanted ratio `target`: the error
/// is measured against the found ratio P, (1 - target / P) * 100, so a train
/// above the target has a positive error; errors below 5e-8 count as 0.
RatioResult make_result(const std::vector<GearPair>& pairs, double target);

/// Tooth sums of the drivers and of the driven gears of a train.
struct ToothSums {
  int driver = 0;
  int driven = 0;
};
ToothSums tooth_sums(const std::vector<GearPair>& pairs);

/// The trains listed so far, known by their tooth sums: the same gears in
/// another order, or other gears with the same sums, are one train.
class ListedTrains {
public:
  /// True the first time a train with these sums comes along.
  bool first(ToothSums sums) {
    const auto key = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(sums.driver)) << 32) |
                     static_cast<std::uint32_t>(sums.driven);
    return seen_.insert(key).second;
  }

private:
  std::unordered_set<std::uint64_t> seen_;
};

struct SearchInput {
  int limit = 20;       ///< at most this many trains (none when <= 0)
  double target = 0.0;  ///< wanted ratio, driven over driver
  double percent = 0.0; ///< tolerance in percent
  ToleranceMode mode = ToleranceMode::kBoth;
};

/// Told when the four-pair stage, the slow one, starts and ends.
struct SearchProgress {
  std::function<void()> four_pairs_start;
  std::function<void()> four_pairs_end;
};

/// The trains found, best (smallest absolute error) first; empty when none.
/// Within a stage the trains met first are kept when the limit cuts the
/// stage short: outer pairs in ascending ratio.
ResultList gear_ratio_search(const PairTable& table, const SearchInput& input,
                             const SearchProgress& progress = {});

/// Sorts by absolute error; equal errors keep the order they were found in.
void sort_by_error(ResultList& results);

} // namespace gears
