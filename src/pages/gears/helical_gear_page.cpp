// The helical-gear page: widgets, their handlers, and its State.ini keys.
#include "pages/gears/helical_gear_page.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <string>
#include <vector>

#include "core/gears/gears_texts.h"
#include "core/gears/helical_job_sheet_form.h"
#include "core/i18n/common_texts.h"
#include "core/settings/ini_document.h"
#include "core/settings/settings_model.h"
#include "pages/gears/helical_swivel_sketch.h"
#include "pages/gears/spur_job_sheet_window.h"
#include "ui/field_io.h"
#include "ui/look.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/print_job.h"
#include "ui/state_keys.h"

namespace gears {

namespace {

constexpr numeric::RangeRule kPitchRule = numeric::any_decimal();
constexpr numeric::RangeRule kTeethRule = numeric::whole_number_in(1, 100000);
constexpr numeric::RangeRule kHelixRule = numeric::decimal_in(0.1, 89.0);
constexpr numeric::RangeRule kLeadScrewRule = numeric::decimal_in(0.001, 999.0);

constexpr int kLeft = 168;   ///< the left column: the gear
constexpr int kRight = 502;  ///< the right column: the milling set-up
constexpr int kRightWidth = 316;
constexpr int kLabelWidth = 150; ///< of the right column's rows
constexpr int kValueX = kRight + kLabelWidth + 2;
constexpr int kFieldX = 412; ///< the left column's fields and results
constexpr int kRowStep = 22;
constexpr int kTableTop = 368;
constexpr int kInchX = 350;
constexpr int kMmX = 420;
constexpr int kSmallText = 12;

Fl_Box* note_box(int x, int y, int w, int h) {
  Fl_Box* box = ui::wrapped_text(x, y, w, h, nullptr, FL_ALIGN_LEFT | FL_ALIGN_TOP);
  box->box(FL_FLAT_BOX);
  box->color(ui::kPageBackground);
  box->labelsize(kSmallText);
  return box;
}

void labelled_left(Fl_Widget* widget, const char* label) {
  widget->copy_label(label ? label : "");
  widget->align(FL_ALIGN_LEFT);
}

} // namespace

HelicalGearPage::HelicalGearPage(ui::PageContext& app) : Page(app, ui::PageId::kHelicalGear) {}
HelicalGearPage::~HelicalGearPage() = default;

// ---- building ----

void HelicalGearPage::build(Fl_Group& group) {
  (void)group;
  build_choices();
  build_entries();
  build_sizes();
  build_milling();
  build_results();
  bind_state();
  enter_start_mode();
}

void HelicalGearPage::build_choices() {
  Fl_Group* systems =
      ui::framed_group(kLeft, 22, 166, 50, context_.lang(texts::kNormalToothSize));
  w_.module = ui::radio_button(kLeft + 6, 25, 150, 22, context_.lang(texts::kModuleName));
  w_.diametral_pitch =
      ui::radio_button(kLeft + 6, 47, 150, 22, context_.lang(texts::kDiametralPitchName));
  systems->end();
  on(w_.module, [this] { system_chosen(PitchSystem::kModule); });
  on(w_.diametral_pitch, [this] { system_chosen(PitchSystem::kDiametralPitch); });
  // Module is the metric and diametral pitch the inch choice of the Units
  // button, which moves the size from one system to the other.
  context_.register_unit_pair(ui::UnitPairSlot::kHelicalGearSystem, w_.diametral_pitch, w_.module,
                              [this](bool to_metric) { switch_units(to_metric); });

  Fl_Group* angles = ui::framed_group(342, 22, 150, 50, context_.lang(texts::kPressureAngle));
  w_.angle_14_5 = ui::radio_button(348, 35, 70, 22, context_.lang(texts::kAngle14_5));
  w_.angle_20 = ui::radio_button(420, 35, 70, 22, context_.lang(texts::kAngle20));
  angles->end();
  for (Fl_Round_Button* button : {w_.angle_14_5, w_.angle_20})
    on(button, [this] { recompute(); });
}

void HelicalGearPage::build_entries() {
  w_.pitch = ui::make_checked_input(context_, kPitchRule, kFieldX, 80, 80, 24);
  w_.pitch->align(FL_ALIGN_LEFT);
  w_.teeth = ui::make_checked_input(context_, kTeethRule, kFieldX, 106, 80, 24);
  labelled_left(w_.teeth, context_.lang(texts::kTeethCount));
  w_.helix = ui::make_checked_input(context_, kHelixRule, kFieldX, 132, 80, 24);
  labelled_left(w_.helix, context_.lang(texts::kHelixAngle));
  w_.helix->hold_angles(true);

  Fl_Group* hands = ui::framed_group(kLeft, 174, 324, 28, context_.lang(texts::kHelixHand));
  w_.right_hand = ui::radio_button(kLeft + 6, 177, 150, 22, context_.lang(texts::kRightHand));
  w_.left_hand = ui::radio_button(kLeft + 164, 177, 150, 22, context_.lang(texts::kLeftHand));
  hands->end();
  for (Fl_Round_Button* button : {w_.right_hand, w_.left_hand})
    on(button, [this] { recompute(); });

  w_.mating = ui::make_checked_input(context_, kTeethRule, kFieldX, 208, 80, 24);
  labelled_left(w_.mating, context_.lang(texts::kMatingTeeth));
  for (ui::CheckedInput* field : {w_.pitch, w_.teeth, w_.helix, w_.mating}) {
    field->on_valid([this] { recompute(); });
    field->on_invalid([this] { recompute(); });
  }
}

void HelicalGearPage::build_sizes() {
  const std::pair<Fl_Output**, i18n::TextId> rows[] = {
      {&w_.transverse_module, texts::kTransverseModule},
      {&w_.transverse_diametral_pitch, texts::kTransverseDiametralPitch},
      {&w_.equivalent_teeth, texts::kEquivalentTeeth},
      {&w_.cutter, texts::kCutterNumber},
      {&w_.ratio, texts::kMatingRatio}};
  int y = 236;
  for (const auto& [field, label] : rows) {
    *field = ui::result_field(kFieldX, y, 80, 21);
    labelled_left(*field, context_.lang(label));
    y += kRowStep;
  }
  auto* inch_head = new Fl_Box(kInchX, kTableTop - 18, 66, 18);
  inch_head->copy_label(context_.lang(texts::kInchUnit));
  auto* mm_head = new Fl_Box(kMmX, kTableTop - 18, 72, 18);
  mm_head->copy_label(context_.lang(texts::kMmUnit));
  for (std::size_t row = 0; row < kHelicalRowNames.size(); ++row) {
    const int top = kTableTop + kRowStep * static_cast<int>(row);
    ui::text_line(kLeft, top, kInchX - kLeft - 2, 21, context_.lang(kHelicalRowNames[row]));
    w_.inch[row] = ui::result_field(kInchX, top, 66, 21);
    w_.mm[row] = ui::result_field(kMmX, top, 72, 21);
  }
}

void HelicalGearPage::build_milling() {
  w_.sketch = new SwivelSketch(kRight, 8, kRightWidth, 104);
  w_.head = ui::text_line(kRight, 116, kRightWidth, 20);

  ui::text_line(kRight, 140, 128, 24, context_.lang(texts::kTableLeadScrew));
  w_.lead_screw = ui::make_checked_input(context_, kLeadScrewRule, 632, 140, 56, 24);
  Fl_Group* units = new Fl_Group(690, 140, 128, 24);
  std::tie(w_.lead_screw_inch, w_.lead_screw_mm) =
      ui::inch_mm_buttons(context_, {692, 140, 64, 24}, {756, 140, 62, 24});
  units->end();
  lead_screw_units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kHelicalLeadScrew, w_.lead_screw_inch, w_.lead_screw_mm,
      [this] { return std::vector<Fl_Input_*>{w_.lead_screw}; }, [this] { lead_screw_changed(); });
  w_.lead_screw->measure_in(*lead_screw_units_);
  w_.lead_screw->on_valid([this] { lead_screw_changed(); });
  w_.lead_screw->on_invalid([this] { recompute(); });

  ui::text_line(kRight, 168, kLabelWidth, 22, context_.lang(texts::kMachineLead));
  w_.machine_lead = ui::result_field(kValueX, 168, 110, 22);

  ui::text_line(kRight, 194, kRightWidth, 18, context_.lang(texts::kLeadTrains));
  w_.trains = new Fl_Choice(kRight, 212, kRightWidth, 24);
  on(w_.trains, [this] {
    train_ = w_.trains->value() < 0 ? 0 : static_cast<std::size_t>(w_.trains->value());
    recompute();
  });
  for (std::size_t i = 0; i < w_.places.size(); ++i) {
    const int top = 240 + kRowStep * static_cast<int>(i);
    ui::text_line(kRight, top, 226, 21, context_.lang(kTrainPlaceNames[i]));
    w_.places[i] = ui::result_field(730, top, 50, 21);
  }
  ui::text_line(kRight, 330, kLabelWidth, 21, context_.lang(texts::kLeadCut));
  w_.lead_cut = ui::result_field(kValueX, 330, 110, 21);
  ui::text_line(kRight, 354, kLabelWidth, 21, context_.lang(texts::kLeadError));
  w_.error = ui::result_field(kValueX, 354, kRight + kRightWidth - kValueX, 21);
  ui::text_line(kRight, 380, kLabelWidth, 21, context_.lang(texts::kTableSwivel));
  w_.swivel = ui::result_field(kValueX, 380, 110, 21);
  w_.swivel_direction = note_box(kRight, 404, kRightWidth, 32);
  w_.idlers = note_box(kRight, 438, kRightWidth, 58);
  ui::text_line(kRight, 498, 78, 21, context_.lang(texts::kHelicalIndexing));
  w_.indexing = ui::result_field(582, 498, 236, 21);
}

void HelicalGearPage::build_results() {
  w_.status = note_box(kRight, 524, 188, 72);
  w_.status->color(ui::kNoteBackground);
  w_.job_sheet = new Fl_Button(692, 524, 76, 72);
  w_.job_sheet->copy_label(context_.lang(texts::kJobSheetTitle));
  w_.job_sheet->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  w_.job_sheet->labelsize(kSmallText);
  w_.job_sheet->deactivate();
  on(w_.job_sheet, [this] { open_job_sheet(); });
  w_.help = ui::question_button({770, 524, 48, 72}, 40);
  on(w_.help, [this] { context_.show_help(ui::HelpTopic::kHelicalGear); });
}

void HelicalGearPage::bind_state() {
  state_.texts({{"pitch", w_.pitch}, {"teeth", w_.teeth}, {"helix", w_.helix}, {"mating", w_.mating}});
  state_.pair("system", w_.diametral_pitch, w_.module);
  // A pair missing from the file reads as its first button: 20°, as built.
  state_.pair("pressure_angle", w_.angle_20, w_.angle_14_5);
  state_.pair("hand", w_.right_hand, w_.left_hand);
  state_.custom(
      [this](settings::IniDocument& state, const std::string& section) {
        state.set(section + ":train", std::to_string(train_));
      },
      [this](const settings::IniDocument& state, const std::string& section) {
        const long train = state.get_long(section + ":train", 0);
        train_ = train > 0 && train < 100 ? static_cast<std::size_t>(train) : 0;
      });
}

// ---- choices ----

PitchSystem HelicalGearPage::pitch_system() const {
  return w_.module->value() ? PitchSystem::kModule : PitchSystem::kDiametralPitch;
}

void HelicalGearPage::show_system(PitchSystem system) {
  const bool module = system == PitchSystem::kModule;
  // Module gears are cut at 20°.
  if (module)
    ui::set_radio(w_.angle_20);
  ui::show_and_enable_if(w_.angle_14_5, !module);
  // Hidden and shown again, so that the old label is wiped off the page.
  w_.pitch->hide();
  w_.pitch->copy_label(
      context_.lang(module ? texts::kNormalModule : texts::kNormalDiametralPitch));
  w_.pitch->show();
}

void HelicalGearPage::system_chosen(PitchSystem system) {
  units_switched_.reset(); // a system chosen here is not the button's to undo
  show_system(system);
  w_.pitch->value("");
  recompute();
  if (w_.pitch->visible_r())
    w_.pitch->take_focus();
}

void HelicalGearPage::switch_units(bool to_metric) {
  const std::string typed = w_.pitch->value();
  const PitchSystem from = to_metric ? PitchSystem::kDiametralPitch : PitchSystem::kModule;
  const PitchSystem to = to_metric ? PitchSystem::kModule : PitchSystem::kDiametralPitch;
  ui::set_radio(to_metric ? w_.module : w_.diametral_pitch);
  show_system(to);
  if (units_switched_ && units_switched_->written == typed) {
    // Untouched since the last switch: back to exactly what was there.
    ui::show_text(w_.pitch, units_switched_->typed);
    units_switched_.reset();
  } else {
    const std::optional<ToothSize> size = tooth_size(from, ui::field_double(w_.pitch));
    const std::string written = size ? pitch_value_text(*size, to) : typed;
    units_switched_ = UnitsSwitched{typed, written};
    ui::show_text(w_.pitch, written);
  }
  recompute();
}

void HelicalGearPage::lead_screw_changed() {
  const std::string number = w_.lead_screw->number_text();
  if (!number.empty() && w_.lead_screw->problem(false).empty()) {
    const settings::LeadScrew screw{number, lead_screw_units_->metric()};
    context_.change_settings(
        [&screw](settings::IniDocument& doc) { return settings::set_lead_screw(doc, screw); });
  }
  recompute();
}

// ---- results ----

HelicalGearFormInput HelicalGearPage::form_input() const {
  HelicalGearFormInput in;
  in.system = pitch_system();
  in.angle = w_.angle_14_5->value() ? PressureAngle::k14_5 : PressureAngle::k20;
  in.pitch = w_.pitch->number_text();
  in.teeth = w_.teeth->problem(false).empty() ? w_.teeth->number_text() : "";
  in.helix = w_.helix->problem(false).empty() ? w_.helix->number_text() : "";
  in.mating = w_.mating->problem(false).empty() ? w_.mating->number_text() : "";
  in.hand = w_.left_hand->value() ? Hand::kLeft : Hand::kRight;
  in.lead_screw = w_.lead_screw->problem(false).empty() ? w_.lead_screw->number_text() : "";
  in.lead_screw_metric = lead_screw_units_->metric();
  in.head = context_.dividing_head();
  in.train = train_;
  return in;
}

void HelicalGearPage::recompute() { show(helical_gear_form(form_input(), [this](i18n::TextId e) {
                                      return context_.lang_or(e, "");
                                    })); }

void HelicalGearPage::show(const HelicalGearForm& form) {
  const bool warning = form.status == texts::kTooFewEquivalentTeeth;
  w_.status->copy_label(context_.lang(form.status));
  w_.status->labelcolor(warning ? FL_RED : FL_BLACK);
  w_.status->redraw();
  for (std::size_t row = 0; row < w_.inch.size(); ++row) {
    w_.inch[row]->value(form.inch[row].c_str());
    w_.mm[row]->value(form.mm[row].c_str());
  }
  w_.transverse_module->value(form.transverse_module.c_str());
  w_.transverse_diametral_pitch->value(form.transverse_diametral_pitch.c_str());
  w_.equivalent_teeth->value(form.equivalent_teeth.c_str());
  w_.cutter->value(form.cutter != 0 ? std::to_string(form.cutter).c_str() : "");
  w_.ratio->value(form.ratio.c_str());
  w_.swivel->value(form.swivel.c_str());
  w_.swivel_direction->copy_label(form.gear ? context_.lang(form.swivel_direction) : "");
  w_.idlers->copy_label(form.gear ? context_.lang(form.idlers) : "");
  w_.sketch->swivel(form.gear ? table_swivel_degrees(form_input().hand,
                                                     numeric::read_double(w_.helix->number_text()))
                              : 0.0);
  w_.indexing->value(form.indexing.c_str());
  w_.indexing->copy_tooltip(form.indexing.c_str());
  const std::string head =
      context_.lang_or(texts::kDividingHeadWord, "") + ": " + context_.dividing_head().name;
  w_.head->value(head.c_str());
  show_milling(form.milling);
  if (form.gear)
    w_.job_sheet->activate();
  else
    w_.job_sheet->deactivate();
}

void HelicalGearPage::show_milling(const HelicalMillingForm& milling) {
  w_.machine_lead->value(milling.machine_lead.c_str());
  ui::fill_plain_menu(w_.trains, milling.trains);
  if (!milling.trains.empty())
    w_.trains->value(static_cast<int>(milling.train));
  ui::show_and_enable_if(w_.trains, !milling.trains.empty());
  for (std::size_t i = 0; i < w_.places.size(); ++i)
    w_.places[i]->value(milling.places[i].c_str());
  w_.lead_cut->value(milling.lead_cut.c_str());
  w_.error->value(milling.error.c_str());
  if (milling.missing) {
    w_.status->copy_label(context_.lang(*milling.missing));
    w_.status->labelcolor(FL_RED);
  }
}

// ---- the job sheet ----

std::optional<std::vector<JobSheetRow>> HelicalGearPage::job_sheet() const {
  return helical_job_sheet(form_input(), ui::print_stamp(context_, ui::PageId::kHelicalGear).date,
                           [this](i18n::TextId entry) { return context_.lang_or(entry, ""); });
}

void HelicalGearPage::open_job_sheet() {
  std::optional<std::vector<JobSheetRow>> rows = job_sheet();
  if (!rows)
    return;
  if (job_sheet_window_)
    job_sheet_window_->window()->hide();
  job_sheet_window_ =
      std::make_unique<JobSheetWindow>(context_, std::move(*rows), ui::PageId::kHelicalGear);
  job_sheet_window_->window()->show();
}

// ---- life cycle ----

void HelicalGearPage::enter_start_mode() {
  ui::set_radio(w_.module);
  ui::set_radio(w_.angle_20);
  ui::set_radio(w_.right_hand);
  show_system(PitchSystem::kModule);
  recompute();
}

void HelicalGearPage::apply_settings() {
  const settings::LeadScrew screw = settings::read_lead_screw(context_.settings());
  lead_screw_units_->show(screw.metric);
  w_.lead_screw->value(screw.number.c_str());
  if (context_.unit_system() == 0) {
    ui::set_radio(w_.diametral_pitch);
    show_system(PitchSystem::kDiametralPitch);
  }
  recompute();
}

Fl_Input* HelicalGearPage::focus_input() {
  // Shown again: the head may have been changed on its own page since.
  recompute();
  return w_.pitch;
}

void HelicalGearPage::restored() {
  units_switched_.reset();
  show_system(pitch_system());
  recompute();
}

} // namespace gears
