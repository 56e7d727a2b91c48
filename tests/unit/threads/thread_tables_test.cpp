// The drill series and numbered thread sizes against the published tables:
// counts, ends, order, and the sum of every list, so that one wrong entry
// anywhere shows.
#include <gtest/gtest.h>

#include <numeric>

#include "calc/threads/drill_tables.h"
#include "calc/threads/thread_tables.h"

using namespace threads;

TEST(DrillTables, CountsEndsOrderAndSums) {
  struct Row {
    DrillSeries series;
    size_t count;
    const char *first_name, *last_name;
    double first, last, sum; // sum of the published sizes, inches
  };
  const Row rows[] = {
      // 1 + 2 + ... + 64 = 2080 sixty-fourths.
      {DrillSeries::kFractional, 64, "1/64 in", "1 in", 0.015625, 1.0, 2080 / 64.0},
      {DrillSeries::kNumber, 80, "# 80", "# 1", 0.0135, 0.228, 8.2637},
      {DrillSeries::kLetter, 26, "A", "Z", 0.234, 0.413, 8.072},
      // 0.32 / 25.4 = 0.0125984, 25.25 / 25.4 = 0.9940945, kept to six decimals;
      // the sizes add up to 1901.77 mm, each rounded by at most 5e-7 in.
      {DrillSeries::kMetric, 219, "0.32mm", "25.25mm", 0.012598, 0.994094, 1901.77 / 25.4},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.first_name);
    const std::vector<Drill>& table = drills(r.series);
    ASSERT_EQ(table.size(), r.count);
    EXPECT_EQ(table.front().name + " " + table.back().name,
              std::string(r.first_name) + " " + r.last_name);
    EXPECT_DOUBLE_EQ(table.front().diameter, r.first);
    EXPECT_DOUBLE_EQ(table.back().diameter, r.last);
    double sum = 0;
    for (size_t i = 0; i < table.size(); ++i) {
      sum += table[i].diameter;
      if (i > 0) {
        EXPECT_LT(table[i - 1].diameter, table[i].diameter) << table[i].name;
      }
    }
    EXPECT_NEAR(sum, r.sum, r.series == DrillSeries::kMetric ? 219 * 5e-7 : 1e-9);
  }
  const std::vector<int> metric = metric_drill_hundredths();
  EXPECT_EQ(std::accumulate(metric.begin(), metric.end(), 0), 190177);
  EXPECT_EQ(drills(DrillSeries::kMetric)[26].name, "1mm");
}

TEST(ThreadTables, NumberedSizesAndSeries) {
  const auto& ba = ba_sizes();
  double pitches = 0, majors = 0;
  for (const BaSize& size : ba) {
    pitches += size.pitch_mm;
    majors += size.major_mm;
  }
  EXPECT_NEAR(pitches, 8.332282, 1e-9);
  EXPECT_NEAR(majors, 44.69, 1e-9);
  EXPECT_DOUBLE_EQ(ba[0].major_inch, 0.23622);
  EXPECT_DOUBLE_EQ(ba[16].tpi, 137.073534); // 25.4 / 0.185302
  EXPECT_DOUBLE_EQ(ba[16].major_inch, 0.031102);
  EXPECT_STREQ(ba[kBaPreset].name, "6");

  double unified_sum = 0;
  for (const UnifiedNumberSize& size : unified_number_sizes())
    unified_sum += size.major_inch;
  EXPECT_NEAR(unified_sum, 1.263, 1e-9);

  const double factors[] = {1.2, 1.280654, 1.082532, 1.082532, 1.082532, 1.299, 1.299};
  for (int i = 1; i <= kSeriesCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(thread_series(i).index, i);
    EXPECT_DOUBLE_EQ(thread_series(i).depth_factor, factors[i - 1]);
  }
  EXPECT_EQ(thread_series(0).index, 6);
  EXPECT_EQ(thread_series(8).index, 6);
}
