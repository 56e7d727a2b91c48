// The oblique-triangle page: widgets, their bindings, and its State.ini keys.
#include "pages/geometry/oblique_triangle_page.h"
#include "ui/look.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <string>

#include "core/geometry/geometry_texts.h"
#include "core/geometry/oblique_triangle_form.h"
#include "core/i18n/common_texts.h"
#include "core/numeric/input_rules.h"
#include "ui/field_io.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/state_keys.h"

namespace geometry {

namespace {

using ui::CheckedInput;
using ui::show_and_enable_if;

// The blue of the first sixteen colours, as the note has always been drawn.

// What the page's fields accept.
constexpr numeric::RangeRule kSideRule = numeric::any_decimal();

constexpr ui::Places kPlaces{2, 6, 3};

// The cases, in the order of the buttons.
constexpr std::array<i18n::TextId, 4> kCaseTexts = {
    texts::kObliqueThreeSides, texts::kObliqueTwoSidesAngle, texts::kObliqueSideTwoAngles,
    texts::kObliqueThreeAngles};

// Row positions on the page.
constexpr std::array<int, 3> kRowY = {324, 350, 376};
constexpr std::array<int, 3> kResultY = {439, 463, 487};
constexpr std::array<int, 3> kDmsX = {530, 585, 640};
constexpr std::array<int, 3> kDmsW = {36, 39, 67};
constexpr std::array<int, 3> kResultDmsX = {538, 589, 642};
constexpr std::array<int, 3> kResultDmsW = {30, 30, 63};

void set_text(Fl_Input_* field, const std::string& text) { field->value(text.c_str()); }

TypedText typed(const CheckedInput* field) {
  return {field->number_text(), ui::refuses_its_value(field)};
}

std::array<std::string, 3> texts(const std::array<CheckedInput*, 3>& fields) {
  return {fields[0]->number_text(), fields[1]->number_text(), fields[2]->number_text()};
}

} // namespace

// ---- building ----

void ObliqueTrianglePage::build(Fl_Group&) {
  using namespace texts;
  w_.sketch = build_triangle2_sketch({context_.lang(kLegendStart), context_.lang(kLegendRed),
                                      context_.lang(kLegendRest), context_.lang(kLegendSecondLine),
                                      context_.lang(kSketchSideA), context_.lang(kSketchSideB),
                                      context_.lang(kSketchSideC)});
  build_choices();
  build_input_rows();
  build_results();
  bind_state();
}

void ObliqueTrianglePage::build_choices() {
  Fl_Group* cases =
      ui::framed_group(171, 41, 212, 104, context_.lang_or(texts::kKnownCasesTitle, "").c_str());
  constexpr std::array<int, 4> case_y = {44, 69, 93, 116};
  for (size_t i = 0; i < 4; ++i) {
    w_.case_buttons[i] =
        ui::radio_button(177, case_y[i], 195, 25, context_.lang(kCaseTexts[i]), nullptr);
    const auto known = static_cast<ObliqueKnown>(i + 1);
    on(w_.case_buttons[i], [this, known] { case_chosen(known); });
  }
  cases->end();

  std::tie(w_.inch, w_.mm) =
      ui::framed_inch_mm(context_, {171, 149, 212, 33}, {177, 153, 100, 25}, {281, 153, 100, 25});
  units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kObliqueTriangle, w_.inch, w_.mm,
      [this] { return length_fields(); }, [this] { recompute(); });

  std::tie(w_.decimal, w_.dms) =
      framed_angle_formats({171, 185, 212, 33}, {177, 191, 100, 25}, {281, 189, 100, 25},
                           [this](bool dms) { angle_format_chosen(dms); });

  auto* note_group = new Fl_Group(165, 208, 321, 86);
  w_.note = new Fl_Box(170, 237, 222, 48);
  w_.note->copy_label(context_.lang_or(texts::kObliqueShapeOnlyNote, "").c_str());
  w_.note->labelcolor(ui::kCaptionBlue);
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
    // Each field has its own rule: one row may hold an angle (with a
    // range) while another holds a side (without).
    w_.decimal_inputs[r] = ui::make_checked_input(context_, kSideRule, 522, y, 185, 25);
    w_.decimal_inputs[r]->measure_in([this] { return units_->metric(); });
    w_.decimal_groups[r]->end();

    for (size_t c = 0; c < 3; ++c) {
      auto* part = new Fl_Group(kDmsX[c], y, kDmsW[c] + 14, 25);
      auto* field =
          ui::make_checked_input(context_, numeric::kDmsRules[c], kDmsX[c], y, kDmsW[c], 25);
      field->copy_label(context_.lang_or(texts::kDmsMarks[c], "").c_str());
      field->align(FL_ALIGN_RIGHT);
      part->end();
      show_and_enable_if(part, false);
      w_.dms_groups[r][c] = part;
      w_.dms_inputs[r][c] = field;
    }
    for (CheckedInput* field :
         {w_.decimal_inputs[r], w_.dms_inputs[r][0], w_.dms_inputs[r][1], w_.dms_inputs[r][2]}) {
      field->on_valid([this] { recompute(); });
      field->on_invalid([this] { show_results({}); });
    }
  }

  w_.precision = ui::places_spinner(context_, {674, 403, 32, 25}, kPlaces);
  on(w_.precision, [this] { recompute(); });
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
      w_.result_dms[r][c]->copy_label(context_.lang_or(texts::kDmsMarks[c], "").c_str());
      w_.result_dms[r][c]->align(FL_ALIGN_RIGHT);
    }
    w_.result_dms_groups[r]->end();
    w_.result_dms_groups[r]->hide();
  }
  w_.area_label = ui::text_line(262, 511, 185, 23, context_.lang(texts::kTriangleArea));
  w_.area = ui::result_field(522, 511, 185, 23);
  w_.reason = ui::reason_line({262, 542, 545, 50});
}

void ObliqueTrianglePage::bind_state() {
  for (size_t r = 0; r < 3; ++r)
    state_.text("tri2l" + std::to_string(r) + "a", w_.decimal_inputs[r]);
  // Row number 1-3, then 0 degrees, 1 minutes, 2 seconds.
  for (size_t r = 0; r < 3; ++r)
    for (size_t c = 0; c < 3; ++c)
      state_.text("p3_input_dms_" + std::to_string(r + 1) + "_" + std::to_string(c),
                  w_.dms_inputs[r][c]);
  state_.radio("p3_know", {w_.case_buttons.begin(), w_.case_buttons.end()});
  units_->bind_state(state_, "p3_measure");
  state_.pair("p3_decimal_dms", w_.decimal, w_.dms);
  state_.spinner("p3_precision", w_.precision, kPlaces.initial, kPlaces.fewest, kPlaces.most);
}

// ---- modes ----

void ObliqueTrianglePage::show_mode() {
  const ObliqueFormLayout l = oblique_form_layout(known_, w_.dms->value() != 0);
  for (size_t r = 0; r < 3; ++r) {
    w_.decimal_inputs[r]->set_bounds(0.0, l.row_is_angle[r] ? kObliqueLargestAngle : 0.0);
    w_.decimal_inputs[r]->hold_angles(l.row_is_angle[r]);
    set_text(w_.row_labels[r], context_.lang_or(l.row_labels[r], ""));
    show_and_enable_if(w_.decimal_groups[r], !l.row_as_dms[r]);
    for (Fl_Group* part : w_.dms_groups[r])
      show_and_enable_if(part, l.row_as_dms[r]);
    set_text(w_.result_labels[r], context_.lang_or(l.result_labels[r], ""));
    show_and_enable_if(w_.result_values[r], !l.result_as_dms[r]);
    show_and_enable_if(w_.result_dms_groups[r], l.result_as_dms[r]);
  }
  ui::show_if(w_.note, l.note_shown);
  show_given(w_.sketch, oblique_layout(known_).given);
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
    for (CheckedInput* field :
         {w_.decimal_inputs[r], w_.dms_inputs[r][0], w_.dms_inputs[r][1], w_.dms_inputs[r][2]}) {
      set_text(field, "");
      ui::colour_as_typed(field);
    }
  }
  show_results({});
}

std::vector<Fl_Input_*> ObliqueTrianglePage::length_fields() const {
  std::vector<Fl_Input_*> fields;
  const ObliqueLayout& l = oblique_layout(known_);
  for (size_t r = 0; r < 3; ++r)
    if (!is_angle(l.given[r]))
      fields.push_back(w_.decimal_inputs[r]);
  return fields;
}

void ObliqueTrianglePage::angle_format_chosen(bool dms) {
  // Each typed angle moves to the fields that show it now, once.
  const ObliqueLayout& l = oblique_layout(known_);
  for (size_t r = 0; r < 3; ++r) {
    if (!is_angle(l.given[r]) || (w_.dms_groups[r][0]->visible() != 0) == dms)
      continue;
    CheckedInput* decimal = w_.decimal_inputs[r];
    if (dms) {
      ui::write_dms_fields_from_text(
          decimal->number_text(), {w_.dms_inputs[r][0], w_.dms_inputs[r][1], w_.dms_inputs[r][2]});
      for (CheckedInput* field : w_.dms_inputs[r])
        ui::colour_as_typed(field);
    } else {
      set_text(decimal, oblique_decimal_angle_text(texts(w_.dms_inputs[r])));
      ui::colour_as_typed(decimal);
    }
  }
  show_mode();
  recompute();
}

// ---- results ----

void ObliqueTrianglePage::recompute() {
  ObliqueFormInput input{known_, w_.dms->value() != 0, {}, {}, kPlaces.initial};
  for (size_t r = 0; r < 3; ++r) {
    input.decimal[r] = typed(w_.decimal_inputs[r]);
    for (size_t c = 0; c < 3; ++c)
      input.row_dms[r][c] = typed(w_.dms_inputs[r][c]);
  }
  input.places = static_cast<int>(w_.precision->value());
  show_results(oblique_form(input));
}

void ObliqueTrianglePage::show_results(const ObliqueForm& form) {
  for (size_t r = 0; r < 3; ++r) {
    set_text(w_.result_values[r], form.results[r]);
    for (size_t c = 0; c < 3; ++c)
      set_text(w_.result_dms[r][c], form.result_dms[r][c]);
  }
  set_text(w_.area, form.area);
  ui::show_reason(w_.reason, context_, form.reason);
}

// ---- life cycle ----

void ObliqueTrianglePage::enter_start_mode() {
  ui::set_radio(w_.case_buttons[0]);
  known_ = ObliqueKnown::kThreeSides;
  show_mode();
}

void ObliqueTrianglePage::apply_settings() { units_->apply_settings(); }

Fl_Input* ObliqueTrianglePage::focus_input() {
  // With row 1 in degrees, minutes and seconds its degrees field stands in
  // for the hidden decimal field.
  if (w_.decimal_groups[0]->visible())
    return w_.decimal_inputs[0];
  return w_.dms_inputs[0][0];
}

void ObliqueTrianglePage::restored() {
  if (const int i = ui::chosen_index(w_.case_buttons); i >= 0)
    known_ = static_cast<ObliqueKnown>(i + 1);
  show_mode();
  recompute();
}

} // namespace geometry
