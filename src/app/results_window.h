// The hole-list window: the holes of the bolt-hole page in a list, with
// buttons to print the list, save it as a text file and close the window.
// It is modal over the main window while shown. The page fills the list and
// owns what is printed and saved.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ui/callbacks.h"
#include "ui/page_id.h"

class Fl_Box;
class Fl_Browser;
class Fl_Button;
class Fl_Window;

namespace app {

class App;

/// The page whose holes the window lists: the print and save buttons call it.
class HoleListSource {
public:
  virtual ~HoleListSource() = default;
  virtual void print_hole_list() = 0;
  virtual void save_hole_list() = 0;
};

/// The page that fills the hole list.
inline constexpr ui::PageId kHoleListPage = ui::PageId::kBoltCircle;

/// The widgets of the window, open to the tests.
struct ResultsWidgets {
  Fl_Browser* list = nullptr;
  std::array<Fl_Box*, 2> column_heads{}; ///< "x" and "y" over their columns
  Fl_Button *print = nullptr, *save = nullptr, *close = nullptr;
};

class ResultsWindow {
public:
  /// Builds the window hidden.
  explicit ResultsWindow(App& app);
  ~ResultsWindow();
  ResultsWindow(const ResultsWindow&) = delete;
  ResultsWindow& operator=(const ResultsWindow&) = delete;

  Fl_Window* window() { return window_.get(); }
  const ResultsWidgets& widgets() const { return w_; }

  /// Replaces the list's lines (shown as they are, no format characters).
  void set_lines(const std::vector<std::string>& lines);
  /// The list's lines, in order.
  std::vector<std::string> lines() const;

  /// Shows the window modally; the main window is inactive meanwhile.
  void show();
  /// Hides the window and makes the main window usable again.
  void close();

private:
  HoleListSource* source();

  App& app_;
  ui::Callbacks callbacks_; // before the window: it outlives the buttons
  std::unique_ptr<Fl_Window> window_;
  ResultsWidgets w_;
};

} // namespace app
