// The change-gear results window and its printed page.
#include "pages/workshop/change_gear_results_window.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Paged_Device.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "core/i18n/common_texts.h"
#include "core/workshop/workshop_texts.h"
#include "ui/drawing_helpers.h"
#include "core/workshop/change_gears_form.h"
#include "ui/look.h"
#include "ui/page_context.h"
#include "ui/print_job.h"
#include "ui/page_widgets.h"

namespace workshop {

namespace {

constexpr Fl_Color kWhite = 7;
constexpr std::array<int, kChangeGearRows> kRowTops = {27,  84,  141, 198, 255,
                                                       312, 369, 426, 483, 541};

/// Where the boxes of pair k sit: x of the driver, arrow, driven gear and
/// end label, the line (0 upper, 22 lower) below the row's top + 7, and
/// where the printed arrow starts.
struct PairPlace {
  int driver, arrow, driven, end, drop, printed_arrow;
};
/// A fourth pair (only the gear-ratio search makes one) goes on the lower
/// line under the third pair's driven gear; the error box leaves no room for
/// its end label.
constexpr std::array<PairPlace, kChangeGearPairs> kPairs = {{{82, 117, 135, 178, 0, 123},
                                                             {135, 169, 187, 231, 22, 175},
                                                             {187, 222, 240, 283, 0, 227},
                                                             {240, 274, 292, 336, 22, 280}}};

bool has_end_label(int pairs) { return pairs > 0 && pairs < kChangeGearPairs; }

std::string text_of(const ui::PageContext& app, i18n::TextId entry) {
  const char* text = app.lang(entry);
  return text ? text : "";
}

Fl_Box* hidden_box(int x, int y, int w, int h) {
  auto* box = new Fl_Box(x, y, w, h);
  box->hide();
  return box;
}

Fl_Box* gear_box(int x, int y) {
  Fl_Box* box = hidden_box(x, y, 40, 20);
  box->box(FL_BORDER_BOX);
  box->color(kWhite);
  box->labelfont(FL_COURIER_BOLD);
  return box;
}

/// Per train shown (ten at most), which of its gears the set can't supply.
struct MissingGears {
  std::vector<std::vector<bool>> of_train;
  bool any = false;
};

MissingGears missing_gears(const gears::ResultList& results,
                           const std::vector<std::string>& owned) {
  MissingGears missing;
  for (size_t i = 0; i < results.size() && i < static_cast<size_t>(kChangeGearRows); ++i) {
    const std::vector<bool>& train =
        missing.of_train.emplace_back(gears_not_owned(results[i], owned));
    missing.any = missing.any || std::find(train.begin(), train.end(), true) != train.end();
  }
  return missing;
}

constexpr const char* kRedKeyEnglish = "Red: not in your change-gear set";
constexpr const char* kStarredKeyEnglish = "*: not in your change-gear set";
/// The key's line between the trains and the buttons.
constexpr int kKeyHeight = 24;

int width_of(const std::string& text) { return static_cast<int>(fl_width(text.c_str()) + 0.5); }

// A box draws a left- or right-aligned label 3 pixels in from each side.
constexpr int kLabelMargin = 6;

std::string error_line(const ui::PageContext& app, const gears::RatioResult& result) {
  return text_of(app, texts::kErrorLabel) + " = " + result.error_text;
}

int widest_error(const ui::PageContext& app, const gears::ResultList& results) {
  int widest = 0;
  for (const gears::RatioResult& result : results)
    widest = std::max(widest, width_of(error_line(app, result)));
  return widest;
}

} // namespace

ChangeGearResultsWindow::ChangeGearResultsWindow(const ui::PageContext& app, int x, int y,
                                                 const std::string& heading,
                                                 const gears::ResultList& results,
                                                 const std::vector<std::string>& owned,
                                                 std::function<void()> on_print,
                                                 std::function<void()> on_close)
    : context_(app), on_print_(std::move(on_print)), on_close_(std::move(on_close)) {
  const MissingGears missing = missing_gears(results, owned);
  const std::string key = app.lang_or(texts::kRedKey, kRedKeyEnglish);
  // The end label, the error column, the key and the heading take the room
  // the language's texts need; the window grows to hold them.
  fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
  const int key_width = width_of(key) + kLabelMargin;
  end_width_ = std::max(69, width_of(text_of(app, texts::kTrainEnd)) + kLabelMargin);
  error_width_ = std::max(137, widest_error(app, results) + kLabelMargin);
  error_x_ = std::max(350, kPairs[2].end + end_width_ + 2);
  frame_width_ = std::max(495, error_x_ + error_width_ + 3);
  fl_font(FL_HELVETICA_BOLD, FL_NORMAL_SIZE);
  const int heading_width = std::max(frame_width_, width_of(heading) + kLabelMargin);
  const int width = std::max({525, heading_width + 30, key_width + 10});
  // The key's line, when a gear is red, pushes the buttons down.
  const int key_height = missing.any ? kKeyHeight : 0;
  window_ = std::make_unique<Fl_Double_Window>(x, y, width, 485 + key_height);
  window_->copy_label(text_of(app, texts::kChangeGearsTitle).c_str());
  callbacks_.on(window_.get(), [this] { on_close_(); });
  auto* scroll = new Fl_Scroll(0, 0, width, 425);
  scroll->type(Fl_Scroll::VERTICAL);
  w_.heading = new Fl_Box(5, 1, heading_width, 20);
  w_.heading->labelfont(FL_HELVETICA_BOLD);
  w_.heading->copy_label(heading.c_str());
  for (int i = 0; i < kChangeGearRows; ++i)
    build_row(i, kRowTops[static_cast<size_t>(i)]);
  scroll->end();
  w_.key = new Fl_Box(5, 427, width - 10, 20);
  w_.key->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  w_.key->labelcolor(ui::kTextBad);
  w_.key->copy_label(key.c_str());
  if (!missing.any)
    w_.key->hide();

  w_.print = new Fl_Button(253, 433 + key_height, 130, 50, "@+9fileprint");
  w_.print->labelsize(19);
  callbacks_.on(w_.print, [this] { on_print_(); });
  w_.close = ui::close_button({391, 433 + key_height, 130, 50}, 44);
  callbacks_.on(w_.close, [this] { on_close_(); });
  window_->end();
  window_->set_modal();

  for (size_t i = 0; i < missing.of_train.size(); ++i)
    fill_row(static_cast<int>(i), results[i], missing.of_train[i]);
}

ChangeGearResultsWindow::~ChangeGearResultsWindow() = default;

void ChangeGearResultsWindow::build_row(int i, int top) {
  ChangeGearRow& row = w_.rows[static_cast<size_t>(i)];
  row.frame = hidden_box(5, top, frame_width_, 55);
  row.frame->box(FL_BORDER_BOX);
  row.frame->color(kWhite);
  row.label = hidden_box(7, top + 7, 72, 20);
  row.label->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
  row.label->copy_label(context_.lang(texts::kTrainLabel));
  for (size_t k = 0; k < kPairs.size(); ++k) {
    const PairPlace& place = kPairs[k];
    int y = top + 7 + place.drop;
    row.driver[k] = gear_box(place.driver, y);
    row.arrow[k] = hidden_box(place.arrow, y, 26, 20);
    row.arrow[k]->label("@->");
    row.arrow[k]->labelsize(11);
    row.driven[k] = gear_box(place.driven, y);
    row.end[k] = hidden_box(place.end, y, end_width_, 20);
    row.end[k]->copy_label(context_.lang(texts::kTrainEnd));
  }
  row.error = hidden_box(error_x_, top + 18, error_width_, 20);
}

void ChangeGearResultsWindow::fill_row(int i, const gears::RatioResult& result,
                                       const std::vector<bool>& missing) {
  ChangeGearRow& row = w_.rows[static_cast<size_t>(i)];
  row.frame->show();
  row.label->show();
  int pairs = result.pair_count();
  for (int p = 0; p < pairs; ++p) {
    auto k = static_cast<size_t>(p);
    for (auto [box, text, gear] : {std::tuple{row.driver[k], &result.driver_text[k], 2 * k},
                                   std::tuple{row.driven[k], &result.driven_text[k], 2 * k + 1}}) {
      box->copy_label(text->c_str());
      if (missing[gear])
        box->labelcolor(ui::kTextBad);
      box->show();
    }
    row.arrow[k]->show();
  }
  if (has_end_label(pairs))
    row.end[static_cast<size_t>(pairs - 1)]->show();
  row.error->copy_label(error_line(context_, result).c_str());
  row.error->show();
}

// ---- paper ----

namespace {

void cell(int x, int y, const std::string& text) {
  fl_color(FL_WHITE);
  fl_rectf(x, y, 40, 20);
  fl_color(FL_BLACK);
  fl_rect(x, y, 40, 20);
  fl_draw(text.c_str(), x + 20 - width_of(text) / 2, y + 15);
}

/// The row label right-aligned before the gears; a label of two words is
/// set on two lines.
void row_label(const std::string& label, int m, int top) {
  size_t space = label.find(' ');
  if (space == std::string::npos) {
    fl_draw(label.c_str(), m + 77 - width_of(label), top + 21);
    return;
  }
  std::string first = label.substr(0, space);
  int x = m + 60 - width_of(first);
  fl_draw(first.c_str(), x, top + 16);
  fl_draw(label.substr(space + 1).c_str(), x, top + 30);
}

} // namespace

bool draw_change_gear_results(Fl_Paged_Device& device, const ui::PageContext& app,
                              const std::string& heading, const gears::ResultList& results,
                              const std::vector<std::string>& owned) {
  int width = 0, height = 0;
  if (device.printable_rect(&width, &height) != 0)
    return false;
  device.start_page();
  fl_font(FL_HELVETICA, 14);
  fl_color(FL_BLACK);
  // The frames widen when the language's error text needs it.
  const int frame = std::max(495, 354 + widest_error(app, results) + 8);
  int m = (width - frame) / 2;
  // A heading wider than the paper goes on as many lines as it needs.
  int heading_width = width, heading_height = 0;
  fl_measure(heading.c_str(), heading_width, heading_height, 0);
  fl_draw(heading.c_str(), 0, 0, width, heading_height, FL_ALIGN_TOP | FL_ALIGN_WRAP);
  const int first_top = 27 + heading_height - fl_height();
  const std::string label = text_of(app, texts::kTrainLabel);
  const std::string end = text_of(app, texts::kTrainEnd);
  const MissingGears missing = missing_gears(results, owned);
  for (size_t i = 0; i < missing.of_train.size(); ++i) {
    const gears::RatioResult& result = results[i];
    int top = first_top + 57 * static_cast<int>(i);
    fl_color(FL_WHITE);
    fl_rectf(m + 5, top, frame, 55);
    fl_color(FL_BLACK);
    fl_rect(m + 5, top, frame, 55);
    fl_font(FL_HELVETICA, 14);
    fl_draw(error_line(app, result).c_str(), m + 359, top + 32);
    row_label(label, m, top);

    int pairs = result.pair_count();
    fl_font(FL_COURIER_BOLD, 14);
    for (int p = 0; p < pairs; ++p) {
      auto k = static_cast<size_t>(p);
      const PairPlace& place = kPairs[k];
      int y = top + 7 + place.drop;
      // Paper is often printed black: a star marks what the screen shows red.
      cell(m + place.driver, y, result.driver_text[k] + (missing.of_train[i][2 * k] ? "*" : ""));
      cell(m + place.driven, y,
           result.driven_text[k] + (missing.of_train[i][2 * k + 1] ? "*" : ""));
      drawing::arrow_line_h(m + place.printed_arrow, y + 10, m + place.driven - 1, 1);
    }
    if (has_end_label(pairs)) {
      const PairPlace& last = kPairs[static_cast<size_t>(pairs - 1)];
      fl_font(FL_HELVETICA, 14);
      fl_draw(end.c_str(), m + last.end, top + 7 + last.drop + 14);
    }
  }
  if (missing.any) {
    fl_font(FL_HELVETICA, 14);
    const std::string key = app.lang_or(texts::kStarredKey, kStarredKeyEnglish);
    fl_draw(key.c_str(), m + 5, first_top + 57 * static_cast<int>(missing.of_train.size()) + 16);
  }
  device.end_page();
  return true;
}

bool print_change_gear_results(ui::PageContext& app, const std::string& heading,
                               const gears::ResultList& results,
                               const std::vector<std::string>& owned) {
  return ui::print_job(app, ui::PageId::kChangeGears, 1, [&](Fl_Paged_Device& device) {
    return draw_change_gear_results(device, app, heading, results, owned);
  });
}

} // namespace workshop
