// Event synthesis for GUI tests.
#include "support/gui_test.h"

#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Widget.H>

namespace testing_support {

namespace {

// The toolkit may write into the event text, so it must be writable.
char event_text[8];

void send_key(Fl_Window* window, int keysym, char ascii, int state = 0) {
  event_text[0] = ascii;
  event_text[1] = '\0';
  Fl::e_keysym = keysym;
  Fl::e_original_keysym = keysym;
  Fl::e_text = event_text;
  Fl::e_length = ascii ? 1 : 0;
  Fl::e_state = state;
  Fl::handle(FL_KEYDOWN, window);
  Fl::handle(FL_KEYUP, window);
  Fl::e_state = 0;
}

std::vector<int> menu_keys;

} // namespace

void send_keys(Fl_Window* window, const std::vector<int>& keys, int state) {
  for (int key : keys)
    send_key(window, key, key < 0x80 ? static_cast<char>(key) : '\0', state);
}

void keys_for_next_menu(const std::vector<int>& keys) {
  menu_keys = keys;
  Fl::add_timeout(0.3, [](void*) { send_keys(Fl::first_window(), menu_keys); });
}

void type_text(Fl_Widget* field, const std::string& text) {
  if (Fl::focus() != field)
    field->take_focus();
  for (char c : text)
    send_key(field->window() ? field->top_window() : nullptr, static_cast<unsigned char>(c), c);
}

void retype(Fl_Input_* field, const std::string& text) {
  field->take_focus();
  field->position(0, field->size());
  if (text.empty())
    press_key(FL_BackSpace);
  else
    type_text(field, text);
}

void paste_text(Fl_Widget* field, const std::string& text) {
  field->take_focus();
  Fl::copy(text.data(), static_cast<int>(text.size()), 1);
  Fl::paste(*field, 1);
}

void press_key(int keysym) {
  Fl_Widget* focus = Fl::focus();
  send_key(focus ? focus->top_window() : nullptr, keysym, '\0');
}

namespace {
// A user scrolls a list until the button shows before clicking it.
void scroll_into_view(Fl_Widget* widget) {
  for (Fl_Widget* child = widget; child->parent(); child = child->parent()) {
    auto* scroll = dynamic_cast<Fl_Scroll*>(child->parent());
    if (!scroll)
      continue;
    int top = scroll->y(), bottom = scroll->y() + scroll->h();
    if (widget->y() < top || widget->y() + widget->h() > bottom)
      scroll->scroll_to(scroll->xposition(),
                        scroll->yposition() + widget->y() - top - scroll->h() / 2);
    settle();
  }
}
} // namespace

void click(Fl_Widget* widget, int button) {
  scroll_into_view(widget);
  Fl_Window* window = widget->as_window() ? widget->as_window() : widget->top_window();
  int wx = 0, wy = 0;
  // Coordinates relative to the top window (widgets in subwindows included).
  for (Fl_Widget* w = widget->as_window() ? nullptr : widget->window(); w && w != window;
       w = w->window()) {
    wx += w->x();
    wy += w->y();
  }
  Fl::e_x = wx + widget->x() + widget->w() / 2;
  Fl::e_y = wy + widget->y() + widget->h() / 2;
  Fl::e_x_root = window->x() + Fl::e_x;
  Fl::e_y_root = window->y() + Fl::e_y;
  Fl::e_keysym = FL_Button + button;
  Fl::e_state = (button == 1 ? FL_BUTTON1 : button == 2 ? FL_BUTTON2 : FL_BUTTON3);
  Fl::e_clicks = 0;
  Fl::e_is_click = 1;
  Fl::handle(FL_PUSH, window);
  Fl::e_state = 0;
  Fl::handle(FL_RELEASE, window);
}

void settle() {
  for (int i = 0; i < 5; ++i)
    Fl::check();
}

} // namespace testing_support

namespace testing_support {

void for_each_widget(Fl_Widget* root, const std::function<void(Fl_Widget*)>& visit) {
  visit(root);
  Fl_Group* group = root->as_group();
  for (int i = 0; group && i < group->children(); ++i)
    for_each_widget(group->child(i), visit);
}

std::vector<std::string> layout(const Fl_Widget* group) {
  std::vector<std::string> out;
  const Fl_Group* g = const_cast<Fl_Widget*>(group)->as_group();
  for (int i = 0; g && i < g->children(); ++i) {
    const Fl_Widget* w = g->child(i);
    if (dynamic_cast<const Fl_Scrollbar*>(w))
      continue;
    std::string line = std::to_string(w->x()) + "," + std::to_string(w->y()) + " " +
                       std::to_string(w->w()) + "x" + std::to_string(w->h());
    if (w->label())
      line += std::string(" ") + w->label() + " " + std::to_string(w->labelsize()) + "/" +
              std::to_string(w->labelcolor()) + "/" + std::to_string(w->labelfont());
    out.push_back(line);
    for (const std::string& inner : layout(w))
      out.push_back(inner);
  }
  return out;
}

} // namespace testing_support
