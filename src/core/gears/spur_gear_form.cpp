#include "core/gears/spur_gear_form.h"

#include <limits>

#include "core/gears/gears_texts.h"
#include "core/i18n/format_check.h"
#include "core/numeric/number_text.h"

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

// The span across the chosen number of teeth when the gear allows it,
// otherwise across the standard number.
SpurSpan span_of(const SpurGear& gear, long teeth, PressureAngle angle, long chosen) {
  SpurSpan span;
  const SpanRange range = span_teeth_range(teeth, angle);
  if (range.most > std::numeric_limits<int>::max())
    return span; // no line can name that many teeth
  span.fewest = range.fewest;
  span.most = range.most;
  span.teeth =
      chosen >= range.fewest && chosen <= range.most ? chosen : standard_span_teeth(teeth, angle);
  const std::optional<Length> width =
      span_width(teeth, angle, gear.size.diametral_pitch, span.teeth);
  if (!width)
    return {};
  span.inch = numeric::format_fixed(kSpanInchPlaces, width->inch);
  span.mm = numeric::format_fixed(kMmPlaces, width->mm);
  return span;
}

// Why there is no gear: a red warning for too few teeth, a note for what is
// still to be typed; nothing typed at all leaves the page's usual note.
i18n::TextId missing_gear_status(const SpurGearFormInput& in, long teeth, bool has_size) {
  if (!in.teeth.empty() && teeth < kFewestTeeth)
    return texts::kTooFewTeeth;
  if (!has_size)
    return in.pitch_value.empty() && in.teeth.empty() ? texts::kSpurNote : texts::kNoToothSizeYet;
  return texts::kNoTeethYet;
}

} // namespace

SpurSystemLayout spur_system_layout(PitchSystem system) {
  SpurSystemLayout layout;
  layout.angle_shown =
      system == PitchSystem::kDiametralPitch || system == PitchSystem::kCircularPitchInch;
  layout.fraction_shown = system == PitchSystem::kCircularPitchInch;
  layout.cutter_shown = system == PitchSystem::kModule || system == PitchSystem::kDiametralPitch;
  layout.pitch_label = texts::kToothSystemNames[static_cast<size_t>(system)];
  return layout;
}

std::string span_line(long teeth, const std::function<std::string(i18n::TextId)>& text) {
  if (teeth == 0)
    return "";
  // Two teeth have one pitch between them, and most languages say so.
  const i18n::TextId entry = teeth == 2 ? texts::kSpanAcrossTwoTeeth : texts::kSpanAcrossTeeth;
  return i18n::checked_format(text(entry), "dd", static_cast<int>(teeth),
                              static_cast<int>(teeth - 1));
}

SpurGearForm spur_gear_form(const SpurGearFormInput& in) {
  SpurGearForm form;
  const long teeth = numeric::read_long(in.teeth);
  const double value = numeric::read_double(in.pitch_value);
  const bool has_size = value >= kMissingPitch;
  if (!has_size || in.teeth.empty() || teeth < kFewestTeeth) {
    form.status_entry = missing_gear_status(in, teeth, has_size);
    return form;
  }
  const std::optional<SpurGear> gear = solve_spur_gear({in.system, in.angle, value, teeth});
  if (!gear)
    return form;
  form.gear = true;
  const std::array<Length, kSpurTableRows> rows = table_rows(*gear);
  for (size_t row = 0; row < rows.size(); ++row) {
    form.inch[row] = numeric::format_fixed(kInchPlaces[row], rows[row].inch);
    form.mm[row] = numeric::format_fixed(kMmPlaces, rows[row].mm);
  }
  form.module = numeric::format_fixed(kModulePlaces, gear->size.module);
  form.diametral_pitch = diametral_pitch_text(gear->size.diametral_pitch);
  form.cutter = gear->cutter;
  form.span = span_of(*gear, teeth, in.angle, in.span_teeth);
  return form;
}

} // namespace gears
