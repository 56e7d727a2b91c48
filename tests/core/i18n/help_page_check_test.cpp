// Help pages the HTML view would crash or stall on are caught beforehand.
#include "core/i18n/help_page_check.h"
#include "core/i18n/help_page_files.h"

#include <sys/stat.h>

#include "core/settings/ini_files.h"
#include "core/unit_test.h"

using i18n::HelpPageFault;
using i18n::kMaxHelpImageBytes;
using i18n::kMaxHelpPageBytes;

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

std::string repeat(const std::string& text, int times) {
  std::string out;
  while (times-- > 0)
    out += text;
  return out;
}

// The view keeps 200 columns a table, divides a cell's width by its span and
// rescans every enclosing table for each nested one.
TEST(HelpPageCheck, WideRowsEmptySpansAndDeepTablesAreRefused) {
  const HelpPageFault none = HelpPageFault::kNone, span = HelpPageFault::kSpan,
                      row = HelpPageFault::kRow;
  const std::string cells = "<tr>" + repeat("<td>x", 60);
  // clang-format off
  const std::pair<std::string, HelpPageFault> cases[] = {
      {"<table><tr>" + repeat("<td>x</td>", 100) + "</tr></table>", none},
      {"<table><tr>" + repeat("<TD>x</TD>", 100) + "<th>y</table>", row}, {repeat("<td>", 101), row},
      {cells + cells + "</table>", none}, {cells + "<!-- a > <tr> -->" + cells.substr(4), row},
      {"<tr><td colspan=60><td colspan=\"41\">", row}, {"<tr><td colspan=60><td colspan=40>", none},
      // a quoted value runs on past the '>', and the view reads the span there
      {"<tr><td title=\"a>\" colspan=100><td>", row},
      {"<td colspan=0>", span}, {"<td colspan>", span}, {"<td colspan =5>", span},
      {"<td colspan=\"abc\">", span}, {"<td colspan=-3>", span}, {"<th colspan=''>", span},
      {"<td colspan=1 colspan=0>x", none}, {"<td xcolspan=0 title=colspan>", none},
      {repeat("<table><tr><td>", 20) + "x", none}, {repeat("<table><tr><td>", 21) + "x", row},
      {repeat("<table><tr><td>x</table>", 30), none},
      {repeat("<table>", 20) + "<!-- </table> --><table>", row},
      {std::string(kMaxHelpPageBytes, ' '), none},
      {std::string(kMaxHelpPageBytes + 1, ' '), HelpPageFault::kPage}};
  // clang-format on
  for (const auto& [html, fault] : cases)
    EXPECT_EQ(i18n::check_help_page(html), fault) << html.substr(0, 60);
  EXPECT_EQ(i18n::help_page_images("<img src=\"a.gif\" width=3><IMG alt=x SRC='b c.png'>src=d "
                                   "<img alt=e><imgs src=f>"),
            (std::vector<std::string>{"a.gif", "b c.png"}));
}

// Pictures only from plain files of the language folder, never a pipe or a
// device, and pages only from plain files of a help page's size.
TEST(HelpPageFiles, OnlyPlainFilesOfTheLanguageFolderAreRead) {
  TempDir dir;
  const std::string language = dir.file("language"), en = language + "/en";
  std::filesystem::create_directories(en);
  dir.write_file("language/en/a.gif", "GIF89a");
  dir.write_file("outside.gif", "GIF89a");
  std::filesystem::resize_file(dir.write_file("language/en/big.gif", ""), kMaxHelpImageBytes + 1);
  std::filesystem::resize_file(dir.write_file("language/en/top.gif", ""), kMaxHelpImageBytes);
  std::filesystem::create_symlink(dir.file("outside.gif"), en + "/out.gif");
  std::filesystem::create_symlink(en + "/a.gif", en + "/in.gif");
  ASSERT_EQ(mkfifo((en + "/pipe.gif").c_str(), 0600), 0);
  const std::pair<std::string, bool> pictures[] = {
      {"a.gif", true},         {"in.gif", true},
      {"../en/%61.gif", true}, {"file:" + en + "/top.gif", true},
      {"big.gif", false},      {"pipe.gif", false},
      {"out.gif", false},      {"../../outside.gif", false},
      {"/dev/zero", false},    {"http://x/a.gif", false},
      {"missing.gif", false},  {"", false}};
  for (const auto& [src, allowed] : pictures)
    EXPECT_EQ(i18n::check_help_images("<p><img src=\"" + src + "\">", en, language),
              allowed ? HelpPageFault::kNone : HelpPageFault::kImage)
        << src;

  EXPECT_EQ(i18n::read_help_page(dir.write_file("p.html", "<p>x</p>")), "<p>x</p>");
  const std::string largest(kMaxHelpPageBytes, 'x');
  EXPECT_EQ(i18n::read_help_page(dir.write_file("largest.html", largest)), largest);
  for (const std::string& refused :
       {dir.write_file("huge.html", largest + "x"), en + "/pipe.gif", std::string("/dev/zero"), en})
    EXPECT_EQ(i18n::read_help_page(refused), std::nullopt) << refused;
}

// What ships must pass the checks that shut out the broken.
TEST(HelpPageFiles, TheShippedPagesAreShown) {
  for (const auto& file : std::filesystem::recursive_directory_iterator(TOOLROOM_LANGUAGE_DIR)) {
    if (file.path().extension() != ".html")
      continue;
    const auto text = i18n::read_help_page(file.path().string());
    ASSERT_TRUE(text) << file.path();
    EXPECT_EQ(i18n::check_help_page(*text), HelpPageFault::kNone) << file.path();
    EXPECT_EQ(
        i18n::check_help_images(*text, file.path().parent_path().string(), TOOLROOM_LANGUAGE_DIR),
        HelpPageFault::kNone)
        << file.path();
  }
}

TEST(HelpPageCheck, PathsKeepTheirHashAndPercentSigns) {
  EXPECT_EQ(i18n::escape_help_path("/opt/C#/100%/pdc.html"), "/opt/C%23/100%25/pdc.html");
  EXPECT_EQ(i18n::unescape_help_path("/opt/C%23/100%25/a%20b.html"), "/opt/C#/100%/a b.html");
  EXPECT_EQ(i18n::unescape_help_path("/opt/%zz/%4"), "/opt/%zz/%4");
  EXPECT_EQ(i18n::unescape_help_path("%41%42"), "AB"); // an escape that ends the path
}
