// The regular-polygon page: widgets, their handlers, and its State.ini keys.
#include "pages/geometry/polygon_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/geometry/geometry_texts.h"
#include "core/i18n/common_texts.h"
#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "pages/geometry/polygon_sketch.h"
#include "core/geometry/polygon_form.h"
#include "core/settings/ini_document.h"

namespace geometry {

namespace {

constexpr numeric::RangeRule kValueRule = numeric::any_decimal();
constexpr ui::Places kPlaces{2, 6, 3};
/// Written for p9_know when no known-size button is set.
constexpr int kNoneKnown = 4;

void set_text(Fl_Input_* field, const std::string& text) { field->value(text.c_str()); }

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
  bind_state();
  recompute();
}

void PolygonPage::build_inputs() {
  Fl_Group* known = ui::framed_group(166, 230, 340, 65);
  known->copy_label(context_.lang(texts::kPolygonKnownTitle));
  known->align(FL_ALIGN_TOP_LEFT);
  struct KnownButton {
    int x, y, w;
    i18n::TextId label;
  };
  constexpr std::array<KnownButton, 4> buttons = {
      {{170, 265, 169, texts::kPolygonKnownCorners},
       {170, 236, 164, texts::kPolygonKnownFlats},
       {339, 236, 158, texts::kPolygonKnownSide},
       {339, 265, 159, texts::kPolygonKnownCornerToFlat}}};
  for (size_t i = 0; i < buttons.size(); ++i) {
    const KnownButton& b = buttons[i];
    w_.known[i] = ui::radio_button(b.x, b.y, b.w, 25, context_.lang(b.label), nullptr);
    on(w_.known[i], [this] { recompute(); });
  }
  known->end();
  w_.known[0]->setonly();

  w_.sides = new Fl_Spinner(650, 220, 110, 25);
  ui::limit_spinner_text(w_.sides);
  w_.sides->copy_label(context_.lang(texts::kPolygonSides));
  w_.sides->type(FL_INT_INPUT);
  w_.sides->range(kFewestSides, kMostSides);
  w_.sides->step(1);
  w_.sides->value(kFewestSides);
  w_.sides->when(FL_WHEN_CHANGED);
  on(w_.sides, [this] { sides_changed(); });
  // The spinner takes a typed count only on Enter or when the field is
  // left; meanwhile the results follow the count the field shows, and a
  // count it would refuse shows none (not those of the count before).
  Fl_Widget* sides_field = w_.sides->child(0);
  Fl_Callback_p take_count = sides_field->callback();
  void* spinner = sides_field->user_data();
  // Calling back on every key clears the field's changed flag: Enter and
  // leaving must call back without it.
  sides_field->when(sides_field->when() | FL_WHEN_CHANGED | FL_WHEN_NOT_CHANGED);
  on(sides_field, [this, sides_field, take_count, spinner] {
    if (ui::still_typing())
      recompute();
    else
      take_count(sides_field, spinner);
  });

  ui::text_line(543, 248, 110, 25, context_.lang(texts::kPolygonKnownValue));
  w_.value = ui::make_checked_input(context_, kValueRule, 651, 248, 110, 25);
  w_.value->on_valid([this] { recompute(); });

  ui::text_line(543, 277, 61, 25, context_.lang(texts::kPrecisionLabel));
  w_.precision = ui::places_spinner(context_, {651, 276, 33, 25}, kPlaces, false);
  on(w_.precision, [this] { recompute(); });
}

void PolygonPage::build_switches() {
  // Here the decimal button's tooltip is its own label.
  std::tie(w_.decimal, w_.dms) = framed_angle_formats(
      {666, 326, 143, 61}, {669, 330, 70, 25}, {669, 362, 70, 25},
      [this](bool dms) { angle_format_chosen(dms); }, texts::kDecimalDegreesRadio);

  std::tie(w_.inch, w_.mm) =
      ui::framed_inch_mm(context_, {475, 460, 170, 60}, {487, 465, 49, 25}, {487, 489, 59, 25});
  units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kPolygon, w_.inch, w_.mm,
      [this] { return std::vector<Fl_Input_*>{w_.value}; }, [this] { recompute(); });
  w_.value->measure_in(*units_);
}

void PolygonPage::build_results() {
  auto row = [this](int label_x, int y, int label_w, i18n::TextId text) {
    Fl_Output* label = ui::text_line(label_x, y, label_w, 25, context_.lang(text));
    return std::make_pair(label, static_cast<Fl_Output*>(ui::result_field(502, y, 120)));
  };
  w_.angle = row(338, 330, 145, texts::kPolygonCentralAngle).second;
  w_.across_corners = row(338, 355, 132, texts::kPolygonAcrossCorners).second;
  w_.side = row(338, 380, 135, texts::kPolygonSide).second;
  w_.across_flats = row(339, 405, 120, texts::kPolygonAcrossFlats).second;
  std::tie(w_.corner_to_flat_label, w_.corner_to_flat) =
      row(338, 430, 156, texts::kPolygonCornerToFlat);

  // The central angle as degrees, minutes and seconds, over its value field.
  w_.angle_dms_group = new Fl_Group(503, 330, 165, 25);
  // Three-digit degrees need 36 px; the seconds field stops short enough
  // for its mark to clear the frame of the angle-format radios.
  constexpr std::array<int, 3> field_x = {516, 568, 607};
  constexpr std::array<int, 3> field_w = {36, 25, 50};
  constexpr std::array<int, 3> mark_x = {552, 593, 657};
  constexpr std::array<int, 3> mark_w = {16, 14, 9};
  for (size_t i = 0; i < 3; ++i) {
    w_.angle_dms[i] = ui::result_field(field_x[i], 330, field_w[i]);
    auto* mark = new Fl_Box(mark_x[i], 330, mark_w[i], 25);
    mark->copy_label(context_.lang(texts::kDmsMarks[i]));
  }
  w_.angle_dms_group->end();
  w_.angle_dms_group->hide();
  w_.reason = ui::reason_line({166, 540, 640, 25});
}

void PolygonPage::bind_state() {
  state_.text("poly_value", w_.value);
  state_.radio("p9_know", {w_.known[0], w_.known[1], w_.known[2], w_.known[3]}, kNoneKnown);
  units_->bind_state(state_, "p9_measure");
  state_.pair("p9_decimal_dms", w_.decimal, w_.dms);
  state_.spinner("poly_sides", w_.sides, kFewestSides, kFewestSides, kMostSides);
  state_.spinner("poly_precision", w_.precision, kPlaces.initial, kPlaces.fewest, kPlaces.most);
}

// ---- modes and results ----

std::optional<PolygonKnown> PolygonPage::known() const {
  const int i = ui::chosen_index(w_.known);
  if (i < 0)
    return std::nullopt;
  return static_cast<PolygonKnown>(i);
}

void PolygonPage::sides_changed() {
  if (w_.sides->value() < kFewestSides)
    w_.sides->value(kFewestSides);
  recompute();
}

void PolygonPage::angle_format_chosen(bool dms) {
  ui::show_and_enable_if(w_.angle, !dms);
  ui::show_and_enable_if(w_.angle_dms_group, dms);
}

void PolygonPage::recompute() {
  const PolygonForm form =
      polygon_form({polygon_sides(static_cast<Fl_Input_*>(w_.sides->child(0))->value()), known(),
                    w_.value->number_text(), static_cast<int>(w_.precision->value())});
  // K4 stays set when it goes grey; the page then shows no results.
  if (form.corner_to_flat_offered)
    w_.known[3]->activate();
  else
    w_.known[3]->deactivate();
  ui::show_and_enable_if(w_.corner_to_flat_label, form.corner_to_flat_offered);
  ui::show_and_enable_if(w_.corner_to_flat, form.corner_to_flat_offered);
  set_text(w_.angle, form.angle);
  for (size_t i = 0; i < 3; ++i)
    set_text(w_.angle_dms[i], form.angle_dms[i]);
  set_text(w_.across_corners, form.across_corners);
  set_text(w_.side, form.side);
  set_text(w_.across_flats, form.across_flats);
  set_text(w_.corner_to_flat, form.corner_to_flat);
  ui::show_reason(w_.reason, context_, form.reason);
}

// ---- life cycle ----

void PolygonPage::enter_start_mode() {
  ui::set_radio(w_.known[0]);
  recompute();
}

void PolygonPage::apply_settings() { units_->apply_settings(); }

Fl_Input* PolygonPage::focus_input() { return w_.value; }

void PolygonPage::restored() {
  // A whole number of sides, whatever the file says.
  w_.sides->value(static_cast<int>(w_.sides->value()));
  angle_format_chosen(w_.dms->value() != 0);
  recompute();
}

} // namespace geometry
