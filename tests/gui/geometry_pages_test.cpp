// The geometry pages' wiring, driven with real keys and clicks: each mode
// reaches the page's form and its labels and rows show; units convert in
// place, state comes back after a restart, the sketches get their values.
#include "gui/support/page_scenario.h"

#include <FL/Fl_Double_Window.H>

#include "app/help_viewer.h"
#include "app/results_window.h"
#include "calc/geometry/bolt_circle_holes_sketch.h"
#include "calc/geometry/bolt_circle_page.h"
#include "calc/geometry/bolt_circle_sketch.h"
#include "calc/geometry/circle_segment_page.h"
#include "calc/geometry/circle_segment_sketch.h"
#include "calc/geometry/conversion_picture.h"
#include "calc/geometry/conversions_page.h"
#include "calc/geometry/oblique_triangle_page.h"
#include "calc/geometry/oblique_triangle_sketch.h"
#include "calc/geometry/polygon_page.h"
#include "calc/geometry/polygon_sketch.h"
#include "calc/geometry/right_triangle_page.h"
#include "calc/geometry/right_triangle_sketch.h"
#include "gui/support/postscript.h"

using namespace testing_support;

using CircleSegmentPageTest = PageTest<geometry::CircleSegmentPage, 1>;

TEST_F(CircleSegmentPageTest, EachCaseReachesTheFormAndItsRowsShow) {
  const auto& v = w().row_values;
  // Radius 5 and chord 8 (d = 3, h = 2):
  run(w().first, "~focus", w().first, "1", w().known, "#3", w().first, "=", w().first_label, "@39",
      w().row_labels[0], "@41", w().diameter, "~shown", w().first, "5", w().second, "8", v[0],
      "= 2.0", v[2], "= 106.26",
      // chord 8 and height 2 give radius 5, shown untrimmed:
      w().known, "#2", w().first_label, "@40", w().row_labels[0], "@39", w().diameter, "~hidden",
      w().first, "8", w().second, "2", v[0], "= 5.000",
      // radius 10 and 60 degrees give chord 10:
      w().known, "#0", w().first, "10", w().second, "60", v[0], "= 1.34", v[2], "= 10.0",
      // one place fewer reaches every row; an angle beyond its range is red, a chord has none.
      w().precision->child(2), "click", v[5], "= 62.83", w().second, "600", w().second, "~red",
      v[0], "=", w().known, "#3", w().second, "200", w().second, "~black");
}

TEST_F(CircleSegmentPageTest, UnitsAndAngleFormatsConvertInPlace) {
  const auto& v = w().row_values;
  run(w().first, "0.5", w().diameter, "=1", w().diameter, "10", w().second, "8", w().mm, "click",
      w().first, "=127", w().second, "=203.2", v[0], "= 50.8",
      // The angle of an angle case is not a length; its format moves it.
      w().known, "#0", w().first, "10", w().second, "60.5", w().inch, "click", w().second, "=60.5",
      w().dms, "click", w().second_group, "~hidden", w().second_dms[1], "=30", v[3], "~hidden",
      v[2], "~shown", w().second_dms[1], "305", w().second_dms[1], "~red", v[0], "=",
      w().second_dms[1], "30", w().decimal, "click", w().second, "=60.5", v[3], "= 299.5",
      // radius 5, chord 8: 106.2602 degrees = 106° 15' 36.74"
      w().known, "#3", w().first, "5", w().second, "8", w().dms, "click", v[2], "~hidden",
      w().angle_dms[2], "=36.738");
}

TEST_F(CircleSegmentPageTest, RestartShowsTheCaseAndConvertsTheRestoredUnitOnce) {
  run(w().known, "#0", w().dms, "click", w().mm, "click", w().first, "10", w().second_dms[0], "60");
  restart_app();
  run(w().known, "=0", w().second_label, "@43", w().second_dms_groups[0], "~shown", w().diameter,
      "=20", w().row_values[2], "= 10.0", w().rest_dms[0], "=300", w().inch, "click", w().first,
      "=0.3937007874");
  Rendered shot = render_widget(w().sketch);
  EXPECT_GT(shot.pixels_of(255, 255, 0), 1500); // the yellow sector and triangle
  EXPECT_GT(shot.pixels_of(255, 0, 0), 300);    // two red circles
}

using RightTrianglePageTest = PageTest<geometry::RightTrianglePage, 2>;

TEST_F(RightTrianglePageTest, EachCaseReachesTheFormAndItsRowsShow) {
  const auto& v = w().row_values; // rows 1, 2, angle B, area
  const auto& c = w().case_buttons;
  run(w().input2, "200", c[1], "click", w().input2, "=", w().input2, "~black", w().input1, "~focus",
      w().input2_label, "@72", w().row_labels[0], "@76", w().input1, "5", w().input2, "30", v[0],
      "=8.66", v[1], "=10.0", v[2], "=60.0", v[3], "=21.651",
      // case 6:
      c[5], "click", w().input2_label, "@77", w().input1, "5", w().input2, "13", v[0], "=12.0",
      v[1], "=22.62",
      // case 4, then one place more and the computed angles as 36° 52' 11.63", 53° 7' 48.37":
      c[3], "click", w().input2_label, "@75", w().row_labels[0], "@74", w().input1, "4", w().input2,
      "3", v[0], "=5.0", v[1], "=36.87", v[3], "=6.0", w().precision->child(1), "click", v[1],
      "=36.8699", w().dms, "click", w().input2_group, "~shown", v[1], "~hidden", w().row2_dms[1],
      "=52", w().row3_dms[2], "=48.368");
}

TEST_F(RightTrianglePageTest, AngleFormatMovesTheTypedAngleUnitsTheLengths) {
  const auto& v = w().row_values;
  run(w().input1, "4", w().input2, "180", w().input2, "~red", v[0], "=", w().input2, "36.869898",
      w().dms, "click", w().input2_group, "~hidden", w().angle[2], "=11.6328", v[0], "=3.0",
      w().angle[1], "75", w().angle[1], "~red", w().precision->child(1), "click", v[0], "=",
      w().angle[1], "52", w().decimal, "click", w().input2, "=36.869898",
      // 4 inch = 101.6 mm, side a 3 inch = 76.2 mm; the angle stays.
      w().mm, "click", w().input1, "=101.6", w().input2, "=36.869898", v[0], "=76.2");
}

TEST_F(RightTrianglePageTest, RestartShowsTheCaseAndConvertsTheRestoredUnitOnce) {
  run(w().mm, "click", w().dms, "click", w().case_buttons[1], "click", w().input1, "127",
      w().angle[0], "30");
  restart_app();
  run(w().input1_label, "@75", w().angle[0], "=30", w().row_values[3], "=13968.124", w().inch,
      "click", w().input1, "=5");
  Rendered sketch = render_widget(w().sketch);
  ASSERT_EQ(sketch.w, 310);
  EXPECT_EQ(pixel(sketch, 0, 100), (Rgb{0, 0, 0}));         // frame
  EXPECT_EQ(pixel(sketch, 100, 138), (Rgb{0, 0, 0}));       // base at h - 65
  EXPECT_EQ(pixel(sketch, 210, 80), (Rgb{0, 0, 0}));        // vertical leg at w - 100
  EXPECT_EQ(pixel(sketch, 180, 110), (Rgb{255, 255, 255})); // inside the triangle
}

using ObliqueTrianglePageTest = PageTest<geometry::ObliqueTrianglePage, 3>;
using Q = geometry::TriangleQuantity;

TEST_F(ObliqueTrianglePageTest, EachCaseReachesTheFormItsRowsAndTheSketchNames) {
  const auto& in = w().decimal_inputs;
  const auto& v = w().result_values;
  auto name = [&](Q q) { return w().sketch.name(q); }; // given names are red
  run(in[0], "~focus", in[0], "3", in[1], "4", in[2], "5", v[0], "=36.87", w().area, "=6.0",
      w().precision->child(0), "6", v[0], "=36.869898", w().result_dms[0][2], "=11.632",
      w().precision->child(0), "3",
      // case 2: a, C, b
      w().case_buttons[1], "click", w().row_labels[0], "=Side a", w().result_labels[0], "=Angle A",
      name(Q::kSideB), "~red", name(Q::kAngleC), "~red", name(Q::kSideC), "~black", w().note,
      "~hidden", in[0], "2", in[1], "60", in[2], "1", v[1], "=1.732", w().area, "=0.866",
      // case 3: A, a, B
      w().case_buttons[2], "click", w().row_labels[0], "=Angle A", w().result_labels[0], "=Side b",
      name(Q::kAngleB), "~red", name(Q::kAngleC), "~black", in[0], "30", in[1], "1", in[2], "45",
      v[0], "=1.414", v[1], "=105.0",
      // case 4: three angles
      w().case_buttons[3], "click", w().note, "~shown", name(Q::kAngleC), "~red", name(Q::kSideA),
      "~black", in[0], "60", in[1], "60", in[2], "60", v[0], "=1.0", w().area, "=0.433");
}

TEST_F(ObliqueTrianglePageTest, RangesPerRowUnitsAndAngleFormat) {
  const auto& in = w().decimal_inputs;
  const auto& d = w().dms_inputs;
  run(w().case_buttons[2], "click", in[0], "30", in[1], "500", in[1], "~black", in[0], "300", in[0],
      "~red", w().precision->child(1), "click", w().area, "=", w().precision->child(2), "click",
      // a, C, b in inch, then in mm
      w().case_buttons[1], "click", in[0], "2", in[1], "60", in[2], "1", w().mm, "click", in[0],
      "=50.8", in[1], "=60", w().area, "=558.725", w().case_buttons[0], "click", in[0], "300",
      in[0], "~black",
      // D/M/S moves only the angle rows: 30° 0' 1" = 30.000277778°
      w().case_buttons[2], "click", in[0], "30.5", in[1], "1", in[2], "45.25", w().dms, "click",
      d[0][1], "=30", w().decimal_groups[1], "~shown", w().decimal_groups[2], "~hidden",
      w().result_dms[1][1], "=15", d[0][2], "1", d[0][1], "0", w().decimal, "click", in[0],
      "=30.000277778", w().result_values[1], "=104.75");
}

TEST_F(ObliqueTrianglePageTest, RestartShowsTheCaseFocusesDegreesAndConvertsOnce) {
  run(w().case_buttons[2], "click", w().mm, "click", w().dms, "click", w().dms_inputs[0][0], "30",
      w().decimal_inputs[1], "25.4", w().dms_inputs[2][0], "45");
  const Texts before = texts(w().result_values);
  restart_app();
  EXPECT_EQ(texts(w().result_values), before);
  run(w().row_labels[0], "=Angle A", w().dms_inputs[0][0], "~focus", w().inch, "click",
      w().decimal_inputs[1], "=1");
  Rendered shot = render_widget(w().sketch.triangle); // and the red word of its legend
  EXPECT_GT(shot.drawn_pixels(), 1500);
  EXPECT_GT(shot.pixels_of(255, 0, 0), 0);
}

using PolygonPageTest = PageTest<geometry::PolygonPage, 9>;

TEST_F(PolygonPageTest, ControlsReachTheFormAndItsRowsShow) {
  Fl_Widget* sides = w().sides->child(0);
  // A pentagon of side 10 to two places; the down arrow below 3 goes round to
  // 100; an even polygon greys K4 (still set) and hides its row.
  run(w().value, "~focus", sides, "2\n", sides, "=3", w().sides->child(2), "click", sides, "=100",
      sides, "5\n", w().known[2], "click", w().value, "10", w().precision->child(0), "2", w().angle,
      "=72.0", w().across_corners, "=17.01", w().across_flats, "=13.76", w().corner_to_flat,
      "=15.39", w().known[3], "click", sides, "6\n", w().known[3], "~inactive", w().known[3], "~on",
      w().corner_to_flat, "~hidden", w().side, "=", w().known[0], "click", w().dms, "click",
      w().angle, "~hidden", w().angle_dms[0], "=60",
      // across corners 10 inch: the side of a hexagon is half of it.
      w().mm, "click", w().value, "=254", w().side, "=127.0");
  restart_app(); // the size takes the keys and the restored unit converts once
  run(w().value, "~focus", w().inch, "click", w().value, "=10");
  Rendered sketch = render_widget(w().sketch);
  ASSERT_EQ(std::make_pair(sketch.w, sketch.h), std::make_pair(644, 150));
  EXPECT_GT(sketch.pixels_of(255, 0, 0), 600);               // two red circles
  EXPECT_EQ(pixel(sketch, 20, 75), (Rgb{0, 0, 0}));          // the hexagon's left flat
  EXPECT_EQ(pixel(sketch, 644 - 80, 136), (Rgb{0, 0, 0}));   // the pentagon's bottom side
  EXPECT_EQ(pixel(sketch, 644 - 280, 35), (Rgb{0, 0, 255})); // the blue B arrow
}

TEST_F(PolygonPageTest, RestoreClampsSpinnersAndShowsTheRestoredSides) {
  const struct {
    const char *lines, *sides, *places, *across_corners, *k4_row;
  } cases[] = {{"poly_sides = 4\npoly_precision = 8\n", "=4", "=6", "=14.142136", "~hidden"},
               {"poly_sides = 2\npoly_precision = 1\n", "=3", "=2", "=20.0", "~shown"},
               {"poly_sides = 1000\n", "=100", "=3", "=10.005", "~hidden"},
               {"poly_sides = 5.7\npoly_precision = 4\n", "=5", "=4", "=12.3607", "~shown"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    dir.write_file("State.ini", std::string("[p9]\n") + c.lines +
                                    "poly_value = 10\np9_know = 1\n[page]\npage = 8\n");
    start_app();
    run(w().sides->child(0), c.sides, w().precision->child(0), c.places, w().across_corners,
        c.across_corners, w().corner_to_flat, c.k4_row);
  }
}

struct BoltCirclePageTest : PageTest<geometry::BoltCirclePage, 5> {
  std::string line(size_t i) { return app->results_window()->lines().at(i); }
  void full_circle(const char* holes, const char* diameter) {
    run(w().total_holes, holes, w().holes_to_list, holes, w().diameter, diameter);
  }
};

TEST_F(BoltCirclePageTest, StartsWithItsDefaultsAndTheControlsReachTheForm) {
  const auto& a = w().angle_marks;
  // Full circle, zero at the right, clockwise, normal signs, inches.
  run(w().full, "~on", w().zero[1], "~on", w().clockwise, "~on", w().x_normal, "~on", w().y_normal,
      "~on", w().inch, "~on", w().show_list, "~inactive", w().total_holes, "~focus", a[0], "=270",
      a[1], "=0");
  full_circle("4", "100"); // four holes on 100: 50 from the centre
  EXPECT_EQ(app->results_window()->lines(),
            (Texts{"Zero degrees is at the right", "Angles counted clockwise", "",
                   "Hole  1        50.000         0.000", "Hole  2         0.000        50.000",
                   "Hole  3       -50.000         0.000", "Hole  4         0.000       -50.000"}));
  // On the 179 pixel circle about (492, 241): the first at the right, the second below.
  EXPECT_EQ(std::make_pair(w().markers[0]->x(), w().markers[1]->y()), std::make_pair(671, 420));
  EXPECT_GT(render_widget(w().markers[0]).pixels_of(255, 0, 0), 20); // the first marker red
  EXPECT_EQ(render_widget(w().markers[1]).pixels_of(255, 0, 0), 0);
  run(w().precision->child(2), "click", w().precision->child(2), "click"); // two places fewer
  EXPECT_EQ(line(3), "Hole  1          50.0           0.0");
  // Zero at the top counted the other way, signs reversed, moved by x 10: -(-50) - 10.
  run(w().precision->child(1), "click", w().precision->child(1), "click", w().zero[0], "click",
      w().counter_clockwise, "click", w().x_reversed, "click", w().y_reversed, "click",
      w().x_origin, "10", a[0], "=0", a[1], "=270", w().axis_marks[0], "=Y+", w().axis_marks[1],
      "=X-");
  EXPECT_EQ(line(4), "Hole  2        40.000         0.000");
  type_text(w().total_holes, "9"); // 49 holes, 4 listed
  const Texts kept = app->results_window()->lines();
  type_text(w().total_holes, "9"); // 499: red, no pattern, the last list kept
  run(w().total_holes, "~red", w().show_list, "~inactive", w().markers[0], "~hidden");
  EXPECT_EQ(app->results_window()->lines(), kept);
  click(w().help);
  EXPECT_STREQ(app->help_windows().at(0)->window()->label(), app->lang(5));
}

TEST_F(BoltCirclePageTest, UnitsConvertBothDiametersAndTheOriginsAndTheListIsSaved) {
  run(w().partial, "click", w().full_group, "~inactive");
  EXPECT_EQ(page().focus_input(), w().part_holes);
  run(w().part_holes, "3", w().start_angle, "0", w().part_diameter, "50", w().end_angle, "90",
      w().markers[2], "~shown", w().markers[3], "~hidden", w().full, "click");
  full_circle("4", "100"); // hole 1 at (1270 - 254, 0 + 127) in mm
  run(w().x_origin, "10", w().y_origin, "-5", app->main_frame()->unit_button(), "click",
      w().diameter, "=2540", w().part_diameter, "=1270");
  EXPECT_EQ(line(3), "Hole  1      1016.000       127.000");
  run(w().inch, "click", w().part_diameter, "=50", w().x_origin, "37.5", w().y_origin, "3.25");
  ASSERT_TRUE(page().save_hole_list_to(dir.path() + "/holes.txt")); // hole 4 at (0, -50) less these
  EXPECT_NE(dir.read_file("holes.txt").find("Hole  4   x =     -37.500   y =     -53.250\n"),
            std::string::npos);
  EXPECT_FALSE(page().save_hole_list_to(dir.path() + "/no/such/folder/holes.txt"));
  EXPECT_EQ(dialogs.alerts.size(), 1u);
  full_circle("50", "100");
  const std::string ps = print_to_postscript(
      dir.path() + "/holes.ps", 1, [&](Fl_Paged_Device& d) { page().draw_hole_list_page(d); });
  EXPECT_EQ(count_of(ps, "showpage"), 1); // fifty holes on one page
}

TEST_F(BoltCirclePageTest, HandEditedStateIsKeptWithinBoundsAndPlacesTheMarkers) {
  dir.write_file("State.ini", "[p5]\npdc_num_holes = 99\npdc_num_drilled_holes = 60\n"
                              "pdc_circle_diameter = 100\np5_precision = 0\n[page]\npage = 4\n");
  start_app(); // one place is offered here; a stale count is no pattern
  run(w().precision->child(0), "=1", w().show_list, "~inactive");
  const std::string pattern = "[p5]\npdc_num_holes = 4\npdc_num_drilled_holes = 4\n"
                              "pdc_circle_diameter = 100\npdc_radius = ";
  dir.write_file("State.ini", pattern + "150\n"); // no zero direction saved: at the top
  start_app();
  EXPECT_EQ(w().markers[0]->y(), 241 - 150);
  dir.write_file("State.ini", pattern + "100000\n"); // too big: the drawing's own radius
  start_app();
  EXPECT_EQ(w().markers[0]->y(), 241 - 179);
}

TEST_F(BoltCirclePageTest, LanguageSwitchRebuildsTheListWindow) {
  std::string german = dir.read_file("language/en/en.ini");
  dir.write_file("language/de/de.ini", german.replace(german.find("\n173 = "), 11, "\n173 = Loch"));
  full_circle("4", "100");
  dialogs.language_answers = {0}; // "de", first of the other languages
  click(app->main_frame()->language_button());
  settle();
  EXPECT_EQ(line(3), "Loch  1        50.000         0.000");
}

using ConversionsPageTest = PageTest<geometry::ConversionsPage, 11>;

TEST_F(ConversionsPageTest, EachFieldRewritesTheOthersOfItsRow) {
  const auto& d = w().dms;
  auto *deg = w().degrees, *pi = w().pi_radians, *mm = w().mm, *inch = w().inch;
  run(deg, "90.5", d[1], "=30", d[2], "=0.0", pi, "=0.502778", pi, "0.25", deg, "=45", d[1], "15",
      deg, "=45.25", pi, "=0.251389", // 45.25 / 180
      d[2], "36", deg, "=45.26",      // 36" = 0.01°
      d[0], "10", deg, "=10.26", pi, "=0.057",
      // 1 3/8 inch, then a typed inch that empties the fraction
      mm, "25.4", inch, "=1", w().whole, "1", w().numerator, "3", w().denominator, "8", mm,
      "=34.925", inch, "=1.375", inch, "0.5", mm, "=12.7", w().whole, "=", w().celsius, "100",
      w().fahrenheit, "=212", w().fahrenheit, "32", w().celsius, "=0", w().fahrenheit, "",
      w().celsius, "=");
}

// The unit button leaves the page alone; a restore must not recompute: from
// the rounded multiple of pi it would show 90.50004°, and the length
// handlers would empty the fraction.
TEST_F(ConversionsPageTest, UnitButtonAndRestoreLeaveTheRowsAsTheyAre) {
  run(w().degrees, "90.5", w().whole, "1", w().numerator, "3", w().denominator, "8",
      app->main_frame()->unit_button(), "click", w().mm, "=34.925", w().inch, "=1.375");
  click(app->main_frame()->nav_button(1));
  open(); // back on the page: millimetres take the keys, their text not selected
  run(w().mm, "~focus");
  EXPECT_EQ(w().mm->position(), w().mm->mark());
  restart_app();
  run(w().degrees, "=90.5", w().denominator, "=8", w().mm, "=34.925", w().celsius, "100",
      w().fahrenheit, "=212");
  Rendered picture = render_widget(w().picture);
  EXPECT_GT(picture.pixels_of(246, 222, 120), 2000); // the rule, 105 × 28 less its ticks
  EXPECT_GT(picture.pixels_of(200, 226, 246), 1000); // the half disc, radius 36
}
