// The fixed sketch of the regular-polygon page: a hexagon on the left and a
// pentagon on the right, each with its circumscribed circle (blue, B) and
// inscribed circle (red, A), and the letters of the sizes: A across flats,
// B across corners, C side, D corner to flat.
#pragma once

#include <FL/Fl_Widget.H>

namespace geometry {

class polly : public Fl_Widget {
public:
  polly(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {}

protected:
  void draw() override;
};

} // namespace geometry
