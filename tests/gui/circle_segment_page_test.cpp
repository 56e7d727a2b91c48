// The circle-segment page's wiring: the controls reach the form and its rows
// and labels show, radius and diameter, units, angle formats, restore, sketch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "calc/geometry/circle_segment_page.h"
#include "calc/geometry/circle_segment_sketch.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using Texts = std::vector<std::string>;

namespace {

class CircleSegmentPageTest : public AppTest {
protected:
  void SetUp() override { start_app(); }

  geometry::CircleSegmentPage& page() {
    return dynamic_cast<geometry::CircleSegmentPage&>(*app->page(1));
  }
  const geometry::CircleSegmentPage::Widgets& w() { return page().widgets(); }
  std::string lang(int i) { return app->lang(i) ? app->lang(i) : ""; }
  // The user picks item `menu` of the choice of known values.
  void choose(int menu) {
    w().known->value(menu);
    w().known->do_callback();
  }
  std::string row(int r) { return w().row_values[static_cast<size_t>(r - 1)]->value(); }
  Texts texts(const ui::DmsFields& triple) {
    return {triple[0]->value(), triple[1]->value(), triple[2]->value()};
  }
  bool all_empty() {
    for (auto* field : w().row_values)
      if (*field->value())
        return false;
    return true;
  }
};

TEST_F(CircleSegmentPageTest, ControlsReachTheFormAndItsRowsShow) {
  EXPECT_EQ(Fl::focus(), w().first);
  struct Case {
    int menu;
    const char *first, *second;
    int first_label, r1_label;
    bool diameter;
    const char *r1, *r3;
  };
  // Radius 5 and chord 8 (d = 3, h = 2); chord 8 and height 2 give radius 5
  // (shown untrimmed); radius 10 and 60 degrees give chord 10.
  const Case cases[] = {
      {3, "5", "8", 39, 41, true, " 2.0", " 106.26"},
      {2, "8", "2", 40, 39, false, " 5.000", " 106.26"},
      {0, "10", "60", 39, 41, true, " 1.34", " 10.0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.menu);
    type_text(w().first, "1");
    choose(c.menu);
    EXPECT_STREQ(w().first->value(), "");
    EXPECT_EQ(w().first_label->value(), lang(c.first_label));
    EXPECT_EQ(w().row_labels[0]->value(), lang(c.r1_label));
    EXPECT_EQ(w().diameter->visible() != 0, c.diameter);
    type_text(w().first, c.first);
    type_text(w().second, c.second);
    EXPECT_EQ(row(1), c.r1);
    EXPECT_EQ(row(3), c.r3);
  }
  // The precision reaches every row; the angle case's range makes 600 red.
  click(w().precision->child(2)); // one place fewer
  EXPECT_EQ(row(6), " 62.83");
  retype(w().second, "600");
  EXPECT_EQ(w().second->textcolor(), FL_RED);
  EXPECT_TRUE(all_empty());
  choose(3); // no range on a chord: it starts black
  type_text(w().second, "200");
  EXPECT_EQ(w().second->textcolor(), FL_BLACK);
}

TEST_F(CircleSegmentPageTest, RadiusAndDiameterFollowEachOtherAndUnitsConvertTheLengths) {
  type_text(w().first, "0.5");
  EXPECT_STREQ(w().diameter->value(), "1");
  retype(w().diameter, "10");
  EXPECT_STREQ(w().first->value(), "5");
  type_text(w().second, "8");
  click(w().mm);
  EXPECT_STREQ(w().first->value(), "127");
  EXPECT_STREQ(w().diameter->value(), "254");
  EXPECT_STREQ(w().second->value(), "203.2");
  EXPECT_EQ(row(1), " 50.8");
  // The angle of an angle case is not a length.
  choose(0);
  type_text(w().first, "10");
  type_text(w().second, "60");
  click(w().inch);
  EXPECT_STREQ(w().first->value(), "0.3937007874");
  EXPECT_STREQ(w().second->value(), "60");
}

TEST_F(CircleSegmentPageTest, AngleFormatsMoveTheTypedAngleAndShowTheComputedOne) {
  choose(0);
  type_text(w().first, "10");
  type_text(w().second, "60.5");
  click(w().dms);
  EXPECT_FALSE(w().second_group->visible());
  EXPECT_TRUE(w().second_dms_groups[2]->active());
  EXPECT_EQ(texts(w().second_dms), (Texts{"60", "30", "0"}));
  EXPECT_FALSE(w().row_values[3]->visible());
  EXPECT_TRUE(w().row_values[2]->visible()); // the chord stays a length
  type_text(w().second_dms[1], "5");         // 60 degrees 305 minutes: red
  EXPECT_EQ(w().second_dms[1]->textcolor(), FL_RED);
  EXPECT_TRUE(all_empty());
  press_key(FL_BackSpace);
  click(w().decimal);
  EXPECT_STREQ(w().second->value(), "60.5");
  EXPECT_EQ(row(4), " 299.5");

  choose(3); // a computed angle is shown as degrees, minutes and seconds
  type_text(w().first, "5");
  type_text(w().second, "8");
  click(w().dms);
  EXPECT_FALSE(w().row_values[2]->visible());
  EXPECT_EQ(texts(w().angle_dms), (Texts{"106", "15", "36.738"}));
}

TEST_F(CircleSegmentPageTest, RestartShowsTheCaseAndConvertsTheRestoredUnitOnce) {
  choose(0);
  click(w().dms);
  click(w().mm);
  type_text(w().first, "10");
  type_text(w().second_dms[0], "60");
  restart_app();
  EXPECT_EQ(page().known(), geometry::SegmentKnown::kRadiusAngle);
  EXPECT_EQ(w().second_label->value(), lang(43));
  EXPECT_FALSE(w().second_group->visible());
  EXPECT_TRUE(w().second_dms_groups[0]->visible());
  EXPECT_STREQ(w().diameter->value(), "20");
  EXPECT_EQ(row(3), " 10.0");
  EXPECT_EQ(texts(w().rest_dms), (Texts{"300", "0", "0.0"}));
  click(w().inch);
  EXPECT_STREQ(w().first->value(), "0.3937007874");
}

TEST_F(CircleSegmentPageTest, SketchDrawsBothFigures) {
  uchar r, g, b;
  Fl::get_color(95, r, g, b);
  Rendered shot = render_widget(w().sketch);
  EXPECT_GT(shot.pixels_of(r, g, b), 1500); // the yellow sector and triangle
  Fl::get_color(88, r, g, b);
  EXPECT_GT(shot.pixels_of(r, g, b), 300); // two circles
}

} // namespace
