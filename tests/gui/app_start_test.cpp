// Start-up with missing, damaged or odd settings and language files.
#include <gtest/gtest.h>

#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

#include "app/main_window.h"
#include "gui/support/app_fixture.h"
#include "gui/support/scoped_env.h"

using namespace testing_support;

namespace {
const std::string kSettings = "DoNotEditOrDelete.ini";
// The least a usable settings file holds: a catalogue plate and a head.
const std::string kPlatesAndHead = "[hole plates]\n13 = 13\n[my head 40-1]\n0 = My head 40-1\n";
} // namespace

class AppStartTest : public AppTest {};

TEST_F(AppStartTest, FirstStartWritesTheDefaultsAndTakesTheOnlyLanguage) {
  ASSERT_FALSE(dir.exists(kSettings));
  app::App& a = start_app();
  std::string file = dir.read_file(kSettings);
  for (const char* line :
       {"[.]", "language                       = en",
        "last                           = Brown and Sharp 40-1",
        "ratio                          = 40", "measure                        = inch",
        "drill_fraction                 = 1", "help_font_size                 = -1000",
        "[hole plates]", "[brown and sharp 40-1]", "[aciera 40-1]", "[36-1]"})
    EXPECT_NE(file.find(line), std::string::npos) << line;
  EXPECT_TRUE(dialogs.language_offers.empty()); // one language: no window
  EXPECT_TRUE(a.language_loaded());
  EXPECT_EQ(a.current_language(), "en");
}

TEST_F(AppStartTest, FirstStartWithSeveralLanguagesOffersThemAndClosingGivesEnglish) {
  dir.write_file("language/de/de.ini", dir.read_file("language/en/en.ini"));
  dir.write_file("language/fr/fr.ini", dir.read_file("language/en/en.ini"));
  app::App& a = start_app();
  ASSERT_EQ(dialogs.language_offers.size(), 1u);
  std::vector<std::string> codes;
  for (const auto& option : dialogs.language_offers[0])
    codes.push_back(option.code);
  EXPECT_EQ(codes, (std::vector<std::string>{"de", "en", "fr"}));
  EXPECT_EQ(dialogs.language_offers[0][1].flag_path, dir.path() + "/language/en/en.gif");
  EXPECT_EQ(a.current_language(), "en");
  EXPECT_NE(dir.read_file(kSettings).find("language                       = en"),
            std::string::npos);
}

TEST_F(AppStartTest, ChoosingAFlagAtFirstStartStoresThatLanguage) {
  dir.write_file("language/de/de.ini", "[.]\n0 = Kreis\n");
  dialogs.language_answers = {0};
  app::App& a = start_app();
  EXPECT_EQ(a.current_language(), "de");
  EXPECT_STREQ(a.lang(0), "Kreis");
}

TEST_F(AppStartTest, DamagedSettingsAreKeptAsideNotOverwritten) {
  const std::string damaged[] = {
      "[.]\nlanguage = en\nthis line has no equals sign\n[my head 40-1]\n0 = My head 40-1\n",
      "", // what a crash while writing leaves
      "[.]\nlanguage = en\nmeasure = metric\n[hole plates]\n13 = 13\n15 = 15\n16 = 1",
  };
  for (const std::string& content : damaged) {
    SCOPED_TRACE(content);
    stop_app();
    dialogs.alerts.clear();
    std::system(("rm -f '" + dir.path() + "/" + kSettings + ".corrupt'*").c_str());
    dir.write_file(kSettings, content);
    start_app();
    ASSERT_EQ(dialogs.alerts.size(), 1u);
    EXPECT_NE(dialogs.alerts[0].find(kSettings + ".corrupt"), std::string::npos);
    EXPECT_EQ(dir.read_file(kSettings + ".corrupt"), content);
    EXPECT_NE(dir.read_file(kSettings).find("[brown and sharp 40-1]"), std::string::npos);
    EXPECT_EQ(app->unit_system(), 0);
  }
}

TEST_F(AppStartTest, BadSettingsFilesNeverCrash) {
  struct Case {
    const char* name;
    std::string content;
    int moved_aside; // 1 yes, 0 no, -1 either way
  };
  const Case cases[] = {
      {"empty", "", 1},
      {"truncated", "[.]\nmeasure = met", 1},
      {"binary",
       std::string("\x7f"
                   "ELF\0\x01\xff\xfe[\n=\n",
                   13),
       -1},
      {"overlong line", "[.]\nlast = " + std::string(3000, 'x') + "\n", 1},
      {"section names as keys", "[.]\n[hole plates]\n[.]\nratio = [\n" + kPlatesAndHead, 0},
      {"plates that are not numbers", "[hole plates]\n13 = abc\n14 = -2\n15 = 15\n[h]\n", 0},
      {"no head", "[hole plates]\n13 = 13\n", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    stop_app();
    dir.write_file(kSettings, c.content);
    std::system(("rm -f '" + dir.path() + "/" + kSettings + ".corrupt'*").c_str());
    dialogs.alerts.clear();
    EXPECT_NO_THROW(start_app());
    if (c.moved_aside >= 0) {
      EXPECT_EQ(dir.exists(kSettings + ".corrupt"), c.moved_aside == 1);
    }
    EXPECT_TRUE(app->language_loaded());
  }
}

TEST_F(AppStartTest, SettingsPathThatIsADirectoryIsMovedAside) {
  dir.write_file(kSettings + "/inside", "x");
  start_app();
  EXPECT_TRUE(dir.exists(kSettings + ".corrupt/inside"));
  EXPECT_NE(dir.read_file(kSettings).find("[hole plates]"), std::string::npos);
}

TEST_F(AppStartTest, AbsentLanguageKeyMeansEnglish) {
  dir.write_file(kSettings, "[.]\nmeasure = inch\n" + kPlatesAndHead);
  app::App& a = start_app();
  EXPECT_EQ(a.current_language(), "en");
  EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(AppStartTest, MissingLanguageFileAsksAndNoEndsTheProgramNormally) {
  dir.write_file(kSettings, "[.]\nlanguage = xx\n" + kPlatesAndHead);
  dialogs.answers = {false};
  try {
    start_app();
    ADD_FAILURE() << "the program went on without a language";
  } catch (const ProcessExit& exit) {
    EXPECT_EQ(exit.status, 0);
  }
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0], "The language file \"xx.ini\"\nseems to be missing or damaged. "
                                  "Would you like to select another language?");
}

TEST_F(AppStartTest, MissingLanguageFileYesOffersTheInstalledOnes) {
  dir.write_file(kSettings, "[.]\nlanguage = ../../etc/passwd\n" + kPlatesAndHead);
  dialogs.answers = {true};
  app::App& a = start_app(); // only "en" is installed: taken without a window
  EXPECT_EQ(a.current_language(), "en");
  EXPECT_NE(dir.read_file(kSettings).find("language                       = en"),
            std::string::npos);
}

TEST_F(AppStartTest, EmptyLanguageFileAsksInEnglish) {
  dir.write_file("language/de/de.ini", "[local]\ntitle = Drucken\n");
  dir.write_file(kSettings, "[.]\nlanguage = de\n" + kPlatesAndHead);
  dialogs.answers = {true};
  app::App& a = start_app();
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0], "The language file \"de.ini\" is empty. "
                                  "Would you like to select another language?");
  EXPECT_EQ(a.current_language(), "en");
}

TEST_F(AppStartTest, LanguageFileWithGapsLeavesThoseLabelsEmpty) {
  dir.write_file("language/en/en.ini", "[.]\n0 = Circle\n2 = Oblique\n16 = Quit\n");
  app::App& a = start_app();
  EXPECT_STREQ(a.main_frame()->nav_button(1)->label(), "Circle");
  EXPECT_STREQ(a.main_frame()->nav_button(2)->label(), "");
  EXPECT_STREQ(a.main_frame()->exit_button()->label(), "Quit");
}

TEST_F(AppStartTest, NoLanguageDirectoryAtFirstStartIsFatal) {
  std::system(("rm -rf '" + dir.path() + "/language'").c_str());
  EXPECT_THROW(start_app(), FatalErrorRaised);
  EXPECT_EQ(dialogs.fatal_message,
            "An error occurred trying to find any language files, aborting program.");
}

TEST_F(AppStartTest, LanguageDirectoryWithoutFlagStillOffersTheLanguage) {
  dir.write_file("language/de/de.ini", "[.]\n0 = Kreis\n");
  dir.write_file("language/fr/fr.ini", "[.]\n0 = Cercle\n");
  start_app();
  ASSERT_EQ(dialogs.language_offers.size(), 1u);
  EXPECT_EQ(dialogs.language_offers[0][0].code, "de");
  EXPECT_EQ(dialogs.language_offers[0][0].flag_path, "");
  EXPECT_EQ(dialogs.language_offers[0][0].label, "de");
}

TEST_F(AppStartTest, ReadOnlyProgramDirectoryWithoutAHomeIsFatalNotACrash) {
  ScopedEnv no_config("XDG_CONFIG_HOME", nullptr);
  ScopedEnv no_home("HOME", nullptr);
  program_dir_read_only = true;
  EXPECT_THROW(start_app(), FatalErrorRaised);
  EXPECT_EQ(dialogs.fatal_message,
            "The program's directory '" + dir.path() +
                "' can't be written and there is no home directory ($HOME is not set), so there "
                "is nowhere to keep the settings, aborting program.");
  EXPECT_FALSE(dir.exists(kSettings));
  app.reset();
}

TEST_F(AppStartTest, UnknownProgramDirectoryIsFatalNotACrash) {
  app = std::make_unique<app::App>("", dialogs);
  EXPECT_THROW(app->start(), FatalErrorRaised);
  EXPECT_NE(dialogs.fatal_message.find("own directory"), std::string::npos);
  app.reset();
}

TEST_F(AppStartTest, BinaryOrOverlongLanguageFileAsksForAnotherLanguage) {
  const std::string bad_files[] = {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
                                   "[.]\n0 = " + std::string(5000, 'x') + "\n"};
  for (const std::string& content : bad_files) {
    stop_app();
    dialogs.questions.clear();
    dir.write_file("language/de/de.ini", content);
    dir.write_file(kSettings, "[.]\nlanguage = de\n" + kPlatesAndHead);
    dialogs.answers = {true};
    app::App& a = start_app();
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(a.current_language(), "en");
  }
}
