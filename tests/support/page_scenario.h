// A calculator page opened in a fresh application and driven by scenarios:
// rows of widget and text that click, type or choose, or check what a user
// sees. A page test then reads as a table of what is done and what shows.
#pragma once

#include "support/gui_test.h"

#include "app/main_window.h"
#include "app/page_table.h"
#include "support/fake_page_context.h"
#include "support/render.h"
#include "ui/enter_button.h"
#include "ui/tab_order.h"
#include "ui/checked_input.h"

namespace testing_support {

using Texts = std::vector<std::string>;
using Rgb = std::array<int, 3>;

inline Rgb pixel(const Rendered& image, int x, int y) {
  const unsigned char* p = &image.rgb[static_cast<size_t>((y * image.w + x) * 3)];
  return {p[0], p[1], p[2]};
}

/// Does the widget show `state`: shown, hidden, red, black (its text, or
/// its label: a sketch's names), active, inactive, on, off, focus?
inline bool has_state(Fl_Widget* widget, const std::string& state) {
  auto* input = dynamic_cast<Fl_Input_*>(widget);
  auto* button = dynamic_cast<Fl_Button*>(widget);
  const Fl_Color text = input ? input->textcolor() : widget->labelcolor();
  const std::map<std::string, bool> states = {
      {"shown", widget->visible()},      {"hidden", !widget->visible()},
      {"active", widget->active()},      {"inactive", !widget->active()},
      {"on", button && button->value()}, {"off", button && !button->value()},
      {"red", text == FL_RED},           {"black", text == FL_BLACK},
      {"focus", Fl::focus() == widget}};
  EXPECT_EQ(states.count(state), 1u) << "no state " << state;
  return states.count(state) && states.at(state);
}

/// One scenario row. "click" clicks the widget. Otherwise the first
/// character says what to do: '=' the field, label or choice item shows the
/// rest; '@' its label (or the text of an output used as one) is that
/// language entry; '#' choose that item; '~' it is in that state. Any other
/// text is typed over the field's text, and a last '\n' presses Enter.
inline void run_row(const ui::PageContext& app, Fl_Widget* widget, const std::string& text) {
  ASSERT_NE(widget, nullptr);
  auto* input = dynamic_cast<Fl_Input_*>(widget);
  auto* choice = dynamic_cast<Fl_Choice*>(widget);
  const std::string shows = input    ? input->value()
                            : choice ? std::to_string(choice->value())
                                     : (widget->label() ? widget->label() : "");
  const std::string rest = text.empty() ? "" : text.substr(1);
  if (text == "click")
    click(widget);
  else if (text[0] == '=')
    EXPECT_EQ(shows, rest);
  else if (text[0] == '@')
    EXPECT_EQ(widget->label() ? widget->label() : shows, app.lang_or(std::stoi(rest), ""));
  else if (text[0] == '~')
    EXPECT_TRUE(has_state(widget, rest));
  else if (text[0] == '#' && choice) {
    choice->value(std::stoi(rest));
    choice->do_callback();
  } else {
    ASSERT_NE(input, nullptr);
    const bool enter = !text.empty() && text.back() == '\n'; // a spinner takes it on Enter
    retype(input, enter ? text.substr(0, text.size() - 1) : text);
    if (enter)
      press_key(FL_Enter);
  }
}

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
inline void see(const std::vector<const Fl_Widget*>& widgets, const Texts& expected) {
  EXPECT_EQ(shown_all(widgets), expected);
}

/// The lines of a list, or of a check list's items.
inline int count(const Fl_Browser* list) { return list->size(); }
inline int count(Fl_Check_Browser* list) { return list->nitems(); }
template <typename List> Texts lines_of(List* list) {
  Texts lines;
  for (int i = 1; i <= count(list); ++i)
    lines.push_back(list->text(i));
  return lines;
}

/// Runs scenario rows (see run_row), given as widget, text, widget, text,
/// ..., against the texts of `context()`; a null text clicks.
template <class Fixture> class RowRunner {
public:
  template <class... Rows> void run(Rows... rows) { run_from(1, rows...); }

private:
  void run_from(int) {}
  template <class W, class... Rows>
  void run_from(int row, W* widget, const char* text, Rows... more) {
    {
      const std::string row_text = text ? text : "click";
      SCOPED_TRACE("row " + std::to_string(row) + " " + row_text);
      run_row(static_cast<Fixture*>(this)->context(), widget, row_text);
    }
    run_from(row + 1, more...);
  }
};

/// Page `N` of class `P`, shown in a started application.
template <class P, int N> class PageTest : public AppTest, public RowRunner<PageTest<P, N>> {
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
  std::string lang(int entry) const { return app->lang(entry); }
  void units() { click(app->main_frame()->unit_button()); }

public:
  ui::PageContext& context() { return *app; }
};

/// A page of class `P` built alone on a FakePageContext, in a window of the
/// main window's size, at its place in the page table; no application.
template <class P> class PageAloneTest : public ::testing::Test, public RowRunner<PageAloneTest<P>> {
protected:
  PageAloneTest() { build(); }
  ~PageAloneTest() override { close(); }

  P& page() { return *page_; }
  const auto& w() { return page().widgets(); }
  std::string lang(int entry) const { return fake.lang_or(entry, ""); }
  /// The Units button, which takes the focus as the program's does.
  Fl_Button* unit_button() { return units_button_; }
  void units() { click(units_button_); }
  /// The page's state saved, the page built anew and the state put back, as
  /// a restart of the program does.
  void restart() {
    settings::IniDocument state;
    page_->save_state(state);
    close();
    build();
    page_->load_state(state);
    focus_first_field();
  }

  FakePageContext fake;
  FakeDialogs& dialogs = fake.dialogs_;
  TempDir dir;

public:
  ui::PageContext& context() { return fake; }

private:
  void build() {
    fake.forget_unit_pairs();
    fake.checked_fields().clear();
    // The main window's size; Enter in it presses the page's Enter button.
    window_ = std::make_unique<ui::EnterWindow<Fl_Double_Window>>(830, 785);
    units_button_ = new Fl_Button(5, 5, 120, 40, "Units");
    units_button_->callback([](Fl_Widget*, void* context) { static_cast<FakePageContext*>(context)->press_units(); },
                            &fake);
    page_ = std::make_unique<P>(fake);
    const app::PageRow& row = app::page_row(page_->id());
    auto* group = new Fl_Group(row.group.x, row.group.y, row.group.w, row.group.h);
    page_->build_in(*group);
    ui::put_fields_in_reading_order(*group, page_->restating_fields());
    group->end();
    window_->end();
    page_->enter_start_mode();
    page_->apply_settings();
    window_->show();
    focus_first_field();
  }
  // As the program shows a page: its first field takes the keys.
  void focus_first_field() {
    if (Fl_Input* field = page_->focus_input()) {
      field->take_focus();
      field->position(page_->select_focus_text() ? 0 : field->size(), field->size());
    }
    settle();
  }
  void close() {
    window_.reset(); // the page's widgets go with the window, as in the program
    page_.reset();
  }

  std::unique_ptr<Fl_Double_Window> window_;
  Fl_Button* units_button_ = nullptr;
  std::unique_ptr<P> page_;
};

} // namespace testing_support
