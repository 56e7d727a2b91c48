// Everyday habits: Tab goes from field to field in the order a reader meets
// them, and Enter presses the page's first usable Enter button.
// (Enter's Calculate and Add are in the pages' own tests.)
#include "support/gui_test.h"

#include "app/main_window.h"
#include "app/page_table.h"
#include "pages/geometry/circle_segment_page.h"
#include "ui/enter_button.h"

using namespace testing_support;
using Widgets = std::vector<Fl_Widget*>;

namespace {

// The fields a user types into, and the radios, check boxes and choices.
void collect(Fl_Widget* root, Widgets& fields, Widgets& switches) {
  for_each_widget(root, [&](Fl_Widget* w) {
    auto* input = dynamic_cast<Fl_Input_*>(w);
    if (input && !input->readonly() && input->visible_r() && input->active_r())
      fields.push_back(w);
    if (dynamic_cast<Fl_Light_Button*>(w) || dynamic_cast<Fl_Choice*>(w))
      switches.push_back(w);
  });
}

// Tab from the first field visits every field of the page once, in reading
// order (top to bottom by rows: middles less than half a field's height
// apart share a row; left to right within a row), `last` at the end.
void expect_tab_in_reading_order(app::App& app, int page, const Fl_Widget* last) {
  Widgets fields, switches;
  collect(app.main_frame()->page_group(page), fields, switches);
  std::stable_sort(fields.begin(), fields.end(), [last](Fl_Widget* a, Fl_Widget* b) {
    const int down = (b->y() + b->h() / 2) - (a->y() + a->h() / 2);
    const bool same_row = std::abs(down) < std::min(a->h(), b->h()) / 2;
    return a != last && (b == last || (same_row ? a->x() < b->x() : down > 0));
  });
  Widgets visited{fields.front()};
  fields.front()->take_focus();
  for (int presses = 0; presses < 200; ++presses) {
    send_keys(app.main_frame()->window(), {FL_Tab});
    if (Fl::focus() == fields.front())
      break;
    if (std::count(fields.begin(), fields.end(), Fl::focus()))
      visited.push_back(Fl::focus());
  }
  auto where = [](const Widgets& list) {
    std::string text;
    for (const Fl_Widget* f : list)
      text += std::to_string(f->x()) + "," + std::to_string(f->y()) + " ";
    return text;
  };
  EXPECT_EQ(where(visited), where(fields)) << "page " << page;
}

class KeyboardHabitsTest : public AppTest {};

TEST_F(KeyboardHabitsTest, TabFollowsTheReadingOrderOnEveryPageInEveryMode) {
  app::App& a = start_app();
  // The diameter only restates the radius: from the radius Tab goes to the second value.
  const Fl_Widget* diameter =
      dynamic_cast<geometry::CircleSegmentPage&>(*a.page(1)).widgets().diameter;
  for (int page = 1; page <= app::page_count(); ++page) {
    click(a.main_frame()->nav_button(page));
    const Fl_Widget* last = page == 1 ? diameter : nullptr;
    expect_tab_in_reading_order(a, page, last);
    Widgets fields, switches; // every radio, check box and choice item may change the fields
    collect(a.main_frame()->page_group(page), fields, switches);
    for (Fl_Widget* w : switches) {
      auto* choice = dynamic_cast<Fl_Choice*>(w);
      for (int item = 0;
           item < (choice ? choice->size() - 1 : 1) && w->visible_r() && w->active_r(); ++item) {
        if (choice)
          choice->value(item);
        choice ? choice->do_callback() : click(w);
        expect_tab_in_reading_order(a, page, last);
      }
    }
  }
}

// Enter presses the first shown and usable Enter button; a greyed or hidden one is passed by.
TEST(EnterButtons, EnterPressesTheFirstShownUsableButton) {
  Fl_Double_Window window(300, 40);
  std::string pressed;
  for (const char* name : {"greyed", "hidden", "used", "next"}) {
    auto* button = new ui::EnterButton(0, 0, 50, 25, name);
    button->callback([](Fl_Widget* b, void* p) { *static_cast<std::string*>(p) += b->label(); },
                     &pressed);
  }
  window.end();
  window.child(0)->deactivate();
  window.child(1)->hide();
  Fl::e_state = 0;
  Fl::e_keysym = 'a';
  EXPECT_FALSE(ui::press_enter_button(window));
  Fl::e_keysym = FL_Enter;
  EXPECT_TRUE(ui::press_enter_button(window));
  EXPECT_EQ(pressed, "used");
}

} // namespace
