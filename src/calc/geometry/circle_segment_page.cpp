// Page 1: circle segment and chord.
#include "calc/geometry/circle_segment_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "ui/look.h"
#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/state_keys.h"
#include "calc/geometry/chord.h"
#include "numeric/number_text.h"
#include "settings/ini_document.h"

namespace geometry {

namespace {

constexpr Fl_Color kBackground = 50;
constexpr Fl_Color kResultColour = 215;

// Range records of the page's fields.
constexpr int kFirstRecord = 0;
constexpr int kDiameterRecord = 1;
constexpr int kSecondRecord = 2;
constexpr int kDmsRecord = 3; // degrees; minutes and seconds follow
constexpr double kLargestAngle = 179.9999999;

// Texts shown in each input label and result row of a case. Slot 0 labels
// the first value, slot 1 the second, slots 2 ... 10 rows R1 to R3 and
// R5 to R10; R4 keeps its own label.
constexpr int kSlots = 11;
constexpr int kFirstSlotText = 39;
constexpr int kRestRowText = 51;
constexpr int kSlotsSetByCase = 6;
constexpr int kCaseSlots[][kSlotsSetByCase] = {
    {40, 44, 39, 42, 43, 41}, // chord, arc
    {39, 43, 41, 42, 40, 44}, // radius, angle
    {39, 40, 41, 42, 43, 44}, // radius, chord
    {39, 41, 40, 42, 43, 44}, // radius, height
    {39, 42, 40, 41, 43, 44}, // radius, distance
    {40, 41, 39, 42, 43, 44}, // chord, height
    {40, 42, 39, 41, 43, 44}, // chord, distance
    {41, 42, 39, 40, 43, 44}, // height, distance
    {39, 44, 41, 42, 43, 40}, // radius, arc
    {44, 43, 41, 42, 39, 40}, // arc, angle
    {40, 43, 41, 42, 39, 44}, // chord, angle
};

// The choice lists the cases in this order, with these texts.
constexpr SegmentKnown kMenuCases[] = {
    SegmentKnown::kRadiusAngle,    SegmentKnown::kRadiusHeight,   SegmentKnown::kChordHeight,
    SegmentKnown::kRadiusChord,    SegmentKnown::kRadiusDistance, SegmentKnown::kChordDistance,
    SegmentKnown::kHeightDistance, SegmentKnown::kChordArc,       SegmentKnown::kRadiusArc,
    SegmentKnown::kArcAngle,
};
constexpr int kMenuTexts[] = {29, 30, 31, 33, 34, 35, 32, 36, 37, 38};
constexpr int kStartMenuItem = 3; // radius and chord

// A value beyond the largest double has no text: its field stays empty.
std::string printed(const char* format, double value) {
  return std::isfinite(value) ? numeric::printf_text(format, value) : std::string();
}

// Radius and diameter follow each other with ten significant digits, so a
// typed diameter of 100.0001 gives a radius of 50.00005, not 50.
std::string linked_length_text(double value) { return printed("%.10g", value); }

void set_text(Fl_Input_* field, const std::string& text) { field->value(text.c_str()); }
bool is_empty(const Fl_Input_* field) { return !field->value() || !*field->value(); }

void empty_fields(const ui::DmsFields& triple) {
  for (Fl_Input_* field : triple)
    field->value("");
}

template <class Page, void (Page::*Handler)()> void call(Fl_Widget*, void* page) {
  (static_cast<Page*>(page)->*Handler)();
}

} // namespace

CircleSegmentPage::CircleSegmentPage(ui::PageContext& app)
    : ui::Page(app, ui::PageId::kCircleSegment) {}

void CircleSegmentPage::build(Fl_Group&) {
  w_.explanation = new Fl_Group(165, 3, 378, 183);
  for (int i = 0; i < 7; ++i) {
    // Seven lines spread evenly from y 8 to y 160.
    auto* line = new Fl_Box(i == 0 ? 168 : 167, 8 + (152 * i + 3) / 6, 371, 20);
    line->copy_label(context_.lang(21 + i));
    line->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  }
  w_.explanation->end();

  build_inputs();
  build_switches();
  build_results();

  const char* sector = context_.lang(52);
  const char* segment = context_.lang(53);
  w_.sketch = new chord(550, 6, 263, 203, sector ? sector : "", segment ? segment : "");
}

void CircleSegmentPage::build_inputs() {
  w_.known = new Fl_Choice(168, 227, 234, 24);
  w_.known->copy_label(context_.lang(28));
  w_.known->align(FL_ALIGN_TOP_LEFT);
  w_.known->down_box(FL_GTK_DOWN_BOX);
  ui::fill_text_menu(w_.known, context_, {std::begin(kMenuTexts), std::end(kMenuTexts)});
  w_.known->callback(call<CircleSegmentPage, &CircleSegmentPage::on_case_chosen>, this);

  w_.first_label = new ui::ReadOnlyField(412, 226, 150, 25, kBackground);
  w_.first = ui::make_checked_input(context_, kFirstRecord, 566, 226, 75, 25);
  w_.diameter = ui::make_checked_input(context_, kDiameterRecord, 740, 227, 65, 25);
  w_.diameter->copy_label(context_.lang(50));
  w_.diameter->hide();

  w_.second_label = new ui::ReadOnlyField(412, 253, 150, 25, kBackground);
  w_.second_group = new Fl_Group(564, 253, 79, 25);
  w_.second = ui::make_checked_input(context_, kSecondRecord, 566, 253, 75, 25);
  w_.second_group->end();

  struct DmsBox {
    int gx, gy, gw, gh, x, w;
  };
  constexpr DmsBox kDmsBoxes[] = {
      {558, 252, 63, 28, 583, 36}, {619, 253, 64, 27, 641, 40}, {681, 252, 90, 28, 706, 64}};
  for (size_t i = 0; i < 3; ++i) {
    const DmsBox& b = kDmsBoxes[i];
    auto* group = new Fl_Group(b.gx, b.gy, b.gw, b.gh);
    auto* field =
        ui::make_checked_input(context_, kDmsRecord + static_cast<int>(i), b.x, 253, b.w, 25);
    field->copy_label(context_.lang(269 + static_cast<int>(i)));
    field->align(FL_ALIGN_RIGHT); // 12° 30′ 15″
    group->end();
    group->hide();
    group->deactivate();
    w_.second_dms_groups[i] = group;
    w_.second_dms[i] = field;
  }

  context_.input_range(kFirstRecord).on_valid = [this](Fl_Input*, long) { on_first_changed(); };
  context_.input_range(kDiameterRecord).on_valid = [this](Fl_Input*, long) {
    on_diameter_changed();
  };
  for (int record = kSecondRecord; record <= kDmsRecord + 2; ++record)
    context_.input_range(record).on_valid = [this](Fl_Input*, long) { recompute(); };
  for (int record = kFirstRecord; record <= kDmsRecord + 2; ++record)
    context_.input_range(record).on_invalid = [this](Fl_Input*, long) { clear_results(); };
}

void CircleSegmentPage::build_switches() {
  auto radio = [this](int x, int y, int w, int text, int tip) {
    auto* button = new Fl_Round_Button(x, y, w, 25);
    button->type(FL_RADIO_BUTTON);
    button->copy_label(context_.lang(text));
    if (context_.lang(tip))
      button->copy_tooltip(context_.lang(tip));
    return button;
  };

  auto* units = new Fl_Group(165, 314, 164, 32);
  units->box(FL_GTK_DOWN_FRAME);
  w_.inch = radio(172, 318, 68, 20, 56);
  w_.mm = radio(247, 318, 68, 19, 59);
  units->end();
  w_.inch->setonly();
  w_.inch->callback(
      [](Fl_Widget*, void* page) { static_cast<CircleSegmentPage*>(page)->on_unit_chosen(false); },
      this);
  w_.mm->callback(
      [](Fl_Widget*, void* page) { static_cast<CircleSegmentPage*>(page)->on_unit_chosen(true); },
      this);
  context_.register_unit_pair(ui::UnitPairSlot::kCircleSegment, w_.inch, w_.mm);

  auto* angles = new Fl_Group(336, 314, 170, 32);
  angles->box(FL_GTK_DOWN_FRAME);
  w_.decimal = radio(346, 318, 74, 55, 57);
  w_.dms = radio(432, 319, 64, 99, 58);
  angles->end();
  w_.decimal->setonly();
  w_.decimal->callback(call<CircleSegmentPage, &CircleSegmentPage::on_decimal_chosen>, this);
  w_.dms->callback(call<CircleSegmentPage, &CircleSegmentPage::on_dms_chosen>, this);

  w_.precision = new Fl_Spinner(716, 320, 34, 25);
  w_.precision->copy_label(context_.lang(54));
  w_.precision->range(2, 6);
  w_.precision->step(1);
  w_.precision->value(3);
  w_.precision->when(FL_WHEN_CHANGED);
  w_.precision->callback(call<CircleSegmentPage, &CircleSegmentPage::recompute>, this);
  ui::report_every_change(w_.precision);
}

void CircleSegmentPage::build_results() {
  auto* panel = new Fl_Box(165, 348, 651, 243);
  panel->box(FL_GTK_DOWN_BOX);
  panel->color(kBackground);

  for (int row = 0; row < kSegmentRows; ++row) {
    int y = 355 + 23 * row;
    w_.row_labels[static_cast<size_t>(row)] = new ui::ReadOnlyField(264, y, 197, 23, kBackground);
    w_.row_values[static_cast<size_t>(row)] = new ui::ReadOnlyField(487, y, 200, 23, kResultColour);
  }

  auto dms_group = [this](int gx, int y, int gw, ui::DmsFields& fields) {
    auto* group = new Fl_Group(gx, y, gw, 25);
    constexpr int kX[] = {501, 572, 638};
    constexpr int kW[] = {40, 40, 64};
    for (size_t i = 0; i < 3; ++i) {
      auto* field = new ui::ReadOnlyField(kX[i], y, kW[i], 23, kResultColour);
      field->copy_label(context_.lang(269 + static_cast<int>(i)));
      field->align(FL_ALIGN_RIGHT);
      fields[i] = field;
    }
    group->end();
    group->hide();
    return group;
  };
  w_.angle_dms_group = dms_group(472, 401, 230, w_.angle_dms);
  w_.rest_dms_group = dms_group(475, 424, 227, w_.rest_dms);
}

void CircleSegmentPage::enter_start_mode() {
  w_.known->value(kStartMenuItem);
  apply_case(kMenuCases[kStartMenuItem]);
}

void CircleSegmentPage::apply_settings() {
  if (context_.unit_system() == 1) {
    ui::set_radio(w_.mm);
    lengths_in_mm_ = true;
  }
}

Fl_Input* CircleSegmentPage::focus_input() { return w_.first; }

bool CircleSegmentPage::dms_set() const { return w_.dms->value() != 0; }

int CircleSegmentPage::precision() const {
  return std::clamp(static_cast<int>(w_.precision->value()), 2, 6);
}

void CircleSegmentPage::on_case_chosen() {
  int item = w_.known->value();
  if (item < 0 || item >= static_cast<int>(std::size(kMenuCases)))
    return;
  angle_ = 0.0;
  apply_case(kMenuCases[item]);
}

void CircleSegmentPage::apply_case(SegmentKnown known) {
  known_ = known;
  const bool angle_case = second_is_angle(known);
  numeric::RangeRule& rule = static_cast<ui::InputRange*>(w_.second->user_data())->rule;
  rule.min = 0.0;
  rule.max = angle_case ? kLargestAngle : 0.0;

  int slots[kSlots];
  for (int k = 0; k < kSlots; ++k)
    slots[k] = kFirstSlotText + k;
  for (int k = 0; k < kSlotsSetByCase; ++k)
    slots[k] = kCaseSlots[static_cast<int>(known)][k];

  if (first_is_radius(known)) {
    w_.diameter->show();
  } else {
    w_.diameter->hide();
  }
  auto text_of = [this](int index) { return context_.lang(index) ? context_.lang(index) : ""; };
  w_.first_label->value(text_of(slots[0]));
  w_.second_label->value(text_of(slots[1]));
  w_.first->value("");
  w_.second->value("");
  // Emptied fields start black again: a field without a range in the new
  // case would otherwise stay red for good.
  w_.second->textcolor(ui::kTextOk);
  for (Fl_Input_* field : w_.second_dms)
    field->textcolor(FL_BLACK);

  if (angle_case && dms_set()) {
    w_.second_group->hide();
    for (Fl_Group* group : w_.second_dms_groups) {
      group->show();
      group->activate();
    }
  } else if (!w_.second_group->visible()) {
    for (Fl_Group* group : w_.second_dms_groups) {
      group->hide();
      group->deactivate();
    }
    w_.second_group->show();
  }

  for (int row = 0; row < kSegmentRows; ++row) {
    int text = row == 3 ? kRestRowText : slots[row < 3 ? row + 2 : row + 1];
    w_.row_labels[static_cast<size_t>(row)]->value(text_of(text));
  }
  clear_results();
  empty_fields(w_.second_dms);
  w_.diameter->value("");
  w_.first->take_focus();

  Fl_Output* angle_value = w_.row_values[2];
  if (dms_set() && !angle_case) {
    angle_value->hide();
    w_.angle_dms_group->show();
  } else {
    w_.angle_dms_group->hide();
    angle_value->show();
  }
}

void CircleSegmentPage::on_first_changed() {
  if (first_is_radius(known_)) {
    if (is_empty(w_.first)) {
      w_.diameter->value("");
      w_.first->value("");
    } else {
      double radius = ui::field_double(w_.first);
      set_text(w_.diameter, radius > 0.0 ? linked_length_text(2.0 * radius) : "");
    }
  }
  recompute();
}

void CircleSegmentPage::on_diameter_changed() {
  double diameter = ui::field_double(w_.diameter);
  set_text(w_.first, diameter > 0.0 ? linked_length_text(diameter / 2.0) : "");
  recompute();
}

void CircleSegmentPage::on_unit_chosen(bool to_mm) {
  // The unit-system button runs the callback even when the page already
  // shows that unit; converting again would scale the values twice.
  if (to_mm == lengths_in_mm_)
    return;
  lengths_in_mm_ = to_mm;
  auto convert = to_mm ? ui::convert_field_inch_to_mm : ui::convert_field_mm_to_inch;
  convert(w_.first);
  if (first_is_radius(known_))
    convert(w_.diameter);
  if (!second_is_angle(known_))
    convert(w_.second);
  recompute();
}

void CircleSegmentPage::on_decimal_chosen() {
  const bool has_angle = std::fabs(angle_) > numeric::kMissing;
  if (second_is_angle(known_)) {
    for (Fl_Group* group : w_.second_dms_groups) {
      group->hide();
      group->deactivate();
    }
    w_.second_group->show();
    double degrees = ui::read_dms_fields(w_.second_dms);
    set_text(w_.second, degrees > 0.0 ? printed("%g", degrees) : "");
  } else {
    w_.angle_dms_group->hide();
    w_.row_values[2]->show();
    set_text(w_.row_values[2], has_angle ? numeric::format_fixed(3, angle_) : "");
  }
  w_.rest_dms_group->hide();
  w_.row_values[3]->show();
  set_text(w_.row_values[3], has_angle ? numeric::format_fixed(3, 360.0 - angle_) : "");
  recompute();
}

void CircleSegmentPage::on_dms_chosen() {
  const bool has_angle = std::fabs(angle_) > numeric::kMissing;
  if (second_is_angle(known_)) {
    w_.second_group->hide();
    for (Fl_Group* group : w_.second_dms_groups) {
      group->show();
      group->activate();
    }
    ui::write_dms_fields_from_text(w_.second->value(), w_.second_dms);
    w_.second->value("");
  } else {
    w_.row_values[2]->hide();
    w_.angle_dms_group->show();
    if (has_angle)
      ui::write_dms_fields(w_.angle_dms, angle_);
    else
      empty_fields(w_.angle_dms);
  }
  w_.row_values[3]->hide();
  w_.rest_dms_group->show();
  if (has_angle)
    ui::write_dms_fields(w_.rest_dms, 360.0 - angle_);
  else
    empty_fields(w_.rest_dms);
  recompute();
}

void CircleSegmentPage::recompute() {
  if (is_empty(w_.first)) {
    clear_results();
  } else if (w_.second_group->visible() && !is_empty(w_.second)) {
    compute();
  } else if (!is_empty(w_.second_dms[0]) || !is_empty(w_.second_dms[1]) ||
             !is_empty(w_.second_dms[2])) {
    compute();
  } else {
    clear_results();
  }
}

void CircleSegmentPage::compute() {
  SegmentInput input{known_, ui::field_double(w_.first), ui::field_double(w_.second)};
  if (second_is_angle(known_) && dms_set()) {
    auto angle = angle_from_dms_texts(w_.second_dms[0]->value(), w_.second_dms[1]->value(),
                                      w_.second_dms[2]->value());
    if (!angle) {
      clear_results();
      return;
    }
    input.second = *angle;
  }
  auto result = compute_circle_segment(input);
  if (!result) {
    clear_results();
    return;
  }
  angle_ = result->angle;
  const int places = precision();
  for (int row = 0; row < kSegmentRows; ++row)
    set_text(w_.row_values[static_cast<size_t>(row)], segment_row_text(*result, row, places));
  if (dms_set()) {
    if (result->third_row_is_angle)
      ui::write_dms_fields(w_.angle_dms, result->angle);
    ui::write_dms_fields(w_.rest_dms, 360.0 - result->angle);
  }
}

void CircleSegmentPage::clear_results() {
  for (Fl_Output* field : w_.row_values)
    field->value("");
  empty_fields(w_.angle_dms);
  empty_fields(w_.rest_dms);
}

void CircleSegmentPage::save_state(settings::IniDocument& state) const {
  ui::save_text(state, "p1:inp1a", w_.first);
  ui::save_text(state, "p1:inp2a", w_.second);
  ui::save_text(state, "p1:p1_input_dms_1_0", w_.second_dms[0]);
  ui::save_text(state, "p1:p1_input_dms_1_1", w_.second_dms[1]);
  ui::save_text(state, "p1:p1_input_dms_1_2", w_.second_dms[2]);
  ui::save_choice(state, "p1:p1_know", w_.known);
  ui::save_pair(state, "p1:p1_decimal_dms", w_.decimal);
  ui::save_pair(state, "p1:p1_measure", w_.inch);
  ui::save_spinner(state, "p1:p1_precision", w_.precision);
}

void CircleSegmentPage::load_state(const settings::IniDocument& state) {
  // The modes first: showing a case empties the fields it shows.
  if (ui::load_choice(state, "p1:p1_know", w_.known) >= 0)
    on_case_chosen();
  ui::load_pair(state, "p1:p1_measure", w_.inch, w_.mm);
  lengths_in_mm_ = w_.mm->value() != 0;
  ui::load_pair(state, "p1:p1_decimal_dms", w_.decimal, w_.dms);
  if (dms_set())
    on_dms_chosen();
  else
    on_decimal_chosen();
  ui::load_spinner(state, "p1:p1_precision", w_.precision, 3.0, 2.0, 6.0);

  ui::load_text(state, "p1:inp1a", w_.first);
  ui::load_text(state, "p1:inp2a", w_.second);
  ui::load_text(state, "p1:p1_input_dms_1_0", w_.second_dms[0]);
  ui::load_text(state, "p1:p1_input_dms_1_1", w_.second_dms[1]);
  ui::load_text(state, "p1:p1_input_dms_1_2", w_.second_dms[2]);
  set_text(w_.diameter, linked_length_text(2.0 * ui::field_double(w_.first)));
  on_first_changed();
}

} // namespace geometry
