// Page 11, the conversions, driven with real keys: each field reaches its
// handler and rewrites its row, the unit button leaves the page alone, a
// restart does not recompute what it restores.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>

#include <string>
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
  const Texts lengths = length_rows();
  click(app->main_frame()->unit_button());
  EXPECT_EQ(length_rows(), lengths);

  Rendered picture = render_widget(w->picture);
  ASSERT_EQ(picture.w, 119);
  EXPECT_GT(picture.pixels_of(246, 222, 120), 2000); // the rule, 105 × 28 less its ticks
  EXPECT_GT(picture.pixels_of(200, 226, 246), 1000); // the half disc, radius 36
}

// Each field reaches its own handler, which rewrites the rest of its row.
TEST_F(ConversionsPageTest, EachFieldRewritesTheOthersOfItsRow) {
  // decimal, D, M, S, multiple of π
  const Step angle[] = {
      {w->degrees, "90.5", {"90.5", "90", "30", "0.0", "0.502778"}},
      {w->pi_radians, "0.25", {"45", "45", "0", "0.0", "0.25"}},
      {w->dms[1], "15", {"45.25", "45", "15", "0.0", "0.251389"}}, // 45.25 / 180
      {w->dms[2], "36", {"45.26", "45", "15", "36", "0.251444"}},  // 36″ = 0.01°
      {w->dms[0], "10", {"10.26", "10", "15", "36", "0.057"}},
  };
  run(angle, &ConversionsPageTest::angle_row);
  // mm, inch, whole, numerator, denominator
  const Step lengths[] = {
      {w->mm, "25.4", {"25.4", "1", "", "", ""}},
      {w->whole, "1", {"25.4", "1", "1", "", ""}},
      {w->numerator, "3", {"25.4", "1", "1", "3", ""}},
      {w->denominator, "8", {"34.925", "1.375", "1", "3", "8"}},
      {w->inch, "0.5", {"12.7", "0.5", "", "", ""}}, // the fraction goes
  };
  run(lengths, &ConversionsPageTest::length_rows);
  const Step temperatures[] = {
      {w->celsius, "100", {"100", "212"}},
      {w->fahrenheit, "32", {"0", "32"}}, // freezing is 0 °C, not an empty field
      {w->fahrenheit, "", {"", ""}},
  };
  run(temperatures, &ConversionsPageTest::temperature_row);
}

// A restore must not recompute: from the rounded multiple of π it would
// show 90.50004°, and the length handlers would empty the fraction.
TEST_F(ConversionsPageTest, RestoreNeverRecomputesTheAngleOrEmptiesTheFraction) {
  type_text(w->degrees, "90.5");
  type_text(w->whole, "1");
  type_text(w->numerator, "3");
  type_text(w->denominator, "8");
  restart_app();
  open_page();
  EXPECT_EQ(angle_row(), (Texts{"90.5", "90", "30", "0.0", "0.502778"}));
  EXPECT_EQ(length_rows(), (Texts{"34.925", "1.375", "1", "3", "8"}));
  retype(w->celsius, "100"); // and the rows still convert
  EXPECT_STREQ(w->fahrenheit->value(), "212");
}
