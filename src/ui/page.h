// One calculator page of the main window. Each page builds its widgets into
// its group, wires their callbacks, and saves and restores its own State.ini
// keys; the application only calls these hooks in order.
#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_Window.H>

#include <functional>
#include <string>
#include <vector>

#include "core/i18n/common_texts.h"
#include "ui/callbacks.h"
#include "ui/page_context.h"
#include "ui/page_id.h"
#include "ui/page_widgets.h"
#include "ui/state_bindings.h"

class Fl_Group;
class Fl_Widget;
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
  void build_in(Fl_Group& group) {
    group_ = &group;
    build(group);
  }
  /// The window the page is shown in (nullptr before it is built).
  Fl_Window* page_window() const { return group_ ? group_->top_window() : nullptr; }
  /// The mode the page starts in, before settings and state are applied.
  virtual void enter_start_mode() {}
  /// Copies the settings that concern this page into its widgets.
  virtual void apply_settings() {}
  /// Writes the page's keys into its section of the state document.
  virtual void save_state(settings::IniDocument& state) const { state_.save(state, section()); }
  /// Puts the keys back into the widgets, then lets the page refresh its
  /// modes and compute once.
  virtual void load_state(const settings::IniDocument& state) {
    state_.load(state, section());
    restored();
  }
  /// The field that gets the focus when the page is shown (nullptr: focus stays).
  virtual Fl_Input* focus_input() { return nullptr; }
  /// Whether showing the page selects the focus field's whole text.
  virtual bool select_focus_text() const { return true; }
  /// Fields that only restate another field: Tab reaches them after the rest.
  virtual std::vector<const Fl_Widget*> restating_fields() const { return {}; }

protected:
  /// Builds the page's widgets inside `group`, which is open (current).
  virtual void build(Fl_Group& group) { (void)group; }
  /// The page's State.ini section: "p" and its number.
  std::string section() const { return "p" + std::to_string(number()); }
  /// After the bound values are back: show the modes they select, compute.
  virtual void restored() {}
  /// `widget` runs `action` when it calls back.
  void on(Fl_Widget* widget, std::function<void()> action) {
    callbacks_.on(widget, std::move(action));
  }
  /// The decimal and degrees-minutes-seconds buttons in a frame of their
  /// own, decimal chosen; a click tells `chosen` whether DMS is on.
  RadioPair framed_angle_formats(Spot frame, Spot decimal, Spot dms,
                                 std::function<void(bool dms)> chosen,
                                 i18n::TextId decimal_tooltip = texts::kDecimalDegreesTip) {
    Fl_Group* group = framed_group(frame.x, frame.y, frame.w, frame.h);
    RadioPair pair = angle_format_buttons(context_, decimal, dms, decimal_tooltip);
    group->end();
    pair.first->setonly();
    on(pair.first, [chosen] { chosen(false); });
    on(pair.second, [chosen] { chosen(true); });
    return pair;
  }

  PageContext& context_;
  /// The page's State.ini keys and the widgets that hold them.
  StateBindings state_;
  Callbacks callbacks_;

private:
  PageId id_;
  Fl_Group* group_ = nullptr;
};

} // namespace ui
