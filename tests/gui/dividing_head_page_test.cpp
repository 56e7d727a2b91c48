// Page 7, the dividing head: search, head choice, plate editor, new-plate dialog, print range.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/checked_input.h"
#include "app/main_window.h"
#include "app/plate_editor_window.h"
#include "calc/workshop/dividing_head_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "settings/ini_document.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

constexpr const char* kBrown = "brown and sharp 40-1";

int count(const Fl_Browser* list) { return list->size(); }
int count(const Fl_Check_Browser* list) { return list->nitems(); }
template <typename List> Lines lines_of(const List* list) {
  Lines lines;
  for (int i = 1; i <= count(list); ++i)
    lines.push_back(list->text(i));
  return lines;
}

bool has_line(const Lines& lines, const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

// Ticks the line showing `text` of a check list, as a user's click does.
void tick(Fl_Check_Browser* list, const std::string& text) {
  const Lines lines = lines_of(list);
  ASSERT_TRUE(has_line(lines, text)) << text;
  list->checked(static_cast<int>(std::find(lines.begin(), lines.end(), text) - lines.begin()) + 1,
                1);
  list->do_callback();
}

// What a user does in the new-plate dialog, run from inside its loop.
struct DialogScript {
  app::App* app = nullptr;
  std::string text;
  bool confirm = true;
  bool ran = false;
  std::string initial_text;
  bool editor_active = true;
  bool field_listed = false;
  const Fl_Input* field = nullptr;
};

void play_dialog(void* data) {
  auto* script = static_cast<DialogScript*>(data);
  app::PlateEditor* editor = script->app->plate_editor();
  app::NewPlateDialog* dialog = editor->new_plate_dialog();
  if (!dialog)
    return;
  script->initial_text = dialog->number->value();
  script->editor_active = editor->window()->active() != 0;
  const auto& listed = script->app->checked_inputs();
  script->field = dialog->number;
  script->field_listed = std::find(listed.begin(), listed.end(), script->field) != listed.end();
  dialog->number->take_focus();
  dialog->number->position(0, dialog->number->size());
  type_text(dialog->number, script->text);
  click(script->confirm ? dialog->ok : dialog->cancel);
  script->ran = true;
}

void close_stuck_dialog(void* data) {
  auto* script = static_cast<DialogScript*>(data);
  if (app::NewPlateDialog* dialog = script->app->plate_editor()->new_plate_dialog())
    dialog->window->hide();
}

class DividingHeadPageTest : public AppTest {
protected:
  void SetUp() override {
    start_app();
    open_page();
  }
  void open_page() { click(app->main_frame()->nav_button(7)); }
  workshop::DividingHeadPage* page() const {
    return static_cast<workshop::DividingHeadPage*>(app->page(7));
  }
  const workshop::DividingHeadWidgets& w() const { return page()->widgets(); }
  app::PlateEditor* editor() const { return app->plate_editor(); }
  settings::IniDocument settings_file() const {
    settings::IniDocument doc;
    settings::IniDocument::load(dir.path() + "/DoNotEditOrDelete.ini", doc);
    return doc;
  }

  Lines calculate(const std::string& divisions) {
    retype(w().divisions, divisions);
    click(w().calculate);
    return lines_of(w().results);
  }
  // What picking the item from the open menu does.
  void choose_head(const char* name) {
    ASSERT_TRUE(w().head->value(w().head->find_index(name))) << name;
    w().head->do_callback();
  }
  void open_editor() {
    click(w().edit_plates);
    settle();
  }
  void move_to_head(const std::string& plate) {
    tick(editor()->catalogue_list(), plate);
    click(editor()->add_button());
  }
  DialogScript new_plate(const std::string& typed, bool confirm) {
    DialogScript script;
    script.app = app.get();
    script.text = typed;
    script.confirm = confirm;
    Fl::add_timeout(0.05, play_dialog, &script);
    Fl::add_timeout(5.0, close_stuck_dialog, &script);
    click(editor()->new_plate_button());
    Fl::remove_timeout(play_dialog, &script);
    Fl::remove_timeout(close_stuck_dialog, &script);
    EXPECT_TRUE(script.ran) << typed;
    return script;
  }
};

TEST_F(DividingHeadPageTest, StartsOnTheLastHeadWithItsPlates) {
  EXPECT_EQ(Fl::focus(), w().divisions);
  EXPECT_STREQ(w().head->text(), "Brown and Sharp 40-1");
  EXPECT_EQ(page()->head_ratio(), 40);
  EXPECT_EQ(lines_of(w().plates), (Lines{"15", "16", "17", "18", "19", "20", "21", "23", "27", "29",
                                         "31", "33", "37", "39", "41", "43", "47"}));
  EXPECT_EQ(w().head->size() - 1, 9); // the nine heads of a new settings file
  EXPECT_FALSE(w().calculate->active());
  EXPECT_STREQ(w().from->value(), "2");
  EXPECT_STREQ(w().to->value(), "200");
}

TEST_F(DividingHeadPageTest, CalculateNeedsTwoDivisionsAndTheTableFromAtLeastTwo) {
  const std::vector<std::pair<std::string, bool>> counts = {
      {"", false}, {"1", false}, {"2", true}, {"1x", false}};
  for (const auto& [typed, active] : counts) {
    retype(w().divisions, typed);
    if (typed.empty())
      press_key(FL_BackSpace);
    EXPECT_EQ(w().calculate->active() != 0, active) << '"' << typed << '"';
  }

  // From is raised to 2 once the user is done with it (Enter, or leaving
  // it), never while typing; Print follows the value it will have.
  enum Done { kTyping, kEnter, kLeave };
  struct Case {
    Fl_Int_Input* field;
    std::string typed;
    Done done;
    std::string from, to;
    bool print;
  };
  const std::vector<Case> cases = {
      {w().from, "1", kTyping, "1", "200", true},  {w().from, "1", kEnter, "2", "200", true},
      {w().from, "", kLeave, "2", "200", true},    {w().to, "2", kTyping, "2", "2", false},
      {w().from, "30", kTyping, "30", "2", false}, {w().to, "31", kTyping, "30", "31", true}};
  for (const Case& c : cases) {
    retype(c.field, c.typed);
    if (c.typed.empty())
      press_key(FL_BackSpace);
    if (c.done == kEnter)
      press_key(FL_Enter);
    if (c.done == kLeave)
      click(w().divisions);
    EXPECT_EQ(w().from->value(), c.from) << c.typed;
    EXPECT_EQ(w().to->value(), c.to) << c.typed;
    EXPECT_EQ(w().print->active() != 0, c.print) << c.typed;
  }
}

// The lines themselves are the search's; the page shows them on Calculate
// only, and a restart searches the restored count again.
TEST_F(DividingHeadPageTest, CalculateListsTheCirclesAndARestartListsThemAgain) {
  // 40 / 7 = 5 5/7 = 5 turns and 15 holes of 21; the head has no 49.
  EXPECT_EQ(calculate("7"), Lines{"      21           5            15"});
  retype(w().divisions, "40");
  EXPECT_EQ(lines_of(w().results), Lines{"      21           5            15"});
  restart_app();
  open_page();
  EXPECT_EQ(lines_of(w().results), Lines{"     any           1             0"});

  // Emptied divisions come back empty, with no list left from before.
  retype(w().divisions, "");
  press_key(FL_BackSpace);
  restart_app();
  open_page();
  EXPECT_STREQ(w().divisions->value(), "");
  EXPECT_FALSE(w().calculate->active());
  EXPECT_TRUE(lines_of(w().results).empty());
}

TEST_F(DividingHeadPageTest, ChoosingAHeadWritesItShowsItsPlatesAndAnswersOtherPages) {
  // Other pages ask whether the head can index a count.
  EXPECT_TRUE(app->dividing_head_can_index(7));
  EXPECT_FALSE(app->dividing_head_can_index(127));
  calculate("40");
  choose_head("Phase II 72-1");
  EXPECT_EQ(settings_file().get_string(".:last"), "Phase II 72-1");
  EXPECT_EQ(page()->head_ratio(), 72);
  EXPECT_EQ(lines_of(w().plates), Lines{"10"});
  EXPECT_EQ(lines_of(editor()->head_list()), Lines{"10"});
  EXPECT_EQ(editor()->catalogue_list()->nitems(), 72);
  // The list is not searched again for the new head.
  EXPECT_EQ(lines_of(w().results), Lines{"     any           1             0"});
  // 72 / 5 = 14 2/5: 4 holes of 10.
  EXPECT_EQ(calculate("5"), Lines{"      10          14             4"});
  EXPECT_FALSE(app->dividing_head_can_index(7)); // 10 holes can't give 2/7

  restart_app();
  open_page();
  EXPECT_STREQ(w().head->text(), "Phase II 72-1");
}

TEST_F(DividingHeadPageTest, PlatesMoveBetweenHeadAndCatalogueAndSurviveARestart) {
  // Closed by the window manager, the editor gives back the button.
  open_editor();
  editor()->window()->do_callback();
  EXPECT_FALSE(editor()->window()->shown());
  EXPECT_TRUE(w().edit_plates->active());
  open_editor();
  EXPECT_TRUE(editor()->window()->shown());
  EXPECT_FALSE(w().edit_plates->active());
  EXPECT_FALSE(editor()->add_button()->active());

  tick(editor()->catalogue_list(), "13");
  EXPECT_TRUE(editor()->add_button()->active());
  click(editor()->add_button());
  EXPECT_EQ(settings_file().get_string(std::string(kBrown) + ":13"), "13");
  EXPECT_EQ(lines_of(w().plates).front(), "13");
  EXPECT_FALSE(has_line(lines_of(editor()->catalogue_list()), "13"));
  EXPECT_FALSE(editor()->add_button()->active());

  tick(editor()->head_list(), "13");
  click(editor()->remove_button());
  EXPECT_FALSE(settings_file().has(std::string(kBrown) + ":13"));
  EXPECT_EQ(lines_of(w().plates).front(), "15");
  EXPECT_EQ(lines_of(editor()->catalogue_list()).front(), "13");
  EXPECT_FALSE(editor()->remove_button()->active());

  // 49 joins the head: 7 divisions now have two circles.
  move_to_head("49");
  move_to_head("13");
  click(editor()->close_button());
  EXPECT_TRUE(w().edit_plates->active());
  EXPECT_EQ(calculate("7"),
            (Lines{"      21           5            15", "      49           5            35"}));

  restart_app();
  open_page();
  EXPECT_EQ(lines_of(w().plates).front(), "13");
  EXPECT_EQ(lines_of(w().plates).back(), "49");
}

TEST_F(DividingHeadPageTest, NewPlateDialogTakesTwelveToOneHundredNinetyThree) {
  open_editor();
  struct Case {
    std::string typed;
    bool confirm;
    bool in_catalogue;
  };
  const std::vector<Case> cases = {
      {"11", true, false}, {"194", true, false},  {"12", true, true},
      {"193", true, true}, {"150", false, false},
  };
  for (const Case& c : cases) {
    const DialogScript script = new_plate(c.typed, c.confirm);
    EXPECT_EQ(script.initial_text, "12");
    EXPECT_FALSE(script.editor_active);
    EXPECT_TRUE(script.field_listed);
    EXPECT_EQ(settings_file().has("hole plates:" + c.typed), c.in_catalogue) << c.typed;
    EXPECT_EQ(has_line(lines_of(editor()->catalogue_list()), c.typed), c.in_catalogue) << c.typed;
    EXPECT_TRUE(editor()->window()->active());
  }
  // Known already: the catalogue keeps one 13.
  const int known = settings_file().section_key_count("hole plates");
  const DialogScript again = new_plate("13", true);
  EXPECT_EQ(settings_file().section_key_count("hole plates"), known);
  EXPECT_EQ(known, 72 + 2);
  // The dialog's field has left the right-click list with the dialog.
  const auto& listed = app->checked_inputs();
  EXPECT_EQ(std::find(listed.begin(), listed.end(), again.field), listed.end());
}

} // namespace
