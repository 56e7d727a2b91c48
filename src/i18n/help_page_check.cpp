// What the help view is spared.
#include "i18n/help_page_check.h"

#include <cctype>
#include <cstdlib>

namespace i18n {

namespace {

bool is_word_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
bool is_space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool starts_with_nocase(std::string_view text, size_t at, std::string_view word) {
  if (text.size() - at < word.size())
    return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i])
      return false;
  return true;
}

// The number an attribute gives at `at` (just after its name), read the way
// the view reads it: spaces, '=', spaces, an optional quote, then atoi.
// Its size only; -1 when no '=' follows. Too many digits count as huge.
long attribute_size(std::string_view text, size_t at) {
  auto skip_spaces = [&] {
    while (at < text.size() && is_space(text[at]))
      ++at;
  };
  skip_spaces();
  if (at >= text.size() || text[at] != '=')
    return -1;
  ++at;
  skip_spaces();
  if (at < text.size() && (text[at] == '"' || text[at] == '\''))
    ++at;
  skip_spaces();
  if (at < text.size() && (text[at] == '-' || text[at] == '+'))
    ++at;
  long value = 0;
  for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
    value = value * 10 + (text[at] - '0');
    if (value > 1000000000L)
      return value;
  }
  return value;
}

// The view reads attributes past the end of a tag where quotes say so, and
// ends tags at the first '>' where they don't; so every place that looks
// like one of these attributes is checked, whether in a tag or not.
HelpPageFault check_attributes(std::string_view html) {
  struct Limit {
    std::string_view name;
    long most;
    HelpPageFault fault;
  };
  constexpr Limit limits[] = {{"colspan", kMaxHelpSpan, HelpPageFault::kSpan},
                              {"rowspan", kMaxHelpSpan, HelpPageFault::kSpan},
                              {"width", kMaxHelpPixels, HelpPageFault::kSize},
                              {"height", kMaxHelpPixels, HelpPageFault::kSize}};
  for (size_t i = 0; i < html.size(); ++i) {
    if (i > 0 && is_word_char(html[i - 1]))
      continue;
    for (const Limit& limit : limits)
      if (starts_with_nocase(html, i, limit.name) &&
          attribute_size(html, i + limit.name.size()) > limit.most)
        return limit.fault;
  }
  return HelpPageFault::kNone;
}

// Text between tags: no word longer than kMaxHelpRun letters, and inside
// <pre> no line that long either (the view draws such lines whole).
HelpPageFault check_runs(std::string_view html) {
  bool in_pre = false;
  size_t run = 0;
  for (size_t i = 0; i < html.size(); ++i) {
    char c = html[i];
    if (c == '<') {
      if (starts_with_nocase(html, i + 1, "pre") && i + 4 < html.size() &&
          !is_word_char(html[i + 4]))
        in_pre = true;
      else if (starts_with_nocase(html, i + 1, "/pre"))
        in_pre = false;
      size_t end = html.find('>', i);
      if (end == std::string_view::npos)
        break;
      i = end;
    } else if (c == '\n' || (!in_pre && is_space(c))) {
      run = 0;
    } else if (++run > kMaxHelpRun) {
      return HelpPageFault::kLongRun;
    }
  }
  return HelpPageFault::kNone;
}

} // namespace

HelpPageFault check_help_page(std::string_view html) {
  HelpPageFault fault = check_attributes(html);
  return fault != HelpPageFault::kNone ? fault : check_runs(html);
}

std::string escape_help_path(std::string_view path) {
  std::string out;
  for (char c : path) {
    if (c == '%')
      out += "%25";
    else if (c == '#')
      out += "%23";
    else
      out += c;
  }
  return out;
}

std::string unescape_help_path(std::string_view uri) {
  std::string out;
  for (size_t i = 0; i < uri.size(); ++i) {
    if (uri[i] == '%' && i + 2 < uri.size() &&
        std::isxdigit(static_cast<unsigned char>(uri[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(uri[i + 2]))) {
      out += static_cast<char>(std::strtol(std::string(uri.substr(i + 1, 2)).c_str(), nullptr, 16));
      i += 2;
    } else {
      out += uri[i];
    }
  }
  return out;
}

} // namespace i18n
