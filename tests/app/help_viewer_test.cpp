// The help window: which file a topic opens, and the text size that is
// remembered when the window closes, what a closed window leaves behind,
// install paths with a hash and pages the view could not take.
#include "support/gui_test.h"

#include "app/help_viewer.h"

using namespace testing_support;

// A language without a page of its own shows the English one.
TEST(HelpTopics, FilesFollowTheLanguageOrElseEnglish) {
  const std::string program_dir =
      std::string(TOOLROOM_LANGUAGE_DIR).substr(0, std::string(TOOLROOM_LANGUAGE_DIR).rfind('/'));
  const std::tuple<const char*, int, const char*> cases[] = {
      {"de", 0, "de/thread.html"},        {"de", 3, "de/worm_gear.html#crown"},
      {"de", 6, "de/pin_dia.html"},       {"es", 6, "es/pin_dia.html"},
      {"xx", 9, "en/change_gear.html"},   {"xx", 3, "en/worm_gear.html#crown"},
      {"es", 10, "es/dividing_head.html"}};
  for (const auto& [code, topic, file] : cases)
    EXPECT_EQ(app::help_file_path(program_dir, code, topic), program_dir + "/language/" + file);
}

class HelpViewerTest : public AppTest {};

TEST_F(HelpViewerTest, OpensTheTopicFileWithItsTitleAndTheCrownAtItsAnchor) {
  dir.write_file("language/en/pdc.html", "<html><body><p>Bolt holes</p></body></html>");
  std::string page = "<html><body>";
  for (int i = 0; i < 200; ++i)
    page += "<p>line " + std::to_string(i) + "</p>";
  dir.write_file("language/en/worm_gear.html",
                 page + "<a name=\"crown\"></a><p>Crown</p></body></html>");
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
  start_app().show_help(static_cast<ui::HelpTopic>(0));
  app::HelpWindow& first = *app->help_windows().back();
  const int size = first.view()->textsize();
  first.larger();
  first.larger();
  first.window()->do_callback(); // the window manager's close box
  EXPECT_TRUE(app->help_windows().empty());
  EXPECT_NE(
      dir.read_file(kSettings).find("help_font_size                 = " + std::to_string(size + 2)),
      std::string::npos);
  for (bool restarted : {false, true}) {
    if (restarted)
      restart_app();
    app->show_help(static_cast<ui::HelpTopic>(1));
    EXPECT_EQ(app->help_windows().back()->view()->textsize(), size + 2) << restarted;
  }
  for (int i = 0; i < 50; ++i) // but it never shrinks to nothing
    app->help_windows().back()->smaller();
  EXPECT_GE(app->help_windows().back()->view()->textsize(), 6);
}

TEST_F(HelpViewerTest, ClosedWindowsAreFreedAndAnUnchangedSizeIsNotWritten) {
  app::App& a = start_app();
  dir.write_file(kSettings, dir.read_file(kSettings) + ";untouched\n");
  for (int i = 0; i < 20; ++i) {
    a.show_help(static_cast<ui::HelpTopic>(i % 10));
    Fl_Widget_Tracker window(a.help_windows().back()->window());
    a.help_windows().back()->window()->do_callback();
    settle();
    EXPECT_TRUE(window.deleted()) << i;
  }
  EXPECT_TRUE(a.help_windows().empty());
  EXPECT_NE(dir.read_file(kSettings).find(";untouched"), std::string::npos);
}

TEST_F(HelpViewerTest, AHashInTheInstallPathIsNoAnchor) {
  program_subdir = "/C# tools";
  copy_language_files(dir.path() + program_subdir);
  dir.write_file("C# tools/language/en/pdc.html",
                 "<h1><a href=\"thread.html\">Bolt holes and threads</a></h1><img src=\"en.gif\">");
  dir.write_file("C# tools/language/en/thread.html", "<p>Thread series</p>");
  start_app().show_help(static_cast<ui::HelpTopic>(7));
  Fl_Help_View* view = app->help_windows().back()->view();
  EXPECT_NE(std::string(view->value()).find("Bolt holes"), std::string::npos);
  EXPECT_NE(Fl_Shared_Image::find((dir.path() + "/C# tools/language/en/en.gif").c_str()), nullptr);
  Fl::e_x = 30; // on the link
  Fl::e_y = 50;
  Fl::e_is_click = 1;
  Fl::handle(FL_PUSH, view->window());
  Fl::handle(FL_RELEASE, view->window());
  EXPECT_NE(std::string(view->value()).find("Thread series"), std::string::npos);
}

// Pages the view would crash on (a row of 1000 cells overruns its column
// table, a cell spanning no column divides by zero), a picture from outside
// the language folder: each is refused, saying why, and only after the
// pages were saved (a page the check misses could still take the program down).
TEST_F(HelpViewerTest, PagesTheViewCantTakeAreRefusedWithTheReason) {
  std::string cells;
  for (int i = 0; i < 1000; ++i)
    cells += "<td>x</td>";
  dir.write_file("outside.png", "no picture");
  const std::pair<std::string, int> pages[] = {
      {"<table>" + cells + "</table>", 842},
      {"<table><tr><td colspan=0>x<td>y</table>", 841},
      {"<p>Bevel</p><img src=\"../../outside.png\">", 844}};
  app::App& a = start_app();
  ASSERT_FALSE(dir.exists("State.ini"));
  for (const auto& [page, reason] : pages) {
    dir.write_file("language/en/bevel.html", page);
    a.show_help(static_cast<ui::HelpTopic>(5));
    EXPECT_NE(dir.read_file("State.ini").find("[p1]"), std::string::npos);
    const std::string shown = a.help_windows().back()->view()->value();
    EXPECT_NE(shown.find(a.lang(840)), std::string::npos) << page.substr(0, 40);
    EXPECT_NE(shown.find(a.lang(reason)), std::string::npos) << page.substr(0, 40);
  }
}
