// The conversions page's formulas, checked as the texts the page shows:
// angles and lengths with the plain writer, temperatures with six places.
// "-" stands for "no value": the fields are emptied.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "calc/geometry/conversions_calc.h"
#include "numeric/number_text.h"

using namespace geometry;

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::string plain(std::optional<double> value) {
  return value ? numeric::format_plain(*value) : "-";
}
std::string six_places(std::optional<double> value) {
  return value ? numeric::format_fixed(6, *value) : "-";
}
std::string texts(std::optional<AngleForms> angle) {
  return angle ? plain(angle->degrees) + " " + plain(angle->pi_radians) : "-";
}

} // namespace

TEST(ConversionsCalc, AngleForms) {
  struct Case {
    std::optional<AngleForms> angle;
    const char* shown; // decimal degrees, multiple of π
  };
  const Case cases[] = {
      {angle_from_degrees(90.5), "90.5 0.502778"}, // 90.5 / 180 = 0.5027777...
      {angle_from_degrees(360), "360 2"},
      {angle_from_degrees(1), "1 0.005556"},
      {angle_from_degrees(0.01), "0.01 "}, // 0.0000556: too small to show
      {angle_from_dms(90, 30, 0), "90.5 0.502778"},
      {angle_from_dms(10, 0, 1), "10.000278 0.055557"},
      {angle_from_dms(30, 15, 45.5), "30.262639 0.168126"}, // + 0.25 + 0.0126389
      {angle_from_dms(179, 59, 60), "180 1"},
      {angle_from_dms(0, 0, kInfinity), "-"},
      {angle_from_pi_radians(1), "180 1"},
      {angle_from_pi_radians(0.502778), "90.50004 0.502778"}, // not 90.5 again
      {angle_from_pi_radians(0.00011), "0.0198 0.00011"},
      {angle_from_pi_radians(0.0001), "-"}, // too small to count
      {angle_from_pi_radians(0), "-"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(texts(c.angle), c.shown);
}

TEST(ConversionsCalc, MillimetresAndInches) {
  struct Case {
    std::optional<double> value;
    const char* shown;
  };
  const Case cases[] = {
      {inch_from_mm(25.4), "1"},
      {inch_from_mm(10), "0.393701"},
      {inch_from_mm(-25.4), "-1"},
      {inch_from_mm(kInfinity), "-"},
      {mm_from_inch(1), "25.4"},
      {mm_from_inch(-0.5), "-12.7"},
      {mm_from_inch(0.393701), "10"},         // 10.0000054: four 0s end it
      {mm_from_inch(4.860472), "123.455989"}, // 4.860472 × 25.4 = 123.4559888
      {mm_from_inch(0.000001), ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(plain(c.value), c.shown);
}

TEST(ConversionsCalc, WholeAndFractionOfAnInch) {
  using Action = FractionOutcome::Action;
  struct Case {
    FractionEntry entry;
    Action action;
    const char* shown; // inch, mm
  };
  const Case cases[] = {
      {{1, 3, 8}, Action::kWrite, "1.375 34.925"},
      {{0, 3, 8}, Action::kWrite, "0.375 9.525"},
      {{3, 15, 16}, Action::kWrite, "3.9375 100.0125"},
      {{1, 0, 0}, Action::kWrite, "1 25.4"},
      {{2, 9, 8}, Action::kWrite, "2 50.8"}, // 9/8 is ignored
      {{2, 8, 8}, Action::kWrite, "2 50.8"}, // so is 8/8
      {{1, -1, 8}, Action::kWrite, "1 25.4"},
      {{0, 8, 8}, Action::kEmpty, ""},
      {{0, 1, 100000000}, Action::kEmpty, ""}, // 0.00000001 inch
      {{kInfinity, 0, 0}, Action::kEmpty, ""},
      {{0, 9, 8}, Action::kKeep, ""},
      {{0, 3, 0}, Action::kKeep, ""},
      {{0, 0, 0}, Action::kKeep, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.entry.whole) + " " + std::to_string(c.entry.numerator) + "/" +
                 std::to_string(c.entry.denominator));
    FractionOutcome outcome = length_from_fraction(c.entry);
    EXPECT_EQ(outcome.action, c.action);
    if (c.action == Action::kWrite) {
      EXPECT_EQ(plain(outcome.length.inch) + " " + plain(outcome.length.mm), c.shown);
    }
  }
}

TEST(ConversionsCalc, CelsiusAndFahrenheit) {
  struct Case {
    std::optional<double> value;
    const char* shown;
  };
  const Case cases[] = {
      {fahrenheit_from_celsius(100), "212"},
      {fahrenheit_from_celsius(37), "98.6"},
      {fahrenheit_from_celsius(-273.15), "-459.67"},
      {fahrenheit_from_celsius(-17.777778), "0"}, // -0.0000004: shown as 0
      {celsius_from_fahrenheit(-40), "-40"},
      {celsius_from_fahrenheit(32), "0"},
      {celsius_from_fahrenheit(0), "-17.777778"},   // -32 × 5/9
      {celsius_from_fahrenheit(451), "232.777778"}, // 419 × 5/9
      {celsius_from_fahrenheit(kInfinity), "-"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(six_places(c.value), c.shown);
}
