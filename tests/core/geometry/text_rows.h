// Table rows written as one text: fields split at blanks, where "_" is an
// empty field and a trailing "!" marks a field shown red; results joined the
// same way, so one comparison names every field of a row.
#pragma once

#include <array>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/geometry/typed_text.h"
#include "core/i18n/text_id.h"
#include "support/joined.h"

namespace text_rows {

inline std::vector<std::string> split(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string word; in >> word;)
    out.push_back(word == "_" ? "" : word);
  return out;
}

template <class Texts> std::string join(const Texts& texts, const char* separator = " ") {
  std::string out;
  for (const std::string& t : texts)
    out += (out.empty() ? "" : separator) + (t.empty() ? std::string("_") : t);
  return out;
}

inline std::string numbers(std::initializer_list<int> values) {
  return testing_support::joined(values);
}
/// String-table entries by their numbers.
inline std::string numbers(std::initializer_list<i18n::TextId> texts) {
  return testing_support::joined(texts);
}

/// The first N fields of `text` as typed texts; missing ones are empty.
template <size_t N> std::array<geometry::TypedText, N> typed_fields(const std::string& text) {
  const std::vector<std::string> words = split(text);
  std::array<geometry::TypedText, N> out{};
  for (size_t i = 0; i < N && i < words.size(); ++i) {
    const bool red = !words[i].empty() && words[i].back() == '!';
    out[i] = {red ? words[i].substr(0, words[i].size() - 1) : words[i], red};
  }
  return out;
}

/// "4,0" as the two numbers it holds.
inline std::pair<double, double> number_pair(const std::string& text) {
  const size_t comma = text.find(',');
  return {std::stod(text.substr(0, comma)), std::stod(text.substr(comma + 1))};
}

} // namespace text_rows
