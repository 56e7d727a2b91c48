// One calculator page of the main window. Each page builds its widgets into
// its group, wires their callbacks, and saves and restores its own State.ini
// keys; the application only calls these hooks in order.
#pragma once

#include "ui/page_context.h"
#include "ui/page_id.h"

class Fl_Group;
class Fl_Input;

namespace settings {
class IniDocument;
}

namespace ui {

class Page {
public:
  Page(PageContext& context, PageId id) : context_(context), id_(id) {}
  virtual ~Page() = default;
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  PageId id() const { return id_; }
  /// 1-17: navigation user data, group index + 1, and State.ini section "p<N>".
  int number() const { return page_number(id_); }

  /// Builds the page's widgets inside `group`, which is open (current).
  virtual void build(Fl_Group& group) { (void)group; }
  /// The mode the page starts in, before settings and state are applied.
  virtual void enter_start_mode() {}
  /// Copies the settings that concern this page into its widgets.
  virtual void apply_settings() {}
  /// Writes the page's keys into its section of the state document.
  virtual void save_state(settings::IniDocument& state) const { (void)state; }
  /// Puts the keys back into the widgets and recomputes.
  virtual void load_state(const settings::IniDocument& state) { (void)state; }
  /// The field that gets the focus when the page is shown (nullptr: focus stays).
  virtual Fl_Input* focus_input() { return nullptr; }
  /// Whether showing the page selects the focus field's whole text.
  virtual bool select_focus_text() const { return true; }

protected:
  PageContext& context_;

private:
  PageId id_;
};

} // namespace ui
