// The sine bar both ways, on the worked examples: 5 x sin 60° = 4.330127,
// 5 x sin 27° = 2.269952, and asin(2.6124 / 5) = 31.498752° (31°29'55.5").
#include "core/workshop/sine_bar_calc.h"

#include "core/unit_test.h"

namespace workshop {
namespace {

TEST(SineBar, HeightForAnAngleAndTheAngleOfAHeight) {
  const std::tuple<double, double, double> rows[] = {
      {5.0, 60.0, 4.330127}, {5.0, 27.0, 2.269952}, {100.0, 30.0, 50.0}, {10.0, 90.0, 10.0},
      {5.0, 0.0, 0.0}};
  for (const auto& [length, degrees, height] : rows) {
    EXPECT_NEAR(sine_bar_height(length, degrees).value_or(-1.0), height, 1e-6) << degrees;
    EXPECT_NEAR(sine_bar_angle(length, height).value_or(-1.0), degrees, 1e-4) << height;
  }
  EXPECT_NEAR(sine_bar_angle(5.0, 2.6124).value_or(-1.0), 31.498752, 1e-6);
  // No bar, an angle past a right angle, a stack higher than the bar: nothing.
  EXPECT_FALSE(sine_bar_height(0.0, 30.0));
  EXPECT_FALSE(sine_bar_height(5.0, 90.5));
  EXPECT_FALSE(sine_bar_height(5.0, -1.0));
  EXPECT_FALSE(sine_bar_angle(5.0, 5.0001));
  EXPECT_FALSE(sine_bar_angle(-5.0, 1.0));
  EXPECT_FALSE(sine_bar_angle(5.0, -0.1));
}

} // namespace
} // namespace workshop
