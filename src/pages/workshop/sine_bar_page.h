// The sine bar and its gauge blocks. The user gives the bar's length and
// either the angle or the height of the stack; the page shows the other, a
// warning above 60°, and the fewest blocks of the chosen set that make the
// height (with wear blocks at both ends if wanted), or the nearest heights
// the set makes when none does. Sets of the user's own are made in a window.
#pragma once

#include <memory>

#include "core/workshop/sine_bar_form.h"
#include "ui/page_kit.h"

namespace workshop {

class GaugeSetWindow;
class SineBarSketch;

/// The widgets of the page, open to the tests.
struct SineBarWidgets {
  Fl_Round_Button *inch = nullptr, *mm = nullptr;
  ui::CheckedInput* length = nullptr;
  Fl_Choice* common_lengths = nullptr;
  Fl_Round_Button *angle_to_height = nullptr, *height_to_angle = nullptr;
  ui::CheckedInput* angle = nullptr;
  ui::CheckedInput* height = nullptr;
  Fl_Output* height_result = nullptr;
  Fl_Output* angle_result = nullptr;
  Fl_Output* angle_dms = nullptr;
  Fl_Box* warning = nullptr;
  Fl_Choice* set = nullptr;
  Fl_Button* edit_sets = nullptr;
  Fl_Check_Button* wear = nullptr;
  ui::CheckedInput* wear_size = nullptr;
  Fl_Browser* blocks = nullptr;
  Fl_Output* count = nullptr;
  Fl_Output* stack_height = nullptr;
  Fl_Output* stack_angle = nullptr;
  Fl_Box* nearest = nullptr;
  SineBarSketch* sketch = nullptr;
  Fl_Button* print = nullptr;
  Fl_Button* help = nullptr;
};

class SineBarPage : public ui::Page {
public:
  explicit SineBarPage(ui::PageContext& app);
  ~SineBarPage() override;

  void build(Fl_Group& group) override;
  void enter_start_mode() override;
  void apply_settings() override;
  Fl_Input* focus_input() override;
  void load_state(const settings::IniDocument& state) override;

  const SineBarWidgets& widgets() const { return w_; }
  /// The set-up as the print shows it, nothing without a height.
  std::optional<std::vector<gears::JobSheetRow>> sheet() const;
  /// The sets the list offers: the program's, then the user's.
  const std::vector<GaugeBlockSet>& sets() const { return sets_; }
  GaugeSetWindow* set_window() { return set_window_.get(); }

private:
  void build_inputs();
  void build_stack();
  void bind_state();
  void restored() override;

  void mode_chosen();
  void common_length_chosen();
  /// Fills the set list from the program's sets and the settings, keeping
  /// the chosen set by its name where it still exists.
  void load_sets(const std::string& chosen);
  std::string chosen_set_name() const;
  void open_set_window();
  SineBarFormInput form_input() const;
  void recompute();
  void show(const SineBarForm& form);

  SineBarWidgets w_;
  std::unique_ptr<ui::UnitSwitch> units_;
  std::vector<GaugeBlockSet> sets_;
  /// The set chosen as State.ini names it, until the list is filled.
  std::string restored_set_;
  std::unique_ptr<GaugeSetWindow> set_window_;
};

} // namespace workshop
