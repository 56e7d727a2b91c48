// The installed language files against English: the same entries and print
// texts, the same printf conversions where a text is a format, the '~' rule,
// and every help page a button opens present in every language.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "i18n/format_check.h"
#include "i18n/language_dirs.h"
#include "settings/ini_document.h"

namespace {

const std::string kLanguageDir = TOOLROOM_LANGUAGE_DIR;

std::vector<std::string> languages() {
  auto others = i18n::installed_languages(kLanguageDir, "");
  return others ? *others : std::vector<std::string>{};
}

settings::IniDocument load(const std::string& code) {
  settings::IniDocument doc;
  EXPECT_EQ(settings::IniDocument::load(kLanguageDir + "/" + code + "/" + code + ".ini", doc),
            settings::LoadStatus::kOk)
      << code;
  return doc;
}

std::vector<std::string> keys(const settings::IniDocument& doc, const std::string& section) {
  std::vector<std::string> out;
  for (const auto& entry : doc.section_entries(section))
    out.push_back(entry.key);
  std::sort(out.begin(), out.end());
  return out;
}

std::string read(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

} // namespace

TEST(LanguageFiles, EnglishAndAtLeastOneOtherLanguageAreInstalled) {
  auto codes = languages();
  EXPECT_NE(std::find(codes.begin(), codes.end(), "en"), codes.end());
  EXPECT_GE(codes.size(), 2u);
}

TEST(LanguageFiles, EveryLanguageHasEnglishsEntriesAndPrintTexts) {
  settings::IniDocument english = load("en");
  ASSERT_GE(english.section_key_count("."), 473);
  EXPECT_EQ(english.section_key_count("local"), 24);
  for (const std::string& code : languages()) {
    SCOPED_TRACE(code);
    settings::IniDocument other = load(code);
    EXPECT_EQ(keys(other, "."), keys(english, "."));
    EXPECT_EQ(keys(other, "local"), keys(english, "local"));
    for (const auto& entry : english.section_entries(".")) {
      const std::string* text = other.find(".:" + entry.key);
      ASSERT_NE(text, nullptr) << entry.key;
      if (!entry.value.empty()) {
        EXPECT_FALSE(text->empty()) << "entry " << entry.key << " is empty";
      }
    }
  }
}

TEST(LanguageFiles, FormatsKeepTheirConversionsAndTildesOnlyBreakTwoEntries) {
  for (const std::string& code : languages()) {
    SCOPED_TRACE(code);
    settings::IniDocument doc = load(code);
    EXPECT_TRUE(i18n::format_matches(doc.get_string(".:315"), "dd"));
    EXPECT_TRUE(i18n::format_matches(doc.get_string(".:338"), "ccds"));
    for (const auto& entry : doc.section_entries(".")) {
      if (entry.key == "415" || entry.key == "461" || entry.key == "315" || entry.key == "338")
        continue;
      EXPECT_EQ(entry.value.find('~'), std::string::npos) << entry.key;
      // Texts shown in message boxes and labels never carry a printf conversion.
      EXPECT_EQ(entry.value.find('%'), std::string::npos) << entry.key;
    }
  }
}

TEST(LanguageFiles, EveryHelpPageIsThereInEveryLanguage) {
  const char* pages[] = {"thread", "backlash", "worm_gear",  "ChangeGearCalculation",
                         "bevel",  "pdc",      "gear_ratio", "change_gear"};
  EXPECT_FALSE(read(kLanguageDir + "/pin_dia.html").empty()) << "pin_dia.html";
  for (const std::string& code : languages()) {
    for (const char* page : pages) {
      std::string text = read(kLanguageDir + "/" + code + "/" + page + ".html");
      EXPECT_GT(text.size(), 200u) << code << "/" << page << ".html missing or empty";
    }
    EXPECT_NE(read(kLanguageDir + "/" + code + "/worm_gear.html").find("<a name=\"crown\">"),
              std::string::npos)
        << code << ": worm_gear.html lacks the crown anchor";
    EXPECT_FALSE(i18n::find_flag_file(kLanguageDir + "/" + code).empty()) << code << " flag";
  }
}
