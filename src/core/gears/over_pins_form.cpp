#include "core/gears/over_pins_form.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "core/gears/gears_texts.h"
#include "core/numeric/number_text.h"

namespace gears {

namespace {

/// A length with `places` decimals; a value that is no number stays empty.
std::string length_text(int places, double value) {
  return std::isfinite(value) ? numeric::format_fixed(places, value) : std::string();
}

void write_both(std::string& inch, std::string& mm, double inches) {
  inch = length_text(kOverPinsInchPlaces, inches);
  mm = length_text(kOverPinsMmPlaces, inches / numeric::kInchPerMm);
}

} // namespace

i18n::TextId over_pins_pitch_label(ToothSystem system) {
  return texts::kToothSystemNames[static_cast<size_t>(system)];
}

bool over_pins_fraction_offered(ToothSystem system) {
  return system == ToothSystem::kCircularPitchInch;
}

OverPinsForm over_pins_form(const OverPinsFormInput& input) {
  OverPinsForm form;
  form.pitch_label = over_pins_pitch_label(input.system);
  form.fraction_offered = over_pins_fraction_offered(input.system);
  const std::optional<double> p = diametral_pitch(input.system, numeric::read_double(input.pitch));
  if (!p) // no tooth size: a pin recommended for the last one would mislead
    return form;
  write_both(form.pin_inch, form.pin_mm, recommended_pin(*p));

  const std::optional<double> angle =
      pressure_angle(input.angle, numeric::read_double(input.typed_angle));
  if (!angle || input.pin.empty() || input.over_pins.empty())
    return form;
  const double to_inch = input.metric ? numeric::kInchPerMm : 1.0;
  const std::optional<OverPinsResult> result = compute_over_pins(
      {*p, numeric::read_long(input.teeth), *angle, numeric::read_double(input.pin) * to_inch,
       numeric::read_double(input.over_pins) * to_inch});
  if (!result)
    return form;
  write_both(form.inch[0], form.mm[0], result->theoretical);
  const std::optional<double> difference = result->difference();
  if (!difference) { // no pin position gives this measurement: only the theory stands
    form.reason = texts::kNoPinPosition;
    return form;
  }
  write_both(form.inch[1], form.mm[1], *result->measured);
  write_both(form.inch[2], form.mm[2], *difference);
  form.difference_red = {form.inch[2].rfind('-', 0) == 0, form.mm[2].rfind('-', 0) == 0};
  return form;
}

std::string composed_pitch_text(double whole, double over, double under) {
  const std::optional<double> value = compose_fraction(whole, over, under);
  if (!value)
    return "";
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", *value);
  return text;
}

std::string other_unit_length_text(const std::string& text, bool to_mm) {
  const double value = numeric::read_double(text);
  return to_mm ? numeric::format_fixed(kOverPinsMmPlaces, value / numeric::kInchPerMm)
               : numeric::format_fixed(kOverPinsInchPlaces, value * numeric::kInchPerMm);
}

bool Rewritten::still_shown(const std::string& text, int mode) const {
  return shown_mode == mode && !shown.empty() && shown == text;
}

std::optional<std::string> rewritten_text(const std::string& text, Rewritten& memory, int from_mode,
                                          int to_mode, const std::string& converted) {
  if (text.empty())
    return std::nullopt;
  const bool undo = memory.still_shown(text, from_mode) && memory.before_mode == to_mode;
  const std::string next = undo ? memory.before : converted;
  memory = {next, to_mode, text, from_mode};
  return next;
}

std::string pitch_text_in(ToothSystem system, double diametral_pitch) {
  const std::optional<double> value = pitch_value(system, diametral_pitch);
  return value ? numeric::format_fixed(kOverPinsInchPlaces, *value) : std::string();
}

} // namespace gears
