// The settings file's contents: its keys and defaults, the dividing heads
// with their hole plates, and the plate editing operations. Pure: works on an
// IniDocument; writing the file and showing lists are the caller's business.
//
// File layout (DoNotEditOrDelete.ini):
//   [.]            language, last, ratio, measure, drill_*, help_font_size
//   [hole plates]  the catalogue: one key per known plate, "<n> = n"
//   [<head>]       one section per dividing head, in choice order:
//                  "0 = <display name>", then "<n> = n" per plate it owns,
//                  and "gears = 24, 24, 28, ..." its change gears for
//                  differential indexing (absent: the defaults of its ratio)
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/settings/ini_document.h"

namespace settings {

inline constexpr const char* kCatalogueSection = "hole plates";
/// The user's gauge block sets: no dividing head.
inline constexpr const char* kGaugeBlockSetsSection = "gauge block sets";
inline constexpr int kHelpFontSizeUnset = -1000;

/// The single settings of section ".", read with their defaults.
struct SettingsValues {
  std::string language;   ///< ".:language", "en" when absent
  std::string measure;    ///< ".:measure", "inch" or "metric"; "" when absent
  std::string last_head;  ///< ".:last", default "Brown and Sharp 40-1"
  int ratio = 0;          ///< ".:ratio", worm ratio of the last head; 0 if none or too big
  int drill_fraction = 0; ///< ".:drill_fraction", 1 = show the fractional drills
  int drill_letter = 0;   ///< ".:drill_letter"
  int drill_number = 0;   ///< ".:drill_number"
  int drill_metric = 0;   ///< ".:drill_metric"
  int help_font_size = kHelpFontSizeUnset; ///< ".:help_font_size", -1000 = viewer default
};

SettingsValues read_settings_values(const IniDocument& doc);

/// Fills `doc` (expected empty) with the first-run defaults: section "."
/// with last/ratio/measure/drill_*/help_font_size, the 72-plate catalogue and
/// the nine default heads with their plates. The language is not set here.
void fill_default_settings(IniDocument& doc);

/// The worm ratio in a head's display name: the digits right in front of its
/// last '-' ("Phase II 72-1" -> "72", "36-1" -> "36"); "" when there are none.
std::string ratio_text_from_head_name(const std::string& display_name);

/// Display names of the dividing heads (value of "<head>:0", "void" when the
/// key is missing), in file order; sections ".", "hole plates", "gauge block
/// sets" and "" are not heads.
std::vector<std::string> head_display_names(const IniDocument& doc);

/// Plates owned by a head (its keys except "0"), ascending; values that are
/// not positive whole numbers are skipped. Empty for an unknown head.
std::vector<int> head_plates(const IniDocument& doc, const std::string& head);

/// Catalogue plates the head doesn't own, ascending. nullopt when the
/// catalogue section is missing or holds no usable plate (the file is damaged).
std::optional<std::vector<int>> free_plates(const IniDocument& doc, const std::string& head);

/// Whether a loaded settings file can be used: it must hold at least one
/// catalogue plate and one dividing head. A file cut short (what a crash of
/// an older writer leaves: empty, or ending before the heads) holds neither
/// and is damaged, not a choice of the user.
bool settings_are_complete(const IniDocument& doc);

/// Gives the head each plate ("<head>:<n> = n"). Returns false when the head
/// has no section.
bool add_plates_to_head(IniDocument& doc, const std::string& head, const std::vector<int>& plates);

/// Takes the plates away from the head. Returns false when the head has no section.
bool remove_plates_from_head(IniDocument& doc, const std::string& head,
                             const std::vector<int>& plates);

/// Adds plate n to the catalogue; false when it is already there.
bool add_catalogue_plate(IniDocument& doc, int n);

/// Makes `name` the chosen head, with the worm ratio its name gives.
bool select_head(IniDocument& doc, const std::string& name);

/// Which drill series the thread page lists.
bool set_drill_series(IniDocument& doc, bool fraction, bool letter, bool number, bool metric);

/// The gears a head's set may hold, as the gear editor takes them: a tooth
/// count from the smallest to the largest change gear, each at most so often.
inline constexpr int kFewestGearTeeth = 12;
inline constexpr int kMostGearTeeth = 400;
inline constexpr int kMostGearCopies = 4;

/// The change gears of a head, as the file lists them (a gear owned twice
/// listed twice); `defaults` when the head has no gear list yet. An empty
/// list is the user's choice and stays empty.
std::vector<int> head_gears(const IniDocument& doc, const std::string& head,
                            const std::vector<int>& defaults);

/// Stores the head's change gears. Returns false when the head has no section.
bool set_head_gears(IniDocument& doc, const std::string& head, const std::vector<int>& gears);

/// The lead of the milling table's lead screw, ".:lead_screw": a plain
/// decimal and its unit, "0.25 in" or "6 mm".
struct LeadScrew {
  std::string number = "0.25";
  bool metric = false;
  bool operator==(const LeadScrew& other) const {
    return number == other.number && metric == other.metric;
  }
};

/// The lead screw the file names; 0.25 in when it names none or one that
/// can't be read (no number, nothing above 0, no unit, or an absurd size).
LeadScrew read_lead_screw(const IniDocument& doc);

/// Stores the lead screw; false when the file holds it already.
bool set_lead_screw(IniDocument& doc, const LeadScrew& screw);

/// A plate value: a positive whole number written in decimal, else nullopt.
std::optional<int> parse_plate(const std::string& text);

} // namespace settings
