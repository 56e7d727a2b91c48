// Measuring an external thread over three wires: the usable wire sizes for
// a pitch and the dimension over the wires for a wire at hand. Lengths go in
// in inches; the results come out in the unit the page shows.
#pragma once

#include <optional>
#include <string>

namespace threads {

/// The thread forms, in the order of the page's radio buttons.
enum class ThreadForm { kMetric = 0, kUnified = 1, kWhitworth = 2 };

/// Pitch in inches from threads per inch; none when the count is missing
/// (0.0001 or less).
std::optional<double> pitch_from_tpi(double threads_per_inch);
/// Pitch in inches from a metric pitch in millimetres; none when missing.
std::optional<double> pitch_from_metric(double pitch_mm);

/// The smallest, best and largest wire that rests on the flanks.
struct WireSizes {
  double smallest = 0.0;
  double best = 0.0;
  double largest = 0.0;
};

/// Decimals of the wire sizes on the page: 3 of a millimetre, 4 of an inch.
int wire_size_decimals(bool millimetre);

/// The wire sizes for a pitch, in the pitch's unit.
WireSizes wire_sizes(ThreadForm form, double pitch);

/// Dimension over three wires of diameter `wire` (all lengths in inches).
double measurement_over_wires(ThreadForm form, double major, double pitch, double wire);

struct ThreadWiresInput {
  ThreadForm form = ThreadForm::kUnified;
  double pitch_in = 0.0; ///< 0 when no pitch is given
  double major_in = 0.0;
  double wire_in = 0.0;
  bool millimetre = false; ///< results in millimetres instead of inches
};

struct ThreadWires {
  /// In the display unit; they follow from the pitch alone. None without
  /// a pitch, or when they come out infinite.
  std::optional<WireSizes> sizes;
  /// In the display unit; none without a usable wire: one between the
  /// smallest and largest wire as computed or as shown.
  std::optional<double> over_wires;
  /// A wire and a major diameter are given, but the wire lies outside the sizes.
  bool wire_unusable = false;
};

ThreadWires compute_thread_wires(const ThreadWiresInput& in);

/// The dimension over the wires as shown: 4 decimals of an inch or 3 of a
/// millimetre, trailing zeros kept.
std::string over_wires_text(double value, bool millimetre);

/// The text a unit switch writes for a stored length: empty when the length
/// is missing; "%.*f" with `decimals` when that shows the value exactly;
/// otherwise ten decimals with the display rule, so that switching units
/// back and forth never rounds away what was typed.
std::string stored_length_text(double value, int decimals);

/// A major diameter given as a fraction of an inch (the texts of the two
/// fields); none unless 0 < numerator <= denominator.
std::optional<double> fraction_inches(const std::string& numerator, const std::string& denominator);

/// The text the page writes for a fraction's diameter: "%g" of the inches,
/// or of the millimetres (inches x 25.4).
std::string fraction_text(double inches, bool millimetre);

} // namespace threads
