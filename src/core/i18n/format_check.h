// Language texts that the program fills in with numbers ("Measure across
// %d teeth (%d pitches)") come from files anyone can edit. Before such a
// text reaches printf its conversions are checked against what the program
// passes; a text that doesn't match is shown as it stands, never formatted.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace i18n {

/// The conversion letters of a printf format in order ("%d teeth (%d)" ->
/// "dd"; "%%" is not a conversion). nullopt when the text holds anything we
/// won't hand to printf: flags/width/precision with '*', a width or
/// precision over two digits, length modifiers, %n, positional arguments or
/// an unknown or unfinished conversion.
std::optional<std::string> format_conversions(const std::string& text);

/// True when `text` has exactly the conversions `expected` (e.g. "dd", "ccds").
bool format_matches(const std::string& text, const std::string& expected);

/// Formats `text` with `args` when its conversions are exactly `expected`;
/// otherwise returns `text` unchanged. `expected` must describe `args`
/// (d: int, c: int, s: const char*, f/g: double).
template <typename... Args>
std::string checked_format(const std::string& text, const std::string& expected, Args... args) {
  if (!format_matches(text, expected))
    return text;
  int size = std::snprintf(nullptr, 0, text.c_str(), args...);
  if (size < 0)
    return text;
  std::string out(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(out.data(), out.size(), text.c_str(), args...);
  out.resize(static_cast<size_t>(size));
  return out;
}

} // namespace i18n
