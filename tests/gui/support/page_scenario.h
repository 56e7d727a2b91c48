// Page tests in few lines: fields typed into and controls clicked in one
// call, then the widgets read back as a user sees them.
#pragma once
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input_.H>

#include <string>
#include <vector>

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

namespace testing_support {

using Texts = std::vector<std::string>;
using Widgets = std::vector<const Fl_Widget*>;

/// What a user reads off a widget: "hidden", an input's value, a button's
/// state ("on"/"off"), or else its label.
inline std::string shown(const Fl_Widget* widget) {
  if (!widget->visible())
    return "hidden";
  if (auto* field = dynamic_cast<const Fl_Input_*>(widget))
    return field->value();
  if (auto* button = dynamic_cast<const Fl_Button*>(widget))
    return button->value() ? "on" : "off";
  return widget->label() ? widget->label() : "";
}
template <typename List> Texts shown_all(const List& widgets) {
  Texts out;
  for (const Fl_Widget* widget : widgets)
    out.push_back(shown(widget));
  return out;
}

/// Types each text over the field before it, or clicks the widget when its
/// text is null, as a user would, one after the other.
inline void act() {}
template <typename... Rest> void act(Fl_Widget* widget, const char* text, Rest... rest) {
  if (text)
    retype(dynamic_cast<Fl_Input_*>(widget), text);
  else
    click(widget);
  act(rest...);
}
/// The widgets must show the expected texts.
inline void see(const Widgets& widgets, const Texts& expected) {
  EXPECT_EQ(shown_all(widgets), expected);
}

/// An app shown on page `Slot`, whose widgets `Page::widgets()` gives.
template <typename Page, int Slot> class PageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }
  void open_page() {
    if (!app)
      start_app();
    click(app->main_frame()->nav_button(Slot));
  }
  Page& page() const { return *static_cast<Page*>(app->page(Slot)); }
  const auto& w() const { return page().widgets(); }
  std::string lang(int entry) const { return app->lang(entry); }
  void units() { click(app->main_frame()->unit_button()); }
  std::string help_title() { return shown(app->help_windows().back()->window()); }
};

} // namespace testing_support
