#include "pages/geometry/right_triangle_sketch.h"

#include <FL/fl_draw.H>

namespace geometry {

Triangle1::Triangle1(int x, int y, int w, int h, const std::array<const char*, 4>& texts)
    : Fl_Widget(x, y, w, h) {
  for (size_t i = 0; i < texts.size(); ++i)
    texts_[i] = texts[i] ? texts[i] : "";
}

void Triangle1::draw() {
  const int left = x(), top = y();
  const int right_angle_x = left + w() - 100; // the vertical leg
  const int base_y = top + h() - 65;
  fl_color(FL_BLACK);
  fl_rect(left, top, w(), h());
  fl_line(left + 20, base_y, right_angle_x, base_y);
  fl_line(right_angle_x, base_y, right_angle_x, top + 15);
  fl_line(right_angle_x, top + 15, left + 20, base_y);
  // The square mark in the right angle.
  fl_line(right_angle_x, top + h() - 80, left + w() - 116, top + h() - 80);
  fl_line(left + w() - 115, top + h() - 80, left + w() - 115, base_y);

  fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
  fl_draw(texts_[0].c_str(), left + 20, top + h() / 4 + 10);
  fl_draw(texts_[1].c_str(), left + 50, top + h() - 30);
  fl_draw(texts_[2].c_str(), left + w() - 85, top + h() / 4 + 10);
  fl_draw(texts_[3].c_str(), left + w() - 95, top + h() / 4 + 30);
  fl_draw("< A", left + 35, top + h() - 67);
  fl_draw("< B", left + w() - 128, top + 47);
}

} // namespace geometry
