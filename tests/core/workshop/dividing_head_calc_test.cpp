#include "core/workshop/dividing_head_calc.h"

#include "core/unit_test.h"

namespace workshop {
namespace {

using Plates = std::vector<int>;

const Plates kBrownAndSharp = {15, 16, 17, 18, 19, 20, 21, 23, 27, 29, 31, 33, 37, 39, 41, 43, 47};

TEST(DividingHead, CanIndexLooksAtTheHeadOnly) {
  // clang-format off
  const std::tuple<int, long, Plates, bool> cases[] = {
      // 40 / 7: 15 holes of 21; 60 / 143: 60 holes of 143.
      {40, 40, {}, true}, {40, 20, {}, true}, {40, 1, {}, true}, {40, 7, {}, false}, {40, 7, kBrownAndSharp, true},
      {40, 127, kBrownAndSharp, false}, {40, 127, {127}, true}, {0, 7, kBrownAndSharp, false},
      {40, 0, kBrownAndSharp, false}, {60, 143, {143}, true}, {60, 143, {142, 144}, false}};
  // clang-format on
  for (const auto& [ratio, n, plates, expected] : cases)
    EXPECT_EQ(can_index(ratio, plates, n), expected) << ratio << " / " << n;
}

TEST(DividingHead, TableOfSettings) {
  const Plates multiples_of_three = {3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36};
  // 40 / 3 = 13 1/3: h / 3 holes on every circle of a multiple of 3 holes; eight at most.
  const std::vector<IndexingSetting> settings = division_solutions(40, 3, multiples_of_three);
  ASSERT_EQ(settings.size(), 8u);
  EXPECT_EQ(std::make_pair(settings.front(), settings.back()),
            std::make_pair(IndexingSetting{3, 13, 1}, IndexingSetting{24, 13, 8}));
  // Rows skip divisions without a solution. With the single circle 15 on a
  // 40-1 head: 7 has none (35 / 7 ... 75 / 7); 40 / 60 = 10 holes of 15, 59
  // and 61 have none; nothing past 40 * 15 = 600 can be indexed on 15 holes.
  const std::tuple<long, long, std::vector<long>> ranges[] = {
      {2, 8, {2, 3, 4, 5, 6, 8}}, {59, 61, {60}}, {10, 8, {}}, {599, 1000000000000L, {600}}};
  for (const auto& [from, to, expected] : ranges) {
    std::vector<long> divisions;
    for (const DivisionRow& row : collect_division_table(40, {15}, from, to))
      divisions.push_back(row.divisions);
    EXPECT_EQ(divisions, expected) << from << " to " << to;
  }
  // 40 / 9 = 4 4/9: 8 of 18, 12 of 27.
  EXPECT_EQ(collect_division_table(40, kBrownAndSharp, 9, 9).at(0).settings,
            (std::vector<IndexingSetting>{{18, 4, 8}, {27, 4, 12}}));
}

// Height 100: rows start at 31, 53, 75; at 97 the next line would reach 100.
TEST(DividingHead, TableLayoutFillsLeftBlockThenRightThenNewPage) {
  using Places = std::vector<std::array<int, 3>>; // page, block, top per row
  // clang-format off
  const std::tuple<const char*, std::vector<std::size_t>, int, Places> cases[] = {
      {"seven single rows", {1, 1, 1, 1, 1, 1, 1}, 100, {{0, 0, 31}, {0, 0, 53}, {0, 0, 75}, {0, 1, 31}, {0, 1, 53}, {0, 1, 75}, {1, 0, 31}}},
      // Three lines at 53 would end at 53 + 69 = 122: the row moves on whole,
      // to 31 in the right block (ending at 100 exactly); the next row would
      // start at 31 + 66 = 97 and reach 120: a new page.
      {"a tall row moves to the next block", {1, 3, 1}, 100, {{0, 0, 31}, {0, 1, 31}, {1, 0, 31}}},
      // Eight lines (184) never fit in 100: placed alone in a fresh block.
      {"too tall for any block", {8, 1}, 100, {{0, 0, 31}, {0, 1, 31}}}, {"one row", {2}, 800, {{0, 0, 31}}}};
  // clang-format on
  for (const auto& [name, lines_per_row, height, expected] : cases) {
    std::vector<DivisionRow> rows;
    // Every second row is a differential one: lines of text, no settings.
    for (std::size_t lines : lines_per_row)
      rows.push_back(rows.size() % 2 == 0
                         ? DivisionRow{2, std::vector<IndexingSetting>(lines, {15, 1, 1}), {}}
                         : DivisionRow{2, {}, std::vector<std::string>(lines, "A = 3")});
    const std::vector<TablePage> pages = layout_division_table(rows, height);
    Places places(rows.size(), {-1, -1, -1});
    for (std::size_t p = 0; p < pages.size(); ++p)
      for (int b = 0; b < 2; ++b)
        for (const PlacedDivision& placed : pages[p].blocks[static_cast<std::size_t>(b)])
          places.at(placed.row) = {static_cast<int>(p), b, placed.top};
    EXPECT_EQ(places, expected) << name;
  }
  EXPECT_TRUE(layout_division_table({}, 800).empty());
}

TEST(DividingHead, TableHeadingNamesTheHeadAndItsWormRatio) {
  EXPECT_EQ(division_table_heading("Dividing head", "Cincinnati 40-1", "Worm ratio", 40),
            "Dividing head: Cincinnati 40-1   Worm ratio = 40:1");
  EXPECT_EQ(division_table_heading("Teilkopf", "Hauser 60", "", 60), "Teilkopf: Hauser 60   60:1");
}

} // namespace
} // namespace workshop
