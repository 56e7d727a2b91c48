// Drawing of the bevel-gear sketch, from the widget's top-left corner. The
// picture is mirror-symmetric about the gear's axis at Y + 200.
#include "pages/gears/bevel_gear_draw.h"

#include <FL/fl_draw.H>

#include <initializer_list>
#include <utility>

#include "ui/drawing_helpers.h"

namespace gears {

namespace {

constexpr Fl_Color kBlank = 95;
constexpr Fl_Color kTeeth = 255;
constexpr Fl_Color kBlack = 56;
constexpr Fl_Color kRed = 88;
constexpr Fl_Color kExtension = 216;
constexpr Fl_Color kDimension = 60;
constexpr int kHeadUp = 2;
constexpr int kHeadDown = 0;

using Points = std::initializer_list<std::pair<int, int>>;

void filled(int X, int Y, Points points) {
  fl_begin_complex_polygon();
  for (const auto& [px, py] : points)
    fl_vertex(X + px, Y + py);
  fl_end_complex_polygon();
}

void polyline(int X, int Y, Points points) {
  fl_begin_line();
  for (const auto& [px, py] : points)
    fl_vertex(X + px, Y + py);
  fl_end_line();
}

void line(int X, int Y, int x0, int y0, int x1, int y1) { fl_line(X + x0, Y + y0, X + x1, Y + y1); }

void number(int X, int Y, const char* text, int x, int y) {
  fl_color(kRed);
  fl_draw(text, X + x, Y + y);
}

} // namespace

void draw_bevel_gear_picture(int X, int Y) {
  // The blank, both halves of the section.
  fl_color(kBlank);
  filled(
      X, Y,
      {{151, 184}, {151, 119}, {176, 119}, {176, 56}, {186, 46}, {215, 77}, {209, 83}, {209, 184}});
  filled(X, Y,
         {{151, 216},
          {151, 281},
          {176, 281},
          {176, 344},
          {186, 354},
          {215, 323},
          {209, 317},
          {209, 216}});
  // The toothed faces.
  fl_color(kTeeth);
  filled(X, Y, {{184, 46}, {201, 31}, {230, 62}, {215, 77}});
  filled(X, Y, {{184, 354}, {201, 369}, {230, 338}, {215, 323}});

  // Outlines one pixel outside the fills.
  fl_color(kBlack);
  polyline(
      X, Y,
      {{150, 185}, {150, 118}, {175, 118}, {175, 55}, {185, 45}, {216, 76}, {210, 82}, {210, 185}});
  polyline(X, Y,
           {{150, 215},
            {150, 282},
            {175, 282},
            {175, 345},
            {185, 355},
            {216, 324},
            {210, 318},
            {210, 215}});
  line(X, Y, 210, 215, 210, 185);
  line(X, Y, 150, 215, 150, 185);
  line(X, Y, 231, 61, 231, 339);
  polyline(X, Y, {{185, 45}, {200, 30}, {231, 61}, {216, 76}});
  polyline(X, Y, {{185, 355}, {200, 370}, {231, 339}, {216, 324}});

  // The pitch lines across the teeth, and the gear's axis.
  static char pitch_dashes[] = {2, 2, 2, 2, 7, 2, 0};
  static char axis_dashes[] = {3, 3, 7, 3, 0};
  fl_line_style(FL_DASH, 0, pitch_dashes);
  line(X, Y, 194, 37, 223, 67);
  line(X, Y, 194, 363, 223, 333);
  fl_line_style(FL_DASH, 0, axis_dashes);
  line(X, Y, 25, 200, 380, 200);
  fl_line_style(FL_SOLID);

  fl_font(FL_HELVETICA_BOLD, 14);
  // 3: the pitch angle, between the pitch cone and the axis at the apex.
  fl_color(kExtension);
  line(X, Y, 228, 67, 253, 67);
  line(X, Y, 228, 333, 253, 333);
  line(X, Y, 236, 66, 370, 200);
  fl_color(kDimension);
  fl_arc(X + 270, Y + 100, 200, 200, 137.0, 178.0);
  number(X, Y, "3", 285, 170);
  // 4: its complement, between the back cone and the axis.
  fl_color(kExtension);
  line(X, Y, 195, 30, 50, 30);
  line(X, Y, 195, 370, 50, 370);
  line(X, Y, 170, 60, 30, 200);
  fl_color(kDimension);
  fl_arc(X - 80, Y + 85, 220, 220, 0.0, 40.0);
  number(X, Y, "4", 118, 170);
  // 5: the face width.
  fl_color(kExtension);
  line(X, Y, 204, 374, 220, 390);
  line(X, Y, 235, 343, 251, 359);
  number(X, Y, "5", 227, 373);
  // 2: the pitch diameter.
  fl_color(kDimension);
  drawing::arrow_line_v(X + 250, Y + 70, Y + 180, kHeadUp);
  drawing::arrow_line_v(X + 250, Y + 200, Y + 330, kHeadDown);
  number(X, Y, "2", 245, 195);
  // 1: the outside diameter.
  fl_color(kDimension);
  drawing::arrow_line_v(X + 55, Y + 33, Y + 200, kHeadUp);
  drawing::arrow_line_v(X + 55, Y + 220, Y + 367, kHeadDown);
  number(X, Y, "1", 50, 215);
}

bevel_gear_draw::bevel_gear_draw(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_NO_BOX);
}

void bevel_gear_draw::draw() {
  fl_push_clip(x(), y(), w(), h());
  draw_bevel_gear_picture(x(), y());
  fl_pop_clip();
}

} // namespace gears
