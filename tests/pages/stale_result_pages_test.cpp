// No page shows a result of values its fields no longer hold: an input
// emptied, refused (red) or changed on another page takes its results away
// or brings new ones. Where the values can't make a result, a line says why.
#include "support/page_scenario.h"

#include "app/all_pages.h"

using namespace testing_support;

class StaleResultsTest : public PageTest<geometry::RightTrianglePage, 2> {
protected:
  template <class P> const auto& open_page(int number) {
    click(app->main_frame()->nav_button(number));
    return dynamic_cast<P&>(*app->page(number)).widgets();
  }
  void choose_head(const char* name) {
    Fl_Choice* list = open_page<workshop::DividingHeadPage>(7).head;
    list->value(list->find_index(name));
    list->do_callback();
  }
};

TEST_F(StaleResultsTest, BevelResultsFollowTheHeadAndGoWithARefusedAngle) {
  // 24 teeth: no setting on the Brown and Sharpe head, one on the 24 circle
  // of the Cincinnati; the page follows a head chosen on its own page.
  const auto& bevel = open_page<gears::BevelGearPage>(14);
  const auto& left = bevel.left.values;
  run(bevel.pitch, "8", bevel.miter_teeth, "24", bevel.miter_teeth, "~red");
  choose_head("Cincinatti 40-1");
  open_page<gears::BevelGearPage>(14);
  run(bevel.miter_teeth, "~black", left[gears::kHoleCircleRow], "=24");
  choose_head("Brown and Sharp 40-1");
  open_page<gears::BevelGearPage>(14);
  run(bevel.miter_teeth, "~red", left[gears::kHoleCircleRow], "=", bevel.miter_teeth, "20",
      // 90° 75' is refused: the Units button must not bring back a result.
      bevel.dms, "click", bevel.shaft_dms[1], "75", left[gears::kPitchAngleRow], "=");
  units();
  run(left[gears::kPitchDiameterRow], "=");
}

TEST_F(StaleResultsTest, EachPageSaysWhyItsValuesMakeNothingUntilTheyDo) {
  run(w().case_buttons[4], "click", w().input1, "5", w().input2, "3", w().reason, "@800",
      w().input2, "13", w().reason, "=");
  const auto& oblique = open_page<geometry::ObliqueTrianglePage>(3);
  const auto& sides = oblique.decimal_inputs;
  run(sides[0], "1", sides[1], "2", sides[2], "5", oblique.reason, "@802", sides[2], "2",
      oblique.reason, "=");
  const auto& bolts = open_page<geometry::BoltCirclePage>(5);
  run(bolts.total_holes, "4", bolts.holes_to_list, "6", bolts.reason, "@809", bolts.holes_to_list,
      "4", bolts.reason, "=");
  const auto& wires = open_page<threads::ThreadWiresPage>(6);
  // 20 tpi takes wires of 0.028 ... 0.045; without a pitch, no sizes.
  run(wires.tpi, "20", wires.major, "0.25", wires.wire, "0.05", wires.reason, "@806", wires.wire,
      "0.03", wires.reason, "=", wires.tpi, "", wires.sizes[2], "=");
  const auto& polygon = open_page<geometry::PolygonPage>(9);
  run(polygon.known[3], "click", polygon.sides->child(0), "6\n", polygon.reason, "@805",
      polygon.sides->child(0), "5\n", polygon.reason, "=");
  const auto& pins = open_page<gears::OverPinsPage>(15);
  run(pins.pitch, "10", pins.teeth, "20", pins.pin, "0.168", pins.over_pins, "1.5", pins.note,
      "@808", pins.over_pins, "2.23", pins.note, "@469");
}

// Where a page can't give a result from what was typed, one line says why;
// a field holding a refused value shows no results and comes back as left.
using MissingSegmentTest = PageTest<geometry::CircleSegmentPage, 1>;
TEST_F(MissingSegmentTest, AChordOverTheDiameterIsToldAndARefusedAngleGivesNothing) {
  run(w().first, "12.5", w().second, "60", w().row_values[0], "=", w().reason, "~shown", w().reason,
      "@780", w().second, "6", w().reason, "~hidden",
      // Radius and angle: 179.99999995 is past the field's range, a unit switch too.
      w().known, "#0", w().first, "10", w().second, "179.99999995", w().second, "~red");
  units();
  run(w().row_values[0], "=");
  restart_app(); // and the angle comes back as it was left
  run(w().second, "~red", w().row_values[0], "=");
}

using MissingDovetailTest = PageTest<workshop::DovetailPage, 4>;
TEST_F(MissingDovetailTest, FlanksThatMeetAreToldInTheFirstNotesPlace) {
  // 0.5 wide and deep at 45°: the male's root 0.5 - 2 x 0.5 is below 0.
  run(w().width, "0.5", w().depth, "0.5", w().pin, "0.25", w().reason, "@785", w().reason, "~shown",
      w().first_note, "~hidden", w().results[0], "=", w().width, "2", w().reason, "~hidden",
      w().first_note, "~shown", w().results[0], "=1.0");
}

using MissingThreadTest = PageTest<threads::ThreadSeriesPage, 8>;
TEST_F(MissingThreadTest, ARefusedEngagementShowsNoDrillsAndComesBackAsLeft) {
  run(w().series, "#3", w().diameter, "0.25", w().pitch, "20", w().drill_inch, "=0.209",
      w().percent, "0", w().drill_inch, "=", w().reference_inch, "=");
  EXPECT_EQ(w().drill_names->size(), 0);
  restart_app();
  run(w().percent, "=0", w().percent, "~red", w().drill_inch, "=",
      // 1 thread per inch on 0.01: 0.01 - 1.082532 x 0.75 leaves no hole.
      w().percent, "75", w().diameter, "0.01", w().pitch, "1", w().reason, "@790",
      w().reference_inch, "=");
}

using MissingMatingTest = PageTest<workshop::DovetailMeasurementPage, 12>;
TEST_F(MissingMatingTest, TooLittleOverThePinsIsTold) {
  // At 45° two pins of 0.25 take up 0.25 x 3.414 = 0.854 on their own.
  run(w().pin, "0.25", w().over_pins, "0.5", w().male_depth, "0.5", w().clearance, "0.01",
      w().reason, "@787", w().print, "~inactive", w().over_pins, "1.5", w().reason, "~hidden");
}

using MissingWormTest = PageTest<gears::WormGearPage, 13>;
TEST_F(MissingWormTest, AWormTooSmallForItsTeethIsTold) {
  // DP 8: teeth 0.2696 deep on each side of a worm of 0.5.
  run(w().pitch, "8", w().teeth, "40", w().diameter, "0.5", w().backlash, "0.005", w().reason,
      "@792", w().diameter, "1.25", w().reason, "~hidden", w().outputs[gears::kCentreDistance],
      "=3.0");
}
