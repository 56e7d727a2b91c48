// Small widget pieces every calculator page uses: result fields that show
// text but never take the focus, and showing or hiding a widget by a flag.
#pragma once

#include <FL/Fl_Output.H>

namespace app {

/// An output that shows a result and never takes the focus or the mouse.
class ReadOnlyField : public Fl_Output {
public:
  ReadOnlyField(int x, int y, int w, int h, Fl_Color colour) : Fl_Output(x, y, w, h) {
    color(colour);
    clear_visible_focus();
  }
  int handle(int event) override {
    if (event == FL_PUSH || event == FL_FOCUS || event == FL_DRAG || event == FL_RELEASE)
      return 0;
    return Fl_Output::handle(event);
  }
};

inline void show_if(Fl_Widget* widget, bool shown) {
  if (shown)
    widget->show();
  else
    widget->hide();
}

/// Shows and activates, or hides and deactivates (a hidden input must not
/// take keys or the right-click menu).
inline void show_and_enable_if(Fl_Widget* widget, bool shown) {
  if (shown) {
    widget->activate();
    widget->show();
  } else {
    widget->hide();
    widget->deactivate();
  }
}

} // namespace app
