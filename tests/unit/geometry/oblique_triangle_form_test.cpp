#include "calc/geometry/oblique_triangle_form.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using geometry::ObliqueKnown;
using geometry::TypedText;
using Texts = std::vector<std::string>;
using Flags = std::array<bool, 3>;

TEST(ObliqueTriangleForm, EachCaseCarriesItsRows) {
  struct Case {
    ObliqueKnown known;
    std::array<int, 3> rows, results; // language entries
    Flags angle_rows, angle_results;
  };
  using K = ObliqueKnown;
  const Case cases[] = {
      {K::kThreeSides, {82, 83, 84}, {85, 86, 87}, {false, false, false}, {true, true, true}},
      {K::kTwoSidesAndAngle, {82, 93, 83}, {85, 90, 86}, {false, true, false}, {true, false, true}},
      {K::kSideAndTwoAngles, {91, 82, 92}, {89, 87, 90}, {true, false, true}, {false, true, false}},
      {K::kThreeAngles, {91, 92, 93}, {88, 89, 90}, {true, true, true}, {false, false, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.known));
    for (bool dms : {false, true}) {
      const geometry::ObliqueFormLayout l = geometry::oblique_form_layout(c.known, dms);
      EXPECT_EQ(l.row_labels, c.rows);
      EXPECT_EQ(l.result_labels, c.results);
      EXPECT_EQ(l.row_is_angle, c.angle_rows);
      EXPECT_EQ(l.row_as_dms, dms ? c.angle_rows : Flags{});
      EXPECT_EQ(l.result_as_dms, dms ? c.angle_results : Flags{});
      EXPECT_EQ(l.note_shown, c.known == K::kThreeAngles);
    }
  }
}

TEST(ObliqueTriangleForm, ResultTexts) {
  struct Case {
    ObliqueKnown known;
    bool dms;
    std::array<TypedText, 3> decimal;
    std::array<std::array<TypedText, 3>, 3> row_dms;
    int places;
    Texts results; // three rows and the area
    Texts first_dms, second_dms;
  };
  using K = ObliqueKnown;
  const Texts none(4), no_dms(3);
  const Case cases[] = {
      // 3, 4, 5: A = acos 0.8 = 36.869898 = 36 52' 11.632", C = 90.
      {K::kThreeSides,
       true,
       {{{"3"}, {"4"}, {"5"}}},
       {},
       6,
       {"36.869898", "53.130102", "90", "6"},
       {"36", "52", "11.632"},
       {"53", "7", "48.368"}},
      // a = 2, C = 60, b = 1: b = a cos C, so A = 90 and c = 2 sin 60.
      {K::kTwoSidesAndAngle,
       false,
       {{{"2"}, {"60"}, {"1"}}},
       {},
       3,
       {"90.0", "1.732", "30.0", "0.866"},
       {"90", "0", "0.0"},
       no_dms},
      {K::kSideAndTwoAngles,
       false,
       {{{"30"}, {"1"}, {"45"}}},
       {},
       3,
       {"1.414", "105.0", "1.932", "0.683"},
       no_dms,
       {"105", "0", "0.0"}},
      // 30 30' and 45 15' typed as D/M/S: C = 104.25, b = sin 45.25 / sin 30.5.
      {K::kSideAndTwoAngles,
       true,
       {{{"9"}, {"1"}, {"9"}}},
       {{{{{"30"}, {"30"}, {""}}}, {}, {{{"45"}, {"15"}, {""}}}}},
       3,
       {"1.399", "104.25", "1.91", "0.678"},
       no_dms,
       {"104", "15", "0.0"}},
      {K::kThreeAngles,
       true,
       {},
       {{{{{"59"}, {"30"}, {"0"}}}, {{{"60"}, {"0"}, {"0"}}}, {{{"60"}, {"30"}, {"0"}}}}},
       3,
       {"0.995", "1.0", "1.005", "0.433"},
       no_dms,
       no_dms},
      // Nothing to show: a side longer than the other two together, angles
      // not adding up to 180, a red minute, a red decimal angle.
      {K::kThreeSides, false, {{{"3"}, {"4"}, {"10"}}}, {}, 3, none, no_dms, no_dms},
      {K::kThreeAngles, false, {{{"60"}, {"60"}, {"61"}}}, {}, 3, none, no_dms, no_dms},
      {K::kThreeAngles,
       true,
       {},
       {{{{{"60"}, {"75", true}, {""}}}, {{{"60"}}}, {{{"60"}}}}},
       3,
       none,
       no_dms,
       no_dms},
      {K::kSideAndTwoAngles, false, {{{"300", true}, {"1"}, {"45"}}}, {}, 3, none, no_dms, no_dms},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.results[0]);
    const geometry::ObliqueForm form =
        geometry::oblique_form({c.known, c.dms, c.decimal, c.row_dms, c.places});
    Texts shown(form.results.begin(), form.results.end());
    shown.push_back(form.area);
    EXPECT_EQ(shown, c.results);
    EXPECT_EQ(Texts(form.result_dms[0].begin(), form.result_dms[0].end()), c.first_dms);
    EXPECT_EQ(Texts(form.result_dms[1].begin(), form.result_dms[1].end()), c.second_dms);
  }
}

TEST(ObliqueTriangleForm, TypedAngleMovesWithNineDecimals) {
  EXPECT_EQ(geometry::oblique_decimal_angle_text({"30", "0", "1"}), "30.000277778");
  EXPECT_EQ(geometry::oblique_decimal_angle_text({"30", "30", ""}), "30.5");
  EXPECT_EQ(geometry::oblique_decimal_angle_text({"0", "0", "1"}), "0.000277778");
  EXPECT_EQ(geometry::oblique_decimal_angle_text({"", "", ""}), "");
}

} // namespace
