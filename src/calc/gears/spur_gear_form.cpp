#include "calc/gears/spur_gear_form.h"

#include "numeric/number_text.h"

namespace gears {

namespace {

// Inch decimals of each table row; the millimetre column has 3. Working
// depth and clearance are shop sizes, read to the thousandth.
constexpr std::array<int, kSpurTableRows> kInchPlaces = {4, 4, 4, 3, 4, 4, 3, 4, 4};
constexpr int kMmPlaces = 3;
constexpr int kModulePlaces = 3;
constexpr int kSpanInchPlaces = 4;

std::array<Length, kSpurTableRows> table_rows(const SpurGear& gear) {
  return {gear.whole_depth,   gear.addendum,       gear.dedendum,
          gear.working_depth, gear.circular_pitch, gear.tooth_thickness,
          gear.clearance,     gear.pitch_diameter, gear.outside_diameter};
}

// The span line for the tooth count, with the width of `gear` when there is one.
SpurSpan span_of(long teeth, PressureAngle angle, bool has_pitch_value, const SpurGear* gear) {
  SpurSpan span;
  switch (span_line(teeth, angle, has_pitch_value)) {
  case SpanLine::kNone:
    break;
  case SpanLine::kTooManyTeeth:
    span.line_entry = kSpurSpanTooManyTeeth;
    break;
  case SpanLine::kTooFewTeeth:
    span.line_entry = kSpurSpanTooFewTeeth;
    break;
  case SpanLine::kAcrossTeeth:
    span.line_entry = kSpurSpanAcrossTeeth;
    span.pitches = span_pitches(teeth, angle);
    if (gear) {
      const std::optional<Length> width =
          span_width(teeth, angle, gear->pitch_diameter.inch / 2.0, gear->tooth_thickness.inch);
      if (width) {
        span.inch = numeric::format_fixed(kSpanInchPlaces, width->inch);
        span.mm = numeric::format_fixed(kMmPlaces, width->mm);
      }
    }
    break;
  }
  return span;
}

} // namespace

SpurSystemLayout spur_system_layout(PitchSystem system) {
  SpurSystemLayout layout;
  layout.angle_shown =
      system == PitchSystem::kDiametralPitch || system == PitchSystem::kCircularPitchInch;
  layout.fraction_shown = system == PitchSystem::kCircularPitchInch;
  layout.cutter_shown = system == PitchSystem::kModule || system == PitchSystem::kDiametralPitch;
  layout.pitch_label = kSpurSystemLabel + static_cast<int>(system);
  return layout;
}

SpurGearForm spur_gear_form(const SpurGearFormInput& in) {
  SpurGearForm form;
  const long teeth = numeric::read_long(in.teeth);
  const double value = numeric::read_double(in.pitch_value);
  const bool has_pitch_value = !in.pitch_value.empty();
  form.span = span_of(teeth, in.angle, has_pitch_value, nullptr);
  if (!(value >= kMissingPitch)) {
    form.table = SpurShown::kEmpty;
    form.span_follows = true;
    return form;
  }
  if (teeth < kFewestTeeth) {
    if (teeth != 0)
      form.status_entry = kSpurStatusTooFewTeeth;
    return form;
  }
  form.status_entry = kSpurStatusNormal;
  form.span_follows = true;
  const std::optional<SpurGear> gear = solve_spur_gear({in.system, in.angle, value, teeth});
  if (!gear) {
    form.table = SpurShown::kEmpty;
    return form;
  }
  form.table = SpurShown::kNew;
  const std::array<Length, kSpurTableRows> rows = table_rows(*gear);
  for (size_t row = 0; row < rows.size(); ++row) {
    form.inch[row] = numeric::format_fixed(kInchPlaces[row], rows[row].inch);
    form.mm[row] = numeric::format_fixed(kMmPlaces, rows[row].mm);
  }
  form.module = numeric::format_fixed(kModulePlaces, gear->size.module);
  form.diametral_pitch = diametral_pitch_text(gear->size.diametral_pitch);
  form.cutter = gear->cutter;
  form.span = span_of(teeth, in.angle, has_pitch_value, &*gear);
  return form;
}

} // namespace gears
