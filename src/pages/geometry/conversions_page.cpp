#include "pages/geometry/conversions_page.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>

#include <string>

#include "core/geometry/geometry_texts.h"
#include "core/i18n/common_texts.h"
#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "pages/geometry/conversion_picture.h"
#include "core/geometry/conversions_calc.h"

namespace geometry {

namespace {

// What the page's fields accept.
constexpr numeric::RangeRule kDegreesRule = numeric::decimal_in(0.0, 360.0);
constexpr std::array<numeric::RangeRule, 3> kDmsRules = {numeric::whole_number_in(0, 179),
                                                         numeric::whole_number_in(0, 59),
                                                         numeric::decimal_in(0.0, 60.0)};
constexpr numeric::RangeRule kPiRadiansRule = numeric::decimal_in(0.0, 2.0);
constexpr numeric::RangeRule kMmRule = numeric::any_signed_decimal();
constexpr numeric::RangeRule kInchRule = numeric::any_signed_decimal();
constexpr numeric::RangeRule kFractionRule = numeric::any_whole_number();
constexpr numeric::RangeRule kTemperatureRule = numeric::any_signed_decimal();

// Language entries.

// The "=" between the fields of a row.
void equals_sign(int x, int y) { new Fl_Box(x, y, 18, 25, "="); }

void show_plain(ui::CheckedInput* field, std::optional<double> value) {
  if (value)
    ui::set_field_plain(*value, field);
  else
    field->value("");
}

// A temperature of 0 is a reading like any other, so it is shown, not
// emptied as a missing length would be.
void show_temperature(Fl_Input_* field, std::optional<double> value) {
  if (value)
    ui::set_field_fixed(field, 6, *value);
  else
    field->value("");
}

} // namespace

void ConversionsPage::build(Fl_Group&) {
  build_angle_row();
  build_length_rows();
  build_temperature_row();
  w_.picture = new ConversionPicture(441, 418, 119, 127);
  attach_handlers();
  bind_state();
}

// decimal degrees = D° M′ S″ = multiple of π radians
void ConversionsPage::build_angle_row() {
  w_.degrees = ui::make_checked_input(context_, kDegreesRule, 305, 54, 94, 25);
  w_.degrees->hold_angles(true);
  w_.degrees->copy_label(context_.lang(texts::kDegreesWord));
  equals_sign(399, 53);
  struct DmsField {
    int x, w;
  };
  const DmsField fields[] = {{418, 36}, {461, 40}, {507, 63}};
  for (size_t i = 0; i < 3; ++i) {
    w_.dms[i] = ui::make_checked_input(context_, kDmsRules[i], fields[i].x, 54, fields[i].w, 25);
    w_.dms[i]->copy_label(context_.lang(texts::kDmsMarks[i]));
    // The gaps between the three fields are too narrow for a mark, so
    // each mark stands over its field's right end.
    w_.dms[i]->align(FL_ALIGN_TOP_RIGHT);
    w_.dms[i]->labelsize(18);
  }
  equals_sign(571, 53);
  w_.pi_radians = ui::make_checked_input(context_, kPiRadiansRule, 589, 54, 85, 25);
  w_.pi_radians->copy_label(context_.lang(texts::kPiRadians));
  w_.pi_radians->align(FL_ALIGN_RIGHT);
}

// millimetres = inches, and under the inches whole + numerator / denominator
void ConversionsPage::build_length_rows() {
  w_.mm = ui::make_checked_input(context_, kMmRule, 395, 123, 85, 25);
  w_.mm->copy_label(context_.lang(texts::kMillimetresWord));
  equals_sign(479, 122);
  w_.inch = ui::make_checked_input(context_, kInchRule, 496, 123, 85, 25);
  w_.mm->measure_in(numeric::FieldUnit::kMm);
  w_.inch->measure_in(numeric::FieldUnit::kInch);
  w_.inch->copy_label(context_.lang(texts::kInchWord));
  w_.inch->align(FL_ALIGN_RIGHT);

  w_.fraction_group = new Fl_Group(488, 174, 176, 45);
  w_.fraction_group->box(FL_GTK_DOWN_FRAME);
  w_.fraction_group->copy_label(context_.lang(texts::kFractionTitle));
  w_.whole = ui::make_checked_input(context_, kFractionRule, 500, 183, 34, 25);
  w_.numerator = ui::make_checked_input(context_, kFractionRule, 568, 183, 35, 25);
  w_.numerator->copy_label(context_.lang(texts::kFractionOver));
  w_.denominator = ui::make_checked_input(context_, kFractionRule, 615, 183, 35, 25, "/");
  w_.fraction_group->end();
}

// Celsius = Fahrenheit
void ConversionsPage::build_temperature_row() {
  w_.celsius = ui::make_checked_input(context_, kTemperatureRule, 395, 277, 85, 25, "Celsius");
  equals_sign(480, 277);
  w_.fahrenheit =
      ui::make_checked_input(context_, kTemperatureRule, 497, 277, 85, 25, "Fahrenheit");
  w_.fahrenheit->align(FL_ALIGN_RIGHT);
}

void ConversionsPage::attach_handlers() {
  w_.degrees->on_valid([this] { on_degrees(); });
  for (ui::CheckedInput* field : w_.dms)
    field->on_valid([this] { on_dms(); });
  w_.pi_radians->on_valid([this] { on_pi_radians(); });
  // A refused angle leaves no angle for the rest of its row to show.
  w_.degrees->on_invalid([this] {
    show_dms({});
    show_pi_radians({});
  });
  for (ui::CheckedInput* field : w_.dms)
    field->on_invalid([this] {
      show_degrees({});
      show_pi_radians({});
    });
  w_.pi_radians->on_invalid([this] {
    show_degrees({});
    show_dms({});
  });
  w_.mm->on_valid([this] { on_mm(); });
  w_.inch->on_valid([this] { on_inch(); });
  for (ui::CheckedInput* field : {w_.whole, w_.numerator, w_.denominator})
    field->on_valid([this] { on_fraction(); });
  w_.celsius->on_valid([this] { on_temperature(w_.celsius); });
  w_.fahrenheit->on_valid([this] { on_temperature(w_.fahrenheit); });
}

// Every field of every row is saved, so the rows come back as they were
// left. The fields' handlers are not run after a restore: each would
// recompute its row from a rounded neighbour (123.456 mm would return as
// 123.455989 mm) and the length handlers would empty the fraction the user
// typed.
void ConversionsPage::bind_state() {
  state_.texts({{"c_degree", w_.degrees},
                {"p11_dms_input[0]", w_.dms[0]},
                {"p11_dms_input[1]", w_.dms[1]},
                {"p11_dms_input[2]", w_.dms[2]},
                {"c_radian", w_.pi_radians},
                {"c_mm", w_.mm},
                {"c_inch", w_.inch},
                {"calc_whole", w_.whole},
                {"calc_over", w_.numerator},
                {"calc_under", w_.denominator},
                {"calc_celseus", w_.celsius},
                {"calc_fahrenheit", w_.fahrenheit}});
}

Fl_Input* ConversionsPage::focus_input() { return w_.mm; }

void ConversionsPage::show_degrees(std::optional<double> degrees) {
  show_plain(w_.degrees, degrees);
}

void ConversionsPage::show_dms(std::optional<double> degrees) {
  const ui::DmsFields triple = {w_.dms[0], w_.dms[1], w_.dms[2]};
  if (degrees)
    ui::write_dms_fields_nonzero(triple, *degrees);
  else
    for (ui::CheckedInput* field : w_.dms)
      field->value("");
}

void ConversionsPage::show_pi_radians(std::optional<double> pi_radians) {
  show_plain(w_.pi_radians, pi_radians);
}

void ConversionsPage::on_degrees() {
  std::optional<AngleForms> angle = angle_from_degrees(ui::field_double(w_.degrees));
  show_dms(angle ? std::optional(angle->degrees) : std::nullopt);
  show_pi_radians(angle ? std::optional(angle->pi_radians) : std::nullopt);
}

void ConversionsPage::on_dms() {
  std::optional<AngleForms> angle = angle_from_dms(
      ui::field_double(w_.dms[0]), ui::field_long(w_.dms[1]), ui::field_double(w_.dms[2]));
  show_pi_radians(angle ? std::optional(angle->pi_radians) : std::nullopt);
  show_degrees(angle ? std::optional(angle->degrees) : std::nullopt);
}

void ConversionsPage::on_pi_radians() {
  std::optional<AngleForms> angle = angle_from_pi_radians(ui::field_double(w_.pi_radians));
  show_degrees(angle ? std::optional(angle->degrees) : std::nullopt);
  show_dms(angle ? std::optional(angle->degrees) : std::nullopt);
}

void ConversionsPage::on_mm() {
  show_plain(w_.inch, inch_from_mm(ui::field_double(w_.mm)));
  empty_fraction();
}

void ConversionsPage::on_inch() {
  show_plain(w_.mm, mm_from_inch(ui::field_double(w_.inch)));
  empty_fraction();
}

void ConversionsPage::empty_fraction() {
  for (ui::CheckedInput* field : {w_.whole, w_.numerator, w_.denominator})
    field->value("");
}

void ConversionsPage::on_fraction() {
  const FractionEntry entry{ui::field_double(w_.whole), ui::field_long(w_.numerator),
                            ui::field_long(w_.denominator)};
  const std::optional<LengthForms> length = length_from_fraction(entry);
  show_plain(w_.inch, length ? std::optional(length->inch) : std::nullopt);
  show_plain(w_.mm, length ? std::optional(length->mm) : std::nullopt);
}

void ConversionsPage::on_temperature(Fl_Input* changed) {
  const bool from_celsius = changed == w_.celsius;
  Fl_Input_* other = from_celsius ? w_.fahrenheit : w_.celsius;
  // A lone sign or point is no temperature yet.
  if (std::string(changed->value()).find_first_of("0123456789") == std::string::npos) {
    other->value("");
    return;
  }
  const double typed = ui::field_double(changed);
  show_temperature(other,
                   from_celsius ? fahrenheit_from_celsius(typed) : celsius_from_fahrenheit(typed));
}

} // namespace geometry
