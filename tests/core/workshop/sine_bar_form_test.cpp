// The sine-bar page's texts for hand-worked set-ups: the height of an angle
// and the angle of a height, the stack from the program's sets (with wear
// blocks, across units), the nearest heights where no stack makes one, and
// the sheet. Which blocks a stack holds is the search's business: here its
// count and height, and where one stack is the only one, its blocks.
#include "core/workshop/sine_bar_form.h"

#include "core/i18n/common_texts.h"
#include "core/unit_test.h"
#include "core/workshop/workshop_texts.h"

namespace workshop {
namespace {

std::string word(i18n::TextId entry) {
  return entry == texts::kInchUnit ? "in" : entry == texts::kMmUnit ? "mm" : "#" + std::to_string(entry.entry);
}

const GaugeBlockSet& inch81() { return standard_gauge_sets()[0]; }
const GaugeBlockSet& metric112() { return standard_gauge_sets()[1]; }

SineBarFormInput angle_in(const char* length, const char* degrees) {
  return {false, length, false, degrees, "", inch81(), false, ""};
}
SineBarFormInput height_in(const char* length, const char* height) {
  return {false, length, true, "", height, inch81(), false, ""};
}

TEST(SineBarForm, HeightsAnglesAndTheirStacks) {
  // 5 x sin 60° = 4.330127: 4.3301, which gives asin 0.86602 = 59.999381°
  // (59° 59' 57.8"); no warning at 60° itself, one at 60.5°. Four blocks at
  // the fewest (0.1001 + 0.130 + 0.100 + 4).
  SineBarForm form = sine_bar_form(angle_in("5", "60"), word);
  EXPECT_EQ(form.wanted.height + " " + form.wanted.degrees + " " + form.wanted.dms,
            "4.3301 59.9994 59°59'57.8\"");
  EXPECT_FALSE(form.steep);
  EXPECT_EQ(form.count, 4);
  EXPECT_EQ(form.stack.height, "4.3301");
  EXPECT_TRUE(sine_bar_form(angle_in("5", "60.5"), word).steep);
  // 2.6124 on 5 in: asin 0.52248 = 31.498752° (31° 29' 55.5"). Only 0.1004
  // ends in 4; 2.512 left needs a block of 0.xx2 and the rest (2.41 to 2.37)
  // is no block: four.
  form = sine_bar_form(height_in("5", "2.6124"), word);
  EXPECT_EQ(form.wanted.degrees + " " + form.wanted.dms, "31.4988 31°29'55.5\"");
  EXPECT_EQ(form.count, 4);
  // 100 mm at 30°: 50 mm, the 50 block alone; 50.8 mm on the inch set: 2 in.
  form = sine_bar_form({true, "100", false, "30", "", metric112(), false, ""}, word);
  EXPECT_EQ(form.wanted.height + " " + form.blocks.at(0), "50.0 50 mm");
  form = sine_bar_form({true, "100", true, "", "50.8", inch81(), false, ""}, word);
  EXPECT_EQ(form.blocks, (std::vector<std::string>{"2.000 in"}));
  EXPECT_EQ(form.stack.height, "50.8");
}

TEST(SineBarForm, WearBlocksNearestHeightsAndWhyNothingShows) {
  // Two wear blocks of 0.05 leave 4.2301 of 4.3301: 0.1001 + 0.130 + 4 (two
  // blocks can't: 4.13 is none), between the wear blocks.
  SineBarFormInput in = angle_in("5", "60");
  in.wear = true;
  in.wear_size = "0.05";
  SineBarForm form = sine_bar_form(in, word);
  EXPECT_EQ(form.blocks, (std::vector<std::string>{"0.05 in", "4.000 in", "0.130 in", "0.1001 in",
                                                   "0.05 in"}));
  EXPECT_EQ(form.count, 3);
  in.wear_size = "3"; // 6 of wear under a 4.3301 stack
  EXPECT_EQ(sine_bar_form(in, word).reason, texts::kWearBlocksTooHigh);
  // 0.0505 in: no block of 0.0005. Below it 0.050 (asin 0.01 = 0.572967°), above
  // it 0.100 (asin 0.02 = 1.145992°).
  form = sine_bar_form(height_in("5", "0.0505"), word);
  ASSERT_TRUE(form.no_stack && form.below && form.above);
  EXPECT_EQ(form.below->height + " " + form.below->degrees, "0.05 0.573");
  EXPECT_EQ(form.above->height + " " + form.above->degrees, "0.1 1.146");
  EXPECT_TRUE(form.blocks.empty());
  // A stack higher than the bar, or no bar: no angle.
  EXPECT_EQ(sine_bar_form(height_in("5", "6"), word).reason, texts::kHeightOverLength);
  EXPECT_EQ(sine_bar_form(height_in("", "2"), word).wanted.height, "");
}

TEST(SineBarForm, TheSheetNamesTheSetUpAndTheBlocksInOrder) {
  SineBarFormInput in = angle_in("5", "60");
  in.set = {"Own", false, {10010, 13000, 10000, 400000}}; // 0.1001, 0.130, 0.100, 4
  const auto rows = sine_bar_sheet(in, "2026-12-08", word);
  ASSERT_TRUE(rows);
  std::vector<std::string> lines;
  for (const gears::JobSheetRow& row : *rows) {
    std::string line = (row.heading ? "== " : "") + row.label;
    for (const std::string& value : row.values)
      line += "|" + value;
    lines.push_back(line);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "#732|2026-12-08", "#897|5 in", "#900|60|60°0'0.0\"",
                       "#901|4.3301 in", "#902|Own", "== #906", "1|4.000 in", "2|0.130 in",
                       "3|0.1001 in", "4|0.100 in", "#908|4.3301 in|59.9994|59°59'57.8\""}));
  // 0.0505 in, which no stack makes: the nearest heights either side instead.
  const auto nearest = sine_bar_sheet(height_in("5", "0.0505"), "", word);
  ASSERT_TRUE(nearest);
  EXPECT_EQ(nearest->back().label + "|" + nearest->back().values[0], "#912|0.1 in");
  EXPECT_EQ((*nearest)[nearest->size() - 2].values[0], "0.05 in");
  EXPECT_FALSE(sine_bar_sheet(angle_in("5", ""), "", word));
}

} // namespace
} // namespace workshop
