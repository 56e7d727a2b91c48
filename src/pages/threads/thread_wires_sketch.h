// The fixed sketch of the thread-measurement page: a threaded rod seen from
// the side, two wires in the grooves on top and one underneath, and the
// measuring face resting on the upper two.
#pragma once

#include <FL/Fl_Widget.H>

namespace threads {

class v_thread : public Fl_Widget {
public:
  v_thread(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {}

protected:
  void draw() override;
};

} // namespace threads
