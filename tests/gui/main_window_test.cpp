// The main window as a user sees it: navigation, page switching, the unit
// button, Escape and the close box.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Scroll.H>

#include <deque>

#include "app/main_window.h"
#include "app/page_table.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

using namespace testing_support;

namespace {

// The column from the top: page number and string-table entry of its label.
struct NavRow {
  int page;
  int label;
  int y;
};
constexpr NavRow kColumn[] = {
    {1, 0, 6},     {2, 1, 62},     {3, 2, 118},    {4, 3, 174},    {12, 4, 230},  {5, 5, 286},
    {6, 6, 342},   {7, 7, 398},    {8, 8, 454},    {9, 9, 510},    {10, 10, 566}, {15, 394, 622},
    {13, 11, 678}, {14, 365, 734}, {16, 419, 790}, {17, 414, 846}, {11, -1, 902}};

int red_labels(app::MainWindow& window) {
  int red = 0;
  for (int page = 1; page <= 17; ++page)
    red += window.nav_button(page)->labelcolor() == FL_RED;
  return red;
}

int visible_groups(app::MainWindow& window) {
  int visible = 0;
  for (int page = 1; page <= 17; ++page)
    visible += window.page_group(page)->visible() ? 1 : 0;
  return visible;
}

} // namespace

class MainWindowTest : public AppTest {};

TEST_F(MainWindowTest, NavigationColumnAndPageGroupsSitWhereTheyShould) {
  app::App& a = start_app();
  app::MainWindow& window = *a.main_frame();
  int scroll_y = window.nav_column()->y();
  for (const NavRow& row : kColumn) {
    SCOPED_TRACE(row.page);
    Fl_Button* button = window.nav_button(row.page);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->y() - scroll_y + 2, row.y);
    EXPECT_EQ(button->h(), 55);
    EXPECT_EQ(button->w(), 133);
    const char* expected = row.label < 0 ? "1 + 2 = ?" : a.lang(row.label);
    EXPECT_STREQ(button->label(), expected);
    EXPECT_NE(std::string(button->label()), "");
  }
  EXPECT_EQ(window.nav_column()->h(), 431);
  EXPECT_EQ(window.window()->w(), 830);
  EXPECT_EQ(window.window()->h(), 600);

  // The page groups sit at their rectangles.
  struct Rect {
    int page, x, y, w, h;
  };
  for (const Rect& r :
       {Rect{1, 160, 2, 665, 598}, Rect{11, 160, 1, 665, 599}, Rect{13, 160, 2, 665, 887},
        Rect{14, 160, 0, 667, 1420}, Rect{17, 160, 2, 665, 598}}) {
    Fl_Group* group = window.page_group(r.page);
    EXPECT_EQ(group->x(), r.x) << r.page;
    EXPECT_EQ(group->y(), r.y) << r.page;
    EXPECT_EQ(group->w(), r.w) << r.page;
    EXPECT_EQ(group->h(), r.h) << r.page;
    EXPECT_EQ(group->box(), FL_GTK_UP_FRAME) << r.page;
  }
}

TEST_F(MainWindowTest, SpanishLayoutMakesTwoButtonsTallerAndTheColumnEndsAt977) {
  // A Spanish table is the English one under another code for this test.
  dir.write_file("language/es/es.ini", dir.read_file("language/en/en.ini"));
  dir.write_file("DoNotEditOrDelete.ini", "[.]\nlanguage = es\nmeasure = inch\n"
                                          "[hole plates]\n13 = 13\n[h 40-1]\n0 = H 40-1\n");
  app::App& a = start_app();
  app::MainWindow& window = *a.main_frame();
  int top = window.nav_column()->y() - 2;
  EXPECT_EQ(window.nav_button(15)->h(), 65);
  EXPECT_EQ(window.nav_button(16)->h(), 65);
  EXPECT_EQ(window.nav_button(13)->y() - top, 688);
  EXPECT_EQ(window.nav_button(11)->y() + window.nav_button(11)->h() - top, 977);
}

TEST_F(MainWindowTest, ExactlyOnePageAndOneRedLabelAfterAnySwitchesAndAboutGivesTheWindowBack) {
  app::App& a = start_app();
  app::MainWindow& window = *a.main_frame();
  EXPECT_EQ(window.shown_page(), 1);
  EXPECT_EQ(window.nav_button(1)->labelcolor(), FL_RED);
  for (int page : {9, 9, 17, 11, 1, 14, 13, 2}) {
    click(window.nav_button(page));
    SCOPED_TRACE(page);
    EXPECT_EQ(window.shown_page(), page);
    EXPECT_EQ(visible_groups(window), 1);
    EXPECT_EQ(red_labels(window), 1);
    EXPECT_EQ(window.nav_button(page)->labelcolor(), FL_RED);
    EXPECT_TRUE(window.page_group(page)->active());
  }
  for (int page = 1; page <= 17; ++page) {
    if (page != 2) {
      EXPECT_FALSE(window.page_group(page)->active()) << page;
    }
  }

  // The about window shows the version and gives the main window back.
  click(a.main_frame()->about_button());
  ASSERT_TRUE(a.about_window()->shown());
  EXPECT_FALSE(a.main_frame()->window()->active());
  bool version_found = false;
  for (int i = 0; i < a.about_window()->children(); ++i) {
    const char* label = a.about_window()->child(i)->label();
    version_found |= label && std::string(label) == "1.1.13";
  }
  EXPECT_TRUE(version_found);
  a.about_window()->do_callback(); // the window manager's close box
  EXPECT_FALSE(a.about_window()->shown());
  EXPECT_TRUE(a.main_frame()->window()->active());
}

TEST_F(MainWindowTest, UnitButtonSwitchesTitleLabelAndSettingAndBack) {
  app::App& a = start_app();
  app::MainWindow& window = *a.main_frame();
  EXPECT_STREQ(window.window()->label(), a.lang(18));
  EXPECT_STREQ(window.unit_button()->label(), a.lang(12));

  click(window.unit_button());
  EXPECT_EQ(a.unit_system(), 1);
  EXPECT_STREQ(window.window()->label(), a.lang(17));
  EXPECT_STREQ(window.unit_button()->label(), a.lang(13));
  EXPECT_NE(dir.read_file("DoNotEditOrDelete.ini").find("measure                        = metric"),
            std::string::npos);

  click(window.unit_button());
  EXPECT_EQ(a.unit_system(), 0);
  EXPECT_STREQ(window.window()->label(), a.lang(18));
  EXPECT_STREQ(window.unit_button()->label(), a.lang(12));
  EXPECT_NE(dir.read_file("DoNotEditOrDelete.ini").find("measure                        = inch"),
            std::string::npos);
}

TEST_F(MainWindowTest, EscapeNeverClosesTheWindowButTheCloseBoxAndExitDo) {
  app::App& a = start_app();
  app::MainWindow& window = *a.main_frame();
  window.nav_button(3)->take_focus();
  EXPECT_NO_THROW(press_key(FL_Escape));
  EXPECT_TRUE(window.window()->shown());

  // The window manager's close box runs the window's callback outside a key event.
  Fl::e_number = FL_CLOSE;
  try {
    window.window()->do_callback();
    ADD_FAILURE() << "closing the window did not end the program";
  } catch (const ProcessExit& exit) {
    EXPECT_EQ(exit.status, 0);
  }
  try {
    click(window.exit_button());
    ADD_FAILURE() << "the exit button did not end the program";
  } catch (const ProcessExit& exit) {
    EXPECT_EQ(exit.status, 0);
  }
}

namespace {
// A stand-in page radio button that records when its callback runs.
struct Recorder {
  std::vector<std::string>* calls;
  std::string tag;
  static void callback(Fl_Widget*, void* data) {
    auto* recorder = static_cast<Recorder*>(data);
    recorder->calls->push_back(recorder->tag);
  }
};
} // namespace

TEST_F(MainWindowTest, UnitButtonSwitchesThePagesPairsInOrderOnlyWhenTheyChange) {
  app::App& a = start_app();
  std::vector<std::string> calls;
  std::deque<Recorder> recorders;
  Fl_Double_Window holder(100, 50);
  const int slots = static_cast<int>(ui::UnitPairSlot::kCount);
  for (int slot = 0; slot < slots; ++slot) {
    Fl_Group* pair = new Fl_Group(0, 0, 100, 25); // each pair is its own radio group
    auto* inch = new Fl_Round_Button(0, 0, 50, 25);
    auto* mm = new Fl_Round_Button(50, 0, 50, 25);
    pair->end();
    inch->type(FL_RADIO_BUTTON);
    mm->type(FL_RADIO_BUTTON);
    inch->setonly();
    recorders.push_back({&calls, std::to_string(slot) + "in"});
    inch->callback(Recorder::callback, &recorders.back());
    recorders.push_back({&calls, std::to_string(slot) + "mm"});
    mm->callback(Recorder::callback, &recorders.back());
    a.register_unit_pair(static_cast<ui::UnitPairSlot>(slot), inch, mm);
  }
  holder.end();
  // The page in slot 5 is already metric: it must not convert twice.
  a.unit_pair(static_cast<ui::UnitPairSlot>(5)).metric->setonly();

  click(a.main_frame()->unit_button());
  std::vector<std::string> expected;
  for (int slot = 0; slot < slots; ++slot)
    if (slot != 5)
      expected.push_back(std::to_string(slot) + "mm");
  EXPECT_EQ(calls, expected);
  for (int slot = 0; slot < slots; ++slot)
    EXPECT_EQ(a.unit_pair(static_cast<ui::UnitPairSlot>(slot)).metric->value(), 1) << slot;

  // On the way back too: switching twice leaves every page where it was.
  calls.clear();
  click(a.main_frame()->unit_button());
  for (std::string& call : expected)
    call.replace(call.size() - 2, 2, "in");
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(a.unit_pair(static_cast<ui::UnitPairSlot>(5)).metric->value(), 1);
  stop_app(); // before the stand-in buttons go
}

// Pages are found by number as their place in the table: row i is page i + 1.
TEST(PageTable, RowsAreInPageNumberOrder) {
  for (int i = 0; i < app::page_count(); ++i)
    EXPECT_EQ(ui::page_number(app::page_table()[static_cast<size_t>(i)].id), i + 1);
}
