// The production dialogs over FLTK's message boxes.
#include "ui/dialogs.h"
#include "ui/page_widgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace ui {

void FltkDialogs::alert(const std::string& text) { fl_alert("%s", text.c_str()); }

bool FltkDialogs::ask_yes_no(const std::string& text) {
  return fl_choice("%s", fl_no, fl_yes, nullptr, text.c_str()) == 1;
}

std::string FltkDialogs::choose_save_file(const std::string& title, const std::string& pattern,
                                          const std::string& initial) {
  const char* name = fl_file_chooser(title.c_str(), pattern.c_str(), initial.c_str());
  return name ? std::string(name) : std::string();
}

bool FltkDialogs::open_uri(const std::string& uri, std::string& error) {
  char message[512] = "";
  if (fl_open_uri(uri.c_str(), message, sizeof message))
    return true;
  error = message;
  return false;
}

void FltkDialogs::range_message(const std::string& text, Fl_Widget* field) {
  show_range_message(text, field);
}

void FltkDialogs::fatal(const std::string& text) {
  fl_alert("%s", text.c_str());
  // A fatal error is a failure; exit() still runs the exit handler that
  // saves the page state.
  std::exit(EXIT_FAILURE);
}

namespace {
void hide_parent_window(Fl_Widget* button, void*) { button->window()->hide(); }
} // namespace

void show_range_message(const std::string& text, Fl_Widget* field) {
  int window_x = 0, window_y = 0;
  if (Fl_Window* top = field->top_window()) {
    window_x = top->x();
    window_y = top->y();
  }
  fl_font(FL_HELVETICA_BOLD, 26);
  int text_width = static_cast<int>(fl_width(text.c_str()));

  auto window = std::make_unique<Fl_Window>(window_x + field->x(), window_y + field->y(), 79, 100);
  window->box(FL_UP_BOX);
  window->clear_border();
  auto* icon = new Fl_Box(10, 10, 60, 59, "!");
  icon->box(FL_FLAT_BOX);
  icon->color(7);
  icon->labelfont(FL_TIMES);
  icon->labelsize(56);
  icon->labelcolor(229);
  auto* message = new Fl_Box(73, 23, 233, 25);
  message->labelfont(FL_HELVETICA_BOLD);
  message->labelsize(15);
  auto* close = ui::close_button({23, 60, 36, 36}, 34);
  close->callback(hide_parent_window);
  window->end();

  message->size(text_width, message->h());
  window->size(79 + text_width + 5, window->h());
  close->position(window->w() / 2 - close->w() / 2, close->y());
  message->copy_label(text.c_str());
  run_modal(*window);
}

void run_modal(Fl_Window& window, const std::function<void()>& shown) {
  // The windows this runs, innermost last. One asked for while another is
  // up (a field that loses the focus to the language window complains of
  // its value) waits until the user has closed the other; closing that one
  // for the user would leave the toolkit's focus on a window that is gone.
  static std::vector<Fl_Window*> running;
  auto another_is_up = [] {
    return std::any_of(running.begin(), running.end(), [](Fl_Window* w) { return w->shown(); });
  };
  while (another_is_up())
    Fl::wait();
  running.push_back(&window);
  window.set_modal();
  window.show();
  if (shown)
    shown();
  while (window.shown())
    Fl::wait();
  running.erase(std::find(running.begin(), running.end(), &window));
}

} // namespace ui
