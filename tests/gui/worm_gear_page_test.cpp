// Page 13, worm gear: worked example, choices, warnings, systems, units, centre distance.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Spinner.H>

#include <map>
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
using W = gears::WormGearPage;
using Texts = std::map<W::Out, std::string>;

namespace {

// DP 8, 40 teeth, Ø1.25, backlash 0.005, 14.5°, one start, right hand:
// p = 0.3927, a = 0.125, h = 0.2696, Dt = 5, Dp = 1.0, lead angle 7.125.
const Texts kWorkedInch = {
    {W::kHobTipWidth, "0.132"},        {W::kHobVToFlat, "0.255"},
    {W::kHobOutsideDiameter, "1.289"}, {W::kHobLeadAngle, "6.858"},
    {W::kHobWholeDepth, "0.27"},       {W::kHobFirstSide, "11.538"},
    {W::kHobSecondSide, "-0.462"},     {W::kHobThreadLength, "1.806"},
    {W::kThroatDiameter, "5.25"},      {W::kFaceWidth, "0.667"},
    {W::kWheelWholeDepth, "0.27"},     {W::kCentreDistance, "3.0"},
    {W::kWormTipWidth, "0.127"},       {W::kWormVToFlat, "0.245"},
    {W::kWormLeadAngle, "7.125"},      {W::kWormWholeDepth, "0.27"},
    {W::kWormFirstSide, "11.711"},     {W::kWormSecondSide, "-0.289"},
    {W::kWormThreadLength, "1.414"},
};

} // namespace

class WormGearPageTest : public AppTest {
protected:
  void SetUp() override {
    start_app();
    click(app->main_frame()->nav_button(13));
    page = static_cast<W*>(app->page(13));
  }
  const W::Widgets& w() const { return page->widgets(); }
  const gears::WormExtraWindow::Widgets& window() const { return page->extra_window().widgets(); }
  std::string lang(int i) const { return app->lang(i); }
  std::string out(W::Out slot) const { return w().outputs[slot]->value(); }

  void enter_worked_example() {
    type_text(w().pitch, "8");
    type_text(w().teeth, "40");
    type_text(w().diameter, "1.25");
    type_text(w().backlash, "0.005");
  }
  // Only the outputs named in `expected`; the others are not compared.
  void expect_outputs(const Texts& expected) const {
    for (const auto& [slot, text] : expected)
      EXPECT_EQ(out(slot), text) << "output " << slot;
  }
  void expect_empty() const {
    for (Fl_Output* field : w().outputs)
      EXPECT_STREQ(field->value(), "");
  }
  void expect_help(size_t i, int title) const {
    EXPECT_EQ(app->help_windows()[i]->window()->label(), lang(title));
  }

  W* page = nullptr;
};

// The starting choices are those of the worked example, which pins them.
TEST_F(WormGearPageTest, StartsWithDiametralPitchInInchesDrawsAndScrolls) {
  EXPECT_FALSE(w().crown_panels[1]->visible());
  EXPECT_FALSE(w().centre_distance->active());
  EXPECT_EQ(Fl::focus(), w().pitch);
  EXPECT_EQ(w().backlash->label(), lang(330));

  EXPECT_GT(render_widget(w().backdrops[0]).drawn_pixels(), 2000);
  // The square rim is turned larger: its bronze reaches higher up beside the worm.
  EXPECT_NE(render_widget(w().crown_pictures[0]).rgb, render_widget(w().crown_pictures[1]).rgb);

  // Both ends of the page can be scrolled to; the bar learns its range when drawn.
  Fl_Scroll* scroll = w().scroll;
  EXPECT_LE(scroll->y() + scroll->h(), scroll->window()->h());
  EXPECT_GE(w().backdrops[0]->parent()->y(), scroll->y());
  scroll->window()->wait_for_expose();
  scroll->redraw();
  Fl::flush();
  Fl_Scrollbar& bar = scroll->scrollbar; // dragged to its end
  ASSERT_GT(bar.maximum(), 1.0);
  bar.value(bar.maximum());
  bar.do_callback();
  Fl_Group* panel = w().crown_panels[0];
  EXPECT_LE(panel->y() + panel->h(), scroll->y() + scroll->h());
}

TEST_F(WormGearPageTest, WorkedExampleItsHelpAndATeethCountOutOfRange) {
  enter_worked_example();
  expect_outputs(kWorkedInch);
  EXPECT_STREQ(w().diameter->value(), "1.25"); // what was typed stays as typed
  click(w().worm_help);
  click(w().crown_help);
  click(w().change_gear_help);
  ASSERT_EQ(app->help_windows().size(), 3u);
  expect_help(0, 265);
  expect_help(1, 266);
  EXPECT_GT(app->help_windows()[1]->view()->topline(), 0); // at the crown section
  expect_help(2, 365);
  for (const auto& help : app->help_windows())
    help->window()->hide();

  // A tooth count out of range empties the results.
  retype(w().teeth, "5");
  EXPECT_EQ(w().teeth->textcolor(), FL_RED);
  expect_empty();
  type_text(w().teeth, "0"); // 50
  EXPECT_EQ(w().teeth->textcolor(), FL_BLACK);
  EXPECT_EQ(out(W::kCentreDistance), "3.625"); // (6.25 + 1.0) / 2
  retype(w().backlash, "");
  expect_empty();
}

TEST_F(WormGearPageTest, ChoicesChangeTheirResults) {
  enter_worked_example();
  click(w().left_hand); // the flank rows change places
  expect_outputs({{W::kHobFirstSide, "-0.462"},
                  {W::kHobSecondSide, "11.538"},
                  {W::kWormFirstSide, "-0.289"},
                  {W::kWormSecondSide, "11.711"}});
  retype(w().diameter, "1.25"); // a recompute keeps the left-hand rows
  EXPECT_EQ(out(W::kWormFirstSide), "-0.289");

  click(w().square_rim); // 5.25 + 0.4775 x 0.3927
  EXPECT_EQ(out(W::kThroatDiameter), "5.438");
  EXPECT_TRUE(w().crown_panels[1]->visible());
  click(w().crown_cut); // 1.289 + c 0.0196
  EXPECT_EQ(out(W::kHobOutsideDiameter), "1.309");

  click(w().starts->child(1)); // two starts: lead 0.7854, 90 - atan(4)
  EXPECT_EQ(out(W::kWormLeadAngle), "14.036");

  click(w().angles[2]); // 20°: tip width 0.19635 - 2 x 0.125 x 0.36397
  EXPECT_EQ(out(W::kHobTipWidth), "0.105");
}

// The count is checked once it is complete: Enter, the field left, or an angle chosen.
TEST_F(WormGearPageTest, TooFewTeethWarnOncePerAngleAndCompleteCount) {
  enter_worked_example();
  click(w().angles[2]);     // 20°
  retype(w().teeth, "120"); // "12" alone would be too few
  settle();
  EXPECT_TRUE(dialogs.alerts.empty());
  EXPECT_EQ(out(W::kCentreDistance), "8.0"); // (120 / 8 + 1.0) / 2
  retype(w().teeth, "24");
  EXPECT_TRUE(dialogs.alerts.empty());
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
  retype(w().teeth, "30");
  EXPECT_EQ(dialogs.alerts.size(), 2u);
  click(w().backlash);
  settle();
  ASSERT_EQ(dialogs.alerts.size(), 3u);
  EXPECT_NE(dialogs.alerts[2].find(lang(331)), std::string::npos); // 17.5°
  click(w().angles[6]);                                            // 30° has no limit
  retype(w().teeth, "10");
  click(w().diameter);
  settle();
  EXPECT_EQ(dialogs.alerts.size(), 3u);
}

TEST_F(WormGearPageTest, ToothSystemsAndTheFraction) {
  enter_worked_example();
  click(w().systems[0]); // module: the pitch means something else now
  EXPECT_STREQ(w().pitch->value(), "");
  expect_empty();
  EXPECT_EQ(w().pitch_label->label(), lang(293));

  click(w().systems[2]); // circular pitch in inches, from a fraction
  EXPECT_TRUE(w().fraction_group->visible());
  EXPECT_FALSE(w().change_gear_help->active());
  type_text(w().fraction[1], "1");
  type_text(w().fraction[2], "4");
  EXPECT_STREQ(w().pitch->value(), "0.25");
  retype(w().teeth, "50");
  retype(w().diameter, "1");
  retype(w().backlash, "0.004");
  click(w().angles[4]);
  click(w().starts->child(1));
  click(w().starts->child(1));
  // p 0.25, Dt 3.9789, Dp 0.8409; lead 0.75
  expect_outputs({{W::kCentreDistance, "2.41"},
                  {W::kWormLeadAngle, "15.85"},
                  {W::kWormThreadLength, "1.125"}});
  EXPECT_STREQ(w().fraction[1]->value(), "1"); // the fraction stays while it is used
  retype(w().pitch, "0.3");                    // typed by hand
  EXPECT_STREQ(w().fraction[1]->value(), "");

  click(w().systems[3]);
  EXPECT_FALSE(w().fraction_group->visible());
}

TEST_F(WormGearPageTest, UnitsConvertTheLengthsThereAndBack) {
  enter_worked_example();
  const Texts in_mm = {{W::kHobOutsideDiameter, "32.75"},
                       {W::kHobWholeDepth, "6.85"},
                       {W::kCentreDistance, "76.2"},
                       {W::kWormTipWidth, "3.21"},
                       {W::kWormLeadAngle, "7.125"}};
  click(w().millimetre);
  EXPECT_STREQ(w().backlash->value(), "0.127");
  EXPECT_EQ(w().backlash->label(), lang(363));
  expect_outputs(in_mm);
  retype(w().diameter, "31.75"); // a recompute in millimetres gives the same
  expect_outputs(in_mm);
  click(w().inch);
  EXPECT_STREQ(w().diameter->value(), "1.25");
  expect_outputs(kWorkedInch);

  click(app->main_frame()->unit_button());
  EXPECT_TRUE(w().millimetre->value());
  expect_outputs(in_mm);
  click(app->main_frame()->unit_button());
  EXPECT_TRUE(w().inch->value());
  expect_outputs(kWorkedInch);
}

TEST_F(WormGearPageTest, CentreDistanceSetsTheWormDiameter) {
  type_text(w().pitch, "8");
  type_text(w().teeth, "40");
  ASSERT_TRUE(w().centre_distance->active()); // before any diameter or backlash
  click(w().centre_distance);
  ASSERT_TRUE(window().window->visible());
  EXPECT_FALSE(window().apply->active());
  type_text(window().inch, "2.7"); // root 0.11 < whole depth 0.27
  EXPECT_STREQ(window().millimetre->value(), "68.58");
  EXPECT_FALSE(window().apply->active());
  retype(window().inch, "3");
  EXPECT_TRUE(window().apply->active());
  click(window().apply); // 2 x 3 - 5 + 2 x 0.125
  EXPECT_FALSE(window().window->visible());
  EXPECT_STREQ(w().diameter->value(), "1.25");
  type_text(w().backlash, "0.005");
  expect_outputs(kWorkedInch);

  click(w().millimetre);
  click(w().centre_distance);
  type_text(window().fraction[0], "3");
  type_text(window().fraction[1], "1");
  type_text(window().fraction[2], "2");
  EXPECT_STREQ(window().millimetre->value(), "88.9");
  click(window().apply); // 2.25 in, written in millimetres
  EXPECT_STREQ(w().diameter->value(), "57.15");
  EXPECT_EQ(out(W::kCentreDistance), "88.9");

  click(w().centre_distance);
  click(window().cancel);
  EXPECT_FALSE(window().window->visible());
  EXPECT_STREQ(w().diameter->value(), "57.15");
}

// The whole-program test sees the values come back; the focus is this page's own.
TEST_F(WormGearPageTest, RestartPutsTheFocusOnThePitch) {
  type_text(w().pitch, "8");
  type_text(w().teeth, "40");
  restart_app();
  page = static_cast<W*>(app->page(13));
  EXPECT_TRUE(app->main_frame()->page_group(13)->visible());
  EXPECT_EQ(Fl::focus(), w().pitch);
}
