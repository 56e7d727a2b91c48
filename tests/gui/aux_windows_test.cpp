// The small windows built at start-up: hidden until asked for, their buttons
// in their first state, their texts from the language file, and rebuilt in
// the new language by a switch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <string>

#include "app/aux_windows.h"
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
  bool listed(const Fl_Input* field) const {
    const auto& inputs = app->checked_inputs();
    return std::find(inputs.begin(), inputs.end(), field) != inputs.end();
  }
};

TEST_F(AuxWindowsTest, WindowsAreBuiltHiddenWithTheirTitles) {
  struct Case {
    Fl_Window* window;
    int w, h, title;
  };
  const Case cases[] = {
      {app->plate_editor()->window(), 445, 540, 215},
      {app->gear_set_window()->window.get(), 350, 530, 451},
      {app->worm_extra_window()->window.get(), 380, 155, 364},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(c.window->shown()) << c.title;
    EXPECT_EQ(c.window->w(), c.w);
    EXPECT_EQ(c.window->h(), c.h);
    EXPECT_STREQ(c.window->label(), app->lang(c.title));
    EXPECT_NE(c.window->modal(), 0u);
  }
  Fl_Window* busy = app->busy_window();
  EXPECT_FALSE(busy->shown());
  EXPECT_EQ(busy->border(), 0);
  EXPECT_EQ(busy->w(), 500);
  EXPECT_EQ(busy->h(), 125);
}

TEST_F(AuxWindowsTest, GearSetEditorStartsWithItsButtonsInactive) {
  app::GearSetWindow& gears = *app->gear_set_window();
  EXPECT_EQ(gears.gear_list->nitems(), 0);
  EXPECT_FALSE(gears.add_button->active());
  EXPECT_FALSE(gears.remove_button->active());
  EXPECT_EQ(gears.count->maximum(), 4.0);
  EXPECT_STREQ(gears.teeth->label(), app->lang(454));
  gears.window->show();
  click(gears.close_button);
  EXPECT_FALSE(gears.window->shown());
}

TEST_F(AuxWindowsTest, WormWindowFieldsAreCheckedInputs) {
  app::WormExtraWindow& worm = *app->worm_extra_window();
  EXPECT_FALSE(worm.ok->active());
  EXPECT_TRUE(worm.cancel->active());
  for (app::CheckedInput* field :
       {worm.inch_distance, worm.mm_distance, worm.fraction[0], worm.fraction[1], worm.fraction[2]})
    EXPECT_TRUE(listed(field));
  EXPECT_EQ(worm.inch_distance->range(), &app->input_range(45));
  EXPECT_EQ(worm.fraction[1]->range(), &app->input_range(44));
  worm.window->show();
  click(worm.cancel);
  EXPECT_FALSE(worm.window->shown());
}

// The change-gear editor and the others are rebuilt too: a window left in
// the old language beside a main window in the new one helps no one.
TEST_F(AuxWindowsTest, LanguageSwitchRebuildsThemInTheNewLanguage) {
  std::string german = dir.read_file("language/en/en.ini");
  german.replace(german.find("\n215 = "), 7, "\n215 = Lochscheiben ");
  german.replace(german.find("\n451 = "), 7, "\n451 = Wechselräder ");
  dir.write_file("language/de/de.ini", german);
  start_app();
  dialogs.language_answers = {0}; // "de", first of the other languages
  click(app->main_window()->language_button());
  settle();
  ASSERT_EQ(app->current_language(), "de");
  EXPECT_EQ(std::string(app->plate_editor()->window()->label()).rfind("Lochscheiben ", 0), 0u);
  EXPECT_EQ(std::string(app->gear_set_window()->window->label()).rfind("Wechselräder ", 0), 0u);
  EXPECT_TRUE(listed(app->worm_extra_window()->mm_distance));
}

TEST_F(AuxWindowsTest, BusyNoticeShowsAndHides) {
  app::show_busy_window(*app);
  EXPECT_TRUE(app->busy_window()->shown());
  app::hide_busy_window(*app);
  EXPECT_FALSE(app->busy_window()->shown());
}

} // namespace
