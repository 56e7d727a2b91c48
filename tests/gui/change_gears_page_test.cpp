// Page 17, change gears: the gear set editor, controls reaching the form and
// the 22/7 pair showing, the train search and its fallback, restore.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "calc/gears/gear_ratio_page.h"
#include "calc/workshop/change_gear_results_window.h"
#include "calc/workshop/change_gear_set_window.h"
#include "calc/workshop/change_gears_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "settings/ini_document.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

class ChangeGearsPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }
  void open_page() {
    start_app();
    click(app->main_frame()->nav_button(17));
  }
  workshop::ChangeGearsPage& page() {
    return dynamic_cast<workshop::ChangeGearsPage&>(*app->page(17));
  }
  const workshop::ChangeGearsWidgets& w() { return page().widgets(); }
  workshop::ChangeGearSetWindow& gear_set() { return *page().gear_set_window(); }
  // Adds `copies` gears of `teeth` with the editor's own field and buttons.
  void add_gears(const std::string& teeth, int copies = 1) {
    retype(gear_set().teeth(), teeth);
    retype(static_cast<Fl_Input*>(gear_set().count()->child(0)), std::to_string(copies));
    click(gear_set().add_button());
  }
  void own(const Lines& gears) {
    click(w().gear_set);
    for (const std::string& teeth : gears)
      add_gears(teeth);
    click(gear_set().close_button());
  }
  void enter(int mode, const std::string& p, const std::string& q) {
    click(w().mode[static_cast<size_t>(mode)]);
    retype(w().pitch_to_make, p);
    retype(w().lead_screw, q);
  }
  bool main_active() { return app->main_frame()->window()->active() != 0; }
  workshop::ChangeGearResultsWindow* results() { return page().results_window(); }
  Lines pair_shown() {
    return {w().first_gear->value(), w().second_gear->value(),
            w().warning->visible() ? w().warning->label() : "-"};
  }
};

} // namespace

TEST_F(ChangeGearsPageTest, TheEditorAddsCopiesKeepsTheListSortedAndRemovesCheckedGears) {
  click(w().gear_set);
  EXPECT_FALSE(main_active());
  EXPECT_STREQ(gear_set().window()->label(), app->lang(451));
  retype(gear_set().teeth(), "11");
  EXPECT_FALSE(gear_set().add_button()->active());
  add_gears("60");
  add_gears("20", 2);
  EXPECT_EQ(gear_set().count()->value(), 1);
  add_gears("025");
  add_gears("100", 9); // at most four at once
  EXPECT_EQ(page().gear_lines(), (Lines{"20", "20", "25", "60", "100", "100", "100", "100"}));
  gear_set().list()->checked(2, 1);
  gear_set().list()->checked(5, 1);
  gear_set().list()->do_callback();
  click(gear_set().remove_button());
  EXPECT_EQ(page().gear_lines(), (Lines{"20", "25", "60", "100", "100", "100"}));
  click(gear_set().close_button());
  EXPECT_TRUE(main_active());
}

TEST_F(ChangeGearsPageTest, ControlsReachTheFormAndThePairShows) {
  EXPECT_EQ(Fl::focus(), w().pitch_to_make);
  own({"20", "25", "30"});
  retype(w().pitch_to_make, "3");
  click(w().mode[3]); // a DP is no thread pitch: the pitches go
  EXPECT_EQ((Lines{w().pitch_caption->label(), w().lead_screw_caption->label(),
                   w().pitch_to_make->value()}),
            (Lines{app->lang(444), app->lang(441), ""}));
  retype(w().pitch_to_make, "2");
  retype(w().lead_screw, "4");
  ASSERT_TRUE(w().worm_group->visible());
  click(w().calculate);
  EXPECT_EQ(pair_shown(), (Lines{"88", "14", app->lang(460)}));
  EXPECT_EQ(w().first_gear->textcolor(), FL_RED);
  retype(w().lead_screw, "5"); // any change of a pitch empties the pair
  EXPECT_EQ(pair_shown(), (Lines{"", "", "-"}));
  retype(w().pitch_to_make, "7.3"); // 511 : 1100, no pair up to 400 teeth
  click(w().calculate);
  EXPECT_EQ(pair_shown(), (Lines{"", "", app->lang(474)}));
  click(w().mode[1]);
  EXPECT_FALSE(w().worm_group->visible());
}

TEST_F(ChangeGearsPageTest, MetricThreadFromTheUsersGearsWithinTheTypedError) {
  own({"20", "25", "30", "40", "50", "60"});
  enter(1, "1", "2");
  click(w().calculate);
  ASSERT_NE(results(), nullptr);
  EXPECT_STREQ(results()->heading()->label(), "2 mm pitch lead screw - 1 mm pitch");
  for (int i = 0; i < 3; ++i) // 20>40, 25>50, 30>60, one pair each
    EXPECT_EQ(std::atoi(results()->row(i).driven[0]->label()), 40 + 10 * i);
  EXPECT_FALSE(results()->row(0).driver[1]->visible());
  EXPECT_FALSE(results()->row(3).frame->visible());
  EXPECT_STREQ(results()->row(0).error->label(), "Error = 0.0%");
  click(results()->close_button());
  settle();
  EXPECT_TRUE(main_active());

  retype(w().error, "0"); // the floor waits until the field is done
  press_key(FL_Enter);
  EXPECT_STREQ(w().error->value(), "0.0001");
  retype(w().error, "0.5");
  // r = 2.006: the 2:1 pairs are 0.3 % off, within 0.5 % but not 0.0001 %.
  enter(1, "1", "2.006");
  click(w().calculate);
  ASSERT_NE(results(), nullptr);
  EXPECT_STREQ(results()->row(0).error->label(), "Error = -0.3%");
}

TEST_F(ChangeGearsPageTest, WhenNoTrainFitsTheGearRatioSearchIsOffered) {
  own({"20", "30", "50"});
  auto& ratio_page = dynamic_cast<gears::GearRatioPage&>(*app->page(16));
  ratio_page.set_fields({"5", "3", "12", "100", "1"});
  enter(0, "7", "1"); // 7 tpi from a 1 tpi screw: beyond three pairs of these gears
  dialogs.answers = {false, true};
  click(w().calculate);
  EXPECT_EQ(dialogs.questions, (Lines{app->lang(461)}));
  EXPECT_EQ(results(), nullptr);
  click(w().calculate);
  ASSERT_NE(results(), nullptr);
  // Page 16 searched 20 to 50 teeth for 7 itself; gears not owned are red.
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
  ui::RatioSearchRequest kept = ratio_page.fields(); // page 16 has its own fields back
  EXPECT_EQ((Lines{kept.results_limit, kept.target, kept.lowest, kept.highest, kept.tolerance}),
            (Lines{"5", "3", "12", "100", "1"}));
}

TEST_F(ChangeGearsPageTest, RestoreKeepsThePitchesOfTheRestoredModeAndTheAscendingGearList) {
  stop_app();
  dir.write_file("State.ini", "[p17]\nchange_gears_for = 3\npitch_to_make = 2\n"
                              "pitch_of_lead_screw = 4\nchange_gear_error = 0\n"
                              "change_gears_count = 6\n[change_gears]\n1 = 14\n2 = 20\n"
                              "3 = 88\n4 = 0\n5 = 90\n6 = 95\n");
  open_page();
  EXPECT_STREQ(w().pitch_caption->label(), app->lang(444));
  EXPECT_EQ((Lines{w().pitch_to_make->value(), w().lead_screw->value(), w().error->value()}),
            (Lines{"2", "4", "0.0001"}));
  EXPECT_EQ(page().gear_lines(), (Lines{"14", "20", "88"})); // a zero ends the list
  click(w().calculate);
  EXPECT_EQ(pair_shown(), (Lines{"88", "14", "-"}));
  EXPECT_EQ(w().second_gear->textcolor(), FL_BLACK);

  page().set_gear_lines({"20", "24", "30", "18"}); // saved: its ascending run
  app->save_page_state();
  settings::IniDocument state;
  ASSERT_EQ(settings::IniDocument::load(dir.path() + "/State.ini", state),
            settings::LoadStatus::kOk);
  EXPECT_EQ((Lines{state.get_string("p17:change_gears_count"), state.get_string("change_gears:3")}),
            (Lines{"3", "30"}));
  EXPECT_FALSE(state.has("change_gears:4"));
}
