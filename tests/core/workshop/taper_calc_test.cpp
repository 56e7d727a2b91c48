// Tapers by hand: each form from each other, set-overs, readings over rolls
// and a bore measured with two balls, on rows worked out in the comments.
#include "core/workshop/taper_calc.h"

#include "core/unit_test.h"

namespace workshop {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Each way of giving a taper, with the field that holds it.
constexpr std::pair<TaperGiven, double TaperForms::*> kForms[] = {
    {TaperGiven::kPerFoot, &TaperForms::per_foot},
    {TaperGiven::kPerInch, &TaperForms::per_inch},
    {TaperGiven::kRatio, &TaperForms::ratio},
    {TaperGiven::kIncluded, &TaperForms::included},
    {TaperGiven::kHalfAngle, &TaperForms::half_angle}};

TEST(TaperForms, EachFormGivesEveryOther) {
  // The half angle is atan(t / 2): atan 0.05 = 2.862405°,
  // atan(7/48) = 8.297145° (7:24); t = 2 gives atan 1 = 45°.
  const TaperForms rows[] = {{1.2, 0.1, 10.0, 5.724810, 2.862405},
                             {3.5, 7.0 / 24.0, 24.0 / 7.0, 16.594290, 8.297145},
                             {24.0, 2.0, 0.5, 90.0, 45.0},
                             {0.06, 0.005, 200.0, 0.2864783007, 0.1432391504}}; // slight: atan 0.0025
  for (const TaperForms& row : rows)
    for (const auto& [given, field] : kForms) {
      const TaperForms f = taper_forms(given, row.*field).value_or(TaperForms{});
      for (const auto& form : kForms)
        EXPECT_NEAR(f.*form.second, row.*form.second, 1e-5) << row.*field;
    }
  const std::pair<TaperGiven, double> none[] = {
      {TaperGiven::kPerFoot, 0.0},    {TaperGiven::kPerInch, -0.1},
      {TaperGiven::kRatio, kNaN},     {TaperGiven::kRatio, INFINITY},
      {TaperGiven::kIncluded, 180.0}, {TaperGiven::kHalfAngle, 90.0}};
  for (const auto& [given, value] : none)
    EXPECT_FALSE(taper_forms(given, value)) << value;
}

TEST(TaperFromDiameters, TaperAndDiameterAlongIt) {
  // 3 to 2 over 12: 1/12 per inch; Morse 3's ends 0.938 and 0.778 over 3.2: 0.16 / 3.2 = 0.05.
  const std::tuple<double, double, double, double> rows[] = {
      {3.0, 2.0, 12.0, 1.0 / 12.0}, {0.938, 0.778, 3.2, 0.05}, {1.0, 1.0, 5.0, 0.0}};
  for (const auto& [large, small, length, t] : rows) {
    EXPECT_NEAR(taper_from_diameters(large, small, length).value_or(-1.0), t, 1e-12) << large;
    EXPECT_NEAR(diameter_at(large, t, length), small, 1e-12) << large;
  }
  EXPECT_DOUBLE_EQ(diameter_at(3.0, 1.0 / 12.0, 6.0), 2.5);
  const std::array<double, 3> none[] = {{3, 2, 0}, {2, 3, 12}, {3, -2, 12}, {kNaN, 2, 12}};
  for (const auto& [large, small, length] : none)
    EXPECT_FALSE(taper_from_diameters(large, small, length)) << large << small << length;
}

TEST(TaperSetUp, TailstockSetoverAndAttachment) {
  // 1 in/ft x 6 / 24 = 0.25, x 36 / 24 = 1.5; 3 to 2 the whole 12: 1/2 x 12/12 = 0.5;
  // the same taper over half the work: 1/2 x 12/6 = 1.0.
  EXPECT_DOUBLE_EQ(setover_for_taper(1.0 / 12.0, 6.0), 0.25);
  EXPECT_DOUBLE_EQ(setover_for_taper(1.0 / 12.0, 36.0), 1.5);
  EXPECT_DOUBLE_EQ(tailstock_setover(3.0, 2.0, 12.0, 12.0).value_or(-1.0), 0.5);
  EXPECT_DOUBLE_EQ(tailstock_setover(3.0, 2.0, 6.0, 12.0).value_or(-1.0), 1.0);
  EXPECT_FALSE(tailstock_setover(3.0, 2.0, 12.0, 6.0)); // taper longer than the work
  EXPECT_FALSE(tailstock_setover(2.0, 3.0, 12.0, 12.0));
  // 1/50 of 10 is 0.2.
  EXPECT_FALSE(setover_too_large(0.2, 10.0));
  EXPECT_TRUE(setover_too_large(0.2001, 10.0));
  EXPECT_TRUE(setover_too_large(-0.25, 10.0));
  // 1.2 in/ft halved; 1 in/ft halved.
  EXPECT_DOUBLE_EQ(attachment_per_foot(0.1), 0.6);
  EXPECT_DOUBLE_EQ(attachment_per_foot(1.0 / 12.0), 0.5);
}

TEST(TaperOverRolls, HalfAngleReadingAndDiameter) {
  // 2.612 at 1 and 2.812 at 3: 0.2 / 2 / 2 = 0.05, atan 0.05 = 2.862405°, 1.2 in/ft.
  EXPECT_NEAR(half_angle_over_rolls(2.612, 1.0, 2.812, 3.0).value_or(-1.0), 2.862405, 1e-6);
  EXPECT_NEAR(half_angle_over_rolls(2.812, 1.0, 2.612, 3.0).value_or(-1.0), 2.862405, 1e-6);
  EXPECT_NEAR(reading_over_rolls(2.612, 1.0, 0.1, 3.0), 2.812, 1e-12);
  EXPECT_FALSE(half_angle_over_rolls(2.612, 3.0, 2.812, 3.0));
  EXPECT_FALSE(half_angle_over_rolls(0.0, 1.0, 2.812, 3.0));
  // reading = D + w (1 + 1 / cos α): a cylinder D + 2w; at 60° D + 3w; at
  // atan 0.05, 1 / cos α = sqrt(1.0025) = 1.0012492, so 2 + 0.2 x 2.0012492.
  const std::tuple<double, double, double, double> rows[] = {
      {1.5, 0.25, 0.0, 1.0}, {2.5, 0.5, 60.0, 1.0}, {2.4002498, 0.2, 2.862405, 2.0}};
  for (const auto& [reading, roll, alpha, diameter] : rows) {
    EXPECT_NEAR(diameter_over_rolls(reading, roll, alpha).value_or(-1.0), diameter, 1e-6) << alpha;
    EXPECT_NEAR(reading_for_diameter(diameter, roll, alpha).value_or(-1.0), reading, 1e-6) << alpha;
  }
  EXPECT_FALSE(diameter_over_rolls(1.5, 0.0, 0.0));
  EXPECT_FALSE(diameter_over_rolls(1.5, 0.25, 90.0));
  EXPECT_FALSE(diameter_over_rolls(1.0, 0.5, 0.0)); // nothing left of the diameter
  EXPECT_FALSE(reading_for_diameter(1.0, 0.25, -1.0));
}

TEST(TaperBore, TwoBallsGiveTheAngleAndTheTopDiameter) {
  // Balls sit with their centres r / sin α above the cone's apex, tops r above the centres.
  // 30°, apex 3 deep: centres 0.5 and 1.0 above it (2.5 and 2.0 deep), tops 2.25 and 1.5
  // deep; at the face 2 x 3 tan 30° = 3.464102.
  // atan 0.05 (1 / sin α = 20 sqrt(1.0025) = 20.024984), apex 10 deep for 1.0 at the face:
  // centres 5.006246 and 7.509369 above it, tops 10 - 5.006246 - 0.25 = 4.743754 and
  // 10 - 7.509369 - 0.375 = 2.115631 deep.
  const std::tuple<double, double, double, double, double, double> rows[] = {
      {0.5, 2.25, 1.0, 1.5, 30.0, 3.464102}, {0.5, 4.743754, 0.75, 2.115631, 2.862405, 1.0}};
  for (const auto& [d1, depth1, d2, depth2, alpha, top] : rows) {
    const BoreTaper bore = bore_taper(d1, depth1, d2, depth2).value_or(BoreTaper{});
    EXPECT_NEAR(bore.half_angle, alpha, 1e-5) << depth1;
    EXPECT_NEAR(bore.diameter_at_top, top, 1e-5) << depth1;
  }
  EXPECT_FALSE(bore_taper(1.0, 2.25, 0.5, 1.5));   // the small ball given second
  EXPECT_FALSE(bore_taper(0.5, 1.0, 1.0, 0.5));    // centres 0.25 apart: a 90° half angle
  EXPECT_FALSE(bore_taper(0.5, 1.0, 1.0, 1.0));    // the small ball higher
  EXPECT_FALSE(bore_taper(0.5, -2.25, 1.0, -3.0)); // apex 1.5 above the face
}

} // namespace
} // namespace workshop
