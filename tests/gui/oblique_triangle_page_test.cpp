// The oblique-triangle page: the controls reach the form and its rows and
// labels show, ranges per row, units, angle formats, restore, sketch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <array>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "calc/geometry/oblique_triangle_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using geometry::ObliqueTriangleWidgets;
using Texts = std::vector<std::string>;

namespace {
const Fl_Color kRed = 88;
const Fl_Color kBlack = 56;
} // namespace

class ObliqueTrianglePageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }

  void open_page() {
    start_app();
    click(app->main_frame()->nav_button(3));
  }
  const ObliqueTriangleWidgets& w() const {
    return static_cast<geometry::ObliqueTrianglePage*>(app->page(3))->widgets();
  }
  void choose_case(int number) { click(w().case_buttons[static_cast<size_t>(number - 1)]); }
  void enter_rows(const std::array<const char*, 3>& texts) {
    for (size_t r = 0; r < 3; ++r)
      retype(w().decimal_inputs[r], texts[r]);
  }
  void enter_dms(int row, const std::array<const char*, 3>& parts) {
    for (size_t c = 0; c < 3; ++c)
      retype(w().dms_inputs[static_cast<size_t>(row - 1)][c], parts[c]);
  }
  void set_precision(const std::string& places) {
    retype(static_cast<Fl_Input*>(w().precision->child(0)), places);
  }
  template <typename Fields> static Texts texts(const Fields& fields) {
    Texts shown;
    for (const Fl_Input_* field : fields)
      shown.push_back(field->value());
    return shown;
  }
  Texts results() const {
    Texts shown = texts(w().result_values);
    shown.push_back(w().area->value());
    return shown;
  }
  const Texts kEmpty{"", "", "", ""};
};

TEST_F(ObliqueTrianglePageTest, ControlsReachTheFormAndItsRowsShow) {
  EXPECT_EQ(Fl::focus(), w().decimal_inputs[0]); // showing the page focuses row 1
  enter_rows({"3", "4", "5"});
  EXPECT_EQ(results(), (Texts{"36.87", "53.13", "90.0", "6.0"}));
  set_precision("6");
  EXPECT_EQ(results(), (Texts{"36.869898", "53.130102", "90", "6"}));
  EXPECT_EQ(texts(w().result_dms[0]), (Texts{"36", "52", "11.632"}));
  set_precision("3");

  struct Case {
    int known;
    std::array<const char*, 3> rows;
    Texts shown;
    const char *row1_label, *result1_label;
    const char* sketch; // names a, b, c, A, B, C: 'R' red (given), 'K' black
  };
  const Case cases[] = {
      {2, {"2", "60", "1"}, {"90.0", "1.732", "30.0", "0.866"}, "Side a", "Angle A", "RRKKKR"},
      {3, {"30", "1", "45"}, {"1.414", "105.0", "1.932", "0.683"}, "Angle A", "Side b", "RKKRRK"},
      {4, {"60", "60", "60"}, {"1.0", "1.0", "1.0", "0.433"}, "Angle A", "Side a", "KKKRRR"},
  };
  using Q = geometry::TriangleQuantity;
  const Q sketch_order[] = {Q::kSideA, Q::kSideB, Q::kSideC, Q::kAngleA, Q::kAngleB, Q::kAngleC};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.known);
    choose_case(c.known);
    EXPECT_EQ(w().note->visible() != 0, c.known == 4);
    EXPECT_STREQ(w().row_labels[0]->value(), c.row1_label);
    EXPECT_STREQ(w().result_labels[0]->value(), c.result1_label);
    for (size_t i = 0; i < 6; ++i)
      EXPECT_EQ(w().sketch.name(sketch_order[i])->labelcolor(), c.sketch[i] == 'R' ? kRed : kBlack)
          << i;
    enter_rows(c.rows);
    EXPECT_EQ(results(), c.shown);
  }
}

TEST_F(ObliqueTrianglePageTest, AngleRowsHaveARangeAndSideRowsNone) {
  choose_case(3); // A, a, B
  enter_rows({"30", "500", "45"});
  EXPECT_EQ(w().decimal_inputs[1]->textcolor(), kBlack);
  EXPECT_NE(results(), kEmpty);
  retype(w().decimal_inputs[0], "300");
  EXPECT_EQ(w().decimal_inputs[0]->textcolor(), kRed);
  EXPECT_EQ(results(), kEmpty);
  // A later recompute by the spinner's arrows still refuses the red angle.
  click(w().precision->child(1));
  EXPECT_EQ(results(), kEmpty);

  choose_case(1); // the same rows now hold sides: black, no range
  retype(w().decimal_inputs[0], "300");
  EXPECT_EQ(w().decimal_inputs[0]->textcolor(), kBlack);
}

TEST_F(ObliqueTrianglePageTest, MillimetresConvertOnlyTheSideRows) {
  choose_case(2);
  enter_rows({"2", "60", "1"});
  click(w().mm);
  EXPECT_EQ(texts(w().decimal_inputs), (Texts{"50.8", "60", "25.4"}));
  EXPECT_EQ(results(), (Texts{"90.0", "43.994", "30.0", "558.725"}));
}

TEST_F(ObliqueTrianglePageTest, AngleFormatMovesTheTypedAngles) {
  choose_case(3);
  enter_rows({"30.5", "1", "45.25"});
  click(w().dms);
  EXPECT_EQ(texts(w().dms_inputs[0]), (Texts{"30", "30", "0"}));
  EXPECT_TRUE(w().decimal_groups[1]->visible()); // side a stays decimal
  EXPECT_FALSE(w().decimal_groups[2]->visible());
  EXPECT_TRUE(w().result_dms_groups[1]->visible());
  EXPECT_EQ(texts(w().result_dms[1]), (Texts{"104", "15", "0.0"}));
  enter_dms(1, {"30", "0", "1"});
  click(w().decimal);
  EXPECT_EQ(texts(w().decimal_inputs), (Texts{"30.000277778", "1", "45.25"}));
  EXPECT_EQ(results()[1], "104.75");

  // In D/M/S a case change leaves row 1's degrees taking the keys.
  click(w().dms);
  choose_case(4);
  EXPECT_EQ(Fl::focus(), w().dms_inputs[0][0]);
  retype(w().dms_inputs[0][1], "75"); // minutes beyond 59
  EXPECT_EQ(w().dms_inputs[0][1]->textcolor(), kRed);
}

// Restored in D/M/S, the first angle's degrees take the keys; mm convert back once.
TEST_F(ObliqueTrianglePageTest, RestartShowsTheCaseAndConvertsOnce) {
  choose_case(3);
  click(w().mm);
  click(w().dms);
  enter_dms(1, {"30", "15", ""});
  retype(w().decimal_inputs[1], "25.4");
  enter_dms(3, {"45", "", ""});
  const Texts before = results();
  ASSERT_NE(before, kEmpty);
  restart_app();
  EXPECT_STREQ(w().row_labels[0]->value(), "Angle A");
  EXPECT_EQ(Fl::focus(), w().dms_inputs[0][0]);
  EXPECT_EQ(results(), before);
  click(w().inch);
  EXPECT_STREQ(w().decimal_inputs[1]->value(), "1");
}

TEST_F(ObliqueTrianglePageTest, SketchDrawsTheTriangleAndItsLegend) {
  Rendered shot = render_widget(w().sketch.triangle);
  EXPECT_GT(shot.drawn_pixels(), 1500);
  uchar r, g, b;
  Fl::get_color(kRed, r, g, b);
  EXPECT_GT(shot.pixels_of(r, g, b), 0); // the red word of the legend
}
