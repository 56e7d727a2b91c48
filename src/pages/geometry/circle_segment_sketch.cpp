// Drawing of the circle-segment sketch.
#include "pages/geometry/circle_segment_sketch.h"

#include <FL/fl_draw.H>

#include <utility>

namespace geometry {

namespace {
constexpr Fl_Color kGrey = 49;
constexpr double kHalfRootTwo = 0.7071067811865476;

void circle_outline(int cx, int cy, int r) { fl_arc(cx - r, cy - r, 2 * r, 2 * r, 0, 360); }
void lower_quarter_pie(int cx, int cy, int r) { fl_pie(cx - r, cy - r, 2 * r, 2 * r, 225, 315); }
} // namespace

chord::chord(int x, int y, int w, int h, std::string sector_caption, std::string segment_caption)
    : Fl_Widget(x, y, w, h), sector_caption_(std::move(sector_caption)),
      segment_caption_(std::move(segment_caption)) {}

void chord::draw() {
  const int r = w() / 4 - 8;
  const int s = static_cast<int>(r * kHalfRootTwo); // the chord ends lie at 45 degrees
  const int cy = y() + r + 18;
  const int cx = x() + w() / 4;
  const int cx2 = cx + w() / 2;
  fl_font(FL_HELVETICA, 14);

  fl_color(FL_BLACK);
  fl_rect(x(), y(), w(), h());
  fl_line(x() + w() / 2, y(), x() + w() / 2, y() + h() - 1);

  // Left: the sector A-O-B and the angle A-C-B at the circle.
  fl_color(FL_YELLOW);
  lower_quarter_pie(cx, cy, r);
  fl_color(FL_BLACK);
  fl_line(cx, cy, cx + s, cy + s);
  fl_line(cx - 1, cy, cx - s - 1, cy + s);
  fl_draw("C", cx - 4, y() + 16);
  fl_draw("O", cx - 5, y() + r + 16);
  fl_draw("A", cx - 12 - s, cy + s + 12);
  fl_draw("B", cx + s + 4, cy + s + 12);
  fl_draw(sector_caption_.c_str(), cx - 34, cy + r + 35);
  fl_line(cx, cy - r, cx + s, cy + s);
  fl_line(cx, cy - r, cx - s - 1, cy + s);
  fl_color(FL_RED);
  circle_outline(cx, cy, r);

  // Right: the segment over A-B, the triangle O-A-B and the height E-D.
  fl_color(FL_WHITE);
  fl_pie(cx2 - r, cy - r, 2 * r, 2 * r, 0, 360);
  fl_color(kGrey);
  lower_quarter_pie(cx2, cy, r);
  fl_color(FL_YELLOW);
  fl_polygon(cx2, cy, cx2 + s, cy + s, cx2 - s, cy + s);
  fl_color(FL_BLACK);
  fl_line(cx2, cy, cx2 + s, cy + s);
  fl_line(cx2, cy, cx2 - s, cy + s);
  fl_line(cx2, cy, cx2, cy + r);
  fl_line(cx2 - s, cy + s, cx2 + s, cy + s);
  fl_draw("O", cx2 - 5, y() + r + 16);
  fl_draw("A", cx2 - 12 - s, cy + s + 12);
  fl_draw("B", cx2 + s + 4, cy + s + 12);
  fl_draw("E", cx2 - 12, cy + s - 4);
  fl_draw("D", cx2 - 5, cy + r + 15);
  fl_draw(segment_caption_.c_str(), cx2 - 34, cy + r + 35);
  fl_color(FL_RED);
  circle_outline(cx2, cy, r);
}

} // namespace geometry
