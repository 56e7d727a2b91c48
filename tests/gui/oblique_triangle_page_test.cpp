// The oblique-triangle page driven with real keys and clicks.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <cctype>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "calc/geometry/oblique_triangle_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

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
  // Replaces a field's text by typing, as a user who selected it would.
  void enter(Fl_Input* field, const std::string& text) {
    field->take_focus();
    field->value("");
    type_text(field, text);
  }
  void enter_row(int row, const std::string& text) {
    enter(w().decimal_inputs[static_cast<size_t>(row - 1)], text);
  }
  void enter_rows(const char* one, const char* two, const char* three) {
    enter_row(1, one);
    enter_row(2, two);
    enter_row(3, three);
  }
  void enter_dms(int row, const std::string& d, const std::string& m, const std::string& s) {
    const auto& fields = w().dms_inputs[static_cast<size_t>(row - 1)];
    enter(fields[0], d);
    enter(fields[1], m);
    enter(fields[2], s);
  }
  void set_precision(const std::string& places) {
    enter(static_cast<Fl_Input*>(w().precision->child(0)), places);
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

TEST_F(ObliqueTrianglePageTest, ResultsFollowEveryKeyAtThePrecisionAndEachCaseTakesItsRows) {
  EXPECT_EQ(Fl::focus(), w().decimal_inputs[0]); // showing the page focuses row 1
  enter_row(1, "3");
  enter_row(2, "4");
  EXPECT_EQ(results(), kEmpty);
  enter_row(3, "5");
  EXPECT_EQ(results(), (Texts{"36.87", "53.13", "90.0", "6.0"}));
  set_precision("6");
  EXPECT_EQ(results(), (Texts{"36.869898", "53.130102", "90", "6"}));
  EXPECT_EQ(texts(w().result_dms[0]), (Texts{"36", "52", "11.632"}));
  enter_row(3, "10"); // longer than the other two sides together
  EXPECT_EQ(results(), kEmpty);
  EXPECT_EQ(texts(w().result_dms[0]), (Texts{"", "", ""}));

  struct Case {
    int known;
    const char* rows[3];
    Texts shown;
  };
  // Each case takes its rows in its own order (at the starting precision).
  set_precision("3");
  const Case cases[] = {
      {2, {"2", "60", "1"}, {"90.0", "1.732", "30.0", "0.866"}}, // b = a cos C
      {3, {"30", "1", "45"}, {"1.414", "105.0", "1.932", "0.683"}},
      {4, {"60", "60", "60"}, {"1.0", "1.0", "1.0", "0.433"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.known);
    choose_case(c.known);
    enter_rows(c.rows[0], c.rows[1], c.rows[2]);
    EXPECT_EQ(results(), c.shown);
  }
}

TEST_F(ObliqueTrianglePageTest, AngleRowsHaveARangeAndSideRowsNone) {
  choose_case(3); // A, a, B
  enter_row(2, "500");
  EXPECT_EQ(w().decimal_inputs[1]->textcolor(), kBlack);
  enter_row(3, "45");
  enter_row(1, "30");
  EXPECT_NE(results(), kEmpty);
  type_text(w().decimal_inputs[0], "0"); // 300
  EXPECT_EQ(w().decimal_inputs[0]->textcolor(), kRed);
  EXPECT_EQ(results(), kEmpty);
  // A later recompute by the spinner's arrows still refuses the red angle.
  click(w().precision->child(1));
  EXPECT_EQ(w().precision->value(), 4);
  EXPECT_EQ(results(), kEmpty);
  enter_row(1, "179.999999");
  EXPECT_EQ(w().decimal_inputs[0]->textcolor(), kBlack);

  choose_case(1); // the same rows now hold sides: black, no range
  enter_row(1, "300");
  EXPECT_EQ(w().decimal_inputs[0]->textcolor(), kBlack);
}

// What the window shows in a widget's rectangle, read back from the screen.
struct ScreenPixels {
  int x, y, w, h;
  std::vector<unsigned char> rgb;
  explicit ScreenPixels(Fl_Widget* area) : x(area->x()), y(area->y()), w(area->w()), h(area->h()) {
    Fl_Window* window = area->window();
    rgb.resize(static_cast<size_t>(w * h * 3));
    for (int attempt = 0; attempt < 100; ++attempt) {
      settle();
      window->redraw();
      Fl::flush();
      window->make_current();
      fl_read_image(rgb.data(), x, y, w, h);
      if (!is(x + 10, y + 50, 0, 0, 0))
        break;
      Fl::wait(0.02);
    }
  }
  bool is(int wx, int wy, unsigned char r, unsigned char g, unsigned char b) const {
    size_t i = static_cast<size_t>(((wy - y) * w + (wx - x)) * 3);
    return rgb[i] == r && rgb[i + 1] == g && rgb[i + 2] == b;
  }
  // Text is smoothed into the background: clearly red pixels.
  int red_pixels_in(const Fl_Widget* box) const {
    int count = 0;
    for (int wy = box->y(); wy < box->y() + box->h(); ++wy)
      for (int wx = box->x(); wx < box->x() + box->w(); ++wx) {
        const unsigned char* p = &rgb[static_cast<size_t>(((wy - y) * w + (wx - x)) * 3)];
        count += (p[0] > 160 && p[1] < 110 && p[2] < 110) ? 1 : 0;
      }
    return count;
  }
};

TEST_F(ObliqueTrianglePageTest, EachCaseShowsItsRowsNoteAndTheSketchWithTheGivenNamesInRed) {
  struct Case {
    int known;
    const char* rows; // capitals are angles, small letters sides
    const char* results;
    const char* sketch; // names a, b, c, A, B, C: 'R' red (given), 'K' black
  };
  const Case cases[] = {{1, "abc", "ABC", "RRRKKK"},
                        {2, "aCb", "AcB", "RRKKKR"},
                        {3, "AaB", "bCc", "RKKRRK"},
                        {4, "ABC", "abc", "KKKRRR"}};
  auto label = [](char q) { return std::string(isupper(q) ? "Angle " : "Side ") + q; };
  using Q = geometry::TriangleQuantity;
  const Q sketch_order[] = {Q::kSideA, Q::kSideB, Q::kSideC, Q::kAngleA, Q::kAngleB, Q::kAngleC};
  Fl_Widget* triangle = w().sketch.triangle;
  const int x = triangle->x(), y = triangle->y(), wide = triangle->w(), high = triangle->h();
  for (bool dms : {false, true}) {
    click(dms ? w().dms : w().decimal);
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "case " << c.known << (dms ? " D/M/S" : " decimal"));
      choose_case(c.known);
      EXPECT_EQ(w().note->visible() != 0, c.known == 4);
      for (size_t r = 0; r < 3; ++r) {
        SCOPED_TRACE(r + 1);
        EXPECT_EQ(w().row_labels[r]->value(), label(c.rows[r]));
        EXPECT_EQ(w().result_labels[r]->value(), label(c.results[r]));
        const bool dms_row = dms && isupper(c.rows[r]);
        EXPECT_EQ(w().decimal_groups[r]->visible() != 0, !dms_row);
        for (Fl_Group* part : w().dms_groups[r])
          EXPECT_EQ(part->visible() != 0, dms_row);
        const bool dms_result = dms && isupper(c.results[r]);
        EXPECT_EQ(w().result_values[r]->visible() != 0, !dms_result);
        EXPECT_EQ(w().result_dms_groups[r]->visible() != 0, dms_result);
      }
      EXPECT_STREQ(w().area_label->value(), "Area");
      ScreenPixels shown(triangle);
      EXPECT_FALSE(shown.is(x + 10, y + 50, 0, 0, 0)) << "the sketch was never drawn";
      EXPECT_TRUE(shown.is(x, y, 0, 0, 0));                        // frame
      EXPECT_TRUE(shown.is(x + wide / 2, y + high - 52, 0, 0, 0)); // base of the triangle
      EXPECT_TRUE(shown.is(x + 2 * (wide / 3), y + 60, 0, 0, 0));  // apex
      EXPECT_GT(shown.red_pixels_in(triangle), 0);                 // red word of the legend
      for (size_t i = 0; i < 6; ++i) {
        const Fl_Widget* name = w().sketch.name(sketch_order[i]);
        EXPECT_EQ(name->labelcolor(), c.sketch[i] == 'R' ? kRed : kBlack) << i;
        EXPECT_EQ(shown.red_pixels_in(name) > 0, c.sketch[i] == 'R') << i;
      }
    }
  }
}

TEST_F(ObliqueTrianglePageTest, MillimetresConvertOnlyTheSideRows) {
  choose_case(2);
  enter_rows("2", "60", "1");
  click(w().mm);
  EXPECT_EQ(texts(w().decimal_inputs), (Texts{"50.8", "60", "25.4"}));
  EXPECT_EQ(results(), (Texts{"90.0", "43.994", "30.0", "558.725"}));
  click(w().inch);
  EXPECT_EQ(results(), (Texts{"90.0", "1.732", "30.0", "0.866"}));

  // The unit button of the main window switches the page there and back.
  click(app->main_frame()->unit_button());
  EXPECT_EQ(texts(w().decimal_inputs), (Texts{"50.8", "60", "25.4"}));
  click(app->main_frame()->unit_button());
  EXPECT_EQ(texts(w().decimal_inputs), (Texts{"2", "60", "1"}));

  // A page already in mm is not converted again when the program follows.
  click(w().mm);
  click(app->main_frame()->unit_button());
  EXPECT_EQ(texts(w().decimal_inputs), (Texts{"50.8", "60", "25.4"}));
  EXPECT_EQ(results()[1], "43.994");
}

TEST_F(ObliqueTrianglePageTest, AngleFormatMovesTheAnglesAndDmsInputsComputeAndEmptyOnACaseChange) {
  choose_case(3);
  enter_rows("30.5", "1", "45.25");
  const Texts decimal_results = results();
  click(w().dms);
  EXPECT_EQ(texts(w().dms_inputs[0]), (Texts{"30", "30", "0"}));
  EXPECT_EQ(texts(w().result_dms[1]), (Texts{"104", "15", "0.0"}));
  click(w().decimal);
  EXPECT_EQ(texts(w().decimal_inputs), (Texts{"30.5", "1", "45.25"}));
  EXPECT_EQ(results(), decimal_results);

  // One typed second survives a switch to decimal degrees and back.
  click(w().dms);
  enter_dms(1, "30", "0", "1");
  click(w().decimal);
  EXPECT_STREQ(w().decimal_inputs[0]->value(), "30.000277778");
  click(w().dms);
  EXPECT_EQ(texts(w().dms_inputs[0]), (Texts{"30", "0", "1"}));

  // Angles typed in D/M/S compute; a part out of range is refused.
  choose_case(4);
  enter_dms(1, "59", "30", "0");
  enter_dms(2, "60", "0", "0");
  enter_dms(3, "60", "30", "0");
  EXPECT_EQ(results(), (Texts{"0.995", "1.0", "1.005", "0.433"}));
  enter(w().dms_inputs[0][1], "75"); // minutes beyond 59
  EXPECT_EQ(w().dms_inputs[0][1]->textcolor(), kRed);
  EXPECT_EQ(results(), kEmpty);

  // A case change empties the inputs and the results.
  choose_case(2);
  enter_dms(2, "60", "", "");
  choose_case(3);
  EXPECT_EQ(texts(w().decimal_inputs), (Texts{"", "", ""}));
  EXPECT_EQ(texts(w().dms_inputs[1]), (Texts{"", "", ""}));
  EXPECT_EQ(results(), kEmpty);
  // Row 1 holds angle A in degrees, minutes, seconds: its degrees take the keys.
  EXPECT_EQ(Fl::focus(), w().dms_inputs[0][0]);
}

// Restored in D/M/S, the first angle's degrees take the keys; mm convert back once.
TEST_F(ObliqueTrianglePageTest, RestartFocusesTheRestoredRowAndConvertsOnce) {
  choose_case(3);
  click(w().mm);
  click(w().dms);
  enter_dms(1, "30", "15", "");
  enter_row(2, "25.4");
  enter_dms(3, "45", "", "");
  set_precision("5");
  const Texts before = results();
  ASSERT_NE(before, kEmpty);
  restart_app();
  EXPECT_EQ(Fl::focus(), w().dms_inputs[0][0]);
  EXPECT_EQ(results(), before);
  click(w().inch);
  EXPECT_STREQ(w().decimal_inputs[1]->value(), "1");
}

TEST_F(ObliqueTrianglePageTest, RestoredPrecisionIsClamped) {
  struct Case {
    const char* line; // the precision key as written by hand
    double restored;
    const char* area;
  };
  const Case cases[] = {
      {"p3_precision = 8\n", 6, "6"}, {"p3_precision = 1\n", 2, "6.0"}, {"", 3, "6.0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    stop_app();
    dir.write_file("State.ini", std::string("[p3]\n") + c.line +
                                    "tri2l0a = 3\ntri2l1a = 4\ntri2l2a = 5\n[page]\npage = 2\n");
    start_app();
    EXPECT_EQ(w().precision->value(), c.restored);
    EXPECT_STREQ(w().area->value(), c.area);
  }
}
