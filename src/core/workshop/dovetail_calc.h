// The dovetail slide: from the nominal width and depth, the flank angle, an
// optional gib, the clearance and the gauge-pin diameter, the finished sizes
// of the female slot and the male tongue and the two pin measurements that
// check them. All lengths in one unit, whichever the page uses.
#pragma once

#include <optional>

namespace workshop {

/// Which part takes the clearance (the index of the page's clearance choice).
enum class ClearanceKind : int {
  kFemaleDeeper = 0,  ///< slot deeper than the male
  kMaleShallower = 1, ///< male lower than the slot is deep
  kMaleDeeper = 2,    ///< male taller than the slot is deep
  kNoClearance = 3,   ///< both parts of the nominal depth
};

enum class FlankAngle { k60, k45, kTyped };

/// The three sizes a drawing of one part gives: the male's top width,
/// height and over-pins measurement, or the female's mouth width, depth and
/// between-pins measurement.
struct DovetailPartSizes {
  double width = 0.0;
  double depth = 0.0;
  double pins = 0.0;
};

struct DovetailInput {
  double nominal_width = 0.0; ///< wide end: bottom of the slot, top of the male
  double nominal_depth = 0.0;
  FlankAngle angle = FlankAngle::k45;
  double typed_angle = 0.0; ///< degrees, used with FlankAngle::kTyped only
  bool gib = false;
  double gib_thickness = 0.0; ///< used with a gib only
  /// 0-3 as ClearanceKind; anything else (no choice made) counts as no clearance.
  int clearance_kind = 0;
  double clearance = 0.0;
  double pin_diameter = 0.0;
};

struct DovetailResult {
  double female_min_width = 0.0; ///< slot at its mouth
  double male_max_width = 0.0;   ///< male at its top
  double female_depth = 0.0;
  double male_depth = 0.0;
  double female_between_pins = 0.0; ///< between the inner sides of two pins in the slot
  double male_over_pins = 0.0;      ///< over the outer sides of two pins against the male
  double male_min_width = 0.0;      ///< male at its root
  double female_max_width = 0.0;    ///< slot at its bottom
};

/// Why the values give no dovetail; the measurement page has the same reasons
/// and two of its own.
enum class NoDovetail {
  kNothingToSay,     ///< a value missing (below 0.0001), or a result beyond any number
  kClearanceTooDeep, ///< the clearance takes a part's whole depth
  kFlanksMeet,       ///< the width is too small for the depth and angle
  kPinsMeet,         ///< pins too large for the slot: they touch or overlap
  kOverPinsTooSmall, ///< less over the pins than the pins alone take up
  kMatingTooNarrow,  ///< the part to be made has no width left between its flanks
  kAngleOver90,      ///< the flanks would lean outward
};

/// No result when the width, depth or pin diameter is missing, when a typed
/// angle is missing or above 90 degrees, when a gib is fitted without its
/// thickness, when a size of either part comes out not above 0, or when a
/// result would not be a finite number; `why` (when given) then gets the reason.
std::optional<DovetailResult> compute_dovetail(const DovetailInput& input,
                                               NoDovetail* why = nullptr);

} // namespace workshop
