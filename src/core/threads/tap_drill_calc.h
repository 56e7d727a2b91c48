// Tapping drills: from a thread's size, pitch and the percentage of thread
// wanted, the blank diameter for a male thread, the major diameter, the
// theoretical tap drill and the real drills that give 50 to 100 % thread.
// All lengths are worked in inches.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace threads {

/// Which drill series are searched.
struct DrillSelection {
  bool fractional = false;
  bool number = false;
  bool letter = false;
  bool metric = false;

  int count() const { return int(fractional) + int(number) + int(letter) + int(metric); }
};

struct TapDrillInput {
  int series = 4;        ///< 1-7, see thread_tables.h
  double diameter = 0.0; ///< inches in the inch series, mm in the metric ones
  double pitch = 0.0;    ///< threads per inch, or the pitch in mm in the metric series
  int size_index = -1;   ///< the chosen numbered size (BA and Unified numbered series)
  double percent = 75.0; ///< thread engagement wanted, 30-100
  DrillSelection drills;
};

/// A drill and the thread engagement it gives.
struct DrillLine {
  std::string name;
  double engagement = 0.0; ///< percent
};

struct TapDrillResult {
  double reference_inch = 0.0; ///< blank for a male thread: major less 0.12 pitch
  double reference_mm = 0.0;
  double major_inch = 0.0;
  double major_mm = 0.0;
  /// Decimals of the mm sizes above: 3 for BA, 2 otherwise.
  int mm_decimals = 2;
  /// The BA size's threads per inch and pitch in mm (BA series only).
  std::optional<double> numbered_tpi;
  std::optional<double> numbered_pitch_mm;
  /// Theoretical tap drill.
  double tap_drill_inch = 0.0;
  double tap_drill_mm = 0.0;
  /// Drills giving 50-100 % thread, most engagement first.
  std::vector<DrillLine> drills;
};

/// Thread engagements outside this range are not offered.
inline constexpr double kMinPercent = 30.0;
inline constexpr double kMaxPercent = 100.0;

/// Why a thread has no tap drill.
enum class NoTapDrill {
  kNothingToSay,      ///< size or pitch missing, engagement refused, a result beyond any number
  kPitchTooCoarse,    ///< the thread would be deeper than the size's radius: no hole left
  kNumberedTooCoarse, ///< a Unified numbered size coarser than 20 threads per inch
};

/// Nothing when the size or pitch is missing (below 0.0001), a numbered size
/// is not chosen, a Unified numbered size is coarser than 20 threads per
/// inch, the engagement lies outside 30-100 %, the tap drill comes out not
/// above 0, or a result is not finite; `why` (when given) then gets the reason.
std::optional<TapDrillResult> compute_tap_drill(const TapDrillInput& in, NoTapDrill* why = nullptr);

/// The drills of the selected series near the tap drill `s` for a thread of
/// major diameter `major` and pitch `pitch` (inches) with depth factor
/// `factor`: in each series the largest drill below `s` and the next two,
/// kept when they give 50-100 % engagement. With several series the lines
/// are merged, most engagement first.
std::vector<DrillLine> drills_near(double s, double major, double pitch, double factor,
                                   const DrillSelection& selection);

/// "86.60%": the engagement as the list shows it.
std::string engagement_text(double engagement);

} // namespace threads
