#include "ui/enter_button.h"

#include <FL/Fl.H>

namespace ui {

namespace {

bool enter_key() {
  const int key = Fl::event_key();
  return (key == FL_Enter || key == FL_KP_Enter) && !Fl::event_state(FL_CTRL | FL_ALT | FL_META);
}

EnterButton* shown_enter_button(Fl_Group& group) {
  for (int i = 0; i < group.children(); ++i) {
    Fl_Widget* child = group.child(i);
    if (!child->visible() || !child->active())
      continue;
    if (auto* button = dynamic_cast<EnterButton*>(child))
      return button;
    if (Fl_Group* inner = child->as_group())
      if (EnterButton* button = shown_enter_button(*inner))
        return button;
  }
  return nullptr;
}

} // namespace

void EnterButton::press_if_enter() {
  if (Fl::event() == FL_KEYBOARD && enter_key() && active_r() && visible_r())
    press();
}

void EnterButton::press() {
  // A field that loses the keyboard to what the action opens calls back
  // within the same Enter: that is not a second press.
  static bool pressing = false;
  if (pressing)
    return;
  pressing = true;
  simulate_key_action();
  do_callback();
  pressing = false;
}

bool press_enter_button(Fl_Group& root) {
  if (!enter_key())
    return false;
  EnterButton* button = shown_enter_button(root);
  if (button)
    button->press();
  return button != nullptr;
}

} // namespace ui
