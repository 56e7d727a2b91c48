#include "core/workshop/gauge_block_sets.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "core/numeric/number_text.h"

namespace workshop {

namespace {

constexpr double kLargestMm = 500.0;
constexpr double kLargestInch = 20.0;

std::string set_key(std::size_t number, const std::string& what) {
  return std::string(kGaugeSetsSection) + ":set " + std::to_string(number) + " " + what;
}

} // namespace

std::optional<long> block_units(const std::string& text, bool metric) {
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos ||
      text.find('.') != text.rfind('.') || text == ".")
    return std::nullopt;
  const double size = std::strtod(text.c_str(), nullptr);
  const double units = size * (metric ? kUnitsPerMm : kUnitsPerInch);
  // A size finer than the unit would be changed by storing it.
  if (!(size > 0.0 && size < (metric ? kLargestMm : kLargestInch)) ||
      std::fabs(units - std::round(units)) > 1e-6)
    return std::nullopt;
  return std::lround(units);
}

std::string block_size_text(long size, bool metric) {
  if (metric)
    return numeric::format_fixed(4, static_cast<double>(size) / kUnitsPerMm);
  const int places = size % 10 != 0 ? 5 : size % 100 != 0 ? 4 : 3;
  return numeric::fixed_text(places, static_cast<double>(size) / kUnitsPerInch);
}

std::vector<GaugeBlockSet> user_gauge_sets(const settings::IniDocument& doc) {
  // By number: the name, the unit, and each size with its count.
  struct Stored {
    std::string name;
    bool metric = false;
    std::vector<std::pair<std::string, long>> sizes;
  };
  std::map<long, Stored> stored;
  for (const settings::IniDocument::Entry& entry : doc.section_entries(kGaugeSetsSection)) {
    const std::string& key = entry.key;
    if (key.compare(0, 4, "set ") != 0)
      continue;
    char* end = nullptr;
    const long number = std::strtol(key.c_str() + 4, &end, 10);
    if (number < 1 || number > 1000 || *end != ' ')
      continue;
    const std::string what = end + 1;
    Stored& set = stored[number];
    if (what == "name")
      set.name = entry.value;
    else if (what == "unit")
      set.metric = entry.value == "mm";
    else if (what.compare(0, 6, "block ") == 0)
      set.sizes.emplace_back(what.substr(6), std::strtol(entry.value.c_str(), nullptr, 10));
  }
  std::vector<GaugeBlockSet> sets;
  for (const auto& [number, set] : stored) {
    if (set.name.empty())
      continue;
    GaugeBlockSet read{set.name, set.metric, {}};
    for (const auto& [size, count] : set.sizes) {
      const std::optional<long> units = block_units(size, set.metric);
      if (!units || count < 1 || count > kMostBlocksOfASize)
        continue;
      for (long i = 0; i < count && read.blocks.size() < kMostBlocksInASet; ++i)
        read.blocks.push_back(*units);
    }
    std::sort(read.blocks.begin(), read.blocks.end());
    sets.push_back(std::move(read));
  }
  return sets;
}

bool store_user_gauge_sets(settings::IniDocument& doc, const std::vector<GaugeBlockSet>& sets) {
  settings::IniDocument written;
  for (std::size_t i = 0; i < sets.size(); ++i) {
    const GaugeBlockSet& set = sets[i];
    written.set(set_key(i + 1, "name"), set.name);
    written.set(set_key(i + 1, "unit"), set.metric ? "mm" : "in");
    std::map<long, int> counts;
    for (long size : set.blocks)
      ++counts[size];
    for (const auto& [size, count] : counts)
      written.set(set_key(i + 1, "block " + block_size_text(size, set.metric)), std::to_string(count));
  }
  const auto& now = doc.section_entries(kGaugeSetsSection);
  const auto& wanted = written.section_entries(kGaugeSetsSection);
  const bool same = now.size() == wanted.size() &&
                    std::equal(now.begin(), now.end(), wanted.begin(), [](const auto& a, const auto& b) {
                      return a.key == b.key && a.value == b.value;
                    });
  if (same)
    return false;
  while (!doc.section_entries(kGaugeSetsSection).empty())
    doc.unset_in_section(kGaugeSetsSection, doc.section_entries(kGaugeSetsSection).front().key);
  doc.add_section(kGaugeSetsSection);
  for (const auto& entry : wanted)
    doc.set(std::string(kGaugeSetsSection) + ":" + entry.key, entry.value);
  return true;
}

} // namespace workshop
