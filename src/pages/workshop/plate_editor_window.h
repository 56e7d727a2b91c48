// The hole-plate editor of the dividing-head page: the plates the selected
// head has, the known plates it lacks, buttons to move checked plates
// between the two, and a small dialog that adds a new plate to the known
// ones. The window only offers the actions; the dividing-head page does them
// (the settings file and its lists are the page's) through the hooks below.
#pragma once

#include <functional>
#include <memory>

#include "ui/callbacks.h"

class Fl_Button;
class Fl_Check_Browser;
class Fl_Window;

namespace ui {
class CheckedInput;
class PageContext;
} // namespace ui

namespace workshop {

using ui::CheckedInput;

/// The smallest and largest number of holes the new-plate dialog accepts;
/// other numbers are ignored.
inline constexpr int kNewPlateFewestHoles = 12;
inline constexpr int kNewPlateMostHoles = 193;

/// The new-plate dialog, built each time it opens.
struct NewPlateDialog {
  NewPlateDialog();
  ~NewPlateDialog();
  std::unique_ptr<Fl_Window> window;
  CheckedInput* number = nullptr; ///< in the right-click list while the dialog exists
  Fl_Button* ok = nullptr;
  Fl_Button* cancel = nullptr;
};

/// Builds the dialog hidden, its number field entered in the right-click
/// list (the caller takes it out again before destroying it).
std::unique_ptr<NewPlateDialog> build_new_plate_dialog(ui::PageContext& context);

/// The widgets of the editor, open to the tests and to the dividing-head page.
struct PlateEditorWidgets {
  /// The plates of the current head, one "%d" line each, checkable.
  Fl_Check_Browser* head_list = nullptr;
  /// The known plates the head lacks.
  Fl_Check_Browser* catalogue_list = nullptr;
  /// The arrows that move the checked plates out of the head and into it.
  Fl_Button *remove = nullptr, *add = nullptr;
  Fl_Button* new_plate_button = nullptr;
  Fl_Button* close = nullptr;
};

class PlateEditor {
public:
  /// Builds the window hidden.
  explicit PlateEditor(ui::PageContext& context);
  ~PlateEditor();
  PlateEditor(const PlateEditor&) = delete;
  PlateEditor& operator=(const PlateEditor&) = delete;

  Fl_Window* window() { return window_.get(); }
  const PlateEditorWidgets& widgets() const { return w_; }

  /// The checked lines of the head list go back to the catalogue.
  std::function<void()> on_remove;
  /// The checked lines of the catalogue go to the head.
  std::function<void()> on_add;
  /// The new-plate dialog was confirmed with an accepted number of holes.
  std::function<void(int holes)> on_new_plate;
  /// The window was closed.
  std::function<void()> on_close;

  /// The add and remove buttons are usable while a line of their list is checked.
  void update_buttons();
  /// The new-plate button: shows the dialog and waits until it is closed.
  void run_new_plate_dialog();
  /// The dialog while it is open, nullptr otherwise.
  NewPlateDialog* new_plate_dialog() { return dialog_.get(); }

  // The actions of the buttons, as the user triggers them.
  void remove_chosen();
  void add_chosen();
  void close();
  void confirm_new_plate();
  void cancel_new_plate();

private:
  void end_new_plate_dialog();

  ui::PageContext& context_;
  ui::Callbacks callbacks_; // before the windows: it outlives their buttons
  std::unique_ptr<Fl_Window> window_;
  PlateEditorWidgets w_;
  std::unique_ptr<NewPlateDialog> dialog_;
};

} // namespace workshop
