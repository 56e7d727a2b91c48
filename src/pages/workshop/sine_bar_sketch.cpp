#include "pages/workshop/sine_bar_sketch.h"

#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>

#include "core/numeric/number_text.h"
#include "ui/look.h"

namespace workshop {

namespace {

constexpr int kRoll = 14;    ///< the rolls' diameter on the sketch
constexpr int kBar = 12;     ///< the bar's thickness
constexpr int kPlate = 14;   ///< the surface plate's
constexpr int kBlocks = 4;   ///< blocks drawn in a stack

} // namespace

SineBarSketch::SineBarSketch(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_BORDER_BOX);
  color(ui::kPageBackground);
}

void SineBarSketch::show_angle(double degrees, bool stacked) {
  if (degrees == degrees_ && stacked == stacked_)
    return;
  degrees_ = degrees;
  stacked_ = stacked;
  redraw();
}

void SineBarSketch::draw() {
  draw_box();
  fl_push_clip(x() + 1, y() + 1, w() - 2, h() - 2);
  const int plate_top = y() + h() - kPlate - 6;
  fl_color(FL_DARK3);
  fl_rectf(x() + 6, plate_top, w() - 12, kPlate);

  // The near roll sits on the plate; the far one on the stack, the length
  // of the bar away along its slope. Steep angles are drawn no steeper
  // than the picture holds.
  const double a = std::clamp(degrees_, 0.0, 70.0) * numeric::kRadPerDeg;
  const double length = std::min(w() * 0.7, (h() - kPlate - 40) / std::max(std::sin(a), 0.25));
  const double near_x = x() + w() * 0.15, near_y = plate_top - kRoll / 2.0;
  const double far_x = near_x + length * std::cos(a), far_y = near_y - length * std::sin(a);

  // The stack under the far roll, from the plate up to the roll.
  const int stack_top = static_cast<int>(far_y + kRoll / 2.0);
  const int stack_x = static_cast<int>(far_x) - 12;
  if (stack_top < plate_top) {
    const int height = plate_top - stack_top;
    fl_color(stacked_ ? fl_rgb_color(200, 170, 90) : fl_rgb_color(220, 220, 220));
    fl_rectf(stack_x, stack_top, 24, height);
    fl_color(FL_BLACK);
    fl_rect(stack_x, stack_top, 24, height);
    if (stacked_)
      for (int i = 1; i < kBlocks; ++i)
        fl_xyline(stack_x, stack_top + height * i / kBlocks, stack_x + 23);
  }

  // The bar along the line of the rolls' tops, and the rolls.
  const double nx = -std::sin(a), ny = -std::cos(a); // up from the bar's underside
  const double lift = kRoll / 2.0;
  fl_color(fl_rgb_color(120, 150, 200));
  fl_begin_polygon();
  fl_vertex(near_x - 20 * std::cos(a) + nx * lift, near_y + 20 * std::sin(a) + ny * lift);
  fl_vertex(far_x + 20 * std::cos(a) + nx * lift, far_y - 20 * std::sin(a) + ny * lift);
  fl_vertex(far_x + 20 * std::cos(a) + nx * (lift + kBar), far_y - 20 * std::sin(a) + ny * (lift + kBar));
  fl_vertex(near_x - 20 * std::cos(a) + nx * (lift + kBar), near_y + 20 * std::sin(a) + ny * (lift + kBar));
  fl_end_polygon();
  fl_color(FL_BLACK);
  for (const auto& [cx, cy] : {std::make_pair(near_x, near_y), std::make_pair(far_x, far_y)}) {
    fl_color(FL_WHITE);
    fl_pie(static_cast<int>(cx) - kRoll / 2, static_cast<int>(cy) - kRoll / 2, kRoll, kRoll, 0, 360);
    fl_color(FL_BLACK);
    fl_arc(static_cast<int>(cx) - kRoll / 2, static_cast<int>(cy) - kRoll / 2, kRoll, kRoll, 0, 360);
  }

  // The angle at the near roll, between the plate and the bar.
  if (degrees_ > 0.0) {
    fl_color(FL_BLUE);
    const int r = 50;
    fl_arc(static_cast<int>(near_x) - r, static_cast<int>(near_y) - r, 2 * r, 2 * r, 0,
           std::clamp(degrees_, 0.0, 70.0));
    fl_line_style(FL_DOT);
    fl_line(static_cast<int>(near_x), static_cast<int>(near_y), static_cast<int>(far_x) + 20,
            static_cast<int>(near_y));
    fl_line_style(0);
  }
  fl_pop_clip();
}

} // namespace workshop
