// What the print routines put on paper, written to a PostScript file: the
// dovetail sheets and the lists of gear trains — pages as the rows need,
// headings, and the numbers at their precision — and every printing page's
// sheets. (The indexing table's pages are laid out by the dividing head's
// own tests.)
#include "support/gui_test.h"

#include <ctime>

#include "pages/gears/bevel_gear_print.h"
#include "pages/gears/gear_ratio_print.h"
#include "pages/geometry/bolt_circle_page.h"
#include "pages/workshop/change_gear_results_window.h"
#include "pages/workshop/dividing_head_print.h"
#include "pages/workshop/dovetail_print.h"
#include "support/postscript.h"
#include "ui/print_job.h"

using namespace testing_support;
using workshop::DovetailSheets;

namespace {

class PrintedPagesTest : public AppTest {
protected:
  void SetUp() override { start_app(); }
  // The pages printed and the texts on them.
  std::pair<int, std::vector<std::string>>
  print(int pages, const std::function<void(Fl_Paged_Device&)>& draw) {
    const std::string ps = print_to_postscript(dir.path() + "/printed.ps", pages, draw);
    return {count_of(ps, "%%Page: "), printed_texts(ps)};
  }
  // Trains of 20:40 (ratio 2) and of 20:40 with 30:27 (ratio 1.8) in turn.
  static gears::ResultList trains(int count) {
    gears::ResultList list;
    const gears::GearPair p20_40{2.0, 20, 40, 0}, p30_27{0.9, 30, 27, 0};
    for (int i = 0; i < count; ++i)
      list.push_back(i % 2 ? gears::make_result({p20_40}, 2.0)
                           : gears::make_result({p20_40, p30_27}, 1.8));
    return list;
  }
};

void expect_texts(const std::vector<std::string>& texts, const std::vector<std::string>& present,
                  const std::vector<std::string>& absent = {}) {
  for (const std::string& text : present)
    EXPECT_TRUE(contains(texts, text)) << text;
  for (const std::string& text : absent)
    EXPECT_FALSE(contains(texts, text)) << text;
}

} // namespace

TEST_F(PrintedPagesTest, EachDovetailSheetIsAPageWithItsTitleAndNumbers) {
  workshop::DovetailPrintValues mm;
  mm.millimetre = true;
  mm.male = {40.0, 8.0, 51.0};    // one pin: (40 + 51) / 2 = 45.5
  mm.female = {30.0, 8.25, 12.5}; // one pin: (30 + 12.5) / 2 = 21.25
  mm.pin_diameter = 6.0;
  workshop::DovetailPrintValues inch;
  inch.female = {1.25, 0.314, 0.5}; // one pin: (1.25 + 0.5) / 2 = 0.875
  inch.pin_diameter = 0.25;
  struct Case {
    const workshop::DovetailPrintValues& values;
    DovetailSheets sheets;
    int pages;
    std::vector<std::string> present, absent;
  };
  // clang-format off
  const Case cases[] = {
      {mm, DovetailSheets::kBoth, 2, {"Male dovetail", "40.00", "8.00", "45.50", "51.00",
        "Female dovetail", "30.00", "8.25", "21.25", "12.50", "Units: mm   Pin diameter = 6.00"}, {}},
      {mm, DovetailSheets::kMaleOnly, 1, {"Male dovetail", "45.50"}, {"Female dovetail", "12.50"}},
      {mm, DovetailSheets::kFemaleOnly, 1, {"Female dovetail", "12.50"}, {"Male dovetail", "45.50"}},
      // Inches at three decimals.
      {inch, DovetailSheets::kFemaleOnly, 1, {"Female dovetail", "1.250", "0.314", "0.875", "0.500",
        "Units: inches   Pin diameter = 0.250"}, {}}};
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.present[1]);
    auto [pages, texts] = print(c.pages, [&](Fl_Paged_Device& device) {
      workshop::draw_dovetail_sheets(device, *app, c.values, c.sheets);
    });
    EXPECT_EQ(pages, c.pages);
    expect_texts(texts, c.present, c.absent);
  }
}

TEST_F(PrintedPagesTest, GearTrainListsRunOnToMorePagesOrStopAtTenRows) {
  const std::string ratio = "Gear trains for ratio 2 - 1 within 0.0001% above and below";
  const std::string screw = "2 mm pitch lead screw - 1 mm pitch";
  // Gear ratio: 40 points a train, so sixty of them need at least 2400 points
  // of paper. Change gears: ten rows at most, "Gears:" (no space, one line) once each.
  struct Case {
    bool ratio_list;
    int trains, fewest_pages, most_pages, gears_labels;
  };
  for (const Case& c :
       {Case{true, 3, 1, 1, 0}, Case{true, 60, 3, 5, 0}, Case{false, 12, 1, 1, 10}}) {
    SCOPED_TRACE(c.trains);
    auto [pages, texts] = print(1, [&](Fl_Paged_Device& device) {
      EXPECT_TRUE(c.ratio_list
                      ? gears::draw_ratio_results(device, *app, ratio, trains(c.trains))
                      : workshop::draw_change_gear_results(device, *app, screw, trains(c.trains),
                                                           {"20", "27", "30", "40"}));
    });
    EXPECT_GE(pages, c.fewest_pages);
    EXPECT_LE(pages, c.most_pages);
    expect_texts(texts, {"20", "40", "30", "27"});
    if (c.ratio_list)
      expect_texts(
          texts, {ratio, "X", "Ratio = 2.0       Error = 0.0%", "Ratio = 1.8       Error = 0.0%"});
    else
      expect_texts(texts, {screw, "to screw", "Error = 0.0%"});
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Gears:"), c.gears_labels);
  }
}

// Each printing page's own print, as its button starts it: every sheet names
// the page as its navigation button does, and the day.
TEST_F(PrintedPagesTest, EverySheetOfEveryPrintingPageNamesThePageAndTheDay) {
  char today[16];
  const std::time_t now = std::time(nullptr);
  std::strftime(today, sizeof today, "%Y-%m-%d", std::localtime(&now));
  auto& bolt = dynamic_cast<geometry::BoltCirclePage&>(*app->page(ui::PageId::kBoltCircle));
  for (Fl_Input* field : {bolt.widgets().total_holes, bolt.widgets().holes_to_list})
    type_text(field, "4");
  type_text(bolt.widgets().diameter, "100");
  const auto dovetail = [&](ui::PageId page, DovetailSheets sheets) {
    workshop::dovetail_print(*app, page, {}, sheets);
  };
  const gears::BevelPrintSheet bevel{"Pinion", "", "", {}, {}};
  const auto rows = workshop::collect_division_table(40, {20}, 40, 41);
  // clang-format off
  const std::pair<std::string, std::function<void()>> prints[] = {
      {"Dovetail", [&] { dovetail(ui::PageId::kDovetail, DovetailSheets::kBoth); }},
      {"Dovetail: make the mating part", [&] { dovetail(ui::PageId::kDovetailMeasurement, DovetailSheets::kMaleOnly); }},
      {"Bolt hole circle", [&] { bolt.print_hole_list(); }},
      {"Dividing head", [&] { workshop::print_division_table(*app, workshop::division_table_texts(*app, "H", 40), rows); }},
      {"Bevel gears", [&] { gears::print_bevel_gear(*app, {bevel, bevel}); }},
      {"Gear ratio search", [&] { gears::print_ratio_results(*app, "", trains(2)); }},
      {"Change gears for screw cutting", [&] { workshop::print_change_gear_results(*app, "", trains(2), {}); }}};
  // clang-format on
  ui::print_to_file_instead(dir.path() + "/job.ps");
  for (const auto& [title, print] : prints) {
    print();
    const std::string ps = dir.read_file("job.ps");
    const std::vector<std::string> texts = printed_texts(ps);
    const int pages = count_of(ps, "%%Page: ");
    EXPECT_GE(pages, title == "Dovetail" || title == "Bevel gears" ? 2 : 1) << title;
    EXPECT_EQ(std::count(texts.begin(), texts.end(), title), pages) << title;
    EXPECT_EQ(std::count(texts.begin(), texts.end(), today), pages) << title;
  }
  ui::print_to_file_instead(dir.path() + "/no such folder/job.ps"); // a print that can't start
  EXPECT_FALSE(
      ui::print_job(*app, ui::PageId::kBoltCircle, 1, [](Fl_Paged_Device&) { return true; }));
  ui::print_to_file_instead("");
}
