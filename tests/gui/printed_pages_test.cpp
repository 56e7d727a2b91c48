// What the print routines put on paper, written to a PostScript file: the
// dividing head's indexing table, the dovetail sheets and the lists of gear
// trains — pages as the rows need, headings, and the numbers at their
// precision.
#include <gtest/gtest.h>

#include <FL/Fl_PostScript.H>

#include <functional>
#include <string>
#include <vector>

#include "calc/gears/gear_ratio_print.h"
#include "calc/workshop/change_gear_results_window.h"
#include "calc/workshop/dividing_head_print.h"
#include "calc/workshop/dovetail_print.h"
#include "gui/support/app_fixture.h"
#include "gui/support/postscript.h"

using namespace testing_support;
using workshop::DovetailSheets;

namespace {

const std::vector<int> kBrownAndSharp = {15, 16, 17, 18, 19, 20, 21, 23, 27,
                                         29, 31, 33, 37, 39, 41, 43, 47};

gears::ResultList trains(int count) {
  gears::ResultList list;
  const gears::GearPair p20_40{2.0, 20, 40, 0}, p30_27{0.9, 30, 27, 0};
  for (int i = 0; i < count; ++i)
    list.push_back(i % 2 ? gears::make_result({p20_40}, 2.0)
                         : gears::make_result({p20_40, p30_27}, 1.8));
  return list;
}

class PrintedPagesTest : public AppTest {
protected:
  void SetUp() override { start_app(); }

  std::string print(int pages, const std::function<void(Fl_Paged_Device&)>& draw) {
    return print_to_postscript(dir.path() + "/printed.ps", pages, draw);
  }
  std::string print_table(const std::vector<workshop::DivisionRow>& rows) {
    return print(1, [&](Fl_Paged_Device& device) {
      workshop::draw_division_table(device, workshop::division_table_texts(*app), rows);
    });
  }
  std::string print_dovetail(const workshop::DovetailPrintValues& values, DovetailSheets sheets) {
    return print(sheets == DovetailSheets::kBoth ? 2 : 1, [&](Fl_Paged_Device& device) {
      workshop::draw_dovetail_sheets(device, *app, values, sheets);
    });
  }
  std::string print_trains(const std::function<bool(Fl_PostScript_File_Device&)>& draw) {
    return print(1, [&](Fl_Paged_Device& device) {
      EXPECT_TRUE(draw(static_cast<Fl_PostScript_File_Device&>(device)));
    });
  }
};

} // namespace

TEST_F(PrintedPagesTest, IndexingTableTakesThePagesItsRowsNeed) {
  std::string ps = print_table(workshop::collect_division_table(40, kBrownAndSharp, 40, 40));
  EXPECT_EQ(count_of(ps, "%%Page: "), 1);
  auto texts = printed_texts(ps);
  for (const char* text : {"Divisions", "Circle", "Turns", "Holes", "40", "any", "1", "0"})
    EXPECT_TRUE(contains(texts, text)) << text;

  ps = print_table(workshop::collect_division_table(40, kBrownAndSharp, 2, 200));
  // Nearly every N up to 200 has a line or more, 22 points each: far more
  // than the two blocks of one page hold.
  EXPECT_GE(count_of(ps, "%%Page: "), 2);
  texts = printed_texts(ps);
  // 200: 3 holes of 15 (and 4 of 20); 199 is prime and no circle has 199 holes.
  EXPECT_TRUE(contains(texts, "200"));
  EXPECT_FALSE(contains(texts, "199"));
  // 127 has no circle on this head either.
  EXPECT_FALSE(contains(texts, "127"));

  EXPECT_EQ(count_of(print_table({}), "%%Page: "), 0); // nothing to print, no page
}

TEST_F(PrintedPagesTest, EachDovetailSheetIsAPageWithItsTitleAndNumbers) {
  workshop::DovetailPrintValues mm;
  mm.millimetre = true;
  mm.male_max_width = 40.0;
  mm.male_depth = 8.0;
  mm.male_over_pins = 51.0; // one pin: (40 + 51) / 2 = 45.5
  mm.female_min_width = 30.0;
  mm.female_depth = 8.25;
  mm.female_between_pins = 12.5; // one pin: (30 + 12.5) / 2 = 21.25
  workshop::DovetailPrintValues inch;
  inch.female_min_width = 1.25;
  inch.female_depth = 0.314;
  inch.female_between_pins = 0.5;
  struct Case {
    const workshop::DovetailPrintValues& values;
    DovetailSheets sheets;
    int pages;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  };
  const Case cases[] = {
      {mm,
       DovetailSheets::kBoth,
       2,
       {"Male dovetail", "40.00", "8.00", "45.50", "51.00", "Female dovetail", "30.00", "8.25",
        "21.25", "12.50"},
       {}},
      {mm, DovetailSheets::kMaleOnly, 1, {"Male dovetail", "45.50"}, {"Female dovetail", "12.50"}},
      {mm,
       DovetailSheets::kFemaleOnly,
       1,
       {"Female dovetail", "12.50"},
       {"Male dovetail", "45.50"}},
      // Inches at three decimals.
      {inch,
       DovetailSheets::kFemaleOnly,
       1,
       {"Female dovetail", "1.250", "0.314", "0.875", "0.500"},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.present[1]);
    std::string ps = print_dovetail(c.values, c.sheets);
    EXPECT_EQ(count_of(ps, "%%Page: "), c.pages);
    auto texts = printed_texts(ps);
    for (const std::string& text : c.present)
      EXPECT_TRUE(contains(texts, text)) << text;
    for (const std::string& text : c.absent)
      EXPECT_FALSE(contains(texts, text)) << text;
  }
}

TEST_F(PrintedPagesTest, GearRatioListRunsOnToMorePages) {
  const std::string heading = "Gear trains for ratio 2 - 1 within 0.0001% above and below";
  struct Case {
    int trains, fewest_pages, most_pages;
  };
  // 40 points a train: sixty of them need at least 2400 points of paper.
  for (const Case& c : {Case{3, 1, 1}, Case{60, 3, 5}}) {
    std::string ps = print_trains([&](Fl_PostScript_File_Device& device) {
      return gears::draw_ratio_results(device, *app, heading, trains(c.trains));
    });
    EXPECT_GE(count_of(ps, "%%Page: "), c.fewest_pages) << c.trains;
    EXPECT_LE(count_of(ps, "%%Page: "), c.most_pages) << c.trains;
    auto texts = printed_texts(ps);
    for (const char* text : {heading.c_str(), "20", "40", "30", "27", "X",
                             "Ratio = 2.0       Error = 0.0%", "Ratio = 1.8       Error = 0.0%"})
      EXPECT_TRUE(contains(texts, text)) << text;
  }
}

TEST_F(PrintedPagesTest, ChangeGearListOnOnePage) {
  const std::string heading = "2 mm pitch lead screw - 1 mm pitch";
  std::string ps = print_trains([&](Fl_PostScript_File_Device& device) {
    return workshop::draw_change_gear_results(device, *app, heading, trains(12));
  });
  EXPECT_EQ(count_of(ps, "%%Page: "), 1);
  auto texts = printed_texts(ps);
  // "Gears:" has no space, so it stands on one line.
  for (const char* text :
       {heading.c_str(), "Gears:", "20", "40", "30", "27", "to screw", "Error = 0.0%"})
    EXPECT_TRUE(contains(texts, text)) << text;
  // Ten rows at most: "Gears:" once per row.
  int labels = 0;
  for (const std::string& text : texts)
    labels += text == "Gears:";
  EXPECT_EQ(labels, 10);
}
