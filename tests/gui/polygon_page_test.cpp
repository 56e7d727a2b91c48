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
#include "calc/geometry/polygon_sketch.h"
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

TEST_F(PolygonPageTest, ControlsReachTheFormAndItsRowsShow) {
  EXPECT_EQ(Fl::focus(), w().value);
  EXPECT_EQ(results(), kEmpty);
  enter_sides("2");
  EXPECT_EQ(w().sides->value(), 3);
  click(w().sides->child(2)); // the down arrow below 3 goes round to 100
  EXPECT_EQ(w().sides->value(), 100);

  // Sides, known size, value and precision all reach the results.
  enter_sides("5");
  choose(kSide);
  enter_value("10");
  enter_precision("2");
  EXPECT_EQ(results(), (Texts{"72.0", "17.01", "10.0", "13.76", "15.39"}));
  // An even polygon greys K4 (still set) and hides its row.
  choose(kCornerToFlat);
  enter_sides("6");
  EXPECT_FALSE(w().known[3]->active());
  EXPECT_NE(w().known[3]->value(), 0);
  EXPECT_FALSE(corner_to_flat_shown());
  EXPECT_EQ(results(), kEmpty);

  choose(kAcrossCorners);
  click(w().dms);
  EXPECT_TRUE(w().angle_dms_group->visible());
  EXPECT_FALSE(w().angle->visible());
  EXPECT_EQ(angle_dms(), (Texts{"60", "0", "0.0"}));
  click(w().decimal);
  EXPECT_TRUE(w().angle->visible());

  click(w().mm);
  EXPECT_STREQ(w().value->value(), "254");
  EXPECT_STREQ(w().side->value(), "127.0");
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
