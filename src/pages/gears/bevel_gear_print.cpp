// Layout of a printed bevel-gear sheet, top to bottom: the title, two centred
// lines, the sketch, the legend of its numbers, the rows of the gear's column.
#include "pages/gears/bevel_gear_print.h"

#include <FL/Fl_Paged_Device.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "ui/page_context.h"
#include "ui/print_job.h"
#include "pages/gears/bevel_gear_draw.h"

namespace gears {

namespace {

/// The picture's extent right and below its corner, and where it begins.
constexpr int kPictureWidth = 470;
constexpr int kPictureTop = 25;
constexpr int kPictureBottom = 395;
constexpr int kLabelX = 50;
constexpr int kValueX = 343;
constexpr int kDmsValueX = 320;

int text_width(const std::string& text) { return static_cast<int>(fl_width(text.c_str()) + 0.5); }

void centred(const std::string& text, int width, int base_line) {
  fl_draw(text.c_str(), (width - text_width(text)) / 2, base_line);
}

struct Sizes {
  int title;  ///< s
  int text;   ///< 2 (s / 3)
  int line;   ///< descent + size + 2 of the text font
  int height; ///< the whole sheet
};

Sizes sheet_sizes(int printable_height, int lines) {
  Sizes s{};
  s.title = static_cast<int>(2 * printable_height * 0.0124069478908);
  s.text = 2 * (s.title / 3);
  fl_font(FL_HELVETICA, s.text);
  s.line = fl_descent() + s.text + 2;
  s.height = s.title + 2 * s.line + (kPictureBottom - kPictureTop) + (lines + 2) * s.line;
  return s;
}

void draw_sheet(const BevelPrintSheet& sheet, int width, const Sizes& s) {
  fl_color(FL_BLACK);
  fl_font(FL_HELVETICA, s.title);
  int y = s.title;
  centred(sheet.title, width, y);
  fl_font(FL_HELVETICA, s.text);
  y += s.line;
  centred(sheet.pitch_line, width, y);
  y += s.line;
  centred(sheet.teeth_line, width, y);
  draw_bevel_gear_picture((width - kPictureWidth) / 2, y + fl_descent() - kPictureTop);
  fl_line_style(FL_SOLID);
  y += kPictureBottom - kPictureTop;
  fl_color(FL_BLACK);
  fl_font(FL_HELVETICA, s.text);
  for (const std::string& line : sheet.legend) {
    y += s.line;
    fl_draw(line.c_str(), kLabelX, y);
  }
  y += s.line / 2; // the rows apart from the legend
  for (const BevelPrintRow& row : sheet.rows) {
    y += s.line;
    fl_color(FL_BLACK);
    fl_font(FL_HELVETICA, s.text);
    fl_draw(row.label.c_str(), kLabelX, y);
    fl_font(FL_COURIER_BOLD, s.text);
    fl_draw(row.value.c_str(), row.dms ? kDmsValueX : kValueX, y);
  }
}

} // namespace

void draw_bevel_gear_sheets(Fl_Paged_Device& device, const std::vector<BevelPrintSheet>& sheets) {
  for (const BevelPrintSheet& sheet : sheets) {
    if (device.start_page() != 0)
      return;
    int width = 0, height = 0;
    if (device.printable_rect(&width, &height) != 0) {
      device.end_page();
      return;
    }
    Sizes sizes = sheet_sizes(height, static_cast<int>(sheet.legend.size() + sheet.rows.size()));
    // A sheet taller than the paper (or the row values' column wider) is
    // drawn smaller, whole.
    const double fit_height = static_cast<double>(height) / sizes.height;
    const double fit_width = static_cast<double>(width) / (kValueX + 120);
    const double fit = std::min(fit_height, fit_width);
    if (fit < 1.0) {
      device.scale(static_cast<float>(fit));
      device.printable_rect(&width, &height);
    }
    draw_sheet(sheet, width, sizes);
    device.end_page();
  }
}

void print_bevel_gear(ui::PageContext& app, const std::vector<BevelPrintSheet>& sheets) {
  if (sheets.empty())
    return;
  ui::print_job(app, ui::PageId::kBevelGear, static_cast<int>(sheets.size()),
                [&](Fl_Paged_Device& device) {
                  draw_bevel_gear_sheets(device, sheets);
                  return true;
                });
}

} // namespace gears
