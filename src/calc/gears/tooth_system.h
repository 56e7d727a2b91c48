// How a gear page is told the size of the teeth: the four systems of the
// tooth-size radios, in their order on the pages.
#pragma once

namespace gears {

enum class ToothSystem {
  kModule = 0,            ///< millimetres of pitch diameter per tooth
  kDiametralPitch = 1,    ///< teeth per inch of pitch diameter
  kCircularPitchInch = 2, ///< circular (axial) pitch in inches
  kCircularPitchMm = 3,   ///< circular (axial) pitch in millimetres
};

} // namespace gears
