// Dovetail sizes and pin measurements.
#include "core/workshop/dovetail_calc.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace workshop {

namespace {

bool missing(double value) { return std::fabs(value) < numeric::kMissing; }

struct Flank {
  double angle = 0.0; ///< radians
  double tangent = 0.0;
};

// The fixed angles use fixed constants, so 45 degrees gives the same last
// digits as it always has (its tangent is a hair below 1).
Flank flank_of(const DovetailInput& input) {
  switch (input.angle) {
  case FlankAngle::k60:
    return {1.0471975511965976, 1.7320508075688767};
  case FlankAngle::k45:
    return {0.7853981633974483, 0.9999999999999999};
  case FlankAngle::kTyped:
    break;
  }
  double angle = input.typed_angle * numeric::kRadPerDeg;
  return {angle, std::tan(angle)};
}

bool all_finite(const DovetailResult& r) {
  for (double value :
       {r.female_min_width, r.male_max_width, r.female_depth, r.male_depth, r.female_between_pins,
        r.male_over_pins, r.male_min_width, r.female_max_width})
    if (!std::isfinite(value))
      return false;
  return true;
}

} // namespace

std::optional<DovetailResult> compute_dovetail(const DovetailInput& input, NoDovetail* why) {
  auto refuse = [why](NoDovetail reason) {
    if (why)
      *why = reason;
    return std::nullopt;
  };
  const double w = input.nominal_width;
  const double d = input.nominal_depth;
  if (missing(w) || missing(d) || (input.angle == FlankAngle::kTyped && missing(input.typed_angle)))
    return refuse(NoDovetail::kNothingToSay);
  // Beyond 90 degrees the flanks lean outward: there is no dovetail left.
  if (input.angle == FlankAngle::kTyped && !(input.typed_angle <= 90.0))
    return refuse(NoDovetail::kAngleOver90);
  if ((input.gib && missing(input.gib_thickness)) || missing(input.pin_diameter))
    return refuse(NoDovetail::kNothingToSay);

  const Flank flank = flank_of(input);
  // Two pins lying in the corners between the flanks and the base add d * k
  // to the width between those corners.
  const double k = 1.0 + 1.0 / std::tan(flank.angle * 0.5);
  // Width gained per unit of depth over both flanks.
  const double t = 2.0 / flank.tangent;
  // A gib laid on a flank widens the slot by its thickness across the flank.
  const double g = input.gib ? input.gib_thickness / std::sin(flank.angle) : 0.0;
  const double c = input.clearance;

  DovetailResult r;
  switch (input.clearance_kind) {
  case static_cast<int>(ClearanceKind::kFemaleDeeper):
    r.male_max_width = w;
    r.male_depth = d;
    r.male_min_width = w - t * d;
    r.female_depth = d + c;
    r.female_min_width = r.male_min_width + g;
    r.female_max_width = r.male_min_width + t * (d + c) + g;
    break;
  case static_cast<int>(ClearanceKind::kMaleShallower):
    r.male_min_width = w - t * d;
    r.male_max_width = r.male_min_width + t * (d - c);
    r.male_depth = d - c;
    r.female_depth = d;
    r.female_min_width = w + g - t * d;
    r.female_max_width = w + g;
    break;
  case static_cast<int>(ClearanceKind::kMaleDeeper):
    r.male_max_width = w;
    r.male_depth = d + c;
    r.male_min_width = w - t * (d + c);
    r.female_depth = d;
    r.female_min_width = w + g - t * d;
    r.female_max_width = w + g;
    break;
  default: // no clearance, or no kind chosen
    r.male_max_width = w;
    r.male_depth = d;
    r.male_min_width = w - t * d;
    r.female_depth = d;
    r.female_min_width = w + g - t * d;
    r.female_max_width = w + g;
    break;
  }
  r.male_over_pins = r.male_min_width + input.pin_diameter * k;
  r.female_between_pins = r.female_max_width - input.pin_diameter * k;

  if (!all_finite(r))
    return refuse(NoDovetail::kNothingToSay);
  // Every size must leave metal: a negative width or depth is no part.
  if (!(r.male_depth > 0.0 && r.female_depth > 0.0))
    return refuse(NoDovetail::kClearanceTooDeep);
  if (!(r.male_min_width > 0.0 && r.male_max_width > 0.0 && r.female_min_width > 0.0 &&
        r.female_max_width > 0.0 && r.male_over_pins > 0.0))
    return refuse(NoDovetail::kFlanksMeet);
  if (!(r.female_between_pins > 0.0))
    return refuse(NoDovetail::kPinsMeet);
  return r;
}

} // namespace workshop
