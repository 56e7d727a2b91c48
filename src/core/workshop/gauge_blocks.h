// Gauge-block stacks: the fewest blocks of a set that wring up to a height
// exactly, as a sine bar or a height check wants them, and the nearest
// heights the set makes when it can't make the one wanted. Fewer blocks mean
// fewer wrung joints to add error; thin blocks are the ones worn and sprung
// most easily, so among the shortest stacks the one with the fewest of them is
// taken. Pure: no toolkit.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace workshop {

/// Sizes of gauge blocks are whole numbers of units: hundred-thousandths of an inch
/// for an inch set, ten-thousandths of a millimetre for a metric one.
inline constexpr long kUnitsPerInch = 100000;
inline constexpr long kUnitsPerMm = 10000;

struct GaugeBlockSet {
  std::string name;
  bool metric = false;
  std::vector<long> blocks; ///< each block's size in units; a size owned twice is listed twice
};

/// The sets every program knows: "81-piece inch" and "112-piece metric" (in that order).
const std::vector<GaugeBlockSet>& standard_gauge_sets();

/// Whether a block is thin (worn and sprung most easily): under 2 mm, or under 0.08 in.
bool is_thin(long size, bool metric);

struct GaugeStack {
  std::vector<long> blocks; ///< largest first, the order to wring them
  long height = 0;          ///< their sum, in units
  int thin = 0;             ///< how many are thin
};

/// The fewest blocks of `set` whose sizes add up to `height` exactly (units), each
/// block used at most as often as the set holds it; among stacks of that many
/// blocks, the one with the fewest thin blocks. nullopt when no stack makes it
/// (also for height <= 0, for a set with a block of size 0 or less, and for
/// a set so long and so finely graded all through that its search would
/// need over 64 MB: a real set needs a few).
std::optional<GaugeStack> shortest_stack(const GaugeBlockSet& set, long height);

/// The heights nearest `height` (below and above) that some stack of the set
/// makes exactly; nullopt on a side where none does, and on both for a set
/// shortest_stack turns away for its blocks or one too long and finely graded
/// to list its sums quickly. Both are strictly beyond `height`: a height the
/// set makes is neither its own below nor above.
struct NearestHeights {
  std::optional<long> below, above;
};
NearestHeights nearest_heights(const GaugeBlockSet& set, long height);

} // namespace workshop
