#include "core/gears/bevel_gear_calc.h"

#include <algorithm>
#include <cmath>

#include "core/numeric/number_text.h"

namespace gears {

namespace {

using numeric::kMmPerInch;
using numeric::kPi;
constexpr double kRadian = 57.29577951308232;
constexpr double kDegree = 0.017453292519943295;
/// Whole depth of a 20° bevel tooth: 2.157 / P.
constexpr double kWholeDepth = 2.157;
/// Any formative count beyond this takes the rack cutter; keeps the rounding
/// within a long when the pitch angle is close to 90°.
constexpr double kLargestFormativeCount = 1e6;

Length both_units(double inch) { return {inch, inch * kMmPerInch}; }

// Half-up rounding of a value already known to be shown in `places` decimals.
double rounded(double value, int places) {
  const double scale = std::pow(10.0, places);
  return std::floor(value * scale + 0.5) / scale;
}

// Form cutter of a gear: the cutter for the formative tooth count N / cos γ
// of its back cone. An internal gear (γ ≥ 90°) has none.
int bevel_cutter(long teeth, double pitch_angle, bool american) {
  const double back_cone = std::cos(pitch_angle * kDegree);
  if (!(back_cone > 0.0))
    return 0;
  const double formative =
      std::min(std::floor(static_cast<double>(teeth) / back_cone + 0.5), kLargestFormativeCount);
  return cutter_number(static_cast<long>(formative), american);
}

bool finite(const Length& length) { return std::isfinite(length.inch) && std::isfinite(length.mm); }

bool finite(const BevelGearColumn& c) {
  return finite(c.outside_diameter) && finite(c.pitch_diameter) && finite(c.face_width) &&
         std::isfinite(c.pitch_angle) && std::isfinite(c.complement) && finite(c.whole_depth) &&
         finite(c.quarter_pitch) && finite(c.half_pitch);
}

BevelGearColumn column(double diametral_pitch, long teeth, double pitch_angle, double face_width,
                       const IndexSetting& index, bool american) {
  BevelGearColumn c;
  const double pitch_diameter = static_cast<double>(teeth) / diametral_pitch;
  c.pitch_diameter = both_units(pitch_diameter);
  // The addendum 1/P stands square to the pitch cone, so its radial part at
  // the back of the teeth is cos γ / P.
  c.outside_diameter =
      both_units(pitch_diameter + 2.0 * std::cos(pitch_angle * kDegree) / diametral_pitch);
  c.face_width = both_units(face_width);
  c.pitch_angle = pitch_angle;
  c.complement = 90.0 - pitch_angle;
  c.index = index;
  c.cutter = bevel_cutter(teeth, pitch_angle, american);
  c.whole_depth = both_units(kWholeDepth / diametral_pitch);
  c.quarter_pitch = both_units(kPi / (4.0 * diametral_pitch));
  c.half_pitch = both_units(kPi / (2.0 * diametral_pitch));
  c.quarter_tooth_holes = quarter_tooth_holes(index);
  c.half_tooth_holes = 2 * c.quarter_tooth_holes;
  return c;
}

} // namespace

std::optional<BevelPitch> bevel_pitch(BevelPitchKind kind, double value) {
  if (!(value > 0.0) || !std::isfinite(value))
    return std::nullopt;
  BevelPitch pitch;
  if (kind == BevelPitchKind::kDiametralPitch) {
    pitch.diametral_pitch = value;
    pitch.module = kMmPerInch / value;
  } else {
    pitch.module = value;
    pitch.diametral_pitch = kMmPerInch / value;
  }
  if (!std::isfinite(pitch.diametral_pitch) || !std::isfinite(pitch.module))
    return std::nullopt;
  // A pitch so coarse that its widest face overflows in millimetres has no
  // sizes to show.
  if (!finite(face_width_limits(pitch.diametral_pitch).maximum))
    return std::nullopt;
  return pitch;
}

FaceWidthLimits face_width_limits(double diametral_pitch) {
  return {both_units(2.0 * kPi / diametral_pitch), both_units(3.0 * kPi / diametral_pitch),
          both_units(8.0 / diametral_pitch)};
}

bool face_width_allowed(const FaceWidthLimits& limits, double value, bool millimetre) {
  const int places = millimetre ? 2 : 3;
  const double low = millimetre ? limits.minimum.mm : limits.minimum.inch;
  const double high = millimetre ? limits.maximum.mm : limits.maximum.inch;
  // Compared in the shown decimals, so a limit as shown is itself accepted.
  const double shown = rounded(value, places);
  return shown >= rounded(low, places) && shown <= rounded(high, places);
}

double limit_shaft_angle(double degrees) {
  if (!(degrees > 0.0))
    return 0.0;
  return std::min(degrees, kLargestShaftAngle);
}

int quarter_tooth_holes(const IndexSetting& setting) {
  return (setting.circle * setting.turns + setting.holes) / 4;
}

std::optional<IndexSetting> bevel_indexing(long teeth, int ratio, const std::vector<int>& circles) {
  if (teeth <= 0 || ratio <= 0)
    return std::nullopt;
  const long turns = ratio / teeth;
  const long rest = ratio % teeth;
  for (int circle : circles) {
    if (circle <= 0)
      continue;
    // What is left of a tooth after the whole turns, rest / teeth of a turn,
    // must be a whole number of holes on this circle.
    const long long share = static_cast<long long>(rest) * circle;
    if (share % teeth != 0)
      continue;
    const long long holes = share / teeth;
    // A quarter of a tooth must be a whole number of holes too.
    if ((static_cast<long long>(circle) * turns + holes) % 4 != 0)
      continue;
    return IndexSetting{circle, static_cast<int>(turns), static_cast<int>(holes)};
  }
  return std::nullopt;
}

bool bevel_teeth_usable(long teeth, int ratio, const std::vector<int>& circles) {
  return teeth >= kFewestBevelTeeth && bevel_indexing(teeth, ratio, circles).has_value();
}

std::optional<BevelGear> solve_bevel_gear(const BevelGearInput& input) {
  const std::optional<BevelPitch> pitch = bevel_pitch(input.kind, input.pitch_value);
  if (!pitch)
    return std::nullopt;
  const bool miter = input.set == BevelGearSet::kMiter;
  const long np = input.pinion_teeth;
  const long ng = miter ? np : input.gear_teeth;
  if (np < kFewestBevelTeeth || ng < kFewestBevelTeeth)
    return std::nullopt;
  const double shaft = input.shaft_angle;
  // Shafts in line (0° or 180°) make no bevel pair.
  if (!(shaft > 0.0 && shaft < kLargestShaftAngle))
    return std::nullopt;
  // tan γp = sin Σ / (Ng/Np + cos Σ); atan2 keeps γp above 90° when the
  // denominator turns negative (an internal gear beyond 90° shafts).
  const double ratio = static_cast<double>(ng) / static_cast<double>(np);
  const double pinion_angle =
      std::atan2(std::sin(shaft * kDegree), ratio + std::cos(shaft * kDegree)) * kRadian;
  const bool american = input.kind == BevelPitchKind::kDiametralPitch;
  const double p = pitch->diametral_pitch;
  BevelGear pair;
  pair.pitch = *pitch;
  pair.pinion = column(p, np, pinion_angle, input.face_width, input.pinion_index, american);
  pair.gear =
      miter ? pair.pinion
            : column(p, ng, shaft - pinion_angle, input.face_width, input.gear_index, american);
  if (!finite(pair.pinion) || !finite(pair.gear))
    return std::nullopt;
  return pair;
}

} // namespace gears
