// Bevel gears: hand-worked pairs, face-width and shaft-angle limits, indexing, impossible inputs.
#include "core/unit_test.h"

#include "core/gears/bevel_gear_calc.h"

using namespace gears;

namespace {

constexpr double kTolerance = 5e-6;
// clang-format off
const std::vector<int> kBrownSharpe = {15, 16, 17, 18, 19, 20, 21, 23, 27, 29, 31, 33, 37, 39, 41, 43, 47};
const std::vector<int> kCincinnati = {24, 25, 28, 30, 34, 37, 38, 39, 41, 42, 43, 45, 46, 47, 48, 49, 51, 53, 54, 57, 58, 59, 62, 66};
// clang-format on

constexpr auto kDp = BevelPitchKind::kDiametralPitch;
constexpr auto kModule = BevelPitchKind::kModule;
constexpr auto kMiter = BevelGearSet::kMiter;
constexpr auto kPair = BevelGearSet::kPinionAndGear;

} // namespace

// Outside diameter D + 2 cos γ / P; cutter from round(N / cos γ).
TEST(BevelGearCalc, WorkedPairs) {
  // clang-format off
  struct GearRow { double pitch_angle, pitch_diameter, outside_diameter; int cutter; }; // °, in, in
  struct Worked { const char* name; BevelGearInput input; GearRow pinion, gear; };
  const Worked rows[] = {
    // tan γp = 20 / 40; formative 22.4 -> 22 (No. 5) and 89.4 -> 89 (No. 2).
    {"DP 8, 20 and 40 at 90°", {kDp, 8, kPair, 20, 40, 90, 1.0, {16, 2, 0}, {16, 1, 0}},
     {26.565051, 2.5, 2.723607, 5}, {63.434949, 5, 5.111803, 2}},
    // P = 25.4 / 3; formative 42.4 -> 42: metric No. 6.
    {"module 3 miter 30 at 90°", {kModule, 3, kMiter, 30, 0, 90, 1.0, {}, {}}, {45, 3.543307, 3.710340, 6}, {45, 3.543307, 3.710340, 6}},
    // tan γp = sin 60° / (2 + cos 60°); formative 21.2 -> 21 and 52.9 -> 53.
    {"DP 10, 20 and 40 at 60°", {kDp, 10, kPair, 20, 40, 60, 1.0, {}, {}}, {19.106605, 2, 2.188982, 5}, {40.893395, 4, 4.151186, 3}},
    // Each pitch angle half the shaft angle; formative 48 teeth: No. 3.
    {"DP 8 miter 24 at 120°", {kDp, 8, kMiter, 24, 0, 120, 1.0, {}, {}}, {60, 3, 3.125, 3}, {60, 3, 3.125, 3}},
    // 2 + cos 150° < 0: the pinion's pitch angle passes 90° (internal gear,
    // no form cutter); the gear's is 150° - 126.2°.
    {"DP 10, 40 and 20 at 150°", {kDp, 10, kPair, 40, 20, 150, 1.0, {}, {}}, {126.206023, 4, 3.881862, 0}, {23.793977, 2, 2.183000, 5}},
  };
  // clang-format on
  for (const Worked& row : rows) {
    SCOPED_TRACE(row.name);
    const auto pair = solve_bevel_gear(row.input);
    ASSERT_TRUE(pair.has_value());
    for (const auto& [column, want] :
         {std::pair(pair->pinion, row.pinion), {pair->gear, row.gear}}) {
      // clang-format off
      const double got[] = {column.pitch_angle, column.complement, column.pitch_diameter.inch,
          column.pitch_diameter.mm / 25.4, column.outside_diameter.inch, column.outside_diameter.mm / 25.4};
      const double expected[] = {want.pitch_angle, 90.0 - want.pitch_angle, want.pitch_diameter,
          want.pitch_diameter, want.outside_diameter, want.outside_diameter};
      // clang-format on
      for (size_t i = 0; i < std::size(got); ++i)
        EXPECT_NEAR(got[i], expected[i], kTolerance) << "value " << i;
      EXPECT_EQ(column.cutter, want.cutter);
    }
  }
  // The 16 circle: 2 turns (32 holes) a pinion tooth, 1 turn a gear tooth.
  const auto pair = solve_bevel_gear(rows[0].input);
  ASSERT_TRUE(pair.has_value());
  EXPECT_EQ(std::make_pair(pair->pinion.quarter_tooth_holes, pair->gear.half_tooth_holes),
            std::make_pair(8, 8));
  EXPECT_NEAR(pair->gear.whole_depth.mm, 6.848475, kTolerance); // 2.157 / 8 inch
}

TEST(BevelGearCalc, PitchAndFaceWidthLimits) {
  const auto dp8 = bevel_pitch(kDp, 8), module2 = bevel_pitch(kModule, 2);
  ASSERT_TRUE(dp8 && module2);
  const FaceWidthLimits limits = face_width_limits(8); // 2π/8 ... 3π/8, 8/8
  // clang-format off
  const std::pair<double, double> sizes[] = {
      {dp8->module, 3.175}, {module2->diametral_pitch, 12.7}, {module2->module, 2},
      {limits.minimum.inch, 0.785398}, {limits.maximum.inch, 1.178097}, {limits.standard.inch, 1.0},
      {limits.minimum.mm, 19.949113}};
  // clang-format on
  for (const auto& [got, want] : sizes)
    EXPECT_NEAR(got, want, kTolerance);
  // Module 1e308: the widest face, 3 pi / P = 9.4e308 mm, overflows.
  for (double bad : {0.0, -8.0, double(NAN), double(INFINITY), 1e-320, 1e308})
    EXPECT_FALSE(bevel_pitch(kModule, bad).has_value()) << bad;
  // The limits as shown: 0.785 ... 1.178 inch, 19.95 ... 29.92 mm.
  const std::tuple<double, bool, bool> cases[] = {
      {0.785, false, true}, {0.784, false, false}, {1.178, false, true}, {1.179, false, false},
      {1.0, false, true},   {19.95, true, true},   {19.94, true, false}, {29.92, true, true},
      {29.93, true, false}, {0.0, false, false},   {NAN, true, false}};
  for (const auto& [value, mm, allowed] : cases)
    EXPECT_EQ(face_width_allowed(limits, value, mm), allowed) << value;
  // The shaft angle is kept within 0 and 180.
  const double shafts[][2] = {{200, 180}, {90, 90}, {-5, 0}, {NAN, 0}};
  for (const auto& c : shafts)
    EXPECT_EQ(limit_shaft_angle(c[0]), c[1]) << c[0];
}

TEST(BevelGearCalc, IndexingMakesAQuarterToothWhole) {
  using Setting = std::vector<int>; // circle, turns, holes; none when empty
  // clang-format off
  const std::tuple<const char*, long, std::vector<int>, Setting> cases[] = {
      // 1 2/3 turns: 5c/3 holes a tooth is a multiple of 4 only for c = 12k.
      {"24 on Brown and Sharpe", 24, kBrownSharpe, {}}, {"24 on Cincinnati", 24, kCincinnati, {24, 1, 16}},
      // Whole turns: the first circle with 2c a multiple of 4.
      {"20 on Brown and Sharpe", 20, kBrownSharpe, {16, 2, 0}}, {"the circles' order decides", 20, {20, 16}, {20, 2, 0}},
      {"4 turns need any circle", 10, kBrownSharpe, {15, 4, 0}}, {"no circles", 20, {}, {}}, {"no teeth", 0, kBrownSharpe, {}},
      {"30 on Brown and Sharpe", 30, kBrownSharpe, {15, 1, 5}}, // 1 1/3 turns: c/3 holes; 15 + 5 = 20
      {"50 on Brown and Sharpe", 50, kBrownSharpe, {15, 0, 12}}, // no whole turn: 4c/5 holes, 12 on 15
      {"circles of no holes are skipped", 20, {0, -4, 18}, {18, 2, 0}},
  };
  // clang-format on
  for (const auto& [name, teeth, circles, setting] : cases) {
    const auto s = bevel_indexing(teeth, 40, circles);
    EXPECT_EQ(s ? Setting({s->circle, s->turns, s->holes}) : Setting(), setting) << name;
  }
  EXPECT_FALSE(bevel_indexing(20, 0, kBrownSharpe)); // a head of no ratio
  // 7 can be indexed (5 turns and 15 on 21) but is too few teeth to cut.
  EXPECT_TRUE(bevel_indexing(7, 40, kBrownSharpe) && !bevel_teeth_usable(7, 40, kBrownSharpe));
  EXPECT_TRUE(bevel_teeth_usable(12, 40, kCincinnati)); // 3 1/3 turns: 3·24 + 8 = 80
}

TEST(BevelGearCalc, InputsThatMakeNoPair) {
  // clang-format off
  const std::pair<const char*, BevelGearInput> cases[] = {
      {"no pitch", {kDp, 0, kMiter, 24, 0, 90, 1, {}, {}}}, {"11 teeth", {kDp, 8, kMiter, 11, 0, 90, 1, {}, {}}},
      {"gear of 11 teeth", {kDp, 8, kPair, 20, 11, 90, 1, {}, {}}}, {"shafts in line at 0°", {kDp, 8, kPair, 20, 40, 0, 1, {}, {}}},
      {"shafts in line at 180°", {kDp, 8, kMiter, 24, 0, 180, 1, {}, {}}}, {"shaft angle not a number", {kDp, 8, kMiter, 24, 0, NAN, 1, {}, {}}},
      {"face width not a number", {kDp, 8, kMiter, 24, 0, 90, NAN, {}, {}}},
  };
  // clang-format on
  for (const auto& [name, input] : cases)
    EXPECT_FALSE(solve_bevel_gear(input).has_value()) << name;
  // A miter pair ignores the gear's own count.
  EXPECT_TRUE(solve_bevel_gear({kDp, 8, kMiter, 24, 3, 90, 1, {}, {}}).has_value());
}
