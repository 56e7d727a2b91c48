// The program's files when the disk or the file system is against it: a full
// disk, read-only files, State.ini replaced by a directory, the language
// directory gone. Each time the user hears of it or gets a sound default,
// the files already there keep every byte, and nothing crashes.
#include "support/gui_test.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include "app/main_window.h"
#include "ui/page.h"

using namespace testing_support;

namespace {

const std::string kState = "State.ini";

// Names in `path` that a save left behind ("<name>.tmp-XXXXXX").
std::vector<std::string> leftover_temp_files(const std::string& path) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path))
    if (entry.path().filename().string().find(".tmp-") != std::string::npos)
      names.push_back(entry.path().filename());
  return names;
}

class FaultInjectionTest : public AppTest {};

// A message as one line: where the box breaks it is not the point here.
std::string one_line(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

// The program directory on a tiny file system of its own that a filler file
// can fill to the last byte.
class FullDiskTest : public AppTest {
protected:
  void SetUp() override {
    if (geteuid() != 0)
      GTEST_SKIP() << "mounting a small tmpfs needs root";
    // Mounted over the program directory; the language files go on it again.
    if (mount("tmpfs", dir.path().c_str(), "tmpfs", 0, "size=256k") != 0)
      GTEST_SKIP() << "can't mount a tmpfs here: " << std::strerror(errno);
    mounted_ = true;
    copy_language_files(dir.path());
  }

  ~FullDiskTest() override {
    stop_app();
    if (mounted_ && umount(dir.path().c_str()) != 0)
      umount2(dir.path().c_str(), MNT_DETACH);
  }

  // Fills the file system, then frees `room` bytes of it again.
  void fill_disk(off_t room = 0) {
    const std::string filler = dir.path() + "/filler";
    const int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const std::string block(4096, 'x');
    off_t size = 0;
    for (ssize_t n; (n = write(fd, block.data(), block.size())) > 0;)
      size += n;
    ASSERT_EQ(ftruncate(fd, size > room ? size - room : 0), 0);
    close(fd);
  }
  void free_disk() { unlink((dir.path() + "/filler").c_str()); }

  bool mounted_ = false;
};

TEST_F(FullDiskTest, SettingsThatCannotBeWrittenEndTheProgramAndKeepTheOldFile) {
  fill_disk(); // at the first start: no half file either
  EXPECT_THROW(start_app(), FatalErrorRaised);
  EXPECT_NE(dialogs.fatal_message.find("A file system error has occurred"), std::string::npos);
  EXPECT_FALSE(dir.exists(kSettings));
  EXPECT_EQ(leftover_temp_files(dir.path()), std::vector<std::string>{});
  app.reset();
  // No room at all, and room for only part of the file.
  // (The file system counts in pages of 4 KiB.)
  for (off_t room : {off_t{0}, off_t{4096}}) {
    SCOPED_TRACE(room);
    free_disk();
    start_app();
    const std::string before = dir.read_file(kSettings);
    ASSERT_NE(before.find("measure                        = inch"), std::string::npos);
    ASSERT_GT(before.size(), 4096u); // so that only a part of it fits
    fill_disk(room);
    EXPECT_THROW(click(app->main_frame()->unit_button()), FatalErrorRaised);
    EXPECT_EQ(dialogs.fatal_message, app->lang(290));
    EXPECT_EQ(dir.read_file(kSettings), before);
    EXPECT_EQ(leftover_temp_files(dir.path()), std::vector<std::string>{});
    stop_app();
  }
}

TEST_F(FullDiskTest, PagesThatCannotBeSavedKeepTheOldStateFile) {
  start_app();
  app->save_page_state();
  const std::string before = dir.read_file(kState);
  ASSERT_FALSE(before.empty());
  click(app->main_frame()->nav_button(5));
  fill_disk();
  app->save_page_state();
  EXPECT_EQ(dir.read_file(kState), before);
  EXPECT_EQ(leftover_temp_files(dir.path()), std::vector<std::string>{});

  // Once there is room again the pages are saved as they are now.
  free_disk();
  app->save_page_state();
  EXPECT_NE(dir.read_file(kState), before);
}

TEST_F(FaultInjectionTest, ReadOnlyFilesAreReplacedWholeAndStayReadOnly) {
  // The directory is the program's: a file marked read-only in it is still
  // replaced through a new file, for root and for the user alike, and keeps
  // its mark.
  start_app();
  app->save_page_state();
  for (const std::string& name : {kSettings, kState})
    ASSERT_EQ(chmod((dir.path() + "/" + name).c_str(), 0444), 0) << name;

  click(app->main_frame()->unit_button());
  click(app->main_frame()->nav_button(7));
  EXPECT_TRUE(dialogs.alerts.empty());
  EXPECT_TRUE(dialogs.fatal_message.empty());
  app->save_page_state();

  EXPECT_NE(dir.read_file(kSettings).find("measure                        = metric"),
            std::string::npos);
  EXPECT_NE(dir.read_file(kState).find("page                           = 6"), std::string::npos);
  for (const std::string& name : {kSettings, kState})
    EXPECT_EQ(std::filesystem::status(dir.path() + "/" + name).permissions(),
              std::filesystem::perms(0444))
        << name;
  EXPECT_EQ(leftover_temp_files(dir.path()), std::vector<std::string>{});
}

TEST_F(FaultInjectionTest, SavesCutShortByAKillLeaveNoTemporaryFilesPastTheNextStart) {
  // State.ini is linked into a synced folder: its saves happen there.
  dir.write_file("synced/State.ini", "");
  ASSERT_EQ(symlink("synced/State.ini", (dir.path() + "/State.ini").c_str()), 0);
  // Stale leftovers, then what stays: a young one (another copy of the program may be
  // saving it), and names the program doesn't give.
  // clang-format off
  const std::string names[] = {kSettings + ".tmp-AbC123", "synced/State.ini.tmp-x9Y8z7",
      "synced/State.ini.tmp-Fresh1", kSettings + ".tmp-12345", kSettings + ".tmp-1234567",
      kSettings + ".tmp-AbC123.bak", "notes.ini.tmp-abcdef", "synced/State.ini.tmp-ab_def",
      "synced/" + kSettings + ".tmp-AbC123"};
  // clang-format on
  const timeval an_hour_ago[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
  for (const std::string& name : names) {
    dir.write_file(name, "half a file");
    ASSERT_EQ(utimes((dir.path() + "/" + name).c_str(), an_hour_ago), 0) << name;
  }
  dir.write_file(names[2], "being written");
  start_app();
  for (const std::string& name : names)
    EXPECT_EQ(dir.exists(name), name != names[0] && name != names[1]) << name;
}

TEST_F(FaultInjectionTest, StateFileThatIsADirectoryIsLeftAloneThroughAStartAndALanguageSwitch) {
  dir.write_file(kState + "/mine.txt", "not the program's");
  install_language(dir.path(), "de");
  dir.write_file(kSettings, small_settings("en"));
  start_app();
  ASSERT_EQ(dialogs.alerts.size(), 1u);
  EXPECT_EQ(one_line(dialogs.alerts[0]),
            "The page contents can't be kept in '" + dir.path() +
                "/State.ini': it is a folder, not a file. The pages start fresh, "
                "and what you enter can't be saved until it is removed or renamed.");
  type_text(app->page(1)->focus_input(), "12");
  click(app->main_frame()->language_button());
  settle(); // the switch runs after the button's callback
  ASSERT_EQ(app->current_language(), "de");
  EXPECT_STREQ(app->page(1)->focus_input()->value(), "12"); // the pages stay
  EXPECT_EQ(dialogs.alerts.size(), 1u);                     // said at the start, not again
  click(app->main_frame()->nav_button(4));
  app->save_page_state();
  EXPECT_EQ(leftover_temp_files(dir.path()), std::vector<std::string>{});
  EXPECT_NO_THROW(restart_app());
  EXPECT_EQ(app->main_frame()->shown_page(), 1); // the pages start fresh
  EXPECT_EQ(dir.read_file(kState + "/mine.txt"), "not the program's");
}

TEST_F(FaultInjectionTest, StateFileThatIsNoFileIsNamedAtStartInTheUsersLanguageAndNeverOpened) {
  // A pipe would hold a start that opened it until someone wrote into it.
  install_language(dir.path(), "de");
  const std::string state = dir.path() + "/State.ini";
  // Language, why (as the user reads it), whether State.ini is a pipe (else a link to /dev/null).
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"de", "/State.ini' gespeichert werden: es ist eine benannte Pipe, keine Datei.", true},
      {"en", "State.ini -> /dev/null': it is a device, not a file.", false}};
  for (const auto& [language, why, pipe] : cases) {
    std::filesystem::remove(state);
    ASSERT_EQ(pipe ? mkfifo(state.c_str(), 0644) : symlink("/dev/null", state.c_str()), 0);
    dir.write_file(kSettings, small_settings(language));
    dialogs.alerts.clear();
    start_app().save_page_state();
    ASSERT_EQ(dialogs.alerts.size(), 1u) << language;
    EXPECT_NE(one_line(dialogs.alerts[0]).find(why), std::string::npos) << dialogs.alerts[0];
    EXPECT_TRUE(pipe ? std::filesystem::is_fifo(state) : std::filesystem::is_symlink(state));
    stop_app();
  }
}

TEST_F(FaultInjectionTest, LanguageDirectoryGoneIsAMessageWhileRunningAndAQuestionAtTheNextStart) {
  start_app();
  const std::string settings = dir.read_file(kSettings);
  std::system(("rm -rf '" + dir.path() + "/language'").c_str());
  click(app->main_frame()->language_button());
  settle();
  EXPECT_EQ(dialogs.alerts, std::vector<std::string>{"No other language is installed."});
  EXPECT_EQ(app->current_language(), "en");
  EXPECT_TRUE(app->main_frame()->window()->shown());
  stop_app();
  EXPECT_EQ(dir.read_file(kSettings), settings);

  // "No": the program ends normally. "Yes": there is nothing to offer, which
  // ends the program with a message.
  dialogs.answers = {false, true};
  EXPECT_THROW(start_app(), ProcessExit);
  app.reset();
  EXPECT_THROW(start_app(), FatalErrorRaised);
  app.reset();
  EXPECT_EQ(dialogs.fatal_message,
            "An error occurred trying to find any language files, aborting program.");
  EXPECT_EQ(dialogs.questions.size(), 2u);
  EXPECT_EQ(dir.read_file(kSettings), settings);
}

} // namespace
