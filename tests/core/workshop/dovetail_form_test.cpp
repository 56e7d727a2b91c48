#include "core/workshop/dovetail_form.h"

#include "core/unit_test.h"

namespace {

using namespace workshop;
using Rows = std::array<std::string, kDovetailRows>;
const Rows kEmpty{};

TEST(DovetailForm, SketchesFollowTheClearanceKindAndTheGib) {
  using F = FemaleSketch;
  using M = MaleSketch;
  const auto none = std::nullopt;
  // clang-format off
  struct Case { int kind; bool gib; std::optional<F> female; std::optional<M> male; bool clearance_shown; };
  const Case cases[] = {
      {0, false, F::kDeep, M::kStandard, true}, {1, false, F::kStandard, M::kShallow, true},
      {2, false, F::kStandard, M::kDeep, true}, {3, false, F::kStandard, M::kStandard, false},
      {0, true, F::kDeepGib, M::kStandard, true}, {1, true, F::kStandardGib, M::kShallow, true},
      {2, true, F::kStandardGib, M::kDeep, true}, {3, true, F::kStandardGib, M::kStandard, false},
      {-1, true, none, none, false}, // nothing chosen: no sketch
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + (c.gib ? " gib" : ""));
    const DovetailSketchChoice got = dovetail_sketch_choice(c.kind, c.gib);
    EXPECT_EQ(std::make_tuple(got.female, got.male, got.clearance_shown),
              std::make_tuple(c.female, c.male, c.clearance_shown));
  }
}

// W 1, D 0.5 at 60°: flank factor T = 2 / tan 60° = 1.1547, root 0.42265; pins
// add 0.25 (1 + 1 / tan 30°) = 0.68301; a gib of 0.05 widens by 0.05 / sin 60° = 0.05774.
TEST(DovetailForm, SizesByAngleClearanceKindAndGib) {
  // Input: width, depth, angle, typed, gib, thickness, kind, clearance, pin. Rows: female
  // mouth, male top, female depth, male height, between pins, over pins; the
  // reason given when there are none.
  // clang-format off
  struct Case { const char* what; DovetailFormInput in; Rows rows; int reason = 0; };
  const auto k60 = FlankAngle::k60, k45 = FlankAngle::k45, typed = FlankAngle::kTyped;
  const Case cases[] = {
      {"60, no clearance ignores the amount", {"1", ".5", k60, "", false, "", 3, ".1", ".25"}, {"0.423", "1.0", "0.5", "0.5", "0.317", "1.106"}},
      {"no clearance, gib", {"1", ".5", k60, "", true, ".05", 3, ".1", ".25"}, {"0.48", "1.0", "0.5", "0.5", "0.375", "1.106"}},
      {"no kind counts as no clearance", {"1", ".5", k60, "", false, "", -1, ".1", ".25"}, {"0.423", "1.0", "0.5", "0.5", "0.317", "1.106"}},
      // 45°: root 2 - 2 (0.5) = 1, pins 0.25 (1 + 2.41421) = 0.85355.
      {"45, no clearance", {"2", ".5", k45, "", false, "", 3, "", ".25"}, {"1.0", "2.0", "0.5", "0.5", "1.146", "1.854"}},
      // Gib 0.1 / sin 45° = 0.1414.
      {"45 with gib", {"2", ".5", k45, "", true, ".1", 3, "", ".25"}, {"1.141", "2.0", "0.5", "0.5", "1.288", "1.854"}},
      // Slot 0.1 deeper: bottom 0.42265 + 1.1547 (0.6) = 1.11547.
      {"slot deeper", {"1", ".5", k60, "", false, "", 0, ".1", ".25"}, {"0.423", "1.0", "0.6", "0.5", "0.432", "1.106"}},
      {"slot deeper, gib", {"1", ".5", k60, "", true, ".05", 0, ".1", ".25"}, {"0.48", "1.0", "0.6", "0.5", "0.49", "1.106"}},
      // Male 0.1 lower: top 0.42265 + 1.1547 (0.4) = 0.88453.
      {"male shallower", {"1", ".5", k60, "", false, "", 1, ".1", ".25"}, {"0.423", "0.885", "0.5", "0.4", "0.317", "1.106"}},
      {"male shallower, gib", {"1", ".5", k60, "", true, ".05", 1, ".1", ".25"}, {"0.48", "0.885", "0.5", "0.4", "0.375", "1.106"}},
      // 0.005 of male height left is still a dovetail: 0.42265 + 1.1547 (0.005) wide at its top.
      // Flanks that nearly meet at the male's top: 1 - 1.1547 (0.866) = 0.00003 wide, so a pin of
      // 0.001 measures 0.00003 + 0.001 (2.73205) = 0.00276 over the pins, 1 - 0.00273 between them.
      {"male nearly pointed", {"1", ".866", k60, "", false, "", 3, "", ".001"}, {"0.0", "1.0", "0.866", "0.866", "0.997", "0.003"}},
      {"male shallower by nearly all", {"1", ".5", k60, "", false, "", 1, ".495", ".25"}, {"0.423", "0.428", "0.5", "0.005", "0.317", "1.106"}},
      {"clearance above the depth: male height -0.2", {"1", ".5", k60, "", false, "", 1, ".7", ".25"}, kEmpty, 784},
      // Roots 1 - 1.1547 (0.5 + 0.4) = -0.039 and 0.5 - 2 (0.5) = -0.5; between pins 1 - 0.6 (2.732) = -0.64.
      {"male deeper: flanks meet", {"1", ".5", k60, "", false, "", 2, ".4", ".25"}, kEmpty, 785},
      {"flanks meet", {".5", ".5", k45, "", false, "", 3, "", ".25"}, kEmpty, 785},
      {"pins meet", {"1", ".1", k60, "", false, "", 3, "", ".6"}, kEmpty, 786},
      // Male 0.1 taller: root 1 - 1.1547 (0.6) = 0.30718.
      {"male deeper", {"1", ".5", k60, "", false, "", 2, ".1", ".25"}, {"0.423", "1.0", "0.5", "0.6", "0.317", "0.99"}},
      {"male deeper, gib", {"1", ".5", k60, "", true, ".05", 2, ".1", ".25"}, {"0.48", "1.0", "0.5", "0.6", "0.375", "0.99"}},
      {"typed 60", {"1", ".5", typed, "60", false, "", 3, "", ".25"}, {"0.423", "1.0", "0.5", "0.5", "0.317", "1.106"}},
      // T = 2 / tan 30° = 3.4641, pins add 0.25 (1 + 1 / tan 15°) = 1.1830.
      {"typed 30", {"3", ".5", typed, "30", false, "", 3, "", ".25"}, {"1.268", "3.0", "0.5", "0.5", "1.817", "2.451"}},
      // Square flanks: no taper, pins add their diameters.
      {"typed 90", {"1", ".5", typed, "90", false, "", 3, "", ".25"}, {"1.0", "1.0", "0.5", "0.5", "0.5", "1.5"}},
      {"typed angle missing", {"1", ".5", typed, "", false, "", 3, "", ".25"}, kEmpty},
      {"typed angle past upright", {"1", ".5", typed, "90.5", false, "", 3, "", ".25"}, kEmpty, 789},
      {"gib without thickness", {"1", ".5", k60, "", true, "", 0, ".1", ".25"}, kEmpty}, {"gib below 0.0001", {"1", ".5", k60, "", true, "0.00009", 3, "", ".25"}, kEmpty},
      {"width below 0.0001", {"0.00009", ".5", k60, "", false, "", 3, "", ".25"}, kEmpty}, {"no depth", {"1", "0", k60, "", false, "", 3, "", ".25"}, kEmpty},
      {"pin missing", {"1", ".5", k60, "", false, "", 3, "", ""}, kEmpty}, {"too large to compute", {"1e308", "1e308", k45, "", false, "", 3, "", "1"}, kEmpty},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DovetailForm form = dovetail_form(c.in);
    EXPECT_EQ(form.rows, c.rows);
    EXPECT_EQ(form.result.has_value(), c.rows != kEmpty);
    EXPECT_EQ(form.reason.entry, c.reason);
    EXPECT_EQ(form.typed_angle_shown, c.in.angle == typed);
    EXPECT_EQ(form.gib_thickness_shown, c.in.gib);
  }
  // The hidden widths, the other ends of the flanks: slot deeper with gib, male
  // root 1 - 0.5774 = 0.4226; slot bottom 0.4226 + 1.1547 (0.6) + 0.0577 = 1.1732.
  const auto r = dovetail_form(cases[6].in).result;
  ASSERT_TRUE(r.has_value());
  EXPECT_NEAR(r->male_min_width, 0.4226497, 1e-7);
  EXPECT_NEAR(r->female_max_width, 1.1732051, 1e-7);
}

} // namespace
