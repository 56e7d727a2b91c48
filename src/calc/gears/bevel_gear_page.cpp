// The bevel-gear page: widgets, their handlers, and its State.ini keys.
#include "calc/gears/bevel_gear_page.h"
#include "numeric/number_text.h"

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
#include <string>

#include "ui/number_input.h"
#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "calc/gears/bevel_gear_draw.h"
#include "settings/ini_document.h"

namespace gears {

namespace {

constexpr Fl_Color kPageGrey = 50;
constexpr Fl_Color kResultColour = 215;
constexpr Fl_Color kOk = FL_BLACK;
constexpr Fl_Color kBad = FL_RED;
constexpr int kDegreesRecord = 46;
constexpr int kMinutesRecord = 47;
constexpr int kSecondsRecord = 48;
constexpr int kModuleLabel = 293;
constexpr int kDiametralPitchLabel = 294;
constexpr int kRowTop = 562;
constexpr int kRowStep = 26;
/// The window shows this much of the page; the rest scrolls into view.
constexpr int kScrollHeight = 600;
constexpr int kPageBottom = 1055;
constexpr const char* kDefaultShaftAngle = "90";

/// Text numbers of the rows, top to bottom.
constexpr std::array<int, kBevelRowCount> kRowLabels = {305, 304, 382, 383, 384, 385, 386,
                                                        387, 313, 388, 389, 390, 391, 392};
/// Text numbers of the legend's five entries.
constexpr std::array<int, 5> kLegendLabels = {305, 304, 366, 367, 368};

Fl_Output* result_field(int x, int y, int w, const char* label = nullptr) {
  auto* field = new ui::ReadOnlyField(x, y, w, 25, kResultColour);
  field->box(FL_GTK_DOWN_BOX);
  if (label) {
    field->copy_label(label);
    field->align(FL_ALIGN_RIGHT);
  }
  return field;
}

Fl_Input* entry(int x, int y, int w, int type, const char* label) {
  auto* field = new ui::NumberInput(x, y, w, 25);
  field->type(type);
  field->box(FL_GTK_DOWN_BOX);
  field->copy_label(label);
  field->when(FL_WHEN_CHANGED);
  return field;
}

/// A group without a look of its own: makes two radios one radio group.
Fl_Group* radio_group(int x, int y, int w, int h) {
  auto* group = new Fl_Group(x, y, w, h);
  group->box(FL_NO_BOX);
  return group;
}

Fl_Group* frame(int x, int y, int w, int h) {
  auto* group = new Fl_Group(x, y, w, h);
  group->box(FL_ENGRAVED_FRAME);
  return group;
}

/// The tooth counts of one gear set: shown or hidden together. No border, as
/// the pinion's field stands level with the angle-format radios.
Fl_Group* teeth_group(int x, int y, int w, int h) {
  auto* group = new Fl_Group(x, y, w, h);
  group->box(FL_NO_BOX);
  return group;
}

template <typename Page, void (Page::*Handler)()> void call(Fl_Widget*, void* page) {
  (static_cast<Page*>(page)->*Handler)();
}

/// `places` decimals, zeros kept: the face width and its limits.
std::string printed(int places, double value) { return numeric::fixed_text(places, value); }

std::string int_text(int value) { return std::to_string(value); }

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
  w_.scroll = new Fl_Scroll(165, 0, 662, kScrollHeight);
  w_.scroll->type(Fl_Scroll::VERTICAL);
  w_.scroll->box(FL_FLAT_BOX);
  w_.scroll->color(kPageGrey);
  build_sketch_and_choices();
  build_entries();
  build_results();
  build_face_width();
  // The page's extent: from the top of the area to a little below the print
  // button, so the scroll bar reaches both and stops there.
  new Fl_Box(165, 0, 1, 1);
  new Fl_Box(165, kPageBottom - 1, 1, 1);
  w_.scroll->end();
  enter_start_mode();
}

void BevelGearPage::build_sketch_and_choices() {
  w_.sketch = new bevel_gear_draw(165, 6, 655, 402);
  for (size_t i = 0; i < w_.legend.size(); ++i) {
    const char* text = context_.lang(kLegendLabels[i]);
    auto* line = new Fl_Box(575, 18 + 26 * static_cast<int>(i), 220, 24);
    line->copy_label((std::to_string(i + 1) + " = " + (text ? text : "")).c_str());
    line->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
    w_.legend[i] = line;
  }

  w_.help = new Fl_Button(612, 231, 181, 44);
  w_.help->copy_label(context_.lang(370));
  w_.help->box(FL_GTK_UP_BOX);
  w_.help->labelsize(16);
  w_.help->labelcolor(FL_BLUE);
  w_.help->callback(
      [](Fl_Widget*, void* app) {
        static_cast<ui::PageContext*>(app)->show_help(ui::HelpTopic::kBevelGear);
      },
      &context_);

  radio_group(173, 411, 203, 25);
  w_.inch = ui::radio_button(173, 411, 98, 25, context_.lang(20));
  w_.mm = ui::radio_button(278, 411, 98, 25, context_.lang(19));
  w_.inch->parent()->end();
  for (Fl_Round_Button* button : {w_.inch, w_.mm})
    button->callback(call<BevelGearPage, &BevelGearPage::unit_changed>, this);
  context_.register_unit_pair(ui::UnitPairSlot::kBevelGear, w_.inch, w_.mm);

  radio_group(393, 411, 203, 25);
  w_.decimal = ui::radio_button(393, 411, 98, 25, context_.lang(55));
  w_.decimal->copy_tooltip(context_.lang(57));
  w_.dms = ui::radio_button(498, 411, 98, 25, context_.lang(99));
  w_.dms->copy_tooltip(context_.lang(58));
  w_.decimal->parent()->end();
  for (Fl_Round_Button* button : {w_.decimal, w_.dms})
    button->callback(call<BevelGearPage, &BevelGearPage::angle_format_changed>, this);

  radio_group(173, 453, 200, 63);
  w_.diametral_pitch = ui::radio_button(173, 453, 200, 25, context_.lang(kDiametralPitchLabel));
  w_.module = ui::radio_button(173, 491, 200, 25, context_.lang(kModuleLabel));
  w_.module->parent()->end();
  for (Fl_Round_Button* button : {w_.diametral_pitch, w_.module})
    button->callback(call<BevelGearPage, &BevelGearPage::pitch_kind_changed>, this);

  radio_group(394, 453, 130, 63);
  w_.miter = ui::radio_button(394, 453, 130, 25, context_.lang(369));
  w_.pinion_and_gear = ui::radio_button(394, 491, 130, 25, context_.lang(365));
  w_.miter->parent()->end();
  for (Fl_Round_Button* button : {w_.miter, w_.pinion_and_gear})
    button->callback(call<BevelGearPage, &BevelGearPage::gear_set_changed>, this);
}

void BevelGearPage::build_entries() {
  w_.shaft_angle = entry(642, 321, 125, FL_FLOAT_INPUT, context_.lang(375));
  w_.shaft_angle->callback(
      [](Fl_Widget*, void* page) { static_cast<BevelGearPage*>(page)->shaft_angle_changed(false); },
      this);

  w_.shaft_dms_frame = new Fl_Group(615, 321, 177, 25);
  w_.shaft_dms_frame->copy_label(context_.lang(375));
  w_.shaft_dms_frame->align(FL_ALIGN_LEFT);
  const std::array<int, 3> records = {kDegreesRecord, kMinutesRecord, kSecondsRecord};
  const std::array<std::array<int, 2>, 3> places = {{{632, 36}, {685, 27}, {727, 65}}};
  for (size_t i = 0; i < 3; ++i) {
    w_.shaft_dms[i] =
        ui::make_checked_input(context_, records[i], places[i][0], 321, places[i][1], 25);
    w_.shaft_dms[i]->copy_label(context_.lang(269 + static_cast<int>(i)));
    w_.shaft_dms[i]->align(FL_ALIGN_RIGHT);
    context_.input_range(records[i]).on_valid = [this](Fl_Input*, long) {
      shaft_angle_changed(true);
    };
    // A red angle is not the one the results were made for.
    context_.input_range(records[i]).on_invalid = [this](Fl_Input*, long) {
      clear_bevel_outputs();
    };
  }
  w_.shaft_dms_frame->end();

  w_.pitch = entry(642, 375, 125, FL_INT_INPUT, context_.lang(kDiametralPitchLabel));
  w_.pitch->callback(call<BevelGearPage, &BevelGearPage::pitch_changed>, this);

  w_.pair_frame = teeth_group(528, 431, 268, 87);
  w_.pinion_teeth = entry(642, 431, 125, FL_INT_INPUT, context_.lang(371));
  w_.gear_teeth = entry(642, 493, 125, FL_INT_INPUT, context_.lang(372));
  w_.pair_frame->end();
  w_.miter_frame = teeth_group(528, 465, 268, 25);
  w_.miter_teeth = entry(642, 465, 125, FL_INT_INPUT, context_.lang(373));
  w_.miter_frame->end();
  for (Fl_Input* field : {w_.pinion_teeth, w_.gear_teeth, w_.miter_teeth})
    field->callback(call<BevelGearPage, &BevelGearPage::compute_bevel_gear>, this);
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
    column.angle_dms[angle] = {result_field(left, y, 42, context_.lang(269)),
                               result_field(left + 54, y, 30, context_.lang(270)),
                               result_field(left + 94, y, 70, context_.lang(271))};
  }
  column.frame->end();
  return column;
}

void BevelGearPage::build_results() {
  for (int row = 0; row < kBevelRowCount; ++row)
    w_.row_texts[static_cast<size_t>(row)] =
        ui::text_line(167, kRowTop + kRowStep * row, 238, 25, context_.lang(kRowLabels[row]));
  w_.left = build_column(410, 450);
  w_.right = build_column(607, 645);
}

void BevelGearPage::build_face_width() {
  auto* text = new Fl_Box(171, 938, 146, 52);
  text->copy_label(context_.lang(393));
  text->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  w_.face_width_minimum = new Fl_Box(323, 938, 100, 25);
  w_.face_width_minimum->box(FL_FLAT_BOX);
  w_.face_width_minimum->color(kResultColour);
  w_.face_width = entry(506, 938, 100, FL_FLOAT_INPUT, nullptr);
  w_.face_width->callback(call<BevelGearPage, &BevelGearPage::face_width_typed>, this);
  w_.face_width_maximum = new Fl_Box(691, 937, 100, 25);
  w_.face_width_maximum->box(FL_FLAT_BOX);
  w_.face_width_maximum->color(kResultColour);
  w_.face_width_slider = new Fl_Slider(323, 965, 469, 25);
  w_.face_width_slider->type(FL_HOR_NICE_SLIDER);
  w_.face_width_slider->box(FL_GTK_DOWN_BOX);
  w_.face_width_slider->when(FL_WHEN_CHANGED);
  w_.face_width_slider->callback(call<BevelGearPage, &BevelGearPage::face_width_slid>, this);

  w_.print = new Fl_Button(449, 999, 79, 46, "@+9fileprint");
  w_.print->box(FL_GTK_UP_BOX);
  w_.print->callback(
      [](Fl_Widget*, void* page) {
        auto* self = static_cast<BevelGearPage*>(page);
        print_bevel_gear(self->context_, self->print_sheets());
      },
      this);
}

// ---- reading the page ----

bool BevelGearPage::millimetre() const { return w_.mm->value() != 0; }
bool BevelGearPage::miter() const { return w_.miter->value() != 0; }

BevelPitchKind BevelGearPage::pitch_kind() const {
  return w_.module->value() ? BevelPitchKind::kModule : BevelPitchKind::kDiametralPitch;
}

double BevelGearPage::shaft_angle_value() const {
  if (w_.dms->value()) {
    const ui::DmsFields triple = {w_.shaft_dms[0], w_.shaft_dms[1], w_.shaft_dms[2]};
    return ui::read_dms_fields(triple);
  }
  return ui::field_double(w_.shaft_angle);
}

std::optional<IndexSetting>
BevelGearPage::usable_setting(const Fl_Input* field, const ui::DividingHeadPlates& head) const {
  const long teeth = ui::field_long(field);
  if (teeth < kFewestBevelTeeth)
    return std::nullopt;
  return bevel_indexing(teeth, head.ratio, head.circles);
}

// ---- handlers ----

void BevelGearPage::pitch_changed() {
  const auto pitch = bevel_pitch(pitch_kind(), ui::field_double(w_.pitch));
  if (pitch) {
    limits_ = face_width_limits(pitch->diametral_pitch);
    face_width_ = limits_->standard;
  } else {
    limits_.reset();
  }
  refresh_face_width();
  compute_bevel_gear();
}

void BevelGearPage::shaft_angle_changed(bool from_dms) {
  const ui::DmsFields triple = {w_.shaft_dms[0], w_.shaft_dms[1], w_.shaft_dms[2]};
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
  compute_bevel_gear();
}

void BevelGearPage::face_width_typed() {
  if (!limits_)
    return;
  const double value = ui::field_double(w_.face_width);
  if (!face_width_allowed(*limits_, value, millimetre())) {
    set_colour(w_.face_width, kBad);
    return;
  }
  set_colour(w_.face_width, kOk);
  face_width_ = millimetre() ? Length{value / 25.4, value} : Length{value, value * 25.4};
  w_.face_width_slider->value(millimetre() ? face_width_.mm : face_width_.inch);
  compute_bevel_gear();
}

void BevelGearPage::face_width_slid() {
  w_.face_width->value(printed(millimetre() ? 2 : 3, w_.face_width_slider->value()).c_str());
  face_width_typed();
}

void BevelGearPage::unit_changed() {
  refresh_face_width();
  label_columns();
  show_bevel_outputs();
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
  show_bevel_outputs();
}

void BevelGearPage::pitch_kind_changed() {
  const bool module = w_.module->value() != 0;
  // Hidden and shown again, so that the old label is wiped off the page.
  w_.pitch->hide();
  w_.pitch->copy_label(context_.lang(module ? kModuleLabel : kDiametralPitchLabel));
  w_.pitch->type(module ? FL_FLOAT_INPUT : FL_INT_INPUT);
  w_.pitch->value("");
  w_.pitch->show();
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
  compute_bevel_gear();
}

// ---- results ----

void BevelGearPage::compute_bevel_gear() {
  const ui::DividingHeadPlates head = context_.dividing_head_plates();
  // Each tooth count shown is black when it can be cut, red when not (an
  // empty field is no mistake).
  std::array<std::optional<IndexSetting>, 2> settings;
  const std::array<Fl_Input*, 2> fields = {miter() ? w_.miter_teeth : w_.pinion_teeth,
                                           miter() ? nullptr : w_.gear_teeth};
  bool teeth_ok = true;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (!fields[i])
      continue;
    settings[i] = usable_setting(fields[i], head);
    set_colour(fields[i], settings[i] || fields[i]->size() == 0 ? kOk : kBad);
    teeth_ok = teeth_ok && settings[i].has_value();
  }
  result_.reset();
  if (teeth_ok && limits_) {
    BevelGearInput input;
    input.kind = pitch_kind();
    input.pitch_value = ui::field_double(w_.pitch);
    input.set = miter() ? BevelGearSet::kMiter : BevelGearSet::kPinionAndGear;
    input.pinion_teeth = ui::field_long(fields[0]);
    input.gear_teeth = fields[1] ? ui::field_long(fields[1]) : 0;
    input.shaft_angle = shaft_angle_value();
    input.face_width = face_width_.inch;
    input.pinion_index = *settings[0];
    input.gear_index = settings[1] ? *settings[1] : *settings[0];
    result_ = solve_bevel_gear(input);
  }
  show_bevel_outputs();
}

void BevelGearPage::show_column(const BevelColumnWidgets& column, const BevelGearColumn& gear) {
  const bool mm = millimetre();
  auto length = [&](BevelRow row, const Length& value) {
    ui::set_field_fixed(column.values[row], mm ? 2 : 3, mm ? value.mm : value.inch);
  };
  auto whole = [&](BevelRow row, int value) { column.values[row]->value(int_text(value).c_str()); };
  length(kOutsideDiameterRow, gear.outside_diameter);
  length(kPitchDiameterRow, gear.pitch_diameter);
  length(kFaceWidthRow, gear.face_width);
  const std::array<double, 2> angles = {gear.pitch_angle, gear.complement};
  for (size_t i = 0; i < angles.size(); ++i) {
    Fl_Output* decimal = column.values[kPitchAngleRow + i];
    ui::set_field_fixed(decimal, 4, angles[i]);
    const auto& triple = column.angle_dms[i];
    ui::write_dms_fields({triple[0], triple[1], triple[2]}, angles[i]);
  }
  whole(kHoleCircleRow, gear.index.circle);
  whole(kTurnsRow, gear.index.turns);
  whole(kHolesRow, gear.index.holes);
  column.values[kCutterRow]->value(gear.cutter > 0 ? int_text(gear.cutter).c_str() : "");
  length(kWholeDepthRow, gear.whole_depth);
  length(kQuarterPitchRow, gear.quarter_pitch);
  whole(kQuarterHolesRow, gear.quarter_tooth_holes);
  length(kHalfPitchRow, gear.half_pitch);
  whole(kHalfHolesRow, gear.half_tooth_holes);
}

void BevelGearPage::show_bevel_outputs() {
  const bool dms = w_.dms->value() != 0;
  for (const BevelColumnWidgets* column : {&w_.left, &w_.right}) {
    for (size_t i = 0; i < 2; ++i) {
      ui::show_if(column->values[kPitchAngleRow + i], !dms);
      for (Fl_Output* field : column->angle_dms[i])
        ui::show_if(field, dms);
    }
  }
  if (!result_) {
    clear_bevel_outputs();
    return;
  }
  show_column(w_.left, result_->pinion);
  show_column(w_.right, result_->gear);
  w_.print->activate();
}

void BevelGearPage::clear_bevel_outputs() {
  result_.reset();
  for (const BevelColumnWidgets* column : {&w_.left, &w_.right}) {
    for (Fl_Output* field : column->values)
      field->value("");
    for (const auto& triple : column->angle_dms)
      for (Fl_Output* field : triple)
        field->value("");
  }
  w_.print->deactivate();
}

void BevelGearPage::refresh_face_width() {
  if (!limits_) {
    w_.face_width_minimum->copy_label("");
    w_.face_width_maximum->copy_label("");
    w_.face_width->value("");
    set_colour(w_.face_width, kOk);
    w_.face_width->deactivate();
    w_.face_width_slider->deactivate();
    return;
  }
  const bool mm = millimetre();
  const int places = mm ? 2 : 3;
  const double low = mm ? limits_->minimum.mm : limits_->minimum.inch;
  const double high = mm ? limits_->maximum.mm : limits_->maximum.inch;
  w_.face_width_minimum->copy_label(printed(places, low).c_str());
  w_.face_width_maximum->copy_label(printed(places, high).c_str());
  w_.face_width_slider->bounds(low, high);
  w_.face_width_slider->step(mm ? 0.01 : 0.001);
  w_.face_width_slider->value(mm ? face_width_.mm : face_width_.inch);
  w_.face_width->value(printed(places, w_.face_width_slider->value()).c_str());
  set_colour(w_.face_width, kOk);
  w_.face_width->activate();
  w_.face_width_slider->activate();
}

void BevelGearPage::label_columns() {
  const bool mm = millimetre();
  w_.left.frame->copy_label(context_.lang(miter() ? (mm ? 381 : 380) : (mm ? 377 : 376)));
  w_.right.frame->copy_label(context_.lang(mm ? 379 : 378));
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
  const bool mm = millimetre();
  const bool dms = w_.dms->value() != 0;
  auto text = [this](int i) { return std::string(context_.lang_or(i, "")); };
  BevelPrintSheet sheet;
  const int title = miter() ? (mm ? 381 : 380) : gear_column ? (mm ? 379 : 378) : (mm ? 377 : 376);
  sheet.title = text(title);
  const bool module = pitch_kind() == BevelPitchKind::kModule;
  sheet.pitch_line = text(module ? kModuleLabel : kDiametralPitchLabel) + " = " + w_.pitch->value();
  const Fl_Input* teeth = miter() ? w_.miter_teeth : gear_column ? w_.gear_teeth : w_.pinion_teeth;
  std::string shaft = w_.shaft_angle->value();
  if (dms)
    shaft = std::string(w_.shaft_dms[0]->value()) + ":" + w_.shaft_dms[1]->value() + ":" +
            w_.shaft_dms[2]->value();
  sheet.teeth_line = text(307) + " = " + teeth->value() + ", " + text(375) + " = " + shaft;
  const BevelColumnWidgets& column = gear_column ? w_.right : w_.left;
  for (int row = 0; row < kBevelRowCount; ++row) {
    BevelPrintRow line;
    line.label = text(kRowLabels[row]);
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
  const ui::DmsFields triple = {w_.shaft_dms[0], w_.shaft_dms[1], w_.shaft_dms[2]};
  ui::write_dms_fields(triple, std::atof(kDefaultShaftAngle));
  angle_format_changed();
  show_gear_set_layout();
  limits_.reset();
  refresh_face_width();
  clear_bevel_outputs();
}

void BevelGearPage::apply_settings() {
  if (context_.unit_system() == 1) {
    ui::set_radio(w_.mm);
    unit_changed();
  }
}

Fl_Input* BevelGearPage::focus_input() { return w_.pitch; }

void BevelGearPage::save_state(settings::IniDocument& state) const {
  ui::save_text(state, "p14:bevel_pinion_teeth", w_.pinion_teeth);
  ui::save_text(state, "p14:bevel_gear_teeth", w_.gear_teeth);
  ui::save_text(state, "p14:bevel_miter_gear_teeth", w_.miter_teeth);
  ui::save_text(state, "p14:intersect_angle", w_.shaft_angle);
  ui::save_text(state, "p14:face_width_actual", w_.face_width);
  ui::save_text(state, "p14:dp_module", w_.pitch);
  // Flag texts: "0" when the first button of the pair is set.
  ui::save_pair(state, "p14:measure", w_.inch);
  ui::save_pair(state, "p14:decimal_dms", w_.decimal);
  ui::save_pair(state, "p14:gear_set", w_.miter);
  ui::save_pair(state, "p14:module_or_dp", w_.diametral_pitch);
  state.set("p14:scroll", std::to_string(w_.scroll->yposition()));
}

void BevelGearPage::load_state(const settings::IniDocument& state) {
  // The choices first: their handlers show the restored mode (the pitch
  // kind's handler empties the pitch field, so the texts come after).
  ui::load_pair(state, "p14:decimal_dms", w_.decimal, w_.dms);
  angle_format_changed();
  ui::load_pair(state, "p14:measure", w_.inch, w_.mm);
  unit_changed();
  ui::load_pair(state, "p14:module_or_dp", w_.diametral_pitch, w_.module);
  pitch_kind_changed();
  ui::load_pair(state, "p14:gear_set", w_.miter, w_.pinion_and_gear);
  show_gear_set_layout();

  ui::load_text(state, "p14:bevel_pinion_teeth", w_.pinion_teeth);
  ui::load_text(state, "p14:bevel_gear_teeth", w_.gear_teeth);
  ui::load_text(state, "p14:bevel_miter_gear_teeth", w_.miter_teeth);
  ui::load_text(state, "p14:intersect_angle", w_.shaft_angle, kDefaultShaftAngle);
  ui::load_text(state, "p14:dp_module", w_.pitch);
  const ui::DmsFields triple = {w_.shaft_dms[0], w_.shaft_dms[1], w_.shaft_dms[2]};
  ui::write_dms_fields(triple, limit_shaft_angle(ui::field_double(w_.shaft_angle)));

  // The pitch sets the standard face width; the saved one follows.
  pitch_changed();
  const std::string face_width = state.get_string("p14:face_width_actual", "");
  if (limits_ && !face_width.empty()) {
    w_.face_width->value(face_width.c_str());
    face_width_typed();
  }

  // A hand-edited position stays within the page.
  const long scroll = state.get_long("p14:scroll", 0);
  w_.scroll->scroll_to(w_.scroll->xposition(),
                       static_cast<int>(std::clamp<long>(scroll, 0, kPageBottom - kScrollHeight)));
}

} // namespace gears
