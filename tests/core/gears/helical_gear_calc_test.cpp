// Helical gear sizes, each row worked by hand.
#include "core/gears/helical_gear_calc.h"

#include "core/unit_test.h"

namespace gears {
namespace {

TEST(HelicalGear, SizesLeadAndCutterOfTheWorkedExamples) {
  // Normal module 4, 30 teeth, 20° helix, a mate of 45: cos 20° = 0.9396926,
  // d = 120 / cos β = 127.7013 mm, outside + 2 (4), root - 2 (1.157 x 4),
  // lead π d / tan 20° = 1102.25 mm, 30 / 0.8297694 = 36.1546 teeth,
  // transverse module 4.25671, centre distance 4.25671 (75) / 2 = 159.6267 mm.
  const std::optional<HelicalGear> m4 =
      solve_helical_gear({PitchSystem::kModule, PressureAngle::k20, 4.0, 30, 20.0, 45});
  ASSERT_TRUE(m4);
  EXPECT_NEAR(m4->pitch_diameter.mm, 127.7013, 1e-4);
  EXPECT_NEAR(m4->outside_diameter.mm, 135.7013, 1e-4);
  EXPECT_NEAR(m4->root_diameter.mm, 118.4453, 1e-4);
  EXPECT_NEAR(m4->whole_depth.mm, 8.628, 1e-9);
  EXPECT_NEAR(m4->lead.mm, 1102.25, 0.005);
  EXPECT_NEAR(m4->lead.inch, 43.396, 0.0005);
  EXPECT_NEAR(m4->equivalent_teeth, 36.1546, 0.0001);
  EXPECT_NEAR(m4->transverse.module, 4.25671, 1e-5);
  EXPECT_NEAR(m4->normal_circular_pitch.mm, 12.56637, 1e-5);
  EXPECT_NEAR(m4->transverse_circular_pitch.mm, 13.37285, 1e-5);
  // The cutter of the equivalent 36 teeth, not of the 30 cut.
  EXPECT_EQ(m4->cutter, cutter_number(36, false));
  EXPECT_NE(m4->cutter, cutter_number(30, false));
  ASSERT_TRUE(m4->centre_distance);
  EXPECT_NEAR(m4->centre_distance->mm, 159.6267, 1e-4);
  EXPECT_DOUBLE_EQ(m4->ratio, 1.5);

  // Normal DP 10, 24 teeth, 45°: d = 24 / 7.0710678 = 3.39411 in, outside
  // + 0.2, root - 2 (1.2 / 10 + 0.002), lead π d = 10.6629 in, 67.88 teeth.
  const std::optional<HelicalGear> dp10 =
      solve_helical_gear({PitchSystem::kDiametralPitch, PressureAngle::k20, 10.0, 24, 45.0, 0});
  ASSERT_TRUE(dp10);
  EXPECT_NEAR(dp10->pitch_diameter.inch, 3.39411, 1e-5);
  EXPECT_NEAR(dp10->outside_diameter.inch, 3.59411, 1e-5);
  EXPECT_NEAR(dp10->root_diameter.inch, 3.15011, 1e-5);
  EXPECT_NEAR(dp10->lead.inch, 10.6629, 1e-4);
  EXPECT_NEAR(dp10->equivalent_teeth, 67.882, 0.0005);
  EXPECT_NEAR(dp10->transverse.diametral_pitch, 7.07107, 1e-5);
  EXPECT_FALSE(dp10->centre_distance);
}

TEST(HelicalGear, NoGearWithoutAHelixOrACutter) {
  const HelicalGearInput rows[] = {
      {PitchSystem::kModule, PressureAngle::k20, 4.0, 30, 0.0, 0},  // a spur gear: no lead
      {PitchSystem::kModule, PressureAngle::k20, 4.0, 30, 90.0, 0}, // no gear at all
      {PitchSystem::kModule, PressureAngle::k20, 4.0, 0, 20.0, 0},
      {PitchSystem::kModule, PressureAngle::k20, 0.0, 30, 20.0, 0},
      // 4 / cos³ 10° = 4.19 teeth: below any form cutter.
      {PitchSystem::kModule, PressureAngle::k20, 4.0, 4, 10.0, 0},
      {PitchSystem::kModule, PressureAngle::k20, 4.0, 30, 89.9999999999, 0}};
  for (const HelicalGearInput& in : rows)
    EXPECT_FALSE(solve_helical_gear(in)) << in.teeth << " " << in.helix_degrees;
}

} // namespace
} // namespace gears
