// The shared pieces of the dovetail sketches.
#include "pages/workshop/dovetail_sketch_parts.h"

#include <FL/Enumerations.H>
#include <FL/fl_draw.H>

#include <cmath>

#include "ui/drawing_helpers.h"

namespace workshop::dovetail_parts {

void face(int font_face) { fl_font(font_face, fl_size()); }

int text_width(const char* text) { return static_cast<int>(std::lround(fl_width(text))); }

void text_centred(const char* text, int cx, int base) {
  fl_draw(text, cx - text_width(text) / 2, base);
}

void dimension(const char* text, int cx, int base, int line_y, int from, int to) {
  int left = cx - text_width(text) / 2;
  int right = left + text_width(text);
  fl_draw(text, left, base);
  drawing::arrow_line_h(from, line_y, left - 4, 0);
  drawing::arrow_line_h(right + 4, line_y, to, 1);
}

void dashed_line(int x0, int y0, int x1, int y1) {
  char dashes[] = {3, 3, 0};
  fl_line_style(FL_DASH, 0, dashes);
  fl_line(x0, y0, x1, y1);
  fl_line_style(FL_SOLID);
}

namespace {

// A quadrilateral filled and outlined in the current colour, so that its
// edges are covered whatever the fill rule leaves out.
void filled_quad(const Pt& a, const Pt& b, const Pt& c, const Pt& d) {
  fl_polygon(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y);
  fl_loop(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y);
}

void outline(const Outline& p) {
  fl_begin_loop();
  for (const Pt& corner : p)
    fl_vertex(corner.x, corner.y);
  fl_end_loop();
}

} // namespace

void draw_female_body(const Outline& p, int cx, const char* title) {
  // Three convex pieces around the slot: left of it, above it, right of it.
  fl_color(FL_YELLOW);
  filled_quad(p[0], p[7], p[6], p[5]);
  filled_quad(p[0], p[1], p[4], p[5]);
  filled_quad(p[1], p[4], p[3], p[2]);
  fl_color(FL_BLACK);
  outline(p);
  face(FL_HELVETICA_BOLD);
  text_centred(title, cx, p[0].y + 18);
  face(FL_HELVETICA);
}

void draw_female_width_top(int x, int y, int w, const char* label) {
  int right_end = x + w;
  face(FL_HELVETICA);
  fl_line(x + 150, y + 5, x + 150, y + 56);
  fl_line(right_end - 150, y + 5, right_end - 150, y + 56);
  dimension(label, x + w / 2, y + 15, y + 10, x + 153, right_end - 153);
}

void draw_gib(const Outline& p, const char* label) {
  const Pt& p0 = p[0];
  const Pt& p5 = p[5];
  const Pt& p6 = p[6];
  fl_color(FL_WHITE);
  fl_begin_complex_polygon();
  fl_vertex(p5.x + 2, p5.y + 1);
  fl_vertex(p5.x + 10, p5.y + 1);
  fl_vertex(p6.x + 9, p6.y - 2);
  fl_vertex(p6.x + 1, p6.y - 2);
  fl_vertex(p6.x + 1, p6.y);
  fl_end_complex_polygon();
  fl_color(FL_BLACK);
  fl_line(p5.x + 11, p5.y + 1, p6.x + 10, p6.y - 1);
  fl_line(p6.x + 10, p6.y - 1, p6.x + 1, p6.y - 1);
  face(FL_HELVETICA);
  fl_draw(label, p0.x - 10 - text_width(label), p0.y + 60);
  fl_line(p0.x - 5, p0.y + 55, p6.x - 32, p0.y + 55);
}

void draw_male_body(const Outline& p, int cx, const char* title, const char* width_label) {
  fl_color(FL_CYAN);
  fl_begin_complex_polygon();
  for (const Pt& corner : p)
    fl_vertex(corner.x, corner.y);
  fl_end_complex_polygon();
  fl_color(FL_BLACK);
  outline(p);
  face(FL_HELVETICA_BOLD);
  text_centred(title, cx, p[2].y + 23);
  face(FL_HELVETICA);
  fl_line(p[2].x, p[2].y, p[2].x, p[7].y + 15);
  fl_line(p[3].x, p[3].y, p[3].x, p[7].y + 15);
  dimension(width_label, cx, p[6].y + 14, p[6].y + 10, p[2].x + 3, p[3].x - 3);
}

void draw_male_depth_angle(int x, int y, int w, const char* line1, const char* line2) {
  int right_end = x + w;
  fl_line(x + 25, y + 25, x + 145, y + 25);
  fl_line(x + 25, y + 75, x + 95, y + 75);
  face(FL_HELVETICA);
  fl_draw(line1, x + 25, y + 47);
  fl_draw(line2, x + 25, y + 63);
  // Arrows from outside onto the tongue's top and the base.
  drawing::arrow_line_v(x + 50, y + 12, y + 22, 0);
  drawing::arrow_line_v(x + 50, y + 78, y + 88, 2);
  fl_line(right_end - 147, y + 22, right_end - 138, y + 13);
  fl_color(FL_BLUE);
  fl_arc(right_end - 286, y - 11, 172, 172, 2.0, 42.0);
  fl_color(FL_BLACK);
}

} // namespace workshop::dovetail_parts
