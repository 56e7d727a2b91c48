// Measurement over pins of an external involute spur gear: from the tooth
// size, the tooth count, the pressure angle, the diameter of two pins laid in
// opposite tooth spaces and the measurement over them, the tooth thickness
// the measurement implies at the pitch circle, beside the theoretical one
// (half the circular pitch). Closed form: the pressure angle at the pin
// centres comes from an inverse cosine, no iteration. Every length in inches.
#pragma once

#include "core/gears/tooth_system.h"
#include <optional>

namespace gears {

/// How the tooth size is given, in the order of the page's radio buttons.
/// The pressure-angle radios, in their order on the page.
enum class PressureAngleChoice { k14_5, k20, kTyped };

/// The range a typed pressure angle must lie in (degrees).
inline constexpr double kLowestTypedAngle = 17.5;
inline constexpr double kHighestTypedAngle = 30.0;

/// The recommended pin is this many inches divided by the diametral pitch.
inline constexpr double kPinFactor = 1.68;

/// Pin diameter in inches that touches the flanks near the pitch circle.
double recommended_pin(double diametral_pitch);

/// The pressure angle in degrees of a radio choice; a typed angle counts
/// only within kLowestTypedAngle ... kHighestTypedAngle.
std::optional<double> pressure_angle(PressureAngleChoice choice, double typed_degrees);

/// Whole plus over / under as one pitch value. The fraction is added only
/// when both its parts are positive (an improper one too); a whole part
/// below 1e-12 with either part missing, or a total that is not positive,
/// gives nothing.
std::optional<double> compose_fraction(double whole, double over, double under);

struct OverPinsInput {
  double diametral_pitch = 0.0;
  long teeth = 0;
  double pressure_angle = 20.0; ///< degrees
  double pin = 0.0;             ///< pin diameter, inch
  double over_pins = 0.0;       ///< measurement over both pins, inch
};

/// Circular tooth thicknesses at the pitch circle, in inches.
struct OverPinsResult {
  double theoretical = 0.0;
  /// What the measurement implies; nothing when no pin position gives that
  /// measurement (the pins would sit inside the base circle).
  std::optional<double> measured;
  /// Theoretical minus measured: negative when the teeth are still too thick.
  std::optional<double> difference() const;
};

/// Nothing when there is no gear to measure: P not positive, fewer than two
/// teeth (two pins need two tooth spaces), a pressure angle outside 0 ... 90
/// degrees, or a negative pin.
std::optional<OverPinsResult> compute_over_pins(const OverPinsInput& input);

/// The measurement over pins at which the teeth are `thickness` (inch) thick
/// on the pitch circle, for the gear and pin of `input` (its over_pins
/// unused): compute_over_pins turned round, by halving the interval of
/// measurements until it is far finer than any micrometer reads. Nothing
/// when there is no gear to measure.
std::optional<double> over_pins_for_thickness(OverPinsInput input, double thickness);

} // namespace gears
