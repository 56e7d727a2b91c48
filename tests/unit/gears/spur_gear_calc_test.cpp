// Spur gear: tooth tables of gears worked out by hand in each tooth-size
// system, the diametral pitch as shown, form cutter numbers at the edges of
// their ranges, the span table and widths, and the inputs that make no gear.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/gears/spur_gear_calc.h"

using namespace gears;

namespace {

constexpr double kTolerance = 5e-6;
constexpr double kMmPerInch = 25.4;

struct Worked {
  const char* name;
  SpurGearInput input;
  double diametral_pitch, module;
  // Inch: whole depth, addendum, dedendum, circular pitch, pitch diameter, outside diameter.
  double h, a, b, p, d, od;
  int cutter;
};

// clang-format off
const Worked kWorked[] = {
    // 1.2 / 10 + 0.002: the constant term belongs to the coarse pitches.
    {"DP 10, 20 teeth, 20°", {PitchSystem::kDiametralPitch, PressureAngle::k20, 10, 20},
     10, 2.54, 0.222, 0.1, 0.122, 0.314159, 2, 2.2, 6},
    {"DP 20 is still coarse", {PitchSystem::kDiametralPitch, PressureAngle::k20, 20, 40},
     20, 1.27, 0.112, 0.05, 0.062, 0.157080, 2, 2.1, 3},
    {"DP 24 is fine: 1.25 / P", {PitchSystem::kDiametralPitch, PressureAngle::k20, 24, 48},
     24, 1.058333, 0.09375, 0.041667, 0.052083, 0.130900, 2, 2.083333, 3},
    {"DP 10, 14.5°: 1.157 / P", {PitchSystem::kDiametralPitch, PressureAngle::k14_5, 10, 40},
     10, 2.54, 0.2157, 0.1, 0.1157, 0.314159, 4, 4.2, 3},
    // P = 25.4 / 2 = 12.7; dedendum 1.157 m; metric cutter numbering.
    {"module 2, 30 teeth", {PitchSystem::kModule, PressureAngle::k20, 2, 30},
     12.7, 2, 0.169843, 0.078740, 0.091102, 0.247370, 2.362205, 2.519685, 5},
    // P = π / 0.25; only diametral pitch takes the American cutter numbers.
    {"circular pitch 1/4 inch", {PitchSystem::kCircularPitchInch, PressureAngle::k20, 0.25, 20},
     12.566371, 2.021268, 0.177070, 0.079577, 0.097493, 0.25, 1.591549, 1.750704, 3},
    // 2π mm circular pitch is module 2.
    {"circular pitch 2π mm", {PitchSystem::kCircularPitchMm, PressureAngle::k20, 6.283185307, 30},
     12.7, 2, 0.169843, 0.078740, 0.091102, 0.247370, 2.362205, 2.519685, 5},
};
// clang-format on

TEST(SpurGearCalc, WorkedGears) {
  for (const Worked& row : kWorked) {
    SCOPED_TRACE(row.name);
    const auto gear = solve_spur_gear(row.input);
    ASSERT_TRUE(gear.has_value());
    // Working depth 2a, tooth thickness p / 2, clearance h - 2a.
    const double want[] = {
        row.diametral_pitch, row.module,        row.h, row.a, row.b, 2 * row.a, row.p,
        row.p / 2,           row.h - 2 * row.a, row.d, row.od};
    const double got[] = {
        gear->size.diametral_pitch, gear->size.module,          gear->whole_depth.inch,
        gear->addendum.inch,        gear->dedendum.inch,        gear->working_depth.inch,
        gear->circular_pitch.inch,  gear->tooth_thickness.inch, gear->clearance.inch,
        gear->pitch_diameter.inch,  gear->outside_diameter.inch};
    for (size_t i = 0; i < std::size(want); ++i)
      EXPECT_NEAR(got[i], want[i], kTolerance) << "value " << i;
    EXPECT_EQ(gear->cutter, row.cutter);
    // Every row in millimetres is the same length.
    EXPECT_NEAR(gear->whole_depth.mm, row.h * kMmPerInch, 1e-4);
    EXPECT_NEAR(gear->dedendum.mm, row.b * kMmPerInch, 1e-4);
    EXPECT_NEAR(gear->pitch_diameter.mm, row.d * kMmPerInch, 1e-4);
  }
}

TEST(SpurGearCalc, NoGear) {
  struct Case {
    const char* name;
    SpurGearInput input;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {"no pitch value", {PitchSystem::kDiametralPitch, PressureAngle::k20, 0, 20}},
      {"pitch value below 1e-28", {PitchSystem::kModule, PressureAngle::k20, 1e-29, 20}},
      {"infinite pitch value", {PitchSystem::kDiametralPitch, PressureAngle::k20, inf, 20}},
      {"not a number", {PitchSystem::kModule, PressureAngle::k20, std::nan(""), 20}},
      {"11 teeth", {PitchSystem::kDiametralPitch, PressureAngle::k20, 10, 11}},
      {"no teeth", {PitchSystem::kDiametralPitch, PressureAngle::k20, 10, 0}},
      // The outside diameter in mm of a 1e308 mm module is beyond any double.
      {"too large to be a number", {PitchSystem::kModule, PressureAngle::k20, 1e308, 20}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(solve_spur_gear(c.input).has_value());
  }
  EXPECT_TRUE(solve_spur_gear({PitchSystem::kModule, PressureAngle::k20, 1e-28, 12}));
}

TEST(SpurGearCalc, DiametralPitchText) {
  const std::pair<double, const char*> cases[] = {
      {8, "8"},     {10, "10"},     {25.4 / 3, "8.4667"},  {12.7, "12.7"},
      {2.5, "2.5"}, {7.99995, "8"}, {3.1415926, "3.1416"}, {12.00005, "12"},
      {NAN, ""},    {INFINITY, ""}};
  for (const auto& [p, text] : cases)
    EXPECT_EQ(diametral_pitch_text(p), text) << p;
}

// The unit-system button rewrites the pitch value: module = 25.4 / P, circular pitch = π / P.
TEST(SpurGearCalc, PitchValueInAnotherSystem) {
  const struct {
    PitchSystem from;
    double value;
    PitchSystem to;
    const char* text;
  } cases[] = {
      {PitchSystem::kModule, 2, PitchSystem::kDiametralPitch, "12.7"},
      {PitchSystem::kDiametralPitch, 10, PitchSystem::kModule, "2.54"},
      {PitchSystem::kDiametralPitch, 12, PitchSystem::kModule, "2.116666667"},
      {PitchSystem::kModule, 2.116666667, PitchSystem::kDiametralPitch, "12"}, // and back
      {PitchSystem::kCircularPitchInch, 0.25, PitchSystem::kModule, "2.021267777"},
      {PitchSystem::kCircularPitchInch, 0.25, PitchSystem::kDiametralPitch, "12.56637061"},
      {PitchSystem::kModule, 2, PitchSystem::kCircularPitchInch, "0.2473695003"},
      {PitchSystem::kDiametralPitch, 12.7, PitchSystem::kCircularPitchMm, "6.283185307"},
  };
  for (const auto& c : cases) {
    const std::optional<ToothSize> size = tooth_size(c.from, c.value);
    ASSERT_TRUE(size.has_value()) << c.value;
    EXPECT_EQ(pitch_value_text(*size, c.to), c.text) << c.value;
  }
}

TEST(SpurGearCalc, CutterNumbersAtTheEdgesOfTheirRanges) {
  struct Case {
    long teeth;
    int american, metric;
  };
  const Case cases[] = {{11, 0, 0}, {12, 8, 1}, {13, 8, 1},  {14, 7, 2},  {16, 7, 2},  {17, 6, 3},
                        {20, 6, 3}, {21, 5, 4}, {25, 5, 4},  {26, 4, 5},  {34, 4, 5},  {35, 3, 6},
                        {54, 3, 6}, {55, 2, 7}, {134, 2, 7}, {135, 1, 8}, {400, 1, 8}, {0, 0, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(cutter_number(c.teeth, true), c.american) << c.teeth;
    EXPECT_EQ(cutter_number(c.teeth, false), c.metric) << c.teeth;
  }
}

TEST(SpurGearCalc, PitchesSpannedByToothCount) {
  struct Case {
    long teeth;
    int at_20, at_14_5;
  };
  const Case cases[] = {{11, 0, 0},  {12, 2, 2}, {18, 2, 2}, {19, 3, 3}, {27, 3, 3},  {28, 4, 3},
                        {36, 4, 3},  {37, 5, 3}, {38, 5, 5}, {40, 5, 5}, {45, 5, 5},  {46, 6, 5},
                        {50, 6, 5},  {51, 6, 6}, {55, 7, 6}, {62, 7, 6}, {63, 7, 7},  {64, 8, 7},
                        {73, 9, 7},  {76, 9, 8}, {81, 9, 8}, {82, 0, 8}, {100, 0, 8}, {101, 0, 9},
                        {110, 0, 9}, {111, 0, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(span_pitches(c.teeth, PressureAngle::k20), c.at_20) << c.teeth;
    EXPECT_EQ(span_pitches(c.teeth, PressureAngle::k14_5), c.at_14_5) << c.teeth;
  }
}

TEST(SpurGearCalc, SpanWidths) {
  struct Case {
    const char* name;
    long teeth;
    PressureAngle angle;
    double radius, thickness, inch;
  };
  // W = (2 inv α + t / R + k · 6.2832 / N) · R cos α, worked by hand.
  const Case cases[] = {
      {"DP 10, 20 teeth, k 3", 20, PressureAngle::k20, 1, 0.15707963, 1.0612592},
      {"DP 10, 40 teeth at 14.5°, k 5", 40, PressureAngle::k14_5, 2, 0.15707963, 1.6943155},
      {"module 2, 30 teeth, k 4", 30, PressureAngle::k20, 1.1811024, 0.12368475, 1.0791169},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto width = span_width(c.teeth, c.angle, c.radius, c.thickness);
    ASSERT_TRUE(width.has_value());
    EXPECT_NEAR(width->inch, c.inch, 1e-6);
    EXPECT_NEAR(width->mm, c.inch * kMmPerInch, 1e-5);
  }
  EXPECT_FALSE(span_width(11, PressureAngle::k20, 0.5, 0.15707963));
  EXPECT_FALSE(span_width(82, PressureAngle::k20, 4.1, 0.15707963));
  EXPECT_FALSE(span_width(20, PressureAngle::k20, 0, 0.15707963));
}

} // namespace
