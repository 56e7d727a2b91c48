// Gears the set can't supply: red on screen, starred on paper, each with its
// key; the set takes 12 to 400 teeth (more counts would slow the search).
#include "calc/workshop/change_gear_results_window.h"
#include "calc/workshop/change_gear_set_window.h"
#include "calc/workshop/change_gears_page.h"
#include "gui/support/page_scenario.h"
#include "gui/support/postscript.h"

using namespace testing_support;
using ChangeGearMarksTest = PageTest<workshop::ChangeGearsPage, 17>;

TEST_F(ChangeGearMarksTest, RedOnScreenStarredOnPaperEachWithItsKey) {
  // 0.2 mm from a 4 tpi screw, 31.75 = 100/20 x 127/20: the one 20 owned
  // drives the first pair, the second pair's 20 is missing.
  const gears::ResultList trains = {
      gears::make_result({{5.0, 20, 100, 0}, {6.35, 20, 127, 0}}, 31.75)};
  const Texts owned = {"20", "100", "127"};
  workshop::ChangeGearResultsWindow one(*app, 0, 0, "-", trains, owned, {}, {});
  const workshop::ChangeGearRow& row = one.widgets().rows[0];
  EXPECT_EQ(Texts({shown(row.driver[1]), one.widgets().key->label()}), Texts({"20", lang(760)}));
  // clang-format off
  for (auto [gear, red] : {std::pair{row.driver[0], false}, {row.driven[0], false}, {row.driver[1], true}, {row.driven[1], false}})
    EXPECT_EQ(has_state(gear, "red"), red) << gear->label();
  workshop::ChangeGearResultsWindow two(*app, 0, 0, "-", trains, {"20", "20", "100", "127"}, {}, {});
  see({two.widgets().key}, {"hidden"});
  const Texts printed = printed_texts(print_to_postscript(dir.path() + "/gears.ps", 1, [&](Fl_Paged_Device& device) {
    workshop::draw_change_gear_results(device, *app, "-", trains, owned); }));
  // clang-format on
  EXPECT_EQ(std::count(printed.begin(), printed.end(), "20*"), 1);
  EXPECT_TRUE(contains(printed, "100") && contains(printed, "127") && contains(printed, lang(761)));
}

TEST_F(ChangeGearMarksTest, TheSetTakesTwelveToFourHundredTeeth) {
  click(w().gear_set);
  const workshop::ChangeGearSetWidgets& set = page().gear_set_window()->widgets();
  // clang-format off
  for (auto [teeth, addable] : {std::pair{"11", false}, {"12", true}, {"400", true}, {"401", false}})
    EXPECT_EQ((act(set.teeth, teeth), set.add->active() != 0), addable) << teeth;
  // clang-format on
  page().set_gear_lines({"20", "400", "401"});
  restart_app();
  EXPECT_EQ(page().gear_lines(), (Texts{"20", "400"}));
}
