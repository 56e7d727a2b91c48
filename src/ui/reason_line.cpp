#include "ui/reason_line.h"

#include "ui/look.h"
#include "ui/page_context.h"

namespace ui {

Fl_Box* reason_line(Spot spot) {
  auto* line = new Fl_Box(spot.x, spot.y, spot.w, spot.h);
  // A box of its own: an old text is painted over when the line changes.
  line->box(FL_FLAT_BOX);
  line->color(kPageBackground);
  line->labelcolor(FL_DARK_RED);
  line->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  return line;
}

void show_reason(const PageContext& app, Fl_Box* line, int entry) {
  const char* text = entry != 0 ? app.lang(entry) : nullptr;
  line->copy_label(text ? text : "");
  line->redraw();
}

} // namespace ui
