// A calculator page opened in a fresh application and driven by scenarios:
// rows of widget and text that click, type or choose, or check what a user
// sees. A page test then reads as a table of what is done and what shows.
#pragma once

#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Spinner.H>

#include <array>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"
#include "ui/checked_input.h"

namespace testing_support {

using Texts = std::vector<std::string>;
using Rgb = std::array<int, 3>;

/// One scenario row: a widget and a text. "click" clicks it. Otherwise the
/// first character says what to do: '=' the field, label or choice item
/// shows the rest; '@' its label (or the text of an output used as a
/// label) is that language entry; '#' choose that item;
/// '~' a state: shown, hidden, red, black (its text, or its label), active,
/// inactive, on, off, focus. Any other text is typed over the field's text,
/// and a last '\n' presses Enter.
struct Step {
  Fl_Widget* widget;
  const char* text;
};
void run_step(const app::App& app, const Step& step);

template <class Fields> Texts texts(const Fields& fields) {
  Texts out;
  for (const Fl_Input_* field : fields)
    out.emplace_back(field->value());
  return out;
}
/// Index of the one visible group: -1 for none, -2 for more than one.
int shown(const std::vector<const Fl_Widget*>& groups);
template <class Groups> int shown(const Groups& g) {
  return shown(std::vector<const Fl_Widget*>(g.begin(), g.end()));
}
Rgb pixel(const Rendered& image, int x, int y);

/// Page `N` of class `P`, shown in a started application.
template <class P, int N> class PageTest : public AppTest {
protected:
  void SetUp() override { open(); }
  void open() {
    if (!app)
      start_app();
    if (app->main_frame()->shown_page() != N)
      click(app->main_frame()->nav_button(N));
  }
  P& page() { return dynamic_cast<P&>(*app->page(N)); }
  const auto& w() { return page().widgets(); }
  /// Runs the rows given as widget, text, widget, text, ...
  template <class... Rows> void run(Rows... rows) {
    std::vector<Step> steps;
    collect(steps, rows...);
    for (size_t i = 0; i < steps.size(); ++i) {
      SCOPED_TRACE("row " + std::to_string(i + 1) + " " + steps[i].text);
      run_step(*app, steps[i]);
    }
  }

private:
  static void collect(std::vector<Step>&) {}
  template <class W, class... Rows>
  static void collect(std::vector<Step>& steps, W* widget, const char* text, Rows... rows) {
    steps.push_back({widget, text});
    collect(steps, rows...);
  }
};

} // namespace testing_support
