// The drawing of the bolt-hole page: the pitch circle in red with a blue
// cross at its centre. Its radius is also the radius on which the page
// places the hole markers.
#pragma once

#include <FL/Fl_Widget.H>

namespace geometry {

class pitch_diameter_circle : public Fl_Widget {
public:
  pitch_diameter_circle(int x, int y, int w, int h);

  /// The circle's radius in pixels: min(w, h) / 2 - 40. Known from the
  /// widget's size before the first draw; a restored value may stand in.
  int marker_radius() const { return marker_radius_; }
  void set_marker_radius(int radius) { marker_radius_ = radius; }
  /// The radius the widget's size gives.
  int radius_for_size() const;

protected:
  void draw() override;

private:
  int marker_radius_ = 0;
};

} // namespace geometry
