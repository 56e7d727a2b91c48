// What a numeric entry field accepts: its range rule, the character filter
// applied on every key press, the range test and the text of the range hint.
// Pure: the checked input of the kit only applies these to a widget.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/numeric/number_text.h"

namespace numeric {

/// What one field accepts: its kind (an InputKind of number_text.h) and its
/// bounds. Each field declares its own where it is built.
struct RangeRule {
  int kind = 0;     ///< 0 unsigned integer, 2 unsigned decimal, 4 signed decimal
  double min = 0.0; ///< lower bound (a whole number for the integer kinds)
  double max = 0.0; ///< upper bound; max == min means "no range, only filtered"

  constexpr bool has_range() const { return max != min; }
};

/// Any whole number from 0 up to the largest a field holds.
constexpr RangeRule any_whole_number() { return {kUnsignedInt, 0.0, 0.0}; }
/// Whole numbers from `lower` to `upper`.
constexpr RangeRule whole_number_in(long lower, long upper) {
  return {kUnsignedInt, static_cast<double>(lower), static_cast<double>(upper)};
}
/// Any decimal of 0 or more (lengths, pitches).
constexpr RangeRule any_decimal() { return {kUnsignedDecimal, 0.0, 0.0}; }
/// Decimals from `lower` to `upper`.
constexpr RangeRule decimal_in(double lower, double upper) {
  return {kUnsignedDecimal, lower, upper};
}
/// Any decimal, negative ones too (coordinates, temperatures).
constexpr RangeRule any_signed_decimal() { return {kSignedDecimal, 0.0, 0.0}; }
/// Decimals, negative ones too, from `lower` to `upper`.
constexpr RangeRule signed_decimal_in(double lower, double upper) {
  return {kSignedDecimal, lower, upper};
}

/// Degrees, minutes and seconds of an angle below 180° typed in three fields
/// (a hair above 59 seconds is still taken).
inline constexpr std::array<RangeRule, 3> kDmsRules = {
    whole_number_in(0, 179), whole_number_in(0, 59), decimal_in(0.0, 59.0000009)};

/// A field's text and caret after filtering.
struct FilteredText {
  std::string text;
  int caret = 0;
};

/// The filter run after each key press in a field of `kind`:
/// kind 0 keeps digits only; kinds 2 and 4 keep digits and one '.', kind 4
/// also a leading sign; a comma counts as a point there; a leading '.'
/// becomes "0."; a second point is refused. The caret follows the
/// characters it stood between.
FilteredText filter_input(int kind, const std::string& text, int caret);

/// The filter run after each key press in a field that reads arithmetic
/// (`kind` as in filter_input): nothing is dropped; in the decimal kinds a
/// comma becomes a point and a leading '.' becomes "0.". The caret follows.
FilteredText filter_typed(int kind, const std::string& text, int caret);

/// A pasted text as the field shows it ("12,5" -> "12.5" in a decimal
/// field), or nothing when it is not one number of the kind: blanks round it
/// are dropped, anything else that doesn't belong to a number refuses the
/// whole text, and so do two separators ("1,234.5", "1.234,5").
std::optional<std::string> read_pasted_number(int kind, const std::string& text);

/// The largest whole number a field holds: the pages count in 32-bit
/// integers, and a bigger number must be refused, never cut down to fit.
inline constexpr long kLargestWhole = 2147483647;

/// Whether `text` lies outside the rule's range. Integers are read with
/// read_long, decimals with read_double. Without a range, a decimal is never
/// out of it and an integer only beyond kLargestWhole (or below 0 unsigned).
bool out_of_range(const RangeRule& rule, const std::string& text);

/// The hint shown when leaving a red field: "1 <=> 50" for integers
/// ("%d <=> %d"), "-360 <=> 360" for decimals ("%g <=> %g"); an integer
/// field without a range names what it holds, "0 <=> 2147483647".
std::string range_message_text(const RangeRule& rule);

} // namespace numeric
