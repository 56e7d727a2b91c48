// The editor of the user's gauge block sets: the list of sets with a button
// for a new one and one that deletes the chosen one, the chosen set's name
// and unit, its blocks (one line a block, thinnest first) with check boxes,
// a size field and a count to add that many blocks, a button that removes
// the checked lines, and a close button. Every change goes to the settings
// file at once; the program's own sets are not shown and can't be changed.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/workshop/gauge_blocks.h"
#include "ui/callbacks.h"
#include "ui/enter_button.h"

class Fl_Box;
class Fl_Button;
class Fl_Check_Browser;
class Fl_Hold_Browser;
class Fl_Input;
class Fl_Round_Button;
class Fl_Spinner;
class Fl_Window;

namespace ui {
class NumberInput;
class PageContext;
}

namespace workshop {

/// The widgets of the window, open to the tests.
struct GaugeSetWidgets {
  Fl_Hold_Browser* sets = nullptr;
  Fl_Button *new_set = nullptr, *delete_set = nullptr;
  Fl_Input* name = nullptr;
  Fl_Round_Button *inch = nullptr, *mm = nullptr;
  Fl_Check_Browser* blocks = nullptr;
  ui::NumberInput* size = nullptr;
  Fl_Spinner* count = nullptr;
  ui::EnterButton* add = nullptr;
  Fl_Button *remove = nullptr, *close = nullptr;
  Fl_Box* message = nullptr;
};

class GaugeSetWindow {
public:
  /// `on_change` runs after every change stored.
  GaugeSetWindow(ui::PageContext& app, std::function<void()> on_change);
  ~GaugeSetWindow();
  GaugeSetWindow(const GaugeSetWindow&) = delete;
  GaugeSetWindow& operator=(const GaugeSetWindow&) = delete;

  /// Shows the window with the user's sets as the settings hold them, the
  /// set named `chosen` chosen when it is one of them.
  void open(const std::string& chosen);

  Fl_Window* window() { return window_.get(); }
  const GaugeSetWidgets& widgets() const { return w_; }
  const std::vector<GaugeBlockSet>& sets() const { return sets_; }

private:
  void choose(int index);
  void show_chosen();
  void new_set();
  void delete_set();
  void name_changed();
  void unit_chosen(bool metric);
  void add_blocks();
  void remove_checked();
  void store();
  GaugeBlockSet* chosen();

  ui::PageContext& context_;
  std::function<void()> on_change_;
  std::unique_ptr<Fl_Window> window_;
  GaugeSetWidgets w_;
  std::vector<GaugeBlockSet> sets_;
  int chosen_ = -1;
  ui::Callbacks callbacks_;
};

} // namespace workshop
