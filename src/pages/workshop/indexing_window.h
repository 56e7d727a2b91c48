// The dividing head's other ways of indexing, in a window of their own: an
// angle instead of a number of divisions, and differential indexing through
// change gears for a number that no circle of the head divides. The window
// reads the head (ratio, circles, change gears) from the page when it
// computes; the head's change gears are edited here and kept by the page.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/i18n/text_id.h"
#include "core/workshop/differential_indexing_calc.h"
#include "core/workshop/selected_head.h"
#include "ui/callbacks.h"

class Fl_Browser;
class Fl_Button;
class Fl_Input;

class Fl_Window;

namespace ui {
class NumberInput;
class PageContext;
}

namespace workshop {

class ChangeGearSetWindow;

/// The words of a differential setting in the user's language.
DifferentialTexts differential_words(const ui::PageContext& app);

/// The widgets of the window, open to the tests and to the dividing-head page.
struct IndexingWidgets {
  Fl_Input* angle = nullptr;
  ui::NumberInput* divisions = nullptr;
  /// The settings found for the angle and for the divisions.
  Fl_Browser *angle_list = nullptr, *differential_list = nullptr;
  /// Opens the editor of the head's change gears.
  Fl_Button* gears_button = nullptr;
};

class IndexingWindow {
public:
  /// `head` gives the selected head; `store_gears` keeps an edited gear list.
  IndexingWindow(ui::PageContext& app, std::function<DividingHead()> head,
                 std::function<void(const std::vector<int>&)> store_gears);
  ~IndexingWindow();
  IndexingWindow(const IndexingWindow&) = delete;
  IndexingWindow& operator=(const IndexingWindow&) = delete;

  /// Shows the window near the top left of `over`.
  void show(const Fl_Window* over);
  /// Shows it with differential indexing for `divisions`.
  void show_differential(long divisions, const Fl_Window* over);
  /// Fills both lists from the fields (a field that can't be used empties its list).
  void compute_angle();
  void compute_differential();

  Fl_Window* window() { return window_.get(); }
  const IndexingWidgets& widgets() const { return w_; }
  ChangeGearSetWindow& gear_editor() { return *gear_editor_; }

private:
  void build_angle();
  void build_differential();
  void set_up_field(Fl_Input* field, i18n::TextId caption, std::function<void()> changed);
  /// Why a head without a worm ratio gives no list.
  void add_no_ratio_lines(Fl_Browser* list);
  void open_gears();
  void gears_changed();
  std::string text(i18n::TextId entry) const;

  ui::PageContext& context_;
  std::function<DividingHead()> head_;
  std::function<void(const std::vector<int>&)> store_gears_;
  std::unique_ptr<Fl_Window> window_;
  IndexingWidgets w_;
  std::unique_ptr<ChangeGearSetWindow> gear_editor_;
  ui::Callbacks callbacks_;
};

} // namespace workshop
