// The spur-gear page: widgets, their handlers, and its State.ini keys.
#include "pages/gears/spur_gear_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <string>
#include <vector>

#include "core/gears/gears_texts.h"
#include "core/i18n/common_texts.h"
#include "pages/gears/spur_gear_sketch.h"
#include "pages/gears/spur_job_sheet_window.h"
#include "core/settings/ini_document.h"
#include "ui/field_io.h"
#include "ui/look.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/print_job.h"
#include "ui/state_keys.h"

namespace gears {

namespace {

using ui::show_if;

constexpr numeric::RangeRule kPitchRule = numeric::any_decimal();
constexpr numeric::RangeRule kTeethRule = numeric::any_whole_number();
constexpr numeric::RangeRule kFractionRule = numeric::any_whole_number();
/// Written for gear_type when no tooth-size radio is set.
constexpr int kNoneSet = 4;
constexpr int kTableTop = 231;
constexpr int kRowStep = 26;
/// Rows 1 to 7 carry the numbers the sketch names them by.
constexpr int kNumberedRows = 7;

} // namespace

SpurGearPage::SpurGearPage(ui::PageContext& app) : Page(app, ui::PageId::kSpurGear) {}
SpurGearPage::~SpurGearPage() = default;

// ---- building ----

void SpurGearPage::build(Fl_Group& group) {
  (void)group;
  build_choices();
  build_entries();
  build_table();
  build_results();
  bind_state();
  enter_start_mode();
}

void SpurGearPage::build_choices() {
  Fl_Group* systems = ui::framed_group(166, 24, 272, 94, context_.lang(texts::kToothSizeTitle));
  for (size_t i = 0; i < w_.systems.size(); ++i) {
    w_.systems[i] = ui::radio_button(177, 29 + 20 * static_cast<int>(i), 204, 25,
                                     context_.lang(texts::kToothSystemNames[i]));
    on(w_.systems[i], [this, i] { select_pitch_system(static_cast<PitchSystem>(i)); });
  }
  systems->end();
  // Module is the metric and diametral pitch the inch choice of the unit
  // button. The button converts the tooth size between two systems, not a
  // length in place, so the pair keeps its own handler.
  context_.register_unit_pair(ui::UnitPairSlot::kSpurGearSystem, w_.systems[1], w_.systems[0],
                              [this](bool to_metric) { switch_units(to_metric); });

  w_.angle_frame = ui::framed_group(442, 25, 162, 93, context_.lang(texts::kPressureAngle));
  w_.angle_14_5 = ui::radio_button(452, 40, 140, 25, context_.lang(texts::kAngle14_5));
  w_.angle_20 = ui::radio_button(452, 75, 140, 25, context_.lang(texts::kAngle20));
  w_.angle_frame->end();
  for (Fl_Round_Button* button : {w_.angle_14_5, w_.angle_20})
    on(button, [this] { pressure_angle_chosen(); });

  auto* border = new Fl_Box(612, 8, 206, 99);
  border->box(FL_BORDER_BOX);
  border->color(ui::kPageBackground);
  w_.sketch = new gearing(613, 11, 200, 93);
}

void SpurGearPage::build_entries() {
  w_.pitch_value = ui::make_checked_input(context_, kPitchRule, 338, 139, 59, 25);
  w_.pitch_value->align(FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  w_.pitch_value->on_valid([this] { compute_spur_gear(w_.pitch_value); });

  w_.fraction_frame = new Fl_Group(289, 180, 163, 33);
  w_.fraction_frame->box(FL_ENGRAVED_FRAME);
  w_.fraction_frame->copy_label(context_.lang(texts::kFractionTitle));
  w_.fraction_frame->align(FL_ALIGN_LEFT);
  w_.whole = ui::make_checked_input(context_, kFractionRule, 296, 184, 34, 25);
  w_.over = ui::make_checked_input(context_, kFractionRule, 364, 184, 35, 25);
  w_.over->copy_label(context_.lang(texts::kFractionOver));
  w_.under = ui::make_checked_input(context_, kFractionRule, 411, 184, 35, 25, "/");
  w_.fraction_frame->end();
  for (ui::CheckedInput* field : {w_.whole, w_.over, w_.under})
    field->on_valid(
        [this] { ui::fraction_to_decimal_field(w_.pitch_value, w_.whole, w_.over, w_.under); });

  w_.teeth = ui::make_checked_input(context_, kTeethRule, 606, 140, 60, 25);
  w_.teeth->copy_label(context_.lang(texts::kTeethCount));
  w_.teeth->on_valid([this] { compute_spur_gear(w_.teeth); });
}

void SpurGearPage::build_table() {
  auto* inch_head = new Fl_Box(392, kTableTop - 25, 85, 25);
  inch_head->copy_label(context_.lang(texts::kInchUnit));
  auto* mm_head = new Fl_Box(481, kTableTop - 25, 85, 25);
  mm_head->copy_label(context_.lang(texts::kMmUnit));
  for (int row = 0; row < kSpurTableRows; ++row) {
    const int y = kTableTop + kRowStep * row;
    if (row < kNumberedRows) {
      auto* number = new Fl_Box(170, y, 24, 25);
      number->copy_label((std::to_string(row + 1) + ")").c_str());
      number->align(FL_ALIGN_INSIDE | FL_ALIGN_RIGHT);
    }
    ui::text_line(196, y, 194, 25, context_.lang(texts::kSpurRowNames[static_cast<size_t>(row)]));
    w_.inch[static_cast<size_t>(row)] = ui::result_field(392, y, 85);
    w_.mm[static_cast<size_t>(row)] = ui::result_field(481, y, 85);
  }
}

void SpurGearPage::build_results() {
  auto* module_frame = new Fl_Box(626, 210, 132, 56);
  module_frame->box(FL_ENGRAVED_FRAME);
  module_frame->copy_label(context_.lang(texts::kModuleName));
  module_frame->align(FL_ALIGN_TOP | FL_ALIGN_INSIDE);
  w_.module = ui::result_field(652, 233, 80);
  auto* pitch_frame = new Fl_Box(626, 275, 132, 56);
  pitch_frame->box(FL_ENGRAVED_FRAME);
  pitch_frame->copy_label(context_.lang(texts::kDiametralPitchName));
  pitch_frame->align(FL_ALIGN_TOP | FL_ALIGN_INSIDE);
  w_.diametral_pitch = ui::result_field(652, 298, 80);

  w_.cutter = ui::result_field(605, 367, 185);
  w_.cutter->color(ui::kNoteBackground);

  w_.help = ui::question_button({695, 408, 58, 58}, 58);
  on(w_.help, [this] { context_.show_help(ui::HelpTopic::kBacklash); });
  // Beside the help, right of the table.
  w_.job_sheet = new Fl_Button(577, 408, 110, 58);
  w_.job_sheet->copy_label(context_.lang(texts::kJobSheetTitle));
  w_.job_sheet->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  w_.job_sheet->deactivate();
  on(w_.job_sheet, [this] { open_job_sheet(); });

  auto* span = ui::framed_group(223, 480, 534, 61, context_.lang(texts::kSpanTitle));
  w_.span_text = ui::text_line(230, 482, 330, 25, "");
  // Another count at the end of the line; its field takes a typed count on
  // Enter, so that "12" is not read as 1 on the way.
  w_.span_teeth = new Fl_Spinner(697, 483, 52, 24);
  ui::limit_spinner_text(w_.span_teeth);
  w_.span_teeth->copy_label(context_.lang(texts::kSpanTeethLabel));
  w_.span_teeth->copy_tooltip(context_.lang(texts::kSpanTeethTip));
  w_.span_teeth->type(FL_INT_INPUT);
  w_.span_teeth->step(1);
  w_.span_teeth->hide();
  on(w_.span_teeth, [this] {
    span_teeth_ = static_cast<long>(w_.span_teeth->value());
    show(form());
  });
  w_.span_inch = ui::result_field(353, 511, 92);
  w_.span_inch->copy_label(context_.lang(texts::kInchUnit));
  w_.span_mm = ui::result_field(561, 511, 92);
  w_.span_mm->copy_label(context_.lang(texts::kMmUnit));
  span->end();

  w_.status = new Fl_Box(170, 542, 644, 53);
  w_.status->box(FL_FLAT_BOX);
  w_.status->color(ui::kNoteBackground);
  w_.status->align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_LEFT);
}

void SpurGearPage::bind_state() {
  state_.texts({{"gear_profile", w_.pitch_value},
                {"gear_tooth_count", w_.teeth},
                {"gears_whole", w_.whole},
                {"gears_over", w_.over},
                {"gears_under", w_.under}});
  state_.radio("gear_type", {w_.systems[0], w_.systems[1], w_.systems[2], w_.systems[3]}, kNoneSet);
  state_.pair("pressure_angle", w_.angle_14_5, w_.angle_20);
  // The teeth spanned as shown, "0" without a span; a count the restored
  // gear doesn't allow gives way to the standard count.
  state_.custom(
      [this](settings::IniDocument& state, const std::string& section) {
        const long shown = w_.span_teeth->visible() ? static_cast<long>(w_.span_teeth->value()) : 0;
        state.set(section + ":span_teeth", std::to_string(shown));
      },
      [this](const settings::IniDocument& state, const std::string& section) {
        span_teeth_ = state.get_long(section + ":span_teeth", 0);
      });
}

// ---- choices ----

PitchSystem SpurGearPage::pitch_system() const {
  return static_cast<PitchSystem>(
      ui::chosen_index(w_.systems, static_cast<int>(PitchSystem::kDiametralPitch)));
}

PressureAngle SpurGearPage::pressure_angle() const {
  return w_.angle_14_5->value() ? PressureAngle::k14_5 : PressureAngle::k20;
}

void SpurGearPage::label_pitch_value(i18n::TextId label) {
  // Hidden and shown again, so that the old label is wiped off the page.
  w_.pitch_value->hide();
  w_.pitch_value->copy_label(context_.lang(label));
  w_.pitch_value->show();
}

void SpurGearPage::select_pitch_system(PitchSystem system) {
  units_switched_.reset(); // a system chosen here is not the button's to undo
  w_.teeth->value("");
  change_pitch_system(system);
  w_.pitch_value->value("");
  gear_changed();
  // Only a field on the page shown may take the keys: the start-up and the
  // state restore also land here while another page is shown.
  if (w_.pitch_value->visible_r())
    w_.pitch_value->take_focus();
}

void SpurGearPage::show_pitch_system(PitchSystem system) {
  const SpurSystemLayout layout = spur_system_layout(system);
  if (!layout.angle_shown)
    ui::set_radio(w_.angle_20);
  show_if(w_.angle_frame, layout.angle_shown);
  label_pitch_value(layout.pitch_label);
  show_if(w_.fraction_frame, layout.fraction_shown);
  show_if(w_.cutter, layout.cutter_shown);
  w_.cutter->value("");
}

void SpurGearPage::change_pitch_system(PitchSystem system) {
  if (!spur_system_layout(system).fraction_shown)
    empty_fraction();
  show_pitch_system(system);
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
    change_pitch_system(before.from);
    if (before.at_14_5)
      ui::set_radio(w_.angle_14_5);
    for (size_t i = 0; i < fields.size(); ++i)
      ui::show_text(fields[i], before.typed[i]);
    span_teeth_ = before.span_teeth;
  } else {
    const PitchSystem to = to_metric ? PitchSystem::kModule : PitchSystem::kDiametralPitch;
    // The same gear in the other system; nothing typed stays as it is.
    const std::optional<ToothSize> size = tooth_size(from, ui::field_double(w_.pitch_value));
    const std::string written = size ? pitch_value_text(*size, to) : typed[0];
    const bool at_14_5 = pressure_angle() == PressureAngle::k14_5;
    units_switched_ = UnitsSwitched{from, typed, at_14_5, to, written, span_teeth_};
    ui::set_radio(w_.systems[static_cast<size_t>(to)]);
    change_pitch_system(to);
    ui::show_text(w_.pitch_value, written);
    // The same teeth in another unit, unless the system takes another angle.
    if (at_14_5 && pressure_angle() != PressureAngle::k14_5)
      span_teeth_ = 0;
  }
  compute_spur_gear(nullptr);
}

void SpurGearPage::pressure_angle_chosen() {
  // The dedendum of an inch gear depends on the angle, so the whole table
  // follows, not only the span measurement.
  gear_changed();
}

void SpurGearPage::gear_changed() {
  span_teeth_ = 0;
  show(form());
}

// ---- results ----

void SpurGearPage::show_status(i18n::TextId label) {
  const bool warning = label == texts::kTooFewTeeth;
  w_.status->copy_label(context_.lang(label));
  w_.status->labelfont(warning ? FL_HELVETICA_BOLD : FL_HELVETICA);
  w_.status->labelcolor(warning ? FL_RED : FL_BLACK);
  w_.status->redraw();
}

SpurGearFormInput SpurGearPage::form_input() const {
  return {pitch_system(), pressure_angle(), w_.pitch_value->number_text(), w_.teeth->number_text(),
          span_teeth_};
}

SpurGearForm SpurGearPage::form() const { return spur_gear_form(form_input()); }

void SpurGearPage::compute_spur_gear(Fl_Input* caller) {
  // A typed pitch no longer matches the fraction; one made from it does.
  if (caller == w_.pitch_value && !w_.pitch_value->composed())
    empty_fraction();
  if (caller)
    gear_changed();
  else
    show(form());
}

void SpurGearPage::show(const SpurGearForm& form) {
  // A sheet only for the gear the fields make, with sizes to show.
  if (form.gear && job_sheet_shows_sizes(form_input()))
    w_.job_sheet->activate();
  else
    w_.job_sheet->deactivate();
  show_status(form.status_entry);
  for (size_t row = 0; row < w_.inch.size(); ++row) {
    w_.inch[row]->value(form.inch[row].c_str());
    w_.mm[row]->value(form.mm[row].c_str());
  }
  w_.module->value(form.module.c_str());
  w_.diametral_pitch->value(form.diametral_pitch.c_str());
  const std::string cutter = form.cutter != 0 ? context_.lang_or(texts::kCutterNumber, "") + " " +
                                                    std::to_string(form.cutter)
                                              : "";
  w_.cutter->value(cutter.c_str());
  show_span(form.span);
}

void SpurGearPage::show_span(const SpurSpan& span) {
  const std::string line =
      span_line(span.teeth, [this](i18n::TextId entry) { return context_.lang_or(entry, ""); });
  w_.span_text->value(line.c_str());
  w_.span_inch->value(span.inch.c_str());
  w_.span_mm->value(span.mm.c_str());
  show_if(w_.span_teeth, span.teeth != 0);
  if (span.teeth != 0) {
    w_.span_teeth->range(static_cast<double>(span.fewest), static_cast<double>(span.most));
    w_.span_teeth->value(static_cast<double>(span.teeth));
  }
}

void SpurGearPage::empty_fraction() {
  for (Fl_Input* field : {w_.whole, w_.over, w_.under})
    field->value("");
}

// ---- the job sheet ----

std::optional<std::vector<JobSheetRow>> SpurGearPage::job_sheet() const {
  const workshop::DividingHead head = context_.dividing_head();
  return spur_job_sheet(form_input(), {head.name, head.ratio, head.circles, head.gears},
                        ui::print_stamp(context_, ui::PageId::kSpurGear).date,
                        [this](i18n::TextId entry) { return context_.lang_or(entry, ""); });
}

void SpurGearPage::open_job_sheet() {
  std::optional<std::vector<JobSheetRow>> rows = job_sheet();
  if (!rows)
    return;
  if (job_sheet_window_)
    job_sheet_window_->window()->hide();
  job_sheet_window_ = std::make_unique<JobSheetWindow>(context_, std::move(*rows));
  job_sheet_window_->window()->show();
}

// ---- life cycle ----

void SpurGearPage::enter_start_mode() {
  ui::set_radio(w_.systems[1]);
  ui::set_radio(w_.angle_20);
  w_.angle_frame->show();
  w_.fraction_frame->hide();
  w_.cutter->show();
  label_pitch_value(texts::kDiametralPitchName);
  show_status(texts::kSpurNote);
}

void SpurGearPage::apply_settings() {
  if (context_.unit_system() == 1) {
    ui::set_radio(w_.systems[0]);
    select_pitch_system(PitchSystem::kModule);
  }
}

Fl_Input* SpurGearPage::focus_input() { return w_.pitch_value; }

void SpurGearPage::restored() {
  // The restored system shows its widgets with what the file gave; a
  // hand-edited 14.5° gives way to the metric systems' 20°.
  units_switched_.reset();
  show_pitch_system(pitch_system());
  compute_spur_gear(nullptr);
}

} // namespace gears
