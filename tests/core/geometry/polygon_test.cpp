// Regular polygon: every known size from polygons worked out by hand, the
// inputs that make no polygon, and the rows the page shows.
#include "core/geometry/polygon_form.h"

#include "core/unit_test.h"

#include "text_rows.h"

using namespace geometry;
using K = PolygonKnown;

namespace {

TEST(PolygonCalc, SolvesEveryKnownSize) {
  // Central angle, across corners, side, across flats, corner to flat ("-"
  // for an even polygon).
  auto solves = [](int sides, K known, double value, const char* solved) {
    SCOPED_TRACE(solved);
    auto p = solve_polygon({sides, known, value});
    ASSERT_TRUE(p.has_value());
    const std::vector<std::string> want = text_rows::split(solved);
    const double got[] = {p->central_angle, p->across_corners, p->side, p->across_flats,
                          p->corner_to_flat.value_or(-1)};
    for (size_t i = 0; i < 5; ++i)
      EXPECT_NEAR(got[i], want[i] == "-" ? -1 : std::stod(want[i]), 5e-7) << i;
  };
  // Half the interior angle t = (180 - 360/n)/2: side = 2R cos t, flats = 2R sin t,
  // corner to flat = R (1 + sin t).
  solves(5, K::kCornerToFlat, 15.3884176859, "72 17.013016 10 13.763819 15.388418");
  solves(4, K::kAcrossFlats, 10, "90 14.142136 10 10 -");
  // Equilateral triangle: R = 1 gives side √3, inradius 1/2, height 3/2.
  solves(3, K::kAcrossCorners, 2, "120 2 1.732051 1 1.5");
  solves(3, K::kCornerToFlat, 3, "120 4 3.464102 2 3");
  // Octagon across flats 1: side tan 22.5° = √2 - 1. Dodecagon side 1: flats 2 + √3.
  solves(8, K::kAcrossFlats, 1, "45 1.082392 0.414214 1 -");
  solves(12, K::kSide, 1, "30 3.863703 1 3.732051 -");
  solves(9, K::kAcrossFlats, 25.4, "40 27.030115 9.244844 25.4 26.215058");
  // 100 sides: side 100 sin 1.8°, flats 100 cos 1.8°.
  solves(100, K::kAcrossCorners, 100, "3.6 100 3.141076 99.950656 -");
  // 0.1 through the circumradius and back would not be 0.1 to the last bit.
  EXPECT_EQ(solve_polygon({7, K::kAcrossFlats, 0.1})->across_flats, 0.1);
}

TEST(PolygonCalc, GivesNothingForImpossibleInput) {
  auto none = [](K known, const char* pairs) { // "sides,size ..."
    for (const std::string& pair : text_rows::split(pairs)) {
      const auto [sides, size] = text_rows::number_pair(pair);
      EXPECT_FALSE(solve_polygon({int(sides), known, size})) << pair;
    }
  };
  // No size, one below 0.0001, negative, infinite, or whose circle overflows;
  // fewer than three sides; the corner-to-flat height of an even polygon.
  none(K::kAcrossCorners, "6,0 2,10 0,10");
  none(K::kSide, "6,0.00009 5,-10 5,inf 3,1.7e308");
  none(K::kCornerToFlat, "6,10 4,10");
}

TEST(PolygonForm, RowsAndResultTexts) {
  // Corner to flat offered; angle, D, M, S, across corners, side, across flats,
  // corner to flat.
  auto shows = [](int sides, std::optional<K> known, const char* value, int places, bool offered,
                  const char* shown) {
    SCOPED_TRACE(std::to_string(sides) + " sides, " + value);
    const PolygonForm f = polygon_form({sides, known, value, places});
    EXPECT_EQ(f.corner_to_flat_offered, offered);
    EXPECT_EQ(text_rows::join(std::vector<std::string>{f.angle, f.angle_dms[0], f.angle_dms[1],
                                                       f.angle_dms[2], f.across_corners, f.side,
                                                       f.across_flats, f.corner_to_flat}) +
                  (f.reason.entry ? " why " + std::to_string(f.reason.entry) : ""),
              shown);
  };
  // Pentagon of side 10: R = 10 / (2 sin 36°) = 8.5065, r = 10 / (2 tan 36°) = 6.8819.
  shows(5, K::kSide, "10", 3, true, "72.0 72 0 0.0 17.013 10.0 13.764 15.388");
  // Hexagon 15.388 across flats: R = 7.694 / cos 30° = 8.8843; no corner-to-flat.
  shows(6, K::kAcrossFlats, "15.388", 3, false, "60.0 60 0 0.0 17.769 8.884 15.388 _");
  shows(6, K::kAcrossCorners, "100", 6, false, "60 60 0 0.0 100 50 86.60254 _");
  // 360 / 7 = 51.4285714°: 25 minutes 42.857 seconds.
  shows(7, K::kAcrossCorners, "2", 2, true, "51.43 51 25 42.857 2.0 0.87 1.8 1.9");
  // Nothing to compute: an even polygon has no corner-to-flat height, a
  // missing size, no known size chosen.
  const char* none = "_ _ _ _ _ _ _ _";
  shows(6, K::kCornerToFlat, "10", 3, false, "_ _ _ _ _ _ _ _ why 805");
  shows(6, K::kAcrossCorners, "0.00001", 3, false, none);
  shows(9, std::nullopt, "10", 3, true, none);
  // The count the sides field shows, typed or not yet taken: 3 ... 100 only.
  const std::pair<const char*, int> counts[] = {{"8", 8}, {"100", 100}, {"3", 3},
                                                {"2", 0}, {"101", 0},   {"", 0}};
  for (const auto& [text, sides] : counts)
    EXPECT_EQ(polygon_sides(text), sides) << text;
}

} // namespace
