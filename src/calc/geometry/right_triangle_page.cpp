#include "calc/geometry/right_triangle_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
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
#include "calc/geometry/triangle1.h"
#include "numeric/input_rules.h"
#include "numeric/number_text.h"

namespace geometry {

namespace {

constexpr Fl_Color kLabelColour = 50;
constexpr Fl_Color kValueColour = 215;
// The degree, minute and second marks follow their numbers: 36° 52′ 11.6″.
constexpr Fl_Align kUnitAlign = FL_ALIGN_RIGHT;

// Range records of the page's fields.
constexpr int kInput1Record = 6;
constexpr int kDegreesRecord = 7;
constexpr int kMinutesRecord = 8;
constexpr int kSecondsRecord = 9;
constexpr int kInput2Record = 10;
// Input 2 holds angle A in cases 1-3.
constexpr double kAngleMax = 179.9999999;

// What each case asks for and shows: string-table entries of the two input
// labels and the first two result rows.
struct CaseLabels {
  int input1, input2, row1, row2;
};
constexpr std::array<CaseLabels, 6> kCaseLabels = {{
    {71, 72, 73, 74}, // b, A -> a, c
    {75, 72, 76, 74}, // a, A -> b, c
    {77, 72, 76, 73}, // c, A -> b, a
    {71, 75, 74, 79}, // b, a -> c, A
    {71, 77, 73, 79}, // b, c -> a, A
    {75, 77, 76, 79}, // a, c -> b, A
}};

size_t case_index(RightTriangleCase known) { return static_cast<size_t>(known) - 1; }

// The quantities of result rows 1 and 2 by case.
std::array<double, 2> first_rows(RightTriangleCase known, const RightTriangle& t) {
  switch (known) {
  case RightTriangleCase::kSideBAngleA:
    return {t.side_a, t.side_c};
  case RightTriangleCase::kSideAAngleA:
    return {t.side_b, t.side_c};
  case RightTriangleCase::kHypotenuseAngleA:
    return {t.side_b, t.side_a};
  case RightTriangleCase::kSidesBA:
    return {t.side_c, t.angle_a};
  case RightTriangleCase::kSideBHypotenuse:
    return {t.side_a, t.angle_a};
  case RightTriangleCase::kSideAHypotenuse:
    return {t.side_b, t.angle_a};
  }
  return {0.0, 0.0};
}

template <void (RightTrianglePage::*Handler)(Fl_Widget*)> void call(Fl_Widget* widget, void* page) {
  (static_cast<RightTrianglePage*>(page)->*Handler)(widget);
}

bool is_empty(const Fl_Input_* field) { return field->size() == 0; }

const numeric::RangeRule& rule_of(const ui::CheckedInput* field) { return field->range()->rule; }

bool out_of_range(const ui::CheckedInput* field) {
  return numeric::out_of_range(rule_of(field), field->value());
}

// Text the page wrote itself is coloured as if it had been typed.
void colour_by_range(ui::CheckedInput* field) {
  const ui::InputRange& range = *field->range();
  Fl_Color colour = out_of_range(field) ? range.colour_bad : range.colour_ok;
  if (field->textcolor() != colour) {
    field->textcolor(colour);
    field->redraw();
  }
}

Fl_Output* output_field(int x, int y, int w, int h, Fl_Color colour) {
  auto* field = new Fl_Output(x, y, w, h);
  field->color(colour);
  field->clear_visible_focus();
  return field;
}

// A row label: an output field that looks like the page behind it.
Fl_Output* label_field(int x, int y, int w, int h) {
  Fl_Output* field = output_field(x, y, w, h, kLabelColour);
  field->box(FL_FLAT_BOX);
  return field;
}

Fl_Output* value_field(int x, int y, int w, int h) {
  Fl_Output* field = output_field(x, y, w, h, kValueColour);
  field->box(FL_GTK_DOWN_BOX);
  return field;
}

} // namespace

RightTrianglePage::RightTrianglePage(ui::PageContext& app)
    : Page(app, ui::PageId::kRightTriangle) {}

void RightTrianglePage::build(Fl_Group&) {
  build_choices();
  build_inputs();
  build_results();
  w_.sketch =
      new Triangle1(480, 6, 310, 203,
                    {context_.lang(67), context_.lang(68), context_.lang(69), context_.lang(70)});

  for (int record = kInput1Record; record <= kInput2Record; ++record) {
    context_.input_range(record).on_valid = [this](Fl_Input*, long) { recompute(); };
    context_.input_range(record).on_invalid = [this](Fl_Input*, long) { clear_results(); };
  }
  context_.register_unit_pair(ui::UnitPairSlot::kRightTriangle, w_.inch, w_.mm);
}

void RightTrianglePage::build_choices() {
  auto* cases = new Fl_Group(189, 43, 230, 167);
  cases->box(FL_GTK_DOWN_FRAME);
  cases->copy_label(context_.lang(66));
  for (int i = 0; i < 6; ++i) {
    Fl_Round_Button* button =
        ui::radio_button(207, 53 + 25 * i, 205, 25, context_.lang(60 + i), nullptr);
    button->callback(call<&RightTrianglePage::on_case>, this);
    w_.case_buttons[static_cast<size_t>(i)] = button;
  }
  cases->end();

  auto* units = new Fl_Group(189, 213, 230, 33);
  units->box(FL_GTK_DOWN_FRAME);
  w_.inch = ui::radio_button(202, 217, 104, 25, context_.lang(20), context_.lang(56));
  w_.mm = ui::radio_button(311, 217, 104, 25, context_.lang(19), context_.lang(59));
  for (Fl_Button* button : {w_.inch, w_.mm})
    button->callback(call<&RightTrianglePage::on_unit>, this);
  units->end();
  w_.inch->setonly();

  auto* formats = new Fl_Group(189, 248, 230, 33);
  formats->box(FL_GTK_DOWN_FRAME);
  w_.decimal = ui::radio_button(200, 252, 104, 25, context_.lang(55), context_.lang(57));
  w_.dms = ui::radio_button(311, 252, 104, 25, context_.lang(99), context_.lang(58));
  for (Fl_Button* button : {w_.decimal, w_.dms})
    button->callback(call<&RightTrianglePage::on_angle_format>, this);
  formats->end();
  w_.decimal->setonly();
}

void RightTrianglePage::build_inputs() {
  w_.input1_label = label_field(265, 287, 208, 25);
  w_.input1 = ui::make_checked_input(context_, kInput1Record, 481, 287, 261, 25);
  w_.input2_label = label_field(265, 321, 211, 25);

  w_.input2_group = new Fl_Group(480, 320, 265, 28);
  w_.input2 = ui::make_checked_input(context_, kInput2Record, 481, 321, 261, 25);
  w_.input2_group->end();

  struct AngleField {
    int record, group_x, group_y, group_w, group_h, x, y, w, label;
  };
  const AngleField angle_fields[] = {
      {kDegreesRecord, 469, 320, 60, 26, 495, 320, 32, 269},
      {kMinutesRecord, 527, 320, 95, 27, 585, 321, 35, 270},
      {kSecondsRecord, 620, 321, 123, 25, 678, 321, 64, 271},
  };
  for (size_t i = 0; i < 3; ++i) {
    const AngleField& f = angle_fields[i];
    w_.angle_groups[i] = new Fl_Group(f.group_x, f.group_y, f.group_w, f.group_h);
    w_.angle[i] = ui::make_checked_input(context_, f.record, f.x, f.y, f.w, 25);
    w_.angle[i]->copy_label(context_.lang(f.label));
    w_.angle[i]->align(kUnitAlign);
    w_.angle_groups[i]->end();
    ui::show_and_enable_if(w_.angle_groups[i], false);
  }

  w_.precision = new Fl_Spinner(615, 365, 33, 25);
  w_.precision->copy_label(context_.lang(54));
  w_.precision->range(2, 6);
  w_.precision->step(1);
  w_.precision->value(3);
  w_.precision->callback(
      [](Fl_Widget*, void* page) { static_cast<RightTrianglePage*>(page)->recompute(); }, this);
  ui::report_every_change(w_.precision);
}

void RightTrianglePage::build_results() {
  auto* panel = new Fl_Group(202, 405, 586, 143);
  panel->box(FL_GTK_DOWN_FRAME);
  const int row_y[] = {415, 447, 480, 513};
  const int label_h[] = {25, 24, 25, 25};
  for (size_t i = 0; i < 4; ++i) {
    w_.row_labels[i] = label_field(265, row_y[i], 193, label_h[i]);
    // The area's value sits one pixel left of the others.
    w_.row_values[i] = value_field(i == 3 ? 480 : 481, row_y[i], 255, 25);
  }
  w_.row_labels[2]->value(context_.lang(80));
  w_.row_labels[3]->value(context_.lang(81));

  auto dms_group = [this](int group_y, int degrees_x, std::array<Fl_Output*, 3>& fields) {
    auto* group = new Fl_Group(476, group_y, 264, 34);
    const int x[] = {degrees_x, 551, 608};
    const int w[] = {32, 35, 69};
    for (size_t i = 0; i < 3; ++i) {
      fields[i] = value_field(x[i], group_y + 4, w[i], 25);
      fields[i]->copy_label(context_.lang(269 + static_cast<int>(i)));
      fields[i]->align(kUnitAlign);
    }
    group->end();
    group->hide();
    return group;
  };
  w_.row2_dms_group = dms_group(443, 496, w_.row2_dms);
  w_.row3_dms_group = dms_group(476, 497, w_.row3_dms);
  panel->end();
}

void RightTrianglePage::enter_start_mode() {
  w_.case_buttons[0]->setonly();
  case_ = RightTriangleCase::kSideBAngleA;
  apply_case();
}

void RightTrianglePage::apply_settings() {
  if (context_.unit_system() == 1) {
    ui::set_radio(w_.mm);
    fields_metric_ = true;
  }
}

Fl_Input* RightTrianglePage::focus_input() { return w_.input1; }

void RightTrianglePage::on_case(Fl_Widget* button) {
  auto found = std::find(w_.case_buttons.begin(), w_.case_buttons.end(), button);
  if (found == w_.case_buttons.end())
    return;
  case_ = static_cast<RightTriangleCase>(found - w_.case_buttons.begin() + 1);
  apply_case();
}

void RightTrianglePage::apply_case() {
  show_layout();
  const CaseLabels& labels = kCaseLabels[case_index(case_)];
  w_.input1_label->value(context_.lang(labels.input1));
  w_.input2_label->value(context_.lang(labels.input2));
  w_.row_labels[0]->value(context_.lang(labels.row1));
  w_.row_labels[1]->value(context_.lang(labels.row2));

  numeric::RangeRule& rule = w_.input2->range()->rule;
  rule.min = 0.0;
  rule.max = has_known_angle(case_) ? kAngleMax : 0.0;
  w_.input1->value("");
  w_.input2->value("");
  // An emptied field is never out of range, whatever it held before.
  colour_by_range(w_.input2);
  clear_results();
  // At start-up and on restore the page may be hidden: leave the focus alone.
  if (w_.input1->visible_r())
    w_.input1->take_focus();
}

void RightTrianglePage::show_layout() {
  const bool dms = w_.dms->value() != 0;
  const bool angle_case = has_known_angle(case_);
  const bool angle_in_dms = dms && angle_case;
  ui::show_and_enable_if(w_.input2_group, !angle_in_dms);
  for (Fl_Group* group : w_.angle_groups)
    ui::show_and_enable_if(group, angle_in_dms);
  // Row 2 is angle A in cases 4-6; row 3 is always angle B.
  const bool row2_dms = dms && !angle_case;
  ui::show_and_enable_if(w_.row_values[1], !row2_dms);
  ui::show_and_enable_if(w_.row2_dms_group, row2_dms);
  ui::show_and_enable_if(w_.row_values[2], !dms);
  ui::show_and_enable_if(w_.row3_dms_group, dms);
}

void RightTrianglePage::on_unit(Fl_Widget*) {
  const bool metric = w_.mm->value() != 0;
  if (metric != fields_metric_) {
    auto convert = metric ? ui::convert_field_inch_to_mm : ui::convert_field_mm_to_inch;
    convert(w_.input1);
    if (!has_known_angle(case_))
      convert(w_.input2);
    fields_metric_ = metric;
  }
  recompute();
}

void RightTrianglePage::on_angle_format(Fl_Widget*) {
  const bool dms = w_.dms->value() != 0;
  if (has_known_angle(case_)) {
    if (dms && !w_.angle_groups[0]->visible()) {
      ui::write_dms_fields_from_text(w_.input2->value(), {w_.angle[0], w_.angle[1], w_.angle[2]});
      for (ui::CheckedInput* field : w_.angle)
        colour_by_range(field);
    } else if (!dms && !w_.input2_group->visible()) {
      const double angle = ui::read_dms_fields({w_.angle[0], w_.angle[1], w_.angle[2]});
      // Ten digits, so that switching back and forth keeps the angle typed.
      char text[40] = "";
      if (angle > 0.0)
        std::snprintf(text, sizeof text, "%.10g", angle);
      w_.input2->value(text);
      colour_by_range(w_.input2);
    }
  }
  show_layout();
  recompute();
}

bool RightTrianglePage::angle_from_dms() const {
  return w_.dms->value() != 0 && has_known_angle(case_);
}

std::optional<RightTriangleInput> RightTrianglePage::read_input() const {
  if (std::fabs(ui::field_double(w_.input1)) < numeric::kMissing || out_of_range(w_.input1))
    return std::nullopt;
  RightTriangleInput input;
  input.known = case_;
  input.first = ui::field_double(w_.input1);
  if (angle_from_dms()) {
    if (std::all_of(w_.angle.begin(), w_.angle.end(), is_empty))
      return std::nullopt;
    // A red field is a value the user hasn't finished mending.
    if (std::any_of(w_.angle.begin(), w_.angle.end(), out_of_range))
      return std::nullopt;
    input.second = ui::read_dms_fields({w_.angle[0], w_.angle[1], w_.angle[2]});
  } else {
    if (is_empty(w_.input2) || out_of_range(w_.input2))
      return std::nullopt;
    input.second = ui::field_double(w_.input2);
  }
  return input;
}

void RightTrianglePage::recompute() {
  std::optional<RightTriangleInput> input = read_input();
  std::optional<RightTriangle> triangle;
  if (input)
    triangle = solve_right_triangle(*input);
  if (triangle)
    show_results(*triangle);
  else
    clear_results();
}

int RightTrianglePage::precision() const {
  double value = w_.precision->value();
  if (!std::isfinite(value))
    return 3;
  return static_cast<int>(std::clamp(value, 2.0, 6.0));
}

void RightTrianglePage::show_results(const RightTriangle& t) {
  const int p = precision();
  const std::array<double, 2> rows = first_rows(case_, t);
  ui::set_field_fixed(w_.row_values[0], p, rows[0]);
  ui::set_field_fixed(w_.row_values[1], p, rows[1]);
  if (!has_known_angle(case_))
    ui::write_dms_fields({w_.row2_dms[0], w_.row2_dms[1], w_.row2_dms[2]}, t.angle_a);
  ui::set_field_fixed(w_.row_values[2], p, t.angle_b);
  ui::write_dms_fields({w_.row3_dms[0], w_.row3_dms[1], w_.row3_dms[2]}, t.angle_b);
  ui::set_field_fixed(w_.row_values[3], p, t.area);
}

void RightTrianglePage::clear_results() {
  for (Fl_Output* field : w_.row_values)
    field->value("");
  for (Fl_Output* field : w_.row2_dms)
    field->value("");
  for (Fl_Output* field : w_.row3_dms)
    field->value("");
}

void RightTrianglePage::save_state(settings::IniDocument& state) const {
  ui::save_text(state, "p2:s1a", w_.input1);
  ui::save_text(state, "p2:p2_input_dms_1_0", w_.angle[0]);
  ui::save_text(state, "p2:p2_input_dms_1_1", w_.angle[1]);
  ui::save_text(state, "p2:p2_input_dms_1_2", w_.angle[2]);
  ui::save_text(state, "p2:s2a", w_.input2);
  ui::save_radio_index(state, "p2:p2_know",
                       std::vector<Fl_Button*>(w_.case_buttons.begin(), w_.case_buttons.end()));
  ui::save_pair(state, "p2:p2_measure", w_.inch);
  ui::save_pair(state, "p2:p2_decimal_dms", w_.decimal);
  ui::save_spinner(state, "p2:p2_precision", w_.precision);
}

void RightTrianglePage::load_state(const settings::IniDocument& state) {
  ui::load_radio_index(state, "p2:p2_know",
                       std::vector<Fl_Button*>(w_.case_buttons.begin(), w_.case_buttons.end()));
  ui::load_pair(state, "p2:p2_measure", w_.inch, w_.mm);
  fields_metric_ = w_.mm->value() != 0;
  ui::load_pair(state, "p2:p2_decimal_dms", w_.decimal, w_.dms);
  ui::load_spinner(state, "p2:p2_precision", w_.precision, 3.0, 2.0, 6.0);

  // The case and the angle format first, as their buttons would set them:
  // applying a case empties the inputs, so their texts come after.
  for (Fl_Button* button : w_.case_buttons)
    if (button->value())
      button->do_callback();
  (w_.dms->value() ? w_.dms : w_.decimal)->do_callback();

  ui::load_text(state, "p2:s1a", w_.input1);
  ui::load_text(state, "p2:p2_input_dms_1_0", w_.angle[0]);
  ui::load_text(state, "p2:p2_input_dms_1_1", w_.angle[1]);
  ui::load_text(state, "p2:p2_input_dms_1_2", w_.angle[2]);
  ui::load_text(state, "p2:s2a", w_.input2);
  colour_by_range(w_.input2);
  for (ui::CheckedInput* field : w_.angle)
    colour_by_range(field);
  w_.input1->do_callback();
}

} // namespace geometry
