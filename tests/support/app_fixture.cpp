// The per-test application and its temporary program directory.
#include "support/gui_test.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "app/event_loop.h"
#include "app/main_window.h"

namespace testing_support {

void copy_language_files(const std::string& dir) {
  // English only: a test that wants more languages installs them itself,
  // so the language selection is the test's choice.
  std::string source = TOOLROOM_LANGUAGE_DIR;
  std::string command =
      "mkdir -p '" + dir + "/language' && cp -r '" + source + "/en' '" + dir + "/language/'";
  if (std::system(command.c_str()) != 0)
    throw std::runtime_error("copying the language files failed");
}

void install_language(const std::string& dir, const std::string& code) {
  std::string command =
      std::string("cp -r '") + TOOLROOM_LANGUAGE_DIR + "/" + code + "' '" + dir + "/language/'";
  if (std::system(command.c_str()) != 0)
    throw std::runtime_error("copying the language " + code + " failed");
}

AppTest::AppTest() { copy_language_files(dir.path()); }

AppTest::~AppTest() { stop_app(); }

app::App& AppTest::start_app() {
  stop_app();
  app = std::make_unique<app::App>(dir.path() + program_subdir, dialogs);
  app->exit_process = [](int status) { throw ProcessExit(status); };
  if (program_dir_read_only)
    app->program_dir_writable = [](const std::string&) { return false; };
  app->start();
  app::install_right_button_hook(app.get());
  app->show();
  settle();
  return *app;
}

app::App& AppTest::restart_app() {
  app->save_page_state();
  return start_app();
}

void AppTest::stop_app() {
  if (!app)
    return;
  app::install_right_button_hook(nullptr);
  app.reset();
  // A test that leaves a window behind would make the next one flaky.
  EXPECT_EQ(Fl::first_window(), nullptr);
  settle();
}

} // namespace testing_support
