#include "core/geometry/conversions_calc.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace geometry {

namespace {

constexpr double kHalfTurn = 180.0;
constexpr double kFahrenheitPerCelsius = 1.8;
constexpr double kCelsiusPerFahrenheit = 0.5555555555555556;
constexpr double kFreezingFahrenheit = 32.0;

std::optional<double> finite(double value) {
  if (!std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<AngleForms> finite(const AngleForms& angle) {
  if (!std::isfinite(angle.degrees) || !std::isfinite(angle.pi_radians))
    return std::nullopt;
  return angle;
}

} // namespace

std::optional<AngleForms> angle_from_degrees(double degrees) {
  return finite(AngleForms{degrees, degrees / kHalfTurn});
}

std::optional<AngleForms> angle_from_dms(double degrees, long minutes, double seconds) {
  return angle_from_degrees(degrees + static_cast<double>(minutes) * numeric::kMinute +
                            seconds * numeric::kSecond);
}

std::optional<AngleForms> angle_from_pi_radians(double pi_radians) {
  if (!(std::fabs(pi_radians) > numeric::kMissing))
    return std::nullopt;
  return finite(AngleForms{pi_radians * kHalfTurn, pi_radians});
}

std::optional<double> inch_from_mm(double mm) { return finite(mm * numeric::kInchPerMm); }

std::optional<double> mm_from_inch(double inch) { return finite(inch / numeric::kInchPerMm); }

std::optional<LengthForms> length_from_fraction(const FractionEntry& entry) {
  // Negative texts read as huge unsigned numbers, so they never make a
  // proper fraction.
  const auto numerator = static_cast<unsigned long>(entry.numerator);
  const auto denominator = static_cast<unsigned long>(entry.denominator);
  const bool proper = numerator < denominator;
  double inch = entry.whole;
  if (proper)
    inch += static_cast<double>(numerator) / static_cast<double>(denominator);
  const std::optional<double> mm = mm_from_inch(inch);
  if (!(std::fabs(inch) > numeric::kMissing) || !mm)
    return std::nullopt;
  return LengthForms{inch, *mm};
}

std::optional<double> fahrenheit_from_celsius(double celsius) {
  return finite(celsius * kFahrenheitPerCelsius + kFreezingFahrenheit);
}

std::optional<double> celsius_from_fahrenheit(double fahrenheit) {
  return finite((fahrenheit - kFreezingFahrenheit) * kCelsiusPerFahrenheit);
}

} // namespace geometry
