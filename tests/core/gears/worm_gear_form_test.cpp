#include "core/gears/worm_gear_form.h"

#include "core/unit_test.h"

namespace {

using namespace gears;
using Texts = std::map<WormOut, std::string>;

// DP 8, 40 teeth, worm 1.25, backlash 0.005, 14.5°, one start, right hand:
// p = 0.3927, a = 0.125, h = 0.2696, Dt = 5, Dp = 1.0, lead angle 90 - atan 8.
WormGearFormInput worked() { return {ToothSystem::kDiametralPitch, "8", "1.25", "0.005", 40}; }

TEST(WormGearForm, ResultTextsInTheirSlots) {
  const auto dp = ToothSystem::kDiametralPitch;
  // Input: system, pitch, diameter, backlash, teeth, starts, angle, square rim, crown cut, left
  // hand, millimetres. Only the outputs listed are compared.
  // clang-format off
  struct Case { const char* name; WormGearFormInput in; Texts expected; };
  const Case cases[] = {
      {"worked example", worked(),
       {{kHobTipWidth, "0.132"}, {kHobVToFlat, "0.255"}, {kHobOutsideDiameter, "1.289"}, {kHobLeadAngle, "6.858"}, {kHobWholeDepth, "0.27"},
        {kHobFirstSide, "11.538"}, {kHobSecondSide, "-0.462"}, {kHobThreadLength, "1.806"}, {kThroatDiameter, "5.25"}, {kFaceWidth, "0.667"},
        {kWheelWholeDepth, "0.27"}, {kCentreDistance, "3.0"}, {kWormTipWidth, "0.127"}, {kWormVToFlat, "0.245"}, {kWormLeadAngle, "7.125"},
        {kWormWholeDepth, "0.27"}, {kWormFirstSide, "11.711"}, {kWormSecondSide, "-0.289"}, {kWormThreadLength, "1.414"}}},
      // The same worm in millimetres: lengths with at most 2 decimals.
      {"millimetres", {dp, "8", "31.75", "0.127", 40, 1, 0, false, false, false, true},
       {{kHobOutsideDiameter, "32.75"}, {kHobWholeDepth, "6.85"}, {kCentreDistance, "76.2"},
        {kWormTipWidth, "3.21"}, {kWormLeadAngle, "7.125"}}},
      {"left hand: the flank rows change places", {dp, "8", "1.25", "0.005", 40, 1, 0, false, false, true},
       {{kHobFirstSide, "-0.462"}, {kHobSecondSide, "11.538"}, {kWormFirstSide, "-0.289"}, {kWormSecondSide, "11.711"}}},
      // Module 2, 30 teeth, 20°, 2 starts, square rim, crown cut, left hand,
      // worm 20 mm, backlash 0.1 mm: hob tip 0.0663684 in = 1.69 mm, hob
      // outside 0.8245029 in = 20.94 mm, throat 2.6377991 in = 67.0 mm.
      {"every choice at once", {ToothSystem::kModule, "2", "20", "0.1", 30, 2, 2, true, true, true, true},
       {{kHobTipWidth, "1.69"}, {kHobOutsideDiameter, "20.94"}, {kThroatDiameter, "67.0"}, {kHobLeadAngle, "13.284"},
        {kHobFirstSide, "4.813"}, {kHobSecondSide, "16.813"}, {kWormLeadAngle, "14.036"}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WormGearForm form = worm_gear_form(c.in);
    for (const auto& [slot, text] : c.expected)
      EXPECT_EQ(form.outputs[slot], text) << "output " << slot;
  }
  // Missing values empty every result, with nothing to say; a worm of 0.5 in
  // under teeth 0.2696 deep on each side is told why (entry 792).
  const std::tuple<const char*, const char*, int> none[] = {
      {"", "1.25", 0}, {"0", "1.25", 0}, {"8", "0.5", 792}};
  for (const auto& [pitch, diameter, reason] : none) {
    const WormGearForm form = worm_gear_form({dp, pitch, diameter, "0.005", 40});
    EXPECT_TRUE(!form.result && form.outputs == WormOutputTexts{} && form.reason.entry == reason)
        << pitch << " " << diameter;
  }
}

TEST(WormGearForm, OfferedRowsAndLabels) {
  using S = ToothSystem;
  // System, pitch, teeth, millimetres; fraction, centre distance, change-gear
  // help offered; pitch and backlash labels.
  // clang-format off
  const std::tuple<S, const char*, int, bool, bool, bool, bool, int, int> rows[] = {
      {S::kModule, "2", 40, false, false, true, true, 293, 330}, {S::kDiametralPitch, "8", 0, true, false, false, true, 294, 363},
      {S::kCircularPitchInch, "0.25", 30, false, true, true, false, 295, 330}, {S::kCircularPitchMm, "", 30, true, false, false, false, 296, 363},
      {S::kCircularPitchMm, "0.005", 30, false, false, true, false, 296, 330},
  };
  // clang-format on
  for (const auto& [system, pitch, teeth, metric, fraction, centre, help, label, backlash] : rows) {
    const WormGearForm f =
        worm_gear_form({system, pitch, "1.25", "0.005", teeth, 1, 0, false, false, false, metric});
    EXPECT_EQ(std::make_tuple(f.fraction_offered, f.centre_distance_offered,
                              f.change_gear_help_offered, f.pitch_label.entry,
                              f.backlash_label.entry),
              std::make_tuple(fraction, centre, help, label, backlash));
  }
}

} // namespace
