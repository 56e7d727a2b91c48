// Involute spur gear from its tooth size and tooth count: the tooth table in
// inch and millimetres, module and diametral pitch, the number of the form
// cutter, and the caliper measurement across several teeth (span
// measurement, the base tangent length). Gears are worked in inches;
// millimetres are derived.
#pragma once

#include "core/gears/tooth_system.h"
#include <optional>
#include <string>

namespace gears {

/// The spur page calls its tooth-size systems pitch systems.
using PitchSystem = ToothSystem;

enum class PressureAngle { k14_5, k20 };

/// A pitch value below this is "nothing typed".
inline constexpr double kMissingPitch = 1e-28;
/// Fewer teeth than this make no gear (and no form cutter cuts them).
inline constexpr long kFewestTeeth = 12;

/// The three names of one tooth size: teeth per inch of pitch diameter,
/// circular pitch in inch and module in millimetres.
struct ToothSize {
  double diametral_pitch = 0.0;
  double circular_pitch = 0.0;
  double module = 0.0;
};

/// The tooth size of `value` in `system`; nothing when the value is missing
/// or not a finite number.
std::optional<ToothSize> tooth_size(PitchSystem system, double value);

/// The pitch value that gives `size` in `system`, as the unit-system button
/// writes it: ten significant digits, so that the gear keeps every shown
/// digit and switching back gives the typed value again (12 -> module
/// 2.116666667 -> 12).
std::string pitch_value_text(const ToothSize& size, PitchSystem system);

/// The diametral pitch as the page shows it: a whole number without decimals
/// ("8"), otherwise four decimals with trailing zeros trimmed; empty when not
/// a finite number.
std::string diametral_pitch_text(double diametral_pitch);

/// One row of the table: the same length in both units.
struct Length {
  double inch = 0.0;
  double mm = 0.0;
};

struct SpurGearInput {
  PitchSystem system = PitchSystem::kDiametralPitch;
  PressureAngle angle = PressureAngle::k20;
  double pitch_value = 0.0; ///< module, diametral pitch or circular pitch
  long teeth = 0;
};

struct SpurGear {
  ToothSize size;
  // The nine rows of the table, in the page's order.
  Length whole_depth;
  Length addendum;
  Length dedendum;
  Length working_depth;
  Length circular_pitch;
  Length tooth_thickness; ///< on the pitch circle
  Length clearance;
  Length pitch_diameter;
  Length outside_diameter;
  int cutter = 0; ///< form cutter number, 1 to 8
};

/// The gear, or nothing: the pitch value missing, fewer than 12 teeth, or a
/// size too large or too small to be a number.
std::optional<SpurGear> solve_spur_gear(const SpurGearInput& input);

/// Number 1 to 8 of the involute form cutter for `teeth` teeth; 0 below 12.
/// American (Brown and Sharpe, diametral pitch) cutters count from No. 1 for
/// 135 teeth and more down to No. 8 for 12 and 13 teeth; module cutters count
/// the other way round.
int cutter_number(long teeth, bool american);

/// The tooth counts one form cutter serves: 26 to 34 for the cutter of 30
/// teeth; `most` 0 for the last cutter, which serves every count above.
/// Both 0 below 12 teeth.
struct CutterRange {
  long fewest = 0;
  long most = 0;
};
CutterRange cutter_teeth(long teeth);

/// The numbers of teeth a caliper may span: from 2 up to the most whose
/// jaws still touch the flanks, between the base circle and the tips. Both 0
/// below 12 teeth.
struct SpanRange {
  long fewest = 0;
  long most = 0;
};
SpanRange span_teeth_range(long teeth, PressureAngle angle);

/// The standard number of teeth spanned, z·α/180° + 0.5 to the nearest whole
/// number with a half rounded down (20°: 12-18 teeth span 2, 19-27 span 3),
/// but at least 2; 0 below 12 teeth.
long standard_span_teeth(long teeth, PressureAngle angle);

/// Caliper width across `spanned` teeth of a gear of `teeth` teeth and
/// diametral pitch `diametral_pitch`: cos α·[π(n − 0.5) + z·inv α] / P inch.
/// Nothing below 12 teeth, for fewer than 2 teeth spanned, or when the width
/// is not a finite number.
std::optional<Length> span_width(long teeth, PressureAngle angle, double diametral_pitch,
                                 long spanned);

} // namespace gears
