// The shared drawing routines.
#include "ui/drawing_helpers.h"

#include <FL/Enumerations.H>
#include <FL/fl_draw.H>

namespace drawing {

void draw_pin(int left, int top, int diameter) {
  fl_color(FL_RED);
  fl_pie(left, top, diameter, diameter, 0.0, 360.0);
  fl_color(FL_BLACK);
  fl_arc(left, top, diameter, diameter, 0.0, 360.0);
}

void arrow_line_h(int x0, int y, int x1, int at_right) {
  fl_line(x0, y, x1, y);
  if (at_right) {
    fl_line(x1, y, x1 - 2, y - 2);
    fl_line(x1, y, x1 - 2, y + 2);
    fl_line(x1 - 2, y - 2, x1 - 2, y + 2);
  } else {
    fl_line(x0, y, x0 + 2, y - 2);
    fl_line(x0, y, x0 + 2, y + 2);
    fl_line(x0 + 2, y - 2, x0 + 2, y + 2);
  }
}

void arrow_line_v(int x, int y0, int y1, int mode) {
  fl_line(x, y0, x, y1);
  if (mode == 2) {
    fl_line(x, y0, x - 2, y0 + 2);
    fl_line(x, y0, x + 2, y0 + 2);
    fl_line(x + 2, y0 + 2, x - 2, y0 + 2);
  } else {
    fl_line(x, y1, x - 2, y1 - 2);
    fl_line(x, y1, x + 2, y1 - 2);
    fl_line(x + 2, y1 - 2, x - 2, y1 - 2);
  }
}

} // namespace drawing
