// A program directory that can't be written: the settings and page state go
// to the user's config directory, the language files are still read from the
// program directory.
#include "gui/support/gui_test.h"

#include "app/main_window.h"
#include "gui/support/scoped_env.h"

using namespace testing_support;

namespace {
const std::string kSettings = "DoNotEditOrDelete.ini";
const std::string kOwn = "cfg/toolroom-calculator/";
} // namespace

class DataDirFallbackTest : public AppTest {
protected:
  TempDir user;
  ScopedEnv config{"XDG_CONFIG_HOME", (user.path() + "/cfg").c_str()};
};

TEST_F(DataDirFallbackTest, WritableProgramDirectoryLeavesTheConfigDirectoryAlone) {
  start_app().save_page_state();
  EXPECT_EQ(app->data_dir(), dir.path());
  EXPECT_TRUE(dir.exists(kSettings) && dir.exists("State.ini"));
  EXPECT_FALSE(user.exists("cfg"));
}

TEST_F(DataDirFallbackTest, ReadOnlyProgramDirectoryKeepsTheFilesInTheUsersConfigDirectory) {
  program_dir_read_only = true;
  app::App& a = start_app();
  EXPECT_EQ(a.data_dir(), user.path() + "/cfg/toolroom-calculator");
  EXPECT_TRUE(user.exists(kOwn + kSettings));
  a.toggle_unit_system(); // to metric, written at once
  click(a.main_frame()->nav_button(9));
  restart_app();
  EXPECT_TRUE(user.exists(kOwn + "State.ini"));
  EXPECT_EQ(app->unit_system(), 1);
  EXPECT_EQ(app->main_frame()->shown_page(), 9);
  EXPECT_FALSE(dir.exists(kSettings) || dir.exists("State.ini"));

  // Files beside the program start the user's copies and are left as they are.
  stop_app();
  std::system(("rm -rf '" + user.path() + "/cfg'").c_str());
  const std::string settings =
      "[.]\nlanguage = en\nmeasure = metric\nlast = Shop head 40-1\n"
      "ratio = 40\n[hole plates]\n17 = 17\n[shop head 40-1]\n0 = Shop head 40-1\n17 = 17\n";
  const std::string state = "[page]\npage = 11\nscroll = 0\n";
  dir.write_file(kSettings, settings);
  dir.write_file("State.ini", state);
  start_app();
  EXPECT_EQ(app->unit_system(), 1);
  EXPECT_EQ(app->main_frame()->shown_page(), 12);
  EXPECT_NE(user.read_file(kOwn + kSettings).find("[shop head 40-1]"), std::string::npos);
  app->save_page_state();
  EXPECT_NE(user.read_file(kOwn + "State.ini").find("[p1]"), std::string::npos);
  EXPECT_EQ(dir.read_file(kSettings), settings);
  EXPECT_EQ(dir.read_file("State.ini"), state);
}
