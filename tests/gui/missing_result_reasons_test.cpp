// Where a page can't give a result from what was typed, one line says why;
// a field holding a refused value shows no results and comes back as left.
#include "gui/support/page_scenario.h"

#include "app/all_pages.h"

using namespace testing_support;

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
