// Page 15, measurement over pins: controls reach the form, modes, unit rewrites, restore, picture.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <string>
#include <vector>

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "calc/gears/over_pins_page.h"
#include "calc/gears/over_pins_picture.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using Texts = std::vector<std::string>;

namespace {

enum System { kModule, kDp, kCpInch, kCpMm };
enum Angle { k14_5, k20, kTyped };

class OverPinsPageTest : public AppTest {
protected:
  void SetUp() override {
    start_app();
    click(app->main_frame()->nav_button(15));
  }
  const gears::OverPinsWidgets& w() const {
    return static_cast<gears::OverPinsPage*>(app->page(15))->widgets();
  }
  // Recommended pin, then theoretical, measured and difference, inch and mm.
  Texts shown() const {
    return {w().pin_inch->value(),        w().pin_mm->value(),
            w().inch_results[0]->value(), w().mm_results[0]->value(),
            w().inch_results[1]->value(), w().mm_results[1]->value(),
            w().inch_results[2]->value(), w().mm_results[2]->value()};
  }
  Texts results() const {
    const Texts all = shown();
    return Texts(all.begin() + 2, all.end());
  }
  bool difference_red() const {
    return w().inch_results[2]->textcolor() == FL_RED && w().mm_results[2]->textcolor() == FL_RED;
  }
  // DP 10, 20 teeth, 20°, recommended pins: the page's first worked example.
  void enter_dp10(const std::string& over_pins) {
    retype(w().pitch, "10");
    retype(w().teeth, "20");
    retype(w().pin, "0.168");
    retype(w().over_pins, over_pins);
  }
  const Texts kNoResults{"", "", "", "", "", ""};
  const Texts kNothing{"", "", "", "", "", "", "", ""};
};

TEST_F(OverPinsPageTest, StartsWithDiametralPitchTwentyDegreesAndInchesPictureAndHelp) {
  EXPECT_EQ(Fl::focus(), w().pitch);
  EXPECT_STREQ(w().pitch->label(), app->lang(294));

  Rendered picture = render_widget(w().picture);
  ASSERT_EQ(picture.w, 206);
  ASSERT_EQ(picture.h, 176);
  auto at = [&](int x, int y) {
    const unsigned char* p = &picture.rgb[static_cast<size_t>((y * picture.w + x) * 3)];
    return Texts{std::to_string(p[0]), std::to_string(p[1]), std::to_string(p[2])};
  };
  const Texts red{"255", "0", "0"}, white{"255", "255", "255"};
  // Picture centred: gear centre at (19 + 84, 4 + 98); pins 56 px either side.
  EXPECT_EQ(at(103, 102), white);    // the bore
  EXPECT_EQ(at(103 - 56, 102), red); // left pin
  EXPECT_EQ(at(103 + 56, 102), red); // right pin

  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  EXPECT_STREQ(app->help_windows()[0]->window()->label(), app->lang(128));
}

TEST_F(OverPinsPageTest, ControlsReachTheFormAndTheDifferenceShowsRed) {
  struct Case {
    Fl_Button* angle;
    const char* over_pins;
    Texts shown;
    bool red;
  };
  const Case cases[] = {
      {w().angle[k20],
       "2.23",
       {"0.168", "4.267", "0.1571", "3.99", "0.1603", "4.073", "-0.0033", "-0.083"},
       true},
      {w().angle[k14_5],
       "2.23",
       {"0.168", "4.267", "0.1571", "3.99", "0.1599", "4.06", "-0.0028", "-0.071"},
       true},
      // Cut too deep: t = 0.151796, thinner than in theory.
      {w().angle[k20],
       "2.21",
       {"0.168", "4.267", "0.1571", "3.99", "0.1518", "3.856", "0.0053", "0.134"},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.over_pins);
    click(c.angle);
    enter_dp10(c.over_pins);
    EXPECT_EQ(shown(), c.shown);
    EXPECT_EQ(difference_red(), c.red);
  }
  retype(w().pitch, ""); // no tooth size: no pin to recommend either
  EXPECT_EQ(shown(), kNothing);
}

TEST_F(OverPinsPageTest, ToothSizeRadiosRelabelAndEmptyThePitch) {
  enter_dp10("2.23");
  click(w().system[kModule]);
  EXPECT_STREQ(w().pitch->value(), "");
  EXPECT_EQ(shown(), kNothing);

  click(w().system[kCpInch]);
  EXPECT_STREQ(w().pitch->label(), app->lang(295));
  ASSERT_TRUE(w().fraction_frame->visible());
  type_text(w().fraction[1], "1");
  type_text(w().fraction[2], "4");
  EXPECT_STREQ(w().pitch->value(), "0.2500");
  retype(w().pitch, "0.25"); // typed over: the fraction no longer matches it
  EXPECT_STREQ(w().fraction[1]->value(), "");

  click(w().system[kCpMm]);
  EXPECT_FALSE(w().fraction_frame->visible());
}

TEST_F(OverPinsPageTest, TypedPressureAngleWaitsForAnAngleInRangeAndHelixChangesNothing) {
  enter_dp10("2.23");
  click(w().angle[kTyped]);
  EXPECT_EQ(Fl::focus(), w().typed_angle);
  EXPECT_EQ(results(), kNoResults);
  type_text(w().typed_angle, "22.5");
  EXPECT_EQ(results()[2], "0.1601");
  retype(w().typed_angle, "35");
  EXPECT_EQ(results(), kNoResults);
  click(w().angle[k20]);
  EXPECT_FALSE(w().typed_angle->visible());

  // The helix angle is kept but changes nothing.
  const Texts with_20 = shown();
  click(w().helix_select);
  EXPECT_STREQ(w().helix_note->label(), app->lang(473));
  EXPECT_EQ(Fl::focus(), w().helix);
  retype(w().helix, "30");
  EXPECT_EQ(shown(), with_20);
  click(w().helix_select);
  EXPECT_FALSE(w().helix_note->visible());
}

TEST_F(OverPinsPageTest, UnitsConvertPinAndMeasurementThereAndBackFromAnyPage) {
  enter_dp10("2.23");
  const Texts before = shown();
  click(w().mm);
  EXPECT_STREQ(w().over_pins->value(), "56.642");
  EXPECT_EQ(shown(), before);
  click(w().inch);
  EXPECT_STREQ(w().over_pins->value(), "2.23");

  // The unit-system button: millimetres and a module for the same gear.
  click(app->main_frame()->unit_button());
  EXPECT_NE(w().mm->value(), 0);
  EXPECT_NE(w().system[kModule]->value(), 0);
  EXPECT_STREQ(w().pitch->value(), "2.54");
  EXPECT_EQ(shown(), before);
  click(app->main_frame()->unit_button());
  EXPECT_STREQ(w().pitch->value(), "10");

  // From another page the button converts without taking the focus.
  click(w().system[kCpInch]);
  type_text(w().pitch, "0.25");
  click(app->main_frame()->nav_button(9));
  click(app->main_frame()->unit_button());
  EXPECT_STREQ(w().pitch->value(), "2.0213"); // 25.4 / (π / 0.25)
  click(app->main_frame()->unit_button());
  EXPECT_STREQ(w().pitch->value(), "12.5664"); // the same gear as a diametral pitch
  EXPECT_FALSE(app->main_frame()->page_group(15)->contains(Fl::focus()));
}

// What the whole-program restart does not fill: millimetres and a fraction.
TEST_F(OverPinsPageTest, RestoredFractionAndMillimetres) {
  click(w().mm);
  click(w().system[kCpInch]);
  type_text(w().fraction[1], "1");
  type_text(w().fraction[2], "4");
  retype(w().teeth, "40");
  retype(w().pin, "3.396");
  retype(w().over_pins, "85.6");
  const Texts before = shown();
  ASSERT_NE(results()[2], "");

  restart_app();
  EXPECT_EQ(Fl::focus(), w().pitch);
  EXPECT_STREQ(w().pitch->value(), "0.2500");
  EXPECT_EQ(shown(), before);
  // The restored unit converts once.
  click(w().inch);
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
    EXPECT_STREQ(w().typed_angle->value(), "");
    EXPECT_EQ(Fl::focus(), w().typed_angle);
    EXPECT_EQ(results(), kNoResults);
    EXPECT_STREQ(w().pin_inch->value(), "0.168");
  }
}

} // namespace
