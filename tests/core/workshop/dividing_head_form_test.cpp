#include "core/workshop/dividing_head_form.h"

#include "core/workshop/differential_indexing_calc.h"
#include "core/unit_test.h"

namespace workshop {
namespace {

using Plates = std::vector<int>;
using Lines = std::vector<std::string>;
const Plates kBrownAndSharp = {15, 16, 17, 18, 19, 20, 21, 23, 27, 29, 31, 33, 37, 39, 41, 43, 47};

// 40 turns per spindle turn: N divisions take 40 / N turns, the fraction
// r / N of a turn is k holes on h when r * h / N is whole.
TEST(DividingHeadForm, EveryCircleThatWorksElseTheHeadsGearsElseOtherPlates) {
  const Plates gears = default_head_gears(40);
  const Lines on_127 = {"@.none fits", " ", "@.others", "@.would work", " ", "@c127\t@c0\t@c40"};
  // clang-format off
  struct Case { const char* typed; int ratio; Plates head, others, gears; Lines lines; long differential; };
  const Case cases[] = {
      {"", 40, kBrownAndSharp, {127}, gears, {}, 0}, {"1", 40, kBrownAndSharp, {127}, gears, {}, 0},
      {"40", 40, kBrownAndSharp, {127}, gears, {"@c@.any\t@c1\t@c0"}, 0}, // whole turns
      {"2", 40, kBrownAndSharp, {127}, gears, {"@c@.any\t@c20\t@c0"}, 0}, // the fewest divisions
      {"7", 40, {21, 23, 49}, {127}, gears, {"@c21\t@c5\t@c15", "@c49\t@c5\t@c35"}, 0}, // 5 5/7 = 15/21 = 35/49
      // 40 / 6 = 6 2/3: 10 of 15, 12 of 18, 14 of 21, 18 of 27, 22 of 33, 26 of 39.
      {"6", 40, kBrownAndSharp, {}, {}, {"@c15\t@c6\t@c10", "@c18\t@c6\t@c12", "@c21\t@c6\t@c14",
        "@c27\t@c6\t@c18", "@c33\t@c6\t@c22", "@c39\t@c6\t@c26"}, 0},
      // 127: 40 holes of 127, which the head lacks; with its gears A = 120 is
      // 1/3 turn (5 of 15) and 40 (120 - 127) / 120 = -7/3 = 56 : 24.
      {"127", 40, kBrownAndSharp, {13, 24, 127, 143}, {}, on_127, 0},
      {"127", 40, kBrownAndSharp, {127}, {24}, on_127, 0}, // one gear: no train
      {"127", 40, kBrownAndSharp, {13, 24}, {}, {"@.none fits"}, 0},
      {"127", 40, kBrownAndSharp, {127}, gears, {"@.none fits", " ", "@.gears can", "@.A = 120"}, 127},
      // 72 / 9 = 8 whole turns; 72 / 5 = 14 2/5: 4 holes of 10.
      {"9", 72, {10}, {}, {}, {"@c@.any\t@c8\t@c0"}, 0}, {"5", 72, {10}, {}, {}, {"@c10\t@c14\t@c4"}, 0},
      // A head whose name gives no ratio says so instead of an empty answer.
      {"7", 0, kBrownAndSharp, {127}, gears, {"@.no ratio", "@.name it"}, 0}};
  const DividingHeadTexts texts{{"any", "none fits", "others", "would work"}, "gears can", "A = %d",
                                "no ratio", "name it"};
  for (const Case& c : cases) {
    const auto f = dividing_head_form({c.typed, c.ratio, c.head, c.others, c.gears}, texts);
    EXPECT_EQ(std::make_tuple(f.calculate, f.lines, f.differential),
              std::make_tuple(!c.lines.empty(), c.lines, c.differential)) << "case " << &c - cases;
  }
  // clang-format on
  // A whole-turn text stands as written, even with an '@', in the circle column.
  EXPECT_EQ(setting_line({0, 3, 0}, "@whole") + "|" + setting_line({143, 0, 139}, "any"),
            "@c@.@whole\t@c3\t@c0|@c143\t@c0\t@c139");
}

} // namespace
} // namespace workshop
