// Page 9, the regular polygon: known sizes, sides and K4, precision, units, restore, sketch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "calc/geometry/polly.h"
#include "calc/geometry/polygon_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using Texts = std::vector<std::string>;

namespace {

constexpr int kAcrossCorners = 1, kAcrossFlats = 2, kSide = 3, kCornerToFlat = 4;

class PolygonPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }

  void open_page() {
    if (!app)
      start_app();
    click(app->main_frame()->nav_button(9));
  }
  const geometry::PolygonWidgets& w() const {
    return static_cast<geometry::PolygonPage*>(app->page(9))->widgets();
  }
  void enter_value(const std::string& text) { retype(w().value, text); }
  // The sides spinner takes a typed number on Enter.
  void enter_sides(const std::string& text) {
    retype(static_cast<Fl_Input*>(w().sides->child(0)), text);
    press_key(FL_Enter);
  }
  void enter_precision(const std::string& text) {
    retype(static_cast<Fl_Input*>(w().precision->child(0)), text);
  }
  void choose(int known) { click(w().known[static_cast<size_t>(known - 1)]); }
  // Central angle, across corners, side, across flats, corner to flat.
  Texts results() const {
    return {w().angle->value(), w().across_corners->value(), w().side->value(),
            w().across_flats->value(), w().corner_to_flat->value()};
  }
  Texts angle_dms() const {
    return {w().angle_dms[0]->value(), w().angle_dms[1]->value(), w().angle_dms[2]->value()};
  }
  bool corner_to_flat_shown() const {
    return w().corner_to_flat->visible() && w().corner_to_flat_label->visible();
  }
  const Texts kEmpty{"", "", "", "", ""};
};

TEST_F(PolygonPageTest, StartsAsATriangleKnownAcrossCorners) {
  EXPECT_EQ(Fl::focus(), w().value);
  EXPECT_NE(w().known[0]->value(), 0);
  EXPECT_EQ(w().sides->value(), 3);
  EXPECT_TRUE(corner_to_flat_shown());
  EXPECT_FALSE(w().angle_dms_group->visible());
  EXPECT_EQ(results(), kEmpty);
}

TEST_F(PolygonPageTest, SidesSpinnerStaysAtThreeOrMoreAndOffersK4ForOddCounts) {
  enter_sides("2");
  EXPECT_EQ(w().sides->value(), 3);
  click(w().sides->child(2)); // the down arrow below 3 goes round to 100
  EXPECT_EQ(w().sides->value(), 100);
  click(w().sides->child(1));
  EXPECT_EQ(w().sides->value(), 3);

  // The worked example at the page's precision, then the same pentagon from K4.
  enter_sides("5");
  choose(kSide);
  enter_value("10");
  EXPECT_EQ(results(), (Texts{"72.0", "17.013", "10.0", "13.764", "15.388"}));
  choose(kCornerToFlat);
  enter_value("15.388");
  EXPECT_EQ(results()[2], "10.0");
  // An even polygon has no flat opposite a corner: K4 stays set but greyed,
  // and nothing is computed from it.
  enter_sides("6");
  EXPECT_FALSE(w().known[3]->active());
  EXPECT_NE(w().known[3]->value(), 0);
  EXPECT_FALSE(corner_to_flat_shown());
  EXPECT_EQ(results(), kEmpty);
  choose(kAcrossFlats);
  EXPECT_EQ(results(), (Texts{"60.0", "17.769", "8.884", "15.388", ""}));
  enter_sides("9");
  EXPECT_TRUE(corner_to_flat_shown());
  EXPECT_EQ(results(), (Texts{"40.0", "16.376", "5.601", "15.388", "15.882"}));
}

TEST_F(PolygonPageTest, PrecisionFollowsEveryKeyAndAMissingSizeEmptiesTheResults) {
  enter_sides("6");
  enter_value("100");
  enter_precision("6");
  EXPECT_EQ(results(), (Texts{"60", "100", "50", "86.60254", ""}));
  enter_precision("2");
  EXPECT_EQ(results(), (Texts{"60.0", "100.0", "50.0", "86.6", ""}));
  enter_precision("9");
  EXPECT_EQ(w().precision->value(), 6);

  // A missing size empties the results.
  enter_value("0.00001");
  EXPECT_EQ(results(), kEmpty);
  // Results of another polygon must not stay beside the new number of sides.
  enter_value("100");
  w().value->position(0, w().value->size());
  press_key(FL_BackSpace);
  EXPECT_STREQ(w().value->value(), "");
  enter_sides("8");
  EXPECT_EQ(results(), kEmpty);
  EXPECT_EQ(angle_dms(), (Texts{"", "", ""}));
}

TEST_F(PolygonPageTest, MillimetresConvertTheKnownSizeThereAndBack) {
  enter_sides("5");
  choose(kSide);
  enter_value("10");
  click(w().mm);
  EXPECT_STREQ(w().value->value(), "254");
  EXPECT_EQ(results(), (Texts{"72.0", "432.131", "254.0", "349.601", "390.866"}));
  click(w().inch);
  EXPECT_STREQ(w().value->value(), "10");

  // The unit button of the main window switches the page there and back.
  click(app->main_frame()->unit_button());
  EXPECT_NE(w().mm->value(), 0);
  EXPECT_STREQ(w().value->value(), "254");
  click(app->main_frame()->unit_button());
  EXPECT_STREQ(w().value->value(), "10");

  // Millimetres chosen here are neither converted again nor undone by the button.
  click(w().mm);
  for (int twice = 0; twice < 2; ++twice) {
    click(app->main_frame()->unit_button());
    EXPECT_STREQ(w().value->value(), "254");
  }
  click(w().inch);

  // Digits beyond six survive the trip.
  enter_value("1.2345678");
  click(w().mm);
  click(w().inch);
  EXPECT_STREQ(w().value->value(), "1.2345678");
}

TEST_F(PolygonPageTest, AngleFormatShowsTheCentralAngleEitherWay) {
  enter_sides("7");
  enter_value("2");
  click(w().dms);
  EXPECT_TRUE(w().angle_dms_group->visible());
  EXPECT_FALSE(w().angle->visible());
  // 360/7 = 51.4285714°: 25 minutes and 42.857 seconds.
  EXPECT_EQ(angle_dms(), (Texts{"51", "25", "42.857"}));
  enter_sides("8");
  EXPECT_EQ(angle_dms(), (Texts{"45", "0", "0.0"}));
  click(w().decimal);
  EXPECT_TRUE(w().angle->visible());
  EXPECT_STREQ(w().angle->value(), "45.0");
}

// The focus and the single conversion of a restored unit are this page's own.
TEST_F(PolygonPageTest, RestartFocusesTheSizeAndConvertsTheRestoredUnitOnce) {
  click(w().mm);
  enter_value("25.4");
  restart_app();
  ASSERT_EQ(app->main_frame()->shown_page(), 9);
  EXPECT_EQ(Fl::focus(), w().value);
  click(w().inch);
  EXPECT_STREQ(w().value->value(), "1");
}

TEST_F(PolygonPageTest, RestoreClampsSpinnersAndShowsTheRestoredSides) {
  struct Case {
    const char* lines; // the spinner keys as written by hand
    double sides, places;
    const char* across_corners;
    bool k4_active;
  };
  const Case cases[] = {
      {"poly_sides = 4\npoly_precision = 8\n", 4, 6, "14.142136", false},
      {"poly_sides = 2\npoly_precision = 1\n", 3, 2, "20.0", true},
      {"poly_sides = 1000\n", 100, 3, "10.005", false},
      {"poly_sides = 5.7\npoly_precision = 4\n", 5, 4, "12.3607", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    dir.write_file("State.ini", std::string("[p9]\n") + c.lines +
                                    "poly_value = 10\np9_know = 1\n[page]\npage = 8\n");
    start_app();
    EXPECT_EQ(w().sides->value(), c.sides);
    EXPECT_EQ(w().precision->value(), c.places);
    EXPECT_STREQ(w().across_corners->value(), c.across_corners);
    EXPECT_EQ(corner_to_flat_shown(), c.k4_active);
  }
}

TEST_F(PolygonPageTest, SketchDrawsBothPolygonsAndTheirCircles) {
  Rendered sketch = render_widget(w().sketch);
  ASSERT_EQ(sketch.w, 644);
  ASSERT_EQ(sketch.h, 150);
  auto colour = [](Fl_Color index) {
    unsigned char r, g, b;
    Fl::get_color(index, r, g, b);
    return std::vector<unsigned char>{r, g, b};
  };
  auto at = [&](int x, int y) {
    const unsigned char* p = &sketch.rgb[static_cast<size_t>((y * sketch.w + x) * 3)];
    return std::vector<unsigned char>{p[0], p[1], p[2]};
  };
  const std::vector<unsigned char> inscribed = colour(88);
  EXPECT_GT(sketch.pixels_of(inscribed[0], inscribed[1], inscribed[2]), 600); // two circles
  const int cy = 75;
  EXPECT_EQ(at(20, cy), colour(FL_BLACK));            // the hexagon's left flat
  EXPECT_EQ(at(150, cy + 20), colour(FL_BLACK));      // its right flat
  EXPECT_EQ(at(644 - 80, cy + 61), colour(FL_BLACK)); // the pentagon's bottom side
  EXPECT_EQ(at(644 - 280, cy - 40), colour(216));     // the blue B arrow
}

} // namespace
