// The dovetail page as a user drives it: typed values and the six results,
// the sketches that follow the clearance kind and the gib, units, the Print
// button and what a restart restores beyond the values.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>

#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "calc/workshop/dovetail_page.h"
#include "calc/workshop/dovetail_sketches.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using Texts = std::vector<std::string>;

namespace {

using namespace workshop;
const std::pair<const std::type_info*, const char*> kSketchNames[] = {
    {&typeid(FDoveTailStandard), "FDoveTailStandard"},
    {&typeid(FDoveTailDeep), "FDoveTailDeep"},
    {&typeid(FDoveTailStandardGib), "FDoveTailStandardGib"},
    {&typeid(FDoveTailDeepGib), "FDoveTailDeepGib"},
    {&typeid(MDoveTailStandard), "MDoveTailStandard"},
    {&typeid(MDoveTailShallow), "MDoveTailShallow"},
    {&typeid(MDoveTailDeep), "MDoveTailDeep"}};

const char* sketch_name(Fl_Widget* w) {
  for (const auto& [type, name] : kSketchNames)
    if (typeid(*w) == *type)
      return name;
  return nullptr;
}

// Every sketch on screen under `group`, in building order.
void visible_sketches(Fl_Group* group, std::vector<Fl_Widget*>& found) {
  for (int i = 0; i < group->children(); ++i) {
    Fl_Widget* child = group->child(i);
    if (sketch_name(child) && child->visible_r())
      found.push_back(child);
    else if (child->as_group())
      visible_sketches(child->as_group(), found);
  }
}

} // namespace

class DovetailPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }
  void open_page() {
    start_app();
    click(app->main_frame()->nav_button(4));
  }
  const workshop::DovetailPage::Widgets& w() {
    return dynamic_cast<workshop::DovetailPage&>(*app->page(4)).widgets();
  }
  Texts results() {
    Texts out;
    for (Fl_Output* field : w().results)
      out.push_back(field->value());
    return out;
  }
  std::vector<Fl_Widget*> shown_sketches() {
    std::vector<Fl_Widget*> found;
    visible_sketches(app->main_frame()->page_group(4), found);
    return found;
  }
  Texts sketches() {
    Texts names;
    for (Fl_Widget* sketch : shown_sketches())
      names.push_back(sketch_name(sketch));
    return names;
  }
  void choose_kind(int kind) {
    w().clearance_kind->value(kind);
    w().clearance_kind->do_callback();
  }
  // W 1, D 0.5, pins 0.25 at 60 degrees, clearance 0.1.
  void type_example() {
    type_text(w().width, "1");
    type_text(w().depth, ".5");
    type_text(w().pin, ".25");
    type_text(w().clearance, ".1");
    click(w().angle_60);
  }
};

TEST_F(DovetailPageTest, StartsEmptyAtFortyFiveDegreesWithTheDeeperSlot) {
  EXPECT_EQ(Fl::focus(), w().width);
  EXPECT_TRUE(w().angle_45->value());
  EXPECT_TRUE(w().inch->value());
  EXPECT_EQ(w().clearance_kind->value(), 0);
  EXPECT_FALSE(w().typed_angle->visible());
  EXPECT_FALSE(w().gib_thickness->visible());
  EXPECT_EQ(sketches(), (Texts{"FDoveTailDeep", "MDoveTailStandard"}));
  EXPECT_EQ(results(), Texts(6, ""));
  EXPECT_FALSE(w().print->active());
}

TEST_F(DovetailPageTest, ResultsFollowEveryKeyAndEveryChoice) {
  type_text(w().width, "1");
  type_text(w().depth, ".5");
  type_text(w().pin, ".2");
  EXPECT_EQ(results()[5], "0.683"); // root 0 at 45 degrees, pins 0.2 * 3.4142
  type_text(w().pin, "5");
  EXPECT_EQ(results()[5], "0.854");
  click(w().angle_60);
  choose_kind(3);
  EXPECT_EQ(results(), (Texts{"0.423", "1.0", "0.5", "0.5", "0.317", "1.106"}));
  EXPECT_TRUE(w().print->active());

  choose_kind(0);
  type_text(w().clearance, ".1");
  EXPECT_EQ(results(), (Texts{"0.423", "1.0", "0.6", "0.5", "0.432", "1.106"}));
  click(w().gib);
  EXPECT_EQ(results(), Texts(6, "")); // a gib needs its thickness
  EXPECT_FALSE(w().print->active());
  type_text(w().gib_thickness, ".05");
  EXPECT_EQ(results(), (Texts{"0.48", "1.0", "0.6", "0.5", "0.49", "1.106"}));

  click(w().angle_typed);
  EXPECT_TRUE(w().typed_angle->visible());
  EXPECT_EQ(results(), Texts(6, ""));
  type_text(w().typed_angle, "95");
  EXPECT_EQ(w().typed_angle->textcolor(), FL_RED);
  EXPECT_EQ(results(), Texts(6, "")); // never the results of 9 degrees
  press_key(FL_BackSpace);
  press_key(FL_BackSpace);
  click(w().gib);
  choose_kind(3);
  type_text(w().typed_angle, "90");
  EXPECT_EQ(results(), (Texts{"1.0", "1.0", "0.5", "0.5", "0.5", "1.5"}));
  click(w().angle_45);
  EXPECT_FALSE(w().typed_angle->visible());
}

TEST_F(DovetailPageTest, SketchesFollowTheClearanceKindAndTheGib) {
  struct Case {
    int kind;
    bool gib;
    Texts shown;
    bool clearance_shown;
  };
  const Case cases[] = {
      {0, false, {"FDoveTailDeep", "MDoveTailStandard"}, true},
      {1, false, {"FDoveTailStandard", "MDoveTailShallow"}, true},
      {2, false, {"FDoveTailStandard", "MDoveTailDeep"}, true},
      {3, false, {"FDoveTailStandard", "MDoveTailStandard"}, false},
      {0, true, {"FDoveTailDeepGib", "MDoveTailStandard"}, true},
      {1, true, {"FDoveTailStandardGib", "MDoveTailShallow"}, true},
      {2, true, {"FDoveTailStandardGib", "MDoveTailDeep"}, true},
      {3, true, {"FDoveTailStandardGib", "MDoveTailStandard"}, false},
  };
  type_text(w().clearance, "0.1");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind + (c.gib ? 10 : 0));
    if (bool(w().gib->value()) != c.gib)
      click(w().gib);
    choose_kind(c.kind);
    EXPECT_EQ(sketches(), c.shown);
    EXPECT_EQ(w().clearance->visible() != 0, c.clearance_shown);
    EXPECT_STREQ(w().clearance->value(), "0.1"); // kept while hidden
    EXPECT_EQ(w().gib_thickness->visible() != 0, c.gib);
    for (Fl_Widget* sketch : shown_sketches())
      EXPECT_GT(render_widget(sketch).drawn_pixels(), 0) << sketch_name(sketch);
  }
}

TEST_F(DovetailPageTest, UnitsConvertInPlaceOnceWhicheverButtonSwitchesThemAndPrintFollows) {
  type_example();
  choose_kind(3);
  click(w().mm);
  EXPECT_STREQ(w().width->value(), "25.4");
  EXPECT_STREQ(w().pin->value(), "6.35");
  EXPECT_EQ(results(), (Texts{"10.735", "25.4", "12.7", "12.7", "8.051", "28.084"}));
  click(w().mm); // already set: nothing happens
  EXPECT_STREQ(w().width->value(), "25.4");
  click(app->main_frame()->unit_button()); // to metric: this page is there already
  EXPECT_STREQ(w().width->value(), "25.4");
  click(app->main_frame()->unit_button()); // back to inch: millimetres chosen here stay
  EXPECT_TRUE(w().mm->value());
  EXPECT_STREQ(w().width->value(), "25.4");
  click(w().inch);
  EXPECT_STREQ(w().width->value(), "1");
  EXPECT_STREQ(w().clearance->value(), "0.1");
  EXPECT_EQ(results()[5], "1.106");

  // Print sends the shown sizes in the page's unit.
  std::vector<workshop::DovetailPrintValues> printed;
  dynamic_cast<workshop::DovetailPage&>(*app->page(4))
      .set_print_action([&](const workshop::DovetailPrintValues& v) { printed.push_back(v); });
  choose_kind(1); // male shallower: height 0.4
  click(w().mm);
  click(w().print);
  ASSERT_EQ(printed.size(), 1u);
  const workshop::DovetailPrintValues& v = printed[0];
  EXPECT_TRUE(v.millimetre);
  // Inch sizes of the hand calculation, times 25.4.
  const std::pair<double, double> sizes[] = {
      {v.male_max_width, 0.8845299},   {v.male_depth, 0.4},   {v.male_over_pins, 1.1056624},
      {v.female_min_width, 0.4226497}, {v.female_depth, 0.5}, {v.female_between_pins, 0.3169873}};
  for (const auto& [printed_mm, inch] : sizes)
    EXPECT_NEAR(printed_mm, inch * 25.4, 1e-5);
}

// The whole-program test sees a filled page come back; a restored unit
// converting only once is this page's own.
TEST_F(DovetailPageTest, ARestoredUnitConvertsOnce) {
  type_text(w().width, "1");
  click(w().mm);
  restart_app();
  EXPECT_STREQ(w().width->value(), "25.4");
  click(w().inch); // restored without converting, so one conversion back
  EXPECT_STREQ(w().width->value(), "1");
}

TEST_F(DovetailPageTest, RestoredEmptyChoiceShowsNoSketchAndMetricIsNotConverted) {
  stop_app();
  dir.write_file("State.ini", "[p4]\ndove_nominal_width = 1\ndove_nominal_depth = 0.5\n"
                              "dove_pin_diameter = 0.25\ndove_clearance_amount = 0.1\n"
                              "dove_angle = 0\ndove_type = -1\n[page]\npage = 3\n");
  open_page();
  EXPECT_EQ(w().clearance_kind->value(), -1);
  EXPECT_EQ(sketches(), Texts{});
  EXPECT_EQ(results(), (Texts{"0.423", "1.0", "0.5", "0.5", "0.317", "1.106"}));

  // The metric system sets millimetres without converting the restored width.
  stop_app();
  dir.write_file("DoNotEditOrDelete.ini", "[.]\nlanguage = en\nmeasure = metric\n"
                                          "[hole plates]\n13 = 13\n[h 40-1]\n0 = H 40-1\n");
  dir.write_file("State.ini", "[p4]\ndove_nominal_width = 30\np4_measure = 1\n[page]\npage = 3\n");
  open_page();
  EXPECT_TRUE(w().mm->value());
  EXPECT_STREQ(w().width->value(), "30");
  click(app->main_frame()->unit_button()); // to inch
  EXPECT_STREQ(w().width->value(), "1.1811023622");
}
