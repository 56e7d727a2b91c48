// The bevel-gear page: widgets, their handlers, and its State.ini keys.
#include "pages/gears/bevel_gear_page.h"
#include "core/numeric/number_text.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Slider.H>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

#include "core/gears/gears_texts.h"
#include "core/i18n/common_texts.h"
#include "core/numeric/input_rules.h"
#include "ui/checked_input.h"
#include "ui/look.h"
#include "ui/number_input.h"
#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "pages/gears/bevel_gear_draw.h"
#include "core/settings/ini_document.h"

namespace gears {

namespace {

constexpr numeric::RangeRule kDegreesRule = numeric::whole_number_in(0, 180);
constexpr numeric::RangeRule kMinutesRule = numeric::whole_number_in(0, 59);
constexpr numeric::RangeRule kSecondsRule = numeric::decimal_in(0.0, 60.0);
constexpr int kRowTop = 562;
constexpr int kRowStep = 26;
/// The window shows this much of the page; the rest scrolls into view.
constexpr int kScrollHeight = 600;
constexpr int kPageBottom = 1055;
constexpr const char* kDefaultShaftAngle = "90";

/// The legend's five entries.
constexpr std::array<i18n::TextId, 5> kLegendLabels = {
    texts::kOutsideDiameter, texts::kPitchDiameter, texts::kPitchAngleMark, texts::kBackConeMark,
    texts::kFaceMark};

/// "1 = Outside diameter": what the number i + 1 on the sketch stands for.
std::string legend_line(const ui::PageContext& context, std::size_t i) {
  const char* text = context.lang(kLegendLabels[i]);
  return std::to_string(i + 1) + " = " + (text ? text : "");
}

Fl_Output* result_field(int x, int y, int w, const char* label = nullptr) {
  Fl_Output* field = ui::result_field(x, y, w);
  if (label) {
    field->copy_label(label);
    field->align(FL_ALIGN_RIGHT);
  }
  return field;
}

ui::NumberInput* entry(const ui::PageContext& app, int x, int y, int w, int type,
                       const char* label) {
  auto* field = new ui::NumberInput(x, y, w, 25);
  field->speak_with(app);
  field->type(type);
  field->box(FL_GTK_DOWN_BOX);
  field->copy_label(label);
  field->when(FL_WHEN_CHANGED);
  return field;
}

/// A group without a look of its own: makes radios one radio group, or
/// shows and hides the tooth counts of one gear set together (no border, as
/// the pinion's field stands level with the angle-format radios).
Fl_Group* plain_group(int x, int y, int w, int h) {
  auto* group = new Fl_Group(x, y, w, h);
  group->box(FL_NO_BOX);
  return group;
}

Fl_Group* frame(int x, int y, int w, int h) {
  auto* group = new Fl_Group(x, y, w, h);
  group->box(FL_ENGRAVED_FRAME);
  return group;
}

/// The page's scroll area, which is shown with the page: the dividing head
/// may have changed on its own page meanwhile, and the results follow it.
class PageScroll : public Fl_Scroll {
public:
  PageScroll(int x, int y, int w, int h, std::function<void()> shown)
      : Fl_Scroll(x, y, w, h), shown_(std::move(shown)) {}
  int handle(int event) override {
    const int handled = Fl_Scroll::handle(event);
    if (event == FL_SHOW && shown_)
      shown_();
    return handled;
  }

private:
  std::function<void()> shown_;
};

void set_colour(Fl_Input* field, Fl_Color colour) {
  if (field->textcolor() == colour)
    return;
  field->textcolor(colour);
  field->redraw();
}

} // namespace

// ---- building ----

void BevelGearPage::build(Fl_Group& group) {
  (void)group;
  w_.scroll = new PageScroll(165, 0, 662, kScrollHeight, [this] { recompute(); });
  w_.scroll->type(Fl_Scroll::VERTICAL);
  w_.scroll->box(FL_FLAT_BOX);
  w_.scroll->color(ui::kPageBackground);
  build_sketch_and_choices();
  build_entries();
  build_results();
  build_face_width();
  // The page's extent: from the top of the area to a little below the print
  // button, so the scroll bar reaches both and stops there.
  new Fl_Box(165, 0, 1, 1);
  new Fl_Box(165, kPageBottom - 1, 1, 1);
  w_.scroll->end();
  bind_state();
  enter_start_mode();
}

void BevelGearPage::build_sketch_and_choices() {
  w_.sketch = new bevel_gear_draw(165, 6, 655, 402);
  for (size_t i = 0; i < w_.legend.size(); ++i) {
    auto* line = new Fl_Box(575, 18 + 26 * static_cast<int>(i), 220, 24);
    line->copy_label(legend_line(context_, i).c_str());
    line->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
    w_.legend[i] = line;
  }

  w_.help = new Fl_Button(612, 231, 181, 44);
  w_.help->copy_label(context_.lang(texts::kBevelHelpButton));
  w_.help->box(FL_GTK_UP_BOX);
  w_.help->labelsize(16);
  w_.help->labelcolor(FL_BLUE);
  on(w_.help, [this] { context_.show_help(ui::HelpTopic::kBevelGear); });

  plain_group(173, 411, 203, 25);
  w_.inch = ui::radio_button(173, 411, 98, 25, context_.lang(texts::kInchUnit));
  w_.mm = ui::radio_button(278, 411, 98, 25, context_.lang(texts::kMmUnit));
  w_.inch->parent()->end();
  // The face width is rewritten from the width in use, unless what was
  // typed lies outside the limits: that moves to the other unit as typed.
  units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kBevelGear, w_.inch, w_.mm,
      [this] {
        return face_width_refused() ? std::vector<Fl_Input_*>{w_.face_width}
                                    : std::vector<Fl_Input_*>{};
      },
      [this] { unit_changed(); });

  plain_group(393, 411, 203, 25);
  w_.decimal = ui::radio_button(393, 411, 98, 25, context_.lang(texts::kDecimalDegreesRadio));
  w_.decimal->copy_tooltip(context_.lang(texts::kDecimalDegreesTip));
  w_.dms = ui::radio_button(498, 411, 98, 25, context_.lang(texts::kDmsRadio));
  w_.dms->copy_tooltip(context_.lang(texts::kDmsTip));
  w_.decimal->parent()->end();
  for (Fl_Round_Button* button : {w_.decimal, w_.dms})
    on(button, [this] { angle_format_changed(); });

  plain_group(173, 453, 200, 63);
  w_.diametral_pitch =
      ui::radio_button(173, 453, 200, 25, context_.lang(texts::kDiametralPitchName));
  w_.module = ui::radio_button(173, 491, 200, 25, context_.lang(texts::kModuleName));
  w_.module->parent()->end();
  for (Fl_Round_Button* button : {w_.diametral_pitch, w_.module})
    on(button, [this] { pitch_kind_changed(); });

  plain_group(394, 453, 130, 63);
  w_.miter = ui::radio_button(394, 453, 130, 25, context_.lang(texts::kMiterGears));
  // The page's name also names a pinion and its gear.
  w_.pinion_and_gear =
      ui::radio_button(394, 491, 130, 25, context_.lang(texts::kBevelGearPageName));
  w_.miter->parent()->end();
  for (Fl_Round_Button* button : {w_.miter, w_.pinion_and_gear})
    on(button, [this] { gear_set_changed(); });
}

void BevelGearPage::build_entries() {
  w_.shaft_angle = entry(context_, 642, 321, 125, FL_FLOAT_INPUT, context_.lang(texts::kShaftAngle));
  w_.shaft_angle->hold_angles(true);
  on(w_.shaft_angle, [this] { shaft_angle_changed(false); });

  w_.shaft_dms_frame = new Fl_Group(615, 321, 177, 25);
  w_.shaft_dms_frame->copy_label(context_.lang(texts::kShaftAngle));
  w_.shaft_dms_frame->align(FL_ALIGN_LEFT);
  const std::array<numeric::RangeRule, 3> rules = {kDegreesRule, kMinutesRule, kSecondsRule};
  const std::array<std::array<int, 2>, 3> places = {{{632, 36}, {685, 27}, {727, 65}}};
  for (size_t i = 0; i < 3; ++i) {
    w_.shaft_dms[i] =
        ui::make_checked_input(context_, rules[i], places[i][0], 321, places[i][1], 25);
    w_.shaft_dms[i]->copy_label(context_.lang(texts::kDmsMarks[i]));
    w_.shaft_dms[i]->align(FL_ALIGN_RIGHT);
    w_.shaft_dms[i]->on_valid([this] { shaft_angle_changed(true); });
    // A red angle is not the one the results were made for.
    w_.shaft_dms[i]->on_invalid([this] { show_no_results(); });
  }
  w_.shaft_dms_frame->end();

  w_.pitch = entry(context_, 642, 375, 125, FL_INT_INPUT, context_.lang(texts::kDiametralPitchName));
  on(w_.pitch, [this] { pitch_changed(); });

  w_.pair_frame = plain_group(528, 431, 268, 87);
  w_.pinion_teeth = entry(context_, 642, 431, 125, FL_INT_INPUT, context_.lang(texts::kPinionTeeth));
  w_.gear_teeth = entry(context_, 642, 493, 125, FL_INT_INPUT, context_.lang(texts::kGearTeethLabel));
  w_.pair_frame->end();
  w_.miter_frame = plain_group(528, 465, 268, 25);
  w_.miter_teeth = entry(context_, 642, 465, 125, FL_INT_INPUT, context_.lang(texts::kMiterTeeth));
  w_.miter_frame->end();
  for (Fl_Input* field : {w_.pinion_teeth, w_.gear_teeth, w_.miter_teeth})
    on(field, [this] { recompute(); });
}

BevelColumnWidgets BevelGearPage::build_column(int x, int value_x) {
  BevelColumnWidgets column;
  column.frame = frame(x, 557, 191, 373);
  column.frame->align(FL_ALIGN_TOP);
  for (int row = 0; row < kBevelRowCount; ++row)
    column.values[static_cast<size_t>(row)] = result_field(value_x, kRowTop + kRowStep * row, 109);
  // Degrees, minutes and seconds share the width of the frame.
  const int left = x + 8;
  for (size_t angle = 0; angle < 2; ++angle) {
    const int y = kRowTop + kRowStep * (kPitchAngleRow + static_cast<int>(angle));
    column.angle_dms[angle] = {result_field(left, y, 42, context_.lang(texts::kDegreesMark)),
                               result_field(left + 54, y, 30, context_.lang(texts::kMinutesMark)),
                               result_field(left + 94, y, 70, context_.lang(texts::kSecondsMark))};
  }
  column.frame->end();
  return column;
}

void BevelGearPage::build_results() {
  for (int row = 0; row < kBevelRowCount; ++row)
    w_.row_texts[static_cast<size_t>(row)] =
        ui::text_line(167, kRowTop + kRowStep * row, 238, 25, context_.lang(kBevelRowLabels[row]));
  w_.left = build_column(410, 450);
  w_.right = build_column(607, 645);
}

void BevelGearPage::build_face_width() {
  auto* text = new Fl_Box(171, 938, 146, 52);
  text->copy_label(context_.lang(texts::kFaceWidthRange));
  text->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  w_.face_width_minimum = new Fl_Box(323, 938, 100, 25);
  w_.face_width_minimum->box(FL_FLAT_BOX);
  w_.face_width_minimum->color(ui::kResultBackground);
  w_.face_width = entry(context_, 506, 938, 100, FL_FLOAT_INPUT, nullptr);
  w_.face_width->measure_in([this] { return units_->metric(); });
  on(w_.face_width, [this] { face_width_typed(); });
  w_.face_width_maximum = new Fl_Box(691, 937, 100, 25);
  w_.face_width_maximum->box(FL_FLAT_BOX);
  w_.face_width_maximum->color(ui::kResultBackground);
  w_.face_width_slider = new Fl_Slider(323, 965, 469, 25);
  w_.face_width_slider->type(FL_HOR_NICE_SLIDER);
  w_.face_width_slider->box(FL_GTK_DOWN_BOX);
  w_.face_width_slider->when(FL_WHEN_CHANGED);
  on(w_.face_width_slider, [this] { face_width_slid(); });

  w_.print = new Fl_Button(449, 999, 79, 46, "@+9fileprint");
  w_.print->box(FL_GTK_UP_BOX);
  on(w_.print, [this] { print_bevel_gear(context_, print_sheets()); });
}

// ---- reading the page ----

bool BevelGearPage::miter() const { return w_.miter->value() != 0; }

BevelGearSet BevelGearPage::gear_set() const {
  return miter() ? BevelGearSet::kMiter : BevelGearSet::kPinionAndGear;
}

BevelPitchKind BevelGearPage::pitch_kind() const {
  return w_.module->value() ? BevelPitchKind::kModule : BevelPitchKind::kDiametralPitch;
}

ui::DmsFields BevelGearPage::shaft_triple() const {
  return {w_.shaft_dms[0], w_.shaft_dms[1], w_.shaft_dms[2]};
}

std::optional<double> BevelGearPage::shaft_angle_value() const {
  if (!w_.dms->value())
    return ui::field_double(w_.shaft_angle);
  for (const ui::CheckedInput* field : w_.shaft_dms)
    if (ui::refuses_its_value(field))
      return std::nullopt;
  return ui::read_dms_fields(shaft_triple());
}

// ---- handlers ----

void BevelGearPage::take_pitch() {
  limits_ = bevel_face_width_limits(pitch_kind(), w_.pitch->number_text());
  if (limits_)
    face_width_ = limits_->standard;
  refresh_face_width();
}

void BevelGearPage::pitch_changed() {
  take_pitch();
  recompute();
}

void BevelGearPage::shaft_angle_changed(bool from_dms) {
  const ui::DmsFields triple = shaft_triple();
  if (from_dms) {
    const double value = ui::read_dms_fields(triple);
    const double limited = limit_shaft_angle(value);
    if (limited != value)
      ui::write_dms_fields(triple, limited);
    ui::set_field_fixed(w_.shaft_angle, 4, limited);
  } else {
    const double value = ui::field_double(w_.shaft_angle);
    if (value > kLargestShaftAngle)
      w_.shaft_angle->value("180");
    else if (value < 0.0)
      w_.shaft_angle->value("0");
    ui::write_dms_fields(triple, limit_shaft_angle(value));
  }
  recompute();
}

void BevelGearPage::face_width_typed() {
  if (!limits_)
    return;
  const std::optional<Length> width =
      typed_face_width(*limits_, w_.face_width->number_text(), units_->metric());
  set_colour(w_.face_width, width ? ui::kTextOk : ui::kTextBad);
  if (width) {
    face_width_ = *width;
    w_.face_width_slider->value(units_->metric() ? face_width_.mm : face_width_.inch);
  }
  // A refused width empties the results: they were made for another one.
  recompute();
}

void BevelGearPage::face_width_slid() {
  w_.face_width->value(
      numeric::fixed_text(units_->metric() ? 2 : 3, w_.face_width_slider->value()).c_str());
  face_width_typed();
}

bool BevelGearPage::face_width_refused() const {
  return w_.face_width->textcolor() == ui::kTextBad;
}

void BevelGearPage::unit_changed() {
  // A refused face width was converted as typed; it stays, red, for the
  // user to mend, instead of giving way to the width in use.
  const bool refused = face_width_refused();
  const std::string typed = w_.face_width->value();
  refresh_face_width();
  if (refused) {
    w_.face_width->value(typed.c_str());
    set_colour(w_.face_width, ui::kTextBad);
  }
  label_columns();
  recompute();
}

void BevelGearPage::angle_format_changed() {
  const bool dms = w_.dms->value() != 0;
  ui::show_if(w_.shaft_angle, !dms);
  ui::show_if(w_.shaft_dms_frame, dms);
  if (dms) {
    w_.shaft_angle->deactivate();
    w_.shaft_dms_frame->activate();
  } else {
    w_.shaft_dms_frame->deactivate();
    w_.shaft_angle->activate();
  }
  for (const BevelColumnWidgets* column : {&w_.left, &w_.right}) {
    for (size_t i = 0; i < 2; ++i) {
      ui::show_if(column->values[kPitchAngleRow + i], !dms);
      for (Fl_Output* field : column->angle_dms[i])
        ui::show_if(field, dms);
    }
  }
}

void BevelGearPage::show_pitch_kind() {
  const bool module = w_.module->value() != 0;
  // Hidden and shown again, so that the old label is wiped off the page.
  w_.pitch->hide();
  w_.pitch->copy_label(context_.lang(module ? texts::kModuleName : texts::kDiametralPitchName));
  w_.pitch->type(module ? FL_FLOAT_INPUT : FL_INT_INPUT);
  w_.pitch->show();
}

void BevelGearPage::pitch_kind_changed() {
  show_pitch_kind();
  w_.pitch->value(""); // a diametral pitch is no module
  pitch_changed();
}

void BevelGearPage::gear_set_changed() {
  if (miter()) {
    w_.miter_teeth->value(w_.pinion_teeth->value());
  } else {
    w_.pinion_teeth->value(w_.miter_teeth->value());
  }
  w_.gear_teeth->value(w_.pinion_teeth->value());
  show_gear_set_layout();
  recompute();
}

// ---- results ----

void BevelGearPage::recompute() {
  const workshop::DividingHead head = context_.dividing_head();
  BevelGearFormInput in;
  in.kind = pitch_kind();
  in.pitch = w_.pitch->number_text();
  in.set = gear_set();
  in.pinion_teeth = (miter() ? w_.miter_teeth : w_.pinion_teeth)->number_text();
  in.gear_teeth = w_.gear_teeth->number_text();
  in.head_ratio = head.ratio;
  in.head_circles = head.circles;
  in.shaft_angle = shaft_angle_value();
  if (!face_width_refused())
    in.face_width = face_width_;
  in.metric = units_->metric();
  const BevelGearForm form = bevel_gear_form(in);

  set_colour(miter() ? w_.miter_teeth : w_.pinion_teeth,
             form.teeth_red[0] ? ui::kTextBad : ui::kTextOk);
  if (!miter())
    set_colour(w_.gear_teeth, form.teeth_red[1] ? ui::kTextBad : ui::kTextOk);
  result_ = form.result;
  show_column(w_.left, form.left);
  show_column(w_.right, form.right);
  result_ ? w_.print->activate() : w_.print->deactivate();
}

void BevelGearPage::show_no_results() {
  result_.reset();
  show_column(w_.left, {});
  show_column(w_.right, {});
  w_.print->deactivate();
}

void BevelGearPage::show_column(const BevelColumnWidgets& column, const BevelColumnTexts& texts) {
  for (size_t row = 0; row < texts.values.size(); ++row)
    column.values[row]->value(texts.values[row].c_str());
  for (size_t angle = 0; angle < 2; ++angle)
    for (size_t i = 0; i < 3; ++i)
      column.angle_dms[angle][i]->value(texts.angle_dms[angle][i].c_str());
}

void BevelGearPage::refresh_face_width() {
  const FaceWidthView view = face_width_view(limits_, face_width_, units_->metric());
  w_.face_width_minimum->copy_label(view.minimum.c_str());
  w_.face_width_maximum->copy_label(view.maximum.c_str());
  if (view.offered) {
    w_.face_width_slider->bounds(view.low, view.high);
    w_.face_width_slider->step(view.step);
    w_.face_width_slider->value(view.value);
  }
  w_.face_width->value(view.field.c_str());
  set_colour(w_.face_width, ui::kTextOk);
  view.offered ? w_.face_width->activate() : w_.face_width->deactivate();
  view.offered ? w_.face_width_slider->activate() : w_.face_width_slider->deactivate();
}

void BevelGearPage::label_columns() {
  const bool mm = units_->metric();
  w_.left.frame->copy_label(context_.lang(bevel_column_label(gear_set(), false, mm)));
  w_.right.frame->copy_label(context_.lang(bevel_column_label(gear_set(), true, mm)));
  // The labels sit outside the frames: let the page repaint behind them.
  w_.scroll->redraw();
}

void BevelGearPage::show_gear_set_layout() {
  ui::show_if(w_.miter_frame, miter());
  ui::show_if(w_.pair_frame, !miter());
  ui::show_if(w_.right.frame, !miter());
  label_columns();
}

// ---- printing ----

BevelPrintSheet BevelGearPage::print_sheet(bool gear_column) const {
  const bool dms = w_.dms->value() != 0;
  auto text = [this](i18n::TextId i) { return std::string(context_.lang_or(i, "")); };
  BevelPrintSheet sheet;
  sheet.title = text(bevel_column_label(gear_set(), gear_column, units_->metric()));
  const bool module = pitch_kind() == BevelPitchKind::kModule;
  sheet.pitch_line =
      text(module ? texts::kModuleName : texts::kDiametralPitchName) + " = " + w_.pitch->number_text();
  const Fl_Input* teeth = miter() ? w_.miter_teeth : gear_column ? w_.gear_teeth : w_.pinion_teeth;
  std::string shaft = w_.shaft_angle->number_text();
  if (dms)
    shaft = std::string(w_.shaft_dms[0]->number_text()) + ":" + w_.shaft_dms[1]->number_text() + ":" +
            w_.shaft_dms[2]->number_text();
  sheet.teeth_line = text(texts::kTeethCount) + " = " + ui::field_number_text(teeth) + ", " +
                     text(texts::kShaftAngle) + " = " + shaft;
  for (std::size_t i = 0; i < kLegendLabels.size(); ++i)
    sheet.legend.push_back(legend_line(context_, i));
  const BevelColumnWidgets& column = gear_column ? w_.right : w_.left;
  for (int row = 0; row < kBevelRowCount; ++row) {
    BevelPrintRow line;
    line.label = text(kBevelRowLabels[row]);
    const bool angle = row == kPitchAngleRow || row == kComplementRow;
    if (angle && dms) {
      const auto& triple = column.angle_dms[static_cast<size_t>(row - kPitchAngleRow)];
      line.value =
          std::string(triple[0]->value()) + ":" + triple[1]->value() + ":" + triple[2]->value();
      line.dms = true;
    } else {
      line.value = column.values[static_cast<size_t>(row)]->value();
    }
    sheet.rows.push_back(line);
  }
  return sheet;
}

std::vector<BevelPrintSheet> BevelGearPage::print_sheets() const {
  if (!result_)
    return {};
  if (miter())
    return {print_sheet(false)};
  return {print_sheet(false), print_sheet(true)};
}

// ---- life cycle ----

void BevelGearPage::enter_start_mode() {
  ui::set_radio(w_.inch);
  ui::set_radio(w_.decimal);
  ui::set_radio(w_.diametral_pitch);
  ui::set_radio(w_.miter);
  w_.shaft_angle->value(kDefaultShaftAngle);
  // In the same form as every later angle, so a restart shows it unchanged.
  ui::write_dms_fields(shaft_triple(), std::atof(kDefaultShaftAngle));
  angle_format_changed();
  show_gear_set_layout();
  take_pitch();
  show_no_results();
}

void BevelGearPage::apply_settings() {
  units_->apply_settings();
  unit_changed();
}

Fl_Input* BevelGearPage::focus_input() { return w_.pitch; }

void BevelGearPage::bind_state() {
  state_.texts({{"bevel_pinion_teeth", w_.pinion_teeth},
                {"bevel_gear_teeth", w_.gear_teeth},
                {"bevel_miter_gear_teeth", w_.miter_teeth}});
  state_.text("intersect_angle", w_.shaft_angle, kDefaultShaftAngle);
  // The saved width is put in once the restored pitch gives its limits.
  state_.custom(
      [this](settings::IniDocument& state, const std::string& section) {
        ui::save_text(state, section + ":face_width_actual", w_.face_width);
      },
      [this](const settings::IniDocument& state, const std::string& section) {
        restored_face_width_ = state.get_string(section + ":face_width_actual", "");
      });
  state_.text("dp_module", w_.pitch);
  units_->bind_state(state_, "measure");
  state_.pair("decimal_dms", w_.decimal, w_.dms);
  state_.pair("gear_set", w_.miter, w_.pinion_and_gear);
  state_.pair("module_or_dp", w_.diametral_pitch, w_.module);
  // A hand-edited position stays within the page.
  state_.scroll("scroll", w_.scroll, [] { return kPageBottom - kScrollHeight; });
}

void BevelGearPage::restored() {
  angle_format_changed();
  show_pitch_kind();
  show_gear_set_layout();
  ui::write_dms_fields(shaft_triple(), limit_shaft_angle(ui::field_double(w_.shaft_angle)));
  // The pitch sets the standard face width; the saved one follows when it fits.
  take_pitch();
  if (limits_ && !restored_face_width_.empty()) {
    w_.face_width->value(restored_face_width_.c_str());
    if (const std::optional<Length> width =
            typed_face_width(*limits_, restored_face_width_, units_->metric())) {
      face_width_ = *width;
      w_.face_width_slider->value(units_->metric() ? face_width_.mm : face_width_.inch);
    } else {
      set_colour(w_.face_width, ui::kTextBad);
    }
  }
  restored_face_width_.clear();
  recompute();
}

} // namespace gears
