// Thread measurement over wires: wire sizes and the dimension over the
// wires for each form worked out by hand, the usable-wire limits, missing
// inputs, the fraction and the texts the page writes.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "calc/threads/thread_wires_calc.h"

using threads::ThreadForm;

namespace {

constexpr double kInch = 1e-7;
constexpr double kMm = 1e-6;
constexpr double kMmPerInch = 25.4;

struct Measured {
  const char* name;
  ThreadForm form;
  double pitch_in, major_in, wire_in;
  bool millimetre;
  double smallest, best, largest; // display unit
  std::optional<double> over;     // display unit
};

// Unified and metric: 0.56 / 0.57735 / 0.9 P, M = D - 1.5155 P + 3 W.
// Whitworth: 0.54 / 0.56368 / 0.76 P, M = D - 1.6008 P + 3.1657 W.
const Measured kMeasured[] = {
    {"1/4-20 UNC", ThreadForm::kUnified, 0.05, 0.25, 0.0289, false, 0.028, 0.0288675, 0.045,
     0.260925},
    {"1/4-20 UNC in mm", ThreadForm::kUnified, 0.05, 0.25, 0.0289, true, 0.7112, 0.7332345, 1.143,
     6.627495},
    {"1/2-13 UNC", ThreadForm::kUnified, 1.0 / 13, 0.5, 0.0444, false, 0.0430769, 0.0444115,
     0.0692308, 0.5166231},
    {"1/4-20 BSW, wire 0.03", ThreadForm::kWhitworth, 0.05, 0.25, 0.03, false, 0.027, 0.028184,
     0.038, 0.264931},
    {"M12 x 1.5", ThreadForm::kMetric, 1.5 / kMmPerInch, 12 / kMmPerInch, 0.866 / kMmPerInch, true,
     0.84, 0.866025, 1.35, 12.32475},
    {"M16 x 2", ThreadForm::kMetric, 2 / kMmPerInch, 16 / kMmPerInch, 1.155 / kMmPerInch, true,
     1.12, 1.1547, 1.8, 16.434},
    {"M6 x 1 in inches", ThreadForm::kMetric, 1 / kMmPerInch, 6 / kMmPerInch, 0.0227, false,
     0.0220472, 0.0227303, 0.0354331, 0.2446551},
    // The limits themselves are usable.
    {"smallest wire", ThreadForm::kUnified, 0.05, 0.25, 0.028, false, 0.028, 0.0288675, 0.045,
     0.258225},
    {"largest wire", ThreadForm::kUnified, 0.05, 0.25, 0.045, false, 0.028, 0.0288675, 0.045,
     0.309225},
    {"largest Whitworth wire", ThreadForm::kWhitworth, 0.05, 0.25, 0.038, false, 0.027, 0.028184,
     0.038, 0.2902566},
    // A wire of a limit as shown is usable: 0.05625 shows as 0.0563 (3/8-16),
    // 0.031111 as 0.0311 (5/16-18), 0.790222 mm as 0.79.
    {"largest wire as shown", ThreadForm::kUnified, 0.0625, 0.375, 0.0563, false, 0.035, 0.0360844,
     0.05625, 0.4491813},
    {"smallest wire as shown", ThreadForm::kUnified, 1.0 / 18, 0.3125, 0.0311, false, 0.0311111,
     0.032075, 0.05, 0.3216056},
    {"smallest wire as shown in mm", ThreadForm::kUnified, 1.0 / 18, 0.3125, 0.79 / kMmPerInch,
     true, 0.7902222, 0.814705, 1.27, 8.1689611},
    // Sizes, but no measurement.
    {"wire above the largest as shown", ThreadForm::kUnified, 0.0625, 0.375, 0.05631, false, 0.035,
     0.0360844, 0.05625, std::nullopt},
    {"wire above the largest", ThreadForm::kUnified, 0.05, 0.25, 0.05, false, 0.028, 0.0288675,
     0.045, std::nullopt},
    {"wire below the smallest", ThreadForm::kUnified, 0.05, 0.25, 0.0279, false, 0.028, 0.0288675,
     0.045, std::nullopt},
    {"no wire", ThreadForm::kUnified, 0.05, 0.25, 0.0, false, 0.028, 0.0288675, 0.045,
     std::nullopt},
};

TEST(ThreadWiresCalc, SizesAndMeasurementOverWires) {
  for (const Measured& row : kMeasured) {
    SCOPED_TRACE(row.name);
    const double tolerance = row.millimetre ? kMm : kInch;
    threads::ThreadWires r = threads::compute_thread_wires(
        {row.form, row.pitch_in, row.major_in, row.wire_in, row.millimetre});
    ASSERT_TRUE(r.computed);
    ASSERT_TRUE(r.sizes.has_value());
    EXPECT_NEAR(r.sizes->smallest, row.smallest, tolerance);
    EXPECT_NEAR(r.sizes->best, row.best, tolerance);
    EXPECT_NEAR(r.sizes->largest, row.largest, tolerance);
    EXPECT_EQ(r.over_wires.has_value(), row.over.has_value());
    if (row.over && r.over_wires) {
      EXPECT_NEAR(*r.over_wires, *row.over, tolerance);
    }
  }
}

struct Missing {
  const char* name;
  double pitch_in, major_in;
};

TEST(ThreadWiresCalc, NothingWithoutPitchOrMajorDiameter) {
  const Missing rows[] = {
      {"no pitch", 0.0, 0.25},
      {"no major diameter", 0.05, 0.0},
      {"major of 0.0001 counts as missing", 0.05, 0.0001},
      {"pitch of 0.0001 counts as missing", 0.0001, 0.25},
  };
  for (const Missing& row : rows) {
    threads::ThreadWires r =
        threads::compute_thread_wires({ThreadForm::kUnified, row.pitch_in, row.major_in, 0.0289});
    EXPECT_FALSE(r.computed) << row.name;
    EXPECT_FALSE(r.over_wires) << row.name;
  }
}

TEST(ThreadWiresCalc, InfiniteValuesAreNeverResults) {
  // A major diameter near the largest double overflows in millimetres.
  threads::ThreadWires huge =
      threads::compute_thread_wires({ThreadForm::kUnified, 5000.0, 1e308, 3000.0, true});
  ASSERT_TRUE(huge.sizes.has_value());
  EXPECT_NEAR(huge.sizes->smallest, 0.56 * 5000 * kMmPerInch, 1e-6);
  EXPECT_FALSE(huge.over_wires);
  threads::ThreadWires endless =
      threads::compute_thread_wires({ThreadForm::kMetric, INFINITY, 0.5, 0.03, false});
  EXPECT_TRUE(endless.computed);
  EXPECT_FALSE(endless.sizes);
  EXPECT_FALSE(endless.over_wires);
}

TEST(ThreadWiresCalc, PitchFromThreadsPerInchOrMillimetres) {
  EXPECT_DOUBLE_EQ(*threads::pitch_from_tpi(20), 0.05);
  EXPECT_DOUBLE_EQ(*threads::pitch_from_tpi(8), 0.125);
  EXPECT_NEAR(*threads::pitch_from_metric(1.5), 0.0590551, kInch);
  EXPECT_NEAR(*threads::pitch_from_metric(25.4), 1.0, 1e-12);
  for (double missing : {0.0, 0.0001, 0.00005}) {
    EXPECT_FALSE(threads::pitch_from_tpi(missing)) << missing;
    EXPECT_FALSE(threads::pitch_from_metric(missing)) << missing;
  }
}

TEST(ThreadWiresCalc, MajorDiameterAsAFraction) {
  struct Row {
    const char* over;
    const char* under;
    std::optional<double> inches;
  };
  const Row rows[] = {{"3", "8", 0.375},        {"1", "64", 0.015625},    {"8", "8", 1.0},
                      {"8", "3", std::nullopt}, {"0", "8", std::nullopt}, {"3", "0", std::nullopt},
                      {"", "8", std::nullopt},  {"3", "", std::nullopt}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.over) + "/" + row.under);
    std::optional<double> inches = threads::fraction_inches(row.over, row.under);
    ASSERT_EQ(inches.has_value(), row.inches.has_value());
    if (row.inches) {
      EXPECT_DOUBLE_EQ(*inches, *row.inches);
    }
  }
  EXPECT_EQ(threads::fraction_text(0.375, false), "0.375");
  EXPECT_EQ(threads::fraction_text(0.375, true), "9.525");
  EXPECT_EQ(threads::fraction_text(0.3125, true), "7.9375");
  EXPECT_EQ(threads::fraction_text(1.0, true), "25.4");
  EXPECT_EQ(threads::fraction_text(1.0 / 3, false), "0.333333");
}

TEST(ThreadWiresCalc, TextsThePageWrites) {
  EXPECT_EQ(threads::over_wires_text(0.260925, false), "0.2609");
  EXPECT_EQ(threads::over_wires_text(2.5, false), "2.5000");
  EXPECT_EQ(threads::over_wires_text(16.434, true), "16.434");
  EXPECT_EQ(threads::over_wires_text(6.35, true), "6.350");

  struct Row {
    double value;
    int decimals;
    const char* text;
  };
  const Row rows[] = {
      {0.0289, 4, "0.0289"},
      {0.25, 4, "0.2500"},
      {6.35, 2, "6.35"},
      {12.0, 2, "12.00"},
      {0.866, 3, "0.866"},
      {0.0, 3, ""},
      {0.00005, 4, ""},
      {9.525, 2, "9.525"},
      {0.0289 * 25.4, 3, "0.73406"},
      {12 / 25.4, 4, "0.4724409449"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(threads::stored_length_text(row.value, row.decimals), row.text) << row.value;
}

} // namespace
