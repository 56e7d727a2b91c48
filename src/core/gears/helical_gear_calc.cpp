#include "core/gears/helical_gear_calc.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace gears {

namespace {

using numeric::kInchPerMm;
using numeric::kPi;

Length inches(double inch) { return {inch, inch / kInchPerMm}; }

bool finite(const Length& length) { return std::isfinite(length.inch) && std::isfinite(length.mm); }

} // namespace

std::optional<HelicalGear> solve_helical_gear(const HelicalGearInput& input) {
  if (input.teeth < 1 || !(input.helix_degrees > 0.0 && input.helix_degrees < 90.0) ||
      input.mating_teeth < 0)
    return std::nullopt;
  const double beta = input.helix_degrees * numeric::kRadPerDeg;
  const double cos_beta = std::cos(beta);
  const double z = static_cast<double>(input.teeth);
  const double equivalent = z / (cos_beta * cos_beta * cos_beta);
  // No gear has a billion teeth, and a count past what a long holds can't be rounded.
  if (!(equivalent < 1e9))
    return std::nullopt;
  // The normal section is the spur gear of the equivalent tooth count: its
  // depths, its circular pitch and its form cutter.
  const std::optional<SpurGear> spur = solve_spur_gear(
      {input.system, input.angle, input.normal_pitch, std::lround(equivalent)});
  if (!spur)
    return std::nullopt;

  HelicalGear gear;
  gear.normal = spur->size;
  gear.transverse = {spur->size.diametral_pitch * cos_beta, spur->size.circular_pitch / cos_beta,
                     spur->size.module / cos_beta};
  const double d = z / gear.transverse.diametral_pitch;
  gear.pitch_diameter = inches(d);
  gear.outside_diameter = inches(d + 2.0 * spur->addendum.inch);
  gear.whole_depth = spur->whole_depth;
  gear.root_diameter = inches(d - 2.0 * spur->dedendum.inch);
  gear.normal_circular_pitch = spur->circular_pitch;
  gear.transverse_circular_pitch = inches(gear.transverse.circular_pitch);
  gear.lead = inches(kPi * d / std::tan(beta));
  gear.equivalent_teeth = equivalent;
  // Half a tooth at the pitch circle of the equivalent gear spans 90°/z_e.
  const double half_angle = kPi / (2.0 * equivalent);
  const double equivalent_radius = equivalent / (2.0 * spur->size.diametral_pitch);
  gear.chordal_thickness = inches(2.0 * equivalent_radius * std::sin(half_angle));
  gear.chordal_addendum =
      inches(spur->addendum.inch + equivalent_radius * (1.0 - std::cos(half_angle)));
  gear.cutter = spur->cutter;
  if (input.mating_teeth > 0) {
    const double mating = static_cast<double>(input.mating_teeth);
    gear.centre_distance = inches((z + mating) / (2.0 * gear.transverse.diametral_pitch));
    gear.ratio = mating / z;
  }
  for (const Length& length : {gear.pitch_diameter, gear.outside_diameter, gear.root_diameter,
                               gear.transverse_circular_pitch, gear.lead})
    if (!finite(length))
      return std::nullopt;
  if (gear.centre_distance && !finite(*gear.centre_distance))
    return std::nullopt;
  return gear;
}

double table_swivel_degrees(Hand hand, double helix_degrees) {
  // The cutter cuts at the top of the work, in the line of the table's
  // travel. With x along the table to the operator's right and y toward the
  // column, a right-hand helix runs across the top of the work from back left
  // to front right, (cos β, -sin β); a left-hand one is its mirror image,
  // (cos β, sin β). The table turns until the tooth space lies along x.
  const double beta = helix_degrees * numeric::kRadPerDeg;
  const double across = hand == Hand::kRight ? -std::sin(beta) : std::sin(beta);
  return -std::atan2(across, std::cos(beta)) * numeric::kDegPerRad;
}

} // namespace gears
