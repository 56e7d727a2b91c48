// The printed dovetail drawing: per part one sheet with three views of the
// profile (plain, one pin, two pins), each with its number above it.
#include "pages/workshop/dovetail_print.h"
#include "core/i18n/common_texts.h"
#include "core/numeric/number_text.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Paged_Device.H>
#include <FL/fl_draw.H>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/workshop/workshop_texts.h"
#include "ui/page_context.h"
#include "ui/print_job.h"

namespace workshop {

namespace {

// Sizes of a sheet, all from the printable area (see print_layout).
struct Layout {
  int width;
  int title_size; ///< S
  int y1, y2, y3; ///< base lines of the three views
  int u;          ///< unit: a fifth of the drawing width
  int h;          ///< depth of the tongue or slot
  int s;          ///< horizontal run of a slanted flank
  int p;          ///< pin diameter
  int x0, a, b, c;
  int decimals;
};

Layout print_layout(int width, int height, int title_size, int decimals) {
  Layout l{};
  l.width = width;
  l.title_size = title_size;
  int n = (width / 4) * 3;
  int band = static_cast<int>((height - title_size) / 3.5);
  l.y1 = title_size + band;
  l.y2 = title_size + 2 * band;
  l.y3 = 2 * l.y2 - l.y1;
  l.u = n / 5;
  l.h = (l.u / 8) * 3;
  l.s = static_cast<int>(l.h * 0.65);
  l.p = l.u / 4;
  l.x0 = (width - n) / 2;
  l.a = l.x0 + l.u;
  l.b = l.a + 3 * l.u;
  l.c = l.b + l.u;
  l.decimals = decimals;
  return l;
}

std::string number_text(double value, int decimals) {
  return numeric::printf_text("%.*f", decimals, value);
}

int text_width(const std::string& text) { return static_cast<int>(fl_width(text.c_str()) + 0.5); }

void polyline(std::initializer_list<std::pair<int, int>> points) {
  fl_begin_line();
  for (const auto& [px, py] : points)
    fl_vertex(px, py);
  fl_end_line();
}

// A gauge pin resting on `line`, centred at cx.
void pin(const Layout& l, int cx, int line) {
  fl_pie(cx - l.p / 2, line - l.p, l.p, l.p, 0.0, 360.0);
  fl_arc(cx - l.p / 2, line - l.p, l.p, l.p, 0.0, 360.0);
}

// The two strokes of an arrowhead at (tip, y); `run` +1 points it left.
void arrowhead(int tip, int y, int run) {
  fl_line(tip, y, tip + 6 * run, y - 1);
  fl_line(tip, y, tip + 6 * run, y + 1);
}

// A witness line on one side of a dimension: `top` is the view's top line,
// `start` where the line leaves the part (a corner or a pin's side).
struct Witness {
  int x;
  int start;
};

Witness at_corner(int x, int top) { return {x, top - 5}; }
Witness at_pin_side(const Layout& l, int x, int top) { return {x, top + l.p / 2}; }

// The number centred above the view between two witness lines, with a
// dimension line either side of it ending in outward arrowheads.
void dimension_above(const Layout& l, int top, Witness left, Witness right, double value) {
  std::string text = number_text(value, l.decimals);
  int font_height = fl_height();
  fl_line(left.x, left.start, left.x, top - 45);
  fl_line(right.x, right.start, right.x, top - 45);
  int text_left = l.width / 2 - text_width(text) / 2;
  int text_right = text_left + text_width(text);
  fl_draw(text.c_str(), text_left, top - 30 + font_height / 2);
  int line_y = top - 30 + font_height / 4;
  fl_line(left.x + 5, line_y, text_left - 5, line_y);
  arrowhead(left.x + 5, line_y, 1);
  fl_line(text_right + 5, line_y, right.x - 5, line_y);
  arrowhead(right.x - 5, line_y, -1);
}

// The depth written right of the tongue or slot, half way down it.
void depth_text(const Layout& l, int top, double value) {
  std::string text = number_text(value, l.decimals);
  fl_draw(text.c_str(), l.b + 20, top + l.h / 2 + fl_height() / 4);
}

std::string text_of(const ui::PageContext& app, i18n::TextId entry) {
  const char* text = app.lang(entry);
  return text ? text : "";
}

// Starts the page and writes the title, and under it the unit and the pin
// diameter that every number of the sheet depends on; the rest of the sheet
// is in the drawing font. Returns the title size S.
int start_sheet(Fl_Paged_Device& device, int width, int height, const std::string& title,
                const std::string& note) {
  device.start_page();
  int size = static_cast<int>(height * 0.0124069478908 * 2);
  fl_font(FL_HELVETICA, size);
  fl_color(FL_BLACK);
  const int title_x = (width / 2 - text_width(title)) / 2;
  fl_draw(title.c_str(), title_x, size);
  fl_font(FL_HELVETICA, 2 * (size / 3));
  fl_draw(note.c_str(), title_x, size + 2 * fl_height());
  fl_font(FL_COURIER_BOLD, 2 * (size / 3));
  return size;
}

// "Units: mm   Pin diameter = 6.00"
std::string sheet_note(const ui::PageContext& app, const DovetailPrintValues& values,
                       int decimals) {
  using namespace texts;
  return text_of(app, kUnitsLabel) + " " +
         text_of(app, values.millimetre ? kMillimetresWord : kInchesWord) + "   " +
         text_of(app, kPinDiameter) + " = " + number_text(values.pin_diameter, decimals);
}

void male_views(const Layout& l, const DovetailPartSizes& male) {
  const double max_width = male.width, depth = male.depth, over_pins = male.pins;
  int x0 = l.x0, a = l.a, b = l.b, c = l.c, s = l.s;
  // View 1: the plain profile with its width and depth.
  int base = l.y1 - l.h, top = l.y1 - 2 * l.h;
  polyline({{x0, base}, {a, base}, {a, top}, {b, top}, {b, base}, {c, base}});
  fl_line(b + 5, top, c, top);
  depth_text(l, top, depth);
  dimension_above(l, top, at_corner(a, top), at_corner(b, top), max_width);
  // View 2: left flank slanted, one pin against it.
  base = l.y2 - l.h;
  top = l.y2 - 2 * l.h;
  polyline({{x0, base}, {a + s, base}, {a, top}, {b, top}, {b, base}, {c, base}});
  pin(l, a, base);
  dimension_above(l, top, at_pin_side(l, a - l.p / 2, top), at_corner(b, top),
                  (max_width + over_pins) / 2);
  // View 3: both flanks slanted, measured over two pins.
  base = l.y3 - l.h;
  top = l.y3 - 2 * l.h;
  polyline({{x0, base}, {a + s, base}, {a, top}, {b, top}, {b - s, base}, {c, base}});
  pin(l, a, base);
  pin(l, b, base);
  dimension_above(l, top, at_pin_side(l, a - l.p / 2, top), at_pin_side(l, b + l.p / 2, top),
                  over_pins);
}

void female_views(const Layout& l, const DovetailPartSizes& female) {
  const double min_width = female.width, depth = female.depth, between_pins = female.pins;
  int x0 = l.x0, a = l.a, b = l.b, c = l.c, s = l.s;
  // View 1: the slot cut straight down, its mouth width and depth.
  int surface = l.y1 - 2 * l.h, bottom = l.y1 - l.h;
  polyline({{x0, surface}, {a, surface}, {a, bottom}, {b, bottom}, {b, surface}, {c, surface}});
  fl_line(b + 5, bottom, c, bottom);
  depth_text(l, surface, depth);
  dimension_above(l, surface, at_corner(a, surface), at_corner(b, surface), min_width);
  // View 2: the left flank undercut, one pin in the corner.
  surface = l.y2 - 2 * l.h;
  bottom = l.y2 - l.h;
  polyline({{x0, surface}, {a, surface}, {a - s, bottom}, {b, bottom}, {b, surface}, {c, surface}});
  pin(l, a, bottom);
  dimension_above(l, surface, at_pin_side(l, a + l.p / 2, surface), at_corner(b, surface),
                  (min_width + between_pins) / 2);
  // View 3: both flanks undercut, measured between two pins.
  surface = l.y3 - 2 * l.h;
  bottom = l.y3 - l.h;
  polyline(
      {{x0, surface}, {a, surface}, {a - s, bottom}, {b + s, bottom}, {b, surface}, {c, surface}});
  pin(l, a, bottom);
  pin(l, b, bottom);
  dimension_above(l, surface, at_pin_side(l, a + l.p / 2, surface),
                  at_pin_side(l, b - l.p / 2, surface), between_pins);
}

} // namespace

void draw_dovetail_sheets(Fl_Paged_Device& device, const ui::PageContext& app,
                          const DovetailPrintValues& values, DovetailSheets sheets) {
  int width = 0, height = 0;
  if (device.printable_rect(&width, &height) != 0)
    return;
  int decimals = values.millimetre ? 2 : 3;
  const std::string note = sheet_note(app, values, decimals);
  if (sheets != DovetailSheets::kFemaleOnly) {
    int size = start_sheet(device, width, height, text_of(app, texts::kMaleDovetail), note);
    male_views(print_layout(width, height, size, decimals), values.male);
    device.end_page();
  }
  if (sheets != DovetailSheets::kMaleOnly) {
    int size = start_sheet(device, width, height, text_of(app, texts::kFemaleDovetail), note);
    female_views(print_layout(width, height, size, decimals), values.female);
    device.end_page();
  }
}

void dovetail_print(ui::PageContext& app, ui::PageId page, const DovetailPrintValues& values,
                    DovetailSheets sheets) {
  // The dialog offers exactly the sheets that will be printed.
  const int pages = sheets == DovetailSheets::kBoth ? 2 : 1;
  ui::print_job(app, page, pages, [&](Fl_Paged_Device& device) {
    draw_dovetail_sheets(device, app, values, sheets);
    return true;
  });
}

} // namespace workshop
