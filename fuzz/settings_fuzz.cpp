// The settings file as start-up meets it: any bytes as DoNotEditOrDelete.ini,
// then what the program does with it without its windows (the settings
// values, the language code, the dividing heads and their plates, choosing a
// head, editing plates), then writing it and reading it back: nothing the
// program wrote may read back differently.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "core/i18n/language_dirs.h"
#include "core/settings/settings_model.h"
#include "core/workshop/gauge_block_sets.h"

using settings::IniDocument;

namespace {

bool contains(const std::vector<int>& plates, int n) {
  return std::find(plates.begin(), plates.end(), n) != plates.end();
}

void check_ascending_positive(const std::vector<int>& plates, const std::string& what) {
  for (std::size_t i = 0; i < plates.size(); ++i) {
    FUZZ_CHECK(plates[i] > 0, what + ": a plate below 1");
    FUZZ_CHECK(i == 0 || plates[i - 1] < plates[i], what + ": plates out of order");
  }
}

bool same_values(const settings::SettingsValues& a, const settings::SettingsValues& b) {
  return a.language == b.language && a.measure == b.measure && a.last_head == b.last_head &&
         a.ratio == b.ratio && a.drill_fraction == b.drill_fraction &&
         a.drill_letter == b.drill_letter && a.drill_number == b.drill_number &&
         a.drill_metric == b.drill_metric && a.help_font_size == b.help_font_size;
}

// What the dividing head page does when a head is chosen.
int choose_head(IniDocument& doc, const std::string& name) {
  settings::select_head(doc, name);
  const std::string ratio_text = doc.get_string(".:ratio");
  for (char c : ratio_text)
    FUZZ_CHECK(c >= '0' && c <= '9', "ratio text '" + ratio_text + "' is not all digits");
  const long ratio = std::clamp<long>(doc.get_long(".:ratio", 0), 0, INT_MAX);
  FUZZ_CHECK(ratio >= 0, "negative worm ratio");
  return static_cast<int>(ratio);
}

void edit_plates(IniDocument& doc, const std::string& head, int new_plate) {
  const std::vector<int> owned = settings::head_plates(doc, head);
  check_ascending_positive(owned, "plates of '" + head + "'");
  const auto free = settings::free_plates(doc, head);
  if (free) {
    check_ascending_positive(*free, "free plates of '" + head + "'");
    for (int n : *free)
      FUZZ_CHECK(!contains(owned, n), "plate offered that the head already has");
  }
  if (!doc.has_section(head))
    return;
  if (free && !free->empty()) {
    const int n = free->front();
    FUZZ_CHECK(settings::add_plates_to_head(doc, head, {n}), "adding to an existing head failed");
    FUZZ_CHECK(contains(settings::head_plates(doc, head), n), "plate " + std::to_string(n) +
                                                                  " added to '" + head +
                                                                  "' is not there\n" + doc.dump());
  }
  if (!owned.empty()) {
    const int n = owned.back();
    FUZZ_CHECK(settings::remove_plates_from_head(doc, head, {n}),
               "removing from an existing head failed");
    FUZZ_CHECK(!contains(settings::head_plates(doc, head), n),
               "plate " + std::to_string(n) + " removed from '" + head + "' is still there\n" +
                   doc.dump());
  }
  if (settings::add_catalogue_plate(doc, new_plate)) {
    const auto now_free = settings::free_plates(doc, head);
    FUZZ_CHECK(now_free && (contains(*now_free, new_plate) ||
                            contains(settings::head_plates(doc, head), new_plate)),
               "catalogue plate " + std::to_string(new_plate) + " went missing\n" + doc.dump());
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = fuzz::scratch_path("settings");
  IniDocument doc;
  if (!fuzz::load_bytes(path, data, size, doc))
    return 0;

  // Start-up: the language code, the values, and the measure written when missing.
  const settings::SettingsValues values = settings::read_settings_values(doc);
  if (i18n::is_safe_language_code(values.language))
    (void)i18n::language_file_path("/program", values.language);
  if (values.measure.empty())
    doc.set(".:measure", "inch");

  // The dividing head page: the heads, the last one chosen, then each in turn
  // (a damaged file can have thousands of sections; a few are enough).
  const std::vector<std::string> heads = settings::head_display_names(doc);
  edit_plates(doc, values.last_head, static_cast<int>(size % 150) + 1);
  for (std::size_t i = 0; i < heads.size() && i < 4; ++i) {
    choose_head(doc, heads[i]);
    edit_plates(doc, heads[i], static_cast<int>(i * 37 + size) % 200 + 1);
  }

  // The helical-gear page's lead screw, and the sine-bar page's own gauge
  // block sets, stored again as the set editor stores them.
  (void)settings::read_lead_screw(doc);
  const std::vector<workshop::GaugeBlockSet> sets = workshop::user_gauge_sets(doc);
  workshop::store_user_gauge_sets(doc, sets);

  // Written once, the file reads back the same; written twice, exactly the same.
  const IniDocument again = fuzz::saved_and_reloaded(doc, path);
  fuzz::check_same_document(doc, again);
  FUZZ_CHECK(again.dump() == fuzz::saved_and_reloaded(again, path).dump(),
             "a second round trip changed the file\n" + again.dump());

  // And the next start reads the same settings, heads and plates.
  if (!fuzz::writes_exactly(doc))
    return 0;
  FUZZ_CHECK(
      same_values(settings::read_settings_values(doc), settings::read_settings_values(again)),
      "the settings values changed in a round trip\n" + doc.dump());
  FUZZ_CHECK(settings::head_display_names(doc) == settings::head_display_names(again),
             "the heads changed in a round trip\n" + doc.dump());
  for (std::size_t i = 0; i < heads.size() && i < 4; ++i)
    FUZZ_CHECK(settings::head_plates(doc, heads[i]) == settings::head_plates(again, heads[i]),
               "the plates of '" + heads[i] + "' changed in a round trip\n" + doc.dump());
  const std::vector<workshop::GaugeBlockSet> read_again = workshop::user_gauge_sets(again);
  FUZZ_CHECK(read_again.size() == sets.size() &&
                 std::equal(sets.begin(), sets.end(), read_again.begin(),
                            [](const workshop::GaugeBlockSet& a, const workshop::GaugeBlockSet& b) {
                              return a.name == b.name && a.metric == b.metric && a.blocks == b.blocks;
                            }),
             "the gauge block sets changed in a round trip\n" + doc.dump());
  return 0;
}
