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
#include "core/i18n/string_table.h"
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
}

namespace ui {

class RatioSearch;
class CheckedFields;

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
  kHelicalGearSystem,
  kHelicalLeadScrew,
  kSineBar,
  kTaper,
  kCount
};

class PageContext {
public:
  virtual ~PageContext() = default;

  // ---- texts and messages ----
  /// The texts of the current language (empty until one is loaded).
  virtual const i18n::StringTable& strings() const = 0;
  /// Entry i of the string table, or nullptr when the language lacks it.
  const char* lang(int entry) const { return strings().get(entry); }
  /// Entry i, or `fallback` when the language lacks it.
  std::string lang_or(int entry, const char* fallback) const {
    const char* text = lang(entry);
    return text ? text : fallback;
  }
  /// The same for a named entry (the pages' way to ask).
  const char* lang(i18n::TextId text) const { return lang(text.entry); }
  std::string lang_or(i18n::TextId text, const char* fallback) const {
    return lang_or(text.entry, fallback);
  }
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
  /// The fields of the right-click menu, and whether a range message is due.
  virtual CheckedFields& checked_fields() = 0;

  // ---- settings ----
  /// The settings as they are now (the file's contents and this program's changes).
  virtual const settings::IniDocument& settings() const = 0;
  /// Changes the settings through one of the settings model's setters, which
  /// says whether it changed anything; a change is written to the file at
  /// once. Returns what the setter said.
  virtual bool change_settings(const std::function<bool(settings::IniDocument&)>& setter) = 0;

  // ---- services of other pages and windows ----
  /// The dividing head chosen on the dividing-head page, as it is now.
  virtual workshop::DividingHead dividing_head() const = 0;
  /// The gear-ratio search with the gear-ratio page's tolerance mode.
  virtual RatioSearch& ratio_search() = 0;
};

} // namespace ui
