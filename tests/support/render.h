// Draws a widget into an offscreen image, so a sketch can be checked
// without a screenshot: it must draw, and draw something.
#pragma once

#include <string>
#include <vector>

class Fl_Widget;

namespace testing_support {

struct Rendered {
  int w = 0;
  int h = 0;
  std::vector<unsigned char> rgb; ///< w * h * 3 bytes
  /// Pixels of exactly this colour.
  int pixels_of(unsigned char r, unsigned char g, unsigned char b) const;
};

/// The widget drawn by its own draw() into an offscreen buffer of its size.
/// The widget's window must be shown.
Rendered render_widget(Fl_Widget* widget);

} // namespace testing_support
