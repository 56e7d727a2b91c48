#include "core/workshop/dovetail_measurement_form.h"

#include "core/unit_test.h"

namespace {

using namespace workshop;
using Texts = std::array<std::string, 3>;
using In = DovetailMeasurementFormInput;
const Texts kNone{};

// A part at hand; gib nullptr: none fitted. The female takes between pins and depth.
In part(PartAtHand at, FlankAngle a, int kind, const char* c, const char* gib, const char* pin,
        const char* over, const char* m_depth, const char* between, const char* f_depth, bool mm) {
  return {at,   a,       "",      kind,    c, gib != nullptr, gib ? gib : "", pin,
          over, m_depth, between, f_depth, mm};
}
In male(FlankAngle a, int kind, const char* c, const char* gib, const char* pin, const char* over,
        const char* depth, bool mm = false) {
  return part(PartAtHand::kMale, a, kind, c, gib, pin, over, depth, "", "", mm);
}
In female(FlankAngle a, int kind, const char* c, const char* gib, const char* pin,
          const char* between, const char* depth, bool mm = false) {
  return part(PartAtHand::kFemale, a, kind, c, gib, pin, "", "", between, depth, mm);
}
In typed(In in, const char* degrees) {
  in.angle = FlankAngle::kTyped;
  in.typed_angle = degrees;
  return in;
}

TEST(DovetailMeasurementForm, ModesShowTheirRows) {
  In in = typed(female(FlankAngle::k60, kNoClearance, "", "", "", "", ""), "");
  DovetailMeasurementForm form = dovetail_measurement_form(in);
  EXPECT_EQ(std::make_tuple(form.male_at_hand, form.typed_angle_shown, form.gib_row_shown,
                            form.clearance_row_shown),
            std::make_tuple(false, true, true, false));
  EXPECT_EQ(form.sketches.female, FemaleSketch::kStandardGib);
  // With no kind chosen the slot is computed deeper by the clearance: its row stays.
  in.clearance_kind = kNoKindChosen;
  form = dovetail_measurement_form(in);
  EXPECT_TRUE(form.clearance_row_shown);
  EXPECT_FALSE(form.sketches.female.has_value());
}

// The dovetail page's W 1, D 0.5, 60°, pins 0.25 turned round: pins add
// 0.25 (1 + 1.73205) = 0.68301, the flanks 2 (0.5) / tan 60° = 0.57735.
TEST(DovetailMeasurementForm, MatingPartTexts) {
  struct Case {
    const char* what;
    In in;
    bool complete;
    Texts texts;    // width, depth, pins of the part to be made; none without a result
    int reason = 0; // why there is none
  };
  const auto k60 = FlankAngle::k60, k45 = FlankAngle::k45;
  const int deeper = kFemaleDeeper, shallower = kMaleShallower, none = kNoClearance;
  // clang-format off
  const Case cases[] = {
      {"male", male(k60, none, "", nullptr, "0.25", "1.105662", "0.5"), true, {"0.423", "0.5", "0.317"}},
      {"male in mm", male(k60, none, "", nullptr, "6.35", "28.0838", "12.7", true), true, {"10.735", "12.7", "8.051"}},
      {"female", female(k60, none, "", nullptr, "0.25", "0.316987", "0.5"), true, {"1.0", "0.5", "1.106"}},
      // Slot 0.01 deeper, widened by 2 (0.01) / tan 60° = 0.01155.
      {"slot deeper", male(k60, deeper, "0.01", nullptr, "0.25", "1.105662", "0.5"), true, {"0.423", "0.51", "0.329"}},
      // No kind chosen: the slot deeper for a male at hand, no clearance for a female.
      {"male, no kind", male(k60, kNoKindChosen, "0.01", nullptr, "0.25", "1.105662", "0.5"), true, {"0.423", "0.51", "0.329"}},
      {"female, no kind", female(k60, kNoKindChosen, "0.01", nullptr, "0.25", "0.316987", "0.5"), true, {"1.0", "0.5", "1.106"}},
      // 45°: root 1.105662 - 0.25 (1 + 2.41421) = 0.252, bottom 1.252.
      {"45", male(k45, none, "", nullptr, "0.25", "1.105662", "0.5"), true, {"0.252", "0.5", "0.399"}},
      // The gib widens the slot by 2 (0.1) cos 60° = 0.1.
      {"gib", male(k60, none, "", "0.1", "0.25", "1.105662", "0.5"), true, {"0.523", "0.5", "0.417"}},
      // Slot deeper by 0.01 and a gib of 0.1 at 45°: the slot widens by 2c and 2g cos 45°.
      {"male, gib", male(k45, deeper, "0.01", "0.1", "0.25", "1.853553", "0.5"), true, {"1.141", "0.51", "1.308"}},
      {"female, gib", female(k45, deeper, "0.01", "0.1", "0.25", "1.30786797", "0.51"), true, {"2.0", "0.5", "1.854"}},
      {"male shallower", male(k60, shallower, "0.02", "0.05", "0.25", "1.105662", "0.5"), true, {"0.473", "0.52", "0.39"}},
      // A taller male: the slot is shallower and its mouth wider than the male's root.
      {"male deeper", male(k60, kMaleDeeper, "0.02", nullptr, "0.25", "1.105662", "0.5"), true, {"0.446", "0.48", "0.317"}},
      // A male 0.495 deeper leaves a slot 0.005 deep, its mouth 0.42265 + 2 (0.495) 0.57735 wide.
      {"shallow slot", male(k60, kMaleDeeper, "0.495", nullptr, "0.25", "1.105662", "0.5"), true, {"0.994", "0.005", "0.317"}},
      {"female, male deeper", female(k60, kMaleDeeper, "0.02", nullptr, "0.25", "0.5", "0.4"), true, {"1.183", "0.42", "1.381"}},
      {"typed 30", typed(female(k60, none, "", nullptr, "0.2", "0.5", "0.3"), "30"), true, {"1.446", "0.3", "1.354"}},
      // At 90° the flanks are square: K = 2 and the gib adds no width.
      {"typed 90", typed(male(k60, none, "", "0.1", "0.25", "1.5", "0.5"), "90"), true, {"1.0", "0.5", "0.5"}},
      // Male 0.005 in lower: top 1 - 2 (0.005 / tan 60° + 0.1 cos 60°) = 0.894 in.
      {"female in mm, typed, gib, male shallower", typed(female(k60, shallower, "0.127", "2.54", "6.35", "8.051", "12.7", true), "60"), true, {"22.713", "12.573", "25.543"}},
      {"no pin", male(k60, deeper, "0.01", nullptr, "", "1.105662", "0.5"), false, kNone},
      {"pin below 0.0001", male(k60, deeper, "0.01", nullptr, "0.00009", "1.105662", "0.5"), false, kNone},
      {"kind but no amount", male(k60, kMaleDeeper, "", nullptr, "0.25", "1.105662", "0.5"), false, kNone},
      {"no kind, no amount", male(k60, kNoKindChosen, "", nullptr, "0.25", "1.105662", "0.5"), false, kNone},
      {"gib without thickness", male(k60, none, "", "", "0.25", "1.105662", "0.5"), false, kNone},
      {"typed angle missing", typed(male(k60, none, "", nullptr, "0.25", "1.105662", "0.5"), ""), false, kNone},
      {"over pins missing", male(k60, none, "", nullptr, "0.25", "", "0.5"), false, kNone}, {"male depth missing", male(k60, none, "", nullptr, "0.25", "1.105662", ""), false, kNone},
      {"female depth missing", female(k60, none, "", nullptr, "0.25", "0.3", ""), false, kNone}, {"between pins missing", female(k60, none, "", nullptr, "0.25", "", "0.5"), false, kNone},
      // Complete, but a field of endless digits reads as infinity.
      {"endless over pins", male(k60, none, "", nullptr, "0.25", "1e999", "0.5"), true, kNone},
      {"endless angle", typed(male(k60, none, "", nullptr, "0.25", "1", "0.5"), "1e999"), true, kNone, 789},
      // Between pins about -2 K d: finite in inches, endless in millimetres.
      {"pin too wide for mm", male(k60, none, "", nullptr, "1e308", "1", "0.5", true), true, kNone},
      {"inch pin too wide for mm", male(k60, none, "", nullptr, "2e307", "1", "0.5"), true, kNone},
      // Sizes not above 0. Male root 0.6 - 0.68301 < 0; slot 0.5 - 0.6 deep; male
      // root 3 - 2.73205 = 0.268, slot 0.268 + 0.11547 wide for pins 2.73205 apart;
      // male 0.4 - 0.5 high; male top 0.1 + 0.68301, root 0.783 - 1.1547 < 0.
      {"over pins too small", male(k60, none, "", nullptr, "0.25", "0.6", "0.5"), true, kNone, 787},
      {"clearance over the male's depth", male(k60, kMaleDeeper, "0.6", nullptr, "0.25", "1.105662", "0.5"), true, kNone, 784},
      {"pins meet in the slot", male(k60, none, "", nullptr, "1", "3", "0.1"), true, kNone, 786},
      {"clearance over the slot's depth", female(k60, deeper, "0.5", nullptr, "0.25", "0.5", "0.4"), true, kNone, 784},
      {"male too narrow", female(k60, none, "", nullptr, "0.25", "0.1", "1"), true, kNone, 788},
      {"typed past upright", typed(male(k60, none, "", nullptr, "0.25", "1.105662", "0.5"), "100"), true, kNone, 789},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DovetailMeasurementForm form = dovetail_measurement_form(c.in);
    EXPECT_EQ(form.complete, c.complete);
    NoDovetail why = NoDovetail::kNothingToSay;
    const auto values = compute_dovetail_measurement(form.numbers, {}, &why);
    ASSERT_EQ(values.has_value(), c.texts != kNone);
    EXPECT_EQ(no_dovetail_text(why).entry, c.reason);
    if (values) {
      EXPECT_EQ(mating_part_texts(*values, c.in.at_hand, c.in.millimetre), c.texts);
    }
  }
}

// Over pins of exactly the pins' own share, 1 (1 + 1.73205): the male's
// root is nothing wide, though the slot 0.01 shallower would still be open
// at its mouth (2 (0.01) / tan 60 wide).
TEST(DovetailMeasurementForm, AMaleRootOfNothingIsTooSmall) {
  DovetailMeasurementInput in;
  in.angle = FlankAngle::k60;
  in.clearance_kind = kMaleDeeper;
  in.clearance = 0.01;
  in.pin_diameter = 1.0;
  in.over_pins = 1 + 1.7320508075688774;
  in.male_depth = 0.5;
  NoDovetail why = NoDovetail::kNothingToSay;
  EXPECT_FALSE(compute_dovetail_measurement(in, {}, &why));
  EXPECT_EQ(why, NoDovetail::kOverPinsTooSmall);
}

TEST(DovetailMeasurementForm, KeptValuesAreInInchesAndWrittenInTheUnitShown) {
  DovetailMeasurementValues previous;
  previous.gib_width = 0.1;
  previous.female_min_width = 0.123;
  In in = male(FlankAngle::k60, kNoClearance, "0.5", nullptr, "6.35", "28.0838", "12.7", true);
  auto v = compute_dovetail_measurement(dovetail_measurement_form(in).numbers, previous);
  ASSERT_TRUE(v.has_value());
  EXPECT_NEAR(v->pin_dia, 0.25, 1e-12);
  // No clearance: the typed amount is ignored; the gib width follows the field, not the
  // computation.
  EXPECT_EQ(std::make_pair(v->clearance, v->gib_width), std::make_pair(0.0, 0.1));
  for (const auto& [got, want] : {std::pair(v->male_pins, 1.1056614),
                                  {v->male_min_width, 0.4226487},
                                  {v->female_max_width, 0.9999990}})
    EXPECT_NEAR(got, want, 1e-7);
  // A female at hand leaves the mouth width as it was.
  in = female(FlankAngle::k60, kNoClearance, "", nullptr, "0.25", "0.316987", "0.5");
  v = compute_dovetail_measurement(dovetail_measurement_form(in).numbers, previous);
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->female_min_width, 0.123);
  EXPECT_NEAR(v->female_max_width, 0.9999997, 1e-7);
  EXPECT_EQ(kept_value_text(0.25, true) + " " + kept_value_text(1.105662, false) + " " +
                kept_value_text(1.105662, true),
            "6.35 1.106 28.084");
}

} // namespace
