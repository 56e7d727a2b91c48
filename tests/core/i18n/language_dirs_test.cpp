// Installed languages: two-letter directories, the current one left out.
#include "core/i18n/language_dirs.h"

#include "core/unit_test.h"

#include "core/settings/ini_files.h"

namespace fs = std::filesystem;

TEST(LanguageDirs, OnlyTwoLetterDirectoriesOtherThanTheCurrentOneAtMostNineteen) {
  TempDir tree;
  for (const char* name : {"fr", "de", "en", ".x", "deu", "e"})
    fs::create_directory(tree.file(name));
  tree.write_file("es", "x"); // a file, not a language
  EXPECT_EQ(i18n::installed_languages(tree.path(), "en").value(),
            (std::vector<std::string>{"de", "fr"}));
  EXPECT_FALSE(i18n::installed_languages(tree.file("missing"), "en").has_value());
  for (char a = 'a'; a <= 'c'; ++a)
    for (char b = 'a'; b <= 'j'; ++b)
      fs::create_directory(tree.file({a, b}));
  // aa to aj and ba to bi.
  const std::vector<std::string> offered = i18n::installed_languages(tree.path(), "").value();
  EXPECT_EQ(offered.size(), 19u);
  EXPECT_EQ(offered.back(), "bi");
}

TEST(LanguageDirs, FlagIsTheFirstGifFileAndOnlyPlainCodesReachAFilePath) {
  TempDir tree;
  fs::create_directory(tree.file("a.gif"));
  for (const char* name : {"readme.txt", "zz.gif", "flag.gif"})
    tree.write_file(name, "x");
  EXPECT_EQ(i18n::find_flag_file(tree.path()), "flag.gif");
  EXPECT_EQ(i18n::find_flag_file(tree.file("a.gif")), "");
  for (const char* good : {"en", "de", "pt-BR", "x_1", "Az09-_abcdefghij"})
    EXPECT_TRUE(i18n::is_safe_language_code(good)) << good;
  for (const char* bad :
       {"", "..", "../../etc", "a/b", "e n", "abcdefghijklmnopq", "d\xc3\xa9", "a:b", "de@x"})
    EXPECT_FALSE(i18n::is_safe_language_code(bad)) << bad;
  EXPECT_EQ(i18n::language_file_path("/opt/tc", "de"), "/opt/tc/language/de/de.ini");
}
