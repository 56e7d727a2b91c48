#include "settings/data_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

namespace fs = std::filesystem;
using settings::DataDirInputs;

namespace {

const std::string kProgram = "/opt/toolroom";

class TempDir {
public:
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "toolroom_data_XXXXXX").string();
    if (mkdtemp(&pattern[0]))
      path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

private:
  std::string path_;
};

unsigned permissions(const std::string& path) {
  struct stat info {};
  stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

} // namespace

TEST(DataDirTest, ProgramDirectoryWhenWritableOtherwiseTheUsersConfigDirectory) {
  struct Case {
    const char* name;
    bool writable;
    const char* xdg;
    const char* home;
    const char* expected; // "" for nowhere
  };
  const Case cases[] = {
      {"writable, no home needed", true, "", "", "/opt/toolroom"},
      {"writable, config set", true, "/cfg", "/home/ann", "/opt/toolroom"},
      {"config home set", false, "/cfg", "/home/ann", "/cfg/toolroom-calculator"},
      {"config home with a trailing slash", false, "/cfg/", "/home/ann",
       "/cfg/toolroom-calculator"},
      {"config home set, no home", false, "/cfg", "", "/cfg/toolroom-calculator"},
      {"config home unset", false, "", "/home/ann", "/home/ann/.config/toolroom-calculator"},
      {"config home relative", false, "cfg", "/home/ann", "/home/ann/.config/toolroom-calculator"},
      {"home is the root", false, "", "/", "/.config/toolroom-calculator"},
      {"no home", false, "", "", ""},
      {"relative home", false, "", "ann", ""},
      {"relative config home, no home", false, "cfg", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    settings::DataDirChoice choice =
        settings::choose_data_dir(DataDirInputs{kProgram, c.writable, c.xdg, c.home});
    EXPECT_EQ(choice.dir, c.expected);
    EXPECT_EQ(choice.per_user, !c.writable && *c.expected != '\0');
    EXPECT_EQ(choice.error.empty(), *c.expected != '\0');
  }
}

TEST(DataDirTest, NoHomeSaysWhyThereIsNowhereToKeepTheSettings) {
  settings::DataDirChoice choice =
      settings::choose_data_dir(DataDirInputs{kProgram, false, "", ""});
  EXPECT_EQ(choice.error, "The program's directory '/opt/toolroom' can't be written and there is "
                          "no home directory ($HOME is not set), so there is nowhere to keep the "
                          "settings, aborting program.");
}

TEST(DataDirTest, PerUserDirectoryIsCreatedWithItsParentsForTheOwnerOnly) {
  TempDir temp;
  fs::permissions(temp.path(), fs::perms(0755));
  settings::DataDirChoice choice =
      settings::prepare_data_dir(DataDirInputs{kProgram, false, "", temp.path() + "/home"});
  ASSERT_EQ(choice.dir, temp.path() + "/home/.config/toolroom-calculator");
  EXPECT_EQ(permissions(temp.path() + "/home"), 0700u);
  EXPECT_EQ(permissions(temp.path() + "/home/.config"), 0700u);
  EXPECT_EQ(permissions(choice.dir), 0700u);
  EXPECT_EQ(permissions(temp.path()), 0755u); // existing levels are left alone
  // Used again it is simply there; the write test leaves nothing behind.
  EXPECT_EQ(
      settings::prepare_data_dir(DataDirInputs{kProgram, false, "", temp.path() + "/home"}).dir,
      choice.dir);
  EXPECT_TRUE(fs::is_empty(choice.dir));
}

TEST(DataDirTest, AFileInTheWayIsNowhereToKeepTheSettings) {
  TempDir temp;
  std::ofstream(temp.path() + "/config") << "x";
  settings::DataDirChoice choice =
      settings::prepare_data_dir(DataDirInputs{kProgram, false, temp.path() + "/config", ""});
  EXPECT_EQ(choice.dir, "");
  EXPECT_NE(choice.error.find("'" + temp.path() + "/config/toolroom-calculator' can't be created"),
            std::string::npos)
      << choice.error;
}

TEST(DataDirTest, WriteTestCreatesNothingAndFailsWhereNothingCanBeCreated) {
  TempDir temp;
  EXPECT_TRUE(settings::directory_is_writable(temp.path()));
  EXPECT_TRUE(fs::is_empty(temp.path()));
  EXPECT_FALSE(settings::directory_is_writable(temp.path() + "/missing"));
  EXPECT_FALSE(settings::directory_is_writable("/proc/self"));
}
