// What the change-gears page shows for what the user set: the unit captions
// of the mode, whether Calculate and the 22/7 pair are offered, the pair's
// texts and which of its gears the user owns, and the texts the gear-ratio
// search is given when none of the user's trains fits.
#pragma once

#include <string>
#include <vector>

#include "core/workshop/change_gears_calc.h"
#include "core/workshop/workshop_texts.h"

namespace workshop {

/// A train needs three gears at least: a pair and one more to choose from.
inline constexpr size_t kFewestChangeGears = 3;
/// The error field never holds less than this, in percent.
inline constexpr const char* kSmallestChangeGearErrorText = "0.0001";

struct ChangeGearsFormInput {
  ChangeGearMode mode = ChangeGearMode::kInch;
  std::string pitch_to_make;      ///< as typed
  std::string lead_screw;         ///< as typed
  std::vector<std::string> gears; ///< the gear list's lines, ascending
};

struct ChangeGearsForm {
  /// The captions after the two pitches.
  i18n::TextId pitch_caption = texts::kInchPitchUnit;
  i18n::TextId lead_screw_caption = texts::kInchPitchUnit;
  /// The last word of the results heading (the lead screw's caption is its
  /// first word).
  i18n::TextId heading_unit = texts::kInchPitchUnit;
  /// Enough gears and two real pitches (a zero pitch gives no ratio).
  bool calculate_enabled = false;
  /// The 22/7 pair's fields show in the worm modes once Calculate is offered.
  bool worm_pair_shown = false;
};

ChangeGearsForm change_gears_form(const ChangeGearsFormInput& input);

/// The 22/7 pair as the page shows it after Calculate.
struct WormPairView {
  std::string first;  ///< on the spindle; empty when no exact pair exists
  std::string second; ///< on the lead screw
  bool first_owned = false;
  bool second_owned = false;
  bool warning_shown = false;
  i18n::TextId warning = texts::kNotOwned;
};

/// The pair for a worm mode (a thread mode gives an empty view).
WormPairView worm_pair_view(const ChangeGearsFormInput& input);

/// Which gears of a train the set can't supply, in the order driver, driven
/// gear of each pair: a count owned n times supplies its first n gears.
std::vector<bool> gears_not_owned(const gears::RatioResult& train,
                                  const std::vector<std::string>& gears);

/// The error as the field keeps it once the user is done with it: below
/// 0.0001 (or empty) it becomes 0.0001.
std::string floored_error(const std::string& typed);

/// What the gear-ratio search is given when none of the user's trains fits.
struct ChangeGearFallback {
  std::string results_limit;
  std::string target;
  std::string lowest;
  std::string highest;
  std::string tolerance;
};

/// Ten trains for `target` with tooth counts from the smallest gear owned to
/// the largest (at least 50), within the error as the field keeps it.
ChangeGearFallback change_gear_fallback(const std::vector<std::string>& gears, double target,
                                        const std::string& error);

} // namespace workshop
