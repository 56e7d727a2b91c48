// The gear-ratio search. The user gives the wanted ratio, the range
// of tooth counts, a tolerance in percent (both sides, above or below) and
// how many trains to list; Calculate searches trains of one to four pairs
// whose counts the dividing head can index and lists them in a window.
#pragma once

#include "ui/enter_button.h"
#include "ui/page_kit.h"
#include "core/gears/gear_ratio_calc.h"

namespace gears {

class RatioResultsWindow;
class WaitNotice;

/// The widgets of the page, open to the tests.
struct GearRatioWidgets {
  Fl_Box* explanation = nullptr;
  Fl_Int_Input* results_limit = nullptr;
  Fl_Input* target = nullptr;
  Fl_Int_Input* lowest = nullptr;
  Fl_Int_Input* highest = nullptr;
  std::array<Fl_Round_Button*, 3> mode{}; ///< both sides, above, below
  Fl_Input* tolerance = nullptr;
  ui::EnterButton* calculate = nullptr;
  Fl_Button* help = nullptr;
};

class GearRatioPage : public ui::Page {
public:
  explicit GearRatioPage(ui::PageContext& app);
  ~GearRatioPage() override;

  void build(Fl_Group& group) override;
  Fl_Input* focus_input() override;

  /// Runs the search with the fields as they stand. With the window the
  /// trains are listed in the results window (the main window stays
  /// inactive until it is closed); without it they are only returned. When
  /// nothing is found the user is told, in both cases.
  ResultList search(bool with_window);

  /// The search without the window, as another page asks for it: the
  /// request's texts stand in for the fields' while it runs.
  ResultList search_for(const ui::RatioSearchRequest& request);
  ui::RatioSearchRequest fields() const;
  void set_fields(const ui::RatioSearchRequest& fields);

  const GearRatioWidgets& widgets() const { return w_; }
  /// The results window while it is open, else nullptr.
  RatioResultsWindow* results_window() { return results_.get(); }
  /// The wait notice (shown while trains of four pairs are searched).
  WaitNotice* wait_notice() { return notice_.get(); }

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
  SearchInput read_input() const;
  ToleranceMode mode() const;
  std::string results_header() const;
  PairTable admitted_pairs() const;

  GearRatioWidgets w_;
  ResultList listed_; ///< the trains in the results window
  std::unique_ptr<RatioResultsWindow> results_;
  std::unique_ptr<WaitNotice> notice_;
};

} // namespace gears
