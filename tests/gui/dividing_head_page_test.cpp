// The dividing head page and its plate editor: the search, the head choice,
// the plates moved between head and catalogue, the new-plate dialog, the
// print range, restore, and the editor rebuilt in a new language.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Window.H>

#include <algorithm>

#include "app/plate_editor_window.h"
#include "calc/workshop/dividing_head_page.h"
#include "gui/support/page_scenario.h"
#include "settings/ini_document.h"
#include "ui/checked_input.h"

using namespace testing_support;

namespace {

int count(const Fl_Browser* list) { return list->size(); }
int count(const Fl_Check_Browser* list) { return list->nitems(); }
template <typename List> Texts lines_of(const List* list) {
  Texts lines;
  for (int i = 1; i <= count(list); ++i)
    lines.push_back(list->text(i));
  return lines;
}
bool has_line(const Texts& lines, const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}
// Ticks the line showing `text` of a check list, as a user's click does.
void tick(Fl_Check_Browser* list, const std::string& text) {
  const Texts lines = lines_of(list);
  const auto line = std::find(lines.begin(), lines.end(), text);
  ASSERT_NE(line, lines.end()) << text;
  list->checked(static_cast<int>(line - lines.begin()) + 1, 1);
  list->do_callback();
}

// What a user does in the new-plate dialog, run from inside its loop.
struct DialogScript {
  app::App* app;
  std::string text;
  bool confirm;
  bool ran = false, editor_active = true, field_listed = false;
  std::string initial_text = "";
  const Fl_Input* field = nullptr;
};
void play_dialog(void* data) {
  auto* script = static_cast<DialogScript*>(data);
  app::NewPlateDialog* dialog = script->app->plate_editor()->new_plate_dialog();
  if (!dialog)
    return;
  script->initial_text = dialog->number->value();
  script->editor_active = script->app->plate_editor()->window()->active() != 0;
  const auto& listed = script->app->checked_inputs();
  script->field = dialog->number;
  script->field_listed = std::find(listed.begin(), listed.end(), script->field) != listed.end();
  retype(dialog->number, script->text);
  click(script->confirm ? dialog->ok : dialog->cancel);
  script->ran = true;
}
void close_stuck_dialog(void* data) {
  auto* script = static_cast<DialogScript*>(data);
  if (app::NewPlateDialog* dialog = script->app->plate_editor()->new_plate_dialog())
    dialog->window->hide();
}

constexpr const char* kBrown = "brown and sharp 40-1";

class DividingHeadPageTest : public PageTest<workshop::DividingHeadPage, 7> {
protected:
  app::PlateEditor* editor() const { return app->plate_editor(); }
  settings::IniDocument settings_file() const {
    settings::IniDocument doc;
    settings::IniDocument::load(dir.path() + "/DoNotEditOrDelete.ini", doc);
    return doc;
  }
  Texts calculate(const std::string& divisions) {
    retype(w().divisions, divisions);
    click(w().calculate);
    return lines_of(w().results);
  }
  void restart() {
    restart_app();
    open_page();
  }
  void move_to_head(const std::string& plate) {
    tick(editor()->catalogue_list(), plate);
    click(editor()->add_button());
  }
  DialogScript new_plate(const std::string& typed, bool confirm) {
    DialogScript script{app.get(), typed, confirm};
    Fl::add_timeout(0.05, play_dialog, &script);
    Fl::add_timeout(5.0, close_stuck_dialog, &script);
    click(editor()->new_plate_button());
    Fl::remove_timeout(play_dialog, &script);
    Fl::remove_timeout(close_stuck_dialog, &script);
    EXPECT_TRUE(script.ran) << typed;
    return script;
  }
};

TEST_F(DividingHeadPageTest, SearchesTheLastHeadsPlatesAndARestartListsThemAgain) {
  EXPECT_EQ(Fl::focus(), w().divisions);
  EXPECT_STREQ(w().head->text(), "Brown and Sharp 40-1");
  EXPECT_EQ(lines_of(w().plates), (Texts{"15", "16", "17", "18", "19", "20", "21", "23", "27", "29",
                                         "31", "33", "37", "39", "41", "43", "47"}));
  EXPECT_EQ(w().head->size() - 1, 9); // the nine heads of a new settings file
  for (auto [typed, active] : {std::pair{"", false}, {"1", false}, {"2", true}, {"1x", false}}) {
    retype(w().divisions, typed);
    EXPECT_EQ(w().calculate->active() != 0, active) << '"' << typed << '"';
  }
  // 40 / 7 = 5 5/7 = 5 turns and 15 holes of 21; the head has no 49.
  EXPECT_EQ(calculate("7"), Texts{"      21           5            15"});
  retype(w().divisions, "40"); // the page searches on Calculate only
  EXPECT_EQ(lines_of(w().results), Texts{"      21           5            15"});
  restart();
  EXPECT_EQ(lines_of(w().results), Texts{"     any           1             0"});
  retype(w().divisions, ""); // emptied, it comes back empty with no list
  restart();
  EXPECT_STREQ(w().divisions->value(), "");
  EXPECT_TRUE(lines_of(w().results).empty());
}

// From is raised to 2 once the user is done with it (Enter, or leaving it),
// never while typing; Print follows the value it will have.
TEST_F(DividingHeadPageTest, PrintRangeFloorsFromWhenDone) {
  EXPECT_EQ(values(w().from, w().to), (Texts{"2", "200"}));
  enum Done { kTyping, kEnter, kLeave };
  struct Case {
    Fl_Int_Input* field;
    const char* typed;
    Done done;
    Texts from_to;
    bool print;
  };
  const Case cases[] = {
      {w().from, "1", kTyping, {"1", "200"}, true},  {w().from, "1", kEnter, {"2", "200"}, true},
      {w().from, "", kLeave, {"2", "200"}, true},    {w().to, "2", kTyping, {"2", "2"}, false},
      {w().from, "30", kTyping, {"30", "2"}, false}, {w().to, "31", kTyping, {"30", "31"}, true}};
  for (const Case& c : cases) {
    retype(c.field, c.typed);
    if (c.done == kEnter)
      press_key(FL_Enter);
    if (c.done == kLeave)
      click(w().divisions);
    EXPECT_EQ(values(w().from, w().to), c.from_to) << c.typed;
    EXPECT_EQ(w().print->active() != 0, c.print) << c.typed;
  }
}

TEST_F(DividingHeadPageTest, ChoosingAHeadWritesItShowsItsPlatesAndAnswersOtherPages) {
  EXPECT_TRUE(app->dividing_head_can_index(7));
  EXPECT_FALSE(app->dividing_head_can_index(127));
  calculate("40");
  ASSERT_TRUE(w().head->value(w().head->find_index("Phase II 72-1")));
  w().head->do_callback(); // what picking the item from the open menu does
  EXPECT_EQ(settings_file().get_string(".:last"), "Phase II 72-1");
  EXPECT_EQ(page().head_ratio(), 72);
  EXPECT_EQ(lines_of(w().plates), Texts{"10"});
  EXPECT_EQ(lines_of(editor()->head_list()), Texts{"10"});
  EXPECT_EQ(editor()->catalogue_list()->nitems(), 72);
  EXPECT_EQ(lines_of(w().results),
            Texts{"     any           1             0"});                 // not searched again
  EXPECT_EQ(calculate("5"), Texts{"      10          14             4"}); // 72 / 5 = 14 2/5
  EXPECT_FALSE(app->dividing_head_can_index(7));                          // 10 holes can't give 2/7
  restart();
  EXPECT_STREQ(w().head->text(), "Phase II 72-1");
}

TEST_F(DividingHeadPageTest, PlatesMoveBetweenHeadAndCatalogueAndSurviveARestart) {
  click(w().edit_plates);
  editor()->window()->do_callback(); // closed by the window manager: the button comes back
  EXPECT_TRUE(w().edit_plates->active());
  click(w().edit_plates);
  EXPECT_TRUE(editor()->window()->shown());
  EXPECT_FALSE(w().edit_plates->active());
  EXPECT_FALSE(editor()->add_button()->active());
  tick(editor()->catalogue_list(), "13");
  EXPECT_TRUE(editor()->add_button()->active());
  click(editor()->add_button());
  EXPECT_EQ(settings_file().get_string(std::string(kBrown) + ":13"), "13");
  EXPECT_EQ(lines_of(w().plates).front(), "13");
  EXPECT_FALSE(has_line(lines_of(editor()->catalogue_list()), "13"));
  tick(editor()->head_list(), "13");
  click(editor()->remove_button());
  EXPECT_FALSE(settings_file().has(std::string(kBrown) + ":13"));
  EXPECT_EQ((Texts{lines_of(w().plates).front(), lines_of(editor()->catalogue_list()).front()}),
            (Texts{"15", "13"}));
  EXPECT_FALSE(editor()->remove_button()->active());
  move_to_head("49"); // 7 divisions now have two circles: 35 of 49 is 5/7 too
  move_to_head("13");
  click(editor()->close_button());
  EXPECT_TRUE(w().edit_plates->active());
  EXPECT_EQ(calculate("7"),
            (Texts{"      21           5            15", "      49           5            35"}));
  restart();
  EXPECT_EQ((Texts{lines_of(w().plates).front(), lines_of(w().plates).back()}),
            (Texts{"13", "49"}));
}

TEST_F(DividingHeadPageTest, NewPlateDialogTakesTwelveToOneHundredNinetyThree) {
  click(w().edit_plates);
  const std::pair<const char*, std::pair<bool, bool>> cases[] = {// confirmed, catalogued
                                                                 {"11", {true, false}},
                                                                 {"194", {true, false}},
                                                                 {"12", {true, true}},
                                                                 {"193", {true, true}},
                                                                 {"150", {false, false}}};
  for (const auto& [typed, expected] : cases) {
    const DialogScript script = new_plate(typed, expected.first);
    EXPECT_EQ(script.initial_text, "12");
    EXPECT_FALSE(script.editor_active);
    EXPECT_TRUE(script.field_listed);
    EXPECT_EQ(settings_file().has(std::string("hole plates:") + typed), expected.second) << typed;
    EXPECT_EQ(has_line(lines_of(editor()->catalogue_list()), typed), expected.second) << typed;
    EXPECT_TRUE(editor()->window()->active());
  }
  const DialogScript again = new_plate("13", true); // known already: the catalogue keeps one
  EXPECT_EQ(settings_file().section_key_count("hole plates"), 72 + 2);
  // The dialog's field has left the right-click list with the dialog.
  const auto& listed = app->checked_inputs();
  EXPECT_EQ(std::find(listed.begin(), listed.end(), again.field), listed.end());
}

// A window left in the old language beside a main window in the new one
// helps no one.
TEST_F(DividingHeadPageTest, PlateEditorIsBuiltHiddenAndModalAndRebuiltInTheNewLanguage) {
  EXPECT_FALSE(editor()->window()->shown());
  EXPECT_EQ(label(editor()->window()), lang(215));
  EXPECT_NE(editor()->window()->modal(), 0u);
  std::string german = dir.read_file("language/en/en.ini");
  german.replace(german.find("\n215 = "), 7, "\n215 = Lochscheiben ");
  dir.write_file("language/de/de.ini", german);
  start_app();
  dialogs.language_answers = {0}; // "de", first of the other languages
  click(app->main_frame()->language_button());
  settle();
  ASSERT_EQ(app->current_language(), "de");
  EXPECT_EQ(label(editor()->window()).rfind("Lochscheiben ", 0), 0u);
}

} // namespace
