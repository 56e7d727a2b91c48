// Page 13, worm gear: widgets, callbacks and saved state.
#include "calc/gears/worm_gear_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Spinner.H>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "calc/gears/worm_extra_window.h"
#include "calc/gears/worm_pictures.h"
#include "i18n/format_check.h"
#include "numeric/input_rules.h"
#include "numeric/number_text.h"
#include "settings/ini_document.h"

namespace gears {

namespace {

constexpr int kLengthRecord = 41;   // pitch value, worm diameter, backlash
constexpr int kFractionRecord = 42; // whole, over, under of the pitch in inches
constexpr int kTeethRecord = 43;    // wheel teeth, 10 to 300
constexpr Fl_Color kBackground = 50;
constexpr Fl_Color kResultColour = 215;

// The page is laid out for a window 887 high; the window shows 600 of it,
// so the scroll area fits the window and the rest is reached by scrolling.
constexpr int kScrollX = 163, kScrollY = 5, kScrollW = 659, kScrollH = 593;
constexpr int kPageH = 887;

constexpr int kOutputW = 66, kOutputH = 25, kLabelGap = 4, kLabelW = 96;

template <void (WormGearPage::*Handler)()> void call(Fl_Widget*, void* page) {
  (static_cast<WormGearPage*>(page)->*Handler)();
}

Fl_Group* frame(int x, int y, int w, int h, const char* label) {
  auto* group = new Fl_Group(x, y, w, h);
  group->box(FL_GTK_DOWN_FRAME);
  group->copy_label(label);
  return group;
}

Fl_Button* help_button(int x, int y, int w, int h, const char* label, Fl_Callback* callback,
                       void* page) {
  auto* button = new Fl_Button(x, y, w, h);
  button->box(FL_GTK_UP_BOX);
  button->copy_label(label);
  button->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  button->callback(callback, page);
  return button;
}

void set_text(Fl_Output* field, const std::string& text) { field->value(text.c_str()); }

struct OutputSpec {
  WormGearPage::Out slot;
  int x, y;
  int label;
  Fl_Font font;
};

// Each result with its label to its right: the hob column, the wheel under
// it, and the worm column.
constexpr OutputSpec kOutputs[] = {
    {WormGearPage::kHobTipWidth, 176, 229, 339, FL_HELVETICA},
    {WormGearPage::kHobVToFlat, 176, 256, 340, FL_HELVETICA},
    {WormGearPage::kHobOutsideDiameter, 176, 320, 341, FL_HELVETICA},
    {WormGearPage::kHobLeadAngle, 176, 434, 343, FL_HELVETICA},
    {WormGearPage::kHobWholeDepth, 176, 475, 358, FL_HELVETICA_BOLD},
    {WormGearPage::kHobFirstSide, 176, 545, 349, FL_HELVETICA},
    {WormGearPage::kHobSecondSide, 176, 580, 348, FL_HELVETICA},
    {WormGearPage::kHobThreadLength, 176, 628, 359, FL_HELVETICA},
    {WormGearPage::kThroatDiameter, 176, 669, 353, FL_HELVETICA_BOLD},
    {WormGearPage::kFaceWidth, 176, 708, 354, FL_HELVETICA_BOLD_ITALIC},
    {WormGearPage::kWheelWholeDepth, 176, 747, 355, FL_HELVETICA_BOLD},
    {WormGearPage::kCentreDistance, 176, 787, 356, FL_HELVETICA_BOLD_ITALIC},
    {WormGearPage::kWormTipWidth, 637, 229, 339, FL_HELVETICA},
    {WormGearPage::kWormVToFlat, 637, 256, 340, FL_HELVETICA},
    {WormGearPage::kWormLeadAngle, 637, 434, 344, FL_HELVETICA},
    {WormGearPage::kWormWholeDepth, 637, 475, 358, FL_HELVETICA_BOLD},
    {WormGearPage::kWormFirstSide, 637, 545, 349, FL_HELVETICA},
    {WormGearPage::kWormSecondSide, 637, 580, 348, FL_HELVETICA},
    {WormGearPage::kWormThreadLength, 637, 628, 360, FL_HELVETICA},
};

} // namespace

WormGearPage::WormGearPage(ui::PageContext& app) : Page(app, ui::PageId::kWormGear) {}

WormGearPage::~WormGearPage() { Fl::remove_timeout(warn_after_leaving, this); }

void WormGearPage::build(Fl_Group&) {
  w_.scroll = new Fl_Scroll(kScrollX, kScrollY, kScrollW, kScrollH);
  w_.scroll->type(Fl_Scroll::VERTICAL);
  w_.scroll->box(FL_FLAT_BOX);
  w_.scroll->color(kBackground);
  page_ = new Fl_Group(kScrollX, kScrollY, kScrollW - Fl::scrollbar_size(), kPageH);

  for (int column : {0, 1}) {
    const int x = column == 0 ? 175 : 637;
    auto* picture = frame(x, 32, 148, 183, context_.lang(column == 0 ? 334 : 335));
    w_.backdrops[static_cast<size_t>(column)] = new WormBackdrop(x + 2, 34, 144, 179);
    picture->end();
  }
  build_choices();
  build_inputs();
  build_outputs();
  build_crown_panels();
  page_->end();
  w_.scroll->end();

  extra_window_ = std::make_unique<WormExtraWindow>(
      context_, [this] { return worm_wheel_sizes(system(), ui::field_double(w_.pitch), teeth()); },
      [this](double inches) { apply_worm_diameter(inches); });
  attach_handlers();
  context_.register_unit_pair(ui::UnitPairSlot::kWormGear, w_.inch, w_.millimetre);
  show_unit_labels();
}

void WormGearPage::build_choices() {
  Fl_Group* systems = frame(346, 32, 272, 95, context_.lang(292));
  for (size_t i = 0; i < w_.systems.size(); ++i) {
    w_.systems[i] = ui::radio_button(355, 37 + 20 * static_cast<int>(i), 250, 25,
                                     context_.lang(293 + static_cast<int>(i)));
    w_.systems[i]->callback(
        [](Fl_Widget*, void* page) { static_cast<WormGearPage*>(page)->select_worm_system(false); },
        this);
  }
  w_.systems[static_cast<size_t>(ToothSystem::kDiametralPitch)]->setonly();
  systems->end();

  Fl_Group* angles = frame(346, 147, 272, 155, context_.lang(309));
  for (size_t i = 0; i < w_.angles.size(); ++i) {
    w_.angles[i] = ui::radio_button(357, 153 + 20 * static_cast<int>(i), 250, 25,
                                    context_.lang(kWormPressureAngles[i].label));
    w_.angles[i]->callback(call<&WormGearPage::check_worm_tooth_count>, this);
  }
  w_.angles[0]->setonly();
  angles->end();

  auto* hands = new Fl_Group(493, 467, 121, 62);
  w_.right_hand = ui::radio_button(493, 467, 121, 30, context_.lang(346));
  w_.left_hand = ui::radio_button(493, 499, 121, 30, context_.lang(345));
  for (Fl_Button* button : {w_.right_hand, w_.left_hand})
    button->callback(
        [](Fl_Widget*, void* page) { static_cast<WormGearPage*>(page)->compute_worm_gear(); },
        this);
  w_.right_hand->setonly();
  hands->end();

  auto* crowns = new Fl_Group(360, 605, 249, 50);
  w_.round_rim = ui::radio_button(360, 605, 249, 25, context_.lang(351));
  w_.square_rim = ui::radio_button(360, 630, 249, 25, context_.lang(352));
  for (Fl_Button* button : {w_.round_rim, w_.square_rim})
    button->callback(
        [](Fl_Widget*, void* page) { static_cast<WormGearPage*>(page)->select_crown_type(false); },
        this);
  w_.round_rim->setonly();
  crowns->end();

  auto* units = new Fl_Group(185, 826, 147, 49);
  w_.inch = ui::radio_button(185, 826, 147, 25, context_.lang(20));
  w_.millimetre = ui::radio_button(185, 850, 147, 25, context_.lang(19));
  for (Fl_Button* button : {w_.inch, w_.millimetre})
    button->callback(call<&WormGearPage::switch_worm_unit>, this);
  w_.inch->setonly();
  units->end();

  auto* crown_cut = new Fl_Check_Button(177, 360, 119, 31);
  crown_cut->copy_label(context_.lang(342));
  crown_cut->callback(
      [](Fl_Widget*, void* page) { static_cast<WormGearPage*>(page)->compute_worm_gear(); }, this);
  w_.crown_cut = crown_cut;
}

void WormGearPage::build_inputs() {
  w_.pitch_label = ui::wrapped_text(358, 353, 121, 25, context_.lang(294), FL_ALIGN_TOP);
  w_.pitch_label->align(FL_ALIGN_TOP);
  w_.pitch = ui::make_checked_input(context_, kLengthRecord, 389, 353, 59, 25);

  w_.fraction_group = new Fl_Group(357, 396, 163, 33);
  w_.fraction_group->box(FL_GTK_DOWN_FRAME);
  w_.fraction_group->copy_label(context_.lang(280));
  w_.fraction[0] = ui::make_checked_input(context_, kFractionRecord, 364, 400, 34, 25);
  w_.fraction[1] = ui::make_checked_input(context_, kFractionRecord, 432, 400, 35, 25);
  w_.fraction[1]->copy_label(context_.lang(308));
  w_.fraction[2] = ui::make_checked_input(context_, kFractionRecord, 479, 400, 35, 25);
  w_.fraction[2]->label("/");
  w_.fraction_group->end();
  w_.fraction_group->hide();

  w_.teeth = ui::make_checked_input(context_, kTeethRecord, 524, 353, 60, 25);
  w_.teeth->copy_label(context_.lang(307));
  w_.teeth->align(FL_ALIGN_TOP);
  w_.teeth->when(w_.teeth->when() | FL_WHEN_ENTER_KEY);

  w_.starts = new Fl_Spinner(543, 435, 60, 25);
  w_.starts->copy_label(context_.lang(329));
  w_.starts->type(FL_INT_INPUT);
  w_.starts->range(1, 3);
  w_.starts->step(1);
  w_.starts->value(1);
  w_.starts->callback(
      [](Fl_Widget*, void* page) { static_cast<WormGearPage*>(page)->compute_worm_gear(); }, this);
  ui::report_every_change(w_.starts);

  auto* diameter_box = new Fl_Box(352, 487, 130, 107);
  diameter_box->box(FL_GTK_DOWN_FRAME);
  diameter_box->copy_label(context_.lang(336));
  diameter_box->align(FL_ALIGN_TOP | FL_ALIGN_WRAP);
  w_.diameter = ui::make_checked_input(context_, kLengthRecord, 387, 494, 60, 25);
  w_.centre_distance = new Fl_Button(358, 522, 118, 68);
  w_.centre_distance->box(FL_GTK_UP_BOX);
  w_.centre_distance->copy_label(context_.lang(337));
  w_.centre_distance->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  w_.centre_distance->copy_tooltip(context_.lang(265));
  w_.centre_distance->callback(call<&WormGearPage::open_centre_distance>, this);
  w_.centre_distance->deactivate();

  w_.backlash = ui::make_checked_input(context_, kLengthRecord, 523, 562, 60, 25);
  w_.backlash->align(FL_ALIGN_TOP);

  w_.change_gear_help = help_button(
      637, 309, 151, 44, context_.lang(357),
      [](Fl_Widget*, void* page) {
        static_cast<WormGearPage*>(page)->context_.show_help(ui::HelpTopic::kWormChangeGears);
      },
      this);
  w_.worm_help = help_button(
      637, 357, 151, 44, context_.lang(350),
      [](Fl_Widget*, void* page) {
        static_cast<WormGearPage*>(page)->context_.show_help(ui::HelpTopic::kWormGear);
      },
      this);
  w_.crown_help = help_button(
      298, 362, 26, 25, "?",
      [](Fl_Widget*, void* page) {
        static_cast<WormGearPage*>(page)->context_.show_help(ui::HelpTopic::kWormGearCrown);
      },
      this);
  w_.crown_help->labelfont(FL_TIMES_BOLD_ITALIC);
  w_.crown_help->labelsize(18);
}

void WormGearPage::build_outputs() {
  // The two setting rows of each column share a frame headed by their name.
  for (int x : {170, 631}) {
    Fl_Group* settings = frame(x, 538, 172, 72, context_.lang(347));
    settings->labelsize(13);
    settings->end();
  }
  for (const OutputSpec& output : kOutputs) {
    auto* field = new Fl_Output(output.x, output.y, kOutputW, kOutputH);
    field->box(FL_GTK_DOWN_BOX);
    field->color(kResultColour);
    field->clear_visible_focus();
    w_.outputs[static_cast<size_t>(output.slot)] = field;
    Fl_Box* label = ui::wrapped_text(output.x + kOutputW + kLabelGap, output.y - 3, kLabelW,
                                     kOutputH + 6, context_.lang(output.label), FL_ALIGN_LEFT);
    label->labelfont(output.font);
    label->labelsize(12);
  }
}

void WormGearPage::build_crown_panels() {
  for (size_t i = 0; i < 2; ++i) {
    const CrownPicture::Rim rim = i == 0 ? CrownPicture::Rim::kRound : CrownPicture::Rim::kSquare;
    auto* panel = new Fl_Group(384, 665, 403, 220);
    panel->box(FL_GTK_DOWN_FRAME);
    ui::wrapped_text(390, 670, 176, 210, context_.lang(i == 0 ? 361 : 362), FL_ALIGN_LEFT);
    w_.crown_pictures[i] = new CrownPicture(570, 666, 198, 215, rim);
    panel->end();
    w_.crown_panels[i] = panel;
  }
  w_.crown_panels[1]->hide();
}

void WormGearPage::attach_handlers() {
  // A field that is being hidden (the fraction frame going away, the page
  // closing) is called back with nothing typed: that must neither compute
  // nor rewrite the pitch from the fraction.
  context_.input_range(kLengthRecord).on_valid = [this](Fl_Input* field, long from_fraction) {
    if (field->visible_r())
      compute_worm_gear(field, from_fraction);
  };
  context_.input_range(kFractionRecord).on_valid = [this](Fl_Input* field, long) {
    if (field->visible_r())
      ui::fraction_to_decimal_field(w_.pitch, w_.fraction[0], w_.fraction[1], w_.fraction[2]);
  };
  // The tooth count is checked against the pressure angle only once it is
  // complete (Enter, or the field left): a warning while typing "120" would
  // come at "12" and take the next key.
  context_.input_range(kTeethRecord).on_valid = [this](Fl_Input* field, long) {
    if (!field->visible_r())
      return;
    compute_worm_gear();
    if (!ui::still_typing())
      warn_about_tooth_count();
  };
  context_.input_range(kTeethRecord).on_left = [this](Fl_Input*) {
    Fl::remove_timeout(warn_after_leaving, this);
    Fl::add_timeout(0.0, warn_after_leaving, this);
  };
  // Results shown beside a count that is no longer accepted would belong to
  // another wheel.
  context_.input_range(kTeethRecord).on_invalid = [this](Fl_Input* field, long) {
    if (field->visible_r())
      compute_worm_gear();
  };
}

// ---- computing ----

void WormGearPage::compute_worm_gear(Fl_Input* caller, long from_fraction) {
  if (unit_switching_)
    return;
  if (caller) {
    if (from_fraction)
      static_cast<ui::InputRange*>(caller->user_data())->rule.arg = 0;
    else if (caller == w_.pitch) // typed by hand: the fraction no longer applies
      for (ui::CheckedInput* part : w_.fraction)
        part->value("");
  }

  const WormGearInput in = read_inputs();
  if (in.teeth != 0 && in.pitch_value > 0.0)
    w_.centre_distance->activate();
  else
    w_.centre_distance->deactivate();
  if (in.system == ToothSystem::kModule || in.system == ToothSystem::kDiametralPitch)
    w_.change_gear_help->activate();
  else
    w_.change_gear_help->deactivate();

  result_ = calculate_worm_gear(in);
  if (result_)
    show_worm_outputs();
  else
    clear_worm_outputs();
}

void WormGearPage::show_worm_outputs() {
  if (!result_)
    return;
  const WormGearResult& r = *result_;
  const bool mm = millimetre();
  auto length = [&](Out slot, double inches) {
    set_text(w_.outputs[static_cast<size_t>(slot)], worm_length_text(inches, mm));
  };
  auto angle = [&](Out slot, double degrees) {
    set_text(w_.outputs[static_cast<size_t>(slot)], worm_angle_text(degrees));
  };
  length(kHobTipWidth, r.hob_tip_width);
  length(kHobVToFlat, r.hob_v_to_flat);
  length(kHobOutsideDiameter, r.hob_outside_diameter);
  angle(kHobLeadAngle, r.hob_lead_angle);
  length(kHobWholeDepth, r.wheel.whole_depth);
  angle(kHobFirstSide, r.hob_settings.first);
  angle(kHobSecondSide, r.hob_settings.second);
  length(kHobThreadLength, r.hob_thread_length);
  length(kThroatDiameter, r.throat_diameter);
  length(kFaceWidth, r.face_width);
  length(kWheelWholeDepth, r.wheel.whole_depth);
  length(kCentreDistance, r.centre_distance);
  length(kWormTipWidth, r.worm_tip_width);
  length(kWormVToFlat, r.worm_v_to_flat);
  angle(kWormLeadAngle, r.worm_lead_angle);
  length(kWormWholeDepth, r.wheel.whole_depth);
  angle(kWormFirstSide, r.worm_settings.first);
  angle(kWormSecondSide, r.worm_settings.second);
  length(kWormThreadLength, r.worm_thread_length);
}

void WormGearPage::clear_worm_outputs() {
  for (Fl_Output* field : w_.outputs)
    field->value("");
  result_.reset();
}

void WormGearPage::check_worm_tooth_count() {
  warn_about_tooth_count();
  compute_worm_gear();
}

// The warning shows once per pressure angle and tooth count.
void WormGearPage::warn_about_tooth_count() {
  const int count = teeth();
  const int angle = pressure_angle();
  if (count == 0 || std::make_pair(angle, count) == checked_teeth_)
    return;
  checked_teeth_ = {angle, count};
  if (const std::optional<int> better = recommended_pressure_angle(angle, count)) {
    const char* format = context_.lang(338);
    const char* name = context_.lang(kWormPressureAngles[static_cast<size_t>(*better)].label);
    context_.dialogs().alert(
        i18n::checked_format(format ? format : "", "ccds", 10, 10, count, name ? name : ""));
  }
}

// A message box opened while the focus moves would swallow the click that
// moves it, so the warning waits until that click is over. A user already
// typing in the field again is warned when done there.
void WormGearPage::warn_after_leaving(void* data) {
  auto* page = static_cast<WormGearPage*>(data);
  if (Fl::pushed()) {
    Fl::repeat_timeout(0.05, warn_after_leaving, data);
    return;
  }
  if (Fl::focus() != page->w_.teeth)
    page->warn_about_tooth_count();
}

// ---- the choices ----

void WormGearPage::select_worm_system(bool restoring) {
  const int chosen = static_cast<int>(system());
  if (system() == ToothSystem::kCircularPitchInch)
    w_.fraction_group->show();
  else
    w_.fraction_group->hide();
  const bool changed = chosen != shown_system_;
  shown_system_ = chosen;
  w_.pitch_label->hide();
  w_.pitch_label->copy_label(context_.lang(293 + chosen));
  w_.pitch_label->show();
  w_.scroll->redraw();
  if (!changed || restoring)
    return;
  // A value of one system means something else in another.
  clear_worm_outputs();
  w_.pitch->value("");
  for (ui::CheckedInput* part : w_.fraction)
    part->value("");
  compute_worm_gear();
}

void WormGearPage::switch_worm_unit() {
  unit_switching_ = true;
  // The typed lengths follow the unit, so they keep meaning what they meant.
  for (Fl_Input_* field :
       {static_cast<Fl_Input_*>(w_.diameter), static_cast<Fl_Input_*>(w_.backlash)}) {
    if (millimetre())
      ui::convert_field_inch_to_mm(field);
    else
      ui::convert_field_mm_to_inch(field);
  }
  show_unit_labels();
  show_worm_outputs();
  unit_switching_ = false;
}

void WormGearPage::select_crown_type(bool restoring) {
  const bool square = w_.square_rim->value() != 0;
  if (square) {
    w_.crown_panels[0]->hide();
    w_.crown_panels[1]->show();
  } else {
    w_.crown_panels[1]->hide();
    w_.crown_panels[0]->show();
  }
  if (!restoring)
    compute_worm_gear();
}

void WormGearPage::open_centre_distance() {
  if (!result_)
    compute_worm_gear();
  extra_window_->show();
}

void WormGearPage::apply_worm_diameter(double inches) {
  const double shown = millimetre() ? inches / numeric::kInchPerMm : inches;
  ui::set_field_fixed(w_.diameter, 3, shown);
  compute_worm_gear();
}

// ---- reading the page ----

ToothSystem WormGearPage::system() const {
  for (size_t i = 0; i < w_.systems.size(); ++i)
    if (w_.systems[i]->value())
      return static_cast<ToothSystem>(i);
  return ToothSystem::kDiametralPitch;
}

int WormGearPage::pressure_angle() const {
  for (size_t i = 0; i < w_.angles.size(); ++i)
    if (w_.angles[i]->value())
      return static_cast<int>(i);
  return 0;
}

bool WormGearPage::millimetre() const { return w_.millimetre->value() != 0; }

int WormGearPage::teeth() const {
  const numeric::RangeRule& rule = w_.teeth->range()->rule;
  if (numeric::out_of_range(rule, w_.teeth->value()))
    return 0;
  return static_cast<int>(ui::field_long(w_.teeth));
}

WormGearInput WormGearPage::read_inputs() const {
  const double unit = millimetre() ? numeric::kInchPerMm : 1.0;
  WormGearInput in;
  in.system = system();
  in.pitch_value = ui::field_double(w_.pitch);
  in.worm_diameter = ui::field_double(w_.diameter) * unit;
  in.backlash = ui::field_double(w_.backlash) * unit;
  in.teeth = teeth();
  in.starts = static_cast<int>(w_.starts->value());
  in.pressure_angle = pressure_angle();
  in.square_rim = w_.square_rim->value() != 0;
  in.hob_crown_cut = w_.crown_cut->value() != 0;
  in.left_hand = w_.left_hand->value() != 0;
  return in;
}

void WormGearPage::show_unit_labels() {
  w_.backlash->copy_label(context_.lang(millimetre() ? 363 : 330));
  w_.scroll->redraw();
}

// ---- settings and saved state ----

Fl_Input* WormGearPage::focus_input() { return w_.pitch; }

int WormGearPage::max_scroll() const { return std::max(0, page_->h() - w_.scroll->h()); }

std::array<std::pair<const char*, Fl_Input_*>, 4> WormGearPage::text_fields() const {
  return {{
      {"p13:worm_profile", w_.pitch},
      {"p13:worm_tooth_count", w_.teeth},
      {"p13:worm_diameter", w_.diameter},
      {"p13:worm_backlash", w_.backlash},
  }};
}

void WormGearPage::save_state(settings::IniDocument& state) const {
  for (const auto& [key, field] : text_fields())
    ui::save_text(state, key, field);
  char starts[32];
  std::snprintf(starts, sizeof starts, "%f", w_.starts->value());
  state.set("p13:worm_starts", starts);
  ui::save_radio_index(state, "p13:worm_type",
                       std::vector<Fl_Button*>(w_.systems.begin(), w_.systems.end()), -1);
  ui::save_radio_index(state, "p13:worm_pressure_angle",
                       std::vector<Fl_Button*>(w_.angles.begin(), w_.angles.end()), -1);
  ui::save_pair(state, "p13:worm_crown_type", w_.round_rim);
  ui::save_pair(state, "p13:p13_measure", w_.inch);
  ui::save_check(state, "p13:worm_hob_crown_cut", w_.crown_cut);
  ui::save_pair(state, "p13:worm_hand", w_.right_hand);
  state.set("p13:scroll", std::to_string(w_.scroll->yposition()));
}

void WormGearPage::load_state(const settings::IniDocument& state) {
  for (const auto& [key, field] : text_fields())
    ui::load_text(state, key, field);
  w_.starts->value(std::clamp<long>(state.get_long("p13:worm_starts", 1), 1, 3));
  ui::load_radio_index(state, "p13:worm_type",
                       std::vector<Fl_Button*>(w_.systems.begin(), w_.systems.end()));
  ui::load_radio_index(state, "p13:worm_pressure_angle",
                       std::vector<Fl_Button*>(w_.angles.begin(), w_.angles.end()));
  ui::load_pair(state, "p13:worm_crown_type", w_.round_rim, w_.square_rim);
  ui::load_pair(state, "p13:p13_measure", w_.inch, w_.millimetre);
  ui::load_check(state, "p13:worm_hob_crown_cut", w_.crown_cut);
  ui::load_pair(state, "p13:worm_hand", w_.right_hand, w_.left_hand);
  const long scroll = state.get_long("p13:scroll", 0);
  w_.scroll->scroll_to(0, static_cast<int>(std::clamp<long>(scroll, 0, max_scroll())));

  // Show what the restored choices show, without emptying what was restored.
  select_crown_type(true);
  show_unit_labels();
  select_worm_system(true);
  for (ui::CheckedInput* part : w_.fraction)
    part->value("");
  compute_worm_gear();
}

} // namespace gears
