// The fixed sketch of the circle-segment page: on the left the sector with
// its angle at the centre O and at the circle C, on the right the segment
// over the chord A-B with the triangle O-A-B and the height E-D.
#pragma once

#include <FL/Fl_Widget.H>

#include <string>

namespace geometry {

class chord : public Fl_Widget {
public:
  /// `sector_caption` and `segment_caption` are written under the two figures.
  chord(int x, int y, int w, int h, std::string sector_caption, std::string segment_caption);

protected:
  void draw() override;

private:
  std::string sector_caption_;
  std::string segment_caption_;
};

} // namespace geometry
