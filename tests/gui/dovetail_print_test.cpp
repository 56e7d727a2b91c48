// The printed dovetail drawing, written to a PostScript file: one page per
// sheet, the sheet titles, the numbers at two decimals in millimetres and
// three in inches.
#include <gtest/gtest.h>

#include <FL/Fl_PostScript.H>

#include <cstdio>
#include <string>
#include <vector>

#include "calc/workshop/dovetail_print.h"
#include "gui/support/postscript.h"
#include "gui/support/app_fixture.h"

using namespace testing_support;
using workshop::DovetailSheets;

namespace {} // namespace

class DovetailPrintTest : public AppTest {
protected:
  void SetUp() override { start_app(); }

  std::string print(const workshop::DovetailPrintValues& values, DovetailSheets sheets) {
    return print_to_postscript(dir.path() + "/dovetail.ps", sheets == DovetailSheets::kBoth ? 2 : 1,
                               [&](Fl_Paged_Device& device) {
                                 workshop::draw_dovetail_sheets(device, *app, values, sheets);
                               });
  }
};

TEST_F(DovetailPrintTest, EachSheetIsAPageWithItsTitleAndNumbers) {
  workshop::DovetailPrintValues mm;
  mm.millimetre = true;
  mm.male_max_width = 40.0;
  mm.male_depth = 8.0;
  mm.male_over_pins = 51.0; // one pin: (40 + 51) / 2 = 45.5
  mm.female_min_width = 30.0;
  mm.female_depth = 8.25;
  mm.female_between_pins = 12.5; // one pin: (30 + 12.5) / 2 = 21.25
  struct Case {
    DovetailSheets sheets;
    int pages;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  };
  const Case cases[] = {
      {DovetailSheets::kBoth,
       2,
       {"Male dovetail", "40.00", "8.00", "45.50", "51.00", "Female dovetail", "30.00", "8.25",
        "21.25", "12.50"},
       {}},
      {DovetailSheets::kMaleOnly, 1, {"Male dovetail", "45.50"}, {"Female dovetail", "12.50"}},
      {DovetailSheets::kFemaleOnly, 1, {"Female dovetail", "12.50"}, {"Male dovetail", "45.50"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pages);
    std::string ps = print(mm, c.sheets);
    EXPECT_EQ(count_of(ps, "%%Page: "), c.pages);
    auto texts = printed_texts(ps);
    for (const std::string& text : c.present)
      EXPECT_TRUE(contains(texts, text)) << text;
    for (const std::string& text : c.absent)
      EXPECT_FALSE(contains(texts, text)) << text;
  }
}

TEST_F(DovetailPrintTest, InchesPrintThreeDecimals) {
  workshop::DovetailPrintValues inch;
  inch.female_min_width = 1.25;
  inch.female_depth = 0.314;
  inch.female_between_pins = 0.5;
  auto texts = printed_texts(print(inch, DovetailSheets::kFemaleOnly));
  const std::vector<std::string> expected = {"Female dovetail", "1.250", "0.314", "0.875", "0.500"};
  for (const std::string& text : expected)
    EXPECT_TRUE(contains(texts, text)) << text;
}
