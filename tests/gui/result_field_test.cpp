// The one result field: a value the page wrote can be selected and copied,
// so that it reaches the machine's control or a drawing without retyping.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>

#include "app/main_window.h"
#include "calc/geometry/polygon_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "ui/result_field.h"

using namespace testing_support;

namespace {

void send_keys(std::initializer_list<int> keys, Fl_Window* window, int state = 0) {
  static char text[2] = {0, 0};
  for (int key : keys) {
    text[0] = static_cast<char>(key & 0x7f);
    Fl::e_keysym = key;
    Fl::e_text = text;
    Fl::e_length = key < 0x80 ? 1 : 0;
    Fl::e_state = state;
    Fl::handle(FL_KEYDOWN, window);
  }
  Fl::e_state = 0;
}

class ResultFieldTest : public AppTest {};

TEST_F(ResultFieldTest, AClickedResultIsWhatCtrlCOrTheMenusCopyCopies) {
  start_app();
  click(app->main_frame()->nav_button(9));
  const auto& w = static_cast<geometry::PolygonPage*>(app->page(9))->widgets();
  type_text(w.value, "10"); // a triangle 10 across corners: side 10 sin 60° = 8.660
  ASSERT_STREQ(w.side->value(), "8.66");
  // Typing into a result is refused, and Tab passes it by.
  click(w.side);
  EXPECT_EQ(Fl::focus(), w.side); // no longer the entry typed into last
  type_text(w.side, "5");
  EXPECT_STREQ(w.side->value(), "8.66");
  w.value->take_focus();
  press_key(FL_Tab);
  EXPECT_EQ(dynamic_cast<ui::ResultField*>(Fl::focus()), nullptr);

  for (bool menu : {false, true}) {
    SCOPED_TRACE(menu ? "right-click menu" : "Ctrl+C");
    retype(w.value, "10");
    Fl::copy("x", 1, 1);
    if (menu) { // nothing selected: Copy takes the whole value
      w.side->position(1);
      // The menu is a modal loop of its own: pick its first entry once it is up.
      Fl::add_timeout(0.3, [](void*) { send_keys({FL_Down, FL_Enter}, Fl::first_window()); });
      click(w.side, 3);
    } else {
      click(w.side);
      w.side->position(0, w.side->size());
      send_keys({'c'}, w.side->top_window(), FL_CTRL);
    }
    retype(w.value, "");
    Fl::paste(*w.value, 1);
    EXPECT_STREQ(w.value->value(), "8.66");
  }
}

} // namespace
