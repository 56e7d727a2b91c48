// Spur gear tooth sizes, form cutters and span measurement.
#include "core/gears/spur_gear_calc.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/numeric/number_text.h"

namespace gears {

namespace {

using numeric::kInchPerMm;
using numeric::kMmPerInch;
using numeric::kPi;

bool finite(double value) { return std::isfinite(value); }

Length from_inch(double inch) { return {inch, inch / kInchPerMm}; }

bool metric_system(PitchSystem system) {
  return system == PitchSystem::kModule || system == PitchSystem::kCircularPitchMm;
}

// Metric gears take 1.157 m whatever the angle; inch gears of 14.5° take
// 1.157 / P and those of 20° one rule for coarse pitches and one for fine.
double dedendum_inch(PitchSystem system, PressureAngle angle, const ToothSize& size) {
  if (metric_system(system))
    return 1.157 * size.module / kMmPerInch;
  const double p = size.diametral_pitch;
  if (angle == PressureAngle::k14_5)
    return 1.157 / p;
  return p <= 20.0 ? 1.2 / p + 0.002 : 1.25 / p;
}

bool all_finite(const SpurGear& gear) {
  const Length* rows[] = {&gear.whole_depth,   &gear.addendum,       &gear.dedendum,
                          &gear.working_depth, &gear.circular_pitch, &gear.tooth_thickness,
                          &gear.clearance,     &gear.pitch_diameter, &gear.outside_diameter};
  for (const Length* row : rows)
    if (!finite(row->inch) || !finite(row->mm))
      return false;
  return finite(gear.size.module) && finite(gear.size.diametral_pitch);
}

} // namespace

std::optional<ToothSize> tooth_size(PitchSystem system, double value) {
  if (!(value >= kMissingPitch) || !finite(value))
    return std::nullopt;
  const std::optional<double> p = diametral_pitch(system, value);
  if (!p)
    return std::nullopt;
  ToothSize size;
  size.diametral_pitch = *p;
  size.circular_pitch = kPi / *p;
  size.module = kMmPerInch / *p;
  // The typed size is kept as typed, not as it comes back through P.
  if (system == PitchSystem::kModule)
    size.module = value;
  else if (system == PitchSystem::kCircularPitchInch)
    size.circular_pitch = value;
  if (!finite(size.module) || !finite(size.diametral_pitch) || !finite(size.circular_pitch) ||
      size.diametral_pitch <= 0.0)
    return std::nullopt;
  return size;
}

std::string pitch_value_text(const ToothSize& size, PitchSystem system) {
  double value = size.diametral_pitch;
  switch (system) {
  case PitchSystem::kModule:
    value = size.module;
    break;
  case PitchSystem::kDiametralPitch:
    break;
  case PitchSystem::kCircularPitchInch:
    value = size.circular_pitch;
    break;
  case PitchSystem::kCircularPitchMm:
    value = size.circular_pitch * kMmPerInch;
    break;
  }
  return numeric::printf_text("%.10g", value);
}

std::string diametral_pitch_text(double diametral_pitch) {
  if (!finite(diametral_pitch))
    return "";
  const double whole = std::trunc(diametral_pitch);
  if (std::fabs(whole - diametral_pitch) < 0.0001)
    return numeric::format_fixed(0, whole);
  return numeric::format_fixed(4, diametral_pitch);
}

std::optional<SpurGear> solve_spur_gear(const SpurGearInput& input) {
  const std::optional<ToothSize> size = tooth_size(input.system, input.pitch_value);
  if (!size || input.teeth < kFewestTeeth)
    return std::nullopt;
  const double p = size->diametral_pitch;
  const double n = static_cast<double>(input.teeth);

  SpurGear gear;
  gear.size = *size;
  gear.circular_pitch = from_inch(size->circular_pitch);
  gear.pitch_diameter = from_inch(n / p);
  gear.outside_diameter = from_inch((n + 2.0) / p);
  gear.tooth_thickness = from_inch(size->circular_pitch / 2.0);

  if (metric_system(input.system))
    gear.addendum = {size->module * kInchPerMm, size->module};
  else
    gear.addendum = from_inch(1.0 / p);
  const double a = gear.addendum.inch;
  gear.working_depth = from_inch(2.0 * a);

  const double b = dedendum_inch(input.system, input.angle, *size);
  gear.dedendum = {b, kMmPerInch * b};
  gear.whole_depth = from_inch(a + b);
  gear.clearance = from_inch(a + b - 2.0 * a);

  gear.cutter = cutter_number(input.teeth, input.system == PitchSystem::kDiametralPitch);
  if (!all_finite(gear))
    return std::nullopt;
  return gear;
}

namespace {
// Fewest teeth of American cutters No. 8 down to No. 1.
constexpr std::array<long, 8> kFrom = {12, 14, 17, 21, 26, 35, 55, 135};
} // namespace

CutterRange cutter_teeth(long teeth) {
  CutterRange range;
  for (size_t i = 0; i < kFrom.size() && teeth >= kFrom[i]; ++i) {
    range.fewest = kFrom[i];
    range.most = i + 1 < kFrom.size() ? kFrom[i + 1] - 1 : 0;
  }
  return range;
}

int cutter_number(long teeth, bool american) {
  int range = -1;
  for (size_t i = 0; i < kFrom.size(); ++i)
    if (teeth >= kFrom[i])
      range = static_cast<int>(i);
  if (range < 0)
    return 0;
  return american ? 8 - range : range + 1;
}

namespace {

/// The fewest teeth a caliper spans: across one tooth its jaws would touch
/// the two flanks of the same tooth.
constexpr long kFewestSpanned = 2;

/// The pressure angle in tenths of a degree, so that the standard count is
/// worked out in whole numbers: 14.5° is 145.
long tenths_of_degree(PressureAngle angle) { return angle == PressureAngle::k20 ? 200 : 145; }

double radians(PressureAngle angle) {
  return static_cast<double>(tenths_of_degree(angle)) / 1800.0 * kPi;
}

double involute(double angle) { return std::tan(angle) - angle; }

/// The width across `spanned` teeth of a gear of module 1.
double span_per_module(long teeth, double angle, long spanned) {
  return std::cos(angle) * (kPi * (static_cast<double>(spanned) - 0.5) +
                            static_cast<double>(teeth) * involute(angle));
}

/// Whether the jaws across `spanned` teeth touch the flanks below the tips:
/// the contact diameter √(d_b² + W²) stays inside the outside diameter
/// (module 1: d_b = z cos α, outside diameter z + 2).
bool jaws_below_tips(long teeth, double angle, long spanned) {
  const double z = static_cast<double>(teeth);
  return std::hypot(z * std::cos(angle), span_per_module(teeth, angle, spanned)) < z + 2.0;
}

} // namespace

SpanRange span_teeth_range(long teeth, PressureAngle angle) {
  if (teeth < kFewestTeeth)
    return {};
  const double a = radians(angle), z = static_cast<double>(teeth);
  // W < √((z + 2)² − (z cos α)²) solved for n, then checked against the
  // contact diameter itself where rounding might have moved it by one.
  const double widest = std::sqrt((z + 2.0) * (z + 2.0) - std::pow(z * std::cos(a), 2.0));
  long most = static_cast<long>((widest / std::cos(a) - z * involute(a)) / kPi + 0.5);
  while (jaws_below_tips(teeth, a, most + 1))
    ++most;
  while (most > kFewestSpanned && !jaws_below_tips(teeth, a, most))
    --most;
  return {kFewestSpanned, most};
}

long standard_span_teeth(long teeth, PressureAngle angle) {
  if (teeth < kFewestTeeth)
    return 0;
  // z·α/180 + 0.5 rounded with a half down is z·α/180 rounded up. In tenths
  // of a degree: z·a/1800, split so that z·a can't overflow.
  const long a = tenths_of_degree(angle);
  const long rest = teeth % 1800 * a;
  const long spanned = teeth / 1800 * a + rest / 1800 + (rest % 1800 != 0 ? 1 : 0);
  return std::max(spanned, kFewestSpanned);
}

std::optional<Length> span_width(long teeth, PressureAngle angle, double diametral_pitch,
                                 long spanned) {
  if (teeth < kFewestTeeth || spanned < kFewestSpanned || !(diametral_pitch > 0.0))
    return std::nullopt;
  const double width = span_per_module(teeth, radians(angle), spanned) / diametral_pitch;
  if (!finite(width))
    return std::nullopt;
  return from_inch(width);
}

} // namespace gears
