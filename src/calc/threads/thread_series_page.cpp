// Page 8, thread series and tapping drills: widgets, callbacks and saved state.
#include "calc/threads/thread_series_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <cstdio>
#include <string>

#include "settings/settings_model.h"
#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "calc/threads/thread_tables.h"
#include "settings/ini_document.h"

namespace threads {

namespace {

using ui::show_if;

constexpr int kSizeRecord = 23;     // diameter and pitch
constexpr int kPercentRecord = 24;  // thread engagement, 30-100
constexpr int kFractionRecord = 25; // numerator and denominator
constexpr int kInchDecimals = 3;
constexpr int kNumberedDecimals = 3;
constexpr Fl_Color kOutputColour = 215;
constexpr Fl_Color kNoteColour = 54;
constexpr int kFirstSeriesEntry = 273;
constexpr int kMetricSeriesItem = 2; // ISO metric
constexpr int kInchSeriesItem = 3;   // Unified
constexpr int kFallbackSeriesItem = 5;
constexpr ui::HelpTopic kHelpTopic = ui::HelpTopic::kThreads;
constexpr long kDefaultPercent = 75;

template <typename Self, void (Self::*method)()> void trampoline(Fl_Widget*, void* self) {
  (static_cast<Self*>(self)->*method)();
}

Fl_Box* text_box(const ui::PageContext& app, int x, int y, int w, int h, int entry,
                 Fl_Align align = FL_ALIGN_CENTER) {
  auto* box = new Fl_Box(x, y, w, h);
  box->align(align | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  box->copy_label(app.lang(entry));
  return box;
}

Fl_Output* output(const ui::PageContext& app, int x, int y, int w, int h, int label_entry) {
  auto* field = new Fl_Output(x, y, w, h);
  field->color(kOutputColour);
  field->clear_visible_focus();
  if (label_entry >= 0)
    field->copy_label(app.lang(label_entry));
  return field;
}

Fl_Check_Button* check(const ui::PageContext& app, int x, int y, int w, int h, int entry) {
  auto* button = new Fl_Check_Button(x, y, w, h);
  button->copy_label(app.lang(entry));
  return button;
}

Fl_Browser* drill_list(const ui::PageContext& app, int x, int entry) {
  auto* list = new Fl_Browser(x, 359, 120, 134);
  list->color(kOutputColour);
  list->align(FL_ALIGN_TOP);
  list->copy_label(app.lang(entry));
  return list;
}

// The names and the engagements are read across: scrolling either list
// scrolls both.
void link_scrolling(Fl_Browser* a, Fl_Browser* b) {
  auto scrolled = [](Fl_Widget* bar, void* other) {
    int position = static_cast<int>(static_cast<Fl_Scrollbar*>(bar)->value());
    static_cast<Fl_Browser*>(bar->parent())->position(position);
    static_cast<Fl_Browser*>(other)->position(position);
  };
  a->scrollbar.callback(scrolled, b);
  b->scrollbar.callback(scrolled, a);
}

// Width of a text in Helvetica 14, in whole pixels.
int text_width(const char* text) {
  fl_open_display();
  fl_font(FL_HELVETICA, 14);
  return static_cast<int>(fl_width(text));
}

} // namespace

ThreadSeriesPage::ThreadSeriesPage(ui::PageContext& app) : Page(app, ui::PageId::kThreadSeries) {}

// ---- building ----

void ThreadSeriesPage::build(Fl_Group&) {
  build_heading();
  build_entry();
  build_results();
  context_.input_range(kSizeRecord).on_valid = [this](Fl_Input* field, long) { size_typed(field); };
  context_.input_range(kPercentRecord).on_valid = [this](Fl_Input*, long) { recompute(); };
  context_.input_range(kFractionRecord).on_valid = [this](Fl_Input*, long) { fraction_typed(); };
}

void ThreadSeriesPage::build_heading() {
  auto* title = text_box(context_, 172, 12, 540, 37, 226, FL_ALIGN_LEFT);
  title->labelfont(FL_HELVETICA_BOLD);
  title->labelsize(18);
  text_box(context_, 172, 52, 219, 25, 227, FL_ALIGN_LEFT);
  // Texts 228 and 229 continue text 227 on its line and the next.
  const char* first = context_.lang(227);
  int x = 172 + text_width((std::string(first ? first : "") + " ").c_str());
  text_box(context_, x, 51, 178, 25, 228, FL_ALIGN_LEFT);
  text_box(context_, x, 75, 319 - std::max(0, x - 380), 25, 229, FL_ALIGN_LEFT);

  w_.help = new Fl_Button(727, 95, 87, 20);
  w_.help->box(FL_GTK_UP_BOX);
  w_.help->color(50);
  w_.help->copy_label(context_.lang(230));
  w_.help->callback(
      [](Fl_Widget*, void* self) {
        static_cast<ThreadSeriesPage*>(self)->context_.show_help(kHelpTopic);
      },
      this);

  auto* drill_group = new Fl_Group(169, 140, 649, 27);
  drill_group->box(FL_ENGRAVED_FRAME);
  drill_group->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  drill_group->copy_label(context_.lang(248));
  w_.fractional = check(context_, 272, 143, 52, 20, 232);
  w_.letter = check(context_, 385, 143, 62, 20, 233);
  w_.number = check(context_, 504, 143, 75, 20, 234);
  w_.metric = check(context_, 621, 143, 60, 20, 190);
  for (Fl_Check_Button* b : {w_.fractional, w_.letter, w_.number, w_.metric})
    b->callback(trampoline<ThreadSeriesPage, &ThreadSeriesPage::drill_series_changed>, this);
  drill_group->end();
}

void ThreadSeriesPage::build_entry() {
  w_.series = new Fl_Choice(172, 188, 274, 25);
  w_.series->align(FL_ALIGN_TOP_LEFT);
  w_.series->copy_label(context_.lang(235));
  ui::fill_text_menu(w_.series, context_, kFirstSeriesEntry, kSeriesCount);
  w_.series->callback(
      [](Fl_Widget*, void* self) { static_cast<ThreadSeriesPage*>(self)->series_chosen(true); },
      this);

  w_.diameter = ui::make_checked_input(context_, kSizeRecord, 480, 188, 65, 25);
  w_.diameter->align(FL_ALIGN_TOP_LEFT);
  w_.diameter->copy_label(context_.lang(236));

  w_.fraction = new Fl_Group(479, 232, 69, 26);
  w_.fraction->copy_label(context_.lang(280));
  w_.over = ui::make_checked_input(context_, kFractionRecord, 480, 235, 25, 20);
  new Fl_Box(507, 235, 12, 20, "/");
  w_.under = ui::make_checked_input(context_, kFractionRecord, 521, 235, 25, 20);
  w_.fraction->end();

  w_.size_number = new Fl_Choice(481, 188, 65, 25);
  w_.size_number->align(FL_ALIGN_TOP_LEFT);
  w_.size_number->copy_label(context_.lang(234));
  w_.size_number->callback(trampoline<ThreadSeriesPage, &ThreadSeriesPage::recompute>, this);
  w_.size_number->hide();

  w_.pitch = ui::make_checked_input(context_, kSizeRecord, 591, 188, 70, 25);
  w_.pitch->align(FL_ALIGN_TOP_LEFT);
  w_.pitch->copy_label(context_.lang(237));

  w_.numbered_tpi = output(context_, 552, 188, 70, 25, 237);
  w_.numbered_pitch = output(context_, 628, 188, 70, 25, 250);
  for (Fl_Output* field : {w_.numbered_tpi, w_.numbered_pitch}) {
    field->align(FL_ALIGN_TOP_LEFT);
    field->hide();
  }

  w_.percent = ui::make_checked_input(context_, kPercentRecord, 706, 188, 65, 25);
  w_.percent->align(FL_ALIGN_TOP_LEFT);
  w_.percent->copy_label(context_.lang(238));
}

void ThreadSeriesPage::build_results() {
  text_box(context_, 246, 225, 203, 25, 239);
  w_.reference_inch = output(context_, 247, 250, 71, 25, 20);
  w_.reference_mm = output(context_, 374, 250, 75, 25, 243);
  text_box(context_, 247, 293, 204, 25, 241);
  w_.major_inch = output(context_, 247, 318, 71, 25, 20);
  w_.major_mm = output(context_, 374, 318, 75, 25, 243);
  text_box(context_, 559, 225, 158, 25, 240);
  w_.drill_inch = output(context_, 598, 250, 90, 25, 20);
  w_.drill_mm = output(context_, 598, 279, 90, 25, 243);

  text_box(context_, 501, 313, 275, 26, 242);
  w_.drill_names = drill_list(context_, 526, 247);
  w_.drill_engagements = drill_list(context_, 647, 238);
  link_scrolling(w_.drill_names, w_.drill_engagements);

  const int notes[3][5] = {
      {169, 375, 274, 142, 244}, {170, 526, 274, 58, 245}, {525, 498, 242, 83, 246}};
  for (const auto& n : notes) {
    Fl_Box* note = text_box(context_, n[0], n[1], n[2], n[3], n[4], FL_ALIGN_LEFT);
    note->box(FL_FLAT_BOX);
    note->color(kNoteColour);
  }
}

// ---- callbacks ----

int ThreadSeriesPage::series_index() const {
  int item = w_.series->value();
  return thread_series(item < 0 ? kFallbackSeriesItem + 1 : item + 1).index;
}

void ThreadSeriesPage::series_chosen(bool take_focus) {
  if (w_.series->value() < 0)
    w_.series->value(kFallbackSeriesItem);
  for (Fl_Input* field : {static_cast<Fl_Input*>(w_.diameter), static_cast<Fl_Input*>(w_.pitch),
                          static_cast<Fl_Input*>(w_.over), static_cast<Fl_Input*>(w_.under)})
    field->value("");
  empty_results();
  int series = series_index();
  arrange_entry(series);
  // The engagement typed and the series' own depth factor stay as they are.
  recompute();
  if (!take_focus)
    return;
  switch (thread_series(series).entry) {
  case SizeEntry::kBaNumber:
    w_.size_number->take_focus();
    break;
  case SizeEntry::kUnifiedNumber:
    w_.pitch->take_focus();
    break;
  case SizeEntry::kInch:
  case SizeEntry::kMetric:
    w_.diameter->take_focus();
    break;
  }
}

void ThreadSeriesPage::arrange_entry(int series) {
  SizeEntry entry = thread_series(series).entry;
  bool numbered = entry == SizeEntry::kBaNumber || entry == SizeEntry::kUnifiedNumber;
  show_if(w_.fraction, entry == SizeEntry::kInch);
  show_if(w_.diameter, !numbered);
  w_.diameter->copy_label(context_.lang(numbered ? 234 : 236));
  show_if(w_.pitch, entry != SizeEntry::kBaNumber);
  w_.pitch->copy_label(context_.lang(entry == SizeEntry::kMetric ? 249 : 237));
  show_if(w_.numbered_tpi, entry == SizeEntry::kBaNumber);
  show_if(w_.numbered_pitch, entry == SizeEntry::kBaNumber);

  w_.size_number->clear();
  if (entry == SizeEntry::kBaNumber) {
    for (const BaSize& size : ba_sizes())
      w_.size_number->add(size.name);
    w_.size_number->value(kBaPreset);
  } else if (entry == SizeEntry::kUnifiedNumber) {
    for (const UnifiedNumberSize& size : unified_number_sizes())
      w_.size_number->add(size.name);
    w_.size_number->value(kUnifiedNumberPreset);
  }
  show_if(w_.size_number, numbered);
  // Labels lie outside their widgets.
  if (Fl_Group* page = w_.series->parent())
    page->redraw();
}

void ThreadSeriesPage::drill_series_changed() {
  context_.store_drill_series(w_.fractional->value(), w_.letter->value(), w_.number->value(),
                              w_.metric->value());
  recompute();
}

void ThreadSeriesPage::size_typed(Fl_Input* field) {
  // A diameter typed by hand replaces the fraction it was made from.
  if (field == w_.diameter) {
    w_.over->value("");
    w_.under->value("");
  }
  recompute();
}

void ThreadSeriesPage::fraction_typed() {
  if (thread_series(series_index()).entry != SizeEntry::kInch)
    return;
  long over = ui::field_long(w_.over);
  long under = ui::field_long(w_.under);
  if (over == 0 || under == 0)
    return;
  // The fraction stays as typed, so that 1/16 can be typed through 1/1.
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(over) / static_cast<double>(under));
  w_.diameter->value(text);
  recompute();
}

// ---- computation ----

void ThreadSeriesPage::recompute() {
  long percent = ui::field_long(w_.percent);
  if (percent <= 0) {
    percent = kDefaultPercent;
    w_.percent->value(std::to_string(percent).c_str());
  }
  TapDrillInput in;
  in.series = series_index();
  in.diameter = ui::field_double(w_.diameter);
  in.pitch = ui::field_double(w_.pitch);
  in.size_index = w_.size_number->value();
  in.percent = static_cast<double>(percent);
  in.drills.fractional = w_.fractional->value() != 0;
  in.drills.number = w_.number->value() != 0;
  in.drills.letter = w_.letter->value() != 0;
  in.drills.metric = w_.metric->value() != 0;
  std::optional<TapDrillResult> result = compute_tap_drill(in);
  if (!result) {
    empty_results();
    return;
  }
  show_result(*result);
  if (result->tap_drill_inch && in.drills.count() == 0 && w_.series->visible_r())
    context_.dialogs().alert(
        context_.lang_or(281, "No drill series is selected. Tick at least one."));
}

void ThreadSeriesPage::show_result(const TapDrillResult& r) {
  ui::set_field_fixed(w_.reference_inch, kInchDecimals, r.reference_inch);
  ui::set_field_fixed(w_.reference_mm, r.mm_decimals, r.reference_mm);
  ui::set_field_fixed(w_.major_inch, kInchDecimals, r.major_inch);
  ui::set_field_fixed(w_.major_mm, r.mm_decimals, r.major_mm);
  if (r.numbered_tpi && r.numbered_pitch_mm) {
    ui::set_field_fixed(w_.numbered_tpi, kNumberedDecimals, *r.numbered_tpi);
    ui::set_field_fixed(w_.numbered_pitch, kNumberedDecimals, *r.numbered_pitch_mm);
  } else {
    w_.numbered_tpi->value("");
    w_.numbered_pitch->value("");
  }
  w_.drill_names->clear();
  w_.drill_engagements->clear();
  if (!r.tap_drill_inch || !r.tap_drill_mm) {
    w_.drill_inch->value("");
    w_.drill_mm->value("");
    return;
  }
  ui::set_field_fixed(w_.drill_inch, kInchDecimals, *r.tap_drill_inch);
  ui::set_field_fixed(w_.drill_mm, 2, *r.tap_drill_mm);
  for (const DrillLine& line : r.drills) {
    w_.drill_names->add(line.name.c_str());
    w_.drill_engagements->add(engagement_text(line.engagement).c_str());
  }
}

void ThreadSeriesPage::empty_results() {
  for (Fl_Output* field : {w_.reference_inch, w_.reference_mm, w_.major_inch, w_.major_mm,
                           w_.drill_inch, w_.drill_mm, w_.numbered_tpi, w_.numbered_pitch})
    field->value("");
  w_.drill_names->clear();
  w_.drill_engagements->clear();
}

// ---- settings and saved state ----

Fl_Input* ThreadSeriesPage::focus_input() {
  switch (thread_series(series_index()).entry) {
  case SizeEntry::kBaNumber:
    return w_.percent;
  case SizeEntry::kUnifiedNumber:
    return w_.pitch;
  case SizeEntry::kInch:
  case SizeEntry::kMetric:
    break;
  }
  return w_.diameter;
}

void ThreadSeriesPage::apply_settings() {
  const settings::SettingsValues& values = context_.settings_values();
  w_.fractional->value(values.drill_fraction != 0);
  w_.letter->value(values.drill_letter != 0);
  w_.number->value(values.drill_number != 0);
  w_.metric->value(values.drill_metric != 0);
  if (context_.unit_system() == 1) {
    w_.series->value(kMetricSeriesItem);
    series_chosen(false);
    w_.fraction->hide();
    w_.pitch->copy_label(context_.lang(249));
  } else {
    w_.fraction->show();
    w_.series->value(kInchSeriesItem);
    series_chosen(false);
  }
}

void ThreadSeriesPage::save_state(settings::IniDocument& state) const {
  ui::save_text(state, "p8:fraction_over", w_.over);
  ui::save_text(state, "p8:fraction_under", w_.under);
  ui::save_text(state, "p8:thread_diameter", w_.diameter);
  ui::save_text(state, "p8:thread_tpi", w_.pitch);
  ui::save_text(state, "p8:thread_contact", w_.percent);
  ui::save_choice(state, "p8:thread_series", w_.series);
  if (w_.series->value() >= 0)
    ui::save_choice(state, "p8:thread_number", w_.size_number);
}

void ThreadSeriesPage::load_state(const settings::IniDocument& state) {
  // Choosing the series lays out its entry and empties the fields, so it
  // comes first. Without a saved series the one of the unit system stays.
  if (state.has("p8:thread_series") && ui::load_choice(state, "p8:thread_series", w_.series) >= 0)
    series_chosen(false);
  ui::load_text(state, "p8:fraction_over", w_.over);
  ui::load_text(state, "p8:fraction_under", w_.under);
  ui::load_text(state, "p8:thread_diameter", w_.diameter);
  ui::load_text(state, "p8:thread_tpi", w_.pitch);
  ui::load_text(state, "p8:thread_contact", w_.percent);
  if (w_.size_number->size() > 1 && state.has("p8:thread_number"))
    ui::load_choice(state, "p8:thread_number", w_.size_number);
  // What the engagement field's callback runs.
  recompute();
}

} // namespace threads
