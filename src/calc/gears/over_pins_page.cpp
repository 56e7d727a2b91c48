// The measurement-over-pins page: widgets, their handlers, and its State.ini
// keys.
#include "calc/gears/over_pins_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <cmath>
#include <iomanip>
#include <optional>
#include <sstream>
#include <vector>

#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "calc/gears/over_pins_picture.h"
#include "numeric/number_text.h"
#include "settings/ini_document.h"

namespace gears {

namespace {

constexpr Fl_Color kPinLabelColour = 99;
constexpr Fl_Color kNoteColour = 206;

constexpr int kPitchRecord = 49;
constexpr int kTeethRecord = 50;
constexpr int kPinRecord = 51;
constexpr int kOverPinsRecord = 52;
constexpr int kFractionRecord = 53;
constexpr int kHelixRecord = 54;
constexpr int kTypedAngleRecord = 55;

/// Labels of the tooth-size radios, which also name the pitch value.
constexpr int kSystemLabels[4] = {293, 294, 295, 296};
constexpr int kHelixNotUsedText = 473;
constexpr ui::HelpTopic kHelpTopic = ui::HelpTopic::kPinDiameter;

constexpr int kInchPlaces = 4;
constexpr int kMmPlaces = 3;

/// A tooth-size radio that knows whether a click or key of the user is
/// being handled, as opposed to the unit-system button setting it.
class SystemRadio : public Fl_Round_Button {
public:
  SystemRadio(int x, int y, int w, int h) : Fl_Round_Button(x, y, w, h) {}
  int handle(int event) override {
    handling_ = true;
    const int used = Fl_Round_Button::handle(event);
    handling_ = false;
    return used;
  }
  bool handling() const { return handling_; }

private:
  bool handling_ = false;
};

template <class Radio = Fl_Round_Button>
Radio* radio(int x, int y, int w, int h, const char* label, const char* tip = nullptr) {
  auto* button = new Radio(x, y, w, h);
  button->type(FL_RADIO_BUTTON);
  button->copy_label(label);
  if (tip)
    button->copy_tooltip(tip);
  return button;
}

/// A length written with `places` decimals; a value that is no number
/// leaves the field empty.
void write_length(Fl_Input_* field, int places, double value) {
  if (std::isfinite(value))
    ui::set_field_fixed(field, places, value);
  else
    field->value("");
}

/// The difference is red while the measured tooth is thicker than in theory.
void write_difference(Fl_Input_* field, int places, double value) {
  write_length(field, places, value);
  field->textcolor(field->value()[0] == '-' ? FL_RED : FL_BLACK);
  field->redraw();
}

std::string four_decimals(double value) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(4) << value;
  return text.str();
}

template <class Button, size_t N>
std::vector<Fl_Button*> group_of(const std::array<Button*, N>& b) {
  return std::vector<Fl_Button*>(b.begin(), b.end());
}

template <void (OverPinsPage::*Handler)()> void call(Fl_Widget*, void* page) {
  (static_cast<OverPinsPage*>(page)->*Handler)();
}

template <int Index> void system_chosen(Fl_Widget* radio, void* page) {
  static_cast<OverPinsPage*>(page)->select_pins_system(
      Index, static_cast<SystemRadio*>(radio)->handling());
}

template <int Index> void angle_chosen(Fl_Widget*, void* page) {
  static_cast<OverPinsPage*>(page)->select_pins_pressure_angle(Index);
}

template <bool Mm> void unit_clicked(Fl_Widget*, void* page) {
  static_cast<OverPinsPage*>(page)->unit_chosen(Mm);
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

  w_.help = new Fl_Button(755, 447, 58, 58, "?");
  w_.help->box(FL_GTK_UP_BOX);
  w_.help->labelfont(FL_TIMES_BOLD_ITALIC);
  w_.help->labelsize(58);
  w_.help->callback(
      [](Fl_Widget*, void* app) { static_cast<ui::PageContext*>(app)->show_help(kHelpTopic); },
      &context_);
  enter_start_mode();
}

void OverPinsPage::build_tooth_size() {
  Fl_Group* frame = ui::framed_group(165, 24, 272, 94, context_.lang(292));
  w_.system[0] = radio<SystemRadio>(176, 29, 204, 25, context_.lang(293));
  w_.system[0]->callback(system_chosen<0>, this);
  w_.system[1] = radio<SystemRadio>(176, 49, 204, 25, context_.lang(294));
  w_.system[1]->callback(system_chosen<1>, this);
  w_.system[2] = radio<SystemRadio>(176, 69, 204, 25, context_.lang(295));
  w_.system[2]->callback(system_chosen<2>, this);
  w_.system[3] = radio<SystemRadio>(176, 89, 204, 25, context_.lang(296));
  w_.system[3]->callback(system_chosen<3>, this);
  frame->end();
  // The unit-system button switches the tooth size between module and
  // diametral pitch as it switches the unit radios.
  context_.register_unit_pair(ui::UnitPairSlot::kOverPinsSystem, w_.system[1], w_.system[0]);

  w_.pitch = ui::make_checked_input(context_, kPitchRecord, 299, 172, 59, 25);
  w_.pitch->align(FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  context_.input_range(kPitchRecord).on_valid = [this](Fl_Input*, long) {
    // A typed pitch no longer matches the fraction it may have come from.
    if (composed_pitch_ != w_.pitch->value())
      for (ui::CheckedInput* field : w_.fraction)
        field->value("");
    compute_over_pins();
  };

  w_.fraction_frame = new Fl_Group(250, 213, 163, 33);
  w_.fraction_frame->box(FL_ENGRAVED_FRAME);
  w_.fraction_frame->copy_label(context_.lang(280));
  w_.fraction_frame->align(FL_ALIGN_LEFT);
  w_.fraction[0] = ui::make_checked_input(context_, kFractionRecord, 257, 217, 34, 25);
  w_.fraction[1] = ui::make_checked_input(context_, kFractionRecord, 325, 217, 35, 25);
  w_.fraction[1]->copy_label(context_.lang(308));
  w_.fraction[2] = ui::make_checked_input(context_, kFractionRecord, 372, 217, 35, 25, "/");
  w_.fraction_frame->end();
  context_.input_range(kFractionRecord).on_valid = [this](Fl_Input*, long) {
    // The fields also call back while they are being hidden (their frame or
    // the whole page); only what is typed into a shown fraction makes the pitch.
    if (w_.fraction_frame->visible_r())
      compose_pins_fraction();
  };

  w_.teeth = ui::make_checked_input(context_, kTeethRecord, 517, 173, 60, 25);
  w_.teeth->copy_label(context_.lang(307));
  context_.input_range(kTeethRecord).on_valid = [this](Fl_Input*, long) { compute_over_pins(); };
}

void OverPinsPage::build_pressure_angle() {
  Fl_Group* frame = ui::framed_group(442, 24, 162, 144, context_.lang(309));
  w_.angle[0] = radio(453, 34, 143, 25, context_.lang(310));
  w_.angle[0]->callback(angle_chosen<0>, this);
  w_.angle[1] = radio(453, 60, 143, 25, context_.lang(311));
  w_.angle[1]->callback(angle_chosen<1>, this);
  w_.angle[2] = radio(453, 87, 143, 25, context_.lang(111));
  w_.angle[2]->callback(angle_chosen<2>, this);
  // The frame names the angle already; the field only needs its unit.
  w_.typed_angle = ui::make_checked_input(context_, kTypedAngleRecord, 488, 135, 61, 25, "°");
  w_.typed_angle->align(FL_ALIGN_RIGHT);
  if (const char* tip = context_.lang(309))
    w_.typed_angle->copy_tooltip(tip);
  frame->end();
  ui::InputRange& typed = context_.input_range(kTypedAngleRecord);
  typed.on_valid = [this](Fl_Input*, long) {
    angle_wanted_ = false;
    compute_over_pins();
  };
  // An angle outside its range must not leave the last angle's results.
  typed.on_invalid = [this](Fl_Input*, long) { clear_over_pins_outputs(); };
}

void OverPinsPage::build_pins() {
  w_.pin = ui::make_checked_input(context_, kPinRecord, 299, 257, 75, 25);
  w_.pin->copy_label(context_.lang(128));
  w_.pin->align(FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  context_.input_range(kPinRecord).on_valid = [this](Fl_Input*, long) { compute_over_pins(); };

  ui::wrapped_text(386, 257, 101, 25, context_.lang(395), FL_ALIGN_RIGHT);
  w_.over_pins = ui::make_checked_input(context_, kOverPinsRecord, 492, 257, 75, 25);
  context_.input_range(kOverPinsRecord).on_valid = [this](Fl_Input*, long) { compute_over_pins(); };

  // Its own group, so that the pair is a radio group of its own.
  auto* units = new Fl_Group(637, 234, 143, 25);
  w_.inch = radio(637, 234, 68, 25, context_.lang(20), context_.lang(56));
  w_.inch->callback(unit_clicked<false>, this);
  w_.mm = radio(712, 234, 68, 25, context_.lang(19), context_.lang(59));
  w_.mm->callback(unit_clicked<true>, this);
  units->end();
  context_.register_unit_pair(ui::UnitPairSlot::kOverPinsLengths, w_.inch, w_.mm);

  ui::wrapped_text(190, 292, 136, 23, context_.lang(402), FL_ALIGN_LEFT);
  w_.pin_inch = ui::result_field(480, 292, 55, 23);
  w_.pin_inch->copy_label(context_.lang(20));
  w_.pin_inch->labelcolor(kPinLabelColour);
  w_.pin_mm = ui::result_field(631, 292, 55, 23);
  w_.pin_mm->copy_label(context_.lang(19));
  w_.pin_mm->labelcolor(kPinLabelColour);
}

void OverPinsPage::build_helix() {
  auto* frame = new Fl_Group(185, 319, 606, 41);
  frame->box(FL_GTK_DOWN_FRAME);
  const char* not_used = context_.lang(kHelixNotUsedText);
  w_.helix_select = new Fl_Check_Button(195, 327, 130, 25);
  w_.helix_select->copy_label(context_.lang(467));
  if (not_used)
    w_.helix_select->copy_tooltip(not_used);
  w_.helix_select->callback(call<&OverPinsPage::toggle_helix_angle>, this);

  w_.helix_note = ui::wrapped_text(330, 321, 212, 37, not_used, FL_ALIGN_LEFT);
  w_.helix_note->labelsize(11);
  w_.helix_note->labelcolor(FL_DARK_RED);

  w_.helix = ui::make_checked_input(context_, kHelixRecord, 650, 327, 75, 28);
  w_.helix->copy_label(context_.lang(468));
  if (not_used)
    w_.helix->copy_tooltip(not_used);
  frame->end();
  // The helix angle is only kept with the gear; recomputing shows that the
  // results stay those of the spur gear.
  context_.input_range(kHelixRecord).on_valid = [this](Fl_Input*, long) { compute_over_pins(); };
}

void OverPinsPage::build_results() {
  constexpr int kRowText[3] = {396, 397, 398};
  constexpr int kRowY[3] = {393, 455, 517};
  constexpr int kInchY[3] = {403, 465, 525};
  constexpr int kMmY[3] = {401, 463, 523};
  for (size_t row = 0; row < 3; ++row)
    ui::wrapped_text(168, kRowY[row], 230, 50, context_.lang(kRowText[row]), FL_ALIGN_LEFT);

  Fl_Group* inch = ui::framed_group(410, 388, 161, 175, context_.lang(20));
  inch->align(FL_ALIGN_TOP);
  for (size_t row = 0; row < 3; ++row)
    w_.inch_results[row] = ui::result_field(418, kInchY[row], 145, 30);
  inch->end();
  Fl_Group* mm = ui::framed_group(582, 388, 161, 175, context_.lang(19));
  mm->align(FL_ALIGN_TOP);
  for (size_t row = 0; row < 3; ++row)
    w_.mm_results[row] = ui::result_field(590, kMmY[row], 145, 30);
  mm->end();

  Fl_Box* note = ui::wrapped_text(185, 571, 601, 25, context_.lang(469), FL_ALIGN_LEFT);
  note->box(FL_FLAT_BOX);
  note->color(kNoteColour);
}

// ---- modes ----

bool OverPinsPage::page_shown() const { return group_ && group_->visible(); }

void OverPinsPage::show_system_mode(ToothSystem system) {
  const int index = static_cast<int>(system);
  // Relabelled in place: hiding a field would make it call back.
  w_.pitch->copy_label(context_.lang(kSystemLabels[index]));
  const bool fraction = system == ToothSystem::kCircularPitchInch;
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
    const std::optional<double> p = pitch_memory_.still_shown(w_.pitch, static_cast<int>(before))
                                        ? exact_pitch_
                                        : diametral_pitch(before, ui::field_double(w_.pitch));
    const std::optional<double> value = p ? pitch_value(system_, *p) : std::nullopt;
    rewrite(w_.pitch, pitch_memory_, static_cast<int>(before), index,
            value ? numeric::format_fixed(kInchPlaces, *value) : std::string());
    exact_pitch_ = p;
    // The results stand: they are those of the same gear.
    show_system_mode(system_);
    return;
  }
  clear_over_pins_outputs();
  w_.pitch->value("");
  show_system_mode(system_);
  clear_recommended_pin();
  if (page_shown())
    w_.pitch->take_focus();
}

void OverPinsPage::select_pins_pressure_angle(int index) {
  angle_wanted_ = false;
  if (index == static_cast<int>(PressureAngleChoice::kTyped)) {
    show_typed_angle(true);
    w_.typed_angle->value("");
    w_.typed_angle->textcolor(FL_BLACK);
    // No angle yet, so no results from the one chosen before.
    clear_over_pins_outputs();
    if (page_shown())
      w_.typed_angle->take_focus();
    return;
  }
  show_typed_angle(false);
  compute_over_pins();
}

void OverPinsPage::compose_pins_fraction() {
  const std::optional<double> value =
      compose_fraction(ui::field_double(w_.fraction[0]), ui::field_double(w_.fraction[1]),
                       ui::field_double(w_.fraction[2]));
  composed_pitch_ = value ? four_decimals(*value) : std::string();
  w_.pitch->value(composed_pitch_.c_str());
  compute_over_pins();
}

void OverPinsPage::toggle_helix_angle() {
  const bool checked = w_.helix_select->value() != 0;
  show_helix_input(checked);
  w_.helix->value("0");
  w_.helix->textcolor(FL_BLACK);
  if (checked && page_shown()) {
    w_.helix->take_focus();
    w_.helix->position(0, w_.helix->size());
  }
}

bool OverPinsPage::Rewritten::still_shown(const ui::CheckedInput* field, int mode) const {
  return shown_mode == mode && !shown.empty() && shown == field->value();
}

void OverPinsPage::rewrite(ui::CheckedInput* field, Rewritten& memory, int from_mode, int to_mode,
                           const std::string& converted) {
  const std::string text = field->value();
  if (text.empty())
    return;
  const bool undo = memory.still_shown(field, from_mode) && memory.before_mode == to_mode;
  const std::string next = undo ? memory.before : converted;
  field->value(next.c_str());
  // A narrow field shows the leading digits, not the last ones.
  field->position(0);
  memory = {next, to_mode, text, from_mode};
}

void OverPinsPage::rewrite_length(ui::CheckedInput* field, Rewritten& memory, bool to_mm) {
  const double value = ui::field_double(field);
  const std::string converted =
      to_mm ? numeric::format_fixed(kMmPlaces, value / numeric::kInchPerMm)
            : numeric::format_fixed(kInchPlaces, value * numeric::kInchPerMm);
  rewrite(field, memory, to_mm ? 0 : 1, to_mm ? 1 : 0, converted);
}

void OverPinsPage::unit_chosen(bool mm) {
  if (mm == in_mm_)
    return;
  in_mm_ = mm;
  // The results show both units already: only the two lengths change.
  rewrite_length(w_.pin, pin_memory_, mm);
  rewrite_length(w_.over_pins, over_pins_memory_, mm);
}

// ---- results ----

void OverPinsPage::clear_over_pins_outputs() {
  for (size_t row = 0; row < 3; ++row) {
    w_.inch_results[row]->value("");
    w_.mm_results[row]->value("");
  }
}

void OverPinsPage::clear_recommended_pin() {
  w_.pin_inch->value("");
  w_.pin_mm->value("");
}

void OverPinsPage::compute_over_pins() {
  const std::optional<double> p = diametral_pitch(system_, ui::field_double(w_.pitch));
  if (!p) {
    // No tooth size: a pin recommended for the last one would mislead.
    clear_over_pins_outputs();
    clear_recommended_pin();
    return;
  }
  const double pin = recommended_pin(*p);
  write_length(w_.pin_inch, kInchPlaces, pin);
  write_length(w_.pin_mm, kMmPlaces, pin / numeric::kInchPerMm);

  PressureAngleChoice choice = PressureAngleChoice::k20;
  if (w_.angle[0]->value())
    choice = PressureAngleChoice::k14_5;
  else if (w_.angle[2]->value())
    choice = PressureAngleChoice::kTyped;
  const std::optional<double> angle = pressure_angle(choice, ui::field_double(w_.typed_angle));
  if (!angle || w_.pin->size() == 0 || w_.over_pins->size() == 0) {
    clear_over_pins_outputs();
    return;
  }
  const double to_inch = in_mm_ ? numeric::kInchPerMm : 1.0;
  const std::optional<OverPinsResult> result = gears::compute_over_pins(
      {*p, ui::field_long(w_.teeth), *angle, ui::field_double(w_.pin) * to_inch,
       ui::field_double(w_.over_pins) * to_inch});
  if (!result) {
    clear_over_pins_outputs();
    return;
  }
  write_length(w_.inch_results[0], kInchPlaces, result->theoretical);
  write_length(w_.mm_results[0], kMmPlaces, result->theoretical / numeric::kInchPerMm);
  const std::optional<double> difference = result->difference();
  if (!difference) {
    // No pin position gives this measurement: only the theory stands.
    for (Fl_Output* field :
         {w_.inch_results[1], w_.mm_results[1], w_.inch_results[2], w_.mm_results[2]})
      field->value("");
    return;
  }
  write_length(w_.inch_results[1], kInchPlaces, *result->measured);
  write_length(w_.mm_results[1], kMmPlaces, *result->measured / numeric::kInchPerMm);
  write_difference(w_.inch_results[2], kInchPlaces, *difference);
  write_difference(w_.mm_results[2], kMmPlaces, *difference / numeric::kInchPerMm);
}

// ---- life cycle ----

void OverPinsPage::enter_start_mode() {
  ui::set_radio(w_.system[1]);
  system_ = ToothSystem::kDiametralPitch;
  show_system_mode(system_);
  ui::set_radio(w_.angle[1]);
  show_typed_angle(false);
  ui::set_radio(w_.inch);
  in_mm_ = false;
  w_.helix_select->value(0);
  show_helix_input(false);
  angle_wanted_ = false;
}

void OverPinsPage::apply_settings() {
  if (context_.unit_system() != 1)
    return;
  // Metric: pins and measurement in millimetres, the tooth size as a module.
  ui::set_radio(w_.mm);
  in_mm_ = true;
  ui::set_radio(w_.system[0]);
  system_ = ToothSystem::kModule;
  show_system_mode(system_);
}

Fl_Input* OverPinsPage::focus_input() {
  if (angle_wanted_ && w_.typed_angle->visible())
    return w_.typed_angle;
  return w_.pitch;
}

void OverPinsPage::save_state(settings::IniDocument& state) const {
  ui::save_text(state, "p15:gear_profile", w_.pitch);
  ui::save_text(state, "p15:gear_tooth_count", w_.teeth);
  ui::save_text(state, "p15:pin_dia", w_.pin);
  ui::save_text(state, "p15:over_pins", w_.over_pins);
  ui::save_text(state, "p15:measure_helix_angle", w_.helix);
  ui::save_text(state, "p15:measure_custom_pressure_angle", w_.typed_angle);
  ui::save_pair(state, "p15:measure", w_.inch);
  ui::save_radio_index(state, "p15:gear_type", group_of(w_.system), -1);
  ui::save_radio_index(state, "p15:measure_pressure_angle", group_of(w_.angle), -1);
  ui::save_check(state, "p15:measure_helix_angle_select", w_.helix_select);
}

void OverPinsPage::load_state(const settings::IniDocument& state) {
  ui::load_text(state, "p15:gear_profile", w_.pitch);
  ui::load_text(state, "p15:gear_tooth_count", w_.teeth);
  ui::load_text(state, "p15:pin_dia", w_.pin);
  ui::load_text(state, "p15:over_pins", w_.over_pins);
  ui::load_text(state, "p15:measure_helix_angle", w_.helix, "0");
  ui::load_text(state, "p15:measure_custom_pressure_angle", w_.typed_angle, "0");

  ui::load_pair(state, "p15:measure", w_.inch, w_.mm);
  in_mm_ = w_.mm->value() != 0;

  // The restored tooth size keeps its value; only its label and the
  // fraction frame follow it.
  ui::load_radio_index(state, "p15:gear_type", group_of(w_.system));
  for (size_t i = 0; i < w_.system.size(); ++i)
    if (w_.system[i]->value())
      system_ = static_cast<ToothSystem>(i);
  show_system_mode(system_);

  // A restored helix angle stays as it was saved.
  ui::load_check(state, "p15:measure_helix_angle_select", w_.helix_select);
  show_helix_input(w_.helix_select->value() != 0);

  ui::load_radio_index(state, "p15:measure_pressure_angle", group_of(w_.angle));
  const bool typed = w_.angle[2]->value() != 0;
  show_typed_angle(typed);
  angle_wanted_ = false;
  if (typed && !pressure_angle(PressureAngleChoice::kTyped, ui::field_double(w_.typed_angle))) {
    // An unusable angle is not shown as if it counted: the field waits for one.
    w_.typed_angle->value("");
    angle_wanted_ = true;
    if (page_shown())
      w_.typed_angle->take_focus();
  }
  compute_over_pins();
}

} // namespace gears
