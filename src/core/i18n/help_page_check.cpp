// What the help view is spared.
#include "core/i18n/help_page_check.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>

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

bool equal_nocase(std::string_view text, std::string_view word) {
  return text.size() == word.size() && starts_with_nocase(text, 0, word);
}

// The value of attribute `name` of the tag whose attributes begin at `at`,
// read as the view reads it: a name ends at a blank, '=' or '>'; a name
// without '=' has an empty value; a quoted value may run past a '>'.
std::optional<std::string> tag_attribute(std::string_view html, size_t at, std::string_view name) {
  size_t p = at;
  auto more = [&] { return p < html.size(); };
  while (more() && html[p] != '>') {
    while (more() && is_space(html[p]))
      ++p;
    if (!more() || html[p] == '>')
      return std::nullopt;
    const size_t start = p;
    while (more() && !is_space(html[p]) && html[p] != '=' && html[p] != '>')
      ++p;
    const std::string_view attribute = html.substr(start, p - start);
    std::string value;
    if (more() && html[p] == '=')
      for (++p; more() && !is_space(html[p]) && html[p] != '>';) {
        if (html[p] == '"' || html[p] == '\'') {
          const char quote = html[p++];
          while (more() && html[p] != quote)
            value += html[p++];
          if (more())
            ++p;
        } else {
          value += html[p++];
        }
      }
    if (equal_nocase(attribute, name))
      return value;
  }
  return std::nullopt;
}

// The number atoi reads from `text`; values too long to be a number count as none.
long leading_number(const std::string& text) {
  if (text.size() > 64)
    return 0;
  return std::clamp(std::atol(text.c_str()), -1000000000L, 1000000000L);
}

// One tag as the view sees it: from '<' to the first '>', named by what
// follows the '<' up to a blank or the '>'.
struct Tag {
  std::string_view name;
  size_t attributes; ///< where its attributes begin
  size_t end;        ///< its '>', or the end of the page
};

// Calls `visit(tag, in_comment)` for every tag. The view skips comments
// where it lays out the page but not where it measures a table, so tags in
// a comment are visited too, flagged.
template <typename Visit> void for_each_tag(std::string_view html, Visit visit) {
  size_t comment_end = 0;
  for (size_t i = html.find('<'); i != std::string_view::npos; i = html.find('<', i + 1)) {
    if (i >= comment_end && html.compare(i, 4, "<!--") == 0) {
      const size_t close = html.find("-->", i + 4);
      comment_end = close == std::string_view::npos ? html.size() : close + 3;
    }
    size_t name_end = i + 1;
    while (name_end < html.size() && !is_space(html[name_end]) && html[name_end] != '>')
      ++name_end;
    const size_t end = std::min(html.find('>', i), html.size());
    visit(Tag{html.substr(i + 1, name_end - i - 1), name_end, end}, i < comment_end);
    i = end;
  }
}

// A row may span at most kMaxHelpRowColumns columns, a cell at least one (the
// view divides by its span), and tables nest at most kMaxHelpTableDepth deep.
// Counted so that the count is never below the view's: a row or a table
// only ends where the view is sure to end it too.
HelpPageFault check_tables(std::string_view html) {
  HelpPageFault fault = HelpPageFault::kNone;
  long columns = 0;
  int depth = 0;
  for_each_tag(html, [&](const Tag& tag, bool in_comment) {
    if (fault != HelpPageFault::kNone)
      return;
    if (equal_nocase(tag.name, "td") || equal_nocase(tag.name, "th")) {
      const auto span = tag_attribute(html, tag.attributes, "colspan");
      const long wide = span ? leading_number(*span) : 1;
      if (wide < 1)
        fault = HelpPageFault::kSpan;
      else if ((columns += wide) > kMaxHelpRowColumns)
        fault = HelpPageFault::kRow;
    } else if (equal_nocase(tag.name, "tr") && !in_comment) {
      columns = 0;
    } else if (equal_nocase(tag.name, "table") && ++depth > kMaxHelpTableDepth) {
      fault = HelpPageFault::kRow;
    } else if (equal_nocase(tag.name, "/table") && !in_comment) {
      depth = std::max(depth - 1, 0);
    }
  });
  return fault;
}

} // namespace

HelpPageFault check_help_page(std::string_view html) {
  if (html.size() > kMaxHelpPageBytes)
    return HelpPageFault::kPage;
  for (auto check : {check_attributes, check_tables, check_runs})
    if (HelpPageFault fault = check(html); fault != HelpPageFault::kNone)
      return fault;
  return HelpPageFault::kNone;
}

std::vector<std::string> help_page_images(std::string_view html) {
  std::vector<std::string> images;
  for_each_tag(html, [&](const Tag& tag, bool) {
    if (equal_nocase(tag.name, "img"))
      if (auto src = tag_attribute(html, tag.attributes, "src"))
        images.push_back(*src);
  });
  return images;
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
