// The sketch of the oblique-triangle page: a triangle under a two-line
// colour legend, and the names of its corners and sides laid over it as six
// text boxes, red for the quantities given and black for those worked out.
#pragma once

#include <FL/Fl_Widget.H>

#include <array>
#include <string>

#include "core/geometry/oblique_triangle_calc.h"

class Fl_Box;
class Fl_Group;

namespace geometry {

/// The triangle and its legend, drawn from the widget's own box.
class Triangle2 : public Fl_Widget {
public:
  Triangle2(int x, int y, int w, int h);
  /// The legend: a first line of three parts (the first may be absent, the
  /// middle one is red) and a second line. Null texts draw nothing.
  void legend(const char* first, const char* red, const char* rest, const char* second);

protected:
  void draw() override;

private:
  bool has_first_ = false;
  std::string first_;
  std::string red_;
  std::string rest_;
  std::string second_;
};

/// The widgets of the sketch, built into the open group.
struct Triangle2Sketch {
  Triangle2* triangle = nullptr;
  Fl_Group* names_group = nullptr;
  /// The six name boxes, in the order of TriangleQuantity: A, B, C, a, b, c.
  std::array<Fl_Box*, 6> names{};

  Fl_Box* name(TriangleQuantity quantity) const { return names[static_cast<size_t>(quantity)]; }
};

/// Texts of the sketch: the legend and the names of sides a, b and c.
struct Triangle2Texts {
  const char* legend_first = nullptr;
  const char* legend_red = nullptr;
  const char* legend_rest = nullptr;
  const char* legend_second = nullptr;
  const char* side_a = nullptr;
  const char* side_b = nullptr;
  const char* side_c = nullptr;
};

Triangle2Sketch build_triangle2_sketch(const Triangle2Texts& texts);

/// Colours the names: red for the three given quantities, black otherwise.
void show_given(const Triangle2Sketch& sketch, const std::array<TriangleQuantity, 3>& given);

} // namespace geometry
