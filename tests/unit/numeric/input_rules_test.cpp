#include "numeric/input_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using numeric::filter_input;
using numeric::kRangeRules;
using numeric::out_of_range;
using numeric::range_message_text;

// The text and caret as they stand after the typed character went in, and
// what the filter leaves of them.
struct FilterCase {
  int kind;
  std::string text;
  int caret;
  std::string want_text;
  int want_caret;
};

TEST(FilterInput, KeepsOnlyWhatTheKindAccepts) {
  const std::vector<FilterCase> cases = {
      // Unsigned integers: digits only, the caret stays between the same digits.
      {0, "a", 1, "", 0},
      {0, "a12", 1, "12", 0},
      {0, "1a2", 2, "12", 1},
      {0, "12a", 3, "12", 2},
      {0, "1.2", 2, "12", 1},
      {0, "-", 1, "", 0},
      {0, "-12", 1, "12", 0},
      // Unsigned decimals: a leading point is repaired, a second one refused.
      {2, ".", 1, "0.", 2},
      {2, "0.5", 3, "0.5", 3},
      {2, ".25", 0, "0.25", 2},
      {2, ".55", 3, "0.55", 4},
      {2, "1.25.", 5, "1.25", 4},
      {2, "1..25", 2, "1.25", 2},
      {2, "1..25", 3, "1.25", 2},
      {2, "1.2.5", 4, "1.25", 3},
      {2, "1.2.5", 2, "12.5", 1},
      {2, ".1.5", 1, "01.5", 1},
      {2, "-", 1, "", 0},
      {2, "-5", 1, "5", 0},
      {2, "+5", 1, "5", 0},
      {2, "a", 1, "", 0},
      {2, "a1.5", 1, "1.5", 0},
      {2, "1.a5", 3, "1.5", 2},
      {2, "1.5a", 4, "1.5", 3},
      {2, "", 0, "", 0},
      // A comma is the decimal point, under the same one-point rule.
      {2, "12,", 3, "12.", 3},
      {2, ",", 1, "0.", 2},
      {2, "1.2,", 4, "1.2", 3},
      {2, "1,2,5", 4, "1.25", 3},
      {4, "-3,5", 3, "-3.5", 3},
      {0, "12,", 3, "12", 2},
      // Signed decimals: a sign is kept in front only.
      {4, "-", 1, "-", 1},
      {4, "-5", 2, "-5", 2},
      {4, "+", 1, "+", 1},
      {4, "+5", 1, "+5", 1},
      {4, "-.", 2, "-.", 2},
      {4, ".", 1, "0.", 2},
      {4, "5-", 2, "5", 1},
      {4, "--5", 2, "-5", 1},
      {4, "-a", 2, "-", 1},
      {4, "-a5", 2, "-5", 1},
      {4, "-1a2", 3, "-12", 2},
      {4, "-12a", 4, "-12", 3},
      {4, "a5", 1, "5", 0},
      {4, "a-5", 1, "-5", 0},
      {4, "-1.2.5", 5, "-1.25", 4},
      // Kinds no record uses: 1 is 4 without the point, 8 is 4.
      {1, "-5", 2, "-5", 2},
      {1, "-5.", 3, "-5", 2},
      {8, ".", 1, "0.", 2},
      {8, "-a5", 2, "-5", 1},
      // A caret outside the text is brought back into it.
      {2, "12", 7, "12", 2},
      {0, "12", -1, "12", 0},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " \"" + c.text + "\" caret " +
                 std::to_string(c.caret));
    const numeric::FilteredText got = filter_input(c.kind, c.text, c.caret);
    EXPECT_EQ(got.text, c.want_text);
    EXPECT_EQ(got.caret, c.want_caret);
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
  for (const auto& [kind, pasted, want] : cases) {
    SCOPED_TRACE("kind " + std::to_string(kind) + " \"" + pasted + "\"");
    EXPECT_EQ(numeric::read_pasted_number(kind, pasted), want);
  }
}

struct RangeCase {
  int record;
  std::string text;
  bool out;
};

TEST(OutOfRange, ComparesWithTheRecordsBounds) {
  const std::vector<RangeCase> cases = {
      {17, "0", true},
      {17, "1", false},
      {17, "50", false},
      {17, "51", true},
      {17, "", true},
      {24, "29", true},
      {24, "100", false},
      {24, "101", true},
      {30, "-400", true},
      {30, "-45", false},
      {30, "360", false},
      {30, "360.1", true},
      {5, "59.999", true},
      {5, "59", false},
      {5, "59.0000009", false},
      {55, "17.4", true},
      {55, "17.5", false},
      {55, "30", false},
      {55, "30.01", true},
      // 2^32 + 1 and 2^32 + 10 would wrap round to 1 and 10 as 32-bit values.
      {17, "4294967297", true},
      {43, "4294967306", true},
      {17, "99999999999999999999999", true},
      // Records without a range accept anything.
      {0, "-99999", false},
      {19, "1e300", false},
      {21, "4294967297", false},
  };
  for (const RangeCase& c : cases) {
    SCOPED_TRACE("record " + std::to_string(c.record) + " \"" + c.text + "\"");
    EXPECT_EQ(out_of_range(kRangeRules[static_cast<std::size_t>(c.record)], c.text), c.out);
  }
}

TEST(RangeMessageText, IntegersAndDecimals) {
  EXPECT_EQ(range_message_text(kRangeRules[17]), "1 <=> 50");
  EXPECT_EQ(range_message_text(kRangeRules[43]), "10 <=> 300");
  EXPECT_EQ(range_message_text(kRangeRules[30]), "-360 <=> 360");
  EXPECT_EQ(range_message_text(kRangeRules[55]), "17.5 <=> 30");
  EXPECT_EQ(range_message_text(kRangeRules[5]), "0 <=> 59");
}

struct RuleCase {
  int record;
  int kind;
  double min;
  double max;
  long arg;
};

TEST(RangeRules, MatchTheFieldGroups) {
  const std::vector<RuleCase> cases = {
      {0, 2, 0, 0, 1},           {3, 0, 0, 179, 0},  {5, 2, 0, 59.0000009, 1},
      {14, 2, 0, 59.0000009, 1}, {16, 2, 0, 90, 1},  {17, 0, 1, 50, 0},
      {19, 4, 0, 0, 0},          {21, 0, 0, 0, 0},   {24, 0, 30, 100, 0},
      {30, 4, -360, 360, 0},     {31, 2, 0, 360, 0}, {35, 2, 0, 2, 0},
      {43, 0, 10, 300, 0},       {46, 0, 0, 180, 1}, {47, 0, 0, 59, 1},
      {48, 2, 0, 60, 1},         {54, 2, 0, 45, 0},  {55, 2, 17.5, 30, 0},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE("record " + std::to_string(c.record));
    const numeric::RangeRule& rule = kRangeRules[static_cast<std::size_t>(c.record)];
    EXPECT_EQ(rule.kind, c.kind);
    EXPECT_EQ(rule.min, c.min);
    EXPECT_EQ(rule.max, c.max);
    EXPECT_EQ(rule.arg, c.arg);
  }
  for (std::size_t i = 0; i < kRangeRules.size(); ++i) {
    SCOPED_TRACE("record " + std::to_string(i));
    const int kind = kRangeRules[i].kind;
    EXPECT_TRUE(kind == 0 || kind == 2 || kind == 4);
  }
}

} // namespace
