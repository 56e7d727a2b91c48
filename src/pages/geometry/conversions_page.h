// Three converters, one row each, whose fields rewrite one another
// on every keystroke: an angle (decimal degrees, degrees-minutes-seconds,
// multiple of π radians), a length (millimetres, inches, and whole inches
// plus a fraction feeding both) and a temperature (Celsius, Fahrenheit).
#pragma once

#include "ui/page_kit.h"

namespace geometry {

class ConversionPicture;

class ConversionsPage : public ui::Page {
public:
  /// The page's widgets, for the tests that drive it like a user.
  struct Widgets {
    ui::CheckedInput* degrees = nullptr;
    std::array<ui::CheckedInput*, 3> dms{}; ///< degrees, minutes, seconds
    ui::CheckedInput* pi_radians = nullptr;
    ui::CheckedInput *mm = nullptr, *inch = nullptr;
    Fl_Group* fraction_group = nullptr;
    ui::CheckedInput* whole = nullptr;
    ui::CheckedInput* numerator = nullptr;
    ui::CheckedInput* denominator = nullptr;
    ui::CheckedInput* celsius = nullptr;
    ui::CheckedInput* fahrenheit = nullptr;
    ConversionPicture* picture = nullptr;
  };

  explicit ConversionsPage(ui::PageContext& app) : Page(app, ui::PageId::kConversions) {}

  void build(Fl_Group& group) override;
  Fl_Input* focus_input() override;
  bool select_focus_text() const override { return false; }

  const Widgets& widgets() const { return w_; }

private:
  void build_angle_row();
  void build_length_rows();
  void build_temperature_row();
  void attach_handlers();
  void bind_state();

  void on_degrees();
  void on_dms();
  void on_pi_radians();
  void on_mm();
  void on_inch();
  void on_fraction();
  void on_temperature(Fl_Input* changed);

  // Writers of the angle row; no value empties the fields.
  void show_degrees(std::optional<double> degrees);
  void show_dms(std::optional<double> degrees);
  void show_pi_radians(std::optional<double> pi_radians);
  void empty_fraction();

  Widgets w_;
};

} // namespace geometry
