// The language table: numbering, gaps, the '_' and '~' rules, the print texts.
#include "i18n/string_table.h"

#include <gtest/gtest.h>

using i18n::StringTable;
using settings::IniDocument;

TEST(StringTable, EntriesByTheirNumberWithTheTextRules) {
  IniDocument doc;
  // clang-format off
  const std::pair<const char*, const char*> file[] = {
      {"0", "Circle"}, {"1", "Right"}, {"3", "d"}, {"5", ""}, {"abc", "x"}, {"-1", "y"},
      {"1234567", "z"}, {"123456", "far"}, {"10", "_Spur_gear_"}, {"414", "a~b"},
      {"415", "first~second_line"}, {"461", "~x~"}, {"462", "no~break"}, {"472", "Undo"}};
  // Entry and its text (nullptr: none). A gap (2) leaves only that entry empty; entries
  // above the last one the program uses are kept; keys of more than six digits are no entries.
  const std::pair<int, const char*> shown[] = {
      {0, "Circle"}, {1, "Right"}, {2, nullptr}, {3, "d"}, {5, nullptr}, {-1, nullptr},
      {10, " Spur gear "}, {414, "a~b"}, {415, "first\nsecond line"}, {461, "\nx\n"},
      {462, "no~break"}, {472, "Undo"}, {123456, "far"}, {1234567, nullptr}, {123457, nullptr}};
  // clang-format on
  for (const auto& [key, value] : file)
    doc.set(std::string(".:") + key, value);
  doc.set("local:title", "Drucken");
  doc.set("local:collate", "Sortieren");
  doc.set("local:close", "Schließen");
  doc.set("local:no", "Nein");
  const StringTable table = StringTable::from_document(doc);
  EXPECT_EQ(table.count(), 14);
  for (const auto& [entry, text] : shown)
    EXPECT_STREQ(table.get(entry), text) << entry;
  EXPECT_EQ(table.text(472) + "|" + table.text(2), "Undo|");
  // Print and message-box texts come from section "local"; a missing key leaves its slot empty.
  const i18n::MessageButtons& buttons = table.message_buttons();
  EXPECT_EQ(buttons.close + "|" + buttons.yes + "|" + buttons.no, "Schließen||Nein");
  EXPECT_EQ(table.print_string(0) + "|" + table.print_string(1) + "|" + table.print_string(20),
            "Drucken||Sortieren");
  EXPECT_STREQ(i18n::kPrintStringKeys[9], "copyNo");
  EXPECT_EQ(StringTable::from_document(IniDocument()).count(), 0);
}
