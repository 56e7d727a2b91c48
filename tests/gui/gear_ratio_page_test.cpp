// Page 16, the gear-ratio search: the checks reach the fields, searches with
// their results window, the notice when nothing is found, help, restore.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Float_Input.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Window.H>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "calc/gears/gear_ratio_page.h"
#include "app/help_viewer.h"
#include "calc/gears/ratio_results_window.h"
#include "calc/gears/wait_notice.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

using namespace testing_support;

namespace {

class GearRatioPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }

  void open_page() {
    if (!app)
      start_app();
    click(app->main_frame()->nav_button(16));
  }
  gears::GearRatioPage& page() { return *static_cast<gears::GearRatioPage*>(app->page(16)); }
  const gears::GearRatioWidgets& w() { return page().widgets(); }
  // A red count takes the focus at every change of the other, so the
  // highest count is typed while the lowest is a good one.
  void enter(const std::string& target, const std::string& lowest, const std::string& highest) {
    retype(w().lowest, "12");
    retype(w().highest, highest);
    retype(w().lowest, lowest);
    retype(w().target, target);
  }
  bool main_active() { return app->main_frame()->window()->active() != 0; }
  // The labels of the row widgets of the results window, in order.
  std::vector<std::string> row_labels(int first, int count) {
    Fl_Group* rows = page().results_window()->rows();
    std::vector<std::string> labels;
    for (int i = first; i < first + count && i < rows->children(); ++i)
      labels.push_back(rows->child(i)->label() ? rows->child(i)->label() : "");
    return labels;
  }
};

} // namespace

TEST_F(GearRatioPageTest, StartsWithItsDefaultsOpensItsHelpAndFloorsTheTolerance) {
  EXPECT_STREQ(w().results_limit->value(), "20");
  EXPECT_FALSE(w().calculate->active());
  EXPECT_EQ(Fl::focus(), w().results_limit);
  EXPECT_EQ(w().results_limit->mark(), 2);
  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  EXPECT_STREQ(app->help_windows().back()->window()->label(), app->lang(419));

  retype(w().tolerance, "0.00001");
  w().target->take_focus(); // leaving the field
  EXPECT_STREQ(w().tolerance->value(), "0.0001");
}

TEST_F(GearRatioPageTest, CountsAndRatioReachTheChecks) {
  enter("2", "12", "150");
  EXPECT_TRUE(w().calculate->active());
  EXPECT_STREQ(w().highest->value(), "100");
  enter("2", "40", "30");
  EXPECT_EQ(w().highest->textcolor(), FL_RED);
  EXPECT_FALSE(w().calculate->active());
  // A red lowest count takes the focus, but the ratio field keeps it while typed in.
  enter("2", "11", "100");
  EXPECT_EQ(w().lowest->textcolor(), FL_RED);
  EXPECT_EQ(Fl::focus(), w().target);
}

TEST_F(GearRatioPageTest, TargetTwoListsSinglePairsAndTargetOneTwoPairs) {
  enter("2", "12", "100");
  click(w().calculate);
  ASSERT_NE(page().results_window(), nullptr);
  EXPECT_TRUE(page().results_window()->window()->shown());
  EXPECT_FALSE(main_active());
  EXPECT_STREQ(page().results_window()->heading()->label(),
               "Gear trains for ratio 2 - 1 within 0.0001% above and below");
  // Heading, then per row: driver, driven, bar, row text.
  EXPECT_EQ(row_labels(1, 4),
            (std::vector<std::string>{"12", "24", "__", "Ratio = 2.0      Error = 0.0%"}));
  EXPECT_EQ(page().results_window()->rows()->children(), 1 + 20 * 4);
  EXPECT_EQ(page().results_window()->rows()->h(), 40 * 20 + 80);

  click(page().results_window()->close_button());
  settle();
  EXPECT_EQ(page().results_window(), nullptr);
  EXPECT_TRUE(main_active());
  EXPECT_TRUE(w().calculate->active());

  // A target of one needs two pairs.
  enter("1", "12", "100");
  retype(w().results_limit, "3");
  click(w().calculate);
  ASSERT_NE(page().results_window(), nullptr);
  // 20 over 18, X, 18 over 20: driver, driven, bar, X, driver, driven, bar, text.
  EXPECT_EQ(row_labels(1, 8), (std::vector<std::string>{"20", "18", "__", "X", "18", "20", "__",
                                                        "Ratio = 1.0      Error = 0.0%"}));
  EXPECT_EQ(page().results_window()->rows()->h(), 469); // never below the list's height
  page().results_window()->window()->do_callback();     // the window manager's close
  settle();
  EXPECT_EQ(page().results_window(), nullptr);
  EXPECT_TRUE(main_active());
}

TEST_F(GearRatioPageTest, NothingFoundIsToldAndThePageStays) {
  struct Case {
    const char *limit, *target, *lowest, *highest;
  };
  const Case cases[] = {
      {"20", "2", "50", "50"}, // one count, no pair
  };
  for (const Case& c : cases) {
    dialogs.alerts.clear();
    retype(w().results_limit, c.limit);
    enter(c.target, c.lowest, c.highest);
    click(w().calculate);
    ASSERT_EQ(dialogs.alerts.size(), 1u);
    EXPECT_EQ(dialogs.alerts[0], app->lang(438));
    EXPECT_EQ(page().results_window(), nullptr);
    EXPECT_FALSE(page().wait_notice()->window()->shown());
    EXPECT_TRUE(main_active());
    EXPECT_STREQ(w().target->value(), c.target);
  }
}

// The whole-program test sees a filled page come back.
TEST_F(GearRatioPageTest, MissingKeysRestoreTheirDefaults) {
  stop_app();
  dir.write_file("State.ini", "[p16]\nratio_calc_p1_to_solve = 3\n[page]\npage = 15\n");
  start_app();
  EXPECT_STREQ(w().lowest->value(), "12");
  EXPECT_STREQ(w().tolerance->value(), "0.0001");
  EXPECT_STREQ(w().highest->value(), "");
  EXPECT_NE(w().mode[0]->value(), 0);
  // No highest count: below the lowest, shown in red.
  EXPECT_FALSE(w().calculate->active());
  EXPECT_EQ(w().highest->textcolor(), FL_RED);
}
