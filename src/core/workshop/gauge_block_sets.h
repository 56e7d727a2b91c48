// The user's own gauge block sets, kept in the settings file beside the
// dividing heads, in a section of their own:
//   [gauge block sets]
//   set 1 name        = Shop set
//   set 1 unit        = mm
//   set 1 block 1.005 = 2        (a size and how many of it)
// Pure: works on an IniDocument; writing the file is the caller's business.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/settings/ini_document.h"
#include "core/settings/settings_model.h"
#include "core/workshop/gauge_blocks.h"

namespace workshop {

inline constexpr const char* kGaugeSetsSection = settings::kGaugeBlockSetsSection;
/// The most blocks a set of the user's may hold, and of one size.
inline constexpr int kMostBlocksInASet = 200;
inline constexpr int kMostBlocksOfASize = 20;

/// The sets the file holds, in their numbers' order. A set without a name,
/// a size that is no block (see block_units) or a count outside 1 to
/// kMostBlocksOfASize is left out; a set stops at kMostBlocksInASet blocks.
std::vector<GaugeBlockSet> user_gauge_sets(const settings::IniDocument& doc);

/// Writes `sets` in place of the sets the file holds; false when nothing changed.
bool store_user_gauge_sets(settings::IniDocument& doc, const std::vector<GaugeBlockSet>& sets);

/// A block's size as typed or stored: a plain decimal above 0 and below
/// 500 mm (20 in), to the set's unit or finer (0.00001 in, 0.0001 mm).
std::optional<long> block_units(const std::string& text, bool metric);

/// A block's size as the set's maker marks it: an inch block to the
/// thousandth at least (0.130, 4.000), a metric one to its last digit
/// (1.0005, 1.01, 25).
std::string block_size_text(long size, bool metric);

} // namespace workshop
