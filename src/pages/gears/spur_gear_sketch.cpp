// Drawing of the spur-gear sketch, from the widget's top-left corner.
#include "pages/gears/spur_gear_sketch.h"
#include "ui/look.h"

#include <FL/fl_draw.H>

#include <array>
#include <utility>

#include "ui/drawing_helpers.h"

namespace gears {

namespace {

constexpr int kHeadLeftOrDown = 0;
constexpr int kHeadUp = 2;

} // namespace

gearing::gearing(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_FLAT_BOX);
  color(ui::kPageBackground);
}

void gearing::draw() {
  draw_box();
  const int X = x();
  const int Y = y();

  // The tooth profile: root, flank, tip, flank, root, flank, tip, flank, root.
  constexpr std::array<std::pair<int, int>, 10> kProfile = {{{23, 80},
                                                             {42, 80},
                                                             {62, 28},
                                                             {78, 28},
                                                             {98, 80},
                                                             {115, 80},
                                                             {134, 28},
                                                             {152, 28},
                                                             {171, 80},
                                                             {187, 80}}};
  fl_color(FL_BLACK);
  for (size_t i = 1; i < kProfile.size(); ++i)
    fl_line(X + kProfile[i - 1].first, Y + kProfile[i - 1].second, X + kProfile[i].first,
            Y + kProfile[i].second);

  // Extension lines, the mating tooth's tip line and the pitch line.
  fl_color(FL_RED);
  fl_line(X + 6, Y + 80, X + 23, Y + 80);
  fl_line(X + 39, Y + 75, X + 187, Y + 75);
  fl_line(X + 27, Y + 52, X + 173, Y + 52);
  fl_line(X + 7, Y + 28, X + 61, Y + 28);
  for (int vertical : {52, 124, 161})
    fl_line(X + vertical, Y + 8, X + vertical, Y + 52);

  // Dimensions: each pair of arrows points outwards to its two ends.
  fl_color(FL_BLUE);
  drawing::arrow_line_h(X + 53, Y + 12, X + 83, kHeadLeftOrDown); // 5 circular pitch
  drawing::arrow_line_h(X + 93, Y + 12, X + 123, 1);
  drawing::arrow_line_h(X + 125, Y + 12, X + 138, kHeadLeftOrDown); // 6 tooth thickness
  drawing::arrow_line_h(X + 149, Y + 12, X + 160, 1);
  struct Vertical {
    int x, top, top_end, bottom_start, bottom;
  };
  constexpr std::array<Vertical, 4> kDepths = {{
      {13, 29, 43, 57, 79}, // 1 whole depth
      {36, 29, 34, 45, 51}, // 2 addendum
      {36, 53, 58, 70, 79}, // 3 dedendum
      {69, 29, 59, 68, 73}, // 4 working depth
  }};
  for (const Vertical& d : kDepths) {
    drawing::arrow_line_v(X + d.x, Y + d.top, Y + d.top_end, kHeadUp);
    drawing::arrow_line_v(X + d.x, Y + d.bottom_start, Y + d.bottom, kHeadLeftOrDown);
  }
  // 7 clearance, arrows from outside the gap, with a leader to its number.
  drawing::arrow_line_v(X + 181, Y + 64, Y + 73, kHeadLeftOrDown);
  drawing::arrow_line_v(X + 181, Y + 81, Y + 90, kHeadUp);
  fl_line(X + 181, Y + 63, X + 188, Y + 63);

  fl_font(FL_HELVETICA, FL_NORMAL_SIZE - 2);
  fl_color(FL_BLACK);
  struct Number {
    const char* text;
    int x, y;
  };
  constexpr std::array<Number, 7> kNumbers = {{{"1", 9, 55},
                                               {"2", 33, 45},
                                               {"3", 33, 69},
                                               {"4", 66, 69},
                                               {"5", 84, 17},
                                               {"6", 140, 17},
                                               {"7", 190, 69}}};
  for (const Number& n : kNumbers)
    fl_draw(n.text, X + n.x, Y + n.y);
}

} // namespace gears
