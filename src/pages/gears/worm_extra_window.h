// The worm-gear page's centre-distance window: the user types the centre
// distance wanted (in inches, millimetres or as a fraction of an inch) and
// the window sets the worm's outside diameter that gives it.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/gears/worm_gear_calc.h"
#include "ui/callbacks.h"

class Fl_Button;
class Fl_Input;
class Fl_Window;

namespace ui {
class PageContext;
class CheckedInput;
} // namespace ui

namespace gears {

class WormExtraWindow {
public:
  /// The window's widgets, for the tests that drive it like a user.
  struct Widgets {
    Fl_Window* window = nullptr;
    ui::CheckedInput *inch = nullptr, *millimetre = nullptr;
    std::array<ui::CheckedInput*, 3> fraction{}; ///< whole, over, under
    Fl_Button* apply = nullptr;
    Fl_Button* cancel = nullptr;
  };

  /// `wheel` gives the wheel's sizes as the page stands (none without a tooth
  /// size or count); `apply` receives the worm outside diameter in inches.
  WormExtraWindow(ui::PageContext& app, std::function<std::optional<WormWheelSizes>()> wheel,
                  std::function<void(double)> apply);
  ~WormExtraWindow();
  WormExtraWindow(const WormExtraWindow&) = delete;
  WormExtraWindow& operator=(const WormExtraWindow&) = delete;

  /// Shows the window in the middle of `over`, with the apply button judged
  /// against the page's wheel.
  void show(const Fl_Window* over);
  void hide();
  const Widgets& widgets() const { return w_; }

private:
  void build();
  void distance_typed(ui::CheckedInput* field);
  void fraction_typed();
  void update_apply();
  void apply();

  ui::PageContext& context_;
  ui::Callbacks callbacks_;
  std::function<std::optional<WormWheelSizes>()> wheel_;
  std::function<void(double)> apply_;
  std::unique_ptr<Fl_Window> window_;
  Widgets w_;
  double centre_distance_ = 0.0; ///< inches, as typed or composed
};

} // namespace gears
