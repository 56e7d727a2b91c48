// Menu items from language texts: shown as written, a missing one named.
#include "core/i18n/menu_label.h"

#include "core/unit_test.h"

TEST(MenuItemLabel, TextsShowAsWrittenAndMissingOnesKeepTheirPlace) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {nullptr, "(missing text 275)"}, {"", "(missing text 275)"}, {"nut & bolt", "nut && bolt"},
      {"60\302\260 thread, full depth (mm)", "60\302\260 thread, full depth (mm)"},
      {"@-> M6 @ 1", "@@-> M6 @@ 1"}, {"a\tb|c\\d", "a\tb|c\\d"}};
  // clang-format on
  for (const auto& [text, label] : cases)
    EXPECT_EQ(i18n::menu_item_label(text, 275), label) << (text ? text : "null");
}
