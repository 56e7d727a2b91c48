// The regular-polygon page: widgets, their handlers, and its State.ini keys.
#include "calc/geometry/polygon_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <tuple>
#include <utility>
#include <vector>

#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "calc/geometry/polly.h"
#include "settings/ini_document.h"

namespace geometry {

namespace {

using ui::ReadOnlyField;
using ui::show_and_enable_if;

constexpr Fl_Color kPageGrey = 50;
constexpr Fl_Color kResultColour = 215;
constexpr int kValueRecord = 26;
constexpr int kDefaultPrecision = 3;
constexpr int kFewestPlaces = 2;
constexpr int kMostPlaces = 6;
/// Written for p9_know when no known-size button is set.
constexpr int kNoneKnown = 4;

void set_text(Fl_Input_* field, const char* text) { field->value(text ? text : ""); }

std::vector<Fl_Button*> group_of(const std::array<Fl_Round_Button*, 4>& buttons) {
  return {buttons[0], buttons[1], buttons[2], buttons[3]};
}

template <void (PolygonPage::*Handler)()> void call(Fl_Widget*, void* page) {
  (static_cast<PolygonPage*>(page)->*Handler)();
}

} // namespace

// ---- building ----

void PolygonPage::build(Fl_Group& group) {
  (void)group;
  auto* sketch_group = new Fl_Group(166, 6, 649, 196);
  w_.sketch = new polly(166, 15, 644, 150);
  sketch_group->end();
  build_inputs();
  build_switches();
  build_results();
  show_sides_mode();
}

void PolygonPage::build_inputs() {
  Fl_Group* known = ui::framed_group(166, 230, 340, 65);
  known->copy_label(context_.lang(251));
  known->align(FL_ALIGN_TOP_LEFT);
  struct KnownButton {
    int x, y, w, label;
  };
  constexpr std::array<KnownButton, 4> buttons = {
      {{170, 265, 169, 253}, {170, 236, 164, 252}, {339, 236, 158, 254}, {339, 265, 159, 255}}};
  for (size_t i = 0; i < buttons.size(); ++i) {
    const KnownButton& b = buttons[i];
    w_.known[i] = ui::radio_button(b.x, b.y, b.w, 25, context_.lang(b.label), nullptr);
    w_.known[i]->callback(call<&PolygonPage::recompute>, this);
  }
  known->end();
  w_.known[0]->setonly();

  w_.sides = new Fl_Spinner(650, 220, 110, 25);
  w_.sides->copy_label(context_.lang(256));
  w_.sides->type(FL_INT_INPUT);
  w_.sides->range(kFewestSides, kMostSides);
  w_.sides->step(1);
  w_.sides->value(kFewestSides);
  w_.sides->when(FL_WHEN_CHANGED);
  w_.sides->callback(call<&PolygonPage::sides_changed>, this);

  auto* value_label = new ReadOnlyField(543, 248, 110, 25, kPageGrey);
  value_label->box(FL_FLAT_BOX);
  set_text(value_label, context_.lang(257));
  w_.value = ui::make_checked_input(context_, kValueRecord, 651, 248, 110, 25);
  context_.input_range(kValueRecord).on_valid = [this](Fl_Input*, long) { recompute(); };

  auto* places_label = new ReadOnlyField(543, 277, 61, 25, kPageGrey);
  places_label->box(FL_FLAT_BOX);
  set_text(places_label, context_.lang(54));
  w_.precision = new Fl_Spinner(651, 276, 33, 25);
  w_.precision->type(FL_INT_INPUT);
  w_.precision->range(kFewestPlaces, kMostPlaces);
  w_.precision->step(1);
  w_.precision->value(kDefaultPrecision);
  w_.precision->when(FL_WHEN_CHANGED);
  w_.precision->callback(call<&PolygonPage::recompute>, this);
  ui::report_every_change(w_.precision);
}

void PolygonPage::build_switches() {
  Fl_Group* formats = ui::framed_group(666, 326, 143, 61);
  w_.decimal = ui::radio_button(669, 330, 70, 25, context_.lang(55), context_.lang(55));
  w_.dms = ui::radio_button(669, 362, 70, 25, context_.lang(99), context_.lang(58));
  formats->end();
  w_.decimal->setonly();
  w_.decimal->callback(
      [](Fl_Widget*, void* page) { static_cast<PolygonPage*>(page)->angle_format_chosen(false); },
      this);
  w_.dms->callback(
      [](Fl_Widget*, void* page) { static_cast<PolygonPage*>(page)->angle_format_chosen(true); },
      this);

  Fl_Group* units = ui::framed_group(475, 460, 170, 60);
  w_.inch = ui::radio_button(487, 465, 49, 25, context_.lang(20), context_.lang(56));
  w_.mm = ui::radio_button(487, 489, 59, 25, context_.lang(19), context_.lang(59));
  units->end();
  w_.inch->setonly();
  w_.inch->callback(
      [](Fl_Widget*, void* page) { static_cast<PolygonPage*>(page)->unit_chosen(false); }, this);
  w_.mm->callback(
      [](Fl_Widget*, void* page) { static_cast<PolygonPage*>(page)->unit_chosen(true); }, this);
  context_.register_unit_pair(ui::UnitPairSlot::kPolygon, w_.inch, w_.mm);
}

void PolygonPage::build_results() {
  auto row = [this](int label_x, int y, int label_w, int text) {
    auto* label = new ReadOnlyField(label_x, y, label_w, 25, kPageGrey);
    label->box(FL_FLAT_BOX);
    set_text(label, context_.lang(text));
    auto* value = new ReadOnlyField(502, y, 120, 25, kResultColour);
    value->box(FL_GTK_DOWN_BOX);
    return std::make_pair(label, value);
  };
  w_.angle = row(338, 330, 145, 258).second;
  w_.across_corners = row(338, 355, 132, 259).second;
  w_.side = row(338, 380, 135, 260).second;
  w_.across_flats = row(339, 405, 120, 261).second;
  std::tie(w_.corner_to_flat_label, w_.corner_to_flat) = row(338, 430, 156, 262);

  // The central angle as degrees, minutes and seconds, over its value field.
  w_.angle_dms_group = new Fl_Group(503, 330, 165, 25);
  // Three-digit degrees need 36 px; the seconds field stops short enough
  // for its mark to clear the frame of the angle-format radios.
  constexpr std::array<int, 3> field_x = {516, 568, 607};
  constexpr std::array<int, 3> field_w = {36, 25, 50};
  constexpr std::array<int, 3> mark_x = {552, 593, 657};
  constexpr std::array<int, 3> mark_w = {16, 14, 9};
  for (size_t i = 0; i < 3; ++i) {
    auto* field = new ReadOnlyField(field_x[i], 330, field_w[i], 25, kResultColour);
    field->box(FL_GTK_DOWN_BOX);
    w_.angle_dms[i] = field;
    auto* mark = new Fl_Box(mark_x[i], 330, mark_w[i], 25);
    mark->copy_label(context_.lang(269 + static_cast<int>(i)));
  }
  w_.angle_dms_group->end();
  w_.angle_dms_group->hide();
}

// ---- modes ----

int PolygonPage::sides() const { return static_cast<int>(w_.sides->value()); }

std::optional<PolygonKnown> PolygonPage::known() const {
  for (size_t i = 0; i < w_.known.size(); ++i)
    if (w_.known[i]->value())
      return static_cast<PolygonKnown>(i);
  return std::nullopt;
}

void PolygonPage::show_sides_mode() {
  const bool odd = has_corner_to_flat(sides());
  // K4 stays set when it goes grey; the page then shows no results.
  if (odd)
    w_.known[3]->activate();
  else
    w_.known[3]->deactivate();
  show_and_enable_if(w_.corner_to_flat_label, odd);
  show_and_enable_if(w_.corner_to_flat, odd);
}

void PolygonPage::sides_changed() {
  if (w_.sides->value() < kFewestSides)
    w_.sides->value(kFewestSides);
  show_sides_mode();
  recompute();
}

void PolygonPage::unit_chosen(bool mm) {
  if (mm != in_mm_) {
    if (mm)
      ui::convert_field_inch_to_mm(w_.value);
    else
      ui::convert_field_mm_to_inch(w_.value);
    in_mm_ = mm;
  }
  recompute();
}

void PolygonPage::angle_format_chosen(bool dms) {
  show_and_enable_if(w_.angle, !dms);
  show_and_enable_if(w_.angle_dms_group, dms);
}

// ---- results ----

void PolygonPage::recompute() {
  const std::optional<PolygonKnown> what = known();
  std::optional<Polygon> polygon;
  if (what)
    polygon = solve_polygon({sides(), *what, ui::field_double(w_.value)});
  if (!polygon) {
    clear_results();
    return;
  }
  const int places = static_cast<int>(w_.precision->value());
  ui::set_field_fixed(w_.angle, places, polygon->central_angle);
  ui::write_dms_fields({w_.angle_dms[0], w_.angle_dms[1], w_.angle_dms[2]}, polygon->central_angle);
  ui::set_field_fixed(w_.across_corners, places, polygon->across_corners);
  ui::set_field_fixed(w_.side, places, polygon->side);
  ui::set_field_fixed(w_.across_flats, places, polygon->across_flats);
  if (polygon->corner_to_flat)
    ui::set_field_fixed(w_.corner_to_flat, places, *polygon->corner_to_flat);
  else
    set_text(w_.corner_to_flat, "");
}

void PolygonPage::clear_results() {
  for (Fl_Output* field : {w_.angle, w_.angle_dms[0], w_.angle_dms[1], w_.angle_dms[2],
                           w_.across_corners, w_.side, w_.across_flats, w_.corner_to_flat})
    set_text(field, "");
}

// ---- life cycle ----

void PolygonPage::enter_start_mode() {
  ui::set_radio(w_.known[0]);
  show_sides_mode();
}

void PolygonPage::apply_settings() {
  if (context_.unit_system() == 1) {
    ui::set_radio(w_.mm);
    in_mm_ = true;
  }
}

Fl_Input* PolygonPage::focus_input() { return w_.value; }

void PolygonPage::save_state(settings::IniDocument& state) const {
  ui::save_text(state, "p9:poly_value", w_.value);
  ui::save_radio_index(state, "p9:p9_know", group_of(w_.known), kNoneKnown);
  ui::save_pair(state, "p9:p9_measure", w_.inch);
  ui::save_pair(state, "p9:p9_decimal_dms", w_.decimal);
  ui::save_spinner(state, "p9:poly_sides", w_.sides);
  ui::save_spinner(state, "p9:poly_precision", w_.precision);
}

void PolygonPage::load_state(const settings::IniDocument& state) {
  ui::load_text(state, "p9:poly_value", w_.value);
  ui::load_radio_index(state, "p9:p9_know", group_of(w_.known));
  ui::load_pair(state, "p9:p9_measure", w_.inch, w_.mm);
  in_mm_ = w_.mm->value() != 0;
  ui::load_pair(state, "p9:p9_decimal_dms", w_.decimal, w_.dms);
  (w_.dms->value() ? w_.dms : w_.decimal)->do_callback();
  ui::load_spinner(state, "p9:poly_sides", w_.sides, kFewestSides, kFewestSides, kMostSides);
  w_.sides->value(sides()); // a whole number of sides, whatever the file says
  // A restored even polygon must not offer K4 or show the corner-to-flat row.
  show_sides_mode();
  ui::load_spinner(state, "p9:poly_precision", w_.precision, kDefaultPrecision, kFewestPlaces,
                   kMostPlaces);
  w_.value->do_callback();
}

} // namespace geometry
