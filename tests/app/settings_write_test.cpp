// Writing the settings while another program holds their lock, and over a
// file damaged (by hand) since the program read it.
#include "support/gui_test.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "app/main_window.h"

using namespace testing_support;

namespace {

class SettingsWriteTest : public AppTest {
protected:
  // The lock as another program holds it: through an open file of its own.
  int hold_lock() {
    const int fd = open((dir.path() + "/" + kSettings + ".lock").c_str(), O_RDWR | O_CREAT, 0644);
    EXPECT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    return fd;
  }
  bool file_says(const std::string& measure) {
    return dir.read_file(kSettings).find("measure                        = " + measure + "\n") !=
           std::string::npos;
  }
  void click_units() { click(app->main_frame()->unit_button()); }
  // The messages so far, each as one line: where the box breaks it is not the point here.
  std::string alerts() {
    std::string all;
    for (const std::string& alert : dialogs.alerts)
      all += alert + "|";
    std::replace(all.begin(), all.end(), '\n', ' ');
    return all;
  }
};

TEST_F(SettingsWriteTest, HeldLockKeepsTheChangeInMemorySaidOnceAndWrittenWhenFree) {
  start_app().settings_lock_patience = std::chrono::milliseconds(0);
  const std::string waiting = app->lang(820) + std::string("|");
  int other = hold_lock();
  click_units(); // returns at once: it used to wait as long as the other program held on
  click_units();
  click_units();
  EXPECT_EQ(alerts(), waiting);
  app->save_at_exit(true); // a logout gives up on it at once
  EXPECT_TRUE(file_says("inch"));
  close(other); // free: the event loop writes the change without another click
  for (int turns = 0; app->settings_waiting() && turns < 400; ++turns)
    Fl::wait(0.05);
  EXPECT_TRUE(file_says("metric"));
  other = hold_lock(); // held again: said again, and written when the program ends
  click_units();
  EXPECT_EQ(alerts(), waiting + waiting);
  close(other);
  app->save_at_exit();
  EXPECT_TRUE(file_says("inch"));
}

TEST_F(SettingsWriteTest, FileDamagedWhileRunningIsKeptAsideUnderTheNameTheUserIsTold) {
  start_app();
  dir.write_file(kSettings + ".corrupt", "kept at an earlier start");
  // A head added by hand beside a line longer than iniparser reads (1022
  // characters); a file whose heads are all gone, while another message box
  // is open (the toolkit would drop a second box: this one waits).
  const std::string damaged[] = {
      dir.read_file(kSettings) +
          "[my head 40-1]\n0 = My head 40-1\nnote = " + std::string(1500, 'x') + "\n",
      "[.]\nlanguage = en\n[hole plates]\n17 = 17\n"};
  const std::string file = dir.path() + "/" + kSettings;
  const auto kept_as = [&](const std::string& aside) {
    return "The settings file '" + file + "' was damaged. It was kept as '" + file + aside +
           "', and your settings were saved in a new file.|";
  };
  dir.write_file(kSettings, damaged[0]);
  click_units();
  EXPECT_EQ(dir.read_file(kSettings + ".corrupt-2"), damaged[0]);
  EXPECT_EQ(alerts(), kept_as(".corrupt-2"));
  EXPECT_TRUE(file_says("metric"));
  dir.write_file(kSettings, damaged[1]);
  Fl_Window other_box(200, 100);
  other_box.set_modal();
  other_box.show();
  app->toggle_unit_system();
  EXPECT_EQ(alerts(), kept_as(".corrupt-2"));
  other_box.hide();
  for (int turns = 0; alerts() == kept_as(".corrupt-2") && turns < 400; ++turns)
    Fl::wait(0.05);
  EXPECT_EQ(alerts(), kept_as(".corrupt-2") + kept_as(".corrupt-3"));
  EXPECT_EQ(dir.read_file(kSettings + ".corrupt-3"), damaged[1]);
  EXPECT_TRUE(file_says("inch"));
  EXPECT_EQ(dir.read_file(kSettings + ".corrupt"), "kept at an earlier start");
}

} // namespace
