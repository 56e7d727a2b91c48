// The bolt-hole page with real keys and clicks: the controls reach the form
// model, units, the list window, printing, restore and a language switch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Window.H>

#include <string>
#include <vector>

#include "app/event_loop.h"
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "app/results_window.h"
#include "calc/geometry/bolt_circle_page.h"
#include "calc/geometry/bolt_circle_holes_sketch.h"
#include "calc/geometry/bolt_circle_sketch.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/postscript.h"
#include "gui/support/render.h"

using namespace testing_support;

namespace {

// Dialogs whose file chooser answers with a path set by the test.
class SaveDialogs : public FakeDialogs {
public:
  std::string save_answer;
  std::vector<std::string> save_titles;
  std::string choose_save_file(const std::string& title, const std::string&,
                               const std::string&) override {
    save_titles.push_back(title);
    return save_answer;
  }
};

const std::vector<std::string> kFourHoles = {
    "Zero degrees is at the right",
    "Angles counted clockwise",
    "",
    "Hole  1        50.000         0.000",
    "Hole  2         0.000        50.000",
    "Hole  3       -50.000         0.000",
    "Hole  4         0.000       -50.000",
};

class BoltCirclePageTest : public AppTest {
protected:
  void SetUp() override {
    start_app();
    open_page();
  }

  void open_page() { click(app->main_frame()->nav_button(5)); }

  // The page's own fixture start, with a file chooser that answers.
  void start_with_save_dialogs() {
    stop_app();
    app = std::make_unique<app::App>(dir.path(), save_dialogs);
    app->exit_process = [](int status) { throw ProcessExit(status); };
    app->start();
    app::install_right_button_hook(app.get());
    app->show();
    settle();
    open_page();
  }

  geometry::BoltCirclePage& page() {
    return dynamic_cast<geometry::BoltCirclePage&>(*app->page(5));
  }
  const geometry::BoltCirclePage::Widgets& w() { return page().widgets(); }
  app::ResultsWindow& results() { return *app->results_window(); }
  std::vector<std::string> lines() { return results().lines(); }

  void full_circle(const std::string& holes, const std::string& listed, const std::string& diameter,
                   const std::string& angle = "") {
    type_text(w().total_holes, holes);
    type_text(w().holes_to_list, listed);
    type_text(w().diameter, diameter);
    type_text(w().first_angle, angle);
  }
  // Clicks the precision spinner's up (1) or down (2) arrow.
  void spin(int arrow, int times) {
    while (times-- > 0)
      click(w().precision->child(arrow));
  }
  int markers_shown() {
    int count = 0;
    for (Fl_Widget* marker : w().markers)
      count += marker->visible() ? 1 : 0;
    return count;
  }
  std::vector<std::string> labels(const std::array<Fl_Box*, 4>& marks) {
    std::vector<std::string> out;
    for (Fl_Box* mark : marks)
      out.emplace_back(mark->label() ? mark->label() : "");
    return out;
  }

  SaveDialogs save_dialogs;
};

TEST_F(BoltCirclePageTest, StartsWithItsDefaultsAndOpensItsHelp) {
  // Full circle, zero at the right, clockwise, normal signs, inches.
  for (const Fl_Button* set :
       {w().full, w().zero[1], w().clockwise, w().x_normal, w().y_normal, w().inch})
    EXPECT_TRUE(set->value());
  EXPECT_FALSE(w().show_list->active());
  EXPECT_EQ(labels(w().angle_marks), (std::vector<std::string>{"270", "0", "90", "180"}));
  EXPECT_EQ(Fl::focus(), w().total_holes);
  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  EXPECT_STREQ(app->help_windows().back()->window()->label(), app->lang(5));
}

// Each control reaches the form model and what it gives shows: the list,
// the markers, the marks around the drawing.
TEST_F(BoltCirclePageTest, ControlsReachTheFormAndItsHolesShow) {
  full_circle("4", "4", "100");
  EXPECT_EQ(lines(), kFourHoles);
  EXPECT_TRUE(w().show_list->active());
  ASSERT_EQ(markers_shown(), 4);
  EXPECT_GT(render_widget(w().circle).pixels_of(255, 0, 0), 1000);   // the circle
  EXPECT_GT(render_widget(w().markers[0]).pixels_of(255, 0, 0), 20); // the first marker red
  EXPECT_EQ(render_widget(w().markers[1]).pixels_of(255, 0, 0), 0);
  // On the 179 pixel circle: right, bottom, left, top.
  const int expected[4][2] = {{671, 241}, {492, 420}, {313, 241}, {492, 62}};
  for (size_t i = 0; i < 4; ++i)
    EXPECT_EQ((std::pair<int, int>(w().markers[i]->x(), w().markers[i]->y())),
              (std::pair<int, int>(expected[i][0], expected[i][1])));
  spin(2, 2);
  EXPECT_EQ(lines()[3], "Hole  1          50.0           0.0");
  spin(1, 2);

  // The zero, direction and sign radios and the origin, then the marks.
  click(w().zero[0]);
  click(w().counter_clockwise);
  EXPECT_EQ(lines()[4], "Hole  2       -50.000         0.000");
  click(w().x_reversed);
  click(w().y_reversed);
  type_text(w().x_origin, "10");
  EXPECT_EQ(lines()[4], "Hole  2        40.000         0.000");
  EXPECT_EQ(labels(w().angle_marks), (std::vector<std::string>{"0", "270", "180", "90"}));
  EXPECT_EQ(labels(w().axis_marks), (std::vector<std::string>{"Y+", "X-", "Y-", "X+"}));

  // A red count recomputes too: no pattern, the last list kept.
  type_text(w().total_holes, "9"); // 49
  EXPECT_EQ(markers_shown(), 4);
  const std::vector<std::string> kept = lines();
  type_text(w().total_holes, "9"); // 499, red
  EXPECT_EQ(w().total_holes->textcolor(), FL_RED);
  EXPECT_EQ(markers_shown(), 0);
  EXPECT_FALSE(w().show_list->active());
  EXPECT_EQ(lines(), kept);
}

TEST_F(BoltCirclePageTest, UnitsConvertBothDiametersAndTheOrigins) {
  click(w().partial);
  EXPECT_FALSE(w().full_group->active());
  EXPECT_EQ(page().focus_input(), w().part_holes);
  type_text(w().part_holes, "3");
  type_text(w().start_angle, "0");
  type_text(w().part_diameter, "50");
  type_text(w().end_angle, "90");
  EXPECT_EQ(markers_shown(), 3);
  click(w().full);
  full_circle("4", "4", "100");
  type_text(w().x_origin, "10");
  type_text(w().y_origin, "-5");
  click(app->main_frame()->unit_button()); // the origins too: the hole moves with them
  EXPECT_STREQ(w().diameter->value(), "2540");
  EXPECT_STREQ(w().part_diameter->value(), "1270");
  EXPECT_EQ(lines()[3], "Hole  1      1016.000       127.000");
  click(w().inch);
  EXPECT_STREQ(w().part_diameter->value(), "50");
  EXPECT_EQ(lines()[3], "Hole  1        40.000         5.000");
}

TEST_F(BoltCirclePageTest, ListWindowSavesTheShiftedHoles) {
  start_with_save_dialogs();
  full_circle("4", "4", "100");
  type_text(w().x_origin, "37.5");
  type_text(w().y_origin, "3.25");
  click(w().show_list);

  save_dialogs.save_answer = dir.path() + "/holes.txt";
  click(results().save_button());
  EXPECT_EQ(save_dialogs.save_titles, std::vector<std::string>{app->lang(267)});
  // The file holds the holes as shifted by the typed origin.
  const std::string saved = dir.read_file("holes.txt");
  EXPECT_NE(saved.find("Hole  4   x =     -37.500   y =     -53.250\n"), std::string::npos);
  EXPECT_TRUE(save_dialogs.alerts.empty());

  save_dialogs.save_answer = dir.path() + "/no/such/folder/holes.txt";
  click(results().save_button());
  ASSERT_EQ(save_dialogs.alerts.size(), 1u);
  EXPECT_EQ(save_dialogs.alerts[0], std::string(app->lang(268)) + ", " + save_dialogs.save_answer);
  EXPECT_FALSE(dir.exists("no"));

  click(results().close_button());
}

TEST_F(BoltCirclePageTest, PrintsFiftyHolesOnOnePage) {
  full_circle("50", "50", "100", "15");
  const std::string ps =
      print_to_postscript(dir.path() + "/holes.ps", 1,
                          [&](Fl_Paged_Device& device) { page().draw_hole_list_page(device); });
  EXPECT_EQ(count_of(ps, "showpage"), 1);
}

TEST_F(BoltCirclePageTest, HandEditedStateIsKeptWithinBoundsAndPlacesTheMarkers) {
  dir.write_file("State.ini", "[p5]\npdc_num_holes = 99\npdc_num_drilled_holes = 60\n"
                              "pdc_circle_diameter = 100\np5_precision = 0\n[page]\npage = 4\n");
  start_app();
  EXPECT_EQ(w().precision->value(), 1);  // one place is offered here
  EXPECT_FALSE(w().show_list->active()); // a stale count is no pattern

  // The markers are placed by the restore, before the window is drawn.
  const std::string pattern = "[p5]\npdc_num_holes = 4\npdc_num_drilled_holes = 4\n"
                              "pdc_circle_diameter = 100\n";
  dir.write_file("State.ini", pattern + "pdc_radius = 150\n");
  start_app();
  EXPECT_EQ(w().markers[0]->y(), 241 - 150); // no zero direction saved: zero at the top
  // A radius that doesn't fit the drawing is not taken: the drawing's own is.
  dir.write_file("State.ini", pattern + "pdc_radius = 100000\n");
  start_app();
  EXPECT_EQ(w().markers[0]->y(), 241 - 179);
}

TEST_F(BoltCirclePageTest, LanguageSwitchRebuildsTheListWindow) {
  std::string german = dir.read_file("language/en/en.ini");
  german.replace(german.find("\n173 = "), 11, "\n173 = Loch");
  dir.write_file("language/de/de.ini", german);
  full_circle("4", "4", "100");
  dialogs.language_answers = {0}; // "de", first of the other languages
  click(app->main_frame()->language_button());
  settle();
  ASSERT_EQ(app->current_language(), "de");
  ASSERT_NE(app->results_window(), nullptr);
  EXPECT_EQ(lines()[3], "Loch  1        50.000         0.000");
}

} // namespace
