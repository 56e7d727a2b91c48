// The fixed sketch of the bevel-gear page: a bevel gear in section on its
// axis, numbered 1 to 5 for the outside diameter, the pitch diameter, the
// pitch angle, its complement and the face width (the page's legend says
// which is which).
#pragma once

#include <FL/Fl_Widget.H>

namespace gears {

/// Draws the sketch with its corner at (X, Y) on the current device, so the
/// page and the printed sheet show the same picture. It spans about 470 × 400.
void draw_bevel_gear_picture(int X, int Y);

/// The sketch widget. It paints no background of its own: the page's inputs
/// and legend sit inside its rectangle, right of the picture.
class bevel_gear_draw : public Fl_Widget {
public:
  bevel_gear_draw(int x, int y, int w, int h);

protected:
  void draw() override;
};

} // namespace gears
