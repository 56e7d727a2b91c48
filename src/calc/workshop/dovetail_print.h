// The printed dovetail drawing: a male sheet and a female sheet, three views
// each, with the page's numbers on them.
#pragma once

#include "ui/page_id.h"

class Fl_Paged_Device;

namespace ui {
class PageContext;
}

namespace workshop {

struct DovetailPrintValues {
  double male_max_width = 0.0;
  double male_depth = 0.0;
  double male_over_pins = 0.0;
  double female_min_width = 0.0;
  double female_depth = 0.0;
  double female_between_pins = 0.0;
  double pin_diameter = 0.0; ///< the gauge pins the measurements are over or between
  bool millimetre = false;   ///< two decimals in mm, three in inch
};

enum class DovetailSheets { kBoth, kMaleOnly, kFemaleOnly };

/// Draws the sheets on a device whose job is already started; each sheet is
/// a page of its own (started and ended here). Tests pass a PostScript file
/// device; the Print button passes the printer.
void draw_dovetail_sheets(Fl_Paged_Device& device, const ui::PageContext& app,
                          const DovetailPrintValues& values, DovetailSheets sheets);

/// The Print button: the print dialog in the user's language, the job, the
/// sheets. A cancelled dialog prints nothing.
/// `page` is the page printing (its name goes on every sheet).
void dovetail_print(ui::PageContext& app, ui::PageId page, const DovetailPrintValues& values,
                    DovetailSheets sheets);

} // namespace workshop
