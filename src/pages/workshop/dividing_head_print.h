// The printed indexing table: for every division count of a range that the
// head can index, the hole circles with their whole turns and holes, in two
// blocks side by side per page.
#pragma once

#include <string>
#include <vector>

#include "core/workshop/dividing_head_calc.h"

class Fl_Paged_Device;

namespace ui {
class PageContext;
}

namespace workshop {

/// The texts of the table, from the language file.
struct DivisionTableTexts {
  std::string divisions;   ///< column 1 header
  std::string circle;      ///< column 2 header
  std::string turns;       ///< column 3 header
  std::string holes;       ///< column 4 header
  std::string whole_turns; ///< the circle cell of a whole-turn setting
  std::string heading;     ///< above the blocks: the head and its worm ratio
};

/// The texts for a table of the head `head_name` with worm ratio `ratio`.
DivisionTableTexts division_table_texts(const ui::PageContext& app, const std::string& head_name,
                                        int ratio);

/// Draws the table on a device whose job is already started, as many pages
/// as the rows need (each started and ended here), the heading on each, the
/// blocks below it. Nothing for no rows.
/// Tests pass a PostScript file device; the Print button passes the printer.
void draw_division_table(Fl_Paged_Device& device, const DivisionTableTexts& texts,
                         const std::vector<DivisionRow>& rows);

/// The Print button: the print dialog in the user's language, then the
/// table. A cancelled dialog prints nothing.
void print_division_table(ui::PageContext& app, const DivisionTableTexts& texts,
                          const std::vector<DivisionRow>& rows);

} // namespace workshop
