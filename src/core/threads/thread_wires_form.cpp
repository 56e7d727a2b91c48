#include "core/threads/thread_wires_form.h"

#include "core/numeric/number_text.h"
#include "core/threads/threads_texts.h"

namespace threads {

namespace {

// Decimals a unit switch writes: the wire as the sizes show it, the major
// diameter as it is usually dimensioned.
constexpr int kWireMmDecimals = 3;
constexpr int kMajorMmDecimals = 2;
constexpr int kInchDecimals = 4;

} // namespace

ThreadWiresLabels thread_wires_labels(ThreadForm form, bool millimetre) {
  const bool metric_form = form == ThreadForm::kMetric;
  ThreadWiresLabels labels;
  labels.tpi_active = !metric_form;
  labels.fraction_shown = !metric_form;
  labels.major = millimetre ? texts::kMajorDiameterMm : texts::kMajorDiameterInch;
  labels.wire = millimetre ? texts::kWireDiameterMm : texts::kWireDiameterInch;
  labels.result = millimetre ? texts::kOverWiresMm : texts::kOverWiresInch;
  labels.caption = labels.wire;
  return labels;
}

ThreadWiresForm thread_wires_form(const ThreadWiresFormInput& in) {
  const bool mm = in.millimetre;
  const WiresChange changed = in.changed;
  const bool restored = changed == WiresChange::kRestored;
  ThreadWiresForm out;
  WiresLengths& kept = out.kept;
  kept = in.kept;
  if (changed == WiresChange::kWire || restored) {
    const double value = numeric::read_double(in.wire);
    kept.wire_mm = mm ? value : value / numeric::kInchPerMm;
    kept.wire_in = mm ? value * numeric::kInchPerMm : value;
  }
  const double major = numeric::read_double(in.major);
  kept.major_mm = mm ? major : major * 25.4;
  kept.major_in = mm ? major / 25.4 : major;
  const bool metric_form = in.form == ThreadForm::kMetric;
  if (changed == WiresChange::kTpi || (restored && !metric_form))
    kept.pitch_in = pitch_from_tpi(numeric::read_double(in.tpi)).value_or(0.0);
  if (changed == WiresChange::kMetricPitch || (restored && metric_form))
    kept.pitch_in = pitch_from_metric(numeric::read_double(in.metric_pitch)).value_or(0.0);

  const ThreadWires wires =
      compute_thread_wires({in.form, kept.pitch_in, kept.major_in, kept.wire_in, mm});
  if (wires.sizes) {
    const int places = wire_size_decimals(mm);
    out.sizes = {numeric::format_fixed(places, wires.sizes->smallest),
                 numeric::format_fixed(places, wires.sizes->best),
                 numeric::format_fixed(places, wires.sizes->largest)};
  }
  if (wires.over_wires)
    out.result = over_wires_text(*wires.over_wires, mm);
  out.reason = wires.wire_unusable ? texts::kWireOutsideSizes : i18n::kNoText;
  return out;
}

WiresUnitTexts unit_switch_texts(const WiresLengths& kept, bool millimetre) {
  if (millimetre)
    return {stored_length_text(kept.wire_mm, kWireMmDecimals),
            stored_length_text(kept.major_mm, kMajorMmDecimals)};
  return {stored_length_text(kept.wire_in, kInchDecimals),
          stored_length_text(kept.major_in, kInchDecimals)};
}

std::string fraction_major_text(const std::string& numerator, const std::string& denominator,
                                bool millimetre) {
  const std::optional<double> inches = fraction_inches(numerator, denominator);
  return inches ? fraction_text(*inches, millimetre) : "";
}

} // namespace threads
