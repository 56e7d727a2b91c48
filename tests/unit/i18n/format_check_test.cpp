// Language texts used as printf formats: only matching ones are formatted.
#include "i18n/format_check.h"

#include <gtest/gtest.h>

using i18n::checked_format;
using i18n::format_conversions;
using i18n::format_matches;

TEST(FormatCheck, ConversionsAreListedInOrder) {
  struct Case {
    const char* text;
    const char* conversions; // nullptr: refused
  };
  const Case cases[] = {
      {"Measure across %d teeth (%d pitches)", "dd"},
      {"100%% sure %s", "s"},
      {"%c%cWith %d teeth use %s.", "ccds"},
      {"%5.2f mm", "f"},
      {"plain text", ""},
      {"%s%s%n", nullptr},    // %n writes memory
      {"%*d", nullptr},       // '*' takes an argument we don't pass
      {"%1$d", nullptr},      // positional arguments
      {"%ld", nullptr},       // length modifier
      {"ends in %", nullptr}, // unfinished
      {"%q", nullptr},        // unknown
      {"%-08.3f|%99d|%.10g", "fdg"},
      {"%100d", nullptr},        // a width that long is a memory bomb
      {"%.999999999f", nullptr}, // and so is such a precision
      {"%0002147483647d", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto found = format_conversions(c.text);
    if (c.conversions) {
      ASSERT_TRUE(found.has_value());
      EXPECT_EQ(*found, c.conversions);
    } else {
      EXPECT_FALSE(found.has_value());
    }
  }
}

TEST(FormatCheck, MatchingTextsAreFormatted) {
  EXPECT_EQ(checked_format("Measure across %d teeth (%d pitches)", "dd", 4, 3),
            "Measure across 4 teeth (3 pitches)");
  EXPECT_EQ(checked_format("Too few.%c%cWith %d teeth use %s.", "ccds", 10, 10, 24, "20°"),
            "Too few.\n\nWith 24 teeth use 20°.");
  EXPECT_TRUE(format_matches("%i and %u", "dd"));
}

TEST(FormatCheck, HostileOrWrongTextsAreShownAsTheyStand) {
  const char* hostile[] = {"%s%s%n", "%d %d %d", "%s teeth", "%d", "%n", "%f %d"};
  for (const char* text : hostile) {
    SCOPED_TRACE(text);
    EXPECT_EQ(checked_format(text, "dd", 4, 3), text);
  }
}
