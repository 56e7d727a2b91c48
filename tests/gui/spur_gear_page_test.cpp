// Page 10, the spur gear, driven with real keys and clicks.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <string>
#include <vector>

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "calc/gears/gearing.h"
#include "calc/gears/spur_gear_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using Texts = std::vector<std::string>;

namespace {

constexpr int kModule = 0, kDiametralPitch = 1, kCircularInch = 2, kCircularMm = 3;

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
  Texts inch() const { return texts(w().inch); }
  Texts mm() const { return texts(w().mm); }
  // Line, inch and mm of the measurement across teeth.
  Texts span() const {
    return {w().span_text->value(), w().span_inch->value(), w().span_mm->value()};
  }
  static Texts texts(const std::array<Fl_Output*, gears::kSpurTableRows>& fields) {
    Texts out;
    for (Fl_Output* field : fields)
      out.push_back(field->value());
    return out;
  }
  Texts fraction() const { return {w().whole->value(), w().over->value(), w().under->value()}; }
  std::string status() const { return w().status->label() ? w().status->label() : ""; }
  const Texts kEmptyTable = Texts(gears::kSpurTableRows, "");
  const Texts kEmptySpan{"", "", ""};
};

TEST_F(SpurGearPageTest, StartsWithDiametralPitchAt20DegreesAndOpensTheBacklashHelp) {
  EXPECT_EQ(Fl::focus(), w().pitch_value);
  EXPECT_NE(w().systems[kDiametralPitch]->value(), 0);
  EXPECT_NE(w().angle_20->value(), 0);
  EXPECT_FALSE(w().fraction_frame->visible());
  EXPECT_EQ(std::string(w().pitch_value->label()), lang(294));
  EXPECT_EQ(status(), lang(306));
  // The formulas are the unit tests' business: here each row at the page's rounding.
  gear(kDiametralPitch, "10", "20");
  EXPECT_EQ(inch(),
            (Texts{"0.222", "0.1", "0.122", "0.2", "0.3142", "0.1571", "0.022", "2", "2.2"}));
  EXPECT_EQ(mm(),
            (Texts{"5.639", "2.54", "3.099", "5.08", "7.98", "3.99", "0.559", "50.8", "55.88"}));
  EXPECT_EQ((Texts{w().module->value(), w().diametral_pitch->value(), w().cutter->value()}),
            (Texts{"2.54", "10", lang(313) + " 6"}));
  EXPECT_EQ(span(), (Texts{"Measure across 4 teeth (3 pitches)", "1.0613", "26.956"}));

  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  app::HelpWindow& help = *app->help_windows().back();
  EXPECT_EQ(std::string(help.window()->label()), lang(317));
  ASSERT_NE(help.view()->value(), nullptr);
  EXPECT_NE(std::string(help.view()->value()).find("Backlash"), std::string::npos);
}

TEST_F(SpurGearPageTest, FractionMakesTheCircularPitchAndTypingEmptiesIt) {
  choose(kCircularInch);
  EXPECT_TRUE(w().fraction_frame->visible());
  EXPECT_EQ(std::string(w().pitch_value->label()), lang(295));
  type_text(w().teeth, "20");
  type_text(w().whole, "0");
  type_text(w().over, "1");
  EXPECT_STREQ(w().pitch_value->value(), "");
  type_text(w().under, "4");
  EXPECT_STREQ(w().pitch_value->value(), "0.25");
  EXPECT_EQ(inch()[7], "1.5915");
  // The fraction stays beside the value it made.
  EXPECT_EQ(fraction(), (Texts{"0", "1", "4"}));
  retype(w().pitch_value, "0.5");
  EXPECT_EQ(fraction(), (Texts{"", "", ""}));
  EXPECT_EQ(inch()[4], "0.5");
  // Another tooth-size system has no fraction.
  type_text(w().whole, "1");
  choose(kDiametralPitch);
  EXPECT_FALSE(w().fraction_frame->visible());
  EXPECT_STREQ(w().whole->value(), "");
}

TEST_F(SpurGearPageTest, TooFewTeethWarnsNoPitchEmptiesTheGearAndPressureAngleRecomputes) {
  gear(kDiametralPitch, "10", "20");
  const Texts table = inch();
  const Texts measured = span();
  retype(w().teeth, "5");
  EXPECT_EQ(status(), lang(318));
  EXPECT_EQ(w().status->labelcolor(), FL_RED);
  EXPECT_EQ(inch(), table);
  EXPECT_EQ(span(), measured);
  retype(w().teeth, ""); // an empty tooth count changes nothing
  EXPECT_EQ(inch(), table);
  retype(w().teeth, "12");
  EXPECT_EQ(status(), lang(306));
  EXPECT_EQ(w().status->labelcolor(), FL_BLACK);
  EXPECT_EQ(inch()[7], "1.2");
  // The pressure angle asks for the span again: too few teeth for one.
  retype(w().teeth, "11");
  click(w().angle_14_5);
  EXPECT_EQ(span(), (Texts{lang(316), "", ""}));

  // A missing pitch value empties the gear.
  click(w().angle_20);
  retype(w().teeth, "20");
  retype(w().pitch_value, "");
  EXPECT_EQ(mm(), kEmptyTable);
  EXPECT_STREQ(w().module->value(), "");
  // No width of a gear that isn't there any more.
  EXPECT_EQ(span(), kEmptySpan);
  retype(w().pitch_value, "0");
  EXPECT_EQ(span(), (Texts{"Measure across 4 teeth (3 pitches)", "", ""}));
  EXPECT_EQ(inch(), kEmptyTable);

  // The pressure angle recomputes the dedendum and the span.
  retype(w().pitch_value, "10");
  click(w().angle_14_5);
  EXPECT_EQ(inch()[2], "0.1157");
  EXPECT_EQ(span(), (Texts{"Measure across 4 teeth (3 pitches)", "1.0753", "27.312"}));
  click(w().angle_20);

  // Beyond the table at 20°, within it at 14.5°.
  retype(w().teeth, "82");
  EXPECT_EQ(span(), (Texts{lang(312), "", ""}));
  click(w().angle_14_5);
  EXPECT_EQ(span(), (Texts{"Measure across 9 teeth (8 pitches)", "2.6293", "66.785"}));
  retype(w().teeth, "111");
  EXPECT_EQ(span(), (Texts{lang(312), "", ""}));
}

TEST_F(SpurGearPageTest, EachToothSizeSystemStartsAfreshWithItsOwnWidgets) {
  struct Case {
    int system;
    int label;
    bool angle_frame, fraction_frame, cutter;
  };
  const Case cases[] = {{kModule, 293, false, false, true},
                        {kCircularInch, 295, true, true, false},
                        {kCircularMm, 296, false, false, false},
                        {kDiametralPitch, 294, true, false, true}};
  click(w().angle_14_5);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    retype(w().pitch_value, "10");
    retype(w().teeth, "20");
    ASSERT_NE(inch(), kEmptyTable);
    choose(c.system);
    EXPECT_EQ(std::string(w().pitch_value->label()), lang(c.label));
    EXPECT_EQ(w().angle_frame->visible() != 0, c.angle_frame);
    EXPECT_EQ(w().fraction_frame->visible() != 0, c.fraction_frame);
    EXPECT_EQ(w().cutter->visible() != 0, c.cutter);
    EXPECT_STREQ(w().teeth->value(), "");
    EXPECT_EQ(inch(), kEmptyTable);
    EXPECT_EQ(span(), kEmptySpan);
    EXPECT_EQ(Fl::focus(), w().pitch_value);
    EXPECT_TRUE(c.angle_frame || w().angle_20->value()); // metric gears are cut at 20°
  }
}

TEST_F(SpurGearPageTest, UnitButtonGivesTheSameGearInTheOtherSystemAndBack) {
  Fl_Widget* units = app->main_frame()->unit_button();
  click(units); // metric
  gear(kModule, "2", "30");
  const Texts module_table = inch();
  const Texts measured = span();
  click(units); // inch: 25.4 / 2 teeth per inch
  EXPECT_NE(w().systems[kDiametralPitch]->value(), 0);
  EXPECT_EQ(std::string(w().pitch_value->label()), lang(294));
  EXPECT_EQ((Texts{w().pitch_value->value(), w().teeth->value(), w().module->value(),
                   w().diametral_pitch->value(), w().cutter->value()}),
            (Texts{"12.7", "30", "2.0", "12.7", lang(313) + " 4"}));
  // Only the dedendum follows the inch standard: 1.2 / P + 0.002, not 1.157 m.
  EXPECT_EQ(inch(), (Texts{"0.1752", "0.0787", "0.0965", "0.157", "0.2474", "0.1237", "0.018",
                           "2.3622", "2.5197"}));
  EXPECT_EQ(measured, (Texts{"Measure across 5 teeth (4 pitches)", "1.0791", "27.41"}));
  EXPECT_EQ(span(), measured);
  click(units); // metric: the module as it was typed
  EXPECT_STREQ(w().pitch_value->value(), "2");
  EXPECT_EQ(inch(), module_table);

  // A module chosen by hand while in inch is the user's: left alone both ways.
  click(units);
  gear(kModule, "2", "30");
  for (int twice = 0; twice < 2; ++twice) {
    click(units);
    EXPECT_NE(w().systems[kModule]->value(), 0);
    EXPECT_EQ(inch(), module_table);
  }

  // A circular pitch typed as a fraction at 14.5° comes back as it was.
  choose(kCircularInch);
  click(w().angle_14_5);
  type_text(w().teeth, "20");
  for (auto [field, text] : {std::pair{w().whole, "0"}, {w().over, "1"}, {w().under, "4"}})
    type_text(field, text);
  const Texts circular = inch();
  click(units); // metric
  EXPECT_NE(w().systems[kModule]->value(), 0);
  EXPECT_STREQ(w().pitch_value->value(), "2.021267777");
  EXPECT_EQ(inch()[7], circular[7]);
  click(units); // inch
  EXPECT_NE(w().systems[kCircularInch]->value(), 0);
  EXPECT_NE(w().angle_14_5->value(), 0);
  EXPECT_EQ(fraction(), (Texts{"0", "1", "4"}));
  EXPECT_EQ(inch(), circular);

  // Switched from another page, the hidden pitch field must not take the keys.
  click(app->main_frame()->nav_button(1));
  click(units); // metric
  EXPECT_NE(Fl::focus(), w().pitch_value);
  EXPECT_EQ(std::string(w().pitch_value->label()), lang(293));

  // Metric at start-up chooses the module without taking the focus.
  stop_app();
  dir.write_file("State.ini", "");
  start_app();
  EXPECT_EQ(app->main_frame()->shown_page(), 1);
  EXPECT_NE(w().systems[kModule]->value(), 0);
  EXPECT_EQ(Fl::focus(), app->page(1)->focus_input());
}

// The restored pitch must not empty the fraction beside it; the page waits for the pitch.
TEST_F(SpurGearPageTest, RestartKeepsTheFractionAndTheFocus) {
  choose(kCircularInch);
  type_text(w().teeth, "40");
  type_text(w().whole, "0");
  type_text(w().over, "1");
  type_text(w().under, "4");
  const Texts table = inch();
  restart_app();
  EXPECT_EQ(Fl::focus(), w().pitch_value);
  EXPECT_EQ(fraction(), (Texts{"0", "1", "4"}));
  EXPECT_EQ(inch(), table);
}

TEST_F(SpurGearPageTest, HandEditedStateIsShownSafely) {
  struct Case {
    const char* lines;
    int system;
    bool at_20;
    const char* pitch_diameter;
  };
  const Case cases[] = {
      // Metric gears are cut at 20°, whatever the file says.
      {"gear_type = 0\npressure_angle = 0\ngear_profile = 2\n", kModule, true, "2.3622"},
      {"gear_type = 4\npressure_angle = 0\ngear_profile = 10\n", kDiametralPitch, false, "3"},
      // Numbers too large to compute with leave the table empty.
      {"gear_type = 1\npressure_angle = 1\ngear_profile = 1e999\n", kDiametralPitch, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    stop_app();
    dir.write_file("State.ini",
                   std::string("[p10]\n") + c.lines + "gear_tooth_count = 30\n[page]\npage = 9\n");
    start_app();
    EXPECT_NE(w().systems[static_cast<size_t>(c.system)]->value(), 0);
    EXPECT_EQ(w().angle_20->value() != 0, c.at_20);
    EXPECT_STREQ(w().inch[7]->value(), c.pitch_diameter);
    if (!*c.pitch_diameter) {
      EXPECT_EQ(span()[1], "");
    }
  }
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
