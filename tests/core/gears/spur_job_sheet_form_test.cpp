#include "core/gears/spur_job_sheet_form.h"

#include "core/unit_test.h"

namespace {

using gears::PitchSystem;
using gears::PressureAngle;

// Entries as "#n"; the units and the span line's format written out.
std::string text(i18n::TextId id) {
  const int entry = id.entry;
  const std::map<int, std::string> texts = {{19, "mm"}, {20, "in"}, {315, "%d teeth/%d"}};
  return texts.count(entry) ? texts.at(entry) : "#" + std::to_string(entry);
}

// One line per row: "label|value|value", a heading as "== label".
std::vector<std::string> sheet(const char* module, const char* teeth, std::vector<int> gears,
                               long span_teeth = 0) {
  // clang-format off
  const gears::JobSheetHead head{"B&S", 40, {15, 16, 17, 18, 19, 20, 21, 23, 27, 29, 31, 33, 37, 39, 41, 43, 47}, std::move(gears)};
  // clang-format on
  std::vector<std::string> lines;
  const auto rows =
      gears::spur_job_sheet({PitchSystem::kModule, PressureAngle::k20, module, teeth, span_teeth},
                            head, "2026-12-06", text);
  for (const gears::JobSheetRow& row : rows.value_or(std::vector<gears::JobSheetRow>{})) {
    std::string line = row.heading ? "== " + row.label : row.label;
    for (const std::string& value : row.values)
      line += "|" + value;
    lines.push_back(line);
  }
  return lines;
}

TEST(SpurJobSheet, ModuleTwoThirtyTeethOnAFortyToOneHead) {
  const std::vector<std::string> expected = {
      "#731|______________________________", "#732|2026-12-06", "== #733",
      // 25.4 / 2 = 12.7 per inch; p = 2 pi = 6.2832 mm = 0.24737 in.
      "#293|2.0", "#294|12.7", "#301|6.283 mm|0.2474 in", "#307|30", "#309|#311",
      // D = 2 x 30 = 60 mm = 2.36220 in; blank 60 + 2 x 2 = 64 mm = 2.51969 in;
      // depth 2 + 1.157 x 2 = 4.314 mm = 0.16984 in.
      "#304|60.0 mm|2.3622 in", "#734|64.0 mm|2.5197 in", "#735|4.314 mm|0.1698 in",
      "#313|5|26-34 #736", "== #205: B&S",
      // 40 / 30 = 1 1/3 turns: every circle of a multiple of 3 holes.
      "#737|#212|#213|#214", "|15|1|5", "|18|1|6", "|21|1|7", "|27|1|9", "|33|1|11", "|39|1|13",
      "== #740",
      // Across 4 teeth: 2 x 0.9396926 x (3.5 pi + 30 x 0.0149044) = 21.50525 mm = 0.84666 in.
      "4 teeth/3|21.505 mm|0.8467 in",
      // Pin 1.68 / 12.7 = 0.13228 in = 3.36 mm. inv phi = 0.0149044 + 3.36 / (60 cos 20)
      // - pi / 60 = 0.0221385, phi = 22.7063 deg; M = 56.38156 / cos phi + 3.36
      // = 64.4785 mm = 2.53852 in.
      "#402|3.36 mm|0.1323 in", "#395|64.478 mm|2.5385 in"};
  EXPECT_EQ(sheet("2", "30", {}), expected);
  // Across the 5 teeth chosen on the page: 2 x 0.9396926 x (4.5 pi + 0.447131) = 27.40952 mm.
  EXPECT_EQ(sheet("2", "30", {}, 5)[21], "5 teeth/4|27.41 mm|1.0791 in");
}

// Only the indexing lines differ from one tooth count to the next.
TEST(SpurJobSheet, DifferentialOrNoIndexingWhereNoCircleServes) {
  const auto indexing = [](const std::vector<std::string>& lines) {
    std::vector<std::string> part;
    for (size_t i = 13; i < lines.size() && lines[i] != "== #740"; ++i)
      part.push_back(lines[i]);
    return part;
  };
  // 127 is prime, beyond the circles. Nearest A with a simple train:
  // 120 (1/3 turn = 5 holes on 15), gears 40 x (120 - 127) / 120 = -7/3 =
  // 56 : 24, against the crank, simple train: two idlers.
  EXPECT_EQ(
      indexing(sheet("2", "127", {24, 24, 28, 32, 40, 44, 48, 56, 64, 72, 86, 100})),
      (std::vector<std::string>{"#738|A = 120: 0 #670 + 5 #671 15", "|56 : 24, #673, #674 2"}));
  // 131 is prime and no change gears are owned.
  EXPECT_EQ(indexing(sheet("2", "131", {})), (std::vector<std::string>{"#739"}));
  // Fewer than 12 teeth make no gear, so no sheet.
  EXPECT_TRUE(sheet("2", "11", {}).empty());
  // A gear too small for the sheet's places: the pin of module 0.0005 is
  // 0.000864 mm = 0.00003 in, nothing at 4 places; module 0.001 shows 0.0001 in.
  EXPECT_TRUE(sheet("0.0005", "30", {}).empty());
  EXPECT_FALSE(sheet("0.001", "30", {}).empty());
}

} // namespace
