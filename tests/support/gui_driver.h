// Real events for GUI tests: keys typed into the focused field and mouse
// clicks on widgets go through Fl::handle, so the widgets' own handlers
// and callbacks run exactly as when a user types or clicks.
#pragma once

#include <functional>
#include <string>
#include <vector>

class Fl_Input_;
class Fl_Widget;
class Fl_Window;

namespace testing_support {

/// Gives `field` the focus and types each character of `text` into it.
void type_text(Fl_Widget* field, const std::string& text);
/// Selects the field's whole text and types `text` over it, as a user
/// replacing a value does; an empty `text` deletes the selection.
void retype(Fl_Input_* field, const std::string& text);
/// Puts `text` on the clipboard and pastes it into `field`, as Ctrl+V does.
void paste_text(Fl_Widget* field, const std::string& text);
/// Presses one key (an FLTK key symbol such as FL_BackSpace) on the focus.
void press_key(int keysym);
/// Presses `keys` (characters or key symbols) in `window`, holding the
/// modifiers `state` (such as FL_CTRL).
void send_keys(Fl_Window* window, const std::vector<int>& keys, int state = 0);
/// Presses `keys` in the menu the next click pops up, once it is up: a menu
/// runs a modal loop of its own.
void keys_for_next_menu(const std::vector<int>& keys);
/// Left-click (or `button`) in the middle of `widget`.
void click(Fl_Widget* widget, int button = 1);
/// Runs pending redraws and events for a moment.
void settle();
/// Calls `visit` on `root` and on every widget inside it, depth first.
void for_each_widget(Fl_Widget* root, const std::function<void(Fl_Widget*)>& visit);
/// The widgets inside `group`, depth first (scroll bars left out), each as
/// "x,y wxh" and, when labelled, " label size/colour/font".
std::vector<std::string> layout(const Fl_Widget* group);

} // namespace testing_support
