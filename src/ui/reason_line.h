// The line on a page that says why it shows no result when the values typed
// can't make one (a triangle whose sides don't close), in the user's
// language. Empty while there is a result or nothing clear to say.
#pragma once

#include <FL/Fl_Box.H>

#include "ui/page_widgets.h"

namespace ui {

class PageContext;

/// The line, empty, inside the open group; a long text wraps within it.
Fl_Box* reason_line(Spot spot);

/// Shows language entry `entry` in the line, or nothing for 0.
void show_reason(const PageContext& app, Fl_Box* line, int entry);

} // namespace ui
