// The printed list of gear trains: the heading across the top, then per
// train its pairs as fractions, driven gear over driver, labelled, with "X"
// between them and the ratio and error to the right, as many pages as the
// list needs.
#pragma once

#include <string>

#include "core/gears/gear_ratio_calc.h"

class Fl_Paged_Device;

namespace ui {
class PageContext;
}

namespace gears {

/// Draws the list on a device whose job is already started; starts and ends
/// its pages. Returns false (and draws nothing) when the device has no
/// printable area.
bool draw_ratio_results(Fl_Paged_Device& device, const ui::PageContext& app,
                        const std::string& heading, const ResultList& results);

/// The print dialog in the user's language, then the list. Returns false
/// when the dialog was cancelled or the printer refused the job.
bool print_ratio_results(ui::PageContext& app, const std::string& heading,
                         const ResultList& results);

} // namespace gears
