// What the dovetail-measurement page shows for what the user set: the
// inputs of the part at hand and the results of the part to be made, the
// optional rows and the sketches, the numbers the computation reads, and the
// texts of the mating part's sizes and of the fields rewritten in another unit.
#pragma once

#include <array>
#include <string>

#include "core/workshop/dovetail_form.h"
#include "core/workshop/dovetail_measurement_calc.h"

namespace workshop {

struct DovetailMeasurementFormInput {
  PartAtHand at_hand = PartAtHand::kMale;
  FlankAngle angle = FlankAngle::k45;
  std::string typed_angle;
  int clearance_kind = kFemaleDeeper; ///< the choice's item, -1 when none
  std::string clearance;
  bool gib = false;
  std::string gib_thickness;
  std::string pin;
  std::string over_pins;
  std::string male_depth;
  std::string between_pins;
  std::string female_depth;
  bool millimetre = false;
};

struct DovetailMeasurementForm {
  /// The male's measurements and the female's results show; otherwise the
  /// female's measurements and the male's results.
  bool male_at_hand = true;
  bool typed_angle_shown = false;
  bool gib_row_shown = false;
  /// The clearance counts for every kind but "no clearance"; with no kind
  /// chosen the slot is computed deeper by it, so its row stays.
  bool clearance_row_shown = true;
  DovetailSketchChoice sketches;
  /// The numbers the computation reads, and whether they are all there.
  DovetailMeasurementInput numbers;
  bool complete = false;
};

DovetailMeasurementForm dovetail_measurement_form(const DovetailMeasurementFormInput& input);

/// Width, depth and pins of the part to be made, three decimals in the unit shown.
std::array<std::string, 3> mating_part_texts(const DovetailMeasurementValues& values,
                                             PartAtHand at_hand, bool millimetre);

/// The kept inch value of a field written in the unit shown, three decimals.
std::string kept_value_text(double inches, bool millimetre);

} // namespace workshop
