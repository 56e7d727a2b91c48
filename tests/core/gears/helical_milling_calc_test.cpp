// Change gears for a lead on the dividing head's own set.
#include "core/gears/helical_milling_calc.h"

#include <cmath>
#include <map>
#include <tuple>

#include "core/unit_test.h"

namespace gears {
namespace {

const std::vector<int> kSet40 = {24, 24, 28, 32, 40, 44, 48, 56, 64, 72, 86, 100};

bool uses_only_the_set(const LeadTrain& train, const std::vector<int>& set) {
  std::map<int, int> left;
  for (int gear : set)
    ++left[gear];
  for (const std::vector<int>* gears : {&train.drivers, &train.driven})
    for (int gear : *gears)
      if (--left[gear] < 0)
        return false;
  return true;
}

TEST(HelicalMilling, ExactTrainsFirstFromTheHeadsOwnSet) {
  EXPECT_DOUBLE_EQ(machine_lead(0.25, 40), 10.0);
  // 3.6 in on a 10 in machine: 9/25 = 24 x 48 / (32 x 100); no single pair
  // of the set makes it. 24 x 72 / (48 x 100), 28 x 72 / (56 x 100) and
  // 32 x 72 / (64 x 100) make it too.
  const std::vector<LeadTrain> trains = lead_trains(3.6, 10.0, kSet40);
  ASSERT_GE(trains.size(), 5u);
  EXPECT_EQ(trains[0].drivers, (std::vector<int>{32, 100}));
  EXPECT_EQ(trains[0].driven, (std::vector<int>{24, 48}));
  EXPECT_TRUE(trains[0].exact);
  EXPECT_NEAR(trains[0].lead, 3.6, 1e-12);
  for (std::size_t i = 0; i < 4; ++i)
    EXPECT_TRUE(trains[i].exact) << i;
  EXPECT_FALSE(trains[4].exact);
  // 20 in is twice the machine lead: the single pair 24 driving 48 first.
  const std::vector<LeadTrain> twice = lead_trains(20.0, 10.0, kSet40);
  ASSERT_FALSE(twice.empty());
  EXPECT_EQ(std::make_tuple(twice[0].drivers, twice[0].driven, twice[0].exact),
            std::make_tuple(std::vector<int>{24}, std::vector<int>{48}, true));
}

TEST(HelicalMilling, TheClosestTrainsNearestFirstAndEachGearAsOftenAsTheSetHoldsIt) {
  // The 45° gear's lead of 10.6629 in: no train is exact.
  const std::vector<LeadTrain> trains = lead_trains(10.6629, 10.0, kSet40);
  ASSERT_GE(trains.size(), 2u);
  for (std::size_t i = 0; i < trains.size(); ++i) {
    EXPECT_FALSE(trains[i].exact);
    EXPECT_TRUE(uses_only_the_set(trains[i], kSet40));
    EXPECT_NEAR(trains[i].error_percent, trains[i].error / 10.6629 * 100, 1e-9);
    if (i > 0) {
      EXPECT_LE(std::fabs(trains[i - 1].error), std::fabs(trains[i].error));
    }
  }
  EXPECT_LT(std::fabs(trains[0].error_percent), 0.1);
  // One 24 and one 48: no train of ratio 1, the nearest are 1/2 and 2.
  const std::vector<LeadTrain> two = lead_trains(10.0, 10.0, {24, 48});
  ASSERT_EQ(two.size(), 2u);
  EXPECT_NEAR(std::fabs(two[0].error), 5.0, 1e-12); // 24 over 48: 5 in
  // Nothing without a lead, a machine or gears.
  EXPECT_TRUE(lead_trains(0.0, 10.0, kSet40).empty());
  EXPECT_TRUE(lead_trains(3.6, 0.0, kSet40).empty());
  EXPECT_TRUE(lead_trains(3.6, 10.0, {}).empty());
}

} // namespace
} // namespace gears
