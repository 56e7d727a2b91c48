// Printing the trains of the gear-ratio search.
#include "pages/gears/gear_ratio_print.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Paged_Device.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "core/gears/gears_texts.h"
#include "core/i18n/common_texts.h"
#include "ui/page_context.h"
#include "ui/print_job.h"

namespace gears {

namespace {

std::string text_of(const ui::PageContext& app, i18n::TextId entry) {
  const char* text = app.lang(entry);
  return text ? text : "";
}

int width_of(const std::string& text) { return static_cast<int>(fl_width(text.c_str()) + 0.5); }

void draw_centred(const std::string& text, int x, int y) {
  fl_draw(text.c_str(), x - width_of(text) / 2, y);
}

void start_list_page(Fl_Paged_Device& device) {
  device.start_page();
  fl_color(FL_BLACK);
}

/// A row label set right-aligned before the first fraction, in a
/// proportional font; the numbers stay in the fixed-width one.
void draw_row_label(const std::string& label, int right, int y) {
  fl_font(FL_HELVETICA, 12);
  fl_draw(label.c_str(), right - width_of(label), y);
  fl_font(FL_COURIER, 12);
}

} // namespace

bool draw_ratio_results(Fl_Paged_Device& device, const ui::PageContext& app,
                        const std::string& heading, const ResultList& results) {
  int width = 0, height = 0;
  if (device.printable_rect(&width, &height) != 0)
    return false;
  device.start_page();
  fl_color(FL_BLACK);
  fl_font(FL_HELVETICA, 14);
  // A heading longer than the paper is wide goes on as many lines as it needs.
  int heading_width = width, heading_height = 0;
  fl_measure(heading.c_str(), heading_width, heading_height, 0);
  fl_draw(heading.c_str(), 0, 0, width, heading_height, FL_ALIGN_TOP | FL_ALIGN_WRAP);
  const int h = fl_height();

  const std::string driven = text_of(app, texts::kDriven), driver = text_of(app, texts::kDriver);
  fl_font(FL_HELVETICA, 12);
  const int labels_right = std::max(width_of(driven), width_of(driver)) + 2;
  fl_font(FL_COURIER, 12);
  const int w = width_of("X");
  const int x0 = labels_right + w / 2 + 2 * w;
  const int text_x = x0 + 200;
  int y = heading_height + 28;
  for (const RatioResult& result : results) {
    if (y + h > height) {
      device.end_page();
      start_list_page(device);
      y = h;
    }
    // Driven over driver: the fractions multiply to the ratio.
    draw_row_label(driven, labels_right, y);
    draw_row_label(driver, labels_right, y + h);
    int pairs = result.pair_count();
    for (int p = 0; p < pairs; ++p) {
      auto k = static_cast<size_t>(p);
      int x = x0 + 55 * p;
      draw_centred(result.driven_text[k], x, y);
      draw_centred(result.driver_text[k], x, y + h);
      int half = std::max(width_of(result.driver_text[k]), width_of(result.driven_text[k])) / 2;
      fl_line(x - half, y + 4, x + half, y + 4);
      if (p + 1 < pairs)
        fl_draw("X", x + 27 - w / 2, y + h / 2);
    }
    std::string ratio = result.ratio_text;
    if (ratio.size() < 10)
      ratio.append(10 - ratio.size(), ' ');
    std::string line = text_of(app, texts::kRatioLabel) + " = " + ratio +
                       text_of(app, texts::kErrorLabel) + " = " + result.error_text;
    // A long line is moved left so that it ends on the paper.
    int x = std::min(text_x, width - width_of(line));
    fl_draw(line.c_str(), x, y + h / 2);
    y += 40;
  }
  device.end_page();
  return true;
}

bool print_ratio_results(ui::PageContext& app, const std::string& heading,
                         const ResultList& results) {
  return ui::print_job(app, ui::PageId::kGearRatio, 1, [&](Fl_Paged_Device& device) {
    return draw_ratio_results(device, app, heading, results);
  });
}

} // namespace gears
