#include "core/settings/ini_document.h"

#include "core/unit_test.h"

#include <chrono>
#include <cstring>
#include <iterator>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/settings/ini_files.h"
#include "core/settings/iniparser_reference.h"

namespace fs = std::filesystem;
using settings::IniDocument;
using settings::LoadStatus;

namespace {

// Sections and keys in their order: "[a] 1=x 2=y [b]".
std::string layout(const IniDocument& doc) {
  std::string text;
  for (const std::string& section : doc.section_names())
    text += (text.empty() ? "[" : " [") + section + "] " + entries(doc, section);
  return text;
}

} // namespace

// What can't be read (a loop of links: not even root can open it) is not
// damaged; a file over 512 KiB is refused unread, however it is filled.
TEST(IniDocumentLoad, RefusesWhatIsNotAnIniFileAndReadsAnEmptyOne) {
  TempDir dir;
  ASSERT_FALSE(dir.path().empty());
  fs::create_directory(dir.file("folder"));
  dir.write_file("empty.ini", "");
  dir.write_file("malformed.ini", "[.]\nmeasure = inch\njust some words\n");
  dir.write_file("long.ini", "[.]\nlast = " + std::string(2000, 'x') + "\n");
  // iniparser itself would skip a line that starts with a NUL byte.
  const char binary[] = "[.]\nx = 1\n\0\xff\xfe\n\xff\xff = 3\n";
  dir.write_file("binary.ini", std::string(binary, sizeof binary - 1));
  ASSERT_EQ(symlink("loop.ini", dir.file("loop.ini").c_str()), 0);
  dir.write_file("half.ini", std::string(512 * 1024, '\n'));
  dir.write_file("big.ini", std::string(512 * 1024 + 1, '\n'));
  const std::pair<const char*, LoadStatus> cases[] = {
      // clang-format off
      {"absent.ini", LoadStatus::kMissing}, {"no_dir/absent.ini", LoadStatus::kMissing},
      {"folder", LoadStatus::kNotRegularFile}, {"malformed.ini", LoadStatus::kDamaged},
      {"long.ini", LoadStatus::kDamaged}, {"binary.ini", LoadStatus::kDamaged},
      {"loop.ini", LoadStatus::kCannotRead}, {"big.ini", LoadStatus::kTooLarge},
      {"half.ini", LoadStatus::kOk}, {"empty.ini", LoadStatus::kOk}};
  // clang-format on
  for (const auto& [name, status] : cases) {
    IniDocument doc;
    doc.set("old:key", "left over");
    std::string reason;
    EXPECT_EQ(IniDocument::load(dir.file(name), doc, &reason), status) << name;
    EXPECT_TRUE(doc.empty() || status == LoadStatus::kOk) << name;
    EXPECT_EQ(reason, status == LoadStatus::kCannotRead ? std::strerror(ELOOP) : "") << name;
  }
  // A file without read permission, as nobody (root reads it anyway).
  chmod(dir.write_file("locked.ini", "[.]\n").c_str(), 0);
  chmod(dir.path().c_str(), 0755);
  const pid_t child = fork();
  if (child == 0) {
    IniDocument doc;
    const bool dropped = geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
    _exit(dropped ? static_cast<int>(IniDocument::load(dir.file("locked.ini"), doc)) : 99);
  }
  int status = -1;
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(LoadStatus::kCannotRead));
}

// Our own reader, held against iniparser on its line grammar.
TEST(IniDocumentLoad, ReadsEveryLineAsIniparserDoes) {
  const std::string s = "[s]\n", full = "k = " + std::string(1018, 'v'); // the longest line
  const std::string v = "k = " + std::string(600, 'v') + "\\\n", w(417, 'w');
  // clang-format off
  const std::string cases[] = {
      "[Zeta]\nB = Two ; c\nA = 'One'\n[ ]\ny = 2\n[ZETA]\nc = 3\n", s + "a = b\\", s + "a = b\\\n",
      "[q]\na = \"x;y\" z\nb = 'it\"s'\nc = \"\"\nd = ''\ne = \"\nf = \"\"x\ng =\nh = ;c\ni = #c\n"
      "j = a = b\nk=\"open\nl = x#y\nm = '' ; n\n", "# c\n  ; c\n \t \n[s]\r\nA key = v \r\n",
      s + "a = one \\\n two\n\\\nb = 2\n", "[]\na = 1\n[s]\n[]\nb = 2\n[a]b]\nc = 3\n[ MiXeD ]\nd = 4\n",
      "x = 1\n[s]\na = 1\nx", s + "a = 1\nb = 2\na = 3\n", s + "t:u = 1\n[s:t]\nv = 2\n[s:t:u]\n",
      "[s:t]\n[s]\nt = 9\nw = 1\n[s:t]\n", "[p5:x]\nk = 1\n[p5]\nj = 2\n[p5:x]\nm = 3\n",
      s + full + "\n", s + full + "x\n", s + full, s + full + "x", s + v + w + "\n", s + v + w + "w\n",
      s + "just words\n", s + "= x\n", s + "[\n", s + "x\n", "[longer]\n[]:b]\nx = 1\n[]\ny = 2\n",
      "[abc def]\n[]:b]\nx = 1\n[]:b]\ny = 2\n"};
  // clang-format on
  TempDir dir;
  for (const std::string& text : cases) {
    const std::string path = dir.write_file("s.ini", text);
    IniDocument doc;
    const bool read = IniDocument::load(path, doc) == LoadStatus::kOk;
    EXPECT_EQ(read ? ini_reference::described(doc) : "refused",
              ini_reference::described_by_iniparser(path))
        << text;
  }
}

// 30,000 sections (340 KB) once took 16 seconds to load; every lookup scanned them all.
TEST(IniDocumentLoad, ManySectionsLoadAndAreFound) {
  std::string text;
  for (int i = 0; i < 30000; ++i)
    text += "[" + std::to_string(i) + "]\nk=" + std::to_string(i % 7) + "\n";
  IniDocument doc = loaded_text(text);
  long sum = 0;
  for (int i = 0; i < 30000; ++i) {
    sum += doc.get_long(std::to_string(i) + ":K", -1);
    doc.set(std::to_string(i) + ":k", "0");
  }
  EXPECT_EQ(sum, 4285 * 21 + 10); // 4285 runs of 0..6 (29,995 sections), then 0 to 4
  EXPECT_EQ(doc.get_long("29999:k", -1), 0);
}

TEST(IniDocument, KeepsFileOrderAndWhatIsSavedReadsBackTheSame) {
  TempDir dir;
  // Names are lower-cased; the repeated section's key returns to its own section, the orphan
  // has none; a file's "[ ]" is a section without a name, and must stay one.
  IniDocument doc = loaded(dir.write_file("s.ini", "orphan = 1\n[Zeta]\nB = Two ; a comment\nA = 'One'\n"
                                              "[ ]\ny = 2\n[ZETA]\nc = 3\n"));
  EXPECT_EQ(layout(doc), "[zeta] b=Two a=One c=3 [] y=2");
  // A section named like another's key ("[p5:x]" beside "[p5]"), repeated after it.
  EXPECT_EQ(layout(loaded(dir.write_file("c.ini", "[p5:x]\nk = 1\n[p5]\nj = 2\n[p5:x]\nm = 3\n"))),
            "[p5:x] k=1 m=3 [p5] j=2");
  const char* values[] = {
      "a;b",        " leading blank", "trailing blank ", "",         "it's", "\"quoted\"",
      "ends in \\", "x = y",          "\"it's\"; both",  "after all"};
  for (std::size_t i = 0; i < std::size(values); ++i)
    doc.set("values:" + std::to_string(i), values[i]);
  doc.set("values:[key", "value]"); // not to be read back as a section line
  ASSERT_TRUE(doc.save(dir.file("s.ini")));
  doc.set("values:8", "it's; both"); // no quote can hold both: the double ones go
  EXPECT_EQ(layout(loaded(dir.file("s.ini"))), layout(doc));
}

// iniparser's dump layout, written over the old file as a whole.
TEST(IniDocumentSave, ReplacesTheFileWholeOrNotAtAll) {
  TempDir dir;
  const std::string path = dir.write_file("s.ini", "[old]\nkey = an old value longer than the new file, "
                                              "which must not show behind the new text\n");
  chmod(path.c_str(), 0640);
  IniDocument doc;
  doc.set(".:measure", "inch");
  doc.add_section("empty");
  doc.set("x:a_key_longer_than_thirty_chars", "v");
  const std::string text = "\n[.]\nmeasure                        = inch\n\n[empty]\n"
                           "\n[x]\na_key_longer_than_thirty_chars = v\n";
  // The program saves on every change: a save that kept a descriptor open
  // would run out of them in a long session.
  const auto open_files = [] {
    return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
  };
  const auto before = open_files();
  ASSERT_TRUE(doc.save(path) && doc.save(path));
  EXPECT_EQ(open_files(), before);
  EXPECT_EQ(file_text(path), text);
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u); // a replaced file keeps its permissions

  // Failures say why and leave no temporary file behind.
  std::string error;
  EXPECT_FALSE(doc.save(dir.file("missing/s.ini"), &error));
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;
  fs::create_directories(dir.file("d.ini/inside")); // the rename fails after writing
  EXPECT_FALSE(doc.save(dir.file("d.ini")));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
  if (geteuid() != 0) { // root writes into read-only directories
    chmod(dir.path().c_str(), 0500);
    doc.set("x:new", "2");
    EXPECT_FALSE(doc.save(path));
    chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(file_text(path), text);
  }
}

// A save killed half way leaves its temporary file; the next start removes
// those older than a minute, never one another copy is writing now, nor a
// file or folder of another name.
TEST(IniDocumentSave, OnlyStaleTemporaryFilesOfTheFileAreRemoved) {
  TempDir dir;
  const std::string path = dir.write_file("s.ini", "");
  for (const char* name : {"s.ini.tmp-old001", "s.ini.tmp-new001", "s.ini.tmp-old0012", "t.ini.tmp-old001"})
    dir.write_file(name, "x");
  fs::create_directories(dir.file("s.ini.tmp-olddir"));
  const auto two_minutes_ago = fs::file_time_type::clock::now() - std::chrono::minutes(2);
  for (const char* name : {"s.ini.tmp-old001", "s.ini.tmp-old0012", "t.ini.tmp-old001", "s.ini.tmp-olddir"})
    fs::last_write_time(dir.file(name), two_minutes_ago);
  EXPECT_EQ(settings::remove_stale_temporary_files(path, 60), 1);
  EXPECT_FALSE(fs::exists(dir.file("s.ini.tmp-old001")));
  for (const char* name : {"s.ini", "s.ini.tmp-new001", "s.ini.tmp-old0012", "t.ini.tmp-old001", "s.ini.tmp-olddir"})
    EXPECT_TRUE(fs::exists(dir.file(name))) << name;
}

// Users link the files into synced folders: the links stay, their targets
// are replaced and keep their mode and owner; /dev/null is left alone.
TEST(IniDocumentSave, WritesThroughLinksToTheirFinalTarget) {
  TempDir dir;
  fs::create_directories(dir.file("synced/deeper"));
  const std::string real = dir.write_file("synced/deeper/real.ini", "[old]\n");
  chmod(real.c_str(), 0640);
  const uid_t owner = geteuid() == 0 ? 65534 : geteuid();
  ASSERT_EQ(chown(real.c_str(), owner, owner), 0);
  const char* links[][2] = {{"deeper/real.ini", "synced/hop.ini"}, // relative to its folder
                            {"", "s.ini"},
                            {"synced/new.ini", "dangling.ini"},
                            {"/dev/null", "null.ini"}};
  for (const auto& [to, link] : links)
    ASSERT_EQ(symlink(*to ? to : dir.file("synced/hop.ini").c_str(), dir.file(link).c_str()), 0);
  IniDocument doc;
  doc.set("a:b", "c");
  EXPECT_TRUE(doc.save(dir.file("s.ini")) && doc.save(dir.file("dangling.ini")));
  EXPECT_FALSE(doc.save(dir.file("null.ini")));
  for (const auto& [to, link] : links)
    EXPECT_TRUE(fs::is_symlink(dir.file(link))) << link;
  EXPECT_EQ(file_text(real), "\n[a]\nb                              = c\n");
  EXPECT_EQ(file_text(dir.file("synced/new.ini")), file_text(real));
  struct stat st;
  EXPECT_TRUE(stat(real.c_str(), &st) == 0 && (st.st_mode & 07777) == 0640 && st.st_uid == owner);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  // Nothing else beside them: no temporary file left.
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir.path()), {}), 8);
}

TEST(IniDocumentValues, NumbersReadSanelyFromAnyText) {
  // Key, value (nullptr: not set), read as long and as double.
  const std::tuple<const char*, const char*, long, double> cases[] = {
      // clang-format off
      {".:garbage", "abc", 0, 0.0}, {".:trailing", "12abc", 12, 12.0}, {".:zero_led", "08", 8, 8.0},
      {".:negative", "-5", -5, -5.0}, {".:decimal", "2.5mm", 2, 2.5}, {".:empty", "", 0, 0.0},
      {".:huge", "99999999999999999999999", LONG_MAX, 1e23}, {"HOLE PLATES:13", "13", 13, 13.0},
      {".", nullptr, -7, -7.0}, {"hole plates", nullptr, -7, -7.0},
      {"hole plates:14", nullptr, -7, -7.0},
      // clang-format on
  };
  IniDocument doc;
  for (const auto& [key, value, as_long, as_double] : cases) {
    if (value)
      doc.set(key, value);
    EXPECT_EQ(doc.get_long(key, -7), as_long) << key;
    EXPECT_DOUBLE_EQ(doc.get_double(key, -7.0), as_double) << key;
  }
}

TEST(IniDocumentEditing, KeysStayInTheirSections) {
  IniDocument doc;
  EXPECT_FALSE(doc.set("no colon", "x"));
  EXPECT_TRUE(doc.empty());
  doc.set("a:1", "1");
  doc.set("a:2", "2");
  doc.set("b:1", "1");
  for (const char* key : {"a:1", "a:absent", "absent:1"})
    doc.unset(key);
  doc.set("a:3", "3");   // after a removal, still in "a"
  doc.set("A:2", "two"); // an existing key keeps its place
  doc.add_section("Empty");
  EXPECT_EQ(layout(doc), "[a] 2=two 3=3 [b] 1=1 [empty] ");
  EXPECT_EQ(doc.section_key_at("A", 1) + "|" + doc.section_key_at("a", 2), "a:3|");
  EXPECT_EQ(doc.section_key_count("EMPTY"), 0);
  EXPECT_EQ(doc.section_key_count("missing"), -1);
  EXPECT_FALSE(doc.has("a:1"));
}

// One table of full names, as iniparser keeps: "b: = m" in section "a" after a
// section "a:b" is that section's key of no name, which no line can hold.
TEST(IniDocumentSave, AKeyOfNoNameNeverMakesTheFileUnreadable) {
  TempDir dir;
  const IniDocument doc = loaded(dir.write_file("s.ini", "[a:b]\nx = 1\n[a]\nb: = m\n"));
  ASSERT_TRUE(doc.save(dir.file("s.ini")));
  EXPECT_EQ(loaded(dir.file("s.ini")).get_string("a:b:x"), "1");
}

// A line over 1022 characters makes the whole file unreadable: long keys cut or drop the value.
TEST(IniDocumentSave, LongKeysNeverMakeTheFileUnreadable) {
  // Key length, value, whether it is written, what reads back. 1000 + " = " + quoted 5 fits;
  // 1016 + " = " + 3 fills the line exactly; behind 1015 four characters are left, the quoted
  // "a;"; behind 1018 one; 1020 + " = " is already too long. Behind 200, 819 are left, less 2 for
  // the quotes a cut value may need; 900 at most behind any key.
  // clang-format off
  const std::tuple<std::size_t, std::string, bool, std::string> cases[] = {
      {1000, "a;b", true, "a;b"}, {1016, "xyz", true, "xyz"}, {1015, "a;b", true, "a;"},
      {1018, "xyz", true, ""},
      {1020, "1", false, ""}, {200, std::string(900, '7'), true, std::string(817, '7')},
      {5, std::string(5000, '7'), true, std::string(900, '7')}};
  // clang-format on
  TempDir dir;
  for (const auto& [length, value, written, read_back] : cases) {
    const std::string key = "a:" + std::string(length, 'k');
    IniDocument doc;
    doc.set(key, value);
    doc.set("b:x", "1");
    ASSERT_TRUE(doc.save(dir.file("s.ini")));
    const IniDocument back = loaded(dir.file("s.ini"));
    EXPECT_EQ(back.has(key), written) << length;
    EXPECT_EQ(back.get_string(key) + "|" + back.get_string("b:x"), read_back + "|1") << length;
  }
}
