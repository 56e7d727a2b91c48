// Worm gear: widgets, callbacks and saved state.
#include "pages/gears/worm_gear_page.h"

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

#include "core/gears/gears_texts.h"
#include "core/i18n/common_texts.h"
#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "pages/gears/worm_extra_window.h"
#include "pages/gears/worm_pictures.h"
#include "core/i18n/format_check.h"
#include "core/numeric/input_rules.h"
#include "core/numeric/number_text.h"
#include "core/settings/ini_document.h"

namespace gears {

namespace {

constexpr numeric::RangeRule kLengthRule =
    numeric::any_decimal(); // pitch value, worm diameter, backlash
constexpr numeric::RangeRule kFractionRule =
    numeric::any_whole_number(); // whole, over, under of the pitch in inches
constexpr numeric::RangeRule kTeethRule =
    numeric::whole_number_in(10, 300); // wheel teeth, 10 to 300
/// Written for the radio groups when no button is set: nothing.
constexpr int kWriteNothing = -1;

// The page is laid out for a window 887 high; the window shows 600 of it,
// so the scroll area fits the window and the rest is reached by scrolling.
constexpr int kScrollX = 163, kScrollY = 5, kScrollW = 659, kScrollH = 593;
constexpr int kPageH = 887;

constexpr int kOutputW = 66, kOutputH = 25, kLabelGap = 4, kLabelW = 96;

Fl_Group* frame(int x, int y, int w, int h, const char* label) {
  auto* group = new Fl_Group(x, y, w, h);
  group->box(FL_GTK_DOWN_FRAME);
  group->copy_label(label);
  return group;
}

Fl_Button* help_button(int x, int y, int w, int h, const char* label) {
  auto* button = new Fl_Button(x, y, w, h);
  button->box(FL_GTK_UP_BOX);
  button->copy_label(label);
  button->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  return button;
}

struct OutputSpec {
  WormOut slot;
  int x, y;
  i18n::TextId label;
  Fl_Font font;
};

// Each result with its label to its right: the hob column, the wheel under
// it, and the worm column.
constexpr OutputSpec kOutputs[] = {
    {kHobTipWidth, 176, 229, texts::kToolTipWidth, FL_HELVETICA},
    {kHobVToFlat, 176, 256, texts::kVToFlat, FL_HELVETICA},
    {kHobOutsideDiameter, 176, 320, texts::kHobOutsideDiameter, FL_HELVETICA},
    {kHobLeadAngle, 176, 434, texts::kHobLeadAngle, FL_HELVETICA},
    {kHobWholeDepth, 176, 475, texts::kThreadWholeDepth, FL_HELVETICA_BOLD},
    {kHobFirstSide, 176, 545, texts::kLeftFlank, FL_HELVETICA},
    {kHobSecondSide, 176, 580, texts::kRightFlank, FL_HELVETICA},
    {kHobThreadLength, 176, 628, texts::kHobThreadLength, FL_HELVETICA},
    {kThroatDiameter, 176, 669, texts::kThroatDiameter, FL_HELVETICA_BOLD},
    {kFaceWidth, 176, 708, texts::kWheelFaceWidth, FL_HELVETICA_BOLD_ITALIC},
    {kWheelWholeDepth, 176, 747, texts::kWheelWholeDepth, FL_HELVETICA_BOLD},
    {kCentreDistance, 176, 787, texts::kCentreDistance, FL_HELVETICA_BOLD_ITALIC},
    {kWormTipWidth, 637, 229, texts::kToolTipWidth, FL_HELVETICA},
    {kWormVToFlat, 637, 256, texts::kVToFlat, FL_HELVETICA},
    {kWormLeadAngle, 637, 434, texts::kWormLeadAngle, FL_HELVETICA},
    {kWormWholeDepth, 637, 475, texts::kThreadWholeDepth, FL_HELVETICA_BOLD},
    {kWormFirstSide, 637, 545, texts::kLeftFlank, FL_HELVETICA},
    {kWormSecondSide, 637, 580, texts::kRightFlank, FL_HELVETICA},
    {kWormThreadLength, 637, 628, texts::kWormThreadLength, FL_HELVETICA},
};

} // namespace

WormGearPage::WormGearPage(ui::PageContext& app) : Page(app, ui::PageId::kWormGear) {}

WormGearPage::~WormGearPage() { Fl::remove_timeout(warn_after_leaving, this); }

void WormGearPage::build(Fl_Group&) {
  w_.scroll = new Fl_Scroll(kScrollX, kScrollY, kScrollW, kScrollH);
  w_.scroll->type(Fl_Scroll::VERTICAL);
  w_.scroll->box(FL_FLAT_BOX);
  w_.scroll->color(ui::kPageBackground);
  page_ = new Fl_Group(kScrollX, kScrollY, kScrollW - Fl::scrollbar_size(), kPageH);

  for (int column : {0, 1}) {
    const int x = column == 0 ? 175 : 637;
    auto* picture =
        frame(x, 32, 148, 183, context_.lang(column == 0 ? texts::kHobColumn : texts::kWormColumn));
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
  // The page keeps the inch it is built with until the user or the Units
  // button switches it: a new program shows the worked example's unit.
  units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kWormGear, w_.inch, w_.millimetre,
      [this] {
        return std::vector<Fl_Input_*>{w_.diameter, w_.backlash};
      },
      [this] { units_chosen(); });
  w_.diameter->measure_in(*units_);
  w_.backlash->measure_in(*units_);
  bind_state();
  recompute();
}

void WormGearPage::build_choices() {
  Fl_Group* systems = frame(346, 32, 272, 95, context_.lang(texts::kToothSizeTitle));
  for (size_t i = 0; i < w_.systems.size(); ++i) {
    w_.systems[i] = ui::radio_button(355, 37 + 20 * static_cast<int>(i), 250, 25,
                                     context_.lang(texts::kToothSystemNames[i]));
    on(w_.systems[i], [this] { system_chosen(); });
  }
  w_.systems[static_cast<size_t>(ToothSystem::kDiametralPitch)]->setonly();
  systems->end();

  Fl_Group* angles = frame(346, 147, 272, 155, context_.lang(texts::kPressureAngle));
  for (size_t i = 0; i < w_.angles.size(); ++i) {
    w_.angles[i] = ui::radio_button(357, 153 + 20 * static_cast<int>(i), 250, 25,
                                    context_.lang(kWormPressureAngles[i].label));
    on(w_.angles[i], [this] { check_worm_tooth_count(); });
  }
  w_.angles[0]->setonly();
  angles->end();

  auto* hands = new Fl_Group(493, 467, 121, 62);
  w_.right_hand = ui::radio_button(493, 467, 121, 30, context_.lang(texts::kRightHand));
  w_.left_hand = ui::radio_button(493, 499, 121, 30, context_.lang(texts::kLeftHand));
  for (Fl_Button* button : {w_.right_hand, w_.left_hand})
    on(button, [this] { recompute(); });
  w_.right_hand->setonly();
  hands->end();

  auto* crowns = new Fl_Group(360, 605, 249, 50);
  w_.round_rim = ui::radio_button(360, 605, 249, 25, context_.lang(texts::kRoundRim));
  w_.square_rim = ui::radio_button(360, 630, 249, 25, context_.lang(texts::kSquareRim));
  for (Fl_Button* button : {w_.round_rim, w_.square_rim})
    on(button, [this] { recompute(); }); // shows the chosen crown's panel too
  w_.round_rim->setonly();
  crowns->end();

  auto* units = new Fl_Group(185, 826, 147, 49);
  w_.inch = ui::radio_button(185, 826, 147, 25, context_.lang(texts::kInchUnit));
  w_.millimetre = ui::radio_button(185, 850, 147, 25, context_.lang(texts::kMmUnit));
  w_.inch->setonly();
  units->end();

  auto* crown_cut = new Fl_Check_Button(177, 360, 119, 31);
  crown_cut->copy_label(context_.lang(texts::kHobCrownCut));
  on(crown_cut, [this] { recompute(); });
  w_.crown_cut = crown_cut;
}

void WormGearPage::build_inputs() {
  w_.pitch_label =
      ui::wrapped_text(358, 353, 121, 25, context_.lang(texts::kDiametralPitchName), FL_ALIGN_TOP);
  w_.pitch_label->align(FL_ALIGN_TOP);
  w_.pitch = ui::make_checked_input(context_, kLengthRule, 389, 353, 59, 25);

  w_.fraction_group = new Fl_Group(357, 396, 163, 33);
  w_.fraction_group->box(FL_GTK_DOWN_FRAME);
  w_.fraction_group->copy_label(context_.lang(texts::kFractionTitle));
  w_.fraction[0] = ui::make_checked_input(context_, kFractionRule, 364, 400, 34, 25);
  w_.fraction[1] = ui::make_checked_input(context_, kFractionRule, 432, 400, 35, 25);
  w_.fraction[1]->copy_label(context_.lang(texts::kFractionOver));
  w_.fraction[2] = ui::make_checked_input(context_, kFractionRule, 479, 400, 35, 25);
  w_.fraction[2]->label("/");
  w_.fraction_group->end();
  w_.fraction_group->hide();

  w_.teeth = ui::make_checked_input(context_, kTeethRule, 524, 353, 60, 25);
  w_.teeth->copy_label(context_.lang(texts::kTeethCount));
  w_.teeth->align(FL_ALIGN_TOP);
  w_.teeth->when(w_.teeth->when() | FL_WHEN_ENTER_KEY);

  w_.starts = new Fl_Spinner(543, 435, 60, 25);
  ui::limit_spinner_text(w_.starts);
  w_.starts->copy_label(context_.lang(texts::kWormStarts));
  w_.starts->type(FL_INT_INPUT);
  w_.starts->range(1, 3);
  w_.starts->step(1);
  w_.starts->value(1);
  on(w_.starts, [this] { recompute(); });
  ui::report_every_change(w_.starts);

  auto* diameter_box = new Fl_Box(352, 487, 130, 107);
  diameter_box->box(FL_GTK_DOWN_FRAME);
  diameter_box->copy_label(context_.lang(texts::kWormOutsideDiameter));
  diameter_box->align(FL_ALIGN_TOP | FL_ALIGN_WRAP);
  w_.diameter = ui::make_checked_input(context_, kLengthRule, 387, 494, 60, 25);
  w_.centre_distance = new Fl_Button(358, 522, 118, 68);
  w_.centre_distance->box(FL_GTK_UP_BOX);
  w_.centre_distance->copy_label(context_.lang(texts::kCentreDistanceButton));
  w_.centre_distance->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  // The worm gear help's title is also this button's tooltip.
  w_.centre_distance->copy_tooltip(context_.lang(texts::kWormGearHelpTitle));
  on(w_.centre_distance, [this] { open_centre_distance(); });
  w_.centre_distance->deactivate();

  w_.backlash = ui::make_checked_input(context_, kLengthRule, 523, 562, 60, 25);
  w_.backlash->align(FL_ALIGN_TOP);
  // Under the pressure angles, above the entries it is about.
  w_.reason = ui::reason_line({344, 303, 286, 32});
  w_.reason->labelsize(12);

  w_.change_gear_help = help_button(637, 309, 151, 44, context_.lang(texts::kWormChangeGearsHelp));
  on(w_.change_gear_help, [this] { context_.show_help(ui::HelpTopic::kWormChangeGears); });
  w_.worm_help = help_button(637, 357, 151, 44, context_.lang(texts::kWormHelpButton));
  on(w_.worm_help, [this] { context_.show_help(ui::HelpTopic::kWormGear); });
  w_.crown_help = help_button(298, 362, 26, 25, "?");
  on(w_.crown_help, [this] { context_.show_help(ui::HelpTopic::kWormGearCrown); });
  w_.crown_help->labelfont(FL_TIMES_BOLD_ITALIC);
  w_.crown_help->labelsize(18);
}

void WormGearPage::build_outputs() {
  // The two setting rows of each column share a frame headed by their name.
  for (int x : {170, 631}) {
    Fl_Group* settings = frame(x, 538, 172, 72, context_.lang(texts::kToolFlanks));
    settings->labelsize(13);
    settings->end();
  }
  for (const OutputSpec& output : kOutputs) {
    w_.outputs[static_cast<size_t>(output.slot)] =
        ui::result_field(output.x, output.y, kOutputW, kOutputH);
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
    ui::wrapped_text(390, 670, 176, 210,
                     context_.lang(i == 0 ? texts::kRoundRimNote : texts::kSquareRimNote),
                     FL_ALIGN_LEFT);
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
  w_.pitch->on_valid([this] {
    if (w_.pitch->visible_r())
      pitch_changed();
  });
  for (ui::CheckedInput* length : {w_.diameter, w_.backlash})
    length->on_valid([this, length] {
      if (length->visible_r())
        recompute();
    });
  for (ui::CheckedInput* part : w_.fraction)
    part->on_valid([this, part] {
      if (part->visible_r())
        ui::fraction_to_decimal_field(w_.pitch, w_.fraction[0], w_.fraction[1], w_.fraction[2]);
    });
  // The tooth count is checked against the pressure angle only once it is
  // complete (Enter, or the field left): a warning while typing "120" would
  // come at "12" and take the next key.
  w_.teeth->on_valid([this] {
    if (!w_.teeth->visible_r())
      return;
    recompute();
    if (!ui::still_typing())
      warn_about_tooth_count();
  });
  w_.teeth->on_left([this] {
    Fl::remove_timeout(warn_after_leaving, this);
    Fl::add_timeout(0.0, warn_after_leaving, this);
  });
  // Results shown beside a count that is no longer accepted would belong to
  // another wheel.
  w_.teeth->on_invalid([this] {
    if (w_.teeth->visible_r())
      recompute();
  });
}

void WormGearPage::bind_state() {
  state_.texts({{"worm_profile", w_.pitch},
                {"worm_tooth_count", w_.teeth},
                {"worm_diameter", w_.diameter},
                {"worm_backlash", w_.backlash}});
  // The starts as "%f", read back as a whole number within 1 to 3.
  state_.custom(
      [this](settings::IniDocument& state, const std::string& section) {
        char starts[32];
        std::snprintf(starts, sizeof starts, "%f", w_.starts->value());
        state.set(section + ":worm_starts", starts);
      },
      [this](const settings::IniDocument& state, const std::string& section) {
        w_.starts->value(std::clamp<long>(state.get_long(section + ":worm_starts", 1), 1, 3));
      });
  state_.radio("worm_type", std::vector<Fl_Button*>(w_.systems.begin(), w_.systems.end()),
               kWriteNothing);
  state_.radio("worm_pressure_angle", std::vector<Fl_Button*>(w_.angles.begin(), w_.angles.end()),
               kWriteNothing);
  state_.pair("worm_crown_type", w_.round_rim, w_.square_rim);
  units_->bind_state(state_, "p13_measure");
  state_.check("worm_hob_crown_cut", w_.crown_cut);
  state_.pair("worm_hand", w_.right_hand, w_.left_hand);
  state_.scroll("scroll", w_.scroll, [this] { return max_scroll(); });
}

// ---- computing ----

void WormGearPage::pitch_changed() {
  // Typed by hand, the fraction no longer applies; composed from it, it stays.
  if (!w_.pitch->composed())
    for (ui::CheckedInput* part : w_.fraction)
      part->value("");
  recompute();
}

void WormGearPage::recompute() {
  WormGearFormInput in;
  in.system = system();
  in.pitch = w_.pitch->number_text();
  in.diameter = w_.diameter->number_text();
  in.backlash = w_.backlash->number_text();
  in.teeth = teeth();
  in.starts = static_cast<int>(w_.starts->value());
  in.pressure_angle = pressure_angle();
  in.square_rim = w_.square_rim->value() != 0;
  in.hob_crown_cut = w_.crown_cut->value() != 0;
  in.left_hand = w_.left_hand->value() != 0;
  in.metric = units_->metric();
  const WormGearForm form = worm_gear_form(in);

  ui::show_if(w_.fraction_group, form.fraction_offered);
  relabel(w_.pitch_label, form.pitch_label);
  relabel(w_.backlash, form.backlash_label);
  ui::show_if(w_.crown_panels[0], !in.square_rim);
  ui::show_if(w_.crown_panels[1], in.square_rim);
  form.centre_distance_offered ? w_.centre_distance->activate() : w_.centre_distance->deactivate();
  form.change_gear_help_offered ? w_.change_gear_help->activate()
                                : w_.change_gear_help->deactivate();
  result_ = form.result;
  show_results();
  ui::show_reason(w_.reason, context_, form.reason);
}

void WormGearPage::show_results() {
  const WormOutputTexts texts = worm_output_texts(result_, units_->metric());
  for (size_t i = 0; i < texts.size(); ++i)
    w_.outputs[i]->value(texts[i].c_str());
}

void WormGearPage::relabel(Fl_Widget* widget, i18n::TextId entry) {
  const char* text = context_.lang(entry);
  const char* now = widget->label();
  if (std::string(now ? now : "") == std::string(text ? text : ""))
    return;
  widget->copy_label(text);
  w_.scroll->redraw();
}

void WormGearPage::check_worm_tooth_count() {
  warn_about_tooth_count();
  recompute();
}

// The warning shows once per pressure angle and tooth count.
void WormGearPage::warn_about_tooth_count() {
  const int count = teeth();
  const int angle = pressure_angle();
  if (count == 0 || std::make_pair(angle, count) == checked_teeth_)
    return;
  checked_teeth_ = {angle, count};
  if (const std::optional<int> better = recommended_pressure_angle(angle, count)) {
    const char* format = context_.lang(texts::kTooFewTeethForAngle);
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

void WormGearPage::system_chosen() {
  const int chosen = static_cast<int>(system());
  if (chosen != shown_system_) {
    // A value of one system means something else in another.
    w_.pitch->value("");
    for (ui::CheckedInput* part : w_.fraction)
      part->value("");
  }
  shown_system_ = chosen;
  recompute();
}

// The lengths typed have been converted; what was computed is shown again
// in the new unit, not computed anew from the rounded texts.
void WormGearPage::units_chosen() {
  relabel(w_.backlash, worm_backlash_label(units_->metric()));
  show_results();
}

void WormGearPage::open_centre_distance() {
  if (!result_)
    recompute();
  extra_window_->show(page_window());
}

void WormGearPage::apply_worm_diameter(double inches) {
  const double shown = units_->metric() ? inches / numeric::kInchPerMm : inches;
  ui::set_field_fixed(w_.diameter, 3, shown);
  recompute();
}

// ---- reading the page ----

ToothSystem WormGearPage::system() const {
  return static_cast<ToothSystem>(
      ui::chosen_index(w_.systems, static_cast<int>(ToothSystem::kDiametralPitch)));
}

int WormGearPage::pressure_angle() const { return ui::chosen_index(w_.angles, 0); }

int WormGearPage::teeth() const {
  if (ui::refuses_its_value(w_.teeth))
    return 0;
  return static_cast<int>(ui::field_long(w_.teeth));
}

// ---- life cycle ----

Fl_Input* WormGearPage::focus_input() { return w_.pitch; }

int WormGearPage::max_scroll() const { return std::max(0, page_->h() - w_.scroll->h()); }

void WormGearPage::restored() {
  shown_system_ = static_cast<int>(system());
  // A restored pitch is typed, not composed: the fraction starts empty.
  for (ui::CheckedInput* part : w_.fraction)
    part->value("");
  recompute();
}

} // namespace gears
