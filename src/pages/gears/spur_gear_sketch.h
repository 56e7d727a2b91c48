// The fixed sketch of the spur-gear page: two rack-form teeth with a mating
// tooth's tip line, dimensioned 1 to 7 like the first seven rows of the
// page's table (whole depth, addendum, dedendum, working depth, circular
// pitch, tooth thickness, clearance).
#pragma once

#include <FL/Fl_Widget.H>

namespace gears {

class gearing : public Fl_Widget {
public:
  gearing(int x, int y, int w, int h);

protected:
  void draw() override;
};

} // namespace gears
