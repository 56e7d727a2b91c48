#include "calc/geometry/bolt_circle_form.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using geometry::Counting;
using geometry::ZeroAt;
using Marks = std::array<std::string, 4>;

TEST(BoltCircleForm, MarksShowWhereTheAnglesAndAxesRun) {
  struct Case {
    Counting counting;
    ZeroAt zero;
    Marks angles; // top, right, bottom, left
  };
  const Counting cw = Counting::kClockwise, ccw = Counting::kCounterClockwise;
  const Case cases[] = {
      {cw, ZeroAt::kTop, {"0", "90", "180", "270"}},
      {cw, ZeroAt::kRight, {"270", "0", "90", "180"}},
      {cw, ZeroAt::kBottom, {"180", "270", "0", "90"}},
      {cw, ZeroAt::kLeft, {"90", "180", "270", "0"}},
      {ccw, ZeroAt::kTop, {"0", "270", "180", "90"}},
      {ccw, ZeroAt::kRight, {"90", "0", "270", "180"}},
      {ccw, ZeroAt::kBottom, {"180", "90", "0", "270"}},
      {ccw, ZeroAt::kLeft, {"270", "180", "90", "0"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(geometry::bolt_circle_marks(c.zero, c.counting, false, false).angles, c.angles)
        << static_cast<int>(c.zero) << (c.counting == cw ? " clockwise" : " counter-clockwise");
  EXPECT_EQ(geometry::bolt_circle_marks(ZeroAt::kTop, cw, false, false).axes,
            (Marks{"Y-", "X+", "Y+", "X-"}));
  EXPECT_EQ(geometry::bolt_circle_marks(ZeroAt::kTop, cw, true, false).axes,
            (Marks{"Y-", "X-", "Y+", "X+"}));
  EXPECT_EQ(geometry::bolt_circle_marks(ZeroAt::kTop, cw, false, true).axes,
            (Marks{"Y+", "X+", "Y-", "X-"}));
}

TEST(BoltCircleForm, TheChosenTypeReadsItsOwnFields) {
  struct Case {
    const char* name;
    bool partial;
    geometry::BoltCircleFields fields;
    std::vector<std::array<double, 2>> holes; // x, y; none: no pattern
  };
  // Full: 4 on 100 from the right, clockwise, Y down. Partial: 3 on 100
  // from 0° to 90°, 45° apart: (50, 0), (35.355, 35.355), (0, 50).
  const double d = 50.0 * 0.7071067811865476;
  const Case cases[] = {
      {"full",
       false,
       {"4", "4", "100", "", "3", "0", "60", "90", "", ""},
       {{50, 0}, {0, 50}, {-50, 0}, {0, -50}}},
      {"origin", false, {"4", "2", "100", "", "", "", "", "", "10", "-5"}, {{40, 5}, {-10, 55}}},
      {"more listed than drilled", false, {"4", "5", "100", "", "", "", "", "", "", ""}, {}},
      {"partial",
       true,
       {"4", "4", "60", "", "3", "0", "100", "90", "", ""},
       {{50, 0}, {d, d}, {0, 50}}},
      {"no end angle", true, {"", "", "", "", "3", "0", "100", "", "", ""}, {}},
      {"start beyond the end", true, {"", "", "", "", "3", "95", "100", "90", "", ""}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    geometry::BoltCircleFormInput in;
    in.partial = c.partial;
    in.fields = c.fields;
    in.marker_radius = 179;
    const std::optional<geometry::BoltCircle> circle = geometry::bolt_circle_form(in);
    ASSERT_EQ(circle.has_value(), !c.holes.empty());
    if (!circle)
      continue;
    ASSERT_EQ(circle->holes.size(), c.holes.size());
    for (size_t i = 0; i < c.holes.size(); ++i) {
      EXPECT_NEAR(circle->holes[i].x, c.holes[i][0], 1e-9) << i;
      EXPECT_NEAR(circle->holes[i].y, c.holes[i][1], 1e-9) << i;
    }
  }
}

} // namespace
