// The four drill series a tapping drill is chosen from: fractional inch,
// letter, number and metric. Each is ascending by diameter (in inches).
#pragma once

#include <string>
#include <vector>

namespace threads {

/// In the order the drill search goes through them.
enum class DrillSeries { kFractional, kNumber, kLetter, kMetric };

struct Drill {
  double diameter; ///< inches
  std::string name;
};

/// The drills of one series, smallest first: 64 fractional (1/64 in to 1 in),
/// 80 number (# 80 to # 1), 26 letter (A to Z), 219 metric (0.32 mm to 25.25 mm).
const std::vector<Drill>& drills(DrillSeries series);

/// The metric drill sizes in hundredths of a millimetre, smallest first.
std::vector<int> metric_drill_hundredths();

/// "1/64 in" ... "63/64 in", "1 in": k/64 in lowest terms.
std::string fraction_drill_name(int sixty_fourths);

} // namespace threads
