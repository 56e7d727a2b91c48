// The drill tables: fractional and metric sizes are generated from their
// steps, letter and number sizes are listed.
#include "core/threads/drill_tables.h"

#include <array>
#include <cstdio>

#include "core/threads/thread_tables.h"

namespace threads {

namespace {

std::vector<Drill> fractional_drills() {
  std::vector<Drill> table;
  for (int k = 1; k <= 64; ++k)
    table.push_back({k / 64.0, fraction_drill_name(k)});
  return table;
}

std::vector<Drill> number_drills() {
  // # 80 first, # 1 last.
  static constexpr std::array<double, 80> sizes = {
      0.0135, 0.0145, 0.016,  0.018,  0.02,   0.021,  0.0225, 0.024,  0.025,  0.026,
      0.028,  0.0292, 0.031,  0.032,  0.033,  0.035,  0.036,  0.037,  0.038,  0.039,
      0.04,   0.041,  0.042,  0.043,  0.0465, 0.052,  0.055,  0.0595, 0.0635, 0.067,
      0.07,   0.073,  0.076,  0.0785, 0.081,  0.082,  0.086,  0.089,  0.0935, 0.096,
      0.098,  0.0995, 0.1015, 0.104,  0.1065, 0.11,   0.111,  0.113,  0.116,  0.12,
      0.1285, 0.136,  0.1405, 0.144,  0.147,  0.1495, 0.152,  0.154,  0.157,  0.159,
      0.161,  0.166,  0.1695, 0.173,  0.177,  0.18,   0.182,  0.185,  0.189,  0.191,
      0.1935, 0.196,  0.199,  0.201,  0.204,  0.2055, 0.209,  0.213,  0.221,  0.228};
  std::vector<Drill> table;
  int number = static_cast<int>(sizes.size());
  for (double size : sizes)
    table.push_back({size, "# " + std::to_string(number--)});
  return table;
}

std::vector<Drill> letter_drills() {
  static constexpr std::array<double, 26> sizes = {
      0.234, 0.238, 0.242, 0.246, 0.25,  0.257, 0.261, 0.266, 0.272, 0.277, 0.281, 0.29,  0.295,
      0.302, 0.316, 0.323, 0.332, 0.339, 0.348, 0.358, 0.368, 0.377, 0.386, 0.397, 0.404, 0.413};
  std::vector<Drill> table;
  char letter = 'A';
  for (double size : sizes)
    table.push_back({size, std::string(1, letter++)});
  return table;
}

std::vector<Drill> metric_drills() {
  std::vector<Drill> table;
  for (int hundredths : metric_drill_hundredths()) {
    double mm = hundredths / 100.0;
    char name[32];
    std::snprintf(name, sizeof name, "%gmm", mm);
    table.push_back({round6(mm / 25.4), name});
  }
  return table;
}

} // namespace

std::string fraction_drill_name(int sixty_fourths) {
  int over = sixty_fourths;
  int under = 64;
  while (over % 2 == 0 && under > 1) {
    over /= 2;
    under /= 2;
  }
  if (under == 1)
    return std::to_string(over) + " in";
  return std::to_string(over) + "/" + std::to_string(under) + " in";
}

std::vector<int> metric_drill_hundredths() {
  std::vector<int> sizes = {32, 35, 38, 40, 42, 45, 48, 50, 52, 55, 58, 60, 62,
                            65, 68, 70, 72, 75, 78, 80, 82, 85, 88, 90, 92, 95};
  struct Run {
    int first, last, step;
  };
  // 2.55 and 5.0 are not in the series.
  static constexpr Run runs[] = {{100, 250, 5},   {260, 295, 5},    {300, 490, 10},
                                 {510, 1400, 10}, {1425, 1825, 25}, {1875, 2525, 25}};
  for (const Run& run : runs)
    for (int size = run.first; size <= run.last; size += run.step)
      sizes.push_back(size);
  return sizes;
}

const std::vector<Drill>& drills(DrillSeries series) {
  static const std::vector<Drill> fractional = fractional_drills();
  static const std::vector<Drill> number = number_drills();
  static const std::vector<Drill> letter = letter_drills();
  static const std::vector<Drill> metric = metric_drills();
  switch (series) {
  case DrillSeries::kNumber:
    return number;
  case DrillSeries::kLetter:
    return letter;
  case DrillSeries::kMetric:
    return metric;
  case DrillSeries::kFractional:
    break;
  }
  return fractional;
}

} // namespace threads
