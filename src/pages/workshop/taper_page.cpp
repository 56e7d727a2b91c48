// The tapers page: widgets, their handlers, and its State.ini keys.
#include "pages/workshop/taper_page.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <string>
#include <utility>
#include <vector>

#include "core/i18n/common_texts.h"
#include "core/settings/ini_document.h"
#include "core/workshop/workshop_texts.h"
#include "pages/gears/spur_job_sheet_window.h"
#include "pages/workshop/taper_sketch.h"
#include "ui/field_io.h"
#include "ui/look.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/print_job.h"

namespace workshop {

namespace {

constexpr numeric::RangeRule kLengthRule = numeric::decimal_in(0.0, 10000.0);
constexpr numeric::RangeRule kDepthRule = numeric::signed_decimal_in(-10000.0, 10000.0);
constexpr numeric::RangeRule kToleranceRule = numeric::decimal_in(0.0, 1.0);
constexpr const char* kStartTolerance = "0.002"; ///< in/ft: tells Morse 3 from 1:20

/// The bounds of the taper field for each form it is given in (the order of
/// TaperEntry): a taper is above 0, an included angle below 180°.
constexpr std::pair<double, double> kValueBounds[] = {
    {0.0, 1000.0}, {0.0, 100.0}, {0.0, 1000000.0}, {0.0, 179.9999}, {0.0, 89.9999}};

constexpr int kLeft = 168;
constexpr int kField = 330;
constexpr int kSecond = 410;
constexpr int kChoice = 306; ///< the lists take the field column and more
constexpr int kRight = 500;
constexpr int kRightField = 662;
constexpr int kRightSecond = 730;
constexpr int kRightLabel = 160;

/// `text` as a menu path's part shows it: the toolkit reads '/' and '\\' as
/// the path's syntax, '&' as the mark of a shortcut letter, '@' as a symbol.
std::string menu_part(const std::string& text) {
  std::string part;
  for (char c : text) {
    if (c == '/' || c == '\\')
      part += '\\';
    else if (c == '&' || c == '@')
      part += c;
    part += c;
  }
  return part;
}

/// The list's submenu of a standard taper's family, in the page's language.
std::string family_name(const ui::PageContext& app, TaperFamily family) {
  switch (family) {
  case TaperFamily::kMorse: return "Morse";
  case TaperFamily::kJarno: return "Jarno";
  case TaperFamily::kMetric: return app.lang_or(texts::kMetricTaperFamily, "Metric");
  case TaperFamily::kSteep: return "7:24";
  case TaperFamily::kBrownSharpe: return "Brown & Sharpe";
  }
  return "";
}

/// A standard taper's name in the page's language: metric ones are named by
/// the language's word.
std::string shown_name(const ui::PageContext& app, const StandardTaper& taper) {
  if (taper.family != TaperFamily::kMetric)
    return taper.name;
  return family_name(app, taper.family) + taper.name.substr(taper.name.find(' '));
}

Fl_Output* heading(int x, int y, int w, const char* text) {
  Fl_Output* line = ui::text_line(x, y, w, 22, text);
  line->textfont(FL_HELVETICA_BOLD);
  return line;
}

/// A row's label in the right column, a size smaller to leave the fields room.
Fl_Output* right_label(int y, const char* text = nullptr) {
  Fl_Output* label = ui::text_line(kRight, y, kRightLabel, 25, text);
  label->textsize(13);
  return label;
}

/// A row of the right column: its label and one result, or two side by side.
void result_row(int y, const char* label, Fl_Output*& first) {
  right_label(y, label);
  first = ui::result_field(kRightField, y, 66, 25);
}
void result_row(int y, const char* label, Fl_Output*& first, Fl_Output*& second) {
  result_row(y, label, first);
  second = ui::result_field(kRightSecond, y, 88, 25);
}

std::string problem_free(const ui::CheckedInput* field) {
  return field->problem(false).empty() ? field->number_text() : "";
}

} // namespace

TaperPage::TaperPage(ui::PageContext& app) : Page(app, ui::PageId::kTaper) {}
TaperPage::~TaperPage() = default;

// ---- building ----

void TaperPage::build(Fl_Group& group) {
  (void)group;
  build_taper();
  build_set_up();
  build_measuring();
  bind_state();
  enter_start_mode();
}

void TaperPage::build_taper() {
  std::tie(w_.inch, w_.mm) = ui::framed_inch_mm(context_, {kLeft, 10, 160, 34},
                                                {kLeft + 6, 14, 70, 26}, {kLeft + 82, 14, 70, 26});
  units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kTaper, w_.inch, w_.mm,
      [this] {
        return std::vector<Fl_Input_*>{w_.large, w_.small, w_.length, w_.bar_length,
                                       w_.work_length, w_.roll, w_.m1, w_.h1, w_.m2, w_.h2,
                                       w_.ball1, w_.depth1, w_.ball2, w_.depth2};
      },
      [this] {
        fill_given_menu();
        recompute();
      });

  ui::text_line(kLeft, 52, kChoice - kLeft, 25, context_.lang(texts::kStandardTaper));
  // The families as submenus; each taper's item holds its place in the table
  // plus one, "Own taper" none.
  w_.standard = new Fl_Choice(kChoice, 52, 490 - kChoice, 25);
  w_.standard->add(menu_part(context_.lang_or(texts::kOwnTaper, "")).c_str(), 0, nullptr);
  for (std::size_t i = 0; i < standard_tapers().size(); ++i) {
    const StandardTaper& taper = standard_tapers()[i];
    const std::string path =
        menu_part(family_name(context_, taper.family)) + "/" + menu_part(shown_name(context_, taper));
    w_.standard->add(path.c_str(), 0, nullptr, reinterpret_cast<void*>(i + 1));
  }
  on(w_.standard, [this] { standard_chosen(); });
  w_.standard_line = ui::text_line(kLeft, 79, 322, 22);
  w_.standard_line->textsize(12);

  ui::text_line(kLeft, 103, kChoice - kLeft, 25, context_.lang(texts::kTaperGivenAs));
  w_.given = new Fl_Choice(kChoice, 103, 490 - kChoice, 25);
  fill_given_menu();
  on(w_.given, [this] {
    taper_typed();
    given_chosen();
  });

  w_.value_label = ui::text_line(kLeft, 131, 160, 25);
  w_.value = ui::make_checked_input(context_, numeric::decimal_in(0.0, 1000.0), kField, 131, 80, 25);
  w_.large = ui::make_checked_input(context_, kLengthRule, kField, 131, 80, 25);
  w_.small_label = ui::text_line(kLeft, 158, 160, 25, context_.lang(texts::kSmallDiameter));
  w_.small = ui::make_checked_input(context_, kLengthRule, kField, 158, 80, 25);
  w_.length_label = ui::text_line(kLeft, 185, 160, 25, context_.lang(texts::kTaperLength));
  w_.length = ui::make_checked_input(context_, kLengthRule, kField, 185, 80, 25);

  ui::text_line(kLeft, 218, 160, 25, context_.lang(texts::kTaperPerFoot));
  w_.per_foot = ui::result_field(kField, 218, 76, 25);
  ui::text_line(kSecond, 218, 80, 25, context_.lang(texts::kPerFootUnit));
  w_.per_unit_label = ui::text_line(kLeft, 245, 160, 25);
  w_.per_unit = ui::result_field(kField, 245, 76, 25);
  ui::text_line(kLeft, 272, 160, 25, context_.lang(texts::kTaperRatio));
  w_.ratio = ui::result_field(kField, 272, 76, 25);
  ui::text_line(kLeft, 299, 160, 25, context_.lang(texts::kIncludedAngle));
  w_.included = ui::result_field(kField, 299, 76, 25);
  w_.included_dms = ui::result_field(kSecond, 299, 80, 25);
  ui::text_line(kLeft, 326, 160, 25, context_.lang(texts::kHalfAngle));
  w_.half = ui::result_field(kField, 326, 76, 25);
  w_.half_dms = ui::result_field(kSecond, 326, 80, 25);

  ui::text_line(kLeft, 358, 160, 25, context_.lang(texts::kSineBarCheck));
  w_.bar_length = ui::make_checked_input(context_, kLengthRule, kField, 358, 76, 25);
  w_.sine_height = ui::result_field(kSecond, 358, 80, 25);
  w_.sketch = new TaperSketch(kLeft, 390, 322, 100);

  ui::text_line(kLeft, 498, 160, 25, context_.lang(texts::kIdentifyTolerance));
  w_.tolerance = ui::make_checked_input(context_, kToleranceRule, kField, 498, 76, 25);
  w_.matches = new Fl_Browser(kLeft, 525, 322, 66);
  w_.matches->textsize(12);

  for (ui::CheckedInput* field : {w_.value, w_.large, w_.small, w_.length}) {
    field->on_valid([this] { taper_typed(); recompute(); });
    field->on_invalid([this] { taper_typed(); recompute(); });
  }
  for (ui::CheckedInput* field : {w_.bar_length, w_.tolerance}) {
    field->on_valid([this] { recompute(); });
    field->on_invalid([this] { recompute(); });
  }
  for (ui::CheckedInput* field : {w_.large, w_.small, w_.length, w_.bar_length})
    field->measure_in(*units_);
  w_.value->measure_in(numeric::FieldUnit::kNone);
  w_.tolerance->measure_in(numeric::FieldUnit::kNone);
}

void TaperPage::build_set_up() {
  heading(kRight, 10, 318, context_.lang(texts::kLatheSetUp));
  result_row(34, context_.lang(texts::kCompoundFromAxis), w_.compound, w_.compound_dms);
  result_row(61, context_.lang(texts::kCompoundFromCrossSlide), w_.cross_slide, w_.cross_slide_dms);
  Fl_Box* direction = ui::wrapped_text(kRight, 88, 318, 58, context_.lang(texts::kCompoundDirection),
                                       FL_ALIGN_LEFT | FL_ALIGN_TOP);
  direction->labelsize(12);

  right_label(148, context_.lang(texts::kWorkLength));
  w_.work_length = ui::make_checked_input(context_, kLengthRule, kRightField, 148, 66, 25);
  result_row(175, context_.lang(texts::kTailstockSetover), w_.setover);
  w_.setover_warning = ui::wrapped_text(kRight, 201, 318, 30, nullptr, FL_ALIGN_LEFT | FL_ALIGN_TOP);
  w_.setover_warning->labelsize(12);
  w_.setover_warning->labelcolor(FL_RED);
  w_.attachment_label = right_label(232);
  w_.attachment = ui::result_field(kRightField, 232, 66, 25);
  w_.work_length->measure_in(*units_);
  w_.work_length->on_valid([this] { recompute(); });
  w_.work_length->on_invalid([this] { recompute(); });
}

void TaperPage::build_measuring() {
  heading(kRight, 264, 318, context_.lang(texts::kTaperMeasuring));
  const auto pair_row = [this](int y, i18n::TextId label, ui::CheckedInput*& first,
                               ui::CheckedInput*& second, const numeric::RangeRule& second_rule) {
    right_label(y, context_.lang(label));
    first = ui::make_checked_input(context_, kLengthRule, kRightField, y, 66, 25);
    second = ui::make_checked_input(context_, second_rule, kRightSecond, y, 88, 25);
  };
  right_label(288, context_.lang(texts::kRollDiameter));
  w_.roll = ui::make_checked_input(context_, kLengthRule, kRightField, 288, 66, 25);
  pair_row(315, texts::kFirstReading, w_.m1, w_.h1, kLengthRule);
  pair_row(342, texts::kSecondReading, w_.m2, w_.h2, kLengthRule);
  result_row(369, context_.lang(texts::kMeasuredTaper), w_.rolls_half, w_.rolls_per_foot);
  result_row(396, context_.lang(texts::kDiametersAtRolls), w_.rolls_d1, w_.rolls_d2);
  result_row(423, context_.lang(texts::kExpectedReading), w_.expected_m2);

  pair_row(455, texts::kSmallBall, w_.ball1, w_.depth1, kDepthRule);
  pair_row(482, texts::kLargeBall, w_.ball2, w_.depth2, kDepthRule);
  result_row(509, context_.lang(texts::kBoreTaper), w_.bore_half, w_.bore_top);

  for (ui::CheckedInput* field :
       {w_.roll, w_.m1, w_.h1, w_.m2, w_.h2, w_.ball1, w_.depth1, w_.ball2, w_.depth2}) {
    field->measure_in(*units_);
    field->on_valid([this] { recompute(); });
    field->on_invalid([this] { recompute(); });
  }

  w_.print = new Fl_Button(700, 536, 58, 58, "@+9fileprint");
  w_.print->color(FL_WHITE);
  on(w_.print, [this] {
    if (const auto rows = sheet())
      gears::print_sheet(context_, ui::PageId::kTaper, context_.lang_or(texts::kTaperSetUp, ""),
                         *rows);
  });
  w_.help = ui::question_button({760, 536, 58, 58}, 58);
  on(w_.help, [this] { context_.show_help(ui::HelpTopic::kTaper); });
}

void TaperPage::bind_state() {
  state_.texts({{"value", w_.value},       {"large", w_.large},   {"small", w_.small},
                {"length", w_.length},     {"bar", w_.bar_length},
                {"work", w_.work_length},  {"roll", w_.roll},     {"m1", w_.m1},
                {"h1", w_.h1},             {"m2", w_.m2},         {"h2", w_.h2},
                {"ball1", w_.ball1},       {"depth1", w_.depth1}, {"ball2", w_.ball2},
                {"depth2", w_.depth2}});
  // A file from before the page has no tolerance: the one the page starts with.
  state_.text("tolerance", w_.tolerance, kStartTolerance);
  state_.choice("given", w_.given);
  units_->bind_state(state_, "measure");
  // The standard taper by its name, which stays when the table grows.
  state_.custom(
      [this](settings::IniDocument& state, const std::string& section) {
        const StandardTaper* taper = chosen_standard();
        state.set(section + ":standard", taper ? taper->name : "");
      },
      [this](const settings::IniDocument& state, const std::string& section) {
        const std::string name = state.get_string(section + ":standard", "");
        std::size_t place = 0;
        for (std::size_t i = 0; i < standard_tapers().size(); ++i)
          if (standard_tapers()[i].name == name)
            place = i + 1;
        choose_standard(place);
      });
}

// ---- choices ----

void TaperPage::fill_given_menu() {
  const int chosen = w_.given->value();
  ui::fill_text_menu(w_.given, context_,
                     {texts::kTaperPerFoot, units_->metric() ? texts::kTaperPerMm : texts::kTaperPerInch,
                      texts::kTaperRatio, texts::kIncludedAngle, texts::kHalfAngle,
                      texts::kDiametersAndLength});
  w_.given->value(chosen < 0 ? 0 : chosen);
}

TaperEntry TaperPage::given() const {
  const int chosen = w_.given->value();
  return chosen >= 0 && chosen <= static_cast<int>(TaperEntry::kDiameters)
             ? static_cast<TaperEntry>(chosen)
             : TaperEntry::kPerFoot;
}

void TaperPage::given_chosen() {
  const TaperEntry entry = given();
  const bool diameters = entry == TaperEntry::kDiameters;
  ui::show_if(w_.value, !diameters);
  for (Fl_Widget* widget : {static_cast<Fl_Widget*>(w_.large), static_cast<Fl_Widget*>(w_.small),
                            static_cast<Fl_Widget*>(w_.small_label), static_cast<Fl_Widget*>(w_.length),
                            static_cast<Fl_Widget*>(w_.length_label)})
    ui::show_if(widget, diameters);
  if (!diameters) {
    const auto [lower, upper] = kValueBounds[static_cast<int>(entry)];
    w_.value->set_bounds(lower, upper);
    w_.value->hold_angles(entry == TaperEntry::kIncluded || entry == TaperEntry::kHalfAngle);
  }
  const i18n::TextId labels[] = {texts::kTaperPerFoot,
                                 units_->metric() ? texts::kTaperPerMm : texts::kTaperPerInch,
                                 texts::kTaperRatio, texts::kIncludedAngle, texts::kHalfAngle,
                                 texts::kLargeDiameter};
  const i18n::TextId label = labels[static_cast<int>(entry)];
  w_.value_label->value(context_.lang(label));
  recompute();
}

const StandardTaper* TaperPage::chosen_standard() const {
  const Fl_Menu_Item* item = w_.standard->mvalue();
  const auto place = item ? reinterpret_cast<std::size_t>(item->user_data()) : 0;
  return place >= 1 && place <= standard_tapers().size() ? &standard_tapers()[place - 1] : nullptr;
}

void TaperPage::choose_standard(std::size_t place) {
  const Fl_Menu_Item* menu = w_.standard->menu();
  for (int i = 0; i < w_.standard->size(); ++i)
    if (menu[i].label() && !menu[i].submenu() &&
        reinterpret_cast<std::size_t>(menu[i].user_data()) == place) {
      w_.standard->value(i);
      return;
    }
}

void TaperPage::standard_chosen() {
  const StandardTaper* taper = chosen_standard();
  if (!taper) {
    recompute();
    return;
  }
  const StandardFill fill = standard_fill(*taper, units_->metric());
  filling_ = true;
  w_.given->value(static_cast<int>(fill.given));
  ui::show_text(w_.value, fill.value);
  ui::show_text(w_.large, fill.large);
  ui::show_text(w_.small, fill.small);
  ui::show_text(w_.length, fill.length);
  given_chosen();
  filling_ = false;
}

void TaperPage::taper_typed() {
  if (!filling_ && chosen_standard()) {
    choose_standard(0);
    w_.standard_line->value("");
  }
}

// ---- results ----

TaperFormInput TaperPage::form_input() const {
  TaperFormInput in;
  in.metric = units_->metric();
  in.given = given();
  in.value = problem_free(w_.value);
  in.large = problem_free(w_.large);
  in.small = problem_free(w_.small);
  in.length = problem_free(w_.length);
  in.work_length = problem_free(w_.work_length);
  in.roll = problem_free(w_.roll);
  in.m1 = problem_free(w_.m1);
  in.h1 = problem_free(w_.h1);
  in.m2 = problem_free(w_.m2);
  in.h2 = problem_free(w_.h2);
  in.ball1 = problem_free(w_.ball1);
  in.depth1 = problem_free(w_.depth1);
  in.ball2 = problem_free(w_.ball2);
  in.depth2 = problem_free(w_.depth2);
  in.bar_length = problem_free(w_.bar_length);
  in.tolerance = problem_free(w_.tolerance);
  return in;
}

void TaperPage::recompute() { show(taper_form(form_input())); }

void TaperPage::show(const TaperForm& form) {
  const bool metric = units_->metric();
  const StandardTaper* taper = chosen_standard();
  w_.standard_line->value(taper ? standard_summary(*taper, metric, [this](i18n::TextId e) { return context_.lang_or(e, ""); }).c_str() : "");
  w_.per_unit_label->value(context_.lang(metric ? texts::kTaperPerMm : texts::kTaperPerInch));
  w_.attachment_label->value(
      context_.lang(metric ? texts::kAttachmentPer100Mm : texts::kAttachmentPerFoot));
  const std::pair<Fl_Output*, const std::string*> results[] = {
      {w_.per_foot, &form.per_foot},       {w_.per_unit, &form.per_unit},
      {w_.ratio, &form.ratio},             {w_.included, &form.included},
      {w_.included_dms, &form.included_dms}, {w_.half, &form.half},
      {w_.half_dms, &form.half_dms},       {w_.compound, &form.half},
      {w_.compound_dms, &form.half_dms},   {w_.cross_slide, &form.cross_slide},
      {w_.cross_slide_dms, &form.cross_slide_dms}, {w_.setover, &form.setover},
      {w_.attachment, &form.attachment},   {w_.rolls_half, &form.rolls_half},
      {w_.rolls_per_foot, &form.rolls_per_foot}, {w_.rolls_d1, &form.rolls_d1},
      {w_.rolls_d2, &form.rolls_d2},       {w_.expected_m2, &form.expected_m2},
      {w_.bore_half, &form.bore_half},     {w_.bore_top, &form.bore_top},
      {w_.sine_height, &form.sine_height}};
  for (const auto& [field, text] : results)
    field->value(text->c_str());
  w_.setover_warning->copy_label(form.setover_too_large ? context_.lang(texts::kSetoverTooLarge) : "");

  w_.matches->clear();
  if (given() != TaperEntry::kDiameters) {
    w_.matches->add(context_.lang_or(texts::kIdentifyHint, "").c_str());
  } else if (form.taper && !w_.tolerance->number_text().empty()) {
    w_.matches->add(context_.lang_or(form.matches.empty() ? texts::kNoMatchingTaper
                                                         : texts::kMatchingTapers, "")
                        .c_str());
    for (const std::string& match : form.matches)
      w_.matches->add(match.c_str());
  }
  w_.sketch->show_half_angle(form.taper ? numeric::read_double(form.half) : 0.0);
  if (form.taper)
    w_.print->activate();
  else
    w_.print->deactivate();
}

std::optional<std::vector<gears::JobSheetRow>> TaperPage::sheet() const {
  const StandardTaper* taper = chosen_standard();
  return taper_sheet(form_input(), taper ? taper->name : "",
                     ui::print_stamp(context_, ui::PageId::kTaper).date,
                     [this](i18n::TextId e) { return context_.lang_or(e, ""); });
}

// ---- life cycle ----

void TaperPage::enter_start_mode() {
  choose_standard(0);
  w_.given->value(0);
  for (ui::CheckedInput* field :
       {w_.value, w_.large, w_.small, w_.length, w_.bar_length, w_.work_length, w_.roll, w_.m1,
        w_.h1, w_.m2, w_.h2, w_.ball1, w_.depth1, w_.ball2, w_.depth2})
    field->value("");
  w_.tolerance->value(kStartTolerance);
  given_chosen();
}

void TaperPage::apply_settings() {
  units_->apply_settings();
  fill_given_menu();
  given_chosen();
}

Fl_Input* TaperPage::focus_input() {
  return given() == TaperEntry::kDiameters ? static_cast<Fl_Input*>(w_.large)
                                           : static_cast<Fl_Input*>(w_.value);
}

void TaperPage::restored() {
  fill_given_menu();
  given_chosen();
}

} // namespace workshop
