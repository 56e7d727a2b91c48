// Dovetail.
#include "pages/workshop/dovetail_page.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <vector>

#include "core/i18n/common_texts.h"
#include "pages/workshop/dovetail_sketches.h"
#include "core/settings/ini_document.h"
#include "core/workshop/workshop_texts.h"
#include "ui/field_io.h"
#include "ui/look.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/state_keys.h"

namespace workshop {

namespace {

constexpr Fl_Color kFirstNoteColour = 67;

// What the fields accept: every length, and the typed angle (0 ... 90 degrees).
constexpr numeric::RangeRule kLengthRule = numeric::any_decimal();
constexpr numeric::RangeRule kAngleRule = numeric::decimal_in(0.0, 90.0);

constexpr int kKinds = 4;
constexpr int kRowY[DovetailPage::kRows] = {290, 317, 343, 369, 396, 423};

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
        dovetail_print(app, ui::PageId::kDovetail, values, DovetailSheets::kBoth);
      }) {}

void DovetailPage::build(Fl_Group&) {
  build_sketches();
  build_inputs();
  build_results();
  bind_state();
  recompute();
}

void DovetailPage::build_sketches() {
  // In the order of FemaleSketch and MaleSketch.
  w_.female_groups = {sketch_group<FDoveTailStandard>(context_, 7, 6, 130),
                      sketch_group<FDoveTailDeep>(context_, 7, 6, 130),
                      sketch_group<FDoveTailStandardGib>(context_, 7, 6, 130),
                      sketch_group<FDoveTailDeepGib>(context_, 7, 6, 130)};
  w_.male_groups = {sketch_group<MDoveTailStandard>(context_, 136, 137, 150),
                    sketch_group<MDoveTailShallow>(context_, 136, 137, 150),
                    sketch_group<MDoveTailDeep>(context_, 136, 137, 150)};
  // The male sketch's angle leader points at this caption.
  caption(722, 155, 93, 42, context_.lang(texts::kFlankAngle),
          FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
}

void DovetailPage::build_inputs() {
  const Fl_Align row_caption = FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP;
  caption(164, 288, 202, 22, context_.lang(texts::kNominalWidth), row_caption)
      ->labelfont(FL_HELVETICA_BOLD);
  w_.width = ui::make_checked_input(context_, kLengthRule, 372, 288, 65, 22);
  caption(164, 319, 202, 22, context_.lang(texts::kNominalDepth), row_caption)
      ->labelfont(FL_HELVETICA_BOLD);
  w_.depth = ui::make_checked_input(context_, kLengthRule, 372, 319, 65, 22);

  auto* angles = new Fl_Group(166, 358, 271, 56);
  angles->copy_label(context_.lang(texts::kFlankAngle));
  angles->labelcolor(ui::kCaptionBlue);
  w_.angle_60 = ui::radio_button(180, 359, 95, 22, context_.lang(texts::kAngle60));
  w_.angle_45 = ui::radio_button(180, 390, 93, 22, context_.lang(texts::kAngle45));
  w_.angle_45->setonly();
  w_.angle_typed = ui::radio_button(322, 359, 113, 22, context_.lang(texts::kOtherAngle));
  w_.typed_angle = ui::make_checked_input(context_, kAngleRule, 384, 389, 51, 22);
  w_.typed_angle->copy_label(context_.lang(texts::kTypedAngleLabel));
  angles->end();

  w_.gib = new Fl_Check_Button(228, 415, 107, 22);
  w_.gib->down_box(FL_DOWN_BOX);
  w_.gib->copy_label(context_.lang(texts::kGibCheck));
  w_.gib_thickness = ui::make_checked_input(context_, kLengthRule, 330, 437, 60, 25);
  w_.gib_thickness->copy_label(context_.lang(texts::kGibThickness));

  auto* clearance = new Fl_Group(167, 476, 651, 41);
  clearance->copy_label(context_.lang(texts::kClearanceTitle));
  clearance->align(FL_ALIGN_TOP_LEFT);
  clearance->labelcolor(ui::kCaptionBlue);
  w_.clearance_kind = new Fl_Choice(178, 485, 394, 25);
  w_.clearance_kind->down_box(FL_GTK_DOWN_BOX);
  ui::fill_text_menu(w_.clearance_kind, context_, texts::kFemaleDeeper, kKinds); // consecutive
  w_.clearance_kind->value(static_cast<int>(ClearanceKind::kFemaleDeeper));
  w_.clearance = ui::make_checked_input(context_, kLengthRule, 738, 486, 75, 22);
  w_.clearance->copy_label(context_.lang(texts::kClearanceAmount));
  clearance->end();

  w_.pin = ui::make_checked_input(context_, kLengthRule, 561, 451, 98, 22);
  w_.pin->copy_label(context_.lang(texts::kPinDiameter));

  auto* units = new Fl_Group(663, 450, 151, 24);
  std::tie(w_.inch, w_.mm) = ui::inch_mm_buttons(context_, {665, 450, 68, 23}, {740, 450, 67, 23});
  units->end();
  units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kDovetail, w_.inch, w_.mm,
      [this] {
        // The typed angle is no length.
        return std::vector<Fl_Input_*>{w_.width, w_.depth, w_.clearance, w_.pin, w_.gib_thickness};
      },
      [this] { recompute(); });
  for (ui::CheckedInput* length : {w_.width, w_.depth, w_.clearance, w_.pin, w_.gib_thickness})
    length->measure_in(*units_);
  w_.typed_angle->hold_angles(true);

  for (Fl_Widget* choice :
       {static_cast<Fl_Widget*>(w_.angle_60), static_cast<Fl_Widget*>(w_.angle_45),
        static_cast<Fl_Widget*>(w_.angle_typed), static_cast<Fl_Widget*>(w_.gib),
        static_cast<Fl_Widget*>(w_.clearance_kind)})
    on(choice, [this] { recompute(); });
  for (ui::CheckedInput* field :
       {w_.width, w_.depth, w_.typed_angle, w_.gib_thickness, w_.clearance, w_.pin})
    field->on_valid([this] { recompute(); });
  // Results for an angle other than the one shown would be wrong: the
  // refused angle itself says there are none.
  w_.typed_angle->on_invalid([this] { recompute(); });
}

void DovetailPage::build_results() {
  auto* panel = new Fl_Box(442, 288, 376, 161);
  panel->box(FL_GTK_DOWN_BOX);
  panel->color(ui::kPageBackground);
  for (int i = 0; i < kRows; ++i) {
    const int y = kRowY[i];
    // The result rows are consecutive entries.
    ui::text_line(445, y, 294, 22, context_.lang(texts::kFemaleMouthWidth + i));
    w_.results[static_cast<size_t>(i)] = ui::result_field(742, y, 67, 22);
  }

  const Fl_Align note = FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP;
  w_.first_note = caption(168, 519, 650, 36, context_.lang(texts::kDovetailNote1), note);
  w_.first_note->labelcolor(kFirstNoteColour);
  caption(168, 556, 582, 36, context_.lang(texts::kDovetailNote2), note)
      ->labelcolor(ui::kCaptionBlue);
  w_.reason = ui::reason_line({168, 519, 650, 36});

  w_.print = new Fl_Button(754, 556, 64, 36, "@+9fileprint");
  w_.print->box(FL_GTK_UP_BOX);
  w_.print->labelsize(9);
  on(w_.print, [this] { print(); });
}

void DovetailPage::bind_state() {
  state_.texts({{"dove_nominal_width", w_.width},
                {"dove_nominal_depth", w_.depth},
                {"dove_clearance_amount", w_.clearance},
                {"dove_pin_diameter", w_.pin},
                {"dovetail_angle_specify", w_.typed_angle},
                {"dove_gib_thick", w_.gib_thickness}});
  state_.radio("dove_angle", {w_.angle_60, w_.angle_45, w_.angle_typed});
  // -1, a choice with nothing chosen, comes back as it was: no sketch, and
  // the sizes computed without clearance.
  state_.choice("dove_type", w_.clearance_kind, true);
  units_->bind_state(state_, "p4_measure");
  state_.check("dove_gib_yes", w_.gib);
}

void DovetailPage::apply_settings() { units_->apply_settings(); }

Fl_Input* DovetailPage::focus_input() { return w_.width; }

void DovetailPage::restored() { recompute(); }

DovetailFormInput DovetailPage::form_input() const {
  DovetailFormInput in;
  in.width = w_.width->number_text();
  in.depth = w_.depth->number_text();
  in.angle = w_.angle_60->value()      ? FlankAngle::k60
             : w_.angle_typed->value() ? FlankAngle::kTyped
                                       : FlankAngle::k45;
  in.typed_angle = w_.typed_angle->number_text();
  in.gib = w_.gib->value() != 0;
  in.gib_thickness = w_.gib_thickness->number_text();
  in.clearance_kind = w_.clearance_kind->value();
  in.clearance = w_.clearance->number_text();
  in.pin = w_.pin->number_text();
  return in;
}

void DovetailPage::recompute() {
  const DovetailForm form = dovetail_form(form_input());
  ui::show_if(w_.typed_angle, form.typed_angle_shown);
  ui::show_if(w_.gib_thickness, form.gib_thickness_shown);
  ui::show_if(w_.clearance, form.sketches.clearance_shown);
  for (size_t i = 0; i < w_.female_groups.size(); ++i)
    ui::show_if(w_.female_groups[i],
                form.sketches.female && static_cast<size_t>(*form.sketches.female) == i);
  for (size_t i = 0; i < w_.male_groups.size(); ++i)
    ui::show_if(w_.male_groups[i],
                form.sketches.male && static_cast<size_t>(*form.sketches.male) == i);
  // The reason, when there is one, takes the first note's place.
  ui::show_if(w_.first_note, form.reason == i18n::kNoText);
  ui::show_reason(w_.reason, context_, form.reason);
  if (!form.result) {
    // The stored sizes stay as they were; only what is shown goes.
    for (Fl_Output* field : w_.results)
      field->value("");
    w_.print->deactivate();
    return;
  }
  result_ = *form.result;
  for (size_t i = 0; i < w_.results.size(); ++i)
    w_.results[i]->value(form.rows[i].c_str());
  w_.print->activate();
}

void DovetailPage::print() {
  DovetailPrintValues values;
  values.male = {result_.male_max_width, result_.male_depth, result_.male_over_pins};
  values.female = {result_.female_min_width, result_.female_depth, result_.female_between_pins};
  values.pin_diameter = ui::field_double(w_.pin);
  values.millimetre = units_->metric();
  print_action_(values);
}

} // namespace workshop
