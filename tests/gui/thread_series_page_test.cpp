// Page 8, thread series and tapping drills, driven with real keys and
// clicks: the controls reach the form model, each series arranges its
// entry, the drill-series check buttons and the settings file, the help
// button, the restored series and size, and the linked lists.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scrollbar.H>

#include <string>
#include <vector>

#include "ui/checked_input.h"
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "calc/threads/thread_series_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

using namespace testing_support;
using threads::ThreadSeriesPage;

namespace {

using Texts = std::vector<std::string>;

Texts lines(const Fl_Browser* list) {
  Texts out;
  for (int i = 1; i <= list->size(); ++i)
    out.push_back(list->text(i));
  return out;
}

void choose(Fl_Choice* choice, int item) {
  choice->value(item);
  choice->do_callback();
}

// The series choice's items, 0-based.
constexpr int kBa = 0, kWhitworth = 1, kIsoMetric = 2, kUnified = 3, kUnifiedNumber = 4;

} // namespace

class ThreadSeriesPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }

  void open_page() {
    start_app();
    click(app->main_frame()->nav_button(8));
    page = static_cast<ThreadSeriesPage*>(app->page(8));
  }
  const ThreadSeriesPage::Widgets& w() const { return page->widgets(); }

  // Reference inch/mm, major inch/mm, tap drill inch/mm.
  Texts sizes() const {
    return {w().reference_inch->value(), w().reference_mm->value(), w().major_inch->value(),
            w().major_mm->value(),       w().drill_inch->value(),   w().drill_mm->value()};
  }
  std::string settings_file() const { return dir.read_file("DoNotEditOrDelete.ini"); }
  bool setting_is(const std::string& key, const std::string& value) const {
    std::string line = key + std::string(30 - key.size(), ' ') + " = " + value + "\n";
    return settings_file().find(line) != std::string::npos;
  }

  ThreadSeriesPage* page = nullptr;
};

TEST_F(ThreadSeriesPageTest, StartsOnUnifiedAndEachSeriesArrangesItsEntry) {
  EXPECT_EQ(w().series->value(), kUnified);
  EXPECT_TRUE(w().fractional->value());
  EXPECT_STREQ(w().percent->value(), "75");
  EXPECT_EQ(Fl::focus(), w().diameter);
  choose(w().series, kBa);
  EXPECT_FALSE(w().diameter->visible());
  EXPECT_FALSE(w().pitch->visible());
  EXPECT_TRUE(w().numbered_tpi->visible());
  EXPECT_EQ(w().size_number->value(), 6);
  EXPECT_STREQ(w().numbered_pitch->value(), "0.531");
  choose(w().series, kUnifiedNumber);
  EXPECT_EQ(w().size_number->size() - 1, 10);
  EXPECT_EQ(Fl::focus(), w().pitch);
  choose(w().series, kIsoMetric);
  EXPECT_FALSE(w().fraction->visible());
  EXPECT_STREQ(w().pitch->label(), app->lang(249));
}

// Each control reaches the form model and what it gives shows.
TEST_F(ThreadSeriesPageTest, ControlsReachTheFormAndItsResultsShow) {
  type_text(w().pitch, "20");
  type_text(w().over, "1");
  type_text(w().under, "4");
  EXPECT_STREQ(w().diameter->value(), "0.25");
  EXPECT_EQ(sizes(), (Texts{"0.244", "6.2", "0.25", "6.35", "0.209", "5.32"}));
  EXPECT_EQ(lines(w().drill_names), (Texts{"13/64 in", "7/32 in"}));
  EXPECT_EQ(lines(w().drill_engagements), (Texts{"86.60%", "57.74%"}));
  retype(w().percent, "30");
  EXPECT_EQ(lines(w().drill_names), (Texts{"7/32 in"}));
  // A diameter typed by hand replaces the fraction.
  retype(w().diameter, "0.25");
  EXPECT_STREQ(w().over->value(), "");

  // The drill check buttons are written at once; none ticked is told.
  click(w().metric);
  EXPECT_TRUE(setting_is("drill_metric", "1"));
  click(w().metric);
  ASSERT_TRUE(dialogs.alerts.empty());
  click(w().fractional);
  EXPECT_TRUE(setting_is("drill_fraction", "0"));
  ASSERT_EQ(dialogs.alerts.size(), 1u);
  EXPECT_EQ(dialogs.alerts[0], app->lang(281));
  EXPECT_STREQ(w().drill_inch->value(), "0.234");

  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  const char* file = app->help_windows().back()->view()->filename();
  ASSERT_NE(file, nullptr);
  EXPECT_NE(std::string(file).find("language/en/thread.html"), std::string::npos);
}

TEST_F(ThreadSeriesPageTest, RestartRestoresTheSeriesBeforeItsDrillAndSize) {
  retype(w().percent, "80");
  choose(w().series, kWhitworth);
  EXPECT_STREQ(w().percent->value(), "80");
  type_text(w().diameter, "0.25");
  type_text(w().pitch, "20");
  restart_app();
  page = static_cast<ThreadSeriesPage*>(app->page(8));
  // 0.25 - 1.280654 x 0.05 x 0.8 = 0.1988; with 1.082532 it would be 0.2067.
  EXPECT_STREQ(w().drill_inch->value(), "0.199");
  EXPECT_EQ(Fl::focus(), w().diameter);

  choose(w().series, kBa);
  choose(w().size_number, 3);
  restart_app();
  page = static_cast<ThreadSeriesPage*>(app->page(8));
  EXPECT_EQ(w().series->value(), kBa);
  EXPECT_EQ(w().size_number->value(), 3);
  EXPECT_STREQ(w().major_mm->value(), "4.1");
  EXPECT_EQ(Fl::focus(), w().percent);
}

TEST_F(ThreadSeriesPageTest, BothListsScrollTogether) {
  click(w().number);
  click(w().metric);
  type_text(w().diameter, "0.25");
  type_text(w().pitch, "20");
  ASSERT_EQ(w().drill_names->size(), 8); // more than the lists show
  settle();
  for (Fl_Browser* list : {w().drill_engagements, w().drill_names}) {
    Fl_Scrollbar& bar = list->scrollbar;
    bar.value(bar.maximum());
    bar.do_callback();
    EXPECT_GT(w().drill_names->position(), 0);
    EXPECT_EQ(w().drill_names->position(), w().drill_engagements->position());
    bar.value(0);
    bar.do_callback();
    EXPECT_EQ(w().drill_engagements->position(), 0);
  }
}

TEST_F(ThreadSeriesPageTest, MetricSystemStartsOnIsoMetric) {
  app->toggle_unit_system();
  stop_app();
  open_page();
  EXPECT_EQ(w().series->value(), kIsoMetric);
  EXPECT_FALSE(w().fraction->visible());
}
