// The seven dovetail sketches, rendered offscreen at the page's width and a
// wider one: exact pixels worked out from the sketches' coordinate tables.
#include <gtest/gtest.h>

#include <FL/Fl_Double_Window.H>

#include <functional>
#include <memory>

#include "calc/workshop/dovetail_sketches.h"
#include "gui/support/app_fixture.h"
#include "gui/support/render.h"

using namespace testing_support;

namespace {

constexpr int kPageWidth = 658;
constexpr int kWiderWidth = 758;

struct Rgb {
  unsigned char r, g, b;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};
std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "rgb(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kCyan{0, 255, 255};

Rgb at(const Rendered& image, int x, int y) {
  size_t i = static_cast<size_t>((y * image.w + x) * 3);
  return {image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]};
}

using Factory = std::function<Fl_Widget*(const app::App&, int x, int y, int w, int h)>;

template <class Sketch> Factory make() {
  return
      [](const app::App& app, int x, int y, int w, int h) { return new Sketch(app, x, y, w, h); };
}

// Female outline: p4 = (X - p4_in, bottom), p5 = (p5_in, bottom).
struct FemaleCase {
  const char* name;
  Factory factory;
  int p4_in, p5_in, bottom;
  bool gib;
};

// Male outline: p0, p1, p4, p5 on base_top; p2 = (p2_in, top), p3 = (X - p3_in, top).
struct MaleCase {
  const char* name;
  Factory factory;
  int base_top, p3_in, top;
  int right_pin, left_pin; ///< pin boxes: p4.x + right_pin, p1.x - left_pin
  int right_extension;     ///< witness line of the over-pins size, from p4.x
  int cyan_growth;         ///< more cyan pixels per 100 pixels of width
};

} // namespace

class DovetailSketchTest : public AppTest {
protected:
  void SetUp() override { start_app(); }

  // The sketch alone in a shown window, rendered at its own size.
  Rendered render(const Factory& factory, int w, int h) {
    window = std::make_unique<Fl_Double_Window>(w + 20, h + 20);
    Fl_Widget* sketch = factory(*app, 10, 10, w, h);
    window->end();
    window->show();
    return render_widget(sketch);
  }
  std::unique_ptr<Fl_Double_Window> window;
};

TEST_F(DovetailSketchTest, FemaleSketchesFollowTheirCoordinateTables) {
  const FemaleCase cases[] = {
      {"FDoveTailStandard", make<workshop::FDoveTailStandard>(), 150, 150, 60, false},
      {"FDoveTailDeep", make<workshop::FDoveTailDeep>(), 145, 145, 55, false},
      {"FDoveTailStandardGib", make<workshop::FDoveTailStandardGib>(), 150, 140, 60, true},
      {"FDoveTailDeepGib", make<workshop::FDoveTailDeepGib>(), 145, 135, 55, true},
  };
  for (const FemaleCase& c : cases) {
    int yellow[2] = {0, 0};
    int red[2] = {0, 0};
    const int widths[2] = {kPageWidth, kWiderWidth};
    for (int i = 0; i < 2; ++i) {
      int X = widths[i];
      SCOPED_TRACE(std::string(c.name) + " at width " + std::to_string(X));
      Rendered image = render(c.factory, X, 130);
      // Outline corners p0, p1, p2, p3.
      EXPECT_EQ(at(image, 100, 20), kBlack);
      EXPECT_EQ(at(image, X - 100, 20), kBlack);
      EXPECT_EQ(at(image, X - 100, 110), kBlack);
      EXPECT_EQ(at(image, X - 200, 110), kBlack);
      // Block left of the slot (p0-p7-p6-p5), above it, right of it; outside.
      EXPECT_EQ(at(image, 120, 100), kYellow);
      EXPECT_EQ(at(image, X - 110, 30), kYellow);
      EXPECT_EQ(at(image, X - 120, 100), kYellow);
      EXPECT_EQ(at(image, X - 99, 100), kWhite);
      // The slot is open, the pins lie in its corners.
      EXPECT_EQ(at(image, X / 2, c.bottom + 3), kWhite);
      EXPECT_EQ(at(image, X - c.p4_in - 49, c.bottom + 21), kRed);
      EXPECT_EQ(at(image, X - c.p4_in - 69, c.bottom + 21), kBlack); // its rim
      EXPECT_EQ(at(image, c.p5_in + 50, c.bottom + 21), kRed);
      // The gib's inner edge starts 11 pixels right of p5.
      EXPECT_EQ(at(image, c.p5_in + 11, c.bottom + 1), c.gib ? kBlack : kWhite);
      yellow[i] = image.pixels_of(255, 255, 0);
      red[i] = image.pixels_of(255, 0, 0);
    }
    SCOPED_TRACE(c.name);
    // Each block row above the slot (p0.y + 1 to p5.y - 1) is 100 pixels longer.
    EXPECT_NEAR(yellow[1] - yellow[0], 100 * (c.bottom - 21), 20);
    // Two pins of diameter 40: about 2 * 1257 pixels, less their outline.
    EXPECT_EQ(red[0], red[1]);
    EXPECT_GT(red[0], 2000);
    EXPECT_LT(red[0], 2 * 1257);
  }
}

TEST_F(DovetailSketchTest, MaleSketchesFollowTheirCoordinateTables) {
  const MaleCase cases[] = {
      {"MDoveTailStandard", make<workshop::MDoveTailStandard>(), 75, 150, 25, 29, 68, 69, 8400},
      {"MDoveTailShallow", make<workshop::MDoveTailShallow>(), 75, 154, 30, 30, 68, 70, 7900},
      // The dashed base line of a standard male crosses the tongue: half of
      // its 100 extra pixels are dashes.
      {"MDoveTailDeep", make<workshop::MDoveTailDeep>(), 80, 150, 25, 26, 65, 65, 8350},
  };
  for (const MaleCase& c : cases) {
    int cyan[2] = {0, 0};
    const int widths[2] = {kPageWidth, kWiderWidth};
    for (int i = 0; i < 2; ++i) {
      int X = widths[i];
      SCOPED_TRACE(std::string(c.name) + " at width " + std::to_string(X));
      Rendered image = render(c.factory, X, 150);
      // Outline corners p0, p3, p5, p6.
      EXPECT_EQ(at(image, 100, c.base_top), kBlack);
      EXPECT_EQ(at(image, X - c.p3_in, c.top), kBlack);
      EXPECT_EQ(at(image, X - 100, c.base_top), kBlack);
      EXPECT_EQ(at(image, X - 100, 110), kBlack);
      // Base at both ends, inside the tongue, right of the base.
      EXPECT_EQ(at(image, 120, 100), kCyan);
      EXPECT_EQ(at(image, X - 120, 100), kCyan);
      EXPECT_EQ(at(image, X / 2, c.top + 5), kCyan);
      EXPECT_EQ(at(image, X - 99, 100), kWhite);
      // Pins outside the flanks, resting on the base; the right one's witness line.
      EXPECT_EQ(at(image, X - 200 + c.right_pin + 20, c.base_top - 20), kRed);
      EXPECT_EQ(at(image, X - 200 + c.right_pin, c.base_top - 20), kBlack); // its rim
      EXPECT_EQ(at(image, 200 - c.left_pin + 20, c.base_top - 20), kRed);
      EXPECT_EQ(at(image, X - 200 + c.right_extension, 135), kBlack);
      cyan[i] = image.pixels_of(0, 255, 255);
    }
    SCOPED_TRACE(c.name);
    // Each row from the tongue's top + 1 to the base's bottom - 1 grows by 100.
    EXPECT_NEAR(cyan[1] - cyan[0], c.cyan_growth, 20);
  }
}

TEST_F(DovetailSketchTest, TextsComeFromTheLanguageAndAMissingOneDrawsNothing) {
  auto with_texts = render(make<workshop::MDoveTailDeep>(), kPageWidth, 150);
  // A language without the sketch texts: the shapes alone, fewer pixels.
  dir.write_file("language/en/en.ini", "[.]\n0 = Circle\n");
  window.reset();
  restart_app();
  auto without_texts = render(make<workshop::MDoveTailDeep>(), kPageWidth, 150);
  EXPECT_LT(without_texts.drawn_pixels() + 500, with_texts.drawn_pixels());
  EXPECT_EQ(without_texts.pixels_of(255, 0, 0), with_texts.pixels_of(255, 0, 0));
}
