// Spur gear: tooth tables of gears worked out by hand in each tooth-size
// system, the diametral pitch as shown, form cutter numbers at the edges of
// their ranges, and the teeth a caliper spans.
#include "core/unit_test.h"

#include "core/gears/spur_gear_calc.h"

using namespace gears;

namespace {

constexpr double kTolerance = 5e-6;
constexpr auto kDp = PitchSystem::kDiametralPitch, kModule = PitchSystem::kModule,
               cp_inch = PitchSystem::kCircularPitchInch;
constexpr auto k20 = PressureAngle::k20;

TEST(SpurGearCalc, WorkedGears) {
  // Inch: whole depth, addendum, dedendum, circular pitch, pitch diameter, outside diameter.
  // clang-format off
  struct Worked { const char* name; SpurGearInput input; double diametral_pitch, module, h, a, b, p, d, od; int cutter; };
  const Worked rows[] = {
    // b = 1.2 / P + 0.002: the constant term belongs to the coarse pitches, up to DP 20.
    {"DP 20 is still coarse", {kDp, k20, 20, 40}, 20, 1.27, 0.112, 0.05, 0.062, 0.157080, 2, 2.1, 3},
    {"DP 24 is fine: 1.25 / P", {kDp, k20, 24, 48}, 24, 1.058333, 0.09375, 0.041667, 0.052083, 0.130900, 2, 2.083333, 3},
    {"DP 10, 14.5°: 1.157 / P", {kDp, PressureAngle::k14_5, 10, 40}, 10, 2.54, 0.2157, 0.1, 0.1157, 0.314159, 4, 4.2, 3},
    // P = π / 0.25; only diametral pitch takes the American cutter numbers.
    {"circular pitch 1/4 inch", {PitchSystem::kCircularPitchInch, k20, 0.25, 20},
     12.566371, 2.021268, 0.177070, 0.079577, 0.097493, 0.25, 1.591549, 1.750704, 3},
    // 2π mm circular pitch is module 2: P = 25.4 / 2 = 12.7; dedendum 1.157 m; metric cutter numbering.
    {"circular pitch 2π mm", {PitchSystem::kCircularPitchMm, k20, 6.283185307, 30},
     12.7, 2, 0.169843, 0.078740, 0.091102, 0.247370, 2.362205, 2.519685, 5}};
  // clang-format on
  for (const Worked& row : rows) {
    SCOPED_TRACE(row.name);
    const auto g = solve_spur_gear(row.input);
    ASSERT_TRUE(g.has_value());
    // Working depth 2a, tooth thickness p / 2, clearance h - 2a; millimetres the same lengths.
    // clang-format off
    const double want[] = {row.diametral_pitch, row.module, row.h, row.a, row.b, 2 * row.a, row.p,
                           row.p / 2, row.h - 2 * row.a, row.d, row.od, row.h, row.b, row.d};
    const double got[] = {g->size.diametral_pitch, g->size.module, g->whole_depth.inch, g->addendum.inch,
        g->dedendum.inch, g->working_depth.inch, g->circular_pitch.inch, g->tooth_thickness.inch,
        g->clearance.inch, g->pitch_diameter.inch, g->outside_diameter.inch, g->whole_depth.mm / 25.4,
        g->dedendum.mm / 25.4, g->pitch_diameter.mm / 25.4};
    // clang-format on
    for (size_t i = 0; i < std::size(want); ++i)
      EXPECT_NEAR(got[i], want[i], kTolerance) << "value " << i;
    EXPECT_EQ(g->cutter, row.cutter);
  }
  // The inputs that make no gear are in the form's tests; the smallest that makes one:
  EXPECT_TRUE(solve_spur_gear({kModule, k20, 1e-28, 12}));
}

TEST(SpurGearCalc, PitchTexts) {
  // clang-format off
  const std::pair<double, const char*> cases[] = {{8, "8"}, {10, "10"}, {25.4 / 3, "8.4667"}, {12.7, "12.7"},
      {2.5, "2.5"}, {7.99995, "8"}, {3.1415926, "3.1416"}, {12.00005, "12"}, {NAN, ""}, {INFINITY, ""}};
  // clang-format on
  for (const auto& [p, text] : cases)
    EXPECT_EQ(diametral_pitch_text(p), text) << p;
  // The unit-system button rewrites the pitch value: module = 25.4 / P, circular pitch = π / P.
  // clang-format off
  const std::tuple<PitchSystem, double, PitchSystem, const char*> values[] = {
      {kModule, 2, kDp, "12.7"}, {kDp, 10, kModule, "2.54"}, {kDp, 12, kModule, "2.116666667"},
      {kModule, 2.116666667, kDp, "12"}, // and back
      {cp_inch, 0.25, kModule, "2.021267777"}, {cp_inch, 0.25, kDp, "12.56637061"},
      {kModule, 2, cp_inch, "0.2473695003"}, {kDp, 12.7, PitchSystem::kCircularPitchMm, "6.283185307"}};
  // clang-format on
  for (const auto& [from, value, to, text] : values) {
    const std::optional<ToothSize> size = tooth_size(from, value);
    ASSERT_TRUE(size.has_value()) << value;
    EXPECT_EQ(pitch_value_text(*size, to), text) << value;
  }
}

TEST(SpurGearCalc, CuttersAtTheEdgesOfTheirRanges) {
  // teeth, American cutter, metric cutter
  // clang-format off
  const std::tuple<long, int, int> cutters[] = {{11, 0, 0}, {12, 8, 1}, {13, 8, 1}, {14, 7, 2}, {16, 7, 2},
      {17, 6, 3}, {20, 6, 3}, {21, 5, 4}, {25, 5, 4}, {26, 4, 5}, {34, 4, 5}, {35, 3, 6}, {54, 3, 6},
      {55, 2, 7}, {134, 2, 7}, {135, 1, 8}, {400, 1, 8}, {0, 0, 0}};
  for (const auto& [teeth, american, metric] : cutters)
    EXPECT_EQ(std::make_pair(cutter_number(teeth, true), cutter_number(teeth, false)),
              std::make_pair(american, metric)) << teeth;
  // clang-format on
}

// Standard count n = z·α/180 + 0.5, a half rounded down (z = 18 at 20° is 2.5: 2 teeth), at
// least 2; the most teeth whose contact diameter √(d_b² + W²) stays below the outside
// diameter (module 1: d_b = z cos α, d_a = z + 2, W = cos α [π(n − 0.5) + z inv α]).
TEST(SpurGearCalc, TeethSpanned) {
  const auto k14 = PressureAngle::k14_5;
  // teeth, standard at 20°, at 14.5°; 14.5° is 29z/360 + 0.5.
  // clang-format off
  const std::tuple<long, long, long> standard[] = {{11, 0, 0}, {12, 2, 2} /* 14.5°: 1.47 */, {18, 2, 2},
      {19, 3, 2}, {24, 3, 2}, {25, 3, 3}, {28, 4, 3}, {37, 5, 3}, {38, 5, 4}, {81, 9, 7}, {82, 10, 7},
      {360, 40, 29}, {361, 41, 30}, {9000000000000000000, 1000000000000000000, 725000000000000000}};
  for (const auto& [teeth, at_20, at_14_5] : standard)
    EXPECT_EQ(std::make_pair(standard_span_teeth(teeth, k20), standard_span_teeth(teeth, k14)), std::make_pair(at_20, at_14_5)) << teeth;
  // 20 teeth at 20°: √(22² − 18.794²) = 11.436 takes W4 = 10.613, not W5 = 13.565;
  // at 14.5°: √(22² − 19.363²) = 10.444 takes W3 = 7.711, not W4 = 10.753.
  const std::tuple<long, PressureAngle, long> most[] = {{11, k20, 0}, {12, k20, 3}, {12, k14, 3},
      {20, k20, 4}, {20, k14, 3}, {30, k20, 5}, {30, k14, 4}, {82, k20, 11}, {200, k20, 24}};
  // clang-format on
  for (const auto& [teeth, angle, spanned] : most)
    EXPECT_EQ(span_teeth_range(teeth, angle).most, spanned) << teeth;
  // The widths themselves are worked out in the form's tests; none for fewer than 2 teeth
  // spanned, fewer than 12 on the gear or no tooth size.
  EXPECT_FALSE(span_width(20, k20, 10, 1) || span_width(11, k20, 10, 2) ||
               span_width(20, k20, 0, 3));
}

} // namespace
