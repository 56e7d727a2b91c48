// The measurement-over-pins page: widgets, their handlers, and its State.ini
// keys.
#include "pages/gears/over_pins_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <optional>
#include <vector>

#include "core/gears/gears_texts.h"
#include "core/i18n/common_texts.h"
#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/field_io.h"
#include "ui/look.h"
#include "ui/state_keys.h"
#include "pages/gears/over_pins_picture.h"
#include "core/numeric/number_text.h"
#include "core/settings/ini_document.h"

namespace gears {

namespace {

constexpr Fl_Color kPinLabelColour = 99;

constexpr numeric::RangeRule kPitchRule = numeric::any_decimal();
constexpr numeric::RangeRule kTeethRule = numeric::any_whole_number();
constexpr numeric::RangeRule kPinRule = numeric::any_decimal();
constexpr numeric::RangeRule kOverPinsRule = numeric::any_decimal();
constexpr numeric::RangeRule kFractionRule = numeric::any_whole_number();
constexpr numeric::RangeRule kHelixRule = numeric::decimal_in(0.0, 45.0);
constexpr numeric::RangeRule kTypedAngleRule = numeric::decimal_in(17.5, 30.0);

constexpr ui::HelpTopic kHelpTopic = ui::HelpTopic::kPinDiameter;

/// Written for the radio groups when no button is set: nothing.
constexpr int kWriteNothing = -1;

template <class Button, size_t N>
std::vector<Fl_Button*> group_of(const std::array<Button*, N>& b) {
  return std::vector<Fl_Button*>(b.begin(), b.end());
}

} // namespace

// ---- building ----

void OverPinsPage::build(Fl_Group& group) {
  group_ = &group;
  build_tooth_size();
  build_pressure_angle();
  build_pins();
  build_helix();
  build_results();

  w_.picture = new OverPinsPicture(611, 7, 206, 176);

  w_.help = ui::question_button({755, 447, 58, 58}, 58);
  on(w_.help, [this] { context_.show_help(kHelpTopic); });
  bind_state();
  enter_start_mode();
}

void OverPinsPage::build_tooth_size() {
  Fl_Group* frame = ui::framed_group(165, 24, 272, 94, context_.lang(texts::kToothSizeTitle));
  for (size_t i = 0; i < w_.system.size(); ++i) {
    w_.system[i] = ui::radio_button(176, 29 + 20 * static_cast<int>(i), 204, 25,
                                    context_.lang(texts::kToothSystemNames[i]));
    on(w_.system[i], [this, i] { select_pins_system(static_cast<int>(i), true); });
  }
  frame->end();
  // The unit-system button gives the same gear as a module or a diametral
  // pitch, rewriting the pitch value instead of emptying it.
  context_.register_unit_pair(
      ui::UnitPairSlot::kOverPinsSystem, w_.system[1], w_.system[0], [this](bool to_metric) {
        const int index =
            static_cast<int>(to_metric ? ToothSystem::kModule : ToothSystem::kDiametralPitch);
        ui::set_radio(w_.system[static_cast<size_t>(index)]);
        select_pins_system(index, false);
      });

  w_.pitch = ui::make_checked_input(context_, kPitchRule, 299, 172, 59, 25);
  w_.pitch->align(FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  w_.pitch->on_valid([this] {
    // A typed pitch no longer matches the fraction it may have come from.
    if (composed_pitch_ != w_.pitch->value())
      for (ui::CheckedInput* field : w_.fraction)
        field->value("");
    recompute();
  });

  w_.fraction_frame = new Fl_Group(250, 213, 163, 33);
  w_.fraction_frame->box(FL_ENGRAVED_FRAME);
  w_.fraction_frame->copy_label(context_.lang(texts::kFractionTitle));
  w_.fraction_frame->align(FL_ALIGN_LEFT);
  w_.fraction[0] = ui::make_checked_input(context_, kFractionRule, 257, 217, 34, 25);
  w_.fraction[1] = ui::make_checked_input(context_, kFractionRule, 325, 217, 35, 25);
  w_.fraction[1]->copy_label(context_.lang(texts::kFractionOver));
  w_.fraction[2] = ui::make_checked_input(context_, kFractionRule, 372, 217, 35, 25, "/");
  w_.fraction_frame->end();
  for (ui::CheckedInput* part : w_.fraction)
    part->on_valid([this] {
      // The fields also call back while they are being hidden (their frame or
      // the whole page); only what is typed into a shown fraction makes the pitch.
      if (w_.fraction_frame->visible_r())
        compose_pins_fraction();
    });

  w_.teeth = ui::make_checked_input(context_, kTeethRule, 517, 173, 60, 25);
  w_.teeth->copy_label(context_.lang(texts::kTeethCount));
  w_.teeth->on_valid([this] { recompute(); });
}

void OverPinsPage::build_pressure_angle() {
  Fl_Group* frame = ui::framed_group(442, 24, 162, 144, context_.lang(texts::kPressureAngle));
  const std::array<i18n::TextId, 3> labels = {texts::kAngle14_5, texts::kAngle20,
                                              texts::kOtherAngle};
  const std::array<int, 3> ys = {34, 60, 87};
  for (size_t i = 0; i < w_.angle.size(); ++i) {
    w_.angle[i] = ui::radio_button(453, ys[i], 143, 25, context_.lang(labels[i]));
    on(w_.angle[i], [this, i] { select_pins_pressure_angle(static_cast<int>(i)); });
  }
  // The frame names the angle already; the field only needs its unit.
  w_.typed_angle = ui::make_checked_input(context_, kTypedAngleRule, 488, 135, 61, 25, "°");
  w_.typed_angle->hold_angles(true);
  w_.typed_angle->align(FL_ALIGN_RIGHT);
  if (const char* tip = context_.lang(texts::kPressureAngle))
    w_.typed_angle->copy_tooltip(tip);
  frame->end();
  w_.typed_angle->on_valid([this] {
    angle_wanted_ = false;
    recompute();
  });
  // An angle outside its range must not leave the last angle's results.
  w_.typed_angle->on_invalid([this] { recompute(); });
}

void OverPinsPage::build_pins() {
  w_.pin = ui::make_checked_input(context_, kPinRule, 299, 257, 75, 25);
  w_.pin->copy_label(context_.lang(texts::kPinDiameter));
  w_.pin->align(FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  w_.pin->on_valid([this] { recompute(); });

  ui::wrapped_text(386, 257, 101, 25, context_.lang(texts::kOverPinsValue), FL_ALIGN_RIGHT);
  w_.over_pins = ui::make_checked_input(context_, kOverPinsRule, 492, 257, 75, 25);
  w_.over_pins->on_valid([this] { recompute(); });

  // Its own group, so that the pair is a radio group of its own.
  auto* units = new Fl_Group(637, 234, 143, 25);
  w_.inch = ui::radio_button(637, 234, 68, 25, context_.lang(texts::kInchUnit),
                             context_.lang(texts::kInchTip));
  w_.mm = ui::radio_button(712, 234, 68, 25, context_.lang(texts::kMmUnit),
                           context_.lang(texts::kMmTip));
  units->end();
  // The pin and the measurement are rewritten in the new unit with the
  // page's own decimals, and a rewrite the user left alone is undone on the
  // way back, so no value is rounded twice: not the switch's plain
  // conversion. The switch asks for its fields only when the unit really
  // changes, before it takes the new unit: that is when they are rewritten.
  units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kOverPinsLengths, w_.inch, w_.mm,
      [this] {
        const bool to_mm = !units_->metric();
        rewrite_length(w_.pin, pin_memory_, to_mm);
        rewrite_length(w_.over_pins, over_pins_memory_, to_mm);
        return std::vector<Fl_Input_*>{};
      },
      // The results show both units already: nothing to compute.
      nullptr);
  w_.pin->measure_in(*units_);
  w_.over_pins->measure_in(*units_);

  ui::wrapped_text(190, 292, 136, 23, context_.lang(texts::kRecommendedPin), FL_ALIGN_LEFT);
  w_.pin_inch = ui::result_field(480, 292, 55, 23);
  w_.pin_inch->copy_label(context_.lang(texts::kInchUnit));
  w_.pin_inch->labelcolor(kPinLabelColour);
  w_.pin_mm = ui::result_field(631, 292, 55, 23);
  w_.pin_mm->copy_label(context_.lang(texts::kMmUnit));
  w_.pin_mm->labelcolor(kPinLabelColour);
}

void OverPinsPage::build_helix() {
  auto* frame = new Fl_Group(185, 319, 606, 41);
  frame->box(FL_GTK_DOWN_FRAME);
  const char* not_used = context_.lang(texts::kHelixNotUsed);
  w_.helix_select = new Fl_Check_Button(195, 327, 130, 25);
  w_.helix_select->copy_label(context_.lang(texts::kHelixSelect));
  if (not_used)
    w_.helix_select->copy_tooltip(not_used);
  on(w_.helix_select, [this] { toggle_helix_angle(); });

  w_.helix_note = ui::wrapped_text(330, 321, 212, 37, not_used, FL_ALIGN_LEFT);
  w_.helix_note->labelsize(11);
  w_.helix_note->labelcolor(FL_DARK_RED);

  w_.helix = ui::make_checked_input(context_, kHelixRule, 650, 327, 75, 28);
  w_.helix->hold_angles(true);
  w_.helix->copy_label(context_.lang(texts::kHelixAngle));
  if (not_used)
    w_.helix->copy_tooltip(not_used);
  frame->end();
  // The helix angle is only kept with the gear; recomputing shows that the
  // results stay those of the spur gear.
  w_.helix->on_valid([this] { recompute(); });
}

void OverPinsPage::build_results() {
  constexpr i18n::TextId kRowText[3] = {texts::kTheoreticalThickness, texts::kMeasuredThickness,
                                        texts::kThicknessDifference};
  constexpr int kRowY[3] = {393, 455, 517};
  constexpr int kInchY[3] = {403, 465, 525};
  constexpr int kMmY[3] = {401, 463, 523};
  for (size_t row = 0; row < 3; ++row)
    ui::wrapped_text(168, kRowY[row], 230, 50, context_.lang(kRowText[row]), FL_ALIGN_LEFT);

  Fl_Group* inch = ui::framed_group(410, 388, 161, 175, context_.lang(texts::kInchUnit));
  inch->align(FL_ALIGN_TOP);
  for (size_t row = 0; row < 3; ++row)
    w_.inch_results[row] = ui::result_field(418, kInchY[row], 145, 30);
  inch->end();
  Fl_Group* mm = ui::framed_group(582, 388, 161, 175, context_.lang(texts::kMmUnit));
  mm->align(FL_ALIGN_TOP);
  for (size_t row = 0; row < 3; ++row)
    w_.mm_results[row] = ui::result_field(590, kMmY[row], 145, 30);
  mm->end();

  w_.note = ui::wrapped_text(185, 571, 601, 25, context_.lang(texts::kOverPinsNote), FL_ALIGN_LEFT);
  w_.note->box(FL_FLAT_BOX);
  w_.note->color(ui::kNoteBackground);
}

// ---- modes ----

bool OverPinsPage::page_shown() const { return group_ && group_->visible(); }

void OverPinsPage::show_system_mode(ToothSystem system) {
  // Relabelled in place: hiding a field would make it call back.
  w_.pitch->copy_label(context_.lang(over_pins_pitch_label(system)));
  const bool fraction = over_pins_fraction_offered(system);
  if (!fraction)
    for (ui::CheckedInput* field : w_.fraction)
      field->value("");
  ui::show_and_enable_if(w_.fraction_frame, fraction);
  if (group_)
    group_->redraw();
}

void OverPinsPage::show_typed_angle(bool shown) {
  ui::show_and_enable_if(w_.typed_angle, shown);
  w_.typed_angle->parent()->redraw();
}

void OverPinsPage::show_helix_input(bool shown) {
  ui::show_and_enable_if(w_.helix, shown);
  ui::show_and_enable_if(w_.helix_note, shown);
  w_.helix->parent()->redraw();
}

void OverPinsPage::select_pins_system(int index, bool by_user) {
  const ToothSystem before = system_;
  system_ = static_cast<ToothSystem>(index);
  if (!by_user) {
    // The unit-system button: the same gear, given in the other system, so
    // that switching there and back loses nothing.
    // Unchanged since the last switch, the field stands for the exact size.
    const std::optional<double> p =
        pitch_memory_.still_shown(w_.pitch->value(), static_cast<int>(before))
            ? exact_pitch_
            : diametral_pitch(before, ui::field_double(w_.pitch));
    rewrite(w_.pitch, pitch_memory_, static_cast<int>(before), index,
            p ? pitch_text_in(system_, *p) : std::string());
    exact_pitch_ = p;
    // The results stand: they are those of the same gear.
    show_system_mode(system_);
    return;
  }
  // A value of one system means something else in another.
  w_.pitch->value("");
  show_system_mode(system_);
  recompute();
  if (page_shown())
    w_.pitch->take_focus();
}

void OverPinsPage::select_pins_pressure_angle(int index) {
  angle_wanted_ = false;
  const bool typed = index == static_cast<int>(PressureAngleChoice::kTyped);
  show_typed_angle(typed);
  if (typed) {
    // No angle yet, so no results from the one chosen before.
    w_.typed_angle->value("");
    w_.typed_angle->textcolor(ui::kTextOk);
  }
  recompute();
  if (typed && page_shown())
    w_.typed_angle->take_focus();
}

void OverPinsPage::compose_pins_fraction() {
  composed_pitch_ =
      composed_pitch_text(ui::field_double(w_.fraction[0]), ui::field_double(w_.fraction[1]),
                          ui::field_double(w_.fraction[2]));
  ui::show_text(w_.pitch, composed_pitch_);
  recompute();
}

void OverPinsPage::toggle_helix_angle() {
  const bool checked = w_.helix_select->value() != 0;
  show_helix_input(checked);
  w_.helix->value("0");
  w_.helix->textcolor(ui::kTextOk);
  if (checked && page_shown()) {
    w_.helix->take_focus();
    w_.helix->position(0, w_.helix->size());
  }
}

void OverPinsPage::rewrite(ui::CheckedInput* field, Rewritten& memory, int from_mode, int to_mode,
                           const std::string& converted) {
  if (const std::optional<std::string> next =
          rewritten_text(field->value(), memory, from_mode, to_mode, converted)) {
    field->value(next->c_str());
    // A narrow field shows the leading digits, not the last ones.
    field->position(0);
  }
}

void OverPinsPage::rewrite_length(ui::CheckedInput* field, Rewritten& memory, bool to_mm) {
  if (field->unreadable())
    return; // stays as typed, to be mended
  rewrite(field, memory, to_mm ? 0 : 1, to_mm ? 1 : 0,
          other_unit_length_text(field->number_text(), to_mm));
}

// ---- results ----

PressureAngleChoice OverPinsPage::angle_choice() const {
  if (w_.angle[0]->value())
    return PressureAngleChoice::k14_5;
  if (w_.angle[2]->value())
    return PressureAngleChoice::kTyped;
  return PressureAngleChoice::k20;
}

void OverPinsPage::recompute() {
  const OverPinsForm form = over_pins_form(
      {system_, w_.pitch->number_text(), w_.teeth->number_text(), angle_choice(), w_.typed_angle->number_text(),
       w_.pin->number_text(), w_.over_pins->number_text(), units_->metric()});
  w_.pin_inch->value(form.pin_inch.c_str());
  w_.pin_mm->value(form.pin_mm.c_str());
  for (size_t row = 0; row < 3; ++row) {
    w_.inch_results[row]->value(form.inch[row].c_str());
    w_.mm_results[row]->value(form.mm[row].c_str());
  }
  // The difference is red while the measured tooth is thicker than in theory.
  const std::array<Fl_Output*, 2> differences = {w_.inch_results[2], w_.mm_results[2]};
  for (size_t i = 0; i < 2; ++i) {
    differences[i]->textcolor(form.difference_red[i] ? ui::kTextBad : ui::kTextOk);
    differences[i]->redraw();
  }
  w_.note->copy_label(
      context_.lang(form.reason != i18n::kNoText ? form.reason : texts::kOverPinsNote));
  w_.note->labelcolor(form.reason != i18n::kNoText ? FL_DARK_RED : FL_BLACK);
  w_.note->redraw();
}

// ---- life cycle ----

void OverPinsPage::enter_start_mode() {
  ui::set_radio(w_.system[1]);
  system_ = ToothSystem::kDiametralPitch;
  show_system_mode(system_);
  ui::set_radio(w_.angle[1]);
  show_typed_angle(false);
  w_.helix_select->value(0);
  show_helix_input(false);
  angle_wanted_ = false;
}

void OverPinsPage::apply_settings() {
  units_->apply_settings();
  if (!units_->metric())
    return;
  // Metric: pins and measurement in millimetres, the tooth size as a module.
  ui::set_radio(w_.system[0]);
  system_ = ToothSystem::kModule;
  show_system_mode(system_);
}

Fl_Input* OverPinsPage::focus_input() {
  if (angle_wanted_ && w_.typed_angle->visible())
    return w_.typed_angle;
  return w_.pitch;
}

void OverPinsPage::bind_state() {
  state_.texts({{"gear_profile", w_.pitch},
                {"gear_tooth_count", w_.teeth},
                {"pin_dia", w_.pin},
                {"over_pins", w_.over_pins}});
  state_.text("measure_helix_angle", w_.helix, "0");
  state_.text("measure_custom_pressure_angle", w_.typed_angle, "0");
  units_->bind_state(state_, "measure");
  state_.radio("gear_type", group_of(w_.system), kWriteNothing);
  state_.radio("measure_pressure_angle", group_of(w_.angle), kWriteNothing);
  state_.check("measure_helix_angle_select", w_.helix_select);
}

void OverPinsPage::restored() {
  // The restored tooth size keeps its value; only its label and the
  // fraction frame follow it.
  if (const int i = ui::chosen_index(w_.system); i >= 0)
    system_ = static_cast<ToothSystem>(i);
  show_system_mode(system_);
  // A restored helix angle stays as it was saved.
  show_helix_input(w_.helix_select->value() != 0);

  const bool typed = angle_choice() == PressureAngleChoice::kTyped;
  show_typed_angle(typed);
  angle_wanted_ = false;
  if (typed && !pressure_angle(PressureAngleChoice::kTyped, ui::field_double(w_.typed_angle))) {
    // An unusable angle is not shown as if it counted: the field waits for one.
    w_.typed_angle->value("");
    angle_wanted_ = true;
    if (page_shown())
      w_.typed_angle->take_focus();
  }
  recompute();
}

} // namespace gears
