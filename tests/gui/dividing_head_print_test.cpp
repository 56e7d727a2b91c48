// The printed indexing table, written to a PostScript file: pages as the
// rows need, the column headers, whole-turn rows, divisions without a
// solution left out.
#include <gtest/gtest.h>

#include <FL/Fl_PostScript.H>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "calc/workshop/dividing_head_print.h"
#include "gui/support/app_fixture.h"

using namespace testing_support;
using workshop::collect_division_table;

namespace {

const std::vector<int> kBrownAndSharp = {15, 16, 17, 18, 19, 20, 21, 23, 27,
                                         29, 31, 33, 37, 39, 41, 43, 47};

// The PostScript device writes each text as ASCII85 of UTF-16BE between
// "<~" and "~>"; these are the texts back, ASCII only.
std::vector<std::string> printed_texts(const std::string& ps) {
  std::vector<std::string> texts;
  for (size_t start = ps.find("<~"); start != std::string::npos; start = ps.find("<~", start + 2)) {
    size_t end = ps.find("~>", start);
    if (end == std::string::npos)
      break;
    std::string bytes;
    unsigned long group = 0;
    int count = 0;
    for (size_t i = start + 2; i < end; ++i) {
      char ch = ps[i];
      if (ch < '!' || ch > 'u')
        continue;
      group = group * 85 + static_cast<unsigned long>(ch - '!');
      if (++count == 5) {
        for (int k = 3; k >= 0; --k)
          bytes += static_cast<char>((group >> (8 * k)) & 0xff);
        group = 0;
        count = 0;
      }
    }
    if (count > 1) {
      for (int k = count; k < 5; ++k)
        group = group * 85 + 84;
      for (int k = 3; k >= 5 - count; --k)
        bytes += static_cast<char>((group >> (8 * k)) & 0xff);
    }
    std::string text;
    for (size_t i = 1; i < bytes.size(); i += 2)
      text += bytes[i];
    texts.push_back(text);
  }
  return texts;
}

int count_of(const std::string& haystack, const std::string& needle) {
  int n = 0;
  for (size_t at = haystack.find(needle); at != std::string::npos;
       at = haystack.find(needle, at + 1))
    ++n;
  return n;
}

bool contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class DividingHeadPrintTest : public AppTest {
protected:
  void SetUp() override { start_app(); }

  std::string print(const std::vector<workshop::DivisionRow>& rows) {
    std::string path = dir.path() + "/table.ps";
    FILE* file = std::fopen(path.c_str(), "w");
    EXPECT_NE(file, nullptr);
    Fl_PostScript_File_Device device;
    device.start_job(file, 1);
    workshop::draw_division_table(device, workshop::division_table_texts(*app), rows);
    device.end_job();
    std::fclose(file);
    return dir.read_file("table.ps");
  }
};

TEST_F(DividingHeadPrintTest, OneDivisionPrintsOnePage) {
  const std::string ps = print(collect_division_table(40, kBrownAndSharp, 40, 40));
  EXPECT_EQ(count_of(ps, "%%Page: "), 1);
  const auto texts = printed_texts(ps);
  for (const char* text : {"Divisions", "Circle", "Turns", "Holes", "40", "any", "1", "0"})
    EXPECT_TRUE(contains(texts, text)) << text;
}

TEST_F(DividingHeadPrintTest, ARangeFillsSeveralPages) {
  const std::string ps = print(collect_division_table(40, kBrownAndSharp, 2, 200));
  // Nearly every N up to 200 has a line or more, 22 points each: far more
  // than the two blocks of one page hold.
  EXPECT_GE(count_of(ps, "%%Page: "), 2);
  const auto texts = printed_texts(ps);
  // 200: 3 holes of 15 (and 4 of 20); 199 is prime and no circle has 199 holes.
  EXPECT_TRUE(contains(texts, "200"));
  EXPECT_FALSE(contains(texts, "199"));
  // 127 has no circle on this head either.
  EXPECT_FALSE(contains(texts, "127"));
}

TEST_F(DividingHeadPrintTest, NothingToPrintGivesNoPage) {
  const std::string ps = print({});
  EXPECT_EQ(count_of(ps, "%%Page: "), 0);
}

} // namespace
