// The trains of change gears found for a thread, one framed row each: the
// spindle's gear, an arrow, the gear it drives, and so on to the lead screw,
// with the train's error. Gears the set can't supply are red, and a key
// under the trains says so; on paper they are starred, with a key of their
// own. The list can be printed.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/gears/gear_ratio_calc.h"
#include "ui/callbacks.h"

class Fl_Box;
class Fl_Button;
class Fl_Double_Window;
class Fl_Paged_Device;

namespace ui {
class PageContext;
}

namespace workshop {

/// The rows of the window and of the paper.
inline constexpr int kChangeGearRows = 10;

/// Pairs a row can show: three of the user's gears, or four from the
/// gear-ratio search (the fourth on the lower line, after the third).
inline constexpr int kChangeGearPairs = 4;

/// The widgets of one row, all hidden until the row is used.
struct ChangeGearRow {
  Fl_Box* frame = nullptr;
  Fl_Box* label = nullptr;
  std::array<Fl_Box*, kChangeGearPairs> driver{};
  std::array<Fl_Box*, kChangeGearPairs> arrow{};
  std::array<Fl_Box*, kChangeGearPairs> driven{};
  std::array<Fl_Box*, kChangeGearPairs> end{};
  Fl_Box* error = nullptr;
};

/// The widgets of the window, open to the tests.
struct ChangeGearResultsWidgets {
  Fl_Box* heading = nullptr;
  std::array<ChangeGearRow, kChangeGearRows> rows{};
  Fl_Box* key = nullptr; ///< shown when a gear is red
  Fl_Button *print = nullptr, *close = nullptr;
};

class ChangeGearResultsWindow {
public:
  /// Builds the window at (x, y) with a row per train (ten at most); gears
  /// that the set `owned` (its lines) can't supply are red.
  ChangeGearResultsWindow(const ui::PageContext& app, int x, int y, const std::string& heading,
                          const gears::ResultList& results, const std::vector<std::string>& owned,
                          std::function<void()> on_print, std::function<void()> on_close);
  ~ChangeGearResultsWindow();
  ChangeGearResultsWindow(const ChangeGearResultsWindow&) = delete;
  ChangeGearResultsWindow& operator=(const ChangeGearResultsWindow&) = delete;

  Fl_Double_Window* window() { return window_.get(); }
  Fl_Double_Window* release() { return window_.release(); }
  const ChangeGearResultsWidgets& widgets() const { return w_; }

private:
  void build_row(int i, int top);
  void fill_row(int i, const gears::RatioResult& result, const std::vector<bool>& missing);

  const ui::PageContext& context_;
  std::unique_ptr<Fl_Double_Window> window_;
  ChangeGearResultsWidgets w_;
  std::function<void()> on_print_;
  std::function<void()> on_close_;
  ui::Callbacks callbacks_;
  int end_width_ = 0, error_x_ = 0, error_width_ = 0, frame_width_ = 0;
};

/// Draws the heading and the trains on a device whose job is started (one
/// page), a star after each gear the set `owned` can't supply. Returns false
/// when the device has no printable area.
bool draw_change_gear_results(Fl_Paged_Device& device, const ui::PageContext& app,
                              const std::string& heading, const gears::ResultList& results,
                              const std::vector<std::string>& owned);

/// The print dialog in the user's language, then the list; false when the
/// dialog was cancelled or the printer refused.
bool print_change_gear_results(ui::PageContext& app, const std::string& heading,
                               const gears::ResultList& results,
                               const std::vector<std::string>& owned);

} // namespace workshop
