#include "core/threads/thread_wires_calc.h"

#include <cmath>
#include <cstdio>

#include "core/numeric/number_text.h"

namespace threads {

namespace {

bool given(double value) { return std::fabs(value) > numeric::kMissing; }

// A wire typed in millimetres comes back from inches a rounding off what
// was typed.
constexpr double kUsableSlack = 1e-9;

// A limit as the page shows it: rounded to the shown decimals.
double shown(double value, bool millimetre) {
  return numeric::read_double(numeric::format_fixed(wire_size_decimals(millimetre), value));
}

// A length read back from its text counts as unchanged within this.
constexpr double kExactSlack = 1e-9;

} // namespace

std::optional<double> pitch_from_tpi(double threads_per_inch) {
  if (!given(threads_per_inch))
    return std::nullopt;
  return 1.0 / threads_per_inch;
}

std::optional<double> pitch_from_metric(double pitch_mm) {
  if (!given(pitch_mm))
    return std::nullopt;
  return pitch_mm * numeric::kInchPerMm;
}

WireSizes wire_sizes(ThreadForm form, double pitch) {
  // The 55° Whitworth flanks take thinner wires than the 60° forms.
  if (form == ThreadForm::kWhitworth)
    return {0.54 * pitch, 0.56368 * pitch, 0.76 * pitch};
  return {0.56 * pitch, 0.57735 * pitch, 0.9 * pitch};
}

double measurement_over_wires(ThreadForm form, double major, double pitch, double wire) {
  if (form == ThreadForm::kWhitworth)
    return major - 1.6008 * pitch + 3.1657 * wire;
  return major - 1.5155 * pitch + 3.0 * wire;
}

ThreadWires compute_thread_wires(const ThreadWiresInput& in) {
  ThreadWires out;
  if (!given(in.pitch_in))
    return out;
  const double unit = in.millimetre ? 1.0 / numeric::kInchPerMm : 1.0;
  WireSizes sizes = wire_sizes(in.form, in.pitch_in);
  sizes.smallest *= unit;
  sizes.best *= unit;
  sizes.largest *= unit;
  if (!std::isfinite(sizes.smallest) || !std::isfinite(sizes.largest))
    return out;
  out.sizes = sizes;

  // A wire of the size shown as a limit is usable, whichever way the
  // rounding went: 0.0563 for the largest 0.05625 of 16 threads per inch.
  const double wire = in.wire_in * unit;
  const double low = std::fmin(sizes.smallest, shown(sizes.smallest, in.millimetre));
  const double high = std::fmax(sizes.largest, shown(sizes.largest, in.millimetre));
  if (!given(in.major_in) || std::fabs(in.wire_in) < numeric::kMissing)
    return out;
  if (wire < low - kUsableSlack || wire > high + kUsableSlack) {
    out.wire_unusable = true;
    return out;
  }
  const double over = measurement_over_wires(in.form, in.major_in, in.pitch_in, in.wire_in) *
                      (in.millimetre ? 25.4 : 1.0);
  if (std::isfinite(over))
    out.over_wires = over;
  return out;
}

int wire_size_decimals(bool millimetre) { return millimetre ? 3 : 4; }

std::string over_wires_text(double value, bool millimetre) {
  return numeric::fixed_text(millimetre ? 3 : 4, value);
}

std::string stored_length_text(double value, int decimals) {
  if (!given(value) || !std::isfinite(value))
    return "";
  const std::string text = numeric::fixed_text(decimals, value);
  if (std::fabs(numeric::read_double(text) - value) <=
      kExactSlack * std::fmax(1.0, std::fabs(value)))
    return text;
  return numeric::format_fixed(10, value);
}

std::optional<double> fraction_inches(const std::string& numerator,
                                      const std::string& denominator) {
  const long over = numeric::read_long(numerator);
  const long under = numeric::read_long(denominator);
  if (over <= 0 || under <= 0 || over > under)
    return std::nullopt;
  return static_cast<double>(over) / static_cast<double>(under);
}

std::string fraction_text(double inches, bool millimetre) {
  // At most 25.4 (a whole inch in millimetres): the text is short.
  char text[32];
  std::snprintf(text, sizeof text, "%g", millimetre ? inches * 25.4 : inches);
  return text;
}

} // namespace threads
