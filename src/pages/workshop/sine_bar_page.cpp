// The sine-bar page: widgets, their handlers, and its State.ini keys.
#include "pages/workshop/sine_bar_page.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <string>
#include <vector>

#include "core/i18n/common_texts.h"
#include "core/i18n/format_check.h"
#include "core/settings/ini_document.h"
#include "core/workshop/gauge_block_sets.h"
#include "core/workshop/workshop_texts.h"
#include "pages/gears/spur_job_sheet_window.h"
#include "pages/workshop/gauge_set_window.h"
#include "pages/workshop/sine_bar_sketch.h"
#include "ui/field_io.h"
#include "ui/look.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/print_job.h"
#include "ui/state_keys.h"

namespace workshop {

namespace {

constexpr numeric::RangeRule kLengthRule = numeric::decimal_in(0.001, 10000.0);
constexpr numeric::RangeRule kAngleRule = numeric::decimal_in(0.0, 90.0);
constexpr numeric::RangeRule kHeightRule = numeric::decimal_in(0.0, 10000.0);
constexpr numeric::RangeRule kWearRule = numeric::decimal_in(0.0, 1000.0);

constexpr int kLeft = 168;
constexpr int kFieldX = 330;
constexpr int kRight = 500;
constexpr int kRightWidth = 318;

/// The lengths of common bars, the list's items in its order.
struct CommonLength {
  const char* text;
  const char* number;
  bool metric;
};
constexpr CommonLength kCommonLengths[] = {
    {"5 in", "5", false}, {"10 in", "10", false}, {"100 mm", "100", true}, {"200 mm", "200", true}};

} // namespace

SineBarPage::SineBarPage(ui::PageContext& app) : Page(app, ui::PageId::kSineBar) {}
SineBarPage::~SineBarPage() = default;

// ---- building ----

void SineBarPage::build(Fl_Group& group) {
  (void)group;
  build_inputs();
  build_stack();
  bind_state();
  enter_start_mode();
}

void SineBarPage::build_inputs() {
  std::tie(w_.inch, w_.mm) = ui::framed_inch_mm(context_, {kLeft, 10, 160, 34},
                                                {kLeft + 6, 14, 70, 26}, {kLeft + 82, 14, 70, 26});
  units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kSineBar, w_.inch, w_.mm,
      [this] { return std::vector<Fl_Input_*>{w_.length, w_.height, w_.wear_size}; },
      [this] { recompute(); });

  ui::text_line(kLeft, 56, 160, 25, context_.lang(texts::kSineBarLength));
  w_.length = ui::make_checked_input(context_, kLengthRule, kFieldX, 56, 80, 25);
  w_.common_lengths = new Fl_Choice(414, 56, 76, 25);
  for (const CommonLength& length : kCommonLengths)
    w_.common_lengths->add(length.text);
  on(w_.common_lengths, [this] { common_length_chosen(); });

  Fl_Group* modes = ui::framed_group(kLeft, 90, 322, 52);
  w_.angle_to_height =
      ui::radio_button(kLeft + 6, 93, 300, 23, context_.lang(texts::kAngleToHeight));
  w_.height_to_angle =
      ui::radio_button(kLeft + 6, 116, 300, 23, context_.lang(texts::kHeightToAngle));
  modes->end();
  for (Fl_Round_Button* button : {w_.angle_to_height, w_.height_to_angle})
    on(button, [this] { mode_chosen(); });

  ui::text_line(kLeft, 150, 160, 25, context_.lang(texts::kSineBarAngle));
  w_.angle = ui::make_checked_input(context_, kAngleRule, kFieldX, 150, 80, 25);
  w_.angle->hold_angles(true);
  w_.angle_result = ui::result_field(kFieldX, 150, 64, 25);
  w_.angle_dms = ui::result_field(396, 150, 94, 25);
  ui::text_line(kLeft, 180, 160, 25, context_.lang(texts::kStackHeight));
  w_.height = ui::make_checked_input(context_, kHeightRule, kFieldX, 180, 80, 25);
  w_.height_result = ui::result_field(kFieldX, 180, 80, 25);
  w_.warning = new Fl_Box(kLeft, 208, 322, 46);
  w_.warning->align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_LEFT | FL_ALIGN_TOP);
  w_.warning->labelsize(12);
  w_.warning->labelcolor(FL_RED);

  ui::text_line(kLeft, 256, 322, 22, context_.lang(texts::kGaugeBlockSet));
  w_.set = new Fl_Choice(kLeft, 278, 200, 25);
  on(w_.set, [this] { recompute(); });
  w_.edit_sets = new Fl_Button(372, 278, 118, 25);
  w_.edit_sets->copy_label(context_.lang(texts::kEditGaugeSets));
  on(w_.edit_sets, [this] { open_set_window(); });
  w_.wear = new Fl_Check_Button(kLeft, 310, 240, 25);
  w_.wear->copy_label(context_.lang(texts::kWearBlocks));
  on(w_.wear, [this] { recompute(); });
  w_.wear_size = ui::make_checked_input(context_, kWearRule, 414, 310, 76, 25);
  w_.wear_size->copy_tooltip(context_.lang(texts::kWearBlockSize));
  for (ui::CheckedInput* field : {w_.length, w_.angle, w_.height, w_.wear_size}) {
    field->measure_in(*units_);
    field->on_valid([this] { recompute(); });
    field->on_invalid([this] { recompute(); });
  }
  w_.angle->measure_in(numeric::FieldUnit::kNone);
  w_.sketch = new SineBarSketch(kLeft, 342, 322, 250);
}

void SineBarPage::build_stack() {
  ui::text_line(kRight, 10, kRightWidth, 22, context_.lang(texts::kBlocksToWring));
  w_.blocks = new Fl_Browser(kRight, 34, kRightWidth, 290);
  w_.blocks->textsize(14);
  w_.count = ui::text_line(kRight, 328, kRightWidth, 22);
  ui::text_line(kRight, 354, 150, 25, context_.lang(texts::kStackGives));
  w_.stack_height = ui::result_field(652, 354, 70, 25);
  w_.stack_angle = ui::result_field(724, 354, 94, 25);
  w_.nearest = new Fl_Box(kRight, 386, kRightWidth, 140);
  w_.nearest->align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_LEFT | FL_ALIGN_TOP);
  w_.nearest->box(FL_FLAT_BOX);
  w_.nearest->color(ui::kNoteBackground);
  w_.print = new Fl_Button(700, 536, 58, 58, "@+9fileprint");
  w_.print->color(FL_WHITE);
  on(w_.print, [this] {
    if (const auto rows = sheet())
      gears::print_sheet(context_, ui::PageId::kSineBar, context_.lang_or(texts::kSineBarSetUp, ""),
                         *rows);
  });
  w_.help = ui::question_button({760, 536, 58, 58}, 58);
  on(w_.help, [this] { context_.show_help(ui::HelpTopic::kSineBar); });
}

void SineBarPage::bind_state() {
  state_.texts({{"length", w_.length},
                {"angle", w_.angle},
                {"height", w_.height},
                {"wear_size", w_.wear_size}});
  state_.pair("mode", w_.angle_to_height, w_.height_to_angle);
  state_.check("wear", w_.wear);
  units_->bind_state(state_, "measure");
  state_.custom(
      [this](settings::IniDocument& state, const std::string& section) {
        state.set(section + ":set", chosen_set_name());
      },
      [this](const settings::IniDocument& state, const std::string& section) {
        restored_set_ = state.get_string(section + ":set", "");
      });
}

// ---- choices ----

void SineBarPage::mode_chosen() {
  const bool from_height = w_.height_to_angle->value() != 0;
  ui::show_if(w_.angle, !from_height);
  ui::show_if(w_.angle_result, from_height);
  ui::show_if(w_.angle_dms, from_height);
  ui::show_if(w_.height, from_height);
  ui::show_if(w_.height_result, !from_height);
  recompute();
}

void SineBarPage::common_length_chosen() {
  const int chosen = w_.common_lengths->value();
  if (chosen < 0 || chosen >= static_cast<int>(std::size(kCommonLengths)))
    return;
  const CommonLength& length = kCommonLengths[chosen];
  if (length.metric != units_->metric())
    units_->choose(length.metric);
  ui::show_text(w_.length, length.number);
  recompute();
}

std::string SineBarPage::chosen_set_name() const {
  const int chosen = w_.set->value();
  return chosen >= 0 && static_cast<std::size_t>(chosen) < sets_.size()
             ? sets_[static_cast<std::size_t>(chosen)].name
             : restored_set_;
}

void SineBarPage::load_sets(const std::string& chosen) {
  sets_ = standard_gauge_sets();
  for (GaugeBlockSet& set : user_gauge_sets(context_.settings()))
    sets_.push_back(std::move(set));
  std::vector<std::string> names;
  int index = -1;
  for (std::size_t i = 0; i < sets_.size(); ++i) {
    names.push_back(sets_[i].name);
    if (sets_[i].name == chosen && index < 0)
      index = static_cast<int>(i);
  }
  ui::fill_plain_menu(w_.set, names);
  // No such set (any more): the first of the unit the page shows.
  if (index < 0)
    index = units_->metric() ? 1 : 0;
  w_.set->value(index);
}

void SineBarPage::open_set_window() {
  if (!set_window_)
    set_window_ = std::make_unique<GaugeSetWindow>(context_, [this] {
      load_sets(chosen_set_name());
      recompute();
    });
  set_window_->open(chosen_set_name());
}

// ---- results ----

SineBarFormInput SineBarPage::form_input() const {
  SineBarFormInput in;
  in.metric = units_->metric();
  in.length = w_.length->problem(false).empty() ? w_.length->number_text() : "";
  in.height_to_angle = w_.height_to_angle->value() != 0;
  in.angle = w_.angle->problem(false).empty() ? w_.angle->number_text() : "";
  in.height = w_.height->problem(false).empty() ? w_.height->number_text() : "";
  const int chosen = w_.set->value();
  if (chosen >= 0 && static_cast<std::size_t>(chosen) < sets_.size())
    in.set = sets_[static_cast<std::size_t>(chosen)];
  in.wear = w_.wear->value() != 0;
  in.wear_size = w_.wear_size->problem(false).empty() ? w_.wear_size->number_text() : "";
  return in;
}

void SineBarPage::recompute() {
  show(sine_bar_form(form_input(), [this](i18n::TextId e) { return context_.lang_or(e, ""); }));
}

void SineBarPage::show(const SineBarForm& form) {
  const std::string unit = " " + context_.lang_or(units_->metric() ? texts::kMmUnit : texts::kInchUnit, "");
  w_.height_result->value(form.wanted.height.c_str());
  w_.angle_result->value(form.wanted.degrees.c_str());
  w_.angle_dms->value(form.wanted.dms.c_str());
  w_.warning->copy_label(form.steep ? context_.lang(texts::kSteepSineBar)
                         : form.reason ? context_.lang(*form.reason)
                                       : "");
  w_.blocks->clear();
  for (const std::string& block : form.blocks)
    w_.blocks->add(block.c_str());
  const std::string count =
      form.count > 0 ? i18n::checked_format(context_.lang_or(texts::kBlockCount, ""), "d", form.count)
                     : "";
  w_.count->value(count.c_str());
  w_.stack_height->value(form.stack.height.c_str());
  w_.stack_angle->value(form.stack.dms.c_str());
  std::string nearest;
  if (form.no_stack) {
    nearest = context_.lang_or(texts::kNoExactStack, "");
    for (const auto& [side, height] : {std::make_pair(texts::kNearestBelow, form.below),
                                       std::make_pair(texts::kNearestAbove, form.above)})
      if (height)
        nearest += "\n" + context_.lang_or(side, "") + ": " + height->height + unit + "  " +
                   height->degrees + "°  (" + height->dms + ")";
  }
  w_.nearest->copy_label(nearest.c_str());
  ui::show_if(w_.nearest, form.no_stack);
  const double degrees = numeric::read_double(form.wanted.degrees);
  w_.sketch->show_angle(form.wanted.degrees.empty() ? 0.0 : degrees, form.count > 0);
  if (form.wanted.degrees.empty())
    w_.print->deactivate();
  else
    w_.print->activate();
}

std::optional<std::vector<gears::JobSheetRow>> SineBarPage::sheet() const {
  return sine_bar_sheet(form_input(), ui::print_stamp(context_, ui::PageId::kSineBar).date,
                        [this](i18n::TextId e) { return context_.lang_or(e, ""); });
}

// ---- life cycle ----

void SineBarPage::enter_start_mode() {
  ui::set_radio(w_.angle_to_height);
  w_.length->value("5");
  w_.wear_size->value("");
  w_.wear->value(0);
  load_sets("");
  mode_chosen();
}

void SineBarPage::apply_settings() {
  units_->apply_settings();
  if (units_->metric())
    w_.length->value("100");
  load_sets(chosen_set_name());
  recompute();
}

Fl_Input* SineBarPage::focus_input() {
  return w_.height_to_angle->value() ? static_cast<Fl_Input*>(w_.height)
                                     : static_cast<Fl_Input*>(w_.angle);
}

void SineBarPage::load_state(const settings::IniDocument& state) {
  // A file from before the page has no section for it: the page keeps the
  // bar it starts with rather than an empty length.
  if (state.has_section(section()))
    state_.load(state, section());
  restored();
}

void SineBarPage::restored() {
  load_sets(restored_set_);
  restored_set_.clear();
  mode_chosen();
}

} // namespace workshop
