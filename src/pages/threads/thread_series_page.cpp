// Thread series and tapping drills: widgets, callbacks and saved state.
#include "pages/threads/thread_series_page.h"

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
#include <string>

#include "core/i18n/common_texts.h"
#include "core/threads/thread_tables.h"
#include "core/settings/ini_document.h"
#include "core/settings/settings_model.h"
#include "core/threads/threads_texts.h"
#include "ui/checked_input.h"
#include "ui/look.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/state_keys.h"

namespace threads {

namespace {

using ui::show_if;

constexpr numeric::RangeRule kSizeRule = numeric::any_decimal(); // diameter and pitch
constexpr numeric::RangeRule kPercentRule =
    numeric::whole_number_in(30, 100); // thread engagement, 30-100
constexpr numeric::RangeRule kFractionRule =
    numeric::any_whole_number(); // numerator and denominator
constexpr Fl_Color kNoteColour = 54;
constexpr int kMetricSeriesItem = 2; // ISO metric
constexpr int kInchSeriesItem = 3;   // Unified
constexpr int kFallbackSeriesItem = 5;
constexpr ui::HelpTopic kHelpTopic = ui::HelpTopic::kThreads;

Fl_Box* text_box(const ui::PageContext& app, int x, int y, int w, int h, i18n::TextId entry,
                 Fl_Align align = FL_ALIGN_CENTER) {
  auto* box = new Fl_Box(x, y, w, h);
  box->align(align | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  box->copy_label(app.lang(entry));
  return box;
}

Fl_Output* output(const ui::PageContext& app, int x, int y, int w, int h,
                  i18n::TextId label_entry) {
  // The plain sunken box, like the drill lists beside them.
  Fl_Output* field = ui::result_field(x, y, w, h, FL_DOWN_BOX);
  field->copy_label(app.lang(label_entry));
  return field;
}

Fl_Check_Button* check(const ui::PageContext& app, int x, int y, int w, int h, i18n::TextId entry) {
  auto* button = new Fl_Check_Button(x, y, w, h);
  button->copy_label(app.lang(entry));
  return button;
}

Fl_Browser* drill_list(const ui::PageContext& app, int x, i18n::TextId entry) {
  auto* list = new Fl_Browser(x, 359, 120, 134);
  list->color(ui::kResultBackground);
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
  bind_state();
}

void ThreadSeriesPage::build_heading() {
  auto* title = text_box(context_, 172, 12, 540, 37, texts::kSeriesHeading, FL_ALIGN_LEFT);
  title->labelfont(FL_HELVETICA_BOLD);
  title->labelsize(18);
  text_box(context_, 172, 52, 219, 25, texts::kSeriesHeadingStart, FL_ALIGN_LEFT);
  // Two texts continue the first on its line and the next.
  const char* first = context_.lang(texts::kSeriesHeadingStart);
  int x = 172 + text_width((std::string(first ? first : "") + " ").c_str());
  text_box(context_, x, 51, 178, 25, texts::kSeriesHeadingMore, FL_ALIGN_LEFT);
  text_box(context_, x, 75, 319 - std::max(0, x - 380), 25, texts::kSeriesHeadingEnd,
           FL_ALIGN_LEFT);

  w_.help = new Fl_Button(727, 95, 87, 20);
  w_.help->box(FL_GTK_UP_BOX);
  w_.help->color(ui::kPageBackground);
  w_.help->copy_label(context_.lang(texts::kSeriesHelpButton));
  on(w_.help, [this] { context_.show_help(kHelpTopic); });

  auto* drill_group = new Fl_Group(169, 140, 649, 27);
  drill_group->box(FL_ENGRAVED_FRAME);
  drill_group->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  drill_group->copy_label(context_.lang(texts::kDrillSeriesLabel));
  w_.fractional = check(context_, 272, 143, 52, 20, texts::kInchWord);
  w_.letter = check(context_, 385, 143, 62, 20, texts::kLetterWord);
  w_.number = check(context_, 504, 143, 75, 20, texts::kNumberWord);
  w_.metric = check(context_, 621, 143, 60, 20, texts::kMetricWord);
  for (Fl_Check_Button* b : {w_.fractional, w_.letter, w_.number, w_.metric})
    on(b, [this] { drill_series_changed(); });
  drill_group->end();
}

void ThreadSeriesPage::build_entry() {
  w_.series = new Fl_Choice(172, 188, 274, 25);
  w_.series->align(FL_ALIGN_TOP_LEFT);
  w_.series->copy_label(context_.lang(texts::kSeriesLabel));
  ui::fill_text_menu(w_.series, context_, texts::kFirstSeries, kSeriesCount); // consecutive
  on(w_.series, [this] { series_chosen(true); });

  w_.diameter = ui::make_checked_input(context_, kSizeRule, 480, 188, 65, 25);
  w_.diameter->align(FL_ALIGN_TOP_LEFT);
  w_.diameter->copy_label(context_.lang(texts::kSeriesDiameterLabel));
  w_.diameter->on_valid([this] { diameter_typed(); });

  w_.fraction = new Fl_Group(479, 232, 69, 26);
  w_.fraction->copy_label(context_.lang(texts::kFractionTitle));
  w_.over = ui::make_checked_input(context_, kFractionRule, 480, 235, 25, 20);
  new Fl_Box(507, 235, 12, 20, "/");
  w_.under = ui::make_checked_input(context_, kFractionRule, 521, 235, 25, 20);
  w_.fraction->end();
  for (ui::CheckedInput* part : {w_.over, w_.under})
    part->on_valid([this] { fraction_typed(); });

  w_.size_number = new Fl_Choice(481, 188, 65, 25);
  w_.size_number->align(FL_ALIGN_TOP_LEFT);
  w_.size_number->copy_label(context_.lang(texts::kNumberWord));
  on(w_.size_number, [this] { recompute(); });
  w_.size_number->hide();

  w_.pitch = ui::make_checked_input(context_, kSizeRule, 591, 188, 70, 25);
  w_.pitch->align(FL_ALIGN_TOP_LEFT);
  w_.pitch->copy_label(context_.lang(texts::kSeriesTpiLabel));
  w_.pitch->on_valid([this] { recompute(); });

  w_.numbered_tpi = output(context_, 552, 188, 70, 25, texts::kSeriesTpiLabel);
  w_.numbered_pitch = output(context_, 628, 188, 70, 25, texts::kNumberedPitchMm);
  for (Fl_Output* field : {w_.numbered_tpi, w_.numbered_pitch}) {
    field->align(FL_ALIGN_TOP_LEFT);
    field->hide();
  }

  w_.percent = ui::make_checked_input(context_, kPercentRule, 706, 188, 65, 25);
  w_.percent->align(FL_ALIGN_TOP_LEFT);
  w_.percent->copy_label(context_.lang(texts::kEngagementLabel));
  w_.percent->on_valid([this] { recompute(); });
  // Drills for another engagement than the one shown would be wrong: the
  // refused value itself gives none.
  w_.percent->on_invalid([this] { recompute(); });
}

void ThreadSeriesPage::build_results() {
  text_box(context_, 246, 225, 203, 25, texts::kReferenceDiameterHeading);
  w_.reference_inch = output(context_, 247, 250, 71, 25, texts::kInchUnit);
  w_.reference_mm = output(context_, 374, 250, 75, 25, texts::kMillimetresWord);
  text_box(context_, 247, 293, 204, 25, texts::kMajorDiameterHeading);
  w_.major_inch = output(context_, 247, 318, 71, 25, texts::kInchUnit);
  w_.major_mm = output(context_, 374, 318, 75, 25, texts::kMillimetresWord);
  text_box(context_, 559, 225, 158, 25, texts::kTapDrillHeading);
  w_.drill_inch = output(context_, 598, 250, 90, 25, texts::kInchUnit);
  w_.drill_mm = output(context_, 598, 279, 90, 25, texts::kMillimetresWord);

  // Under the diameters, which it explains when they are missing.
  w_.reason = ui::reason_line({166, 345, 330, 29});
  w_.reason->labelsize(12);
  text_box(context_, 501, 313, 275, 26, texts::kDrillListsHeading);
  w_.drill_names = drill_list(context_, 526, texts::kDrillLabel);
  w_.drill_engagements = drill_list(context_, 647, texts::kEngagementLabel);
  link_scrolling(w_.drill_names, w_.drill_engagements);

  struct Note {
    int x, y, w, h;
    i18n::TextId text;
  };
  constexpr Note notes[3] = {{169, 375, 274, 142, texts::kSeriesNote1},
                             {170, 526, 274, 58, texts::kSeriesNote2},
                             {525, 498, 242, 83, texts::kSeriesNote3}};
  for (const Note& n : notes) {
    Fl_Box* note = text_box(context_, n.x, n.y, n.w, n.h, n.text, FL_ALIGN_LEFT);
    note->box(FL_FLAT_BOX);
    note->color(kNoteColour);
  }
}

void ThreadSeriesPage::bind_state() {
  state_.texts({{"fraction_over", w_.over},
                {"fraction_under", w_.under},
                {"thread_diameter", w_.diameter},
                {"thread_tpi", w_.pitch},
                {"thread_contact", w_.percent}});
  // The series lays out its entry and fills the numbered sizes, so it comes
  // before the size chosen among them. Without a saved series the one of
  // the unit system stays.
  state_.custom(
      [this](settings::IniDocument& state, const std::string& section) {
        ui::save_choice(state, section + ":thread_series", w_.series);
        if (w_.series->value() >= 0)
          ui::save_choice(state, section + ":thread_number", w_.size_number);
      },
      [this](const settings::IniDocument& state, const std::string& section) {
        const std::string series = section + ":thread_series";
        if (state.has(series) && ui::load_choice(state, series, w_.series) >= 0)
          arrange_entry(series_index());
        const std::string number = section + ":thread_number";
        if (w_.size_number->size() > 1 && state.has(number))
          ui::load_choice(state, number, w_.size_number);
      });
}

// ---- callbacks ----

int ThreadSeriesPage::series_index() const {
  int item = w_.series->value();
  return thread_series(item < 0 ? kFallbackSeriesItem + 1 : item + 1).index;
}

Fl_Widget* ThreadSeriesPage::field(SeriesField which) const {
  switch (which) {
  case SeriesField::kSizeNumber:
    return w_.size_number;
  case SeriesField::kPitch:
    return w_.pitch;
  case SeriesField::kPercent:
    return w_.percent;
  case SeriesField::kDiameter:
    break;
  }
  return w_.diameter;
}

void ThreadSeriesPage::series_chosen(bool take_focus) {
  if (w_.series->value() < 0)
    w_.series->value(kFallbackSeriesItem);
  for (Fl_Input* input : {static_cast<Fl_Input*>(w_.diameter), static_cast<Fl_Input*>(w_.pitch),
                          static_cast<Fl_Input*>(w_.over), static_cast<Fl_Input*>(w_.under)})
    input->value("");
  const int series = series_index();
  arrange_entry(series);
  // The engagement typed and the series' own depth factor stay as they are.
  recompute();
  if (take_focus)
    field(thread_series_layout(series).chosen_focus)->take_focus();
}

void ThreadSeriesPage::arrange_entry(int series) {
  const SeriesLayout layout = thread_series_layout(series);
  show_if(w_.fraction, layout.fraction_shown);
  show_if(w_.diameter, layout.diameter_shown);
  w_.diameter->copy_label(context_.lang(layout.diameter_label));
  show_if(w_.pitch, layout.pitch_shown);
  w_.pitch->copy_label(context_.lang(layout.pitch_label));
  show_if(w_.numbered_tpi, layout.numbered_outputs_shown);
  show_if(w_.numbered_pitch, layout.numbered_outputs_shown);
  w_.size_number->clear();
  for (const std::string& name : layout.size_names)
    w_.size_number->add(name.c_str());
  if (layout.size_preset >= 0)
    w_.size_number->value(layout.size_preset);
  show_if(w_.size_number, layout.size_number_shown);
  // Labels lie outside their widgets.
  if (Fl_Group* page = w_.series->parent())
    page->redraw();
}

void ThreadSeriesPage::drill_series_changed() {
  context_.change_settings([this](settings::IniDocument& doc) {
    return settings::set_drill_series(doc, w_.fractional->value(), w_.letter->value(),
                                      w_.number->value(), w_.metric->value());
  });
  recompute();
}

void ThreadSeriesPage::diameter_typed() {
  // A diameter typed by hand replaces the fraction it was made from.
  w_.over->value("");
  w_.under->value("");
  recompute();
}

void ThreadSeriesPage::fraction_typed() {
  // The fraction stays as typed, so that 1/16 can be typed through 1/1.
  const std::string diameter =
      fraction_diameter_text(series_index(), w_.over->number_text(), w_.under->number_text());
  if (diameter.empty())
    return;
  w_.diameter->value(diameter.c_str());
  recompute();
}

// ---- computation ----

void ThreadSeriesPage::recompute() {
  DrillSelection drills;
  drills.fractional = w_.fractional->value() != 0;
  drills.number = w_.number->value() != 0;
  drills.letter = w_.letter->value() != 0;
  drills.metric = w_.metric->value() != 0;
  const std::string percent = w_.percent->number_text();
  const ThreadSeriesForm form =
      thread_series_form({series_index(), w_.diameter->number_text(), w_.pitch->number_text(),
                          percent, w_.size_number->value(), drills,
                          percent.empty() && w_.percent->size() > 0});
  if (!form.percent_written.empty())
    w_.percent->value(form.percent_written.c_str());
  const std::pair<Fl_Output*, const std::string*> texts[] = {
      {w_.reference_inch, &form.reference_inch}, {w_.reference_mm, &form.reference_mm},
      {w_.major_inch, &form.major_inch},         {w_.major_mm, &form.major_mm},
      {w_.drill_inch, &form.drill_inch},         {w_.drill_mm, &form.drill_mm},
      {w_.numbered_tpi, &form.numbered_tpi},     {w_.numbered_pitch, &form.numbered_pitch}};
  for (const auto& [output, text] : texts)
    output->value(text->c_str());
  w_.drill_names->clear();
  w_.drill_engagements->clear();
  for (size_t i = 0; i < form.drill_names.size(); ++i) {
    w_.drill_names->add(form.drill_names[i].c_str());
    w_.drill_engagements->add(form.engagements[i].c_str());
  }
  ui::show_reason(w_.reason, context_, form.reason);
  // Told only to a user who sees the page, not at start-up or restore.
  if (form.no_drill_series && w_.series->visible_r())
    context_.dialogs().alert(
        context_.lang_or(texts::kNoDrillSeries, "No drill series is selected. Tick at least one."));
}

// ---- settings and saved state ----

Fl_Input* ThreadSeriesPage::focus_input() {
  return dynamic_cast<Fl_Input*>(field(thread_series_layout(series_index()).shown_focus));
}

void ThreadSeriesPage::apply_settings() {
  const settings::SettingsValues values = settings::read_settings_values(context_.settings());
  w_.fractional->value(values.drill_fraction != 0);
  w_.letter->value(values.drill_letter != 0);
  w_.number->value(values.drill_number != 0);
  w_.metric->value(values.drill_metric != 0);
  w_.series->value(context_.unit_system() == 1 ? kMetricSeriesItem : kInchSeriesItem);
  series_chosen(false);
}

void ThreadSeriesPage::restored() {
  // A refused engagement comes back as it was left: red, and without drills.
  ui::colour_as_typed(w_.percent);
  recompute();
}

} // namespace threads
