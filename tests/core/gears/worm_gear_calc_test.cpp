// Worm gear: the worked example (DP 8, 40 teeth) and one hand-worked case
// for each other tooth-size system, the missing and impossible inputs, the
// tooth-count check, the centre-distance window's sums and the texts.
#include "core/unit_test.h"

#include "core/gears/worm_gear_calc.h"

using gears::ToothSystem;
using gears::WormGearInput;

namespace {

constexpr double kTol = 2e-6;

// want: p, a, h, b, c, Dt, Dp, lead; hob tip width, V to flat, outside diameter, lead angle,
// first and second side, thread length; wheel throat, face width, centre distance; worm tip
// width, V to flat, lead angle, first and second side, thread length.
struct Worked {
  const char* name;
  WormGearInput in;
  double want[24];
};

// p from the system; a = 0.3183 p; h = 2.157 p / π; Dt = N p / π; Dp = Dw - 2a;
// lead angle = 90 - atan(π D / (S p)).
// clang-format off
const Worked kWorked[] = {
    {"DP 8, 40 teeth, 14.5°", {ToothSystem::kDiametralPitch, 8, 1.25, 0.005, 40, 1, 0, false, false, false},
     {0.3926991, 0.1249961, 0.269625, 0.1446289, 0.0196328, 5.0, 1.0000078, 0.3926991, 0.1316972, 0.2546176, 1.2892655, 6.8583819,
      11.5377707, -0.4622293, 1.8064158, 5.2499922, 0.6666718, 3.0000039, 0.1265424, 0.2446516, 7.1249616, 11.7105931, -0.2894069, 1.4137167}},
    {"module 2, 30 teeth, 20°, 2 starts, square rim, crown cut, left hand", {ToothSystem::kModule, 2, 20 / 25.4, 0.1 / 25.4, 30, 2, 2, true, true, true},
     {0.2473695, 0.0787377, 0.1698425, 0.0911048, 0.0123671, 2.3622047, 0.6299262, 0.4947390, 0.0663684, 0.0911728, 0.8245029, 13.2838678,
      4.8132744, 16.8132744, 0.9152672, 2.6377991, 0.4199507, 1.4960654, 0.0613029, 0.0842141, 14.0361388, 5.3099325, 17.3099325, 0.6678977}},
    {"circular pitch 0.25 in, 50 teeth, 25°, 3 starts", {ToothSystem::kCircularPitchInch, 0.25, 1.0, 0.004, 50, 3, 4, false, false, false},
     {0.25, 0.079575, 0.1716486, 0.0920736, 0.0124986, 3.9788736, 0.84085, 0.75, 0.0507871, 0.0544567, 1.0249972, 15.4146595,
      19.111034, 7.111034, 1.375, 4.1380236, 0.5605666, 2.4098618, 0.0431307, 0.0462471, 15.8501965, 19.4270418, 7.4270418, 1.125}},
    {"circular pitch 6 mm, 30 teeth, 14.5°", {ToothSystem::kCircularPitchMm, 6, 1.0, 0.004, 30, 1, 0, false, false, false},
     {0.2362205, 0.075189, 0.1621877, 0.0869987, 0.0118097, 2.2557394, 0.849622, 0.2362205, 0.0792199, 0.1531602, 1.0236194, 4.9213705,
      10.2011915, -1.7988085, 0.8740157, 2.4061173, 0.5664146, 1.5526807, 0.0771115, 0.1490839, 5.0574841, 10.3000532, -1.6999468, 0.6377953}},
};
// clang-format on

} // namespace

TEST(WormGearCalc, WorkedCases) {
  for (const Worked& w : kWorked) {
    SCOPED_TRACE(w.name);
    const std::optional<gears::WormGearResult> r = gears::calculate_worm_gear(w.in);
    ASSERT_TRUE(r.has_value());
    // clang-format off
    const double got[] = {
        r->wheel.axial_pitch, r->wheel.addendum, r->wheel.whole_depth, r->wheel.dedendum,
        r->wheel.clearance, r->wheel.pitch_diameter, r->worm_pitch_diameter, r->lead,
        r->hob_tip_width, r->hob_v_to_flat, r->hob_outside_diameter, r->hob_lead_angle,
        r->hob_settings.first, r->hob_settings.second, r->hob_thread_length, r->throat_diameter,
        r->face_width, r->centre_distance, r->worm_tip_width, r->worm_v_to_flat,
        r->worm_lead_angle, r->worm_settings.first, r->worm_settings.second, r->worm_thread_length};
    // clang-format on
    for (size_t i = 0; i < std::size(w.want); ++i)
      EXPECT_NEAR(got[i], w.want[i], kTol) << "value " << i;
  }
}

TEST(WormGearCalc, MissingOrImpossibleGivesNoResult) {
  const auto dp = ToothSystem::kDiametralPitch;
  const double inf = std::numeric_limits<double>::infinity();
  // clang-format off
  // No pitch, negative or infinite pitch, no diameter, backlash, teeth or starts.
  const WormGearInput rows[] = {
      {dp, 0, 1.25, 0.005, 40}, {dp, -8, 1.25, 0.005, 40}, {dp, inf, 1.25, 0.005, 40}, {dp, 8, 0, 0.005, 40}, {dp, 8, 1.25, 0, 40}, {dp, 8, 1.25, 0.005, 0},
      {dp, 8, 1.25, 0.005, 40, 0},
      // Root diameter 0.539 - 2 x 0.2696 < 0: nothing left under the threads; DP 2 on a 1 in worm.
      {dp, 8, 0.539, 0.005, 40}, {dp, 2, 1, 0.005, 40}};
  // clang-format on
  for (size_t i = 0; i < std::size(rows); ++i) {
    auto why = gears::NoWormGear::kWormTooSmall;
    EXPECT_FALSE(gears::calculate_worm_gear(rows[i], &why).has_value()) << "row " << i;
    EXPECT_EQ(why == gears::NoWormGear::kWormTooSmall, i >= 7) << "row " << i; // the last two
  }
}

// Limits 40, 27, 25, 17, 14, 12 teeth; 30° has none.
TEST(WormGearCalc, SmallestToothCountPerPressureAngle) {
  const auto none = std::nullopt;
  // Angle index, teeth, the angle index recommended; at each limit the angle itself will do.
  // clang-format off
  const std::tuple<int, int, std::optional<int>> rows[] = {
      {0, 40, none}, {0, 39, 1}, {0, 27, 1}, {0, 26, 2}, {0, 25, 2}, {0, 24, 3}, {0, 17, 3},
      {0, 16, 4}, {0, 14, 4}, {0, 13, 5}, {0, 12, 5}, {0, 11, 6}, {2, 24, 3}, {2, 25, none}, {3, 16, 4}, {5, 11, 6}, {6, 10, none}, {0, 0, none},
      {1, 27, none}, {1, 26, 2}, {3, 17, none}, {4, 14, none}, {4, 13, 5}, {5, 12, none}};
  // clang-format on
  for (const auto& [angle, teeth, recommended] : rows)
    EXPECT_EQ(gears::recommended_pressure_angle(angle, teeth), recommended)
        << angle << "/" << teeth;
  // The radios from 14.5° to 30° and the string-table entries naming them.
  const int labels[] = {310, 331, 311, 332, 327, 333, 328};
  for (size_t i = 0; i < std::size(labels); ++i) {
    const gears::WormPressureAngle& a = gears::kWormPressureAngles[i];
    const double degrees = i == 0 ? 14.5 : 15.0 + 2.5 * static_cast<double>(i);
    EXPECT_EQ(std::make_tuple(a.label.entry, a.degrees), std::make_tuple(labels[i], degrees));
    EXPECT_NEAR(a.tan, std::tan(degrees * 3.141592653589793 / 180), 1e-12) << degrees;
    EXPECT_NEAR(a.cot * a.tan, 1.0, 1e-12) << degrees;
  }
}

TEST(WormGearCalc, CentreDistanceGivesTheWormDiameter) {
  const auto wheel = gears::worm_wheel_sizes(ToothSystem::kDiametralPitch, 8, 40);
  ASSERT_TRUE(wheel.has_value());
  // 2 x 3 - 5 + 2 x 0.1249961
  EXPECT_NEAR(gears::worm_diameter_for_centre_distance(*wheel, 3.0), 1.2499922, kTol);
  // Root 2 Cd - 5 - 0.2892578 must reach h = 0.269625: Cd >= 2.7794414.
  for (const auto& [cd, fits] : {std::pair(3.0, true), {2.78, true}, {2.779, false}})
    EXPECT_EQ(gears::centre_distance_fits(*wheel, cd), fits) << cd;
  EXPECT_FALSE(gears::worm_wheel_sizes(ToothSystem::kDiametralPitch, 8, 0).has_value());
  EXPECT_FALSE(gears::worm_wheel_sizes(ToothSystem::kModule, 0, 40).has_value());
}

TEST(WormGearCalc, Texts) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::tuple<double, bool, const char*> lengths[] = {
      {0.269625, false, "0.27"}, {0.269625, true, "6.85"}, // 6.848475 mm
      {1.25, true, "31.75"},     {3.0000039, false, "3.0"}, {nan, false, ""}, {inf, true, ""}};
  for (const auto& [inch, mm, text] : lengths)
    EXPECT_EQ(gears::worm_length_text(inch, mm), text) << inch;
  EXPECT_EQ(gears::worm_angle_text(7.1249616) + " " + gears::worm_angle_text(-0.2894069),
            "7.125 -0.289");
  EXPECT_EQ(gears::worm_angle_text(-inf), "");
}
