#include "core/workshop/dividing_head_calc.h"

#include <algorithm>
#include <climits>

namespace workshop {

namespace {

// The circles of `plates` that give the division, in the order given, at most `limit`.
std::vector<IndexingSetting> circles_that_work(int ratio, long divisions,
                                               const std::vector<int>& plates, std::size_t limit) {
  std::vector<IndexingSetting> found;
  for (int circle : plates) {
    if (found.size() >= limit)
      break;
    if (std::optional<IndexingSetting> setting = setting_on_circle(ratio, divisions, circle))
      found.push_back(*setting);
  }
  return found;
}

} // namespace

std::optional<IndexingSetting> whole_turn_setting(int ratio, long divisions) {
  if (ratio < 1 || divisions < 1 || ratio % divisions != 0)
    return std::nullopt;
  return IndexingSetting{0, ratio / divisions, 0};
}

std::optional<IndexingSetting> setting_on_circle(int ratio, long divisions, int circle) {
  if (ratio < 1 || divisions < 1 || circle < 1)
    return std::nullopt;
  // The part of a turn left after the whole turns is r / N; on h holes that is
  // k = r * h / N holes, exact in whole numbers (r <= R, so no overflow).
  const long long rest = ratio % divisions;
  const long long product = rest * circle;
  if (rest == 0 || product % divisions != 0)
    return std::nullopt;
  return IndexingSetting{circle, ratio / divisions, static_cast<long>(product / divisions)};
}

IndexingResult search_indexing(int ratio, long divisions, const std::vector<int>& head_plates,
                               const std::vector<int>& other_plates) {
  IndexingResult result;
  if (std::optional<IndexingSetting> whole = whole_turn_setting(ratio, divisions)) {
    result.on_head.push_back(*whole);
    return result;
  }
  result.on_head = circles_that_work(ratio, divisions, head_plates, head_plates.size());
  if (result.on_head.empty())
    result.elsewhere = circles_that_work(ratio, divisions, other_plates, other_plates.size());
  return result;
}

bool can_index(int ratio, const std::vector<int>& plates, long divisions) {
  if (whole_turn_setting(ratio, divisions))
    return true;
  return std::any_of(plates.begin(), plates.end(), [&](int circle) {
    return setting_on_circle(ratio, divisions, circle).has_value();
  });
}

std::vector<IndexingSetting> division_solutions(int ratio, long divisions,
                                                const std::vector<int>& plates) {
  if (std::optional<IndexingSetting> whole = whole_turn_setting(ratio, divisions))
    return {*whole};
  return circles_that_work(ratio, divisions, plates, kMostTableSettings);
}

std::vector<DivisionRow> collect_division_table(int ratio, const std::vector<int>& plates,
                                                long from, long to) {
  std::vector<DivisionRow> rows;
  if (ratio < 1)
    return rows;
  // Past R, a circle of h holes works only when N divides R * h.
  const int largest =
      plates.empty() ? 1 : std::max(1, *std::max_element(plates.begin(), plates.end()));
  const long last = std::min(to, static_cast<long>(ratio) * largest);
  for (long n = std::max(from, 1L); n <= last; ++n) {
    std::vector<IndexingSetting> settings = division_solutions(ratio, n, plates);
    if (!settings.empty())
      rows.push_back({n, std::move(settings), {}});
  }
  return rows;
}

int DivisionRow::lines() const {
  return static_cast<int>(std::max<std::size_t>({settings.size(), notes.size(), 1}));
}

std::string setting_line(const IndexingSetting& setting, const std::string& whole_turns) {
  // "@." keeps a language text as written, even one that starts with '@'.
  const std::string circle =
      setting.circle == 0 ? "@." + whole_turns : std::to_string(setting.circle);
  return "@c" + circle + "\t@c" + std::to_string(setting.turns) + "\t@c" +
         std::to_string(setting.holes);
}

std::vector<std::string> indexing_lines(const IndexingResult& result, const IndexingTexts& texts) {
  std::vector<std::string> lines;
  for (const IndexingSetting& setting : result.on_head)
    lines.push_back(setting_line(setting, texts.whole_turns));
  if (!lines.empty())
    return lines;
  lines.push_back("@." + texts.none_fits);
  if (result.elsewhere.empty())
    return lines;
  lines.insert(lines.end(), {" ", "@." + texts.others_first, "@." + texts.others_second, " "});
  for (const IndexingSetting& setting : result.elsewhere)
    lines.push_back(setting_line(setting, texts.whole_turns));
  return lines;
}

std::string division_table_heading(const std::string& head_word, const std::string& head_name,
                                   const std::string& ratio_word, int ratio) {
  const std::string ratio_text = std::to_string(ratio) + ":1";
  const std::string head = head_word.empty() ? head_name : head_word + ": " + head_name;
  return head + "   " + (ratio_word.empty() ? ratio_text : ratio_word + " = " + ratio_text);
}

std::vector<TablePage> layout_division_table(const std::vector<DivisionRow>& rows, int height) {
  std::vector<TablePage> pages;
  if (rows.empty())
    return pages;
  pages.emplace_back();
  std::size_t block = 0;
  int top = kTableFirstRowTop;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int lines = rows[i].lines();
    // Each pass either places the row or moves to a fresh block, where it is
    // always placed: at most three passes per row.
    for (;;) {
      std::vector<PlacedDivision>& placed = pages.back().blocks[block];
      const bool fits = top + kTableCellHeight < height && top + kTableCellHeight * lines <= height;
      if (fits || placed.empty()) {
        placed.push_back({i, top});
        top += kTableRowStep * lines;
        break;
      }
      top = kTableFirstRowTop;
      if (++block == 2) {
        block = 0;
        pages.emplace_back();
      }
    }
  }
  return pages;
}

} // namespace workshop
