#include "core/settings/data_dir.h"

#include "core/unit_test.h"

#include "core/settings/ini_files.h"

namespace fs = std::filesystem;
using settings::DataDirInputs;

namespace {

const std::string kProgram = "/opt/toolroom";

} // namespace

TEST(DataDirTest, ProgramDirectoryWhenWritableOtherwiseTheUsersConfigDirectory) {
  // Program directory writable, XDG_CONFIG_HOME, HOME, the choice ("" for nowhere).
  const std::string config = "/home/ann/.config/toolroom-calculator";
  // clang-format off
  const std::tuple<bool, const char*, const char*, std::string> cases[] = {
      {true, "", "", kProgram}, {true, "/cfg", "/home/ann", kProgram},
      {false, "/cfg", "/home/ann", "/cfg/toolroom-calculator"},
      {false, "/cfg/", "/home/ann", "/cfg/toolroom-calculator"},
      {false, "/cfg", "", "/cfg/toolroom-calculator"}, {false, "", "/home/ann", config},
      {false, "cfg", "/home/ann", config}, {false, "", "/", "/.config/toolroom-calculator"},
      {false, "", "", ""}, {false, "", "ann", ""}, {false, "cfg", "", ""}};
  // clang-format on
  for (const auto& [writable, xdg, home, want] : cases) {
    SCOPED_TRACE(std::string(xdg) + " " + home);
    const settings::DataDirChoice choice =
        settings::choose_data_dir(DataDirInputs{kProgram, writable, xdg, home});
    EXPECT_EQ(choice.dir, want);
    EXPECT_EQ(choice.per_user, !writable && !want.empty());
    EXPECT_EQ(choice.error.empty(), !want.empty());
  }
  EXPECT_EQ(settings::choose_data_dir(DataDirInputs{kProgram, false, "", ""}).error,
            "The program's directory '/opt/toolroom' can't be written and there is no home "
            "directory ($HOME is not set), so there is nowhere to keep the settings, aborting "
            "program.");
}

TEST(DataDirTest, PerUserDirectoryIsMadeForTheOwnerOnlyOrSaysWhyNot) {
  TempDir temp;
  fs::permissions(temp.path(), fs::perms(0755));
  const DataDirInputs inputs{kProgram, false, "", temp.file("home")};
  const settings::DataDirChoice choice = settings::prepare_data_dir(inputs);
  ASSERT_EQ(choice.dir, temp.file("home/.config/toolroom-calculator"));
  EXPECT_EQ(fs::status(temp.file("home")).permissions(), fs::perms(0700));
  EXPECT_EQ(fs::status(temp.file("home/.config")).permissions(), fs::perms(0700));
  EXPECT_EQ(fs::status(choice.dir).permissions(), fs::perms(0700));
  EXPECT_EQ(fs::status(temp.path()).permissions(), fs::perms(0755)); // existing levels are left alone
  // Used again it is simply there; the write test leaves nothing behind.
  EXPECT_EQ(settings::prepare_data_dir(inputs).dir, choice.dir);
  EXPECT_TRUE(fs::is_empty(choice.dir));
  EXPECT_FALSE(settings::directory_is_writable(temp.file("missing")));
  EXPECT_FALSE(settings::directory_is_writable("/proc/self"));

  // A file in the way: nowhere to keep the settings.
  const settings::DataDirChoice blocked =
      settings::prepare_data_dir(DataDirInputs{kProgram, false, temp.write_file("config", "x"), ""});
  EXPECT_EQ(blocked.dir, "");
  EXPECT_NE(
      blocked.error.find("'" + temp.file("config/toolroom-calculator") + "' can't be created"),
      std::string::npos)
      << blocked.error;
}
