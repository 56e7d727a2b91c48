// The helical gear page's texts: the size table of a module and a
// diametral-pitch gear, the swivel, idlers and indexing for either hand, and
// the lead trains with the places of their gears, in inch and in mm.
#include "core/gears/helical_gear_form.h"

#include "core/i18n/common_texts.h"

#include "core/unit_test.h"
#include "../../support/joined.h"

using testing_support::joined;

namespace gears {
namespace {

// Entries as short words, so that a row reads as the page would.
std::string word(i18n::TextId entry) {
  const std::map<int, std::string> words = {
      {texts::kInchUnit.entry, "in"},      {texts::kMmUnit.entry, "mm"},
      {texts::kExactWord.entry, "exact"},  {texts::kHoleCircle.entry, "circle"},
      {texts::kWholeTurns.entry, "turns"}, {texts::kHoles.entry, "holes"},
      {texts::kNoSimpleIndexing.entry, "no circle for %d"}};
  const auto found = words.find(entry.entry);
  return found != words.end() ? found->second : std::to_string(entry.entry);
}

// Everything the page shows, in its order, "|" between the parts.
std::string shown(const HelicalGearForm& f) {
  const HelicalMillingForm& m = f.milling;
  std::vector<std::string> parts = {joined(f.inch), joined(f.mm), f.transverse_module,
                                    f.transverse_diametral_pitch, f.equivalent_teeth,
                                    std::to_string(f.cutter), f.ratio, f.swivel,
                                    std::to_string(f.swivel_direction.entry),
                                    std::to_string(f.idlers.entry), f.indexing, m.machine_lead,
                                    joined(m.trains, "; "), joined(m.places), m.lead_cut, m.error};
  return joined(parts, " | ");
}

TEST(HelicalGearForm, SizesSetUpAndTrainsOfHandWorkedGears) {
  using texts::kIdlersLeftHand, texts::kIdlersRightHand;
  // Module 4, 30 teeth, 20°, right hand, a mate of 45: d = 120 / cos 20° =
  // 127.701, root - 2 (1.157 x 4), lead π d / tan 20° = 1102.248 mm,
  // z_e = 30 / cos³ 20° = 36.15 (metric cutter 6: 35-54), chordal thickness
  // z_e m sin(90° / z_e) = 6.281, addendum 4 + z_e m / 2 (1 - cos(90° / z_e)).
  // 40 / 30 turns: 1 turn and 5 holes of 15. A 6 mm lead screw on 40:1 leads
  // 240 mm; of 24 and 100, 100 / 24 cuts 1000 mm, 102.248 mm (9.276 %) short,
  // and 24 / 100 57.6 mm (94.774 %) short.
  HelicalGearFormInput m4{PitchSystem::kModule, PressureAngle::k20, "4", "30", "20", "45",
                          Hand::kRight, "6", true, {"B&S", 40, {15, 16, 17, 18, 19, 20}, {24, 100}}};
  EXPECT_EQ(shown(helical_gear_form(m4, word)),
            "5.0276 5.3426 4.6632 0.3397 0.4947 0.5265 43.3956 6.2845 0.2473 0.1602 | "
            "127.701 135.701 118.445 8.628 12.566 13.373 1102.248 159.627 6.281 4.068 | "
            "4.2567 | 5.967 | 36.15 | 6 | 1.5 | 20° 0' 0\" | " +
                std::to_string(texts::kSwivelRightEnd.entry) + " | " +
                std::to_string(kIdlersRightHand.entry) +
                " | circle 15, turns 1, holes 5 | 240.0 mm | "
                "100 / 24:  -9.276 %; 24 / 100:  -94.774 % | "
                "24   100 | 1000.0 mm | -102.248 mm");
  // The second train chosen; a choice past the list shows the first.
  m4.train = 1;
  EXPECT_EQ(helical_gear_form(m4, word).milling.places, (std::array<std::string, 4>{"100", "", "", "24"}));
  m4.train = 2;
  EXPECT_EQ(helical_gear_form(m4, word).milling.train, 0u);

  // DP 10, 24 teeth, 45°, left hand: d = 24 / 7.0711 = 3.3941, root -
  // 2 (0.122), lead π d = 10.6629 in, z_e = 67.88 (American cutter 2: 55-134),
  // the table swung the other way. 40 / 24 turns want a circle of 3 holes'
  // multiple, which 17 and 19 are not. On a 10 in machine lead the set of 20,
  // 30, 40 and 50 comes nearest with two pairs, 30 x 40 / 20 x 50 = 1.2:
  // 12 in, 1.3371 in (12.540 %) long.
  const HelicalGearFormInput dp10{PitchSystem::kDiametralPitch, PressureAngle::k20, "10", "24",
                                  "45", "", Hand::kLeft, "0.25", false,
                                  {"Other", 40, {17, 19}, {20, 30, 40, 50}}};
  const HelicalGearForm form = helical_gear_form(dp10, word);
  EXPECT_EQ(joined(form.inch), "3.3941 3.5941 3.1501 0.222 0.3142 0.4443 10.6629  0.1571 0.1009");
  EXPECT_EQ(joined(form.mm), "86.21 91.29 80.013 5.639 7.98 11.285 270.838  3.989 2.563");
  EXPECT_EQ(joined(std::vector<std::string>{form.transverse_module, form.transverse_diametral_pitch,
                                            form.equivalent_teeth, std::to_string(form.cutter),
                                            form.ratio, form.swivel}),
            "3.5921 7.0711 67.88 2  45° 0' 0\"");
  EXPECT_EQ(form.swivel_direction, texts::kSwivelLeftEnd);
  EXPECT_EQ(form.idlers, kIdlersLeftHand);
  EXPECT_EQ(form.indexing, "no circle for 24");
  EXPECT_EQ(form.milling.machine_lead, "10 in");
  EXPECT_EQ(form.milling.places, (std::array<std::string, 4>{"20", "30", "50", "40"}));
  EXPECT_EQ(form.milling.lead_cut + " | " + form.milling.error, "12 in | +1.3371 in");
}

TEST(HelicalGearForm, WhatShowsWithoutAGearOrWithoutTrains) {
  HelicalGearFormInput in{PitchSystem::kModule, PressureAngle::k20, "4", "30", "", "",
                          Hand::kRight, "0.25", false, {"B&S", 40, {15}, {24, 100}}};
  // No helix angle yet: nothing but the machine lead, and the page's note.
  HelicalGearForm form = helical_gear_form(in, word);
  EXPECT_FALSE(form.gear);
  EXPECT_EQ(form.status, texts::kHelicalNote);
  HelicalGearForm machine_only;
  machine_only.milling.machine_lead = "10 in";
  EXPECT_EQ(shown(form), shown(machine_only));
  // 8 teeth at 20° are 9.6 equivalent teeth, too few for a form cutter.
  in.helix = "20";
  in.teeth = "8";
  form = helical_gear_form(in, word);
  EXPECT_FALSE(form.gear);
  EXPECT_EQ(form.status, texts::kTooFewEquivalentTeeth);
  // A head without a worm ratio has no machine lead; one without gears no train.
  in.teeth = "30";
  in.head.ratio = 0;
  EXPECT_EQ(helical_gear_form(in, word).milling.missing, texts::kNoMachineLead);
  in.head.ratio = 40;
  in.head.gears.clear();
  form = helical_gear_form(in, word);
  EXPECT_EQ(form.milling.missing, texts::kNoLeadTrain);
  EXPECT_EQ(form.milling.machine_lead, "10 in");
  // No lead screw typed: no milling at all, and nothing said about it.
  in.lead_screw = "";
  form = helical_gear_form(in, word);
  EXPECT_EQ(form.milling.machine_lead, "");
  EXPECT_FALSE(form.milling.missing);
}

} // namespace
} // namespace gears
