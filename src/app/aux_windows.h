// The frames of the small windows other pages use: the change-gear set
// editor of the change-gears page, the centre-distance input window of the
// worm-gear page, and the wait notice of the gear-ratio search. Each is built
// hidden; the pages that own them wire their buttons.
#pragma once

#include <array>
#include <memory>

class Fl_Box;
class Fl_Button;
class Fl_Check_Browser;
class Fl_Group;
class Fl_Input;
class Fl_Spinner;
class Fl_Window;

namespace app {

class App;
class CheckedInput;

/// The change-gear set editor: the gears at hand and a way to add or remove some.
struct GearSetWindow {
  GearSetWindow();
  ~GearSetWindow();
  std::unique_ptr<Fl_Window> window;
  Fl_Check_Browser* gear_list = nullptr; ///< tooth counts, one per line
  Fl_Group* add_group = nullptr;
  Fl_Input* teeth = nullptr;          ///< whole numbers, reports every change
  Fl_Spinner* count = nullptr;        ///< how many of that gear, 1 to 4, reports every change
  Fl_Button* add_button = nullptr;    ///< inactive at first
  Fl_Button* remove_button = nullptr; ///< inactive at first
  Fl_Button* close_button = nullptr;  ///< hides the window until the page wires it
};

std::unique_ptr<GearSetWindow> build_gear_set_window(App& app);

/// The worm-gear page's input window: a wanted centre distance in inches
/// (decimal or whole plus fraction) or in millimetres.
struct WormExtraWindow {
  WormExtraWindow();
  ~WormExtraWindow();
  std::unique_ptr<Fl_Window> window;
  Fl_Group* inch_group = nullptr;
  CheckedInput* inch_distance = nullptr; ///< record 45
  Fl_Group* fraction_group = nullptr;
  std::array<CheckedInput*, 3> fraction{}; ///< whole, over, under; record 44
  Fl_Group* mm_group = nullptr;
  CheckedInput* mm_distance = nullptr; ///< record 45
  Fl_Button* ok = nullptr;             ///< inactive at first
  Fl_Button* cancel = nullptr;         ///< hides the window until the page wires it
};

std::unique_ptr<WormExtraWindow> build_worm_extra_window(App& app);

/// The borderless wait notice.
std::unique_ptr<Fl_Window> build_busy_window(App& app);

/// Shows the wait notice over the main window and draws it at once, so it is
/// seen before a long search blocks the program.
void show_busy_window(App& app);
void hide_busy_window(App& app);

} // namespace app
