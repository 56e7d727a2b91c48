// The helical-gear page's sketch: the mill seen from above, the column at the
// back, the cutter in the line of the table's travel and the table with the
// work swung by the swivel angle, its arc and the end that goes toward the
// column marked.
#pragma once

#include <FL/Fl_Widget.H>

namespace gears {

class SwivelSketch : public Fl_Widget {
public:
  SwivelSketch(int x, int y, int w, int h);
  /// Degrees counterclockwise seen from above (the right-hand end of the
  /// table toward the column); 0 draws the table square.
  void swivel(double degrees);
  double swivel() const { return degrees_; }

protected:
  void draw() override;

private:
  double degrees_ = 0.0;
};

} // namespace gears
