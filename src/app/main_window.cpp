// Builds the main window and switches its pages.
#include "app/main_window.h"

#include "app/page_table.h"
#include "ui/page_widgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Scroll.H>

#include "app/app.h"
#include "core/i18n/common_texts.h"
#include "ui/enter_button.h"
#include "ui/page.h"
#include "ui/tab_order.h"

namespace app {

namespace {

constexpr Fl_Color kBackground = ui::kPageBackground;
constexpr int kNavButtonHeight = 55;

App& app_of(void* data) { return *static_cast<App*>(data); }

void nav_callback(Fl_Widget* button, void* data) {
  auto* app = static_cast<App*>(button->parent()->parent()->user_data());
  app->show_page(static_cast<int>(reinterpret_cast<intptr_t>(data)));
}
void unit_callback(Fl_Widget*, void* data) { app_of(data).toggle_unit_system(); }
void about_callback(Fl_Widget*, void* data) { app_of(data).show_about(); }
void quit_callback(Fl_Widget*, void* data) { app_of(data).quit(); }
void run_language_switch(void* app) { static_cast<App*>(app)->switch_language(); }

void language_callback(Fl_Widget*, void* data) {
  // The switch destroys this button's window: let the callback return first.
  Fl::add_timeout(0.0, run_language_switch, data);
}

Fl_Button* side_button(int y, int h, const char* label) {
  auto* button = new Fl_Button(4, y, 150, h);
  button->copy_label(label ? label : "");
  button->color(kBackground);
  button->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  button->box(FL_GTK_UP_BOX);
  return button;
}

} // namespace

MainWindow::MainWindow(App& app) : app_(app) {
  // Enter in a page's field does the page's Calculate, where it has one.
  window_ = std::make_unique<ui::EnterWindow<Fl_Double_Window>>(830, 785);
  window_->copy_label(app.lang(texts::kInchWindowTitle) ? app.lang(texts::kInchWindowTitle) : "");
  window_->color(kBackground);
  window_->callback(quit_callback, &app);
  window_->user_data(&app);

  nav_column_ = new Fl_Scroll(1, 2, 157, 675);
  nav_column_->box(FL_GTK_UP_FRAME);
  nav_column_->type(Fl_Scroll::VERTICAL);
  build_nav_column(app.current_language() == "es");
  nav_column_->end();
  nav_column_->size(157, 431);
  // A wheel notch moves the column by one button, not by a few pixels.
  nav_column_->scrollbar.linesize(kNavButtonHeight + 1);

  language_button_ = side_button(438, 40, app.lang(texts::kLanguageButton));
  language_button_->callback(language_callback, &app);
  unit_button_ = side_button(480, 48, app.lang(texts::kInchSystemButton));
  unit_button_->callback(unit_callback, &app);
  about_button_ = side_button(530, 36, app.lang(texts::kAboutButton));
  about_button_->callback(about_callback, &app);
  exit_button_ = side_button(568, 30, app.lang(texts::kExitButton));
  exit_button_->labelfont(FL_HELVETICA_BOLD_ITALIC);
  exit_button_->labelcolor(FL_RED);
  exit_button_->callback(quit_callback, &app);

  page_groups_.assign(page_table().size(), nullptr);
  for (const PageRow& row : page_table()) {
    const int number = ui::page_number(row.id);
    const GroupRect& r = row.group;
    auto* group = new Fl_Group(r.x, r.y, r.w, r.h);
    group->box(FL_GTK_UP_FRAME);
    page_groups_[static_cast<size_t>(number - 1)] = group;
    if (Page* page = app.page(number)) {
      page->build_in(*group);
      ui::put_fields_in_reading_order(*group, page->restating_fields());
    }
    group->end();
    if (number != 1) {
      group->hide();
      group->deactivate();
    }
  }
  window_->end();

  window_->size(830, 600);
  // The window is as wide as its contents, so the width is fixed.
  window_->size_range(830, 600, 830, 985);
}

MainWindow::~MainWindow() { Fl::remove_timeout(run_language_switch, &app_); }

void MainWindow::build_nav_column(bool spanish_layout) {
  nav_buttons_.assign(page_table().size(), nullptr);
  for (const PageRow& row : page_table()) {
    int y = spanish_layout ? row.nav_y_spanish : row.nav_y;
    int h = spanish_layout ? row.nav_height_spanish : kNavButtonHeight;
    auto* button = new Fl_Button(4, y, 133, h);
    if (!row.nav_label)
      button->label("1 + 2 = ?");
    else
      button->copy_label(app_.lang(*row.nav_label) ? app_.lang(*row.nav_label) : "");
    button->color(kBackground);
    button->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
    button->box(FL_GTK_UP_BOX);
    const int number = ui::page_number(row.id);
    button->callback(nav_callback, reinterpret_cast<void*>(static_cast<intptr_t>(number)));
    nav_buttons_[static_cast<size_t>(number - 1)] = button;
  }
}

int MainWindow::shown_page() const {
  for (size_t i = 0; i < page_groups_.size(); ++i)
    if (page_groups_[i]->visible())
      return static_cast<int>(i) + 1;
  return 0;
}

void MainWindow::switch_to(int number) {
  Fl_Group* target = page_group(number);
  if (target->visible())
    return;
  if (int leaving = shown_page()) {
    page_group(leaving)->hide();
    page_group(leaving)->deactivate();
    nav_button(leaving)->labelcolor(FL_BLACK);
    nav_button(leaving)->redraw_label();
  }
  target->activate();
  target->show();
  nav_button(number)->labelcolor(FL_RED);
  nav_button(number)->redraw_label();
}

void MainWindow::show_unit_system(int unit_system) {
  const char* title =
      app_.lang(unit_system == 1 ? texts::kMetricWindowTitle : texts::kInchWindowTitle);
  window_->copy_label(title ? title : "");
  const char* label =
      app_.lang(unit_system == 1 ? texts::kMetricSystemButton : texts::kInchSystemButton);
  unit_button_->copy_label(label ? label : "");
}

} // namespace app
