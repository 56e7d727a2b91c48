// The event loop with its right-button hook: a right click on a checked
// input opens the input's copy/paste/undo menu.
#pragma once

namespace app {

class App;

/// Routes every right-button press through app.input_popup_check() before
/// the widgets see it. Pass nullptr to remove the hook.
void install_right_button_hook(App* app);

/// Runs until no window is left; returns 0.
int run_event_loop();

} // namespace app
