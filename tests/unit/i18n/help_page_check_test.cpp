// Help pages the HTML view would crash or stall on are caught beforehand.
#include "i18n/help_page_check.h"

#include <gtest/gtest.h>

#include <string>

using i18n::HelpPageFault;

TEST(HelpPageCheck, AbsurdSpansSizesAndRunsAreRefused) {
  const std::string word(10000, 'a');
  const std::string spaced = "<pre>" + std::string(5000, ' ') + word + "</pre>";
  // clang-format off
  const std::pair<std::string, HelpPageFault> cases[] = {
      {"<table><tr><td colspan=100 rowspan=3>x</td></tr></table>", HelpPageFault::kNone},
      {"<td colspan=101>", HelpPageFault::kSpan}, {"<TD ROWSPAN = \"100000\">", HelpPageFault::kSpan},
      // the view ends the first tag at '>' and reads the second one as a tag
      {"<td title=\"><td colspan=100000>\">", HelpPageFault::kSpan},
      {"<img src=a.png width=2000000000 height=10>", HelpPageFault::kSize},
      {"<img src=a.png width=10000 height='10001'>", HelpPageFault::kSize},
      {"<img width=99999999999999999999>", HelpPageFault::kSize},
      {"<img width=-2000000000>", HelpPageFault::kSize},
      {"<table width=\"100%\"><img src=a.png width=10000 height=10000>", HelpPageFault::kNone},
      {"bandwidth=20000 height 20000", HelpPageFault::kNone},
      {"<p>" + word + "</p>", HelpPageFault::kNone}, {"<p>" + word + "a</p>", HelpPageFault::kLongRun},
      {word + "<b>a</b>", HelpPageFault::kLongRun}, {"<p>" + word + " " + word + "</p>", HelpPageFault::kNone},
      {spaced, HelpPageFault::kLongRun}, {"<p>" + spaced.substr(5), HelpPageFault::kNone},
      {"<pre>" + word + "\n" + word + "</pre>", HelpPageFault::kNone}};
  // clang-format on
  for (const auto& [html, fault] : cases)
    EXPECT_EQ(i18n::check_help_page(html), fault) << html.substr(0, 60);
}

TEST(HelpPageCheck, PathsKeepTheirHashAndPercentSigns) {
  EXPECT_EQ(i18n::escape_help_path("/opt/C#/100%/pdc.html"), "/opt/C%23/100%25/pdc.html");
  EXPECT_EQ(i18n::unescape_help_path("/opt/C%23/100%25/a%20b.html"), "/opt/C#/100%/a b.html");
  EXPECT_EQ(i18n::unescape_help_path("/opt/%zz/%4"), "/opt/%zz/%4");
}
