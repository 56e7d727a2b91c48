// The change-gears page: widgets, the gear set, the train search with its
// fallback to the gear-ratio search, the 22/7 worm pairs, State.ini keys.
#include "pages/workshop/change_gears_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_ask.H>

#include <new>

#include "core/i18n/common_texts.h"
#include "core/workshop/workshop_texts.h"
#include "pages/workshop/change_gear_results_window.h"
#include "ui/ratio_search.h"
#include "pages/workshop/change_gear_set_window.h"
#include "core/numeric/number_text.h"
#include "core/settings/ini_document.h"
#include "ui/look.h"
#include "ui/number_input.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/state_keys.h"

namespace workshop {

namespace {

constexpr ui::HelpTopic kHelpTopic = ui::HelpTopic::kChangeGears;

/// The gear list has its own section, one key per line; its count is the
/// page's.
constexpr const char* kGearsSection = "change_gears";
std::string count_key(const std::string& section) { return section + ":change_gears_count"; }
std::string mode_key(const std::string& section) { return section + ":change_gears_for"; }
std::string gear_key(size_t line) {
  return std::string(kGearsSection) + ":" + std::to_string(line);
}

/// Radio positions, by mode (the worm modes are listed DP first).
constexpr std::array<int, 4> kModeY = {166, 198, 262, 230};

ui::NumberInput* pitch_input(const ui::PageContext& app, int x, int y) {
  auto* field = new ui::NumberInput(x, y, 60, 25);
  field->speak_with(app);
  field->box(FL_GTK_DOWN_BOX);
  return field;
}

std::string text_of(const ui::PageContext& app, i18n::TextId entry) {
  const char* text = app.lang(entry);
  return text ? text : "";
}

/// The wait cursor over a window while a search runs: a list of a thousand
/// gears or more still takes a good part of a second. The window is drawn
/// first, as no events are handled until the search ends.
class WaitCursor {
public:
  explicit WaitCursor(Fl_Window* window) : window_(window) {
    window_->cursor(FL_CURSOR_WAIT);
    Fl::flush();
  }
  ~WaitCursor() { window_->cursor(FL_CURSOR_DEFAULT); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

private:
  Fl_Window* window_;
};

/// The question box's buttons carry the language's words for this question.
class ChoiceButtonTexts {
public:
  ChoiceButtonTexts(const char* first, const char* second) : no_(fl_no), yes_(fl_yes) {
    if (first)
      fl_no = first;
    if (second)
      fl_yes = second;
  }
  ~ChoiceButtonTexts() {
    fl_no = no_;
    fl_yes = yes_;
  }
  ChoiceButtonTexts(const ChoiceButtonTexts&) = delete;
  ChoiceButtonTexts& operator=(const ChoiceButtonTexts&) = delete;

private:
  const char* no_;
  const char* yes_;
};

} // namespace

ChangeGearsPage::ChangeGearsPage(ui::PageContext& app) : Page(app, ui::PageId::kChangeGears) {}

ChangeGearsPage::~ChangeGearsPage() = default;

// ---- building ----

void ChangeGearsPage::build(Fl_Group&) {
  w_.explanation = new Fl_Box(168, 54, 645, 78);
  w_.explanation->box(FL_FLAT_BOX);
  w_.explanation->color(ui::kNoteBackground);
  w_.explanation->align(FL_ALIGN_LEFT | FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  w_.explanation->copy_label(context_.lang(texts::kChangeGearsExplanation));
  build_modes();
  build_inputs();
  w_.mode_group->end();
  build_buttons();
  build_mixed_modes();
  build_worm_pair();
  gear_set_ = std::make_unique<ChangeGearSetWindow>(
      context_, [this] { recheck(); }, [this] { close_gear_set(); });
  bind_state();
  show_mode();
}

void ChangeGearsPage::build_modes() {
  w_.mode_group = new Fl_Group(168, 162, 645, 129);
  w_.mode_group->box(FL_GTK_DOWN_FRAME);
  w_.mode_group->labelcolor(ui::kCaptionBlue);
  w_.mode_group->align(FL_ALIGN_TOP_LEFT);
  w_.mode_group->copy_label(context_.lang(texts::kModesTitle));
  for (size_t i = 0; i < kModeY.size(); ++i) {
    w_.mode[i] = new Fl_Round_Button(185, kModeY[i], 208, 25);
    w_.mode[i]->type(FL_RADIO_BUTTON);
    // The four modes are consecutive entries.
    w_.mode[i]->copy_label(context_.lang(texts::kFirstMode + static_cast<int>(i)));
    on(w_.mode[i], [this, i] { mode_chosen(i); });
  }
  w_.mode[0]->setonly();
}

// Below the buttons, clear of the worm pair's fields: the mode group is full.
void ChangeGearsPage::build_mixed_modes() {
  w_.mixed_group = new Fl_Group(168, 378, 645, 33);
  w_.mixed_group->box(FL_GTK_DOWN_FRAME);
  const std::array<std::string, 2> labels = {
      context_.lang_or(texts::kMetricOnInch, "Metric thread, inch screw"),
      context_.lang_or(texts::kInchOnMetric, "Inch thread, mm screw")};
  for (size_t k = 0; k < labels.size(); ++k) {
    const size_t i = kModeY.size() + k;
    w_.mode[i] = new Fl_Round_Button(185 + 300 * static_cast<int>(k), 382, 290, 25);
    w_.mode[i]->type(FL_RADIO_BUTTON);
    w_.mode[i]->copy_label(labels[k].c_str());
    on(w_.mode[i], [this, i] { mode_chosen(i); });
  }
  w_.mixed_group->end();
}

void ChangeGearsPage::build_inputs() {
  w_.pitch_to_make = pitch_input(context_, 561, 179);
  w_.pitch_to_make->copy_label(context_.lang(texts::kPitchToMake));
  w_.pitch_caption = ui::wrapped_text(626, 179, 180, 25, nullptr, FL_ALIGN_LEFT);
  ui::wrapped_text(420, 209, 135, 36, context_.lang(texts::kLeadScrewPitch), FL_ALIGN_RIGHT);
  w_.lead_screw = pitch_input(context_, 561, 214);
  w_.lead_screw_caption = ui::wrapped_text(626, 214, 180, 25, nullptr, FL_ALIGN_LEFT);
  for (Fl_Input* pitch : {w_.pitch_to_make, w_.lead_screw}) {
    pitch->when(FL_WHEN_CHANGED);
    on(pitch, [this] { recheck(); });
  }

  ui::wrapped_text(420, 245, 135, 36, context_.lang(texts::kToleranceLabel), FL_ALIGN_RIGHT);
  w_.error = pitch_input(context_, 561, 249);
  w_.error->value(kSmallestChangeGearErrorText);
  // Checked when the user is done with it, so that "0.5" can be typed; every
  // Enter is also Calculate's, a second one too.
  w_.error->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY | FL_WHEN_NOT_CHANGED);
  on(w_.error, [this] {
    error_left();
    w_.calculate->press_if_enter();
  });
  ui::wrapped_text(626, 249, 180, 25, context_.lang(texts::kPercentSign), FL_ALIGN_LEFT);
}

void ChangeGearsPage::build_buttons() {
  w_.gear_set = new Fl_Button(306, 320, 145, 40);
  w_.gear_set->box(FL_GTK_UP_BOX);
  w_.gear_set->copy_label(context_.lang(texts::kGearSetButton));
  on(w_.gear_set, [this] { open_gear_set(); });

  w_.calculate = new ui::EnterButton(521, 320, 145, 40);
  w_.calculate->box(FL_GTK_UP_BOX);
  w_.calculate->copy_label(context_.lang(texts::kCalculateButton));
  on(w_.calculate, [this] { calculate(); });
  w_.calculate->deactivate();

  w_.help = ui::question_button({457, 311, 58, 58}, 57);
  on(w_.help, [this] { context_.show_help(kHelpTopic); });
}

void ChangeGearsPage::build_worm_pair() {
  w_.worm_group = new Fl_Group(326, 419, 336, 120);
  w_.first_gear = ui::result_field(461, 419, 60);
  w_.first_gear->copy_label(context_.lang(texts::kFirstGear));
  w_.second_gear = ui::result_field(461, 454, 60);
  w_.second_gear->copy_label(context_.lang(texts::kSecondGear));
  // Two lines, for the longer "no exact pair" in every language.
  w_.warning = new Fl_Box(326, 486, 330, 50);
  w_.warning->align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  w_.warning->labelcolor(ui::kTextBad);
  w_.warning->copy_label(context_.lang(texts::kNotOwned));
  w_.warning->hide();
  w_.worm_group->end();
  w_.worm_group->hide();
}

// ---- the gear set ----

std::vector<std::string> ChangeGearsPage::gear_lines() const { return gear_set_->lines(); }

void ChangeGearsPage::set_gear_lines(const std::vector<std::string>& lines) {
  gear_set_->set_lines(lines);
}

void ChangeGearsPage::open_gear_set() {
  gear_set_->relabel();
  page_window()->deactivate();
  gear_set_->window()->show();
}

void ChangeGearsPage::close_gear_set() {
  gear_set_->window()->hide();
  page_window()->activate();
}

// ---- modes and checks ----

ChangeGearMode ChangeGearsPage::mode() const {
  return static_cast<ChangeGearMode>(
      ui::chosen_index(w_.mode, static_cast<int>(ChangeGearMode::kInch)));
}

ChangeGearsFormInput ChangeGearsPage::form_input() const {
  return {mode(), w_.pitch_to_make->number_text(), w_.lead_screw->number_text(), gear_lines()};
}

void ChangeGearsPage::show_mode() {
  const ChangeGearsForm form = change_gears_form(form_input());
  w_.pitch_caption->copy_label(context_.lang(form.pitch_caption));
  w_.lead_screw_caption->copy_label(context_.lang(form.lead_screw_caption));
  // The captions have no box of their own: their group paints behind them.
  w_.mode_group->redraw();
}

void ChangeGearsPage::choose_mode(size_t index) {
  for (size_t i = 0; i < w_.mode.size(); ++i)
    w_.mode[i]->value(i == index ? 1 : 0);
}

void ChangeGearsPage::mode_chosen(size_t index) {
  choose_mode(index);
  // Pitches of one mode mean nothing in another.
  w_.pitch_to_make->value("");
  w_.lead_screw->value("");
  show_mode();
  recheck();
}

void ChangeGearsPage::error_left() {
  if (w_.error->unreadable())
    return; // stays as typed, red, to be mended
  const std::string error = floored_error(w_.error->number_text());
  if (error != w_.error->value())
    w_.error->value(error.c_str());
}

void ChangeGearsPage::recheck() {
  w_.first_gear->value("");
  w_.second_gear->value("");
  w_.warning->hide();
  const ChangeGearsForm form = change_gears_form(form_input());
  if (form.calculate_enabled)
    w_.calculate->activate();
  else
    w_.calculate->deactivate();
  ui::show_if(w_.worm_group, form.worm_pair_shown);
}

// ---- computing ----

void ChangeGearsPage::calculate() {
  w_.calculate->deactivate();
  error_left();
  const double p = numeric::read_double(w_.pitch_to_make->number_text());
  const double q = numeric::read_double(w_.lead_screw->number_text());
  const ChangeGearMode m = mode();
  if (m == ChangeGearMode::kModuleWorm || m == ChangeGearMode::kDpWorm)
    show_worm_pair(worm_pair_view(form_input()));
  else if (std::optional<double> target = change_gear_target(m, p, q))
    search_trains(*target);
  w_.calculate->activate();
}

void ChangeGearsPage::search_trains(double target) {
  gears::ResultList trains;
  const std::vector<std::string> lines = gear_lines();
  try {
    WaitCursor wait(page_window());
    std::vector<int> gears;
    for (const std::string& line : lines)
      gears.push_back(static_cast<int>(numeric::read_long(line)));
    trains =
        change_gear_search(change_gear_set(gears), target, numeric::read_double(w_.error->number_text()));
  } catch (const std::bad_alloc&) {
    context_.fatal_error(context_.lang_or(texts::kMemoryError,
                                          "A memory error has occurred. The program will close."));
  }
  if (!trains.empty()) {
    show_trains(trains);
    return;
  }
  bool search_all = false;
  {
    ChoiceButtonTexts buttons(context_.lang(texts::kDeclineSearch),
                              context_.lang(texts::kSearchAll));
    search_all = context_.dialogs().ask_yes_no(text_of(context_, texts::kNoTrainQuestion));
  }
  if (!search_all)
    return;
  const ChangeGearFallback fallback = change_gear_fallback(lines, target, w_.error->number_text());
  show_trains(context_.ratio_search().run({fallback.results_limit, fallback.target, fallback.lowest,
                                           fallback.highest, fallback.tolerance},
                                          page_window()));
}

std::string ChangeGearsPage::results_heading() const {
  const i18n::TextId unit = change_gears_form(form_input()).heading_unit;
  return std::string(w_.lead_screw->number_text()) + " " +
         (w_.lead_screw_caption->label() ? w_.lead_screw_caption->label() : "") + " " +
         text_of(context_, texts::kHeadingLeadScrew) + " - " + w_.pitch_to_make->number_text() + " " +
         text_of(context_, unit);
}

void ChangeGearsPage::show_trains(const gears::ResultList& trains) {
  Fl_Window* main = page_window();
  listed_ = trains;
  results_ = std::make_unique<ChangeGearResultsWindow>(
      context_, main->x() + 140, main->y() + 37, results_heading(), listed_, gear_lines(),
      [this] { print_results(); }, [this] { close_results(); });
  main->deactivate();
  results_->window()->show();
}

void ChangeGearsPage::close_results() {
  listed_.clear();
  if (results_) {
    results_->window()->hide();
    // The window may be closing from its own button: delete it afterwards.
    Fl::delete_widget(results_->release());
    results_.reset();
  }
  Fl_Window* main = page_window();
  main->activate();
  main->cursor(FL_CURSOR_DEFAULT);
  recheck();
}

void ChangeGearsPage::print_results() {
  print_change_gear_results(context_, results_heading(), listed_, gear_lines());
  close_results();
}

void ChangeGearsPage::show_worm_pair(const WormPairView& pair) {
  w_.first_gear->value(pair.first.c_str());
  w_.second_gear->value(pair.second.c_str());
  w_.first_gear->textcolor(pair.first_owned ? ui::kTextOk : ui::kTextBad);
  w_.second_gear->textcolor(pair.second_owned ? ui::kTextOk : ui::kTextBad);
  w_.first_gear->redraw();
  w_.second_gear->redraw();
  w_.warning->copy_label(
      pair.warning == texts::kNoExactPair
          ? context_
                .lang_or(pair.warning, "No pair of gears up to 400 teeth gives this ratio exactly.")
                .c_str()
          : context_.lang(pair.warning));
  ui::show_if(w_.warning, pair.warning_shown);
}

// ---- life cycle ----

Fl_Input* ChangeGearsPage::focus_input() { return w_.pitch_to_make; }

void ChangeGearsPage::bind_state() {
  state_.texts({{"pitch_to_make", w_.pitch_to_make}, {"pitch_of_lead_screw", w_.lead_screw}});
  state_.text("change_gear_error", w_.error, kSmallestChangeGearErrorText);
  state_.custom(
      [this](settings::IniDocument& state, const std::string& section) {
        ui::save_radio_index(state, mode_key(section), {w_.mode.begin(), w_.mode.end()});
      },
      [this](const settings::IniDocument& state, const std::string& section) {
        const int index =
            ui::load_radio_index(state, mode_key(section), {w_.mode.begin(), w_.mode.end()});
        if (index >= 0)
          choose_mode(static_cast<size_t>(index));
      });
  state_.custom([this](settings::IniDocument& state,
                       const std::string& section) { save_gears(state, section); },
                [this](const settings::IniDocument& state, const std::string& section) {
                  load_gears(state, section);
                });
}

// Only an ascending run of the list is kept: the restore reads no further
// either, and stops at a zero (no gear has no teeth) or past the largest
// gear the set editor takes.
void ChangeGearsPage::save_gears(settings::IniDocument& state, const std::string& section) const {
  const std::vector<std::string> lines = gear_lines();
  if (lines.empty())
    return;
  state.set(count_key(section), std::to_string(lines.size()));
  state.add_section(kGearsSection);
  size_t written = 0;
  long previous = 0;
  for (const std::string& line : lines) {
    const long value = numeric::read_long(line);
    if (written > 0 && value < previous)
      break;
    state.set(gear_key(++written), line);
    previous = value;
  }
  state.set(count_key(section), std::to_string(written));
}

void ChangeGearsPage::load_gears(const settings::IniDocument& state, const std::string& section) {
  std::vector<std::string> lines;
  const long count = state.get_long(count_key(section), 0);
  long previous = 0;
  for (long i = 1; i <= count; ++i) {
    const long value = state.get_long(gear_key(static_cast<size_t>(i)), 0);
    if (value == 0 || value < previous || value > kLargestChangeGear)
      break;
    // Kept as plain digits, like the lines the editor adds.
    lines.push_back(std::to_string(value));
    previous = value;
  }
  set_gear_lines(lines);
}

void ChangeGearsPage::restored() {
  error_left();
  show_mode();
  gear_set_->window()->hide();
  recheck();
}

} // namespace workshop
