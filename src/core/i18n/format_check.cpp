// Checks the conversions of a printf format taken from a language file.
#include "core/i18n/format_check.h"

#include <cstring>

namespace i18n {

namespace {

// Steps over the digits at `i`; false when there are more than two.
bool skip_small_number(const std::string& text, size_t& i) {
  const size_t start = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9')
    ++i;
  return i - start <= 2;
}

} // namespace

std::optional<std::string> format_conversions(const std::string& text) {
  std::string conversions;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%')
      continue;
    ++i;
    if (i < text.size() && text[i] == '%')
      continue;
    // Flags, width and precision in plain digits are harmless; '*' would take
    // an argument we don't pass, '$' reorders them. A width or precision of
    // more than two digits is refused: "%999999999d" would fill a gigabyte.
    while (i < text.size() && std::strchr("-+ 0#", text[i]))
      ++i;
    if (!skip_small_number(text, i))
      return std::nullopt;
    if (i < text.size() && text[i] == '.') {
      ++i;
      if (!skip_small_number(text, i))
        return std::nullopt;
    }
    if (i >= text.size())
      return std::nullopt;
    char c = text[i];
    if (!std::strchr("dicsfgeuxX", c))
      return std::nullopt; // %n, length modifiers, '*', '$', unknown letters
    if (c == 'i')
      c = 'd';
    conversions += c;
  }
  return conversions;
}

bool format_matches(const std::string& text, const std::string& expected) {
  auto conversions = format_conversions(text);
  if (!conversions)
    return false;
  if (conversions->size() != expected.size())
    return false;
  for (size_t i = 0; i < expected.size(); ++i) {
    char want = expected[i];
    char have = (*conversions)[i];
    // Any floating conversion takes a double; d/u/x/X/c all take an int.
    auto is_float = [](char k) { return k == 'f' || k == 'g' || k == 'e'; };
    auto is_int = [](char k) { return k == 'd' || k == 'u' || k == 'x' || k == 'X'; };
    bool ok = want == have || (is_float(want) && is_float(have)) || (want == 'd' && is_int(have));
    if (!ok)
      return false;
  }
  return true;
}

} // namespace i18n
