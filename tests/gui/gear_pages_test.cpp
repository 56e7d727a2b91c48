// The spur, worm, bevel and over-pins pages driven with real keys and clicks:
// the controls reach the form and its results land in their fields; units,
// restart, the worm's centre-distance window and the bevel print.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_PostScript.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include "calc/gears/bevel_gear_draw.h"
#include "calc/gears/bevel_gear_page.h"
#include "calc/gears/over_pins_page.h"
#include "calc/gears/spur_gear_page.h"
#include "calc/gears/worm_extra_window.h"
#include "calc/gears/worm_gear_page.h"
#include "gui/support/page_scenario.h"
#include "gui/support/postscript.h"

using namespace testing_support;
using namespace gears;

namespace {

using SpurGearPageTest = PageTest<SpurGearPage, 10>;

TEST_F(SpurGearPageTest, ControlsReachTheFormAndItsResultsShow) {
  const SpurGearWidgets& g = w();
  see({g.systems[1], g.angle_20, g.status}, {"on", "on", lang(306)});
  act(g.pitch_value, "10", g.teeth, "20"); // diametral pitch 10, 20°
  see({g.inch[0], g.inch[2], g.module, g.cutter, g.span_text, g.span_mm},
      {"0.222", "0.122", "2.54", lang(313) + " 6", "Measure across 4 teeth (3 pitches)", "26.956"});
  act(g.angle_14_5, nullptr);
  see({g.inch[2], g.span_inch}, {"0.1157", "1.0753"});
  act(g.teeth, "5", g.angle_20, nullptr); // too few: the table stays
  see({g.inch[2], g.status, g.span_text}, {"0.1157", lang(318), lang(316)});
  act(g.systems[2], nullptr);
  see({g.pitch_value, g.inch[0], g.cutter}, {"", "", "hidden"});
  act(g.teeth, "20", g.whole, "0", g.over, "1", g.under, "4");
  see({g.pitch_value, g.inch[7]}, {"0.25", "1.5915"}); // 20 x 0.25 / pi
  act(g.pitch_value, "0.5", g.help, nullptr);          // typed by hand: the fraction goes
  see({g.over}, {""});
  EXPECT_EQ(help_title(), lang(317));
}

TEST_F(SpurGearPageTest, UnitButtonGivesTheSameGearAndARestartKeepsIt) {
  units(); // metric: module 2, 30 teeth; then 25.4 / 2 teeth per inch, dedendum 1.2 / P + 0.002
  act(w().systems[0], nullptr, w().pitch_value, "2", w().teeth, "30");
  units();
  see({w().systems[1], w().pitch_value, w().inch[2]}, {"on", "12.7", "0.0965"});
  units();
  restart_app(); // 60 mm / 25.4
  see({w().systems[0], w().pitch_value, w().inch[7]}, {"on", "2", "2.3622"});
}

class WormGearPageTest : public PageTest<WormGearPage, 13> {
protected:
  Fl_Output* out(WormOut slot) const { return w().outputs[slot]; }
};

TEST_F(WormGearPageTest, ControlsReachTheFormAndItsRowsShow) {
  const WormGearPage::Widgets& g = w();
  act(g.pitch, "8", g.teeth, "40", g.diameter, "1.25", g.backlash, "0.005");
  see({out(kCentreDistance)}, {"3.0"}); // (40 / 8 + 1.25 - 2 / 8) / 2
  struct Row {
    Fl_Widget* control;
    WormOut slot;
    const char* text;
  };
  for (const Row& row : {Row{g.left_hand, kWormFirstSide, "-0.289"},
                         {g.square_rim, kThroatDiameter, "5.438"},
                         {g.crown_cut, kHobOutsideDiameter, "1.309"},
                         {g.starts->child(1), kWormLeadAngle, "14.036"},
                         {g.angles[2], kHobTipWidth, "0.105"}}) {
    act(row.control, nullptr);
    EXPECT_EQ(shown(out(row.slot)), row.text) << row.slot;
  }
  act(g.millimetre, nullptr);
  see({g.backlash, out(kCentreDistance), g.crown_panels[1]}, {"0.127", "76.2", ""});
  act(g.teeth, "5"); // refused: the results go
  see({out(kCentreDistance)}, {""});
  act(g.teeth, "40", g.systems[0], nullptr);
  see({g.pitch, g.pitch_label}, {"", lang(293)});
  act(g.systems[3], nullptr, g.inch, nullptr);
  see({g.fraction_group}, {"hidden"});
  units(); // the Units button switches the page's pair too
  see({g.diameter}, {"31.75"});
}

// The count is checked once it is complete: Enter, the field left, or an angle chosen.
TEST_F(WormGearPageTest, TooFewTeethWarnOncePerAngleAndCompleteCount) {
  act(w().angles[2], nullptr, w().teeth, "120", w().teeth, "24"); // 20°: "12" is no count yet
  press_key(FL_Enter);
  act(w().pitch, nullptr, w().angles[0], nullptr); // the same count again, then 14.5°
  settle();
  const std::string warning =
      "Too few teeth for this pressure angle.\n\nFor 24 teeth use at least " + lang(332) + ".";
  EXPECT_EQ(dialogs.alerts, (Texts{warning, warning}));
}

TEST_F(WormGearPageTest, CentreDistanceWindowSetsTheDiameterAndARestartKeepsIt) {
  act(w().pitch, "8", w().teeth, "40", w().millimetre, nullptr, w().centre_distance, nullptr);
  const WormExtraWindow::Widgets& c = page().extra_window().widgets();
  EXPECT_FALSE(c.apply->active());
  act(c.fraction[0], "3", c.fraction[1], "1", c.fraction[2], "2");
  see({c.millimetre}, {"88.9"}); // 3 1/2 in
  act(c.apply, nullptr);         // 2 x 3.5 - 5 + 2 x 0.125 = 2.25 in, written in millimetres
  see({c.window, w().diameter}, {"hidden", "57.15"});
  restart_app();
  see({w().diameter, w().millimetre}, {"57.15", "on"});
}

class BevelGearPageTest : public PageTest<BevelGearPage, 14> {
protected:
  Texts printed(int pages) {
    const std::vector<BevelPrintSheet> sheets = page().print_sheets();
    const std::string ps = print_to_postscript(dir.path() + "/bevel.ps", pages, [&](auto& device) {
      draw_bevel_gear_sheets(device, sheets);
    });
    EXPECT_EQ(count_of(ps, "%%Page: "), pages);
    return printed_texts(ps);
  }
};

TEST_F(BevelGearPageTest, ControlsReachTheFormAndTheModesShow) {
  const BevelGearWidgets& g = w();
  const auto &left = g.left.values, &right = g.right.values;
  act(g.pitch, "8", g.miter_teeth, "24"); // not on the Brown and Sharpe head
  see({g.right.frame, g.left.frame, left[kOutsideDiameterRow]}, {"hidden", lang(380), ""});
  act(g.shaft_angle, "200");
  see({g.shaft_angle, g.shaft_dms[0]}, {"180", "180"});
  act(g.shaft_angle, "90", g.pinion_and_gear, nullptr, g.pinion_teeth, "20", g.gear_teeth, "40");
  see({g.miter_frame, g.left.frame, right[kPitchAngleRow]}, {"hidden", lang(376), "63.4349"});
  act(g.dms, nullptr); // atan(20 / 40) = 26° 33′ 54.184″
  see({left[kPitchAngleRow], g.left.angle_dms[0][1]}, {"hidden", "33"});
  act(g.shaft_dms[0], "59", g.shaft_dms[1], "30", g.decimal, nullptr);
  see({g.shaft_angle}, {"59.5"});
  act(g.shaft_angle, "90", g.miter, nullptr, g.face_width, "1.1");
  see({g.miter_teeth, left[kFaceWidthRow]}, {"20", "1.1"});
  act(g.face_width, "2"); // beyond its limits
  see({left[kFaceWidthRow]}, {"1.1"});
  act(g.module, nullptr);
  see({g.pitch, left[kOutsideDiameterRow]}, {"", ""});
  act(g.pitch, "3", g.help, nullptr); // 20 / cos 45° -> 28 teeth: metric No. 5
  see({left[kCutterRow]}, {"5"});
  EXPECT_EQ(help_title(), lang(374));
}

TEST_F(BevelGearPageTest, MiterWithTheHeadOfTheSettingsInBothUnitsPrintedAndRestarted) {
  app->settings_doc().set(".:last", "Cincinatti 40-1"); // as if chosen on its page
  app->settings_doc().set(".:ratio", "40");
  app->write_settings();
  restart_app();
  open_page();
  // 24 circle: 1 turn and 16 holes, 40 holes a tooth; 24 / cos 45° -> 34: No. 4.
  const Texts inch = {"3.177", "3.0", "1.0",  "45",    "45", "24",    "1",
                      "16",    "4",   "0.27", "0.098", "10", "0.196", "20"};
  const Widgets left(w().left.values.begin(), w().left.values.end());
  act(w().pitch, "8", w().miter_teeth, "24");
  see(left, inch);
  act(w().mm, nullptr);
  see({left[kOutsideDiameterRow], w().face_width}, {"80.69", "25.40"});
  act(w().inch, nullptr);
  see(left, inch);
  EXPECT_TRUE(contains(printed(1), "Teeth = 24, Shaft angle = 90"));
  act(w().pinion_and_gear, nullptr, w().dms, nullptr, w().gear_teeth, "48");
  const Texts pair = printed(2), pinion = shown_all(left);
  for (const char* text : {"Pinion (inch)", "Gear (inch)", "26:33:54.184", "63:26:5.816"})
    EXPECT_TRUE(contains(pair, text)) << text;
  restart_app();
  EXPECT_EQ(shown_all(w().left.values), pinion);
}

class OverPinsPageTest : public PageTest<OverPinsPage, 15> {
protected:
  // Recommended pin, then theoretical, measured and difference, inch and mm.
  Widgets results() const {
    const auto &in = w().inch_results, &mm = w().mm_results;
    return {w().pin_inch, w().pin_mm, in[0], mm[0], in[1], mm[1], in[2], mm[2]};
  }
};

TEST_F(OverPinsPageTest, ControlsReachTheFormAndTheDifferenceShowsRed) {
  const OverPinsWidgets& g = w();
  act(g.pitch, "10", g.teeth, "20", g.pin, "0.168", g.angle[0], nullptr, g.over_pins, "2.23");
  see(results(), {"0.168", "4.267", "0.1571", "3.99", "0.1599", "4.06", "-0.0028", "-0.071"});
  act(g.angle[1], nullptr);
  see(results(), {"0.168", "4.267", "0.1571", "3.99", "0.1603", "4.073", "-0.0033", "-0.083"});
  EXPECT_EQ(g.mm_results[2]->textcolor(), FL_RED);
  act(g.over_pins, "2.21"); // cut too deep: t = 0.151796, thinner than in theory
  see({g.inch_results[1], g.inch_results[2]}, {"0.1518", "0.0053"});
  EXPECT_NE(g.inch_results[2]->textcolor(), FL_RED);
  act(g.over_pins, "2.23", g.angle[2], nullptr); // a typed angle waits for one in range
  see({g.inch_results[1]}, {""});
  act(g.typed_angle, "22.5");
  see({g.inch_results[1]}, {"0.1601"});
  act(g.system[2], nullptr, g.fraction[1], "1", g.fraction[2], "4");
  see({g.pitch}, {"0.2500"});
  act(g.pitch, "0.25", g.system[3], nullptr, g.help, nullptr); // typed over: the fraction goes
  see({g.fraction[1], g.fraction_frame}, {"", "hidden"});
  EXPECT_EQ(help_title(), lang(128));
}

TEST_F(OverPinsPageTest, UnitsConvertThereAndBackAndARestartKeepsMillimetres) {
  act(w().pitch, "10", w().teeth, "20", w().pin, "0.168", w().over_pins, "2.23", w().mm, nullptr);
  see({w().over_pins}, {"56.642"}); // 2.23 x 25.4
  act(w().inch, nullptr);
  const Texts before = shown_all(results());
  units(); // a module and millimetres for the same gear
  see({w().system[0], w().pitch, w().over_pins}, {"on", "2.54", "56.642"});
  EXPECT_EQ(shown_all(results()), before);
  act(w().pin, "3.396");
  const Texts restored = shown_all(results());
  restart_app();
  EXPECT_EQ(shown_all(results()), restored);
  act(w().inch, nullptr); // the restored unit converts once
  see({w().pin}, {"0.1337"});
}

} // namespace
