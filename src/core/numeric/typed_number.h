// Numbers typed the way drawings and books give them: decimals with a point
// or a comma, fractions and mixed numbers ("5/16", "1 1/4", "1-1/4"),
// + - * / (also x, × and ÷) with parentheses, a unit after a number in a
// length field ("12mm", "0.5in", "1/2\""), and in an angle field degrees,
// minutes and seconds ("30 15", "30°15'", "30:15:10"). The arithmetic is
// exact while the numbers are ("1/3*3" is 1); no text ever reads as inf or
// nan. Pure: the fields of the kit apply it.
#pragma once

#include <cstddef>
#include <string>

namespace numeric {

/// The unit a length field holds; units typed in it are converted into it.
enum class FieldUnit { kNone, kInch, kMm };

/// What a field takes.
struct TypedNumberRules {
  FieldUnit unit = FieldUnit::kNone;
  bool negative = false; ///< a minus sign and values below 0 are taken
  bool whole = false;    ///< the value must be a whole number
  bool angle = false;    ///< degrees, minutes and seconds are taken
};

/// How a text reads: nothing typed, a number, the start of one that isn't
/// finished ("1/", "(2+"), or one that can't be read.
enum class TypedState { kEmpty, kNumber, kUnfinished, kRefused };

/// Why a text can't be read.
enum class TypedFault {
  kNone,
  kUnexpected,     ///< `near` is the first text that doesn't belong ("+" in "2++3")
  kDivisionByZero, ///< "1/0"
  kNotWhole,       ///< a whole-number field given "7/2"
  kNegative,       ///< a field without negative values given "-2" or "1-2"
  kTooLarge,       ///< beyond what a double holds, or than kLargestTyped
  kTooLong,        ///< more than kLongestTyped characters
  kTooDeep,        ///< more than kDeepestTyped parentheses inside each other
  kNoUnitHere,     ///< a unit in a field that is no length
  kBadAngle,       ///< minutes or seconds of 60 or more
};

inline constexpr std::size_t kLongestTyped = 200;
inline constexpr int kDeepestTyped = 20;
/// Larger values are refused: no field means anything near it, and a
/// product of such numbers stays far from a double's end.
inline constexpr double kLargestTyped = 1e15;

struct TypedNumber {
  TypedState state = TypedState::kEmpty;
  double value = 0;
  /// The text is one plain decimal (blanks round it aside), shown as typed.
  bool plain = false;
  TypedFault fault = TypedFault::kNone;
  std::string near; ///< for kUnexpected: the text from the fault on, shortened
};

/// Reads `text` under `rules`.
TypedNumber read_typed_number(const std::string& text, const TypedNumberRules& rules);

/// A value as a field shows what was used: at most six decimals, trailing
/// zeros and a trailing point dropped, no minus zero ("1.25", "0.472441", "30").
std::string typed_value_text(double value);

} // namespace numeric
