// The tapers page's sketch: the taper in side view, large end left, with its
// axis, the diameters D and d, the length L and the half angle α marked.
// The angle is drawn steeper than it is (a real taper of 1.4° would show as
// a cylinder), but grows with it.
#pragma once

#include <FL/Fl_Widget.H>

namespace workshop {

class TaperSketch : public Fl_Widget {
public:
  TaperSketch(int x, int y, int w, int h);
  /// The taper's half angle in degrees, 0 while there is none.
  void show_half_angle(double degrees);
  double half_angle() const { return degrees_; }

protected:
  void draw() override;

private:
  double degrees_ = 0.0;
};

} // namespace workshop
