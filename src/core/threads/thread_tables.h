// The thread series the tapping-drill page knows: how each one is entered,
// its thread-depth factor, and the tables of the numbered sizes (BA and
// Unified numbers). Constant data, no toolkit.
#pragma once

#include <array>
#include <string>

namespace threads {

inline constexpr int kSeriesCount = 7;

/// How a series' size and pitch are typed.
enum class SizeEntry {
  kBaNumber,      ///< size chosen from the BA numbers; pitch from the BA table
  kInch,          ///< diameter (or fraction) in inches, threads per inch
  kMetric,        ///< diameter and pitch in millimetres
  kUnifiedNumber, ///< size chosen from the Unified numbers, threads per inch typed
};

struct ThreadSeries {
  int index = 0; ///< 1-7, the position in the series choice plus one
  SizeEntry entry = SizeEntry::kInch;
  /// Twice the basic thread depth in pitches: the diameter lost at 100 %
  /// engagement is depth_factor * pitch.
  double depth_factor = 0.0;
};

/// Series `index` (1-7); an index outside 1-7 gives series 6, the plain 60°
/// full-depth form.
const ThreadSeries& thread_series(int index);

/// One BA (British Association) size. Pitch 0.9^n mm, threads per inch and
/// major diameter in inches rounded to six decimals.
struct BaSize {
  const char* name;
  double pitch_mm;
  double tpi;
  double major_mm;
  double major_inch;
};

inline constexpr int kBaSizeCount = 17;
const std::array<BaSize, kBaSizeCount>& ba_sizes();
/// The size the BA series starts on: BA 6.
inline constexpr int kBaPreset = 6;

/// One Unified numbered size offered by the page.
struct UnifiedNumberSize {
  const char* name;
  double major_inch;
};

inline constexpr int kUnifiedNumberCount = 10;
const std::array<UnifiedNumberSize, kUnifiedNumberCount>& unified_number_sizes();
/// The size the Unified numbered series starts on: number 10.
inline constexpr int kUnifiedNumberPreset = 8;
/// Numbered Unified sizes coarser than this are not numbered sizes at all.
inline constexpr double kUnifiedNumberMinTpi = 20.0;

/// `value` rounded to six decimals, as the tables keep their inch values.
double round6(double value);

} // namespace threads
