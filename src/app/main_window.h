// The main window: the scrolling column of 17 navigation buttons, the four
// buttons under it (language, unit system, about, exit) and the 17 page
// groups, exactly one of them shown.
#pragma once

#include <vector>
#include <memory>

class Fl_Button;
class Fl_Double_Window;
class Fl_Group;
class Fl_Scroll;

namespace app {

class App;

class MainWindow {
public:
  /// Builds the window and, inside their groups, every page of the app.
  explicit MainWindow(App& app);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  Fl_Double_Window* window() { return window_.get(); }
  Fl_Group* page_group(int number) { return page_groups_[static_cast<size_t>(number - 1)]; }
  Fl_Button* nav_button(int number) { return nav_buttons_[static_cast<size_t>(number - 1)]; }
  Fl_Scroll* nav_column() { return nav_column_; }
  Fl_Button* unit_button() { return unit_button_; }
  Fl_Button* language_button() { return language_button_; }
  Fl_Button* about_button() { return about_button_; }
  Fl_Button* exit_button() { return exit_button_; }

  /// Number (1-17) of the first visible page group, 0 when none is.
  int shown_page() const;
  /// Hides the shown page and shows `number`, with its navigation label red.
  void switch_to(int number);
  /// Sets the window title and the unit button's label for a unit system.
  void show_unit_system(int unit_system);

private:
  void build_nav_column(bool spanish_layout);

  App& app_;
  std::unique_ptr<Fl_Double_Window> window_;
  Fl_Scroll* nav_column_ = nullptr;
  std::vector<Fl_Button*> nav_buttons_;
  std::vector<Fl_Group*> page_groups_;
  Fl_Button* language_button_ = nullptr;
  Fl_Button* unit_button_ = nullptr;
  Fl_Button* about_button_ = nullptr;
  Fl_Button* exit_button_ = nullptr;
};

} // namespace app
