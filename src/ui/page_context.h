// What a calculator page may ask of the program around it: the texts of the
// current language, the dialogs, help, the unit system and the Units
// button's registry, the settings it reads or asks to change, the checked
// fields' bookkeeping, the dividing head and the gear-ratio search. The
// application implements it; a page sees nothing else of the program.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/gears/gear_ratio_calc.h"
#include "core/i18n/text_id.h"
#include "core/workshop/selected_head.h"
#include "ui/dialogs.h"
#include "ui/page_id.h"

class Fl_Button;
class Fl_Input;
class Fl_Window;

namespace i18n {
class StringTable;
}
namespace settings {
class IniDocument;
struct SettingsValues;
} // namespace settings

namespace ui {

struct InputRange;
class RatioSearch;

/// The inch/millimetre radio pairs of the pages, in the order the Units
/// button switches them.
enum class UnitPairSlot {
  kSpurGearSystem,
  kOverPinsSystem,
  kCircleSegment,
  kRightTriangle,
  kObliqueTriangle,
  kDovetail,
  kBoltCircle,
  kPolygon,
  kThreadWires,
  kDovetailMeasurement,
  kWormGear,
  kBevelGear,
  kOverPinsLengths,
  kCount
};

class PageContext {
public:
  virtual ~PageContext() = default;

  // ---- texts and messages ----
  /// Entry i of the string table, or nullptr when the language lacks it.
  virtual const char* lang(int entry) const = 0;
  /// Entry i, or `fallback` when the language lacks it.
  virtual std::string lang_or(int entry, const char* fallback) const = 0;
  /// The same for a named entry (the pages' way to ask).
  const char* lang(i18n::TextId text) const { return lang(text.entry); }
  std::string lang_or(i18n::TextId text, const char* fallback) const {
    return lang_or(text.entry, fallback);
  }
  virtual const i18n::StringTable& strings() const = 0;
  /// A page's name as its navigation button shows it (nullptr when the
  /// language lacks it).
  virtual const char* page_name(PageId page) const = 0;
  virtual Dialogs& dialogs() = 0;
  virtual void show_help(HelpTopic topic) = 0;
  [[noreturn]] virtual void fatal_error(const std::string& message) = 0;

  // ---- units ----
  /// 0 inch, 1 metric.
  virtual int unit_system() const = 0;
  /// A page's inch/millimetre pair, switched by the Units button. A page
  /// that moves its own values to the other system passes `switch_to`.
  virtual void register_unit_pair(UnitPairSlot slot, Fl_Button* inch, Fl_Button* metric,
                                  std::function<void(bool to_metric)> switch_to) = 0;
  void register_unit_pair(UnitPairSlot slot, Fl_Button* inch, Fl_Button* metric) {
    register_unit_pair(slot, inch, metric, nullptr);
  }

  // ---- checked fields ----
  /// Enters a field in the right-click popup's list; takes it out again.
  virtual void register_checked_input(Fl_Input* field) = 0;
  virtual void unregister_checked_input(Fl_Input* field) = 0;
  /// Set on every key press in a checked field, cleared once the range
  /// message has been shown: one message per burst of typing.
  virtual bool& range_message_pending() = 0;

  // ---- settings ----
  virtual settings::IniDocument& settings_doc() = 0;
  virtual const settings::SettingsValues& settings_values() const = 0;
  /// Writes the settings file at once.
  virtual void write_settings() = 0;
  /// Stores which drill series the thread page lists (each 0 or 1).
  virtual void store_drill_series(int fraction, int letter, int number, int metric) = 0;

  // ---- services of other pages and windows ----
  /// The dividing head chosen on the dividing-head page, as it is now.
  virtual workshop::DividingHead dividing_head() const = 0;
  /// The gear-ratio search with the gear-ratio page's tolerance mode.
  virtual RatioSearch& ratio_search() = 0;
};

} // namespace ui
