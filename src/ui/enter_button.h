// The one obvious action of a page or window (Calculate, Add): Enter in any
// of its fields presses it, so a number typed is followed by Enter rather
// than by a reach for the mouse. It looks like any other button.
#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>

namespace ui {

class EnterButton : public Fl_Button {
public:
  EnterButton(int x, int y, int w, int h, const char* label = nullptr)
      : Fl_Button(x, y, w, h, label) {}
  /// For fields that act on Enter themselves: called at the end of their
  /// callback, it presses the button when that callback ran for Enter.
  void press_if_enter();
  /// Seen to go down, as under a click, and calls back.
  void press();
};

/// On an Enter key event, presses the first shown and active EnterButton
/// inside `root` (the shown page's: hidden pages hold the others). Returns
/// whether it pressed one.
bool press_enter_button(Fl_Group& root);

/// A window whose Enter, when the field with the keyboard does nothing with
/// it, presses its EnterButton; the toolkit would move the focus down.
template <class Window> class EnterWindow : public Window {
public:
  using Window::Window;
  int handle(int event) override {
    if (event == FL_KEYBOARD && press_enter_button(*this))
      return 1;
    return Window::handle(event);
  }
};

} // namespace ui
