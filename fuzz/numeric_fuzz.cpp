// The numeric fields: any text and caret through the key-press filter of
// every input kind and range rule, the typed-number reader under every set
// of field rules, and the number text helpers.
//
// Input: byte 0 picks the kind or rule, bytes 1-2 the caret, the rest is the
// field's text.
#include <array>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "core/numeric/input_rules.h"
#include "core/numeric/number_text.h"
#include "core/numeric/field_reading.h"
#include "core/numeric/typed_number.h"

namespace {

using numeric::FilteredText;

bool allowed(int kind, const std::string& text, std::size_t i) {
  const char c = text[i];
  if (c >= '0' && c <= '9')
    return true;
  const bool point = kind == numeric::kUnsignedDecimal || kind == numeric::kSignedDecimal ||
                     kind == numeric::kFilteredDecimal;
  const bool sign = kind == numeric::kSignedInt || kind == numeric::kSignedDecimal ||
                    kind == numeric::kFilteredDecimal;
  if (c == '.')
    return point;
  if (c == '+' || c == '-')
    return sign && i == 0;
  return false;
}

void check_filter(int kind, const std::string& text, int caret) {
  const FilteredText out = numeric::filter_input(kind, text, caret);
  const std::string where = "kind " + std::to_string(kind) + ", text '" + text + "', caret " +
                            std::to_string(caret) + " -> '" + out.text + "', caret " +
                            std::to_string(out.caret);
  FUZZ_CHECK(out.caret >= 0 && static_cast<std::size_t>(out.caret) <= out.text.size(),
             "caret outside the text: " + where);
  for (std::size_t i = 0; i < out.text.size(); ++i)
    FUZZ_CHECK(allowed(kind, out.text, i), "a character the kind refuses: " + where);
  FUZZ_CHECK(std::count(out.text.begin(), out.text.end(), '.') <= 1, "two points: " + where);
  FUZZ_CHECK(out.text.empty() || out.text[0] != '.', "a leading point: " + where);
  FUZZ_CHECK(out.text.size() <= text.size() + 1, "the text grew: " + where);
  const FilteredText twice = numeric::filter_input(kind, out.text, out.caret);
  FUZZ_CHECK(twice.text == out.text && twice.caret == out.caret,
             "filtering again changed it to '" + twice.text + "', caret " +
                 std::to_string(twice.caret) + ": " + where);
}

bool decimal_kind(int kind) {
  return kind == numeric::kUnsignedDecimal || kind == numeric::kSignedDecimal ||
         kind == numeric::kFilteredDecimal;
}

std::string commas_as_points(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

// A comma in a decimal field is a point, typed or pasted; a pasted text goes
// in as the number it reads as, or not at all.
void check_comma_and_paste(int kind, const std::string& text, int caret) {
  const std::string where = "kind " + std::to_string(kind) + ", text '" + text + "'";
  if (decimal_kind(kind)) {
    const FilteredText as_typed = numeric::filter_input(kind, text, caret);
    const FilteredText with_points = numeric::filter_input(kind, commas_as_points(text), caret);
    FUZZ_CHECK(as_typed.text == with_points.text && as_typed.caret == with_points.caret,
               "a comma filtered unlike a point: " + where);
  }
  const std::optional<std::string> pasted = numeric::read_pasted_number(kind, text);
  if (!pasted)
    return;
  FUZZ_CHECK(numeric::filter_input(kind, *pasted, 0).text == *pasted,
             "a pasted number the filter changes: " + where);
  FUZZ_CHECK(
      std::count(text.begin(), text.end(), ',') + std::count(text.begin(), text.end(), '.') <= 1,
      "two separators pasted as one number: " + where);
  const double want = std::strtod(commas_as_points(text).c_str(), nullptr);
  const double got = numeric::read_double(*pasted);
  FUZZ_CHECK(got == want || (std::isnan(got) && std::isnan(want)),
             "pasted '" + *pasted + "' is another number: " + where);
}

// format_fixed shows the value to `precision` decimals; the trimming may move
// it by less than 0.0001 (a run of four nines or zeros).
void check_fixed(int precision, double value) {
  const std::string text = numeric::format_fixed(precision, value);
  if (!std::isfinite(value) || std::fabs(value) > 1e12)
    return;
  const double back = numeric::read_double(text);
  const double allowed_error = 1e-4 + 0.5 * std::pow(10.0, -precision) + 1e-12 * std::fabs(value);
  FUZZ_CHECK(std::fabs(back - value) <= allowed_error, "format_fixed(" + std::to_string(precision) +
                                                           ", " + std::to_string(value) + ") = '" +
                                                           text + "'");
}

void check_dms(double value) {
  const numeric::Dms dms = numeric::split_dms(value);
  (void)numeric::dms_texts(value);
  (void)numeric::dms_texts_nonzero(value);
  if (!std::isfinite(value) || value < 0 || value > 1e6)
    return;
  FUZZ_CHECK(dms.minutes >= 0 && dms.minutes <= 59 && dms.seconds >= 0 && dms.seconds < 60,
             "split of " + std::to_string(value) + " out of range");
  const double back = dms.degrees + dms.minutes * numeric::kMinute + dms.seconds * numeric::kSecond;
  FUZZ_CHECK(std::fabs(back - value) < 1e-7,
             "split of " + std::to_string(value) + " gives back " + std::to_string(back));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3)
    return 0;
  const std::uint8_t pick = data[0];
  const int caret = static_cast<std::int16_t>(data[1] | data[2] << 8);
  const std::string text(reinterpret_cast<const char*>(data + 3), size - 3);

  // Every kind, the unknown ones too (they filter as unsigned integers).
  static constexpr int kKinds[] = {0, 1, 2, 4, 8, 3, -1};
  check_filter(kKinds[pick % std::size(kKinds)], text, caret);
  check_comma_and_paste(kKinds[pick % std::size(kKinds)], text, caret);
  // The fields' rules: each kind with and without a range.
  static constexpr numeric::RangeRule kRules[] = {
      numeric::any_whole_number(), numeric::whole_number_in(1, 50),
      numeric::any_decimal(),      numeric::decimal_in(17.5, 30.0),
      numeric::kDmsRules[2],       numeric::any_signed_decimal(),
      numeric::signed_decimal_in(-360.0, 360.0)};
  const numeric::RangeRule& rule = kRules[pick % std::size(kRules)];
  const FilteredText field = numeric::filter_input(rule.kind, text, caret);
  check_filter(rule.kind, text, caret);
  (void)numeric::out_of_range(rule, field.text);
  (void)numeric::out_of_range(rule, text);
  (void)numeric::range_message_text(rule);

  // The helpers, on the raw text and on the filtered one.
  for (const std::string* t : {&text, &field.text}) {
    const double value = numeric::read_double(*t);
    (void)numeric::read_long(*t);
    (void)numeric::trim_number_text(*t);
    check_fixed(pick % 12, value);
    (void)numeric::format_plain(value);
    check_dms(value);
    (void)numeric::dms_texts_from_text(*t);
    (void)numeric::convert_text_inch_to_mm(*t, rule.kind);
    (void)numeric::convert_text_mm_to_inch(*t, rule.kind);
    (void)numeric::normalise_unsigned_text(*t);
  }
  // Three texts of a fraction reader: split the input at its first two blanks.
  const std::size_t a = text.find(' ');
  const std::size_t b = a == std::string::npos ? a : text.find(' ', a + 1);
  const std::string whole = text.substr(0, a);
  const std::string over = a == std::string::npos ? "" : text.substr(a + 1, b - a - 1);
  const std::string under = b == std::string::npos ? "" : text.substr(b + 1);
  (void)numeric::fraction_text(whole, over, under);
  (void)numeric::dms_to_degrees(whole, over, under);

  // The typed-number reader: a value is always finite, a refusal says why,
  // and a plain number reads as itself.
  const numeric::TypedNumberRules typed_rules{static_cast<numeric::FieldUnit>(pick % 3),
                                              (pick & 4) != 0, (pick & 8) != 0, (pick & 16) != 0};
  const numeric::TypedNumber typed = numeric::read_typed_number(text, typed_rules);
  FUZZ_CHECK(std::isfinite(typed.value), "typed number not finite: " + text);
  FUZZ_CHECK((typed.state == numeric::TypedState::kRefused) ==
                 (typed.fault != numeric::TypedFault::kNone),
             "refused without a reason, or a reason without refusal: " + text);
  if (typed.state == numeric::TypedState::kNumber && typed.plain) {
    std::string point = text;
    std::replace(point.begin(), point.end(), ',', '.');
    const double plain = std::strtod(point.c_str(), nullptr);
    FUZZ_CHECK(typed.value == (plain == 0 ? 0.0 : plain), "plain number read otherwise: " + text);
  }
  (void)numeric::typed_value_text(typed.value);

  // What a field lets through gives the page a number, or the field says
  // what is wrong with it once the user is done; nothing is lost between.
  const int field_kind = std::array{numeric::kUnsignedInt, numeric::kUnsignedDecimal,
                                    numeric::kSignedDecimal}[pick % 3];
  const numeric::FilteredText kept = numeric::filter_typed(field_kind, text, 0);
  FUZZ_CHECK(kept.text.size() >= text.size(), "a typed key was dropped: " + text);
  const numeric::TypedNumber in_field = numeric::read_typed_number(
      kept.text, numeric::typed_rules(field_kind, typed_rules.unit, typed_rules.angle));
  const std::string used = numeric::used_number_text(kept.text, in_field);
  const std::string said =
      numeric::field_problem(kept.text, in_field, numeric::RangeRule{field_kind}, true,
                             [](i18n::TextId) { return "?"; });
  FUZZ_CHECK(in_field.state == numeric::TypedState::kEmpty || !used.empty() || !said.empty(),
             "neither a number nor a reason: " + text);
  FUZZ_CHECK(used.empty() || std::isfinite(numeric::read_double(used)),
             "the number used is not finite: " + text);
  return 0;
}
