// The language table: numbering, gaps, the '_' and '~' rules, the print texts.
#include "core/i18n/string_table.h"

#include "core/unit_test.h"

#include "core/settings/ini_files.h"

using i18n::StringTable;
using settings::IniDocument;

TEST(StringTable, EntriesByTheirNumberWithTheTextRules) {
  const IniDocument file = loaded_text(
      "[.]\n0 = Circle\n1 = Right\n3 = d\n5 =\nabc = x\n-1 = y\n1234567 = z\n123456 = far\n"
      "10 = _Spur_gear_\n414 = a~b\n415 = first~second_line\n461 = ~x~\n462 = no~break\n"
      "472 = Undo\n[local]\ntitle = Drucken\ncollate = Sortieren\nclose = Schließen\nno = Nein\n");
  // Entry and its text (nullptr: none). A gap (2) leaves only that entry empty; entries
  // above the last one the program uses are kept; keys of more than six digits are no entries.
  // clang-format off
  const std::pair<int, const char*> shown[] = {
      {0, "Circle"}, {1, "Right"}, {2, nullptr}, {3, "d"}, {5, nullptr}, {-1, nullptr},
      {10, " Spur gear "}, {414, "a~b"}, {415, "first\nsecond line"}, {461, "\nx\n"},
      {462, "no~break"}, {472, "Undo"}, {123456, "far"}, {1234567, nullptr}, {123457, nullptr}};
  // clang-format on
  const StringTable table = StringTable::from_document(file);
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
