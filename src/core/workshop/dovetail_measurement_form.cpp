#include "core/workshop/dovetail_measurement_form.h"

#include "core/numeric/number_text.h"

namespace workshop {

namespace {
constexpr int kPlaces = 3; ///< decimals of every number the page writes
} // namespace

DovetailMeasurementForm dovetail_measurement_form(const DovetailMeasurementFormInput& input) {
  DovetailMeasurementForm form;
  form.male_at_hand = input.at_hand == PartAtHand::kMale;
  form.typed_angle_shown = input.angle == FlankAngle::kTyped;
  form.gib_row_shown = input.gib;
  form.clearance_row_shown = input.clearance_kind != kNoClearance;
  form.sketches = dovetail_sketch_choice(input.clearance_kind, input.gib);

  DovetailMeasurementInput& in = form.numbers;
  in.at_hand = input.at_hand;
  in.angle = input.angle;
  in.typed_angle = numeric::read_double(input.typed_angle);
  in.clearance_kind = input.clearance_kind;
  in.clearance = numeric::read_double(input.clearance);
  in.gib = input.gib;
  in.gib_thickness = numeric::read_double(input.gib_thickness);
  in.pin_diameter = numeric::read_double(input.pin);
  in.over_pins = numeric::read_double(input.over_pins);
  in.male_depth = numeric::read_double(input.male_depth);
  in.between_pins = numeric::read_double(input.between_pins);
  in.female_depth = numeric::read_double(input.female_depth);
  in.millimetre = input.millimetre;
  form.complete = measurements_complete(in);
  return form;
}

std::array<std::string, 3> mating_part_texts(const DovetailMeasurementValues& values,
                                             PartAtHand at_hand, bool millimetre) {
  const DovetailPartSizes sizes = mating_part_sizes(values, at_hand, millimetre);
  return {numeric::format_fixed(kPlaces, sizes.width), numeric::format_fixed(kPlaces, sizes.depth),
          numeric::format_fixed(kPlaces, sizes.pins)};
}

std::string kept_value_text(double inches, bool millimetre) {
  return numeric::format_fixed(kPlaces, millimetre ? inches / numeric::kInchPerMm : inches);
}

} // namespace workshop
