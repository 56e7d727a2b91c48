// The Units button's rule for one page's inch/mm pair, and how the pairs it
// left alone are kept in State.ini.
#include "settings/units_button.h"

#include <gtest/gtest.h>

using settings::PairUnit;

namespace {
constexpr PairUnit I = PairUnit::kInch, M = PairUnit::kMetric, N = PairUnit::kNeither;
} // namespace

TEST(UnitsButton, SwitchesAPairUnlessItShowsTheNewUnitOrWasLeftAloneShowingItsOwn) {
  const struct {
    PairUnit shown, target, left_alone;
    bool switches;
    PairUnit left_alone_after;
  } cases[] = {
      {I, M, N, true, N},  // a page that follows the button
      {M, M, N, false, M}, // set to mm on the page beforehand
      {M, I, M, false, M}, // ... and so left in mm on the way back
      {I, I, M, false, I}, // set back to inch on the page meanwhile
      {M, I, N, true, N},  // switched to mm by the button last time
      {N, M, N, true, N},  // neither button set (a circular pitch)
  };
  for (const auto& c : cases) {
    PairUnit left_alone = c.left_alone;
    EXPECT_EQ(settings::units_button_switches(c.shown, c.target, left_alone), c.switches)
        << static_cast<char>(c.shown) << static_cast<char>(c.target)
        << static_cast<char>(c.left_alone);
    EXPECT_EQ(left_alone, c.left_alone_after);
  }
}

TEST(UnitsButton, LeftAlonePairsAsText) {
  EXPECT_EQ(settings::left_alone_text({N, M, N, I}), "-m-i");
  EXPECT_EQ(settings::left_alone_text({N, N}), "");
  // A short, long or hand-edited text never leaves a pair out of its units.
  EXPECT_EQ(settings::read_left_alone("-m-i", 4), (std::vector<PairUnit>{N, M, N, I}));
  EXPECT_EQ(settings::read_left_alone("mx", 3), (std::vector<PairUnit>{M, N, N}));
  EXPECT_EQ(settings::read_left_alone("iiM", 2), (std::vector<PairUnit>{I, I}));
  EXPECT_EQ(settings::read_left_alone("", 2), (std::vector<PairUnit>{N, N}));
}
