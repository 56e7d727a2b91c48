// Dovetail measurement: widgets, callbacks and saved state.
#include "pages/workshop/dovetail_measurement_page.h"

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

#include "core/i18n/common_texts.h"
#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "pages/workshop/dovetail_sketches.h"
#include "core/numeric/number_text.h"
#include "core/settings/ini_document.h"
#include "core/workshop/workshop_texts.h"

namespace workshop {

namespace {

using ui::show_if;

constexpr numeric::RangeRule kRule = numeric::any_decimal(); // the page's eight entry fields
constexpr Fl_Color kGroupLabelColour = FL_BLUE;

constexpr int kKinds = 4;

// Stored values come back from a file anyone can edit.
double finite_or_zero(double value) { return std::isfinite(value) ? value : 0.0; }

} // namespace

DovetailMeasurementPage::DovetailMeasurementPage(ui::PageContext& app)
    : Page(app, ui::PageId::kDovetailMeasurement),
      print_action([&app](const DovetailPrintValues& values, DovetailSheets sheets) {
        dovetail_print(app, ui::PageId::kDovetailMeasurement, values, sheets);
      }) {}

// ---- building ----

void DovetailMeasurementPage::build(Fl_Group&) {
  build_sketches();
  build_inputs();
  build_results();
  wire();
  bind_state();
  show_modes();
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
  // The angle leader of the male sketch points at this caption.
  auto* angle_caption = new Fl_Box(719, 160, 93, 42);
  angle_caption->align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  angle_caption->copy_label(context_.lang(texts::kFlankAngle));
}

namespace {

Fl_Box* caption(const ui::PageContext& app, int x, int y, int w, int h, i18n::TextId entry) {
  auto* box = new Fl_Box(x, y, w, h);
  box->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  box->copy_label(app.lang(entry));
  return box;
}

/// A field of the middle column with its caption to the left.
ui::CheckedInput* captioned_field(ui::PageContext& app, int y, int caption_w, int field_x,
                                  i18n::TextId entry) {
  caption(app, 163, y, caption_w, 25, entry);
  return ui::make_checked_input(app, kRule, field_x, y, 67, 25);
}

Fl_Round_Button* radio(const ui::PageContext& app, int x, int y, int w, int h, i18n::TextId entry) {
  auto* button = new Fl_Round_Button(x, y, w, h);
  button->type(FL_RADIO_BUTTON);
  button->copy_label(app.lang(entry));
  return button;
}

} // namespace

void DovetailMeasurementPage::build_inputs() {
  auto* hand = new Fl_Group(165, 288, 652, 27);
  w_.male_at_hand = radio(context_, 218, 289, 281, 25, texts::kHaveMale);
  w_.female_at_hand = radio(context_, 516, 289, 285, 25, texts::kHaveFemale);
  w_.male_at_hand->setonly();
  hand->end();

  auto* units = new Fl_Group(445, 318, 372, 25);
  w_.inch = radio(context_, 468, 320, 141, 22, texts::kInchUnit);
  w_.inch->copy_tooltip(context_.lang(texts::kInchTip));
  w_.millimetre = radio(context_, 609, 320, 145, 22, texts::kMmUnit);
  w_.millimetre->copy_tooltip(context_.lang(texts::kMmTip));
  w_.inch->setonly();
  units->end();

  auto* angles = new Fl_Group(165, 339, 271, 56);
  angles->copy_label(context_.lang(texts::kFlankAngle));
  angles->labelcolor(kGroupLabelColour);
  w_.angle_60 = radio(context_, 179, 340, 95, 22, texts::kAngle60);
  w_.angle_45 = radio(context_, 179, 371, 93, 22, texts::kAngle45);
  w_.angle_typed = radio(context_, 321, 340, 113, 22, texts::kOtherAngle);
  w_.angle_45->setonly();
  w_.typed_angle = ui::make_checked_input(context_, kRule, 383, 370, 51, 22);
  w_.typed_angle->copy_label(context_.lang(texts::kTypedAngleLabel));
  angles->end();

  w_.clearance_kind = new Fl_Choice(445, 347, 372, 25);
  w_.clearance_kind->labelcolor(kGroupLabelColour);
  ui::fill_text_menu(w_.clearance_kind, context_, texts::kFemaleDeeper, kKinds); // consecutive
  w_.clearance_kind->value(kFemaleDeeper);

  w_.pin = captioned_field(context_, 400, 205, 370, texts::kPinDiameter);

  w_.female_inputs = new Fl_Group(163, 434, 274, 59);
  w_.between_pins = captioned_field(context_, 434, 205, 370, texts::kBetweenPinsSize);
  w_.female_depth = captioned_field(context_, 468, 204, 370, texts::kFemaleDepth);
  w_.female_inputs->end();

  w_.male_inputs = new Fl_Group(163, 434, 274, 59);
  w_.over_pins = captioned_field(context_, 434, 204, 370, texts::kOverPinsSize);
  w_.male_depth = captioned_field(context_, 468, 204, 370, texts::kMaleHeight);
  w_.male_inputs->end();

  w_.clearance_row = new Fl_Group(163, 501, 275, 25);
  w_.clearance = captioned_field(context_, 501, 204, 371, texts::kClearanceAmount);
  w_.clearance_row->end();

  w_.gib = new Fl_Check_Button(195, 538, 165, 22);
  w_.gib->copy_label(context_.lang(texts::kGibCheck));
  w_.gib_caption = caption(context_, 164, 560, 134, 25, texts::kGibThickness);
  w_.gib_thickness = ui::make_checked_input(context_, kRule, 300, 560, 60, 25);
  for (ui::CheckedInput* length : {w_.pin, w_.between_pins, w_.female_depth, w_.over_pins,
                                   w_.male_depth, w_.clearance, w_.gib_thickness})
    length->measure_in([this] { return fields_in_mm_; });
  w_.typed_angle->hold_angles(true);
  w_.gib_cover = new Fl_Box(FL_FLAT_BOX, 166, 560, 196, 25, nullptr);
  w_.gib_cover->color(ui::kPageBackground);

  w_.print = new Fl_Button(754, 556, 64, 36, "@+9fileprint");
  w_.print->box(FL_GTK_UP_BOX);
  w_.print->labelsize(9);
  w_.print->deactivate();
}

void DovetailMeasurementPage::build_results() {
  auto results = [this](std::array<Fl_Output*, 3>& out, const i18n::TextId(&entries)[3],
                        int first_w) {
    auto* group = new Fl_Group(448, 400, 369, 107);
    const int rows[3] = {400, 440, 482};
    for (int i = 0; i < 3; ++i) {
      caption(context_, 539, rows[i], 205, 25, entries[i]);
      out[static_cast<size_t>(i)] = ui::result_field(747, rows[i], i == 0 ? first_w : 70, 25);
    }
    group->end();
    return group;
  };
  w_.female_results = results(
      w_.female_out, {texts::kFemaleMouthWidth, texts::kFemaleDepth, texts::kBetweenPinsSize}, 69);
  w_.male_results =
      results(w_.male_out, {texts::kMaleTopWidth, texts::kMaleHeight, texts::kOverPinsSize}, 70);
  // Under the results, beside the Print button it turns off.
  w_.reason = ui::reason_line({448, 510, 300, 62});
}

void DovetailMeasurementPage::wire() {
  for (Fl_Widget* choice :
       {static_cast<Fl_Widget*>(w_.male_at_hand), static_cast<Fl_Widget*>(w_.female_at_hand),
        static_cast<Fl_Widget*>(w_.angle_60), static_cast<Fl_Widget*>(w_.angle_45),
        static_cast<Fl_Widget*>(w_.angle_typed), static_cast<Fl_Widget*>(w_.gib),
        static_cast<Fl_Widget*>(w_.clearance_kind)})
    on(choice, [this] { changed(); });
  for (ui::CheckedInput* field : {w_.typed_angle, w_.pin, w_.between_pins, w_.female_depth,
                                  w_.over_pins, w_.male_depth, w_.clearance})
    field->on_valid([this] { changed(); });
  // The gib is kept in inches as it is typed: a unit switch shows the same
  // thickness in the other unit.
  w_.gib_thickness->on_valid([this] {
    stored_.gib_width =
        ui::field_double(w_.gib_thickness) * (fields_in_mm_ ? numeric::kInchPerMm : 1.0);
    changed();
  });
  on(w_.inch, [this] { unit_chosen(false); });
  on(w_.millimetre, [this] { unit_chosen(true); });
  context_.register_unit_pair(ui::UnitPairSlot::kDovetailMeasurement, w_.inch, w_.millimetre,
                              [this](bool to_metric) {
                                ui::set_radio(to_metric ? w_.millimetre : w_.inch);
                                unit_chosen(to_metric);
                              });
  on(w_.print, [this] { print(); });
}

// ---- callbacks ----

void DovetailMeasurementPage::changed() {
  calc_flag_ = 0;
  show_modes();
  compute();
}

void DovetailMeasurementPage::unit_chosen(bool to_millimetre) {
  // The Units button may choose the unit the fields are in already.
  if (to_millimetre == fields_in_mm_)
    return;
  fields_in_mm_ = to_millimetre;
  auto write = [to_millimetre](Fl_Input* field, double inches) {
    ui::set_converted_text(field, kept_value_text(inches, to_millimetre), to_millimetre);
  };
  auto convert = [to_millimetre](Fl_Input* field) {
    if (to_millimetre)
      ui::convert_field_inch_to_mm(field);
    else
      ui::convert_field_mm_to_inch(field);
  };
  const bool male = at_hand() == PartAtHand::kMale;
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
  const bool mm = w_.millimetre->value() != 0;
  const DovetailPartSizes sizes = mating_part_sizes(stored_, at_hand(), mm);
  DovetailPrintValues values;
  values.pin_diameter = ui::field_double(w_.pin);
  values.millimetre = mm;
  const bool male_at_hand = at_hand() == PartAtHand::kMale;
  (male_at_hand ? values.female : values.male) = sizes;
  print_action(values, male_at_hand ? DovetailSheets::kFemaleOnly : DovetailSheets::kMaleOnly);
}

// ---- what is shown ----

PartAtHand DovetailMeasurementPage::at_hand() const {
  return w_.female_at_hand->value() ? PartAtHand::kFemale : PartAtHand::kMale;
}

DovetailMeasurementFormInput DovetailMeasurementPage::form_input() const {
  DovetailMeasurementFormInput in;
  in.at_hand = at_hand();
  in.angle = w_.angle_typed->value() ? FlankAngle::kTyped
             : w_.angle_60->value()  ? FlankAngle::k60
                                     : FlankAngle::k45;
  in.typed_angle = w_.typed_angle->number_text();
  in.clearance_kind = w_.clearance_kind->value();
  in.clearance = w_.clearance->number_text();
  in.gib = w_.gib->value() != 0;
  in.gib_thickness = w_.gib_thickness->number_text();
  in.pin = w_.pin->number_text();
  in.over_pins = w_.over_pins->number_text();
  in.male_depth = w_.male_depth->number_text();
  in.between_pins = w_.between_pins->number_text();
  in.female_depth = w_.female_depth->number_text();
  in.millimetre = w_.millimetre->value() != 0;
  return in;
}

DovetailMeasurementForm DovetailMeasurementPage::show_modes() {
  DovetailMeasurementForm form = dovetail_measurement_form(form_input());
  // A hidden group of inputs must take no keys either.
  ui::show_and_enable_if(w_.male_inputs, form.male_at_hand);
  ui::show_and_enable_if(w_.female_inputs, !form.male_at_hand);
  show_if(w_.female_results, form.male_at_hand);
  show_if(w_.male_results, !form.male_at_hand);
  show_if(w_.typed_angle, form.typed_angle_shown);
  // The cover hides the gib row; the row's own widgets go too, so that
  // nothing can be clicked or typed into under it, nor be redrawn over it.
  show_if(w_.gib_cover, !form.gib_row_shown);
  show_if(w_.gib_caption, form.gib_row_shown);
  show_if(w_.gib_thickness, form.gib_row_shown);
  show_if(w_.clearance_row, form.clearance_row_shown);
  for (size_t i = 0; i < w_.female_sketch_groups.size(); ++i)
    show_if(w_.female_sketch_groups[i],
            form.sketches.female && static_cast<size_t>(*form.sketches.female) == i);
  for (size_t i = 0; i < w_.male_sketch_groups.size(); ++i)
    show_if(w_.male_sketch_groups[i],
            form.sketches.male && static_cast<size_t>(*form.sketches.male) == i);
  return form;
}

// ---- computation ----

void DovetailMeasurementPage::compute() {
  const DovetailMeasurementForm form = dovetail_measurement_form(form_input());
  if (!form.complete) {
    empty_results(i18n::kNoText);
    return;
  }
  // The results shown still belong to these inputs.
  if (calc_flag_ == 1) {
    w_.print->activate();
    return;
  }
  NoDovetail why = NoDovetail::kNothingToSay;
  std::optional<DovetailMeasurementValues> values =
      compute_dovetail_measurement(form.numbers, stored_, &why);
  if (!values) {
    empty_results(no_dovetail_text(why));
    return;
  }
  stored_ = *values;
  calc_flag_ = 1;
  show_results();
  w_.print->activate();
  ui::show_reason(w_.reason, context_, i18n::kNoText);
}

void DovetailMeasurementPage::show_results() {
  const auto texts = mating_part_texts(stored_, at_hand(), w_.millimetre->value() != 0);
  auto& out = at_hand() == PartAtHand::kMale ? w_.female_out : w_.male_out;
  for (size_t i = 0; i < out.size(); ++i)
    out[i]->value(texts[i].c_str());
}

void DovetailMeasurementPage::empty_results(i18n::TextId reason) {
  auto& out = at_hand() == PartAtHand::kMale ? w_.female_out : w_.male_out;
  for (Fl_Output* field : out)
    field->value("");
  w_.print->deactivate();
  ui::show_reason(w_.reason, context_, reason);
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
    {"dove2_pin_dia", &DovetailMeasurementValues::pin_dia},
    {"dove2_female_max_width", &DovetailMeasurementValues::female_max_width},
    {"dove2_male_max_width", &DovetailMeasurementValues::male_max_width},
    {"dove2_female_depth", &DovetailMeasurementValues::female_depth},
    {"dove2_male_depth", &DovetailMeasurementValues::male_depth},
    {"dove2_female_pins", &DovetailMeasurementValues::female_pins},
    {"dove2_male_pins", &DovetailMeasurementValues::male_pins},
    {"dove2_female_min_width", &DovetailMeasurementValues::female_min_width},
    {"dove2_male_min_width", &DovetailMeasurementValues::male_min_width},
    {"dove2_clearance", &DovetailMeasurementValues::clearance},
    {"dove2_gib_width", &DovetailMeasurementValues::gib_width},
};

} // namespace

void DovetailMeasurementPage::bind_state() {
  state_.texts({{"dovetail_angle_specify2", w_.typed_angle},
                {"dove_pin_diameter2", w_.pin},
                {"female_between_pins2", w_.between_pins},
                {"male_between_pins2", w_.over_pins},
                {"depth_male_dovetail2", w_.male_depth},
                {"depth_female_dovetail2", w_.female_depth},
                {"dove_clearance_amount2", w_.clearance},
                {"dove_gib_thick2", w_.gib_thickness}});
  // The results as they were shown: with the flag set they stay.
  state_.texts({{"dove_female_width2out", w_.female_out[0]},
                {"dove_male_width2out", w_.male_out[0]},
                {"dove_female_depth2out", w_.female_out[1]},
                {"dove_male_depth2out", w_.male_out[1]},
                {"dove_female_pins2out", w_.female_out[2]},
                {"dove_male_pins2out", w_.male_out[2]}});
  state_.check("dove_gib_yes2", w_.gib);
  state_.pair("p12_dove_i_have", w_.male_at_hand, w_.female_at_hand);
  state_.radio("dove_angle", {w_.angle_60, w_.angle_45, w_.angle_typed});
  // -1, a choice with nothing chosen, comes back as it was: no sketch, and
  // the slot computed deeper by the clearance.
  state_.choice("dove_type", w_.clearance_kind, true);
  state_.pair("p12_measure", w_.inch, w_.millimetre);
  // The flag and the kept inch values, "%d" and "%f".
  state_.custom(
      [this](settings::IniDocument& state, const std::string& section) {
        state.set(section + ":dove2_calc", std::to_string(calc_flag_));
        for (const StoredKey& k : kStoredKeys)
          state.set(section + ":" + k.key, numeric::printf_text("%f", stored_.*k.value));
      },
      [this](const settings::IniDocument& state, const std::string& section) {
        calc_flag_ = state.get_long(section + ":dove2_calc", 0) == 1 ? 1 : 0;
        for (const StoredKey& k : kStoredKeys)
          stored_.*k.value = finite_or_zero(state.get_double(section + ":" + k.key, 0.0));
      });
}

void DovetailMeasurementPage::restored() {
  fields_in_mm_ = w_.millimetre->value() != 0;
  show_modes();
  compute();
}

} // namespace workshop
