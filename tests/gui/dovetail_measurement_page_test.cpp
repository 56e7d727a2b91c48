// Page 12, dovetail measurement, driven with real keys and clicks.
#include <gtest/gtest.h>

#include <FL/Fl.H>
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
  void type_example(bool metric = false) {
    if (metric)
      click(w().millimetre);
    click(w().angle_60);
    choose(w().clearance_kind, 3);
    type_text(w().pin, metric ? "6.35" : "0.25");
    type_text(w().over_pins, metric ? "28.0838" : "1.105662");
    type_text(w().male_depth, metric ? "12.7" : "0.5");
  }

  DovetailMeasurementPage* page = nullptr;
};

TEST_F(DovetailMeasurementPageTest, StartsWithTheMaleAtHandAndLeavesTheFocusAlone) {
  for (const Fl_Button* set : {w().male_at_hand, w().angle_45, w().inch})
    EXPECT_TRUE(set->value());
  EXPECT_FALSE(w().female_inputs->active());
  EXPECT_FALSE(w().male_results->visible());
  EXPECT_EQ(w().clearance_kind->value(), 0);
  EXPECT_FALSE(w().print->active());

  click(app->main_frame()->nav_button(1));
  click(app->main_frame()->nav_button(12));
  // Showing the page leaves the focus on the clicked button.
  EXPECT_EQ(Fl::focus(), app->main_frame()->nav_button(12));
}

TEST_F(DovetailMeasurementPageTest, FemaleAtHandGivesTheMale) {
  click(w().female_at_hand);
  EXPECT_TRUE(w().female_inputs->active());
  EXPECT_FALSE(w().male_inputs->active());
  EXPECT_FALSE(w().female_results->visible());

  click(w().angle_60);
  choose(w().clearance_kind, 3);
  type_text(w().pin, "0.25");
  type_text(w().between_pins, "0.316987");
  type_text(w().female_depth, "0.5");
  EXPECT_EQ(texts(w().male_out), (Outputs{"1.0", "0.5", "1.106"}));
  // The print is of the male to be made.
  std::vector<DovetailPrintValues> printed;
  page->print_action = [&](const DovetailPrintValues& v, DovetailSheets s) {
    EXPECT_EQ(s, DovetailSheets::kMaleOnly);
    printed.push_back(v);
  };
  click(w().print);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_FALSE(printed[0].millimetre);
  EXPECT_NEAR(printed[0].male_over_pins, 1.106, 0.001);

  // Back to the male: its own results follow its own (empty) measurements.
  click(w().male_at_hand);
  EXPECT_EQ(texts(w().female_out), (Outputs{"", "", ""}));
  EXPECT_FALSE(w().print->active());
}

TEST_F(DovetailMeasurementPageTest, InchExampleAndMissingValuesEmptyTheResults) {
  type_example();
  ASSERT_EQ(texts(w().female_out), (Outputs{"0.423", "0.5", "0.317"}));
  EXPECT_EQ(w().over_pins->textcolor(), FL_BLACK); // no range on this page's fields
  retype(w().male_depth, "");
  EXPECT_EQ(texts(w().female_out), (Outputs{"", "", ""}));
  EXPECT_FALSE(w().print->active());
  type_text(w().male_depth, "0.5");

  // Any kind but "no clearance" needs the clearance amount.
  choose(w().clearance_kind, 0);
  EXPECT_EQ(texts(w().female_out), (Outputs{"", "", ""}));
  type_text(w().clearance, "0.01");
  EXPECT_EQ(texts(w().female_out), (Outputs{"0.423", "0.51", "0.329"}));
}

TEST_F(DovetailMeasurementPageTest, SketchesFollowTheClearanceKindAndTheGib) {
  struct Case {
    int kind;
    bool gib;
    int female; // FDoveTailStandard, Deep, StandardGib, DeepGib
    int male;   // MDoveTailStandard, Shallow, Deep
    bool clearance_row;
  };
  const Case cases[] = {
      {0, false, 1, 0, true},  {1, false, 0, 1, true}, {2, false, 0, 2, true},
      {3, false, 0, 0, false}, {0, true, 3, 0, true},  {1, true, 2, 1, true},
      {2, true, 2, 2, true},   {3, true, 2, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + (c.gib ? " gib" : ""));
    if (static_cast<bool>(w().gib->value()) != c.gib)
      click(w().gib);
    choose(w().clearance_kind, c.kind);
    EXPECT_EQ(shown(w().female_sketch_groups), c.female);
    EXPECT_EQ(shown(w().male_sketch_groups), c.male);
    EXPECT_EQ(w().clearance_row->visible() != 0, c.clearance_row);
  }
  // The gib button alone changes the female sketch.
  choose(w().clearance_kind, 0);
  click(w().gib);
  EXPECT_EQ(shown(w().female_sketch_groups), 1);
}

TEST_F(DovetailMeasurementPageTest, TypedAngleAndGibRowShowTheirFields) {
  type_example();
  click(w().angle_typed);
  EXPECT_TRUE(w().typed_angle->visible());
  EXPECT_EQ(texts(w().female_out), (Outputs{"", "", ""}));
  type_text(w().typed_angle, "60");
  EXPECT_EQ(texts(w().female_out), (Outputs{"0.423", "0.5", "0.317"}));
  click(w().angle_45);
  // 45°: min width 1.105662 - 0.25 (1 + 2.4142) = 0.252, slot bottom 1.252.
  EXPECT_EQ(texts(w().female_out), (Outputs{"0.252", "0.5", "0.399"}));
  click(w().angle_60);

  click(w().gib);
  EXPECT_TRUE(w().gib_thickness->visible());
  EXPECT_EQ(texts(w().female_out), (Outputs{"", "", ""})); // thickness missing
  type_text(w().gib_thickness, "0.1");
  // 60°: the slot widens by 2 * 0.1 * cos 60° = 0.1.
  EXPECT_EQ(texts(w().female_out), (Outputs{"0.523", "0.5", "0.417"}));
  click(w().gib);
  EXPECT_FALSE(w().gib_thickness->visible());
}

TEST_F(DovetailMeasurementPageTest, UnitSwitchRewritesTheInputsFromTheStoredValues) {
  type_example();
  choose(w().clearance_kind, 0);
  type_text(w().clearance, "0.005");
  Outputs inch = {"0.423", "0.505", "0.323"};
  ASSERT_EQ(texts(w().female_out), inch);

  // The page's own radios, then the unit-system button.
  for (bool main_button : {false, true}) {
    SCOPED_TRACE(main_button ? "unit-system button" : "page radios");
    auto switch_units = [&](Fl_Button* radio) {
      click(main_button ? static_cast<Fl_Widget*>(app->main_frame()->unit_button()) : radio);
    };
    switch_units(w().millimetre);
    EXPECT_STREQ(w().over_pins->value(), "28.084");
    EXPECT_STREQ(w().clearance->value(), "0.127");
    EXPECT_EQ(texts(w().female_out), (Outputs{"10.735", "12.827", "8.198"}));
    switch_units(w().inch);
    EXPECT_STREQ(w().over_pins->value(), "1.106"); // three decimals
    EXPECT_STREQ(w().clearance->value(), "0.005");
    EXPECT_EQ(texts(w().female_out), inch); // still from the stored 1.105662
  }
  EXPECT_EQ(app->unit_system(), 0);
}

TEST_F(DovetailMeasurementPageTest, UnitSwitchKeepsWhatIsTypedWhenNothingIsComputed) {
  // Nothing computed yet: the typed values are converted, not replaced.
  type_text(w().pin, "0.25");
  type_text(w().clearance, "0.01");
  click(w().millimetre);
  EXPECT_STREQ(w().pin->value(), "6.35");
  EXPECT_STREQ(w().clearance->value(), "0.254");
  click(w().inch);

  // A clearance hidden by "no clearance" survives a switch after a result.
  type_text(w().over_pins, "1.105662");
  type_text(w().male_depth, "0.5");
  choose(w().clearance_kind, 3);
  ASSERT_TRUE(w().print->active());
  click(w().millimetre);
  EXPECT_STREQ(w().clearance->value(), "0.254");

  // So do the measurements of the part not at hand.
  click(w().inch);
  click(w().female_at_hand);
  type_text(w().between_pins, "0.3");
  click(w().male_at_hand);
  click(w().millimetre);
  EXPECT_STREQ(w().between_pins->value(), "7.62");
}

TEST_F(DovetailMeasurementPageTest, UnitButtonAndMetricSettingStartThePageInMillimetresAndPrint) {
  click(w().millimetre);
  type_text(w().pin, "6.35");
  click(app->main_frame()->unit_button()); // inch -> metric: the page is in mm already
  EXPECT_STREQ(w().pin->value(), "6.35");
  click(app->main_frame()->unit_button()); // and its millimetres were chosen here: they stay
  EXPECT_STREQ(w().pin->value(), "6.35");

  click(app->main_frame()->unit_button());
  stop_app(); // no State.ini: only the setting remains
  open_page();
  EXPECT_TRUE(w().millimetre->value());
  type_example(true);
  EXPECT_EQ(texts(w().female_out), (Outputs{"10.735", "12.7", "8.051"}));
  // The print is of the female to be made, in millimetres.
  std::vector<std::pair<DovetailPrintValues, DovetailSheets>> printed;
  page->print_action = [&](const DovetailPrintValues& v, DovetailSheets s) {
    printed.emplace_back(v, s);
  };
  click(w().print);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0].second, DovetailSheets::kFemaleOnly);
  EXPECT_TRUE(printed[0].first.millimetre);
  EXPECT_NEAR(printed[0].first.female_min_width, 10.735, 0.001);
}

// A restart in millimetres brings back the inch values, not the rounded millimetres.
TEST_F(DovetailMeasurementPageTest, RestartKeepsTheStoredInchValues) {
  click(w().millimetre);
  click(w().female_at_hand);
  click(w().angle_typed);
  type_text(w().typed_angle, "60");
  click(w().gib);
  type_text(w().gib_thickness, "2.54");
  choose(w().clearance_kind, 1);
  type_text(w().clearance, "0.127");
  type_text(w().pin, "6.35");
  type_text(w().between_pins, "8.051");
  type_text(w().female_depth, "12.7");
  ASSERT_EQ(texts(w().male_out), (Outputs{"22.713", "12.573", "25.543"}));

  restart_app();
  page = static_cast<DovetailMeasurementPage*>(app->page(12));
  click(w().inch);
  EXPECT_STREQ(w().pin->value(), "0.25");
  EXPECT_STREQ(w().gib_thickness->value(), "0.1");
  EXPECT_STREQ(w().clearance->value(), "0.005");
  // Male 0.005 lower: top 1 - 2 (0.005 / tan 60° + 0.1 cos 60°) = 0.894 in.
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
  EXPECT_EQ(w().clearance_kind->value(), -1);
  EXPECT_EQ(shown(w().male_sketch_groups), -1);
}

TEST_F(DovetailMeasurementPageTest, EverySketchDraws) {
  auto draws = [](Fl_Group* group, Fl_Widget* sketch) {
    group->show();
    settle();
    return render_widget(sketch).drawn_pixels();
  };
  for (size_t i = 0; i < 4; ++i)
    EXPECT_GT(draws(w().female_sketch_groups[i], w().female_sketches[i]), 0) << i;
  for (size_t i = 0; i < 3; ++i)
    EXPECT_GT(draws(w().male_sketch_groups[i], w().male_sketches[i]), 0) << i;
}
