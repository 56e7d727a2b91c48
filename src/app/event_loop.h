// The event loop with its right-button hook: a right click on a checked
// input opens the input's copy/paste/undo menu.
#pragma once

#include <functional>

namespace app {

class App;

/// Routes every right-button press through app.input_popup_check() before
/// the widgets see it. Pass nullptr to remove the hook.
void install_right_button_hook(App* app);

/// Makes SIGTERM, SIGHUP and SIGINT (logout, shutdown, Ctrl+C) run `end` in
/// the event loop instead of killing the program. The signal also raises the
/// stop flag (numeric/stop_request.h), so that a search under way gives up
/// and the loop gets there at once. A signal the program was started with
/// ignored (nohup) stays ignored.
void end_on_signals(std::function<void()> end);

/// Runs until no window is left; returns 0.
int run_event_loop();

} // namespace app
