// The dovetail pages' wiring, driven with real keys and clicks, and their
// seven sketches: exact pixels worked out from the coordinate tables.
#include "support/page_scenario.h"

#include "app/all_pages.h"
#include "pages/workshop/dovetail_sketches.h"

using namespace testing_support;
using namespace workshop;
using DovetailPageTest = PageTest<DovetailPage, 4>;

// Width 1, depth 0.5, pins 0.25, 60°: the first worked example and its kinds of
// fit, each with its sketches; a gib needs its thickness; 605° is red and never
// the results of 60°.
TEST_F(DovetailPageTest, ControlsReachTheFormAndItsFieldsSketchesAndRowsShow) {
  const auto& r = w().results;
  const auto& f = w().female_groups;
  const auto& m = w().male_groups;
  run(f[1], "~shown", m[0], "~shown", w().width, "~focus", w().width, "1", w().depth, ".5", w().pin,
      ".25", w().angle_60, "click", w().clearance_kind, "#2", w().clearance, ".1", r[0], "=0.423",
      r[5], "=0.99", w().print, "~active", f[0], "~shown", m[2], "~shown", w().clearance_kind, "#0",
      w().gib, "click", w().gib_thickness, "@115", r[0], "=", w().print, "~inactive",
      w().gib_thickness, ".05", r[0], "=0.48", r[4], "=0.49", r[5], "=1.106", f[3], "~shown", m[0],
      "~shown", w().clearance_kind, "#3", w().clearance, "~hidden", w().angle_typed, "click",
      w().typed_angle, "60", r[1], "=1.0", w().typed_angle, "605", w().typed_angle, "~red", r[1],
      "=");
}

TEST_F(DovetailPageTest, UnitsConvertOnceWhicheverButtonAndPrintAndRestoreFollow) {
  run(w().width, "1", w().depth, ".5", w().pin, ".25", w().clearance, ".1", w().angle_60, "click",
      w().clearance_kind, "#1", w().mm, "click", w().width, "=25.4", w().results[5], "=28.084",
      app->main_frame()->unit_button(), "click", w().width, "=25.4");
  std::vector<DovetailPrintValues> printed;
  page().set_print_action([&](const DovetailPrintValues& v) { printed.push_back(v); });
  click(w().print);
  EXPECT_NEAR(printed.at(0).male.width, 0.8845299 * 25.4, 1e-5); // male 0.1 lower
  dir.write_file("State.ini", "[p4]\ndove_nominal_width = 25.4\ndove_nominal_depth = 12.7\n"
                              "dove_pin_diameter = 6.35\ndove_angle = 2\n"
                              "dovetail_angle_specify = 60\ndove_type = -1\ndove_gib_yes = 1\n"
                              "p4_measure = 1\n[page]\npage = 3\n");
  start_app(); // the gib has no thickness yet; no kind, no sketch
  run(w().female_groups[1], "~hidden", w().male_groups[0], "~hidden", w().typed_angle, "~shown",
      w().results[0], "=", w().gib, "click", w().results[0], "=10.735", w().results[5], "=28.084",
      w().inch, "click", w().width, "=1");
}

using DovetailMeasurementPageTest = PageTest<DovetailMeasurementPage, 12>;

TEST_F(DovetailMeasurementPageTest, ControlsReachTheFormAndItsRowsSketchesAndResultsShow) {
  const auto& f = w().female_out; // width, depth, between pins
  // Male at hand, 60°, no clearance: the dovetail page's first example turned round.
  run(w().female_sketch_groups[1], "~shown", app->main_frame()->nav_button(12), "~focus",
      w().female_inputs, "~inactive", w().angle_60, "click", w().clearance_kind, "#3", w().pin,
      "0.25", w().over_pins, "1.105662", w().male_depth, "0.5", f[0], "=0.423", f[2], "=0.317",
      w().clearance_row, "~hidden", w().clearance_kind, "#0", f[0], "=", w().print, "~inactive",
      w().clearance, "0.01", f[1], "=0.51", w().gib, "click", w().gib_cover, "~hidden",
      w().angle_typed, "click", w().typed_angle, "~shown");
  run(w().female_sketch_groups[3], "~shown", w().female_sketch_groups[1], "~hidden",
      w().female_at_hand, "click", w().male_results, "~shown", w().male_inputs, "~hidden", w().gib,
      "click", w().angle_60, "click", w().clearance_kind, "#3", w().between_pins, "0.316987",
      w().female_depth, "0.5", w().male_out[0], "=1.0", w().male_out[2], "=1.106");
  for (int i = 0; i < 6; ++i) // each result under its caption: female 122, 124, 126, male 123, ...
    run((i % 2 ? w().male_results : w().female_results)->child(i / 2 * 2),
        ("@" + std::to_string(122 + i)).c_str());
}

// Back in inches the fields show what was typed, not the kept value to three
// places; a restart in millimetres brings back the inch values.
TEST_F(DovetailMeasurementPageTest, UnitsRewriteFromTheKeptInchValuesAlsoAfterARestart) {
  const auto& f = w().female_out;
  run(w().clearance, "0.01", w().millimetre, "click", w().clearance, "=0.254", w().inch, "click",
      w().angle_60, "click", w().pin, "0.25", w().over_pins, "1.105662", w().male_depth, "0.5",
      w().clearance_kind, "#0", w().clearance, "0.005", f[1], "=0.505");
  run(app->main_frame()->unit_button(), "click", w().millimetre, "~on", w().over_pins, "=28.084",
      f[0], "=10.735", f[2], "=8.198", w().inch, "click", w().over_pins, "=1.105662", f[1],
      "=0.505");
  run(w().millimetre, "click", w().female_at_hand, "click", w().gib, "click", w().gib_thickness,
      "2.54", w().angle_60, "click", w().clearance_kind, "#1", w().clearance, "0.127", w().pin,
      "6.35", w().between_pins, "8.051", w().female_depth, "12.7", w().male_out[2], "=25.543");
  restart_app();
  run(w().gib_thickness, "~shown", w().inch, "click", w().pin, "=0.25", w().gib_thickness, "=0.1",
      w().male_out[0], "=0.894", w().male_out[2], "=1.006");
}

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
  // Pixels given as x, y, colour, x, y, colour, ...
  template <class... More> void expect(const Rendered& image, int x, int y, Rgb rgb, More... more) {
    EXPECT_EQ(pixel(image, x, y), rgb) << x << ", " << y;
    if constexpr (sizeof...(more) > 0)
      expect(image, more...);
  }
  std::unique_ptr<Fl_Double_Window> window;
};
using Render = Rendered (DovetailSketchTest::*)(int, int);
const Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kYellow{255, 255, 0},
    kCyan{0, 255, 255};

// At the page's width X and 100 wider: the left side stays, the right side moves.
TEST_F(DovetailSketchTest, FemaleSketchesFollowTheirCoordinateTables) {
  // p4 = (X - p4_in, bottom), p5 = (p5_in, bottom); pins of diameter 40 in the corners.
  const struct {
    Render render;
    int p4_in, p5_in, p6_in, b;
    bool gib;
  } cases[] = {{&DovetailSketchTest::render<FDoveTailStandard>, 150, 150, 200, 60, false},
               {&DovetailSketchTest::render<FDoveTailDeep>, 145, 145, 200, 55, false},
               {&DovetailSketchTest::render<FDoveTailStandardGib>, 150, 140, 190, 60, true},
               {&DovetailSketchTest::render<FDoveTailDeepGib>, 145, 135, 190, 55, true}};
  for (const auto& c : cases) {
    int yellow[2], i = 0;
    for (int X : {658, 758}) {
      SCOPED_TRACE(std::to_string(c.p5_in + c.b) + " at width " + std::to_string(X));
      // Corners p1, p2; the block left and right of the slot; the open slot; the
      // pins and one's rim; the gib's inner edge 11 pixels right of p5; the mouth's
      // right end mark 1 left of p3 = (X - 200, 110).
      Rendered image = (this->*c.render)(X, 130);
      if (!c.gib) { // the mouth's left end mark, 1 right of p6 = (p6_in, 110), 5 up and down
        EXPECT_EQ(pixel(image, c.p6_in + 1, 106), kBlack);
      }
      yellow[i++] = image.pixels_of(255, 255, 0);
      expect(image, X - 201, 106, kBlack, X - 100, 20, kBlack, X - 100, 110, kBlack, 120, 100,
             kYellow, X - 120, 100, kYellow, X / 2, c.b + 3, kWhite, X - c.p4_in - 49, c.b + 21,
             kRed, X - c.p4_in - 69, c.b + 21, kBlack, c.p5_in + 50, c.b + 21, kRed, c.p5_in + 11,
             c.b + 1, c.gib ? kBlack : kWhite);
    }
    // Each block row above the slot (p0.y + 1 to p5.y - 1) is 100 pixels longer.
    EXPECT_NEAR(yellow[1] - yellow[0], 100 * (c.b - 21), 20);
  }
}

TEST_F(DovetailSketchTest, MaleSketchesFollowTheirCoordinateTables) {
  // p0 on base_top, p3 = (X - p3_in, top); pin boxes at p4.x + right_pin and
  // p1.x - left_pin; the over-pins witness line at p4.x + extension.
  const struct {
    Render render;
    int base_top, p3_in, top, right_pin, left_pin, extension;
  } cases[] = {{&DovetailSketchTest::render<MDoveTailStandard>, 75, 150, 25, 29, 68, 69},
               {&DovetailSketchTest::render<MDoveTailShallow>, 75, 154, 30, 30, 68, 70},
               {&DovetailSketchTest::render<MDoveTailDeep>, 80, 150, 25, 26, 65, 65}};
  for (const auto& c : cases)
    for (int X : {658, 758}) {
      SCOPED_TRACE(std::to_string(c.base_top + c.p3_in + c.top) + " at width " + std::to_string(X));
      const int pins = c.base_top - 20;
      expect((this->*c.render)(X, 150), 100, c.base_top, kBlack, X - c.p3_in, c.top, kBlack, 120,
             100, kCyan, X / 2, c.top + 5, kCyan, X - 99, 100, kWhite, X - 200 + c.right_pin + 20,
             pins, kRed, X - 200 + c.right_pin, pins, kBlack, 200 - c.left_pin + 20, pins, kRed,
             X - 200 + c.extension, 135, kBlack);
    }
}
