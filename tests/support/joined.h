// A list as one line of text ("8 10 12"), the way the tests compare lists.
#pragma once

#include <string>

#include "core/i18n/text_id.h"

namespace testing_support {

inline std::string as_text(const std::string& text) { return text; }
inline std::string as_text(int number) { return std::to_string(number); }
inline std::string as_text(i18n::TextId text) { return std::to_string(text.entry); }

template <class List> std::string joined(const List& items, const char* between = " ") {
  std::string text;
  bool first = true;
  for (const auto& item : items) {
    text += (first ? "" : between) + as_text(item);
    first = false;
  }
  return text;
}

} // namespace testing_support
