// A pair of straight bevel gears to cut with a dividing head. The
// user gives the tooth size (diametral pitch or module), a miter pair or a
// pinion and gear with their tooth counts, and the shaft angle; the page
// shows each gear's diameters, angles, face width, form cutter and
// dividing-head setting with the holes for a quarter and a half tooth, and
// prints them. The page is taller than the window and scrolls.
#pragma once

#include "ui/page_kit.h"
#include "core/gears/bevel_gear_form.h"
#include "pages/gears/bevel_gear_print.h"

namespace gears {

class bevel_gear_draw;

/// One result column: a value per row, and degrees, minutes and seconds in
/// place of the two angle rows' values.
struct BevelColumnWidgets {
  Fl_Group* frame = nullptr;
  std::array<Fl_Output*, kBevelRowCount> values{};
  std::array<std::array<Fl_Output*, 3>, 2> angle_dms{}; ///< pitch angle, complement
};

/// The widgets of the page, open to the tests.
struct BevelGearWidgets {
  Fl_Scroll* scroll = nullptr;
  bevel_gear_draw* sketch = nullptr;
  std::array<Fl_Box*, 5> legend{};
  Fl_Button* help = nullptr;
  Fl_Round_Button *inch = nullptr, *mm = nullptr;
  Fl_Round_Button *decimal = nullptr, *dms = nullptr;
  Fl_Round_Button* diametral_pitch = nullptr;
  Fl_Round_Button* module = nullptr;
  Fl_Round_Button* miter = nullptr;
  Fl_Round_Button* pinion_and_gear = nullptr;
  ui::NumberInput* pitch = nullptr;
  Fl_Group* pair_frame = nullptr;
  ui::NumberInput* pinion_teeth = nullptr;
  ui::NumberInput* gear_teeth = nullptr;
  Fl_Group* miter_frame = nullptr;
  ui::NumberInput* miter_teeth = nullptr;
  ui::NumberInput* shaft_angle = nullptr;
  Fl_Group* shaft_dms_frame = nullptr;
  std::array<ui::CheckedInput*, 3> shaft_dms{};
  std::array<Fl_Output*, kBevelRowCount> row_texts{};
  BevelColumnWidgets left;
  BevelColumnWidgets right;
  Fl_Box* face_width_minimum = nullptr;
  Fl_Box* face_width_maximum = nullptr;
  ui::NumberInput* face_width = nullptr;
  Fl_Slider* face_width_slider = nullptr;
  Fl_Button* print = nullptr;
};

class BevelGearPage : public ui::Page {
public:
  explicit BevelGearPage(ui::PageContext& app) : Page(app, ui::PageId::kBevelGear) {}

  void build(Fl_Group& group) override;
  void enter_start_mode() override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  const BevelGearWidgets& widgets() const { return w_; }
  /// The sheets the print button prints now (none without a result).
  std::vector<BevelPrintSheet> print_sheets() const;

private:
  void build_sketch_and_choices();
  void build_entries();
  void build_results();
  void build_face_width();
  BevelColumnWidgets build_column(int x, int value_x);

  void bind_state();
  void restored() override;

  // Handlers of the widgets.
  void pitch_changed();
  void shaft_angle_changed(bool from_dms);
  void face_width_typed();
  void face_width_slid();
  void unit_changed();
  /// The face width typed lies outside its limits and is not in use.
  bool face_width_refused() const;
  void angle_format_changed();
  void pitch_kind_changed();
  void gear_set_changed();

  /// The limits and standard width of the pitch as it stands.
  void take_pitch();
  /// Reads every input, colours the tooth counts, solves and shows; also
  /// the handler of the tooth counts.
  void recompute();
  void show_column(const BevelColumnWidgets& column, const BevelColumnTexts& texts);
  void show_no_results();
  /// The face-width limits, slider and field for the current pitch and unit.
  void refresh_face_width();
  void label_columns();
  void show_gear_set_layout();
  void show_pitch_kind();

  bool miter() const;
  BevelGearSet gear_set() const;
  BevelPitchKind pitch_kind() const;
  /// None while a field of the degrees-minutes-seconds angle is red.
  std::optional<double> shaft_angle_value() const;
  ui::DmsFields shaft_triple() const;
  BevelPrintSheet print_sheet(bool gear_column) const;

  BevelGearWidgets w_;
  std::optional<FaceWidthLimits> limits_;
  Length face_width_; ///< the width in use (the field may show a red one)
  /// The width State.ini held, put in once the restored pitch gives its limits.
  std::string restored_face_width_;
  std::unique_ptr<ui::UnitSwitch> units_;
  std::optional<BevelGear> result_;
};

} // namespace gears
