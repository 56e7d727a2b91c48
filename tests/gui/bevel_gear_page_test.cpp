// Page 14, the bevel gear: controls reach the form, modes, face width, print, restore.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_PostScript.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Slider.H>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "calc/gears/bevel_gear_draw.h"
#include "calc/gears/bevel_gear_page.h"
#include "gui/support/postscript.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using gears::BevelColumnWidgets;
using Texts = std::vector<std::string>;

namespace {

constexpr const char* kCincinnati = "Cincinatti 40-1";

class BevelGearPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }

  void open_page() {
    if (!app)
      start_app();
    click(app->main_frame()->nav_button(14));
  }
  // The dividing head of the settings file, as if chosen on its page.
  void use_head(const char* head) {
    app->settings_doc().set(".:last", head);
    app->settings_doc().set(".:ratio", "40");
    app->write_settings();
    restart_app();
    open_page();
  }
  void miter(const char* pitch, const char* teeth) {
    type_text(w().pitch, pitch);
    type_text(w().miter_teeth, teeth);
  }
  const gears::BevelGearWidgets& w() const {
    return static_cast<gears::BevelGearPage*>(app->page(14))->widgets();
  }
  std::string lang(int i) const { return app->lang(i); }
  static Texts column(const BevelColumnWidgets& c) {
    Texts out;
    for (Fl_Output* field : c.values)
      out.push_back(field->value());
    return out;
  }
  template <typename Field> static Texts triple(const std::array<Field*, 3>& fields) {
    return {fields[0]->value(), fields[1]->value(), fields[2]->value()};
  }
  Texts left() const { return column(w().left); }
  Texts right() const { return column(w().right); }
  static bool red(const Fl_Input* field) { return field->textcolor() == FL_RED; }
  std::string label(const Fl_Widget* widget) const {
    return widget->label() ? widget->label() : "";
  }
  Texts face_width() const {
    return {label(w().face_width_minimum), w().face_width->value(), label(w().face_width_maximum)};
  }
  const Texts kEmpty = Texts(gears::kBevelRowCount, "");
};

TEST_F(BevelGearPageTest, StartsInItsModesWithSketchAndHelp) {
  EXPECT_EQ(Fl::focus(), w().pitch);
  for (const Fl_Round_Button* set : {w().inch, w().decimal, w().diametral_pitch, w().miter})
    EXPECT_NE(set->value(), 0);
  EXPECT_EQ(triple(w().shaft_dms), (Texts{"90", "0", "0.0"}));
  EXPECT_FALSE(w().shaft_dms_frame->visible());
  EXPECT_FALSE(w().right.frame->visible());
  EXPECT_EQ(label(w().left.frame), lang(380));
  EXPECT_FALSE(w().print->active());
  std::set<std::string> rows; // each row names its own quantity
  for (const Fl_Output* row : w().row_texts)
    rows.insert(row->value());
  EXPECT_EQ(rows.size(), w().row_texts.size());

  Rendered sketch = render_widget(w().sketch);
  EXPECT_GT(sketch.pixels_of(255, 255, 0), 2000); // the blank, colour 95
  EXPECT_GT(sketch.pixels_of(255, 0, 0), 20);     // the red numbers
  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  EXPECT_EQ(std::string(app->help_windows().back()->window()->label()), lang(374));
}

TEST_F(BevelGearPageTest, MiterWithTheHeadOfTheSettingsInBothUnitsAndPrinted) {
  use_head(kCincinnati);
  miter("8", "24");
  // 24 circle: 1 turn and 16 holes, 40 holes a tooth; 24 / cos 45° -> 34: No. 4.
  const Texts inch = {"3.177", "3.0", "1.0",  "45",    "45", "24",    "1",
                      "16",    "4",   "0.27", "0.098", "10", "0.196", "20"};
  EXPECT_EQ(left(), inch);
  EXPECT_TRUE(w().print->active());
  click(w().mm);
  EXPECT_EQ(left()[gears::kOutsideDiameterRow], "80.69");
  EXPECT_EQ(face_width(), (Texts{"19.95", "25.40", "29.92"}));
  EXPECT_EQ(label(w().left.frame), lang(381));
  click(w().inch);
  EXPECT_EQ(left(), inch);
  EXPECT_EQ(face_width(), (Texts{"0.785", "1.000", "1.178"}));

  auto print = [this](const std::vector<gears::BevelPrintSheet>& sheets) {
    return print_to_postscript(
        dir.path() + "/bevel.ps", static_cast<int>(sheets.size()),
        [&](Fl_Paged_Device& device) { gears::draw_bevel_gear_sheets(device, sheets); });
  };
  auto page = static_cast<gears::BevelGearPage*>(app->page(14));
  std::string ps = print(page->print_sheets());
  EXPECT_EQ(count_of(ps, "%%Page: "), 1);
  Texts texts = printed_texts(ps);
  for (const char* text :
       {"Miter gears (inch)", "Diametral pitch = 8", "Teeth = 24, Shaft angle = 90",
        "Outside diameter", "3.177", "Holes for a half tooth"})
    EXPECT_TRUE(contains(texts, text)) << text;

  click(w().pinion_and_gear);
  click(w().dms);
  retype(w().gear_teeth, "48");
  ps = print(page->print_sheets());
  EXPECT_EQ(count_of(ps, "%%Page: "), 2);
  texts = printed_texts(ps);
  for (const char* text : {"Pinion (inch)", "Gear (inch)", "Teeth = 48, Shaft angle = 90:0:0.0",
                           "26:33:54.184", "63:26:5.816"})
    EXPECT_TRUE(contains(texts, text)) << text;
}

TEST_F(BevelGearPageTest, ControlsReachTheFormAndTheModesShow) {
  type_text(w().pitch, "8");
  retype(w().miter_teeth, "24"); // the Brown and Sharpe head cannot cut it
  EXPECT_TRUE(red(w().miter_teeth));
  EXPECT_EQ(left(), kEmpty);
  retype(w().shaft_angle, "200");
  EXPECT_STREQ(w().shaft_angle->value(), "180");
  EXPECT_EQ(triple(w().shaft_dms), (Texts{"180", "0", "0.0"}));
  retype(w().shaft_angle, "90");

  click(w().pinion_and_gear);
  EXPECT_FALSE(w().miter_frame->visible());
  EXPECT_EQ(label(w().left.frame), lang(376));
  EXPECT_EQ(label(w().right.frame), lang(378));
  retype(w().pinion_teeth, "20");
  retype(w().gear_teeth, "40");
  EXPECT_EQ(right()[gears::kPitchAngleRow], "63.4349");
  click(w().dms);
  EXPECT_FALSE(w().left.values[gears::kPitchAngleRow]->visible());
  EXPECT_EQ(triple(w().left.angle_dms[0]), (Texts{"26", "33", "54.184"}));
  // 59° 30′ in the fields is 59.5° in the decimal one.
  retype(w().shaft_dms[0], "59");
  retype(w().shaft_dms[1], "30");
  EXPECT_STREQ(w().shaft_angle->value(), "59.5");
  retype(w().shaft_dms[0], "190"); // out of range: no results for an angle not shown
  EXPECT_TRUE(red(w().shaft_dms[0]));
  EXPECT_EQ(left(), kEmpty);
  EXPECT_FALSE(w().print->active());
  retype(w().shaft_dms[0], "90");
  click(w().decimal);
  click(w().miter); // the pinion's count is the miter count
  EXPECT_STREQ(w().miter_teeth->value(), "20");
  EXPECT_EQ(left()[gears::kPitchAngleRow], "45.25");

  click(w().module);
  EXPECT_EQ(label(w().pitch), lang(293));
  EXPECT_STREQ(w().pitch->value(), "");
  EXPECT_EQ(left(), kEmpty);
  type_text(w().pitch, "3");
  // 20 / cos 45° -> 28 teeth: metric No. 5 (the american series would say 4).
  EXPECT_EQ(left()[gears::kCutterRow], "5");
}

TEST_F(BevelGearPageTest, FaceWidthWithinItsLimits) {
  miter("8", "20");
  retype(w().face_width, "1.1");
  EXPECT_DOUBLE_EQ(w().face_width_slider->value(), 1.1);
  retype(w().face_width, "2");
  EXPECT_TRUE(red(w().face_width));
  EXPECT_EQ(left()[gears::kFaceWidthRow], "1.1");
  w().face_width_slider->value(1.05);
  w().face_width_slider->do_callback();
  EXPECT_STREQ(w().face_width->value(), "1.050");
  EXPECT_FALSE(red(w().face_width));
  EXPECT_EQ(left()[gears::kFaceWidthRow], "1.05");
  retype(w().pitch, "10"); // a new pitch starts again from 8 / P
  EXPECT_EQ(face_width(), (Texts{"0.628", "0.800", "0.942"}));
}

// The restored pair, indexed by the head of the settings, waits for the pitch.
TEST_F(BevelGearPageTest, RestartRecomputesWithTheHeadAndFocusesThePitch) {
  use_head(kCincinnati);
  click(w().pinion_and_gear);
  click(w().module);
  click(w().mm);
  click(w().dms);
  type_text(w().pitch, "3");
  type_text(w().pinion_teeth, "24");
  retype(w().gear_teeth, "48");
  retype(w().shaft_dms[1], "30");
  retype(w().face_width, "20.5");
  const Texts pinion = left(), gear = right();
  ASSERT_EQ(pinion[gears::kFaceWidthRow], "20.5");
  restart_app();
  EXPECT_EQ(Fl::focus(), w().pitch);
  EXPECT_EQ(left(), pinion);
  EXPECT_EQ(right(), gear);
  EXPECT_STREQ(w().face_width->value(), "20.5");
  EXPECT_EQ(label(w().right.frame), lang(379));
}

TEST_F(BevelGearPageTest, HandEditedScrollStaysOnThePageAndMetricStartsInMm) {
  stop_app();
  dir.write_file("State.ini", "[page]\npage = 13\n[p14]\nscroll = 9000\n");
  start_app();
  ASSERT_EQ(app->main_frame()->shown_page(), 14);
  const Fl_Scroll* scroll = w().scroll;
  EXPECT_GT(scroll->yposition(), 0);
  EXPECT_LE(w().print->y() + w().print->h(), scroll->y() + scroll->h());

  click(app->main_frame()->unit_button());
  stop_app();
  std::remove((dir.path() + "/State.ini").c_str());
  open_page();
  EXPECT_NE(w().mm->value(), 0);
  EXPECT_EQ(label(w().left.frame), lang(381));
}

} // namespace
