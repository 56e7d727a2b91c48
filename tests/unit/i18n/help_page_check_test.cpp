// Help pages the HTML view would crash or stall on are caught beforehand.
#include "i18n/help_page_check.h"

#include "unit/unit_test.h"

using i18n::HelpPageFault;

TEST(HelpPageCheck, AbsurdSpansSizesAndRunsAreRefused) {
  const std::string word(10000, 'a');
  const std::string spaced = "<pre>" + std::string(5000, ' ') + word + "</pre>";
  const HelpPageFault none = HelpPageFault::kNone, span = HelpPageFault::kSpan,
                      size = HelpPageFault::kSize, run = HelpPageFault::kLongRun;
  // clang-format off
  const std::pair<std::string, HelpPageFault> cases[] = {
      {"<table><tr><td colspan=100 rowspan=3>x</td></tr></table>", none},
      {"<td colspan=101>", span}, {"<TD ROWSPAN = \"100000\">", span},
      // the view ends the first tag at '>' and reads the second one as a tag
      {"<td title=\"><td colspan=100000>\">", span},
      {"<img src=a.png width=2000000000 height=10>", size}, {"<img width=-2000000000>", size},
      {"<img src=a.png width=10000 height='10001'>", size}, {"<img width=99999999999999999999>", size},
      {"<table width=\"100%\"><img src=a.png width=10000 height=10000>", none},
      {"bandwidth=20000 height 20000", none},
      {"<p>" + word + "</p>", none}, {"<p>" + word + "a</p>", run}, {word + "<b>a</b>", run},
      {"<p>" + word + " " + word + "</p>", none}, {spaced, run}, {"<p>" + spaced.substr(5), none},
      // after a closed <pre> a blank ends a word again
      {"<pre>" + word + "\n" + word + "</pre>", none}, {"<pre></pre>" + word + " " + word, none}};
  // clang-format on
  for (const auto& [html, fault] : cases)
    EXPECT_EQ(i18n::check_help_page(html), fault) << html.substr(0, 60);
}

TEST(HelpPageCheck, PathsKeepTheirHashAndPercentSigns) {
  EXPECT_EQ(i18n::escape_help_path("/opt/C#/100%/pdc.html"), "/opt/C%23/100%25/pdc.html");
  EXPECT_EQ(i18n::unescape_help_path("/opt/C%23/100%25/a%20b.html"), "/opt/C#/100%/a b.html");
  EXPECT_EQ(i18n::unescape_help_path("/opt/%zz/%4"), "/opt/%zz/%4");
}
