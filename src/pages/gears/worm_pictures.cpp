#include "pages/gears/worm_pictures.h"

#include <FL/fl_draw.H>

#include <cmath>

namespace gears {

namespace {

constexpr double kDegree = 0.017453292519943295;
const Fl_Color kBronze = fl_rgb_color(214, 160, 84);
const Fl_Color kSteel = fl_rgb_color(176, 186, 198);
const Fl_Color kCentreLine = fl_rgb_color(0, 0, 200);

// A point at `angle` degrees (0 to the right, 90 straight down) and
// distance `r` from (cx, cy).
void polar_vertex(double cx, double cy, double r, double angle) {
  fl_vertex(cx + r * std::cos(angle * kDegree), cy + r * std::sin(angle * kDegree));
}

// An arc from `from` to `to` degrees, as vertices of the current shape.
void arc_vertices(double cx, double cy, double r, double from, double to) {
  const int steps = 24;
  for (int i = 0; i <= steps; ++i)
    polar_vertex(cx, cy, r, from + (to - from) * i / steps);
}

void dashed_circle(int cx, int cy, int r) {
  fl_line_style(FL_DASH, 1);
  fl_circle(cx, cy, r);
  fl_line_style(0);
}

void centre_line(int x1, int y1, int x2, int y2) {
  fl_color(kCentreLine);
  fl_line_style(FL_DASHDOT, 1);
  fl_line(x1, y1, x2, y2);
  fl_line_style(0);
}

void frame(int left, int top, int w, int h) {
  fl_color(FL_WHITE);
  fl_rectf(left, top, w, h);
  fl_color(FL_DARK3);
  fl_rect(left, top, w, h);
}

// The wheel's outline: `teeth` trapezoidal teeth between the root and the tip circle.
void gear_outline(double cx, double cy, double root, double tip, int teeth) {
  const double step = 360.0 / teeth;
  for (int i = 0; i < teeth; ++i) {
    const double a = i * step;
    polar_vertex(cx, cy, root, a);
    polar_vertex(cx, cy, tip, a + step * 0.2);
    polar_vertex(cx, cy, tip, a + step * 0.45);
    polar_vertex(cx, cy, root, a + step * 0.65);
  }
}

} // namespace

void WormBackdrop::draw() {
  const int left = x() + (w() - kWidth) / 2;
  const int top = y() + (h() - kHeight) / 2;
  fl_push_clip(x(), y(), w(), h());
  frame(left, top, kWidth, kHeight);

  // The wheel, its teeth dipping into the worm below.
  const int cx = left + kWidth / 2, cy = top + 64;
  fl_color(kBronze);
  fl_begin_complex_polygon();
  gear_outline(cx, cy, 42, 50, 30);
  fl_end_complex_polygon();
  fl_color(FL_BLACK);
  fl_begin_loop();
  gear_outline(cx, cy, 42, 50, 30);
  fl_end_loop();
  dashed_circle(cx, cy, 46);
  fl_color(fl_lighter(kBronze));
  fl_pie(cx - 15, cy - 15, 30, 30, 0.0, 360.0);
  fl_color(FL_BLACK);
  fl_arc(cx - 15, cy - 15, 30, 30, 0.0, 360.0);
  fl_color(FL_WHITE);
  fl_pie(cx - 6, cy - 6, 12, 12, 0.0, 360.0);
  fl_color(FL_BLACK);
  fl_arc(cx - 6, cy - 6, 12, 12, 0.0, 360.0);

  // The worm: a threaded body on a shaft, its axis across the wheel's.
  const int body_top = cy + 44, body_h = 30, body_left = left + 12, body_w = kWidth - 24;
  const int axis = body_top + body_h / 2;
  fl_color(kSteel);
  fl_rectf(left + 3, axis - 6, kWidth - 6, 12);
  fl_color(FL_BLACK);
  fl_rect(left + 3, axis - 6, kWidth - 6, 12);
  fl_color(kSteel);
  fl_rectf(body_left, body_top, body_w, body_h);
  fl_color(FL_BLACK);
  fl_rect(body_left, body_top, body_w, body_h);
  // The thread crests run round the worm at its lead angle.
  for (int tx = body_left + 4; tx + 6 < body_left + body_w; tx += 9)
    fl_line(tx, body_top + 1, tx + 6, body_top + body_h - 2);

  centre_line(cx, top + 6, cx, top + kHeight - 8);
  centre_line(left + 2, axis, left + kWidth - 3, axis);
  fl_pop_clip();
}

void CrownPicture::draw() {
  const int height = CrownPicture::height(rim_);
  const int left = x() + (w() - kWidth) / 2;
  const int top = y() + (h() - height) / 2;
  fl_push_clip(x(), y(), w(), h());
  frame(left, top, kWidth, height);

  // Worm seen end on; the wheel's rim below it, cut through the middle.
  const double cx = left + kWidth / 2.0, cy = top + 46.0;
  const double throat = 31.0, side = 39.0, bottom = top + height - 6.0;

  auto rim_outline = [&] {
    fl_vertex(cx - side, bottom);
    if (rim_ == Rim::kRound) {
      // The throat wraps round the worm; the rim's edges run out along lines
      // from the worm's centre.
      const double edge = side / std::cos(30.0 * kDegree);
      polar_vertex(cx, cy, edge, 150.0);
      arc_vertices(cx, cy, throat, 150.0, 30.0);
      polar_vertex(cx, cy, edge, 30.0);
    } else {
      // Turned larger than the throat, with square corners.
      const double flat = 20.0;
      const double meet = std::asin(flat / throat) / kDegree;
      fl_vertex(cx - side, cy + flat);
      arc_vertices(cx, cy, throat, 180.0 - meet, meet);
      fl_vertex(cx + side, cy + flat);
    }
    fl_vertex(cx + side, bottom);
  };
  fl_color(kBronze);
  fl_begin_complex_polygon();
  rim_outline();
  fl_end_complex_polygon();
  fl_color(FL_BLACK);
  fl_begin_line();
  rim_outline();
  fl_end_line();

  // Section lines of the cut rim.
  fl_push_clip(static_cast<int>(cx - side), static_cast<int>(cy + throat + 4),
               static_cast<int>(2 * side), static_cast<int>(bottom - cy - throat - 4));
  fl_color(fl_darker(kBronze));
  for (int d = -80; d < 140; d += 9)
    fl_line(static_cast<int>(cx - side) + d, static_cast<int>(bottom),
            static_cast<int>(cx - side) + d + 80, static_cast<int>(bottom) - 80);
  fl_pop_clip();

  const int wx = static_cast<int>(cx), wy = static_cast<int>(cy);
  fl_color(kSteel);
  fl_pie(wx - 28, wy - 28, 56, 56, 0.0, 360.0);
  fl_color(FL_BLACK);
  fl_arc(wx - 28, wy - 28, 56, 56, 0.0, 360.0);
  fl_circle(wx, wy, 18);
  dashed_circle(wx, wy, 23);
  centre_line(wx, top + 6, wx, static_cast<int>(bottom));
  centre_line(left + 8, wy, left + kWidth - 8, wy);
  fl_pop_clip();
}

} // namespace gears
