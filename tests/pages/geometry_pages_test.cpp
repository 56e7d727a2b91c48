// The geometry pages' wiring, driven with real keys and clicks: each mode
// reaches the page's form and its labels and rows show; units convert in
// place, state comes back after a restart, the sketches get their values.
#include "support/page_scenario.h"

#include "pages/geometry/hole_list_window.h"
#include "app/all_pages.h"
#include "pages/geometry/circle_segment_sketch.h"
#include "pages/geometry/conversion_picture.h"
#include "pages/geometry/oblique_triangle_sketch.h"
#include "pages/geometry/polygon_sketch.h"
#include "pages/geometry/right_triangle_sketch.h"

using namespace testing_support;
using CircleSegmentPageTest = PageAloneTest<geometry::CircleSegmentPage>;

TEST_F(CircleSegmentPageTest, CasesUnitsAngleFormatsRestartAndSketch) {
  const auto& v = w().row_values;
  // Radius 5 and chord 8 (d = 3, h = 2); chord 8 and height 2 give radius 5,
  // untrimmed; radius 10 and 60 degrees give chord 10; 600 degrees is red.
  run(w().first, "~focus", w().first, "1", w().known, "#3", w().first, "=", w().row_labels[0],
      "@41", w().first, "5", w().second, "8", v[0], "= 2.0", v[2], "= 106.26", w().known, "#2",
      w().first_label, "@40", w().diameter, "~hidden", w().first, "8", w().second, "2", v[0],
      "= 5.000", w().known, "#0", w().first, "10", w().second, "60", v[2], "= 10.0",
      w().precision->child(2), "click", v[5], "= 62.83", w().second, "600", w().second, "~red",
      v[0], "=",
      // The diameter follows the radius; mm convert lengths, not the angle.
      w().second, "60.5", w().diameter, "=20", w().diameter, "10", w().mm, "click", w().first,
      "=127", w().second, "=60.5",
      // D/M/S moves the typed angle; 305 minutes are red.
      w().dms, "click", w().second_group, "~hidden", w().second_dms[1], "=30", v[3], "~hidden",
      w().second_dms[1], "305", v[0], "=", w().second_dms[1], "0", w().rest_dms[0], "=300");
  restart(); // in mm and D/M/S: the restored unit converts back once
  run(w().known, "=0", w().second_label, "@43", w().second_dms_groups[0], "~shown", w().diameter,
      "=254", w().inch, "click", w().first, "=5");
  // The kit's radio pairs carry their own texts and tooltips.
  run(w().decimal, "@55", w().dms, "@99", w().inch, "@20", w().mm, "@19", w().precision, "@54");
  const std::pair<Fl_Widget*, int> tips[] = {
      {w().decimal, 57}, {w().dms, 58}, {w().inch, 56}, {w().mm, 59}};
  for (const auto& [button, entry] : tips)
    EXPECT_STREQ(button->tooltip(), fake.lang(entry));
  Rendered shot = render_widget(w().sketch);
  EXPECT_GT(shot.pixels_of(255, 255, 0), 1500); // the yellow sector and triangle
  EXPECT_GT(shot.pixels_of(255, 0, 0), 300);    // two red circles
}

// Numbers as drawings give them, in the inch radius: the results are those
// of the value, which shows once the field is left; Ctrl+Z brings back what
// was typed; a half-typed text computes nothing and turns red when left.
TEST_F(CircleSegmentPageTest, ArithmeticFractionsAndUnitsGiveTheResultsOfTheirValue) {
  const auto& v = w().row_values;
  run(w().known, "#0", w().second, "60", w().first, "1.25");
  const Texts of_1_25 = shown_all(v);
  run(w().first, "0.472441"); // 12 / 25.4 to six decimals
  const Texts of_12mm = shown_all(v);
  ASSERT_NE(of_1_25, of_12mm);
  run(w().first, "1 1/4");
  EXPECT_EQ(shown_all(v), of_1_25);
  press_key(FL_Tab);
  run(w().first, "=1.25", w().first, "~black");
  w().first->take_focus();
  send_keys(w().first->window(), {'z'}, FL_CTRL);
  run(w().first, "=1 1/4");
  EXPECT_EQ(shown_all(v), of_1_25);
  run(w().first, "12mm");
  EXPECT_EQ(shown_all(v), of_12mm);
  run(w().first, "12 mm\n", w().first, "=0.472441");
  run(w().first, "1/", w().first, "~black");
  EXPECT_EQ(shown_all(v), Texts(v.size(), ""));
  press_key(FL_Tab);
  run(w().first, "~red", w().first, "~focus", w().first, "=1/");
  EXPECT_EQ(dialogs.range_messages, std::vector{lang(854)});
  // Leaving shows the value, which the units convert and a restart keeps.
  run(w().first, "2-1/2", w().mm, nullptr, w().first, "=63.5", w().inch, nullptr, w().first,
      "=2.5", w().first, "1/2+3/4");
  restart(); // a new page: its own result rows
  run(w().first, "=1/2+3/4");
  EXPECT_EQ(shown_all(w().row_values), of_1_25);
}

using RightTrianglePageTest = PageAloneTest<geometry::RightTrianglePage>;

TEST_F(RightTrianglePageTest, CasesUnitsAngleFormatsRestartAndSketch) {
  const auto& v = w().row_values; // rows 1, 2, angle B, area
  const auto& c = w().case_buttons;
  // Cases 2, 6 and 4; 36.8699° = 36° 52' 11.63", 53.1301° = 53° 7' 48.37".
  run(w().input2, "200", c[1], "click", w().input2, "=", w().input1, "~focus", w().input2_label,
      "@72", w().input1, "5", w().input2, "30", v[0], "=8.66", v[3], "=21.651", c[5], "click",
      w().input2_label, "@77", w().input1, "5", w().input2, "13", v[1], "=22.62", c[3], "click",
      w().row_labels[0], "@74", w().input1, "4", w().input2, "3", v[1], "=36.87",
      w().precision->child(1), "click", v[1], "=36.8699", w().dms, "click", v[1], "~hidden",
      w().row3_dms[2], "=48.368",
      // Case 1: the typed angle moves to D/M/S and back; red fields empty the results.
      w().decimal, "click", w().precision->child(2), "click", c[0], "click", w().input1, "4",
      w().input2, "180", w().input2, "~red", v[0], "=", w().input2, "36.869898", w().dms, "click",
      w().angle[2], "=11.6328", v[0], "=3.0", w().angle[1], "75", w().angle[1], "~red", v[0], "=",
      w().angle[1], "52", w().decimal, "click", w().input2, "=36.869898",
      // 4 inch = 101.6 mm, side a 3 inch = 76.2 mm; the angle stays.
      w().mm, "click", w().input1, "=101.6", w().input2, "=36.869898", v[0], "=76.2", c[1], "click",
      w().dms, "click", w().input1, "127", w().angle[0], "30");
  restart();
  run(w().input1_label, "@75", w().angle[0], "=30", w().row_values[3], "=13968.124", w().inch,
      "click", w().input1, "=5");
  Rendered sketch = render_widget(w().sketch);
  EXPECT_EQ(pixel(sketch, 100, 138), (Rgb{0, 0, 0}));       // base at h - 65
  EXPECT_EQ(pixel(sketch, 210, 80), (Rgb{0, 0, 0}));        // vertical leg at w - 100
  EXPECT_EQ(pixel(sketch, 180, 110), (Rgb{255, 255, 255})); // inside the triangle
}

using ObliqueTrianglePageTest = PageAloneTest<geometry::ObliqueTrianglePage>;
using Q = geometry::TriangleQuantity;

TEST_F(ObliqueTrianglePageTest, CasesRangesUnitsAngleFormatsRestartAndSketch) {
  const auto& in = w().decimal_inputs;
  const auto& v = w().result_values;
  auto name = [&](Q q) { return w().sketch.name(q); }; // given names are red
  // Case 1: 3, 4, 5; case 2: a, C, b; case 3: A, a, B; case 4: three angles.
  run(in[0], "~focus", in[0], "3", in[1], "4", in[2], "5", w().precision->child(0), "6", v[0],
      "=36.869898", w().result_dms[0][2], "=11.632", w().precision->child(0), "3",
      w().case_buttons[1], "click", w().result_labels[0], "=Angle A", name(Q::kSideB), "~red",
      name(Q::kSideC), "~black", in[0], "2", in[1], "60", in[2], "1", v[1], "=1.732",
      w().case_buttons[3], "click", w().note, "@98", name(Q::kAngleC), "~red", name(Q::kSideA),
      "~black", in[0], "60", in[1], "60", in[2], "60", w().area, "=0.433", w().case_buttons[2],
      "click", w().row_labels[0], "=Angle A", w().result_labels[0], "=Side b", in[0], "300", in[0],
      "~red", in[1], "500", in[1], "~black", in[0], "30", in[1], "1", in[2], "45", v[0], "=1.414",
      // mm convert the side only; D/M/S moves the angles only: 30° 0' 1" = 30.000277778°.
      w().mm, "click", in[1], "=25.4", in[0], "=30", w().dms, "click", w().dms_inputs[0][0], "=30",
      w().decimal_groups[1], "~shown", w().decimal_groups[2], "~hidden", w().dms_inputs[0][2], "1",
      w().decimal, "click", in[0], "=30.000277778", w().dms, "click");
  restart(); // b = 25.4 mm x sin 45° / sin 30.000278° = 35.9207 mm
  run(w().result_values[0], "=35.921", w().row_labels[0], "=Angle A", w().dms_inputs[0][0],
      "~focus", w().inch, "click", w().decimal_inputs[1], "=1");
  // The sketch: the red word of its legend.
  EXPECT_GT(render_widget(w().sketch.triangle).pixels_of(255, 0, 0), 0);
}

using PolygonPageTest = PageAloneTest<geometry::PolygonPage>;

TEST_F(PolygonPageTest, SidesSizesUnitsAngleFormatRestartAndSketch) {
  Fl_Widget* sides = w().sides->child(0);
  // A pentagon of side 10 to two places; below 3 sides the arrow goes round to
  // 100; a hexagon greys K4 and hides its row; its side is half across corners.
  run(w().value, "~focus", sides, "2\n", sides, "=3", w().sides->child(2), "click", sides, "=100",
      sides, "5\n", w().known[2], "click", w().value, "10", w().precision->child(0), "2",
      w().across_corners, "=17.01", w().across_flats, "=13.76", w().corner_to_flat, "=15.39",
      w().known[3], "click", sides, "6\n", w().known[3], "~inactive", w().corner_to_flat, "~hidden",
      w().side, "=", w().known[0], "click", w().dms, "click", w().angle, "~hidden",
      w().angle_dms[0], "=60", w().mm, "click", w().value, "=254", w().side, "=127.0");
  restart(); // the size takes the keys and the restored unit converts once
  run(w().value, "~focus", w().inch, "click", w().value, "=10");
  Rendered sketch = render_widget(w().sketch);
  EXPECT_GT(sketch.pixels_of(255, 0, 0), 600);               // two red circles
  EXPECT_EQ(pixel(sketch, 20, 75), (Rgb{0, 0, 0}));          // the hexagon's left flat
  EXPECT_EQ(pixel(sketch, 644 - 80, 136), (Rgb{0, 0, 0}));   // the pentagon's bottom side
  EXPECT_EQ(pixel(sketch, 644 - 280, 35), (Rgb{0, 0, 255})); // the blue B arrow
  EXPECT_EQ(pixel(sketch, 185, 38), (Rgb{0, 0, 0}));         // the line out from its side C
  EXPECT_EQ(pixel(sketch, 644 - 126, 145), (Rgb{0, 0, 0}));  // the pentagon's side C, down
  EXPECT_NE(pixel(sketch, 30, 10), (Rgb{255, 0, 0}));        // A's line starts at left + 105
}

struct BoltCirclePageTest : PageAloneTest<geometry::BoltCirclePage> {
  std::string line(size_t i) { return page().hole_list()->lines().at(i); }
};

TEST_F(BoltCirclePageTest, ControlsReachTheFormAndItsListMarkersAndMarksShow) {
  const auto& a = w().angle_marks;
  // Full circle, zero at the right, clockwise, normal signs, inches; four
  // holes on 100 are 50 from the centre, on the 179 pixel circle about (492, 241).
  run(w().full, "~on", w().zero[1], "~on", w().clockwise, "~on", w().x_normal, "~on", w().show_list,
      "~inactive", w().total_holes, "~focus", a[0], "=270", w().total_holes, "4", w().holes_to_list,
      "4", w().diameter, "100", w().show_list, "~active");
  EXPECT_EQ(line(4), "Hole  2         0.000        50.000");
  // "x" and "y" end where their columns do: after 21 and 35 characters of
  // the list's fixed-width font, inside its frame and margin (2 + 3 pixels).
  fl_font(FL_COURIER, FL_NORMAL_SIZE);
  const geometry::HoleListWidgets& holes = page().hole_list()->widgets();
  for (size_t i : {0u, 1u}) {
    const Fl_Box* head = holes.column_heads[i];
    EXPECT_NEAR(head->x() + head->w() - 3,
                holes.list->x() + 5 + fl_width(line(4).c_str(), i ? 35 : 21), 1);
  }
  EXPECT_EQ(std::make_pair(w().markers[0]->x(), w().markers[1]->y()), std::make_pair(671, 420));
  EXPECT_GT(render_widget(w().markers[0]).pixels_of(255, 0, 0), 20); // the first marker red
  // Zero at the top counted the other way, signs reversed, moved by x 10: -(-50) - 10.
  run(w().zero[0], "click", w().counter_clockwise, "click", w().x_reversed, "click", w().y_reversed,
      "click", w().x_origin, "10", a[1], "=270", w().axis_marks[0], "=Y+", w().axis_marks[1],
      "=X-");
  EXPECT_EQ(line(4), "Hole  2        40.000         0.000");
  type_text(w().total_holes, "9"); // 49 holes, 4 listed
  const Texts kept = page().hole_list()->lines();
  type_text(w().total_holes, "9"); // 499: red, no pattern, the last list kept
  run(w().total_holes, "~red", w().show_list, "~inactive", w().markers[0], "~hidden");
  EXPECT_EQ(page().hole_list()->lines(), kept);
}

TEST_F(BoltCirclePageTest, UnitsConvertBothDiametersAndTheOrigins) {
  run(w().partial, "click", w().full_group, "~inactive");
  // Hole 1 of 4 on 100 at (1270 - 254, 0 + 127) in mm.
  run(w().part_holes, "3", w().start_angle, "0", w().part_diameter, "50", w().end_angle, "90",
      w().markers[2], "~shown", w().markers[3], "~hidden", w().full, "click", w().total_holes, "4",
      w().holes_to_list, "4", w().diameter, "100", w().x_origin, "10", w().y_origin, "-5");
  units();
  run(w().diameter, "=2540", w().part_diameter, "=1270");
  EXPECT_EQ(line(3), "Hole  1      1016.000       127.000");
  // A converted field shows the start of its number, not the tail.
  EXPECT_EQ(std::make_pair(w().diameter->position(), w().y_origin->position()),
            std::make_pair(0, 0));
  run(w().inch, "click", w().part_diameter, "=50", w().x_origin, "=10");
}

// Hole 4 of 4 on 100 is (0, -50); the origin (37.5, 3.25) shifts it.
TEST_F(BoltCirclePageTest, ListWindowSavesTheShiftedHolesOrSaysWhyNot) {
  run(w().total_holes, "4", w().holes_to_list, "4", w().diameter, "100", w().x_origin, "37.5",
      w().y_origin, "3.25", w().show_list, "click");
  dialogs.save_answer = dir.path() + "/holes.txt";
  click(page().hole_list()->widgets().save);
  EXPECT_EQ(dialogs.save_titles, Texts{fake.lang(267)});
  EXPECT_NE(dir.read_file("holes.txt").find("Hole  4   x =     -37.500   y =     -53.250\n"),
            std::string::npos);
  dialogs.save_answer = dir.path() + "/no/such/folder/holes.txt";
  click(page().hole_list()->widgets().save);
  EXPECT_EQ(dialogs.alerts, Texts{std::string(fake.lang(268)) + ", " + dialogs.save_answer});
  EXPECT_FALSE(dir.exists("no"));
}

using ConversionsPageTest = PageAloneTest<geometry::ConversionsPage>;

// The unit button leaves the page alone; a restore must not recompute: from
// the rounded multiple of pi it would show 90.50004°, and the length
// handlers would empty the fraction.
TEST_F(ConversionsPageTest, EachFieldRewritesItsRowAndARestoreRecomputesNothing) {
  const auto& d = w().dms;
  auto *deg = w().degrees, *pi = w().pi_radians, *mm = w().mm, *inch = w().inch;
  run(deg, "45.25", d[1], "=15", pi, "=0.251389", pi, "0.5", deg, "=90", d[2], "36", deg, "=90.01",
      d[0], "10", deg, "=10.01", mm, "25.4", inch, "=1", inch, "0.5", mm, "=12.7", w().celsius,
      "100", w().fahrenheit, "=212", w().fahrenheit, "32", w().celsius, "=0",
      // 90.5 degrees, 1 3/8 inch
      deg, "90.5", w().whole, "1", w().numerator, "3", w().denominator, "8", mm, "=34.925");
  units();
  run(mm, "=34.925");
  restart();
  run(w().degrees, "=90.5", w().pi_radians, "=0.502778", w().denominator, "=8", w().mm, "=34.925");
  // The picture: the rule, 105 × 28 less its ticks.
  EXPECT_GT(render_widget(w().picture).pixels_of(246, 222, 120), 2000);
}
