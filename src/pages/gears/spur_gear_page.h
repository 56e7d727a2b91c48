// The spur gear. The user gives the tooth size (module, diametral
// pitch, or circular pitch in inch or mm), the pressure angle and the number
// of teeth; the page shows the tooth table in inch and mm, the module and
// diametral pitch, the form cutter and the measurement across teeth, beside a
// sketch that names the first seven rows.
#pragma once

#include <memory>

#include "core/gears/spur_gear_form.h"
#include "core/gears/spur_job_sheet_form.h"
#include "ui/page_kit.h"

namespace gears {

class gearing;
class JobSheetWindow;

/// The widgets of the page, open to the tests.
struct SpurGearWidgets {
  /// Module, diametral pitch, circular pitch inch, circular pitch mm.
  std::array<Fl_Round_Button*, 4> systems{};
  Fl_Group* angle_frame = nullptr;
  Fl_Round_Button *angle_14_5 = nullptr, *angle_20 = nullptr;
  ui::CheckedInput* pitch_value = nullptr;
  Fl_Group* fraction_frame = nullptr;
  ui::CheckedInput *whole = nullptr, *over = nullptr, *under = nullptr;
  ui::CheckedInput* teeth = nullptr;

  Fl_Output* module = nullptr;
  Fl_Output* diametral_pitch = nullptr;
  std::array<Fl_Output*, kSpurTableRows> inch{};
  std::array<Fl_Output*, kSpurTableRows> mm{};
  Fl_Output* cutter = nullptr;
  Fl_Output* span_text = nullptr;
  Fl_Output *span_inch = nullptr, *span_mm = nullptr;
  /// Another number of teeth to span; shown with the span.
  Fl_Spinner* span_teeth = nullptr;
  Fl_Box* status = nullptr;
  gearing* sketch = nullptr;
  Fl_Button* help = nullptr;
  /// Opens the job sheet; active while the page shows a gear.
  Fl_Button* job_sheet = nullptr;
};

class SpurGearPage : public ui::Page {
public:
  explicit SpurGearPage(ui::PageContext& app);
  ~SpurGearPage() override;

  void build(Fl_Group& group) override;
  void enter_start_mode() override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  const SpurGearWidgets& widgets() const { return w_; }
  /// The sheet of the gear on the page, nothing without a gear.
  std::optional<std::vector<JobSheetRow>> job_sheet() const;
  /// The window the button opened last (nullptr before).
  JobSheetWindow* job_sheet_window() { return job_sheet_window_.get(); }

private:
  void build_choices();
  void build_entries();
  void build_table();
  void build_results();
  void bind_state();
  void restored() override;

  /// Recomputes the page; `caller` is the field that changed, if any.
  void compute_spur_gear(Fl_Input* caller);
  /// A tooth-size radio chosen: a new gear.
  void select_pitch_system(PitchSystem system);
  /// Shows the widgets of a tooth-size system, keeping what is typed.
  void show_pitch_system(PitchSystem system);
  /// The same, and the fraction is emptied where the system has none.
  void change_pitch_system(PitchSystem system);
  /// The unit-system button: the same gear as a module or a diametral pitch.
  void switch_units(bool to_metric);
  void pressure_angle_chosen();
  /// A new gear: the span goes back to the standard number of teeth.
  void gear_changed();
  /// Writes what the form says.
  void show(const SpurGearForm& form);
  void show_span(const SpurSpan& span);
  void empty_fraction();
  void show_status(i18n::TextId label);
  void label_pitch_value(i18n::TextId label);
  void open_job_sheet();
  SpurGearFormInput form_input() const;
  SpurGearForm form() const;

  PitchSystem pitch_system() const;
  PressureAngle pressure_angle() const;

  /// What the unit-system button found and what it left, so that the next
  /// switch puts the page back as it was (a circular pitch, its fraction,
  /// 14.5°) while the page still shows what the button left.
  struct UnitsSwitched {
    PitchSystem from;
    std::array<std::string, 4> typed; ///< pitch value, whole, over, under
    bool at_14_5;
    PitchSystem to;
    std::string written;
    long span_teeth; ///< the count chosen before
  };

  SpurGearWidgets w_;
  std::optional<UnitsSwitched> units_switched_;
  /// The number of teeth the user chose to span; 0: the standard count.
  long span_teeth_ = 0;
  std::unique_ptr<JobSheetWindow> job_sheet_window_;
};

} // namespace gears
