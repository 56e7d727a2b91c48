// Page tests in few lines: an app opened on one page, and the texts of many
// fields read at once so that a whole row of results compares in one line.
#pragma once
#include <FL/Fl_Input_.H>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

namespace testing_support {

using Texts = std::vector<std::string>;

/// The values of input or output fields, in order.
template <typename... Field> Texts values(const Field*... fields) { return {fields->value()...}; }
template <typename Fields> Texts values_of(const Fields& fields) {
  Texts out;
  for (const Fl_Input_* field : fields)
    out.push_back(field->value());
  return out;
}
inline std::string label(const Fl_Widget* widget) { return widget->label() ? widget->label() : ""; }

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
};

} // namespace testing_support
