#include "core/numeric/input_rules.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/numeric/number_text.h"

namespace numeric {

namespace {

/// Which characters besides digits a kind accepts.
struct Accepts {
  bool point = false;
  bool sign = false; ///< only as the first character
};

Accepts accepts(int kind) {
  switch (kind) {
  case kSignedInt:
    return {false, true};
  case kUnsignedDecimal:
    return {true, false};
  case kSignedDecimal:
  case kFilteredDecimal:
    return {true, true};
  default: // unsigned integer, and anything unknown is filtered as strictly
    return {false, false};
  }
}

bool is_integer_kind(int kind) { return kind == kUnsignedInt || kind == kSignedInt; }

long lowest_whole(int kind) { return kind == kSignedInt ? -kLargestWhole : 0; }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool is_sign(char c) { return c == '+' || c == '-'; }

/// Removes the character at `index`; a caret behind it moves with the text.
void erase_at(FilteredText& field, std::size_t index) {
  field.text.erase(index, 1);
  if (static_cast<int>(index) < field.caret)
    --field.caret;
}

/// ".5" becomes "0.5". The caret lands after the point when it stood before it.
void repair_leading_point(FilteredText& field) {
  if (field.text.empty() || field.text[0] != '.')
    return;
  field.text.insert(0, 1, '0');
  field.caret = field.caret == 0 ? 2 : field.caret + 1;
}

/// Keeps one point. The one just typed is at the caret or the nearest before
/// it, so that one goes; with none there, the first point goes.
void refuse_extra_points(FilteredText& field) {
  while (std::count(field.text.begin(), field.text.end(), '.') > 1) {
    const std::size_t caret = static_cast<std::size_t>(field.caret);
    std::size_t point = std::string::npos;
    if (caret < field.text.size() && field.text[caret] == '.')
      point = caret;
    else if (caret > 0)
      point = field.text.rfind('.', caret - 1);
    if (point == std::string::npos)
      point = field.text.find('.');
    erase_at(field, point);
  }
}

bool is_separator(char c) { return c == '.' || c == ','; }

std::string format_g(double value) { return numeric::printf_text("%g", value); }

} // namespace

FilteredText filter_input(int kind, const std::string& text, int caret) {
  const Accepts accept = accepts(kind);
  const int length = static_cast<int>(text.size());
  FilteredText field;
  field.caret = std::clamp(caret, 0, length);
  const int original_caret = field.caret;

  // One pass from the front, so a sign counts as leading once the rejected
  // characters before it are gone: a letter typed in front of "-5" must not
  // take the minus sign with it.
  for (int i = 0; i < length; ++i) {
    char c = text[static_cast<std::size_t>(i)];
    // A comma is a decimal point typed by habit (and the German keypad's
    // decimal key): it becomes the program's one separator, never dropped.
    if (accept.point && c == ',')
      c = '.';
    const bool keep = is_digit(c) || (accept.point && c == '.') ||
                      (accept.sign && field.text.empty() && is_sign(c));
    if (keep)
      field.text += c;
    else if (i < original_caret)
      --field.caret;
  }

  if (accept.point) {
    repair_leading_point(field);
    refuse_extra_points(field);
  }
  field.caret = std::clamp(field.caret, 0, static_cast<int>(field.text.size()));
  return field;
}

FilteredText filter_typed(int kind, const std::string& text, int caret) {
  FilteredText field{text, std::clamp(caret, 0, static_cast<int>(text.size()))};
  if (!accepts(kind).point)
    return field;
  std::replace(field.text.begin(), field.text.end(), ',', '.');
  repair_leading_point(field);
  return field;
}

std::optional<std::string> read_pasted_number(int kind, const std::string& text) {
  const Accepts accept = accepts(kind);
  std::size_t begin = 0, end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
    ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
    --end;
  const std::string number = text.substr(begin, end - begin);
  std::size_t digits = 0, separators = 0;
  for (std::size_t i = 0; i < number.size(); ++i) {
    const char c = number[i];
    if (is_digit(c))
      ++digits;
    else if (is_separator(c) && accept.point)
      ++separators;
    else if (!(i == 0 && is_sign(c) && accept.sign))
      return std::nullopt;
  }
  // "1,234.5" and "1.234,5" are one number only to a reader who knows which
  // mark groups thousands; guessing would give a number off by a factor 1000.
  if (digits == 0 || separators > 1)
    return std::nullopt;
  return filter_input(kind, number, static_cast<int>(number.size())).text;
}

bool out_of_range(const RangeRule& rule, const std::string& text) {
  if (is_integer_kind(rule.kind) && !rule.has_range()) {
    const long value = read_long(text);
    return value > kLargestWhole || value < lowest_whole(rule.kind);
  }
  if (!rule.has_range())
    return false;
  if (is_integer_kind(rule.kind)) {
    // Compared as long: a huge typed number stays out of range instead of
    // wrapping round into it as a 32-bit value would.
    const long value = read_long(text);
    return value > static_cast<long>(rule.max) || value < static_cast<long>(rule.min);
  }
  const double value = read_double(text);
  // Written so that a value that is not a number counts as out of range.
  return !(value >= rule.min && value <= rule.max);
}

std::string range_message_text(const RangeRule& rule) {
  if (is_integer_kind(rule.kind) && !rule.has_range())
    return std::to_string(lowest_whole(rule.kind)) + " <=> " + std::to_string(kLargestWhole);
  if (is_integer_kind(rule.kind))
    return std::to_string(static_cast<long>(rule.min)) + " <=> " +
           std::to_string(static_cast<long>(rule.max));
  return format_g(rule.min) + " <=> " + format_g(rule.max);
}

} // namespace numeric
