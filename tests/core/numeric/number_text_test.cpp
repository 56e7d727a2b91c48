#include "core/numeric/number_text.h"

#include "core/unit_test.h"
#include "support/joined.h"

namespace numeric {
namespace {

// Hand-computed seconds and degrees are exact to far better than this.
constexpr double kTolerance = 1e-6;

using TextCase = std::pair<const char*, const char*>;

TEST(TrimNumberText, AppliesTheDisplayRule) {
  // clang-format off
  const std::vector<TextCase> cases = {
      {"2", "2"}, {"2.500", "2.5"}, {"2.000", "2.0"}, {"2.0000", "2"}, {"2.00001", "2"},
      {"-4.50", "-4.5"}, {"7.", "7.0"}, {"2.999", "2.999"}, {"2.99995", "3"}, {"-2.99995", "-3"},
      {"-9.99996", "-10"}, {"99.99990", "100"}, {"0.99990", "1"}, {"2.9999999999", "3"}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(trim_number_text(c.first), c.second) << c.first;
}

// Precision -1 is the plain writer, which also empties values below 0.0001.
TEST(FormatFixed, PrintsThenTrims) {
  // clang-format off
  const std::vector<std::tuple<int, double, const char*>> cases = {
      {3, 2, "2.0"}, {3, 2.5, "2.5"}, {3, 0.0004, "0.0"}, {4, 2, "2"}, {3, -2.5, "-2.5"},
      {3, 2.9999, "3.0"}, {4, 2.99996, "3"}, {10, 2.99995, "3"}, {10, -2.99995, "-3"},
      {10, 2.9999999999, "3"}, {0, 2.6, "3"}, {3, -0.0001, "0.0"}, {4, -0.00001, "0"},
      {3, INFINITY, ""}, {10, -INFINITY, ""}, {3, NAN, ""},
      {-1, 0.00005, ""}, {-1, -0.00009, ""}, {-1, 0.0, ""}, {-1, 1.5, "1.5"}, {-1, 2, "2"},
      {-1, 0.0001, "0.0001"}, {-1, -0.0001, "-0.0001"}, {-1, 3.1415926, "3.141593"},
      {-1, 0.99999, "1"}, {-1, INFINITY, ""}, {-1, NAN, ""}};
  // clang-format on
  for (const auto& [precision, value, out] : cases)
    EXPECT_EQ(precision < 0 ? format_plain(value) : format_fixed(precision, value), out)
        << precision << " " << value;
  // 1e300 is printed whole: 301 digits, the ".0000000000" cut off.
  EXPECT_EQ(format_fixed(10, 1e300).size(), 301u);
  // Untrimmed, and just as empty for what is not a number.
  EXPECT_EQ(fixed_text(3, 6.35) + fixed_text(2, INFINITY) + fixed_text(2, NAN), "6.350");
}

TEST(SplitDms, SplitsAndCarries) {
  // clang-format off
  const std::vector<std::pair<double, Dms>> cases = {
      {30.5, {30, 30, 0.0}}, {45.7625, {45, 45, 45.0}}, {0.0001, {0, 0, 0.36}},
      {10.999999999, {10, 59, 59.9999964}},
      // Negative angles: negative degrees and minutes, the seconds dropped.
      {-10.5, {-10, -30, 0.0}}, {-0.5, {0, -30, 0.0}}, {-10.5125, {-10, -30, 0.0}},
      // 59.9999999995 s is within 1e-9 of 60: a minute carries, and 60 minutes a degree.
      {10.99999999999986, {11, 0, 0.0}}, {1.51666666666652778, {1, 31, 0.0}},
      // 59.999999998 s is not.
      {10.999999999999444, {10, 59, 59.999999998}},
      // 5e-6 s is noise, 2e-5 s is kept.
      {5.333333334722222, {5, 20, 0.0}}, {5.333333338888889, {5, 20, 2e-5}}};
  // clang-format on
  for (const auto& c : cases) {
    const Dms dms = split_dms(c.first);
    EXPECT_EQ(std::to_string(dms.degrees) + "/" + std::to_string(dms.minutes),
              std::to_string(c.second.degrees) + "/" + std::to_string(c.second.minutes))
        << c.first;
    EXPECT_NEAR(dms.seconds, c.second.seconds, kTolerance) << c.first;
  }
  EXPECT_EQ(split_dms(1e30).degrees, INT_MAX); // out-of-range degrees saturate
  EXPECT_EQ(split_dms(-1e30).degrees, INT_MIN);
}

TEST(DmsToDegrees, JoinsTheThreeTexts) {
  EXPECT_NEAR(dms_to_degrees("12", "15", "36"), 12.26, kTolerance);
  EXPECT_NEAR(dms_to_degrees("10", "30.9", ""), 10.5, kTolerance); // minutes read whole
  EXPECT_NEAR(dms_to_degrees(" 1", "2abc", "3.6"), 1.0 + 2.0 / 60 + 0.001, kTolerance);
  // A comma ends the number; minutes are decimal even with a leading zero (1 + 8 / 60).
  EXPECT_NEAR(dms_to_degrees("1,5", "08", ""), 1.1333333, kTolerance);
}

std::string joined(const DmsTexts& texts) {
  return testing_support::joined(std::vector{texts.degrees, texts.minutes, texts.seconds}, "|");
}

TEST(DmsTexts, SecondsWithThreeDecimalsOrWithG) {
  // clang-format off
  const std::vector<std::pair<double, const char*>> cases = {
      {0.0, "||"}, {0.0001, "0|0|0.36"}, {0.00009, "0|0|0.324"}, {10.999999999, "10|59|60.0"},
      {12.26, "12|15|36.0"}, {-10.5, "-10|-30|0.0"}, {0.0034293333333333, "0|0|12.346"}};
  const std::vector<std::pair<const char*, const char*>> from_text = {
      {"abc", "||"}, {"10.999999999", "10|59|60"}, {"12.26", "12|15|36"},
      {"0.0034293333333333", "0|0|12.3456"}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(joined(dms_texts(c.first)), c.second) << c.first;
  for (const auto& c : from_text)
    EXPECT_EQ(joined(dms_texts_from_text(c.first)), c.second) << c.first;
  // The nonzero form empties values below the missing threshold.
  EXPECT_EQ(joined(dms_texts_nonzero(0.00009)) + joined(dms_texts_nonzero(-0.00009)), "||||");
  EXPECT_EQ(joined(dms_texts_nonzero(0.0001)), "0|0|0.36");
}

TEST(ConvertText, FollowsTheFieldKind) {
  using Case = std::tuple<const char*, int, const char*>;
  constexpr int U = kUnsignedDecimal, S = kSignedDecimal, F = kFilteredDecimal;
  // clang-format off
  const std::vector<Case> to_mm = {
      {"1", U, "25.4"}, {"", U, ""}, {"0.00005", U, ""}, {"1", kUnsignedInt, ""},
      {"1", kSignedInt, ""}, {"-2", S, "-50.8"}, {"-0.00005", S, ""}, {"0.00005", F, "0.00127"},
      {"", F, "0"}};
  const std::vector<Case> to_inch = {
      {"25.4", U, "1"}, {"1", U, "0.0393700787"}, {"", U, ""}, {"-25.4", U, ""},
      {"0.00005", U, "0"}, {"1", kUnsignedInt, ""}, {"1", kSignedInt, ""}, {"-50.8", S, "-2"},
      {"0.00005", S, ""}, {"-25.4", F, "-1"}, {"", F, "0"}};
  // clang-format on
  for (const auto& [in, kind, out] : to_mm)
    EXPECT_EQ(convert_text_inch_to_mm(in, kind), out) << in << " kind " << kind;
  for (const auto& [in, kind, out] : to_inch)
    EXPECT_EQ(convert_text_mm_to_inch(in, kind), out) << in << " kind " << kind;
}

TEST(FractionText, CombinesWholeAndFraction) {
  // clang-format off
  const std::vector<std::tuple<const char*, const char*, const char*, const char*>> cases = {
      {"1", "1", "4", "1.25"}, {"0", "3", "8", "0.375"}, {"2", "0", "0", "2"},
      // With a whole part: no fraction above one, a zero numerator needs a zero denominator.
      {"1", "5", "4", ""}, {"2", "0", "4", ""}, {"1", "-1", "0", ""},
      {"3", "4", "4", "4"}, {"1", "1", "3", "1.333333333"}, {"10", "1", "3", "10.33333333"},
      {"3", "5", "16", "3.3125"},
      // Without one: a fraction above one leaves only the whole part.
      {"0", "0", "4", ""}, {"", "", "", ""}, {"0", "3", "0", ""}, {"", "1", "2", "0.5"},
      {"0", "5", "4", "0"}, {"0.5", "5", "4", "0.5"}, {"0", "1.5", "2", "0.75"},
      // Beyond 64 bits the whole numbers saturate.
      {"1e30", "1", "4", "1e+30"}, {"0", "1e30", "1e30", "1"},
      // 9.25e18 is past 2^63 = 9.223e18 too: 1e30 / 9.25e18 = 1.0810810810e11.
      {"0", "1e30", "9.25e18", "1.081081081e+11"}};
  // clang-format on
  for (const auto& [whole, over, under, out] : cases)
    EXPECT_EQ(fraction_text(whole, over, under), out) << whole << " " << over << "/" << under;
}

TEST(NormaliseUnsignedText, RewritesAsUnsigned) {
  // clang-format off
  const std::vector<TextCase> cases = {
      {"12abc", "12"}, {"-5", "0"}, {"", "0"}, {"  42", "42"}, {"+8", "8"},
      {"4294967295", "4294967295"}, {"4294967296", "4294967295"},
      {"99999999999999999999999", "4294967295"}, {"-99999999999999999999", "0"}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(normalise_unsigned_text(c.first), c.second) << c.first;
}

} // namespace
} // namespace numeric
