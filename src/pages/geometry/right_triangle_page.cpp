// The right triangle: widgets, their bindings and State.ini keys.
#include "pages/geometry/right_triangle_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/geometry/geometry_texts.h"
#include "core/geometry/right_triangle_form.h"
#include "core/i18n/common_texts.h"
#include "pages/geometry/right_triangle_sketch.h"
#include "core/numeric/input_rules.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/state_keys.h"

namespace geometry {

namespace {

// The degree, minute and second marks follow their numbers: 36° 52′ 11.6″.
constexpr Fl_Align kUnitAlign = FL_ALIGN_RIGHT;

// What the page's fields accept.
constexpr numeric::RangeRule kInput1Rule = numeric::any_decimal();
constexpr numeric::RangeRule kInput2Rule = numeric::any_decimal();

constexpr ui::Places kPlaces{2, 6, 3};

// Rows 2 and 3 of the results: the second by case, and angle B.
constexpr size_t kRow2 = 1;
constexpr size_t kRow3 = 2;

TypedText typed(const ui::CheckedInput* field) {
  return {field->number_text(), ui::refuses_its_value(field)};
}

} // namespace

// ---- building ----

void RightTrianglePage::build(Fl_Group&) {
  build_choices();
  build_inputs();
  build_results();
  bind_state();
  w_.sketch = new Triangle1(
      480, 6, 310, 203,
      {context_.lang(texts::kRightSketchHypotenuse), context_.lang(texts::kRightSketchSideB),
       context_.lang(texts::kRightSketchSideA), context_.lang(texts::kRightSketchSideA2)});
}

void RightTrianglePage::build_choices() {
  Fl_Group* cases = ui::framed_group(189, 43, 230, 167, context_.lang(texts::kKnownCasesTitle));
  cases->align(FL_ALIGN_TOP); // the title centred over the buttons
  for (int i = 0; i < 6; ++i) {
    // The cases are consecutive entries.
    Fl_Round_Button* button = ui::radio_button(207, 53 + 25 * i, 205, 25,
                                               context_.lang(texts::kRightFirstCase + i), nullptr);
    const auto known = static_cast<RightTriangleCase>(i + 1);
    on(button, [this, known] { case_chosen(known); });
    w_.case_buttons[static_cast<size_t>(i)] = button;
  }
  cases->end();

  std::tie(w_.inch, w_.mm) =
      ui::framed_inch_mm(context_, {189, 213, 230, 33}, {202, 217, 104, 25}, {311, 217, 104, 25});
  units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kRightTriangle, w_.inch, w_.mm,
      [this] { return length_fields(); }, [this] { recompute(); });

  std::tie(w_.decimal, w_.dms) =
      framed_angle_formats({189, 248, 230, 33}, {200, 252, 104, 25}, {311, 252, 104, 25},
                           [this](bool dms) { angle_format_chosen(dms); });
}

void RightTrianglePage::build_inputs() {
  w_.input1_label = ui::text_line(265, 287, 208, 25);
  w_.input1 = ui::make_checked_input(context_, kInput1Rule, 481, 287, 261, 25);
  w_.input2_label = ui::text_line(265, 321, 211, 25);

  w_.input2_group = new Fl_Group(480, 320, 265, 28);
  w_.input2 = ui::make_checked_input(context_, kInput2Rule, 481, 321, 261, 25);
  w_.input2_group->end();
  for (ui::CheckedInput* field : {w_.input1, w_.input2})
    field->measure_in([this] { return units_->metric(); });

  struct AngleField {
    int group_x, group_y, group_w, group_h, x, y, w;
  };
  const AngleField angle_fields[] = {
      {469, 320, 60, 26, 495, 320, 32},
      {527, 320, 95, 27, 585, 321, 35},
      {620, 321, 123, 25, 678, 321, 64},
  };
  for (size_t i = 0; i < 3; ++i) {
    const AngleField& f = angle_fields[i];
    w_.angle_groups[i] = new Fl_Group(f.group_x, f.group_y, f.group_w, f.group_h);
    w_.angle[i] = ui::make_checked_input(context_, numeric::kDmsRules[i], f.x, f.y, f.w, 25);
    w_.angle[i]->copy_label(context_.lang(texts::kDmsMarks[i]));
    w_.angle[i]->align(kUnitAlign);
    w_.angle_groups[i]->end();
    ui::show_and_enable_if(w_.angle_groups[i], false);
  }
  for (ui::CheckedInput* field : {w_.input1, w_.input2, w_.angle[0], w_.angle[1], w_.angle[2]}) {
    field->on_valid([this] { recompute(); });
    field->on_invalid([this] { show_results({}); });
  }

  w_.precision = ui::places_spinner(context_, {615, 365, 33, 25}, kPlaces);
  on(w_.precision, [this] { recompute(); });
}

void RightTrianglePage::build_results() {
  Fl_Group* panel = ui::framed_group(202, 405, 586, 143);
  const int row_y[] = {415, 447, 480, 513};
  const int label_h[] = {25, 24, 25, 25};
  for (size_t i = 0; i < 4; ++i) {
    w_.row_labels[i] = ui::text_line(265, row_y[i], 193, label_h[i]);
    // The area's value sits one pixel left of the others.
    w_.row_values[i] = ui::result_field(i == 3 ? 480 : 481, row_y[i], 255);
  }
  w_.row_labels[2]->value(context_.lang(texts::kAngleB));
  w_.row_labels[3]->value(context_.lang(texts::kTriangleArea));

  auto dms_group = [this](int group_y, int degrees_x, std::array<Fl_Output*, 3>& fields) {
    auto* group = new Fl_Group(476, group_y, 264, 34);
    const int x[] = {degrees_x, 551, 608};
    const int w[] = {32, 35, 69};
    for (size_t i = 0; i < 3; ++i) {
      fields[i] = ui::result_field(x[i], group_y + 4, w[i]);
      fields[i]->copy_label(context_.lang(texts::kDmsMarks[i]));
      fields[i]->align(kUnitAlign);
    }
    group->end();
    group->hide();
    return group;
  };
  w_.row2_dms_group = dms_group(443, 496, w_.row2_dms);
  w_.row3_dms_group = dms_group(476, 497, w_.row3_dms);
  panel->end();
  w_.reason = ui::reason_line({202, 552, 586, 25});
}

void RightTrianglePage::bind_state() {
  state_.texts({{"s1a", w_.input1},
                {"p2_input_dms_1_0", w_.angle[0]},
                {"p2_input_dms_1_1", w_.angle[1]},
                {"p2_input_dms_1_2", w_.angle[2]},
                {"s2a", w_.input2}});
  state_.radio("p2_know", {w_.case_buttons.begin(), w_.case_buttons.end()});
  units_->bind_state(state_, "p2_measure");
  state_.pair("p2_decimal_dms", w_.decimal, w_.dms);
  state_.spinner("p2_precision", w_.precision, kPlaces.initial, kPlaces.fewest, kPlaces.most);
}

// ---- modes and results ----

void RightTrianglePage::case_chosen(RightTriangleCase known) {
  case_ = known;
  show_layout();
  w_.input1->value("");
  w_.input2->value("");
  // An emptied field is never out of range, whatever it held before.
  ui::colour_as_typed(w_.input2);
  show_results({});
  // At start-up the page may be hidden: leave the focus alone.
  if (w_.input1->visible_r())
    w_.input1->take_focus();
}

void RightTrianglePage::show_layout() {
  const RightTriangleLayout layout = right_triangle_layout(case_, w_.dms->value() != 0);
  w_.input1_label->value(context_.lang(layout.input1_label));
  w_.input2_label->value(context_.lang(layout.input2_label));
  w_.row_labels[0]->value(context_.lang(layout.row1_label));
  w_.row_labels[1]->value(context_.lang(layout.row2_label));
  w_.input2->set_bounds(0.0, layout.second_is_angle ? kRightTriangleLargestAngle : 0.0);
  w_.input2->hold_angles(layout.second_is_angle);

  ui::show_and_enable_if(w_.input2_group, !layout.angle_as_dms);
  for (Fl_Group* group : w_.angle_groups)
    ui::show_and_enable_if(group, layout.angle_as_dms);
  ui::show_and_enable_if(w_.row_values[kRow2], !layout.row2_as_dms);
  ui::show_and_enable_if(w_.row2_dms_group, layout.row2_as_dms);
  ui::show_and_enable_if(w_.row_values[kRow3], !layout.row3_as_dms);
  ui::show_and_enable_if(w_.row3_dms_group, layout.row3_as_dms);
}

std::vector<Fl_Input_*> RightTrianglePage::length_fields() const {
  if (has_known_angle(case_))
    return {w_.input1};
  return {w_.input1, w_.input2};
}

void RightTrianglePage::angle_format_chosen(bool dms) {
  // A typed angle A moves to the fields that show it now.
  if (has_known_angle(case_)) {
    if (dms && !w_.angle_groups[0]->visible()) {
      ui::write_dms_fields_from_text(w_.input2->number_text(), {w_.angle[0], w_.angle[1], w_.angle[2]});
      for (ui::CheckedInput* field : w_.angle)
        ui::colour_as_typed(field);
    } else if (!dms && !w_.input2_group->visible()) {
      ui::show_text(w_.input2,
                    right_triangle_decimal_angle_text(
                        {w_.angle[0]->number_text(), w_.angle[1]->number_text(), w_.angle[2]->number_text()}));
      ui::colour_as_typed(w_.input2);
    }
  }
  show_layout();
  recompute();
}

void RightTrianglePage::recompute() {
  const double places = w_.precision->value();
  show_results(right_triangle_form(
      {case_,
       w_.dms->value() != 0,
       typed(w_.input1),
       typed(w_.input2),
       {typed(w_.angle[0]), typed(w_.angle[1]), typed(w_.angle[2])},
       std::isfinite(places)
           ? static_cast<int>(std::clamp<double>(places, kPlaces.fewest, kPlaces.most))
           : kPlaces.initial}));
}

void RightTrianglePage::show_results(const RightTriangleForm& form) {
  for (size_t i = 0; i < 4; ++i)
    ui::show_text(w_.row_values[i], form.rows[i]);
  for (size_t i = 0; i < 3; ++i) {
    ui::show_text(w_.row2_dms[i], form.row2_dms[i]);
    ui::show_text(w_.row3_dms[i], form.row3_dms[i]);
  }
  ui::show_reason(w_.reason, context_, form.reason);
}

// ---- life cycle ----

void RightTrianglePage::enter_start_mode() {
  w_.case_buttons[0]->setonly();
  case_chosen(RightTriangleCase::kSideBAngleA);
}

void RightTrianglePage::apply_settings() { units_->apply_settings(); }

Fl_Input* RightTrianglePage::focus_input() { return w_.input1; }

void RightTrianglePage::restored() {
  if (const int i = ui::chosen_index(w_.case_buttons); i >= 0)
    case_ = static_cast<RightTriangleCase>(i + 1);
  show_layout();
  // Restored texts are coloured as if they had been typed.
  ui::colour_as_typed(w_.input2);
  for (ui::CheckedInput* field : w_.angle)
    ui::colour_as_typed(field);
  recompute();
}

} // namespace geometry
