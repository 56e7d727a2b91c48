// The editor of the user's change gears: the list of tooth counts (one line
// per gear, ascending, a gear owned twice listed twice) with check boxes, a
// tooth-count field and a count to add that many gears, a button that
// removes the checked lines, and a close button.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/callbacks.h"
#include "ui/enter_button.h"

class Fl_Button;
class Fl_Check_Browser;
class Fl_Group;

class Fl_Spinner;
class Fl_Window;

namespace ui {
class NumberInput;
class PageContext;
}

namespace workshop {

/// The widgets of the window, open to the tests.
struct ChangeGearSetWidgets {
  Fl_Check_Browser* list = nullptr;
  ui::NumberInput* teeth = nullptr;
  Fl_Spinner* count = nullptr;
  ui::EnterButton* add = nullptr;
  Fl_Button *remove = nullptr, *close = nullptr;
};

class ChangeGearSetWindow {
public:
  /// `on_change` runs after every add and remove, `on_close` when the window
  /// is closed (its button or the window manager).
  ChangeGearSetWindow(const ui::PageContext& app, std::function<void()> on_change,
                      std::function<void()> on_close);
  ~ChangeGearSetWindow();
  ChangeGearSetWindow(const ChangeGearSetWindow&) = delete;
  ChangeGearSetWindow& operator=(const ChangeGearSetWindow&) = delete;

  /// Sets the title and the labels from the current language.
  void relabel();

  std::vector<std::string> lines() const;
  /// Replaces the list (kept as given: the caller passes it sorted).
  void set_lines(const std::vector<std::string>& lines);

  /// Adds the typed tooth count as many times as the spinner says.
  void add_gears();
  /// Removes every checked line.
  void remove_checked();

  Fl_Window* window() { return window_.get(); }
  const ChangeGearSetWidgets& widgets() const { return w_; }

private:
  void teeth_changed();
  void count_changed();
  void list_changed();

  const ui::PageContext& context_;
  std::unique_ptr<Fl_Window> window_;
  ChangeGearSetWidgets w_;
  Fl_Group* add_group_ = nullptr;
  std::function<void()> on_change_;
  std::function<void()> on_close_;
  ui::Callbacks callbacks_;
};

} // namespace workshop
