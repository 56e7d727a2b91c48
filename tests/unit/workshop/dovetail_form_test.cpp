#include "calc/workshop/dovetail_form.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

namespace {

using namespace workshop;
using Rows = std::array<std::string, kDovetailRows>;
const Rows kEmpty{};

TEST(DovetailForm, SketchesFollowTheClearanceKindAndTheGib) {
  struct Case {
    int kind;
    bool gib;
    std::optional<FemaleSketch> female;
    std::optional<MaleSketch> male;
    bool clearance_shown;
  };
  const Case cases[] = {
      {0, false, FemaleSketch::kDeep, MaleSketch::kStandard, true},
      {1, false, FemaleSketch::kStandard, MaleSketch::kShallow, true},
      {2, false, FemaleSketch::kStandard, MaleSketch::kDeep, true},
      {3, false, FemaleSketch::kStandard, MaleSketch::kStandard, false},
      {0, true, FemaleSketch::kDeepGib, MaleSketch::kStandard, true},
      {1, true, FemaleSketch::kStandardGib, MaleSketch::kShallow, true},
      {2, true, FemaleSketch::kStandardGib, MaleSketch::kDeep, true},
      {3, true, FemaleSketch::kStandardGib, MaleSketch::kStandard, false},
      {-1, true, std::nullopt, std::nullopt, false}, // nothing chosen: no sketch
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + (c.gib ? " gib" : ""));
    const DovetailSketchChoice got = dovetail_sketch_choice(c.kind, c.gib);
    EXPECT_EQ(got.female, c.female);
    EXPECT_EQ(got.male, c.male);
    EXPECT_EQ(got.clearance_shown, c.clearance_shown);
  }
}

TEST(DovetailForm, FieldsAndRows) {
  struct Case {
    const char* what;
    DovetailFormInput in;
    Rows rows; // female mouth, male top, female depth, male height, between pins, over pins
  };
  const auto k60 = FlankAngle::k60;
  const auto typed = FlankAngle::kTyped;
  // W 1, D 0.5 at 60°: T = 2 / tan 60° = 1.1547, root 0.42265; pins 0.25 (1 + 1 / tan 30°) =
  // 0.68301.
  const Case cases[] = {
      {"60, no clearance",
       {"1", ".5", k60, "", false, "", 3, ".1", ".25"},
       {"0.423", "1.0", "0.5", "0.5", "0.317", "1.106"}},
      // 45°: root 2 - 2 (0.5) = 1, pins 0.25 (1 + 2.41421) = 0.85355.
      {"45, no clearance",
       {"2", ".5", FlankAngle::k45, "", false, "", 3, "", ".25"},
       {"1.0", "2.0", "0.5", "0.5", "1.146", "1.854"}},
      // Slot 0.1 deeper: bottom 0.42265 + 1.1547 (0.6) = 1.11547.
      {"slot deeper",
       {"1", ".5", k60, "", false, "", 0, ".1", ".25"},
       {"0.423", "1.0", "0.6", "0.5", "0.432", "1.106"}},
      // The gib widens the slot by 0.05 / sin 60° = 0.05774.
      {"slot deeper, gib",
       {"1", ".5", k60, "", true, ".05", 0, ".1", ".25"},
       {"0.48", "1.0", "0.6", "0.5", "0.49", "1.106"}},
      // Male 0.1 lower: top 0.42265 + 1.1547 (0.4) = 0.88453.
      {"male shallower",
       {"1", ".5", k60, "", false, "", 1, ".1", ".25"},
       {"0.423", "0.885", "0.5", "0.4", "0.317", "1.106"}},
      // Male 0.1 taller: root 1 - 1.1547 (0.6) = 0.30718.
      {"male deeper",
       {"1", ".5", k60, "", false, "", 2, ".1", ".25"},
       {"0.423", "1.0", "0.5", "0.6", "0.317", "0.99"}},
      // Nothing chosen counts as no clearance.
      {"no kind",
       {"1", ".5", k60, "", false, "", -1, ".1", ".25"},
       {"0.423", "1.0", "0.5", "0.5", "0.317", "1.106"}},
      // Square flanks: no taper, pins add their diameters.
      {"typed 90",
       {"1", ".5", typed, "90", false, "", 3, "", ".25"},
       {"1.0", "1.0", "0.5", "0.5", "0.5", "1.5"}},
      {"typed angle missing", {"1", ".5", typed, "", false, "", 3, "", ".25"}, kEmpty},
      {"typed angle above 90", {"1", ".5", typed, "95", false, "", 3, "", ".25"}, kEmpty},
      {"gib without thickness", {"1", ".5", k60, "", true, "", 0, ".1", ".25"}, kEmpty},
      {"width missing", {"0.00001", ".5", k60, "", false, "", 3, "", ".25"}, kEmpty},
      {"pin missing", {"1", ".5", k60, "", false, "", 3, "", ""}, kEmpty},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DovetailForm form = dovetail_form(c.in);
    EXPECT_EQ(form.rows, c.rows);
    EXPECT_EQ(form.result.has_value(), c.rows != kEmpty);
    EXPECT_EQ(form.typed_angle_shown, c.in.angle == typed);
    EXPECT_EQ(form.gib_thickness_shown, c.in.gib);
  }
}

} // namespace
