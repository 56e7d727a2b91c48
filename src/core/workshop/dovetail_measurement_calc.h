// Dovetail measurement: from the part of a dovetail slide at hand (male or
// female), measured over or between two gauge pins and for depth, the sizes
// the mating part must have. Lengths come in the page's unit; everything the
// computation keeps is in inches.
#pragma once

#include <optional>

#include "core/workshop/dovetail_calc.h" // FlankAngle, shared with the dovetail page

namespace workshop {

enum class PartAtHand { kMale, kFemale };

/// Which part takes the clearance (the choice's item index; -1: none chosen).
enum MatingClearance : int {
  kNoKindChosen = -1,
  kFemaleDeeper = 0,
  kMaleShallower = 1,
  kMaleDeeper = 2,
  kNoClearance = 3,
};

/// The page's inputs as typed, in the page's unit (millimetre or inch).
struct DovetailMeasurementInput {
  PartAtHand at_hand = PartAtHand::kMale;
  FlankAngle angle = FlankAngle::k45;
  double typed_angle = 0.0; ///< degrees, used with FlankAngle::kTyped
  int clearance_kind = kFemaleDeeper;
  double clearance = 0.0;
  bool gib = false;
  double gib_thickness = 0.0;
  double pin_diameter = 0.0;
  double over_pins = 0.0;    ///< male at hand
  double male_depth = 0.0;   ///< male at hand
  double between_pins = 0.0; ///< female at hand
  double female_depth = 0.0; ///< female at hand
  bool millimetre = false;
};

/// What the page keeps between computations (and in its saved state), all in
/// inches. `clearance` is 0 with no clearance; `gib_width` follows the gib
/// field as it is typed and is not touched by the computation.
struct DovetailMeasurementValues {
  double pin_dia = 0.0;
  double clearance = 0.0;
  double gib_width = 0.0;
  double male_depth = 0.0;
  double female_depth = 0.0;
  double male_pins = 0.0;   ///< over two pins
  double female_pins = 0.0; ///< between two pins
  double male_min_width = 0.0;
  double male_max_width = 0.0;
  double female_min_width = 0.0;
  double female_max_width = 0.0;
};

/// Whether every value the computation needs is there (magnitude at least
/// 0.0001): the pin, the typed angle when it is chosen, the gib thickness
/// when a gib is fitted, the clearance unless there is none, and the two
/// measurements of the part at hand.
bool measurements_complete(const DovetailMeasurementInput& input);

/// The mating part computed from the part at hand. `previous` supplies what
/// the computation leaves alone (the gib width, and the female's mouth width
/// when the female is at hand). No result when a value is missing, a typed
/// angle is above 90 degrees, a size of the part to be made (or the root of
/// the male at hand) comes out not above 0, or a result is not a finite
/// number in inches and in millimetres; `why` (when given) then gets the reason.
std::optional<DovetailMeasurementValues>
compute_dovetail_measurement(const DovetailMeasurementInput& input,
                             const DovetailMeasurementValues& previous, NoDovetail* why = nullptr);

/// The sizes of the part to be made, from the kept values, in millimetres or
/// inches.
DovetailPartSizes mating_part_sizes(const DovetailMeasurementValues& values, PartAtHand at_hand,
                                    bool millimetre);

} // namespace workshop
