// One calculator page of the main window. Each page builds its widgets into
// its group, wires their callbacks, and saves and restores its own State.ini
// keys; the application only calls these hooks in order.
#pragma once

#include <memory>
#include <vector>

class Fl_Group;
class Fl_Input;

namespace settings {
class IniDocument;
}

namespace app {

class App;

class Page {
public:
  Page(App& app, int number) : app_(app), number_(number) {}
  virtual ~Page() = default;
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  /// 1-17: navigation user data, group index + 1, and State.ini section "p<N>".
  int number() const { return number_; }

  /// Builds the page's widgets inside `group`, which is open (current).
  virtual void build(Fl_Group& group) { (void)group; }
  /// The mode the page starts in, before settings and state are applied.
  virtual void enter_start_mode() {}
  /// Copies the settings that concern this page into its widgets.
  virtual void apply_settings() {}
  /// The unit-system button has switched every unit pair; relabel what
  /// depends on the system (0 inch, 1 metric).
  virtual void unit_system_changed(int unit_system) { (void)unit_system; }
  /// Writes the page's keys into its section of the state document.
  virtual void save_state(settings::IniDocument& state) const { (void)state; }
  /// Puts the keys back into the widgets and recomputes.
  virtual void load_state(const settings::IniDocument& state) { (void)state; }
  /// The field that gets the focus when the page is shown (nullptr: focus stays).
  virtual Fl_Input* focus_input() { return nullptr; }
  /// Whether showing the page selects the focus field's whole text.
  virtual bool select_focus_text() const { return true; }

protected:
  App& app_;

private:
  int number_;
};

/// The selected dividing head as other pages index with it: its worm ratio
/// (crank turns per spindle turn) and the hole circles of its plates, in the
/// order of the head's plate list.
struct DividingHeadPlates {
  int ratio = 0;
  std::vector<int> circles;
};

/// What the dividing-head page offers the other pages: whether n equal
/// divisions can be indexed with the selected head and its plates, and the
/// head itself for a page with stricter needs (the bevel gear wants a
/// quarter tooth in whole holes).
class DividingHeadIndex {
public:
  virtual ~DividingHeadIndex() = default;
  virtual bool can_index(int divisions) const = 0;
  virtual DividingHeadPlates plates() const = 0;
};

/// Creates page `number` (1-17). Pages not built yet are empty frames.
std::unique_ptr<Page> create_page(App& app, int number);

} // namespace app
