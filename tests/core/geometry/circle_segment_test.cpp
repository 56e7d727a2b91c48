// Circle segment: every case from worked examples, texts at the page's
// precision, no-segment inputs, and what the page shows per case.
#include "core/geometry/circle_segment_form.h"

#include "core/unit_test.h"

#include "text_rows.h"

using namespace geometry;
using text_rows::join;
using K = SegmentKnown;

namespace {

constexpr double kPi = 3.141592653589793;

// R3 ... R10 of the 3-4-5 segment: radius 5, chord 8, height 2, distance 3,
// angle 2 atan(4/3) = 106.260205 degrees.
const std::string kThreeFourFive = "| 106.26| 253.74| 9.273| 31.416| 11.182| 12.0| 23.182| 78.54";

TEST(SegmentRows, ShowEveryQuantity) {
  // R1 ... R10, each after a '|'; two rows only stand for R1 and R2 of the
  // 3-4-5 segment, whose other rows are the same in every case.
  auto shows = [](K known, double first, double second, int precision, std::string rows) {
    SCOPED_TRACE(rows);
    auto result = compute_circle_segment({known, first, second});
    ASSERT_TRUE(result.has_value());
    if (std::count(rows.begin(), rows.end(), '|') == 2)
      rows += kThreeFourFive;
    std::string shown;
    for (int row = 0; row < kSegmentRows; ++row)
      shown += "|" + segment_row_text(*result, row, precision);
    EXPECT_EQ(shown, rows);
  };
  // Others use the 60 degree segment of radius 10: chord 10, distance 8.660254,
  // arc 10.471976.
  // clang-format off
  shows(K::kChordArc, 10, 10.5, 3, "| 9.751| 8.371| 61.697| 298.303| 1.38| 61.267| 9.335| 41.857| 51.192| 298.703");
  shows(K::kChordArc, 10 * std::sqrt(3.0), 20 * kPi / 3, 3, "| 10.0| 5.0| 120.0| 240.0| 5.0| 62.832| 61.418| 43.301| 104.72| 314.159");
  shows(K::kRadiusAngle, 10, 60, 3, "| 1.34| 8.66| 10.0| 300.0| 10.472| 62.832| 9.059| 43.301| 52.36| 314.159");
  shows(K::kRadiusHeight, 5, 2, 3, "| 8.0| 3.0");
  shows(K::kRadiusDistance, 5, 3, 3, "| 8.0| 2.0");
  shows(K::kChordHeight, 8, 2, 3, "| 5.000| 3.000"); // not trimmed
  shows(K::kChordDistance, 8, 3, 3, "| 5.0| 2.0");
  shows(K::kHeightDistance, 2, 3, 3, "| 5.0| 8.0");
  shows(K::kRadiusArc, 5, 9.2729522, 3, "| 2.0| 3.0| 106.26| 253.74| 8.0| 31.416| 11.182| 12.0| 23.182| 78.54");
  shows(K::kArcAngle, 10.471976, 60, 3, "| 1.34| 8.66| 10.0| 300.0| 10.0| 62.832| 9.059| 43.301| 52.36| 314.159");
  shows(K::kChordAngle, 10, 60, 3, "| 1.34| 8.66| 10.0| 300.0| 10.472| 62.832| 9.059| 43.301| 52.36| 314.159");
  // A chord as long as the diameter: the half circle, 180 degrees left over.
  shows(K::kRadiusChord, 5, 10, 4, "| 5| 0| 180| 180| 15.708| 31.4159| 39.2699| 0| 39.2699| 78.5398");
  // No height, or the chord on the circle's edge: nothing of the segment,
  // but the circle is still there.
  shows(K::kRadiusHeight, 5, 0, 3, "| 0.0| 5.0| 0.0| 360.0| 0.0| 31.416| 0.0| 0.0| 0.0| 78.54");
  shows(K::kRadiusDistance, 5, 5, 3, "| 0.0| 0.0| 0.0| 360.0| 0.0| 31.416| 0.0| 0.0| 0.0| 78.54");
  // The arc and areas take the angle at full precision, 2 atan(4/3) =
  // 1.85459044 rad: sector 12.5 x 1.85459044 = 23.1823805 (the shown
  // 106.260205° would give 23.1823806).
  shows(K::kRadiusChord, 5, 8, 6, "| 2| 3| 106.260205| 253.739795| 9.272952| 31.415927| 11.18238| 12| 23.18238| 78.539816");
  // Chord 7.5 on radius 1000: 2 asin(0.00375) = 0.0075000176 rad, arc 7.500018,
  // sector 1e6 x 0.0075000176 / 2 = 3750.008789, segment 1e6 / 2 (t - sin t) =
  // 0.035156. The shown 0.429719° would give 7.500011 and 3750.005704.
  shows(K::kRadiusChord, 1000, 7.5, 6, "| 0.007031| 999.992969| 0.429719| 359.570281| 7.500018| 6283.185307| 0.035156| 3749.973633| 3750.008789| 3141592.65359");
  // clang-format on
}

TEST(NoSegment, GivesNoResultAndSaysWhy) {
  // "first,second" and why: _ nothing to say (a value missing), C chord over
  // the diameter, D distance over the radius, H past a half circle (also an
  // angle a red field refuses), A arc not over its chord.
  auto none = [](K known, const char* pairs) {
    for (std::string pair : text_rows::split(pairs)) {
      const char reason = pair.back();
      pair.pop_back();
      const auto [first, second] = text_rows::number_pair(pair);
      NoSegment why = NoSegment::kNothingToSay;
      EXPECT_FALSE(compute_circle_segment({known, first, second}, &why)) << int(known) << pair;
      EXPECT_EQ(std::string("_CDHA").at(size_t(why)), reason) << int(known) << ": " << pair;
    }
  };
  none(K::kChordArc, "10,10A 0,5_ 10,16H 10,15.796H"); // 15.796 / 10 is the ratio of 181°
  none(K::kRadiusAngle, "0,60_ 10,0_ 10,200H");
  none(K::kRadiusChord, "5,10.01C 12.5,60C 0,8_ 5,0_");
  none(K::kRadiusHeight, "5,5.1H 0,3_");
  none(K::kRadiusDistance, "5,5.1D 5,0_");
  none(K::kChordHeight, "8,4.1H 8,0_ 0,3_");
  EXPECT_TRUE(compute_circle_segment({K::kChordHeight, 8, 4})); // a half circle is still one
  none(K::kChordDistance, "8,0_");
  EXPECT_TRUE(compute_circle_segment({K::kChordDistance, 8, 0.005})); // thin, but a segment
  none(K::kHeightDistance, "0,3_");
  none(K::kRadiusArc, "5,15.8H 0,5_");
  EXPECT_TRUE(compute_circle_segment({K::kRadiusArc, 0.01, 0.01})); // small, but a segment
  none(K::kArcAngle, "10,0_ 10,1e20H");
  none(K::kChordAngle, "10,0_");
}

TEST(SegmentAngle, TypedAngleAndDegreesMinutesSeconds) {
  // A typed angle stays as typed; a computed one is kept to six decimals.
  const SegmentResult typed = compute_circle_segment({K::kRadiusAngle, 5, 33.3333333}).value();
  EXPECT_DOUBLE_EQ(typed.angle, 33.3333333);
  EXPECT_FALSE(typed.third_row_is_angle);
  EXPECT_TRUE(compute_circle_segment({K::kRadiusChord, 5, 8})->third_row_is_angle);
  // clang-format off
  const std::pair<const char*, double> dms[] = {{"_ _ _", -1}, {"0 0 0", -1}, {"30 _ _", 30}, {"12 30 _", 12.5},
      {"0 0 36", 0.01}, {"0 1 _", 1.0 / 60}, {"179 59 59", 179 + 59.0 / 60 + 59.0 / 3600}};
  // clang-format on
  for (const auto& [text, degrees] : dms) {
    const auto t = text_rows::typed_fields<3>(text);
    EXPECT_NEAR(angle_from_dms_texts(t[0].text, t[1].text, t[2].text).value_or(-1), degrees, 1e-12)
        << text;
  }
}

TEST(CircleSegmentForm, EachCaseCarriesItsLabels) {
  // First, second, R1, R2, R3, R5 (R4 is always 51, R6 ... R10 are 45 ... 49);
  // the radius may be typed as a diameter; the second value is an angle.
  auto labels = [](K known, const std::string& expected, bool diameter, bool angle) {
    for (bool dms : {false, true}) {
      SCOPED_TRACE(std::to_string(int(known)) + (dms ? " dms" : ""));
      const SegmentLayout l = segment_layout(known, dms);
      const auto& r = l.row_labels;
      EXPECT_EQ(text_rows::numbers({l.first_label, l.second_label, r[0], r[1], r[2], r[4]}),
                expected);
      EXPECT_EQ(text_rows::numbers({r[3], r[5], r[6], r[7], r[8], r[9]}), "51 45 46 47 48 49");
      // A typed angle goes to the three fields; a computed one to R3's.
      EXPECT_EQ((std::vector<bool>{l.diameter_offered, l.second_is_angle, l.second_as_dms,
                                   l.angle_row_as_dms, l.rest_row_as_dms}),
                (std::vector<bool>{diameter, angle, dms && angle, dms && !angle, dms}));
    }
  };
  // By case, in the order of SegmentKnown; d: the radius may be typed as a
  // diameter, a: the second value is an angle.
  // clang-format off
  const char* const expected[] = {
      "40 44 39 42 43 41 --", "39 43 41 42 40 44 da", "39 40 41 42 43 44 d-", "39 41 40 42 43 44 d-",
      "39 42 40 41 43 44 d-", "40 41 39 42 43 44 --", "40 42 39 41 43 44 --", "41 42 39 40 43 44 --",
      "39 44 41 42 43 40 d-", "44 43 41 42 39 40 -a", "40 43 41 42 39 44 -a"};
  // clang-format on
  for (int known = 0; known <= 10; ++known)
    labels(K(known), std::string(expected[known]).substr(0, 17), expected[known][18] == 'd',
           expected[known][19] == 'a');
}

TEST(CircleSegmentForm, ResultTexts) {
  // The two values, the angle in the three fields; shown: R1 ... R10 | R3 as
  // D/M/S (radius and chord only) | R4 as D/M/S.
  auto shows = [](K known, bool dms, const char* typed, const char* angle, int places,
                  const char* shown) {
    SCOPED_TRACE(typed);
    const auto in = text_rows::typed_fields<2>(typed);
    const auto a = text_rows::typed_fields<3>(angle);
    const SegmentForm f = segment_form(
        {known, dms, in[0].text, in[1].text, {a[0].text, a[1].text, a[2].text}, places});
    EXPECT_EQ(join(f.rows, "|") + " | " +
                  (known == K::kRadiusChord ? join(f.angle_dms) + " | " : "") + join(f.rest_dms),
              shown);
  };
  // Radius 5, chord 8: the 3-4-5 segment; 106.260205° = 106° 15' 36.738".
  // clang-format off
  shows(K::kRadiusChord, true, "5 8", "", 3, " 2.0| 3.0| 106.26| 253.74| 9.273| 31.416| 11.182| 12.0| 23.182| 78.54 | 106 15 36.738 | 253 44 23.262");
  // Radius 10 and 60.5 degrees typed as 60 30: d = 10 cos 30.25 = 8.638,
  // chord 20 sin 30.25 = 10.075, sector 100 pi 60.5 / 360 = 52.796.
  shows(K::kRadiusAngle, true, "10 _", "60 30 _", 3, " 1.362| 8.638| 10.075| 299.5| 10.559| 62.832| 9.278| 43.518| 52.796| 314.159 | 299 30 0.0");
  // Arc 10.471976 over 60 degrees: r = 10, d = 10 cos 30.
  shows(K::kArcAngle, true, "10.471976 _", "60 _ _", 2, " 1.34| 8.66| 10.0| 300.0| 10.0| 62.83| 9.06| 43.3| 52.36| 314.16 | 300 0 0.0");
  // clang-format on
  // Nothing to show: a value missing, no angle in the three fields, an arc
  // longer than half the circle, a chord longer than the diameter. A height
  // of 0 would give a flat segment: a missing one gives nothing.
  const char* none = "_|_|_|_|_|_|_|_|_|_ | _ _ _";
  shows(K::kRadiusChord, false, "_ 8", "", 3, "_|_|_|_|_|_|_|_|_|_ | _ _ _ | _ _ _");
  shows(K::kRadiusChord, false, "5 80", "", 3, "_|_|_|_|_|_|_|_|_|_ | _ _ _ | _ _ _");
  shows(K::kRadiusHeight, false, "5 _", "", 3, none);
  shows(K::kRadiusAngle, true, "10 60", "0 0 0", 3, none);
  shows(K::kRadiusArc, false, "5 15.8", "", 3, none);
  // Why, in the page's words; nothing to say for a missing value or a field
  // that refuses what it holds (an angle past 179.9999999).
  const std::tuple<K, const char*, const char*, bool, int> why[] = {
      {K::kRadiusChord, "12.5", "60", false, 780},
      {K::kRadiusDistance, "5", "6", false, 781},
      {K::kRadiusArc, "5", "15.8", false, 782},
      {K::kChordArc, "10", "9", false, 783},
      {K::kRadiusChord, "12.5", "", false, 0},
      {K::kRadiusAngle, "10", "179.99999995", true, 0}};
  for (const auto& [known, first, second, refused, reason] : why) {
    const SegmentForm f = segment_form({known, false, first, second, {}, 3, refused});
    EXPECT_EQ(std::to_string(f.reason.entry) + f.rows[9], std::to_string(reason))
        << first << " " << second;
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
