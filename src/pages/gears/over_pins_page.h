// Gear measurement over pins. The user gives the tooth size in one
// of four systems (a circular pitch in inches also as a fraction), the tooth
// count, the pressure angle, the pin diameter and the measurement over the
// pins, in inches or millimetres; the page recommends a pin and shows the
// theoretical tooth thickness, the thickness the measurement implies and
// their difference, in both units. A helix angle can be noted with the gear,
// but the results are always those of a spur gear, and the page says so.
#pragma once

#include "ui/page_kit.h"
#include "core/gears/over_pins_form.h"

namespace gears {

class OverPinsPicture;

/// The widgets of the page, open to the tests.
struct OverPinsWidgets {
  /// Module, diametral pitch, circular pitch in inch, circular pitch in mm.
  std::array<Fl_Round_Button*, 4> system{};
  /// 14.5°, 20°, typed.
  std::array<Fl_Round_Button*, 3> angle{};
  ui::CheckedInput* typed_angle = nullptr;
  ui::CheckedInput* pitch = nullptr;
  Fl_Group* fraction_frame = nullptr;
  /// Whole, over, under.
  std::array<ui::CheckedInput*, 3> fraction{};
  ui::CheckedInput* teeth = nullptr;
  ui::CheckedInput* pin = nullptr;
  ui::CheckedInput* over_pins = nullptr;
  Fl_Round_Button *inch = nullptr, *mm = nullptr;
  Fl_Output *pin_inch = nullptr, *pin_mm = nullptr;
  Fl_Check_Button* helix_select = nullptr;
  ui::CheckedInput* helix = nullptr;
  /// Says that the helix angle does not enter the results.
  Fl_Box* helix_note = nullptr;
  /// Where the pins go; or, when the measurement gives no thickness, why.
  Fl_Box* note = nullptr;
  /// Theoretical thickness, thickness from the measurement, difference.
  std::array<Fl_Output*, 3> inch_results{};
  std::array<Fl_Output*, 3> mm_results{};
  Fl_Button* help = nullptr;
  OverPinsPicture* picture = nullptr;
};

class OverPinsPage : public ui::Page {
public:
  explicit OverPinsPage(ui::PageContext& app) : Page(app, ui::PageId::kOverPins) {}

  void build(Fl_Group& group) override;
  void enter_start_mode() override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  const OverPinsWidgets& widgets() const { return w_; }

  // Handlers of the widgets.
  void select_pins_system(int index, bool by_user);
  void select_pins_pressure_angle(int index);
  void compose_pins_fraction();
  void toggle_helix_angle();
  void unit_chosen(bool mm);
  /// Shows what the page's values give: the recommended pin and the results.
  void recompute();

private:
  void build_tooth_size();
  void build_pressure_angle();
  void build_pins();
  void build_helix();
  void build_results();

  /// Pitch label and fraction frame of a system, leaving the pitch value.
  void show_system_mode(ToothSystem system);
  void show_typed_angle(bool shown);
  void show_helix_input(bool shown);
  void bind_state();
  void restored() override;
  bool page_shown() const;
  PressureAngleChoice angle_choice() const;

  /// Writes `converted` into `field`, or undoes the page's last rewrite of it
  /// (see rewritten_text).
  static void rewrite(ui::CheckedInput* field, Rewritten& memory, int from_mode, int to_mode,
                      const std::string& converted);
  void rewrite_length(ui::CheckedInput* field, Rewritten& memory, bool to_mm);

  OverPinsWidgets w_;
  Fl_Group* group_ = nullptr;
  ToothSystem system_ = ToothSystem::kDiametralPitch;
  /// The unit the pin and measurement fields hold now.
  std::unique_ptr<ui::UnitSwitch> units_;
  Rewritten pin_memory_;
  Rewritten over_pins_memory_;
  Rewritten pitch_memory_;
  /// The diametral pitch behind the pitch value the unit-system button wrote.
  std::optional<double> exact_pitch_;
  /// The pitch value as the fraction entry last wrote it.
  std::string composed_pitch_;
  /// A restored typed angle was unusable: the field waits for one.
  bool angle_wanted_ = false;
};

} // namespace gears
