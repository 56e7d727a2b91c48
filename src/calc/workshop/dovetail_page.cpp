// Page 4: dovetail.
#include "calc/workshop/dovetail_page.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <optional>
#include <vector>

#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "calc/workshop/dovetail_sketches.h"
#include "settings/ini_document.h"

namespace workshop {

namespace {

constexpr Fl_Color kBackground = 50;
constexpr Fl_Color kResultColour = 215;
constexpr Fl_Color kBlue = 4;
constexpr Fl_Color kFirstNoteColour = 67;

// Range records: every length, and the typed angle (0 ... 90 degrees).
constexpr int kLengthRecord = 15;
constexpr int kAngleRecord = 16;

constexpr int kPrecision = 3;
constexpr int kFirstResultText = 122;
constexpr int kFirstKindText = 117;
constexpr int kKinds = 4;
constexpr int kResultRowY[DovetailPage::kRows] = {290, 317, 343, 369, 396, 423};

// Sketch groups by index: female (deeper slot +1, gib +2) and male.
constexpr int kFemaleDeep = 1;
constexpr int kFemaleGib = 2;
constexpr int kMaleShallow = 1;
constexpr int kMaleDeep = 2;

template <void (DovetailPage::*Handler)()> void call(Fl_Widget*, void* page) {
  (static_cast<DovetailPage*>(page)->*Handler)();
}

Fl_Box* caption(int x, int y, int w, int h, const char* text, Fl_Align align) {
  auto* box = new Fl_Box(x, y, w, h);
  box->copy_label(text);
  box->align(align);
  return box;
}

// A hidden group holding one sketch; the sketch reaches left of its group.
template <class Sketch>
Fl_Group* sketch_group(const ui::PageContext& app, int group_y, int sketch_y, int h) {
  auto* group = new Fl_Group(166, group_y, 652, h);
  new Sketch(app, 157, sketch_y, 658, h);
  group->end();
  group->hide();
  return group;
}

} // namespace

DovetailPage::DovetailPage(ui::PageContext& app)
    : ui::Page(app, ui::PageId::kDovetail),
      print_action_([&app](const DovetailPrintValues& values) {
        dovetail_print(app, values, DovetailSheets::kBoth);
      }) {}

void DovetailPage::build(Fl_Group&) {
  build_sketches();
  build_inputs();
  build_results();
}

void DovetailPage::build_sketches() {
  w_.female_groups = {sketch_group<FDoveTailStandard>(context_, 7, 6, 130),
                      sketch_group<FDoveTailDeep>(context_, 7, 6, 130),
                      sketch_group<FDoveTailStandardGib>(context_, 7, 6, 130),
                      sketch_group<FDoveTailDeepGib>(context_, 7, 6, 130)};
  w_.male_groups = {sketch_group<MDoveTailStandard>(context_, 136, 137, 150),
                    sketch_group<MDoveTailShallow>(context_, 136, 137, 150),
                    sketch_group<MDoveTailDeep>(context_, 136, 137, 150)};
  // Clearance kind 0 without a gib, as the page starts.
  w_.female_groups[kFemaleDeep]->show();
  w_.male_groups[0]->show();
  // The male sketch's angle leader points at this caption.
  caption(722, 155, 93, 42, context_.lang(112), FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
}

void DovetailPage::build_inputs() {
  const Fl_Align row_caption = FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP;
  caption(164, 288, 202, 22, context_.lang(107), row_caption)->labelfont(FL_HELVETICA_BOLD);
  w_.width = ui::make_checked_input(context_, kLengthRecord, 372, 288, 65, 22);
  caption(164, 319, 202, 22, context_.lang(108), row_caption)->labelfont(FL_HELVETICA_BOLD);
  w_.depth = ui::make_checked_input(context_, kLengthRecord, 372, 319, 65, 22);

  auto* angles = new Fl_Group(166, 358, 271, 56);
  angles->copy_label(context_.lang(112));
  angles->labelcolor(kBlue);
  w_.angle_60 = ui::radio_button(180, 359, 95, 22, context_.lang(109));
  w_.angle_60->callback(call<&DovetailPage::on_fixed_angle>, this);
  w_.angle_45 = ui::radio_button(180, 390, 93, 22, context_.lang(110));
  w_.angle_45->callback(call<&DovetailPage::on_fixed_angle>, this);
  w_.angle_45->setonly();
  w_.angle_typed = ui::radio_button(322, 359, 113, 22, context_.lang(111));
  w_.angle_typed->callback(call<&DovetailPage::on_typed_angle_chosen>, this);
  w_.typed_angle = ui::make_checked_input(context_, kAngleRecord, 384, 389, 51, 22);
  w_.typed_angle->copy_label(context_.lang(113));
  w_.typed_angle->hide();
  angles->end();

  w_.gib = new Fl_Check_Button(228, 415, 107, 22);
  w_.gib->down_box(FL_DOWN_BOX);
  w_.gib->copy_label(context_.lang(114));
  w_.gib->callback(call<&DovetailPage::on_gib>, this);
  w_.gib_thickness = ui::make_checked_input(context_, kLengthRecord, 330, 437, 60, 25);
  w_.gib_thickness->copy_label(context_.lang(115));
  w_.gib_thickness->hide();

  auto* clearance = new Fl_Group(167, 476, 651, 41);
  clearance->copy_label(context_.lang(116));
  clearance->align(FL_ALIGN_TOP_LEFT);
  clearance->labelcolor(kBlue);
  w_.clearance_kind = new Fl_Choice(178, 485, 394, 25);
  w_.clearance_kind->down_box(FL_GTK_DOWN_BOX);
  ui::fill_text_menu(w_.clearance_kind, context_, kFirstKindText, kKinds);
  w_.clearance_kind->value(0);
  w_.clearance_kind->callback(call<&DovetailPage::on_clearance_kind>, this);
  w_.clearance = ui::make_checked_input(context_, kLengthRecord, 738, 486, 75, 22);
  w_.clearance->copy_label(context_.lang(121));
  clearance->end();

  w_.pin = ui::make_checked_input(context_, kLengthRecord, 561, 451, 98, 22);
  w_.pin->copy_label(context_.lang(128));

  auto* units = new Fl_Group(663, 450, 151, 24);
  w_.inch = ui::radio_button(665, 450, 68, 23, context_.lang(20));
  w_.inch->copy_tooltip(context_.lang(56));
  w_.inch->callback(
      [](Fl_Widget*, void* page) { static_cast<DovetailPage*>(page)->on_unit(false); }, this);
  w_.inch->setonly();
  w_.mm = ui::radio_button(740, 450, 67, 23, context_.lang(19));
  w_.mm->copy_tooltip(context_.lang(59));
  w_.mm->callback([](Fl_Widget*, void* page) { static_cast<DovetailPage*>(page)->on_unit(true); },
                  this);
  units->end();
  context_.register_unit_pair(ui::UnitPairSlot::kDovetail, w_.inch, w_.mm);

  ui::InputRange& lengths = context_.input_range(kLengthRecord);
  lengths.on_valid = [this](Fl_Input*, long) { recompute(); };
  ui::InputRange& angle = context_.input_range(kAngleRecord);
  angle.on_valid = [this](Fl_Input*, long) { recompute(); };
  // Results for an angle other than the one shown would be wrong.
  angle.on_invalid = [this](Fl_Input*, long) { clear_results(); };
}

void DovetailPage::build_results() {
  auto* panel = new Fl_Box(442, 288, 376, 161);
  panel->box(FL_GTK_DOWN_BOX);
  panel->color(kBackground);
  for (int i = 0; i < kRows; ++i) {
    int y = kResultRowY[i];
    caption(445, y, 294, 22, context_.lang(kFirstResultText + i), FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    w_.results[static_cast<size_t>(i)] = new ui::ReadOnlyField(742, y, 67, 22, kResultColour);
  }

  const Fl_Align note = FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP;
  caption(168, 519, 650, 36, context_.lang(130), note)->labelcolor(kFirstNoteColour);
  caption(168, 556, 582, 36, context_.lang(129), note)->labelcolor(kBlue);

  w_.print = new Fl_Button(754, 556, 64, 36, "@+9fileprint");
  w_.print->box(FL_GTK_UP_BOX);
  w_.print->labelsize(9);
  w_.print->callback(call<&DovetailPage::on_print>, this);
  w_.print->deactivate();
}

void DovetailPage::apply_settings() {
  if (context_.unit_system() == 1) {
    ui::set_radio(w_.mm);
    lengths_in_mm_ = true;
  }
}

Fl_Input* DovetailPage::focus_input() { return w_.width; }

void DovetailPage::on_fixed_angle() {
  w_.typed_angle->hide();
  recompute();
}

void DovetailPage::on_typed_angle_chosen() {
  w_.typed_angle->show();
  recompute();
}

void DovetailPage::on_gib() {
  ui::show_if(w_.gib_thickness, w_.gib->value() != 0);
  if (w_.clearance_kind->value() >= 0)
    show_sketches();
  recompute();
}

void DovetailPage::on_clearance_kind() {
  show_sketches();
  recompute();
}

void DovetailPage::show_sketches() {
  for (Fl_Group* group : w_.female_groups)
    group->hide();
  for (Fl_Group* group : w_.male_groups)
    group->hide();
  int kind = w_.clearance_kind->value();
  // With no kind chosen the amount counts for nothing, as with no clearance.
  ui::show_if(w_.clearance, kind >= 0 && kind < 3);
  if (kind < 0 || kind >= kKinds)
    return;
  const auto chosen = static_cast<ClearanceKind>(kind);
  int female = (chosen == ClearanceKind::kFemaleDeeper ? kFemaleDeep : 0) +
               (w_.gib->value() ? kFemaleGib : 0);
  int male = chosen == ClearanceKind::kMaleShallower ? kMaleShallow
             : chosen == ClearanceKind::kMaleDeeper  ? kMaleDeep
                                                     : 0;
  w_.female_groups[static_cast<size_t>(female)]->show();
  w_.male_groups[static_cast<size_t>(male)]->show();
}

void DovetailPage::on_unit(bool to_mm) {
  // The unit-system button also lands here when this page already shows
  // that unit; converting again would scale the lengths twice.
  if (to_mm != lengths_in_mm_) {
    for (Fl_Input* field : {w_.width, w_.depth, w_.clearance, w_.pin, w_.gib_thickness}) {
      if (to_mm)
        ui::convert_field_inch_to_mm(field);
      else
        ui::convert_field_mm_to_inch(field);
    }
    lengths_in_mm_ = to_mm;
  }
  recompute();
}

void DovetailPage::on_print() {
  DovetailPrintValues values;
  values.male_max_width = result_.male_max_width;
  values.male_depth = result_.male_depth;
  values.male_over_pins = result_.male_over_pins;
  values.female_min_width = result_.female_min_width;
  values.female_depth = result_.female_depth;
  values.female_between_pins = result_.female_between_pins;
  values.millimetre = w_.mm->value() != 0;
  print_action_(values);
}

DovetailInput DovetailPage::read_inputs() const {
  DovetailInput in;
  in.nominal_width = ui::field_double(w_.width);
  in.nominal_depth = ui::field_double(w_.depth);
  in.angle = w_.angle_60->value()      ? FlankAngle::k60
             : w_.angle_typed->value() ? FlankAngle::kTyped
                                       : FlankAngle::k45;
  in.typed_angle = ui::field_double(w_.typed_angle);
  in.gib = w_.gib->value() != 0;
  in.gib_thickness = ui::field_double(w_.gib_thickness);
  in.clearance_kind = w_.clearance_kind->value();
  in.clearance = ui::field_double(w_.clearance);
  in.pin_diameter = ui::field_double(w_.pin);
  return in;
}

void DovetailPage::recompute() {
  std::optional<DovetailResult> computed = compute_dovetail(read_inputs());
  if (!computed) {
    clear_results();
    return;
  }
  result_ = *computed;
  const double shown[kRows] = {result_.female_min_width,    result_.male_max_width,
                               result_.female_depth,        result_.male_depth,
                               result_.female_between_pins, result_.male_over_pins};
  for (int i = 0; i < kRows; ++i)
    ui::set_field_fixed(w_.results[static_cast<size_t>(i)], kPrecision, shown[i]);
  w_.print->activate();
}

// The stored sizes stay as they were; only what is shown goes.
void DovetailPage::clear_results() {
  for (Fl_Output* field : w_.results)
    field->value("");
  w_.print->deactivate();
}

void DovetailPage::save_state(settings::IniDocument& state) const {
  ui::save_text(state, "p4:dove_nominal_width", w_.width);
  ui::save_text(state, "p4:dove_nominal_depth", w_.depth);
  ui::save_text(state, "p4:dove_clearance_amount", w_.clearance);
  ui::save_text(state, "p4:dove_pin_diameter", w_.pin);
  ui::save_text(state, "p4:dovetail_angle_specify", w_.typed_angle);
  ui::save_text(state, "p4:dove_gib_thick", w_.gib_thickness);
  ui::save_radio_index(state, "p4:dove_angle", {w_.angle_60, w_.angle_45, w_.angle_typed});
  ui::save_choice(state, "p4:dove_type", w_.clearance_kind);
  ui::save_pair(state, "p4:p4_measure", w_.inch);
  ui::save_check(state, "p4:dove_gib_yes", w_.gib);
}

void DovetailPage::load_state(const settings::IniDocument& state) {
  ui::load_text(state, "p4:dove_nominal_width", w_.width);
  ui::load_text(state, "p4:dove_nominal_depth", w_.depth);
  ui::load_text(state, "p4:dove_clearance_amount", w_.clearance);
  ui::load_text(state, "p4:dove_pin_diameter", w_.pin);
  ui::load_text(state, "p4:dovetail_angle_specify", w_.typed_angle);
  ui::load_text(state, "p4:dove_gib_thick", w_.gib_thickness);
  const std::vector<Fl_Button*> angles = {w_.angle_60, w_.angle_45, w_.angle_typed};
  ui::load_radio_index(state, "p4:dove_angle", angles);
  // -1 is a choice with nothing chosen: no sketch, computed without clearance.
  if (state.get_long("p4:dove_type", 0) == -1)
    w_.clearance_kind->value(-1);
  else
    ui::load_choice(state, "p4:dove_type", w_.clearance_kind);
  ui::load_pair(state, "p4:p4_measure", w_.inch, w_.mm);
  lengths_in_mm_ = w_.mm->value() != 0;
  ui::load_check(state, "p4:dove_gib_yes", w_.gib);

  // The restored switches show their widgets and sketches, then the page
  // computes once more from its width field.
  for (Fl_Button* button : angles)
    if (button->value())
      button->do_callback();
  w_.clearance_kind->do_callback();
  w_.gib->do_callback();
  w_.width->do_callback();
}

} // namespace workshop
