#include "core/workshop/sine_bar_calc.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace workshop {

std::optional<double> sine_bar_height(double length, double degrees) {
  if (!(length > 0.0) || !std::isfinite(length) || !(degrees >= 0.0 && degrees <= 90.0))
    return std::nullopt;
  return length * std::sin(degrees * numeric::kRadPerDeg);
}

std::optional<double> sine_bar_angle(double length, double height) {
  if (!(length > 0.0) || !std::isfinite(length) || !(height >= 0.0 && height <= length))
    return std::nullopt;
  return std::asin(height / length) * numeric::kDegPerRad;
}

} // namespace workshop
