#include "calc/workshop/dovetail_measurement_form.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using namespace workshop;
using Texts = std::array<std::string, 3>;
const Texts kNone{};

TEST(DovetailMeasurementForm, ModesShowTheirRows) {
  DovetailMeasurementFormInput in;
  in.at_hand = PartAtHand::kFemale;
  in.angle = FlankAngle::kTyped;
  in.gib = true;
  in.clearance_kind = kNoClearance;
  DovetailMeasurementForm form = dovetail_measurement_form(in);
  EXPECT_FALSE(form.male_at_hand);
  EXPECT_TRUE(form.typed_angle_shown);
  EXPECT_TRUE(form.gib_row_shown);
  EXPECT_FALSE(form.clearance_row_shown);
  EXPECT_EQ(form.sketches.female, FemaleSketch::kStandardGib);
  // With no kind chosen the slot is computed deeper by the clearance: its row stays.
  in.clearance_kind = kNoKindChosen;
  form = dovetail_measurement_form(in);
  EXPECT_TRUE(form.clearance_row_shown);
  EXPECT_FALSE(form.sketches.female.has_value());
}

TEST(DovetailMeasurementForm, MatingPartTexts) {
  struct Case {
    const char* what;
    DovetailMeasurementFormInput in;
    Texts texts; // width, depth, pins of the part to be made; none when incomplete
  };
  const auto male = PartAtHand::kMale;
  const auto female = PartAtHand::kFemale;
  const auto k60 = FlankAngle::k60;
  // The dovetail page's W 1, D 0.5, 60°, pins 0.25 turned round: pins add
  // 0.25 (1 + 1.73205) = 0.68301, the flanks 2 (0.5) / tan 60° = 0.57735.
  const Case cases[] = {
      {"male, no clearance",
       {male, k60, "", kNoClearance, "", false, "", "0.25", "1.105662", "0.5", "", "", false},
       {"0.423", "0.5", "0.317"}},
      {"the same in mm",
       {male, k60, "", kNoClearance, "", false, "", "6.35", "28.0838", "12.7", "", "", true},
       {"10.735", "12.7", "8.051"}},
      {"female, no clearance",
       {female, k60, "", kNoClearance, "", false, "", "0.25", "", "", "0.316987", "0.5", false},
       {"1.0", "0.5", "1.106"}},
      // Slot 0.01 deeper, widened by 2 (0.01) / tan 60° = 0.01155.
      {"slot deeper",
       {male, k60, "", kFemaleDeeper, "0.01", false, "", "0.25", "1.105662", "0.5", "", "", false},
       {"0.423", "0.51", "0.329"}},
      // 45°: root 1.105662 - 0.25 (1 + 2.41421) = 0.252, bottom 1.252.
      {"45",
       {male, FlankAngle::k45, "", kNoClearance, "", false, "", "0.25", "1.105662", "0.5", "", "",
        false},
       {"0.252", "0.5", "0.399"}},
      // The gib widens the slot by 2 (0.1) cos 60° = 0.1.
      {"gib",
       {male, k60, "", kNoClearance, "", true, "0.1", "0.25", "1.105662", "0.5", "", "", false},
       {"0.523", "0.5", "0.417"}},
      // Male 0.005 in lower: top 1 - 2 (0.005 / tan 60° + 0.1 cos 60°) = 0.894 in.
      {"female in mm, typed angle, gib, male shallower",
       {female, FlankAngle::kTyped, "60", kMaleShallower, "0.127", true, "2.54", "6.35", "", "",
        "8.051", "12.7", true},
       {"22.713", "12.573", "25.543"}},
      {"any kind but no clearance needs the amount",
       {male, k60, "", kMaleDeeper, "", false, "", "0.25", "1.105662", "0.5", "", "", false},
       kNone},
      {"gib without thickness",
       {male, k60, "", kNoClearance, "", true, "", "0.25", "1.105662", "0.5", "", "", false},
       kNone},
      {"typed angle missing",
       {male, FlankAngle::kTyped, "", kNoClearance, "", false, "", "0.25", "1.105662", "0.5", "",
        "", false},
       kNone},
      {"the other part's measurements count for nothing",
       {female, k60, "", kNoClearance, "", false, "", "0.25", "1.105662", "0.5", "", "", false},
       kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DovetailMeasurementForm form = dovetail_measurement_form(c.in);
    EXPECT_EQ(form.complete, c.texts != kNone);
    if (!form.complete)
      continue;
    const auto values = compute_dovetail_measurement(form.numbers, {});
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(mating_part_texts(*values, c.in.at_hand, c.in.millimetre), c.texts);
  }
}

TEST(DovetailMeasurementForm, KeptValuesAreWrittenInTheUnitShown) {
  EXPECT_EQ(kept_value_text(0.25, true), "6.35");
  EXPECT_EQ(kept_value_text(1.105662, false), "1.106");
  EXPECT_EQ(kept_value_text(1.105662, true), "28.084");
}

} // namespace
