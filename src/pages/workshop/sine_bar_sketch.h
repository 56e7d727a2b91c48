// The sine-bar page's sketch: a surface plate, the bar on its two rolls
// tilted by the angle, the stack of blocks under the far roll (drawn as
// blocks once a stack makes the height), the angle and the height marked.
#pragma once

#include <FL/Fl_Widget.H>

namespace workshop {

class SineBarSketch : public Fl_Widget {
public:
  SineBarSketch(int x, int y, int w, int h);
  /// The bar at `degrees` (0: flat); `stacked` draws the stack as blocks.
  void show_angle(double degrees, bool stacked);
  double degrees() const { return degrees_; }

protected:
  void draw() override;

private:
  double degrees_ = 0.0;
  bool stacked_ = false;
};

} // namespace workshop
