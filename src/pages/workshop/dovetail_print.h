// The printed dovetail drawing: a male sheet and a female sheet, three views
// each, with the page's numbers on them.
#pragma once

#include "core/workshop/dovetail_calc.h"
#include "ui/page_id.h"

class Fl_Paged_Device;

namespace ui {
class PageContext;
}

namespace workshop {

struct DovetailPrintValues {
  DovetailPartSizes male;    ///< top width, height, over pins
  DovetailPartSizes female;  ///< mouth width, depth, between pins
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
