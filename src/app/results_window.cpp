// The hole-list window.
#include "app/results_window.h"
#include "ui/look.h"

#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Window.H>

#include "app/app.h"
#include "app/main_window.h"
#include "ui/page.h"
#include "ui/page_widgets.h"

namespace app {

namespace {

// Spaces that put "x" and "y" over the two columns of the list.
constexpr const char* kColumnHeader =
    "                                   x                          y";

} // namespace

ResultsWindow::ResultsWindow(App& app) : app_(app) {
  window_ = std::make_unique<Fl_Double_Window>(430, 460);
  window_->copy_label(app_.lang(164) ? app_.lang(164) : "");
  window_->color(ui::kPageBackground);
  window_->set_modal();
  // The close box does what the close button does.
  callbacks_.on(window_.get(), [this] { close(); });

  list_ = new Fl_Browser(21, 31, 386, 374, kColumnHeader);
  list_->textfont(FL_COURIER);
  list_->labelfont(FL_HELVETICA_BOLD);
  list_->align(FL_ALIGN_TOP_LEFT);
  // A language text beginning with '@' must show as it is.
  list_->format_char(0);

  print_button_ = new Fl_Button(85, 413, 76, 40, "@+9fileprint");
  print_button_->labelsize(11);
  callbacks_.on(print_button_, [this] {
    if (HoleListSource* list_source = source())
      list_source->print_hole_list();
  });

  save_button_ = new Fl_Button(169, 413, 87, 40, "@+9filesaveas");
  save_button_->labelsize(11);
  callbacks_.on(save_button_, [this] {
    if (HoleListSource* list_source = source())
      list_source->save_hole_list();
  });

  close_button_ = ui::close_button({312, 413, 87, 40}, 40);
  callbacks_.on(close_button_, [this] { close(); });
  window_->end();
}

ResultsWindow::~ResultsWindow() = default;

HoleListSource* ResultsWindow::source() {
  return dynamic_cast<HoleListSource*>(app_.page(kHoleListPage));
}

void ResultsWindow::set_lines(const std::vector<std::string>& lines) {
  list_->clear();
  for (const std::string& line : lines)
    list_->add(line.c_str());
}

std::vector<std::string> ResultsWindow::lines() const {
  std::vector<std::string> out;
  for (int i = 1; i <= list_->size(); ++i)
    out.emplace_back(list_->text(i) ? list_->text(i) : "");
  return out;
}

void ResultsWindow::show() {
  if (MainWindow* main = app_.main_frame())
    main->window()->deactivate();
  window_->show();
}

void ResultsWindow::close() {
  window_->hide();
  if (MainWindow* main = app_.main_frame())
    main->window()->activate();
}

} // namespace app
