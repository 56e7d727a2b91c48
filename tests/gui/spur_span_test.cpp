// The spur gear page's span measurement and its results as the fields
// change: a gear the fields no longer make leaves nothing on the page, and
// another number of teeth to span follows the gear, the job sheet and a
// restart.
#include <FL/Fl_Spinner.H>

#include <regex>

#include "calc/gears/spur_gear_page.h"
#include "gui/support/page_scenario.h"

using namespace testing_support;
using gears::SpurGearWidgets;

namespace {

class SpurSpanTest : public PageTest<gears::SpurGearPage, 10> {
protected:
  // The teeth spanned and the counts offered, or "hidden".
  std::string spinner() {
    const Fl_Spinner* s = w().span_teeth;
    if (!s->visible())
      return "hidden";
    return std::to_string(int(s->value())) + " of " + std::to_string(int(s->minimum())) + "-" +
           std::to_string(int(s->maximum()));
  }
};

TEST_F(SpurSpanTest, NoGearLeavesNoResultAndTheStatusSaysWhy) {
  const SpurGearWidgets& g = w();
  const std::vector<const Fl_Widget*> results = {g.inch[0],         g.mm[8],  g.module,
                                                 g.diametral_pitch, g.cutter, g.span_text,
                                                 g.span_inch,       g.span_mm};
  const Texts none(results.size(), "");
  act(g.pitch_value, "12.5", g.teeth, "30");
  ASSERT_NE(shown_all(results), none);
  // Status entries: 318 too few teeth, 753 no tooth count, 752 no tooth size.
  const std::tuple<Fl_Widget*, const char*, int> steps[] = {
      {g.pitch_value, "5", 306}, {g.teeth, "8", 318},  {g.teeth, "", 753},
      {g.teeth, "0", 318},       {g.teeth, "30", 306}, {g.pitch_value, "", 752},
      {g.pitch_value, "0", 752}};
  for (const auto& [field, typed, status] : steps) {
    act(field, typed);
    SCOPED_TRACE(std::string(typed) + " " + std::to_string(status));
    EXPECT_EQ(shown(g.status), lang(status));
    if (status != 306) {
      see(results, none);
      EXPECT_EQ(spinner() + (g.job_sheet->active() ? " sheet" : ""), "hidden");
    }
  }
  // Another tooth size empties the page and its sheet.
  act(g.pitch_value, "10");
  ASSERT_TRUE(g.job_sheet->active());
  act(g.systems[0], nullptr);
  see(results, none);
  EXPECT_FALSE(g.job_sheet->active());
}

TEST_F(SpurSpanTest, AnotherCountFollowsTheGearTheSheetAndARestart) {
  const Fl_Spinner* s = w().span_teeth;
  act(w().pitch_value, "10", w().teeth, "20"); // 20°: across 3 teeth, 4 at most
  EXPECT_EQ(spinner(), "3 of 2-4");
  // Up to 4 teeth, past the last round to 2, down past the first to 4:
  // 0.9396926 (1.5π + 20 × 0.0149044) / 10 = 0.470831 in for 2 teeth.
  const std::pair<int, Texts> clicks[] = {{1, {"Measure across 4 teeth (3 pitches)", "1.0613"}},
                                          {1, {"Measure across 2 teeth (1 pitch)", "0.4708"}},
                                          {2, {"Measure across 4 teeth (3 pitches)", "1.0613"}}};
  for (const auto& [arrow, texts] : clicks) {
    click(s->child(arrow));
    see({w().span_text, w().span_inch}, texts);
  }
  const auto sheet = page().job_sheet().value();
  EXPECT_TRUE(std::any_of(sheet.begin(), sheet.end(), [](const gears::JobSheetRow& row) {
    return row.label == "Measure across 4 teeth (3 pitches)" && row.values[0] == "1.0613 inch";
  }));

  restart_app();
  EXPECT_EQ(spinner() + " " + shown(w().span_inch), "4 of 2-4 1.0613");
  // A count the gear no longer allows gives way to the standard count.
  stop_app();
  const std::string state = dir.read_file("State.ini");
  dir.write_file("State.ini", std::regex_replace(state, std::regex("(span_teeth *= )4"), "$019"));
  open();
  EXPECT_EQ(spinner(), "3 of 2-4");
  act(w().angle_14_5, nullptr, w().span_teeth->child(2), nullptr); // 2 teeth: 2 of 2-3, down to 3
  act(w().teeth, "21");                                            // a new gear: the standard again
  EXPECT_EQ(spinner(), "2 of 2-3");
}

} // namespace
