#include "core/settings/settings_model.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <iterator>

namespace settings {

namespace {

constexpr const char* kDefaultHead = "Brown and Sharp 40-1";
/// The key of a head's change gears; its value is never a plate number.
constexpr const char* kGearsKey = "gears";

struct DefaultHead {
  const char* name;
  std::vector<int> plates;
};

// The plate sets of the dividing heads as their makers supply them. Aciera
// names 29 and 36 twice; the second key replaces the first, leaving 16.
const std::vector<DefaultHead>& default_heads() {
  static const std::vector<DefaultHead> heads = {
      {"Brown and Sharp 40-1",
       {15, 16, 17, 18, 19, 20, 21, 23, 27, 29, 31, 33, 37, 39, 41, 43, 47}},
      {"Cincinatti 40-1", {24, 25, 28, 30, 34, 37, 38, 39, 41, 42, 43, 45,
                           46, 47, 48, 49, 51, 53, 54, 57, 58, 59, 62, 66}},
      {"90-1", {16, 17, 18, 19, 20, 21, 23, 29, 31, 33, 37, 39, 41, 43, 47, 49}},
      {"Phase II 90-1",
       {34, 37, 38, 41, 43, 44, 46, 47, 49, 50, 51, 52, 53, 54, 56, 57, 58, 59, 62, 63, 64}},
      {"60-1", {17,  19,  21,  23,  26,  27,  28,  29,  31,  32,  33,  37,  41,  43,
                44,  47,  49,  53,  59,  60,  61,  67,  71,  73,  77,  79,  83,  89,
                100, 101, 103, 107, 109, 113, 119, 121, 127, 131, 133, 137, 139, 143}},
      {"72-1", {27, 29, 31, 32, 34, 35, 37, 41, 43, 47, 49, 50, 53, 54, 55, 57, 61, 65, 67}},
      {"Phase II 72-1", {10}},
      {"Aciera 40-1", {13, 15, 16, 17, 18, 29, 33, 36, 29, 31, 32, 36, 37, 38, 39, 40, 42, 46}},
      {"36-1", {15, 16, 17, 18, 19, 20, 21, 23, 27, 29, 31, 33, 37, 39, 41, 43, 47, 49}},
  };
  return heads;
}

// The 72 catalogue plates, in the order they are written to the file.
std::vector<int> default_catalogue() {
  std::vector<int> plates = {13};
  for (int n = 15; n <= 21; ++n)
    plates.push_back(n);
  for (int n = 23; n <= 62; ++n)
    plates.push_back(n);
  for (int n : {64,  65,  66,  67,  71,  73,  77,  79,  83,  89,  101, 100,
                103, 107, 109, 113, 119, 121, 127, 131, 133, 137, 139, 143})
    plates.push_back(n);
  return plates;
}

int clamp_to_int(long value) {
  return static_cast<int>(std::max<long>(INT_MIN, std::min<long>(INT_MAX, value)));
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// The usable plate values of a section's keys (but `skip_key`), sorted, no repeats.
std::vector<int> plate_values(const IniDocument& doc, const std::string& section,
                              const char* skip_key) {
  std::vector<int> plates;
  for (const IniDocument::Entry& entry : doc.section_entries(section)) {
    if (skip_key && entry.key == skip_key)
      continue;
    if (std::optional<int> n = parse_plate(entry.value))
      plates.push_back(*n);
  }
  std::sort(plates.begin(), plates.end());
  plates.erase(std::unique(plates.begin(), plates.end()), plates.end());
  return plates;
}

std::string plate_key(const std::string& section, int n) {
  return to_lower(section) + ":" + std::to_string(n);
}

} // namespace

SettingsValues read_settings_values(const IniDocument& doc) {
  SettingsValues values;
  values.language = doc.get_string(".:language", "en");
  values.measure = doc.get_string(".:measure", "");
  values.last_head = doc.get_string(".:last", kDefaultHead);
  // A ratio too big to count with is none, never the largest that fits.
  const long ratio = doc.get_long(".:ratio", 0);
  values.ratio = ratio >= 1 && ratio <= INT_MAX ? static_cast<int>(ratio) : 0;
  values.drill_fraction = clamp_to_int(doc.get_long(".:drill_fraction", 0));
  values.drill_letter = clamp_to_int(doc.get_long(".:drill_letter", 0));
  values.drill_number = clamp_to_int(doc.get_long(".:drill_number", 0));
  values.drill_metric = clamp_to_int(doc.get_long(".:drill_metric", 0));
  values.help_font_size = clamp_to_int(doc.get_long(".:help_font_size", kHelpFontSizeUnset));
  return values;
}

void fill_default_settings(IniDocument& doc) {
  doc.add_section(".");
  doc.set(".:last", kDefaultHead);
  doc.set(".:ratio", ratio_text_from_head_name(kDefaultHead));
  doc.set(".:measure", "inch");
  doc.set(".:drill_fraction", "1");
  doc.set(".:drill_letter", "0");
  doc.set(".:drill_number", "0");
  doc.set(".:drill_metric", "0");
  doc.set(".:help_font_size", std::to_string(kHelpFontSizeUnset));

  doc.add_section("Hole plates");
  for (int n : default_catalogue())
    doc.set(plate_key(kCatalogueSection, n), std::to_string(n));

  for (const DefaultHead& head : default_heads()) {
    doc.add_section(head.name);
    doc.set(to_lower(head.name) + ":0", head.name);
    for (int n : head.plates)
      doc.set(plate_key(head.name, n), std::to_string(n));
  }
}

std::string ratio_text_from_head_name(const std::string& display_name) {
  const std::string::size_type dash = display_name.rfind('-');
  if (dash == std::string::npos)
    return "";
  std::string::size_type start = dash;
  while (start > 0 && std::isdigit(static_cast<unsigned char>(display_name[start - 1])))
    --start;
  return display_name.substr(start, dash - start);
}

std::vector<std::string> head_display_names(const IniDocument& doc) {
  std::vector<std::string> names;
  for (const std::string& section : doc.section_names()) {
    if (section == "." || section == kCatalogueSection || section == kGaugeBlockSetsSection ||
        section.empty())
      continue;
    names.push_back(doc.get_string(section + ":0", "void"));
  }
  return names;
}

std::vector<int> head_plates(const IniDocument& doc, const std::string& head) {
  return plate_values(doc, head, "0");
}

std::optional<std::vector<int>> free_plates(const IniDocument& doc, const std::string& head) {
  const std::vector<int> catalogue = plate_values(doc, kCatalogueSection, nullptr);
  if (catalogue.empty())
    return std::nullopt;
  const std::vector<int> owned = head_plates(doc, head);
  std::vector<int> free;
  std::set_difference(catalogue.begin(), catalogue.end(), owned.begin(), owned.end(),
                      std::back_inserter(free));
  return free;
}

bool settings_are_complete(const IniDocument& doc) {
  return !plate_values(doc, kCatalogueSection, nullptr).empty() && !head_display_names(doc).empty();
}

bool add_plates_to_head(IniDocument& doc, const std::string& head, const std::vector<int>& plates) {
  if (!doc.has_section(head))
    return false;
  for (int n : plates) {
    if (n > 0)
      doc.set(plate_key(head, n), std::to_string(n));
  }
  return true;
}

bool remove_plates_from_head(IniDocument& doc, const std::string& head,
                             const std::vector<int>& plates) {
  if (!doc.has_section(head))
    return false;
  // A hand-edited file may hold a plate under another key ("x = 13"); every
  // key that shows the plate goes, so it really leaves the head's list.
  std::vector<std::string> doomed;
  for (const IniDocument::Entry& entry : doc.section_entries(head)) {
    if (entry.key == "0")
      continue;
    const std::optional<int> value = parse_plate(entry.value);
    for (int n : plates) {
      if (entry.key == std::to_string(n) || value == n) {
        doomed.push_back(entry.key);
        break;
      }
    }
  }
  for (const std::string& key : doomed)
    doc.unset_in_section(head, key);
  return true;
}

bool add_catalogue_plate(IniDocument& doc, int n) {
  const std::string key = plate_key(kCatalogueSection, n);
  if (n <= 0 || doc.has(key))
    return false;
  doc.set(key, std::to_string(n));
  return true;
}

std::vector<int> head_gears(const IniDocument& doc, const std::string& head,
                            const std::vector<int>& defaults) {
  const std::string key = to_lower(head) + ":" + kGearsKey;
  if (!doc.has(key))
    return defaults;
  std::vector<int> gears;
  std::string item;
  // Items are separated by commas. One that is not a gear the editor would
  // take is skipped (a hand-edited file's thousands of sizes would only slow
  // the differential search down), as is a copy beyond the most the editor adds.
  for (char c : doc.get_string(key, "") + ",") {
    if (c != ',') {
      item += c;
      continue;
    }
    const std::optional<int> teeth = parse_plate(item);
    if (teeth && *teeth >= kFewestGearTeeth && *teeth <= kMostGearTeeth &&
        std::count(gears.begin(), gears.end(), *teeth) < kMostGearCopies)
      gears.push_back(*teeth);
    item.clear();
  }
  return gears;
}

bool set_head_gears(IniDocument& doc, const std::string& head, const std::vector<int>& gears) {
  if (!doc.has_section(head))
    return false;
  std::string text;
  for (int teeth : gears)
    text += (text.empty() ? "" : ", ") + std::to_string(teeth);
  doc.set(to_lower(head) + ":" + kGearsKey, text);
  return true;
}

std::optional<int> parse_plate(const std::string& text) {
  std::string::size_type begin = 0;
  std::string::size_type end = text.size();
  while (begin < end && is_blank(text[begin]))
    ++begin;
  while (end > begin && is_blank(text[end - 1]))
    --end;
  if (begin == end)
    return std::nullopt;
  long long value = 0;
  for (std::string::size_type i = begin; i < end; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i])))
      return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX)
      return std::nullopt;
  }
  if (value == 0)
    return std::nullopt;
  return static_cast<int>(value);
}

bool select_head(IniDocument& doc, const std::string& name) {
  doc.set(".:last", name);
  doc.set(".:ratio", ratio_text_from_head_name(name));
  return true;
}

LeadScrew read_lead_screw(const IniDocument& doc) {
  const std::string text = doc.get_string(".:lead_screw", "");
  const std::size_t blank = text.find(' ');
  if (blank == std::string::npos)
    return {};
  const std::string number = text.substr(0, blank), unit = text.substr(blank + 1);
  const bool plain = !number.empty() && number.find_first_not_of("0123456789.") == std::string::npos &&
                     number.find('.') == number.rfind('.');
  // No machine has a lead screw of a metre.
  const double lead = plain ? std::strtod(number.c_str(), nullptr) : 0.0;
  if (!(lead > 0.0 && lead < 1000.0) || (unit != "in" && unit != "mm"))
    return {};
  return {number, unit == "mm"};
}

bool set_lead_screw(IniDocument& doc, const LeadScrew& screw) {
  const std::string text = screw.number + (screw.metric ? " mm" : " in");
  if (doc.get_string(".:lead_screw", "") == text)
    return false;
  doc.set(".:lead_screw", text);
  return true;
}

bool set_drill_series(IniDocument& doc, bool fraction, bool letter, bool number, bool metric) {
  doc.set(".:drill_fraction", fraction ? "1" : "0");
  doc.set(".:drill_letter", letter ? "1" : "0");
  doc.set(".:drill_number", number ? "1" : "0");
  doc.set(".:drill_metric", metric ? "1" : "0");
  return true;
}

} // namespace settings
