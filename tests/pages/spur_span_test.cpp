// The spur gear page's number of teeth to span: it follows the gear, the job
// sheet's window and print and the unit button. (What the status
// line says for each gear that can't be is the form's test.)
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Spinner.H>

#include "pages/gears/spur_gear_page.h"
#include "pages/gears/spur_job_sheet_window.h"
#include "support/page_scenario.h"
#include "support/postscript.h"

using namespace testing_support;

namespace {

class SpurSpanTest : public PageAloneTest<gears::SpurGearPage> {
protected:
  // The teeth spanned of the counts offered, or "hidden"; " sheet" while the
  // job sheet can open.
  std::string spinner() {
    const Fl_Spinner* s = w().span_teeth;
    const std::string shown = std::to_string(int(s->value())) + " of " +
                              std::to_string(int(s->minimum())) + "-" +
                              std::to_string(int(s->maximum()));
    return (s->visible() ? shown : "hidden") + (w().job_sheet->active() ? " sheet" : "");
  }
};

TEST_F(SpurSpanTest, AnotherCountFollowsTheGearAndTheSheet) {
  run(w().pitch_value, "10", w().teeth, "20"); // 20°: across 3 teeth, 4 at most
  EXPECT_EQ(spinner(), "3 of 2-4 sheet");
  // Up to 4 teeth, past the last round to 2: 0.9396926 (1.5π + 20 × 0.0149044) / 10
  // = 0.470831 in; back to 4 (3.5π: 1.061257 in), whose sheet follows.
  const std::pair<int, Texts> clicks[] = {{1, {"Measure across 4 teeth (3 pitches)", "1.0613"}},
                                          {1, {"Measure across 2 teeth (1 pitch)", "0.4708"}},
                                          {2, {"Measure across 4 teeth (3 pitches)", "1.0613"}}};
  for (const auto& [arrow, texts] : clicks) {
    click(w().span_teeth->child(arrow));
    see({w().span_text, w().span_inch}, texts);
  }
  // The sheet spans the same teeth, in its window and on one printed page.
  click(w().job_sheet);
  gears::JobSheetWindow* sheet = page().job_sheet_window();
  ASSERT_TRUE(sheet && sheet->window()->shown());
  const std::string ps =
      printed_to_file(dir.path() + "/sheet.ps", [sheet] { click(sheet->widgets().print); });
  EXPECT_EQ(count_of(ps, "%%Page: "), 1);
  // clang-format off
  for (const char* text : {"Job sheet", "2.2 inch", "Dividing head: Brown and Sharp 40-1", "Measure across 4 teeth (3 pitches)", "1.0613 inch"})
    EXPECT_TRUE(contains(printed_texts(ps), text)) << text;
  // clang-format on
  click(sheet->widgets().close);
  EXPECT_FALSE(sheet->window()->shown());
  // 14.5°, 25 teeth: 29 × 25 / 360 + 0.5 = 2.51, 3 teeth of 2 to 4; 2 chosen. As a module
  // the gear is cut at 20°, a new gear with its standard count (25 / 9 + 0.5 = 3.3); back
  // at 14.5° the 2 chosen; another tooth count is a new gear again.
  run(w().angle_14_5, nullptr, w().teeth, "25", w().span_teeth->child(2), nullptr);
  // clang-format off
  std::string seen = spinner();
  units(); seen += ", " + spinner();
  units(); seen += ", " + spinner();
  run(w().teeth, "26"); seen += ", " + spinner();
  // clang-format on
  EXPECT_EQ(seen, "2 of 2-4 sheet, 3 of 2-4 sheet, 2 of 2-4 sheet, 3 of 2-4 sheet");
}

// A value wider than its column pushes the next column on; the others keep their width.
TEST_F(SpurSpanTest, SheetColumnsMakeRoomForLongValues) {
  const std::string wide = std::string(30, '8') + " mm";
  const std::vector<gears::JobSheetRow> rows = {{"a", {"1 mm", "2 in"}, false},
                                                {"b", {wide, "2 in", "3"}, false}};
  const std::vector<int> columns = gears::job_sheet_columns("Job", rows);
  ASSERT_EQ(columns.size(), 3u);
  fl_font(FL_HELVETICA, 12);
  EXPECT_GT(columns[1] - columns[0], fl_width(wide.c_str()));
  EXPECT_EQ(columns[2] - columns[1], 110);
}

} // namespace
