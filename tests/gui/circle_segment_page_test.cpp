// The circle-segment page: typed results, the cases, units, angle formats, restore, sketch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "calc/geometry/chord.h"
#include "calc/geometry/circle_segment_page.h"
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
  std::string label(int r) { return w().row_labels[static_cast<size_t>(r - 1)]->value(); }

  // The user picks item `menu` of the choice of known values.
  void choose(int menu) {
    w().known->value(menu);
    w().known->do_callback();
  }
  std::string row(int r) { return w().row_values[static_cast<size_t>(r - 1)]->value(); }
  Texts rows() {
    Texts out;
    for (auto* field : w().row_values)
      out.push_back(field->value());
    return out;
  }
  Texts texts(const ui::DmsFields& triple) {
    return {triple[0]->value(), triple[1]->value(), triple[2]->value()};
  }
  void erase(Fl_Widget* field, int count) {
    field->take_focus();
    for (int i = 0; i < count; ++i)
      press_key(FL_BackSpace);
  }
  bool all_empty() { return rows() == Texts(w().row_values.size()); }
  // The angle case with radius 10 and angle `angle` typed.
  void radius_angle(const char* angle) {
    choose(0);
    type_text(w().first, "10");
    type_text(w().second, angle);
  }
};

const Texts kThreeFourFive = {" 2.0",    " 3.0",    " 106.26", " 253.74", " 9.273",
                              " 31.416", " 11.182", " 12.0",   " 23.182", " 78.54"};

TEST_F(CircleSegmentPageTest, StartsWithRadiusAndChord) {
  EXPECT_EQ(page().known(), geometry::SegmentKnown::kRadiusChord);
  EXPECT_EQ(label(4), lang(51));
  EXPECT_TRUE(w().second_group->visible());
  EXPECT_EQ(Fl::focus(), w().first);
  EXPECT_EQ(w().precision->value(), 3);
  EXPECT_TRUE(all_empty());
}

TEST_F(CircleSegmentPageTest, ResultsFollowEveryKey) {
  type_text(w().first, "5");
  EXPECT_STREQ(w().diameter->value(), "10");
  EXPECT_TRUE(all_empty()); // no chord yet
  type_text(w().second, "8");
  EXPECT_EQ(rows(), kThreeFourFive);
  type_text(w().second, "0"); // a chord of 80 is longer than the diameter
  EXPECT_TRUE(all_empty());
  press_key(FL_BackSpace);
  EXPECT_EQ(rows(), kThreeFourFive);

  // A chord as long as the diameter: the half circle.
  erase(w().second, 1);
  type_text(w().second, "10");
  EXPECT_EQ(row(3), " 180.0");
  click(w().precision->child(1)); // one more place
  EXPECT_EQ(w().precision->value(), 4);
  EXPECT_EQ(row(4), " 180");
  EXPECT_EQ(row(10), " 78.5398");
}

TEST_F(CircleSegmentPageTest, RadiusAndDiameterFollowEachOther) {
  // A radius below 1 can be typed from its first nought on.
  type_text(w().first, "0.5");
  EXPECT_STREQ(w().first->value(), "0.5");
  EXPECT_STREQ(w().diameter->value(), "1");
  erase(w().diameter, 1);
  EXPECT_STREQ(w().first->value(), "");
  type_text(w().diameter, "0.25");
  EXPECT_STREQ(w().diameter->value(), "0.25");
  EXPECT_STREQ(w().first->value(), "0.125");
  erase(w().diameter, 4);
  type_text(w().diameter, "100.0001");
  EXPECT_STREQ(w().first->value(), "50.00005");
  // Twice a radius of 1e308 is beyond any number: no diameter, no results.
  erase(w().diameter, 8);
  type_text(w().first, "1" + std::string(308, '0'));
  type_text(w().second, "5");
  EXPECT_STREQ(w().diameter->value(), "");
  EXPECT_TRUE(all_empty());
}

TEST_F(CircleSegmentPageTest, EachChoiceShowsItsLabels) {
  struct Case {
    int menu;
    geometry::SegmentKnown known;
    int first, second, r1, r2, r3, r5;
    bool diameter;
  };
  using K = geometry::SegmentKnown;
  const Case cases[] = {
      {0, K::kRadiusAngle, 39, 43, 41, 42, 40, 44, true},
      {1, K::kRadiusHeight, 39, 41, 40, 42, 43, 44, true},
      {2, K::kChordHeight, 40, 41, 39, 42, 43, 44, false},
      {3, K::kRadiusChord, 39, 40, 41, 42, 43, 44, true},
      {4, K::kRadiusDistance, 39, 42, 40, 41, 43, 44, true},
      {5, K::kChordDistance, 40, 42, 39, 41, 43, 44, false},
      {6, K::kHeightDistance, 41, 42, 39, 40, 43, 44, false},
      {7, K::kChordArc, 40, 44, 39, 42, 43, 41, false},
      {8, K::kRadiusArc, 39, 44, 41, 42, 43, 40, true},
      {9, K::kArcAngle, 44, 43, 41, 42, 39, 40, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.menu);
    type_text(w().first, "2");
    type_text(w().second, "1");
    choose(c.menu);
    EXPECT_STREQ(w().second->value(), "");
    EXPECT_TRUE(all_empty());
    EXPECT_EQ(page().known(), c.known);
    EXPECT_EQ(std::string(w().first_label->value()), lang(c.first));
    EXPECT_EQ(std::string(w().second_label->value()), lang(c.second));
    EXPECT_EQ((Texts{label(1), label(2), label(3), label(5)}),
              (Texts{lang(c.r1), lang(c.r2), lang(c.r3), lang(c.r5)}));
    EXPECT_EQ(w().diameter->visible() != 0, c.diameter);
    EXPECT_EQ(Fl::focus(), w().first);
  }
  EXPECT_EQ(w().known->size() - 1, 10); // the chord-and-angle case is not offered
}

TEST_F(CircleSegmentPageTest, RedOrImpossibleValuesEmptyTheResults) {
  radius_angle("60");
  EXPECT_EQ(row(3), " 10.0");
  erase(w().second, 2);
  type_text(w().second, "180");
  EXPECT_EQ(w().second->textcolor(), FL_RED);
  EXPECT_TRUE(all_empty());
  press_key(FL_BackSpace);
  EXPECT_EQ(w().second->textcolor(), FL_BLACK);
  EXPECT_EQ(row(4), " 342.0");
  // The next case has no range on its second value: it starts black.
  erase(w().second, 2);
  type_text(w().second, "200");
  choose(3);
  EXPECT_EQ(w().second->textcolor(), FL_BLACK);

  choose(8); // radius and arc
  type_text(w().first, "0");
  type_text(w().second, "0");
  EXPECT_TRUE(all_empty());
  erase(w().first, 1);
  type_text(w().first, "5");
  erase(w().second, 1);
  type_text(w().second, "15.8"); // longer than half the circumference
  EXPECT_TRUE(all_empty());
}

TEST_F(CircleSegmentPageTest, UnitsConvertTheLengthsThereAndBack) {
  type_text(w().first, "5");
  type_text(w().second, "8");
  click(w().mm);
  EXPECT_STREQ(w().first->value(), "127");
  EXPECT_STREQ(w().second->value(), "203.2");
  EXPECT_EQ(row(1), " 50.8");
  EXPECT_EQ(row(3), " 106.26"); // angles stay
  click(w().inch);
  EXPECT_STREQ(w().second->value(), "8");
  EXPECT_EQ(rows(), kThreeFourFive);

  // The angle of an angle case is not a length.
  radius_angle("60");
  click(w().mm);
  EXPECT_STREQ(w().first->value(), "254");
  EXPECT_STREQ(w().second->value(), "60");

  // The main unit button leaves millimetres chosen here alone, both ways;
  // back in the program's unit, the page follows it again.
  for (int twice = 0; twice < 2; ++twice) {
    click(app->main_frame()->unit_button());
    EXPECT_TRUE(w().mm->value());
    EXPECT_STREQ(w().first->value(), "254");
  }
  click(w().inch);
  click(app->main_frame()->unit_button());
  EXPECT_TRUE(w().mm->value());
  EXPECT_STREQ(w().first->value(), "254");
}

TEST_F(CircleSegmentPageTest, AngleFormatsThereAndBackAndTypedAsDms) {
  // A typed angle moves between the decimal field and the three fields.
  radius_angle("60.5");
  click(w().dms);
  EXPECT_FALSE(w().second_group->visible());
  EXPECT_TRUE(w().second_dms_groups[2]->active());
  EXPECT_EQ(texts(w().second_dms), (Texts{"60", "30", "0"}));
  EXPECT_EQ(row(3), " 10.075");
  EXPECT_EQ(texts(w().rest_dms), (Texts{"299", "30", "0.0"}));
  EXPECT_FALSE(w().row_values[3]->visible());
  EXPECT_TRUE(w().row_values[2]->visible()); // the chord stays a length
  click(w().decimal);
  EXPECT_STREQ(w().second->value(), "60.5");
  EXPECT_EQ(row(4), " 299.5");

  // A computed angle is shown in degrees, minutes and seconds.
  choose(3);
  type_text(w().first, "5");
  type_text(w().second, "8");
  click(w().dms);
  EXPECT_TRUE(w().angle_dms_group->visible());
  EXPECT_EQ(texts(w().angle_dms), (Texts{"106", "15", "36.738"}));
  EXPECT_EQ(texts(w().rest_dms), (Texts{"253", "44", "23.262"}));
  click(w().decimal);
  EXPECT_EQ(rows(), kThreeFourFive);

  // A given angle typed as degrees, minutes and seconds.
  click(w().dms);
  choose(9); // arc and angle
  type_text(w().first, "10.471976");
  type_text(w().second_dms[0], "60");
  EXPECT_EQ(row(2), " 8.66");
  type_text(w().second_dms[1], "75"); // minutes run to 59
  EXPECT_EQ(w().second_dms[1]->textcolor(), FL_RED);
  EXPECT_TRUE(all_empty());
}

TEST_F(CircleSegmentPageTest, RestartConvertsTheRestoredUnitOnceAndClampsThePrecision) {
  choose(0);
  click(w().dms);
  click(w().mm);
  click(w().precision->child(1));
  type_text(w().first, "10");
  type_text(w().second_dms[0], "60");
  restart_app();
  // Millimetres were restored as the page's unit: inch converts once.
  click(w().inch);
  EXPECT_STREQ(w().first->value(), "0.3937007874");

  // A hand-edited precision stays within two to six.
  struct Case {
    const char* saved;
    int restored;
    const char* angle;
  };
  for (const Case& c : {Case{"8", 6, " 106.260205"}, Case{"1", 2, " 106.26"}}) {
    dir.write_file("State.ini", std::string("[p1]\np1_know = 3\ninp1a = 5\ninp2a = 8\n"
                                            "p1_precision = ") +
                                    c.saved + "\n");
    start_app();
    EXPECT_EQ(w().precision->value(), c.restored);
    EXPECT_STREQ(w().diameter->value(), "10");
    EXPECT_EQ(row(3), c.angle);
  }
}

TEST_F(CircleSegmentPageTest, SketchDrawsBothFiguresInEveryCase) {
  uchar r, g, b;
  Fl::get_color(95, r, g, b);
  for (int menu = 0; menu < 10; ++menu) {
    choose(menu);
    Rendered shot = render_widget(w().sketch);
    EXPECT_GT(shot.drawn_pixels(), 2000) << menu;
    EXPECT_GT(shot.pixels_of(r, g, b), 1500) << menu; // the yellow sector and triangle
  }
  Fl::get_color(88, r, g, b);
  EXPECT_GT(render_widget(w().sketch).pixels_of(r, g, b), 300); // two circles
}

} // namespace
