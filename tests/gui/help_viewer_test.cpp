// The help window: which file a topic opens, and the text size that is
// remembered when the window closes.
#include <gtest/gtest.h>

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Help_View.H>

#include "app/help_viewer.h"
#include "gui/support/app_fixture.h"

using namespace testing_support;

TEST(HelpTopics, FilesFollowTheLanguageExceptThePinPage) {
  EXPECT_EQ(app::help_file_path("/opt/tc", "de", 0), "/opt/tc/language/de/thread.html");
  EXPECT_EQ(app::help_file_path("/opt/tc", "de", 3), "/opt/tc/language/de/worm_gear.html#crown");
  EXPECT_EQ(app::help_file_path("/opt/tc", "de", 6), "/opt/tc/language/pin_dia.html");
  EXPECT_EQ(app::help_file_path("/opt/tc", "es", 9), "/opt/tc/language/es/change_gear.html");
  EXPECT_EQ(app::help_topic(7).title, 5);
  EXPECT_EQ(app::help_topic(4).title, 365);
}

class HelpViewerTest : public AppTest {};

TEST_F(HelpViewerTest, OpensTheTopicFileWithItsTitleAndTheCrownAtItsAnchor) {
  dir.write_file("language/en/pdc.html", "<html><body><p>Bolt holes</p></body></html>");
  std::string page = "<html><body>";
  for (int i = 0; i < 200; ++i)
    page += "<p>line " + std::to_string(i) + "</p>";
  page += "<a name=\"crown\"></a><p>Crown</p></body></html>";
  dir.write_file("language/en/worm_gear.html", page);
  app::App& a = start_app();
  a.show_help(static_cast<ui::HelpTopic>(7));
  ASSERT_EQ(a.help_windows().size(), 1u);
  app::HelpWindow& help = *a.help_windows().back();
  EXPECT_STREQ(help.window()->label(), a.lang(5));
  ASSERT_NE(help.view()->value(), nullptr);
  EXPECT_NE(std::string(help.view()->value()).find("Bolt holes"), std::string::npos);
  a.show_help(static_cast<ui::HelpTopic>(3));
  EXPECT_GT(a.help_windows().back()->view()->topline(), 0);
}

TEST_F(HelpViewerTest, LargerTextIsRememberedAfterCloseAndRestartAndNeverShrinksToNothing) {
  app::App& a = start_app();
  a.show_help(static_cast<ui::HelpTopic>(0));
  app::HelpWindow& first = *a.help_windows().back();
  int size = first.view()->textsize();
  first.larger();
  first.larger();
  first.window()->do_callback(); // the window manager's close box
  EXPECT_FALSE(first.window()->shown());
  EXPECT_NE(dir.read_file("DoNotEditOrDelete.ini")
                .find("help_font_size                 = " + std::to_string(size + 2)),
            std::string::npos);

  a.show_help(static_cast<ui::HelpTopic>(1));
  EXPECT_EQ(a.help_windows().back()->view()->textsize(), size + 2);
  app::App& again = restart_app();
  again.show_help(static_cast<ui::HelpTopic>(1));
  app::HelpWindow& help = *again.help_windows().back();
  EXPECT_EQ(help.view()->textsize(), size + 2);
  for (int i = 0; i < 50; ++i) // but it never shrinks to nothing
    help.smaller();
  EXPECT_GE(help.view()->textsize(), 6);
}
