// The real range message and language window: the language window takes
// the focus from a red field as it opens, and the field neither opens its
// range message beside it nor takes the focus back (the two windows would
// raise themselves over each other without end).
#include "support/gui_test.h"

#include "app/main_window.h"
#include "ui/checked_input.h"
#include "ui/dialogs.h"

using namespace testing_support;

namespace {

// Scripted while the program starts, the real windows once it runs.
class RealModalDialogs : public FakeDialogs {
public:
  bool real = false;
  bool language_window_closed = false;
  int choose_language(const std::vector<ui::LanguageOption>& options) override {
    if (!real)
      return FakeDialogs::choose_language(options);
    const int chosen = windows_.choose_language(options);
    language_window_closed = true;
    return chosen;
  }
  void range_message(const std::string& text, Fl_Widget* field) override {
    real ? windows_.range_message(text, field) : FakeDialogs::range_message(text, field);
  }

private:
  ui::FltkDialogs windows_;
};

// Looks at the screen on every turn of the event loops and closes what
// stands there, as the user would; two windows at once are noted and closed
// too, so that a failing run ends.
struct ModalWatch {
  size_t most = 0;
  bool range_message_seen = false;
  bool language_window_seen = false;
  static void turn(void* data) {
    auto& watch = *static_cast<ModalWatch*>(data);
    std::vector<Fl_Window*> modal;
    for (Fl_Window* window = Fl::first_window(); window; window = Fl::next_window(window))
      if (window->modal())
        modal.push_back(window);
    watch.most = std::max(watch.most, modal.size());
    for (Fl_Window* window : modal) {
      watch.range_message_seen |= !window->border(); // the only window without a frame
      watch.language_window_seen |= window->border() != 0;
      window->hide();
    }
  }
};

} // namespace

TEST(ModalWindows, ARedFieldLetsTheLanguageWindowHaveTheFocus) {
  TempDir dir;
  copy_language_files(dir.path());
  for (const char* code : {"de", "es"})
    install_language(dir.path(), code);
  RealModalDialogs dialogs;
  auto app = std::make_unique<app::App>(dir.path(), dialogs);
  app->exit_process = [](int status) { throw ProcessExit(status); };
  app->start();
  app->show();
  settle();
  Fl_Group* page = app->main_frame()->page_group(1);
  page->begin();
  auto* holes = ui::make_checked_input(*app, numeric::whole_number_in(1, 50), 200, 10, 100, 25);
  page->end();
  Fl_Group::current(nullptr);
  type_text(holes, "0");

  ModalWatch watch;
  dialogs.real = true;
  Fl::add_check(ModalWatch::turn, &watch);
  app->main_frame()->language_button()->do_callback(); // the switch starts from the event loop
  while (!dialogs.language_window_closed) // the loop may sleep on after the switch: look again
    Fl::wait(0.05);
  Fl::remove_check(ModalWatch::turn, &watch);
  EXPECT_TRUE(watch.language_window_seen);
  EXPECT_EQ(watch.most, 1u);
  EXPECT_FALSE(watch.range_message_seen);
  EXPECT_TRUE(app->checked_fields().message_due()); // for the next time the field is left
  app.reset();
  settle();
}
