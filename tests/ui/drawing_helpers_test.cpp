// The shared pin and arrow routines, drawn offscreen: where the arrowhead
// lands for each mode, and the colours a pin leaves behind.
#include "support/page_scenario.h"

#include "ui/drawing_helpers.h"

using namespace testing_support;

namespace {

// A widget whose drawing is the test's; coordinates relative to the widget.
struct Canvas : Fl_Widget {
  explicit Canvas(std::function<void(int, int)> paint)
      : Fl_Widget(10, 10, 60, 60), paint_(std::move(paint)) {}
  void draw() override { paint_(x(), y()); }
  std::function<void(int, int)> paint_;
};

// What `paint` draws on a canvas in a shown window, starting in `colour`.
Rendered drawn(const std::function<void(int, int)>& paint, Fl_Color colour = FL_BLACK) {
  Fl_Double_Window window(80, 80);
  auto* canvas = new Canvas([&](int x, int y) {
    fl_color(colour);
    paint(x, y);
  });
  window.end();
  window.show();
  return render_widget(canvas);
}

// What `paint` leaves black at each point.
std::vector<bool> black_at(const std::function<void(int, int)>& paint,
                           std::initializer_list<std::pair<int, int>> points) {
  const Rendered image = drawn(paint);
  std::vector<bool> black;
  for (auto [x, y] : points)
    black.push_back(pixel(image, x, y) == Rgb{0, 0, 0});
  return black;
}

} // namespace

TEST(DrawingHelpers, ArrowheadsSitAtTheEndTheModeSays) {
  // The line from (30, 10) down to (30, 50), and the head's strokes, which
  // end 2 pixels aside and 2 pixels inward of the tip.
  for (int mode : {0, 1, 2, 3, -1}) {
    const bool top = mode == 2;
    EXPECT_EQ(black_at([&](int x, int y) { drawing::arrow_line_v(x + 30, y + 10, y + 50, mode); },
                       {{30, 30}, {28, 12}, {32, 12}, {28, 48}, {32, 48}}),
              (std::vector<bool>{true, top, top, !top, !top}))
        << "mode " << mode;
  }
  // Across at y 30: the head is at x0 unless it is asked at the right.
  struct Case {
    int x0, x1, at_right;
    int head_base; ///< x of the head's vertical stroke
    int other_end;
  };
  for (const Case& c : {Case{10, 50, 1, 48, 12}, Case{10, 50, 0, 12, 48}, Case{50, 10, 0, 52, 8}}) {
    EXPECT_EQ(
        black_at(
            [&](int x, int y) { drawing::arrow_line_h(x + c.x0, y + 30, x + c.x1, c.at_right); },
            {{30, 30}, {c.head_base, 28}, {c.head_base, 32}, {c.other_end, 28}}),
        (std::vector<bool>{true, true, true, false}))
        << c.x0 << " to " << c.x1;
  }
}

TEST(DrawingHelpers, PinIsRedWithABlackRimAndLeavesTheColourBlack) {
  const Rendered image = drawn(
      [](int x, int y) {
        drawing::draw_pin(x + 10, y + 10, 30);
        fl_rectf(x + 50, y + 50, 5, 5); // in whatever colour the pin left
      },
      FL_GREEN);
  EXPECT_EQ(pixel(image, 25, 25), (Rgb{255, 0, 0}));
  for (auto [x, y] : {std::pair{25, 10}, {10, 25}, {52, 52}}) // the rim's top and left
    EXPECT_EQ(pixel(image, x, y), (Rgb{0, 0, 0})) << x << ", " << y;
  EXPECT_EQ(image.pixels_of(0, 255, 0), 0);
}
