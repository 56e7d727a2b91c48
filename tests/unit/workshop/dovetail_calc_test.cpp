#include "calc/workshop/dovetail_calc.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "numeric/number_text.h"

namespace workshop {
namespace {

using Texts = std::array<std::string, 6>;
constexpr auto k60 = FlankAngle::k60;
constexpr auto k45 = FlankAngle::k45;
constexpr auto kTyped = FlankAngle::kTyped;

struct Case {
  const char* name;
  double w, d;
  FlankAngle angle;
  double typed; ///< degrees
  double gib;   ///< thickness; 0 without a gib
  int kind;
  double c, pin;
  Texts out; ///< female mouth, male top, female depth, male height, between pins, over pins
};

DovetailInput input_of(const Case& c) {
  DovetailInput in;
  in.nominal_width = c.w;
  in.nominal_depth = c.d;
  in.angle = c.angle;
  in.typed_angle = c.typed;
  in.gib = c.gib != 0;
  in.gib_thickness = c.gib;
  in.clearance_kind = c.kind;
  in.clearance = c.c;
  in.pin_diameter = c.pin;
  return in;
}

// Hand calculation for W 1, D 0.5, 60 degrees, clearance 0.1, pins 0.25,
// gib 0.05: flank factor 2 / tan 60 = 1.1547005, pins add
// 0.25 * (1 + 1 / tan 30) = 0.6830127, gib allowance 0.05 / sin 60 = 0.0577350.
TEST(Dovetail, SizesAndPinMeasurementsByClearanceKindAndGib) {
  // clang-format off
  const std::vector<Case> cases = {
      {"worked example 60", 1, 0.5, k60, 0, 0, 3, 0, 0.25, {"0.423", "1.0", "0.5", "0.5", "0.317", "1.106"}},
      {"worked example 45", 2, 0.5, k45, 0, 0, 3, 0, 0.25, {"1.0", "2.0", "0.5", "0.5", "1.146", "1.854"}},
      // Slot bottom 1 + 1.1547 * 0.1 = 1.1155.
      {"female deeper", 1, 0.5, k60, 0, 0, 0, 0.1, 0.25, {"0.423", "1.0", "0.6", "0.5", "0.432", "1.106"}},
      {"female deeper, gib", 1, 0.5, k60, 0, 0.05, 0, 0.1, 0.25, {"0.48", "1.0", "0.6", "0.5", "0.49", "1.106"}},
      // Male top 0.4226 + 1.1547 * 0.4 = 0.8845.
      {"male shallower", 1, 0.5, k60, 0, 0, 1, 0.1, 0.25, {"0.423", "0.885", "0.5", "0.4", "0.317", "1.106"}},
      {"male shallower, gib", 1, 0.5, k60, 0, 0.05, 1, 0.1, 0.25, {"0.48", "0.885", "0.5", "0.4", "0.375", "1.106"}},
      // Male root 1 - 1.1547 * 0.6 = 0.3072.
      {"male deeper", 1, 0.5, k60, 0, 0, 2, 0.1, 0.25, {"0.423", "1.0", "0.5", "0.6", "0.317", "0.99"}},
      {"male deeper, gib", 1, 0.5, k60, 0, 0.05, 2, 0.1, 0.25, {"0.48", "1.0", "0.5", "0.6", "0.375", "0.99"}},
      {"no clearance ignores the amount", 1, 0.5, k60, 0, 0, 3, 0.1, 0.25, {"0.423", "1.0", "0.5", "0.5", "0.317", "1.106"}},
      {"no clearance, gib", 1, 0.5, k60, 0, 0.05, 3, 0.1, 0.25, {"0.48", "1.0", "0.5", "0.5", "0.375", "1.106"}},
      {"no kind chosen", 1, 0.5, k60, 0, 0.05, -1, 0.1, 0.25, {"0.48", "1.0", "0.5", "0.5", "0.375", "1.106"}},
      // Gib 0.1 / sin 45 = 0.1414; pins add 0.25 * 3.4142 = 0.8536.
      {"45 with gib", 2, 0.5, k45, 0, 0.1, 3, 0, 0.25, {"1.141", "2.0", "0.5", "0.5", "1.288", "1.854"}},
      {"typed 60", 1, 0.5, kTyped, 60, 0, 3, 0, 0.25, {"0.423", "1.0", "0.5", "0.5", "0.317", "1.106"}},
      // Flank factor 3.4641, pins add 0.25 * (1 + 1 / tan 15) = 1.1830.
      {"typed 30", 3, 0.5, kTyped, 30, 0, 3, 0, 0.25, {"1.268", "3.0", "0.5", "0.5", "1.817", "2.451"}},
      // Upright flanks: both widths are W, the pins add 2 d.
      {"typed 90", 1, 0.5, kTyped, 90, 0, 3, 0, 0.25, {"1.0", "1.0", "0.5", "0.5", "0.5", "1.5"}},
      {"clearance above the depth", 1, 0.5, k60, 0, 0, 1, 0.7, 0.25, {"0.423", "0.192", "0.5", "-0.2", "0.317", "1.106"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::optional<DovetailResult> r = compute_dovetail(input_of(c));
    ASSERT_TRUE(r.has_value());
    const double shown[] = {r->female_min_width, r->male_max_width,      r->female_depth,
                            r->male_depth,       r->female_between_pins, r->male_over_pins};
    for (size_t i = 0; i < 6; ++i)
      EXPECT_EQ(numeric::format_fixed(3, shown[i]), c.out[i]) << "row " << i + 1;
  }
}

TEST(Dovetail, HiddenWidthsAreTheOtherEndsOfTheFlanks) {
  // Female deeper with gib: root 1 - 0.5774 = 0.4226; slot bottom
  // 0.4226 + 1.1547 * 0.6 + 0.0577 = 1.1732.
  std::optional<DovetailResult> r =
      compute_dovetail(input_of({"", 1, 0.5, k60, 0, 0.05, 0, 0.1, 0.25, {}}));
  ASSERT_TRUE(r.has_value());
  EXPECT_NEAR(r->male_min_width, 0.4226497, 1e-7);
  EXPECT_NEAR(r->female_max_width, 1.1732051, 1e-7);
}

TEST(Dovetail, NoResultWithoutTheNeededValues) {
  // clang-format off
  const std::vector<Case> cases = {
      {"no width", 0, 0.5, k60, 0, 0, 3, 0, 0.25, {}},
      {"width below 0.0001", 0.00009, 0.5, k60, 0, 0, 3, 0, 0.25, {}},
      {"no depth", 1, 0, k60, 0, 0, 3, 0, 0.25, {}},
      {"no pin", 1, 0.5, k60, 0, 0, 3, 0, 0, {}},
      {"typed angle missing", 1, 0.5, kTyped, 0, 0, 3, 0, 0.25, {}},
      {"typed angle past upright", 1, 0.5, kTyped, 90.5, 0, 3, 0, 0.25, {}},
      {"gib thickness below 0.0001", 1, 0.5, k60, 0, 0.00009, 3, 0, 0.25, {}},
      {"too large to compute", 1e308, 1e308, k45, 0, 0, 3, 0, 1, {}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(compute_dovetail(input_of(c)).has_value());
  }
  DovetailInput gib_without_thickness = input_of({"", 1, 0.5, k60, 0, 0, 3, 0, 0.25, {}});
  gib_without_thickness.gib = true;
  EXPECT_FALSE(compute_dovetail(gib_without_thickness).has_value());
}

} // namespace
} // namespace workshop
