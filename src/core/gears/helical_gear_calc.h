// Helical gear from the tooth size of its normal section, its tooth count and
// its helix angle β. The teeth are those of the spur gear of the normal pitch
// laid on a helix: the transverse pitch is the normal one divided by cos β,
// the pitch diameter z·m_n / cos β, the lead of the helix π·d / tan β, and the
// form cutter is the spur cutter of the equivalent tooth count z / cos³ β.
// Gears are worked in inches; millimetres are derived.
#pragma once

#include <optional>

#include "core/gears/spur_gear_calc.h"

namespace gears {

struct HelicalGearInput {
  PitchSystem system = PitchSystem::kModule; ///< module or diametral pitch of the normal section
  PressureAngle angle = PressureAngle::k20;  ///< normal pressure angle
  double normal_pitch = 0.0;
  long teeth = 0;
  double helix_degrees = 0.0;
  long mating_teeth = 0; ///< 0: no mating gear
};

struct HelicalGear {
  ToothSize normal;
  ToothSize transverse;
  Length pitch_diameter;
  Length outside_diameter;
  Length whole_depth;
  Length root_diameter;
  Length normal_circular_pitch;
  Length transverse_circular_pitch;
  Length lead; ///< of the helix: the axial length of one turn
  double equivalent_teeth = 0.0;
  /// What a gear-tooth vernier reads square to the teeth: the chord of the
  /// tooth at the pitch circle of the equivalent spur gear, and the height
  /// from the tip to that chord.
  Length chordal_thickness;
  Length chordal_addendum;
  int cutter = 0; ///< the form cutter of the equivalent tooth count, numbered as on the spur page
  /// With a mating gear (on a parallel shaft, of the opposite hand).
  std::optional<Length> centre_distance;
  double ratio = 0.0; ///< mating teeth over teeth
};

/// The gear, or nothing: the pitch missing, no teeth, a helix angle not
/// between 0 and 90 degrees, an equivalent tooth count below the spur page's
/// 12 (no form cutter cuts it), or a size too large to be a number.
std::optional<HelicalGear> solve_helical_gear(const HelicalGearInput& input);

enum class Hand { kRight, kLeft };

/// How far the table of a horizontal mill turns to cut the helix, in degrees:
/// positive counterclockwise seen from above (the right-hand end of the table
/// toward the column), negative clockwise (the left-hand end).
double table_swivel_degrees(Hand hand, double helix_degrees);

} // namespace gears
