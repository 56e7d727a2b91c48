// Drawing of the regular-polygon sketch. The hexagon hangs from the left
// edge of the widget, the pentagon from the right edge; the side of the
// pentagon is dimensioned below the widget, inside the sketch's group.
#include "pages/geometry/polygon_sketch.h"

#include <FL/fl_draw.H>

#include "ui/drawing_helpers.h"

namespace geometry {

namespace {

constexpr int kUp = 2;
constexpr int kDown = 1;

void circle(int cx, int cy, int r) { fl_arc(cx - r, cy - r, 2 * r, 2 * r, 0, 360); }

// A dimension between two extension lines at `top` and `bottom`: two arrows
// from the letter outwards, the letter in the gap between them.
void vertical_arrows(int x, int top, int top_end, int bottom_start, int bottom) {
  drawing::arrow_line_v(x, top, top_end, kUp);
  drawing::arrow_line_v(x, bottom_start, bottom, kDown);
}

} // namespace

void polly::draw() {
  const int left = x();
  const int right = x() + w();
  const int cy = y() + h() / 2;
  fl_font(FL_HELVETICA, FL_NORMAL_SIZE);

  // Circumscribed circles: across corners, B.
  fl_color(FL_BLUE);
  circle(right - 82, cy + 1, 76);
  fl_line(right - 262, cy - 75, right - 287, cy - 75);
  fl_line(right - 102, cy + 76, right - 287, cy + 76);
  fl_draw("B", right - 284, cy);
  vertical_arrows(right - 280, cy - 73, cy - 13, cy + 2, cy + 74);
  circle(left + 85, cy + 1, 76);
  fl_line(left + 105, cy - 75, left + 290, cy - 75);
  fl_line(left + 105, cy + 75, left + 290, cy + 75);
  fl_draw("B", left + 279, cy);
  vertical_arrows(left + 283, cy - 73, cy - 13, cy + 2, cy + 72);

  // Inscribed circles: across flats, A.
  fl_color(FL_RED);
  circle(right - 82, cy + 1, 61);
  fl_line(right - 98, cy - 60, right - 232, cy - 60);
  fl_line(right - 132, cy + 60, right - 232, cy + 60);
  fl_draw("A", right - 226, cy + 4);
  vertical_arrows(right - 222, cy - 58, cy - 8, cy + 6, cy + 58);
  circle(left + 85, cy, 65);
  fl_line(left + 105, cy - 65, left + 250, cy - 65);
  fl_line(left + 105, cy + 65, left + 250, cy + 65);
  fl_draw("A", left + 239, cy);
  drawing::arrow_line_v(left + 242, cy + 2, cy + 62, kDown);
  drawing::arrow_line_v(left + 243, cy - 62, cy - 13, kUp);

  // The pentagon with its corner-to-flat height D and its side C.
  fl_color(FL_BLACK);
  fl_begin_loop();
  fl_vertex(right - 82, cy - 75);
  fl_vertex(right - 153, cy - 23);
  fl_vertex(right - 126, cy + 61);
  fl_vertex(right - 38, cy + 61);
  fl_vertex(right - 11, cy - 23);
  fl_end_loop();
  fl_line(right - 232, cy + 60, right - 262, cy + 60);
  fl_line(right - 90, cy - 75, right - 262, cy - 75);
  fl_draw("D", right - 256, cy - 4);
  vertical_arrows(right - 252, cy - 73, cy - 17, cy - 2, cy + 58);
  fl_line(right - 126, cy + 65, right - 126, cy + 100);
  fl_line(right - 38, cy + 65, right - 38, cy + 100);
  fl_draw("C", right - 86, cy + 100);
  drawing::arrow_line_h(right - 124, cy + 95, right - 87, 0);
  drawing::arrow_line_h(right - 77, cy + 95, right - 40, 1);

  // The hexagon, standing on a corner, with its side C.
  fl_begin_loop();
  fl_vertex(left + 85, cy - 75);
  fl_vertex(left + 20, cy - 37);
  fl_vertex(left + 20, cy + 37);
  fl_vertex(left + 85, cy + 75);
  fl_vertex(left + 150, cy + 37);
  fl_vertex(left + 150, cy - 37);
  fl_end_loop();
  fl_line(left + 155, cy - 37, left + 215, cy - 37);
  fl_line(left + 155, cy + 37, left + 215, cy + 37);
  fl_draw("C", left + 205, cy);
  vertical_arrows(left + 210, cy - 34, cy - 13, cy + 2, cy + 34);
}

} // namespace geometry
