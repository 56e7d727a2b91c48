// The main window as a user sees it: navigation, page switching, the unit
// button, Escape and the close box.
#include "support/gui_test.h"

#include "app/main_window.h"
#include "app/page_table.h"

using namespace testing_support;

class MainWindowTest : public AppTest {};

TEST_F(MainWindowTest, NavigationColumnAndPageGroupsSitWhereTheyShould) {
  // The column from the top: page number, string-table entry of its label, y.
  const int column[][3] = {
      {1, 0, 6},     {2, 1, 62},     {3, 2, 118},    {4, 3, 174},    {12, 4, 230},  {5, 5, 286},
      {6, 6, 342},   {7, 7, 398},    {8, 8, 454},    {9, 9, 510},    {10, 10, 566}, {15, 394, 622},
      {13, 11, 678}, {14, 365, 734}, {16, 419, 790}, {17, 414, 846}, {18, 855, 902},
      {19, 896, 958}, {20, 927, 1014}, {11, -1, 1070}};
  app::App& a = start_app();
  app::MainWindow& window = *a.main_frame();
  for (const auto& [page, label, y] : column) {
    SCOPED_TRACE(page);
    Fl_Button* button = window.nav_button(page);
    EXPECT_EQ(button->y() - window.nav_column()->y() + 2, y);
    EXPECT_EQ((std::array{button->w(), button->h()}), (std::array{133, 55}));
    EXPECT_STREQ(button->label(), label < 0 ? "1 + 2 = ?" : a.lang(label));
  }
  EXPECT_EQ(window.nav_column()->h(), 431);
  EXPECT_EQ((std::array{window.window()->w(), window.window()->h()}), (std::array{830, 600}));
  // The page groups sit at their rectangles.
  for (const auto& [page, x, y, w, h] : {std::array{1, 160, 2, 665, 598},
                                         {11, 160, 1, 665, 599},
                                         {13, 160, 2, 665, 887},
                                         {14, 160, 0, 667, 1420}}) {
    Fl_Group* group = window.page_group(page);
    EXPECT_EQ((std::array{group->x(), group->y(), group->w(), group->h()}),
              (std::array{x, y, w, h}))
        << page;
    EXPECT_EQ(group->box(), FL_GTK_UP_FRAME) << page;
  }
}

TEST_F(MainWindowTest, ExactlyOnePageAndOneRedLabelAfterAnySwitchesAndAboutGivesTheWindowBack) {
  app::App& a = start_app();
  app::MainWindow& window = *a.main_frame();
  for (int shown : {1, 9, 9, 17, 11, 14, 13, 2}) {
    if (shown != 1)
      click(window.nav_button(shown));
    SCOPED_TRACE(shown);
    EXPECT_EQ(window.shown_page(), shown);
    for (int page = 1; page <= app::page_count(); ++page) {
      EXPECT_EQ(window.page_group(page)->visible() != 0, page == shown) << page;
      EXPECT_EQ(window.page_group(page)->active() != 0, page == shown) << page;
      EXPECT_EQ(window.nav_button(page)->labelcolor() == FL_RED, page == shown) << page;
    }
  }
  // The about window shows the version and gives the main window back.
  click(window.about_button());
  ASSERT_TRUE(a.about_window()->shown());
  EXPECT_FALSE(window.window()->active());
  bool version_found = false;
  for (int i = 0; i < a.about_window()->children(); ++i) {
    const char* label = a.about_window()->child(i)->label();
    version_found |= label && std::string(label) == "1.1.13";
  }
  EXPECT_TRUE(version_found);
  a.about_window()->do_callback(); // the window manager's close box
  EXPECT_FALSE(a.about_window()->shown());
  EXPECT_TRUE(window.window()->active());
}

TEST_F(MainWindowTest, EscapeNeverClosesTheWindowButTheCloseBoxAndExitDo) {
  app::MainWindow& window = *start_app().main_frame();
  window.nav_button(3)->take_focus();
  EXPECT_NO_THROW(press_key(FL_Escape));
  EXPECT_TRUE(window.window()->shown());
  Fl::e_number = FL_CLOSE; // the close box runs the callback outside a key event
  for (bool exit_button : {false, true}) {
    try {
      exit_button ? click(window.exit_button()) : window.window()->do_callback();
      ADD_FAILURE() << "the program did not end";
    } catch (const ProcessExit& exit) {
      EXPECT_EQ(exit.status, 0);
    }
  }
}
