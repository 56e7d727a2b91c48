// The picture of the conversions page: a rule with an inch scale over a
// millimetre scale, one inch marked at 25.4 mm, and a protractor whose half
// turn is marked 180° = π. Only figures and unit symbols, so it needs no
// translation. Purely decorative: it never changes.
#pragma once

#include <FL/Fl_Widget.H>

namespace geometry {

class ConversionPicture : public Fl_Widget {
public:
  /// Size of the drawn picture, centred in the widget's rectangle.
  static constexpr int kWidth = 113;
  static constexpr int kHeight = 124;

  ConversionPicture(int x, int y, int w, int h);

protected:
  void draw() override;

private:
  void draw_rule(int left, int top);
  void draw_protractor(int left, int top);
};

} // namespace geometry
