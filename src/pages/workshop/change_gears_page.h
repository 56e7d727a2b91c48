// Change gears for screw cutting. The user keeps a list of the
// change gears at hand, chooses what to cut, and types the pitch to make,
// the lead screw's pitch and an allowed error. For threads the page lists
// the best trains of the user's gears (or, when none fits, offers the
// gear-ratio search over all tooth counts); for worms it gives one 22/7 pair.
#pragma once

#include "core/gears/gear_ratio_calc.h"
#include "core/workshop/change_gears_form.h"
#include "ui/enter_button.h"
#include "ui/page_kit.h"

namespace workshop {

class ChangeGearResultsWindow;
class ChangeGearSetWindow;

/// The widgets of the page, open to the tests.
struct ChangeGearsWidgets {
  Fl_Box* explanation = nullptr;
  Fl_Group* mode_group = nullptr;
  /// The modes across inch and metric, in a row of their own.
  Fl_Group* mixed_group = nullptr;
  std::array<Fl_Round_Button*, kChangeGearModes> mode{}; ///< by mode index
  ui::NumberInput* pitch_to_make = nullptr;
  Fl_Box* pitch_caption = nullptr;
  ui::NumberInput* lead_screw = nullptr;
  Fl_Box* lead_screw_caption = nullptr;
  ui::NumberInput* error = nullptr;
  Fl_Button* gear_set = nullptr;
  ui::EnterButton* calculate = nullptr;
  Fl_Button* help = nullptr;
  Fl_Group* worm_group = nullptr;
  Fl_Output* first_gear = nullptr;
  Fl_Output* second_gear = nullptr;
  Fl_Box* warning = nullptr;
};

class ChangeGearsPage : public ui::Page {
public:
  explicit ChangeGearsPage(ui::PageContext& app);
  ~ChangeGearsPage() override;

  void build(Fl_Group& group) override;
  Fl_Input* focus_input() override;

  const ChangeGearsWidgets& widgets() const { return w_; }
  ChangeGearSetWindow* gear_set_window() { return gear_set_.get(); }
  /// The results window while it is open, else nullptr.
  ChangeGearResultsWindow* results_window() { return results_.get(); }

  /// The gears in the list, as their lines.
  std::vector<std::string> gear_lines() const;
  void set_gear_lines(const std::vector<std::string>& lines);

  void open_gear_set();
  void close_gear_set();
  void calculate();
  void close_results();
  void print_results();
  /// Empties the results and enables Calculate when the gears and pitches
  /// allow a computation.
  void recheck();

private:
  void build_modes();
  void build_mixed_modes();
  void build_inputs();
  void build_buttons();
  void build_worm_pair();
  void bind_state();
  void save_gears(settings::IniDocument& state, const std::string& section) const;
  void load_gears(const settings::IniDocument& state, const std::string& section);
  void restored() override;

  ChangeGearMode mode() const;
  ChangeGearsFormInput form_input() const;
  /// Sets the unit captions of the mode chosen.
  void show_mode();
  /// Sets the button of `index` alone: the modes sit in two groups.
  void choose_mode(size_t index);
  void mode_chosen(size_t index);
  void error_left();
  void search_trains(double target);
  void show_trains(const gears::ResultList& trains);
  void show_worm_pair(const WormPairView& pair);
  std::string results_heading() const;

  ChangeGearsWidgets w_;
  std::unique_ptr<ChangeGearSetWindow> gear_set_;
  std::unique_ptr<ChangeGearResultsWindow> results_;
  gears::ResultList listed_; ///< the trains in the results window
};

} // namespace workshop
