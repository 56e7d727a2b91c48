// Indexing with a dividing head: which hole circles give N equal divisions,
// with how many whole crank turns and how many holes on the circle, and how
// the printed table of a range of divisions is laid out. Pure: no toolkit.
//
// A head of worm ratio R needs R / N crank turns per division: W = R div N
// whole turns, and the part r / N (r = R mod N) of a turn, which a circle of
// h holes gives when r * h is a multiple of N (then k = r * h / N holes).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace workshop {

/// One way to index a division: `turns` whole crank turns, then `holes`
/// holes on the circle of `circle` holes. Circle 0 means whole turns alone.
struct IndexingSetting {
  int circle = 0;
  long turns = 0;
  long holes = 0;
  bool operator==(const IndexingSetting& other) const {
    return circle == other.circle && turns == other.turns && holes == other.holes;
  }
};

/// Whole turns alone, when N divides R; nullopt otherwise (also for R < 1 or N < 1).
std::optional<IndexingSetting> whole_turn_setting(int ratio, long divisions);

/// The setting on one circle with the fewest holes to advance; nullopt when the
/// circle can't give the division, when N divides R (no circle is needed), or
/// for R, N or the circle below 1.
std::optional<IndexingSetting> setting_on_circle(int ratio, long divisions, int circle);

/// What the Calculate button finds.
struct IndexingResult {
  /// Whole turns alone, or every circle of the head that works (ascending).
  std::vector<IndexingSetting> on_head;
  /// Only when the head has none: the other known circles that would work.
  std::vector<IndexingSetting> elsewhere;
};

/// Searches the head's circles, then (when none works) the other known
/// circles. Circles are tried in the order given; both empty for R < 1 or N < 1.
IndexingResult search_indexing(int ratio, long divisions, const std::vector<int>& head_plates,
                               const std::vector<int>& other_plates);

/// Whether N divisions can be indexed with whole turns or one of `plates`.
bool can_index(int ratio, const std::vector<int>& plates, long divisions);

/// The settings printed for one N: whole turns alone, or at most the first
/// eight circles of `plates` that work. Empty: N is left out of the table.
inline constexpr std::size_t kMostTableSettings = 8;
std::vector<IndexingSetting> division_solutions(int ratio, long divisions,
                                                const std::vector<int>& plates);

/// One N of the printed table with its settings, or, for an N without
/// them, lines of text printed across the circle, turns and holes columns.
struct DivisionRow {
  long divisions = 0;
  std::vector<IndexingSetting> settings;
  std::vector<std::string> notes;
  /// The lines the row takes in the table.
  int lines() const;
};

/// The rows for every N from `from` to `to` that has a solution, ascending.
/// No N above R times the largest circle can have one, so the walk stops there.
std::vector<DivisionRow> collect_division_table(int ratio, const std::vector<int>& plates,
                                                long from, long to);

/// The heading of the printed table, naming the head whose settings it
/// lists: "Dividing head: Brown and Sharp 40-1   Worm ratio = 40:1". A word
/// the language lacks is left out with its sign.
std::string division_table_heading(const std::string& head_word, const std::string& head_name,
                                   const std::string& ratio_word, int ratio);

/// The texts of the result list that come from the language file.
struct IndexingTexts {
  std::string whole_turns; ///< the circle column of a whole-turn setting
  std::string none_fits;   ///< no circle of the head works
  std::string others_first;
  std::string others_second;
};

/// One result line as the page's list shows it: circle (or the whole-turn
/// text), turns and holes, each centred in its tab-separated column ("@c"),
/// e.g. "@c21\t@c5\t@c15". A language text there and the lines of text
/// below start with "@." so that they show as written.
std::string setting_line(const IndexingSetting& setting, const std::string& whole_turns);

/// The result list: the head's settings; or the none-fits line followed, when
/// other circles work, by a blank line, the two introducing lines, a blank line
/// and their settings.
std::vector<std::string> indexing_lines(const IndexingResult& result, const IndexingTexts& texts);

// ---- the printed table ----

/// Vertical measures of a table block, in device units from the top of the
/// printable area.
inline constexpr int kTableHeaderTop = 7;
inline constexpr int kTableFirstRowTop = kTableHeaderTop + 24;
inline constexpr int kTableRowStep = 22;
inline constexpr int kTableCellHeight = 23;

/// Where one row of the table goes: its index in the rows and the top of its
/// first line.
struct PlacedDivision {
  std::size_t row = 0;
  int top = 0;
};

/// One printed page: the left block (0) and the right block (1).
struct TablePage {
  std::array<std::vector<PlacedDivision>, 2> blocks;
};

/// Fills blocks top to bottom, left block first, a new page when both are
/// full. A block is full when the next line would reach `height`; an N whose
/// settings don't fit below the others moves on whole. An N too tall for an
/// empty block is still placed there, so every row is printed.
std::vector<TablePage> layout_division_table(const std::vector<DivisionRow>& rows, int height);

} // namespace workshop
