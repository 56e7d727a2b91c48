#include "calc/geometry/polygon_form.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using geometry::PolygonKnown;

struct Case {
  int sides;
  std::optional<PolygonKnown> known;
  const char* value;
  int places;
  bool offered;
  // angle, degrees, minutes, seconds, across corners, side, across flats, corner to flat
  std::array<const char*, 8> texts;
};

TEST(PolygonForm, RowsAndResultTexts) {
  const Case cases[] = {
      // Pentagon of side 10: R = 10 / (2 sin 36°) = 8.5065, r = 10 / (2 tan 36°) = 6.8819.
      {5,
       PolygonKnown::kSide,
       "10",
       3,
       true,
       {"72.0", "72", "0", "0.0", "17.013", "10.0", "13.764", "15.388"}},
      // Hexagon 15.388 across flats: R = 7.694 / cos 30° = 8.8843; no corner-to-flat.
      {6,
       PolygonKnown::kAcrossFlats,
       "15.388",
       3,
       false,
       {"60.0", "60", "0", "0.0", "17.769", "8.884", "15.388", ""}},
      {6,
       PolygonKnown::kAcrossCorners,
       "100",
       6,
       false,
       {"60", "60", "0", "0.0", "100", "50", "86.60254", ""}},
      // 360 / 7 = 51.4285714°: 25 minutes 42.857 seconds.
      {7,
       PolygonKnown::kAcrossCorners,
       "2",
       2,
       true,
       {"51.43", "51", "25", "42.857", "2.0", "0.87", "1.8", "1.9"}},
      // Nothing to compute: an even polygon has no corner-to-flat height, a
      // missing size, no known size chosen.
      {6, PolygonKnown::kCornerToFlat, "10", 3, false, {"", "", "", "", "", "", "", ""}},
      {6, PolygonKnown::kAcrossCorners, "0.00001", 3, false, {"", "", "", "", "", "", "", ""}},
      {9, std::nullopt, "10", 3, true, {"", "", "", "", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.sides) + " sides, " + c.value);
    const geometry::PolygonForm form =
        geometry::polygon_form({c.sides, c.known, c.value, c.places});
    EXPECT_EQ(form.corner_to_flat_offered, c.offered);
    const std::vector<std::string> got = {form.angle,        form.angle_dms[0],   form.angle_dms[1],
                                          form.angle_dms[2], form.across_corners, form.side,
                                          form.across_flats, form.corner_to_flat};
    EXPECT_EQ(got, std::vector<std::string>(c.texts.begin(), c.texts.end()));
  }
}

} // namespace
