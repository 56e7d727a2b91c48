// The printed indexing table, written to a PostScript file: pages as the
// rows need, the column headers, whole-turn rows, divisions without a
// solution left out.
#include <gtest/gtest.h>

#include <FL/Fl_PostScript.H>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "calc/workshop/dividing_head_print.h"
#include "gui/support/postscript.h"
#include "gui/support/app_fixture.h"

using namespace testing_support;
using workshop::collect_division_table;

namespace {

const std::vector<int> kBrownAndSharp = {15, 16, 17, 18, 19, 20, 21, 23, 27,
                                         29, 31, 33, 37, 39, 41, 43, 47};

class DividingHeadPrintTest : public AppTest {
protected:
  void SetUp() override { start_app(); }

  std::string print(const std::vector<workshop::DivisionRow>& rows) {
    return print_to_postscript(dir.path() + "/table.ps", 1, [&](Fl_Paged_Device& device) {
      workshop::draw_division_table(device, workshop::division_table_texts(*app), rows);
    });
  }
};

TEST_F(DividingHeadPrintTest, OneDivisionPrintsOnePage) {
  const std::string ps = print(collect_division_table(40, kBrownAndSharp, 40, 40));
  EXPECT_EQ(count_of(ps, "%%Page: "), 1);
  const auto texts = printed_texts(ps);
  for (const char* text : {"Divisions", "Circle", "Turns", "Holes", "40", "any", "1", "0"})
    EXPECT_TRUE(contains(texts, text)) << text;
}

TEST_F(DividingHeadPrintTest, ARangeFillsSeveralPages) {
  const std::string ps = print(collect_division_table(40, kBrownAndSharp, 2, 200));
  // Nearly every N up to 200 has a line or more, 22 points each: far more
  // than the two blocks of one page hold.
  EXPECT_GE(count_of(ps, "%%Page: "), 2);
  const auto texts = printed_texts(ps);
  // 200: 3 holes of 15 (and 4 of 20); 199 is prime and no circle has 199 holes.
  EXPECT_TRUE(contains(texts, "200"));
  EXPECT_FALSE(contains(texts, "199"));
  // 127 has no circle on this head either.
  EXPECT_FALSE(contains(texts, "127"));
}

TEST_F(DividingHeadPrintTest, NothingToPrintGivesNoPage) {
  const std::string ps = print({});
  EXPECT_EQ(count_of(ps, "%%Page: "), 0);
}

} // namespace
