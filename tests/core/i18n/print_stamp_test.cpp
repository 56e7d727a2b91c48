// The line that names the printing page and the day on every printed page.
#include "core/i18n/print_stamp.h"

#include "core/unit_test.h"

TEST(PrintStamp, NavigationTextsBecomeOneLineTitlesAndDaysYearMonthDay) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"Schwalben- schwanz: Gegenst\303\274ck", "Schwalbenschwanz: Gegenst\303\274ck"},
      {"Change gears\nfor  screw cutting ", "Change gears for screw cutting"},
      {"Teile - Liste", "Teile - Liste"}, // a dash between spaces stays
      {"Rad- Achse", "Rad- Achse"}, {"Rad- achse", "Radachse"}, // a capital starts a word of its own
      {"Gear\tratio\r\nsearch", "Gear ratio search"}, {"  ", ""}, {nullptr, ""}};
  // clang-format on
  for (const auto& [nav, title] : cases)
    EXPECT_EQ(i18n::printed_title(nav), title) << (nav ? nav : "null");
  EXPECT_EQ(i18n::printed_date(2026, 12, 6), "2026-12-06");
  EXPECT_EQ(i18n::printed_date(2027, 1, 31), "2027-01-31");
}
