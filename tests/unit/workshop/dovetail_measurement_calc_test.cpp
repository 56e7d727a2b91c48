// Dovetail measurement: the mating part's sizes from the part at hand, as the page shows them.
#include <gtest/gtest.h>

#include <limits>

#include "calc/workshop/dovetail_measurement_calc.h"
#include "numeric/number_text.h"

using namespace workshop;

namespace {

DovetailMeasurementInput male(FlankAngle angle, int kind, double pin, double over, double depth) {
  DovetailMeasurementInput in;
  in.at_hand = PartAtHand::kMale;
  in.angle = angle;
  in.clearance_kind = kind;
  in.pin_diameter = pin;
  in.over_pins = over;
  in.male_depth = depth;
  return in;
}

DovetailMeasurementInput female(FlankAngle angle, int kind, double pin, double between,
                                double depth) {
  DovetailMeasurementInput in = male(angle, kind, pin, 0, 0);
  in.at_hand = PartAtHand::kFemale;
  in.between_pins = between;
  in.female_depth = depth;
  return in;
}

DovetailMeasurementInput with(DovetailMeasurementInput in, double clearance, double gib = 0,
                              bool millimetre = false) {
  in.clearance = clearance;
  in.gib = gib > 0;
  in.gib_thickness = gib;
  in.millimetre = millimetre;
  return in;
}

DovetailMeasurementInput typed(DovetailMeasurementInput in, double degrees) {
  in.angle = FlankAngle::kTyped;
  in.typed_angle = degrees;
  return in;
}

constexpr auto k60 = FlankAngle::k60;
constexpr auto k45 = FlankAngle::k45;

struct Case {
  const char* name;
  DovetailMeasurementInput input;
  const char* sizes; // width (female mouth or male top), depth, pins
};

} // namespace

TEST(DovetailMeasurementCalc, MatingPartSizesAsShown) {
  const Case cases[] = {
      // Inverse of the dovetail page's first example: W = 1, D = 0.5, 60°, pin 0.25.
      {"male inch", male(k60, kNoClearance, 0.25, 1.105662, 0.5), "0.423 0.5 0.317"},
      {"male mm", with(male(k60, kNoClearance, 6.35, 28.0838, 12.7), 0, 0, true),
       "10.735 12.7 8.051"},
      {"female inch", female(k60, kNoClearance, 0.25, 0.316987, 0.5), "1.0 0.5 1.106"},
      // Slot deeper by 0.01 and a gib of 0.1 at 45°: the slot widens by 2c and 2g cos 45°.
      {"male, gib", with(male(k45, kFemaleDeeper, 0.25, 1.853553, 0.5), 0.01, 0.1),
       "1.141 0.51 1.308"},
      {"male shallower", with(male(k60, kMaleShallower, 0.25, 1.105662, 0.5), 0.02, 0.05),
       "0.473 0.52 0.39"},
      // A taller male: the slot is shallower and its mouth wider than the male's root.
      {"male deeper", with(male(k60, kMaleDeeper, 0.25, 1.105662, 0.5), 0.02), "0.446 0.48 0.317"},
      // No kind chosen: the slot deeper for a male at hand, no clearance for a female.
      {"male, no kind", with(male(k60, kNoKindChosen, 0.25, 1.105662, 0.5), 0.01),
       "0.423 0.51 0.329"},
      {"female, gib", with(female(k45, kFemaleDeeper, 0.25, 1.30786797, 0.51), 0.01, 0.1),
       "2.0 0.5 1.854"},
      {"female, male deeper", with(female(k60, kMaleDeeper, 0.25, 0.5, 0.4), 0.02),
       "1.183 0.42 1.381"},
      {"female, no kind", with(female(k60, kNoKindChosen, 0.25, 0.316987, 0.5), 0.01),
       "1.0 0.5 1.106"},
      {"typed 30", typed(female(k60, kNoClearance, 0.2, 0.5, 0.3), 30), "1.446 0.3 1.354"},
      // At 90° the flanks are square: K = 2 and the gib adds no width.
      {"typed 90", with(typed(male(k60, kNoClearance, 0.25, 1.5, 0.5), 90), 0, 0.1), "1.0 0.5 0.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto values = compute_dovetail_measurement(c.input, {});
    ASSERT_TRUE(values.has_value());
    MatingPartSizes sizes = mating_part_sizes(*values, c.input.at_hand, c.input.millimetre);
    EXPECT_EQ(numeric::format_fixed(3, sizes.width) + " " + numeric::format_fixed(3, sizes.depth) +
                  " " + numeric::format_fixed(3, sizes.pins),
              c.sizes);
  }
}

TEST(DovetailMeasurementCalc, KeptValuesAreInInches) {
  auto in = with(male(k60, kNoClearance, 6.35, 28.0838, 12.7), 0.5, 0, true);
  DovetailMeasurementValues previous;
  previous.gib_width = 0.1;
  auto v = compute_dovetail_measurement(in, previous);
  ASSERT_TRUE(v.has_value());
  EXPECT_NEAR(v->pin_dia, 0.25, 1e-12);
  EXPECT_EQ(v->clearance, 0.0); // no clearance: the typed amount is ignored
  EXPECT_EQ(v->gib_width, 0.1); // follows the gib field, not the computation
  EXPECT_NEAR(v->male_pins, 1.1056614, 1e-7);
  EXPECT_NEAR(v->male_min_width, 0.4226487, 1e-7);
  EXPECT_NEAR(v->female_max_width, 0.9999990, 1e-7);
}

TEST(DovetailMeasurementCalc, FemaleAtHandLeavesTheMouthWidthAsItWas) {
  DovetailMeasurementValues previous;
  previous.female_min_width = 0.123;
  auto v = compute_dovetail_measurement(female(k60, kNoClearance, 0.25, 0.316987, 0.5), previous);
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->female_min_width, 0.123);
  EXPECT_NEAR(v->female_max_width, 0.9999997, 1e-7);
}

TEST(DovetailMeasurementCalc, MissingValuesGiveNoResult) {
  auto base = male(k60, kFemaleDeeper, 0.25, 1.105662, 0.5);
  auto set = [](DovetailMeasurementInput in, auto field, auto value) {
    in.*field = value;
    return in;
  };
  struct Row {
    const char* name;
    DovetailMeasurementInput input;
    bool complete;
  };
  const Row rows[] = {
      {"all there", with(base, 0.01), true},
      {"no pin", with(set(base, &DovetailMeasurementInput::pin_diameter, 0), 0.01), false},
      {"pin below 0.0001", with(set(base, &DovetailMeasurementInput::pin_diameter, 0.00009), 0.01),
       false},
      {"clearance missing", base, false},
      {"clearance missing, no clearance kind",
       set(base, &DovetailMeasurementInput::clearance_kind, kNoClearance), true},
      {"clearance missing, no kind chosen",
       set(base, &DovetailMeasurementInput::clearance_kind, kNoKindChosen), false},
      {"typed angle missing", typed(with(base, 0.01), 0), false},
      {"typed angle there", typed(with(base, 0.01), 50), true},
      {"gib without thickness",
       [&] {
         auto in = with(base, 0.01);
         in.gib = true;
         return in;
       }(),
       false},
      {"over pins missing", with(set(base, &DovetailMeasurementInput::over_pins, 0), 0.01), false},
      {"male depth missing", with(set(base, &DovetailMeasurementInput::male_depth, 0), 0.01),
       false},
      // Only the part at hand is measured.
      {"female at hand, its measurements missing",
       with(set(base, &DovetailMeasurementInput::at_hand, PartAtHand::kFemale), 0.01), false},
      {"female at hand, depth missing", with(female(k60, kFemaleDeeper, 0.25, 0.3, 0), 0.01),
       false},
      {"female at hand, between pins missing", with(female(k60, kFemaleDeeper, 0.25, 0, 0.5), 0.01),
       false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(measurements_complete(r.input), r.complete);
    EXPECT_EQ(compute_dovetail_measurement(r.input, {}).has_value(), r.complete);
  }
}

TEST(DovetailMeasurementCalc, ResultsThatAreNotNumbersGiveNoResult) {
  // A field holding an endless run of digits reads as infinity.
  const double endless = std::numeric_limits<double>::infinity();
  auto huge = male(k60, kNoClearance, 0.25, endless, 0.5);
  EXPECT_FALSE(compute_dovetail_measurement(huge, {}).has_value());
  auto angle = typed(male(k60, kNoClearance, 0.25, 1.0, 0.5), endless);
  EXPECT_FALSE(compute_dovetail_measurement(angle, {}).has_value());
  // Between pins about -2 K d: finite in inches, endless in millimetres.
  auto wide_pin = with(male(k60, kNoClearance, 1e308, 1.0, 0.5), 0, 0, true);
  EXPECT_FALSE(compute_dovetail_measurement(wide_pin, {}).has_value());
  auto wide_inch_pin = male(k60, kNoClearance, 2e307, 1.0, 0.5);
  EXPECT_FALSE(compute_dovetail_measurement(wide_inch_pin, {}).has_value());
}
