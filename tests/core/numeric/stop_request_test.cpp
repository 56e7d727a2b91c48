// A requested stop (a signal is ending the program) ends every long search at
// once; each finds something without it.
#include "core/numeric/stop_request.h"

#include "core/gears/gear_ratio_calc.h"
#include "core/workshop/change_gears_calc.h"
#include "core/workshop/differential_indexing_calc.h"
#include "core/unit_test.h"

namespace {

// What each search finds: the number of settings, trains or table rows, and
// the steps of the differential search.
// The pair tables are built beforehand, so each search is seen on its own.
std::vector<std::size_t> found_by_every_search() {
  const std::vector<int> head_gears = workshop::default_head_gears(40);
  const std::vector<int> teeth = gears::tooth_list(20, 100, nullptr);
  static const gears::PairTable pairs = gears::build_pair_table(teeth);
  static const workshop::ChangeGearSet change_gears = workshop::change_gear_set(teeth);
  long long steps = 0;
  return {
      workshop::differential_settings(40, 127, {18}, head_gears, 6, &steps).size(),
      static_cast<std::size_t>(steps),
      workshop::division_table_with_differential(40, {18}, head_gears, 2, 200, {}, "-").size(),
      gears::build_pair_table(teeth).size(),
      gears::gear_ratio_search(pairs, {20, 1.01, 1e-4}).size(),
      workshop::change_gear_search(change_gears, 3.175, 0.0001).size(),
  };
}

TEST(StopRequest, EndsEverySearchAtOnce) {
  for (std::size_t found : found_by_every_search())
    EXPECT_GT(found, 0u);
  numeric::request_stop();
  const std::vector<std::size_t> stopped = found_by_every_search();
  numeric::clear_stop_request();
  EXPECT_EQ(stopped, std::vector<std::size_t>(stopped.size(), 0u));
}

} // namespace
