// Angles and differential indexing, from cases worked by hand.
#include "core/workshop/angular_indexing_calc.h"
#include "core/workshop/differential_indexing_calc.h"

#include "core/unit_test.h"

namespace workshop {
namespace {

using Lines = std::vector<std::string>;
const std::vector<int> kBrownAndSharp = {15, 16, 17, 18, 19, 20, 21, 23, 27,
                                         29, 31, 33, 37, 39, 41, 43, 47};

TEST(AngularIndexing, ParsesDecimalDegreesAndDms) {
  constexpr auto A = AngleEntry::kAngle, U = AngleEntry::kUnreadable, O = AngleEntry::kOutOfRange;
  // clang-format off
  const std::tuple<const char*, std::optional<double>, AngleEntry> cases[] = {
      {"35", 35.0, A}, {"35.5", 35.5, A}, {"35 30", 35.5, A}, {"35:30:36", 35.51, A}, {"360", 360.0, A},
      {"35\302\26030'36\"", 35.51, A}, {" 12 0 0 ", 12.0, A}, {"35 60", {}, U}, {"35.5 10", {}, U}, {"11x", {}, U},
      {"1 2 3 4", {}, U}, {"-5", {}, U}, {" ", {}, AngleEntry::kBlank}, {"0", 0.0, O}, {"360 0 36", 360.01, O},
      // A comma is a decimal point: 30,6' = 0.51 degree.
      {"11,5", 11.5, A}, {"35 30,6", 35.51, A}, {"1,2,5", {}, U}, {"35,5 10", {}, U}};
  // clang-format on
  for (const auto& [text, degrees, entry] : cases) {
    const std::optional<double> got = parse_angle(text);
    ASSERT_EQ(got.has_value(), degrees.has_value()) << text;
    EXPECT_NEAR(got.value_or(0), degrees.value_or(0), 1e-12) << text;
    EXPECT_EQ(read_angle_entry(text), entry) << text;
  }
}

Lines lines(const AngleResult& result) {
  Lines out;
  for (const AngleSetting& s : result.exact)
    out.push_back(angle_setting_line(s, "any", false));
  for (const AngleSetting& s : result.closest)
    out.push_back(angle_setting_line(s, "any", true));
  return out;
}

TEST(AngularIndexing, ExactSettingsElseTheClosestWithTheirError) {
  const std::string deg = "\xC2\xB0";
  // clang-format off
  const std::tuple<const char*, double, std::vector<int>, std::size_t, Lines> cases[] = {
      // 35 * 40 / 360 = 3 8/9 turns = 3 + 16/18 = 3 + 24/27.
      {"35 degrees", 35, kBrownAndSharp, 6,
       {"       18       3       16  35" + deg + "0'0\"", "       27       3       24  35" + deg + "0'0\""}},
      // A whole spindle turn, the most an angle can be, is 40 whole crank turns.
      {"360 degrees", 360, kBrownAndSharp, 6, {"      any      40        0  360" + deg + "0'0\""}},
      // 17.3 * 40 / 360 = 1 83/90 turns; 39: 1 36/39 = 17.307692 (+27.7");
      // 37: 1 34/37 = 17.270270 (-107.0"); 27: 1 25/27 = 17.333333 (+120.0").
      {"17.3 degrees", 17.3, kBrownAndSharp, 3,
       {"       39       1       36  17" + deg + "18'27.69\"  +27.7\"",
        "       37       1       34  17" + deg + "16'12.97\"  -107.0\"",
        "       27       1       25  17" + deg + "20'0\"  +120.0\""}},
      // 10' = 1/54 turn: on 47 one hole is 9/47 degree = 11'29.36" (+89.4").
      {"10 minutes on 47", 1.0 / 6, {47}, 6, {"       47       0        1  0" + deg + "11'29.36\"  +89.4\""}},
      // A hair over nothing is no whole turn: one hole of 47 is 32400 / 47 = 689.4" off.
      {"a hair", 1e-12, {47}, 6, {"       47       0        1  0" + deg + "11'29.36\"  +689.4\""}},
      {"no angle", 0, kBrownAndSharp, 6, {}}, {"past a turn", 361, kBrownAndSharp, 6, {}}};
  // clang-format on
  for (const auto& [name, degrees, plates, most, expected] : cases)
    EXPECT_EQ(lines(index_angle(40, degrees, plates, most)), expected) << name;
  // 208783132 turns take the turns column's 8 characters and one more: the
  // column widens so that a space stays before it and the header keeps over it.
  const AngleSetting huge{47, 208783132, 16, 35, 0};
  const std::array<std::string, 5> titles = {"circle", "turns", "holes", "angle", "error"};
  const AngleColumns wide = angle_columns(titles, {{huge}, {}}, "any");
  EXPECT_EQ(wide, (AngleColumns{9, 10, 9}));
  EXPECT_EQ(angle_header_line(titles, false, wide) + "|" +
                angle_setting_line(huge, "", false, wide),
            "   circle     turns    holes  angle|       47 208783132       16  35" + deg + "0'0\"");
  EXPECT_EQ(angle_setting_line(huge, "", false),
            "       47 208783132       16  35" + deg + "0'0\"");
  // Long titles keep a space between them; "ö" is one character of two bytes.
  EXPECT_EQ(angle_header_line({"Lochkreis", "Umdr.", "L\303\266cher", "Winkel", "Fehler"}, true),
            " Lochkreis   Umdr.   L\303\266cher  Winkel  Fehler");
}

const DifferentialTexts kWords{"turns", "holes on", "with the crank", "against the crank",
                               "idlers:"};

Lines differential(long divisions, const std::vector<int>& plates, const std::vector<int>& gears,
                   std::size_t most) {
  Lines out;
  for (const DifferentialSetting& s : differential_settings(40, divisions, plates, gears, most)) {
    const Lines two = differential_lines(s, kWords);
    out.insert(out.end(), two.begin(), two.end());
  }
  return out;
}

TEST(DifferentialIndexing, SimpleTrainsFirstThenTheNearestA) {
  const std::vector<int> gears = default_head_gears(40);
  // 127 with the 18 circle: A = 120 is 1/3 turn, 6 holes; 40 (120 - 127) / 120
  // = -7/3: 56 on the spindle, 24 on the plate; against the crank, so two
  // idlers in a simple train.
  EXPECT_EQ(differential(127, {18}, gears, 6),
            (Lines{"A = 120: 0 turns + 6 holes on 18", "56 : 24, against the crank, idlers: 2"}));
  // On Brown and Sharp plates the 15 circle comes first; then A = 128 (5 of
  // 16; 40/128 = 5/16 = 24/48 * 40/64) and A = 132 (10 of 33; 200/132 =
  // 50/33 = 32/44 * 100/48), compound: no idler with the crank.
  // (A = 120 on the 15 circle takes the same -7/3 train as on the 18.)
  EXPECT_EQ(
      differential(127, kBrownAndSharp, gears, 3),
      (Lines{"A = 120: 0 turns + 5 holes on 15", "56 : 24, against the crank, idlers: 2",
             "A = 128: 0 turns + 5 holes on 16", "24 : 48, 40 : 64, with the crank, idlers: 0",
             "A = 132: 0 turns + 10 holes on 33", "32 : 44, 100 : 48, with the crank, idlers: 0"}));
  // 20 has a simple setting; no gears, no train.
  EXPECT_EQ(differential(20, kBrownAndSharp, gears, 6), Lines{});
  EXPECT_EQ(differential(127, kBrownAndSharp, {}, 6), Lines{});
  // Driver, driven gear and two idlers take four gears: three are too few.
  EXPECT_EQ(differential(127, {18}, {24, 56, 72}, 6), Lines{});
  EXPECT_EQ(differential(127, {18}, {24, 56, 72, 100}, 6).size(), 2u);
  EXPECT_EQ(default_head_gears(60), std::vector<int>{});
}

TEST(DifferentialIndexing, PrintedTableFillsTheNumbersWithoutASimpleSetting) {
  // 127 as above; 128 = 5/16 turn, 5 holes on the 16 circle.
  const std::vector<DivisionRow> rows = division_table_with_differential(
      40, kBrownAndSharp, default_head_gears(40), 127, 128, kWords, "none serves");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].notes, (Lines{"A = 120: 0 turns + 5 holes on 15", "56 : 24",
                                  "against the crank", "idlers: 2"}));
  EXPECT_EQ(rows[1].settings, (std::vector<IndexingSetting>{{16, 0, 5}}));
  EXPECT_EQ(division_table_with_differential(40, kBrownAndSharp, {}, 127, 127, kWords, "none")
                .front()
                .notes,
            Lines{"none"});
  // On the 18 circle alone the largest simple number is 40 * 18 = 720: no
  // train reaches past 1440.
  EXPECT_EQ(division_table_with_differential(40, {18}, {24}, 1400, 5000, kWords, "-").size(), 41u);
}

} // namespace
} // namespace workshop
