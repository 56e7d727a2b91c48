// The dovetail pages' wiring, driven with real keys and clicks, and their
// seven sketches: exact pixels worked out from the coordinate tables.
#include "gui/support/page_scenario.h"

#include <FL/Fl_Double_Window.H>

#include <memory>

#include "calc/workshop/dovetail_measurement_page.h"
#include "calc/workshop/dovetail_page.h"
#include "calc/workshop/dovetail_sketches.h"

using namespace testing_support;
using namespace workshop;

// --- dovetail ---
using DovetailPageTest = PageTest<workshop::DovetailPage, 4>;

TEST_F(DovetailPageTest, ControlsReachTheFormAndItsFieldsSketchesAndRowsShow) {
  const auto& r = w().results;
  auto sketches = [&] { return std::make_pair(shown(w().female_groups), shown(w().male_groups)); };
  EXPECT_EQ(sketches(), std::make_pair(1, 0)); // deeper slot, standard male
  run(w().width, "~focus", w().print, "~inactive", w().width, "1", w().depth, ".5", w().pin, ".25",
      w().angle_60, "click", w().clearance_kind, "#2", w().clearance, ".1", r[0], "=0.423", r[3],
      "=0.6", r[4], "=0.317", r[5], "=0.99", w().print, "~active");
  EXPECT_EQ(sketches(), std::make_pair(0, 2));
  run(w().clearance_kind, "#0", w().gib, "click", w().gib_thickness, "~shown", r[0], "=", w().print,
      "~inactive", w().gib_thickness, ".05", r[0], "=0.48", r[2], "=0.6", r[3], "=0.5", r[4],
      "=0.49", r[5], "=1.106");
  EXPECT_EQ(sketches(), std::make_pair(3, 0));
  for (Fl_Group* group : {w().female_groups[3], w().male_groups[0]})
    EXPECT_GT(render_widget(group->child(0)).drawn_pixels(), 0);
  run(w().clearance_kind, "#3", w().clearance, "~hidden", w().angle_typed, "click", w().typed_angle,
      "60", r[1], "=1.0", w().typed_angle, "605", w().typed_angle, "~red", r[1],
      "="); // never the results of 60
}

TEST_F(DovetailPageTest, UnitsConvertOnceWhicheverButtonSwitchesThemAndPrintFollows) {
  run(w().width, "1", w().depth, ".5", w().pin, ".25", w().clearance, ".1", w().angle_60, "click",
      w().clearance_kind, "#1", w().mm, "click", w().width, "=25.4", w().results[5], "=28.084",
      app->main_frame()->unit_button(), "click", w().width, "=25.4");
  std::vector<workshop::DovetailPrintValues> printed;
  page().set_print_action([&](const workshop::DovetailPrintValues& v) { printed.push_back(v); });
  click(w().print);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_TRUE(printed[0].millimetre);
  EXPECT_NEAR(printed[0].male_max_width, 0.8845299 * 25.4, 1e-5); // male 0.1 lower
  EXPECT_NEAR(printed[0].female_between_pins, 0.3169873 * 25.4, 1e-5);
}

TEST_F(DovetailPageTest, RestoreShowsTheRestoredModesComputesAndConvertsTheUnitOnce) {
  dir.write_file("State.ini", "[p4]\ndove_nominal_width = 25.4\ndove_nominal_depth = 12.7\n"
                              "dove_pin_diameter = 6.35\ndove_angle = 2\n"
                              "dovetail_angle_specify = 60\ndove_type = -1\ndove_gib_yes = 1\n"
                              "p4_measure = 1\n[page]\npage = 3\n");
  start_app(); // the gib has no thickness yet; no kind, no sketch
  EXPECT_EQ(std::make_pair(shown(w().female_groups), shown(w().male_groups)),
            std::make_pair(-1, -1));
  run(w().typed_angle, "~shown", w().gib_thickness, "~shown", w().results[0], "=", w().gib, "click",
      w().results[0], "=10.735", w().results[4], "=8.051", w().results[5], "=28.084", w().inch,
      "click", w().width, "=1");
}

// --- dovetail measurement ---
using DovetailMeasurementPageTest = PageTest<workshop::DovetailMeasurementPage, 12>;
using workshop::DovetailPrintValues;
using workshop::DovetailSheets;

TEST_F(DovetailMeasurementPageTest, ControlsReachTheFormAndItsRowsSketchesAndResultsShow) {
  const auto& f = w().female_out; // width, depth, between pins
  const auto& m = w().male_out;
  EXPECT_EQ(shown(w().female_sketch_groups), 1); // slot deeper, no gib
  // Male at hand, 60°, no clearance: the dovetail page's first example turned round.
  run(app->main_frame()->nav_button(12), "~focus", w().female_inputs, "~inactive", w().male_results,
      "~hidden", w().angle_60, "click", w().clearance_kind, "#3", w().pin, "0.25", w().over_pins,
      "1.105662", w().male_depth, "0.5", f[0], "=0.423", f[1], "=0.5", f[2], "=0.317",
      w().clearance_row, "~hidden", w().clearance_kind, "#0", f[0], "=", w().print, "~inactive",
      w().clearance, "0.01", f[1], "=0.51", f[2], "=0.329", w().gib, "click", w().gib_thickness,
      "~shown", w().gib_cover, "~hidden", w().angle_typed, "click", w().typed_angle, "~shown");
  EXPECT_EQ(shown(w().female_sketch_groups), 3);
  EXPECT_GT(render_widget(w().female_sketches[3]).drawn_pixels(), 0);
  run(w().female_at_hand, "click", w().female_inputs, "~active", w().male_results, "~shown",
      w().male_inputs, "~hidden", w().gib, "click", w().angle_60, "click", w().clearance_kind, "#3",
      w().between_pins, "0.316987", w().female_depth, "0.5", m[0], "=1.0", m[1], "=0.5", m[2],
      "=1.106");
  std::vector<std::pair<DovetailPrintValues, DovetailSheets>> printed;
  page().print_action = [&](const DovetailPrintValues& v, DovetailSheets s) {
    printed.emplace_back(v, s);
  };
  click(w().print);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0].second, DovetailSheets::kMaleOnly);
  EXPECT_NEAR(printed[0].first.male_over_pins, 1.106, 0.001);
}

// Back in inches the fields show what was typed, not the kept value to three places.
TEST_F(DovetailMeasurementPageTest, UnitPairRewritesTheInputsFromTheKeptInchValues) {
  const auto& f = w().female_out;
  run(w().clearance, "0.01", w().millimetre, "click", w().clearance, "=0.254", w().inch, "click",
      w().angle_60, "click", w().pin, "0.25", w().over_pins, "1.105662", w().male_depth, "0.5",
      w().clearance_kind, "#0", w().clearance, "0.005", f[0], "=0.423", f[1], "=0.505", f[2],
      "=0.323");
  for (Fl_Widget* to_mm : {static_cast<Fl_Widget*>(w().millimetre),
                           static_cast<Fl_Widget*>(app->main_frame()->unit_button())}) {
    Fl_Widget* to_inch = to_mm == w().millimetre ? w().inch : to_mm;
    run(to_mm, "click", w().over_pins, "=28.084", f[0], "=10.735", f[1], "=12.827", f[2], "=8.198",
        to_inch, "click", w().over_pins, "=1.105662", f[1], "=0.505");
  }
}

TEST_F(DovetailMeasurementPageTest, RestartKeepsTheStoredInchValuesNotTheRoundedMillimetres) {
  const auto& m = w().male_out;
  run(w().millimetre, "click", w().female_at_hand, "click", w().gib, "click", w().gib_thickness,
      "2.54", w().angle_60, "click", w().clearance_kind, "#1", w().clearance, "0.127", w().pin,
      "6.35", w().between_pins, "8.051", w().female_depth, "12.7", m[0], "=22.713", m[1], "=12.573",
      m[2], "=25.543");
  restart_app();
  run(w().gib_thickness, "~shown", w().male_results, "~shown", w().inch, "click", w().pin, "=0.25",
      w().gib_thickness, "=0.1", w().male_out[0], "=0.894", w().male_out[1], "=0.495",
      w().male_out[2], "=1.006");
}

TEST_F(DovetailMeasurementPageTest, RestoreKeepsOrRecomputesByTheFlag) {
  const std::string inputs = "[p12]\ndove_pin_diameter2 = 0.25\nmale_between_pins2 = 1.105662\n"
                             "depth_male_dovetail2 = 0.5\ndove_clearance_amount2 = 0.01\n"
                             "dove_female_width2out = 9\ndove_angle = 0\n";
  const struct {
    const char *keys, *width, *depth;
    int sketch; // female sketch group shown, -1 none
  } cases[] = { // Saved outputs that don't belong to the inputs: the flag says so.
               {"dove_type = 3\ndove2_calc = 0\n", "=0.423", "=0.5", 0},
               {"dove_type = 3\ndove2_calc = 1\ndove2_female_min_width = nan\n", "=9", "=", 0},
               // No kind chosen: no sketch, computed as a slot deeper by the clearance.
               {"dove_type = -1\n", "=0.423", "=0.51", -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    dir.write_file("State.ini", inputs + c.keys);
    start_app();
    open();
    run(w().female_out[0], c.width, w().female_out[1], c.depth, w().print, "~active");
    EXPECT_EQ(shown(w().female_sketch_groups), c.sketch);
  }
  EXPECT_TRUE(w().clearance_row->visible());
}

// --- the sketches, drawn offscreen at the page's width and a wider one ---

const Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kYellow{255, 255, 0},
    kCyan{0, 255, 255};
const int kWidths[2] = {658, 758}; // the page's width and a wider one

struct DovetailSketchTest : AppTest {
  void SetUp() override { start_app(); }
  // The sketch alone in a shown window, drawn at its own size.
  template <class Sketch> Rendered render(int w, int h) {
    window = std::make_unique<Fl_Double_Window>(w + 20, h + 20);
    Fl_Widget* sketch = new Sketch(*app, 10, 10, w, h);
    window->end();
    window->show();
    return render_widget(sketch);
  }
  using Render = Rendered (DovetailSketchTest::*)(int, int);
  void expect(const Rendered& image, std::initializer_list<std::pair<std::array<int, 2>, Rgb>> at) {
    for (const auto& [xy, rgb] : at)
      EXPECT_EQ(pixel(image, xy[0], xy[1]), rgb) << "at " << xy[0] << ", " << xy[1];
  }
  std::unique_ptr<Fl_Double_Window> window;
};

TEST_F(DovetailSketchTest, FemaleSketchesFollowTheirCoordinateTables) {
  // Outline p4 = (X - p4_in, bottom), p5 = (p5_in, bottom).
  const struct {
    Render render;
    int p4_in, p5_in, bottom;
    bool gib;
  } cases[] = {{&DovetailSketchTest::render<FDoveTailStandard>, 150, 150, 60, false},
               {&DovetailSketchTest::render<FDoveTailDeep>, 145, 145, 55, false},
               {&DovetailSketchTest::render<FDoveTailStandardGib>, 150, 140, 60, true},
               {&DovetailSketchTest::render<FDoveTailDeepGib>, 145, 135, 55, true}};
  for (const auto& c : cases) {
    int yellow[2], red[2];
    for (int i : {0, 1}) {
      const int X = kWidths[i], b = c.bottom;
      SCOPED_TRACE(std::to_string(c.p5_in + b) + " at width " + std::to_string(X));
      Rendered image = (this->*c.render)(X, 130);
      // Corners p0 to p3; the blocks left of, above and right of the slot, outside;
      // the open slot, a pin in each corner and one's rim; the gib's inner edge.
      expect(image, {{{100, 20}, kBlack},
                     {{X - 100, 20}, kBlack},
                     {{X - 100, 110}, kBlack},
                     {{X - 200, 110}, kBlack},
                     {{120, 100}, kYellow},
                     {{X - 110, 30}, kYellow},
                     {{X - 120, 100}, kYellow},
                     {{X - 99, 100}, kWhite},
                     {{X / 2, b + 3}, kWhite},
                     {{X - c.p4_in - 49, b + 21}, kRed},
                     {{X - c.p4_in - 69, b + 21}, kBlack},
                     {{c.p5_in + 50, b + 21}, kRed},
                     {{c.p5_in + 11, b + 1}, c.gib ? kBlack : kWhite}});
      yellow[i] = image.pixels_of(255, 255, 0);
      red[i] = image.pixels_of(255, 0, 0);
    }
    // Each block row above the slot (p0.y + 1 to p5.y - 1) is 100 pixels longer;
    // two pins of diameter 40 are about 2 x 1257 pixels less their outline.
    EXPECT_NEAR(yellow[1] - yellow[0], 100 * (c.bottom - 21), 20);
    EXPECT_EQ(red[0], red[1]);
    EXPECT_GT(red[0], 2000);
    EXPECT_LT(red[0], 2 * 1257);
  }
}

TEST_F(DovetailSketchTest, MaleSketchesFollowTheirCoordinateTables) {
  // p0, p1, p4, p5 on base_top; p3 = (X - p3_in, top); pin boxes at p4.x +
  // right_pin and p1.x - left_pin; the over-pins witness line at p4.x + extension.
  const struct {
    Render render;
    int base_top, p3_in, top, right_pin, left_pin, extension;
    int cyan_growth; // more cyan per 100 pixels of width
  } cases[] = {{&DovetailSketchTest::render<MDoveTailStandard>, 75, 150, 25, 29, 68, 69, 8400},
               {&DovetailSketchTest::render<MDoveTailShallow>, 75, 154, 30, 30, 68, 70, 7900},
               // The dashed base line of a standard male crosses the tongue:
               // half of its 100 extra pixels are dashes.
               {&DovetailSketchTest::render<MDoveTailDeep>, 80, 150, 25, 26, 65, 65, 8350}};
  for (const auto& c : cases) {
    int cyan[2];
    for (int i : {0, 1}) {
      const int X = kWidths[i];
      SCOPED_TRACE(std::to_string(c.cyan_growth) + " at width " + std::to_string(X));
      Rendered image = (this->*c.render)(X, 150);
      // Corners p0, p3, p5, p6; the base at both ends, inside the tongue, outside;
      // the pins outside the flanks, one's rim, the witness line.
      expect(image, {{{100, c.base_top}, kBlack},
                     {{X - c.p3_in, c.top}, kBlack},
                     {{X - 100, c.base_top}, kBlack},
                     {{X - 100, 110}, kBlack},
                     {{120, 100}, kCyan},
                     {{X - 120, 100}, kCyan},
                     {{X / 2, c.top + 5}, kCyan},
                     {{X - 99, 100}, kWhite},
                     {{X - 200 + c.right_pin + 20, c.base_top - 20}, kRed},
                     {{X - 200 + c.right_pin, c.base_top - 20}, kBlack},
                     {{200 - c.left_pin + 20, c.base_top - 20}, kRed},
                     {{X - 200 + c.extension, 135}, kBlack}});
      cyan[i] = image.pixels_of(0, 255, 255);
    }
    // Each row from the tongue's top + 1 to the base's bottom - 1 grows by 100.
    EXPECT_NEAR(cyan[1] - cyan[0], c.cyan_growth, 20);
  }
}

TEST_F(DovetailSketchTest, TextsComeFromTheLanguageAndAMissingOneDrawsNothing) {
  Rendered with_texts = render<MDoveTailDeep>(658, 150);
  dir.write_file("language/en/en.ini", "[.]\n0 = Circle\n"); // no sketch texts
  window.reset();
  restart_app();
  Rendered without_texts = render<MDoveTailDeep>(658, 150);
  EXPECT_LT(without_texts.drawn_pixels() + 500, with_texts.drawn_pixels());
  EXPECT_EQ(without_texts.pixels_of(255, 0, 0), with_texts.pixels_of(255, 0, 0));
}
