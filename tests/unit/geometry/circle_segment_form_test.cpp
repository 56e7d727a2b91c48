#include "calc/geometry/circle_segment_form.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using geometry::SegmentKnown;
using Texts = std::vector<std::string>;

TEST(CircleSegmentForm, EachCaseCarriesItsLabels) {
  struct Case {
    SegmentKnown known;
    // first, second, R1, R2, R3, R5 (R4 is always 51, R6 ... R10 are 45 ... 49)
    std::array<int, 6> labels;
    bool diameter, angle;
  };
  using K = SegmentKnown;
  const Case cases[] = {
      {K::kChordArc, {40, 44, 39, 42, 43, 41}, false, false},
      {K::kRadiusAngle, {39, 43, 41, 42, 40, 44}, true, true},
      {K::kRadiusChord, {39, 40, 41, 42, 43, 44}, true, false},
      {K::kRadiusHeight, {39, 41, 40, 42, 43, 44}, true, false},
      {K::kRadiusDistance, {39, 42, 40, 41, 43, 44}, true, false},
      {K::kChordHeight, {40, 41, 39, 42, 43, 44}, false, false},
      {K::kChordDistance, {40, 42, 39, 41, 43, 44}, false, false},
      {K::kHeightDistance, {41, 42, 39, 40, 43, 44}, false, false},
      {K::kRadiusArc, {39, 44, 41, 42, 43, 40}, true, false},
      {K::kArcAngle, {44, 43, 41, 42, 39, 40}, false, true},
      {K::kChordAngle, {40, 43, 41, 42, 39, 44}, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.known));
    for (bool dms : {false, true}) {
      const geometry::SegmentLayout l = geometry::segment_layout(c.known, dms);
      const auto& r = l.row_labels;
      EXPECT_EQ((std::vector<int>{l.first_label, l.second_label, r[0], r[1], r[2], r[4]}),
                std::vector<int>(c.labels.begin(), c.labels.end()));
      EXPECT_EQ((std::vector<int>{r[3], r[5], r[6], r[7], r[8], r[9]}),
                (std::vector<int>{51, 45, 46, 47, 48, 49}));
      EXPECT_EQ(l.diameter_offered, c.diameter);
      EXPECT_EQ(l.second_is_angle, c.angle);
      // A typed angle goes to the three fields; a computed one to R3's.
      EXPECT_EQ(l.second_as_dms, dms && c.angle);
      EXPECT_EQ(l.angle_row_as_dms, dms && !c.angle);
      EXPECT_EQ(l.rest_row_as_dms, dms);
    }
  }
}

TEST(CircleSegmentForm, ResultTexts) {
  struct Case {
    SegmentKnown known;
    bool dms;
    const char *first, *second;
    std::array<std::string, 3> typed_dms;
    int places;
    Texts rows, angle_dms, rest_dms;
  };
  using K = SegmentKnown;
  const Texts none(10), no_dms(3);
  const Case cases[] = {
      // Radius 5, chord 8: d = 3, h = 2, angle 2 atan(4/3) = 106.260205 (kept
      // to six decimals), arc 9.273, segment 23.182 - 12 = 11.182.
      {K::kRadiusChord,
       true,
       "5",
       "8",
       {},
       3,
       {" 2.0", " 3.0", " 106.26", " 253.74", " 9.273", " 31.416", " 11.182", " 12.0", " 23.182",
        " 78.54"},
       {"106", "15", "36.738"},
       {"253", "44", "23.262"}},
      // A chord as long as the diameter: the half circle.
      {K::kRadiusChord,
       false,
       "5",
       "10",
       {},
       4,
       {" 5", " 0", " 180", " 180", " 15.708", " 31.4159", " 39.2699", " 0", " 39.2699",
        " 78.5398"},
       {"180", "0", "0.0"},
       {"180", "0", "0.0"}},
      // Radius 10 and 60.5 degrees typed as 60 30: d = 10 cos 30.25 = 8.638,
      // chord 20 sin 30.25 = 10.075, sector 100 pi 60.5 / 360 = 52.796.
      {K::kRadiusAngle,
       true,
       "10",
       "",
       {"60", "30", ""},
       3,
       {" 1.362", " 8.638", " 10.075", " 299.5", " 10.559", " 62.832", " 9.278", " 43.518",
        " 52.796", " 314.159"},
       no_dms,
       {"299", "30", "0.0"}},
      // Arc 10.471976 over 60 degrees: r = 10, d = 10 cos 30.
      {K::kArcAngle,
       true,
       "10.471976",
       "",
       {"60", "", ""},
       2,
       {" 1.34", " 8.66", " 10.0", " 300.0", " 10.0", " 62.83", " 9.06", " 43.3", " 52.36",
        " 314.16"},
       no_dms,
       {"300", "0", "0.0"}},
      // Nothing to show: a value missing, no angle in the three fields, an
      // arc longer than half the circle, a chord longer than the diameter.
      {K::kRadiusChord, false, "", "8", {}, 3, none, no_dms, no_dms},
      {K::kRadiusChord, false, "5", "", {}, 3, none, no_dms, no_dms},
      // A height of 0 would give a flat segment: a missing one gives nothing.
      {K::kRadiusHeight, false, "5", "", {}, 3, none, no_dms, no_dms},
      {K::kRadiusAngle, true, "10", "60", {"0", "0", "0"}, 3, none, no_dms, no_dms},
      {K::kRadiusArc, false, "5", "15.8", {}, 3, none, no_dms, no_dms},
      {K::kRadiusChord, false, "5", "80", {}, 3, none, no_dms, no_dms},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.first) + ", " + c.second);
    const geometry::SegmentForm form =
        geometry::segment_form({c.known, c.dms, c.first, c.second, c.typed_dms, c.places});
    EXPECT_EQ(Texts(form.rows.begin(), form.rows.end()), c.rows);
    if (c.known == K::kRadiusChord) {
      EXPECT_EQ(Texts(form.angle_dms.begin(), form.angle_dms.end()), c.angle_dms);
    }
    EXPECT_EQ(Texts(form.rest_dms.begin(), form.rest_dms.end()), c.rest_dms);
  }
}

TEST(CircleSegmentForm, LinkedTexts) {
  using namespace geometry;
  EXPECT_EQ(segment_diameter_text("0.5"), "1");
  EXPECT_EQ(segment_diameter_text(""), "");
  EXPECT_EQ(segment_diameter_text("1" + std::string(308, '0')), ""); // beyond any number
  EXPECT_EQ(segment_radius_text("100.0001"), "50.00005");
  EXPECT_EQ(segment_radius_text("0"), "");
  EXPECT_EQ(segment_decimal_angle_text({"60", "30", ""}), "60.5");
  EXPECT_EQ(segment_decimal_angle_text({"", "", ""}), "");
}

} // namespace
