// Differential indexing: for N divisions that no circle of the head gives,
// index for a nearby A that the head does give, and let the spindle turn the
// index plate through change gears by R * (A - N) / A turns per spindle turn
// (driver on the spindle, driven on the plate's shaft). The plate then adds
// to the crank's motion (A > N: it turns the same way as the crank) or takes
// from it (A < N: against the crank). Pure: no toolkit.
//
// Idlers: on the usual universal head the gears from spindle to plate
// (through the head's bevel gears) already reverse once, so a simple train
// needs one idler to turn the plate with the crank and two against it; a
// compound train reverses once more and needs one fewer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/workshop/dividing_head_calc.h"

namespace workshop {

/// The gears of a train: one pair (driver, driven) or two pairs; the first
/// driver sits on the spindle, the last driven gear on the plate's shaft.
struct GearTrain {
  std::vector<int> drivers;
  std::vector<int> driven;
  bool operator==(const GearTrain& other) const {
    return drivers == other.drivers && driven == other.driven;
  }
};

struct DifferentialSetting {
  long approximate = 0;       ///< A, the count the crank indexes for
  IndexingSetting crank;      ///< the crank's setting for A
  long ratio_numerator = 0;   ///< R * (A - N) / A in lowest terms, signed
  long ratio_denominator = 1; ///< always positive
  GearTrain train;
  bool with_crank() const { return ratio_numerator > 0; } ///< plate turns with the crank
  int idlers() const;                                     ///< 0, 1 or 2
};

/// The change gears a head comes with when the settings file names none:
/// the usual set of a 40:1 head; other heads have none until the user adds them.
std::vector<int> default_head_gears(int ratio);

/// The settings for N on a head of ratio R with the circles `plates` and
/// the change gears `gears` (a gear owned twice may be used twice; the
/// idlers are gears of the set too, of any size), best first:
/// simple trains before compound ones, then the A nearest to N, then the
/// smaller A. One setting per A, at most `most`. Empty when N has a simple
/// setting, when R or N is below 1, or when no gear train serves. Gives up
/// early, with what it has, when a stop is requested (numeric/stop_request.h).
/// `steps`, when given, receives the number of gear pairs and trains looked at.
std::vector<DifferentialSetting> differential_settings(int ratio, long divisions,
                                                       const std::vector<int>& plates,
                                                       const std::vector<int>& gears,
                                                       std::size_t most = 6,
                                                       long long* steps = nullptr);

/// The words the lines are made of, from the language file.
struct DifferentialTexts {
  std::string turns;      ///< after the whole turns
  std::string holes_on;   ///< between the holes and the circle
  std::string with_crank; ///< the plate turns the same way as the crank
  std::string against;    ///< the plate turns against the crank
  std::string idlers;     ///< before the number of idlers
};

/// Two lines per setting: "A = 120: 0 turns + 6 holes on 18"; then the gears,
/// driver first ("56 : 24", or "40 : 64, 24 : 48"), the plate's direction
/// and the idlers.
std::vector<std::string> differential_lines(const DifferentialSetting& setting,
                                            const DifferentialTexts& texts);

/// The same setting for the printed table, whose columns are narrow: the
/// crank setting, the gears, the direction and the idlers on a line each.
std::vector<std::string> differential_print_lines(const DifferentialSetting& setting,
                                                  const DifferentialTexts& texts);

/// The printed table for N from `from` to `to`: the simple settings where the
/// head has them; else the best differential setting, or `none_serves`. The
/// table ends where no gear train of a head can reach (N beyond twice the
/// largest number the head indexes simply).
std::vector<DivisionRow> division_table_with_differential(int ratio, const std::vector<int>& plates,
                                                          const std::vector<int>& gears, long from,
                                                          long to, const DifferentialTexts& texts,
                                                          const std::string& none_serves);

} // namespace workshop
