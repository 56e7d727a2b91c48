// Formulas of the measurement over pins.
#include "core/gears/over_pins_calc.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace gears {

namespace {

using numeric::kPi;
constexpr double kHalfPi = 1.5707963267948966;
using numeric::kMmPerInch;

std::optional<double> positive(double value) {
  if (std::isfinite(value) && value > 0.0)
    return value;
  return std::nullopt;
}

std::optional<double> finite(double value) {
  if (std::isfinite(value))
    return value;
  return std::nullopt;
}

/// The involute function: the angle the involute has turned past its start.
double involute(double angle) { return std::tan(angle) - angle; }

} // namespace

double recommended_pin(double p) { return kPinFactor / p; }

std::optional<double> pressure_angle(PressureAngleChoice choice, double typed_degrees) {
  switch (choice) {
  case PressureAngleChoice::k14_5:
    return 14.5;
  case PressureAngleChoice::k20:
    return 20.0;
  case PressureAngleChoice::kTyped:
    if (typed_degrees >= kLowestTypedAngle && typed_degrees <= kHighestTypedAngle)
      return typed_degrees;
    return std::nullopt;
  }
  return std::nullopt;
}

std::optional<double> compose_fraction(double whole, double over, double under) {
  constexpr double kNothing = 1e-12;
  if (whole < kNothing && (over < kNothing || under < kNothing))
    return std::nullopt;
  if (over > 0.0 && under > 0.0)
    whole += over / under;
  return positive(whole);
}

std::optional<double> OverPinsResult::difference() const {
  if (!measured)
    return std::nullopt;
  return finite(theoretical - *measured);
}

std::optional<OverPinsResult> compute_over_pins(const OverPinsInput& in) {
  const double p = in.diametral_pitch;
  const double phi = in.pressure_angle * numeric::kRadPerDeg;
  if (!positive(p) || in.teeth < 2 || !(phi > 0.0 && phi < kHalfPi) || !(in.pin >= 0.0))
    return std::nullopt;
  const double n = static_cast<double>(in.teeth);

  OverPinsResult result;
  result.theoretical = kPi / p * 0.5;
  if (!std::isfinite(result.theoretical))
    return std::nullopt;

  // With an odd count the pins lie half a pitch short of opposite, so the
  // measurement spans the pin-centre circle only by the cosine of that half.
  const double pitch_diameter = n / p;
  const double slant = in.teeth % 2 == 0 ? 1.0 : std::cos(kHalfPi / n);
  const double pin_circle = (in.over_pins - in.pin) / slant;
  // A pin centre inside the base circle has no involute to touch.
  const double cos_at_pins = std::cos(phi) * pitch_diameter / pin_circle;
  if (in.over_pins > in.pin && cos_at_pins <= 1.0) {
    const double at_pins = std::acos(cos_at_pins);
    result.measured =
        finite(pitch_diameter * (involute(at_pins) - in.pin / (pitch_diameter * std::cos(phi)) -
                                 involute(phi) + kPi / n));
  }
  return result;
}

std::optional<double> over_pins_for_thickness(OverPinsInput input, double thickness) {
  // The implied thickness grows with the measurement; below the base circle
  // there is none, which counts as too thin.
  const auto too_thin = [&](double over_pins) {
    input.over_pins = over_pins;
    const std::optional<OverPinsResult> result = compute_over_pins(input);
    return !result || !result->measured || *result->measured < thickness;
  };
  input.over_pins = input.pin;
  if (!compute_over_pins(input) || !std::isfinite(thickness))
    return std::nullopt;
  double thin = input.pin;
  double thick = input.pin + static_cast<double>(input.teeth) / input.diametral_pitch;
  for (int i = 0; i < 64 && too_thin(thick); ++i)
    thick *= 2.0;
  if (too_thin(thick))
    return std::nullopt;
  for (int i = 0; i < 200 && thick - thin > 1e-12 * thick; ++i) {
    const double middle = 0.5 * (thin + thick);
    (too_thin(middle) ? thin : thick) = middle;
  }
  return 0.5 * (thin + thick);
}

} // namespace gears
