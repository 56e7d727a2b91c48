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
#include "calc/workshop/change_gear_results_window.h"
#include "calc/workshop/change_gear_set_window.h"
#include "calc/workshop/change_gears_page.h"
#include "calc/workshop/dividing_head_page.h"
#include "gui/support/page_scenario.h"
#include "settings/ini_document.h"
#include "ui/checked_input.h"

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
  act(g.lowest, "12", g.highest, "30", g.lowest, "40", g.target, "2");
  EXPECT_FALSE(g.calculate->active()); // the highest below the lowest
  act(g.lowest, "12", g.highest, "150", g.tolerance, "0.00001", g.target, "2", g.calculate,
      nullptr);
  see({g.highest, g.tolerance}, {"100", "0.0001"}); // floored once left
  ASSERT_NE(results(), nullptr);
  see({results()->heading()}, {"Gear trains for ratio 2 - 1 within 0.0001% above and below"});
  EXPECT_EQ(rows(4), (Texts{"12", "24", "__", "Ratio = 2.0      Error = 0.0%"}));
  results()->window()->do_callback(); // the window manager's close
  settle();
  // A target of one needs two pairs: 20 over 18, X, 18 over 20.
  act(g.target, "1", g.results_limit, "3", g.calculate, nullptr);
  EXPECT_EQ(rows(8),
            (Texts{"20", "18", "__", "X", "18", "20", "__", "Ratio = 1.0      Error = 0.0%"}));
  click(results()->close_button());
  settle();
  EXPECT_TRUE(app->main_frame()->window()->active());
  act(g.lowest, "50", g.highest, "50", g.calculate, nullptr); // one count, no pair
  EXPECT_EQ(dialogs.alerts, Texts{lang(438)});
  EXPECT_EQ(results(), nullptr);
}

TEST_F(GearRatioPageTest, MissingKeysRestoreTheirDefaults) {
  dir.write_file("State.ini", "[p16]\nratio_calc_p1_to_solve = 3\n[page]\npage = 15\n");
  start_app();
  see({w().target, w().lowest, w().highest, w().tolerance, w().mode[0]},
      {"3", "12", "", "0.0001", "on"});
}

class ChangeGearsPageTest : public PageTest<workshop::ChangeGearsPage, 17> {
protected:
  workshop::ChangeGearSetWindow& set() { return *page().gear_set_window(); }
  workshop::ChangeGearResultsWindow* results() { return page().results_window(); }
  void calculate(int mode, const char* p, const char* q) {
    act(w().mode[static_cast<size_t>(mode)], nullptr, w().pitch_to_make, p, w().lead_screw, q,
        w().calculate, nullptr);
  }
};

TEST_F(ChangeGearsPageTest, TheEditorKeepsTheListSortedAndTheSearchesShowTheirTrains) {
  click(w().gear_set);
  Fl_Widget* copies = set().count()->child(0);
  act(set().teeth(), "11", set().teeth(), "60", set().add_button(), nullptr, copies, "9",
      set().teeth(), "020", set().add_button(), nullptr);
  EXPECT_EQ(page().gear_lines(), (Texts{"20", "20", "20", "20", "60"})); // four at most
  set().list()->checked(2, 1);
  set().list()->do_callback();
  act(set().remove_button(), nullptr, copies, "1", set().teeth(), "30", set().add_button(), nullptr,
      set().close_button(), nullptr);
  EXPECT_EQ(page().gear_lines(), (Texts{"20", "20", "20", "30", "60"}));
  calculate(3, "2", "4"); // diametral pitch 2 on a worm from a 4 tpi screw
  see({w().first_gear, w().second_gear, w().warning}, {"88", "14", lang(460)});
  act(w().lead_screw, "5", w().mode[1], nullptr); // a changed pitch empties the pair
  see({w().first_gear, w().worm_group}, {"", "hidden"});

  calculate(1, "1", "2"); // 1 mm from a 2 mm screw: 30 > 60
  ASSERT_NE(results(), nullptr);
  see({results()->heading(), results()->row(0).error},
      {"2 mm pitch lead screw - 1 mm pitch", "Error = 0.0%"});
  act(results()->close_button(), nullptr, w().error, "0.5");
  calculate(1, "1", "2.006"); // the 2:1 pair is 0.3 % off, within 0.5 %
  see({results()->row(0).error}, {"Error = -0.3%"});
}

TEST_F(ChangeGearsPageTest, WhenNoTrainFitsTheGearRatioSearchIsOffered) {
  page().set_gear_lines({"20", "30", "50"});
  auto& ratio_page = static_cast<gears::GearRatioPage&>(*app->page(16));
  ratio_page.set_fields({"5", "3", "12", "100", "1"});
  dialogs.answers = {true}; // 7 tpi from a 1 tpi screw: beyond three pairs of these gears
  calculate(0, "7", "1");
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
  EXPECT_EQ(ratio_page.fields().target, "3"); // the ratio page has its own fields back
}

TEST_F(ChangeGearsPageTest, RestoreKeepsThePitchesOfTheRestoredModeAndTheAscendingGearList) {
  dir.write_file("State.ini", "[p17]\nchange_gears_for = 3\npitch_to_make = 2\n"
                              "pitch_of_lead_screw = 4\nchange_gear_error = 0\n"
                              "change_gears_count = 6\n[change_gears]\n1 = 14\n2 = 20\n"
                              "3 = 88\n4 = 0\n5 = 90\n6 = 95\n");
  start_app();
  open_page();
  act(w().calculate, nullptr);
  see({w().pitch_caption, w().pitch_to_make, w().lead_screw, w().error, w().first_gear,
       w().second_gear, w().warning},
      {lang(444), "2", "4", "0.0001", "88", "14", "hidden"});
  EXPECT_EQ(page().gear_lines(), (Texts{"14", "20", "88"})); // a zero ends the list
  page().set_gear_lines({"20", "24", "30", "18"});           // saved: its ascending run
  restart_app();
  EXPECT_EQ(page().gear_lines(), (Texts{"20", "24", "30"}));
}

int count(Fl_Browser* list) { return list->size(); }
int count(Fl_Check_Browser* list) { return list->nitems(); }
template <typename List> Texts lines_of(List* list) {
  Texts lines;
  for (int i = 1; i <= count(list); ++i)
    lines.push_back(list->text(i));
  return lines;
}

class DividingHeadPageTest : public PageTest<workshop::DividingHeadPage, 7> {
protected:
  app::PlateEditor* editor() const { return app->plate_editor(); }
  settings::IniDocument settings_file() const {
    settings::IniDocument doc;
    settings::IniDocument::load(dir.path() + "/DoNotEditOrDelete.ini", doc);
    return doc;
  }
  Texts calculate(const char* divisions) {
    act(w().divisions, divisions, w().calculate, nullptr);
    return lines_of(w().results);
  }
  void move(Fl_Check_Browser* from, const std::string& plate, Fl_Button* button) {
    const Texts lines = lines_of(from); // ticked as a user's click does
    from->checked(
        static_cast<int>(std::find(lines.begin(), lines.end(), plate) - lines.begin()) + 1, 1);
    from->do_callback();
    click(button);
  }
};

TEST_F(DividingHeadPageTest, SearchesTheHeadsPlatesAndARestartListsThemAgain) {
  EXPECT_STREQ(w().head->text(), "Brown and Sharp 40-1");
  // 40 / 7 = 5 5/7 = 5 turns and 15 holes of 21; the head has no 49.
  EXPECT_EQ(calculate("7"), Texts{"      21           5            15"});
  act(w().divisions, "40"); // the page searches on Calculate only
  EXPECT_EQ(lines_of(w().results), Texts{"      21           5            15"});
  restart_app();
  EXPECT_EQ(lines_of(w().results), Texts{"     any           1             0"});
  // From is raised to 2 once the user is done with it (Enter), never while
  // typing; Print follows the value it will have.
  act(w().from, "1");
  see({w().from, w().to}, {"1", "200"});
  EXPECT_TRUE(w().print->active()); // from 2 to 200
  press_key(FL_Enter);
  see({w().from}, {"2"});
  act(w().to, "2");
  EXPECT_FALSE(w().print->active());
}

TEST_F(DividingHeadPageTest, ChoosingAHeadWritesItShowsItsPlatesAndAnswersOtherPages) {
  EXPECT_TRUE(app->dividing_head_can_index(7));
  w().head->value(w().head->find_index("Phase II 72-1"));
  w().head->do_callback(); // what picking the item from the open menu does
  EXPECT_EQ(settings_file().get_string(".:last"), "Phase II 72-1");
  EXPECT_EQ((Texts{lines_of(w().plates).at(0), lines_of(editor()->head_list()).at(0)}),
            (Texts{"10", "10"}));
  EXPECT_EQ(calculate("5"), Texts{"      10          14             4"}); // 72 / 5 = 14 2/5
  EXPECT_FALSE(app->dividing_head_can_index(7));                          // 10 holes can't give 2/7
  restart_app();
  EXPECT_STREQ(w().head->text(), "Phase II 72-1");
}

TEST_F(DividingHeadPageTest, PlatesMoveBetweenHeadAndCatalogueAndSurviveARestart) {
  click(w().edit_plates);
  EXPECT_FALSE(w().edit_plates->active());
  move(editor()->catalogue_list(), "13", editor()->add_button());
  EXPECT_EQ(
      (Texts{settings_file().get_string("brown and sharp 40-1:13"), lines_of(w().plates).at(0)}),
      (Texts{"13", "13"}));
  move(editor()->head_list(), "13", editor()->remove_button());
  EXPECT_EQ((Texts{lines_of(w().plates).at(0), lines_of(editor()->catalogue_list()).at(0)}),
            (Texts{"15", "13"}));
  move(editor()->catalogue_list(), "49", editor()->add_button()); // 35 of 49 is 5/7 too
  editor()->window()->do_callback(); // closed by the window manager: the button comes back
  EXPECT_TRUE(w().edit_plates->active());
  restart_app();
  EXPECT_EQ(calculate("7"),
            (Texts{"      21           5            15", "      49           5            35"}));
}

TEST_F(DividingHeadPageTest, NewPlateDialogTakesTwelveToOneHundredNinetyThree) {
  click(w().edit_plates);
  static std::pair<const char*, bool> typed; // confirmed; whole holes from 12 to 193
  for (auto [text, confirm, catalogued] : {std::tuple{"11", true, false},
                                           {"194", true, false},
                                           {"193", true, true},
                                           {"150", false, false}}) {
    typed = {text, confirm};
    Fl::add_timeout(
        0.05,
        [](void* data) {
          app::NewPlateDialog* dialog =
              static_cast<app::App*>(data)->plate_editor()->new_plate_dialog();
          EXPECT_STREQ(dialog->number->value(), "12");
          act(dialog->number, typed.first, typed.second ? dialog->ok : dialog->cancel, nullptr);
        },
        app.get());
    click(editor()->new_plate_button());
    EXPECT_EQ(settings_file().has(std::string("hole plates:") + text), catalogued) << text;
  }
}

// A window left in the old language beside a main window in the new one
// helps no one.
TEST_F(DividingHeadPageTest, PlateEditorIsBuiltHiddenAndRebuiltInTheNewLanguage) {
  EXPECT_EQ(shown(editor()->window()), "hidden");
  std::string german = dir.read_file("language/en/en.ini");
  german.replace(german.find("\n215 = "), 7, "\n215 = Lochscheiben ");
  dir.write_file("language/de/de.ini", german);
  start_app();
  dialogs.language_answers = {0}; // "de", first of the other languages
  click(app->main_frame()->language_button());
  settle();
  EXPECT_EQ(std::string(editor()->window()->label()).rfind("Lochscheiben ", 0), 0u);
}

} // namespace
