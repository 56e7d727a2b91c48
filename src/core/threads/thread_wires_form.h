// What the thread-measurement page shows for its thread form, its unit and
// the texts of its fields: which pitch field takes typing, the labels of the
// unit, the wire sizes and the dimension over the wires.
#pragma once

#include <array>
#include <string>

#include "core/threads/thread_wires_calc.h"

namespace threads {

/// Language entries of the unit-dependent labels.
struct ThreadWiresLabels {
  bool tpi_active = true;     ///< else the metric pitch takes typing
  bool fraction_shown = true; ///< an inch fraction only for the inch forms
  int major = 0;
  int wire = 0;
  int result = 0;
  int caption = 0; ///< above the wire sizes, once a unit has been chosen
};

/// The caption above the wire sizes before any unit has been chosen.
inline constexpr int kSizesCaptionAtStart = 197;

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

/// Language entry saying that the wire at hand is outside the usable sizes.
inline constexpr int kWireOutsideSizes = 806;

struct ThreadWiresForm {
  WiresLengths kept;
  /// Smallest, best, largest wire: empty without a pitch.
  std::array<std::string, 3> sizes;
  std::string result;
  /// Why there is no measurement though every length is given; 0 otherwise.
  int reason = 0;
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
