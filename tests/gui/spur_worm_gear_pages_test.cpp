// The spur and worm gear pages driven with real keys and clicks: the controls
// reach the form, the results land in their fields, units, restore, windows.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Spinner.H>

#include "app/help_viewer.h"
#include "calc/gears/spur_gear_page.h"
#include "calc/gears/spur_gear_sketch.h"
#include "calc/gears/worm_extra_window.h"
#include "calc/gears/worm_gear_page.h"
#include "gui/support/page_scenario.h"
#include "gui/support/render.h"

using namespace testing_support;
using namespace gears;

namespace {

class SpurGearPageTest : public PageTest<SpurGearPage, 10> {
protected:
  void system(int i) { click(w().systems[static_cast<size_t>(i)]); }
  void quarter_inch_pitch(const char* teeth) { // circular pitch 0 1/4 in
    system(2);
    type_text(w().teeth, teeth);
    for (auto [field, text] : {std::pair{w().whole, "0"}, {w().over, "1"}, {w().under, "4"}})
      type_text(field, text);
  }
  Texts fraction() const { return values(w().whole, w().over, w().under); }
  Texts span() const { return values(w().span_text, w().span_inch, w().span_mm); }
};

TEST_F(SpurGearPageTest, ControlsReachTheFormAndItsResultsShow) {
  EXPECT_EQ(Fl::focus(), w().pitch_value);
  EXPECT_EQ(label(w().status), lang(306));
  retype(w().pitch_value, "10"); // diametral pitch 10, 20°, 20 teeth
  retype(w().teeth, "20");
  EXPECT_EQ(values_of(w().inch),
            (Texts{"0.222", "0.1", "0.122", "0.2", "0.3142", "0.1571", "0.022", "2", "2.2"}));
  EXPECT_EQ(values(w().module, w().diametral_pitch, w().cutter),
            (Texts{"2.54", "10", lang(313) + " 6"}));
  EXPECT_EQ(span(), (Texts{"Measure across 4 teeth (3 pitches)", "1.0613", "26.956"}));
  click(w().angle_14_5); // the angle recomputes the dedendum and the span
  EXPECT_EQ((Texts{values_of(w().inch)[2], span()[1]}), (Texts{"0.1157", "1.0753"}));
  const Texts table = values_of(w().inch);
  retype(w().teeth, "5"); // too few: the table stays, the status warns in red
  EXPECT_EQ(values_of(w().inch), table);
  EXPECT_EQ(label(w().status), lang(318));
  EXPECT_EQ(w().status->labelcolor(), FL_RED);
  click(w().angle_20);
  EXPECT_EQ(span(), (Texts{lang(316), "", ""}));

  quarter_inch_pitch("20"); // a new system starts afresh with its own widgets
  EXPECT_EQ(label(w().pitch_value), lang(295));
  EXPECT_FALSE(w().cutter->visible());
  EXPECT_STREQ(w().pitch_value->value(), "0.25");
  EXPECT_EQ(values_of(w().inch)[7], "1.5915"); // 20 x 0.25 / pi
  retype(w().pitch_value, "0.5");              // typed by hand: the fraction goes
  EXPECT_EQ(fraction(), (Texts{"", "", ""}));
  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  EXPECT_EQ(label(app->help_windows().back()->window()), lang(317));
  EXPECT_GT(render_widget(w().sketch).drawn_pixels(), 1000);
}

TEST_F(SpurGearPageTest, UnitButtonGivesTheSameGearAndBackAndRestoreKeepsTheFraction) {
  Fl_Widget* units = app->main_frame()->unit_button();
  click(units); // metric
  system(0);
  retype(w().pitch_value, "2");
  retype(w().teeth, "30");
  const Texts module_table = values_of(w().inch);
  click(units); // inch: 25.4 / 2 teeth per inch, dedendum 1.2 / P + 0.002
  EXPECT_NE(w().systems[1]->value(), 0);
  EXPECT_EQ((Texts{w().pitch_value->value(), values_of(w().inch)[2]}), (Texts{"12.7", "0.0965"}));
  click(units); // metric: the module as it was typed
  EXPECT_STREQ(w().pitch_value->value(), "2");
  EXPECT_EQ(values_of(w().inch), module_table);

  click(units);
  quarter_inch_pitch("40");
  click(w().angle_14_5);
  const Texts circular = values_of(w().inch);
  click(units); // metric: 0.25 x 25.4 / pi
  EXPECT_STREQ(w().pitch_value->value(), "2.021267777");
  click(units);
  EXPECT_NE(w().angle_14_5->value(), 0);
  restart_app();
  EXPECT_EQ(Fl::focus(), w().pitch_value);
  EXPECT_EQ(fraction(), (Texts{"0", "1", "4"}));
  EXPECT_EQ(values_of(w().inch), circular);

  // A hand-edited 14.5° gives way to the module's 20°.
  stop_app();
  dir.write_file("State.ini", "[p10]\ngear_type = 0\npressure_angle = 0\ngear_profile = 2\n"
                              "gear_tooth_count = 30\n[page]\npage = 9\n");
  start_app();
  EXPECT_NE(w().systems[0]->value(), 0);
  EXPECT_NE(w().angle_20->value(), 0);
  EXPECT_STREQ(w().inch[7]->value(), "2.3622"); // 30 x 2 mm / 25.4
}

class WormGearPageTest : public PageTest<WormGearPage, 13> {
protected:
  std::string out(WormOut slot) const { return w().outputs[slot]->value(); }
  // DP 8, 40 teeth, Ø1.25, backlash 0.005: centre distance 3.0, lead angle 7.125.
  void enter_worked_example() {
    for (auto [field, text] : {std::pair{w().pitch, "8"},
                               {w().teeth, "40"},
                               {w().diameter, "1.25"},
                               {w().backlash, "0.005"}})
      type_text(field, text);
  }
};

TEST_F(WormGearPageTest, ControlsReachTheFormAndItsRowsShow) {
  EXPECT_FALSE(w().centre_distance->active());
  enter_worked_example();
  EXPECT_EQ(out(kCentreDistance), "3.0");
  EXPECT_TRUE(w().centre_distance->active());
  const std::pair<Fl_Widget*, std::pair<WormOut, const char*>> steps[] = {
      {w().left_hand, {kWormFirstSide, "-0.289"}},
      {w().square_rim, {kThroatDiameter, "5.438"}},
      {w().crown_cut, {kHobOutsideDiameter, "1.309"}},
      {w().starts->child(1), {kWormLeadAngle, "14.036"}},
      {w().angles[2], {kHobTipWidth, "0.105"}},
  };
  for (const auto& [control, expected] : steps) {
    click(control);
    EXPECT_EQ(out(expected.first), expected.second) << expected.first;
  }
  EXPECT_TRUE(w().crown_panels[1]->visible());
  click(w().millimetre); // the same worm in millimetres
  EXPECT_EQ((Texts{w().backlash->value(), label(w().backlash), out(kCentreDistance)}),
            (Texts{"0.127", lang(363), "76.2"}));
  click(w().inch);
  click(app->main_frame()->unit_button()); // the Units button switches this pair too
  EXPECT_STREQ(w().diameter->value(), "31.75");
  click(w().inch);
  retype(w().teeth, "5"); // refused: the results go
  EXPECT_EQ(out(kCentreDistance), "");
  retype(w().teeth, "40"); // a red field keeps the focus

  click(w().systems[0]); // module: the pitch means something else now
  EXPECT_EQ((Texts{w().pitch->value(), label(w().pitch_label)}), (Texts{"", lang(293)}));
  click(w().systems[2]); // circular pitch in inches, from a fraction
  EXPECT_FALSE(w().change_gear_help->active());
  type_text(w().fraction[1], "1");
  type_text(w().fraction[2], "4");
  EXPECT_STREQ(w().pitch->value(), "0.25");
  retype(w().pitch, "0.3");
  EXPECT_STREQ(w().fraction[1]->value(), "");
  click(w().crown_help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  EXPECT_EQ(label(app->help_windows()[0]->window()), lang(266));
  EXPECT_GT(app->help_windows()[0]->view()->topline(), 0); // at the crown section
}

// The count is checked once it is complete: Enter, the field left, or an angle chosen.
TEST_F(WormGearPageTest, TooFewTeethWarnOncePerAngleAndCompleteCount) {
  enter_worked_example();
  click(w().angles[2]);     // 20°
  retype(w().teeth, "120"); // "12" alone would be too few
  retype(w().teeth, "24");
  press_key(FL_Enter);
  click(w().diameter);  // the same angle and count again: no second warning
  click(w().angles[0]); // 14.5° needs 40
  settle();
  ASSERT_EQ(dialogs.alerts.size(), 2u);
  EXPECT_EQ(dialogs.alerts[0],
            "Too few teeth for this pressure angle.\n\nFor 24 teeth use at least " + lang(332) +
                ".");
}

TEST_F(WormGearPageTest, CentreDistanceWindowSetsTheDiameterAndRestoreShowsTheModes) {
  type_text(w().pitch, "8");
  type_text(w().teeth, "40");
  click(w().millimetre);
  click(w().centre_distance);
  const WormExtraWindow::Widgets& window = page().extra_window().widgets();
  ASSERT_TRUE(window.window->visible());
  EXPECT_FALSE(window.apply->active());
  for (int i = 0; i < 3; ++i)
    type_text(window.fraction[static_cast<size_t>(i)], std::string(1, "312"[i]));
  EXPECT_STREQ(window.millimetre->value(), "88.9"); // 3 1/2 in
  click(window.apply); // 2 x 3.5 - 5 + 2 x 0.125 = 2.25 in, written in millimetres
  EXPECT_FALSE(window.window->visible());
  EXPECT_STREQ(w().diameter->value(), "57.15");

  stop_app();
  dir.write_file("State.ini", "[p13]\nworm_type = 2\nworm_profile = 0.25\nworm_tooth_count = 50\n"
                              "worm_diameter = 25.4\nworm_backlash = 0.1\nworm_starts = 3.000000\n"
                              "worm_pressure_angle = 4\nworm_crown_type = 1\np13_measure = 1\n"
                              "scroll = 100\n[page]\npage = 12\n");
  start_app();
  EXPECT_EQ(Fl::focus(), w().pitch);
  EXPECT_TRUE(w().fraction_group->visible());
  EXPECT_EQ((Texts{label(w().pitch_label), label(w().backlash)}), (Texts{lang(295), lang(363)}));
  EXPECT_TRUE(w().crown_panels[1]->visible());
  EXPECT_EQ(w().scroll->yposition(), 100);
  EXPECT_EQ(out(kCentreDistance), "61.21"); // (3.9789 + 0.8409) / 2 in
  click(w().inch);
  EXPECT_STREQ(w().diameter->value(), "1");
}

} // namespace
