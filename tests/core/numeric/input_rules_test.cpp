#include "core/numeric/input_rules.h"

#include "core/unit_test.h"

namespace numeric {
namespace {

// Kind, the text and caret as they stand after the typed character went in, and
// what the filter leaves of them.
TEST(FilterInput, KeepsOnlyWhatTheKindAccepts) {
  // clang-format off
  const std::vector<std::tuple<int, std::string, int, std::string, int>> cases = {
      // Unsigned integers: digits only, the caret stays between the same digits.
      {0, "a12", 1, "12", 0}, {0, "1a2", 2, "12", 1}, {0, "1a2", 1, "12", 1}, {0, "a", 1, "", 0},
      {0, "12a", 3, "12", 2}, {0, "1.2", 2, "12", 1}, {0, "-12", 1, "12", 0}, {0, "1,", 2, "1", 1},
      // Unsigned decimals: a leading point is repaired, a second one refused.
      {2, ".", 1, "0.", 2}, {2, "0.5", 3, "0.5", 3}, {2, ".25", 0, "0.25", 2}, {2, "", 0, "", 0},
      {2, ".55", 3, "0.55", 4}, {2, "1.25.", 5, "1.25", 4}, {2, "1..25", 2, "1.25", 2},
      {2, "1..25", 3, "1.25", 2}, {2, "1.2.5", 4, "1.25", 3}, {2, "1.2.5", 2, "12.5", 1},
      {2, ".1.5", 1, "01.5", 1}, {2, "-", 1, "", 0}, {2, "-5", 1, "5", 0}, {2, "+5", 1, "5", 0},
      {2, "a1.5", 1, "1.5", 0}, {2, "1.a5", 3, "1.5", 2}, {2, "1.5a", 4, "1.5", 3},
      // A comma is the decimal point, under the same one-point rule.
      {2, "12,", 3, "12.", 3}, {2, ",", 1, "0.", 2}, {2, "1.2,", 4, "1.2", 3},
      {2, "1,2,5", 4, "1.25", 3}, {4, "-3,5", 3, "-3.5", 3},
      // Signed decimals: a sign is kept in front only.
      {4, "-", 1, "-", 1}, {4, "+5", 1, "+5", 1}, {4, "-.", 2, "-.", 2}, {4, ".", 1, "0.", 2},
      {4, "5-", 2, "5", 1}, {4, "--5", 2, "-5", 1}, {4, "-a5", 2, "-5", 1}, {4, "a5", 1, "5", 0},
      {4, "-12a", 4, "-12", 3}, {4, "a-5", 1, "-5", 0}, {4, "-1.2.5", 5, "-1.25", 4},
      // Kinds no record uses: 1 is 4 without the point, 8 is 4.
      {1, "-5", 2, "-5", 2}, {1, "-5.", 3, "-5", 2}, {8, ".", 1, "0.", 2}, {8, "-a5", 2, "-5", 1},
      // A caret outside the text is brought back into it.
      {2, "12", 7, "12", 2}, {0, "12", -1, "12", 0}};
  // clang-format on
  for (const auto& [kind, text, caret, want_text, want_caret] : cases) {
    const FilteredText got = filter_input(kind, text, caret);
    EXPECT_EQ(got.text + "|" + std::to_string(got.caret),
              want_text + "|" + std::to_string(want_caret))
        << "kind " << kind << " \"" << text << "\" caret " << caret;
  }
}

TEST(ReadPastedNumber, OneNumberOrNothing) {
  const std::vector<std::tuple<int, std::string, std::optional<std::string>>> cases = {
      {2, "12,5", "12.5"},  {2, " 12.5\n", "12.5"}, {2, ",5", "0.5"},   {4, "-0,25", "-0.25"},
      {2, "7", "7"},        {0, "42", "42"},        {2, "1,234.5", {}}, {2, "1.234,5", {}},
      {2, "1,234,567", {}}, {2, "1 234,5", {}},     {2, "1e5", {}},     {2, "-5", {}},
      {2, "12mm", {}},      {2, ",", {}},           {2, "", {}},        {0, "12,5", {}},
      {0, "1.5", {}},       {4, "5-", {}},
  };
  for (const auto& [kind, pasted, want] : cases)
    EXPECT_EQ(read_pasted_number(kind, pasted), want) << "kind " << kind << " \"" << pasted << "\"";
}

TEST(OutOfRange, ComparesWithTheRulesBoundsAndNamesThem) {
  const RangeRule holes = whole_number_in(1, 50), angle = signed_decimal_in(-360, 360);
  const RangeRule seconds = kDmsRules[2], pressure = decimal_in(17.5, 30);
  // clang-format off
  const std::vector<std::tuple<RangeRule, std::string, bool>> cases = {
      {holes, "0", true}, {holes, "1", false}, {holes, "50", false}, {holes, "51", true},
      {holes, "", true}, {whole_number_in(30, 100), "29", true}, {angle, "-400", true},
      {angle, "-45", false}, {angle, "360", false}, {angle, "360.1", true},
      {seconds, "59.999", true}, {seconds, "59", false}, {seconds, "59.0000009", false},
      {pressure, "17.4", true}, {pressure, "17.5", false}, {pressure, "30", false},
      {pressure, "30.01", true},
      // 2^32 + 1 and 2^32 + 10 would wrap round to 1 and 10 as 32-bit values.
      {holes, "4294967297", true}, {whole_number_in(10, 300), "4294967306", true},
      {holes, "99999999999999999999999", true},
      // Rules without a range accept any decimal and any whole number that fits 32 bits.
      {any_decimal(), "-99999", false}, {any_signed_decimal(), "1e300", false},
      {any_whole_number(), "4294967297", true}, {any_whole_number(), "2147483647", false},
      {any_whole_number(), "2147483648", true}};
  const std::vector<std::pair<RangeRule, std::string>> hints = {
      {holes, "1 <=> 50"}, {angle, "-360 <=> 360"}, {pressure, "17.5 <=> 30"},
      {kDmsRules[1], "0 <=> 59"}, {any_whole_number(), "0 <=> 2147483647"}};
  // clang-format on
  for (const auto& [rule, text, out] : cases)
    EXPECT_EQ(out_of_range(rule, text), out)
        << rule.min << " " << rule.max << " \"" << text << "\"";
  for (const auto& [rule, hint] : hints)
    EXPECT_EQ(range_message_text(rule), hint);
}

} // namespace
} // namespace numeric
