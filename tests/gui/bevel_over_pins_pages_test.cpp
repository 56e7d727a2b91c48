// The bevel gear and over-pins pages driven with real keys and clicks: the
// controls reach the form, the results land in their fields, units, restore,
// the bevel gear's printed sheets.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_PostScript.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Slider.H>

#include "app/help_viewer.h"
#include "calc/gears/bevel_gear_draw.h"
#include "calc/gears/bevel_gear_page.h"
#include "calc/gears/over_pins_page.h"
#include "gui/support/page_scenario.h"
#include "gui/support/postscript.h"
#include "gui/support/render.h"

using namespace testing_support;
using namespace gears;

namespace {

class BevelGearPageTest : public PageTest<BevelGearPage, 14> {
protected:
  void use_cincinnati_head() { // as if chosen on the dividing-head page
    app->settings_doc().set(".:last", "Cincinatti 40-1");
    app->settings_doc().set(".:ratio", "40");
    app->write_settings();
    restart_app();
    open_page();
  }
  Texts left() const { return values_of(w().left.values); }
  Texts right() const { return values_of(w().right.values); }
  Texts face_width() const {
    return {label(w().face_width_minimum), w().face_width->value(), label(w().face_width_maximum)};
  }
  static bool red(const Fl_Input* field) { return field->textcolor() == FL_RED; }
  Texts printed(int pages) {
    const std::vector<BevelPrintSheet> sheets = page().print_sheets();
    const std::string ps = print_to_postscript(
        dir.path() + "/bevel.ps", static_cast<int>(sheets.size()),
        [&](Fl_Paged_Device& device) { draw_bevel_gear_sheets(device, sheets); });
    EXPECT_EQ(count_of(ps, "%%Page: "), pages);
    return printed_texts(ps);
  }
  const Texts kEmpty = Texts(kBevelRowCount, "");
};

TEST_F(BevelGearPageTest, ControlsReachTheFormAndTheModesShow) {
  EXPECT_EQ(Fl::focus(), w().pitch);
  EXPECT_FALSE(w().right.frame->visible());
  EXPECT_EQ(label(w().left.frame), lang(380));
  EXPECT_GT(render_widget(w().sketch).pixels_of(255, 255, 0), 2000); // the blank, colour 95
  type_text(w().pitch, "8");
  retype(w().miter_teeth, "24"); // the Brown and Sharpe head cannot cut it
  EXPECT_TRUE(red(w().miter_teeth));
  EXPECT_EQ(left(), kEmpty);
  retype(w().shaft_angle, "200");
  EXPECT_EQ(values_of(w().shaft_dms), (Texts{"180", "0", "0.0"}));
  retype(w().shaft_angle, "90");

  click(w().pinion_and_gear);
  EXPECT_FALSE(w().miter_frame->visible());
  EXPECT_EQ((Texts{label(w().left.frame), label(w().right.frame)}), (Texts{lang(376), lang(378)}));
  retype(w().pinion_teeth, "20");
  retype(w().gear_teeth, "40");
  EXPECT_EQ(right()[kPitchAngleRow], "63.4349"); // atan(40 / 20)
  click(w().dms);
  EXPECT_FALSE(w().left.values[kPitchAngleRow]->visible());
  EXPECT_EQ(values_of(w().left.angle_dms[0]), (Texts{"26", "33", "54.184"}));
  retype(w().shaft_dms[0], "59"); // 59° 30′ is 59.5°
  retype(w().shaft_dms[1], "30");
  EXPECT_STREQ(w().shaft_angle->value(), "59.5");
  retype(w().shaft_dms[0], "190"); // out of range: no results for an angle not shown
  EXPECT_TRUE(red(w().shaft_dms[0]));
  EXPECT_EQ(left(), kEmpty);
  EXPECT_FALSE(w().print->active());
  retype(w().shaft_dms[0], "90");
  click(w().decimal);
  click(w().miter); // the pinion's count is the miter count; 90.5° / 2
  EXPECT_EQ((Texts{w().miter_teeth->value(), left()[kPitchAngleRow]}), (Texts{"20", "45.25"}));

  click(w().module);
  EXPECT_EQ((Texts{label(w().pitch), w().pitch->value()}), (Texts{lang(293), ""}));
  EXPECT_EQ(left(), kEmpty);
  type_text(w().pitch, "3"); // 20 / cos 45° -> 28 teeth: metric No. 5
  EXPECT_EQ(left()[kCutterRow], "5");
  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  EXPECT_EQ(label(app->help_windows().back()->window()), lang(374));
}

TEST_F(BevelGearPageTest, MiterWithTheHeadOfTheSettingsInBothUnitsAndPrinted) {
  use_cincinnati_head();
  type_text(w().pitch, "8");
  type_text(w().miter_teeth, "24");
  // 24 circle: 1 turn and 16 holes, 40 holes a tooth; 24 / cos 45° -> 34: No. 4.
  const Texts inch = {"3.177", "3.0", "1.0",  "45",    "45", "24",    "1",
                      "16",    "4",   "0.27", "0.098", "10", "0.196", "20"};
  EXPECT_EQ(left(), inch);
  click(w().mm);
  EXPECT_EQ(left()[kOutsideDiameterRow], "80.69");
  EXPECT_EQ(face_width(), (Texts{"19.95", "25.40", "29.92"}));
  EXPECT_EQ(label(w().left.frame), lang(381));
  click(w().inch);
  EXPECT_EQ(left(), inch);
  Texts texts = printed(1);
  for (const char* text : {"Miter gears (inch)", "Diametral pitch = 8",
                           "Teeth = 24, Shaft angle = 90", "3.177", "Holes for a half tooth"})
    EXPECT_TRUE(contains(texts, text)) << text;
  click(w().pinion_and_gear);
  click(w().dms);
  retype(w().gear_teeth, "48");
  texts = printed(2);
  for (const char* text : {"Pinion (inch)", "Gear (inch)", "Teeth = 48, Shaft angle = 90:0:0.0",
                           "26:33:54.184", "63:26:5.816"})
    EXPECT_TRUE(contains(texts, text)) << text;
}

TEST_F(BevelGearPageTest, FaceWidthWithinItsLimitsAndARestartRecomputes) {
  use_cincinnati_head();
  type_text(w().pitch, "8");
  type_text(w().miter_teeth, "20");
  retype(w().face_width, "1.1");
  EXPECT_DOUBLE_EQ(w().face_width_slider->value(), 1.1);
  retype(w().face_width, "2");
  EXPECT_TRUE(red(w().face_width));
  EXPECT_EQ(left()[kFaceWidthRow], "1.1");
  w().face_width_slider->value(1.05);
  w().face_width_slider->do_callback();
  EXPECT_EQ((Texts{w().face_width->value(), left()[kFaceWidthRow]}), (Texts{"1.050", "1.05"}));
  retype(w().pitch, "10"); // a new pitch starts again from 8 / P, within 8 / P x (0.785 .. 1.178)
  EXPECT_EQ(face_width(), (Texts{"0.628", "0.800", "0.942"}));

  click(w().pinion_and_gear);
  click(w().module);
  click(w().mm);
  click(w().dms);
  type_text(w().pitch, "3");
  retype(w().pinion_teeth, "24");
  retype(w().gear_teeth, "48");
  retype(w().shaft_dms[1], "30");
  retype(w().face_width, "20.5");
  const Texts pinion = left(), gear = right();
  ASSERT_EQ(pinion[kFaceWidthRow], "20.5");
  restart_app();
  EXPECT_EQ(Fl::focus(), w().pitch);
  EXPECT_EQ(left(), pinion);
  EXPECT_EQ(right(), gear);
  EXPECT_EQ(label(w().right.frame), lang(379));
}

enum System { kModule, kDp, kCpInch, kCpMm };

class OverPinsPageTest : public PageTest<OverPinsPage, 15> {
protected:
  // Recommended pin, then theoretical, measured and difference, inch and mm.
  Texts shown() const {
    const auto& in = w().inch_results;
    const auto& mm = w().mm_results;
    return values(w().pin_inch, w().pin_mm, in[0], mm[0], in[1], mm[1], in[2], mm[2]);
  }
  Texts results() const {
    const Texts all = shown();
    return Texts(all.begin() + 2, all.end());
  }
  // DP 10, 20 teeth, recommended pins: the page's first worked example.
  void enter_dp10(const std::string& over_pins) {
    for (auto [field, text] : {std::pair{w().pitch, "10"}, {w().teeth, "20"}, {w().pin, "0.168"}})
      retype(field, text);
    retype(w().over_pins, over_pins);
  }
  const Texts kNoResults = Texts(6, "");
};

TEST_F(OverPinsPageTest, ControlsReachTheFormAndTheDifferenceShowsRed) {
  EXPECT_EQ(Fl::focus(), w().pitch);
  struct Case {
    int angle;
    const char* over_pins;
    Texts shown;
    bool red;
  };
  const Case cases[] = {
      // Cut too deep: t = 0.151796, thinner than in theory.
      {1, "2.21", {"0.168", "4.267", "0.1571", "3.99", "0.1518", "3.856", "0.0053", "0.134"}, 0},
      {0, "2.23", {"0.168", "4.267", "0.1571", "3.99", "0.1599", "4.06", "-0.0028", "-0.071"}, 1},
      {1, "2.23", {"0.168", "4.267", "0.1571", "3.99", "0.1603", "4.073", "-0.0033", "-0.083"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.over_pins);
    click(w().angle[static_cast<size_t>(c.angle)]);
    enter_dp10(c.over_pins);
    EXPECT_EQ(shown(), c.shown);
    EXPECT_EQ(w().inch_results[2]->textcolor() == FL_RED, c.red);
    EXPECT_EQ(w().mm_results[2]->textcolor() == FL_RED, c.red);
  }
  click(w().angle[2]); // a typed angle waits for one in range
  EXPECT_EQ(Fl::focus(), w().typed_angle);
  EXPECT_EQ(results(), kNoResults);
  type_text(w().typed_angle, "22.5");
  EXPECT_EQ(results()[2], "0.1601");
  click(w().angle[1]);
  const Texts with_20 = shown();
  click(w().helix_select); // the helix angle is kept but changes nothing
  EXPECT_EQ(label(w().helix_note), lang(473));
  retype(w().helix, "30");
  EXPECT_EQ(shown(), with_20);

  click(w().system[kCpInch]);
  EXPECT_EQ((Texts{label(w().pitch), w().pitch->value()}), (Texts{lang(295), ""}));
  type_text(w().fraction[1], "1");
  type_text(w().fraction[2], "4");
  EXPECT_STREQ(w().pitch->value(), "0.2500");
  retype(w().pitch, "0.25"); // typed over: the fraction no longer matches it
  EXPECT_STREQ(w().fraction[1]->value(), "");
  click(w().system[kCpMm]);
  EXPECT_FALSE(w().fraction_frame->visible());
  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  EXPECT_EQ(label(app->help_windows()[0]->window()), lang(128));
}

TEST_F(OverPinsPageTest, UnitsConvertThereAndBackAndRestoreKeepsFractionAndMillimetres) {
  enter_dp10("2.23");
  const Texts before = shown();
  click(w().mm);
  EXPECT_STREQ(w().over_pins->value(), "56.642"); // 2.23 x 25.4
  EXPECT_EQ(shown(), before);
  click(w().inch);
  click(app->main_frame()->unit_button()); // a module and millimetres for the same gear
  EXPECT_NE(w().system[kModule]->value(), 0);
  EXPECT_EQ((Texts{w().pitch->value(), w().over_pins->value()}), (Texts{"2.54", "56.642"}));
  EXPECT_EQ(shown(), before);
  click(app->main_frame()->unit_button());
  EXPECT_STREQ(w().pitch->value(), "10");
  click(w().system[kCpInch]); // from another page the button converts without the focus
  type_text(w().pitch, "0.25");
  click(app->main_frame()->nav_button(9));
  click(app->main_frame()->unit_button());
  EXPECT_STREQ(w().pitch->value(), "2.0213"); // 25.4 / (π / 0.25)
  click(app->main_frame()->unit_button());
  EXPECT_STREQ(w().pitch->value(), "12.5664"); // π / 0.25
  EXPECT_FALSE(app->main_frame()->page_group(15)->contains(Fl::focus()));

  click(app->main_frame()->nav_button(15));
  click(w().mm);
  click(w().system[kCpInch]);
  type_text(w().fraction[1], "1");
  type_text(w().fraction[2], "4");
  for (auto [field, text] :
       {std::pair{w().teeth, "40"}, {w().pin, "3.396"}, {w().over_pins, "85.6"}})
    retype(field, text);
  const Texts restored = shown();
  ASSERT_NE(results()[2], "");
  restart_app();
  EXPECT_EQ(Fl::focus(), w().pitch);
  EXPECT_EQ(shown(), restored);
  click(w().inch); // the restored unit converts once: 3.396 / 25.4
  EXPECT_STREQ(w().pin->value(), "0.1337");
}

TEST_F(OverPinsPageTest, RestoredTypedAngleOutOfRangeIsEmptiedAndWaits) {
  for (const char* angle : {"45", "abc"}) {
    SCOPED_TRACE(angle);
    dir.write_file("State.ini", std::string("[p15]\ngear_type = 1\ngear_profile = 10\n"
                                            "gear_tooth_count = 20\npin_dia = 0.168\n"
                                            "over_pins = 2.23\nmeasure_pressure_angle = 2\n"
                                            "measure_custom_pressure_angle = ") +
                                    angle + "\n[page]\npage = 14\n");
    start_app();
    EXPECT_EQ((Texts{w().typed_angle->value(), w().pin_inch->value()}), (Texts{"", "0.168"}));
    EXPECT_EQ(Fl::focus(), w().typed_angle);
    EXPECT_EQ(results(), kNoResults);
  }
}

} // namespace
