// Page 12, dovetail measurement: controls reach the form and the rows,
// sketches and results show; the unit pair rewrites from the kept values;
// Print, restore and focus.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>

#include <array>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "calc/workshop/dovetail_measurement_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using workshop::DovetailMeasurementPage;
using workshop::DovetailPrintValues;
using workshop::DovetailSheets;

namespace {

using Outputs = std::array<std::string, 3>;

Outputs texts(const std::array<Fl_Output*, 3>& out) {
  return {out[0]->value(), out[1]->value(), out[2]->value()};
}

void choose(Fl_Choice* choice, int item) {
  choice->value(item);
  choice->do_callback();
}

// Index of the one visible group, -1 for none, -2 for more than one.
template <size_t N> int shown(const std::array<Fl_Group*, N>& groups) {
  int found = -1;
  for (size_t i = 0; i < N; ++i)
    if (groups[i]->visible())
      found = found == -1 ? static_cast<int>(i) : -2;
  return found;
}

} // namespace

class DovetailMeasurementPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }

  void open_page() {
    start_app();
    click(app->main_frame()->nav_button(12));
    page = static_cast<DovetailMeasurementPage*>(app->page(12));
  }
  const DovetailMeasurementPage::Widgets& w() const { return page->widgets(); }

  // Male at hand, 60°, no clearance: the dovetail page's first example turned round.
  void type_example() {
    click(w().angle_60);
    choose(w().clearance_kind, 3);
    type_text(w().pin, "0.25");
    type_text(w().over_pins, "1.105662");
    type_text(w().male_depth, "0.5");
  }

  DovetailMeasurementPage* page = nullptr;
};

TEST_F(DovetailMeasurementPageTest, ControlsReachTheFormAndItsRowsSketchesAndResultsShow) {
  EXPECT_FALSE(w().female_inputs->active());
  EXPECT_FALSE(w().male_results->visible());
  EXPECT_EQ(shown(w().female_sketch_groups), 1); // slot deeper, no gib
  // Showing the page leaves the focus on the clicked button.
  EXPECT_EQ(Fl::focus(), app->main_frame()->nav_button(12));

  type_example();
  EXPECT_EQ(texts(w().female_out), (Outputs{"0.423", "0.5", "0.317"}));
  EXPECT_FALSE(w().clearance_row->visible());
  choose(w().clearance_kind, 0);
  EXPECT_EQ(texts(w().female_out), (Outputs{"", "", ""})); // the amount is missing
  EXPECT_FALSE(w().print->active());
  type_text(w().clearance, "0.01");
  EXPECT_EQ(texts(w().female_out), (Outputs{"0.423", "0.51", "0.329"}));

  click(w().gib);
  EXPECT_TRUE(w().gib_thickness->visible());
  EXPECT_FALSE(w().gib_cover->visible());
  EXPECT_EQ(shown(w().female_sketch_groups), 3);
  EXPECT_GT(render_widget(w().female_sketches[3]).drawn_pixels(), 0);
  click(w().angle_typed);
  EXPECT_TRUE(w().typed_angle->visible());

  click(w().female_at_hand);
  EXPECT_TRUE(w().female_inputs->active());
  EXPECT_FALSE(w().male_inputs->visible());
  EXPECT_TRUE(w().male_results->visible());
  click(w().gib);
  click(w().angle_60);
  choose(w().clearance_kind, 3);
  type_text(w().between_pins, "0.316987");
  type_text(w().female_depth, "0.5");
  EXPECT_EQ(texts(w().male_out), (Outputs{"1.0", "0.5", "1.106"}));
  std::vector<std::pair<DovetailPrintValues, DovetailSheets>> printed;
  page->print_action = [&](const DovetailPrintValues& v, DovetailSheets s) {
    printed.emplace_back(v, s);
  };
  click(w().print);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0].second, DovetailSheets::kMaleOnly);
  EXPECT_NEAR(printed[0].first.male_over_pins, 1.106, 0.001);
}

TEST_F(DovetailMeasurementPageTest, UnitPairRewritesTheInputsFromTheKeptInchValues) {
  // Nothing computed yet: the typed values are converted, not replaced.
  type_text(w().clearance, "0.01");
  click(w().millimetre);
  EXPECT_STREQ(w().clearance->value(), "0.254");
  click(w().inch);

  type_example();
  choose(w().clearance_kind, 0);
  retype(w().clearance, "0.005");
  const Outputs inch = {"0.423", "0.505", "0.323"};
  ASSERT_EQ(texts(w().female_out), inch);
  for (bool main_button : {false, true}) {
    SCOPED_TRACE(main_button ? "unit-system button" : "page radios");
    auto switch_units = [&](Fl_Button* radio) {
      click(main_button ? static_cast<Fl_Widget*>(app->main_frame()->unit_button()) : radio);
    };
    switch_units(w().millimetre);
    EXPECT_STREQ(w().over_pins->value(), "28.084");
    EXPECT_EQ(texts(w().female_out), (Outputs{"10.735", "12.827", "8.198"}));
    switch_units(w().inch);
    // Back where it was: what was typed, not the kept value to three decimals.
    EXPECT_STREQ(w().over_pins->value(), "1.105662");
    EXPECT_EQ(texts(w().female_out), inch);
  }
}

// A restart in millimetres brings back the inch values, not the rounded millimetres.
TEST_F(DovetailMeasurementPageTest, RestartKeepsTheStoredInchValues) {
  click(w().millimetre);
  click(w().female_at_hand);
  click(w().gib);
  type_text(w().gib_thickness, "2.54");
  click(w().angle_60);
  choose(w().clearance_kind, 1);
  type_text(w().clearance, "0.127");
  type_text(w().pin, "6.35");
  type_text(w().between_pins, "8.051");
  type_text(w().female_depth, "12.7");
  ASSERT_EQ(texts(w().male_out), (Outputs{"22.713", "12.573", "25.543"}));

  restart_app();
  page = static_cast<DovetailMeasurementPage*>(app->page(12));
  EXPECT_TRUE(w().gib_thickness->visible());
  EXPECT_TRUE(w().male_results->visible());
  click(w().inch);
  EXPECT_STREQ(w().pin->value(), "0.25");
  EXPECT_STREQ(w().gib_thickness->value(), "0.1");
  EXPECT_EQ(texts(w().male_out), (Outputs{"0.894", "0.495", "1.006"}));
}

TEST_F(DovetailMeasurementPageTest, RestoreKeepsOrRecomputesByTheFlag) {
  const std::string inputs = "[p12]\ndove_pin_diameter2 = 0.25\nmale_between_pins2 = 1.105662\n"
                             "depth_male_dovetail2 = 0.5\ndove_clearance_amount2 = 0.01\n"
                             "dove_female_width2out = 9\ndove_angle = 0\n";
  struct Case {
    const char* keys;
    Outputs shown;
    int sketch; // female sketch group shown, -1 none
  };
  const Case cases[] = {
      // Saved outputs that don't belong to the inputs: the flag says so.
      {"dove_type = 3\ndove2_calc = 0\n", {"0.423", "0.5", "0.317"}, 0},
      {"dove_type = 3\ndove2_calc = 1\ndove2_female_min_width = nan\n", {"9", "", ""}, 0},
      // No kind chosen: no sketch, computed as a slot deeper by the clearance.
      {"dove_type = -1\n", {"0.423", "0.51", "0.329"}, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    dir.write_file("State.ini", inputs + c.keys);
    open_page();
    EXPECT_EQ(texts(w().female_out), c.shown);
    EXPECT_TRUE(w().print->active());
    EXPECT_EQ(shown(w().female_sketch_groups), c.sketch);
  }
  EXPECT_TRUE(w().clearance_row->visible());
}
