// The small windows built at start-up: hidden until asked for, their buttons
// in their first state, their texts from the language file, and rebuilt in
// the new language by a switch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <string>

#include "app/checked_input.h"
#include "app/main_window.h"
#include "app/plate_editor_window.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

using namespace testing_support;

namespace {

class AuxWindowsTest : public AppTest {
protected:
  void SetUp() override { start_app(); }
};

TEST_F(AuxWindowsTest, WindowsAreBuiltHiddenWithTheirTitles) {
  struct Case {
    Fl_Window* window;
    int w, h, title;
  };
  const Case cases[] = {
      {app->plate_editor()->window(), 445, 540, 215},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(c.window->shown()) << c.title;
    EXPECT_EQ(c.window->w(), c.w);
    EXPECT_EQ(c.window->h(), c.h);
    EXPECT_STREQ(c.window->label(), app->lang(c.title));
    EXPECT_NE(c.window->modal(), 0u);
  }
}

// The plate editor is rebuilt too: a window left in the old language beside
// a main window in the new one helps no one.
TEST_F(AuxWindowsTest, LanguageSwitchRebuildsThemInTheNewLanguage) {
  std::string german = dir.read_file("language/en/en.ini");
  german.replace(german.find("\n215 = "), 7, "\n215 = Lochscheiben ");
  dir.write_file("language/de/de.ini", german);
  start_app();
  dialogs.language_answers = {0}; // "de", first of the other languages
  click(app->main_window()->language_button());
  settle();
  ASSERT_EQ(app->current_language(), "de");
  EXPECT_EQ(std::string(app->plate_editor()->window()->label()).rfind("Lochscheiben ", 0), 0u);
}

} // namespace
