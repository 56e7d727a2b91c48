// The gear-ratio search page: widgets, the checks that enable Calculate, the
// search with its wait notice and results window, and its State.ini keys.
#include "pages/gears/gear_ratio_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Round_Button.H>

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "core/gears/gears_texts.h"
#include "core/i18n/common_texts.h"
#include "ui/number_input.h"
#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/look.h"
#include "ui/state_keys.h"
#include "core/gears/gear_ratio_form.h"
#include "core/workshop/dividing_head_calc.h"
#include "pages/gears/gear_ratio_print.h"
#include "pages/gears/ratio_results_window.h"
#include "ui/ratio_search.h"
#include "core/numeric/number_text.h"
#include "core/settings/ini_document.h"

namespace gears {

namespace {

constexpr ui::HelpTopic kHelpTopic = ui::HelpTopic::kGearRatio;
constexpr const char* kDefaultResultsLimit = "20";
constexpr const char* kDefaultLowest = "12";
constexpr const char* kSmallestToleranceText = "0.0001";

Fl_Box* text_box(int x, int y, int w, int h, const char* text, Fl_Align align) {
  auto* box = new Fl_Box(x, y, w, h);
  box->copy_label(text);
  box->align(align | FL_ALIGN_INSIDE);
  return box;
}

/// A number field; `whole` for a count.
ui::NumberInput* input(const ui::PageContext& app, int x, int y, int w, const char* label,
                       bool whole = false) {
  auto* field = new ui::NumberInput(x, y, w, 25);
  field->type(whole ? FL_INT_INPUT : FL_FLOAT_INPUT);
  field->speak_with(app);
  field->box(FL_GTK_DOWN_BOX);
  field->copy_label(label);
  return field;
}

/// Redrawn in place: hiding the field to redraw it would take the focus
/// away from it while the user types.
void colour_text(Fl_Input_* field, Fl_Color colour) {
  if (field->textcolor() == colour)
    return;
  field->textcolor(colour);
  field->redraw();
}

/// The focus only goes to a field the user can see.
void focus(Fl_Widget* field) {
  if (field->visible_r())
    field->take_focus();
}

std::vector<Fl_Button*> group_of(const std::array<Fl_Round_Button*, 3>& buttons) {
  return {buttons[0], buttons[1], buttons[2]};
}

} // namespace

GearRatioPage::GearRatioPage(ui::PageContext& app) : Page(app, ui::PageId::kGearRatio) {}

GearRatioPage::~GearRatioPage() = default;

// ---- building ----

void GearRatioPage::build(Fl_Group& group) {
  (void)group;
  w_.explanation = new Fl_Box(186, 29, 612, 112);
  w_.explanation->box(FL_FLAT_BOX);
  w_.explanation->color(ui::kNoteBackground);
  w_.explanation->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
  w_.explanation->copy_label(context_.lang(texts::kRatioExplanation));
  build_limit_and_target();
  build_tooth_range();
  build_tolerance();
  build_buttons();
  bind_state();
}

void GearRatioPage::build_limit_and_target() {
  Fl_Group* limit = ui::framed_group(186, 165, 612, 50, context_.lang(texts::kResultsLimit));
  w_.results_limit = input(context_, 461, 180, 65, context_.lang(texts::kShowAtMost), true);
  w_.results_limit->value(kDefaultResultsLimit);
  w_.results_limit->copy_tooltip(context_.lang(texts::kLimitNote));
  text_box(531, 180, 150, 25, context_.lang(texts::kResultsWord), FL_ALIGN_LEFT);
  limit->end();

  Fl_Group* ratio = ui::framed_group(186, 246, 612, 50, context_.lang(texts::kRatioLabel));
  w_.target = input(context_, 437, 261, 124, context_.lang(texts::kRatioToFind));
  w_.target->when(FL_WHEN_CHANGED);
  on(w_.target, [this] { target_changed(); });
  text_box(566, 261, 150, 25, context_.lang(texts::kToOne), FL_ALIGN_LEFT);
  ratio->end();
}

void GearRatioPage::build_tooth_range() {
  Fl_Group* range = ui::framed_group(186, 327, 612, 50, context_.lang(texts::kToothRange));
  w_.lowest = input(context_, 311, 342, 56, nullptr, true);
  w_.lowest->value(kDefaultLowest);
  text_box(372, 342, 149, 25, context_.lang(texts::kToothRangeTo), FL_ALIGN_CENTER);
  w_.highest = input(context_, 526, 342, 68, nullptr, true);
  text_box(599, 342, 150, 25, context_.lang(texts::kToothRangeTeeth), FL_ALIGN_LEFT);
  for (ui::NumberInput* count : {w_.lowest, w_.highest}) {
    count->when(FL_WHEN_CHANGED);
    on(count, [this] { validate_inputs(); });
  }
  range->end();
}

void GearRatioPage::build_tolerance() {
  Fl_Group* tolerance = ui::framed_group(186, 406, 612, 88, context_.lang(texts::kToleranceLabel));
  for (size_t i = 0; i < w_.mode.size(); ++i) {
    int y = 414 + 25 * static_cast<int>(i);
    w_.mode[i] = ui::radio_button(236, y, 170, 25, context_.lang(texts::kToleranceModes[i]));
  }
  w_.mode[0]->setonly();
  // The change-gear page searches with this mode too.
  for (Fl_Round_Button* button : w_.mode)
    on(button, [this] { context_.ratio_search().set_mode(mode()); });
  w_.tolerance = input(context_, 515, 436, 105, context_.lang(texts::kPercentSign));
  w_.tolerance->align(FL_ALIGN_RIGHT);
  w_.tolerance->value(kSmallestToleranceText);
  // Checked when the user is done with it, so that "0.5" can be typed; every
  // Enter is also the search's, a second one too.
  w_.tolerance->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY | FL_WHEN_NOT_CHANGED);
  on(w_.tolerance, [this] {
    tolerance_left();
    w_.calculate->press_if_enter();
  });
  tolerance->end();
}

void GearRatioPage::build_buttons() {
  w_.calculate = new ui::EnterButton(511, 507, 172, 58);
  w_.calculate->box(FL_GTK_UP_BOX);
  w_.calculate->copy_label(context_.lang(texts::kCalculateButton));
  on(w_.calculate, [this] { search(); });
  w_.calculate->deactivate();

  w_.help = ui::question_button({391, 507, 58, 58}, 58);
  on(w_.help, [this] { context_.show_help(kHelpTopic); });
}

// ---- checks ----

void GearRatioPage::validate_inputs() {
  const RatioCheck check =
      check_ratio_inputs({w_.target->number_text(), w_.lowest->number_text(), w_.highest->number_text()});
  check.calculate_offered ? w_.calculate->activate() : w_.calculate->deactivate();
  colour_text(w_.lowest, check.lowest_red ? ui::kTextBad : ui::kTextOk);
  if (check.highest_text)
    w_.highest->value(check.highest_text->c_str());
  if (check.highest_red)
    colour_text(w_.highest, *check.highest_red ? ui::kTextBad : ui::kTextOk);
  if (check.focus == RatioCheck::Focus::kLowest)
    focus(w_.lowest);
  else if (check.focus == RatioCheck::Focus::kHighest)
    focus(w_.highest);
}

void GearRatioPage::target_changed() {
  int position = w_.target->position();
  int mark = w_.target->mark();
  validate_inputs();
  focus(w_.target);
  w_.target->position(position, mark);
}

void GearRatioPage::tolerance_left() {
  if (w_.tolerance->unreadable())
    return; // stays as typed, red, to be mended
  const std::string kept = floored_tolerance(w_.tolerance->number_text());
  if (kept != w_.tolerance->value())
    w_.tolerance->value(kept.c_str());
}

// ---- the search ----

ToleranceMode GearRatioPage::mode() const {
  if (w_.mode[0]->value())
    return ToleranceMode::kBoth;
  return w_.mode[1]->value() ? ToleranceMode::kAbove : ToleranceMode::kBelow;
}

std::string GearRatioPage::results_header() const {
  return results_heading(context_, w_.target->number_text(), w_.tolerance->number_text(), mode());
}

void GearRatioPage::search() {
  tolerance_left();
  ResultList found = context_.ratio_search().run(fields(), page_window());
  if (found.empty())
    return;
  Fl_Window* main = page_window();
  main->deactivate();
  listed_ = std::move(found);
  results_ = std::make_unique<RatioResultsWindow>(
      context_, main->x() + 140, main->y() + 37, results_header(), listed_,
      [this] { print_results(); }, [this] { close_results(); });
  results_->window()->show();
  results_->window()->wait_for_expose();
}

void GearRatioPage::close_results() {
  if (results_) {
    results_->window()->hide();
    // The window may be closing from its own button: delete it afterwards.
    Fl::delete_widget(results_->release());
    results_.reset();
  }
  listed_.clear();
  page_window()->activate();
  validate_inputs();
}

void GearRatioPage::print_results() {
  if (print_ratio_results(context_, results_header(), listed_))
    close_results();
}

// ---- life cycle ----

Fl_Input* GearRatioPage::focus_input() { return w_.results_limit; }

RatioSearchRequest GearRatioPage::fields() const {
  return {w_.results_limit->number_text(), w_.target->number_text(), w_.lowest->number_text(), w_.highest->number_text(),
          w_.tolerance->number_text()};
}

void GearRatioPage::bind_state() {
  state_.texts(
      {{"ratio_calc_p1_results_limit", w_.results_limit}, {"ratio_calc_p1_to_solve", w_.target}});
  state_.text("ratio_calc_p1_from_teeth", w_.lowest, kDefaultLowest);
  state_.text("ratio_calc_p1_to_teeth", w_.highest);
  state_.text("ratio_calc_p1_error_percent", w_.tolerance, kSmallestToleranceText);
  state_.radio("ratio_calc_p1", group_of(w_.mode));
}

void GearRatioPage::restored() {
  context_.ratio_search().set_mode(mode());
  tolerance_left();
  validate_inputs();
}

} // namespace gears
