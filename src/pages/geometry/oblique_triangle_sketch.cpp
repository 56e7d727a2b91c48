// Drawing of the oblique-triangle sketch and its six name boxes.
#include "pages/geometry/oblique_triangle_sketch.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace geometry {

namespace {

constexpr Fl_Color kGiven = 88;  // red
constexpr Fl_Color kToFind = 56; // black
constexpr Fl_Color kPageGrey = 50;

std::string text_or_empty(const char* text) { return text ? text : ""; }

Fl_Box* name_box(int x, int y, int w, const char* label, Fl_Align align) {
  auto* box = new Fl_Box(x, y, w, 24);
  box->copy_label(label ? label : "");
  box->align(align | FL_ALIGN_INSIDE);
  box->labelcolor(kToFind);
  return box;
}

} // namespace

Triangle2::Triangle2(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_FLAT_BOX);
  color(kPageGrey);
}

void Triangle2::legend(const char* first, const char* red, const char* rest, const char* second) {
  has_first_ = first != nullptr;
  first_ = text_or_empty(first);
  red_ = text_or_empty(red);
  rest_ = text_or_empty(rest);
  second_ = text_or_empty(second);
  redraw();
}

void Triangle2::draw() {
  draw_box();
  fl_push_clip(x(), y(), w(), h());
  fl_color(FL_BLACK);
  fl_rect(x(), y(), w(), h());
  fl_line(x(), y() + 40, x() + w() - 1, y() + 40);

  // The first legend line is centred together with the second: both start
  // at the same left edge.
  fl_font(labelfont(), labelsize());
  const std::string lead = has_first_ ? first_ + " " : std::string();
  const int line_width = static_cast<int>(fl_width((lead + red_ + " " + rest_).c_str()));
  const int second_width = static_cast<int>(fl_width(second_.c_str()));
  const int left = x() + w() / 2 - std::max(line_width, second_width) / 2;
  int pen = left;
  if (has_first_) {
    fl_color(FL_BLACK);
    fl_draw(first_.c_str(), pen, y() + 18);
    pen += static_cast<int>(fl_width(lead.c_str()));
  }
  fl_color(kGiven);
  fl_draw(red_.c_str(), pen, y() + 18);
  pen += static_cast<int>(fl_width((red_ + " ").c_str()));
  fl_color(FL_BLACK);
  fl_draw(rest_.c_str(), pen, y() + 18);
  fl_draw(second_.c_str(), left, y() + 33);

  const int base_y = y() + h() - 52;
  const int left_x = x() + 20;
  const int right_x = x() + w() - 20;
  const int apex_x = x() + 2 * (w() / 3);
  const int apex_y = y() + 60;
  fl_line(left_x, base_y, apex_x, apex_y);
  fl_line(left_x, base_y, right_x, base_y);
  fl_line(right_x, base_y, apex_x, apex_y);
  fl_pop_clip();
}

Triangle2Sketch build_triangle2_sketch(const Triangle2Texts& texts) {
  Triangle2Sketch sketch;
  // Two plain boxes of the layout lie under the sketch: drawn over it, the
  // grey strip would cut away the bottom of the frame.
  new Fl_Box(412, 38, 409, 303);
  auto* strip = new Fl_Box(396, 274, 408, 34);
  strip->box(FL_FLAT_BOX);
  strip->color(kPageGrey);
  sketch.triangle = new Triangle2(395, 5, 409, 303);
  sketch.triangle->legend(texts.legend_first, texts.legend_red, texts.legend_rest,
                          texts.legend_second);

  // Corner C is bottom left, B bottom right, A the apex; each side is named
  // beside its middle.
  sketch.names_group = new Fl_Group(395, 81, 380, 172);
  using Q = TriangleQuantity;
  auto at = [&sketch](Q q) -> Fl_Box*& { return sketch.names[static_cast<size_t>(q)]; };
  at(Q::kAngleC) = name_box(445, 229, 40, "< C", FL_ALIGN_CENTER);
  at(Q::kAngleB) = name_box(732, 229, 43, "< B", FL_ALIGN_CENTER);
  at(Q::kAngleA) = name_box(638, 81, 58, "< A", FL_ALIGN_CENTER);
  at(Q::kSideB) = name_box(395, 146, 140, texts.side_b, FL_ALIGN_RIGHT);
  at(Q::kSideC) = name_box(589, 156, 186, texts.side_c, FL_ALIGN_RIGHT);
  at(Q::kSideA) = name_box(537, 229, 126, texts.side_a, FL_ALIGN_CENTER);
  sketch.names_group->end();
  return sketch;
}

void show_given(const Triangle2Sketch& sketch, const std::array<TriangleQuantity, 3>& given) {
  for (size_t i = 0; i < sketch.names.size(); ++i) {
    const auto quantity = static_cast<TriangleQuantity>(i);
    const bool is_given = std::find(given.begin(), given.end(), quantity) != given.end();
    sketch.names[i]->labelcolor(is_given ? kGiven : kToFind);
  }
  // The triangle underneath clears the old labels before they are redrawn.
  sketch.triangle->redraw();
  sketch.names_group->redraw();
}

} // namespace geometry
