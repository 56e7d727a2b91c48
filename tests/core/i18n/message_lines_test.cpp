#include "core/i18n/message_lines.h"

#include "core/unit_test.h"

TEST(MessageLines, BreaksBetweenWordsWithinTheWidth) {
  // Text, width, expected.
  const char* cases[][3] = {
      {"one two three", "7", "one two\nthree"}, // "one two" is 7 letters: it fits
      {"one two three", "6", "one\ntwo\nthree"},
      {"a /very/long/path b", "4", "a\n/very/long/path\nb"}, // the path keeps its line
      {"ab\ncd ef gh", "5", "ab\ncd ef\ngh"},                // a break in the text starts a line
      {"Gerät über Öl", "10", "Gerät über\nÖl"},             // ä, ü, Ö count once
      {"short", "80", "short"},
  };
  for (const auto& [text, width, expected] : cases)
    EXPECT_EQ(i18n::broken_into_lines(text, std::stoul(width)), expected) << text << "|" << width;
}
