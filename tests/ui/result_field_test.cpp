// The one result field: a value the page wrote can be selected and copied,
// so that it reaches the machine's control or a drawing without retyping.
#include "support/gui_test.h"

#include "app/main_window.h"
#include "pages/geometry/polygon_page.h"
#include "ui/result_field.h"

using namespace testing_support;

namespace {

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

  // Ctrl+C, then the menu with nothing selected (Copy takes the whole value) and with "66"
  // selected.
  for (const auto& [menu, from, copied] :
       {std::tuple{false, 0, "8.66"}, {true, 1, "8.66"}, {true, 4, "66"}}) {
    SCOPED_TRACE(from);
    retype(w.value, "10");
    Fl::copy("x", 1, 1);
    if (menu) {
      w.side->position(from, from == 4 ? 2 : from);
      keys_for_next_menu({FL_Down, FL_Enter});
      click(w.side, 3);
    } else {
      click(w.side);
      w.side->position(0, w.side->size());
      send_keys(w.side->top_window(), {'c'}, FL_CTRL);
    }
    retype(w.value, "");
    Fl::paste(*w.value, 1);
    EXPECT_STREQ(w.value->value(), copied);
  }
}

} // namespace
