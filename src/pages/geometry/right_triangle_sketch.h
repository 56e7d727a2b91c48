// The fixed sketch of the right-triangle page: a right triangle with its
// sides and angles named, drawn in black from the widget's own rectangle.
#pragma once

#include <FL/Fl_Widget.H>

#include <array>
#include <string>

namespace geometry {

class Triangle1 : public Fl_Widget {
public:
  /// `texts`: the names of the hypotenuse, of the base (side b) and two
  /// lines beside the vertical leg (side a); a null text draws nothing.
  Triangle1(int x, int y, int w, int h, const std::array<const char*, 4>& texts);

protected:
  void draw() override;

private:
  std::array<std::string, 4> texts_;
};

} // namespace geometry
