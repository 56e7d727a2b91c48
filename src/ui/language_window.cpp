// The language selection window: one flag button per installed language.
#include "ui/dialogs.h"
#include "ui/page_widgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Shared_Image.H>

#include <memory>

namespace ui {

namespace {

struct Selection {
  Fl_Window* window = nullptr;
  int chosen = -1;
  bool moved = false; ///< the user has moved the keyboard focus to a flag
};

struct FlagButton {
  Selection* selection;
  int index;
};

void flag_callback(Fl_Widget*, void* data) {
  auto* flag = static_cast<FlagButton*>(data);
  flag->selection->chosen = flag->index;
  flag->selection->window->hide();
}

// A flag the window happens to give the focus to is no choice of the user's:
// Enter and Space pick a flag only once the user has moved to one with Tab
// or the arrow keys (a click always picks).
class FlagWidget : public Fl_Button {
public:
  FlagWidget(int x, int y, Selection& selection) : Fl_Button(x, y, 90, 53), selection_(selection) {}
  int handle(int event) override {
    if (event != FL_KEYBOARD)
      return Fl_Button::handle(event);
    switch (Fl::event_key()) {
    case FL_Tab:
    case FL_Left:
    case FL_Right:
    case FL_Up:
    case FL_Down:
      selection_.moved = true;
      return 0; // the group moves the focus on
    case FL_Enter:
    case FL_KP_Enter:
    case ' ':
      if (selection_.moved)
        do_callback();
      return 1;
    default:
      return Fl_Button::handle(event);
    }
  }

private:
  Selection& selection_;
};

void close_callback(Fl_Widget* widget, void*) {
  if (Fl_Window* window = widget->as_window() ? widget->as_window() : widget->window())
    window->hide();
}

// The window is also the first thing a new user sees, before any language
// is loaded, so its title asks in each of the shipped languages, as the flags do.
constexpr const char* kTitle = "Language / Sprache / Idioma";

} // namespace

int FltkDialogs::choose_language(const std::vector<LanguageOption>& options) {
  Selection selection;
  auto window = std::make_unique<Fl_Double_Window>(315, 465, kTitle);
  selection.window = window.get();
  window->set_modal();
  window->callback(close_callback);
  auto* scroll = new Fl_Scroll(25, 25, 272, 393);
  scroll->type(Fl_Scroll::VERTICAL);
  scroll->box(FL_DOWN_FRAME);
  std::vector<Fl_Shared_Image*> images;
  std::vector<FlagButton> flags(options.size());
  Fl_Widget* first_flag = nullptr;
  for (size_t i = 0; i < options.size(); ++i) {
    int x = i % 2 == 0 ? 45 : 162;
    int y = 36 + 64 * static_cast<int>(i / 2);
    auto* button = new FlagWidget(x, y, selection);
    first_flag = first_flag ? first_flag : button;
    button->copy_label(options[i].label.c_str());
    flags[i] = {&selection, static_cast<int>(i)};
    button->callback(flag_callback, &flags[i]);
    if (!options[i].flag_path.empty()) {
      if (Fl_Shared_Image* image = Fl_Shared_Image::get(options[i].flag_path.c_str())) {
        button->image(image);
        button->align(FL_ALIGN_IMAGE_OVER_TEXT | FL_ALIGN_BOTTOM | FL_ALIGN_INSIDE);
        images.push_back(image);
      }
    }
  }
  scroll->end();
  auto* close = ui::close_button({111, 423, 100, 38}, 36);
  close->callback(close_callback);
  window->end();
  run_modal(*window, [first_flag] {
    if (first_flag) // as a desktop would, but now whatever window manager runs
      first_flag->take_focus();
  });
  window.reset();
  for (Fl_Shared_Image* image : images)
    image->release();
  return selection.chosen;
}

} // namespace ui
