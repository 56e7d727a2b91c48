// The gear-ratio, change-gear and dividing-head pages driven with real keys
// and clicks: the checks reach the fields, the searches fill their results
// windows and lists, the gear set and plate editors, restart and restore.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <algorithm>
#include <cstdlib>

#include "app/plate_editor_window.h"
#include "calc/gears/gear_ratio_page.h"
#include "calc/gears/ratio_results_window.h"
#include "calc/gears/wait_notice.h"
#include "calc/workshop/change_gear_results_window.h"
#include "calc/workshop/change_gear_set_window.h"
#include "calc/workshop/change_gears_page.h"
#include "calc/workshop/dividing_head_page.h"
#include "gui/support/page_scenario.h"
#include "settings/ini_document.h"

using namespace testing_support;

namespace {

class GearRatioPageTest : public PageTest<gears::GearRatioPage, 16> {
protected:
  gears::RatioResultsWindow* results() { return page().results_window(); }
  Texts rows(int count) { // heading, then driver, driven, bar, row text
    Widgets rows;
    for (int i = 1; i <= count; ++i)
      rows.push_back(results()->rows()->child(i));
    return shown_all(rows);
  }
};

TEST_F(GearRatioPageTest, ChecksReachTheFieldsAndSearchesFillTheirWindow) {
  const gears::GearRatioWidgets& g = w();
  // A red count takes the focus at every change of the other, so the highest
  // count is typed while the lowest is a good one.
  play({{nullptr, nullptr, {g.results_limit}, {"20"}},
        {g.lowest, "12"},
        {g.highest, "30"},
        {g.lowest, "40"},
        {g.target, "2"}});
  EXPECT_EQ(g.highest->textcolor(), FL_RED);
  EXPECT_FALSE(g.calculate->active());
  play({{g.lowest, "12"},
        {g.highest, "150", {g.highest}, {"100"}},
        {g.tolerance, "0.00001"},
        {g.target, "2", {g.tolerance}, {"0.0001"}}, // floored once left
        {g.calculate}});
  ASSERT_NE(results(), nullptr);
  EXPECT_FALSE(app->main_frame()->window()->active());
  EXPECT_EQ(shown(results()->heading()),
            "Gear trains for ratio 2 - 1 within 0.0001% above and below");
  EXPECT_EQ(rows(4), (Texts{"12", "24", "__", "Ratio = 2.0      Error = 0.0%"}));
  EXPECT_EQ(results()->rows()->children(), 1 + 20 * 4);
  click(results()->close_button());
  settle();
  EXPECT_TRUE(app->main_frame()->window()->active());
  // A target of one needs two pairs: 20 over 18, X, 18 over 20.
  play({{g.target, "1"}, {g.results_limit, "3"}, {g.calculate}});
  ASSERT_NE(results(), nullptr);
  EXPECT_EQ(rows(8),
            (Texts{"20", "18", "__", "X", "18", "20", "__", "Ratio = 1.0      Error = 0.0%"}));
  results()->window()->do_callback(); // the window manager's close
  settle();
  play({{g.lowest, "50"}, {g.highest, "50"}, {g.calculate}, {g.help}}); // one count, no pair
  EXPECT_EQ(dialogs.alerts, Texts{lang(438)});
  EXPECT_EQ(results(), nullptr);
  EXPECT_FALSE(page().wait_notice()->window()->shown());
  EXPECT_EQ(help_title(), lang(419));
}

TEST_F(GearRatioPageTest, MissingKeysRestoreTheirDefaults) {
  dir.write_file("State.ini", "[p16]\nratio_calc_p1_to_solve = 3\n[page]\npage = 15\n");
  start_app();
  play({{nullptr,
         nullptr,
         {w().target, w().lowest, w().highest, w().tolerance, w().mode[0]},
         {"3", "12", "", "0.0001", "on"}}});
  EXPECT_EQ(w().highest->textcolor(), FL_RED); // no highest count is below the lowest
}

class ChangeGearsPageTest : public PageTest<workshop::ChangeGearsPage, 17> {
protected:
  workshop::ChangeGearSetWindow& set() { return *page().gear_set_window(); }
  workshop::ChangeGearResultsWindow* results() { return page().results_window(); }
  void own(const Texts& gears) {
    click(w().gear_set);
    for (const std::string& teeth : gears)
      play({{set().teeth(), teeth.c_str()}, {set().add_button()}});
    click(set().close_button());
  }
  void calculate(int mode, const char* p, const char* q, const Texts& first_second_warning = {}) {
    play({{w().mode[static_cast<size_t>(mode)]},
          {w().pitch_to_make, p},
          {w().lead_screw, q},
          {w().calculate}});
    if (first_second_warning.empty())
      return;
    EXPECT_EQ(shown_all(Widgets{w().first_gear, w().second_gear, w().warning}),
              first_second_warning);
  }
};

TEST_F(ChangeGearsPageTest, TheEditorKeepsTheListSortedAndThePairShows) {
  click(w().gear_set);
  EXPECT_FALSE(app->main_frame()->window()->active());
  play({{set().teeth(), "11"},
        {set().teeth(), "60"},
        {set().add_button()},
        {set().count()->child(0), "9"}, // at most four at once
        {set().teeth(), "025"},
        {set().add_button()}});
  EXPECT_EQ(page().gear_lines(), (Texts{"25", "25", "25", "25", "60"}));
  set().list()->checked(2, 1);
  set().list()->do_callback();
  click(set().remove_button());
  EXPECT_EQ(page().gear_lines(), (Texts{"25", "25", "25", "60"}));
  click(set().close_button());
  own({"20", "30"});
  play({{w().pitch_to_make, "3"}, // a DP is no thread pitch: the pitches go
        {w().mode[3],
         nullptr,
         {w().pitch_caption, w().lead_screw_caption, w().pitch_to_make},
         {lang(444), lang(441), ""}}});
  calculate(3, "2", "4", {"88", "14", lang(460)});
  EXPECT_EQ(w().first_gear->textcolor(), FL_RED);
  play({{w().lead_screw, "5", {w().first_gear, w().warning}, {"", "hidden"}}}); // pair emptied
  calculate(3, "7.3", "5", {"", "", lang(474)}); // 511 : 1100, no pair up to 400 teeth
  play({{w().mode[1], nullptr, {w().worm_group}, {"hidden"}}});
}

TEST_F(ChangeGearsPageTest, ResultsFromTheUsersGearsOrElseFromTheGearRatioSearch) {
  own({"20", "25", "30", "40", "50", "60"});
  calculate(1, "1", "2"); // metric 1 mm from a 2 mm screw
  ASSERT_NE(results(), nullptr);
  EXPECT_EQ(shown(results()->heading()), "2 mm pitch lead screw - 1 mm pitch");
  for (int i = 0; i < 3; ++i) // 20>40, 25>50, 30>60, one pair each
    EXPECT_EQ(std::atoi(results()->row(i).driven[0]->label()), 40 + 10 * i);
  EXPECT_EQ(shown_all(Widgets{results()->row(0).driver[1], results()->row(3).frame,
                              results()->row(0).error}),
            (Texts{"hidden", "hidden", "Error = 0.0%"}));
  click(results()->close_button());
  settle();
  retype(w().error, "0"); // the floor waits until the field is done
  press_key(FL_Enter);
  play({{nullptr, nullptr, {w().error}, {"0.0001"}}, {w().error, "0.5"}});
  // The 2:1 pairs are 0.3 % off, within 0.5 % but not 0.0001 %.
  calculate(1, "1", "2.006");
  ASSERT_NE(results(), nullptr);
  EXPECT_EQ(shown(results()->row(0).error), "Error = -0.3%");
  click(results()->close_button());
  settle();

  auto& ratio_page = static_cast<gears::GearRatioPage&>(*app->page(16));
  ratio_page.set_fields({"5", "3", "12", "100", "1"});
  page().set_gear_lines({"20", "30", "50"});
  retype(w().error, "0.0001");
  dialogs.answers = {false, true}; // 7 tpi from a 1 tpi screw: beyond three pairs of these gears
  calculate(0, "7", "1");
  EXPECT_EQ(results(), nullptr);
  click(w().calculate);
  EXPECT_EQ(dialogs.questions, (Texts{lang(461), lang(461)}));
  ASSERT_NE(results(), nullptr);
  // The ratio search tried 20 to 50 teeth for 7 itself; gears not owned are red.
  const workshop::ChangeGearRow& row = results()->row(0);
  double ratio = 1.0;
  for (size_t k = 0; k < workshop::kChangeGearPairs && row.driver[k]->visible(); ++k) {
    ratio *= std::atof(row.driven[k]->label()) / std::atof(row.driver[k]->label());
    for (Fl_Box* gear : {row.driver[k], row.driven[k]}) {
      const int teeth = std::atoi(gear->label());
      EXPECT_TRUE(teeth >= 20 && teeth <= 50) << teeth;
      EXPECT_EQ(gear->labelcolor(), teeth % 10 == 0 && teeth != 40 ? FL_FOREGROUND_COLOR : FL_RED);
    }
  }
  EXPECT_NEAR(ratio, 7.0, 7e-6 + 1e-9);
  click(results()->close_button());
  settle();
  ui::RatioSearchRequest kept = ratio_page.fields(); // the ratio page has its own fields back
  EXPECT_EQ((Texts{kept.results_limit, kept.target, kept.lowest, kept.highest, kept.tolerance}),
            (Texts{"5", "3", "12", "100", "1"}));
}

TEST_F(ChangeGearsPageTest, RestoreKeepsThePitchesOfTheRestoredModeAndTheAscendingGearList) {
  dir.write_file("State.ini", "[p17]\nchange_gears_for = 3\npitch_to_make = 2\n"
                              "pitch_of_lead_screw = 4\nchange_gear_error = 0\n"
                              "change_gears_count = 6\n[change_gears]\n1 = 14\n2 = 20\n"
                              "3 = 88\n4 = 0\n5 = 90\n6 = 95\n");
  start_app();
  open_page();
  play({{w().calculate,
         nullptr,
         {w().pitch_caption, w().pitch_to_make, w().lead_screw, w().error, w().first_gear,
          w().second_gear, w().warning},
         {lang(444), "2", "4", "0.0001", "88", "14", "hidden"}}});
  EXPECT_EQ(page().gear_lines(), (Texts{"14", "20", "88"})); // a zero ends the list
  page().set_gear_lines({"20", "24", "30", "18"});           // saved: its ascending run
  app->save_page_state();
  settings::IniDocument state;
  settings::IniDocument::load(dir.path() + "/State.ini", state);
  EXPECT_EQ((Texts{state.get_string("p17:change_gears_count"), state.get_string("change_gears:3")}),
            (Texts{"3", "30"}));
  EXPECT_FALSE(state.has("change_gears:4"));
}

Texts lines_of(const Fl_Browser* list) {
  Texts lines;
  for (int i = 1; i <= list->size(); ++i)
    lines.push_back(list->text(i));
  return lines;
}
Texts lines_of(Fl_Check_Browser* list) {
  Texts lines;
  for (int i = 1; i <= list->nitems(); ++i)
    lines.push_back(list->text(i));
  return lines;
}

// What a user types in the new-plate dialog, and what the test saw there.
struct DialogScript {
  app::App* app;
  std::string text;
  bool confirm;
  std::string initial_text = "";
  bool editor_active = true;
  size_t listed = 0; ///< fields of the right-click list while the dialog is open
};

class DividingHeadPageTest : public PageTest<workshop::DividingHeadPage, 7> {
protected:
  app::PlateEditor* editor() const { return app->plate_editor(); }
  settings::IniDocument settings_file() const {
    settings::IniDocument doc;
    settings::IniDocument::load(dir.path() + "/DoNotEditOrDelete.ini", doc);
    return doc;
  }
  Texts calculate(const char* divisions) {
    play({{w().divisions, divisions}, {w().calculate}});
    return lines_of(w().results);
  }
  void move(Fl_Check_Browser* from, const std::string& plate, Fl_Button* button) {
    const Texts lines = lines_of(from); // ticked as a user's click does
    from->checked(
        static_cast<int>(std::find(lines.begin(), lines.end(), plate) - lines.begin()) + 1, 1);
    from->do_callback();
    click(button);
  }
  void new_plate(DialogScript script) {
    Fl::add_timeout(
        0.05,
        [](void* data) {
          auto* s = static_cast<DialogScript*>(data);
          app::NewPlateDialog* dialog = s->app->plate_editor()->new_plate_dialog();
          s->initial_text = dialog->number->value();
          s->editor_active = s->app->plate_editor()->window()->active() != 0;
          s->listed = s->app->checked_inputs().size();
          play({{dialog->number, s->text.c_str()}, {s->confirm ? dialog->ok : dialog->cancel}});
        },
        &script);
    click(editor()->new_plate_button());
    EXPECT_EQ((Texts{script.initial_text, std::to_string(script.editor_active)}),
              (Texts{"12", "0"}));
    EXPECT_EQ(script.listed, app->checked_inputs().size() + 1); // the dialog's field, then gone
  }
};

TEST_F(DividingHeadPageTest, SearchesTheHeadsPlatesAndARestartListsThemAgain) {
  EXPECT_STREQ(w().head->text(), "Brown and Sharp 40-1");
  EXPECT_EQ(w().head->size() - 1, 9); // the nine heads of a new settings file
  for (auto [typed, active] : {std::pair{"1", false}, {"2", true}, {"1x", false}}) {
    retype(w().divisions, typed);
    EXPECT_EQ(w().calculate->active() != 0, active) << typed;
  }
  // 40 / 7 = 5 5/7 = 5 turns and 15 holes of 21; the head has no 49.
  EXPECT_EQ(calculate("7"), Texts{"      21           5            15"});
  retype(w().divisions, "40"); // the page searches on Calculate only
  EXPECT_EQ(lines_of(w().results), Texts{"      21           5            15"});
  restart_app();
  EXPECT_EQ(lines_of(w().results), Texts{"     any           1             0"});
  EXPECT_EQ(Fl::focus(), w().divisions);
  // From is raised to 2 once the user is done with it (Enter, or leaving
  // it), never while typing; Print follows the value it will have.
  play({{w().from, "1", {w().from, w().to}, {"1", "200"}}});
  press_key(FL_Enter);
  play({{nullptr, nullptr, {w().from}, {"2"}},
        {w().from, ""},
        {w().divisions, nullptr, {w().from}, {"2"}},
        {w().to, "2", {w().from, w().to}, {"2", "2"}}});
  EXPECT_FALSE(w().print->active());
  play({{w().from, "30"}, {w().to, "31"}});
  EXPECT_TRUE(w().print->active());
}

TEST_F(DividingHeadPageTest, ChoosingAHeadWritesItShowsItsPlatesAndAnswersOtherPages) {
  EXPECT_TRUE(app->dividing_head_can_index(7));
  EXPECT_FALSE(app->dividing_head_can_index(127));
  calculate("40");
  w().head->value(w().head->find_index("Phase II 72-1"));
  w().head->do_callback(); // what picking the item from the open menu does
  EXPECT_EQ(settings_file().get_string(".:last"), "Phase II 72-1");
  EXPECT_EQ(page().head_ratio(), 72);
  EXPECT_EQ(lines_of(w().plates), Texts{"10"});
  EXPECT_EQ(lines_of(editor()->head_list()), Texts{"10"});
  EXPECT_EQ(lines_of(w().results),
            Texts{"     any           1             0"});                 // not searched again
  EXPECT_EQ(calculate("5"), Texts{"      10          14             4"}); // 72 / 5 = 14 2/5
  EXPECT_FALSE(app->dividing_head_can_index(7));                          // 10 holes can't give 2/7
  restart_app();
  EXPECT_STREQ(w().head->text(), "Phase II 72-1");
}

TEST_F(DividingHeadPageTest, PlatesMoveBetweenHeadAndCatalogueAndSurviveARestart) {
  const std::string key = "brown and sharp 40-1:13";
  click(w().edit_plates);
  EXPECT_FALSE(w().edit_plates->active());
  move(editor()->catalogue_list(), "13", editor()->add_button());
  EXPECT_EQ((Texts{settings_file().get_string(key), lines_of(w().plates).front()}),
            (Texts{"13", "13"}));
  move(editor()->head_list(), "13", editor()->remove_button());
  EXPECT_FALSE(settings_file().has(key));
  EXPECT_EQ((Texts{lines_of(w().plates).front(), lines_of(editor()->catalogue_list()).front()}),
            (Texts{"15", "13"}));
  move(editor()->catalogue_list(), "49", editor()->add_button()); // 35 of 49 is 5/7 too
  editor()->window()->do_callback(); // closed by the window manager: the button comes back
  EXPECT_TRUE(w().edit_plates->active());
  EXPECT_EQ(calculate("7"),
            (Texts{"      21           5            15", "      49           5            35"}));
  restart_app();
  EXPECT_EQ(lines_of(w().plates).back(), "49");
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
    new_plate({app.get(), typed, expected.first});
    const Texts lines = lines_of(editor()->catalogue_list());
    EXPECT_EQ(settings_file().has(std::string("hole plates:") + typed), expected.second) << typed;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), typed), expected.second) << typed;
  }
}

// A window left in the old language beside a main window in the new one
// helps no one.
TEST_F(DividingHeadPageTest, PlateEditorIsBuiltHiddenAndModalAndRebuiltInTheNewLanguage) {
  EXPECT_EQ(shown(editor()->window()), "hidden");
  EXPECT_NE(editor()->window()->modal(), 0u);
  std::string german = dir.read_file("language/en/en.ini");
  german.replace(german.find("\n215 = "), 7, "\n215 = Lochscheiben ");
  dir.write_file("language/de/de.ini", german);
  start_app();
  dialogs.language_answers = {0}; // "de", first of the other languages
  click(app->main_frame()->language_button());
  settle();
  ASSERT_EQ(app->current_language(), "de");
  EXPECT_EQ(std::string(editor()->window()->label()).rfind("Lochscheiben ", 0), 0u);
}

} // namespace
