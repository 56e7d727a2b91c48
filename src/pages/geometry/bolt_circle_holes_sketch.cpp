// The hole markers of the bolt-hole drawing.
#include "pages/geometry/bolt_circle_holes_sketch.h"

#include <FL/fl_draw.H>

#include "ui/drawing_helpers.h"

namespace geometry {

void PDC_Holes::draw() {
  // Black whatever was drawn before: a marker may be redrawn on its own.
  fl_color(FL_BLACK);
  fl_arc(x() - w(), y() - w(), 2 * w(), 2 * w(), 0.0, 360.0);
}

void PDC_HolesFirst::draw() { drawing::draw_pin(x() - w(), y() - w(), 2 * w()); }

} // namespace geometry
