// Circle segment: every case from worked examples, texts at the page's precision, no-segment
// inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/geometry/circle_segment_calc.h"

using geometry::SegmentKnown;

namespace {

constexpr double kPi = 3.141592653589793;

struct RowsCase {
  const char* name;
  geometry::SegmentInput input;
  int precision;
  const char* rows; // R1 ... R10, each after a '|'
};

// Worked by hand. Most use the 3-4-5 segment: radius 5, chord 8, height 2,
// distance 3, angle 2 atan(4/3) = 106.260205 degrees, or the 60 degree
// segment of radius 10 (chord 10, distance 8.660254, arc 10.471976).
const char* const kThreeFourFive = "| 106.26| 253.74| 9.273| 31.416| 11.182| 12.0| 23.182| 78.54";
// clang-format off
const RowsCase kRowsCases[] = {
    {"chord_arc", {SegmentKnown::kChordArc, 10, 10.5}, 3,
     "| 9.751| 8.371| 61.697| 298.303| 1.38| 61.267| 9.335| 41.857| 51.192| 298.703"},
    {"chord_arc_120", {SegmentKnown::kChordArc, 10 * std::sqrt(3.0), 20 * kPi / 3}, 3,
     "| 10.0| 5.0| 120.0| 240.0| 5.0| 62.832| 61.418| 43.301| 104.72| 314.159"},
    {"radius_angle", {SegmentKnown::kRadiusAngle, 10, 60}, 3,
     "| 1.34| 8.66| 10.0| 300.0| 10.472| 62.832| 9.059| 43.301| 52.36| 314.159"},
    {"radius_chord", {SegmentKnown::kRadiusChord, 5, 8}, 3,
     "| 2.0| 3.0| 106.26| 253.74| 9.273| 31.416| 11.182| 12.0| 23.182| 78.54"},
    {"radius_height", {SegmentKnown::kRadiusHeight, 5, 2}, 3, "| 8.0| 3.0"},
    {"radius_distance", {SegmentKnown::kRadiusDistance, 5, 3}, 3, "| 8.0| 2.0"},
    {"chord_height_untrimmed", {SegmentKnown::kChordHeight, 8, 2}, 3, "| 5.000| 3.000"},
    {"chord_distance", {SegmentKnown::kChordDistance, 8, 3}, 3, "| 5.0| 2.0"},
    {"height_distance", {SegmentKnown::kHeightDistance, 2, 3}, 3, "| 5.0| 8.0"},
    {"radius_arc", {SegmentKnown::kRadiusArc, 5, 9.2729522}, 3,
     "| 2.0| 3.0| 106.26| 253.74| 8.0| 31.416| 11.182| 12.0| 23.182| 78.54"},
    {"arc_angle", {SegmentKnown::kArcAngle, 10.471976, 60}, 3,
     "| 1.34| 8.66| 10.0| 300.0| 10.0| 62.832| 9.059| 43.301| 52.36| 314.159"},
    {"chord_angle", {SegmentKnown::kChordAngle, 10, 60}, 3,
     "| 1.34| 8.66| 10.0| 300.0| 10.472| 62.832| 9.059| 43.301| 52.36| 314.159"},
    // A chord as long as the diameter: the half circle, 180 degrees left over.
    {"half_circle", {SegmentKnown::kRadiusChord, 5, 10}, 3,
     "| 5.0| 0.0| 180.0| 180.0| 15.708| 31.416| 39.27| 0.0| 39.27| 78.54"},
    {"half_circle_p4", {SegmentKnown::kRadiusChord, 5, 10}, 4,
     "| 5| 0| 180| 180| 15.708| 31.4159| 39.2699| 0| 39.2699| 78.5398"},
    // No height: nothing of the segment, but the circle is still there.
    {"zero_height", {SegmentKnown::kRadiusHeight, 5, 0}, 3,
     "| 0.0| 5.0| 0.0| 360.0| 0.0| 31.416| 0.0| 0.0| 0.0| 78.54"},
    // The angle 0.000567 (six decimals) puts the sector 0.002 below its
    // triangle: the thin segment has no area, not a negative one.
    {"thin_segment", {SegmentKnown::kRadiusChord, 1000, 0.0099}, 3,
     "| 0.0| 1000.0| 0.001| 359.999| 0.01| 6283.185| 0.0| 4.95| 4.948| 3141592.654"},
    {"precision_6", {SegmentKnown::kRadiusChord, 5, 8}, 6,
     "| 2| 3| 106.260205| 253.739795| 9.272952| 31.415927| 11.182381| 12| 23.182381| 78.539816"},
};
// clang-format on

// "|a|b" -> {"a", "b"}; two rows only stand for R1 and R2 of the 3-4-5
// segment, whose other rows are the same in every case.
std::vector<std::string> expected_rows(const char* text) {
  std::vector<std::string> rows;
  std::string all = text;
  for (size_t bar = all.find('|'); bar != std::string::npos;) {
    size_t next = all.find('|', bar + 1);
    rows.push_back(all.substr(bar + 1, next == std::string::npos ? next : next - bar - 1));
    bar = next;
  }
  if (rows.size() == 2) {
    auto rest = expected_rows(kThreeFourFive);
    rows.insert(rows.end(), rest.begin(), rest.end());
  }
  return rows;
}

TEST(SegmentRows, ShowEveryQuantity) {
  for (const RowsCase& c : kRowsCases) {
    SCOPED_TRACE(c.name);
    auto result = geometry::compute_circle_segment(c.input);
    ASSERT_TRUE(result.has_value());
    std::vector<std::string> rows = expected_rows(c.rows);
    ASSERT_EQ(rows.size(), size_t{geometry::kSegmentRows});
    for (int row = 0; row < geometry::kSegmentRows; ++row)
      EXPECT_EQ(geometry::segment_row_text(*result, row, c.precision),
                rows[static_cast<size_t>(row)])
          << "row R" << row + 1;
  }
}

struct NoSegmentCase {
  const char* name;
  geometry::SegmentInput input;
};

const NoSegmentCase kNoSegmentCases[] = {
    {"arc_equal_to_chord", {SegmentKnown::kChordArc, 10, 10}},
    {"no_chord_for_arc", {SegmentKnown::kChordArc, 0, 5}},
    {"arc_past_half_circle", {SegmentKnown::kChordArc, 10, 16}},
    {"no_radius_for_angle", {SegmentKnown::kRadiusAngle, 0, 60}},
    {"no_angle", {SegmentKnown::kRadiusAngle, 10, 0}},
    {"chord_over_diameter", {SegmentKnown::kRadiusChord, 5, 10.01}},
    {"no_radius_for_chord", {SegmentKnown::kRadiusChord, 0, 8}},
    {"no_chord", {SegmentKnown::kRadiusChord, 5, 0}},
    {"height_over_radius", {SegmentKnown::kRadiusHeight, 5, 5.1}},
    {"distance_over_radius", {SegmentKnown::kRadiusDistance, 5, 5.1}},
    {"no_distance", {SegmentKnown::kRadiusDistance, 5, 0}},
    {"height_over_half_chord", {SegmentKnown::kChordHeight, 8, 4.1}},
    {"no_height_for_chord", {SegmentKnown::kChordHeight, 8, 0}},
    {"no_distance_for_chord", {SegmentKnown::kChordDistance, 8, 0}},
    {"no_height_for_distance", {SegmentKnown::kHeightDistance, 0, 3}},
    {"arc_over_half_circumference", {SegmentKnown::kRadiusArc, 5, 15.8}},
    {"no_radius_for_arc", {SegmentKnown::kRadiusArc, 0, 5}},
    {"no_angle_for_arc", {SegmentKnown::kArcAngle, 10, 0}},
    {"no_angle_for_chord", {SegmentKnown::kChordAngle, 10, 0}},
    // An angle past the half circle (a red field) would give negative lengths.
    {"angle_past_half_circle", {SegmentKnown::kRadiusAngle, 10, 200}},
    {"arc_angle_past_half_circle", {SegmentKnown::kArcAngle, 10, 1e20}},
    // The angle of chord 20 on radius 1e20 rounds to 0: no arc, no sector.
    {"chord_without_angle", {SegmentKnown::kRadiusChord, 1e20, 20}},
};

TEST(NoSegment, GivesNoResult) {
  for (const NoSegmentCase& c : kNoSegmentCases)
    EXPECT_FALSE(geometry::compute_circle_segment(c.input).has_value()) << c.name;
}

TEST(SegmentAngle, SearchFindsTheAngleOfAnArcToChordRatio) {
  for (double degrees : {5.0, 30.0, 90.0, 150.0, 179.0}) {
    double theta = degrees * kPi / 180;
    double ratio = theta / (2 * std::sin(theta / 2));
    EXPECT_NEAR(geometry::angle_for_arc_to_chord(ratio), theta, 1e-9) << degrees;
  }
}

TEST(SegmentAngle, ComputedAnglesKeepSixDecimals) {
  // 2 atan(4/3) = 106.2602047...: kept as 106.260205.
  auto result = geometry::compute_circle_segment({SegmentKnown::kRadiusChord, 5, 8});
  ASSERT_TRUE(result.has_value());
  EXPECT_DOUBLE_EQ(result->angle, 106.260205);
  EXPECT_TRUE(result->third_row_is_angle);
  auto typed = geometry::compute_circle_segment({SegmentKnown::kRadiusAngle, 5, 33.3333333});
  ASSERT_TRUE(typed.has_value());
  EXPECT_DOUBLE_EQ(typed->angle, 33.3333333);
  EXPECT_FALSE(typed->third_row_is_angle);
}

TEST(SegmentAngle, FromDegreesMinutesSeconds) {
  struct Case {
    const char* d;
    const char* m;
    const char* s;
    double degrees; // < 0: no angle
  };
  const Case cases[] = {{"", "", "", -1},
                        {"0", "0", "0", -1},
                        {"30", "", "", 30},
                        {"12", "30", "", 12.5},
                        {"0", "0", "36", 0.01},
                        {"0", "1", "", 1.0 / 60},
                        {"179", "59", "59", 179 + 59.0 / 60 + 59.0 / 3600}};
  for (const Case& c : cases) {
    auto angle = geometry::angle_from_dms_texts(c.d, c.m, c.s);
    if (c.degrees < 0) {
      EXPECT_FALSE(angle.has_value()) << c.d << " " << c.m << " " << c.s;
    } else {
      ASSERT_TRUE(angle.has_value()) << c.d << " " << c.m << " " << c.s;
      EXPECT_NEAR(*angle, c.degrees, 1e-12);
    }
  }
}

} // namespace
