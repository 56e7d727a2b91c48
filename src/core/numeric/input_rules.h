// What a numeric entry field accepts: the character filter applied on every
// key press, the range test, the text of the range hint, and the table of the
// 56 range rules that the pages' fields use. Pure: the FLTK callback in
// src/app/checked_input.cpp only applies these to a widget.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace numeric {

/// Accepted values of one group of like fields.
struct RangeRule {
  int kind = 0;     ///< 0 unsigned integer, 2 unsigned decimal, 4 signed decimal
  double min = 0.0; ///< lower bound (a whole number for kind 0)
  double max = 0.0; ///< upper bound; max == min means "no range, only filtered"
  long arg = 0;     ///< flag handed to the page's routines (1: value is typed, not derived)

  bool has_range() const { return max != min; }
};

/// The 56 rules, indexed by record number. Bounds and kinds are fixed; which
/// page routine runs is attached by the page that owns the field.
extern const std::array<RangeRule, 56> kRangeRules;

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
