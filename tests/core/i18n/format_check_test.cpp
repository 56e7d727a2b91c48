// Language texts used as printf formats: only matching ones are formatted.
#include "core/i18n/format_check.h"

#include "core/unit_test.h"

using i18n::checked_format;
using i18n::format_matches;

TEST(FormatCheck, ConversionsAreListedInOrder) {
  // The conversions, or "-" where the text is refused: %n writes memory, '*' takes an argument
  // we don't pass, then positional arguments, a length modifier, an unfinished and an unknown
  // conversion, and widths and precisions so long they are memory bombs.
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"Measure across %d teeth (%d pitches)", "dd"}, {"100%% sure %s", "s"},
      {"%c%cWith %d teeth use %s.", "ccds"}, {"%5.2f mm", "f"}, {"plain text", ""},
      {"%i%u%x%X%e", "duxXe"}, {"%-08.3f|%99d|%.10g", "fdg"}, {"%s%s%n", "-"}, {"%*d", "-"},
      {"%1$d", "-"}, {"%ld", "-"}, {"ends in %", "-"}, {"%q", "-"}, {"%100d", "-"},
      {"%.999999999f", "-"}, {"%0002147483647d", "-"}};
  // clang-format on
  for (const auto& [text, conversions] : cases)
    EXPECT_EQ(i18n::format_conversions(text).value_or("-"), conversions) << text;
}

TEST(FormatCheck, OnlyMatchingTextsAreFormatted) {
  EXPECT_EQ(checked_format("Measure across %d teeth (%d pitches)", "dd", 4, 3),
            "Measure across 4 teeth (3 pitches)");
  EXPECT_EQ(checked_format("Too few.%c%cWith %d teeth use %s.", "ccds", 10, 10, 24, "20°"),
            "Too few.\n\nWith 24 teeth use 20°.");
  // Any floating conversion takes a double, d/u/x/X an int; a char is not an int here.
  // clang-format off
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"%i and %u", "dd", true}, {"%g %e", "ff", true}, {"%x %X", "dd", true}, {"%d", "f", false},
      {"%f", "d", false}, {"%c", "d", false}, {"%d", "c", false}, {"%d %d %d", "dd", false},
      {"%d", "dd", false}, {"%n", "dd", false}};
  // clang-format on
  for (const auto& [text, expected, matches] : cases)
    EXPECT_EQ(format_matches(text, expected), matches) << text << " for " << expected;
  // Hostile or wrong texts are shown as they stand.
  for (const char* text : {"%s%s%n", "%d %d %d", "%s teeth", "%d", "%n", "%f %d"})
    EXPECT_EQ(checked_format(text, "dd", 4, 3), text);
}
