// The hole-list window: the holes of the bolt-hole page in a list, with
// buttons to print the list, save it as a text file and close the window.
// It is modal over the main window while shown. The bolt-hole page fills the
// list and owns what is printed and saved.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/callbacks.h"

class Fl_Box;
class Fl_Browser;
class Fl_Button;
class Fl_Window;

namespace geometry {

/// The widgets of the window, open to the tests.
struct HoleListWidgets {
  Fl_Browser* list = nullptr;
  std::array<Fl_Box*, 2> column_heads{}; ///< "x" and "y" over their columns
  Fl_Button *print = nullptr, *save = nullptr, *close = nullptr;
};

class HoleListWindow {
public:
  /// Builds the window hidden; its print and save buttons call the page.
  HoleListWindow(const char* title, std::function<void()> print, std::function<void()> save);
  ~HoleListWindow();
  HoleListWindow(const HoleListWindow&) = delete;
  HoleListWindow& operator=(const HoleListWindow&) = delete;

  Fl_Window* window() { return window_.get(); }
  const HoleListWidgets& widgets() const { return w_; }

  /// Replaces the list's lines (shown as they are, no format characters).
  void set_lines(const std::vector<std::string>& lines);
  /// The list's lines, in order.
  std::vector<std::string> lines() const;

  /// Shows the window modally; `over` is inactive meanwhile.
  void show(Fl_Window* over);
  /// Hides the window and makes the window it was shown over usable again.
  void close();

private:
  ui::Callbacks callbacks_; // before the window: it outlives the buttons
  std::unique_ptr<Fl_Window> window_;
  HoleListWidgets w_;
  Fl_Window* over_ = nullptr;
};

} // namespace geometry
