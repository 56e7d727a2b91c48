// The language table: numbering, gaps, the '_' and '~' rules, the print texts.
#include "i18n/string_table.h"

#include <gtest/gtest.h>

using i18n::StringTable;
using settings::IniDocument;

namespace {

IniDocument language_file(std::initializer_list<std::pair<const char*, const char*>> entries) {
  IniDocument doc;
  doc.add_section(".");
  for (const auto& [key, value] : entries)
    doc.set(std::string(".:") + key, value);
  return doc;
}

} // namespace

TEST(StringTable, EntriesAreFoundByTheirNumber) {
  auto table =
      StringTable::from_document(language_file({{"0", "Circle"}, {"1", "Right"}, {"472", "Undo"}}));
  EXPECT_EQ(table.count(), 3);
  EXPECT_STREQ(table.get(0), "Circle");
  EXPECT_STREQ(table.get(472), "Undo");
  EXPECT_EQ(table.get(2), nullptr);
  EXPECT_EQ(table.text(2), "");
}

TEST(StringTable, AGapLeavesOnlyThatEntryEmpty) {
  // Keys 0..4 without 2: four keys, yet entry 4 must still be there.
  auto table =
      StringTable::from_document(language_file({{"0", "a"}, {"1", "b"}, {"3", "d"}, {"4", "e"}}));
  EXPECT_EQ(table.count(), 4);
  EXPECT_EQ(table.get(2), nullptr);
  EXPECT_STREQ(table.get(4), "e");
}

TEST(StringTable, EmptyValuesAndOddKeysGiveNoEntry) {
  auto table = StringTable::from_document(
      language_file({{"5", ""}, {"abc", "x"}, {"-1", "y"}, {"99999999", "z"}}));
  EXPECT_EQ(table.get(5), nullptr);
  EXPECT_EQ(table.get(-1), nullptr);
  EXPECT_EQ(table.get(1000000), nullptr);
}

TEST(StringTable, UnderscoresBecomeSpacesAndTildesBreakOnlyTwoEntries) {
  struct Case {
    const char* key;
    const char* value;
    int index;
    const char* shown;
  };
  const Case cases[] = {
      {"10", "_Spur_gear_", 10, " Spur gear "},
      {"414", "a~b", 414, "a~b"},
      {"415", "first~second_line", 415, "first\nsecond line"},
      {"461", "~x~", 461, "\nx\n"},
      {"462", "no~break", 462, "no~break"},
  };
  IniDocument doc = language_file({});
  for (const Case& c : cases)
    doc.set(std::string(".:") + c.key, c.value);
  auto table = StringTable::from_document(doc);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_STREQ(table.get(c.index), c.shown);
  }
}

TEST(StringTable, PrintAndMessageButtonTextsComeFromTheLocalSection) {
  IniDocument doc = language_file({{"0", "x"}});
  doc.add_section("local");
  doc.set("local:title", "Drucken");
  doc.set("local:collate", "Sortieren");
  doc.set("local:close", "Schließen");
  auto table = StringTable::from_document(doc);
  EXPECT_EQ(table.message_buttons().close, "Schließen");
  EXPECT_EQ(table.message_buttons().yes, ""); // missing key: the toolkit's own text
  EXPECT_EQ(table.print_string(0), "Drucken");
  EXPECT_EQ(table.print_string(20), "Sortieren");
  EXPECT_EQ(table.print_string(1), ""); // missing key: empty slot
  EXPECT_STREQ(i18n::kPrintStringKeys[9], "copyNo");
}

TEST(StringTable, AFileWithoutEntriesCountsZero) {
  IniDocument doc;
  doc.add_section("local");
  EXPECT_EQ(StringTable::from_document(doc).count(), 0);
}
