// Bolt-hole circle: hole coordinates, the patterns that can't be, the texts of
// the list, the file and the printout, and what the page reads and marks.
#include "core/geometry/bolt_circle_form.h"

#include "core/unit_test.h"

#include "text_rows.h"

using namespace geometry;
using Lines = std::vector<std::string>;

namespace {

// The page's defaults (four holes on diameter 100, all listed, zero at the
// right, clockwise), changed by words such as "holes=3 list=2 dia=80
// first=30 partial end=90 zero=top ccw x- y- ox=10 oy=-5 mm places=2".
BoltCircleInput input(const std::string& words) {
  BoltCircleInput in;
  in.total_holes = in.holes_to_list = 4;
  in.diameter = 100;
  in.marker_radius = 179;
  const std::string zeros[] = {"top", "right", "bottom", "left"};
  for (const std::string& word : text_rows::split(words)) {
    const size_t eq = word.find('=');
    const std::string key = word.substr(0, eq), value = word.substr(eq + 1);
    const double v = eq == std::string::npos || key == "zero" ? 0 : std::stod(value);
    const std::map<std::string, double*> lengths = {{"dia", &in.diameter},
                                                    {"first", &in.first_angle},
                                                    {"end", &in.end_angle},
                                                    {"ox", &in.x_origin},
                                                    {"oy", &in.y_origin}};
    if (lengths.count(key))
      *lengths.at(key) = v;
    if (key == "holes" || key == "list")
      (key == "holes" ? in.total_holes : in.holes_to_list) = long(v);
    if (key == "partial")
      in.partial = true, in.holes_to_list = 0; // a partial circle lists all its holes
    if (key == "zero")
      in.zero = ZeroAt(std::find(zeros, zeros + 4, value) - zeros);
    if (key == "places")
      in.precision = int(v);
    in.counting = key == "ccw" ? Counting::kCounterClockwise : in.counting;
    in.x_reversed |= key == "x-";
    in.y_reversed |= key == "y-";
    in.millimetre |= key == "mm";
    in.has_end_angle |= key == "end";
  }
  return in;
}

// "x,y x,y ..." with three decimals, no minus zero; "none" for no pattern.
std::string coordinates(const std::optional<BoltCircle>& circle) {
  if (!circle)
    return "none";
  Lines holes;
  for (const Hole& hole : circle->holes)
    holes.push_back(fixed_text(3, hole.x) + "," + fixed_text(3, hole.y));
  return text_rows::join(holes);
}

std::string holes(const std::string& words) {
  return coordinates(compute_bolt_circle(input(words)));
}

TEST(BoltCircle, Patterns) {
  // Worked by hand: screen angles 0 at the top, clockwise; x = r sin a,
  // y = r |cos a|, negative in the upper half; then signs, then origin.
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"", "50.000,0.000 0.000,50.000 -50.000,0.000 0.000,-50.000"},
      {"ccw", "50.000,0.000 0.000,-50.000 -50.000,0.000 0.000,50.000"},
      {"zero=top", "0.000,-50.000 50.000,0.000 0.000,50.000 -50.000,0.000"},
      {"zero=bottom", "0.000,50.000 -50.000,0.000 0.000,-50.000 50.000,0.000"},
      {"zero=left", "-50.000,0.000 0.000,-50.000 50.000,0.000 0.000,50.000"},
      {"y-", "50.000,0.000 0.000,-50.000 -50.000,0.000 0.000,50.000"},
      {"x-", "-50.000,0.000 0.000,50.000 50.000,0.000 0.000,-50.000"},
      {"ox=10", "40.000,0.000 -10.000,50.000 -60.000,0.000 -10.000,-50.000"},
      {"oy=-5", "50.000,5.000 0.000,55.000 -50.000,5.000 0.000,-45.000"},
      // Below 0.0001 counts as no offset.
      {"oy=0.00009", "50.000,0.000 0.000,50.000 -50.000,0.000 0.000,-50.000"},
      // Three holes from 30 degrees: 120, 240 and 360 on the screen.
      {"holes=3 list=3 first=30", "43.301,25.000 -43.301,25.000 0.000,-50.000"},
      {"list=2", "50.000,0.000 0.000,50.000"}, {"partial holes=1 first=30 end=40", "43.301,25.000"},
      {"partial holes=3 end=90", "50.000,0.000 35.355,35.355 0.000,50.000"},
      {"partial holes=3 end=90 ccw", "50.000,0.000 35.355,-35.355 0.000,-50.000"},
      {"partial holes=2 first=30 end=30", "43.301,25.000 43.301,25.000"}};
  // clang-format on
  for (const auto& [words, expected] : cases)
    EXPECT_EQ(holes(words), expected) << words;
  // More listed than on the circle, none listed, none or more than 50 holes,
  // no diameter or one whose square is no number, an angle beyond a turn or
  // no number, an infinite origin; a partial circle without an end, with its
  // start beyond the end, its end beyond a turn, 51 holes.
  for (const char* words :
       {"list=5", "list=0", "holes=0 list=0", "holes=51", "dia=0", "dia=1e300", "first=400",
        "first=nan", "ox=inf", "partial holes=3", "partial holes=3 first=30 end=10",
        "partial holes=3 end=361", "partial holes=51 end=90"})
    EXPECT_EQ(holes(words), "none") << words;
}

TEST(BoltCircle, MarkersRoundingAndAngles) {
  // 45 degrees on a 179 pixel circle: 126.57, rounded up if positive, toward zero if negative.
  const BoltCircle circle = compute_bolt_circle(input("holes=8 list=8")).value();
  Lines markers;
  for (const Hole& h : circle.holes)
    markers.push_back(std::to_string(h.marker_dx) + "," + std::to_string(h.marker_dy));
  EXPECT_EQ(text_rows::join(markers),
            "179,0 127,127 0,179 -126,127 -179,0 -126,-127 0,-179 127,-127");
  for (const auto& [value, rounded] :
       {std::pair{2.5, 3}, {2.49, 2}, {0.5, 1}, {-0.5, 0}, {-2.5, -2}, {-2.7, -2}, {0.0, 0}})
    EXPECT_EQ(marker_round(value), rounded) << value;
  const std::pair<double, double> turns[] = {
      {370, 10}, {-10, 350}, {360, 360}, {360.5, 0.5}, {-0.5, 359.5}, {0, 0}, {-630, 90}, {1e6, 280},
  };
  for (const auto& [angle, turned] : turns)
    EXPECT_DOUBLE_EQ(normalised_angle(angle), turned) << angle;
}

TEST(BoltCircle, NoMinusZero) {
  EXPECT_EQ(fixed_text(3, -0.0004), "0.000");
  EXPECT_EQ(fixed_text(3, -0.0006), "-0.001");
  // A hole that shows as zero is stored as a plain zero; at four places -0.0004 stays.
  const double x = compute_bolt_circle(input("ox=0.0004"))->holes[1].x;
  EXPECT_TRUE(x == 0.0 && !std::signbit(x));
  EXPECT_NEAR(compute_bolt_circle(input("ox=0.0004 places=4"))->holes[1].x, -0.0004, 1e-12);
}

// clang-format off
const HoleListTexts kEnglish = {
    "Zero degrees is at the ", {"top", "right", "bottom", "left"}, "Angles counted clockwise",
    "Angles counted counter-clockwise", "Hole", "Zero degrees is at the", "First hole at",
    "degrees", "X origin:", "Positive X is to the", "Y origin:", "Positive Y is to the",
    "Circle diameter:", "Circle of", "holes, first", "listed", "Units:", "inches", "mm"};
// clang-format on

// The first hole moved to x 12.5, y -3.25 by the origin.
const char* const kShifted = "ox=37.5 oy=3.25";

BoltCircle circle(const std::string& words) { return *compute_bolt_circle(input(words)); }

TEST(BoltCircleText, ListAndSavedFile) {
  EXPECT_EQ(hole_list_lines(circle("zero=left ccw places=2"), kEnglish),
            (Lines{"Zero degrees is at the left", "Angles counted counter-clockwise", "",
                   "Hole  1        -50.00          0.00", "Hole  2          0.00         50.00",
                   "Hole  3         50.00          0.00", "Hole  4          0.00        -50.00"}));
  // Seven places are more than a list shows: six, in fields of 11.
  EXPECT_EQ(hole_list_lines(circle("places=7"), kEnglish)[3],
            "Hole  1     50.000000      0.000000");
  EXPECT_EQ(saved_hole_list_lines(circle(kShifted), kEnglish),
            (Lines{"Zero degrees is at the right", "Angles counted clockwise",
                   "First hole at 0.000 degrees.", // named even when it is 0
                   "X origin: 37.500.", "Positive X is to the right", "Y origin: 3.250.",
                   "Positive Y is to the bottom", "Circle diameter: 100.000.",
                   "Circle of 4 holes, first 4 listed.", "Units: inches.", "",
                   "Hole  1   x =      12.500   y =      -3.250",
                   "Hole  2   x =     -37.500   y =      46.750",
                   "Hole  3   x =     -87.500   y =      -3.250",
                   "Hole  4   x =     -37.500   y =     -53.250"}));
  const Lines reversed = saved_hole_list_lines(circle("x- y- mm list=1 places=1"), kEnglish);
  ASSERT_EQ(reversed.size(), 12u);
  EXPECT_EQ((Lines{reversed[4], reversed[6], reversed[8], reversed[9], reversed[11]}),
            (Lines{"Positive X is to the left", "Positive Y is to the top",
                   "Circle of 4 holes, first 1 listed.", "Units: mm.",
                   "Hole  1   x =       -50.0   y =         0.0"}));
  const Lines partial =
      saved_hole_list_lines(circle("partial holes=3 first=15 end=90 dia=80"), kEnglish);
  EXPECT_EQ((Lines{partial[2], partial[7], partial[8]}),
            (Lines{"First hole at 15.000 degrees.", "Circle diameter: 80.000.",
                   "Circle of 3 holes, first 3 listed."}));
}

// "x y text", with "| " before the text of a fixed-pitch line.
Lines placed(const PrintedPage& page) {
  Lines out;
  for (const PrintedText& t : page.texts)
    out.push_back(std::to_string(t.x) + " " + std::to_string(t.y) + (t.fixed_pitch ? " | " : " ") +
                  t.text);
  return out;
}

TEST(BoltCirclePrint, PageWithoutAngleLine) {
  const PrintedPage page = printed_hole_list(circle(kShifted), kEnglish, 500);
  EXPECT_EQ(placed(page),
            (Lines{"1 32 Zero degrees is at the right", "1 42 Angles counted clockwise",
                   "1 52 X origin: 37.500.", "250 52 Positive X is to the right.",
                   "1 62 Y origin: 3.250.", "250 62 Positive Y is to the bottom.",
                   "1 72 Circle diameter: 100.000.", "250 72 Circle of 4 holes, first 4 listed.",
                   "1 82 Units: inches.", "1 102 | Hole  1   x =   12.500   y =   -3.250",
                   "1 112 | Hole  2   x =  -37.500   y =   46.750",
                   "1 122 | Hole  3   x =  -87.500   y =   -3.250",
                   "1 132 | Hole  4   x =  -37.500   y =  -53.250"}));
  EXPECT_EQ(page.rule_y, 92);
}

TEST(BoltCirclePrint, FiftyHolesWithAngleLine) {
  // The angle line moves the rest down by 10; the second column starts half-way.
  const PrintedPage page = printed_hole_list(circle("holes=50 list=50 first=15"), kEnglish, 595);
  ASSERT_EQ(page.texts.size(), 60u);
  EXPECT_EQ(page.texts[2].text, "First hole at 15.000 degrees.");
  EXPECT_EQ(page.texts[4].x, 297); // beside the X origin
  EXPECT_EQ(page.texts.back().y, 602);
  EXPECT_EQ(page.rule_y, 102);
}

TEST(BoltCircleForm, MarksShowWhereTheAnglesAndAxesRun) {
  // Marks at the top, right, bottom and left, for zero at the top, right,
  // bottom and left counting clockwise, then counter-clockwise.
  const char* const angles[] = {"0 90 180 270", "270 0 90 180", "180 270 0 90", "90 180 270 0",
                                "0 270 180 90", "90 0 270 180", "180 90 0 270", "270 180 90 0"};
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(text_rows::join(bolt_circle_marks(ZeroAt(i % 4), Counting(i / 4), 0, 0).angles),
              angles[i])
        << i;
  // Which end of each axis is positive: as drawn, X reversed, Y reversed.
  auto axes = [](bool x_reversed, bool y_reversed) {
    return text_rows::join(bolt_circle_marks(ZeroAt::kTop, {}, x_reversed, y_reversed).axes);
  };
  EXPECT_EQ(axes(false, false) + " | " + axes(true, false) + " | " + axes(false, true),
            "Y- X+ Y+ X- | Y- X- Y+ X+ | Y+ X+ Y- X-");
}

TEST(BoltCircleForm, TheChosenTypeReadsItsOwnFields) {
  // The fields: holes, listed, diameter, first angle | partial: holes, start,
  // diameter, end | X and Y origin.
  auto reads = [](bool partial, const char* fields) {
    const Lines f = text_rows::split(fields);
    BoltCircleFormInput in;
    in.partial = partial;
    in.fields = {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9]};
    in.marker_radius = 179;
    const int why = bolt_circle_reason(in).entry;
    return coordinates(bolt_circle_form(in)) + (why ? " why " + std::to_string(why) : "");
  };
  // Full: 4 on 100 from the right, clockwise, Y down; from 45° the first two
  // lie at 45° and 135°: (35.355, 35.355), (-35.355, 35.355). Partial: 3 on
  // 100 from 0° to 90°, 45° apart: (50, 0), (35.355, 35.355), (0, 50).
  EXPECT_EQ(reads(false, "4 4 100 _ 3 0 60 90 _ _"),
            "50.000,0.000 0.000,50.000 -50.000,0.000 0.000,-50.000");
  EXPECT_EQ(reads(false, "4 2 100 _ _ _ _ _ 10 -5"), "40.000,5.000 -10.000,55.000");
  EXPECT_EQ(reads(false, "4 2 100 45 _ _ _ _ _ _"), "35.355,35.355 -35.355,35.355");
  EXPECT_EQ(reads(false, "4 5 _ _ _ _ _ _ _ _"), "none why 809"); // more listed than drilled
  EXPECT_EQ(reads(true, "4 4 60 _ 3 0 100 90 _ _"), "50.000,0.000 35.355,35.355 0.000,50.000");
  EXPECT_EQ(reads(true, "_ _ _ _ 3 0 100 _ _ _"), "none"); // no end angle
  EXPECT_EQ(reads(true, "_ _ _ _ 3 95 100 90 _ _"), "none why 807");
  EXPECT_EQ(reads(true, "_ _ _ _ 1 90 100 90 _ _"), "0.000,50.000"); // start at the end
}

} // namespace
