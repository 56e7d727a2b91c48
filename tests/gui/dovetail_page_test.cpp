// The dovetail page's wiring: controls reach the form and its fields,
// sketches and rows show; units, Print, restore and focus.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "calc/workshop/dovetail_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using Texts = std::vector<std::string>;

class DovetailPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }
  void open_page() {
    start_app();
    click(app->main_frame()->nav_button(4));
  }
  workshop::DovetailPage& page() { return dynamic_cast<workshop::DovetailPage&>(*app->page(4)); }
  const workshop::DovetailPage::Widgets& w() { return page().widgets(); }
  Texts results() {
    Texts out;
    for (Fl_Output* field : w().results)
      out.push_back(field->value());
    return out;
  }
  // Indices of the shown female and male sketch groups (-1: none).
  std::pair<int, int> sketches() {
    auto shown = [](const auto& groups) {
      int found = -1;
      for (size_t i = 0; i < groups.size(); ++i)
        if (groups[i]->visible())
          found = found == -1 ? static_cast<int>(i) : -2;
      return found;
    };
    return {shown(w().female_groups), shown(w().male_groups)};
  }
  void choose_kind(int kind) {
    w().clearance_kind->value(kind);
    w().clearance_kind->do_callback();
  }
};

TEST_F(DovetailPageTest, ControlsReachTheFormAndItsFieldsSketchesAndRowsShow) {
  EXPECT_EQ(Fl::focus(), w().width);
  EXPECT_EQ(sketches(), std::make_pair(1, 0)); // deeper slot, standard male
  EXPECT_FALSE(w().print->active());

  type_text(w().width, "1");
  type_text(w().depth, ".5");
  type_text(w().pin, ".25");
  click(w().angle_60);
  choose_kind(2);
  EXPECT_EQ(sketches(), std::make_pair(0, 2));
  type_text(w().clearance, ".1");
  EXPECT_EQ(results(), (Texts{"0.423", "1.0", "0.5", "0.6", "0.317", "0.99"}));
  EXPECT_TRUE(w().print->active());

  choose_kind(0);
  click(w().gib);
  EXPECT_TRUE(w().gib_thickness->visible());
  EXPECT_EQ(sketches(), std::make_pair(3, 0));
  EXPECT_EQ(results(), Texts(6, "")); // a gib needs its thickness
  EXPECT_FALSE(w().print->active());
  type_text(w().gib_thickness, ".05");
  EXPECT_EQ(results(), (Texts{"0.48", "1.0", "0.6", "0.5", "0.49", "1.106"}));
  for (Fl_Group* group : {w().female_groups[3], w().male_groups[0]})
    EXPECT_GT(render_widget(group->child(0)).drawn_pixels(), 0);

  choose_kind(3);
  EXPECT_FALSE(w().clearance->visible());
  click(w().angle_typed);
  EXPECT_TRUE(w().typed_angle->visible());
  type_text(w().typed_angle, "60");
  EXPECT_EQ(results()[1], "1.0");
  type_text(w().typed_angle, "5"); // 605: red, and never the results of 60
  EXPECT_EQ(w().typed_angle->textcolor(), FL_RED);
  EXPECT_EQ(results(), Texts(6, ""));
}

TEST_F(DovetailPageTest, UnitsConvertOnceWhicheverButtonSwitchesThemAndPrintFollows) {
  type_text(w().width, "1");
  type_text(w().depth, ".5");
  type_text(w().pin, ".25");
  type_text(w().clearance, ".1");
  click(w().angle_60);
  choose_kind(1);
  click(w().mm);
  EXPECT_STREQ(w().width->value(), "25.4");
  EXPECT_EQ(results()[5], "28.084");
  click(app->main_frame()->unit_button()); // to metric: this page is there already
  EXPECT_STREQ(w().width->value(), "25.4");

  std::vector<workshop::DovetailPrintValues> printed;
  page().set_print_action([&](const workshop::DovetailPrintValues& v) { printed.push_back(v); });
  click(w().print);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_TRUE(printed[0].millimetre);
  EXPECT_NEAR(printed[0].male_max_width, 0.8845299 * 25.4, 1e-5); // male 0.1 lower
  EXPECT_NEAR(printed[0].female_between_pins, 0.3169873 * 25.4, 1e-5);
}

TEST_F(DovetailPageTest, RestoreShowsTheRestoredModesComputesAndConvertsTheUnitOnce) {
  stop_app();
  dir.write_file("State.ini", "[p4]\ndove_nominal_width = 25.4\ndove_nominal_depth = 12.7\n"
                              "dove_pin_diameter = 6.35\ndove_angle = 2\n"
                              "dovetail_angle_specify = 60\ndove_type = -1\ndove_gib_yes = 1\n"
                              "p4_measure = 1\n[page]\npage = 3\n");
  open_page();
  EXPECT_TRUE(w().typed_angle->visible());
  EXPECT_TRUE(w().gib_thickness->visible());
  EXPECT_EQ(sketches(), std::make_pair(-1, -1));
  EXPECT_EQ(results(), Texts(6, "")); // the gib has no thickness
  click(w().gib);
  EXPECT_EQ(results(), (Texts{"10.735", "25.4", "12.7", "12.7", "8.051", "28.084"}));
  click(w().inch); // restored without converting, so one conversion back
  EXPECT_STREQ(w().width->value(), "1");
}
