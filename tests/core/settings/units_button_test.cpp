// The Units button's rule for one page's inch/mm pair, and how the pairs it
// left alone are kept in State.ini.
#include "core/settings/units_button.h"

#include "core/unit_test.h"

using settings::PairUnit;

namespace {
constexpr PairUnit I = PairUnit::kInch, M = PairUnit::kMetric, N = PairUnit::kNeither;
} // namespace

TEST(UnitsButton, SwitchesAPairUnlessItShowsTheNewUnitOrWasLeftAloneShowingItsOwn) {
  // Shown, target, left alone before; whether it switches, left alone after.
  const std::tuple<PairUnit, PairUnit, PairUnit, bool, PairUnit> cases[] = {
      {I, M, N, true, N},  // a page that follows the button
      {M, M, N, false, M}, // set to mm on the page beforehand
      {M, I, M, false, M}, // ... and so left in mm on the way back
      {I, I, M, false, I}, // set back to inch on the page meanwhile
      {M, I, N, true, N},  // switched to mm by the button last time
      {N, M, N, true, N},  // neither button set (a circular pitch)
  };
  for (const auto& [shown, target, before, switches, after] : cases) {
    PairUnit left_alone = before;
    EXPECT_EQ(settings::units_button_switches(shown, target, left_alone), switches)
        << static_cast<char>(shown) << static_cast<char>(target) << static_cast<char>(before);
    EXPECT_EQ(left_alone, after);
  }
}

// One letter per pair; a short, long or hand-edited text never leaves a pair out of its units.
TEST(UnitsButton, LeftAlonePairsAsText) {
  EXPECT_EQ(settings::left_alone_text({N, M, N, I}), "-m-i");
  const std::tuple<const char*, std::size_t, std::vector<PairUnit>> cases[] = {
      {"-m-i", 4, {N, M, N, I}}, {"mx", 3, {M, N, N}}, {"iiM", 2, {I, I}}, {"", 2, {N, N}}};
  for (const auto& [text, count, pairs] : cases)
    EXPECT_EQ(settings::read_left_alone(text, count), pairs) << text;
  EXPECT_EQ(settings::left_alone_text({N, N}), "");
}
