// Page 13, worm gear: controls reach the form, warnings, units, centre distance, restore.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Spinner.H>

#include <string>

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "calc/gears/worm_extra_window.h"
#include "calc/gears/worm_gear_page.h"
#include "calc/gears/worm_pictures.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using namespace gears;

class WormGearPageTest : public AppTest {
protected:
  void SetUp() override {
    start_app();
    click(app->main_frame()->nav_button(13));
    page = static_cast<WormGearPage*>(app->page(13));
  }
  const WormGearPage::Widgets& w() const { return page->widgets(); }
  const WormExtraWindow::Widgets& window() const { return page->extra_window().widgets(); }
  std::string lang(int i) const { return app->lang(i); }
  std::string out(WormOut slot) const { return w().outputs[slot]->value(); }
  // DP 8, 40 teeth, Ø1.25, backlash 0.005: centre distance 3.0, lead angle 7.125.
  void enter_worked_example() {
    type_text(w().pitch, "8");
    type_text(w().teeth, "40");
    type_text(w().diameter, "1.25");
    type_text(w().backlash, "0.005");
  }

  WormGearPage* page = nullptr;
};

TEST_F(WormGearPageTest, StartsInItsModesDrawsAndScrolls) {
  EXPECT_FALSE(w().crown_panels[1]->visible());
  EXPECT_FALSE(w().centre_distance->active());
  EXPECT_EQ(Fl::focus(), w().pitch);
  EXPECT_EQ(w().backlash->label(), lang(330));
  EXPECT_GT(render_widget(w().backdrops[0]).drawn_pixels(), 2000);
  EXPECT_NE(render_widget(w().crown_pictures[0]).rgb, render_widget(w().crown_pictures[1]).rgb);

  Fl_Scroll* scroll = w().scroll;
  scroll->window()->wait_for_expose();
  scroll->redraw();
  Fl::flush();
  Fl_Scrollbar& bar = scroll->scrollbar; // dragged to its end
  ASSERT_GT(bar.maximum(), 1.0);
  bar.value(bar.maximum());
  bar.do_callback();
  EXPECT_LE(w().crown_panels[0]->y() + w().crown_panels[0]->h(), scroll->y() + scroll->h());
}

TEST_F(WormGearPageTest, ControlsReachTheFormAndItsRowsShow) {
  enter_worked_example();
  EXPECT_EQ(out(kCentreDistance), "3.0");
  EXPECT_TRUE(w().centre_distance->active());
  struct Step {
    Fl_Widget* control;
    WormOut slot;
    const char* text;
  };
  const Step steps[] = {
      {w().left_hand, kWormFirstSide, "-0.289"},
      {w().square_rim, kThroatDiameter, "5.438"},
      {w().crown_cut, kHobOutsideDiameter, "1.309"},
      {w().starts->child(1), kWormLeadAngle, "14.036"},
      {w().angles[2], kHobTipWidth, "0.105"},
  };
  for (const Step& s : steps) {
    click(s.control);
    EXPECT_EQ(out(s.slot), s.text) << s.slot;
  }
  EXPECT_TRUE(w().crown_panels[1]->visible());
  retype(w().teeth, "5"); // refused: the results go
  EXPECT_EQ(out(kCentreDistance), "");
  retype(w().teeth, "40"); // a red field keeps the focus

  click(w().systems[0]); // module: the pitch means something else now
  EXPECT_STREQ(w().pitch->value(), "");
  EXPECT_EQ(w().pitch_label->label(), lang(293));
  click(w().systems[2]); // circular pitch in inches, from a fraction
  EXPECT_FALSE(w().change_gear_help->active());
  type_text(w().fraction[1], "1");
  type_text(w().fraction[2], "4");
  EXPECT_STREQ(w().pitch->value(), "0.25");
  EXPECT_STREQ(w().fraction[1]->value(), "1"); // the fraction stays while it is used
  retype(w().pitch, "0.3");                    // typed by hand
  EXPECT_STREQ(w().fraction[1]->value(), "");
  click(w().systems[3]);
  EXPECT_FALSE(w().fraction_group->visible());

  click(w().crown_help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  EXPECT_EQ(app->help_windows()[0]->window()->label(), lang(266));
  EXPECT_GT(app->help_windows()[0]->view()->topline(), 0); // at the crown section
  app->help_windows()[0]->window()->hide();
}

// The count is checked once it is complete: Enter, the field left, or an angle chosen.
TEST_F(WormGearPageTest, TooFewTeethWarnOncePerAngleAndCompleteCount) {
  enter_worked_example();
  click(w().angles[2]);     // 20°
  retype(w().teeth, "120"); // "12" alone would be too few
  settle();
  EXPECT_TRUE(dialogs.alerts.empty());
  retype(w().teeth, "24");
  press_key(FL_Enter);
  ASSERT_EQ(dialogs.alerts.size(), 1u);
  EXPECT_EQ(dialogs.alerts[0],
            "Too few teeth for this pressure angle.\n\nFor 24 teeth use at least " + lang(332) +
                ".");
  click(w().diameter); // the same angle and count again: no second warning
  settle();
  EXPECT_EQ(dialogs.alerts.size(), 1u);
  click(w().angles[0]); // 14.5° needs 40
  ASSERT_EQ(dialogs.alerts.size(), 2u);
  EXPECT_NE(dialogs.alerts[1].find(lang(332)), std::string::npos);
}

TEST_F(WormGearPageTest, UnitsShowTheSameResultInTheOtherUnit) {
  enter_worked_example();
  click(w().millimetre);
  EXPECT_STREQ(w().backlash->value(), "0.127");
  EXPECT_EQ(w().backlash->label(), lang(363));
  EXPECT_EQ(out(kCentreDistance), "76.2");
  click(w().inch);
  click(app->main_frame()->unit_button()); // the Units button switches this pair too
  EXPECT_TRUE(w().millimetre->value());
  EXPECT_STREQ(w().diameter->value(), "31.75");
}

TEST_F(WormGearPageTest, CentreDistanceSetsTheWormDiameter) {
  type_text(w().pitch, "8");
  type_text(w().teeth, "40");
  click(w().millimetre);
  click(w().centre_distance);
  ASSERT_TRUE(window().window->visible());
  EXPECT_FALSE(window().apply->active());
  type_text(window().fraction[0], "3");
  type_text(window().fraction[1], "1");
  type_text(window().fraction[2], "2");
  EXPECT_STREQ(window().millimetre->value(), "88.9");
  ASSERT_TRUE(window().apply->active());
  click(window().apply); // 2 x 3.5 - 5 + 2 x 0.125 = 2.25 in, written in millimetres
  EXPECT_FALSE(window().window->visible());
  EXPECT_STREQ(w().diameter->value(), "57.15");
}

TEST_F(WormGearPageTest, RestoreShowsTheRestoredModesAndFocusesThePitch) {
  dir.write_file("State.ini", "[p13]\nworm_type = 2\nworm_profile = 0.25\nworm_tooth_count = 50\n"
                              "worm_diameter = 25.4\nworm_backlash = 0.1\nworm_starts = 3.000000\n"
                              "worm_pressure_angle = 4\nworm_crown_type = 1\np13_measure = 1\n"
                              "scroll = 100\n[page]\npage = 12\n");
  start_app();
  page = static_cast<WormGearPage*>(app->page(13));
  EXPECT_EQ(Fl::focus(), w().pitch);
  EXPECT_TRUE(w().fraction_group->visible());
  EXPECT_EQ(w().pitch_label->label(), lang(295));
  EXPECT_EQ(w().backlash->label(), lang(363));
  EXPECT_TRUE(w().crown_panels[1]->visible());
  EXPECT_EQ(w().scroll->yposition(), 100);
  EXPECT_EQ(out(kCentreDistance), "61.21"); // (3.9789 + 0.8409) / 2 in
  click(w().inch);
  EXPECT_STREQ(w().diameter->value(), "1");
}
