// The spur-gear page: widgets, their handlers, and its State.ini keys.
#include "calc/gears/spur_gear_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <string>
#include <vector>

#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "calc/gears/gearing.h"
#include "i18n/format_check.h"
#include "settings/ini_document.h"

namespace gears {

namespace {

using ui::ReadOnlyField;
using ui::show_if;

constexpr Fl_Color kPageGrey = 50;
constexpr Fl_Color kNoteColour = 206;
constexpr int kPitchRecord = 27;
constexpr int kTeethRecord = 28;
constexpr int kFractionRecord = 29;
/// Text numbers of the first two tooth-size radios; the circular pitches follow.
constexpr int kModuleLabel = 293;
constexpr int kDiametralPitchLabel = 294;
/// Written for gear_type when no tooth-size radio is set.
constexpr int kNoneSet = 4;
constexpr int kTableTop = 231;
constexpr int kRowStep = 26;

// The tooth table: inch decimals of each row (the millimetre column has 3).
constexpr std::array<int, kSpurTableRows> kInchPlaces = {4, 4, 4, 3, 4, 4, 3, 4, 4};

std::array<Length, kSpurTableRows> table_rows(const SpurGear& gear) {
  return {gear.whole_depth,   gear.addendum,       gear.dedendum,
          gear.working_depth, gear.circular_pitch, gear.tooth_thickness,
          gear.clearance,     gear.pitch_diameter, gear.outside_diameter};
}

} // namespace

// ---- building ----

void SpurGearPage::build(Fl_Group& group) {
  (void)group;
  build_choices();
  build_entries();
  build_table();
  build_results();
  enter_start_mode();
}

void SpurGearPage::build_choices() {
  Fl_Group* systems = ui::framed_group(166, 24, 272, 94, context_.lang(292));
  for (size_t i = 0; i < w_.systems.size(); ++i) {
    const int label = kModuleLabel + static_cast<int>(i);
    w_.systems[i] =
        ui::radio_button(177, 29 + 20 * static_cast<int>(i), 204, 25, context_.lang(label));
    w_.systems[i]->callback(
        [](Fl_Widget* button, void* page) {
          auto* self = static_cast<SpurGearPage*>(page);
          for (size_t j = 0; j < self->w_.systems.size(); ++j)
            if (self->w_.systems[j] == button)
              self->select_pitch_system(kModuleLabel + static_cast<int>(j));
        },
        this);
  }
  systems->end();
  // Module is the metric and diametral pitch the inch choice of the unit button.
  context_.register_unit_pair(ui::UnitPairSlot::kSpurGearSystem, w_.systems[1], w_.systems[0],
                              [this](bool to_metric) { switch_units(to_metric); });

  w_.angle_frame = ui::framed_group(442, 25, 162, 93, context_.lang(309));
  w_.angle_14_5 = ui::radio_button(452, 40, 140, 25, context_.lang(310));
  w_.angle_20 = ui::radio_button(452, 75, 140, 25, context_.lang(311));
  w_.angle_frame->end();
  for (Fl_Round_Button* button : {w_.angle_14_5, w_.angle_20})
    button->callback(
        [](Fl_Widget*, void* page) { static_cast<SpurGearPage*>(page)->pressure_angle_chosen(); },
        this);

  auto* border = new Fl_Box(612, 8, 206, 99);
  border->box(FL_BORDER_BOX);
  border->color(kPageGrey);
  w_.sketch = new gearing(613, 11, 200, 93);
}

void SpurGearPage::build_entries() {
  w_.pitch_value = ui::make_checked_input(context_, kPitchRecord, 338, 139, 59, 25);
  w_.pitch_value->align(FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  context_.input_range(kPitchRecord).on_valid = [this](Fl_Input* field, long) {
    compute_spur_gear(field);
  };

  w_.fraction_frame = new Fl_Group(289, 180, 163, 33);
  w_.fraction_frame->box(FL_ENGRAVED_FRAME);
  w_.fraction_frame->copy_label(context_.lang(280));
  w_.fraction_frame->align(FL_ALIGN_LEFT);
  w_.whole = ui::make_checked_input(context_, kFractionRecord, 296, 184, 34, 25);
  w_.over = ui::make_checked_input(context_, kFractionRecord, 364, 184, 35, 25);
  w_.over->copy_label(context_.lang(308));
  w_.under = ui::make_checked_input(context_, kFractionRecord, 411, 184, 35, 25, "/");
  w_.fraction_frame->end();
  context_.input_range(kFractionRecord).on_valid = [this](Fl_Input*, long) {
    ui::fraction_to_decimal_field(w_.pitch_value, w_.whole, w_.over, w_.under);
  };

  w_.teeth = ui::make_checked_input(context_, kTeethRecord, 606, 140, 60, 25);
  w_.teeth->copy_label(context_.lang(307));
  context_.input_range(kTeethRecord).on_valid = [this](Fl_Input* field, long) {
    compute_spur_gear(field);
  };
}

void SpurGearPage::build_table() {
  auto* inch_head = new Fl_Box(392, kTableTop - 25, 85, 25);
  inch_head->copy_label(context_.lang(20));
  auto* mm_head = new Fl_Box(481, kTableTop - 25, 85, 25);
  mm_head->copy_label(context_.lang(19));
  for (int row = 0; row < kSpurTableRows; ++row) {
    const int y = kTableTop + kRowStep * row;
    if (row < 7) {
      auto* number = new Fl_Box(170, y, 24, 25);
      number->copy_label((std::to_string(row + 1) + ")").c_str());
      number->align(FL_ALIGN_INSIDE | FL_ALIGN_RIGHT);
    }
    ui::text_line(196, y, 194, 25, context_.lang(297 + row));
    w_.inch[static_cast<size_t>(row)] = ui::result_field(392, y, 85);
    w_.mm[static_cast<size_t>(row)] = ui::result_field(481, y, 85);
  }
}

void SpurGearPage::build_results() {
  auto* module_frame = new Fl_Box(626, 210, 132, 56);
  module_frame->box(FL_ENGRAVED_FRAME);
  module_frame->copy_label(context_.lang(kModuleLabel));
  module_frame->align(FL_ALIGN_TOP | FL_ALIGN_INSIDE);
  w_.module = ui::result_field(652, 233, 80);
  auto* pitch_frame = new Fl_Box(626, 275, 132, 56);
  pitch_frame->box(FL_ENGRAVED_FRAME);
  pitch_frame->copy_label(context_.lang(kDiametralPitchLabel));
  pitch_frame->align(FL_ALIGN_TOP | FL_ALIGN_INSIDE);
  w_.diametral_pitch = ui::result_field(652, 298, 80);

  w_.cutter = new ReadOnlyField(605, 367, 185, 25, kNoteColour);
  w_.cutter->box(FL_GTK_DOWN_BOX);

  w_.help = new Fl_Button(695, 408, 58, 58, "?");
  w_.help->box(FL_GTK_UP_BOX);
  w_.help->labelfont(FL_TIMES_BOLD_ITALIC);
  w_.help->labelsize(58);
  w_.help->callback(
      [](Fl_Widget*, void* app) {
        static_cast<ui::PageContext*>(app)->show_help(ui::HelpTopic::kBacklash);
      },
      &context_);

  auto* span = ui::framed_group(223, 480, 534, 61, context_.lang(314));
  w_.span_text = ui::text_line(230, 482, 459, 25, "");
  w_.span_inch = ui::result_field(353, 511, 92);
  w_.span_inch->copy_label(context_.lang(20));
  w_.span_mm = ui::result_field(561, 511, 92);
  w_.span_mm->copy_label(context_.lang(19));
  span->end();

  w_.status = new Fl_Box(170, 542, 644, 53);
  w_.status->box(FL_FLAT_BOX);
  w_.status->color(kNoteColour);
  w_.status->align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_LEFT);
}

// ---- choices ----

PitchSystem SpurGearPage::pitch_system() const {
  for (size_t i = 0; i < w_.systems.size(); ++i)
    if (w_.systems[i]->value())
      return static_cast<PitchSystem>(i);
  return PitchSystem::kDiametralPitch;
}

PressureAngle SpurGearPage::pressure_angle() const {
  return w_.angle_14_5->value() ? PressureAngle::k14_5 : PressureAngle::k20;
}

void SpurGearPage::label_pitch_value(int label) {
  // Hidden and shown again, so that the old label is wiped off the page.
  w_.pitch_value->hide();
  w_.pitch_value->copy_label(context_.lang(label));
  w_.pitch_value->show();
}

void SpurGearPage::select_pitch_system(int label) {
  units_switched_.reset(); // a system chosen here is not the button's to undo
  clear_spur_outputs();
  w_.teeth->value("");
  show_pitch_system(static_cast<PitchSystem>(label - kModuleLabel));
  w_.pitch_value->value("");
  update_span_measurement();
  // Only a field on the page shown may take the keys: the start-up and the
  // state restore also land here while another page is shown.
  if (w_.pitch_value->visible_r())
    w_.pitch_value->take_focus();
}

void SpurGearPage::show_pitch_system(PitchSystem system) {
  const bool metric = system == PitchSystem::kModule || system == PitchSystem::kCircularPitchMm;
  // Metric gears are cut at 20°.
  if (metric)
    ui::set_radio(w_.angle_20);
  show_if(w_.angle_frame, !metric);
  label_pitch_value(kModuleLabel + static_cast<int>(system));
  const bool fraction = system == PitchSystem::kCircularPitchInch;
  if (!fraction)
    empty_fraction();
  show_if(w_.fraction_frame, fraction);
  // Form cutters come in sets for module and diametral pitch only.
  show_if(w_.cutter, system == PitchSystem::kModule || system == PitchSystem::kDiametralPitch);
  w_.cutter->value("");
}

void SpurGearPage::switch_units(bool to_metric) {
  const PitchSystem from = pitch_system();
  const std::array<Fl_Input*, 4> fields = {w_.pitch_value, w_.whole, w_.over, w_.under};
  std::array<std::string, 4> typed;
  for (size_t i = 0; i < fields.size(); ++i)
    typed[i] = fields[i]->value();
  if (units_switched_ && units_switched_->to == from && units_switched_->written == typed[0]) {
    // Untouched since the last switch: back to exactly what was there.
    const UnitsSwitched before = *units_switched_;
    units_switched_.reset();
    ui::set_radio(w_.systems[static_cast<size_t>(before.from)]);
    show_pitch_system(before.from);
    if (before.at_14_5)
      ui::set_radio(w_.angle_14_5);
    for (size_t i = 0; i < fields.size(); ++i)
      fields[i]->value(before.typed[i].c_str());
  } else {
    const PitchSystem to = to_metric ? PitchSystem::kModule : PitchSystem::kDiametralPitch;
    // The same gear in the other system; nothing typed stays as it is.
    const std::optional<ToothSize> size = tooth_size(from, ui::field_double(w_.pitch_value));
    const std::string written = size ? pitch_value_text(*size, to) : typed[0];
    units_switched_ =
        UnitsSwitched{from, typed, pressure_angle() == PressureAngle::k14_5, to, written};
    ui::set_radio(w_.systems[static_cast<size_t>(to)]);
    show_pitch_system(to);
    w_.pitch_value->value(written.c_str());
  }
  compute_spur_gear(nullptr);
}

void SpurGearPage::pressure_angle_chosen() {
  // The dedendum of an inch gear depends on the angle, so the whole table
  // follows, not only the span measurement.
  compute_spur_gear(nullptr);
  update_span_measurement();
}

// ---- results ----

void SpurGearPage::show_status(int label, bool warning) {
  w_.status->copy_label(context_.lang(label));
  w_.status->labelfont(warning ? FL_HELVETICA_BOLD : FL_HELVETICA);
  w_.status->labelcolor(warning ? FL_RED : FL_BLACK);
  w_.status->redraw();
}

void SpurGearPage::compute_spur_gear(Fl_Input* caller) {
  if (auto* field = dynamic_cast<ui::CheckedInput*>(caller); field && field->range()) {
    ui::InputRange& record = *field->range();
    if (record.rule.arg == 1)
      record.rule.arg = 0; // the value was just made from the fraction
    else if (caller == w_.pitch_value)
      empty_fraction(); // a typed value no longer matches the fraction
  }
  const long teeth = ui::field_long(w_.teeth);
  const double value = ui::field_double(w_.pitch_value);
  if (!(value >= kMissingPitch)) {
    clear_spur_outputs();
    update_span_measurement();
    return;
  }
  if (teeth < kFewestTeeth) {
    // The table keeps the last gear; the red line says why it doesn't follow.
    if (teeth != 0)
      show_status(318, true);
    return;
  }
  show_status(306, false);
  const std::optional<SpurGear> gear =
      solve_spur_gear({pitch_system(), pressure_angle(), value, teeth});
  if (!gear) {
    clear_spur_outputs();
    update_span_measurement();
    return;
  }
  w_.diametral_pitch->value(diametral_pitch_text(gear->size.diametral_pitch).c_str());
  const std::array<Length, kSpurTableRows> rows = table_rows(*gear);
  for (size_t row = 0; row < rows.size(); ++row) {
    ui::set_field_fixed(w_.inch[row], kInchPlaces[row], rows[row].inch);
    ui::set_field_fixed(w_.mm[row], 3, rows[row].mm);
  }
  ui::set_field_fixed(w_.module, 3, gear->size.module);
  kept_ = KeptGear{gear->pitch_diameter.inch / 2.0, gear->tooth_thickness.inch};
  if (gear->cutter != 0) {
    const char* name = context_.lang(313);
    w_.cutter->value(((name ? name : "") + (" " + std::to_string(gear->cutter))).c_str());
  }
  update_span_measurement();
}

void SpurGearPage::update_span_measurement() {
  const long teeth = ui::field_long(w_.teeth);
  const PressureAngle angle = pressure_angle();
  std::string line;
  std::optional<Length> width;
  switch (span_line(teeth, angle, w_.pitch_value->size() > 0)) {
  case SpanLine::kNone:
    break;
  case SpanLine::kTooManyTeeth:
    line = context_.lang_or(312, "");
    break;
  case SpanLine::kTooFewTeeth:
    line = context_.lang_or(316, "");
    break;
  case SpanLine::kAcrossTeeth: {
    const int k = span_pitches(teeth, angle);
    line = i18n::checked_format(context_.lang_or(315, ""), "dd", k + 1, k);
    // No gear, no width: a missing pitch value leaves nothing to measure.
    if (kept_)
      width = span_width(teeth, angle, kept_->pitch_radius, kept_->tooth_thickness);
    break;
  }
  }
  w_.span_text->value(line.c_str());
  if (width) {
    ui::set_field_fixed(w_.span_inch, 4, width->inch);
    ui::set_field_fixed(w_.span_mm, 3, width->mm);
  } else {
    w_.span_inch->value("");
    w_.span_mm->value("");
  }
}

void SpurGearPage::clear_spur_outputs() {
  for (size_t row = 0; row < w_.inch.size(); ++row) {
    w_.inch[row]->value("");
    w_.mm[row]->value("");
  }
  w_.module->value("");
  w_.diametral_pitch->value("");
  kept_.reset();
}

void SpurGearPage::empty_fraction() {
  for (Fl_Input* field : {w_.whole, w_.over, w_.under})
    field->value("");
}

// ---- life cycle ----

void SpurGearPage::enter_start_mode() {
  ui::set_radio(w_.systems[1]);
  ui::set_radio(w_.angle_20);
  w_.angle_frame->show();
  w_.fraction_frame->hide();
  w_.cutter->show();
  label_pitch_value(kDiametralPitchLabel);
  show_status(306, false);
}

void SpurGearPage::apply_settings() {
  if (context_.unit_system() == 1) {
    // The callback also gives the pitch value its module label.
    ui::set_radio(w_.systems[0]);
    w_.systems[0]->do_callback();
  }
}

Fl_Input* SpurGearPage::focus_input() { return w_.pitch_value; }

void SpurGearPage::save_state(settings::IniDocument& state) const {
  ui::save_text(state, "p10:gear_profile", w_.pitch_value);
  ui::save_text(state, "p10:gear_tooth_count", w_.teeth);
  ui::save_text(state, "p10:gears_whole", w_.whole);
  ui::save_text(state, "p10:gears_over", w_.over);
  ui::save_text(state, "p10:gears_under", w_.under);
  const std::vector<Fl_Button*> systems(w_.systems.begin(), w_.systems.end());
  ui::save_radio_index(state, "p10:gear_type", systems, kNoneSet);
  ui::save_pair(state, "p10:pressure_angle", w_.angle_14_5);
}

void SpurGearPage::load_state(const settings::IniDocument& state) {
  const std::vector<Fl_Button*> systems(w_.systems.begin(), w_.systems.end());
  const int system = ui::load_radio_index(state, "p10:gear_type", systems);
  if (system >= 0)
    w_.systems[static_cast<size_t>(system)]->do_callback();
  ui::load_pair(state, "p10:pressure_angle", w_.angle_14_5, w_.angle_20);
  // A hand-edited 14.5° must not hide behind the metric systems' 20°.
  if (!w_.angle_frame->visible())
    ui::set_radio(w_.angle_20);
  ui::load_text(state, "p10:gear_profile", w_.pitch_value);
  ui::load_text(state, "p10:gear_tooth_count", w_.teeth);
  ui::load_text(state, "p10:gears_whole", w_.whole);
  ui::load_text(state, "p10:gears_over", w_.over);
  ui::load_text(state, "p10:gears_under", w_.under);
  compute_spur_gear(nullptr);
}

} // namespace gears
