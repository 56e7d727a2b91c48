// The results window of the gear-ratio search.
#include "pages/gears/ratio_results_window.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "core/gears/gears_texts.h"
#include "core/i18n/common_texts.h"
#include "ui/page_context.h"

namespace gears {

namespace {

constexpr Fl_Color kWhite = 7;
constexpr Fl_Color kRed = 1;
constexpr int kWidth = 550;
constexpr int kHeight = 525;
constexpr int kListHeight = 469;
constexpr int kRowStep = 40;
constexpr int kHeadingHeight = 50;
constexpr int kLabelX = 9;
constexpr int kLabelSize = 12;
// A box draws a left- or right-aligned label 3 pixels in from each side.
constexpr int kLabelMargin = 6;

std::string text_of(const ui::PageContext& app, i18n::TextId entry) {
  const char* text = app.lang(entry);
  return text ? text : "";
}

int width_of(const std::string& text) { return static_cast<int>(fl_width(text.c_str()) + 0.5); }

Fl_Box* courier_box(int x, int y, int w, int h, const std::string& text) {
  auto* box = new Fl_Box(x, y, w, h);
  box->labelfont(FL_COURIER);
  box->copy_label(text.c_str());
  return box;
}

Fl_Box* row_label(int x, int y, int w, const std::string& text) {
  auto* box = new Fl_Box(x, y, w, 25);
  box->labelsize(kLabelSize);
  box->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
  box->copy_label(text.c_str());
  return box;
}

} // namespace

std::string results_heading(const ui::PageContext& app, const std::string& target,
                            const std::string& tolerance, ToleranceMode mode) {
  const i18n::TextId mode_name = texts::kToleranceModes[static_cast<size_t>(mode)];
  return text_of(app, texts::kRatioHeading) + " " + target + " : 1 " +
         text_of(app, texts::kHeadingWithin) + " " + tolerance + "% " + text_of(app, mode_name);
}

std::string result_row_text(const ui::PageContext& app, const RatioResult& result) {
  std::string ratio = result.ratio_text;
  if (ratio.size() < 8)
    ratio.append(8 - ratio.size(), ' ');
  return text_of(app, texts::kRatioLabel) + " = " + ratio + " " + text_of(app, texts::kErrorLabel) +
         " = " + result.error_text;
}

const char* fraction_bar(const RatioResult& result, int pair) {
  auto k = static_cast<size_t>(pair);
  bool wide = result.driver_text[k].size() >= 3 || result.driven_text[k].size() >= 3;
  return wide ? "___" : "__";
}

RatioResultsWindow::RatioResultsWindow(const ui::PageContext& app, int x, int y,
                                       const std::string& heading, const ResultList& results,
                                       std::function<void()> on_print,
                                       std::function<void()> on_close)
    : on_print_(std::move(on_print)), on_close_(std::move(on_close)) {
  measure(app, heading, results);
  window_ = std::make_unique<Fl_Double_Window>(x, y, width_, kHeight);
  window_->copy_label(text_of(app, texts::kTrainsFoundTitle).c_str());
  callbacks_.on(window_.get(), [this] { on_close_(); });
  auto* scroll = new Fl_Scroll(0, 0, width_, kListHeight);
  scroll->color(kWhite);
  scroll->box(FL_FLAT_BOX);
  scroll->type(Fl_Scroll::VERTICAL);
  int count = static_cast<int>(results.size());
  w_.rows =
      new Fl_Group(0, 0, width_, std::max(kListHeight, kRowStep * count + heading_height_ + 30));
  w_.rows->box(FL_FLAT_BOX);
  w_.rows->color(kWhite);
  w_.heading = courier_box(0, 0, width_ - 46, heading_height_, heading);
  w_.heading->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  for (int k = 0; k < count; ++k)
    add_row(app, results[static_cast<size_t>(k)], k);
  w_.rows->end();
  scroll->end();

  // The buttons keep their places under the middle of a widened list.
  const int shift = (width_ - kWidth) / 2;
  w_.print = new Fl_Button(192 + shift, 472, 130, 50, "@+9fileprint");
  w_.print->color(kWhite);
  w_.print->labelsize(15);
  callbacks_.on(w_.print, [this] { on_print_(); });
  w_.close = new Fl_Button(337 + shift, 472, 130, 50, "X");
  w_.close->labelcolor(kRed);
  w_.close->labelfont(FL_HELVETICA_BOLD_ITALIC);
  w_.close->labelsize(44);
  callbacks_.on(w_.close, [this] { on_close_(); });
  window_->end();
}

RatioResultsWindow::~RatioResultsWindow() = default;

void RatioResultsWindow::measure(const ui::PageContext& app, const std::string& heading,
                                 const ResultList& results) {
  // The columns move right as far as the texts of the language need.
  fl_font(FL_HELVETICA, kLabelSize);
  label_width_ =
      std::max(width_of(text_of(app, texts::kDriven)), width_of(text_of(app, texts::kDriver))) +
      kLabelMargin;
  pairs_x_ = kLabelX + label_width_ + 4;
  text_x_ = pairs_x_ + 210;
  fl_font(FL_COURIER, FL_NORMAL_SIZE);
  int text_width = 0;
  for (const RatioResult& result : results)
    text_width = std::max(text_width, width_of(result_row_text(app, result)));
  width_ = std::max(kWidth, text_x_ + text_width + kLabelMargin + 10);
  int wrap_width = width_ - 46 - kLabelMargin, lines_height = 0;
  fl_measure(heading.c_str(), wrap_width, lines_height, 0);
  heading_height_ = std::max(kHeadingHeight, lines_height + 4);
}

void RatioResultsWindow::add_row(const ui::PageContext& app, const RatioResult& result, int index) {
  int y = heading_height_ + 8 + kRowStep * index;
  // Each fraction reads driven over driver, so the fractions multiply to the
  // ratio: 29/22 x 95/82 x 72/35 = 3.14159.
  row_label(kLabelX, y - 7, label_width_, text_of(app, texts::kDriven));
  row_label(kLabelX, y + 7, label_width_, text_of(app, texts::kDriver));
  int pairs = result.pair_count();
  for (int p = 0; p < pairs; ++p) {
    auto k = static_cast<size_t>(p);
    int x = pairs_x_ + 55 * p;
    courier_box(x, y - 7, 40, 25, result.driven_text[k]);
    courier_box(x, y + 7, 40, 25, result.driver_text[k]);
    courier_box(x, y - 7, 40, 22, fraction_bar(result, p));
    if (p + 1 < pairs)
      courier_box(x + 40, y, 19, 25, "X");
  }
  const std::string line = result_row_text(app, result);
  fl_font(FL_COURIER, FL_NORMAL_SIZE);
  Fl_Box* text = courier_box(text_x_, y, width_of(line) + kLabelMargin, 25, line);
  text->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
}

} // namespace gears
