// How a gear page is told the size of the teeth: the four systems of the
// tooth-size radios, in their order on the pages.
#pragma once

#include <optional>

namespace gears {

enum class ToothSystem {
  kModule = 0,            ///< millimetres of pitch diameter per tooth
  kDiametralPitch = 1,    ///< teeth per inch of pitch diameter
  kCircularPitchInch = 2, ///< circular (axial) pitch in inches
  kCircularPitchMm = 3,   ///< circular (axial) pitch in millimetres
};

/// Diametral pitch P (teeth per inch of pitch diameter) of a pitch value
/// given in `system` (a module and a circular pitch in mm are millimetres).
/// Nothing unless the value and P are positive and finite.
std::optional<double> diametral_pitch(ToothSystem system, double value);

/// The pitch value in `system` of a diametral pitch (the inverse of
/// diametral_pitch). Nothing unless P is positive and finite.
std::optional<double> pitch_value(ToothSystem system, double diametral_pitch);

} // namespace gears
