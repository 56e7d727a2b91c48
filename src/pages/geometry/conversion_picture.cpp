#include "pages/geometry/conversion_picture.h"

#include <FL/fl_draw.H>

#include <cmath>

#include "core/numeric/number_text.h"

namespace geometry {

namespace {

const Fl_Color kRuleColour = fl_rgb_color(246, 222, 120);
const Fl_Color kProtractorColour = fl_rgb_color(200, 226, 246);
const Fl_Color kMarkColour = FL_RED;

// Rule scale: one inch is 84 pixels, so 25.4 mm end at the inch mark.
constexpr int kZeroX = 8;
constexpr double kPixelsPerInch = 84.0;
constexpr double kPixelsPerMm = kPixelsPerInch / 25.4;

int round_px(double value) { return static_cast<int>(std::lround(value)); }

void centred_text(const char* text, int centre_x, int baseline) {
  fl_draw(text, centre_x - round_px(fl_width(text) / 2.0), baseline);
}

} // namespace

ConversionPicture::ConversionPicture(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {}

void ConversionPicture::draw() {
  const int left = x() + (w() - kWidth) / 2;
  const int top = y() + (h() - kHeight) / 2;
  fl_push_clip(x(), y(), w(), h());
  fl_color(FL_WHITE);
  fl_rectf(left, top, kWidth, kHeight);
  fl_color(FL_DARK3);
  fl_rect(left, top, kWidth, kHeight);
  draw_rule(left, top);
  draw_protractor(left, top + 70);
  fl_pop_clip();
}

void ConversionPicture::draw_rule(int left, int top) {
  const int body_top = top + 13, body_h = 28, body_bottom = body_top + body_h - 1;
  const int zero = left + kZeroX;
  const int inch = zero + round_px(kPixelsPerInch);
  fl_color(kRuleColour);
  fl_rectf(left + 4, body_top, kWidth - 8, body_h);
  fl_color(FL_BLACK);
  fl_rect(left + 4, body_top, kWidth - 8, body_h);

  // Inch scale along the top edge, in eighths.
  for (int eighth = 0; eighth <= 8; ++eighth) {
    const int tick_x = zero + round_px(eighth * kPixelsPerInch / 8.0);
    const int length = eighth % 8 == 0 ? 10 : eighth % 4 == 0 ? 7 : eighth % 2 == 0 ? 5 : 3;
    fl_line(tick_x, body_top, tick_x, body_top + length);
  }
  // Millimetre scale along the bottom edge.
  for (int mm = 0; mm <= 25; ++mm) {
    const int tick_x = zero + round_px(mm * kPixelsPerMm);
    const int length = mm % 10 == 0 ? 8 : mm % 5 == 0 ? 6 : 3;
    fl_line(tick_x, body_bottom, tick_x, body_bottom - length);
  }

  fl_font(FL_HELVETICA, 9);
  centred_text("0", zero, top + 10);
  centred_text("1", inch, top + 10);
  centred_text("0", zero, top + 51);
  centred_text("10", zero + round_px(10 * kPixelsPerMm), top + 51);
  // No 20: it would run into 25.4.

  // One inch is exactly 25.4 mm.
  fl_color(kMarkColour);
  fl_line_style(FL_SOLID, 2);
  fl_line(inch, body_top - 1, inch, body_bottom + 1);
  fl_line_style(0);
  centred_text("25.4", inch, top + 51);
  fl_color(FL_BLACK);
  fl_font(FL_HELVETICA, 10);
  centred_text("1 in = 25.4 mm", left + kWidth / 2, top + 64);
}

void ConversionPicture::draw_protractor(int left, int top) {
  const int radius = 36;
  const int centre_x = left + kWidth / 2, centre_y = top + 42;
  fl_color(kProtractorColour);
  fl_pie(centre_x - radius, centre_y - radius, 2 * radius, 2 * radius, 0.0, 180.0);
  fl_color(FL_BLACK);
  fl_arc(centre_x - radius, centre_y - radius, 2 * radius, 2 * radius, 0.0, 180.0);
  fl_line(centre_x - radius, centre_y, centre_x + radius, centre_y);
  // Ten-degree ticks, longer every thirty degrees.
  for (int degrees = 10; degrees < 180; degrees += 10) {
    const double angle = degrees * numeric::kRadPerDeg;
    const double inner = radius - (degrees % 30 == 0 ? 6.0 : 3.0);
    fl_line(centre_x + round_px(inner * std::cos(angle)),
            centre_y - round_px(inner * std::sin(angle)),
            centre_x + round_px(radius * std::cos(angle)),
            centre_y - round_px(radius * std::sin(angle)));
  }

  fl_color(kMarkColour);
  fl_line_style(FL_SOLID, 2);
  fl_line(centre_x, centre_y, centre_x, centre_y - radius);
  fl_line_style(0);
  fl_font(FL_HELVETICA, 9);
  fl_draw("90°", centre_x - 3 - round_px(fl_width("90°")), centre_y - 12);
  fl_draw("π/2", centre_x + 4, centre_y - 12);
  fl_color(FL_BLACK);
  centred_text("0", centre_x + radius, centre_y + 10);
  centred_text("180° = π", centre_x - radius + 6, centre_y + 10);
}

} // namespace geometry
