// Page 12, dovetail measurement: widgets, callbacks and saved state.
#include "calc/workshop/dovetail_measurement_page.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <cmath>
#include <cstdio>
#include <string>

#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "calc/workshop/dovetail_sketches.h"
#include "numeric/number_text.h"
#include "settings/ini_document.h"

namespace workshop {

namespace {

using ui::show_if;

constexpr int kRecord = 40;   // the page's eight entry fields share one range record
constexpr int kPrecision = 3; // decimals of every number the page writes
constexpr Fl_Color kOutputColour = 215;
constexpr Fl_Color kGroupLabelColour = FL_BLUE;

template <typename Self, void (Self::*method)()> void trampoline(Fl_Widget*, void* self) {
  (static_cast<Self*>(self)->*method)();
}

// Stored values come back from a file anyone can edit.
double finite_or_zero(double value) { return std::isfinite(value) ? value : 0.0; }

} // namespace

DovetailMeasurementPage::DovetailMeasurementPage(ui::PageContext& app)
    : Page(app, ui::PageId::kDovetailMeasurement),
      print_action([&app](const DovetailPrintValues& values, DovetailSheets sheets) {
        dovetail_print(app, values, sheets);
      }) {}

// ---- building ----

void DovetailMeasurementPage::build(Fl_Group&) {
  build_sketches();
  build_inputs();
  build_results();
  context_.input_range(kRecord).on_valid = [this](Fl_Input* field, long) { input_changed(field); };
  context_.register_unit_pair(ui::UnitPairSlot::kDovetailMeasurement, w_.inch, w_.millimetre);
}

namespace {

// One sketch in a group of its own, which the page shows or hides.
template <typename Sketch>
Fl_Group* sketch_group(const ui::PageContext& app, Fl_Widget*& sketch, int group_y, int group_h,
                       int sketch_y, int sketch_h) {
  auto* group = new Fl_Group(165, group_y, 652, group_h);
  sketch = new Sketch(app, 157, sketch_y, 658, sketch_h);
  group->end();
  group->hide();
  return group;
}

} // namespace

void DovetailMeasurementPage::build_sketches() {
  auto& f = w_.female_sketch_groups;
  auto& fs = w_.female_sketches;
  f[0] = sketch_group<FDoveTailStandard>(context_, fs[0], 6, 130, 6, 130);
  f[1] = sketch_group<FDoveTailDeep>(context_, fs[1], 6, 130, 6, 130);
  f[2] = sketch_group<FDoveTailStandardGib>(context_, fs[2], 6, 130, 6, 130);
  f[3] = sketch_group<FDoveTailDeepGib>(context_, fs[3], 6, 130, 6, 130);
  auto& m = w_.male_sketch_groups;
  auto& ms = w_.male_sketches;
  m[0] = sketch_group<MDoveTailStandard>(context_, ms[0], 135, 150, 137, 150);
  m[1] = sketch_group<MDoveTailShallow>(context_, ms[1], 135, 150, 137, 150);
  m[2] = sketch_group<MDoveTailDeep>(context_, ms[2], 135, 150, 137, 150);
  f[1]->show(); // slot deeper, no gib
  m[0]->show(); // standard male

  // The angle leader of the male sketch points at this caption.
  auto* angle_caption = new Fl_Box(719, 160, 93, 42);
  angle_caption->align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  angle_caption->copy_label(context_.lang(112));
}

namespace {

Fl_Box* caption(const ui::PageContext& app, int x, int y, int w, int h, int entry) {
  auto* box = new Fl_Box(x, y, w, h);
  box->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  box->copy_label(app.lang(entry));
  return box;
}

Fl_Round_Button* radio(const ui::PageContext& app, int x, int y, int w, int h, int entry) {
  auto* button = new Fl_Round_Button(x, y, w, h);
  button->type(FL_RADIO_BUTTON);
  button->copy_label(app.lang(entry));
  return button;
}

} // namespace

void DovetailMeasurementPage::build_inputs() {
  auto* hand = new Fl_Group(165, 288, 652, 27);
  w_.male_at_hand = radio(context_, 218, 289, 281, 25, 325);
  w_.female_at_hand = radio(context_, 516, 289, 285, 25, 326);
  w_.male_at_hand->setonly();
  for (Fl_Button* b : {w_.male_at_hand, w_.female_at_hand})
    b->callback(trampoline<DovetailMeasurementPage, &DovetailMeasurementPage::part_changed>, this);
  hand->end();

  auto* units = new Fl_Group(445, 318, 372, 25);
  w_.inch = radio(context_, 468, 320, 141, 22, 20);
  w_.inch->copy_tooltip(context_.lang(56));
  w_.millimetre = radio(context_, 609, 320, 145, 22, 19);
  w_.millimetre->copy_tooltip(context_.lang(59));
  w_.inch->setonly();
  w_.inch->callback(
      [](Fl_Widget*, void* self) {
        static_cast<DovetailMeasurementPage*>(self)->unit_changed(false);
      },
      this);
  w_.millimetre->callback(
      [](Fl_Widget*, void* self) {
        static_cast<DovetailMeasurementPage*>(self)->unit_changed(true);
      },
      this);
  units->end();

  auto* angles = new Fl_Group(165, 339, 271, 56);
  angles->copy_label(context_.lang(112));
  angles->labelcolor(kGroupLabelColour);
  w_.angle_60 = radio(context_, 179, 340, 95, 22, 109);
  w_.angle_45 = radio(context_, 179, 371, 93, 22, 110);
  w_.angle_typed = radio(context_, 321, 340, 113, 22, 111);
  w_.angle_45->setonly();
  for (Fl_Button* b : {w_.angle_60, w_.angle_45, w_.angle_typed})
    b->callback(trampoline<DovetailMeasurementPage, &DovetailMeasurementPage::angle_changed>, this);
  w_.typed_angle = ui::make_checked_input(context_, kRecord, 383, 370, 51, 22);
  w_.typed_angle->copy_label(context_.lang(113));
  w_.typed_angle->hide();
  angles->end();

  w_.clearance_kind = new Fl_Choice(445, 347, 372, 25);
  w_.clearance_kind->labelcolor(kGroupLabelColour);
  ui::fill_text_menu(w_.clearance_kind, context_, 117, 4);
  w_.clearance_kind->value(kFemaleDeeper);
  w_.clearance_kind->callback(
      trampoline<DovetailMeasurementPage, &DovetailMeasurementPage::clearance_kind_changed>, this);

  caption(context_, 163, 400, 205, 25, 128);
  w_.pin = ui::make_checked_input(context_, kRecord, 370, 400, 67, 25);

  w_.female_inputs = new Fl_Group(163, 434, 274, 59);
  caption(context_, 163, 434, 205, 25, 126);
  w_.between_pins = ui::make_checked_input(context_, kRecord, 370, 434, 67, 25);
  caption(context_, 163, 468, 204, 25, 124);
  w_.female_depth = ui::make_checked_input(context_, kRecord, 370, 468, 67, 25);
  w_.female_inputs->end();
  w_.female_inputs->hide();
  w_.female_inputs->deactivate();

  w_.male_inputs = new Fl_Group(163, 434, 274, 59);
  caption(context_, 163, 434, 204, 25, 127);
  w_.over_pins = ui::make_checked_input(context_, kRecord, 370, 434, 67, 25);
  caption(context_, 163, 468, 204, 25, 125);
  w_.male_depth = ui::make_checked_input(context_, kRecord, 370, 468, 67, 25);
  w_.male_inputs->end();

  w_.clearance_row = new Fl_Group(163, 501, 275, 25);
  caption(context_, 163, 501, 204, 25, 121);
  w_.clearance = ui::make_checked_input(context_, kRecord, 371, 501, 67, 25);
  w_.clearance_row->end();

  w_.gib = new Fl_Check_Button(195, 538, 165, 22);
  w_.gib->copy_label(context_.lang(114));
  w_.gib->callback(trampoline<DovetailMeasurementPage, &DovetailMeasurementPage::gib_changed>,
                   this);
  w_.gib_caption = caption(context_, 164, 560, 134, 25, 115);
  w_.gib_thickness = ui::make_checked_input(context_, kRecord, 300, 560, 60, 25);
  w_.gib_cover = new Fl_Box(FL_FLAT_BOX, 166, 560, 196, 25, nullptr);
  w_.gib_cover->color(50);
  show_gib_row();

  w_.print = new Fl_Button(754, 556, 64, 36, "@+9fileprint");
  w_.print->box(FL_GTK_UP_BOX);
  w_.print->labelsize(9);
  w_.print->callback(trampoline<DovetailMeasurementPage, &DovetailMeasurementPage::print>, this);
  w_.print->deactivate();
}

void DovetailMeasurementPage::build_results() {
  auto results = [this](std::array<Fl_Output*, 3>& out, const int(&entries)[3], int first_w) {
    auto* group = new Fl_Group(448, 400, 369, 107);
    const int rows[3] = {400, 440, 482};
    for (int i = 0; i < 3; ++i) {
      caption(context_, 539, rows[i], 205, 25, entries[i]);
      out[static_cast<size_t>(i)] = new Fl_Output(747, rows[i], i == 0 ? first_w : 70, 25);
      out[static_cast<size_t>(i)]->color(kOutputColour);
      out[static_cast<size_t>(i)]->clear_visible_focus();
    }
    group->end();
    return group;
  };
  w_.female_results = results(w_.female_out, {122, 124, 126}, 69);
  w_.male_results = results(w_.male_out, {123, 125, 127}, 70);
  w_.male_results->hide();
}

// ---- callbacks ----

void DovetailMeasurementPage::input_changed(Fl_Input* field) {
  calc_flag_ = 0;
  if (field == w_.gib_thickness)
    stored_.gib_width =
        ui::field_double(w_.gib_thickness) * (w_.millimetre->value() ? numeric::kInchPerMm : 1.0);
  compute();
}

void DovetailMeasurementPage::part_changed() {
  calc_flag_ = 0;
  show_part_widgets();
  // The results shown must belong to the measurements now shown.
  compute();
}

void DovetailMeasurementPage::angle_changed() {
  show_typed_angle();
  calc_flag_ = 0;
  compute();
}

void DovetailMeasurementPage::gib_changed() {
  show_gib_row();
  if (w_.clearance_kind->value() >= 0)
    clearance_kind_changed();
  calc_flag_ = 0;
  compute();
}

void DovetailMeasurementPage::clearance_kind_changed() {
  calc_flag_ = 0;
  select_sketches();
  compute();
}

void DovetailMeasurementPage::unit_changed(bool to_millimetre) {
  // The unit-system button runs the callback of a radio that may already be set.
  if (to_millimetre == fields_in_mm_)
    return;
  fields_in_mm_ = to_millimetre;
  auto write = [to_millimetre](Fl_Input* field, double inches) {
    ui::set_field_fixed(field, kPrecision, to_millimetre ? inches / numeric::kInchPerMm : inches);
  };
  auto convert = [to_millimetre](Fl_Input* field) {
    if (to_millimetre)
      ui::convert_field_inch_to_mm(field);
    else
      ui::convert_field_mm_to_inch(field);
  };
  bool male = at_hand() == PartAtHand::kMale;
  Fl_Input* pins = male ? w_.over_pins : w_.between_pins;
  Fl_Input* depth = male ? w_.male_depth : w_.female_depth;
  if (calc_flag_ == 1) {
    // The stored values were read from these very fields.
    write(w_.pin, stored_.pin_dia);
    write(pins, male ? stored_.male_pins : stored_.female_pins);
    write(depth, male ? stored_.male_depth : stored_.female_depth);
    // With no clearance the stored amount is 0, not what the hidden field holds.
    if (w_.clearance_kind->value() == kNoClearance)
      convert(w_.clearance);
    else
      write(w_.clearance, stored_.clearance);
  } else {
    // The stored values belong to some earlier inputs: keep what is typed.
    for (Fl_Input* field :
         {static_cast<Fl_Input*>(w_.pin), pins, depth, static_cast<Fl_Input*>(w_.clearance)})
      convert(field);
  }
  if (std::fabs(stored_.gib_width) > numeric::kMissing)
    write(w_.gib_thickness, stored_.gib_width);
  else
    w_.gib_thickness->value("");
  // The other part's measurements wait, hidden, in the page's unit.
  convert(male ? w_.between_pins : w_.over_pins);
  convert(male ? w_.female_depth : w_.male_depth);
  if (calc_flag_ == 1)
    show_results();
}

void DovetailMeasurementPage::print() {
  if (calc_flag_ != 1)
    return;
  bool mm = w_.millimetre->value() != 0;
  MatingPartSizes sizes = mating_part_sizes(stored_, at_hand(), mm);
  DovetailPrintValues values;
  values.millimetre = mm;
  if (at_hand() == PartAtHand::kMale) {
    values.female_min_width = sizes.width;
    values.female_depth = sizes.depth;
    values.female_between_pins = sizes.pins;
    print_action(values, DovetailSheets::kFemaleOnly);
  } else {
    values.male_max_width = sizes.width;
    values.male_depth = sizes.depth;
    values.male_over_pins = sizes.pins;
    print_action(values, DovetailSheets::kMaleOnly);
  }
}

// ---- what is shown ----

void DovetailMeasurementPage::show_part_widgets() {
  bool male = at_hand() == PartAtHand::kMale;
  Fl_Group* shown_inputs = male ? w_.male_inputs : w_.female_inputs;
  Fl_Group* hidden_inputs = male ? w_.female_inputs : w_.male_inputs;
  hidden_inputs->hide();
  hidden_inputs->deactivate();
  shown_inputs->activate();
  shown_inputs->show();
  show_if(w_.male_results, !male);
  show_if(w_.female_results, male);
}

void DovetailMeasurementPage::show_gib_row() {
  // The cover hides the row; the row's own widgets go too, so that nothing
  // can be clicked or typed into under it, nor be redrawn over it.
  bool gib = w_.gib->value() != 0;
  show_if(w_.gib_cover, !gib);
  show_if(w_.gib_caption, gib);
  show_if(w_.gib_thickness, gib);
}

void DovetailMeasurementPage::show_typed_angle() {
  show_if(w_.typed_angle, w_.angle_typed->value() != 0);
}

void DovetailMeasurementPage::select_sketches() {
  for (Fl_Group* g : w_.female_sketch_groups)
    g->hide();
  for (Fl_Group* g : w_.male_sketch_groups)
    g->hide();
  int kind = w_.clearance_kind->value();
  if (kind < kFemaleDeeper || kind > kNoClearance)
    return;
  bool gib = w_.gib->value() != 0;
  bool slot_deeper = kind == kFemaleDeeper;
  // Index into FDoveTailStandard, FDoveTailDeep, FDoveTailStandardGib, FDoveTailDeepGib.
  w_.female_sketch_groups[static_cast<size_t>((slot_deeper ? 1 : 0) + (gib ? 2 : 0))]->show();
  size_t male = kind == kMaleShallower ? 1 : kind == kMaleDeeper ? 2 : 0;
  w_.male_sketch_groups[male]->show();
  show_if(w_.clearance_row, kind != kNoClearance);
}

// ---- computation ----

PartAtHand DovetailMeasurementPage::at_hand() const {
  return w_.female_at_hand->value() ? PartAtHand::kFemale : PartAtHand::kMale;
}

DovetailMeasurementInput DovetailMeasurementPage::read_inputs() const {
  DovetailMeasurementInput in;
  in.at_hand = at_hand();
  in.angle = w_.angle_typed->value() ? FlankAngle::kTyped
             : w_.angle_60->value()  ? FlankAngle::k60
                                     : FlankAngle::k45;
  in.typed_angle = ui::field_double(w_.typed_angle);
  in.clearance_kind = w_.clearance_kind->value();
  in.clearance = ui::field_double(w_.clearance);
  in.gib = w_.gib->value() != 0;
  in.gib_thickness = ui::field_double(w_.gib_thickness);
  in.pin_diameter = ui::field_double(w_.pin);
  in.over_pins = ui::field_double(w_.over_pins);
  in.male_depth = ui::field_double(w_.male_depth);
  in.between_pins = ui::field_double(w_.between_pins);
  in.female_depth = ui::field_double(w_.female_depth);
  in.millimetre = w_.millimetre->value() != 0;
  return in;
}

void DovetailMeasurementPage::compute() {
  DovetailMeasurementInput in = read_inputs();
  if (!measurements_complete(in)) {
    empty_results();
    return;
  }
  // The results shown still belong to these inputs.
  if (calc_flag_ == 1) {
    w_.print->activate();
    return;
  }
  std::optional<DovetailMeasurementValues> values = compute_dovetail_measurement(in, stored_);
  if (!values) {
    empty_results();
    return;
  }
  stored_ = *values;
  calc_flag_ = 1;
  show_results();
  w_.print->activate();
}

void DovetailMeasurementPage::show_results() {
  bool mm = w_.millimetre->value() != 0;
  MatingPartSizes sizes = mating_part_sizes(stored_, at_hand(), mm);
  auto& out = at_hand() == PartAtHand::kMale ? w_.female_out : w_.male_out;
  ui::set_field_fixed(out[0], kPrecision, sizes.width);
  ui::set_field_fixed(out[1], kPrecision, sizes.depth);
  ui::set_field_fixed(out[2], kPrecision, sizes.pins);
}

void DovetailMeasurementPage::empty_results() {
  auto& out = at_hand() == PartAtHand::kMale ? w_.female_out : w_.male_out;
  for (Fl_Output* field : out)
    field->value("");
  w_.print->deactivate();
}

// ---- settings and saved state ----

void DovetailMeasurementPage::apply_settings() {
  if (context_.unit_system() == 1) {
    ui::set_radio(w_.millimetre);
    fields_in_mm_ = true;
  }
}

namespace {

struct StoredKey {
  const char* key;
  double DovetailMeasurementValues::*value;
};

// In the order they are written.
constexpr StoredKey kStoredKeys[] = {
    {"p12:dove2_pin_dia", &DovetailMeasurementValues::pin_dia},
    {"p12:dove2_female_max_width", &DovetailMeasurementValues::female_max_width},
    {"p12:dove2_male_max_width", &DovetailMeasurementValues::male_max_width},
    {"p12:dove2_female_depth", &DovetailMeasurementValues::female_depth},
    {"p12:dove2_male_depth", &DovetailMeasurementValues::male_depth},
    {"p12:dove2_female_pins", &DovetailMeasurementValues::female_pins},
    {"p12:dove2_male_pins", &DovetailMeasurementValues::male_pins},
    {"p12:dove2_female_min_width", &DovetailMeasurementValues::female_min_width},
    {"p12:dove2_male_min_width", &DovetailMeasurementValues::male_min_width},
    {"p12:dove2_clearance", &DovetailMeasurementValues::clearance},
    {"p12:dove2_gib_width", &DovetailMeasurementValues::gib_width},
};

std::string fixed6(double value) { return numeric::printf_text("%f", value); }

} // namespace

std::array<std::pair<const char*, Fl_Input_*>, 14> DovetailMeasurementPage::text_fields() const {
  return {{
      {"p12:dovetail_angle_specify2", w_.typed_angle},
      {"p12:dove_pin_diameter2", w_.pin},
      {"p12:female_between_pins2", w_.between_pins},
      {"p12:male_between_pins2", w_.over_pins},
      {"p12:depth_male_dovetail2", w_.male_depth},
      {"p12:depth_female_dovetail2", w_.female_depth},
      {"p12:dove_clearance_amount2", w_.clearance},
      {"p12:dove_gib_thick2", w_.gib_thickness},
      {"p12:dove_female_width2out", w_.female_out[0]},
      {"p12:dove_male_width2out", w_.male_out[0]},
      {"p12:dove_female_depth2out", w_.female_out[1]},
      {"p12:dove_male_depth2out", w_.male_out[1]},
      {"p12:dove_female_pins2out", w_.female_out[2]},
      {"p12:dove_male_pins2out", w_.male_out[2]},
  }};
}

void DovetailMeasurementPage::save_state(settings::IniDocument& state) const {
  for (const auto& [key, field] : text_fields())
    ui::save_text(state, key, field);
  ui::save_check(state, "p12:dove_gib_yes2", w_.gib);
  ui::save_pair(state, "p12:p12_dove_i_have", w_.male_at_hand);
  ui::save_radio_index(state, "p12:dove_angle", {w_.angle_60, w_.angle_45, w_.angle_typed});
  ui::save_choice(state, "p12:dove_type", w_.clearance_kind);
  ui::save_pair(state, "p12:p12_measure", w_.inch);
  state.set("p12:dove2_calc", std::to_string(calc_flag_));
  for (const StoredKey& k : kStoredKeys)
    state.set(k.key, fixed6(stored_.*k.value));
}

void DovetailMeasurementPage::load_state(const settings::IniDocument& state) {
  // The modes first, so that the right widgets show.
  ui::load_pair(state, "p12:p12_dove_i_have", w_.male_at_hand, w_.female_at_hand);
  ui::load_check(state, "p12:dove_gib_yes2", w_.gib);
  ui::load_radio_index(state, "p12:dove_angle", {w_.angle_60, w_.angle_45, w_.angle_typed});
  if (state.get_long("p12:dove_type", 0) == kNoKindChosen)
    w_.clearance_kind->value(-1);
  else
    ui::load_choice(state, "p12:dove_type", w_.clearance_kind);
  show_part_widgets();
  show_gib_row();
  show_typed_angle();
  select_sketches();

  ui::load_pair(state, "p12:p12_measure", w_.inch, w_.millimetre);
  fields_in_mm_ = w_.millimetre->value() != 0;
  calc_flag_ = state.get_long("p12:dove2_calc", 0) == 1 ? 1 : 0;
  for (const StoredKey& k : kStoredKeys)
    stored_.*k.value = finite_or_zero(state.get_double(k.key, 0.0));

  for (const auto& [key, field] : text_fields())
    ui::load_text(state, key, field);
  compute();
}

} // namespace workshop
