// Menu items from language texts: shown as written, a missing one named.
#include "i18n/menu_label.h"

#include <gtest/gtest.h>

TEST(MenuItemLabel, TextsShowAsWrittenAndMissingOnesKeepTheirPlace) {
  const struct {
    const char* text;
    const char* label;
  } cases[] = {
      {nullptr, "(missing text 275)"},
      {"", "(missing text 275)"},
      {"60\xc2\xb0 thread, full depth (mm)", "60\xc2\xb0 thread, full depth (mm)"},
      {"BSW / BSF", "BSW / BSF"},
      {"nut & bolt", "nut && bolt"},
      {"@-> M6 @ 1", "@@-> M6 @@ 1"},
      {"a\tb|c\\d", "a\tb|c\\d"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(i18n::menu_item_label(c.text, 275), c.label) << (c.text ? c.text : "null");
}
