// The pictures of the worm-gear page. Only shapes, no text, so they need no
// translation; they never change with the values.
#pragma once

#include <FL/Fl_Widget.H>

namespace gears {

/// A worm wheel with the worm under it, seen along the wheel's axis: the
/// backdrop of the hob and worm columns.
class WormBackdrop : public Fl_Widget {
public:
  /// Size of the drawn picture, centred in the widget's rectangle.
  static constexpr int kWidth = 127;
  static constexpr int kHeight = 178;

  WormBackdrop(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {}

protected:
  void draw() override;
};

/// The rim of the worm wheel cut through the middle, with the worm seen end
/// on above it: the round rim follows the worm, the square rim is turned
/// larger with square corners.
class CrownPicture : public Fl_Widget {
public:
  enum class Rim { kRound, kSquare };
  static constexpr int kWidth = 106;
  /// 188 for the round rim, 185 for the square one.
  static int height(Rim rim) { return rim == Rim::kRound ? 188 : 185; }

  CrownPicture(int x, int y, int w, int h, Rim rim) : Fl_Widget(x, y, w, h), rim_(rim) {}
  Rim rim() const { return rim_; }

protected:
  void draw() override;

private:
  Rim rim_;
};

} // namespace gears
