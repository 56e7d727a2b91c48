// The helical gear and how to mill it. The user gives the normal tooth size
// (module or diametral pitch), pressure angle, teeth, helix angle and hand,
// and optionally the mating gear's teeth; the page shows the gear's sizes in
// inch and mm, the form cutter, and the set-up on the dividing head selected
// on its own page: the machine lead from the table's lead screw (kept in the
// settings file), the change-gear trains for the lead and where each gear
// goes, the table's swivel with a sketch, the idlers and the indexing.
#pragma once

#include <memory>

#include "core/gears/helical_gear_form.h"
#include "ui/page_kit.h"

namespace gears {

class JobSheetWindow;
class SwivelSketch;

/// The widgets of the page, open to the tests.
struct HelicalGearWidgets {
  Fl_Round_Button *module = nullptr, *diametral_pitch = nullptr;
  Fl_Round_Button *angle_14_5 = nullptr, *angle_20 = nullptr;
  Fl_Round_Button *right_hand = nullptr, *left_hand = nullptr;
  ui::CheckedInput* pitch = nullptr;
  ui::CheckedInput* teeth = nullptr;
  ui::CheckedInput* helix = nullptr;
  ui::CheckedInput* mating = nullptr;

  Fl_Output* transverse_module = nullptr;
  Fl_Output* transverse_diametral_pitch = nullptr;
  Fl_Output* equivalent_teeth = nullptr;
  Fl_Output* cutter = nullptr;
  Fl_Output* ratio = nullptr;
  std::array<Fl_Output*, kHelicalTableRows> inch{};
  std::array<Fl_Output*, kHelicalTableRows> mm{};

  SwivelSketch* sketch = nullptr;
  Fl_Output* head = nullptr;
  ui::CheckedInput* lead_screw = nullptr;
  Fl_Round_Button *lead_screw_inch = nullptr, *lead_screw_mm = nullptr;
  Fl_Output* machine_lead = nullptr;
  Fl_Choice* trains = nullptr;
  /// Lead screw, first and second on the stud, worm.
  std::array<Fl_Output*, 4> places{};
  Fl_Output* lead_cut = nullptr;
  Fl_Output* error = nullptr;
  Fl_Output* swivel = nullptr;
  Fl_Box* swivel_direction = nullptr;
  Fl_Box* idlers = nullptr;
  Fl_Output* indexing = nullptr;
  Fl_Box* status = nullptr;
  Fl_Button* job_sheet = nullptr;
  Fl_Button* help = nullptr;
};

class HelicalGearPage : public ui::Page {
public:
  explicit HelicalGearPage(ui::PageContext& app);
  ~HelicalGearPage() override;

  void build(Fl_Group& group) override;
  void enter_start_mode() override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  const HelicalGearWidgets& widgets() const { return w_; }
  /// The sheet of the gear and set-up on the page, nothing without a gear.
  std::optional<std::vector<JobSheetRow>> job_sheet() const;
  /// The window the button opened last (nullptr before).
  JobSheetWindow* job_sheet_window() { return job_sheet_window_.get(); }

private:
  void build_choices();
  void build_entries();
  void build_sizes();
  void build_milling();
  void build_results();
  void bind_state();
  void restored() override;

  PitchSystem pitch_system() const;
  HelicalGearFormInput form_input() const;
  /// Recomputes and shows everything.
  void recompute();
  void show(const HelicalGearForm& form);
  void show_milling(const HelicalMillingForm& milling);
  void show_system(PitchSystem system);
  void system_chosen(PitchSystem system);
  /// The Units button: the same gear as a module or a diametral pitch.
  void switch_units(bool to_metric);
  void lead_screw_changed();
  void open_job_sheet();

  /// What the Units button found and wrote, so that the next switch puts
  /// back exactly what was typed while the field still shows what it wrote.
  struct UnitsSwitched {
    std::string typed;
    std::string written;
  };

  HelicalGearWidgets w_;
  std::unique_ptr<ui::UnitSwitch> lead_screw_units_;
  std::optional<UnitsSwitched> units_switched_;
  /// The train chosen in the list; the first when the list is shorter.
  std::size_t train_ = 0;
  std::unique_ptr<JobSheetWindow> job_sheet_window_;
};

} // namespace gears
