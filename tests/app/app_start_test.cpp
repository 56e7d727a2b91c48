// Start-up with missing, damaged or odd settings, state and language files,
// and a program directory that can't be written.
#include "support/gui_test.h"

#include <filesystem>

#include <unistd.h>

#include "app/main_window.h"
#include "support/scoped_env.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {
// The least a usable settings file holds: a catalogue plate and a head.
const std::string kPlatesAndHead = "[hole plates]\n13 = 13\n[my head 40-1]\n0 = My head 40-1\n";
bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}
} // namespace

class AppStartTest : public AppTest {
protected:
  void remove(const std::string& relative) {
    std::system(("rm -rf '" + dir.path() + "'/" + relative).c_str()); // may end in a *
  }
};

TEST_F(AppStartTest, FirstStartWritesTheDefaultsAndTakesTheOnlyLanguage) {
  app::App& a = start_app();
  std::string file = dir.read_file(kSettings);
  // clang-format off
  for (const char* line : {"[.]", "language                       = en",
        "last                           = Brown and Sharp 40-1", "ratio                          = 40",
        "measure                        = inch", "drill_fraction                 = 1",
        "help_font_size                 = -1000", "[hole plates]", "[brown and sharp 40-1]", "[aciera 40-1]", "[36-1]"})
    // clang-format on
    EXPECT_TRUE(has(file, line)) << line;
  EXPECT_TRUE(dialogs.language_offers.empty()); // one language: no window
  EXPECT_EQ(a.current_language(), "en");
}

TEST_F(AppStartTest, BadSettingsAndStateFilesNeverCrash) {
  struct Case {
    const char* name;
    std::string settings;
    int moved_aside;   ///< 1 yes, 0 no, -1 either way
    std::string state; ///< State.ini, "/" a directory in its place
  };
  // clang-format off
  const Case cases[] = {
      {"no equals sign", "[.]\nlanguage = en\nthis line has no equals sign\n[my head 40-1]\n0 = My head 40-1\n",
       1, "[page]\npage = 40\nscroll = -50\n"},
      {"empty, as a crash while writing leaves", "", 1, "/"},
      {"cut short", "[.]\nlanguage = en\nmeasure = metric\n[hole plates]\n13 = 13\n15 = 15\n16 = 1", 1,
       "[page]\npage = nine\nscroll = 1e99\n"},
      {"binary", std::string("\x7f" "ELF\0\x01\xff\xfe[\n=\n", 13), -1, std::string("\0\xff\xfe\x01[p1]\x00", 9)},
      {"overlong line", "[.]\nlast = " + std::string(3000, 'x') + "\n", 1,
       "[page]\npage = 0\nscroll = -99999999999999999999\n"},
      {"section names as keys", "[.]\n[hole plates]\n[.]\nratio = [\n" + kPlatesAndHead, 0,
       "[page]\n[p1]\n[page]\npage 8\n"},
      {"plates not numbers", "[hole plates]\n13 = abc\n14 = -2\n15 = 15\n[h]\n", 0, ""},
      {"no head", "[hole plates]\n13 = 13\n", 1, ""}};
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    stop_app();
    remove(kSettings + ".corrupt*");
    remove("State.ini");
    dir.write_file(kSettings, c.settings);
    dir.write_file(c.state == "/" ? "State.ini/x" : "State.ini", c.state);
    dialogs.alerts.clear();
    ASSERT_NO_THROW(start_app());
    EXPECT_TRUE(c.moved_aside < 0 || dir.exists(kSettings + ".corrupt") == (c.moved_aside == 1));
    if (c.moved_aside == 1) {
      ASSERT_EQ(dialogs.alerts.size(), c.state == "/" ? 2u : 1u); // and State.ini is no file
      EXPECT_TRUE(has(dialogs.alerts[0], kSettings + ".corrupt"));
      EXPECT_EQ(dir.read_file(kSettings + ".corrupt"), c.settings);
      EXPECT_TRUE(has(dir.read_file(kSettings), "[brown and sharp 40-1]"));
      EXPECT_EQ(app->unit_system(), 0);
    }
    EXPECT_TRUE(app->language_loaded());
    // Page one, its button at the top (the toolkit may round by a step).
    EXPECT_EQ(app->main_frame()->shown_page(), 1);
    EXPECT_NEAR(app->main_frame()->nav_column()->yposition(), 0, 4);
  }
  // A directory in the settings' place is moved aside too.
  stop_app();
  remove(kSettings + "*");
  dir.write_file(kSettings + "/inside", "x");
  start_app();
  EXPECT_TRUE(dir.exists(kSettings + ".corrupt/inside"));
  EXPECT_TRUE(has(dir.read_file(kSettings), "[hole plates]"));
}

TEST_F(AppStartTest, AByteOrderMarkIsReadAndAFileThatCannotBeOpenedIsLeftAsItIs) {
  dir.write_file(kSettings, "\xEF\xBB\xBF[.]\nmeasure = metric\n" + kPlatesAndHead);
  dir.write_file("State.ini", "\xEF\xBB\xBF\n[page]\npage = 8\n");
  start_app();
  EXPECT_TRUE(dialogs.alerts.empty() && !dir.exists(kSettings + ".corrupt"));
  EXPECT_EQ(app->unit_system() * 100 + app->main_frame()->shown_page(), 109);

  // Links in a circle can't be opened, not even by root: the user hears why,
  // and the file is neither moved nor written over.
  const std::string state = dir.path() + "/State.ini", settings = dir.path() + "/" + kSettings;
  const std::string why = "can't be read (" + std::string(std::strerror(ELOOP)) + ")";
  remove("State.ini");
  ASSERT_EQ(symlink("State.ini", state.c_str()), 0);
  start_app();
  EXPECT_EQ(dialogs.alerts, std::vector<std::string>{"The page state file '" + state + "' " + why +
                                                     ", so the pages start afresh.\nThe file is "
                                                     "left as it is and is not written when the "
                                                     "program ends."});
  app->save_page_state();
  remove(kSettings);
  ASSERT_EQ(symlink(kSettings.c_str(), settings.c_str()), 0);
  EXPECT_THROW(start_app(), FatalErrorRaised);
  app.reset();
  EXPECT_EQ(dialogs.fatal_message, "The settings file '" + settings + "' " + why +
                                       ".\nMake it readable, then start the program again.");
  EXPECT_TRUE(fs::is_symlink(state) && fs::is_symlink(settings));
  EXPECT_FALSE(dir.exists(kSettings + ".corrupt"));
}

TEST_F(AppStartTest, FilesFarLargerThanTheProgramWritesAreKeptAsideUnread) {
  const std::string padding(512 * 1024, '\n');
  dir.write_file(kSettings, "[.]\nmeasure = metric\n" + kPlatesAndHead + padding);
  dir.write_file("State.ini", "[page]\npage = 8\n" + padding);
  start_app();
  ASSERT_EQ(dialogs.alerts.size(), 2u);
  EXPECT_TRUE(has(dialogs.alerts[0], kSettings + ".corrupt"));
  EXPECT_TRUE(has(dialogs.alerts[1], "State.ini' is damaged") &&
              has(dialogs.alerts[1], "State.ini.corrupt'"));
  EXPECT_EQ(app->unit_system() * 100 + app->main_frame()->shown_page(), 1);
  EXPECT_EQ(dir.read_file("State.ini.corrupt").size(), padding.size() + 16);
}

TEST_F(AppStartTest, AMissingOrUnusableLanguageFileAsksForAnother) {
  struct Case {
    const char* language;
    std::string file; ///< its de.ini, "" none
    bool answer;
    const char* question; ///< nullptr: not checked
  };
  // clang-format off
  const Case cases[] = {
      {"xx", "", false, "The language file \"xx.ini\"\nseems to be missing or damaged. Would you like to "
                        "select another language?"},
      {"../../etc/passwd", "", true, nullptr}, // only English left: taken without a window
      {"de", "[local]\ntitle = Drucken\n", true,
       "The language file \"de.ini\" is empty. Would you like to select another language?"},
      {"de", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), true, nullptr},
      {"de", "[.]\n0 = " + std::string(5000, 'x') + "\n", true, nullptr}};
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    stop_app();
    dialogs.questions.clear();
    remove("language/de");
    if (!c.file.empty())
      dir.write_file("language/de/de.ini", c.file);
    dir.write_file(kSettings, std::string("[.]\nlanguage = ") + c.language + "\n" + kPlatesAndHead);
    dialogs.answers = {c.answer};
    if (c.answer) {
      start_app();
      EXPECT_EQ(app->current_language(), "en");
      EXPECT_TRUE(has(dir.read_file(kSettings), "language                       = en"));
    } else {
      EXPECT_THROW(start_app(), ProcessExit); // "No" ends the program normally
    }
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], c.question ? c.question : dialogs.questions[0]);
  }
}

TEST_F(AppStartTest, AbsentLanguageKeyMeansEnglishAndGapsLeaveLabelsEmpty) {
  dir.write_file(kSettings, "[.]\nmeasure = inch\n" + kPlatesAndHead);
  dir.write_file("language/en/en.ini", "[.]\n0 = Circle\n2 = Oblique\n16 = Quit\n");
  app::App& a = start_app();
  EXPECT_EQ(a.current_language(), "en");
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_STREQ(a.main_frame()->nav_button(1)->label(), "Circle");
  EXPECT_STREQ(a.main_frame()->nav_button(2)->label(), "");
  EXPECT_STREQ(a.main_frame()->exit_button()->label(), "Quit");
}

TEST_F(AppStartTest, NowhereToReadOrKeepTheFilesIsFatalNotACrash) {
  remove("language");
  EXPECT_THROW(start_app(), FatalErrorRaised);
  EXPECT_EQ(dialogs.fatal_message,
            "An error occurred trying to find any language files, aborting program.");
  app.reset();

  copy_language_files(dir.path());
  ScopedEnv no_config("XDG_CONFIG_HOME", nullptr);
  ScopedEnv no_home("HOME", nullptr);
  program_dir_read_only = true;
  EXPECT_THROW(start_app(), FatalErrorRaised);
  EXPECT_EQ(dialogs.fatal_message,
            "The program's directory '" + dir.path() +
                "' can't be written and there is no home directory ($HOME is not set), so there "
                "is nowhere to keep the settings, aborting program.");
  EXPECT_FALSE(dir.exists(kSettings));

  app = std::make_unique<app::App>("", dialogs);
  EXPECT_THROW(app->start(), FatalErrorRaised);
  EXPECT_TRUE(has(dialogs.fatal_message, "own directory"));
  app.reset();
}

// A program directory that can't be written: the settings and page state go
// to the user's config directory, the language files are still read from the
// program directory. (A writable one leaving the config directory alone is
// the package's end-to-end test.)
class DataDirFallbackTest : public AppTest {
protected:
  const std::string kOwn = "cfg/toolroom-calculator/";
  TempDir user;
  ScopedEnv config{"XDG_CONFIG_HOME", (user.path() + "/cfg").c_str()};
};

TEST_F(DataDirFallbackTest, ReadOnlyProgramDirectoryKeepsTheFilesInTheUsersConfigDirectory) {
  // Files beside the program start the user's copies and are left as they
  // are. (The files made and kept there from the first start on are the
  // package's end-to-end test.)
  program_dir_read_only = true;
  const std::string settings =
      "[.]\nlanguage = en\nmeasure = metric\nlast = Shop head 40-1\n"
      "ratio = 40\n[hole plates]\n17 = 17\n[shop head 40-1]\n0 = Shop head 40-1\n17 = 17\n";
  const std::string state = "[page]\npage = 11\nscroll = 0\n";
  dir.write_file(kSettings, settings);
  dir.write_file("State.ini", state);
  start_app();
  EXPECT_EQ(app->data_dir(), user.path() + "/cfg/toolroom-calculator");
  EXPECT_EQ(app->unit_system(), 1);
  EXPECT_EQ(app->main_frame()->shown_page(), 12);
  EXPECT_NE(user.read_file(kOwn + kSettings).find("[shop head 40-1]"), std::string::npos);
  app->save_page_state();
  EXPECT_NE(user.read_file(kOwn + "State.ini").find("[p1]"), std::string::npos);
  EXPECT_EQ(dir.read_file(kSettings), settings);
  EXPECT_EQ(dir.read_file("State.ini"), state);
}
