// Offscreen drawing of a widget for sketch tests.
#include "support/render.h"

#include "support/gui_test.h"
#include <FL/Fl_Widget.H>
#include <FL/x.H>

namespace testing_support {

namespace {
// Fl_Widget::draw is protected; a derived class may name it, and the member
// pointer then calls the widget's own (virtual) draw.
struct Drawer : Fl_Widget {
  static void draw_it(Fl_Widget* widget) {
    void (Fl_Widget::*draw_member)() = &Drawer::draw;
    (widget->*draw_member)();
  }
};
} // namespace

Rendered render_widget(Fl_Widget* widget) {
  Rendered out;
  out.w = widget->w();
  out.h = widget->h();
  if (widget->window())
    widget->window()->make_current();
  Fl_Offscreen buffer = fl_create_offscreen(out.w, out.h);
  fl_begin_offscreen(buffer);
  // A print test before may have left its line width behind in the toolkit;
  // the sketch starts from the display's default, as on screen.
  fl_line_style(0);
  fl_color(FL_WHITE);
  fl_rectf(0, 0, out.w, out.h);
  // The widget draws at its own x, y: shift the origin onto the buffer.
  fl_push_matrix();
  fl_push_no_clip();
  int old_x = widget->x(), old_y = widget->y();
  widget->position(0, 0);
  Drawer::draw_it(widget);
  widget->position(old_x, old_y);
  fl_pop_clip();
  fl_pop_matrix();
  out.rgb.resize(static_cast<size_t>(out.w * out.h * 3));
  fl_read_image(out.rgb.data(), 0, 0, out.w, out.h);
  fl_end_offscreen();
  fl_delete_offscreen(buffer);
  return out;
}

int Rendered::pixels_of(unsigned char r, unsigned char g, unsigned char b) const {
  int count = 0;
  for (size_t i = 0; i + 2 < rgb.size(); i += 3)
    count += rgb[i] == r && rgb[i + 1] == g && rgb[i + 2] == b;
  return count;
}

} // namespace testing_support
