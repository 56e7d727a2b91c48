#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using settings::IniDocument;
using settings::LoadStatus;

namespace {

// A fresh directory per test, removed with everything in it.
struct TempDir {
  std::string path = [] {
    std::string pattern = (fs::temp_directory_path() / "toolroom_ini_XXXXXX").string();
    return mkdtemp(&pattern[0]) ? pattern : std::string();
  }();
  ~TempDir() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  std::string file(const std::string& name) const { return path + "/" + name; }
};

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> files_in(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& item : fs::directory_iterator(dir))
    names.push_back(item.path().filename().string());
  return names;
}

IniDocument loaded(const std::string& path) {
  IniDocument doc;
  EXPECT_EQ(IniDocument::load(path, doc), LoadStatus::kOk);
  return doc;
}

} // namespace

TEST(IniDocumentLoad, RefusesWhatIsNotAnIniFileAndReadsAnEmptyOne) {
  TempDir dir;
  ASSERT_FALSE(dir.path.empty());
  fs::create_directory(dir.file("folder"));
  write_file(dir.file("empty.ini"), "");
  write_file(dir.file("malformed.ini"), "[.]\nmeasure = inch\njust some words\n");
  write_file(dir.file("long.ini"), "[.]\nlast = " + std::string(2000, 'x') + "\n");
  // iniparser itself would skip a line that starts with a NUL byte.
  const char binary[] = "[.]\nx = 1\n\0\xff\xfe\n\xff\xff = 3\n";
  write_file(dir.file("binary.ini"), std::string(binary, sizeof binary - 1));
  const struct {
    const char* name;
    LoadStatus expected;
  } cases[] = {
      {"absent.ini", LoadStatus::kMissing},    {"no_dir/absent.ini", LoadStatus::kMissing},
      {"folder", LoadStatus::kNotRegularFile}, {"malformed.ini", LoadStatus::kUnreadable},
      {"long.ini", LoadStatus::kUnreadable},   {"binary.ini", LoadStatus::kUnreadable},
      {"empty.ini", LoadStatus::kOk},
  };
  for (const auto& c : cases) {
    IniDocument doc;
    doc.set("old:key", "left over");
    EXPECT_EQ(IniDocument::load(dir.file(c.name), doc), c.expected) << c.name;
    EXPECT_TRUE(doc.empty()) << c.name;
  }
}

TEST(IniDocumentLoad, KeepsFileOrderAndLowerCasesNames) {
  TempDir dir;
  write_file(dir.file("a.ini"), "orphan = 1\n[Zeta]\nB = Two ; a comment\nA = 'One'\n"
                                "[alpha]\nx = 1\n[ZETA]\nc = 3\n");
  const IniDocument doc = loaded(dir.file("a.ini"));
  EXPECT_EQ(doc.section_names(), (std::vector<std::string>{"zeta", "alpha"}));
  // The repeated section's key returns to its own section; the orphan has none.
  ASSERT_EQ(doc.section_key_count("zeta"), 3);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(doc.section_key_at("zeta", i), std::string("zeta:") + "bac"[i]);
  EXPECT_EQ(doc.section_key_count("alpha"), 1);
  EXPECT_EQ(doc.get_string("Zeta:B"), "Two");
  EXPECT_EQ(doc.get_string("zeta:a"), "One");
}

TEST(IniDocumentSave, AwkwardValuesReadBackTheSame) {
  const struct {
    const char* value;
    const char* read_back;
  } cases[] = {
      {"a;b", "a;b"},
      {" leading blank", " leading blank"},
      {"trailing blank ", "trailing blank "},
      {"", ""},
      {"it's", "it's"},
      {"\"quoted\"", "\"quoted\""},
      {"ends in \\", "ends in \\"},
      {"x = y", "x = y"},
      {"\"it's\"; both", "it's; both"}, // no quote can hold both: the double ones go
  };
  IniDocument doc;
  doc.add_section("Phase II 72-1");
  doc.set("phase ii 72-1:0", "Phase II 72-1");
  for (std::size_t i = 0; i < std::size(cases); ++i)
    doc.set("values:" + std::to_string(i), cases[i].value);
  doc.set("values:last", "after all");

  TempDir dir;
  std::string error;
  ASSERT_TRUE(doc.save(dir.file("s.ini"), &error)) << error;
  const IniDocument back = loaded(dir.file("s.ini"));
  EXPECT_EQ(back.section_names(), (std::vector<std::string>{"phase ii 72-1", "values"}));
  EXPECT_EQ(back.get_string("Phase II 72-1:0"), "Phase II 72-1");
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(back.get_string("values:" + std::to_string(i), "MISSING"), cases[i].read_back)
        << cases[i].value;
  EXPECT_EQ(back.get_string("values:last"), "after all");
}

TEST(IniDocumentSave, DumpHasTheIniparserLayout) {
  IniDocument doc;
  doc.set(".:measure", "inch");
  doc.set("hole plates:13", "13");
  doc.add_section("empty");
  doc.set("x:a_key_longer_than_thirty_chars", "v");
  EXPECT_EQ(doc.dump(), "\n[.]\n"
                        "measure                        = inch\n"
                        "\n[hole plates]\n"
                        "13                             = 13\n"
                        "\n[empty]\n"
                        "\n[x]\n"
                        "a_key_longer_than_thirty_chars = v\n");
}

TEST(IniDocumentSave, ReplacesAnExistingFileWhole) {
  TempDir dir;
  const std::string path = dir.file("s.ini");
  write_file(path, "[old]\nkey = old value that is longer than the new file\n");
  chmod(path.c_str(), 0640);
  IniDocument doc;
  doc.set("new:key", "1");
  ASSERT_TRUE(doc.save(path));
  EXPECT_EQ(read_file(path), "\n[new]\nkey                            = 1\n");
  EXPECT_EQ(files_in(dir.path), std::vector<std::string>{"s.ini"});
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(IniDocumentSave, FailureReportsAndLeavesNoTrace) {
  TempDir dir;
  IniDocument doc;
  doc.set("a:b", "c");
  std::string error;
  EXPECT_FALSE(doc.save(dir.file("missing/s.ini"), &error));
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;

  // A directory in the way: the rename fails after the temporary file is written.
  fs::create_directories(dir.file("s.ini/inside"));
  error.clear();
  EXPECT_FALSE(doc.save(dir.file("s.ini"), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(fs::is_directory(dir.file("s.ini/inside")));
  EXPECT_EQ(files_in(dir.path), std::vector<std::string>{"s.ini"});
}

TEST(IniDocumentSave, ReadOnlyDirectoryKeepsTheOldFile) {
  if (geteuid() == 0)
    GTEST_SKIP() << "root writes into read-only directories";
  TempDir dir;
  const std::string path = dir.file("s.ini");
  write_file(path, "[old]\nk = v\n");
  chmod(dir.path.c_str(), 0500);
  IniDocument doc;
  doc.set("new:key", "1");
  EXPECT_FALSE(doc.save(path));
  chmod(dir.path.c_str(), 0700);
  EXPECT_EQ(read_file(path), "[old]\nk = v\n");
}

TEST(IniDocumentValues, NumbersReadSanelyFromAnyText) {
  const struct {
    const char* key;
    const char* value; // nullptr: not set
    long as_long;
    double as_double;
  } cases[] = {
      // clang-format off
      {".:garbage", "abc", 0, 0.0}, {".:trailing", "12abc", 12, 12.0}, {".:zero_led", "08", 8, 8.0},
      {".:negative", "-5", -5, -5.0}, {".:decimal", "2.5mm", 2, 2.5}, {".:empty", "", 0, 0.0},
      {".:huge", "99999999999999999999999", LONG_MAX, 1e23}, {"HOLE PLATES:13", "13", 13, 13.0},
      {".", nullptr, -7, -7.0}, {"hole plates", nullptr, -7, -7.0}, {"hole plates:14", nullptr, -7, -7.0},
      // clang-format on
  };
  IniDocument doc;
  for (const auto& c : cases)
    if (c.value)
      doc.set(c.key, c.value);
  for (const auto& c : cases) {
    EXPECT_EQ(doc.get_long(c.key, -7), c.as_long) << c.key;
    EXPECT_DOUBLE_EQ(doc.get_double(c.key, -7.0), c.as_double) << c.key;
  }
}

TEST(IniDocumentEditing, KeysStayInTheirSections) {
  IniDocument doc;
  EXPECT_FALSE(doc.set("no colon", "x"));
  EXPECT_TRUE(doc.empty());
  doc.set("a:1", "1");
  doc.set("a:2", "2");
  doc.set("b:1", "1");
  doc.unset("a:1");
  doc.unset("a:absent");
  doc.unset("absent:1");
  doc.set("a:3", "3");   // after a removal, still in "a"
  doc.set("A:2", "two"); // an existing key keeps its place
  doc.add_section("Empty");
  EXPECT_EQ(doc.section_names(), (std::vector<std::string>{"a", "b", "empty"}));
  EXPECT_EQ(doc.section_key_count("a"), 2);
  EXPECT_EQ(doc.section_key_at("a", 0), "a:2");
  EXPECT_EQ(doc.get_string("a:2"), "two");
  EXPECT_EQ(doc.section_key_at("a", 1), "a:3");
  EXPECT_EQ(doc.section_key_at("a", 2), "");
  EXPECT_EQ(doc.section_key_count("b"), 1);
  EXPECT_EQ(doc.section_key_count("EMPTY"), 0);
  EXPECT_EQ(doc.section_key_count("missing"), -1);
  EXPECT_FALSE(doc.has("a:1"));
}

// A line over 1022 characters makes the whole file unreadable: long keys cut or drop the value.
TEST(IniDocumentSave, LongKeysNeverMakeTheFileUnreadable) {
  const struct {
    std::size_t key_length;
    std::string value;
    bool written;
    std::string expected;
  } cases[] = {
      {1000, "a;b", true, "a;b"}, // 1000 + " = " + quoted 5: fits
      {1015, "a;b", true, "a;"},  // 4 characters left: the quoted text "a;"
      {1018, "xyz", true, ""},    // 1 character left
      {1020, "1", false, ""},     // 1020 + " = " is already too long
      // 819 left, less 2 for the quotes a cut value may need
      {200, std::string(900, '7'), true, std::string(817, '7')},
      {5, std::string(5000, '7'), true, std::string(900, '7')}, // 900 at most behind any key
  };
  TempDir dir;
  for (const auto& c : cases) {
    const std::string key = "a:" + std::string(c.key_length, 'k');
    IniDocument doc;
    doc.set(key, c.value);
    doc.set("b:x", "1");
    ASSERT_TRUE(doc.save(dir.file("s.ini")));
    IniDocument back;
    ASSERT_EQ(IniDocument::load(dir.file("s.ini"), back), LoadStatus::kOk) << c.key_length;
    EXPECT_EQ(back.get_string("b:x"), "1");
    EXPECT_EQ(back.has(key), c.written) << c.key_length;
    EXPECT_EQ(back.get_string(key), c.expected) << c.key_length;
  }
}

TEST(IniDocumentSave, SectionWithoutANameReadsBackAsOne) {
  TempDir dir;
  write_file(dir.file("s.ini"), "[a]\nx = 1\n[ ]\ny = 2\n[b]\nz = 3\n");
  IniDocument doc = loaded(dir.file("s.ini"));
  ASSERT_EQ(doc.section_names(), (std::vector<std::string>{"a", "", "b"}));
  ASSERT_TRUE(doc.save(dir.file("s.ini")));
  IniDocument back = loaded(dir.file("s.ini"));
  EXPECT_EQ(back.section_names(), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(back.get_string(":y"), "2");
  EXPECT_EQ(back.get_string("b:z"), "3");
}
