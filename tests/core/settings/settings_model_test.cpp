#include "core/settings/settings_model.h"

#include "core/unit_test.h"

#include "core/settings/ini_files.h"
#include "support/joined.h"

using namespace settings;

namespace {

const std::vector<std::string> kHeads = {
    "Brown and Sharp 40-1", "Cincinatti 40-1", "90-1", "Phase II 90-1", "60-1", "72-1",
    "Phase II 72-1",        "Aciera 40-1",     "36-1"};

IniDocument defaults() {
  IniDocument doc;
  fill_default_settings(doc);
  return doc;
}

using testing_support::joined;

} // namespace

TEST(SettingsDefaults, SingleSettingsAndTheirReading) {
  EXPECT_EQ(entries(defaults(), "."), "last=Brown and Sharp 40-1 ratio=40 measure=inch "
                                      "drill_fraction=1 drill_letter=0 drill_number=0 "
                                      "drill_metric=0 help_font_size=-1000");
  const auto shown = [](const SettingsValues& v) {
    return v.language + "|" + v.measure + "|" + v.last_head + "|" + std::to_string(v.ratio) + "|" +
           std::to_string(v.drill_fraction) + std::to_string(v.drill_letter) +
           std::to_string(v.drill_number) + std::to_string(v.drill_metric) + "|" +
           std::to_string(v.help_font_size);
  };
  EXPECT_EQ(shown(read_settings_values(IniDocument())), "en||Brown and Sharp 40-1|0|0000|-1000");
  const IniDocument set =
      loaded_text("[.]\nlanguage = de\nmeasure = metric\nlast = 72-1\nratio = 72\n"
                  "drill_fraction = 2\ndrill_letter = 3\ndrill_number = 4\n"
                  "drill_metric = 5\nhelp_font_size = 99999999999\n"); // held at the int limit
  EXPECT_EQ(shown(read_settings_values(set)), "de|metric|72-1|72|2345|" + std::to_string(INT_MAX));
  // A ratio too big to count with, or below one, is none: never the largest that fits.
  for (const auto& [ratio, read] :
       {std::pair{"2147483647", INT_MAX}, {"99999999999", 0}, {"-40", 0}, {"1", 1}, {"0", 0}})
    EXPECT_EQ(read_settings_values(loaded_text("[.]\nratio = " + std::string(ratio))).ratio, read);
}

TEST(SettingsDefaults, CatalogueAndHeadsInFileOrder) {
  const IniDocument doc = defaults();
  // The catalogue as the file lists it: 13, 15 to 21, 23 to 62, then single plates.
  std::string keys;
  for (const auto& entry : doc.section_entries("Hole plates"))
    keys += entry.key + (entry.key == entry.value ? " " : "? ");
  EXPECT_EQ(keys, "13 15 16 17 18 19 20 21 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 "
                  "41 42 43 44 45 46 47 48 49 50 51 52 53 54 55 56 57 58 59 60 61 62 64 65 66 67 "
                  "71 73 77 79 83 89 101 100 103 107 109 113 119 121 127 131 133 137 139 143 ");
  const std::vector<std::string> names = doc.section_names();
  EXPECT_EQ(names.at(0) + "|" + names.at(1) + "|" + names.at(2),
            ".|hole plates|brown and sharp 40-1");
  EXPECT_EQ(head_display_names(doc), kHeads);
  // Count and sum of each head's plates (Aciera names 29 and 36 twice).
  std::string sums;
  for (const std::string& head : kHeads) {
    const std::vector<int> owned = head_plates(doc, head);
    sums += std::to_string(owned.size()) + "/" +
            std::to_string(std::accumulate(owned.begin(), owned.end(), 0)) + " ";
  }
  EXPECT_EQ(sums, "17/476 24/1076 16/483 21/1058 42/3002 19/867 1/10 16/482 18/525 ");
  // Aciera's repeated 29 and 36 stayed where they were first written.
  EXPECT_EQ(doc.section_key_at("aciera 40-1", 6) + doc.section_key_at("aciera 40-1", 8) +
                doc.section_key_at("aciera 40-1", 9),
            "aciera 40-1:29aciera 40-1:36aciera 40-1:31");
}

TEST(SettingsModel, RatioIsTheNumberBeforeTheLastDash) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"Phase II 72-1", "72"}, {"36-1", "36"}, {"A 12-3-1", "3"}, {"Head-1", ""}, {"no dash", ""},
      {"", ""}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(ratio_text_from_head_name(c.first), c.second) << c.first;
  // Choosing a head writes it and its ratio.
  IniDocument doc = defaults();
  EXPECT_TRUE(select_head(doc, "Phase II 72-1"));
  EXPECT_EQ(doc.get_string(".:last") + " " + doc.get_string(".:ratio"), "Phase II 72-1 72");
}

// A crash of an older writer leaves the file empty or cut short: that is damage, not settings.
TEST(SettingsModel, AFileWithoutPlatesOrHeadsIsIncomplete) {
  // clang-format off
  const std::pair<std::string, bool> cases[] = {
      {"", false}, {"[.]\nlanguage = en\nmeasure = met", false},
      {"[.]\nlanguage = en\n[hole plates]\n13 = 13\n15 = 15\n", false},
      {"[hole plates]\n13 = abc\n[h 40-1]\n0 = H 40-1\n", false},
      {"[h 40-1]\n0 = H 40-1\n15 = 15\n", false},
      {"[hole plates]\n13 = 13\n[h 40-1]\n0 = H 40-1\n", true}, {defaults().dump(), true}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(settings_are_complete(loaded_text(c.first)), c.second) << c.first;
}

TEST(SettingsModel, FreePlatesAreTheCatalogueLessTheHead) {
  IniDocument doc = defaults();
  // 10 is no catalogue plate, so the head takes none of the 72 away.
  EXPECT_EQ(free_plates(doc, "Phase II 72-1")->size(), 72u);
  EXPECT_EQ(joined(*free_plates(doc, "Brown and Sharp 40-1")).substr(0, 9), "13 24 25 "); // 15-23
  // Adding plate 13 to Brown and Sharp; plates 0 and below are no plates.
  ASSERT_TRUE(add_plates_to_head(doc, "Brown and Sharp 40-1", {13, 0, -5}));
  EXPECT_EQ(head_display_names(doc).front(), "Brown and Sharp 40-1");
  EXPECT_EQ(doc.section_key_at("Brown and Sharp 40-1", 18), "brown and sharp 40-1:13");
  const std::vector<int> brown_free = *free_plates(doc, "Brown and Sharp 40-1");
  EXPECT_EQ(std::to_string(brown_free.size()) + " from " + std::to_string(brown_free.front()),
            "54 from 24");
  EXPECT_FALSE(add_plates_to_head(doc, "No Such Head", {13}));
  EXPECT_FALSE(remove_plates_from_head(doc, "No Such Head", {13}));
  // The catalogue takes only new plates.
  EXPECT_FALSE(add_catalogue_plate(doc, 13));
  EXPECT_FALSE(add_catalogue_plate(doc, 0));
  EXPECT_TRUE(add_catalogue_plate(doc, 12));
  EXPECT_EQ(doc.section_key_at("hole plates", 72) + "=" + doc.get_string("hole plates:12"),
            "hole plates:12=12");
  // Without a usable catalogue the file is damaged.
  EXPECT_EQ(free_plates(loaded_text("[my head]\n0 = My Head\n"), "My Head"), std::nullopt);
  EXPECT_EQ(free_plates(loaded_text("[hole plates]\nx = abc\n"), "My Head"), std::nullopt);
}

TEST(SettingsModel, HandEditedPlatesAreSkippedAndRemovedByValue) {
  // Head "A"'s key "b:13" is "a:b:13", which also names key "13" of section "a:b".
  IniDocument doc = loaded_text("[my head]\n0 = My Head\na = abc\nb = -3\nc = 0\n12 = 12\nd =  7 \n"
                                "e = 99999999999\nf = 12\nx = 13\ng =\n"
                                "[a]\n0 = A\nb:13 = 13\n14 = 14\n[a:b]\nx = 1\n");
  EXPECT_EQ(joined(head_plates(doc, "My Head")), "7 12 13");
  // A plate under a key of another name still leaves the head when removed.
  ASSERT_TRUE(remove_plates_from_head(doc, "My Head", {13}));
  EXPECT_EQ(joined(head_plates(doc, "My Head")), "7 12");
  EXPECT_EQ(joined(head_plates(doc, "A")), "13 14");
  ASSERT_TRUE(remove_plates_from_head(doc, "A", {13}));
  EXPECT_EQ(joined(head_plates(doc, "A")) + "|" + doc.get_string("a:b:x"), "14|1");
}

TEST(SettingsModel, ParsePlate) {
  // clang-format off
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"13", 13}, {" 13\t", 13}, {"007", 7}, {"2147483647", INT_MAX}, {"2147483648", {}}, {"0", {}},
      {"-3", {}}, {"+13", {}}, {"12a", {}}, {"1e3", {}}, {"", {}}, {"   ", {}}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(parse_plate(c.first), c.second) << '"' << c.first << '"';
}

// A hand-edited lead screw the page can't use gives way to 0.25 in.
TEST(SettingsModel, LeadScrewAsStoredOrTheDefault) {
  const LeadScrew inch{"0.25", false};
  // clang-format off
  const std::pair<const char*, LeadScrew> cases[] = {
      {"6 mm", {"6", true}}, {"0.2 in", {"0.2", false}}, {".5 in", {".5", false}},
      {"", inch}, {"6", inch}, {"6 cm", inch}, {"0 mm", inch}, {"-6 mm", inch}, {"1e3 mm", inch},
      {"1.2.3 in", inch}, {"1000 mm", inch}, {"6  mm", inch}, {" mm", inch}};
  // clang-format on
  for (const auto& [text, screw] : cases) {
    IniDocument doc;
    doc.set(".:lead_screw", text);
    EXPECT_EQ(read_lead_screw(doc), screw) << text;
  }
  IniDocument doc;
  EXPECT_EQ(read_lead_screw(doc), inch);
  EXPECT_TRUE(set_lead_screw(doc, {"5", true}));
  EXPECT_FALSE(set_lead_screw(doc, {"5", true}));
  EXPECT_EQ(doc.get_string(".:lead_screw", ""), "5 mm");
  EXPECT_EQ(read_lead_screw(doc), (LeadScrew{"5", true}));
}

TEST(SettingsModel, HeadGearsDefaultUntilStoredAndAreNoPlates) {
  IniDocument doc = loaded_text("[my head]\n0 = My Head\n15 = 15\n");
  EXPECT_EQ(joined(head_gears(doc, "My Head", {24, 24, 100})), "24 24 100"); // an old file
  ASSERT_TRUE(set_head_gears(doc, "My Head", {24, 24, 127}));
  EXPECT_EQ(doc.get_string("my head:gears"), "24, 24, 127");
  EXPECT_EQ(joined(head_gears(doc, "My Head", {40})) + "|" + joined(head_plates(doc, "My Head")),
            "24 24 127|15");
  ASSERT_TRUE(remove_plates_from_head(doc, "My Head", {24}));
  ASSERT_TRUE(set_head_gears(doc, "My Head", {}));
  EXPECT_EQ(joined(head_gears(doc, "My Head", {40})), ""); // emptied by the user, not defaulted
  EXPECT_FALSE(set_head_gears(doc, "No Such Head", {24}));
  // Only what the editor adds: 12 to 400 teeth, four of a size at most.
  const char* edited = "[h]\n0 = H\ngears = 24, x, 0, 56 ,-3, 11, 12, 400, 401, 56, 56, 56, 56";
  EXPECT_EQ(joined(head_gears(loaded_text(edited), "H", {})), "24 56 12 400 56 56 56");
}
