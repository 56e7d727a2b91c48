// What the thread-measurement page shows for its thread form, its unit and
// the texts of its fields: which pitch field takes typing, the labels of the
// unit, the wire sizes and the dimension over the wires.
#pragma once

#include <array>
#include <string>

#include "core/i18n/text_id.h"
#include "core/threads/thread_wires_calc.h"

namespace threads {

/// The texts of the unit-dependent labels.
struct ThreadWiresLabels {
  bool tpi_active = true;     ///< else the metric pitch takes typing
  bool fraction_shown = true; ///< an inch fraction only for the inch forms
  i18n::TextId major = i18n::kNoText;
  i18n::TextId wire = i18n::kNoText;
  i18n::TextId result = i18n::kNoText;
  i18n::TextId caption = i18n::kNoText; ///< above the wire sizes, once a unit has been chosen
};

ThreadWiresLabels thread_wires_labels(ThreadForm form, bool millimetre);

/// The field the user changed. The wire and the pitch are read only from
/// their own field when it changes, so that a unit switch that rewrites
/// them keeps the lengths the user gave; the major diameter is read each time.
enum class WiresChange { kTpi, kMetricPitch, kMajor, kWire, kRestored };

/// The lengths kept between computations, in inches (the wire also in mm).
struct WiresLengths {
  double wire_in = 0.0;
  double wire_mm = 0.0;
  double major_in = 0.0;
  double major_mm = 0.0;
  double pitch_in = 0.0;
};

struct ThreadWiresFormInput {
  ThreadForm form = ThreadForm::kUnified;
  bool millimetre = false;
  WiresChange changed = WiresChange::kRestored;
  std::string tpi;
  std::string metric_pitch;
  std::string major;
  std::string wire;
  WiresLengths kept;
};

struct ThreadWiresForm {
  WiresLengths kept;
  /// Smallest, best, largest wire: empty without a pitch.
  std::array<std::string, 3> sizes;
  std::string result;
  /// Why there is no measurement though every length is given; kNoText otherwise.
  i18n::TextId reason = i18n::kNoText;
};

ThreadWiresForm thread_wires_form(const ThreadWiresFormInput& input);

/// What a unit switch writes into the wire and the major-diameter fields.
struct WiresUnitTexts {
  std::string wire;
  std::string major;
};
WiresUnitTexts unit_switch_texts(const WiresLengths& kept, bool millimetre);

/// The major diameter a fraction of an inch gives, as the field's text
/// (empty unless 0 < numerator <= denominator).
std::string fraction_major_text(const std::string& numerator, const std::string& denominator,
                                bool millimetre);

} // namespace threads
