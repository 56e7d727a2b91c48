// What a number field computes with and what it says about its text.
#include "core/numeric/field_reading.h"

#include <map>

#include "core/unit_test.h"

namespace numeric {
namespace {

// Language entries by their number; 846 is a format.
const char* entry_text(i18n::TextId id) {
  static std::map<int, std::string> texts;
  texts.emplace(id.entry, id.entry == 846 ? "unexpected %s" : std::to_string(id.entry));
  return texts.at(id.entry).c_str();
}

std::string used(const std::string& typed, int kind, FieldUnit unit = FieldUnit::kNone,
                 bool angle = false) {
  return used_number_text(typed, read_typed_number(typed, typed_rules(kind, unit, angle)));
}

TEST(FieldReading, ThePageComputesWithThePlainTextOrTheValue) {
  // clang-format off
  const std::tuple<std::string, std::string> rows[] = {
      {used("12,5", kUnsignedDecimal), "12.5"}, {used(" 7 ", kUnsignedInt), "7"},
      {used("1 1/4", kUnsignedDecimal), "1.25"}, {used("1/3", kUnsignedDecimal), "0.333333"},
      // 12 / 25.4 = 0.4724409; 0.5 x 25.4.
      {used("12mm", kUnsignedDecimal, FieldUnit::kInch), "0.472441"},
      {used("0.5in", kUnsignedDecimal, FieldUnit::kMm), "12.7"},
      {used("2*24", kUnsignedInt), "48"}, {used("-3/4", kSignedDecimal), "-0.75"},
      {used("30 15", kUnsignedDecimal, FieldUnit::kInch, true), "30.25"},
      // No unit in an angle, nothing while unfinished, refused or empty.
      {used("30mm", kUnsignedDecimal, FieldUnit::kInch, true), ""}, {used("1/", kUnsignedDecimal), ""},
      {used("-2", kUnsignedDecimal), ""}, {used("7/2", kUnsignedInt), ""}, {used("", kUnsignedDecimal), ""}};
  // clang-format on
  for (const auto& [got, wanted] : rows)
    EXPECT_EQ(got, wanted);
}

TEST(FieldReading, AFieldSaysWhyItsTextCantBeUsed) {
  const RangeRule holes = whole_number_in(1, 50), length = any_decimal();
  const std::string deep = std::string(21, '(') + "1" + std::string(21, ')');
  // clang-format off
  const std::tuple<std::string, RangeRule, bool, std::string> rows[] = {
      {"25", holes, true, ""}, {"5*10", holes, true, ""}, {"", holes, true, ""},
      {"51", holes, false, "1 <=> 50"}, {"7/2", holes, false, "1 <=> 50"}, {"2*26", holes, false, "1 <=> 50"},
      {"1/", length, false, ""}, {"1/", length, true, "854"}, {"1/0", length, false, "847"},
      {"2++3", length, false, "unexpected +"}, {"-2", length, false, "848"},
      {"9999999999999999", length, false, "849"}, {std::string(201, '1'), length, false, "850"},
      {deep, length, false, "851"}, {"12mm", length, false, "852"}};
  // clang-format on
  for (const auto& [typed, rule, done, said] : rows) {
    const TypedNumber reading = read_typed_number(typed, typed_rules(rule.kind, FieldUnit::kNone, false));
    EXPECT_EQ(field_problem(typed, reading, rule, done, entry_text), said) << typed;
  }
  // Minutes of 60 in an angle field; a language file without the entry still says something.
  const TypedNumber bad_angle = read_typed_number("30 60", typed_rules(kUnsignedDecimal, FieldUnit::kNone, true));
  EXPECT_EQ(field_problem("30 60", bad_angle, length, true, entry_text), "853");
  EXPECT_EQ(field_problem("30 60", bad_angle, length, true, [](i18n::TextId) { return nullptr; }), "?");
}

TEST(FieldReading, KeysGoInAsTypedACommaAsThePointOfADecimal) {
  // clang-format off
  const std::tuple<int, std::string, int, std::string, int> rows[] = {
      {kUnsignedDecimal, "1,5", 3, "1.5", 3}, {kUnsignedDecimal, ".5", 2, "0.5", 3},
      {kUnsignedDecimal, "1/4+0,003", 9, "1/4+0.003", 9}, {kUnsignedDecimal, "1.2.5", 5, "1.2.5", 5},
      {kUnsignedInt, "1,000", 5, "1,000", 5}, {kSignedDecimal, "-x", 2, "-x", 2}};
  // clang-format on
  for (const auto& [kind, text, caret, shown, caret_after] : rows) {
    const FilteredText got = filter_typed(kind, text, caret);
    EXPECT_EQ(got.text, shown) << text;
    EXPECT_EQ(got.caret, caret_after) << text;
  }
}

} // namespace
} // namespace numeric
