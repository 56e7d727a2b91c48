#include "calc/workshop/dividing_head_form.h"

#include "calc/workshop/differential_indexing_calc.h"
#include "unit/unit_test.h"

namespace workshop {
namespace {

using Lines = std::vector<std::string>;
const std::vector<int> kBrownAndSharp = {15, 16, 17, 18, 19, 20, 21, 23, 27,
                                         29, 31, 33, 37, 39, 41, 43, 47};
const DividingHeadTexts kTexts{{"any", "none fits", "others", "would work"}, "gears can", "A = %d"};

TEST(DividingHeadForm, ListFollowsTheNumberAndPointsToTheHeadsGears) {
  const std::vector<int> gears = default_head_gears(40), others = {127};
  const Lines other_plate = {"@.none fits",  " ", "@.others",
                             "@.would work", " ", "@c127\t@c0\t@c40"};
  // clang-format off
  const std::tuple<const char*, std::vector<int>, bool, Lines, long> cases[] = {
      {"", gears, false, {}, 0}, {"1", gears, false, {}, 0},
      {"7", gears, true, {"@c21\t@c5\t@c15"}, 0}, // 40 / 7 = 5 15/21
      // 127: A = 120 is 1/3 turn (5 of 15); 40 (120 - 127) / 120 = -7/3 = 56 : 24.
      {"127", gears, true, {"@.none fits", " ", "@.gears can", "@.A = 120"}, 127},
      // No gears, or none that make a train: the circles of other plates.
      {"127", {}, true, other_plate, 0}, {"127", {24}, true, other_plate, 0}};
  // clang-format on
  for (const auto& [typed, head_gears, calculate, lines, differential] : cases) {
    const DividingHeadForm form =
        dividing_head_form({typed, 40, kBrownAndSharp, others, head_gears}, kTexts);
    EXPECT_EQ(std::make_tuple(form.calculate, form.lines, form.differential),
              std::make_tuple(calculate, lines, differential))
        << typed << " with " << head_gears.size() << " gears";
  }
}

} // namespace
} // namespace workshop
