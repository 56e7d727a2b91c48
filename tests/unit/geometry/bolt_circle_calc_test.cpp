// Bolt-hole circle: hole coordinates, the patterns that can't be, and the texts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/geometry/bolt_circle_calc.h"

using geometry::BoltCircleInput;
using geometry::Counting;
using geometry::ZeroAt;

namespace {

// The page's defaults: four holes on diameter 100, all listed, zero at the right, clockwise.
BoltCircleInput four_holes() {
  BoltCircleInput in;
  in.total_holes = 4;
  in.holes_to_list = 4;
  in.diameter = 100;
  in.marker_radius = 179;
  return in;
}

BoltCircleInput partial(long holes, double start, double end) {
  BoltCircleInput in = four_holes();
  in.partial = true;
  in.total_holes = holes;
  in.holes_to_list = 0; // not used by a partial circle
  in.first_angle = start;
  in.end_angle = end;
  in.has_end_angle = true;
  return in;
}

// "x,y x,y ..." with three decimals, no minus zero.
std::string coordinates(const BoltCircleInput& in) {
  auto circle = geometry::compute_bolt_circle(in);
  if (!circle)
    return "none";
  std::string out;
  for (const geometry::Hole& hole : circle->holes) {
    if (!out.empty())
      out += " ";
    out += geometry::fixed_text(3, hole.x) + "," + geometry::fixed_text(3, hole.y);
  }
  return out;
}

struct PatternCase {
  const char* name;
  BoltCircleInput input;
  const char* holes;
};

BoltCircleInput with(BoltCircleInput in, ZeroAt zero, Counting counting) {
  in.zero = zero;
  in.counting = counting;
  return in;
}

template <class T> BoltCircleInput set(BoltCircleInput in, T BoltCircleInput::*field, T value) {
  in.*field = value;
  return in;
}

using In = BoltCircleInput;
const auto kCw = Counting::kClockwise;
const auto kCcw = Counting::kCounterClockwise;

// Worked by hand: screen angles 0 at the top, clockwise; x = r sin a,
// y = r |cos a|, negative in the upper half; then signs, then origin.
// clang-format off
const std::vector<PatternCase> kPatterns = [] {
  std::vector<PatternCase> cases;
  auto add = [&cases](const char* name, BoltCircleInput in, const char* holes) {
    cases.push_back({name, in, holes});
  };
  BoltCircleInput in = four_holes();
  add("right_clockwise", in, "50.000,0.000 0.000,50.000 -50.000,0.000 0.000,-50.000");
  add("right_counter", with(in, ZeroAt::kRight, kCcw), "50.000,0.000 0.000,-50.000 -50.000,0.000 0.000,50.000");
  add("top_clockwise", with(in, ZeroAt::kTop, kCw), "0.000,-50.000 50.000,0.000 0.000,50.000 -50.000,0.000");
  add("bottom_clockwise", with(in, ZeroAt::kBottom, kCw), "0.000,50.000 -50.000,0.000 0.000,-50.000 50.000,0.000");
  add("left_clockwise", with(in, ZeroAt::kLeft, kCw), "-50.000,0.000 0.000,-50.000 50.000,0.000 0.000,50.000");
  add("y_reversed", set(in, &In::y_reversed, true), "50.000,0.000 0.000,-50.000 -50.000,0.000 0.000,50.000");
  add("x_reversed", set(in, &In::x_reversed, true), "-50.000,0.000 0.000,50.000 50.000,0.000 0.000,-50.000");
  add("x_origin_10", set(in, &In::x_origin, 10.0), "40.000,0.000 -10.000,50.000 -60.000,0.000 -10.000,-50.000");
  add("y_origin_minus_5", set(in, &In::y_origin, -5.0), "50.000,5.000 0.000,55.000 -50.000,5.000 0.000,-45.000");
  // Below 0.0001 counts as no offset; 0 - 0.0004 shows as 0.000, not -0.000.
  add("tiny_origin", set(in, &In::y_origin, 0.00009), "50.000,0.000 0.000,50.000 -50.000,0.000 0.000,-50.000");
  add("no_minus_zero", set(in, &In::x_origin, 0.0004), "50.000,0.000 0.000,50.000 -50.000,0.000 0.000,-50.000");
  // Three holes from 30 degrees: 120, 240 and 360 on the screen.
  BoltCircleInput three = in;
  three.total_holes = 3;
  three.holes_to_list = 3;
  three.first_angle = 30;
  add("three_from_30", three, "43.301,25.000 -43.301,25.000 0.000,-50.000");
  add("two_of_four_listed", set(in, &In::holes_to_list, 2L), "50.000,0.000 0.000,50.000");
  add("partial_0_to_90", partial(3, 0, 90), "50.000,0.000 35.355,35.355 0.000,50.000");
  add("partial_counter", with(partial(3, 0, 90), ZeroAt::kRight, kCcw), "50.000,0.000 35.355,-35.355 0.000,-50.000");
  add("partial_one_hole", partial(1, 30, 40), "43.301,25.000");
  add("partial_start_is_end", partial(2, 30, 30), "43.301,25.000 43.301,25.000");
  return cases;
}();
// clang-format on

TEST(BoltCircle, Patterns) {
  for (const PatternCase& c : kPatterns)
    EXPECT_EQ(coordinates(c.input), c.holes) << c.name;
}

struct NoPatternCase {
  const char* name;
  BoltCircleInput input;
};

const std::vector<NoPatternCase> kNoPatterns = [] {
  std::vector<NoPatternCase> cases;
  auto add = [&cases](const char* name, BoltCircleInput in) { cases.push_back({name, in}); };
  BoltCircleInput in = four_holes();
  in.holes_to_list = 5;
  add("more_listed_than_holes", in);
  in = four_holes();
  in.holes_to_list = 0;
  add("none_listed", in);
  in = four_holes();
  in.total_holes = 0;
  in.holes_to_list = 0;
  add("no_holes", in);
  in = four_holes();
  in.total_holes = 51;
  add("stale_count_51", in);
  in = four_holes();
  in.diameter = 0;
  add("no_diameter", in);
  in.diameter = 1e300; // its square is not a number any more
  add("diameter_too_large", in);
  in = four_holes();
  in.first_angle = 400;
  add("stale_angle", in);
  in.first_angle = NAN;
  add("angle_not_a_number", in);
  in = four_holes();
  in.x_origin = INFINITY;
  add("origin_infinite", in);
  BoltCircleInput open_end = partial(3, 0, 90);
  open_end.has_end_angle = false;
  add("partial_without_end", open_end);
  add("partial_start_beyond_end", partial(3, 30, 10));
  add("partial_end_stale", partial(3, 0, 361));
  add("partial_51_holes", partial(51, 0, 90));
  return cases;
}();

TEST(BoltCircle, NoPatterns) {
  for (const NoPatternCase& c : kNoPatterns)
    EXPECT_FALSE(geometry::compute_bolt_circle(c.input)) << c.name;
}

TEST(BoltCircle, MarkersOnTheDrawnCircle) {
  // 45 degrees on a 179 pixel circle: 126.57, rounded up if positive, toward zero if negative.
  BoltCircleInput in = four_holes();
  in.total_holes = 8;
  in.holes_to_list = 8;
  auto circle = geometry::compute_bolt_circle(in);
  ASSERT_TRUE(circle);
  const int expected[8][2] = {{179, 0},  {127, 127},   {0, 179},  {-126, 127},
                              {-179, 0}, {-126, -127}, {0, -179}, {127, -127}};
  for (size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(circle->holes[i].marker_dx, expected[i][0]) << "hole " << i + 1;
    EXPECT_EQ(circle->holes[i].marker_dy, expected[i][1]) << "hole " << i + 1;
  }
}

TEST(BoltCircle, Rounding) {
  const std::vector<std::pair<double, int>> rows = {{2.5, 3},   {2.49, 2},  {0.5, 1}, {-0.5, 0},
                                                    {-2.5, -2}, {-2.7, -2}, {0.0, 0}};
  for (const auto& [value, rounded] : rows)
    EXPECT_EQ(geometry::marker_round(value), rounded) << value;
}

TEST(BoltCircle, AnglesIntoOneTurn) {
  const std::vector<std::pair<double, double>> rows = {{370, 10}, {-10, 350}, {360, 360},
                                                       {0, 0},    {-630, 90}, {1e6, 280}};
  for (const auto& [angle, turned] : rows)
    EXPECT_DOUBLE_EQ(geometry::normalised_angle(angle), turned) << angle;
}

TEST(BoltCircle, FixedTextHasNoMinusZero) {
  EXPECT_EQ(geometry::fixed_text(3, -0.0004), "0.000");
  EXPECT_EQ(geometry::fixed_text(3, -0.0006), "-0.001");

  // A hole that shows as zero is stored as a plain zero.
  BoltCircleInput in = four_holes();
  in.x_origin = 0.0004;
  in.precision = 3;
  auto circle = geometry::compute_bolt_circle(in);
  ASSERT_TRUE(circle);
  EXPECT_EQ(circle->holes[1].x, 0.0);
  EXPECT_FALSE(std::signbit(circle->holes[1].x));
  in.precision = 4; // -0.0004 shows at four places and stays
  EXPECT_NEAR(geometry::compute_bolt_circle(in)->holes[1].x, -0.0004, 1e-12);
}

// ---- texts ----

geometry::HoleListTexts english() {
  return {"Zero degrees is at the ",
          {"top", "right", "bottom", "left"},
          "Angles counted clockwise",
          "Angles counted counter-clockwise",
          "Hole",
          "Zero degrees is at the",
          "First hole at",
          "degrees",
          "X origin:",
          "Positive X is to the",
          "Y origin:",
          "Positive Y is to the",
          "Circle diameter:",
          "Circle of",
          "holes, first",
          "listed",
          "Units:",
          "inches",
          "mm"};
}

// The first hole of four_holes() moved to x 12.5, y -3.25 by the origin.
geometry::BoltCircle shifted_circle() {
  BoltCircleInput in = four_holes();
  in.x_origin = 37.5;
  in.y_origin = 3.25;
  return *geometry::compute_bolt_circle(in);
}

TEST(BoltCircleText, ListLines) {
  BoltCircleInput in = four_holes();
  in.zero = ZeroAt::kLeft;
  in.counting = kCcw;
  in.precision = 2;
  const std::vector<std::string> expected = {
      "Zero degrees is at the left",
      "Angles counted counter-clockwise",
      "",
      "Hole  1        -50.00          0.00",
      "Hole  2          0.00         50.00",
      "Hole  3         50.00          0.00",
      "Hole  4          0.00        -50.00",
  };
  EXPECT_EQ(geometry::hole_list_lines(*geometry::compute_bolt_circle(in), english()), expected);
}

TEST(BoltCircleText, SavedFile) {
  const std::vector<std::string> expected = {
      "Zero degrees is at the right",
      "Angles counted clockwise",
      "First hole at 0.000 degrees.", // the file names the angle even when it is 0
      "X origin: 37.500.",
      "Positive X is to the right",
      "Y origin: 3.250.",
      "Positive Y is to the bottom",
      "Circle diameter: 100.000.",
      "Circle of 4 holes, first 4 listed.",
      "Units: inches.",
      "",
      "Hole  1   x =      12.500   y =      -3.250",
      "Hole  2   x =     -37.500   y =      46.750",
      "Hole  3   x =     -87.500   y =      -3.250",
      "Hole  4   x =     -37.500   y =     -53.250",
  };
  EXPECT_EQ(geometry::saved_hole_list_lines(shifted_circle(), english()), expected);
}

TEST(BoltCircleText, SavedFileOfReversedSignsInMillimetres) {
  BoltCircleInput in = four_holes();
  in.x_reversed = true;
  in.y_reversed = true;
  in.millimetre = true;
  in.holes_to_list = 1;
  in.precision = 1;
  auto lines = geometry::saved_hole_list_lines(*geometry::compute_bolt_circle(in), english());
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[4], "Positive X is to the left");
  EXPECT_EQ(lines[6], "Positive Y is to the top");
  EXPECT_EQ(lines[8], "Circle of 4 holes, first 1 listed.");
  EXPECT_EQ(lines[9], "Units: mm.");
  EXPECT_EQ(lines[11], "Hole  1   x =       -50.0   y =         0.0");
}

TEST(BoltCircleText, PartialCircleHeaderDescribesItself) {
  BoltCircleInput in = partial(3, 15, 90);
  in.diameter = 80;
  auto lines = geometry::saved_hole_list_lines(*geometry::compute_bolt_circle(in), english());
  EXPECT_EQ(lines[2], "First hole at 15.000 degrees.");
  EXPECT_EQ(lines[7], "Circle diameter: 80.000.");
  EXPECT_EQ(lines[8], "Circle of 3 holes, first 3 listed.");
}

struct Placed {
  int x, y;
  bool fixed_pitch;
  std::string text;
  bool operator==(const geometry::PrintedText& t) const {
    return x == t.x && y == t.y && fixed_pitch == t.fixed_pitch && text == t.text;
  }
};

TEST(BoltCirclePrint, PageWithoutAngleLine) {
  auto page = geometry::printed_hole_list(shifted_circle(), english(), 500);
  const std::vector<Placed> expected = {
      {1, 32, false, "Zero degrees is at the right"},
      {1, 42, false, "Angles counted clockwise"},
      {1, 52, false, "X origin: 37.500."},
      {250, 52, false, "Positive X is to the right."},
      {1, 62, false, "Y origin: 3.250."},
      {250, 62, false, "Positive Y is to the bottom."},
      {1, 72, false, "Circle diameter: 100.000."},
      {250, 72, false, "Circle of 4 holes, first 4 listed."},
      {1, 82, false, "Units: inches."},
      {1, 102, true, "Hole  1   x =   12.500   y =   -3.250"},
      {1, 112, true, "Hole  2   x =  -37.500   y =   46.750"},
      {1, 122, true, "Hole  3   x =  -87.500   y =   -3.250"},
      {1, 132, true, "Hole  4   x =  -37.500   y =  -53.250"},
  };
  ASSERT_EQ(page.texts.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_TRUE(expected[i] == page.texts[i]) << i << ": " << page.texts[i].text;
  EXPECT_EQ(page.rule_y, 92);
}

TEST(BoltCirclePrint, FiftyHolesWithAngleLine) {
  BoltCircleInput in = four_holes();
  in.total_holes = 50;
  in.holes_to_list = 50;
  for (double angle : {0.0, 15.0}) {
    in.first_angle = angle;
    auto page = geometry::printed_hole_list(*geometry::compute_bolt_circle(in), english(), 595);
    const bool angle_line = angle != 0.0;
    ASSERT_EQ(page.texts.size(), 59u + (angle_line ? 1 : 0));
    EXPECT_EQ(page.texts.back().y, angle_line ? 602 : 592);
    EXPECT_EQ(page.rule_y, angle_line ? 102 : 92);
    EXPECT_EQ(page.texts[angle_line ? 4 : 3].x, 297); // beside the X origin
    if (angle_line) {
      EXPECT_EQ(page.texts[2].text, "First hole at 15.000 degrees.");
    }
  }
}

} // namespace
