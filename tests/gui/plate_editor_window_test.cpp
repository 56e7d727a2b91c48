// The plate editor built at start-up: hidden until asked for, its title from
// the language file, and rebuilt in the new language by a switch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>

#include <string>

#include "app/main_window.h"
#include "app/plate_editor_window.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

using namespace testing_support;

namespace {

class PlateEditorWindowTest : public AppTest {};

// A window left in the old language beside a main window in the new one
// helps no one.
TEST_F(PlateEditorWindowTest, BuiltHiddenAndModalAndRebuiltInTheNewLanguage) {
  start_app();
  Fl_Window* editor = app->plate_editor()->window();
  EXPECT_FALSE(editor->shown());
  EXPECT_EQ(editor->w(), 445);
  EXPECT_EQ(editor->h(), 540);
  EXPECT_STREQ(editor->label(), app->lang(215));
  EXPECT_NE(editor->modal(), 0u);

  std::string german = dir.read_file("language/en/en.ini");
  german.replace(german.find("\n215 = "), 7, "\n215 = Lochscheiben ");
  dir.write_file("language/de/de.ini", german);
  start_app();
  dialogs.language_answers = {0}; // "de", first of the other languages
  click(app->main_frame()->language_button());
  settle();
  ASSERT_EQ(app->current_language(), "de");
  EXPECT_EQ(std::string(app->plate_editor()->window()->label()).rfind("Lochscheiben ", 0), 0u);
}

} // namespace
