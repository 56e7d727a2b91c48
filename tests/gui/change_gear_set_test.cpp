// The set editor takes gears of 12 to 400 teeth, and a restart no larger
// one: a set of more counts would take the search too long.
#include "calc/workshop/change_gear_set_window.h"
#include "calc/workshop/change_gears_page.h"
#include "gui/support/page_scenario.h"

using namespace testing_support;
using ChangeGearSetTest = PageTest<workshop::ChangeGearsPage, 17>;

TEST_F(ChangeGearSetTest, TakesTwelveToFourHundredTeeth) {
  click(w().gear_set);
  const workshop::ChangeGearSetWidgets& set = page().gear_set_window()->widgets();
  for (auto [teeth, addable] :
       {std::pair{"11", false}, {"12", true}, {"400", true}, {"401", false}}) {
    act(set.teeth, teeth);
    EXPECT_EQ(set.add->active() != 0, addable) << teeth;
  }
  click(set.close);
  page().set_gear_lines({"20", "400", "401"});
  restart_app();
  EXPECT_EQ(page().gear_lines(), (Texts{"20", "400"}));
}
