// The dividing head's lists never keep an answer to an earlier question:
// they follow the number, the head, its circles and its gears. Where no
// circle fits, the head's change gears are offered; the angle takes a
// decimal comma and says when it can't be read; a long table asks first.
#include "app/main_window.h"
#include "app/plate_editor_window.h"
#include "calc/workshop/change_gear_set_window.h"
#include "calc/workshop/dividing_head_page.h"
#include "calc/workshop/dividing_head_print.h"
#include "calc/workshop/indexing_window.h"
#include "gui/support/page_scenario.h"
#include "gui/support/postscript.h"
#include "ui/print_job.h"

#include <cstdio>

using namespace testing_support;

namespace {

Texts lines_of(const Fl_Browser* list) {
  Texts lines;
  for (int i = 1; i <= list->size(); ++i)
    lines.push_back(list->text(i));
  return lines;
}

// The page count a PostScript file states: its last "%%Pages:" (the trailer's
// when the header defers to it).
std::string stated_pages(const std::string& ps) {
  const std::size_t at = ps.rfind("%%Pages: ") + 9;
  return ps.substr(at, ps.find('\n', at) - at);
}

class DividingHeadListsTest : public PageTest<workshop::DividingHeadPage, 7> {
protected:
  workshop::IndexingWindow& ways() { return page().indexing_window(); }
  void choose_head(const char* name) {
    w().head->value(w().head->find_index(name));
    w().head->do_callback();
  }
};

TEST_F(DividingHeadListsTest, TheListFollowsTheNumberTheHeadItsCirclesAndGears) {
  // 40 / 24 = 1 2/3: 10 of 15, 12 of 18, ...; 90 / 24 = 3 3/4: 12 of 16, 15 of 20.
  act(w().divisions, "24");
  EXPECT_EQ(lines_of(w().results).at(0), "@c15\t@c1\t@c10");
  choose_head("90-1");
  EXPECT_EQ(lines_of(w().results), (Texts{"@c16\t@c3\t@c12", "@c20\t@c3\t@c15"}));
  act(w().divisions, "1");
  EXPECT_EQ(lines_of(w().results), Texts{});
  EXPECT_FALSE(w().calculate->active());
  // 90 / 7 = 12 6/7: 18 of 21 and 42 of 49; the 21 circle taken off the head.
  act(w().divisions, "7", w().edit_plates, nullptr);
  Fl_Check_Browser* circles = app->plate_editor()->widgets().head_list;
  for (int line = 1; line <= circles->nitems(); ++line)
    circles->checked(line, std::string(circles->text(line)) == "21");
  circles->do_callback(); // as a user's tick does
  click(app->plate_editor()->widgets().remove);
  EXPECT_EQ(lines_of(w().results), Texts{"@c49\t@c12\t@c42"});
}

// 127 on the Brown and Sharp head: no circle, but A = 120 is 1/3 turn (5 of
// 15) and 40 (120 - 127) / 120 = -7/3 is the head's 56 : 24.
TEST_F(DividingHeadListsTest, WhereNoCircleFitsTheHeadsGearsAreOfferedInTheUsersLanguage) {
  install_language(dir.path(), "de");
  for (const char* code : {"en", "de"}) {
    SCOPED_TRACE(code);
    if (code == std::string("de")) {
      click(app->main_frame()->language_button());
      settle(); // the switch runs once the button's callback has returned
      open();
    }
    ASSERT_EQ(app->current_language(), code);
    act(w().divisions, "127");
    EXPECT_EQ(lines_of(w().results),
              (Texts{"@." + lang(216), " ", "@." + lang(770),
                     "@." + lang(771).replace(lang(771).find("%d"), 2, "120")}));
    fl_font(w().results->textfont(), w().results->textsize());
    for (const std::string& line : lines_of(w().results))
      EXPECT_LT(fl_width(line.c_str() + 2), w().results->w() - 10) << line; // after "@."
    EXPECT_EQ(w().differential->label(), lang(772));
    click(w().differential);
    EXPECT_TRUE(ways().window()->visible());
    see({ways().widgets().divisions}, {"127"});
    EXPECT_EQ(lines_of(ways().widgets().differential_list).at(0).substr(0, 8), "A = 120:");
    ways().window()->hide();
  }
  choose_head("90-1"); // no change gears: the circles of other plates, no button
  see({w().differential}, {"hidden"});
  EXPECT_EQ(lines_of(w().results).at(2), "@." + lang(217));
}

TEST_F(DividingHeadListsTest, TheAngleTakesADecimalCommaAndSaysWhatItCantUse) {
  click(w().other_ways);
  // 11.5 x 40 / 360 = 1 5/18 turns: 5 holes of 18.
  // clang-format off
  const std::pair<const char*, std::string> cases[] = {
      {"11,5", "       18       1        5  11\xC2\xB0" "30'0\""}, {"11x", lang(774)}, {"400", lang(775)}};
  // clang-format on
  for (const auto& [typed, line] : cases) {
    act(ways().widgets().angle, typed);
    const Fl_Browser* list = ways().widgets().angle_list;
    EXPECT_EQ(list->size() ? list->text(list->size()) : "", line) << typed;
  }
}

// An A4 sheet's 806 points less the stamp (18) and the heading (24) leave 764:
// rows at 31 + 22 k while 31 + 22 k + 23 < 764, 33 a block, 66 a page.
TEST_F(DividingHeadListsTest, AHugeTableAsksFirstAndEveryPrintStatesItsPageCount) {
  ui::print_to_file_instead(dir.path() + "/table.ps");
  const workshop::DivisionTableTexts texts = workshop::division_table_texts(*app, "H", 40);
  for (const auto& [rows, pages] : {std::pair{660, 10}, {661, 11}}) {
    dialogs.answers = {true};
    workshop::print_division_table(
        *app, texts, std::vector<workshop::DivisionRow>(rows, {2, {{15, 2, 10}}, {}}));
    const std::string ps = dir.read_file("table.ps");
    EXPECT_EQ(stated_pages(ps), std::to_string(pages));
    EXPECT_EQ(count_of(ps, "%%Page: "), pages);
    EXPECT_EQ(dialogs.answers.size(), pages > 10 ? 0u : 1u);
  }
  EXPECT_EQ(dialogs.questions, Texts{"The table takes 11 pages. Print them all?"});
  // From 2 to 99999 on the page: asked how many pages; on no, no job at all.
  for (const bool yes : {false, true}) {
    std::remove((dir.path() + "/table.ps").c_str());
    dialogs.questions.clear();
    dialogs.answers = {yes};
    act(w().to, "99999", w().print, nullptr);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dir.exists("table.ps"), yes);
  }
  const int pages = count_of(dir.read_file("table.ps"), "%%Page: ");
  EXPECT_GT(pages, 10);
  EXPECT_EQ(dialogs.questions[0],
            "The table takes " + std::to_string(pages) + " pages. Print them all?");
  ui::print_to_file_instead("");
}

} // namespace
