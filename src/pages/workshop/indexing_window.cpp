// The window of angular and differential indexing.
#include "pages/workshop/indexing_window.h"

#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <utility>

#include "core/i18n/common_texts.h"
#include "core/workshop/angular_indexing_calc.h"
#include "core/workshop/workshop_texts.h"
#include "pages/workshop/change_gear_set_window.h"
#include "core/numeric/number_text.h"
#include "ui/look.h"
#include "ui/number_input.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"

namespace workshop {

namespace {

constexpr long kFewestDivisions = 2;

Fl_Browser* line_list(int x, int y, int w, int h) {
  auto* list = new Fl_Browser(x, y, w, h);
  list->box(FL_GTK_DOWN_BOX);
  // Columns of digits stay under their headers in a fixed-width font.
  list->textfont(FL_COURIER);
  list->textsize(12);
  list->format_char(0);
  return list;
}

std::string text_of(const ui::PageContext& app, i18n::TextId entry) {
  const char* value = app.lang(entry);
  return value ? value : "";
}

} // namespace

DifferentialTexts differential_words(const ui::PageContext& app) {
  const auto& words = texts::kDifferentialWords;
  return {text_of(app, words[0]), text_of(app, words[1]), text_of(app, words[2]),
          text_of(app, words[3]), text_of(app, words[4])};
}

IndexingWindow::IndexingWindow(ui::PageContext& app, std::function<DividingHead()> head,
                               std::function<void(const std::vector<int>&)> store_gears)
    : context_(app), head_(std::move(head)), store_gears_(std::move(store_gears)) {
  window_ = std::make_unique<Fl_Window>(600, 550);
  window_->color(ui::kPageBackground);
  window_->copy_label(text(texts::kIndexingTitle).c_str());
  build_angle();
  build_differential();
  auto* help = ui::question_button({10, 500, 44, 44}, 28);
  callbacks_.on(help, [this] { context_.show_help(ui::HelpTopic::kIndexing); });
  auto* close = ui::close_button({530, 500, 60, 44}, 40);
  callbacks_.on(close, [this] { window_->hide(); });
  window_->end();
  gear_editor_ = std::make_unique<ChangeGearSetWindow>(
      context_, [this] { gears_changed(); },
      [this] {
        gear_editor_->window()->hide();
        w_.gears_button->activate();
      });
}

IndexingWindow::~IndexingWindow() = default;

std::string IndexingWindow::text(i18n::TextId entry) const { return text_of(context_, entry); }

// Both fields: captioned above, and their list follows every key.
void IndexingWindow::set_up_field(Fl_Input* field, i18n::TextId caption,
                                  std::function<void()> changed) {
  field->copy_label(text(caption).c_str());
  field->align(FL_ALIGN_TOP_LEFT);
  field->box(FL_GTK_DOWN_BOX);
  field->maximum_size(ui::kNumberTextSize);
  field->when(FL_WHEN_CHANGED);
  callbacks_.on(field, std::move(changed));
}

void IndexingWindow::build_angle() {
  ui::framed_group(10, 25, 580, 230, text(texts::kAngleGroup).c_str());
  w_.angle = new Fl_Input(20, 62, 160, 25);
  set_up_field(w_.angle, texts::kAngleFieldLabel, [this] { compute_angle(); });
  w_.angle_list = line_list(20, 95, 560, 150);
  Fl_Group::current()->end();
}

void IndexingWindow::build_differential() {
  ui::framed_group(10, 285, 580, 205, text(texts::kDifferentialGroup).c_str());
  w_.divisions = new ui::NumberInput(20, 318, 70, 25);
  w_.divisions->type(FL_INT_INPUT);
  w_.divisions->speak_with(context_);
  set_up_field(w_.divisions, texts::kDivisionsLabel, [this] { compute_differential(); });
  w_.gears_button = new Fl_Button(290, 313, 290, 30);
  w_.gears_button->copy_label(text(texts::kHeadGearsButton).c_str());
  callbacks_.on(w_.gears_button, [this] { open_gears(); });
  w_.differential_list = line_list(20, 350, 560, 130);
  Fl_Group::current()->end();
}

void IndexingWindow::show(const Fl_Window* over) {
  compute_angle();
  compute_differential();
  if (over)
    window_->position(over->x() + 120, over->y() + 30);
  window_->show();
}

void IndexingWindow::show_differential(long divisions, const Fl_Window* over) {
  w_.divisions->value(std::to_string(divisions).c_str());
  show(over);
}

void IndexingWindow::add_no_ratio_lines(Fl_Browser* list) {
  list->add(text(texts::kHeadWithoutRatio).c_str());
  list->add(text(texts::kNameHeadWithRatio).c_str());
}

void IndexingWindow::compute_angle() {
  w_.angle_list->clear();
  switch (read_angle_entry(w_.angle->value())) {
  case AngleEntry::kBlank:
    return;
  case AngleEntry::kUnreadable:
    w_.angle_list->add(text(texts::kUnreadableAngle).c_str());
    return;
  case AngleEntry::kOutOfRange:
    w_.angle_list->add(text(texts::kAngleOutOfRange).c_str());
    return;
  case AngleEntry::kAngle:
    break;
  }
  const DividingHead head = head_();
  if (head.ratio < 1) {
    add_no_ratio_lines(w_.angle_list);
    return;
  }
  const AngleResult result = index_angle(head.ratio, *parse_angle(w_.angle->value()), head.circles);
  if (result.exact.empty() && result.closest.empty())
    return;
  if (result.exact.empty())
    w_.angle_list->add(text(texts::kClosestAngles).c_str());
  const std::array<std::string, 5> titles = {text(texts::kHoleCircle), text(texts::kWholeTurns),
                                             text(texts::kHoles), text(texts::kAngleHeader),
                                             text(texts::kErrorHeader)};
  const AngleColumns columns = angle_columns(titles, result, text(texts::kWholeTurnMark));
  w_.angle_list->add(angle_header_line(titles, result.exact.empty(), columns).c_str());
  for (const AngleSetting& s : result.exact)
    w_.angle_list->add(angle_setting_line(s, text(texts::kWholeTurnMark), false, columns).c_str());
  for (const AngleSetting& s : result.closest)
    w_.angle_list->add(angle_setting_line(s, text(texts::kWholeTurnMark), true, columns).c_str());
}

void IndexingWindow::compute_differential() {
  w_.differential_list->clear();
  const long divisions = numeric::read_long(w_.divisions->number_text());
  if (divisions < kFewestDivisions)
    return;
  const DividingHead head = head_();
  if (head.ratio < 1) {
    add_no_ratio_lines(w_.differential_list);
    return;
  }
  if (can_index(head.ratio, head.circles, divisions)) {
    w_.differential_list->add(text(texts::kSimpleIndexingServes).c_str());
    return;
  }
  const std::vector<DifferentialSetting> settings =
      differential_settings(head.ratio, divisions, head.circles, head.gears);
  if (settings.empty()) {
    w_.differential_list->add(text(texts::kNoHeadGearServes).c_str());
    return;
  }
  const DifferentialTexts words = differential_words(context_);
  for (const DifferentialSetting& setting : settings) {
    if (w_.differential_list->size() > 0)
      w_.differential_list->add(" ");
    for (const std::string& line : differential_lines(setting, words))
      w_.differential_list->add(line.c_str());
  }
}

void IndexingWindow::open_gears() {
  std::vector<std::string> lines;
  std::vector<int> gears = head_().gears;
  std::sort(gears.begin(), gears.end());
  for (int teeth : gears)
    lines.push_back(std::to_string(teeth));
  gear_editor_->relabel();
  gear_editor_->window()->copy_label(text(texts::kHeadGearsTitle).c_str());
  gear_editor_->set_lines(lines);
  w_.gears_button->deactivate();
  gear_editor_->window()->show();
}

void IndexingWindow::gears_changed() {
  std::vector<int> gears;
  for (const std::string& line : gear_editor_->lines())
    if (long teeth = numeric::read_long(line); teeth > 0)
      gears.push_back(static_cast<int>(teeth));
  store_gears_(gears);
  compute_differential();
}

} // namespace workshop
