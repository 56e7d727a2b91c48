// Writing the settings while another program holds their lock, and over a
// file damaged (by hand) since the program read it.
#include "gui/support/gui_test.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "app/main_window.h"

using namespace testing_support;

namespace {

const std::string kSettings = "DoNotEditOrDelete.ini";

class SettingsWriteTest : public AppTest {
protected:
  // The lock as another program holds it: through an open file of its own.
  int hold_lock() {
    const int fd = open((dir.path() + "/" + kSettings + ".lock").c_str(), O_RDWR | O_CREAT, 0644);
    EXPECT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    return fd;
  }
  bool file_says(const std::string& measure) {
    return dir.read_file(kSettings).find("measure                        = " + measure) !=
           std::string::npos;
  }
  void click_units() { click(app->main_frame()->unit_button()); }
  // The last message as one line: where the box breaks it is not the point here.
  std::string last_alert() {
    std::string text = dialogs.alerts.empty() ? "" : dialogs.alerts.back();
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
  }
};

TEST_F(SettingsWriteTest, HeldLockKeepsTheChangeInMemorySaidOnceAndWrittenWhenFree) {
  start_app();
  app->settings_lock_patience = std::chrono::milliseconds(0);
  const std::string waiting = app->lang(820);
  int other = hold_lock();
  click_units(); // returns at once: it used to wait as long as the other program held on
  click_units();
  click_units(); // metric again
  EXPECT_EQ(app->unit_system(), 1);
  EXPECT_EQ(dialogs.alerts.size(), 1u);
  EXPECT_EQ(last_alert(), waiting);
  EXPECT_TRUE(file_says("inch"));
  app->save_at_exit(true); // a logout gives up on it at once
  EXPECT_TRUE(file_says("inch"));

  // Free again: the event loop writes the change without another click.
  close(other);
  for (int turns = 0; app->settings_waiting() && turns < 400; ++turns)
    Fl::wait(0.05);
  EXPECT_TRUE(file_says("metric"));

  // Held again: said again, and written when the program ends.
  other = hold_lock();
  click_units();
  EXPECT_EQ(dialogs.alerts.size(), 2u);
  EXPECT_EQ(last_alert(), waiting);
  close(other);
  app->save_at_exit();
  EXPECT_TRUE(file_says("inch"));
}

TEST_F(SettingsWriteTest, FileDamagedWhileRunningIsKeptAsideUnderTheNameTheUserIsTold) {
  start_app();
  const std::string file = dir.path() + "/" + kSettings;
  dir.write_file(kSettings + ".corrupt", "kept at an earlier start");
  // A head added by hand beside a line longer than iniparser reads (1022
  // characters), then a file whose heads are all gone.
  const std::string damaged[] = {
      dir.read_file(kSettings) +
          "\n[my head 40-1]\n0 = My head 40-1\n17 = 17\nnote = " + std::string(1500, 'x') + "\n",
      "[.]\nlanguage = en\n[hole plates]\n17 = 17\n"};
  int number = 2; // ".corrupt" is taken
  for (const std::string& text : damaged) {
    dir.write_file(kSettings, text);
    click_units();
    const std::string aside = kSettings + ".corrupt-" + std::to_string(number++);
    EXPECT_EQ(dir.read_file(aside), text);
    ASSERT_EQ(dialogs.alerts.size(), static_cast<size_t>(number - 2));
    EXPECT_EQ(last_alert(), "The settings file '" + file + "' was damaged. It was kept as '" +
                                dir.path() + "/" + aside +
                                "', and your settings were saved in a new file.");
    EXPECT_TRUE(file_says(app->unit_system() == 1 ? "metric" : "inch"));
  }
  EXPECT_EQ(dir.read_file(kSettings + ".corrupt"), "kept at an earlier start");

  // The toolkit drops a message box asked for while another is open: the
  // message waits until that one is closed.
  Fl_Window other_box(200, 100);
  other_box.set_modal();
  other_box.show();
  dir.write_file(kSettings, damaged[1]);
  app->write_settings();
  EXPECT_EQ(dialogs.alerts.size(), 2u);
  other_box.hide();
  for (int turns = 0; dialogs.alerts.size() == 2 && turns < 400; ++turns)
    Fl::wait(0.05);
  EXPECT_NE(last_alert().find(kSettings + ".corrupt-4'"), std::string::npos);
}

} // namespace
