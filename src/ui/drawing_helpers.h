// Small drawing routines shared by the sketches of several pages: a gauge
// pin (or hole marker) and dimension lines with a small arrowhead. They draw
// on the current device, so the same calls serve the screen and the printer.
#pragma once

namespace drawing {

/// A red filled circle with a black outline in the square (left, top,
/// diameter); the current colour is black afterwards.
void draw_pin(int left, int top, int diameter);

/// Horizontal dimension line from x0 to x1 on y, in the current colour, with
/// a small arrowhead at x1 pointing right when `at_right` is non-zero, else
/// at x0 pointing left.
void arrow_line_h(int x0, int y, int x1, int at_right);

/// Vertical dimension line from y0 to y1 at x, in the current colour, with a
/// small arrowhead at y0 pointing up in mode 2, else at y1 pointing down.
void arrow_line_v(int x, int y0, int y1, int mode);

} // namespace drawing
