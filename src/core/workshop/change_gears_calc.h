// Change gears for screw cutting: the trains of one to three pairs of the
// user's own change gears whose ratio (driven over driver) comes closest to
// the one a thread needs, also a metric thread from an inch lead screw and
// an inch thread from a metric one, and the single 22/7 pair that cuts a
// module or diametral-pitch worm from a metric or inch lead screw.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/gears/gear_ratio_calc.h"

namespace workshop {

/// What is to be cut, in the order of the page's radio buttons.
enum class ChangeGearMode {
  kInch = 0,         ///< threads per inch from an inch lead screw: ratio p / q
  kMetric = 1,       ///< mm pitch from a metric lead screw: ratio q / p
  kModuleWorm = 2,   ///< module worm, mm lead screw: 22/7 pair A
  kDpWorm = 3,       ///< diametral-pitch worm, inch lead screw: 22/7 pair B
  kMetricOnInch = 4, ///< mm pitch from an inch lead screw: ratio 127 / (5 p q)
  kInchOnMetric = 5, ///< threads per inch from a metric lead screw: ratio 5 p q / 127
};

/// How many modes there are.
inline constexpr int kChangeGearModes = 6;

/// The largest change gear the page takes. No lathe has a larger one, and a
/// set of every count from 12 up to it is still searched within a blink
/// (each count more adds pairs with every other).
inline constexpr int kLargestChangeGear = 400;

/// At most this many trains are listed.
inline constexpr int kMostChangeGearTrains = 10;
/// The error below which the page never goes, in percent.
inline constexpr double kSmallestChangeGearError = 0.0001;

/// Whether a pitch can be worked with: a number of at least 0.0001 (a zero
/// pitch would make the ratio zero or infinite).
bool usable_pitch(double pitch);

/// The ratio the train must make: p / q in the inch mode, q / p in the
/// metric one; across inch and metric the 25.4 mm of an inch come in, as
/// 127/5 (the 22/7 modes have none).
std::optional<double> change_gear_target(ChangeGearMode mode, double pitch_to_make,
                                         double lead_screw_pitch);

/// How many gears of each tooth count a set holds.
class GearCounts {
public:
  /// From the gears as listed, a gear owned twice listed twice.
  explicit GearCounts(const std::vector<int>& gears);
  /// How many gears of `teeth` (0 when none).
  int of(int teeth) const;

private:
  std::vector<std::pair<int, int>> counts_; ///< tooth count, how many; ascending
};

/// The user's gears made ready for the search: every pair of two different
/// tooth counts, once, and how many gears of each count there are.
struct ChangeGearSet {
  gears::PairTable pairs;
  GearCounts counts;
};

/// The set for the user's gears as listed (a gear owned twice listed twice).
ChangeGearSet change_gear_set(const std::vector<int>& gears);

/// Up to ten trains of one, two or three pairs (fewer pairs first: two only
/// when no single pair fits, three only when no two do) whose ratio lies
/// within `error_percent` of `target` on either side, best first. A train
/// uses no tooth count more often than the set holds it, drivers and driven
/// gears together. Trains with the same driver and driven sums as one
/// already listed are left out.
gears::ResultList change_gear_search(const ChangeGearSet& set, double target, double error_percent);

/// The gears of a 22/7 pair: the first goes on the spindle, the second on
/// the lead screw.
struct GearPairCounts {
  int first = 0;
  int second = 0;
};

/// The largest tooth count a 22/7 pair may ask for.
inline constexpr int kLargestWormPairGear = kLargestChangeGear;

/// Module worm (mode 2): the exact ratio 22 m : 7 q. The smallest multiple
/// of it in lowest terms (up to 400 teeth) whose two gears the user owns;
/// when there is none, the lowest terms, both doubled when one is below the
/// smallest gear owned. The texts are the fields' decimals as typed, so 0.8
/// is 8/10 and not a binary approximation. `gears` ascending, as listed.
/// Nothing when no pair of counts up to 400 makes the ratio exactly, or a
/// text is no positive decimal number.
std::optional<GearPairCounts> worm_pair_module(const std::string& module,
                                               const std::string& lead_screw_pitch,
                                               const std::vector<int>& gears);

/// Diametral-pitch worm (mode 3): the exact ratio 7 P : 22 tpi, shown as
/// (22 tpi part, 7 P part). The smallest multiple owned, else the lowest
/// terms, both doubled unless both reach the smallest gear owned. Nothing
/// as for the module worm.
std::optional<GearPairCounts> worm_pair_dp(const std::string& diametral_pitch,
                                           const std::string& lead_screw_tpi,
                                           const std::vector<int>& gears);

} // namespace workshop
