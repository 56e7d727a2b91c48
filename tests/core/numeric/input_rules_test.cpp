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

TEST(OutOfRange, ComparesWithTheRecordsBoundsAndNamesThem) {
  // clang-format off
  const std::vector<std::tuple<int, std::string, bool>> cases = {
      {17, "0", true}, {17, "1", false}, {17, "50", false}, {17, "51", true}, {17, "", true},
      {24, "29", true}, {24, "100", false}, {24, "101", true}, {30, "-400", true},
      {30, "-45", false}, {30, "360", false}, {30, "360.1", true}, {5, "59.999", true},
      {5, "59", false}, {5, "59.0000009", false}, {55, "17.4", true}, {55, "17.5", false},
      {55, "30", false}, {55, "30.01", true},
      // 2^32 + 1 and 2^32 + 10 would wrap round to 1 and 10 as 32-bit values.
      {17, "4294967297", true}, {43, "4294967306", true}, {17, "99999999999999999999999", true},
      // Records without a range accept any decimal and any whole number that fits 32 bits.
      {0, "-99999", false}, {19, "1e300", false}, {21, "4294967297", true},
      {28, "2147483647", false}, {28, "2147483648", true}, {22, "99999999999999999999", true}};
  // clang-format on
  for (const auto& [record, text, out] : cases)
    EXPECT_EQ(out_of_range(kRangeRules.at(record), text), out) << record << " \"" << text << "\"";
  // clang-format off
  const std::vector<std::pair<int, std::string>> hints = {
      {17, "1 <=> 50"}, {43, "10 <=> 300"}, {30, "-360 <=> 360"}, {55, "17.5 <=> 30"},
      {5, "0 <=> 59"}, {28, "0 <=> 2147483647"}};
  // clang-format on
  for (const auto& [record, hint] : hints)
    EXPECT_EQ(range_message_text(kRangeRules.at(record)), hint) << record;
}

// Kind and flag of every record, by record number, and the bounds of those
// with a range; all others have none (0 and 0).
TEST(RangeRules, MatchTheFieldGroups) {
  // Grouped by ten: record i is character i + i / 10.
  const std::string kinds = "2220022002 2200222024 2002002200 4200224404 2200020022 022022";
  const std::string args = "1110011001 1100111000 0000000000 0000000000 0000001110 000000";
  const std::map<int, std::pair<double, double>> ranges = {
      {3, {0, 179}},         {4, {0, 59}},         {5, {0, 59.0000009}}, {7, {0, 179}},
      {8, {0, 59}},          {9, {0, 59.0000009}}, {12, {0, 179}},       {13, {0, 59}},
      {14, {0, 59.0000009}}, {16, {0, 90}},        {17, {1, 50}},        {24, {30, 100}},
      {30, {-360, 360}},     {31, {0, 360}},       {32, {0, 179}},       {33, {0, 59}},
      {34, {0, 60}},         {35, {0, 2}},         {43, {10, 300}},      {46, {0, 180}},
      {47, {0, 59}},         {48, {0, 60}},        {54, {0, 45}},        {55, {17.5, 30}}};
  ASSERT_EQ(kinds.size(), kRangeRules.size() + 5);
  ASSERT_EQ(args.size(), kinds.size());
  for (std::size_t i = 0; i < kRangeRules.size(); ++i) {
    SCOPED_TRACE("record " + std::to_string(i));
    const RangeRule& rule = kRangeRules[i];
    const auto range = ranges.find(static_cast<int>(i));
    const std::pair<double, double> bounds =
        range == ranges.end() ? std::make_pair(0.0, 0.0) : range->second;
    EXPECT_EQ(rule.kind, kinds[i + i / 10] - '0');
    EXPECT_EQ(rule.arg, args[i + i / 10] - '0');
    EXPECT_EQ(rule.min, bounds.first);
    EXPECT_EQ(rule.max, bounds.second);
  }
}

} // namespace
} // namespace numeric
