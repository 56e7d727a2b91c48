#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace settings;

namespace {

// The catalogue as the file lists it: 13, 15 to 21, 23 to 62, then single plates.
const std::vector<int> kCatalogueInFileOrder = [] {
  std::vector<int> plates = {13, 15, 16, 17, 18, 19, 20, 21};
  for (int n = 23; n <= 62; ++n)
    plates.push_back(n);
  plates.insert(plates.end(), {64,  65,  66,  67,  71,  73,  77,  79,  83,  89,  101, 100,
                               103, 107, 109, 113, 119, 121, 127, 131, 133, 137, 139, 143});
  return plates;
}();
const std::vector<std::string> kHeads = {
    "Brown and Sharp 40-1", "Cincinatti 40-1", "90-1", "Phase II 90-1", "60-1", "72-1",
    "Phase II 72-1",        "Aciera 40-1",     "36-1"};

IniDocument defaults() {
  IniDocument doc;
  fill_default_settings(doc);
  return doc;
}

// Writes the text to a file of a fresh directory and loads it.
IniDocument loaded(const std::string& text) {
  std::string dir = (fs::temp_directory_path() / "toolroom_settings_XXXXXX").string();
  EXPECT_NE(mkdtemp(&dir[0]), nullptr);
  std::ofstream(dir + "/s.ini") << text;
  IniDocument doc;
  EXPECT_EQ(IniDocument::load(dir + "/s.ini", doc), LoadStatus::kOk);
  fs::remove_all(dir);
  return doc;
}

} // namespace

TEST(SettingsDefaults, SingleSettings) {
  const IniDocument doc = defaults();
  std::vector<std::string> keys;
  for (const auto& entry : doc.section_entries("."))
    keys.push_back(entry.key);
  EXPECT_EQ(keys,
            (std::vector<std::string>{"last", "ratio", "measure", "drill_fraction", "drill_letter",
                                      "drill_number", "drill_metric", "help_font_size"}));
  const SettingsValues v = read_settings_values(doc);
  EXPECT_EQ(v.language + "/" + v.measure + "/" + v.last_head, "en/inch/Brown and Sharp 40-1");
  EXPECT_EQ(v.ratio, 40);
  EXPECT_EQ(v.drill_fraction, 1);
  EXPECT_EQ(v.drill_letter + v.drill_number + v.drill_metric, 0);
  EXPECT_EQ(v.help_font_size, -1000);
}

TEST(SettingsDefaults, EmptyDocumentReadsAsDefaults) {
  const SettingsValues v = read_settings_values(IniDocument());
  EXPECT_EQ(v.language + v.measure + "/" + v.last_head, "en/Brown and Sharp 40-1");
  EXPECT_EQ(std::make_pair(v.ratio, v.drill_fraction), std::make_pair(0, 0));
  EXPECT_EQ(v.help_font_size, kHelpFontSizeUnset);
}

TEST(SettingsDefaults, CatalogueAndHeadsInFileOrder) {
  const IniDocument doc = defaults();
  ASSERT_EQ(kCatalogueInFileOrder.size(), 72u);
  ASSERT_EQ(doc.section_key_count("Hole plates"), 72);
  for (int i = 0; i < 72; ++i) {
    const std::string n = std::to_string(kCatalogueInFileOrder[i]);
    EXPECT_EQ(doc.section_key_at("hole plates", i), "hole plates:" + n);
    EXPECT_EQ(doc.get_string("hole plates:" + n), n);
  }
  EXPECT_EQ(head_display_names(doc), kHeads);
  EXPECT_EQ(doc.section_names().at(2), "brown and sharp 40-1");
}

TEST(SettingsDefaults, HeadsOwnTheirPlates) {
  const IniDocument doc = defaults();
  const struct {
    const char* head;
    std::vector<int> plates;
  } cases[] = {
      {"Brown and Sharp 40-1",
       {15, 16, 17, 18, 19, 20, 21, 23, 27, 29, 31, 33, 37, 39, 41, 43, 47}},
      {"Phase II 72-1", {10}},
      {"Aciera 40-1", {13, 15, 16, 17, 18, 29, 31, 32, 33, 36, 37, 38, 39, 40, 42, 46}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(head_plates(doc, c.head), c.plates) << c.head;
  const std::size_t counts[] = {17, 24, 16, 21, 42, 19, 1, 16, 18};
  for (std::size_t i = 0; i < kHeads.size(); ++i)
    EXPECT_EQ(head_plates(doc, kHeads[i]).size(), counts[i]) << kHeads[i];
  // Aciera's repeated 29 and 36 stayed where they were first written.
  EXPECT_EQ(doc.section_key_at("aciera 40-1", 6), "aciera 40-1:29");
  EXPECT_EQ(doc.section_key_at("aciera 40-1", 8), "aciera 40-1:36");
  EXPECT_EQ(doc.section_key_at("aciera 40-1", 9), "aciera 40-1:31");
}

TEST(SettingsModel, RatioIsTheNumberBeforeTheLastDash) {
  const std::pair<const char*, const char*> cases[] = {
      {"Phase II 72-1", "72"}, {"36-1", "36"},  {"A 12-3-1", "3"},
      {"Head-1", ""},          {"no dash", ""}, {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ratio_text_from_head_name(c.first), c.second) << c.first;
}

TEST(SettingsModel, FreePlatesAreTheCatalogueLessTheHead) {
  IniDocument doc = defaults();
  // 10 is no catalogue plate, so the head takes none of the 72 away.
  std::vector<int> sorted = kCatalogueInFileOrder;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(free_plates(doc, "Phase II 72-1"), sorted);
  const std::vector<int> brown_free = free_plates(doc, "Brown and Sharp 40-1").value();
  EXPECT_EQ(brown_free.size(), 72u - 17u);
  EXPECT_EQ(brown_free.front(), 13);
  EXPECT_EQ(brown_free.at(1), 24); // 15 to 21 and 23 are the head's

  IniDocument no_catalogue;
  no_catalogue.set("my head:0", "My Head");
  EXPECT_EQ(free_plates(no_catalogue, "My Head"), std::nullopt);
  no_catalogue.set("hole plates:x", "abc");
  EXPECT_EQ(free_plates(no_catalogue, "My Head"), std::nullopt);
}

// A crash of an older writer leaves the file empty or cut short: that is damage, not settings.
TEST(SettingsModel, AFileWithoutPlatesOrHeadsIsIncomplete) {
  const std::pair<std::string, bool> cases[] = {
      {"", false},
      {"[.]\nlanguage = en\nmeasure = met", false},
      {"[.]\nlanguage = en\n[hole plates]\n13 = 13\n15 = 15\n", false},
      {"[hole plates]\n13 = abc\n[h 40-1]\n0 = H 40-1\n", false},
      {"[h 40-1]\n0 = H 40-1\n15 = 15\n", false},
      {"[hole plates]\n13 = 13\n[h 40-1]\n0 = H 40-1\n", true},
      {defaults().dump(), true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(settings_are_complete(loaded(c.first)), c.second) << c.first;
}

TEST(SettingsModel, AddingPlate13ToBrownAndSharpAnd12ToTheCatalogue) {
  IniDocument doc = defaults();
  ASSERT_TRUE(add_plates_to_head(doc, "Brown and Sharp 40-1", {13}));
  EXPECT_EQ(head_plates(doc, "Brown and Sharp 40-1").front(), 13);
  EXPECT_EQ(free_plates(doc, "Brown and Sharp 40-1")->front(), 24);
  const std::string text = doc.dump();
  const std::size_t begin = text.find("[brown and sharp 40-1]\n");
  const std::size_t end = text.find("\n[", begin);
  const std::size_t line = text.find("\n13                             = 13\n", begin);
  EXPECT_LT(line, end);
  EXPECT_FALSE(add_plates_to_head(doc, "No Such Head", {13}));
  EXPECT_FALSE(remove_plates_from_head(doc, "No Such Head", {13}));
  // The catalogue takes only new plates.
  EXPECT_FALSE(add_catalogue_plate(doc, 13));
  EXPECT_EQ(doc.section_key_count("hole plates"), 72);
  EXPECT_TRUE(add_catalogue_plate(doc, 12));
  EXPECT_EQ(doc.section_key_at("hole plates", 72), "hole plates:12");
  EXPECT_EQ(doc.get_string("hole plates:12"), "12");
  EXPECT_EQ(free_plates(doc, "Phase II 72-1")->front(), 12);
}

TEST(SettingsModel, HandEditedPlatesAreSkipped) {
  IniDocument doc;
  doc.set("my head:0", "My Head");
  const std::pair<const char*, const char*> entries[] = {
      {"a", "abc"},         {"b", "-3"}, {"c", "0"},  {"12", "12"}, {"d", " 7 "},
      {"e", "99999999999"}, {"f", "12"}, {"x", "13"}, {"g", ""},
  };
  for (const auto& e : entries)
    doc.set("my head:" + std::string(e.first), e.second);
  EXPECT_EQ(head_plates(doc, "My Head"), (std::vector<int>{7, 12, 13}));
  // A plate under a key of another name still leaves the head when removed.
  ASSERT_TRUE(remove_plates_from_head(doc, "My Head", {13}));
  EXPECT_EQ(head_plates(doc, "My Head"), (std::vector<int>{7, 12}));
}

// Head "A"'s key "b:13" is "a:b:13", which also names key "13" of section "a:b": the plate must go.
TEST(SettingsModel, PlateLeavesAHeadWhoseKeyLooksLikeAnotherSection) {
  IniDocument doc = loaded("[a]\n0 = A\nb:13 = 13\n14 = 14\n[a:b]\nx = 1\n");
  ASSERT_EQ(head_plates(doc, "A"), (std::vector<int>{13, 14}));
  ASSERT_TRUE(remove_plates_from_head(doc, "A", {13}));
  EXPECT_EQ(head_plates(doc, "A"), (std::vector<int>{14}));
  EXPECT_EQ(doc.get_string("a:b:x"), "1");
}

TEST(SettingsModel, ParsePlate) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"13", 13},         {" 13\t", 13}, {"007", 7}, {"2147483647", INT_MAX},
      {"2147483648", {}}, {"0", {}},     {"-3", {}}, {"+13", {}},
      {"12a", {}},        {"1e3", {}},   {"", {}},   {"   ", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(parse_plate(c.first), c.second) << '"' << c.first << '"';
}

// A key set after a removal must not land in the freed slot inside another head's run of keys.
TEST(SettingsModel, EditedPlatesSurviveAReload) {
  const IniDocument original = defaults();
  IniDocument doc = defaults();
  ASSERT_TRUE(remove_plates_from_head(doc, "Brown and Sharp 40-1", {15, 16, 17}));
  ASSERT_TRUE(add_plates_to_head(doc, "72-1", {15, 16}));
  ASSERT_TRUE(add_plates_to_head(doc, "Cincinatti 40-1", {13}));
  ASSERT_TRUE(add_catalogue_plate(doc, 12));
  ASSERT_TRUE(add_catalogue_plate(doc, 150));

  const IniDocument back = loaded(doc.dump());
  EXPECT_EQ(back.section_names(), original.section_names());
  EXPECT_EQ(head_display_names(back), kHeads);
  EXPECT_EQ(head_plates(back, "Brown and Sharp 40-1"),
            (std::vector<int>{18, 19, 20, 21, 23, 27, 29, 31, 33, 37, 39, 41, 43, 47}));
  EXPECT_EQ(head_plates(back, "72-1"), (std::vector<int>{15, 16, 27, 29, 31, 32, 34, 35, 37, 41, 43,
                                                         47, 49, 50, 53, 54, 55, 57, 61, 65, 67}));
  EXPECT_EQ(head_plates(back, "Cincinatti 40-1").front(), 13);
  EXPECT_EQ(back.section_key_count("hole plates"), 74);
  EXPECT_EQ(back.get_string("hole plates:150"), "150");
  for (const char* head : {"90-1", "Phase II 90-1", "60-1", "Phase II 72-1", "Aciera 40-1", "36-1"})
    EXPECT_EQ(head_plates(back, head), head_plates(original, head)) << head;
  // Every plate key names its own value: nothing moved between sections.
  for (const std::string& section : back.section_names()) {
    if (section == ".")
      continue;
    for (const auto& entry : back.section_entries(section)) {
      if (entry.key != "0") {
        EXPECT_EQ(entry.key, entry.value) << section;
      }
    }
  }
}
