// Conversions between the tooth-size systems, shared by the gear pages so
// that a module or a circular pitch means the same on each of them.
#include "core/gears/tooth_system.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace gears {

namespace {

using numeric::kPi;
using numeric::kMmPerInch;

std::optional<double> positive(double value) {
  if (std::isfinite(value) && value > 0.0)
    return value;
  return std::nullopt;
}

} // namespace

std::optional<double> diametral_pitch(ToothSystem system, double value) {
  if (!positive(value))
    return std::nullopt;
  switch (system) {
  case ToothSystem::kModule:
    return positive(kMmPerInch / value);
  case ToothSystem::kDiametralPitch:
    return value;
  case ToothSystem::kCircularPitchInch:
    return positive(kPi / value);
  case ToothSystem::kCircularPitchMm:
    return positive(kPi / (value * numeric::kInchPerMm));
  }
  return std::nullopt;
}

std::optional<double> pitch_value(ToothSystem system, double p) {
  if (!positive(p))
    return std::nullopt;
  switch (system) {
  case ToothSystem::kModule:
    return positive(kMmPerInch / p);
  case ToothSystem::kDiametralPitch:
    return p;
  case ToothSystem::kCircularPitchInch:
    return positive(kPi / p);
  case ToothSystem::kCircularPitchMm:
    return positive(kPi / p / numeric::kInchPerMm);
  }
  return std::nullopt;
}

} // namespace gears
