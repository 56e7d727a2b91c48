// The dividing head's list never keeps an answer to an earlier question;
// where no circle fits, the head's change gears are offered; the angle takes
// a decimal comma and says when it can't be used; a long table asks first.
#include "calc/workshop/dividing_head_page.h"
#include "calc/workshop/dividing_head_print.h"
#include "calc/workshop/indexing_window.h"
#include "gui/support/page_scenario.h"
#include "gui/support/postscript.h"
#include "ui/print_job.h"

using namespace testing_support;

namespace {

using DividingHeadListsTest = PageTest<workshop::DividingHeadPage, 7>;

// 127 on the Brown and Sharp head: no circle, but A = 120 is 1/3 turn (5 of
// 15) and 40 (120 - 127) / 120 = -7/3 is the head's 56 : 24.
TEST_F(DividingHeadListsTest, TheListFollowsItsInputsAndOffersTheHeadsGears) {
  act(w().divisions, "127");
  const Texts lines = {"@." + lang(216), " ", "@." + lang(770), "@.index for A = 120."};
  EXPECT_EQ(lines_of(w().results), lines);
  fl_font(w().results->textfont(), w().results->textsize());
  for (const std::string& line : lines) // after "@." (the blank line has none), inside the borders
    EXPECT_LT(fl_width(line.substr(line.rfind("@.", 0) == 0 ? 2 : 0).c_str()), w().results->w() - 8)
        << line;
  click(w().differential);
  const workshop::IndexingWidgets& ways = page().indexing_window().widgets();
  see({ways.divisions}, {"127"});
  act(w().divisions, "24"); // 1 2/3 turns: 10 of 15, ...; no button
  see({w().differential}, {"hidden"});
  run(w().head, "#2"); // the 90-1 head: 90 / 24 = 3 3/4: 12 of 16, 15 of 20
  EXPECT_EQ(lines_of(w().results), (Texts{"@c16\t@c3\t@c12", "@c20\t@c3\t@c15"}));
  act(w().divisions, "1");
  EXPECT_EQ(w().results->size() + w().calculate->active(), 0); // an empty list, no Calculate
  // The angle: not one, and not above 0 up to 360 degrees.
  for (const auto& [typed, entry] : {std::pair{"11x", 774}, {"400", 775}}) {
    act(ways.angle, typed);
    EXPECT_EQ(lines_of(ways.angle_list), Texts{lang(entry)});
  }
}

// An A4 sheet's 806 points less the stamp (18) and the heading (24) leave 764:
// rows at 31 + 22 k while 31 + 22 k + 23 < 764, 33 a block, 66 a page. The
// PostScript states its count in the trailer ("%%Pages: (atend)" first).
TEST_F(DividingHeadListsTest, ALongTableAsksFirstAndThePrintStatesItsPageCount) {
  ui::print_to_file_instead(dir.path() + "/table.ps");
  dialogs.answers = {false, true}; // no starts no job at all
  act(w().to, "99999", w().print, nullptr);
  EXPECT_FALSE(dir.exists("table.ps"));
  for (const int rows : {660, 661})
    workshop::print_division_table(
        *app, workshop::division_table_texts(*app, "H", 40),
        std::vector<workshop::DivisionRow>(rows, {2, {{15, 2, 10}}, {}}));
  const std::string ps = dir.read_file("table.ps");
  EXPECT_EQ(std::make_pair(count_of(ps, "%%Page: "), ps.substr(ps.rfind("%%Pages:"))),
            std::make_pair(11, std::string("%%Pages: 11\n%%EOF")));
  EXPECT_EQ(dialogs.questions.size(), 2u); // none for ten pages
  EXPECT_EQ(dialogs.questions.back(), "The table takes 11 pages. Print them all?");
  ui::print_to_file_instead("");
}

} // namespace
