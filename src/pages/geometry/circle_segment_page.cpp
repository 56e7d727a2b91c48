// Circle segment and chord: widgets, their bindings and State.ini keys.
#include "pages/geometry/circle_segment_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <algorithm>
#include <string>

#include "core/geometry/circle_segment_form.h"
#include "core/geometry/geometry_texts.h"
#include "core/i18n/common_texts.h"
#include "pages/geometry/circle_segment_sketch.h"
#include "ui/checked_input.h"
#include "ui/look.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/state_keys.h"

namespace geometry {

namespace {

// What the page's fields accept.
constexpr numeric::RangeRule kFirstRule = numeric::any_decimal();
constexpr numeric::RangeRule kDiameterRule = numeric::any_decimal();
constexpr numeric::RangeRule kSecondRule = numeric::any_decimal();

constexpr ui::Places kPlaces{2, 6, 3};

// Language entries.
constexpr int kExplanationLines = 7;

// Rows R3 and R4: the angle and the rest of the full turn.
constexpr size_t kAngleRow = 2;
constexpr size_t kRestRow = 3;

std::array<std::string, 3> texts(const ui::DmsFields& triple) {
  return {triple[0]->value(), triple[1]->value(), triple[2]->value()};
}

void set_texts(const ui::DmsFields& triple, const std::array<std::string, 3>& values) {
  for (size_t i = 0; i < 3; ++i)
    ui::show_text(triple[i], values[i]);
}

} // namespace

// ---- building ----

void CircleSegmentPage::build(Fl_Group&) {
  w_.explanation = new Fl_Group(165, 3, 378, 183);
  for (int i = 0; i < kExplanationLines; ++i) {
    // Seven lines spread evenly from y 8 to y 160.
    auto* line = new Fl_Box(i == 0 ? 168 : 167, 8 + (152 * i + 3) / 6, 371, 20);
    // The explanation's lines are consecutive entries.
    line->copy_label(context_.lang(texts::kSegmentExplanation + i));
    line->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  }
  w_.explanation->end();

  build_inputs();
  build_switches();
  build_results();
  bind_state();

  w_.sketch = new chord(550, 6, 263, 203, context_.lang_or(texts::kSegmentSketchSector, ""),
                        context_.lang_or(texts::kSegmentSketchSegment, ""));
}

void CircleSegmentPage::build_inputs() {
  w_.known = new Fl_Choice(168, 227, 234, 24);
  w_.known->copy_label(context_.lang(texts::kSegmentKnownLabel));
  w_.known->align(FL_ALIGN_TOP_LEFT);
  w_.known->down_box(FL_GTK_DOWN_BOX);
  ui::fill_text_menu(w_.known, context_, {kSegmentMenuTexts.begin(), kSegmentMenuTexts.end()});
  on(w_.known, [this] { case_chosen(); });

  w_.first_label = ui::text_line(412, 226, 150, 25);
  w_.first = ui::make_checked_input(context_, kFirstRule, 566, 226, 75, 25);
  w_.first->on_valid([this] { first_changed(); });
  w_.diameter = ui::make_checked_input(context_, kDiameterRule, 740, 227, 65, 25);
  w_.diameter->copy_label(context_.lang(texts::kSegmentDiameter));
  w_.diameter->on_valid([this] { diameter_changed(); });
  w_.diameter->hide();

  w_.second_label = ui::text_line(412, 253, 150, 25);
  w_.second_group = new Fl_Group(564, 253, 79, 25);
  w_.second = ui::make_checked_input(context_, kSecondRule, 566, 253, 75, 25);
  w_.second->on_valid([this] { recompute(); });
  w_.second_group->end();

  struct DmsBox {
    int gx, gy, gw, gh, x, w;
  };
  constexpr DmsBox kDmsBoxes[] = {
      {558, 252, 63, 28, 583, 36}, {619, 253, 64, 27, 641, 40}, {681, 252, 90, 28, 706, 64}};
  for (size_t i = 0; i < 3; ++i) {
    const DmsBox& b = kDmsBoxes[i];
    auto* group = new Fl_Group(b.gx, b.gy, b.gw, b.gh);
    const int part = static_cast<int>(i);
    auto* field = ui::make_checked_input(context_, numeric::kDmsRules[part], b.x, 253, b.w, 25);
    field->copy_label(context_.lang(texts::kDmsMarks[i]));
    field->align(FL_ALIGN_RIGHT); // 12° 30′ 15″
    field->on_valid([this] { recompute(); });
    group->end();
    ui::show_and_enable_if(group, false);
    w_.second_dms_groups[i] = group;
    w_.second_dms[i] = field;
  }
  for (ui::CheckedInput* field : {w_.first, w_.diameter, w_.second})
    field->on_invalid([this] { show_results({}); });
  for (Fl_Input_* field : w_.second_dms)
    static_cast<ui::CheckedInput*>(field)->on_invalid([this] { show_results({}); });
}

void CircleSegmentPage::build_switches() {
  std::tie(w_.inch, w_.mm) =
      ui::framed_inch_mm(context_, {165, 314, 164, 32}, {172, 318, 68, 25}, {247, 318, 68, 25});
  units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kCircleSegment, w_.inch, w_.mm,
      [this] { return length_fields(); }, [this] { recompute(); });
  for (ui::CheckedInput* length : {w_.first, w_.diameter, w_.second})
    length->measure_in(*units_);

  std::tie(w_.decimal, w_.dms) =
      framed_angle_formats({336, 314, 170, 32}, {346, 318, 74, 25}, {432, 319, 64, 25},
                           [this](bool dms) { angle_format_chosen(dms); });

  w_.precision = ui::places_spinner(context_, {716, 320, 34, 25}, kPlaces);
  on(w_.precision, [this] { recompute(); });
}

void CircleSegmentPage::build_results() {
  auto* panel = new Fl_Box(165, 348, 651, 243);
  panel->box(FL_GTK_DOWN_BOX);
  panel->color(ui::kPageBackground);

  for (size_t row = 0; row < w_.row_values.size(); ++row) {
    const int y = 355 + 23 * static_cast<int>(row);
    w_.row_labels[row] = ui::text_line(264, y, 197, 23);
    w_.row_values[row] = ui::result_field(487, y, 200, 23);
  }

  auto dms_group = [this](int gx, int y, int gw, ui::DmsFields& fields) {
    auto* group = new Fl_Group(gx, y, gw, 25);
    constexpr int kX[] = {501, 572, 638};
    constexpr int kW[] = {40, 40, 64};
    for (size_t i = 0; i < 3; ++i) {
      auto* field = ui::result_field(kX[i], y, kW[i], 23);
      field->copy_label(context_.lang(texts::kDmsMarks[i]));
      field->align(FL_ALIGN_RIGHT);
      fields[i] = field;
    }
    group->end();
    group->hide();
    return group;
  };
  // Between the inputs and the switches, where the eye goes from one to the other.
  w_.reason = ui::reason_line({168, 283, 650, 28});
  w_.angle_dms_group = dms_group(472, 401, 230, w_.angle_dms);
  w_.rest_dms_group = dms_group(475, 424, 227, w_.rest_dms);
}

void CircleSegmentPage::bind_state() {
  state_.texts({{"inp1a", w_.first},
                {"inp2a", w_.second},
                {"p1_input_dms_1_0", w_.second_dms[0]},
                {"p1_input_dms_1_1", w_.second_dms[1]},
                {"p1_input_dms_1_2", w_.second_dms[2]}});
  state_.choice("p1_know", w_.known);
  state_.pair("p1_decimal_dms", w_.decimal, w_.dms);
  units_->bind_state(state_, "p1_measure");
  state_.spinner("p1_precision", w_.precision, kPlaces.initial, kPlaces.fewest, kPlaces.most);
}

// ---- modes and results ----

void CircleSegmentPage::case_chosen() {
  const int item = w_.known->value();
  if (item >= 0 && item < kSegmentMenuItems)
    apply_case(kSegmentMenuCases[static_cast<size_t>(item)]);
}

void CircleSegmentPage::apply_case(SegmentKnown known) {
  known_ = known;
  show_layout();
  // A new case starts from empty fields, all black: a field without a
  // range in the new case would otherwise stay red for good.
  for (Fl_Input_* field : {static_cast<Fl_Input_*>(w_.first), static_cast<Fl_Input_*>(w_.second),
                           static_cast<Fl_Input_*>(w_.diameter), w_.second_dms[0], w_.second_dms[1],
                           w_.second_dms[2]}) {
    field->value("");
    field->textcolor(ui::kTextOk);
  }
  show_results({});
  w_.first->take_focus();
}

void CircleSegmentPage::show_layout() {
  const SegmentLayout layout = segment_layout(known_, w_.dms->value() != 0);
  w_.second->set_bounds(0.0, layout.second_is_angle ? kSegmentLargestAngle : 0.0);
  w_.second->hold_angles(layout.second_is_angle);
  w_.first_label->value(context_.lang_or(layout.first_label, "").c_str());
  w_.second_label->value(context_.lang_or(layout.second_label, "").c_str());
  for (size_t row = 0; row < w_.row_labels.size(); ++row)
    w_.row_labels[row]->value(context_.lang_or(layout.row_labels[row], "").c_str());
  ui::show_if(w_.diameter, layout.diameter_offered);
  ui::show_if(w_.second_group, !layout.second_as_dms);
  for (Fl_Group* group : w_.second_dms_groups)
    ui::show_and_enable_if(group, layout.second_as_dms);
  ui::show_if(w_.row_values[kAngleRow], !layout.angle_row_as_dms);
  ui::show_if(w_.angle_dms_group, layout.angle_row_as_dms);
  ui::show_if(w_.row_values[kRestRow], !layout.rest_row_as_dms);
  ui::show_if(w_.rest_dms_group, layout.rest_row_as_dms);
}

void CircleSegmentPage::first_changed() {
  if (first_is_radius(known_))
    ui::show_text(w_.diameter, segment_diameter_text(w_.first->number_text()));
  recompute();
}

void CircleSegmentPage::diameter_changed() {
  ui::show_text(w_.first, segment_radius_text(w_.diameter->number_text()));
  recompute();
}

void CircleSegmentPage::angle_format_chosen(bool dms) {
  // A typed angle moves to the fields that show it now.
  if (second_is_angle(known_)) {
    if (dms) {
      ui::write_dms_fields_from_text(w_.second->number_text(), w_.second_dms);
      w_.second->value("");
    } else {
      ui::show_text(w_.second, segment_decimal_angle_text(texts(w_.second_dms)));
    }
  }
  show_layout();
  recompute();
}

std::vector<Fl_Input_*> CircleSegmentPage::length_fields() const {
  std::vector<Fl_Input_*> fields = {w_.first};
  if (first_is_radius(known_))
    fields.push_back(w_.diameter);
  if (!second_is_angle(known_))
    fields.push_back(w_.second);
  return fields;
}

void CircleSegmentPage::recompute() {
  const int places =
      std::clamp(static_cast<int>(w_.precision->value()), kPlaces.fewest, kPlaces.most);
  show_results(segment_form({known_, w_.dms->value() != 0, w_.first->number_text(), w_.second->number_text(),
                             texts(w_.second_dms), places, any_refused()}));
}

std::vector<ui::CheckedInput*> CircleSegmentPage::angle_fields() const {
  if (w_.second_group->visible())
    return {w_.second};
  std::vector<ui::CheckedInput*> fields;
  for (Fl_Input_* field : w_.second_dms)
    fields.push_back(static_cast<ui::CheckedInput*>(field));
  return fields;
}

bool CircleSegmentPage::any_refused() const {
  const std::vector<ui::CheckedInput*> fields = angle_fields();
  return std::any_of(fields.begin(), fields.end(), ui::refuses_its_value);
}

void CircleSegmentPage::show_results(const SegmentForm& form) {
  for (size_t row = 0; row < w_.row_values.size(); ++row)
    ui::show_text(w_.row_values[row], form.rows[row]);
  set_texts(w_.angle_dms, form.angle_dms);
  set_texts(w_.rest_dms, form.rest_dms);
  ui::show_reason(w_.reason, context_, form.reason);
}

// ---- life cycle ----

void CircleSegmentPage::enter_start_mode() {
  w_.known->value(kSegmentStartItem);
  apply_case(kSegmentMenuCases[kSegmentStartItem]);
}

void CircleSegmentPage::apply_settings() { units_->apply_settings(); }

Fl_Input* CircleSegmentPage::focus_input() { return w_.first; }

void CircleSegmentPage::restored() {
  const int item = w_.known->value();
  if (item >= 0 && item < kSegmentMenuItems)
    known_ = kSegmentMenuCases[static_cast<size_t>(item)];
  show_layout();
  // The diameter is not saved: it follows the restored radius. An angle the
  // field refuses comes back red, as it was left.
  ui::show_text(w_.diameter, segment_diameter_text(w_.first->number_text()));
  for (ui::CheckedInput* field : angle_fields())
    ui::colour_as_typed(field);
  recompute();
}

} // namespace geometry
