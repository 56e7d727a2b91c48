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

} // namespace gears
