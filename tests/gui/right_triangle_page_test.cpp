// Page 2, the right triangle, driven with real keys and clicks: results per
// case, angle formats, units, red fields, what a restart keeps, and the sketch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>

#include <array>
#include <cstdlib>
#include <string>
#include <utility>

#include "ui/checked_input.h"
#include "app/main_window.h"
#include "calc/geometry/right_triangle_page.h"
#include "calc/geometry/triangle1.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using Texts = std::array<std::string, 4>;

class RightTrianglePageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }

  void open_page() {
    if (!app)
      start_app();
    click(app->main_frame()->nav_button(2));
    page = dynamic_cast<geometry::RightTrianglePage*>(app->page(2));
    ASSERT_NE(page, nullptr);
    w = &page->widgets();
  }
  // Selects the field's text, so that the typing replaces it.
  void choose_case(int number) { click(w->case_buttons[static_cast<size_t>(number - 1)]); }
  // Up and down arrows of the precision spinner, clicked `steps` times.
  void step_precision(int steps) {
    for (int i = 0; i < std::abs(steps); ++i)
      click(w->precision->child(steps > 0 ? 1 : 2));
  }
  Texts results() const {
    Texts texts;
    for (size_t i = 0; i < 4; ++i)
      texts[i] = w->row_values[i]->value();
    return texts;
  }
  static Texts texts_of(const std::array<Fl_Output*, 3>& fields) {
    return {fields[0]->value(), fields[1]->value(), fields[2]->value(), ""};
  }
  std::string label(int index) const { return app->lang(index); }

  geometry::RightTrianglePage* page = nullptr;
  const geometry::RightTrianglePage::Widgets* w = nullptr;
};

TEST_F(RightTrianglePageTest, StartsWithSideBAndAngleA) {
  EXPECT_TRUE(w->case_buttons[0]->value());
  EXPECT_EQ(Fl::focus(), w->input1);
  EXPECT_EQ(w->input1_label->value(), label(71));
  EXPECT_EQ(w->input2_label->value(), label(72));
  EXPECT_EQ(w->row_labels[0]->value(), label(73));
  EXPECT_EQ(w->row_labels[3]->value(), label(81));
  EXPECT_TRUE(w->input2_group->visible());
  EXPECT_FALSE(w->angle_groups[0]->visible());
  EXPECT_EQ(w->precision->value(), 3);
}

TEST_F(RightTrianglePageTest, EveryCaseShowsItsResults) {
  struct Case {
    int number;
    const char* first;
    const char* second;
    Texts shown; // rows 1, 2, angle B, area at 3 places
    int row1_label, row2_label;
  };
  const Case cases[] = {
      {1, "10", "45", {"10.0", "14.142", "45.0", "50.0"}, 73, 74},
      {2, "5", "30", {"8.66", "10.0", "60.0", "21.651"}, 76, 74},
      {3, "10", "30", {"8.66", "5.0", "60.0", "21.651"}, 76, 73},
      {4, "4", "3", {"5.0", "36.87", "53.13", "6.0"}, 74, 79},
      {5, "4", "5", {"3.0", "36.87", "53.13", "6.0"}, 73, 79},
      {6, "5", "13", {"12.0", "22.62", "67.38", "30.0"}, 76, 79},
      // A side longer than the hypotenuse gives nothing.
      {5, "6", "5", {}, 73, 79},
      {6, "6", "5", {}, 76, 79},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    choose_case(c.number);
    type_text(w->input1, c.first);
    type_text(w->input2, c.second);
    EXPECT_EQ(results(), c.shown);
    EXPECT_EQ(w->row_labels[0]->value(), label(c.row1_label));
    EXPECT_EQ(w->row_labels[1]->value(), label(c.row2_label));
  }
}

TEST_F(RightTrianglePageTest, ThreeFourFiveAtSixPlacesAndInDms) {
  choose_case(4);
  type_text(w->input1, "4");
  type_text(w->input2, "3");
  step_precision(+3);
  EXPECT_EQ(w->precision->value(), 6);
  EXPECT_EQ(results(), (Texts{"5", "36.869898", "53.130102", "6"}));
  step_precision(-4);
  EXPECT_EQ(w->precision->value(), 2);
  EXPECT_EQ(results(), (Texts{"5.0", "36.87", "53.13", "6.0"}));
  step_precision(+1);

  // The computed angle A in degrees, minutes and seconds.
  click(w->dms);
  EXPECT_TRUE(w->input2_group->visible()); // side a is typed as before
  EXPECT_FALSE(w->row_values[1]->visible());
  EXPECT_EQ(texts_of(w->row2_dms), (Texts{"36", "52", "11.632", ""}));
  EXPECT_EQ(texts_of(w->row3_dms), (Texts{"53", "7", "48.368", ""}));
  click(w->decimal);
  EXPECT_TRUE(w->row_values[1]->visible());
  EXPECT_FALSE(w->row2_dms_group->visible());
}

TEST_F(RightTrianglePageTest, AngleFormatMovesTheTypedAngle) {
  type_text(w->input1, "4");
  type_text(w->input2, "36.869898");
  click(w->dms);
  EXPECT_FALSE(w->input2_group->visible());
  EXPECT_TRUE(w->angle_groups[2]->visible());
  EXPECT_STREQ(w->angle[0]->value(), "36");
  EXPECT_STREQ(w->angle[1]->value(), "52");
  EXPECT_STREQ(w->angle[2]->value(), "11.6328");
  EXPECT_EQ(results()[0], "3.0");
  EXPECT_FALSE(w->row_values[2]->visible());
  EXPECT_EQ(texts_of(w->row3_dms), (Texts{"53", "7", "48.367", ""}));
  EXPECT_TRUE(w->row_values[1]->visible()); // row 2 is side c here

  click(w->decimal);
  EXPECT_TRUE(w->input2_group->visible());
  EXPECT_FALSE(w->angle_groups[0]->visible());
  EXPECT_STREQ(w->input2->value(), "36.869898");
  EXPECT_TRUE(w->row_values[2]->visible());
  EXPECT_FALSE(w->row3_dms_group->visible());
}

TEST_F(RightTrianglePageTest, RedOrImpossibleAnglesEmptyTheResults) {
  type_text(w->input1, "4");
  type_text(w->input2, "180");
  EXPECT_EQ(w->input2->textcolor(), FL_RED);
  EXPECT_EQ(results(), Texts{});
  press_key(FL_BackSpace);
  EXPECT_EQ(w->input2->textcolor(), FL_BLACK);
  EXPECT_EQ(results()[2], "72.0"); // 18°
  type_text(w->input2, "0");       // 180 again, then 120: no right triangle has it
  press_key(FL_BackSpace);
  press_key(FL_BackSpace);
  type_text(w->input2, "20");
  EXPECT_EQ(w->input2->textcolor(), FL_BLACK);
  EXPECT_EQ(results(), Texts{});

  click(w->dms); // 120 moves into the degrees field
  EXPECT_STREQ(w->angle[0]->value(), "120");
  retype(w->angle[0], "20");
  EXPECT_EQ(results(), (Texts{"1.456", "4.257", "70.0", "2.912"}));
  retype(w->angle[1], "75");
  EXPECT_EQ(w->angle[1]->textcolor(), FL_RED);
  EXPECT_EQ(results(), Texts{});
  step_precision(+1); // recomputes, but the red minutes still stop the results
  EXPECT_EQ(w->precision->value(), 4);
  EXPECT_EQ(results(), Texts{});
}

TEST_F(RightTrianglePageTest, ChangingTheCaseEmptiesTheInputs) {
  type_text(w->input1, "4");
  type_text(w->input2, "200");
  ASSERT_EQ(w->input2->textcolor(), FL_RED);
  choose_case(6);
  EXPECT_STREQ(w->input1->value(), "");
  EXPECT_STREQ(w->input2->value(), "");
  EXPECT_EQ(w->input2->textcolor(), FL_BLACK);
  EXPECT_EQ(Fl::focus(), w->input1);
  EXPECT_EQ(w->input1_label->value(), label(75));
  EXPECT_EQ(w->input2_label->value(), label(77));
  type_text(w->input2, "200"); // a hypotenuse has no upper limit
  EXPECT_EQ(w->input2->textcolor(), FL_BLACK);
}

TEST_F(RightTrianglePageTest, UnitRadiosConvertTheLengthsOnlyAndTheUnitButtonOnce) {
  type_text(w->input1, "1");
  type_text(w->input2, "45");
  click(w->mm);
  EXPECT_STREQ(w->input1->value(), "25.4");
  EXPECT_STREQ(w->input2->value(), "45");
  EXPECT_EQ(results()[0], "25.4");
  click(w->inch);
  EXPECT_STREQ(w->input1->value(), "1");

  choose_case(4);
  type_text(w->input1, "1");
  type_text(w->input2, "2");
  click(w->mm);
  EXPECT_STREQ(w->input1->value(), "25.4");
  EXPECT_STREQ(w->input2->value(), "50.8");
  click(w->inch);
  EXPECT_STREQ(w->input2->value(), "2");

  // The unit button neither converts a page already in mm nor undoes its mm.
  choose_case(1);
  type_text(w->input1, "1");
  click(w->mm);
  click(app->main_frame()->unit_button()); // to metric: the page is there already
  EXPECT_TRUE(w->mm->value());
  EXPECT_STREQ(w->input1->value(), "25.4");
  click(app->main_frame()->unit_button()); // back to inch: millimetres chosen here stay
  EXPECT_TRUE(w->mm->value());
  EXPECT_STREQ(w->input1->value(), "25.4");
}

// The whole-program test sees a filled page come back; the single conversion
// of a restored unit, a typed angle in degrees, minutes and seconds and the
// clamped precision are this page's own.
TEST_F(RightTrianglePageTest, RestartConvertsOnceKeepsATypedDmsAngleAndClampsThePrecision) {
  click(w->mm);
  click(w->dms);
  step_precision(+2);
  type_text(w->input1, "40");
  restart_app();
  open_page();
  click(w->inch); // still in mm: one conversion back to inch
  EXPECT_STREQ(w->input1->value(), "1.5748031496");

  choose_case(2);
  type_text(w->input1, "5");
  type_text(w->angle[0], "30");
  restart_app();
  open_page();
  EXPECT_TRUE(w->angle_groups[0]->visible());
  EXPECT_STREQ(w->angle[0]->value(), "30");
  EXPECT_EQ(results(), (Texts{"8.66025", "10", "60", "21.65064"}));

  // A hand-edited precision is kept within two to six.
  for (auto [written, restored] : {std::pair{"8", 6}, std::pair{"1", 2}, std::pair{"4", 4}}) {
    stop_app();
    dir.write_file("State.ini", std::string("[p2]\np2_precision = ") + written + "\n");
    open_page();
    EXPECT_EQ(w->precision->value(), restored) << written;
  }
}

TEST_F(RightTrianglePageTest, SketchDrawsTheTriangleInEveryCase) {
  for (Fl_Button* button : w->case_buttons) {
    click(button);
    Rendered sketch = render_widget(w->sketch);
    ASSERT_EQ(sketch.w, 310);
    auto pixel = [&](int x, int y) {
      const unsigned char* p = &sketch.rgb[static_cast<size_t>((y * sketch.w + x) * 3)];
      return std::array<int, 3>{p[0], p[1], p[2]};
    };
    const std::array<int, 3> black{0, 0, 0}, white{255, 255, 255};
    EXPECT_EQ(pixel(0, 100), black);   // frame
    EXPECT_EQ(pixel(100, 138), black); // base at h - 65
    EXPECT_EQ(pixel(210, 80), black);  // vertical leg at w - 100
    // Halfway up the hypotenuse, (115, 76.5).
    EXPECT_TRUE(pixel(115, 76) == black || pixel(115, 77) == black);
    EXPECT_EQ(pixel(180, 110), white);      // inside the triangle
    EXPECT_GT(sketch.drawn_pixels(), 1500); // lines and the four texts
  }
}
