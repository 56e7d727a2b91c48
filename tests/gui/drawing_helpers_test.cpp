// The shared pin and arrow routines, drawn offscreen: where the arrowhead
// lands for each mode, and the colours a pin leaves behind.
#include <gtest/gtest.h>

#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

#include <functional>

#include "calc/drawing/drawing_helpers.h"
#include "gui/support/render.h"

using testing_support::Rendered;

namespace {

// A widget whose drawing is the test's; coordinates relative to the widget.
struct Canvas : Fl_Widget {
  explicit Canvas(std::function<void(int, int)> paint)
      : Fl_Widget(10, 10, 60, 60), paint_(std::move(paint)) {}
  void draw() override { paint_(x(), y()); }
  std::function<void(int, int)> paint_;
};

Rendered render(std::function<void(int, int)> paint) {
  Fl_Double_Window window(80, 80);
  auto* canvas = new Canvas(std::move(paint));
  window.end();
  window.show();
  return testing_support::render_widget(canvas);
}

bool black(const Rendered& image, int x, int y) {
  size_t i = static_cast<size_t>((y * image.w + x) * 3);
  return image.rgb[i] == 0 && image.rgb[i + 1] == 0 && image.rgb[i + 2] == 0;
}

} // namespace

TEST(DrawingHelpers, VerticalArrowheadIsAtTheTopOnlyInModeTwo) {
  struct Case {
    int mode;
    bool head_at_top;
  };
  const Case cases[] = {{0, false}, {1, false}, {2, true}, {3, false}, {-1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    Rendered image = render([&](int x, int y) {
      fl_color(FL_BLACK);
      drawing::arrow_line_v(x + 30, y + 10, y + 50, c.mode);
    });
    EXPECT_TRUE(black(image, 30, 30)); // the line itself
    // The head's strokes end 2 pixels aside and 2 pixels inward of the tip.
    EXPECT_EQ(black(image, 28, 12), c.head_at_top);
    EXPECT_EQ(black(image, 32, 12), c.head_at_top);
    EXPECT_EQ(black(image, 28, 48), !c.head_at_top);
    EXPECT_EQ(black(image, 32, 48), !c.head_at_top);
  }
}

TEST(DrawingHelpers, HorizontalArrowheadIsAtX0UnlessAtRight) {
  struct Case {
    int x0, x1, at_right;
    int head_base; ///< x of the head's vertical stroke
    int other_end;
  };
  const Case cases[] = {
      {10, 50, 1, 48, 12},
      {10, 50, 0, 12, 48},
      {50, 10, 0, 52, 8}, // x0 on the right: the head is still at x0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x0) + " to " + std::to_string(c.x1));
    Rendered image = render([&](int x, int y) {
      fl_color(FL_BLACK);
      drawing::arrow_line_h(x + c.x0, y + 30, x + c.x1, c.at_right);
    });
    EXPECT_TRUE(black(image, 30, 30));
    EXPECT_TRUE(black(image, c.head_base, 28));
    EXPECT_TRUE(black(image, c.head_base, 32));
    EXPECT_FALSE(black(image, c.other_end, 28));
  }
}

TEST(DrawingHelpers, PinIsRedWithABlackRimAndLeavesTheColourBlack) {
  Rendered image = render([](int x, int y) {
    fl_color(FL_GREEN);
    drawing::draw_pin(x + 10, y + 10, 30);
    fl_rectf(x + 50, y + 50, 5, 5); // in whatever colour the pin left
  });
  size_t centre = static_cast<size_t>((25 * image.w + 25) * 3);
  EXPECT_EQ(image.rgb[centre], 255);
  EXPECT_EQ(image.rgb[centre + 1], 0);
  EXPECT_TRUE(black(image, 25, 10)); // top of the rim
  EXPECT_TRUE(black(image, 10, 25)); // left of the rim
  EXPECT_TRUE(black(image, 52, 52));
  EXPECT_EQ(image.pixels_of(0, 255, 0), 0);
}
