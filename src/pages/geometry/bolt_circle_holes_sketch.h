// The hole markers of the bolt-hole drawing. A marker is a small widget
// whose top-left corner is the hole's centre; it draws a circle of radius
// w() around that corner. The first hole is a red disc, the others open
// circles.
#pragma once

#include <FL/Fl_Widget.H>

namespace geometry {

class PDC_Holes : public Fl_Widget {
public:
  PDC_Holes(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) { box(FL_NO_BOX); }

protected:
  void draw() override;
};

class PDC_HolesFirst : public Fl_Widget {
public:
  PDC_HolesFirst(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) { box(FL_NO_BOX); }

protected:
  void draw() override;
};

} // namespace geometry
