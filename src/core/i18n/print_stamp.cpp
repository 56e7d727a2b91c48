#include "core/i18n/print_stamp.h"

#include <cstdio>

namespace i18n {

namespace {
bool is_space(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
bool is_small_ascii(char c) { return c >= 'a' && c <= 'z'; }
} // namespace

std::string printed_title(const char* nav_text) {
  std::string title;
  if (!nav_text)
    return title;
  const std::string text = nav_text;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!is_space(text[i])) {
      title += text[i];
      continue;
    }
    std::size_t next = i;
    while (next < text.size() && is_space(text[next]))
      ++next;
    const bool split_word = !title.empty() && title.back() == '-' && title.size() > 1 &&
                            !is_space(title[title.size() - 2]) && next < text.size() &&
                            is_small_ascii(text[next]);
    if (split_word)
      title.pop_back();
    else if (!title.empty() && next < text.size())
      title += ' ';
    i = next - 1;
  }
  return title;
}

std::string printed_date(int year, int month, int day) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

} // namespace i18n
