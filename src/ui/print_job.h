// One print job the way every page prints: the print dialog in the user's
// language, then the pages drawn on the printer, then the job ended. The
// drawing itself takes any paged device, so tests print to a PostScript file.
#pragma once

#include <functional>

class Fl_Paged_Device;

namespace ui {

class PageContext;

/// Asks for a printer with the dialog offering `pages` pages and draws them
/// with `draw`. False when the user cancelled the dialog, otherwise what
/// `draw` answered.
bool print_job(PageContext& context, int pages, const std::function<bool(Fl_Paged_Device&)>& draw);

} // namespace ui
