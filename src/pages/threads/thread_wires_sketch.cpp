#include "pages/threads/thread_wires_sketch.h"

#include <FL/fl_draw.H>

namespace threads {

namespace {
constexpr Fl_Color kWireColour = 88;   // red
constexpr Fl_Color kAnvilColour = 216; // blue
constexpr int kPitch = 10;
} // namespace

void v_thread::draw() {
  const int left = x();
  const int cy = y() + h() / 2;
  const int crest_top = cy - 26, root_top = cy - 14;
  const int root_bottom = cy + 14, crest_bottom = cy + 26;

  fl_color(FL_BLACK);
  fl_line(left + 10, crest_top, left + 10, root_bottom);
  int xi = left + 10;
  for (; xi < left + w() - 10; xi += kPitch) {
    fl_line(xi, crest_top, xi + 5, root_top, xi + 10, crest_top);
    fl_line(xi, root_bottom, xi + 5, crest_bottom, xi + 10, root_bottom);
    // The thread runs round the back: the flanks show as slanted lines.
    fl_line(xi, crest_top, xi + 5, crest_bottom);
    fl_line(xi + 5, root_top, xi + 10, root_bottom);
  }
  fl_line(xi, crest_top, xi, root_bottom);

  const int mid = left + w() / 2;
  fl_color(kWireColour);
  fl_pie(mid - 14, cy - 27, 8, 8, 0.0, 360.0);
  fl_pie(mid - 4, cy - 27, 8, 8, 0.0, 360.0);
  fl_pie(mid - 10, cy + 20, 8, 8, 0.0, 360.0);

  fl_color(kAnvilColour);
  fl_rectf(mid - 14, cy - 38, 17, 11);
}

} // namespace threads
