// Oblique triangles: worked examples per case, shown as the page shows them at
// six decimals, the inputs that give no triangle, and what the page shows.
#include "core/geometry/oblique_triangle_form.h"

#include "core/unit_test.h"

#include "core/numeric/number_text.h"
#include "text_rows.h"

using namespace geometry;
using text_rows::join;
using K = ObliqueKnown;

namespace {

std::array<double, 3> values(const char* text) {
  const std::vector<std::string> words = text_rows::split(text);
  return {std::stod(words.at(0)), std::stod(words.at(1)), std::stod(words.at(2))};
}

TEST(ObliqueTriangle, SolvesEachCase) {
  // The three values found in the page's row order, then the area.
  auto solves = [](K known, const char* given, const char* found) {
    SCOPED_TRACE(given);
    auto t = solve_oblique_triangle(known, values(given));
    ASSERT_TRUE(t.has_value());
    const ObliqueLayout& layout = oblique_layout(known);
    std::vector<std::string> shown, back;
    for (size_t r = 0; r < 3; ++r) {
      shown.push_back(numeric::format_fixed(6, t->value(layout.found[r])));
      back.push_back(numeric::format_plain(t->value(layout.given[r])));
    }
    shown.push_back(numeric::format_fixed(6, t->area));
    EXPECT_EQ(join(shown), found);
    EXPECT_EQ(join(back), given);
  };
  // Law of cosines and Heron's formula: a, b, c -> A, B, C; a, C, b -> A, c, B.
  solves(K::kThreeSides, "5 3 4", "90 36.869898 53.130102 6");
  solves(K::kThreeSides, "2 4 3", "28.955024 104.477512 46.567463 2.904738");
  solves(K::kThreeSides, "7 7 7", "60 60 60 21.217622");
  solves(K::kTwoSidesAndAngle, "3 90 4", "36.869898 5 53.130102 6");
  solves(K::kTwoSidesAndAngle, "4 60 1", "106.102114 3.605551 13.897886 1.732051");
  // Law of sines: A, a, B -> b, C, c; A, B, C -> a, b = 1, c.
  solves(K::kSideAndTwoAngles, "100 5 30", "2.538567 50 3.88931 4.861637");
  solves(K::kThreeAngles, "60 60 60", "1 1 1 0.433013");
  solves(K::kThreeAngles, "30 120 30", "0.57735 1 0.57735 0.144338");
  solves(K::kThreeAngles, "90 30 60", "2 1 1.732051 0.866025");
  // Angles within a ten-thousandth of 180 still make a triangle.
  auto near_180 = solve_oblique_triangle(K::kThreeAngles, {60, 60, 59.99995});
  EXPECT_EQ(near_180 ? numeric::format_fixed(6, near_180->side_b) : "none", "1");
}

TEST(ObliqueTriangle, NoTriangleFromMissingOrImpossibleValues) {
  auto none = [](K known, const char* given) {
    EXPECT_FALSE(solve_oblique_triangle(known, values(given))) << given;
  };
  // Sides missing, below 0.0001, negative, longer than the other two, not a number.
  for (const char* sides : {"3 0 5", "3 4 0.00005", "-3 4 5", "10 1 1", "nan 4 5"})
    none(K::kThreeSides, sides);
  none(K::kTwoSidesAndAngle, "2 0 1");   // no angle
  none(K::kTwoSidesAndAngle, "2 180 1"); // a straight one
  // Two angles of 180 or more together; a side missing.
  for (const char* given : {"100 5 80", "120 5 70", "30 0 45"})
    none(K::kSideAndTwoAngles, given);
  for (const char* angles : {"60 60 61", "60 60 59.9998", "90 90 0"})
    none(K::kThreeAngles, angles);
}

TEST(ObliqueTriangleForm, EachCaseCarriesItsRows) {
  // Language entries of the rows and results; which rows and results are angles.
  auto rows = [](K known, const char* labels, const char* angle_rows, const char* angle_results) {
    for (bool dms : {false, true}) {
      SCOPED_TRACE(std::to_string(int(known)) + (dms ? " dms" : ""));
      const ObliqueFormLayout l = oblique_form_layout(known, dms);
      auto flags = [](const std::array<bool, 3>& f) {
        return std::string{char('0' + f[0]), char('0' + f[1]), char('0' + f[2])};
      };
      const auto& r = l.row_labels;
      const auto& s = l.result_labels;
      EXPECT_EQ(text_rows::numbers({r[0], r[1], r[2], s[0], s[1], s[2]}), labels);
      EXPECT_EQ(flags(l.row_is_angle), angle_rows);
      EXPECT_EQ(flags(l.row_as_dms), dms ? angle_rows : "000");
      EXPECT_EQ(flags(l.result_as_dms), dms ? angle_results : "000");
      EXPECT_EQ(l.note_shown, known == K::kThreeAngles);
    }
  };
  rows(K::kThreeSides, "82 83 84 85 86 87", "000", "111");
  rows(K::kTwoSidesAndAngle, "82 93 83 85 90 86", "010", "101");
  rows(K::kSideAndTwoAngles, "91 82 92 89 87 90", "101", "010");
  rows(K::kThreeAngles, "91 92 93 88 89 90", "111", "000");
}

TEST(ObliqueTriangleForm, ResultTexts) {
  // The decimal fields; the angle fields, three for each row;
  // shown: the results and the area | the first and second results as D/M/S.
  auto shows = [](K known, bool dms, const char* decimal, const char* angles, int places,
                  const char* shown) {
    SCOPED_TRACE(std::string(decimal) + " / " + angles);
    std::array<std::array<TypedText, 3>, 3> row_dms{};
    const auto all = text_rows::typed_fields<9>(angles);
    for (size_t i = 0; i < 9; ++i)
      row_dms[i / 3][i % 3] = all[i];
    const ObliqueForm f =
        oblique_form({known, dms, text_rows::typed_fields<3>(decimal), row_dms, places});
    EXPECT_EQ(join(f.results) + " " + (f.area.empty() ? "_" : f.area) + " | " +
                  join(f.result_dms[0]) + " | " + join(f.result_dms[1]) +
                  (f.reason.entry ? " why " + std::to_string(f.reason.entry) : ""),
              shown);
  };
  // 3, 4, 5: A = acos 0.8 = 36.869898 = 36° 52' 11.632", C = 90.
  // clang-format off
  shows(K::kThreeSides, true, "3 4 5", "", 6, "36.869898 53.130102 90 6 | 36 52 11.632 | 53 7 48.368");
  // a = 2, C = 60, b = 1: b = a cos C, so A = 90 and c = 2 sin 60.
  shows(K::kTwoSidesAndAngle, false, "2 60 1", "", 3, "90.0 1.732 30.0 0.866 | 90 0 0.0 | _ _ _");
  shows(K::kSideAndTwoAngles, false, "30 1 45", "", 3, "1.414 105.0 1.932 0.683 | _ _ _ | 105 0 0.0");
  // 30° 30' and 45° 15' typed as D/M/S: C = 104.25, b = sin 45.25 / sin 30.5.
  shows(K::kSideAndTwoAngles, true, "9 1 9", "30 30 _ _ _ _ 45 15 _", 3, "1.399 104.25 1.91 0.678 | _ _ _ | 104 15 0.0");
  shows(K::kThreeAngles, true, "", "59 30 0 60 0 0 60 30 0", 3, "0.995 1.0 1.005 0.433 | _ _ _ | _ _ _");
  // clang-format on
  // Nothing to show, and why: a side longer than the other two together,
  // angles not adding up to 180, A and B leaving nothing for C; then a red
  // minute (59° 60' would add up), a red decimal angle.
  const char* none = "_ _ _ _ | _ _ _ | _ _ _";
  shows(K::kThreeSides, false, "3 4 10", "", 3, "_ _ _ _ | _ _ _ | _ _ _ why 802");
  shows(K::kThreeAngles, false, "60 60 61", "", 3, "_ _ _ _ | _ _ _ | _ _ _ why 804");
  shows(K::kSideAndTwoAngles, false, "100 5 80", "", 3, "_ _ _ _ | _ _ _ | _ _ _ why 803");
  shows(K::kThreeAngles, true, "", "59 60! _ 60 _ _ 60 _ _", 3, none);
  shows(K::kSideAndTwoAngles, false, "300! 1 45", "", 3, none);
}

TEST(ObliqueTriangleForm, TypedAngleMovesWithNineDecimals) {
  EXPECT_EQ(oblique_decimal_angle_text({"30", "0", "1"}), "30.000277778");
  EXPECT_EQ(oblique_decimal_angle_text({"30", "30", ""}), "30.5");
  EXPECT_EQ(oblique_decimal_angle_text({"0", "0", "1"}), "0.000277778");
  EXPECT_EQ(oblique_decimal_angle_text({"", "", ""}), "");
}

} // namespace
