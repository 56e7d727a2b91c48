// Toolroom Calculator: start-up, event loop, and saving the pages at exit.
#include <FL/Fl.H>
#include <FL/Fl_Shared_Image.H>

#include <clocale>
#include <cstdlib>
#include <memory>

#include "app/app.h"
#include "app/event_loop.h"
#include "ui/paste_guard.h"

namespace {

std::unique_ptr<ui::FltkDialogs> dialogs;
app::App* running_app = nullptr;
bool ended_by_signal = false;

void save_at_exit() {
  if (running_app)
    running_app->save_at_exit(ended_by_signal);
}

} // namespace

int main() {
  // Numbers are read and written with '.' whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");
  fl_register_images();
  dialogs = std::make_unique<ui::FltkDialogs>();
  // The application lives until exit(): the exit handler still needs its pages.
  auto* application = new app::App(app::find_program_dir(), *dialogs);
  running_app = application;
  // Logging out or shutting down ends the program as the Exit button does,
  // so the pages are saved.
  app::end_on_signals([application] {
    ended_by_signal = true;
    application->exit_process(0);
  });
  application->start();
  app::install_right_button_hook(application);
  ui::install_paste_guard();
  application->show();
  std::atexit(save_at_exit);
  return app::run_event_loop();
}
