// What the worm-gear page shows for what the user set: which rows and
// buttons are offered, the labels they carry, and every result as the text
// of its field in the unit chosen.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/gears/gears_texts.h"
#include "core/gears/tooth_system.h"
#include "core/gears/worm_gear_calc.h"

namespace gears {

/// The result fields, hob column first, then the wheel, then the worm.
enum WormOut {
  kHobTipWidth,
  kHobVToFlat,
  kHobOutsideDiameter,
  kHobLeadAngle,
  kHobWholeDepth,
  kHobFirstSide,
  kHobSecondSide,
  kHobThreadLength,
  kThroatDiameter,
  kFaceWidth,
  kWheelWholeDepth,
  kCentreDistance,
  kWormTipWidth,
  kWormVToFlat,
  kWormLeadAngle,
  kWormWholeDepth,
  kWormFirstSide,
  kWormSecondSide,
  kWormThreadLength,
  kWormOutCount
};

using WormOutputTexts = std::array<std::string, kWormOutCount>;

struct WormGearFormInput {
  ToothSystem system = ToothSystem::kDiametralPitch;
  std::string pitch;    ///< in the system's own unit, as typed
  std::string diameter; ///< worm outside diameter, in the unit shown
  std::string backlash; ///< in the unit shown
  int teeth = 0;        ///< 0 when missing or refused by its field
  int starts = 1;
  int pressure_angle = 0; ///< index into kWormPressureAngles
  bool square_rim = false;
  bool hob_crown_cut = false;
  bool left_hand = false;
  bool metric = false; ///< diameter, backlash and results in millimetres
};

struct WormGearForm {
  /// Whole, over and under of a pitch in inches: only that system has them.
  bool fraction_offered = false;
  i18n::TextId pitch_label = i18n::kNoText;    ///< names the pitch value
  i18n::TextId backlash_label = i18n::kNoText; ///< the backlash in inches or in millimetres
  /// The centre-distance window needs the wheel: a tooth size and a count.
  bool centre_distance_offered = false;
  /// The change-gear help covers the systems given as module or pitch.
  bool change_gear_help_offered = false;
  std::optional<WormGearResult> result; ///< in inches, none: every field empty
  WormOutputTexts outputs;
  /// The text that says why there is no result; kNoText: nothing to say.
  i18n::TextId reason = i18n::kNoText;
};

WormGearForm worm_gear_form(const WormGearFormInput& input);

/// The results in the unit chosen; all empty without a result. A unit
/// switch shows the same result again, so what was computed stays as it was.
WormOutputTexts worm_output_texts(const std::optional<WormGearResult>& result, bool metric);

/// The labels that follow the choices alone.
i18n::TextId worm_pitch_label(ToothSystem system);
i18n::TextId worm_backlash_label(bool metric);

} // namespace gears
