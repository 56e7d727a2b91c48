// The right-button hook and the event loop.
#include "app/event_loop.h"

#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>

#include "app/app.h"
#include "ui/checked_input.h"

namespace app {

namespace {

App* hooked_app = nullptr;

// Sees every event before the widgets; a right-button press over a usable
// checked input opens its menu instead of reaching the widgets.
int dispatch(int event, Fl_Window* window) {
  if (hooked_app && event == FL_PUSH && Fl::event_button() == FL_RIGHT_MOUSE &&
      hooked_app->input_popup_check(window))
    return 1;
  return Fl::handle_(event, window);
}

} // namespace

bool App::input_popup_check(Fl_Window* clicked) {
  // Event coordinates are relative to the clicked window: only its fields
  // can be under the pointer, and none while another window is modal.
  if (!clicked || (Fl::modal() && Fl::modal() != clicked))
    return false;
  for (Fl_Input* field : checked_inputs_) {
    if (!field || field->top_window() != clicked || !field->active_r() || !field->visible_r() ||
        !Fl::event_inside(field))
      continue;
    field->take_focus();
    open_edit_popup(*this, field);
    field->do_callback();
    return true;
  }
  return false;
}

void install_right_button_hook(App* app) {
  hooked_app = app;
  Fl::event_dispatch(app ? dispatch : nullptr);
}

int run_event_loop() {
  while (Fl::wait() > 0) {
  }
  return 0;
}

} // namespace app
