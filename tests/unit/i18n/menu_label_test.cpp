// Menu items from language texts: shown as written, a missing one named.
#include "i18n/menu_label.h"

#include "unit/unit_test.h"

TEST(MenuItemLabel, TextsShowAsWrittenAndMissingOnesKeepTheirPlace) {
  const std::pair<const char*, const char*> cases[] = {
      {nullptr, "(missing text 275)"},
      {"", "(missing text 275)"},
      {"60\xc2\xb0 thread, full depth (mm)", "60\xc2\xb0 thread, full depth (mm)"},
      {"nut & bolt", "nut && bolt"},
      {"@-> M6 @ 1", "@@-> M6 @@ 1"},
      {"a\tb|c\\d", "a\tb|c\\d"},
  };
  for (const auto& [text, label] : cases)
    EXPECT_EQ(i18n::menu_item_label(text, 275), label) << (text ? text : "null");
}
