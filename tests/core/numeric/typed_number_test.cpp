// Numbers typed as drawings give them: each row worked by hand.
#include "core/numeric/typed_number.h"

#include "core/unit_test.h"

namespace numeric {
namespace {

const TypedNumberRules kInch{FieldUnit::kInch}, kMm{FieldUnit::kMm}, kPlain{};
const TypedNumberRules kSigned{FieldUnit::kNone, true}, kWhole{FieldUnit::kNone, false, true};
const TypedNumberRules kAngle{FieldUnit::kNone, false, false, true};
const TypedNumberRules kSignedAngle{FieldUnit::kNone, true, false, true};

TEST(TypedNumber, ReadsFractionsArithmeticUnitsAndAngles) {
  // clang-format off
  const std::tuple<const char*, TypedNumberRules, double, bool> rows[] = {
      {"0.375", kInch, 0.375, true}, {"1,5", kInch, 1.5, true}, {" .5 ", kInch, 0.5, true},
      {"5/16", kInch, 0.3125, false}, {"1 1/4", kInch, 1.25, false}, {"1-1/4", kInch, 1.25, false},
      {"2 3/8", kInch, 2.375, false}, {"2-3/8", kInch, 2.375, false},
      {"1/4+0.003", kInch, 0.253, false}, {"(2.5-0.125)/2", kInch, 1.1875, false},
      {"3*25.4", kMm, 76.2, false}, {"3x25.4", kMm, 76.2, false}, {"3 \xC3\x97 2", kPlain, 6, false},
      {"9\xC3\xB7" "4", kPlain, 2.25, false}, {"2 - 3/8", kInch, 1.625, false},
      // 12 / 25.4 = 60/127; 0.5 x 25.4; 1/2 + 3 / 25.4 = 78.5/127.
      {"12mm", kInch, 60.0 / 127, false}, {"12 mm", kInch, 60.0 / 127, false},
      {"0.5in", kMm, 12.7, false}, {"1/2\"", kMm, 12.7, false}, {"2inch", kMm, 50.8, false},
      {"1/2\" + 3mm", kInch, 78.5 / 127, false}, {"25.4mm", kMm, 25.4, false},
      {"-1/4", kSigned, -0.25, false}, {"-(1+1)", kSigned, -2, false}, {"2-3", kSigned, -1, false},
      {"-2", kSigned, -2, true}, {"2*24", kWhole, 48, false}, {"360/15", kWhole, 24, false},
      {"2.0", kWhole, 2, true},
      // Degrees, minutes, seconds: 30 + 15/60 + 10/3600.
      {"30 15", kAngle, 30.25, false}, {"30\xC2\xB0" "15'", kAngle, 30.25, false},
      {"30:15:10", kAngle, 30.2527777778, false}, {"30\xC2\xB0" "15\xE2\x80\xB2" "10\xE2\x80\xB3", kAngle, 30.2527777778, false},
      {"35.5", kAngle, 35.5, true}, {"30\xC2\xB0", kAngle, 30, false}, {"30 1/2", kAngle, 30.5, false},
      {"-30 15", kSignedAngle, -30.25, false}, {"45/2", kAngle, 22.5, false}};
  // clang-format on
  for (const auto& [text, rules, value, plain] : rows) {
    const TypedNumber n = read_typed_number(text, rules);
    EXPECT_EQ(n.state, TypedState::kNumber) << text;
    EXPECT_NEAR(n.value, value, 1e-9) << text;
    EXPECT_EQ(n.plain, plain) << text;
  }
  // Exact while the numbers are: a third times three is one, not 0.999...
  EXPECT_EQ(read_typed_number("1/3*3", kPlain).value, 1.0);
  EXPECT_EQ(read_typed_number("0.1+0.2", kPlain).value, 0.3);
  // Past 64-bit fractions the value goes on as a double: 1e-27.
  EXPECT_NEAR(read_typed_number("0.000000001*0.000000001*0.000000001", kPlain).value, 1e-27, 1e-40);
  // A sum with such a value goes on as a double too: 1 + 1e-27 is 1.
  EXPECT_EQ(read_typed_number("0.000000001*0.000000001*0.000000001+1", kPlain).value, 1.0);
}

TEST(TypedNumber, UnfinishedAndRefusedTextsSayWhy) {
  using S = TypedState;
  using F = TypedFault;
  const std::string deep = std::string(21, '(') + "1" + std::string(21, ')');
  // clang-format off
  const std::tuple<std::string, TypedNumberRules, S, F, const char*> rows[] = {
      {"", kInch, S::kEmpty, F::kNone, ""}, {"  ", kInch, S::kEmpty, F::kNone, ""},
      {"1/", kInch, S::kUnfinished, F::kNone, ""}, {"(2+", kInch, S::kUnfinished, F::kNone, ""},
      {"((1)", kInch, S::kUnfinished, F::kNone, ""}, {"1 1", kInch, S::kUnfinished, F::kNone, ""},
      {"1 1/", kInch, S::kUnfinished, F::kNone, ""}, {"12m", kInch, S::kUnfinished, F::kNone, ""},
      {"2-", kInch, S::kUnfinished, F::kNone, ""}, {"-", kSigned, S::kUnfinished, F::kNone, ""},
      {"1/0", kInch, S::kRefused, F::kDivisionByZero, ""},
      {"1/(2-2)", kInch, S::kRefused, F::kDivisionByZero, ""},
      {"2++3", kInch, S::kRefused, F::kUnexpected, "+"}, {"2a", kInch, S::kRefused, F::kUnexpected, "a"},
      {"1 2 3", kInch, S::kRefused, F::kUnexpected, "2"}, {"(1))", kInch, S::kRefused, F::kUnexpected, ")"},
      {"1\xC2\xB0", kInch, S::kRefused, F::kUnexpected, "\xC2\xB0"},
      {"-2", kInch, S::kRefused, F::kNegative, ""}, {"1-2", kInch, S::kRefused, F::kNegative, ""},
      {"7/2", kWhole, S::kRefused, F::kNotWhole, ""}, {"12mm", kPlain, S::kRefused, F::kNoUnitHere, ""},
      // A comma in a count groups thousands to many a reader: never 1.
      {"1,000", kWhole, S::kRefused, F::kUnexpected, ","},
      {"30 60", kAngle, S::kRefused, F::kBadAngle, ""}, {"99999999999999999999", kInch, S::kRefused, F::kTooLarge, ""},
      {std::string(201, '1'), kInch, S::kRefused, F::kTooLong, ""}, {deep, kInch, S::kRefused, F::kTooDeep, ""}};
  // clang-format on
  for (const auto& [text, rules, state, fault, near] : rows) {
    const TypedNumber n = read_typed_number(text, rules);
    EXPECT_EQ(n.state, state) << text;
    EXPECT_EQ(n.fault, fault) << text;
    EXPECT_EQ(n.near, near) << text;
  }
}

TEST(TypedNumber, ValuesShowWithSixDecimalsAtMost) {
  const std::pair<double, const char*> rows[] = {
      {1.25, "1.25"}, {60.0 / 127, "0.472441"}, {30, "30"}, {12.7, "12.7"}, {-0.0000001, "0"},
      {-2.5, "-2.5"}, {1e15, "1000000000000000"}};
  for (const auto& [value, text] : rows)
    EXPECT_EQ(typed_value_text(value), text) << value;
}

} // namespace
} // namespace numeric
