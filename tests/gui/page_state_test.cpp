// State.ini: the page shown and the navigation scroll survive a restart;
// missing or damaged files leave the built defaults.
#include <gtest/gtest.h>

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Scroll.H>

#include "app/main_window.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

using namespace testing_support;

class PageStateTest : public AppTest {};

TEST_F(PageStateTest, PageShownAndColumnScrollSurviveARestart) {
  app::App& a = start_app();
  click(a.main_frame()->nav_button(9));
  Fl_Scroll* column = a.main_frame()->nav_column();
  column->scroll_to(0, 200);
  a.save_page_state();

  std::string state = dir.read_file("State.ini");
  EXPECT_NE(state.find("[page]\npage                           = 8\n"), std::string::npos);
  // The position saved is the one shown: until the column is first drawn,
  // the toolkit's own count is two pixels off.
  size_t scroll = state.find("scroll                         = ", state.find("[page]"));
  ASSERT_NE(scroll, std::string::npos);
  EXPECT_NEAR(std::stoi(state.substr(scroll + 33)), 200, 2);
  for (int page = 1; page <= 17; ++page)
    EXPECT_NE(state.find("\n[p" + std::to_string(page) + "]\n"), std::string::npos) << page;

  app::App& again = start_app();
  EXPECT_EQ(again.main_frame()->shown_page(), 9);
  EXPECT_EQ(again.main_frame()->nav_button(9)->labelcolor(), FL_RED);
  EXPECT_EQ(again.main_frame()->nav_button(1)->labelcolor(), FL_BLACK);
  // The toolkit may round the position to a step of its scroll bar.
  EXPECT_NEAR(again.main_frame()->nav_column()->yposition(), 200, 2);
}

TEST_F(PageStateTest, MissingOrBadStateGivesPageOneUnscrolled) {
  struct Case {
    const char* name;
    std::string content; // "" with dir == true: a directory named State.ini
    bool dir;
  };
  const Case cases[] = {
      {"no file", "", false},
      {"a directory", "", true},
      {"page out of range", "[page]\npage = 40\nscroll = -50\n", false},
      {"page not a number", "[page]\npage = nine\nscroll = 1e99\n", false},
      {"scroll out of range", "[page]\npage = 0\nscroll = -99999999999999999999\n", false},
      {"section name as key", "[page]\n[p1]\n[page]\n", false},
      {"malformed line", "[page]\npage 8\n", false},
      {"binary", std::string("\0\xff\xfe\x01[p1]\x00", 9), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    stop_app();
    std::system(("rm -rf '" + dir.path() + "/State.ini'").c_str());
    if (c.dir)
      dir.write_file("State.ini/x", "");
    else if (!c.content.empty())
      dir.write_file("State.ini", c.content);
    app::App& a = start_app();
    EXPECT_EQ(a.main_frame()->shown_page(), 1);
    // The first button shows at the top (the toolkit may round by a step).
    int scroll = a.main_frame()->nav_column()->yposition();
    EXPECT_GE(scroll, -4);
    EXPECT_LE(scroll, 4);
  }
}

TEST_F(PageStateTest, AStateFileThatCannotBeReplacedIsLeftAsItWas) {
  app::App& a = start_app();
  dir.write_file("State.ini/keep", "mine");
  EXPECT_NO_THROW(a.save_page_state());
  EXPECT_EQ(dir.read_file("State.ini/keep"), "mine");
}
