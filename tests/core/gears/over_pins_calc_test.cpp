// Measurement over pins: tooth sizes in the four systems, the recommended
// pin, the pressure-angle choices, the fraction entry, and thicknesses from
// measurements worked out independently (the measurement over pins of a
// given tooth thickness, solved forward with the involute function, then
// fed back in), for even and odd tooth counts; and the inputs that give no
// result.
#include "core/unit_test.h"

#include "core/gears/over_pins_calc.h"

using namespace gears;

namespace {

constexpr double kTolerance = 5e-7;
constexpr double kPi = 3.141592653589793;

// Each system's value gives the diametral pitch, and the pitch gives the value back.
TEST(OverPinsCalc, ToothSizeOfEverySystem) {
  struct Row {
    ToothSystem system;
    double value;
    std::optional<double> p;
  };
  // clang-format off
  const Row rows[] = {
      {ToothSystem::kModule, 2.0, 12.7}, {ToothSystem::kDiametralPitch, 10.0, 10.0}, {ToothSystem::kCircularPitchInch, 0.25, 4.0 * kPi},
      // 6.2832 mm is the circular pitch of module 2, rounded: 25.4 π / 6.2832.
      {ToothSystem::kCircularPitchMm, 6.2832, 12.699970302}, {ToothSystem::kModule, 0.0, std::nullopt}, {ToothSystem::kDiametralPitch, -3.0, std::nullopt},
      {ToothSystem::kCircularPitchInch, 1e-320, std::nullopt}, // π / x is no number
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    const std::optional<double> p = diametral_pitch(row.system, row.value);
    ASSERT_EQ(p.has_value(), row.p.has_value());
    if (p) {
      EXPECT_NEAR(*p, *row.p, kTolerance);
      EXPECT_NEAR(*pitch_value(row.system, *row.p), row.value, kTolerance);
    } else {
      EXPECT_FALSE(pitch_value(row.system, row.value));
    }
  }
  // Module 2: 0.1323 in, which is 1.68 × 2 = 3.36 mm.
  EXPECT_NEAR(recommended_pin(12.7), 0.132283465, kTolerance);
}

TEST(OverPinsCalc, PressureAngleChoicesAndFractions) {
  using A = PressureAngleChoice;
  const auto none = std::nullopt;
  // clang-format off
  const std::tuple<A, double, std::optional<double>> angles[] = {
      {A::k14_5, 0.0, 14.5}, {A::k20, 99.0, 20.0}, {A::kTyped, 25.0, 25.0}, {A::kTyped, 17.5, 17.5},
      {A::kTyped, 30.0, 30.0}, {A::kTyped, 17.49, none}, {A::kTyped, 30.01, none}, {A::kTyped, 0.0, none}};
  // clang-format on
  for (const auto& [choice, typed, angle] : angles)
    EXPECT_EQ(pressure_angle(choice, typed), angle) << typed;
  // Whole, over, under: an improper fraction counts; no denominator leaves the whole part.
  const std::tuple<double, double, double, std::optional<double>> fractions[] = {
      {0, 1, 4, 0.25}, {1, 1, 4, 1.25}, {0, 5, 4, 1.25}, {2, 0, 0, 2.0},
      {1, 5, 0, 1.0},  {0, 0, 4, none}, {0, 1, 0, none}, {0, 0, 0, none}};
  for (const auto& [whole, over, under, value] : fractions)
    EXPECT_EQ(compose_fraction(whole, over, under), value) << whole << " " << over << "/" << under;
}

TEST(OverPinsCalc, ThicknessFromTheMeasurement) {
  // clang-format off
  struct Measured { const char* name; OverPinsInput input; double theoretical; std::optional<double> measured; };
  const Measured rows[] = {
      {"DP 10, 20 teeth, standard thickness", {10.0, 20, 20.0, 0.168, 2.22248850652}, 0.1570796327, 0.1570796327},
      {"DP 10, 20 teeth, 2.2200 over pins", {10.0, 20, 20.0, 0.168, 2.2200}, 0.1570796327, 0.1560131560},
      // Odd: the pin-centre circle is (M - d) / cos(90°/21).
      {"DP 10, 21 teeth, standard thickness", {10.0, 21, 20.0, 0.168, 2.3166562636}, 0.1570796327, 0.1570796327},
      {"DP 10, 21 teeth, 2.3100 over pins", {10.0, 21, 20.0, 0.168, 2.3100}, 0.1570796327, 0.1542506113},
      {"DP 8, 25 teeth, typed 25°", {8.0, 25, 25.0, 0.21, 3.4}, 0.1963495408, 0.1958925699},
      // Pin centres inside the base circle, no room between the pins, less than one pin: only
      // the theory stands.
      {"inside the base circle", {10.0, 20, 20.0, 0.168, 1.5}, 0.1570796327, std::nullopt}, {"no room between", {10.0, 20, 20.0, 0.168, 0.168}, 0.1570796327, std::nullopt},
      {"less than a pin", {10.0, 20, 20.0, 0.168, 0.1}, 0.1570796327, std::nullopt},
  };
  // clang-format on
  for (const Measured& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<OverPinsResult> result = compute_over_pins(row.input);
    ASSERT_TRUE(result.has_value());
    EXPECT_NEAR(result->theoretical, row.theoretical, kTolerance);
    ASSERT_EQ(result->measured.has_value(), row.measured.has_value());
    ASSERT_EQ(result->difference().has_value(), row.measured.has_value());
    if (row.measured) {
      EXPECT_NEAR(*result->measured, *row.measured, kTolerance);
      EXPECT_NEAR(*result->difference(), row.theoretical - *row.measured, kTolerance);
    }
  }
}

TEST(OverPinsCalc, NoGearNoResult) {
  // No tooth size; one tooth has one space for two pins; no teeth; no pressure angle; no
  // involute; a negative pin.
  // clang-format off
  const OverPinsInput inputs[] = {{0.0, 20, 20.0, 0.168, 2.2225}, {10.0, 1, 20.0, 0.168, 2.2225}, {10.0, 0, 20.0, 0.168, 2.2225},
                                  {10.0, 20, 0.0, 0.168, 2.2225}, {10.0, 20, 90.0, 0.168, 2.2225}, {10.0, 20, 20.0, -0.1, 2.2225}};
  // clang-format on
  for (const OverPinsInput& in : inputs)
    EXPECT_FALSE(compute_over_pins(in).has_value())
        << in.diametral_pitch << " P, " << in.teeth << " teeth, " << in.pressure_angle << "°";
  // Two teeth and a pin of no size are still a gear with its theoretical tooth, π / 20.
  for (const OverPinsInput& in :
       {OverPinsInput{10.0, 2, 20.0, 0.168, 0.5}, {10.0, 20, 20.0, 0.0, 2.2}})
    EXPECT_NEAR(compute_over_pins(in).value_or(OverPinsResult{}).theoretical, 0.1570796327,
                kTolerance)
        << in.teeth;
}

} // namespace
