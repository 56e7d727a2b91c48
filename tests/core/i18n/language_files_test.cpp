// The installed language files against English: the same entries and print
// texts, the same printf conversions where a text is a format, the '~' rule,
// and every help page a button opens present in every language.
#include "core/unit_test.h"

#include <algorithm>
#include <filesystem>
#include <regex>

#include "core/i18n/format_check.h"
#include "core/i18n/language_dirs.h"
#include "core/settings/ini_files.h"

namespace {

const std::string kLanguageDir = TOOLROOM_LANGUAGE_DIR;

} // namespace

TEST(LanguageFiles, EveryLanguageHasEnglishsEntriesFormatsAndHelpPages) {
  const std::vector<std::string> codes = i18n::installed_languages(kLanguageDir, "").value();
  EXPECT_NE(std::find(codes.begin(), codes.end(), "en"), codes.end());
  EXPECT_GE(codes.size(), 2u);
  const settings::IniDocument english = loaded(kLanguageDir + "/en/en.ini");
  ASSERT_GE(english.section_key_count("."), 473);
  EXPECT_EQ(english.section_key_count("local"), 24);
  for (const std::string& code : codes) {
    SCOPED_TRACE(code);
    const settings::IniDocument doc = loaded(kLanguageDir + "/" + code + "/" + code + ".ini");
    // The same keys: as many, and each of English's there (and empty only where it is empty).
    EXPECT_EQ(doc.section_key_count("."), english.section_key_count("."));
    EXPECT_EQ(doc.section_key_count("local"), english.section_key_count("local"));
    for (const std::string section : {".", "local"})
      for (const auto& entry : english.section_entries(section)) {
        const std::string* text = doc.find(section + ":" + entry.key);
        EXPECT_TRUE(text && text->empty() == entry.value.empty()) << section << ":" << entry.key;
      }
    EXPECT_TRUE(i18n::format_matches(doc.get_string(".:315"), "dd"));
    EXPECT_TRUE(i18n::format_matches(doc.get_string(".:754"), "dd"));
    EXPECT_TRUE(i18n::format_matches(doc.get_string(".:338"), "ccds"));
    for (const char* key : {".:771", ".:773"}) // A, a page count
      EXPECT_TRUE(i18n::format_matches(doc.get_string(key), "d")) << key;
    for (const char* key : {".:821", ".:822"}) // file names, or a file name and why
      EXPECT_TRUE(i18n::format_matches(doc.get_string(key), "ss")) << key;
    for (const char* key : {".:846", ".:926"}) // the text not expected, a set's name
      EXPECT_TRUE(i18n::format_matches(doc.get_string(key), "s")) << key;
    for (const char* key : {".:890", ".:907"}) // a tooth count, a block count
      EXPECT_TRUE(i18n::format_matches(doc.get_string(key), "d")) << key;
    for (const auto& entry : doc.section_entries(".")) {
      const std::string with_format_or_break[] = {"415", "461", "315", "338", "754",
                                                  "771", "773", "821", "822", "846", "890", "907", "926"};
      if (std::find(std::begin(with_format_or_break), std::end(with_format_or_break), entry.key) !=
          std::end(with_format_or_break))
        continue;
      // Texts shown in message boxes and labels never carry a printf conversion.
      EXPECT_EQ(entry.value.find_first_of("~%"), std::string::npos) << entry.key;
    }
    for (const char* page : {"thread", "backlash", "worm_gear", "ChangeGearCalculation", "bevel",
                             "pdc", "gear_ratio", "change_gear", "pin_dia", "helical_gear"})
      EXPECT_GT(file_text(kLanguageDir + "/" + code + "/" + page + ".html").size(), 200u) << page;
    EXPECT_NE(file_text(kLanguageDir + "/" + code + "/worm_gear.html").find("<a name=\"crown\">"),
              std::string::npos);
    EXPECT_FALSE(i18n::find_flag_file(kLanguageDir + "/" + code).empty());
  }
}

// The help view knows the named entities of Latin-1 and the four of markup; any
// other (&pi;, &minus;) shows as typed, so such characters are written as UTF-8.
TEST(LanguageFiles, HelpPagesUseOnlyEntitiesTheHelpViewShows) {
  const std::string known =
      " amp lt gt quot nbsp iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy"
      " reg macr deg plusmn sup2 sup3 acute micro para middot cedil sup1 ordm raquo frac14 frac12"
      " frac34 iquest times divide szlig ";
  const std::regex entity("&([A-Za-z][A-Za-z0-9]*);");
  int pages = 0;
  for (const auto& file : std::filesystem::recursive_directory_iterator(kLanguageDir)) {
    if (file.path().extension() != ".html")
      continue;
    ++pages;
    const std::string text = file_text(file.path().string());
    for (std::sregex_iterator it(text.begin(), text.end(), entity), end; it != end; ++it) {
      const std::string name = (*it)[1];
      // Accented letters: "auml", "Eacute", "ntilde" and the like.
      const bool letter =
          std::regex_match(name, std::regex("[A-Za-z](grave|acute|circ|tilde|uml|"
                                            "ring|cedil|slash|lig)|ETH|eth|THORN|thorn"));
      EXPECT_TRUE(letter || known.find(" " + name + " ") != std::string::npos)
          << file.path() << ": &" << name << ";";
    }
  }
  EXPECT_GE(pages, 25);
}
