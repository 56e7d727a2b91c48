// A page's inch/millimetre radio pair and what hangs on it: the unit the
// page's length fields hold now, the fields that move with it, its State.ini
// key and its place under the Units button. Whichever button switches it,
// the fields are converted in place only when the unit really changes, and
// then the page recomputes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/page_context.h"

class Fl_Button;
class Fl_Input_;

namespace ui {

class StateBindings;

class UnitSwitch {
public:
  /// The fields that hold lengths now (a page may change them with its mode).
  using Fields = std::function<std::vector<Fl_Input_*>()>;

  /// Wires the pair's callbacks and registers it with the Units button.
  /// `changed` runs after every choice of a unit (the page's recompute).
  UnitSwitch(PageContext& context, UnitPairSlot slot, Fl_Button* inch, Fl_Button* mm, Fields fields,
             std::function<void()> changed);
  /// For a page whose values move otherwise than by converting fields in
  /// place: `convert` runs only when the unit really changes (after the
  /// pair shows the new unit), and nothing runs when it doesn't.
  UnitSwitch(PageContext& context, UnitPairSlot slot, Fl_Button* inch, Fl_Button* mm,
             std::function<void(bool to_metric)> convert);
  UnitSwitch(const UnitSwitch&) = delete;
  UnitSwitch& operator=(const UnitSwitch&) = delete;

  bool metric() const { return metric_; }
  /// A new page starts in the program's unit system; nothing is typed yet.
  void apply_settings();
  /// Saves and restores the pair under `key`; after a restore the fields
  /// hold what the pair shows.
  void bind_state(StateBindings& bindings, const std::string& key);
  /// The user or the Units button chose a unit.
  void choose(bool metric);
  /// Shows a unit the fields already hold (a stored setting), converting nothing.
  void show(bool metric);

private:
  PageContext& context_;
  Fl_Button* inch_;
  Fl_Button* mm_;
  Fields fields_;
  std::function<void()> changed_;
  std::function<void(bool)> convert_;
  bool metric_ = false;
};

} // namespace ui
