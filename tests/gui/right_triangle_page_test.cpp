// Page 2, the right triangle: the controls reach the form and its rows and
// labels show, angle formats, units, red fields, restore, sketch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>

#include <array>
#include <string>

#include "ui/checked_input.h"
#include "app/main_window.h"
#include "calc/geometry/right_triangle_page.h"
#include "calc/geometry/right_triangle_sketch.h"
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
    w = &dynamic_cast<geometry::RightTrianglePage*>(app->page(2))->widgets();
  }
  void choose_case(int number) { click(w->case_buttons[static_cast<size_t>(number - 1)]); }
  Texts results() const {
    return {w->row_values[0]->value(), w->row_values[1]->value(), w->row_values[2]->value(),
            w->row_values[3]->value()};
  }
  std::string label(int index) const { return app->lang(index); }

  const geometry::RightTrianglePage::Widgets* w = nullptr;
};

TEST_F(RightTrianglePageTest, ControlsReachTheFormAndItsRowsShow) {
  EXPECT_EQ(Fl::focus(), w->input1);
  struct Case {
    int number;
    const char *first, *second;
    Texts shown; // rows 1, 2, angle B, area at 3 places
    int input2_label, row1_label;
  };
  const Case cases[] = {
      {2, "5", "30", {"8.66", "10.0", "60.0", "21.651"}, 72, 76},
      {6, "5", "13", {"12.0", "22.62", "67.38", "30.0"}, 77, 76},
      {4, "4", "3", {"5.0", "36.87", "53.13", "6.0"}, 75, 74},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    type_text(w->input2, "200"); // red in an angle case
    choose_case(c.number);
    EXPECT_STREQ(w->input2->value(), "");
    EXPECT_EQ(w->input2->textcolor(), FL_BLACK);
    EXPECT_EQ(Fl::focus(), w->input1);
    type_text(w->input1, c.first);
    type_text(w->input2, c.second);
    EXPECT_EQ(results(), c.shown);
    EXPECT_EQ(w->input2_label->value(), label(c.input2_label));
    EXPECT_EQ(w->row_labels[0]->value(), label(c.row1_label));
  }
  click(w->precision->child(1)); // one place more
  EXPECT_EQ(results()[1], "36.8699");
  // The computed angle A in degrees, minutes and seconds.
  click(w->dms);
  EXPECT_TRUE(w->input2_group->visible()); // side a is typed as before
  EXPECT_FALSE(w->row_values[1]->visible());
  EXPECT_STREQ(w->row2_dms[1]->value(), "52");
  EXPECT_STREQ(w->row3_dms[2]->value(), "48.368");
}

TEST_F(RightTrianglePageTest, AngleFormatMovesTheTypedAngleAndRedFieldsEmptyTheResults) {
  type_text(w->input1, "4");
  type_text(w->input2, "180");
  EXPECT_EQ(w->input2->textcolor(), FL_RED);
  EXPECT_EQ(results(), Texts{});
  retype(w->input2, "36.869898");
  click(w->dms);
  EXPECT_FALSE(w->input2_group->visible());
  EXPECT_TRUE(w->angle_groups[2]->visible());
  EXPECT_STREQ(w->angle[2]->value(), "11.6328");
  EXPECT_EQ(results()[0], "3.0");
  EXPECT_FALSE(w->row_values[2]->visible());
  EXPECT_TRUE(w->row_values[1]->visible()); // row 2 is side c here
  retype(w->angle[1], "75");
  EXPECT_EQ(w->angle[1]->textcolor(), FL_RED);
  EXPECT_EQ(results(), Texts{});
  click(w->precision->child(1)); // recomputes, but the red minutes still stop the results
  EXPECT_EQ(results(), Texts{});
  retype(w->angle[1], "52");
  click(w->decimal);
  EXPECT_TRUE(w->input2_group->visible());
  EXPECT_STREQ(w->input2->value(), "36.869898");
}

TEST_F(RightTrianglePageTest, UnitsConvertTheLengthsOfTheCase) {
  type_text(w->input1, "1");
  type_text(w->input2, "45");
  click(w->mm);
  EXPECT_STREQ(w->input1->value(), "25.4");
  EXPECT_STREQ(w->input2->value(), "45");
  EXPECT_EQ(results()[0], "25.4");
  choose_case(4);
  type_text(w->input1, "25.4");
  type_text(w->input2, "50.8");
  click(w->inch);
  EXPECT_STREQ(w->input1->value(), "1");
  EXPECT_STREQ(w->input2->value(), "2");
}

TEST_F(RightTrianglePageTest, RestartShowsTheCaseAndConvertsTheRestoredUnitOnce) {
  click(w->mm);
  click(w->dms);
  choose_case(2);
  type_text(w->input1, "127");
  type_text(w->angle[0], "30");
  restart_app();
  open_page();
  EXPECT_EQ(w->input1_label->value(), label(75));
  EXPECT_TRUE(w->angle_groups[0]->visible());
  EXPECT_STREQ(w->angle[0]->value(), "30");
  EXPECT_EQ(results(), (Texts{"219.97", "254.0", "60.0", "13968.124"}));
  click(w->inch); // still in mm: one conversion back to inch
  EXPECT_STREQ(w->input1->value(), "5");
}

TEST_F(RightTrianglePageTest, SketchDrawsTheTriangle) {
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
  EXPECT_EQ(pixel(180, 110), white); // inside the triangle
  EXPECT_GT(sketch.drawn_pixels(), 1500);
}
