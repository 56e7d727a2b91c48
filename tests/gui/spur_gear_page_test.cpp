// Page 10, the spur gear, driven with real keys and clicks: the controls
// reach the form model, the unit button's switch and its way back, restore,
// help and the sketch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <string>
#include <vector>

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "calc/gears/spur_gear_sketch.h"
#include "calc/gears/spur_gear_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using Texts = std::vector<std::string>;

namespace {

constexpr int kModule = 0, kDiametralPitch = 1, kCircularInch = 2;

class SpurGearPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }

  void open_page() {
    if (!app)
      start_app();
    click(app->main_frame()->nav_button(10));
  }
  const gears::SpurGearWidgets& w() const {
    return static_cast<gears::SpurGearPage*>(app->page(10))->widgets();
  }
  std::string lang(int i) const { return app->lang(i); }
  void choose(int system) { click(w().systems[static_cast<size_t>(system)]); }
  void gear(int system, const std::string& pitch, const std::string& teeth) {
    choose(system);
    retype(w().pitch_value, pitch);
    retype(w().teeth, teeth);
  }
  Texts inch() const {
    Texts out;
    for (Fl_Output* field : w().inch)
      out.push_back(field->value());
    return out;
  }
  // Line, inch and mm of the measurement across teeth.
  Texts span() const {
    return {w().span_text->value(), w().span_inch->value(), w().span_mm->value()};
  }
  Texts fraction() const { return {w().whole->value(), w().over->value(), w().under->value()}; }
  std::string status() const { return w().status->label() ? w().status->label() : ""; }
  const Texts kEmptyTable = Texts(gears::kSpurTableRows, "");
};

TEST_F(SpurGearPageTest, StartsWithDiametralPitchAt20DegreesAndOpensTheBacklashHelp) {
  EXPECT_EQ(Fl::focus(), w().pitch_value);
  EXPECT_NE(w().systems[kDiametralPitch]->value(), 0);
  EXPECT_NE(w().angle_20->value(), 0);
  EXPECT_FALSE(w().fraction_frame->visible());
  EXPECT_EQ(std::string(w().pitch_value->label()), lang(294));
  EXPECT_EQ(status(), lang(306));
  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  app::HelpWindow& help = *app->help_windows().back();
  EXPECT_EQ(std::string(help.window()->label()), lang(317));
}

// Each control reaches the form model and what it gives shows.
TEST_F(SpurGearPageTest, ControlsReachTheFormAndItsResultsShow) {
  gear(kDiametralPitch, "10", "20");
  EXPECT_EQ(inch(),
            (Texts{"0.222", "0.1", "0.122", "0.2", "0.3142", "0.1571", "0.022", "2", "2.2"}));
  EXPECT_EQ((Texts{w().module->value(), w().diametral_pitch->value(), w().cutter->value()}),
            (Texts{"2.54", "10", lang(313) + " 6"}));
  EXPECT_EQ(span(), (Texts{"Measure across 4 teeth (3 pitches)", "1.0613", "26.956"}));
  // The pressure angle recomputes the dedendum and the span.
  click(w().angle_14_5);
  EXPECT_EQ(inch()[2], "0.1157");
  EXPECT_EQ(span()[1], "1.0753");
  // Too few teeth: the table stays and the status line warns in red.
  const Texts table = inch();
  retype(w().teeth, "5");
  EXPECT_EQ(inch(), table);
  EXPECT_EQ(status(), lang(318));
  EXPECT_EQ(w().status->labelcolor(), FL_RED);
  click(w().angle_20); // the radios always rewrite the span line
  EXPECT_EQ(span(), (Texts{lang(316), "", ""}));
  retype(w().teeth, "12");
  EXPECT_EQ(w().status->labelcolor(), FL_BLACK);
  retype(w().pitch_value, "");
  EXPECT_EQ(inch(), kEmptyTable);

  // A tooth-size system starts afresh with its own widgets.
  retype(w().pitch_value, "10");
  choose(kCircularInch);
  EXPECT_EQ(std::string(w().pitch_value->label()), lang(295));
  EXPECT_TRUE(w().fraction_frame->visible());
  EXPECT_FALSE(w().cutter->visible());
  EXPECT_EQ((Texts{w().teeth->value(), inch()[0]}), (Texts{"", ""}));
  EXPECT_EQ(Fl::focus(), w().pitch_value);
  // The fraction makes the pitch value; typing the value empties the fraction.
  type_text(w().teeth, "20");
  for (auto [field, text] : {std::pair{w().whole, "0"}, {w().over, "1"}, {w().under, "4"}})
    type_text(field, text);
  EXPECT_STREQ(w().pitch_value->value(), "0.25");
  EXPECT_EQ(inch()[7], "1.5915");
  EXPECT_EQ(fraction(), (Texts{"0", "1", "4"}));
  retype(w().pitch_value, "0.5");
  EXPECT_EQ(fraction(), (Texts{"", "", ""}));
  type_text(w().whole, "1");
  choose(kModule);
  EXPECT_FALSE(w().angle_frame->visible());
  EXPECT_STREQ(w().whole->value(), "");
}

TEST_F(SpurGearPageTest, UnitButtonGivesTheSameGearInTheOtherSystemAndBack) {
  Fl_Widget* units = app->main_frame()->unit_button();
  click(units); // metric
  gear(kModule, "2", "30");
  const Texts module_table = inch();
  click(units); // inch: 25.4 / 2 teeth per inch
  EXPECT_NE(w().systems[kDiametralPitch]->value(), 0);
  EXPECT_STREQ(w().pitch_value->value(), "12.7");
  // Only the dedendum follows the inch standard: 1.2 / P + 0.002, not 1.157 m.
  EXPECT_EQ(inch()[2], "0.0965");
  click(units); // metric: the module as it was typed
  EXPECT_STREQ(w().pitch_value->value(), "2");
  EXPECT_EQ(inch(), module_table);

  // A circular pitch typed as a fraction at 14.5° comes back as it was.
  click(units);
  choose(kCircularInch);
  click(w().angle_14_5);
  type_text(w().teeth, "20");
  for (auto [field, text] : {std::pair{w().whole, "0"}, {w().over, "1"}, {w().under, "4"}})
    type_text(field, text);
  const Texts circular = inch();
  click(units); // metric
  EXPECT_STREQ(w().pitch_value->value(), "2.021267777");
  click(units); // inch
  EXPECT_NE(w().angle_14_5->value(), 0);
  EXPECT_EQ(fraction(), (Texts{"0", "1", "4"}));
  EXPECT_EQ(inch(), circular);

  // Metric at start-up chooses the module without taking the focus.
  stop_app();
  dir.write_file("State.ini", "");
  start_app();
  EXPECT_NE(w().systems[kModule]->value(), 0);
  EXPECT_EQ(Fl::focus(), app->page(1)->focus_input());
}

// The restored pitch must not empty the fraction beside it; a hand-edited
// 14.5° gives way to a metric system's 20°.
TEST_F(SpurGearPageTest, RestoreKeepsTheFractionAndTheFocus) {
  choose(kCircularInch);
  type_text(w().teeth, "40");
  for (auto [field, text] : {std::pair{w().whole, "0"}, {w().over, "1"}, {w().under, "4"}})
    type_text(field, text);
  const Texts table = inch();
  restart_app();
  EXPECT_EQ(Fl::focus(), w().pitch_value);
  EXPECT_EQ(fraction(), (Texts{"0", "1", "4"}));
  EXPECT_EQ(inch(), table);

  stop_app();
  dir.write_file("State.ini", "[p10]\ngear_type = 0\npressure_angle = 0\ngear_profile = 2\n"
                              "gear_tooth_count = 30\n[page]\npage = 9\n");
  start_app();
  EXPECT_NE(w().systems[kModule]->value(), 0);
  EXPECT_NE(w().angle_20->value(), 0);
  EXPECT_FALSE(w().angle_frame->visible());
  EXPECT_STREQ(w().inch[7]->value(), "2.3622");
}

TEST_F(SpurGearPageTest, SketchDrawsTheTeethAndTheirDimensions) {
  Rendered sketch = render_widget(w().sketch);
  ASSERT_EQ(sketch.w * sketch.h, 200 * 93);
  auto colour = [](Fl_Color index) {
    unsigned char r, g, b;
    Fl::get_color(index, r, g, b);
    return std::vector<unsigned char>{r, g, b};
  };
  auto at = [&](int x, int y) {
    const unsigned char* p = &sketch.rgb[static_cast<size_t>((y * sketch.w + x) * 3)];
    return std::vector<unsigned char>{p[0], p[1], p[2]};
  };
  EXPECT_EQ(at(70, 28), colour(56));  // tip of the first tooth
  EXPECT_EQ(at(100, 52), colour(88)); // pitch line
  EXPECT_EQ(at(70, 12), colour(216)); // circular-pitch arrow
  EXPECT_EQ(at(5, 5), colour(50));    // background
}

} // namespace
