// The pitch circle of the bolt-hole page.
#include "pages/geometry/bolt_circle_sketch.h"

#include <FL/fl_draw.H>

#include <algorithm>

namespace geometry {

namespace {
constexpr Fl_Color kCircleColour = 88;
constexpr Fl_Color kCrossColour = 216;
constexpr int kMargin = 40;
constexpr int kCrossArm = 30;
} // namespace

pitch_diameter_circle::pitch_diameter_circle(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_NO_BOX);
  marker_radius_ = radius_for_size();
}

int pitch_diameter_circle::radius_for_size() const {
  return std::max(0, std::min(w(), h()) / 2 - kMargin);
}

void pitch_diameter_circle::draw() {
  marker_radius_ = radius_for_size();
  const int r = marker_radius_;
  const int cx = x() + w() / 2;
  const int cy = y() + h() / 2;
  fl_color(kCircleColour);
  fl_arc(cx - r, cy - r, 2 * r, 2 * r, 0.0, 360.0);
  fl_color(kCrossColour);
  fl_line(cx - kCrossArm, cy, cx + kCrossArm, cy);
  fl_line(cx, cy - kCrossArm, cx, cy + kCrossArm);
  fl_color(FL_BLACK);
}

} // namespace geometry
