// The gear-ratio and change-gear pages driven with real keys and clicks: the
// checks reach the fields, the searches open their results windows, the
// change gears fall back on the ratio search, restore.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <cstdlib>

#include "app/help_viewer.h"
#include "calc/gears/gear_ratio_page.h"
#include "calc/gears/ratio_results_window.h"
#include "calc/gears/wait_notice.h"
#include "calc/workshop/change_gear_results_window.h"
#include "calc/workshop/change_gear_set_window.h"
#include "calc/workshop/change_gears_page.h"
#include "gui/support/page_scenario.h"
#include "settings/ini_document.h"

using namespace testing_support;

namespace {

class GearRatioPageTest : public PageTest<gears::GearRatioPage, 16> {
protected:
  // A red count takes the focus at every change of the other, so the
  // highest count is typed while the lowest is a good one.
  void enter(const char* target, const char* lowest, const char* highest) {
    for (auto [field, text] : {std::pair<Fl_Input_*, const char*>{w().lowest, "12"},
                               {w().highest, highest},
                               {w().lowest, lowest},
                               {w().target, target}})
      retype(field, text);
  }
  bool main_active() { return app->main_frame()->window()->active() != 0; }
  Texts row_labels(int first, int count) { // heading, then driver, driven, bar, row text
    Texts labels;
    for (int i = first; i < first + count; ++i)
      labels.push_back(label(page().results_window()->rows()->child(i)));
    return labels;
  }
};

TEST_F(GearRatioPageTest, CountsAndRatioReachTheChecks) {
  EXPECT_EQ(Fl::focus(), w().results_limit);
  EXPECT_STREQ(w().results_limit->value(), "20");
  EXPECT_FALSE(w().calculate->active());
  enter("2", "12", "150");
  EXPECT_TRUE(w().calculate->active());
  EXPECT_STREQ(w().highest->value(), "100");
  enter("2", "40", "30");
  EXPECT_EQ(w().highest->textcolor(), FL_RED);
  EXPECT_FALSE(w().calculate->active());
  enter("2", "11", "100"); // a red lowest count, but the ratio field keeps the focus
  EXPECT_EQ(w().lowest->textcolor(), FL_RED);
  EXPECT_EQ(Fl::focus(), w().target);
  retype(w().tolerance, "0.00001");
  w().target->take_focus(); // leaving the field
  EXPECT_STREQ(w().tolerance->value(), "0.0001");
  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  EXPECT_EQ(label(app->help_windows().back()->window()), lang(419));
}

TEST_F(GearRatioPageTest, SearchesShowTheirTrainsAndNothingFoundIsTold) {
  enter("2", "12", "100");
  click(w().calculate);
  ASSERT_NE(page().results_window(), nullptr);
  EXPECT_FALSE(main_active());
  EXPECT_EQ(label(page().results_window()->heading()),
            "Gear trains for ratio 2 - 1 within 0.0001% above and below");
  EXPECT_EQ(row_labels(1, 4), (Texts{"12", "24", "__", "Ratio = 2.0      Error = 0.0%"}));
  EXPECT_EQ(page().results_window()->rows()->children(), 1 + 20 * 4);
  click(page().results_window()->close_button());
  settle();
  EXPECT_EQ(page().results_window(), nullptr);
  EXPECT_TRUE(main_active());

  enter("1", "12", "100"); // a target of one needs two pairs: 20 over 18, X, 18 over 20
  retype(w().results_limit, "3");
  click(w().calculate);
  ASSERT_NE(page().results_window(), nullptr);
  EXPECT_EQ(row_labels(1, 8),
            (Texts{"20", "18", "__", "X", "18", "20", "__", "Ratio = 1.0      Error = 0.0%"}));
  EXPECT_EQ(page().results_window()->rows()->h(), 469); // never below the list's height
  page().results_window()->window()->do_callback();     // the window manager's close
  settle();
  EXPECT_EQ(page().results_window(), nullptr);

  enter("2", "50", "50"); // one count, no pair
  click(w().calculate);
  EXPECT_EQ(dialogs.alerts, Texts{lang(438)});
  EXPECT_EQ(page().results_window(), nullptr);
  EXPECT_FALSE(page().wait_notice()->window()->shown());
  EXPECT_TRUE(main_active());
}

TEST_F(GearRatioPageTest, MissingKeysRestoreTheirDefaults) {
  stop_app();
  dir.write_file("State.ini", "[p16]\nratio_calc_p1_to_solve = 3\n[page]\npage = 15\n");
  start_app();
  EXPECT_EQ(values(w().target, w().lowest, w().highest, w().tolerance),
            (Texts{"3", "12", "", "0.0001"}));
  EXPECT_NE(w().mode[0]->value(), 0);
  EXPECT_EQ(w().highest->textcolor(), FL_RED); // no highest count is below the lowest
}

class ChangeGearsPageTest : public PageTest<workshop::ChangeGearsPage, 17> {
protected:
  workshop::ChangeGearSetWindow& gear_set() { return *page().gear_set_window(); }
  void add_gears(const char* teeth, int copies = 1) { // with the editor's own field and button
    retype(gear_set().teeth(), teeth);
    retype(static_cast<Fl_Input*>(gear_set().count()->child(0)), std::to_string(copies));
    click(gear_set().add_button());
  }
  void own(const Texts& gears) {
    click(w().gear_set);
    for (const std::string& teeth : gears)
      add_gears(teeth.c_str());
    click(gear_set().close_button());
  }
  void enter(int mode, const char* p, const char* q) {
    click(w().mode[static_cast<size_t>(mode)]);
    retype(w().pitch_to_make, p);
    retype(w().lead_screw, q);
  }
  bool main_active() { return app->main_frame()->window()->active() != 0; }
  workshop::ChangeGearResultsWindow* results() { return page().results_window(); }
  Texts pair_shown() {
    return {w().first_gear->value(), w().second_gear->value(),
            w().warning->visible() ? label(w().warning) : "-"};
  }
};

TEST_F(ChangeGearsPageTest, TheEditorAddsCopiesKeepsTheListSortedAndRemovesCheckedGears) {
  click(w().gear_set);
  EXPECT_FALSE(main_active());
  EXPECT_EQ(label(gear_set().window()), lang(451));
  retype(gear_set().teeth(), "11");
  EXPECT_FALSE(gear_set().add_button()->active());
  add_gears("60");
  add_gears("20", 2);
  add_gears("025");
  add_gears("100", 9); // at most four at once
  EXPECT_EQ(page().gear_lines(), (Texts{"20", "20", "25", "60", "100", "100", "100", "100"}));
  gear_set().list()->checked(2, 1);
  gear_set().list()->checked(5, 1);
  gear_set().list()->do_callback();
  click(gear_set().remove_button());
  EXPECT_EQ(page().gear_lines(), (Texts{"20", "25", "60", "100", "100", "100"}));
  click(gear_set().close_button());
  EXPECT_TRUE(main_active());
}

TEST_F(ChangeGearsPageTest, ControlsReachTheFormAndThePairShows) {
  EXPECT_EQ(Fl::focus(), w().pitch_to_make);
  own({"20", "25", "30"});
  retype(w().pitch_to_make, "3");
  click(w().mode[3]); // a DP is no thread pitch: the pitches go
  EXPECT_EQ(
      (Texts{label(w().pitch_caption), label(w().lead_screw_caption), w().pitch_to_make->value()}),
      (Texts{lang(444), lang(441), ""}));
  enter(3, "2", "4");
  ASSERT_TRUE(w().worm_group->visible());
  click(w().calculate);
  EXPECT_EQ(pair_shown(), (Texts{"88", "14", lang(460)}));
  EXPECT_EQ(w().first_gear->textcolor(), FL_RED);
  retype(w().lead_screw, "5"); // any change of a pitch empties the pair
  EXPECT_EQ(pair_shown(), (Texts{"", "", "-"}));
  retype(w().pitch_to_make, "7.3"); // 511 : 1100, no pair up to 400 teeth
  click(w().calculate);
  EXPECT_EQ(pair_shown(), (Texts{"", "", lang(474)}));
  click(w().mode[1]);
  EXPECT_FALSE(w().worm_group->visible());
}

TEST_F(ChangeGearsPageTest, MetricThreadFromTheUsersGearsWithinTheTypedError) {
  own({"20", "25", "30", "40", "50", "60"});
  enter(1, "1", "2");
  click(w().calculate);
  ASSERT_NE(results(), nullptr);
  EXPECT_EQ(label(results()->heading()), "2 mm pitch lead screw - 1 mm pitch");
  for (int i = 0; i < 3; ++i) // 20>40, 25>50, 30>60, one pair each
    EXPECT_EQ(std::atoi(results()->row(i).driven[0]->label()), 40 + 10 * i);
  EXPECT_FALSE(results()->row(0).driver[1]->visible());
  EXPECT_FALSE(results()->row(3).frame->visible());
  EXPECT_EQ(label(results()->row(0).error), "Error = 0.0%");
  click(results()->close_button());
  settle();
  EXPECT_TRUE(main_active());

  retype(w().error, "0"); // the floor waits until the field is done
  press_key(FL_Enter);
  EXPECT_STREQ(w().error->value(), "0.0001");
  retype(w().error, "0.5");
  enter(1, "1", "2.006"); // the 2:1 pairs are 0.3 % off, within 0.5 % but not 0.0001 %
  click(w().calculate);
  ASSERT_NE(results(), nullptr);
  EXPECT_EQ(label(results()->row(0).error), "Error = -0.3%");
}

TEST_F(ChangeGearsPageTest, WhenNoTrainFitsTheGearRatioSearchIsOffered) {
  own({"20", "30", "50"});
  auto& ratio_page = static_cast<gears::GearRatioPage&>(*app->page(16));
  ratio_page.set_fields({"5", "3", "12", "100", "1"});
  enter(0, "7", "1"); // 7 tpi from a 1 tpi screw: beyond three pairs of these gears
  dialogs.answers = {false, true};
  click(w().calculate);
  EXPECT_EQ(dialogs.questions, (Texts{lang(461)}));
  EXPECT_EQ(results(), nullptr);
  click(w().calculate);
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
  stop_app();
  dir.write_file("State.ini", "[p17]\nchange_gears_for = 3\npitch_to_make = 2\n"
                              "pitch_of_lead_screw = 4\nchange_gear_error = 0\n"
                              "change_gears_count = 6\n[change_gears]\n1 = 14\n2 = 20\n"
                              "3 = 88\n4 = 0\n5 = 90\n6 = 95\n");
  open_page();
  EXPECT_EQ(label(w().pitch_caption), lang(444));
  EXPECT_EQ(values(w().pitch_to_make, w().lead_screw, w().error), (Texts{"2", "4", "0.0001"}));
  EXPECT_EQ(page().gear_lines(), (Texts{"14", "20", "88"})); // a zero ends the list
  click(w().calculate);
  EXPECT_EQ(pair_shown(), (Texts{"88", "14", "-"}));
  EXPECT_EQ(w().second_gear->textcolor(), FL_BLACK);

  page().set_gear_lines({"20", "24", "30", "18"}); // saved: its ascending run
  app->save_page_state();
  settings::IniDocument state;
  ASSERT_EQ(settings::IniDocument::load(dir.path() + "/State.ini", state),
            settings::LoadStatus::kOk);
  EXPECT_EQ((Texts{state.get_string("p17:change_gears_count"), state.get_string("change_gears:3")}),
            (Texts{"3", "30"}));
  EXPECT_FALSE(state.has("change_gears:4"));
}

} // namespace
