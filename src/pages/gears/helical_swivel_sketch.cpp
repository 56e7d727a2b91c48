#include "pages/gears/helical_swivel_sketch.h"

#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>

#include "core/numeric/number_text.h"
#include "ui/look.h"

namespace gears {

namespace {

// Shown no steeper than this, so that the table stays long enough to see.
constexpr double kMostDrawn = 25.0;
constexpr int kColumnDepth = 12;
constexpr double kTableHalfWidth = 9.0;

} // namespace

SwivelSketch::SwivelSketch(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_BORDER_BOX);
  color(ui::kPageBackground);
}

void SwivelSketch::swivel(double degrees) {
  if (degrees == degrees_)
    return;
  degrees_ = degrees;
  redraw();
}

void SwivelSketch::draw() {
  draw_box();
  fl_push_clip(x() + 1, y() + 1, w() - 2, h() - 2);
  // The column across the back, the operator's side at the bottom.
  fl_color(FL_DARK3);
  fl_rectf(x() + 1, y() + 1, w() - 2, kColumnDepth);
  const double room = (h() - kColumnDepth) / 2.0;
  const double cx = x() + w() / 2.0, cy = y() + kColumnDepth + room;

  // The table and the work on it, turned counterclockwise on screen for a
  // positive swivel (up on the screen is toward the column), no steeper than
  // the picture holds and as long as it leaves room for.
  const double shown = std::clamp(degrees_, -kMostDrawn, kMostDrawn);
  const double a = std::fabs(shown) * numeric::kRadPerDeg;
  const double half = std::min(
      w() * 0.42, a > 0.0 ? (room - 3.0 - kTableHalfWidth * std::cos(a)) / std::sin(a) : w());
  fl_push_matrix();
  fl_translate(cx, cy);
  fl_rotate(shown);
  const auto rectangle = [](double half_x, double half_y) {
    fl_vertex(-half_x, -half_y);
    fl_vertex(half_x, -half_y);
    fl_vertex(half_x, half_y);
    fl_vertex(-half_x, half_y);
  };
  fl_color(fl_rgb_color(200, 200, 210));
  fl_begin_polygon();
  rectangle(half, kTableHalfWidth);
  fl_end_polygon();
  fl_color(FL_BLACK);
  fl_begin_loop();
  rectangle(half, kTableHalfWidth);
  fl_end_loop();
  // The work between centres, and its axis.
  fl_color(fl_rgb_color(120, 150, 200));
  fl_begin_polygon();
  rectangle(half * 0.55, kTableHalfWidth * 0.55);
  fl_end_polygon();
  fl_color(FL_BLACK);
  fl_line_style(FL_DASH);
  fl_begin_line();
  fl_vertex(-half * 0.95, 0);
  fl_vertex(half * 0.95, 0);
  fl_end_line();
  fl_line_style(0);
  // The end that swings toward the column.
  if (shown != 0.0) {
    const double end = (shown > 0 ? 1 : -1) * (half - 8.0);
    fl_color(FL_RED);
    fl_begin_polygon();
    fl_vertex(end, -kTableHalfWidth + 1);
    fl_vertex(end - 5, -1);
    fl_vertex(end + 5, -1);
    fl_end_polygon();
  }
  fl_pop_matrix();

  // The cutter: a disc seen edge on, in the line of the table's travel.
  fl_color(FL_RED);
  fl_rectf(static_cast<int>(cx) - 16, static_cast<int>(cy) - 2, 32, 5);
  // The line of travel and the arc of the swivel between it and the work's axis.
  fl_color(FL_BLUE);
  fl_line_style(FL_DOT);
  fl_line(x() + 6, static_cast<int>(cy), x() + w() - 6, static_cast<int>(cy));
  fl_line_style(0);
  if (shown != 0.0) {
    const double radius = half * 0.8;
    const double from = shown > 0 ? 0.0 : 180.0 + shown, to = shown > 0 ? shown : 180.0;
    fl_begin_line();
    for (int i = 0; i <= 12; ++i) {
      const double t = (from + (to - from) * i / 12.0) * numeric::kRadPerDeg;
      fl_vertex(cx + radius * std::cos(t), cy - radius * std::sin(t));
    }
    fl_end_line();
  }
  fl_pop_clip();
}

} // namespace gears
