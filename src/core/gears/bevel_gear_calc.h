// A pair of straight bevel gears cut on the milling machine with a dividing
// head: pitch and outside diameters, pitch angles, face width and its limits,
// whole depth, quarter and half pitch, the form cutter from the formative
// tooth count, and the dividing-head setting of each gear with the holes for
// a quarter and a half tooth. Worked in inches; millimetres are derived.
#pragma once

#include <optional>
#include <vector>

#include "core/gears/spur_gear_calc.h"

namespace gears {

enum class BevelPitchKind { kDiametralPitch, kModule };
enum class BevelGearSet { kMiter, kPinionAndGear };

/// Fewer teeth than this make no gear worth cutting (and no cutter fits).
inline constexpr long kFewestBevelTeeth = 12;
/// The shaft angle is kept within 0 ... 180 degrees.
inline constexpr double kLargestShaftAngle = 180.0;

/// Diametral pitch P (teeth per inch of pitch diameter) and module m (mm).
struct BevelPitch {
  double diametral_pitch = 0.0;
  double module = 0.0;
};

/// The pitch of a typed value: diametral pitch or module by `kind`; nothing
/// when the value is not a positive finite number or its face width limits
/// are not finite in millimetres.
std::optional<BevelPitch> bevel_pitch(BevelPitchKind kind, double value);

/// The face width a gear of diametral pitch P may have, 2π/P ... 3π/P, and
/// the width the page starts with, 8/P.
struct FaceWidthLimits {
  Length minimum;
  Length maximum;
  Length standard;
};

FaceWidthLimits face_width_limits(double diametral_pitch);

/// Whether a typed face width (inch, or mm when `millimetre`) lies within
/// the limits as they are shown: 3 decimals of the inch values, 2 of the mm
/// values, so that a limit written into the field is itself accepted.
bool face_width_allowed(const FaceWidthLimits& limits, double value, bool millimetre);

/// The shaft angle kept within 0 ... 180 degrees (NaN becomes 0).
double limit_shaft_angle(double degrees);

/// A dividing-head setting: whole crank turns plus `holes` holes on a circle
/// of `circle` holes for each tooth.
struct IndexSetting {
  int circle = 0;
  int turns = 0;
  int holes = 0;
};

/// Holes for a quarter of a tooth: (circle * turns + holes) / 4.
int quarter_tooth_holes(const IndexSetting& setting);

/// The setting for `teeth` divisions with a head of worm ratio `ratio` and the
/// given hole circles (tried in their order), such that a quarter of a tooth
/// is a whole number of holes; the first circle that allows it wins. Nothing
/// when no circle does.
std::optional<IndexSetting> bevel_indexing(long teeth, int ratio, const std::vector<int>& circles);

/// Whether a tooth count can be cut: at least 12 teeth and a setting found.
bool bevel_teeth_usable(long teeth, int ratio, const std::vector<int>& circles);

struct BevelGearInput {
  BevelPitchKind kind = BevelPitchKind::kDiametralPitch;
  double pitch_value = 0.0;
  BevelGearSet set = BevelGearSet::kMiter;
  long pinion_teeth = 0; ///< pinion, or each gear of a miter pair
  long gear_teeth = 0;   ///< ignored for a miter pair
  double shaft_angle = 90.0;
  double face_width = 0.0; ///< inch
  IndexSetting pinion_index;
  IndexSetting gear_index; ///< ignored for a miter pair
};

/// The column of one gear, in the order of the page's rows.
struct BevelGearColumn {
  Length outside_diameter;
  Length pitch_diameter;
  Length face_width;
  double pitch_angle = 0.0; ///< degrees
  double complement = 0.0;  ///< 90 - pitch angle
  IndexSetting index;
  int cutter = 0; ///< 0: no form cutter for this gear
  Length whole_depth;
  Length quarter_pitch;
  int quarter_tooth_holes = 0;
  Length half_pitch;
  int half_tooth_holes = 0;
};

struct BevelGear {
  BevelPitch pitch;
  BevelGearColumn pinion;
  BevelGearColumn gear; ///< a copy of the pinion for a miter pair
};

/// The pair, or nothing: no pitch, too few teeth, a shaft angle not strictly
/// between 0 and 180, or a result that is not a finite number.
std::optional<BevelGear> solve_bevel_gear(const BevelGearInput& input);

} // namespace gears
