// Right triangle: every case from known triangles (3-4-5, 5-12-13, 30°, 45°),
// the inputs that make no triangle, and what the page shows per case.
#include "core/geometry/right_triangle_form.h"

#include "core/unit_test.h"

#include "text_rows.h"

using namespace geometry;
using text_rows::join;
using K = RightTriangleCase;

namespace {

TEST(RightTriangleCalc, SolvesEveryCase) {
  auto solves = [](K known, double first, double second, const char* solved) {
    SCOPED_TRACE(solved); // a, b, c, A, B, area
    auto t = solve_right_triangle({known, first, second});
    ASSERT_TRUE(t.has_value());
    const double got[] = {t->side_a, t->side_b, t->side_c, t->angle_a, t->angle_b, t->area};
    const std::vector<std::string> want = text_rows::split(solved);
    for (size_t i = 0; i < want.size(); ++i)
      EXPECT_NEAR(got[i], std::stod(want[i]), 5e-7) << i; // shown to six decimals at most
  };
  // 3-4-5: A = atan(3/4) = 36.869898°. 5-12-13: A = asin(5/13) = 22.619865°.
  // 30°: a = c/2, b = c·√3/2 = 8.660254 for c = 10. 45°: a = b, c = b·√2.
  solves(K::kSideBAngleA, 1, 89.9, "572.957213 1 572.958086 89.9 0.1 286.478607");
  solves(K::kSideAAngleA, 5, 30, "5 8.660254 10 30 60 21.650635");
  solves(K::kHypotenuseAngleA, 10, 30, "5 8.660254 10 30 60 21.650635");
  solves(K::kSideBHypotenuse, 4, 5, "3 4 5 36.869898 53.130102 6");
  solves(K::kSideBHypotenuse, 5, 5, "0 5 5 0 90 0"); // b equal to c is flat
  solves(K::kSideAHypotenuse, 5, 13, "5 12 13 22.619865 67.380135 30");
}

TEST(RightTriangleCalc, GivesNoTriangleForImpossibleValues) {
  auto none = [](K known, const char* pairs) { // "first,second ..."
    for (const std::string& pair : text_rows::split(pairs)) {
      const auto [first, second] = text_rows::number_pair(pair);
      EXPECT_FALSE(solve_right_triangle({known, first, second})) << int(known) << ": " << pair;
    }
  };
  // A zero, right, obtuse or negative angle; a missing side; a leg longer
  // than the hypotenuse; no such case.
  none(K::kSideBAngleA, "4,0 0,30 4,90 4,120");
  none(K::kSideAAngleA, "0,30 5,0 5,100");
  none(K::kHypotenuseAngleA, "0,30 10,90 10,135 10,-5");
  none(K::kSidesBA, "4,0 0,3");
  none(K::kSideBHypotenuse, "6,5 4,0");
  none(K::kSideAHypotenuse, "14,13 0,13");
  none(static_cast<K>(7), "4,3");
}

TEST(RightTriangleForm, EachCaseCarriesItsLabels) {
  auto labels = [](K known, const char* expected, bool angle) { // input 1, 2, row 1, 2
    for (bool dms : {false, true}) {
      SCOPED_TRACE(std::to_string(int(known)) + (dms ? " dms" : ""));
      const RightTriangleLayout l = right_triangle_layout(known, dms);
      EXPECT_EQ(text_rows::numbers({l.input1_label, l.input2_label, l.row1_label, l.row2_label}),
                expected);
      // A known angle A is typed as D/M/S; a computed one is shown so in row 2.
      EXPECT_EQ(
          (std::vector<bool>{l.second_is_angle, l.angle_as_dms, l.row2_as_dms, l.row3_as_dms}),
          (std::vector<bool>{angle, dms && angle, dms && !angle, dms}));
    }
  };
  const char* const expected[] = {"71 72 73 74", "75 72 76 74", "77 72 76 73",
                                  "71 75 74 79", "71 77 73 79", "75 77 76 79"};
  for (int known = 1; known <= 6; ++known) // angle A is known in the first three
    labels(K(known), expected[known - 1], known <= 3);
}

TEST(RightTriangleForm, ResultTexts) {
  // Inputs 1 and 2, angle A in the three fields; shown: the rows, with D/M/S
  // also rows 2 and 3 so; "" for nothing.
  auto shows = [](K known, bool dms, const char* typed, const char* angle, int places,
                  std::string shown) {
    SCOPED_TRACE(typed);
    const auto in = text_rows::typed_fields<2>(typed);
    const RightTriangleForm f =
        right_triangle_form({known, dms, in[0], in[1], text_rows::typed_fields<3>(angle), places});
    if (shown.empty())
      shown = dms ? "_ _ _ _ | _ _ _ | _ _ _" : "_ _ _ _";
    const std::string dms_rows = " | " + join(f.row2_dms) + " | " + join(f.row3_dms);
    const std::string why = f.reason.entry ? " why " + std::to_string(f.reason.entry) : "";
    EXPECT_EQ(join(f.rows) + (dms ? dms_rows : "") + why, shown);
  };
  // b = 4, a = 3: c = 5, A = atan 0.75 = 36.869898 = 36° 52' 11.632".
  shows(K::kSidesBA, true, "4 3", "", 6, "5 36.869898 53.130102 6 | 36 52 11.632 | 53 7 48.368");
  shows(K::kSideAHypotenuse, false, "3 5", "", 2, "4.0 36.87 53.13 6.0"); // b = 4
  // b = 10 and A = 45 typed as degrees: a = 10, c = 10 √2; input 2 is not read.
  shows(K::kSideBAngleA, true, "10 30", "45", 3, "10.0 14.142 45.0 50.0 | _ _ _ | 45 0 0.0");
  shows(K::kHypotenuseAngleA, false, "10 0", "", 3, "10.0 0.0 90.0 0.0"); // flat
  // Nothing to show: a red minute, no angle, a missing value,
  // a red input.
  shows(K::kSideBAngleA, true, "10 _", "45 75! _", 3, "");
  shows(K::kSideBAngleA, true, "10 30", "", 3, "");
  shows(K::kSidesBA, false, "0.00001 3", "", 3, "");
  shows(K::kSidesBA, false, "4! 3", "", 3, "");
  shows(K::kSidesBA, false, "4 3!", "", 3, "");
  shows(K::kSideBAngleA, false, "10 180!", "", 3, "");
  // Both given and still no triangle: the page says why.
  shows(K::kSideBHypotenuse, false, "5 3", "", 3, "_ _ _ _ why 800");
  shows(K::kSideAAngleA, false, "10 90", "", 3, "_ _ _ _ why 801");
}

TEST(RightTriangleForm, TypedAngleMovesWithTenDigits) {
  EXPECT_EQ(right_triangle_decimal_angle_text({"36", "52", "11.6"}), "36.86988889");
  EXPECT_EQ(right_triangle_decimal_angle_text({"0", "", "0"}), "");
}

} // namespace
