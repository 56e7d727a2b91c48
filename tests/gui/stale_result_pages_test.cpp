// No page shows a result of values its fields no longer hold: an input
// emptied, refused (red) or changed on another page takes its results away
// or brings new ones, never leaves the old ones standing.
#include "gui/support/page_scenario.h"

#include "app/all_pages.h"

using namespace testing_support;

using StaleThreadWiresTest = PageTest<threads::ThreadWiresPage, 6>;

TEST_F(StaleThreadWiresTest, WireSizesFollowThePitchAlone) {
  const auto& s = w().sizes;
  // 20 tpi: 0.028 ... 0.045; 10 tpi: 0.056 ... 0.09, with or without a diameter.
  run(w().tpi, "20", w().major, "0.25", s[2], "=0.045", w().major, "", w().tpi, "10", s[2], "=0.09",
      w().tpi, "", s[0], "=", s[2], "=");
}

using StalePolygonTest = PageTest<geometry::PolygonPage, 9>;

TEST_F(StalePolygonTest, ATypedSideCountCountsBeforeEnterAndARefusedOneShowsNothing) {
  Fl_Widget* sides = w().sides->child(0);
  // An octagon of 10 across corners: 45°; "1" on the way to 12 is no polygon.
  run(w().value, "10", sides, "8", w().angle, "=45.0", sides, "1", w().angle, "=", w().across_flats,
      "=", sides, "1\n", sides, "=3", w().angle, "=120.0");
}

using StaleConversionsTest = PageTest<geometry::ConversionsPage, 11>;

TEST_F(StaleConversionsTest, ARefusedAngleOrAnEmptiedFractionEmptiesItsRow) {
  const auto& d = w().dms;
  run(w().degrees, "36", w().pi_radians, "=0.2", w().degrees, "3600", w().degrees, "~red", d[0],
      "=", w().pi_radians, "=", w().degrees, "36", d[0], "=36", d[1], "75", w().degrees, "=",
      w().pi_radians, "=", d[1], "0",
      // 3/8 alone, then 9/8 (ignored without whole inches), then nothing.
      w().numerator, "3", w().denominator, "8", w().inch, "=0.375", w().numerator, "9", w().inch,
      "=", w().mm, "=", w().celsius, "-", w().fahrenheit, "=");
}

class StaleBevelGearTest : public PageTest<gears::BevelGearPage, 14> {
protected:
  void choose_head(const char* name) {
    click(app->main_frame()->nav_button(7));
    auto& head = dynamic_cast<workshop::DividingHeadPage&>(*app->page(7));
    Fl_Choice* list = head.widgets().head;
    list->value(list->find_index(name));
    list->do_callback();
    click(app->main_frame()->nav_button(14));
  }
};

TEST_F(StaleBevelGearTest, ResultsFollowTheHeadAndGoWithARefusedAngle) {
  const auto& left = w().left.values;
  // 24 teeth: no setting on the Brown and Sharpe head, 1 turn 16 holes of
  // the 24 circle on the Cincinnati.
  run(w().pitch, "8", w().miter_teeth, "24", w().miter_teeth, "~red");
  choose_head("Cincinatti 40-1");
  run(w().miter_teeth, "~black", left[gears::kHoleCircleRow], "=24");
  choose_head("Brown and Sharp 40-1");
  run(w().miter_teeth, "~red", left[gears::kHoleCircleRow], "=", w().miter_teeth, "20",
      // 90° 75' is refused: the Units button must not bring back a result.
      w().dms, "click", w().shaft_dms[1], "75", left[gears::kPitchAngleRow], "=");
  units();
  run(left[gears::kPitchDiameterRow], "=");
}
