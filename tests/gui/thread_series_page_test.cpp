// Page 8, thread series and tapping drills, driven with real keys and
// clicks: the worked examples, what each series shows, the drill-series
// check buttons and the settings file, the help button, and the restored
// series and size that the drill depends on.
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

TEST_F(ThreadSeriesPageTest, StartsOnUnifiedWithFractionalDrillsAndEachSeriesShowsItsEntry) {
  EXPECT_EQ(w().series->value(), kUnified);
  EXPECT_EQ(page->series_index(), 4);
  EXPECT_TRUE(w().fractional->value());
  EXPECT_FALSE(w().letter->value() || w().number->value() || w().metric->value());
  EXPECT_TRUE(w().fraction->visible());
  EXPECT_FALSE(w().size_number->visible());
  EXPECT_STREQ(w().percent->value(), "75");
  EXPECT_EQ(Fl::focus(), w().diameter);

  struct Case {
    int item;
    bool diameter, fraction, number, pitch, numbered_outputs;
    int pitch_label;
  };
  const Case cases[] = {
      {kBa, false, false, true, false, true, 237},
      {kWhitworth, true, true, false, true, false, 237},
      {kIsoMetric, true, false, false, true, false, 249},
      {kUnified, true, true, false, true, false, 237},
      {kUnifiedNumber, false, false, true, true, false, 237},
      {5, true, true, false, true, false, 237},
      {6, true, false, false, true, false, 249},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    choose(w().series, c.item);
    EXPECT_EQ(w().diameter->visible() != 0, c.diameter);
    EXPECT_EQ(w().fraction->visible() != 0, c.fraction);
    EXPECT_EQ(w().size_number->visible() != 0, c.number);
    EXPECT_EQ(w().pitch->visible() != 0, c.pitch);
    EXPECT_EQ(w().numbered_tpi->visible() != 0, c.numbered_outputs);
    EXPECT_STREQ(w().pitch->label(), app->lang(c.pitch_label));
  }
}

TEST_F(ThreadSeriesPageTest, QuarterTwentyUnifiedAtSeventyFivePercentItsLimitsAndHelp) {
  type_text(w().diameter, "0.25");
  type_text(w().pitch, "20");
  EXPECT_EQ(sizes(), (Texts{"0.244", "6.2", "0.25", "6.35", "0.209", "5.32"}));
  EXPECT_EQ(lines(w().drill_names), (Texts{"13/64 in", "7/32 in"}));
  EXPECT_EQ(lines(w().drill_engagements), (Texts{"86.60%", "57.74%"}));
  click(w().help);
  ASSERT_EQ(app->help_windows().size(), 1u);
  const char* file = app->help_windows().back()->view()->filename();
  ASSERT_NE(file, nullptr);
  EXPECT_NE(std::string(file).find("language/en/thread.html"), std::string::npos);
  EXPECT_NE(std::string(app->help_windows().back()->view()->value()).find("13/64"),
            std::string::npos);

  // An engagement outside its range turns red.
  retype(w().percent, "3");
  EXPECT_EQ(w().percent->textcolor(), FL_RED);
  type_text(w().percent, "0");
  EXPECT_EQ(w().percent->textcolor(), FL_BLACK);
  // 0.25 - 1.082532 x 0.05 x 0.3 = 0.2338: 7/32 gives 57.74 %, 15/64 only 28.87 %.
  EXPECT_EQ(lines(w().drill_names), (Texts{"7/32 in"}));
  type_text(w().percent, "0");
  EXPECT_EQ(w().percent->textcolor(), FL_RED);
  retype(w().percent, "75");

  // No drill series is told while the tap drill stays.
  ASSERT_TRUE(dialogs.alerts.empty());
  click(w().fractional);
  ASSERT_EQ(dialogs.alerts.size(), 1u);
  EXPECT_EQ(dialogs.alerts[0], app->lang(281));
  EXPECT_STREQ(w().drill_inch->value(), "0.209");
  EXPECT_EQ(w().drill_names->size(), 0);

  retype(w().pitch, "");
  EXPECT_EQ(sizes(), Texts(6, ""));
  EXPECT_EQ(w().drill_names->size(), 0);
}

TEST_F(ThreadSeriesPageTest, AFractionFillsTheDiameterAndStaysAsTyped) {
  type_text(w().pitch, "20");
  type_text(w().over, "1");
  type_text(w().under, "16"); // passes through 1/1 on the way
  EXPECT_STREQ(w().diameter->value(), "0.0625");
  EXPECT_STREQ(w().under->value(), "16");
  retype(w().over, "1");
  retype(w().under, "4");
  EXPECT_STREQ(w().diameter->value(), "0.25");
  EXPECT_STREQ(w().drill_inch->value(), "0.209");
  // A diameter typed by hand replaces the fraction.
  retype(w().diameter, "0.3125");
  EXPECT_STREQ(w().over->value(), "");
  EXPECT_STREQ(w().under->value(), "");
}

TEST_F(ThreadSeriesPageTest, SeriesChangeKeepsTheEngagementAndTheSeriesDepthAcrossARestart) {
  retype(w().percent, "80");
  choose(w().series, kWhitworth);
  EXPECT_STREQ(w().percent->value(), "80");
  EXPECT_STREQ(w().diameter->value(), "");
  type_text(w().diameter, "0.25");
  type_text(w().pitch, "20");
  // 0.25 - 1.280654 x 0.05 x 0.8 = 0.1988; with 1.082532 it would be 0.2067.
  EXPECT_STREQ(w().drill_inch->value(), "0.199");
  EXPECT_EQ(lines(w().drill_names), (Texts{"3/16 in", "13/64 in"}));
  EXPECT_EQ(lines(w().drill_engagements), (Texts{"97.61%", "73.20%"}));

  // The series is restored before the drill is worked out with its depth.
  app::App& again = restart_app();
  auto* restored = static_cast<ThreadSeriesPage*>(again.page(8));
  const auto& r = restored->widgets();
  EXPECT_STREQ(r.drill_inch->value(), "0.199");
  EXPECT_EQ(lines(r.drill_engagements), (Texts{"97.61%", "73.20%"}));

  page = restored;
  choose(w().series, kBa);
  choose(w().size_number, 3);
  app::App& third = restart_app();
  const auto& b = static_cast<ThreadSeriesPage*>(third.page(8))->widgets();
  EXPECT_EQ(b.series->value(), kBa);
  EXPECT_EQ(b.size_number->value(), 3);
  EXPECT_TRUE(b.size_number->visible());
  EXPECT_STREQ(b.major_mm->value(), "4.1");
}

TEST_F(ThreadSeriesPageTest, BaSizesComeFromTheirTable) {
  choose(w().series, kBa);
  EXPECT_EQ(w().size_number->value(), 6);
  EXPECT_STREQ(w().numbered_tpi->value(), "47.795");
  EXPECT_STREQ(w().numbered_pitch->value(), "0.531");
  EXPECT_EQ(sizes(), (Texts{"0.108", "2.736", "0.11", "2.8", "0.091", "2.32"}));
  choose(w().size_number, 0);
  EXPECT_STREQ(w().major_mm->value(), "6.0");
  EXPECT_STREQ(w().numbered_pitch->value(), "1.0");
}

TEST_F(ThreadSeriesPageTest, UnifiedNumberedSizesNeedTwentyThreadsPerInch) {
  click(w().number);
  choose(w().series, kUnifiedNumber);
  EXPECT_EQ(w().size_number->value(), 8); // number 10
  EXPECT_EQ(Fl::focus(), w().pitch);
  type_text(w().pitch, "18");
  EXPECT_EQ(sizes(), Texts(6, ""));
  retype(w().pitch, "24");
  EXPECT_EQ(sizes(), (Texts{"0.185", "4.7", "0.19", "4.83", "0.156", "3.97"}));
  // Number drills merged with the fractional ones, most thread first.
  EXPECT_EQ(lines(w().drill_names), (Texts{"# 23", "5/32 in", "# 22", "# 21"}));
  EXPECT_EQ(lines(w().drill_engagements), (Texts{"79.81%", "74.82%", "73.16%", "68.73%"}));
}

TEST_F(ThreadSeriesPageTest, DrillCheckButtonsAreWrittenAtOnce) {
  type_text(w().diameter, "0.25");
  type_text(w().pitch, "20");
  click(w().letter);
  EXPECT_TRUE(setting_is("drill_letter", "1"));
  EXPECT_TRUE(setting_is("drill_fraction", "1"));
  click(w().fractional);
  EXPECT_TRUE(setting_is("drill_fraction", "0"));
  // Letter drills start at 0.234, above the tap drill.
  EXPECT_EQ(w().drill_names->size(), 0);
  click(w().metric);
  EXPECT_TRUE(setting_is("drill_metric", "1"));
  EXPECT_EQ(lines(w().drill_names), (Texts{"5.3mm", "5.4mm", "5.5mm"}));
  click(w().number);
  EXPECT_TRUE(setting_is("drill_number", "1"));
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
    EXPECT_EQ(w().drill_names->position(), 0);
    EXPECT_EQ(w().drill_engagements->position(), 0);
  }
}

TEST_F(ThreadSeriesPageTest, MetricSystemStartsOnIsoMetric) {
  app->toggle_unit_system();
  stop_app();
  open_page();
  EXPECT_EQ(w().series->value(), kIsoMetric);
  EXPECT_FALSE(w().fraction->visible());
  EXPECT_STREQ(w().pitch->label(), app->lang(249));
  type_text(w().diameter, "6");
  click(w().metric);
  type_text(w().pitch, "1");
  EXPECT_EQ(sizes(), (Texts{"0.231", "5.88", "0.236", "6.0", "0.204", "5.19"}));
}
