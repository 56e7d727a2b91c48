// The drill series and numbered thread sizes: counts, ends and names.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "calc/threads/drill_tables.h"
#include "calc/threads/thread_tables.h"

using namespace threads;

namespace {

struct SeriesCase {
  DrillSeries series;
  size_t count;
  const char* first_name;
  double first;
  const char* last_name;
  double last;
};

bool has_name(const std::vector<Drill>& table, const std::string& name) {
  return std::any_of(table.begin(), table.end(), [&](const Drill& d) { return d.name == name; });
}

} // namespace

TEST(DrillTables, EverySeriesHasItsCountEndsAndRisesThroughout) {
  const SeriesCase cases[] = {
      {DrillSeries::kFractional, 64, "1/64 in", 0.015625, "1 in", 1.0},
      {DrillSeries::kNumber, 80, "# 80", 0.0135, "# 1", 0.228},
      {DrillSeries::kLetter, 26, "A", 0.234, "Z", 0.413},
      // 0.32 / 25.4 = 0.0125984, 25.25 / 25.4 = 0.9940945, kept to six decimals.
      {DrillSeries::kMetric, 219, "0.32mm", 0.012598, "25.25mm", 0.994094},
  };
  for (const SeriesCase& c : cases) {
    const std::vector<Drill>& table = drills(c.series);
    SCOPED_TRACE(c.first_name);
    ASSERT_EQ(table.size(), c.count);
    EXPECT_EQ(table.front().name, c.first_name);
    EXPECT_DOUBLE_EQ(table.front().diameter, c.first);
    EXPECT_EQ(table.back().name, c.last_name);
    EXPECT_DOUBLE_EQ(table.back().diameter, c.last);
    for (size_t i = 1; i < table.size(); ++i)
      EXPECT_LT(table[i - 1].diameter, table[i].diameter) << table[i].name;
  }
}

TEST(DrillTables, NamesAreInLowestTermsAndTheMetricGapsStay) {
  const std::vector<Drill>& fractional = drills(DrillSeries::kFractional);
  EXPECT_EQ(fractional[1].name, "1/32 in");
  EXPECT_EQ(fractional[31].name, "1/2 in");
  EXPECT_EQ(fractional[62].name, "63/64 in");
  EXPECT_EQ(fraction_drill_name(48), "3/4 in");

  const std::vector<Drill>& metric = drills(DrillSeries::kMetric);
  EXPECT_TRUE(has_name(metric, "1mm"));
  EXPECT_TRUE(has_name(metric, "2.95mm"));
  EXPECT_TRUE(has_name(metric, "14.25mm"));
  EXPECT_FALSE(has_name(metric, "2.55mm"));
  EXPECT_FALSE(has_name(metric, "5mm"));
  EXPECT_FALSE(has_name(metric, "18.5mm"));
  EXPECT_EQ(drills(DrillSeries::kNumber)[57].name, "# 23"); // 0.154
  EXPECT_DOUBLE_EQ(drills(DrillSeries::kNumber)[57].diameter, 0.154);
}

TEST(ThreadTables, BaSizesComeFromTheirPitchAndMillimetreDiameters) {
  const auto& ba = ba_sizes();
  EXPECT_DOUBLE_EQ(ba[0].pitch_mm, 1.0);
  EXPECT_DOUBLE_EQ(ba[0].tpi, 25.4);
  EXPECT_DOUBLE_EQ(ba[0].major_inch, 0.23622);
  EXPECT_DOUBLE_EQ(ba[6].major_inch, 0.110236);
  EXPECT_DOUBLE_EQ(ba[16].tpi, 137.073534);
  EXPECT_DOUBLE_EQ(ba[16].major_inch, 0.031102);
  EXPECT_STREQ(ba[kBaPreset].name, "6");
  EXPECT_STREQ(unified_number_sizes()[kUnifiedNumberPreset].name, "10");
  EXPECT_DOUBLE_EQ(unified_number_sizes()[kUnifiedNumberPreset].major_inch, 0.19);
}

TEST(ThreadTables, EachSeriesKeepsItsOwnDepthFactor) {
  const double factors[] = {1.2, 1.280654, 1.082532, 1.082532, 1.082532, 1.299, 1.299};
  for (int i = 1; i <= kSeriesCount; ++i)
    EXPECT_DOUBLE_EQ(thread_series(i).depth_factor, factors[i - 1]) << "series " << i;
  EXPECT_EQ(thread_series(0).index, 6);
  EXPECT_EQ(thread_series(8).index, 6);
}
