// The change-gears page: widgets, the gear set, the train search with its
// fallback to the gear-ratio search, the 22/7 worm pairs, State.ini keys.
#include "calc/workshop/change_gears_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_ask.H>

#include <algorithm>
#include <cstdio>
#include <new>

#include "ui/number_input.h"
#include "ui/page_widgets.h"
#include "ui/page_context.h"

#include "ui/state_keys.h"
#include "calc/workshop/change_gear_results_window.h"
#include "calc/workshop/change_gear_set_window.h"
#include "numeric/number_text.h"
#include "settings/ini_document.h"

namespace workshop {

namespace {

constexpr Fl_Color kResultColour = 215;
constexpr Fl_Color kBlue = 4;
constexpr Fl_Color kTextOk = 56;
constexpr Fl_Color kTextBad = 88;
constexpr ui::HelpTopic kHelpTopic = ui::HelpTopic::kChangeGears;
constexpr size_t kFewestGears = 3;
constexpr const char* kSmallestErrorText = "0.0001";
constexpr int kNotOwnedText = 460;
constexpr int kNoExactPairText = 474;

/// Label entries of the unit captions after the two pitches, by mode.
constexpr std::array<int, 4> kPitchCaption = {441, 442, 443, 444};
constexpr std::array<int, 4> kLeadScrewCaption = {441, 442, 442, 441};
/// Radio positions, by mode (the worm modes are listed DP first).
constexpr std::array<int, 4> kModeY = {166, 198, 262, 230};

double read_double(const Fl_Input_* field) { return numeric::read_double(field->value()); }

Fl_Input* pitch_input(int x, int y) {
  auto* field = new ui::NumberInput(x, y, 60, 25);
  field->box(FL_GTK_DOWN_BOX);
  return field;
}

template <void (ChangeGearsPage::*Handler)()> void call(Fl_Widget*, void* page) {
  (static_cast<ChangeGearsPage*>(page)->*Handler)();
}

std::vector<Fl_Button*> group_of(const std::array<Fl_Round_Button*, 4>& buttons) {
  return {buttons[0], buttons[1], buttons[2], buttons[3]};
}

std::string text_of(const ui::PageContext& app, int entry) {
  const char* text = app.lang(entry);
  return text ? text : "";
}

/// A ratio written so that reading it back gives the very same number.
std::string exact_text(double value) { return numeric::printf_text("%.17g", value); }

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

void ChangeGearsPage::build(Fl_Group& group) {
  (void)group;
  w_.explanation = new Fl_Box(168, 54, 645, 78);
  w_.explanation->box(FL_FLAT_BOX);
  w_.explanation->color(206);
  w_.explanation->align(FL_ALIGN_LEFT | FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  w_.explanation->copy_label(context_.lang(439));
  build_modes();
  build_inputs();
  w_.mode_group->end();
  build_buttons();
  build_worm_pair();
  gear_set_ = std::make_unique<ChangeGearSetWindow>(
      context_, [this] { recheck(); }, [this] { close_gear_set(); });
}

void ChangeGearsPage::build_modes() {
  w_.mode_group = new Fl_Group(168, 162, 645, 129);
  w_.mode_group->box(FL_GTK_DOWN_FRAME);
  w_.mode_group->labelcolor(kBlue);
  w_.mode_group->align(FL_ALIGN_TOP_LEFT);
  w_.mode_group->copy_label(context_.lang(446));
  for (size_t i = 0; i < w_.mode.size(); ++i) {
    w_.mode[i] = new Fl_Round_Button(185, kModeY[i], 208, 25);
    w_.mode[i]->type(FL_RADIO_BUTTON);
    w_.mode[i]->copy_label(context_.lang(447 + static_cast<int>(i)));
    w_.mode[i]->callback(call<&ChangeGearsPage::mode_chosen>, this);
  }
  w_.mode[0]->setonly();
}

void ChangeGearsPage::build_inputs() {
  w_.pitch_to_make = pitch_input(561, 179);
  w_.pitch_to_make->copy_label(context_.lang(440));
  w_.pitch_caption =
      ui::wrapped_text(626, 179, 180, 25, context_.lang(kPitchCaption[0]), FL_ALIGN_LEFT);
  ui::wrapped_text(420, 209, 135, 36, context_.lang(456), FL_ALIGN_RIGHT);
  w_.lead_screw = pitch_input(561, 214);
  w_.lead_screw_caption =
      ui::wrapped_text(626, 214, 180, 25, context_.lang(kLeadScrewCaption[0]), FL_ALIGN_LEFT);
  for (Fl_Input* pitch : {w_.pitch_to_make, w_.lead_screw}) {
    pitch->when(FL_WHEN_CHANGED);
    pitch->callback(call<&ChangeGearsPage::recheck>, this);
  }

  ui::wrapped_text(420, 245, 135, 36, context_.lang(413), FL_ALIGN_RIGHT);
  w_.error = pitch_input(561, 249);
  w_.error->value(kSmallestErrorText);
  // Checked when the user is done with it, so that "0.5" can be typed.
  w_.error->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY);
  w_.error->callback(call<&ChangeGearsPage::error_left>, this);
  ui::wrapped_text(626, 249, 180, 25, context_.lang(423), FL_ALIGN_LEFT);
}

void ChangeGearsPage::build_buttons() {
  w_.gear_set = new Fl_Button(306, 320, 145, 40);
  w_.gear_set->box(FL_GTK_UP_BOX);
  w_.gear_set->copy_label(context_.lang(445));
  w_.gear_set->callback(call<&ChangeGearsPage::open_gear_set>, this);

  w_.calculate = new Fl_Button(521, 320, 145, 40);
  w_.calculate->box(FL_GTK_UP_BOX);
  w_.calculate->copy_label(context_.lang(424));
  w_.calculate->callback(call<&ChangeGearsPage::calculate>, this);
  w_.calculate->deactivate();

  w_.help = new Fl_Button(457, 311, 58, 58, "?");
  w_.help->box(FL_GTK_UP_BOX);
  w_.help->labelfont(FL_TIMES_BOLD_ITALIC);
  w_.help->labelsize(57);
  w_.help->callback(
      [](Fl_Widget*, void* page) {
        static_cast<ChangeGearsPage*>(page)->context_.show_help(kHelpTopic);
      },
      this);
}

void ChangeGearsPage::build_worm_pair() {
  w_.worm_group = new Fl_Group(326, 419, 336, 120);
  w_.first_gear = new ui::ReadOnlyField(461, 419, 60, 25, kResultColour);
  w_.first_gear->copy_label(context_.lang(458));
  w_.second_gear = new ui::ReadOnlyField(461, 454, 60, 25, kResultColour);
  w_.second_gear->copy_label(context_.lang(459));
  // Two lines, for the longer "no exact pair" in every language.
  w_.warning = new Fl_Box(326, 486, 330, 50);
  w_.warning->align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  w_.warning->labelcolor(FL_RED);
  w_.warning->copy_label(context_.lang(kNotOwnedText));
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
  context_.main_window()->deactivate();
  gear_set_->window()->show();
}

void ChangeGearsPage::close_gear_set() {
  gear_set_->window()->hide();
  context_.main_window()->activate();
}

// ---- modes and checks ----

ChangeGearMode ChangeGearsPage::mode() const {
  for (size_t i = 0; i < w_.mode.size(); ++i)
    if (w_.mode[i]->value())
      return static_cast<ChangeGearMode>(i);
  return ChangeGearMode::kInch;
}

void ChangeGearsPage::mode_chosen() {
  auto index = static_cast<size_t>(mode());
  w_.lead_screw->hide();
  w_.pitch_caption->hide();
  w_.pitch_caption->copy_label(context_.lang(kPitchCaption[index]));
  w_.lead_screw_caption->copy_label(context_.lang(kLeadScrewCaption[index]));
  w_.lead_screw->show();
  w_.pitch_caption->show();
  w_.pitch_to_make->value("");
  w_.lead_screw->value("");
  w_.calculate->deactivate();
  recheck();
}

void ChangeGearsPage::error_left() {
  if (read_double(w_.error) < kSmallestChangeGearError)
    w_.error->value(kSmallestErrorText);
}

void ChangeGearsPage::recheck() {
  w_.first_gear->value("");
  w_.second_gear->value("");
  w_.warning->hide();
  bool worm = mode() == ChangeGearMode::kModuleWorm || mode() == ChangeGearMode::kDpWorm;
  // A zero pitch gives no ratio at all: Calculate waits for two real pitches.
  bool pitches =
      usable_pitch(read_double(w_.pitch_to_make)) && usable_pitch(read_double(w_.lead_screw));
  if (gear_lines().size() < kFewestGears || !pitches) {
    w_.worm_group->hide();
    w_.calculate->deactivate();
    return;
  }
  w_.calculate->activate();
  if (worm)
    w_.worm_group->show();
}

// ---- computing ----

void ChangeGearsPage::calculate() {
  w_.calculate->deactivate();
  error_left();
  double p = read_double(w_.pitch_to_make);
  double q = read_double(w_.lead_screw);
  std::vector<std::string> lines = gear_lines();
  int smallest = lines.empty() ? 0 : static_cast<int>(numeric::read_long(lines.front()));
  switch (mode()) {
  case ChangeGearMode::kInch:
  case ChangeGearMode::kMetric:
    if (std::optional<double> target = change_gear_target(mode(), p, q))
      search_trains(*target);
    break;
  case ChangeGearMode::kModuleWorm:
  case ChangeGearMode::kDpWorm:
    if (usable_pitch(p) && usable_pitch(q)) {
      const std::string module_or_dp = w_.pitch_to_make->value();
      const std::string screw = w_.lead_screw->value();
      show_worm_pair(mode() == ChangeGearMode::kModuleWorm
                         ? worm_pair_module(module_or_dp, screw, smallest)
                         : worm_pair_dp(module_or_dp, screw, smallest));
    }
    break;
  }
  w_.calculate->activate();
}

void ChangeGearsPage::search_trains(double target) {
  gears::ResultList trains;
  try {
    std::vector<int> gears;
    for (const std::string& line : gear_lines())
      gears.push_back(static_cast<int>(numeric::read_long(line)));
    trains = change_gear_search(change_gear_pairs(gears), target, read_double(w_.error));
  } catch (const std::bad_alloc&) {
    context_.fatal_error(
        context_.lang_or(285, "A memory error has occurred. The program will close."));
  }
  if (!trains.empty()) {
    show_trains(trains);
    return;
  }
  bool search_all = false;
  {
    ChoiceButtonTexts buttons(context_.lang(463), context_.lang(462));
    search_all = context_.dialogs().ask_yes_no(text_of(context_, 461));
  }
  if (search_all)
    show_trains(fallback_search(target));
}

gears::ResultList ChangeGearsPage::fallback_search(double target) {
  std::vector<std::string> lines = gear_lines();
  long largest = lines.empty() ? 0 : numeric::read_long(lines.back());
  ui::RatioSearchRequest request;
  request.results_limit = std::to_string(kMostChangeGearTrains);
  request.target = exact_text(target);
  request.lowest = lines.empty() ? "" : lines.front();
  request.highest = std::to_string(std::max(largest, 50L));
  request.tolerance = w_.error->value();
  return context_.ratio_search(request);
}

std::string ChangeGearsPage::results_heading() const {
  int unit = mode() == ChangeGearMode::kMetric ? 78 : 441;
  return std::string(w_.lead_screw->value()) + " " +
         (w_.pitch_caption->label() ? w_.pitch_caption->label() : "") + " " +
         text_of(context_, 464) + " - " + w_.pitch_to_make->value() + " " + text_of(context_, unit);
}

void ChangeGearsPage::show_trains(const gears::ResultList& trains) {
  Fl_Window* main = context_.main_window();
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
  Fl_Window* main = context_.main_window();
  main->activate();
  main->cursor(FL_CURSOR_DEFAULT);
  recheck();
}

void ChangeGearsPage::print_results() {
  print_change_gear_results(context_, results_heading(), listed_);
  close_results();
}

void ChangeGearsPage::show_worm_pair(const std::optional<GearPairCounts>& pair) {
  if (!pair) {
    // An approximate pair would cut a worm of the wrong pitch: say so instead.
    w_.first_gear->value("");
    w_.second_gear->value("");
    w_.warning->copy_label(
        context_
            .lang_or(kNoExactPairText, "No pair of gears up to 400 teeth gives this ratio exactly.")
            .c_str());
    w_.warning->show();
    return;
  }
  std::vector<std::string> lines = gear_lines();
  bool missing = false;
  for (auto [field, count] :
       {std::pair{w_.first_gear, pair->first}, {w_.second_gear, pair->second}}) {
    std::string text = std::to_string(count);
    field->value(text.c_str());
    bool owned = std::find(lines.begin(), lines.end(), text) != lines.end();
    field->textcolor(owned ? kTextOk : kTextBad);
    field->redraw();
    missing = missing || !owned;
  }
  w_.warning->copy_label(context_.lang(kNotOwnedText));
  if (missing)
    w_.warning->show();
  else
    w_.warning->hide();
}

// ---- life cycle ----

Fl_Input* ChangeGearsPage::focus_input() { return w_.pitch_to_make; }

void ChangeGearsPage::save_state(settings::IniDocument& state) const {
  ui::save_text(state, "p17:pitch_to_make", w_.pitch_to_make);
  ui::save_text(state, "p17:pitch_of_lead_screw", w_.lead_screw);
  ui::save_text(state, "p17:change_gear_error", w_.error);
  ui::save_radio_index(state, "p17:change_gears_for", group_of(w_.mode));
  std::vector<std::string> lines = gear_lines();
  if (lines.empty())
    return;
  state.set("p17:change_gears_count", std::to_string(lines.size()));
  state.add_section("change_gears");
  // Only an ascending run is kept: the restore reads no further either.
  size_t written = 0;
  long previous = 0;
  for (const std::string& line : lines) {
    long value = numeric::read_long(line);
    if (written > 0 && value < previous)
      break;
    state.set("change_gears:" + std::to_string(++written), line);
    previous = value;
  }
  state.set("p17:change_gears_count", std::to_string(written));
}

void ChangeGearsPage::load_state(const settings::IniDocument& state) {
  if (ui::load_radio_index(state, "p17:change_gears_for", group_of(w_.mode)) >= 0)
    mode_chosen();
  ui::load_text(state, "p17:pitch_to_make", w_.pitch_to_make);
  ui::load_text(state, "p17:pitch_of_lead_screw", w_.lead_screw);
  ui::load_text(state, "p17:change_gear_error", w_.error, kSmallestErrorText);
  error_left();

  std::vector<std::string> lines;
  long count = state.get_long("p17:change_gears_count", 0);
  long previous = 0;
  for (long i = 1; i <= count; ++i) {
    long value = state.get_long("change_gears:" + std::to_string(i), 0);
    if (value == 0 || value < previous)
      break;
    // Kept as plain digits, like the lines the editor adds.
    lines.push_back(std::to_string(value));
    previous = value;
  }
  set_gear_lines(lines);
  gear_set_->window()->hide();
  w_.lead_screw->do_callback();
}

} // namespace workshop
