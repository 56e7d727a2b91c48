#include "calc/geometry/right_triangle_form.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using geometry::RightTriangleCase;
using Texts = std::vector<std::string>;

TEST(RightTriangleForm, EachCaseCarriesItsLabels) {
  struct Case {
    RightTriangleCase known;
    std::vector<int> labels; // input 1, input 2, row 1, row 2
    bool angle;
  };
  using K = RightTriangleCase;
  const Case cases[] = {
      {K::kSideBAngleA, {71, 72, 73, 74}, true},
      {K::kSideAAngleA, {75, 72, 76, 74}, true},
      {K::kHypotenuseAngleA, {77, 72, 76, 73}, true},
      {K::kSidesBA, {71, 75, 74, 79}, false},
      {K::kSideBHypotenuse, {71, 77, 73, 79}, false},
      {K::kSideAHypotenuse, {75, 77, 76, 79}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.known));
    for (bool dms : {false, true}) {
      const geometry::RightTriangleLayout l = geometry::right_triangle_layout(c.known, dms);
      EXPECT_EQ((std::vector<int>{l.input1_label, l.input2_label, l.row1_label, l.row2_label}),
                c.labels);
      EXPECT_EQ(l.second_is_angle, c.angle);
      // A known angle A is typed as D/M/S; a computed one is shown so in row 2.
      EXPECT_EQ(l.angle_as_dms, dms && c.angle);
      EXPECT_EQ(l.row2_as_dms, dms && !c.angle);
      EXPECT_EQ(l.row3_as_dms, dms);
    }
  }
}

TEST(RightTriangleForm, ResultTexts) {
  struct Case {
    RightTriangleCase known;
    bool dms;
    geometry::TypedText first, second;
    std::array<geometry::TypedText, 3> angle;
    int places;
    Texts rows, row2_dms, row3_dms;
  };
  using K = RightTriangleCase;
  const Texts none(4), no_dms(3);
  const Case cases[] = {
      // b = 4, a = 3: c = 5, A = atan 0.75 = 36.869898 = 36 52' 11.632".
      {K::kSidesBA,
       true,
       {"4"},
       {"3"},
       {},
       6,
       {"5", "36.869898", "53.130102", "6"},
       {"36", "52", "11.632"},
       {"53", "7", "48.368"}},
      // a = 3, c = 5: b = 4.
      {K::kSideAHypotenuse, false, {"3"}, {"5"}, {}, 2, {"4.0", "36.87", "53.13", "6.0"}, {}, {}},
      // b = 10 and A = 45 typed as degrees: a = 10, c = 10 sqrt 2.
      {K::kSideBAngleA,
       true,
       {"10"},
       {"30"},
       {{{"45"}, {""}, {""}}},
       3,
       {"10.0", "14.142", "45.0", "50.0"},
       no_dms,
       {"45", "0", "0.0"}},
      // The hypotenuse with a zero angle: a flat triangle.
      {K::kHypotenuseAngleA, false, {"10"}, {"0"}, {}, 3, {"10.0", "0.0", "90.0", "0.0"}, {}, {}},
      // Nothing to show: b longer than c, a red minute, a missing value, a
      // red input 2.
      {K::kSideBHypotenuse, false, {"5"}, {"4"}, {}, 3, none, no_dms, no_dms},
      {K::kSideBAngleA,
       true,
       {"10"},
       {""},
       {{{"45"}, {"75", true}, {""}}},
       3,
       none,
       no_dms,
       no_dms},
      {K::kSideBAngleA, true, {"10"}, {"30"}, {}, 3, none, no_dms, no_dms},
      {K::kSidesBA, false, {"0.00001"}, {"3"}, {}, 3, none, no_dms, no_dms},
      {K::kSideBAngleA, false, {"10"}, {"180", true}, {}, 3, none, no_dms, no_dms},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first.text + ", " + c.second.text);
    const geometry::RightTriangleForm form =
        geometry::right_triangle_form({c.known, c.dms, c.first, c.second, c.angle, c.places});
    EXPECT_EQ(Texts(form.rows.begin(), form.rows.end()), c.rows);
    if (!c.row3_dms.empty()) {
      EXPECT_EQ(Texts(form.row2_dms.begin(), form.row2_dms.end()),
                c.row2_dms.empty() ? no_dms : c.row2_dms);
      EXPECT_EQ(Texts(form.row3_dms.begin(), form.row3_dms.end()), c.row3_dms);
    }
  }
}

TEST(RightTriangleForm, TypedAngleMovesWithTenDigits) {
  EXPECT_EQ(geometry::right_triangle_decimal_angle_text({"36", "52", "11.6"}), "36.86988889");
  EXPECT_EQ(geometry::right_triangle_decimal_angle_text({"0", "", "0"}), "");
}

} // namespace
