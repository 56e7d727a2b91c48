// Spur gear tooth sizes, form cutters and span measurement.
#include "calc/gears/spur_gear_calc.h"

#include <array>
#include <cmath>

#include "numeric/number_text.h"

namespace gears {

namespace {

using numeric::kPi;
using numeric::kMmPerInch;
using numeric::kInchPerMm;

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

/// The largest tooth count of each k, from k = 2 on; 0 marks a k the table skips.
constexpr std::array<long, 8> kSpan20 = {18, 27, 36, 45, 54, 63, 72, 81};
constexpr std::array<long, 8> kSpan14_5 = {18, 37, 0, 50, 62, 75, 100, 110};

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

SpanLine span_line(long teeth, PressureAngle angle, bool has_pitch_value) {
  if (teeth == 0 || !has_pitch_value)
    return SpanLine::kNone;
  const long most = angle == PressureAngle::k20 ? kSpan20.back() : kSpan14_5.back();
  if (teeth > most)
    return SpanLine::kTooManyTeeth;
  if (teeth < kFewestTeeth)
    return SpanLine::kTooFewTeeth;
  return SpanLine::kAcrossTeeth;
}

int span_pitches(long teeth, PressureAngle angle) {
  if (teeth < kFewestTeeth)
    return 0;
  const std::array<long, 8>& table = angle == PressureAngle::k20 ? kSpan20 : kSpan14_5;
  for (size_t i = 0; i < table.size(); ++i)
    if (teeth <= table[i])
      return static_cast<int>(i) + 2;
  return 0;
}

std::optional<Length> span_width(long teeth, PressureAngle angle, double pitch_radius,
                                 double tooth_thickness) {
  const int k = span_pitches(teeth, angle);
  if (k == 0 || !(pitch_radius > 0.0))
    return std::nullopt;
  // cos α and twice the involute function tan α − α of each angle.
  const bool twenty = angle == PressureAngle::k20;
  const double cos_a = twenty ? 0.9396926207859084 : 0.9681476403781077;
  const double two_inv_a = twenty ? 0.029808767734672892 : 0.01108968563342494;
  // Along the base tangent: k base pitches plus one tooth's base thickness.
  const double width =
      (two_inv_a + tooth_thickness / pitch_radius + k * 6.2832 / static_cast<double>(teeth)) *
      (cos_a * pitch_radius);
  if (!finite(width))
    return std::nullopt;
  return from_inch(width);
}

} // namespace gears
