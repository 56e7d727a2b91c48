// The printed bevel-gear data: one sheet per gear to cut (one for a miter
// pair, the pinion and then the gear otherwise), each with its title, the
// tooth size, tooth count and shaft angle, the sketch and the gear's rows.
#pragma once

#include <string>
#include <vector>

class Fl_Paged_Device;

namespace ui {
class PageContext;
}

namespace gears {

struct BevelPrintRow {
  std::string label;
  std::string value;
  bool dms = false; ///< an angle in degrees:minutes:seconds, set a little left
};

/// One sheet, its texts as the page shows them.
struct BevelPrintSheet {
  std::string title;
  std::string pitch_line;          ///< "Diametral pitch = 8"
  std::string teeth_line;          ///< "Teeth = 24, Shaft angle = 90"
  std::vector<std::string> legend; ///< "1 = Outside diameter": the sketch's numbers
  std::vector<BevelPrintRow> rows;
};

/// Draws the sheets on a device whose job is already started, each on a page
/// of its own. Tests pass a PostScript file device; printing passes the printer.
void draw_bevel_gear_sheets(Fl_Paged_Device& device, const std::vector<BevelPrintSheet>& sheets);

/// The print button: the print dialog in the user's language, then the
/// sheets. A cancelled dialog prints nothing.
void print_bevel_gear(ui::PageContext& app, const std::vector<BevelPrintSheet>& sheets);

} // namespace gears
