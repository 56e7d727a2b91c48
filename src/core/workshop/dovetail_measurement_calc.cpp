// The mating part of a dovetail slide from pin measurements of the part at hand.
#include "core/workshop/dovetail_measurement_calc.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace workshop {

namespace {

bool present(double value) { return std::fabs(value) >= numeric::kMissing; }

// The flank angle A (radians), F = 1 / tan A (the gain in width per unit of
// depth on one flank) and the pin factor K = 1 + 1 / tan(A / 2). The fixed
// angles use these constants as they stand; they are not quite the values
// the dovetail page uses.
struct AngleFactors {
  double a;
  double f;
  double k;
};

AngleFactors angle_factors(const DovetailMeasurementInput& input) {
  switch (input.angle) {
  case FlankAngle::k60:
    return {1.0471975511965976, 0.577350269189626, 1 + 1.7320508075688774};
  case FlankAngle::k45:
    return {0.7853981633974483, 1.0000000000000002, 1 + 2.414213562373095};
  case FlankAngle::kTyped:
    break;
  }
  double a = input.typed_angle * numeric::kRadPerDeg;
  return {a, 1 / std::tan(a), 1 + 1 / std::tan(a / 2)};
}

// With no kind chosen a male at hand is computed as if the slot were deeper.
bool slot_deeper_for_male(int kind) {
  return kind == kFemaleDeeper || kind == kMaleShallower || kind == kNoKindChosen;
}

void from_male(const DovetailMeasurementInput& input, double scale, double d, double c, double g,
               const AngleFactors& angle, DovetailMeasurementValues& v) {
  double m = input.over_pins * scale;
  double dm = input.male_depth * scale;
  v.male_pins = m;
  v.male_depth = dm;
  if (slot_deeper_for_male(input.clearance_kind))
    v.female_depth = dm + c;
  else if (input.clearance_kind == kMaleDeeper)
    v.female_depth = dm - c;
  else
    v.female_depth = dm;
  v.male_min_width = m - angle.k * d;
  v.male_max_width = v.male_min_width + 2 * angle.f * dm;
  v.female_max_width = v.male_max_width;
  if (slot_deeper_for_male(input.clearance_kind))
    v.female_max_width += 2 * angle.f * c;
  v.female_max_width += 2 * g * std::cos(angle.a);
  v.female_pins = v.female_max_width - angle.k * d;
  v.female_min_width = v.female_max_width - 2 * angle.f * v.female_depth;
}

void from_female(const DovetailMeasurementInput& input, double scale, double d, double c, double g,
                 const AngleFactors& angle, DovetailMeasurementValues& v) {
  double f = input.between_pins * scale;
  double df = input.female_depth * scale;
  v.female_pins = f;
  v.female_depth = df;
  v.female_max_width = f + angle.k * d;
  v.male_max_width = v.female_max_width;
  v.male_depth = df;
  if (input.clearance_kind == kFemaleDeeper || input.clearance_kind == kMaleShallower) {
    v.male_depth = df - c;
    v.male_max_width -= 2 * c * angle.f;
  } else if (input.clearance_kind == kMaleDeeper) {
    v.male_depth = df + c;
  }
  if (g > 0)
    v.male_max_width -= 2 * g * std::cos(angle.a);
  v.male_min_width = v.male_max_width - 2 * angle.f * v.male_depth;
  v.male_pins = v.male_min_width + angle.k * d;
}

// Finite in millimetres too, so that either unit can show every value.
bool all_finite(const DovetailMeasurementValues& v) {
  for (double x : {v.pin_dia, v.clearance, v.male_depth, v.female_depth, v.male_pins, v.female_pins,
                   v.male_min_width, v.male_max_width, v.female_min_width, v.female_max_width})
    if (!std::isfinite(x / numeric::kInchPerMm))
      return false;
  return true;
}

// The first size that comes out not above 0, and why: with the male at hand
// its own root (the measurement over the pins is too small), then the slot
// to be made; with the female at hand the male to be made.
std::optional<NoDovetail> impossible_size(const DovetailMeasurementValues& v, PartAtHand at_hand) {
  if (at_hand == PartAtHand::kMale) {
    if (!(v.male_min_width > 0.0 && v.female_min_width > 0.0))
      return NoDovetail::kOverPinsTooSmall;
    if (!(v.female_depth > 0.0))
      return NoDovetail::kClearanceTooDeep;
    if (!(v.female_pins > 0.0))
      return NoDovetail::kPinsMeet;
    return std::nullopt;
  }
  if (!(v.male_depth > 0.0))
    return NoDovetail::kClearanceTooDeep;
  if (!(v.male_max_width > 0.0 && v.male_min_width > 0.0 && v.male_pins > 0.0))
    return NoDovetail::kMatingTooNarrow;
  return std::nullopt;
}

} // namespace

bool measurements_complete(const DovetailMeasurementInput& input) {
  if (!present(input.pin_diameter))
    return false;
  if (input.angle == FlankAngle::kTyped && !present(input.typed_angle))
    return false;
  if (input.gib && !present(input.gib_thickness))
    return false;
  if (input.clearance_kind != kNoClearance && !present(input.clearance))
    return false;
  if (input.at_hand == PartAtHand::kMale)
    return present(input.over_pins) && present(input.male_depth);
  return present(input.between_pins) && present(input.female_depth);
}

std::optional<DovetailMeasurementValues>
compute_dovetail_measurement(const DovetailMeasurementInput& input,
                             const DovetailMeasurementValues& previous, NoDovetail* why) {
  auto refuse = [why](NoDovetail reason) {
    if (why)
      *why = reason;
    return std::nullopt;
  };
  if (!measurements_complete(input))
    return refuse(NoDovetail::kNothingToSay);
  // Beyond 90 degrees the flanks lean outward: there is no dovetail left.
  if (input.angle == FlankAngle::kTyped && !(input.typed_angle <= 90.0))
    return refuse(NoDovetail::kAngleOver90);
  AngleFactors angle = angle_factors(input);
  double scale = input.millimetre ? numeric::kInchPerMm : 1.0;
  DovetailMeasurementValues v = previous;
  v.pin_dia = input.pin_diameter * scale;
  v.clearance = input.clearance_kind == kNoClearance ? 0.0 : input.clearance * scale;
  double g = input.gib ? input.gib_thickness * scale : 0.0;
  if (input.at_hand == PartAtHand::kMale)
    from_male(input, scale, v.pin_dia, v.clearance, g, angle, v);
  else
    from_female(input, scale, v.pin_dia, v.clearance, g, angle, v);
  if (!all_finite(v))
    return refuse(NoDovetail::kNothingToSay);
  if (const std::optional<NoDovetail> problem = impossible_size(v, input.at_hand))
    return refuse(*problem);
  return v;
}

DovetailPartSizes mating_part_sizes(const DovetailMeasurementValues& values, PartAtHand at_hand,
                                    bool millimetre) {
  DovetailPartSizes sizes =
      at_hand == PartAtHand::kMale
          ? DovetailPartSizes{values.female_min_width, values.female_depth, values.female_pins}
          : DovetailPartSizes{values.male_max_width, values.male_depth, values.male_pins};
  if (millimetre) {
    sizes.width /= numeric::kInchPerMm;
    sizes.depth /= numeric::kInchPerMm;
    sizes.pins /= numeric::kInchPerMm;
  }
  return sizes;
}

} // namespace workshop
