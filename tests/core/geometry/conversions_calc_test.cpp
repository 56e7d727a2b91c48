// The conversions page's formulas, checked as the texts the page shows:
// angles and lengths with the plain writer, temperatures with six places.
// "-" stands for "no value": the fields are emptied.
#include "core/unit_test.h"

#include "core/geometry/conversions_calc.h"
#include "core/numeric/number_text.h"

using namespace geometry;

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
using Shown = std::pair<std::optional<double>, const char*>;

std::string plain(std::optional<double> value) {
  return value ? numeric::format_plain(*value) : "-";
}

} // namespace

TEST(ConversionsCalc, AngleForms) {
  // Decimal degrees, multiple of π. 90.5 / 180 = 0.5027777...; 0.01° is
  // 0.0000556 π: too small to show; 30° 15' 45.5" is 30 + 0.25 + 0.0126389;
  // 0.502778 π is not 90.5° again; 0.0001 π is too small to count.
  // clang-format off
  const std::pair<std::optional<AngleForms>, const char*> cases[] = {
      {angle_from_degrees(90.5), "90.5 0.502778"}, {angle_from_degrees(360), "360 2"},
      {angle_from_degrees(1), "1 0.005556"}, {angle_from_degrees(0.01), "0.01 "},
      {angle_from_dms(10, 0, 1), "10.000278 0.055557"}, {angle_from_dms(179, 59, 60), "180 1"},
      {angle_from_dms(30, 15, 45.5), "30.262639 0.168126"}, {angle_from_dms(0, 0, kInfinity), "-"},
      {angle_from_pi_radians(1), "180 1"}, {angle_from_pi_radians(0.502778), "90.50004 0.502778"},
      {angle_from_pi_radians(0.00011), "0.0198 0.00011"}, {angle_from_pi_radians(0.0001), "-"},
      {angle_from_pi_radians(0), "-"}};
  // clang-format on
  for (const auto& [angle, shown] : cases)
    EXPECT_EQ(angle ? plain(angle->degrees) + " " + plain(angle->pi_radians) : "-", shown);
}

TEST(ConversionsCalc, LengthsAndTemperatures) {
  // 0.393701 in = 10.0000054 mm: four 0s end it; 4.860472 × 25.4 = 123.4559888.
  // clang-format off
  const Shown lengths[] = {
      {inch_from_mm(25.4), "1"}, {inch_from_mm(10), "0.393701"}, {inch_from_mm(-25.4), "-1"},
      {inch_from_mm(kInfinity), "-"}, {mm_from_inch(-0.5), "-12.7"}, {mm_from_inch(0.393701), "10"},
      {mm_from_inch(4.860472), "123.455989"}, {mm_from_inch(0.000001), ""}};
  // clang-format on
  for (const auto& [value, shown] : lengths)
    EXPECT_EQ(plain(value), shown);
  // -17.777778 °C is -0.0000004 °F: shown as 0; -32 × 5/9 and 419 × 5/9.
  const Shown temperatures[] = {
      {fahrenheit_from_celsius(100), "212"},         {fahrenheit_from_celsius(37), "98.6"},
      {fahrenheit_from_celsius(-273.15), "-459.67"}, {fahrenheit_from_celsius(-17.777778), "0"},
      {celsius_from_fahrenheit(-40), "-40"},         {celsius_from_fahrenheit(0), "-17.777778"},
      {celsius_from_fahrenheit(451), "232.777778"},  {celsius_from_fahrenheit(kInfinity), "-"},
  };
  for (const auto& [value, shown] : temperatures)
    EXPECT_EQ(value ? numeric::format_fixed(6, *value) : "-", shown);
}

TEST(ConversionsCalc, WholeAndFractionOfAnInch) {
  // 9/8, 8/8 and -1/8 are ignored beside a whole inch; 1/10000 inch is
  // too little to count. Without a length ("-": 9/8 alone, 3/ before its
  // denominator, an emptied entry) both fields are emptied, never kept.
  // clang-format off
  const std::pair<FractionEntry, const char*> cases[] = {
      {{1, 3, 8}, "1.375 34.925"}, {{0, 3, 8}, "0.375 9.525"}, {{3, 15, 16}, "3.9375 100.0125"},
      {{1, 0, 0}, "1 25.4"}, {{2, 9, 8}, "2 50.8"}, {{2, 8, 8}, "2 50.8"}, {{1, -1, 8}, "1 25.4"},
      {{0, 8, 8}, "-"}, {{0, 1, 10000}, "-"}, {{kInfinity, 0, 0}, "-"}, {{0, 9, 8}, "-"},
      {{0, 3, 0}, "-"}, {{0, 0, 0}, "-"}};
  // clang-format on
  for (const auto& [entry, shown] : cases) {
    const std::optional<LengthForms> out = length_from_fraction(entry);
    EXPECT_EQ(out ? plain(out->inch) + " " + plain(out->mm) : "-", shown)
        << entry.whole << " " << entry.numerator << "/" << entry.denominator;
  }
}
