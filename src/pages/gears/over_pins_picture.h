// The picture of the measurement-over-pins page: a twelve-tooth involute
// gear with two gauge pins in opposite tooth spaces and the measurement M
// taken over them. Only the letter M, so it needs no translation. Purely
// decorative: it never changes.
#pragma once

#include <FL/Fl_Widget.H>

namespace gears {

class OverPinsPicture : public Fl_Widget {
public:
  /// Size of the drawn picture, centred in the widget's white rectangle.
  static constexpr int kSize = 168;

  OverPinsPicture(int x, int y, int w, int h);

protected:
  void draw() override;

private:
  void draw_gear(double centre_x, double centre_y);
  void draw_pins_and_measurement(int left, int top, double centre_x, double centre_y);
};

} // namespace gears
