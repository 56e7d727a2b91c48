// Everyday keyboard and mouse habits: Tab goes from field to field in the
// order a reader meets them, Enter does a page's one obvious action, and
// the mouse wheel moves the navigation column a button per notch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Spinner.H>

#include <algorithm>
#include <functional>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "calc/gears/gear_ratio_page.h"
#include "calc/gears/ratio_results_window.h"
#include "calc/geometry/circle_segment_page.h"
#include "calc/workshop/change_gear_results_window.h"
#include "calc/workshop/change_gear_set_window.h"
#include "calc/workshop/change_gears_page.h"
#include "calc/workshop/dividing_head_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

using namespace testing_support;

namespace {

// The fields a user types into: shown, active, not read-only.
void collect_fields(Fl_Widget* w, std::vector<Fl_Widget*>& out) {
  auto* input = dynamic_cast<Fl_Input_*>(w);
  if (input && !input->readonly() && input->visible_r() && input->active_r())
    out.push_back(w);
  if (Fl_Group* group = w->as_group())
    for (int i = 0; i < group->children(); ++i)
      collect_fields(group->child(i), out);
}

// Top to bottom by rows, left to right within a row; two fields share a row
// when their middles are less than half a field's height apart.
bool reads_before(const Fl_Widget* a, const Fl_Widget* b) {
  const int middle_a = a->y() + a->h() / 2, middle_b = b->y() + b->h() / 2;
  if (std::abs(middle_a - middle_b) < std::min(a->h(), b->h()) / 2)
    return a->x() < b->x();
  return middle_a < middle_b;
}

std::string where(const std::vector<Fl_Widget*>& fields) {
  std::string text;
  for (const Fl_Widget* f : fields)
    text += std::to_string(f->x()) + "," + std::to_string(f->y()) + " ";
  return text;
}

class KeyboardHabitsTest : public AppTest {
protected:
  // Tab from the first field visits every field of the page once, in
  // reading order, `last` (a field that only restates another) at the end.
  void expect_tab_in_reading_order(int page, const Fl_Widget* last) {
    std::vector<Fl_Widget*> fields;
    collect_fields(app->main_frame()->page_group(page), fields);
    if (fields.empty())
      return;
    std::stable_sort(fields.begin(), fields.end(), [last](Fl_Widget* a, Fl_Widget* b) {
      return a != last && (b == last || reads_before(a, b));
    });
    std::vector<Fl_Widget*> visited{fields.front()};
    fields.front()->take_focus();
    for (int presses = 0; presses < 200; ++presses) {
      send_keys(app->main_frame()->window(), {FL_Tab});
      if (Fl::focus() == fields.front())
        break;
      if (std::count(fields.begin(), fields.end(), Fl::focus()))
        visited.push_back(Fl::focus());
    }
    EXPECT_EQ(where(visited), where(fields)) << "page " << page;
  }
};

TEST_F(KeyboardHabitsTest, TabFollowsTheReadingOrderOnEveryPageInEveryMode) {
  start_app();
  const Fl_Widget* diameter =
      dynamic_cast<geometry::CircleSegmentPage&>(*app->page(1)).widgets().diameter;
  for (int page = 1; page <= 17; ++page) {
    click(app->main_frame()->nav_button(page));
    const Fl_Widget* last = page == 1 ? diameter : nullptr;
    expect_tab_in_reading_order(page, last);
    // Every radio, check box and choice item that may change the fields.
    std::vector<Fl_Widget*> switches;
    std::function<void(Fl_Widget*)> gather = [&](Fl_Widget* w) {
      if (dynamic_cast<Fl_Round_Button*>(w) || dynamic_cast<Fl_Check_Button*>(w) ||
          dynamic_cast<Fl_Choice*>(w))
        switches.push_back(w);
      if (Fl_Group* group = w->as_group())
        for (int i = 0; i < group->children(); ++i)
          gather(group->child(i));
    };
    gather(app->main_frame()->page_group(page));
    for (Fl_Widget* w : switches) {
      if (!w->visible_r() || !w->active_r())
        continue;
      if (auto* choice = dynamic_cast<Fl_Choice*>(w)) {
        for (int item = 0; item < choice->size() - 1; ++item) {
          choice->value(item);
          choice->do_callback();
          expect_tab_in_reading_order(page, last);
        }
      } else {
        click(w);
        expect_tab_in_reading_order(page, last);
      }
    }
  }
}

// Types `text` over the field's text and presses Enter.
void enter(Fl_Widget* field, const char* text) {
  retype(dynamic_cast<Fl_Input_*>(field), text);
  press_key(FL_Enter);
}

TEST_F(KeyboardHabitsTest, EnterDoesThePagesOneObviousActionAfterTheFieldsOwn) {
  start_app();
  click(app->main_frame()->nav_button(7));
  const auto& head = dynamic_cast<workshop::DividingHeadPage&>(*app->page(7)).widgets();
  enter(head.divisions, "7"); // 40 / 7 = 5 5/7: 5 turns and 15 holes of 21
  ASSERT_GE(head.results->size(), 1);
  EXPECT_STREQ(head.results->text(1), "      21           5            15");
  retype(head.divisions, "40");
  enter(head.from, "1"); // From is raised to 2 on Enter, then the search runs
  EXPECT_STREQ(head.from->value(), "2");
  EXPECT_STREQ(head.results->text(1), "     any           1             0");

  click(app->main_frame()->nav_button(16));
  auto& ratio = dynamic_cast<gears::GearRatioPage&>(*app->page(16));
  ratio.set_fields({"5", "3", "12", "100", "1"});
  for (Fl_Widget* field : {static_cast<Fl_Widget*>(ratio.widgets().target),
                           static_cast<Fl_Widget*>(ratio.widgets().tolerance)}) {
    enter(field, "2");
    ASSERT_NE(ratio.results_window(), nullptr);
    ratio.results_window()->window()->do_callback();
    settle();
  }

  click(app->main_frame()->nav_button(17));
  auto& gears = dynamic_cast<workshop::ChangeGearsPage&>(*app->page(17));
  gears.set_gear_lines({"20", "30", "50", "60"});
  click(gears.widgets().mode[1]); // 1 mm from a 2 mm screw: 30 over 60
  retype(gears.widgets().pitch_to_make, "1");
  for (Fl_Widget* field : {static_cast<Fl_Widget*>(gears.widgets().lead_screw),
                           static_cast<Fl_Widget*>(gears.widgets().error)}) {
    enter(field, field == gears.widgets().error ? "0.1" : "2");
    ASSERT_NE(gears.results_window(), nullptr);
    click(gears.results_window()->close_button());
    settle();
  }

  click(gears.widgets().gear_set);
  workshop::ChangeGearSetWindow& set = *gears.gear_set_window();
  enter(set.teeth(), "40");
  retype(set.teeth(), "45");
  enter(set.count()->child(0), "2");
  EXPECT_EQ(gears.gear_lines(),
            (std::vector<std::string>{"20", "30", "40", "45", "45", "50", "60"}));
}

// One notch of the mouse wheel, `dy` 1 down or -1 up, at (x, y) in the window.
void wheel(Fl_Window* window, int x, int y, int dy) {
  Fl::e_x = x;
  Fl::e_y = y;
  Fl::e_x_root = window->x() + x;
  Fl::e_y_root = window->y() + y;
  Fl::e_dx = 0;
  Fl::e_dy = dy;
  Fl::handle(FL_MOUSEWHEEL, window);
}

TEST_F(KeyboardHabitsTest, AWheelNotchOverTheNavigationColumnMovesItOneButton) {
  start_app();
  Fl_Scroll* column = app->main_frame()->nav_column();
  const int top = column->yposition();
  // The buttons' tops are 56 apart (6, 62, 118, ...): a notch moves that far.
  for (const auto& [dy, scrolled] : {std::pair{1, 56}, {1, 112}, {-1, 56}}) {
    wheel(app->main_frame()->window(), 60, 200, dy);
    EXPECT_EQ(column->yposition() - top, scrolled);
  }
}

} // namespace
