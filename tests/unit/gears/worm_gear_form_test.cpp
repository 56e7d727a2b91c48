#include "calc/gears/worm_gear_form.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using gears::ToothSystem;
using gears::WormGearFormInput;
using Texts = std::map<gears::WormOut, std::string>;
using namespace gears;

// DP 8, 40 teeth, worm 1.25, backlash 0.005, 14.5°, one start, right hand:
// p = 0.3927, a = 0.125, h = 0.2696, Dt = 5, Dp = 1.0, lead angle 90 - atan 8.
WormGearFormInput worked() {
  WormGearFormInput in;
  in.pitch = "8";
  in.teeth = 40;
  in.diameter = "1.25";
  in.backlash = "0.005";
  return in;
}

const Texts kWorkedInch = {
    {kHobTipWidth, "0.132"},      {kHobVToFlat, "0.255"},      {kHobOutsideDiameter, "1.289"},
    {kHobLeadAngle, "6.858"},     {kHobWholeDepth, "0.27"},    {kHobFirstSide, "11.538"},
    {kHobSecondSide, "-0.462"},   {kHobThreadLength, "1.806"}, {kThroatDiameter, "5.25"},
    {kFaceWidth, "0.667"},        {kWheelWholeDepth, "0.27"},  {kCentreDistance, "3.0"},
    {kWormTipWidth, "0.127"},     {kWormVToFlat, "0.245"},     {kWormLeadAngle, "7.125"},
    {kWormWholeDepth, "0.27"},    {kWormFirstSide, "11.711"},  {kWormSecondSide, "-0.289"},
    {kWormThreadLength, "1.414"},
};

struct Case {
  const char* name;
  WormGearFormInput in;
  Texts expected; ///< only these outputs are compared
};

TEST(WormGearForm, ResultTextsFollowEveryChoice) {
  auto with = [](auto change) {
    WormGearFormInput in = worked();
    change(in);
    return in;
  };
  const Case cases[] = {
      {"worked example", worked(), kWorkedInch},
      // The same worm in millimetres: lengths with at most 2 decimals.
      {"millimetres",
       with([](WormGearFormInput& in) {
         in.metric = true;
         in.diameter = "31.75";
         in.backlash = "0.127";
       }),
       {{kHobOutsideDiameter, "32.75"},
        {kHobWholeDepth, "6.85"},
        {kCentreDistance, "76.2"},
        {kWormTipWidth, "3.21"},
        {kWormLeadAngle, "7.125"}}},
      {"left hand: the flank rows change places",
       with([](WormGearFormInput& in) { in.left_hand = true; }),
       {{kHobFirstSide, "-0.462"},
        {kHobSecondSide, "11.538"},
        {kWormFirstSide, "-0.289"},
        {kWormSecondSide, "11.711"}}},
      // 5.25 + 0.4775 x 0.3927
      {"square rim",
       with([](WormGearFormInput& in) { in.square_rim = true; }),
       {{kThroatDiameter, "5.438"}, {kHobOutsideDiameter, "1.289"}}},
      // 1.289 + c 0.0196
      {"hob crown cut",
       with([](WormGearFormInput& in) { in.hob_crown_cut = true; }),
       {{kHobOutsideDiameter, "1.309"}, {kThroatDiameter, "5.25"}}},
      // lead 0.7854: 90 - atan 4
      {"two starts",
       with([](WormGearFormInput& in) { in.starts = 2; }),
       {{kWormLeadAngle, "14.036"}}},
      // 0.19635 - 2 x 0.125 x tan 20°
      {"20 degrees",
       with([](WormGearFormInput& in) { in.pressure_angle = 2; }),
       {{kHobTipWidth, "0.105"}}},
      // (50 / 8 + 1.0) / 2
      {"50 teeth",
       with([](WormGearFormInput& in) { in.teeth = 50; }),
       {{kCentreDistance, "3.625"}}},
      // p 0.25, Dt 3.9789, Dp 0.8409, lead 0.75
      {"circular pitch in inches, 25 degrees, three starts",
       with([](WormGearFormInput& in) {
         in.system = ToothSystem::kCircularPitchInch;
         in.pitch = "0.25";
         in.teeth = 50;
         in.diameter = "1";
         in.backlash = "0.004";
         in.pressure_angle = 4;
         in.starts = 3;
       }),
       {{kCentreDistance, "2.41"}, {kWormLeadAngle, "15.85"}, {kWormThreadLength, "1.125"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WormGearForm form = worm_gear_form(c.in);
    for (const auto& [slot, text] : c.expected)
      EXPECT_EQ(form.outputs[slot], text) << "output " << slot;
  }
}

TEST(WormGearForm, MissingValuesEmptyEveryResult) {
  const std::pair<const char*, void (*)(WormGearFormInput&)> cases[] = {
      {"no backlash", [](WormGearFormInput& in) { in.backlash = ""; }},
      {"no diameter", [](WormGearFormInput& in) { in.diameter = "0"; }},
      {"no teeth", [](WormGearFormInput& in) { in.teeth = 0; }},
      {"no pitch", [](WormGearFormInput& in) { in.pitch = ""; }},
  };
  for (const auto& [name, change] : cases) {
    SCOPED_TRACE(name);
    WormGearFormInput in = worked();
    change(in);
    const WormGearForm form = worm_gear_form(in);
    EXPECT_FALSE(form.result);
    EXPECT_EQ(form.outputs, WormOutputTexts{});
  }
}

TEST(WormGearForm, OfferedRowsAndLabels) {
  struct Row {
    ToothSystem system;
    const char* pitch;
    int teeth;
    bool metric;
    bool fraction, centre_distance, change_gear_help;
    int pitch_label, backlash_label;
  };
  const Row rows[] = {
      {ToothSystem::kModule, "2", 40, false, false, true, true, 293, 330},
      {ToothSystem::kDiametralPitch, "8", 0, true, false, false, true, 294, 363},
      {ToothSystem::kCircularPitchInch, "0.25", 30, false, true, true, false, 295, 330},
      {ToothSystem::kCircularPitchMm, "", 30, true, false, false, false, 296, 363},
      {ToothSystem::kCircularPitchMm, "0.005", 30, false, false, true, false, 296, 330},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.pitch_label);
    WormGearFormInput in = worked();
    in.system = r.system;
    in.pitch = r.pitch;
    in.teeth = r.teeth;
    in.metric = r.metric;
    const WormGearForm form = worm_gear_form(in);
    EXPECT_EQ(form.fraction_offered, r.fraction);
    EXPECT_EQ(form.centre_distance_offered, r.centre_distance);
    EXPECT_EQ(form.change_gear_help_offered, r.change_gear_help);
    EXPECT_EQ(form.pitch_label, r.pitch_label);
    EXPECT_EQ(form.backlash_label, r.backlash_label);
  }
}

} // namespace
