// The right-button hook and the event loop.
#include "app/event_loop.h"

#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "app/app.h"
#include "core/numeric/stop_request.h"
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

// A signal handler may do next to nothing safely: it raises the stop flag,
// which ends any search under way (at start-up too, before the event loop
// runs), and writes a byte into this pipe; the event loop, watching the
// other end, does the work.
int signal_pipe[2] = {-1, -1};
std::function<void()> on_signal;

extern "C" void note_signal(int) {
  numeric::request_stop();
  const int saved = errno;
  const char byte = 1;
  if (write(signal_pipe[1], &byte, 1) < 0) {
    // A full pipe already holds the news.
  }
  errno = saved;
}

void signal_arrived(int fd, void*) {
  char bytes[16];
  while (read(fd, bytes, sizeof bytes) > 0) {
  }
  if (on_signal)
    on_signal();
}

} // namespace

bool App::input_popup_check(Fl_Window* clicked) {
  // Event coordinates are relative to the clicked window: only its fields
  // can be under the pointer, and none while another window is modal.
  if (!clicked || (Fl::modal() && Fl::modal() != clicked))
    return false;
  for (Fl_Input* field : checked_fields_.all()) {
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

void end_on_signals(std::function<void()> end) {
  on_signal = std::move(end);
  if (signal_pipe[0] < 0 && pipe2(signal_pipe, O_NONBLOCK | O_CLOEXEC) != 0)
    return;
  Fl::add_fd(signal_pipe[0], FL_READ, signal_arrived);
  struct sigaction action {};
  action.sa_handler = note_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : {SIGTERM, SIGHUP, SIGINT}) {
    struct sigaction before {};
    if (sigaction(number, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
      sigaction(number, &action, nullptr);
  }
}

int run_event_loop() {
  while (Fl::wait() > 0) {
  }
  return 0;
}

} // namespace app
