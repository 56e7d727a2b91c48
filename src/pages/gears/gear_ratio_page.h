// The gear-ratio search. The user gives the wanted ratio, the range
// of tooth counts, a tolerance in percent (both sides, above or below) and
// how many trains to list; Calculate searches trains of one to four pairs
// whose counts the dividing head can index and lists them in a window.
#pragma once

#include "ui/enter_button.h"
#include "ui/page_kit.h"
#include "core/gears/gear_ratio_form.h"

namespace gears {

class RatioResultsWindow;

/// The widgets of the page, open to the tests.
struct GearRatioWidgets {
  Fl_Box* explanation = nullptr;
  ui::NumberInput* results_limit = nullptr;
  ui::NumberInput* target = nullptr;
  ui::NumberInput* lowest = nullptr;
  ui::NumberInput* highest = nullptr;
  std::array<Fl_Round_Button*, 3> mode{}; ///< both sides, above, below
  ui::NumberInput* tolerance = nullptr;
  ui::EnterButton* calculate = nullptr;
  Fl_Button* help = nullptr;
};

class GearRatioPage : public ui::Page {
public:
  explicit GearRatioPage(ui::PageContext& app);
  ~GearRatioPage() override;

  void build(Fl_Group& group) override;
  Fl_Input* focus_input() override;

  /// Runs the search with the fields as they stand and lists the trains in
  /// the results window (the main window stays inactive until it is
  /// closed). When nothing is found the user is told.
  void search();
  RatioSearchRequest fields() const;

  const GearRatioWidgets& widgets() const { return w_; }
  /// The results window while it is open, else nullptr.
  RatioResultsWindow* results_window() { return results_.get(); }
  /// The trains in the results window.
  const ResultList& listed() const { return listed_; }

  /// Enables Calculate when the tooth counts and the ratio can be searched;
  /// a bad count is shown in red and gets the focus.
  void validate_inputs();
  /// Closes the results window and forgets its trains.
  void close_results();
  /// Prints the listed trains, then closes the window.
  void print_results();

private:
  void build_limit_and_target();
  void build_tooth_range();
  void build_tolerance();
  void build_buttons();
  void bind_state();
  void restored() override;

  void target_changed();
  void tolerance_left();
  ToleranceMode mode() const;
  std::string results_header() const;

  GearRatioWidgets w_;
  ResultList listed_; ///< the trains in the results window
  std::unique_ptr<RatioResultsWindow> results_;
};

} // namespace gears
