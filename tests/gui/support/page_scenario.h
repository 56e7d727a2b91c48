// Page tests as tables: each step types into a field or clicks a control,
// then names the widgets to read and the texts they must show.
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

/// Types `text` over `act`, or clicks it when there is no text (nothing
/// without `act`), then reads `read`.
struct Step {
  Fl_Widget* act;
  const char* text = nullptr;
  Widgets read = {};
  Texts expected = {};
};
inline void play(const std::vector<Step>& steps) {
  for (size_t i = 0; i < steps.size(); ++i) {
    if (steps[i].act && steps[i].text)
      retype(dynamic_cast<Fl_Input_*>(steps[i].act), steps[i].text);
    else if (steps[i].act)
      click(steps[i].act);
    EXPECT_EQ(shown_all(steps[i].read), steps[i].expected) << "step " << i + 1;
  }
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
