// The thread series and the numbered-size tables.
#include "core/threads/thread_tables.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace threads {

double round6(double value) { return std::round(value * 1e6) / 1e6; }

const ThreadSeries& thread_series(int index) {
  // Depth factors: BA 2 x 0.6; Whitworth 2 x 0.640327; ISO metric and
  // Unified 2 x 5/8 x 0.866025; 60° full depth 2 x 0.6495.
  static const std::array<ThreadSeries, kSeriesCount> series = {{
      {1, SizeEntry::kBaNumber, 1.2},
      {2, SizeEntry::kInch, 1.280654},
      {3, SizeEntry::kMetric, 1.082532},
      {4, SizeEntry::kInch, 1.082532},
      {5, SizeEntry::kUnifiedNumber, 1.082532},
      {6, SizeEntry::kInch, 1.299},
      {7, SizeEntry::kMetric, 1.299},
  }};
  if (index < 1 || index > kSeriesCount)
    index = 6;
  return series[static_cast<size_t>(index - 1)];
}

const std::array<BaSize, kBaSizeCount>& ba_sizes() {
  static const std::array<BaSize, kBaSizeCount> sizes = [] {
    constexpr const char* names[kBaSizeCount] = {"0", "1",  "2",  "3",  "4",  "5",  "6",  "7", "8",
                                                 "9", "10", "11", "12", "13", "14", "15", "16"};
    constexpr double pitch_mm[kBaSizeCount] = {
        1.0,     0.9,      0.81,     0.729,   0.6561,   0.59049,  0.531441, 0.478297, 0.430467,
        0.38742, 0.348678, 0.313811, 0.28243, 0.254187, 0.228768, 0.205891, 0.185302};
    constexpr double major_mm[kBaSizeCount] = {6.0, 5.3, 4.7, 4.1, 3.6, 3.2, 2.8, 2.5, 2.2,
                                               1.9, 1.7, 1.5, 1.3, 1.2, 1.0, 0.9, 0.79};
    std::array<BaSize, kBaSizeCount> table{};
    for (size_t i = 0; i < table.size(); ++i)
      table[i] = {names[i], pitch_mm[i], round6(25.4 / pitch_mm[i]), major_mm[i],
                  round6(major_mm[i] * numeric::kInchPerMm)};
    return table;
  }();
  return sizes;
}

const std::array<UnifiedNumberSize, kUnifiedNumberCount>& unified_number_sizes() {
  static const std::array<UnifiedNumberSize, kUnifiedNumberCount> sizes = {{
      {"0", 0.06},
      {"1", 0.073},
      {"2", 0.086},
      {"3", 0.099},
      {"4", 0.112},
      {"5", 0.125},
      {"6", 0.138},
      {"8", 0.164},
      {"10", 0.19},
      {"12", 0.216},
  }};
  return sizes;
}

} // namespace threads
