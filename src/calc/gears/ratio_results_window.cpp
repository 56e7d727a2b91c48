// The results window of the gear-ratio search.
#include "calc/gears/ratio_results_window.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Scroll.H>

#include <algorithm>

#include "ui/page_context.h"

namespace gears {

namespace {

constexpr Fl_Color kWhite = 7;
constexpr Fl_Color kRed = 1;
constexpr int kWidth = 550;
constexpr int kHeight = 525;
constexpr int kListHeight = 469;
constexpr int kRowStep = 40;

std::string text_of(const ui::PageContext& app, int entry) {
  const char* text = app.lang(entry);
  return text ? text : "";
}

Fl_Box* courier_box(int x, int y, int w, int h, const std::string& text) {
  auto* box = new Fl_Box(x, y, w, h);
  box->labelfont(FL_COURIER);
  box->copy_label(text.c_str());
  return box;
}

} // namespace

std::string results_heading(const ui::PageContext& app, const std::string& target,
                            const std::string& tolerance, ToleranceMode mode) {
  int mode_name = 420 + static_cast<int>(mode);
  return text_of(app, 429) + " " + target + " - 1 " + text_of(app, 433) + " " + tolerance + "% " +
         text_of(app, mode_name);
}

std::string result_row_text(const ui::PageContext& app, const RatioResult& result) {
  std::string ratio = result.ratio_text;
  if (ratio.size() < 8)
    ratio.append(8 - ratio.size(), ' ');
  return text_of(app, 427) + " = " + ratio + " " + text_of(app, 428) + " = " + result.error_text;
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
  window_ = std::make_unique<Fl_Double_Window>(x, y, kWidth, kHeight);
  callbacks_.on(window_.get(), [this] { on_close_(); });
  scroll_ = new Fl_Scroll(0, 0, kWidth, kListHeight);
  scroll_->color(kWhite);
  scroll_->box(FL_FLAT_BOX);
  scroll_->type(Fl_Scroll::VERTICAL);
  int count = static_cast<int>(results.size());
  rows_ = new Fl_Group(0, 0, kWidth, std::max(kListHeight, kRowStep * count + 80));
  rows_->box(FL_FLAT_BOX);
  rows_->color(kWhite);
  heading_ = courier_box(0, 0, 504, 50, heading);
  heading_->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  for (int k = 0; k < count; ++k)
    add_row(app, results[static_cast<size_t>(k)], k);
  rows_->end();
  scroll_->end();

  print_ = new Fl_Button(192, 472, 130, 50, "@+9fileprint");
  print_->color(kWhite);
  print_->labelsize(15);
  callbacks_.on(print_, [this] { on_print_(); });
  close_ = new Fl_Button(337, 472, 130, 50, "X");
  close_->labelcolor(kRed);
  close_->labelfont(FL_HELVETICA_BOLD_ITALIC);
  close_->labelsize(44);
  callbacks_.on(close_, [this] { on_close_(); });
  window_->end();
}

RatioResultsWindow::~RatioResultsWindow() = default;

void RatioResultsWindow::add_row(const ui::PageContext& app, const RatioResult& result, int index) {
  int y = 58 + kRowStep * index;
  int pairs = result.pair_count();
  for (int p = 0; p < pairs; ++p) {
    auto k = static_cast<size_t>(p);
    int x = 9 + 55 * p;
    courier_box(x, y - 7, 40, 25, result.driver_text[k]);
    courier_box(x, y + 7, 40, 25, result.driven_text[k]);
    courier_box(x, y - 7, 40, 22, fraction_bar(result, p));
    if (p + 1 < pairs)
      courier_box(x + 40, y, 19, 25, "X");
  }
  Fl_Box* text = courier_box(219, y, 46, 25, result_row_text(app, result));
  text->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
}

} // namespace gears
