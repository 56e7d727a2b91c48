// The window that lists the trains of a gear-ratio search: a heading, then
// one row per train, each pair written as a fraction, driven gear over
// driver, with "X" between the pairs, and the train's ratio and error; a
// print button and a close button under the list. The rows are labelled and
// their columns set as wide as the texts of the user's language need.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/gears/gear_ratio_calc.h"
#include "ui/callbacks.h"

class Fl_Box;
class Fl_Button;
class Fl_Double_Window;
class Fl_Group;

namespace ui {
class PageContext;
}

namespace gears {

/// The heading of the window and of the printed list: "<429> <ratio> : 1
/// <433> <tolerance>% <mode name>", with the texts as typed.
std::string results_heading(const ui::PageContext& app, const std::string& target,
                            const std::string& tolerance, ToleranceMode mode);

/// "<427> = <ratio, 8 wide> <428> = <error>", the text of a row.
std::string result_row_text(const ui::PageContext& app, const RatioResult& result);

/// The bar under a driver count: one underscore more for three-digit counts.
const char* fraction_bar(const RatioResult& result, int pair);

/// The widgets of the window, open to the tests.
struct RatioResultsWidgets {
  Fl_Box* heading = nullptr;
  Fl_Group* rows = nullptr;
  Fl_Button *print = nullptr, *close = nullptr;
};

class RatioResultsWindow {
public:
  /// Builds the window at (x, y), hidden. `on_print` and `on_close` run from
  /// its buttons; the window manager's close runs `on_close` too.
  RatioResultsWindow(const ui::PageContext& app, int x, int y, const std::string& heading,
                     const ResultList& results, std::function<void()> on_print,
                     std::function<void()> on_close);
  ~RatioResultsWindow();
  RatioResultsWindow(const RatioResultsWindow&) = delete;
  RatioResultsWindow& operator=(const RatioResultsWindow&) = delete;

  Fl_Double_Window* window() { return window_.get(); }
  /// Gives the window up, for a deletion once its callback has returned.
  Fl_Double_Window* release() { return window_.release(); }
  const RatioResultsWidgets& widgets() const { return w_; }

private:
  void measure(const ui::PageContext& app, const std::string& heading, const ResultList& results);
  void add_row(const ui::PageContext& app, const RatioResult& result, int index);

  /// Outlives the window: its buttons call back until it is gone.
  ui::Callbacks callbacks_;
  std::unique_ptr<Fl_Double_Window> window_;
  RatioResultsWidgets w_;
  std::function<void()> on_print_;
  std::function<void()> on_close_;
  int width_ = 0, heading_height_ = 0, label_width_ = 0, pairs_x_ = 0, text_x_ = 0;
};

} // namespace gears
