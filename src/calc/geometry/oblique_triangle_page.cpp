// The oblique-triangle page: widgets, their handlers, and its State.ini keys.
#include "calc/geometry/oblique_triangle_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <string>

#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "numeric/input_rules.h"
#include "numeric/number_text.h"
#include "settings/ini_document.h"

namespace geometry {

namespace {

using ui::ReadOnlyField;
using ui::show_and_enable_if;

using ui::CheckedInput;

constexpr Fl_Color kNoteColour = 4;

constexpr int kSideRecord = 11;
constexpr std::array<int, 3> kDmsRecords = {12, 13, 14};
constexpr double kLargestAngle = 179.999999;
constexpr int kDefaultPrecision = 3;

// Row positions on the page.
constexpr std::array<int, 3> kRowY = {324, 350, 376};
constexpr std::array<int, 3> kResultY = {439, 463, 487};
constexpr std::array<int, 3> kDmsX = {530, 585, 640};
constexpr std::array<int, 3> kDmsW = {36, 39, 67};
constexpr std::array<int, 3> kResultDmsX = {538, 589, 642};
constexpr std::array<int, 3> kResultDmsW = {30, 30, 63};
constexpr std::array<int, 3> kDmsLabels = {269, 270, 271};

// String-table entries naming each quantity as a typed row and as a result,
// in the order of TriangleQuantity: A, B, C, a, b, c.
constexpr std::array<int, 6> kInputLabel = {91, 92, 93, 82, 83, 84};
constexpr std::array<int, 6> kResultLabel = {85, 86, 87, 88, 89, 90};

void set_text(Fl_Input_* field, const char* text) { field->value(text ? text : ""); }

const ui::InputRange& range_of(const Fl_Input_* field) {
  return *static_cast<const ui::InputRange*>(field->user_data());
}

bool field_out_of_range(const Fl_Input_* field) {
  return numeric::out_of_range(range_of(field).rule, field->value());
}

// Black or red as the field's range says; used on texts the page writes itself.
void recolour(Fl_Input_* field) {
  const ui::InputRange& range = range_of(field);
  Fl_Color colour = field_out_of_range(field) ? range.colour_bad : range.colour_ok;
  if (field->textcolor() != colour) {
    field->textcolor(colour);
    field->redraw();
  }
}

ui::DmsFields triple(const std::array<CheckedInput*, 3>& fields) {
  return {fields[0], fields[1], fields[2]};
}

ui::DmsFields triple(const std::array<Fl_Output*, 3>& fields) {
  return {fields[0], fields[1], fields[2]};
}

std::string dms_key(size_t row, size_t column) {
  return "p3:p3_input_dms_" + std::to_string(row + 1) + "_" + std::to_string(column);
}

const std::array<const char*, 3> kDecimalKeys = {"p3:tri2l0a", "p3:tri2l1a", "p3:tri2l2a"};

} // namespace

// ---- building ----

void ObliqueTrianglePage::build(Fl_Group& group) {
  (void)group;
  w_.sketch = build_triangle2_sketch({context_.lang(100), context_.lang(101), context_.lang(102),
                                      context_.lang(103), context_.lang(106), context_.lang(104),
                                      context_.lang(105)});
  build_choices();
  build_input_rows();
  build_results();
  attach_routines();
}

void ObliqueTrianglePage::build_choices() {
  Fl_Group* cases = ui::framed_group(171, 41, 212, 104);
  cases->copy_label(context_.lang(66) ? context_.lang(66) : "");
  cases->align(FL_ALIGN_TOP_LEFT);
  constexpr std::array<int, 4> case_y = {44, 69, 93, 116};
  constexpr std::array<int, 4> case_label = {97, 94, 95, 96};
  for (size_t i = 0; i < 4; ++i) {
    w_.case_buttons[i] =
        ui::radio_button(177, case_y[i], 195, 25, context_.lang(case_label[i]), nullptr);
    w_.case_buttons[i]->callback(
        [](Fl_Widget* button, void* page) {
          auto* self = static_cast<ObliqueTrianglePage*>(page);
          for (size_t k = 0; k < self->w_.case_buttons.size(); ++k)
            if (self->w_.case_buttons[k] == button)
              self->case_chosen(static_cast<ObliqueKnown>(k + 1));
        },
        this);
  }
  cases->end();

  Fl_Group* units = ui::framed_group(171, 149, 212, 33);
  w_.inch = ui::radio_button(177, 153, 100, 25, context_.lang(20), context_.lang(56));
  w_.mm = ui::radio_button(281, 153, 100, 25, context_.lang(19), context_.lang(59));
  units->end();
  w_.inch->callback(
      [](Fl_Widget*, void* page) { static_cast<ObliqueTrianglePage*>(page)->unit_chosen(false); },
      this);
  w_.mm->callback(
      [](Fl_Widget*, void* page) { static_cast<ObliqueTrianglePage*>(page)->unit_chosen(true); },
      this);
  w_.inch->setonly();
  context_.register_unit_pair(ui::UnitPairSlot::kObliqueTriangle, w_.inch, w_.mm);

  Fl_Group* formats = ui::framed_group(171, 185, 212, 33);
  w_.decimal = ui::radio_button(177, 191, 100, 25, context_.lang(55), context_.lang(57));
  w_.dms = ui::radio_button(281, 189, 100, 25, context_.lang(99), context_.lang(58));
  formats->end();
  w_.decimal->callback(
      [](Fl_Widget*, void* page) {
        static_cast<ObliqueTrianglePage*>(page)->angle_format_chosen(false);
      },
      this);
  w_.dms->callback(
      [](Fl_Widget*, void* page) {
        static_cast<ObliqueTrianglePage*>(page)->angle_format_chosen(true);
      },
      this);
  w_.decimal->setonly();

  auto* note_group = new Fl_Group(165, 208, 321, 86);
  w_.note = new Fl_Box(170, 237, 222, 48);
  w_.note->copy_label(context_.lang(98) ? context_.lang(98) : "");
  w_.note->labelcolor(kNoteColour);
  w_.note->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  w_.note->hide();
  note_group->end();
}

void ObliqueTrianglePage::build_input_rows() {
  constexpr std::array<int, 3> label_x = {262, 262, 261};
  // The decimal fields sit in groups of slightly different frames.
  constexpr std::array<std::array<int, 4>, 3> decimal_group = {
      {{521, 323, 188, 28}, {522, 350, 185, 25}, {522, 376, 185, 28}}};
  for (size_t r = 0; r < 3; ++r) {
    const int y = kRowY[r];
    w_.row_labels[r] = ui::text_line(label_x[r], y, 185, 25);

    const auto& g = decimal_group[r];
    w_.decimal_groups[r] = new Fl_Group(g[0], g[1], g[2], g[3]);
    w_.decimal_inputs[r] = ui::make_checked_input(context_, kSideRecord, 522, y, 185, 25);
    w_.decimal_groups[r]->end();
    // Each row gets its own copy of the record, because one row may hold an
    // angle (with a range) while another holds a side (without).
    row_ranges_[r] = context_.input_range(kSideRecord);
    w_.decimal_inputs[r]->user_data(&row_ranges_[r]);

    for (size_t c = 0; c < 3; ++c) {
      auto* part = new Fl_Group(kDmsX[c], y, kDmsW[c] + 14, 25);
      auto* field = ui::make_checked_input(context_, kDmsRecords[c], kDmsX[c], y, kDmsW[c], 25);
      field->copy_label(context_.lang(kDmsLabels[c]) ? context_.lang(kDmsLabels[c]) : "");
      field->align(FL_ALIGN_RIGHT);
      part->end();
      part->hide();
      part->deactivate();
      w_.dms_groups[r][c] = part;
      w_.dms_inputs[r][c] = field;
    }
  }

  w_.precision = new Fl_Spinner(674, 403, 32, 25);
  w_.precision->copy_label(context_.lang(54) ? context_.lang(54) : "");
  w_.precision->type(FL_INT_INPUT);
  w_.precision->range(2, 6);
  w_.precision->step(1);
  w_.precision->value(kDefaultPrecision);
  w_.precision->when(FL_WHEN_CHANGED);
  w_.precision->callback(
      [](Fl_Widget*, void* page) { static_cast<ObliqueTrianglePage*>(page)->recompute(); }, this);
  ui::report_every_change(w_.precision);
}

void ObliqueTrianglePage::build_results() {
  constexpr std::array<int, 3> dms_group_x = {513, 509, 513};
  constexpr std::array<int, 3> dms_group_y = {436, 461, 485};
  for (size_t r = 0; r < 3; ++r) {
    const int y = kResultY[r];
    w_.result_labels[r] = ui::text_line(262, y, 245, 23);
    w_.result_values[r] = ui::result_field(522, y, 185, 23);
    w_.result_dms_groups[r] = new Fl_Group(dms_group_x[r], dms_group_y[r], 201, 27);
    for (size_t c = 0; c < 3; ++c) {
      w_.result_dms[r][c] = ui::result_field(kResultDmsX[c], y, kResultDmsW[c], 23);
      w_.result_dms[r][c]->copy_label(context_.lang(kDmsLabels[c]) ? context_.lang(kDmsLabels[c])
                                                                   : "");
      w_.result_dms[r][c]->align(FL_ALIGN_RIGHT);
    }
    w_.result_dms_groups[r]->end();
    w_.result_dms_groups[r]->hide();
  }
  w_.area_label = ui::text_line(262, 511, 185, 23);
  set_text(w_.area_label, context_.lang(81));
  w_.area = ui::result_field(522, 511, 185, 23);
}

void ObliqueTrianglePage::attach_routines() {
  auto recompute_routine = [this](Fl_Input*, long) { recompute(); };
  auto clear_routine = [this](Fl_Input*, long) { clear_results(); };
  for (int record : {kSideRecord, kDmsRecords[0], kDmsRecords[1], kDmsRecords[2]}) {
    context_.input_range(record).on_valid = recompute_routine;
    context_.input_range(record).on_invalid = clear_routine;
  }
  // The rows' own ranges call whatever the shared record holds, so that the
  // application silences them with it while the windows are taken down.
  ui::InputRange& shared = context_.input_range(kSideRecord);
  for (ui::InputRange& range : row_ranges_) {
    range.on_valid = [&shared](Fl_Input* field, long arg) {
      if (shared.on_valid)
        shared.on_valid(field, arg);
    };
    range.on_invalid = [&shared](Fl_Input* field, long arg) {
      if (shared.on_invalid)
        shared.on_invalid(field, arg);
    };
  }
}

// ---- modes ----

void ObliqueTrianglePage::show_mode() {
  const ObliqueLayout& l = layout();
  for (size_t r = 0; r < 3; ++r) {
    const bool angle = is_angle(l.given[r]);
    row_ranges_[r].rule.min = 0.0;
    row_ranges_[r].rule.max = angle ? kLargestAngle : 0.0;
    set_text(w_.row_labels[r], context_.lang(kInputLabel[static_cast<size_t>(l.given[r])]));
    const bool dms_row = in_dms_ && angle;
    show_and_enable_if(w_.decimal_groups[r], !dms_row);
    for (Fl_Group* part : w_.dms_groups[r])
      show_and_enable_if(part, dms_row);
  }
  for (size_t r = 0; r < 3; ++r) {
    set_text(w_.result_labels[r], context_.lang(kResultLabel[static_cast<size_t>(l.found[r])]));
    const bool dms_result = in_dms_ && is_angle(l.found[r]);
    show_and_enable_if(w_.result_values[r], !dms_result);
    show_and_enable_if(w_.result_dms_groups[r], dms_result);
  }
  if (known_ == ObliqueKnown::kThreeAngles)
    w_.note->show();
  else
    w_.note->hide();
  show_given(w_.sketch, l.given);
}

void ObliqueTrianglePage::focus_first_input() {
  // Only on the page the user sees: a hidden field must not steal the keys.
  Fl_Input* field = focus_input();
  if (field && field->visible_r())
    field->take_focus();
}

void ObliqueTrianglePage::case_chosen(ObliqueKnown known) {
  known_ = known;
  show_mode();
  focus_first_input();
  for (size_t r = 0; r < 3; ++r) {
    set_text(w_.decimal_inputs[r], "");
    recolour(w_.decimal_inputs[r]);
    for (CheckedInput* field : w_.dms_inputs[r]) {
      set_text(field, "");
      recolour(field);
    }
  }
  clear_results();
}

void ObliqueTrianglePage::unit_chosen(bool mm) {
  // The unit button sets and calls both pairs' buttons even when they are
  // set already; converting then would scale the values twice.
  if (mm != in_mm_) {
    const ObliqueLayout& l = layout();
    for (size_t r = 0; r < 3; ++r) {
      if (is_angle(l.given[r]))
        continue;
      if (mm)
        ui::convert_field_inch_to_mm(w_.decimal_inputs[r]);
      else
        ui::convert_field_mm_to_inch(w_.decimal_inputs[r]);
    }
    in_mm_ = mm;
  }
  recompute();
}

void ObliqueTrianglePage::angle_format_chosen(bool dms) {
  if (dms != in_dms_) {
    const ObliqueLayout& l = layout();
    for (size_t r = 0; r < 3; ++r) {
      if (!is_angle(l.given[r]))
        continue;
      CheckedInput* decimal = w_.decimal_inputs[r];
      const ui::DmsFields fields = triple(w_.dms_inputs[r]);
      if (dms) {
        ui::write_dms_fields_from_text(decimal->value(), fields);
        for (CheckedInput* field : w_.dms_inputs[r])
          recolour(field);
      } else {
        // Nine decimals keep the typed seconds through a switch and back.
        const double degrees = ui::read_dms_fields(fields);
        if (degrees > 0.0)
          ui::set_field_fixed(decimal, 9, degrees);
        else
          set_text(decimal, "");
        recolour(decimal);
      }
    }
    in_dms_ = dms;
  }
  show_mode();
  recompute();
}

// ---- results ----

bool ObliqueTrianglePage::read_given(std::array<double, 3>& given) const {
  const ObliqueLayout& l = layout();
  for (size_t r = 0; r < 3; ++r) {
    if (in_dms_ && is_angle(l.given[r])) {
      for (const CheckedInput* field : w_.dms_inputs[r])
        if (field_out_of_range(field))
          return false;
      given[r] = ui::read_dms_fields(triple(w_.dms_inputs[r]));
    } else {
      if (field_out_of_range(w_.decimal_inputs[r]))
        return false;
      given[r] = ui::field_double(w_.decimal_inputs[r]);
    }
  }
  return true;
}

void ObliqueTrianglePage::recompute() {
  std::array<double, 3> given{};
  std::optional<Triangle> triangle;
  // A value outside its field's range (shown red) gives no triangle.
  if (read_given(given))
    triangle = solve_oblique_triangle(known_, given);
  if (!triangle) {
    clear_results();
    return;
  }
  const int precision = static_cast<int>(w_.precision->value());
  const ObliqueLayout& l = layout();
  for (size_t r = 0; r < 3; ++r) {
    const double value = triangle->value(l.found[r]);
    ui::set_field_fixed(w_.result_values[r], precision, value);
    if (is_angle(l.found[r]))
      ui::write_dms_fields(triple(w_.result_dms[r]), value);
    else
      for (Fl_Output* field : w_.result_dms[r])
        set_text(field, "");
  }
  ui::set_field_fixed(w_.area, precision, triangle->area);
}

void ObliqueTrianglePage::clear_results() {
  for (size_t r = 0; r < 3; ++r) {
    set_text(w_.result_values[r], "");
    for (Fl_Output* field : w_.result_dms[r])
      set_text(field, "");
  }
  set_text(w_.area, "");
}

// ---- life cycle ----

void ObliqueTrianglePage::enter_start_mode() {
  ui::set_radio(w_.case_buttons[0]);
  known_ = ObliqueKnown::kThreeSides;
  show_mode();
}

void ObliqueTrianglePage::apply_settings() {
  if (context_.unit_system() == 1) {
    ui::set_radio(w_.mm);
    in_mm_ = true;
  }
}

Fl_Input* ObliqueTrianglePage::focus_input() {
  // With row 1 in degrees, minutes and seconds its degrees field stands in
  // for the hidden decimal field.
  if (w_.decimal_groups[0]->visible())
    return w_.decimal_inputs[0];
  return w_.dms_inputs[0][0];
}

void ObliqueTrianglePage::save_state(settings::IniDocument& state) const {
  for (size_t r = 0; r < 3; ++r)
    ui::save_text(state, kDecimalKeys[r], w_.decimal_inputs[r]);
  for (size_t r = 0; r < 3; ++r)
    for (size_t c = 0; c < 3; ++c)
      ui::save_text(state, dms_key(r, c), w_.dms_inputs[r][c]);
  ui::save_radio_index(
      state, "p3:p3_know",
      {w_.case_buttons[0], w_.case_buttons[1], w_.case_buttons[2], w_.case_buttons[3]});
  ui::save_pair(state, "p3:p3_measure", w_.inch);
  ui::save_pair(state, "p3:p3_decimal_dms", w_.decimal);
  ui::save_spinner(state, "p3:p3_precision", w_.precision);
}

void ObliqueTrianglePage::load_state(const settings::IniDocument& state) {
  ui::load_radio_index(
      state, "p3:p3_know",
      {w_.case_buttons[0], w_.case_buttons[1], w_.case_buttons[2], w_.case_buttons[3]});
  ui::load_pair(state, "p3:p3_measure", w_.inch, w_.mm);
  in_mm_ = w_.mm->value() != 0;
  ui::load_pair(state, "p3:p3_decimal_dms", w_.decimal, w_.dms);
  ui::load_spinner(state, "p3:p3_precision", w_.precision, kDefaultPrecision, 2, 6);

  // The mode callbacks empty and move the fields, so they run before the
  // restored texts go in.
  for (Fl_Round_Button* button : w_.case_buttons)
    if (button->value())
      button->do_callback();
  (w_.dms->value() ? w_.dms : w_.decimal)->do_callback();

  for (size_t r = 0; r < 3; ++r)
    ui::load_text(state, kDecimalKeys[r], w_.decimal_inputs[r]);
  for (size_t r = 0; r < 3; ++r)
    for (size_t c = 0; c < 3; ++c)
      ui::load_text(state, dms_key(r, c), w_.dms_inputs[r][c]);
  w_.decimal_inputs[0]->do_callback();
}

} // namespace geometry
