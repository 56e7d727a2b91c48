// The one result field: a value the page wrote can be selected and copied,
// so that it reaches the machine's control or a drawing without retyping.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Window.H>

#include "app/main_window.h"
#include "calc/geometry/polygon_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "ui/result_field.h"

using namespace testing_support;

namespace {

void press_ctrl(char key) {
  static char text[2] = {0, 0};
  text[0] = key;
  Fl::e_keysym = key;
  Fl::e_text = text;
  Fl::e_length = 1;
  Fl::e_state = FL_CTRL;
  Fl::handle(FL_KEYDOWN, Fl::focus()->top_window());
  Fl::e_state = 0;
}

class ResultFieldTest : public AppTest {};

TEST_F(ResultFieldTest, AClickedResultIsWhatCtrlCCopies) {
  start_app();
  click(app->main_frame()->nav_button(9));
  const auto& w = static_cast<geometry::PolygonPage*>(app->page(9))->widgets();
  type_text(w.value, "10"); // a triangle 10 across corners: side 10 sin 60° = 8.660
  ASSERT_STREQ(w.side->value(), "8.66");

  click(w.side);
  EXPECT_EQ(Fl::focus(), w.side); // no longer the entry typed into last
  w.side->position(0, w.side->size());
  press_ctrl('c');
  // Typing into a result is refused, and Tab passes it by.
  type_text(w.side, "5");
  EXPECT_STREQ(w.side->value(), "8.66");
  EXPECT_EQ(Fl::focus(), w.side);

  w.value->take_focus();
  press_key(FL_Tab);
  EXPECT_EQ(dynamic_cast<ui::ResultField*>(Fl::focus()), nullptr);

  Fl_Input* into = w.value;
  into->take_focus();
  into->position(0, into->size());
  Fl::paste(*into, 1);
  EXPECT_STREQ(into->value(), "8.66");
}

} // namespace
