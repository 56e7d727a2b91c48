// Page 11, the conversions, driven with real keys: each row's fields rewrite
// one another as the user types, red fields stop their row, the unit button
// leaves the page alone, a restart does not recompute what it restores.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>

#include <string>
#include <utility>
#include <vector>

#include "ui/checked_input.h"
#include "app/main_window.h"
#include "calc/geometry/conversion_picture.h"
#include "calc/geometry/conversions_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using Texts = std::vector<std::string>;

class ConversionsPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }

  void open_page() {
    if (!app)
      start_app();
    click(app->main_frame()->nav_button(11));
    page = dynamic_cast<geometry::ConversionsPage*>(app->page(11));
    ASSERT_NE(page, nullptr);
    w = &page->widgets();
  }
  // Selects the field's text, so that the typing replaces it.
  static void erase(Fl_Input* field) {
    field->take_focus();
    field->position(0, field->size());
    press_key(FL_BackSpace);
  }

public: // read through member pointers by the tests
  Texts angle_row() const {
    return {w->degrees->value(), w->dms[0]->value(), w->dms[1]->value(), w->dms[2]->value(),
            w->pi_radians->value()};
  }
  Texts length_rows() const {
    return {w->mm->value(), w->inch->value(), w->whole->value(), w->numerator->value(),
            w->denominator->value()};
  }
  Texts temperature_row() const { return {w->celsius->value(), w->fahrenheit->value()}; }

protected:
  // One field typed after another, each replacing what the last one wrote;
  // `row` reads what the row shows then.
  struct Step {
    ui::CheckedInput* field;
    const char* typed;
    Texts shown;
  };
  template <size_t N> void run(const Step (&steps)[N], Texts (ConversionsPageTest::*row)() const) {
    for (const Step& step : steps) {
      SCOPED_TRACE(step.typed);
      retype(step.field, step.typed);
      EXPECT_EQ((this->*row)(), step.shown);
    }
  }

  geometry::ConversionsPage* page = nullptr;
  const geometry::ConversionsPage::Widgets* w = nullptr;
};

TEST_F(ConversionsPageTest, ShowingThePageFocusesMillimetresAndTheUnitButtonLeavesItAlone) {
  type_text(w->mm, "12.5");
  click(app->main_frame()->nav_button(1));
  click(app->main_frame()->nav_button(11));
  EXPECT_EQ(Fl::focus(), w->mm);
  EXPECT_EQ(w->mm->position(), w->mm->mark());

  // The unit button leaves the page alone.
  const Texts lengths = length_rows();
  click(app->main_frame()->unit_button());
  EXPECT_EQ(app->unit_system(), 1);
  EXPECT_EQ(length_rows(), lengths);
  click(app->main_frame()->unit_button());
  EXPECT_EQ(app->unit_system(), 0);
  EXPECT_EQ(length_rows(), lengths);

  Rendered picture = render_widget(w->picture);
  ASSERT_EQ(picture.w, 119);
  ASSERT_EQ(picture.h, 127);
  EXPECT_GT(picture.pixels_of(246, 222, 120), 2000); // the rule, 105 × 28 less its ticks
  EXPECT_GT(picture.pixels_of(200, 226, 246), 1000); // the half disc, radius 36
  EXPECT_GT(picture.pixels_of(255, 0, 0), 100);      // the inch and right-angle marks
}

TEST_F(ConversionsPageTest, EachAngleFieldRewritesTheOthers) {
  // decimal, D, M, S, multiple of π
  const Step steps[] = {
      {w->degrees, "90.5", {"90.5", "90", "30", "0.0", "0.502778"}},
      {w->pi_radians, "1", {"180", "180", "0", "0.0", "1"}},
      {w->pi_radians, "0.25", {"45", "45", "0", "0.0", "0.25"}},
      {w->dms[1], "15", {"45.25", "45", "15", "0.0", "0.251389"}}, // 45.25 / 180
      {w->dms[2], "36", {"45.26", "45", "15", "36", "0.251444"}},  // 36″ = 0.01°
      {w->dms[0], "10", {"10.26", "10", "15", "36", "0.057"}},
      {w->degrees, "270", {"270", "270", "0", "0.0", "1.5"}},
      {w->degrees, "0.0001", {"0.0001", "0", "0", "0.36", ""}}, // π part too small
      {w->degrees, "0", {"0", "", "", "", ""}},
      {w->pi_radians, "0.0001", {"", "", "", "", "0.0001"}},
  };
  run(steps, &ConversionsPageTest::angle_row);
  // What the page wrote is black, even the 270 above in the degrees field,
  // whose typing range ends at 179.
  retype(w->degrees, "270");
  EXPECT_EQ(w->dms[0]->textcolor(), FL_BLACK);
}

TEST_F(ConversionsPageTest, RedAngleFieldsChangeNothing) {
  // The row as the last in-range keystroke left it, and the range shown.
  const std::pair<Step, const char*> steps[] = {
      {{w->degrees, "400", {"400", "40", "0", "0.0", "0.222222"}}, "0 <=> 360"},
      {{w->pi_radians, "2.5", {"360", "360", "0", "0.0", "2.5"}}, "0 <=> 2"},
      {{w->dms[1], "75", {"360.116667", "360", "75", "0.0", "2.000648"}}, "0 <=> 59"},
  };
  for (const auto& [step, range] : steps) {
    run({step}, &ConversionsPageTest::angle_row);
    EXPECT_EQ(step.field->textcolor(), FL_RED);
    Fl::focus(nullptr); // leaving shows the range and keeps the focus
    EXPECT_EQ(dialogs.range_messages.back(), range);
    EXPECT_EQ(Fl::focus(), step.field);
    step.field->position(step.field->size()); // mend the last digit
    press_key(FL_BackSpace);
    EXPECT_EQ(step.field->textcolor(), FL_BLACK);
  }
}

TEST_F(ConversionsPageTest, LengthsAndFractionsOfAnInch) {
  // mm, inch, whole, numerator, denominator
  const Step steps[] = {
      {w->mm, "25.4", {"25.4", "1", "", "", ""}},
      {w->inch, "0.5", {"12.7", "0.5", "", "", ""}},
      {w->whole, "1", {"25.4", "1", "1", "", ""}},
      {w->numerator, "3", {"25.4", "1", "1", "3", ""}},
      {w->denominator, "8", {"34.925", "1.375", "1", "3", "8"}},
      {w->numerator, "9", {"25.4", "1", "1", "9", "8"}}, // 9/8 is ignored
      {w->mm, "-10", {"-10", "-0.393701", "", "", ""}},  // the fraction goes
      {w->whole, "0", {"-10", "-0.393701", "0", "", ""}},
      {w->numerator, "8", {"-10", "-0.393701", "0", "8", ""}},
      {w->denominator, "8", {"", "", "0", "8", "8"}}, // 0 + 8/8 counts as nothing
  };
  run(steps, &ConversionsPageTest::length_rows);
}

TEST_F(ConversionsPageTest, TemperaturesBothWays) {
  const Step steps[] = {
      {w->celsius, "100", {"100", "212"}},
      {w->fahrenheit, "-40", {"-40", "-40"}},
      {w->fahrenheit, "98.6", {"37", "98.6"}},
      {w->fahrenheit, "32", {"0", "32"}}, // freezing is 0 °C, not an empty field
      {w->celsius, "-", {"-", "32"}},     // a sign alone reads as 0
  };
  run(steps, &ConversionsPageTest::temperature_row);
  erase(w->celsius);
  EXPECT_EQ(temperature_row(), (Texts{"", ""}));
  type_text(w->fahrenheit, "50");
  erase(w->fahrenheit);
  EXPECT_EQ(temperature_row(), (Texts{"", ""}));
}

// The whole-program test sees the same fields come back; this pins the
// restore that must not recompute: from the rounded multiple of π it would
// show 90.50004°, and the length handlers would empty the fraction.
TEST_F(ConversionsPageTest, RestoreNeverRecomputesTheAngleOrEmptiesTheFraction) {
  type_text(w->degrees, "90.5");
  type_text(w->whole, "1");
  type_text(w->numerator, "3");
  type_text(w->denominator, "8");
  restart_app();
  EXPECT_EQ(Fl::focus(), app->page(11)->focus_input());
  open_page();
  EXPECT_EQ(angle_row(), (Texts{"90.5", "90", "30", "0.0", "0.502778"}));
  EXPECT_EQ(length_rows(), (Texts{"34.925", "1.375", "1", "3", "8"}));
  retype(w->celsius, "100"); // and the rows still convert
  EXPECT_STREQ(w->fahrenheit->value(), "212");
}
