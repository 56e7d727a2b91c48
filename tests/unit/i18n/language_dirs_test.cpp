// Installed languages: two-letter directories, the current one left out.
#include "i18n/language_dirs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

struct LanguageTree {
  std::string root;
  LanguageTree() {
    std::string pattern = "/tmp/toolroom-lang-XXXXXX";
    root = mkdtemp(pattern.data());
  }
  ~LanguageTree() { std::system(("rm -rf '" + root + "'").c_str()); }
  void dir(const std::string& name) const { mkdir((root + "/" + name).c_str(), 0755); }
  void file(const std::string& name) const { std::ofstream(root + "/" + name) << "x"; }
};

} // namespace

TEST(LanguageDirs, OnlyTwoLetterDirectoriesOtherThanTheCurrentOne) {
  LanguageTree tree;
  for (const char* name : {"fr", "de", "en", ".x", "deu", "e"})
    tree.dir(name);
  tree.file("es"); // a file, not a language
  auto codes = i18n::installed_languages(tree.root, "en");
  ASSERT_TRUE(codes.has_value());
  EXPECT_EQ(*codes, (std::vector<std::string>{"de", "fr"}));
}

TEST(LanguageDirs, MissingDirectoryIsReported) {
  EXPECT_FALSE(i18n::installed_languages("/nonexistent/toolroom/language", "en").has_value());
}

TEST(LanguageDirs, AtMostNineteenLanguagesAreOffered) {
  LanguageTree tree;
  for (char a = 'a'; a <= 'c'; ++a)
    for (char b = 'a'; b <= 'j'; ++b)
      tree.dir(std::string{a, b});
  EXPECT_EQ(i18n::installed_languages(tree.root, "").value().size(), 19u);
}

TEST(LanguageDirs, FlagIsTheFirstGifFile) {
  LanguageTree tree;
  tree.dir("sub.gif");
  tree.file("readme.txt");
  tree.file("zz.gif");
  tree.file("flag.gif");
  EXPECT_EQ(i18n::find_flag_file(tree.root), "flag.gif");
  LanguageTree empty;
  EXPECT_EQ(i18n::find_flag_file(empty.root), "");
}

TEST(LanguageDirs, OnlyPlainCodesReachAFilePath) {
  for (const char* good : {"en", "de", "pt-BR", "x_1"})
    EXPECT_TRUE(i18n::is_safe_language_code(good)) << good;
  for (const char* bad : {"", "..", "../../etc", "a/b", "e n", "abcdefghijklmnopq"})
    EXPECT_FALSE(i18n::is_safe_language_code(bad)) << bad;
  EXPECT_EQ(i18n::language_file_path("/opt/tc", "de"), "/opt/tc/language/de/de.ini");
}
