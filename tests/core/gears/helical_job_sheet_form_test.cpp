// The helical gear's job sheet, row by row, for the hand-worked module gear of
// the form's test, and what it says where the head has no train or circle.
#include "core/gears/helical_job_sheet_form.h"

#include "core/unit_test.h"

namespace gears {
namespace {

// Entries as "#n"; the units, the no-circle format and one long sentence written out.
std::string text(i18n::TextId id) {
  const std::map<int, std::string> texts = {
      {19, "mm"}, {20, "in"}, {890, "none for %d"},
      {886, "Swing the left-hand end of the table toward the column, seen from the front."}};
  return texts.count(id.entry) ? texts.at(id.entry) : "#" + std::to_string(id.entry);
}

// One line per row: "label|value|value", a heading as "== label".
std::vector<std::string> sheet(const HelicalGearFormInput& in) {
  std::vector<std::string> lines;
  for (const JobSheetRow& row : helical_job_sheet(in, "2026-12-08", text).value_or(
           std::vector<JobSheetRow>{})) {
    std::string line = row.heading ? "== " + row.label : row.label;
    for (const std::string& value : row.values)
      line += "|" + value;
    lines.push_back(line);
  }
  return lines;
}

TEST(HelicalJobSheet, ModuleFourThirtyTeethOnAFortyToOneHead) {
  // The sizes as in the form's test: d = 127.701 mm, the blank 135.701, whole
  // depth 2.157 x 4, lead 1102.248 mm, z_e 36.15 (cutter 6: 35-54 teeth).
  // A 6 mm lead screw leads 240 mm; 100 / 24 cuts 1000 mm, 102.248 mm short.
  const HelicalGearFormInput in{PitchSystem::kModule, PressureAngle::k20, "4", "30", "20", "45",
                                Hand::kRight, "6", true,
                                {"B&S", 40, {15, 16, 17, 18, 19, 20}, {24, 100}}};
  const std::vector<std::string> expected = {
      "#731|______________________________", "#732|2026-12-08", "== #733",
      "#857|4", "#863|4.2567", "#307|30", "#309|#311", "#468|20|#346",
      "#304|127.701 mm|5.0276 in", "#734|135.701 mm|5.3426 in", "#735|8.628 mm|0.3397 in",
      "#868|1102.248 mm|43.3956 in", "#356|159.627 mm|6.2845 in", "#871|1.5",
      "#313|6|35-54 #736", "#869|36.15",
      "== #895", "#205|B&S", "#874|6 mm", "#875|240.0 mm", "#876|100 / 24:  -9.276 %",
      "#877|24", "#880|100", "#881|1000.0 mm", "#882|-102.248 mm", "#860|#887",
      "#884|20° 0' 0\"", "#861|#885",
      // 40 / 30 = 1 1/3 turns: the circles of a multiple of 3 holes.
      "== #889", "#737|#212 15, #213 1, #214 5", "|#212 18, #213 1, #214 6",
      "== #740", "#305|135.701 mm|5.3426 in", "#872|6.281 mm|0.2473 in", "#873|4.068 mm|0.1602 in"};
  EXPECT_EQ(sheet(in), expected);
}

TEST(HelicalJobSheet, SaysWhereTheHeadHasNoTrainOrCircle) {
  // DP 10, 24 teeth, 45°, left hand, in inches first; a head without change
  // gears and without a circle of a multiple of 3 holes for 1 2/3 turns.
  HelicalGearFormInput in{PitchSystem::kDiametralPitch, PressureAngle::k20, "10", "24", "45", "",
                          Hand::kLeft, "0.25", false, {"Other", 40, {17, 19}, {}}};
  const std::vector<std::string> lines = sheet(in);
  // The long sentence goes on in a second row, broken at the last blank within 60 bytes.
  for (const char* line : {"#858|10", "#304|3.3941 in|86.21 mm", "#891", "#884|45° 0' 0\"",
                           "#861|Swing the left-hand end of the table toward the column, seen",
                           "|from the front.", "none for 24", "#313|2|55-134 #736"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
  EXPECT_TRUE(std::none_of(lines.begin(), lines.end(), [](const std::string& line) {
    return line.rfind("#356", 0) == 0; // no mate, no centre distance
  }));
  // No gear, no sheet.
  in.helix = "";
  EXPECT_TRUE(sheet(in).empty());
}

} // namespace
} // namespace gears
