#include "pages/workshop/taper_sketch.h"

#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/numeric/number_text.h"
#include "ui/drawing_helpers.h"
#include "ui/look.h"

namespace workshop {

namespace {

constexpr int kLargeRadius = 30; ///< the large end's half height on the sketch

} // namespace

TaperSketch::TaperSketch(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_BORDER_BOX);
  color(ui::kPageBackground);
}

void TaperSketch::show_half_angle(double degrees) {
  if (degrees == degrees_)
    return;
  degrees_ = degrees;
  redraw();
}

void TaperSketch::draw() {
  draw_box();
  fl_push_clip(x() + 1, y() + 1, w() - 2, h() - 2);
  const int left = x() + 44, right = x() + w() - 70;
  const int axis = y() + h() / 2 - 10;
  // Steeper than the taper, within what the picture holds.
  const double drawn = std::clamp(2.0 + degrees_, 2.0, 6.0) * numeric::kRadPerDeg;
  const int small = std::max(6, kLargeRadius - static_cast<int>((right - left) * std::tan(drawn)));

  fl_color(fl_rgb_color(190, 200, 215));
  fl_begin_polygon();
  fl_vertex(left, axis - kLargeRadius);
  fl_vertex(right, axis - small);
  fl_vertex(right, axis + small);
  fl_vertex(left, axis + kLargeRadius);
  fl_end_polygon();
  fl_color(FL_BLACK);
  fl_loop(left, axis - kLargeRadius, right, axis - small, right, axis + small, left,
          axis + kLargeRadius);
  fl_line_style(FL_DASHDOT);
  fl_line(left - 16, axis, right + 16, axis);
  fl_line_style(0);

  // D at the large end, d at the small, L below.
  fl_color(FL_BLUE);
  fl_font(FL_HELVETICA, 13);
  for (const auto& [at, half, name, side] :
       {std::make_tuple(left - 14, kLargeRadius, "D", -12), std::make_tuple(right + 14, small, "d", 5)}) {
    drawing::arrow_line_v(at, axis - half, axis, 2);
    drawing::arrow_line_v(at, axis, axis + half, 0);
    fl_draw(name, at + side, axis - 4);
  }
  const int below = axis + kLargeRadius + 8;
  drawing::arrow_line_h(left, below, (left + right) / 2, 0);
  drawing::arrow_line_h((left + right) / 2, below, right, 1);
  fl_draw("L", (left + right) / 2 + 6, below - 3);

  // α between the flank and a line along the axis, at the small end's top.
  if (degrees_ > 0.0) {
    const int r = 70;
    fl_line_style(FL_DOT);
    fl_line(right, axis - small, right - r - 10, axis - small);
    fl_line_style(0);
    fl_arc(right - r, axis - small - r, 2 * r, 2 * r, 180.0 - drawn / numeric::kRadPerDeg, 180.0);
    fl_draw("\xce\xb1", right - r + 4, axis - small + 14);
  }
  fl_pop_clip();
}

} // namespace workshop
