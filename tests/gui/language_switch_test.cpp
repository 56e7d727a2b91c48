// The language button: the windows come back in the other language with
// the page shown and the column scroll as they were.
#include <gtest/gtest.h>

#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_ask.H>

#include <cstdlib>

#include "app/main_window.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

using namespace testing_support;

class LanguageSwitchTest : public AppTest {};

namespace {
// Leaves English as the only language installed in the test's directory.
void only_english(const testing_support::TempDir& dir) {
  std::system(("find '" + dir.path() + "/language' -mindepth 1 -maxdepth 1 -type d ! -name en " +
               "-exec rm -rf {} +")
                  .c_str());
}
} // namespace

TEST_F(LanguageSwitchTest, OnlyOneLanguageInstalledIsAMessageNotTheEnd) {
  only_english(dir);
  app::App& a = start_app();
  EXPECT_NO_THROW(a.switch_language());
  ASSERT_EQ(dialogs.alerts.size(), 1u);
  EXPECT_EQ(a.current_language(), "en");
  EXPECT_TRUE(a.main_frame()->window()->shown());
}

TEST_F(LanguageSwitchTest, SecondLanguageIsTakenAtOnceAndThePagesStay) {
  only_english(dir);
  std::string german = dir.read_file("language/en/en.ini");
  german.replace(german.find("\n0 = "), 5, "\n0 = Kreis_");
  dir.write_file("language/de/de.ini", german);
  dir.write_file("DoNotEditOrDelete.ini",
                 "[.]\nlanguage = en\n[hole plates]\n13 = 13\n[h 40-1]\n0 = H 40-1\n");
  app::App& a = start_app();
  click(a.main_frame()->nav_button(9));
  a.main_frame()->nav_column()->scroll_to(0, 298);

  click(a.main_frame()->language_button());
  settle(); // the switch runs once the button's callback has returned

  EXPECT_EQ(a.current_language(), "de");
  EXPECT_TRUE(dialogs.language_offers.empty()); // one other language: no window
  EXPECT_EQ(std::string(a.main_frame()->nav_button(1)->label()).rfind("Kreis ", 0), 0u);
  EXPECT_EQ(a.main_frame()->shown_page(), 9);
  EXPECT_EQ(a.main_frame()->nav_button(9)->labelcolor(), FL_RED);
  EXPECT_NEAR(a.main_frame()->nav_column()->yposition(), 298, 2);
  EXPECT_TRUE(a.main_frame()->window()->shown());
  EXPECT_NE(dir.read_file("DoNotEditOrDelete.ini").find("language                       = de"),
            std::string::npos);
}

TEST_F(LanguageSwitchTest, MessageBoxButtonsSpeakTheLanguageAlsoAfterASwitch) {
  ASSERT_EQ(std::system(("cp -r '" + std::string(TOOLROOM_LANGUAGE_DIR) + "/es' '" + dir.path() +
                         "/language/'")
                            .c_str()),
            0);
  app::App& a = start_app();
  EXPECT_STREQ(fl_close, "Close");
  a.switch_language();
  ASSERT_EQ(a.current_language(), "es");
  EXPECT_STREQ(fl_close, "Cerrar");
  EXPECT_STREQ(fl_yes, "Sí");
  EXPECT_STREQ(fl_no, "No");
}
