// The printed lists of gear trains (gear-ratio search and change gears),
// written to a PostScript file: the heading, the tooth counts, the ratio and
// error lines, and a second page when the list is long.
#include <gtest/gtest.h>

#include <FL/Fl_PostScript.H>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "calc/gears/gear_ratio_print.h"
#include "calc/workshop/change_gear_results_window.h"
#include "gui/support/postscript.h"
#include "gui/support/app_fixture.h"

using namespace testing_support;

namespace {

gears::ResultList trains(int count) {
  gears::ResultList list;
  const gears::GearPair p20_40{2.0, 20, 40, 0}, p30_27{0.9, 30, 27, 0};
  for (int i = 0; i < count; ++i)
    list.push_back(i % 2 ? gears::make_result({p20_40}, 2.0)
                         : gears::make_result({p20_40, p30_27}, 1.8));
  return list;
}

} // namespace

class GearTrainsPrintTest : public AppTest {
protected:
  void SetUp() override { start_app(); }

  std::string print(const std::function<bool(Fl_PostScript_File_Device&)>& draw) {
    return print_to_postscript(dir.path() + "/trains.ps", 1, [&](Fl_Paged_Device& device) {
      EXPECT_TRUE(draw(static_cast<Fl_PostScript_File_Device&>(device)));
    });
  }
};

TEST_F(GearTrainsPrintTest, GearRatioListRunsOnToMorePages) {
  const std::string heading = "Gear trains for ratio 2 - 1 within 0.0001% above and below";
  struct Case {
    int trains, fewest_pages, most_pages;
  };
  // 40 points a train: sixty of them need at least 2400 points of paper.
  for (const Case& c : {Case{3, 1, 1}, Case{60, 3, 5}}) {
    std::string ps = print([&](Fl_PostScript_File_Device& device) {
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

TEST_F(GearTrainsPrintTest, ChangeGearListOnOnePage) {
  const std::string heading = "2 mm pitch lead screw - 1 mm pitch";
  std::string ps = print([&](Fl_PostScript_File_Device& device) {
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
