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
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

} // namespace

TEST(LanguageFiles, EveryLanguageHasEnglishsEntriesFormatsAndHelpPages) {
  const std::vector<std::string> codes = i18n::installed_languages(kLanguageDir, "").value();
  EXPECT_NE(std::find(codes.begin(), codes.end(), "en"), codes.end());
  EXPECT_GE(codes.size(), 2u);
  const settings::IniDocument english = load("en");
  ASSERT_GE(english.section_key_count("."), 473);
  EXPECT_EQ(english.section_key_count("local"), 24);
  EXPECT_FALSE(read(kLanguageDir + "/pin_dia.html").empty());
  for (const std::string& code : codes) {
    SCOPED_TRACE(code);
    const settings::IniDocument doc = load(code);
    EXPECT_EQ(keys(doc, "."), keys(english, "."));
    EXPECT_EQ(keys(doc, "local"), keys(english, "local"));
    EXPECT_TRUE(i18n::format_matches(doc.get_string(".:315"), "dd"));
    EXPECT_TRUE(i18n::format_matches(doc.get_string(".:338"), "ccds"));
    for (const auto& entry : doc.section_entries(".")) {
      EXPECT_EQ(entry.value.empty(), english.get_string(".:" + entry.key).empty()) << entry.key;
      if (entry.key == "415" || entry.key == "461" || entry.key == "315" || entry.key == "338")
        continue;
      // Texts shown in message boxes and labels never carry a printf conversion.
      EXPECT_EQ(entry.value.find_first_of("~%"), std::string::npos) << entry.key;
    }
    for (const char* page : {"thread", "backlash", "worm_gear", "ChangeGearCalculation", "bevel",
                             "pdc", "gear_ratio", "change_gear"})
      EXPECT_GT(read(kLanguageDir + "/" + code + "/" + page + ".html").size(), 200u) << page;
    EXPECT_NE(read(kLanguageDir + "/" + code + "/worm_gear.html").find("<a name=\"crown\">"),
              std::string::npos);
    EXPECT_FALSE(i18n::find_flag_file(kLanguageDir + "/" + code).empty());
  }
}
