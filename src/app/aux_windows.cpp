// Frames of the change-gear set editor, the worm-gear input window and the
// wait notice.
#include "app/aux_windows.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Spinner.H>

#include "app/app.h"
#include "app/checked_input.h"
#include "app/field_io.h"
#include "app/main_window.h"

namespace app {

namespace {

constexpr Fl_Color kBackground = 50;
constexpr Fl_Color kBlue = 4;
constexpr int kFractionRecord = 44;
constexpr int kDistanceRecord = 45;

void set_label(Fl_Widget* widget, const char* text) { widget->copy_label(text ? text : ""); }

void hide_window(Fl_Widget* widget, void*) {
  Fl_Window* window = widget->as_window() ? widget->as_window() : widget->window();
  if (window)
    window->hide();
}

std::unique_ptr<Fl_Window> modal_window(int w, int h, const char* title) {
  std::unique_ptr<Fl_Window> window = std::make_unique<Fl_Double_Window>(w, h);
  set_label(window.get(), title);
  window->color(kBackground);
  window->set_modal();
  window->callback(hide_window);
  return window;
}

Fl_Button* close_button(int x, int y, int w, int h, int size) {
  auto* button = new Fl_Button(x, y, w, h, "X");
  button->labelfont(FL_HELVETICA_BOLD_ITALIC);
  button->labelsize(size);
  button->labelcolor(FL_RED);
  button->callback(hide_window);
  return button;
}

Fl_Button* arrow_button(int x, int y, const char* symbol) {
  auto* button = new Fl_Button(x, y, 70, 38, symbol);
  button->labelfont(FL_HELVETICA_BOLD);
  button->labelsize(19);
  button->deactivate();
  return button;
}

Fl_Group* coloured_group(int x, int y, int w, int h, Fl_Color colour, const char* label) {
  auto* group = new Fl_Group(x, y, w, h);
  group->color(colour);
  set_label(group, label);
  return group;
}

} // namespace

GearSetWindow::GearSetWindow() = default;
GearSetWindow::~GearSetWindow() = default;
WormExtraWindow::WormExtraWindow() = default;
WormExtraWindow::~WormExtraWindow() = default;

std::unique_ptr<GearSetWindow> build_gear_set_window(App& app) {
  auto w = std::make_unique<GearSetWindow>();
  w->window = modal_window(350, 530, app.lang(451));
  w->gear_list = new Fl_Check_Browser(20, 25, 75, 495);
  set_label(w->gear_list, app.lang(452));
  w->gear_list->align(FL_ALIGN_TOP);
  w->gear_list->labelcolor(kBlue);
  w->gear_list->box(FL_GTK_DOWN_BOX);

  w->add_group = new Fl_Group(120, 115, 210, 118);
  w->add_group->box(FL_GTK_DOWN_FRAME);
  set_label(w->add_group, app.lang(453));
  w->add_group->labelcolor(kBlue);
  w->teeth = new Fl_Int_Input(131, 140, 66, 26);
  set_label(w->teeth, app.lang(454));
  w->teeth->align(FL_ALIGN_TOP);
  w->teeth->box(FL_GTK_DOWN_BOX);
  w->teeth->when(FL_WHEN_CHANGED);
  w->count = new Fl_Spinner(241, 141, 70, 25);
  set_label(w->count, app.lang(455));
  w->count->align(FL_ALIGN_TOP);
  w->count->type(FL_INT_INPUT);
  w->count->range(1, 4);
  w->count->step(1);
  w->count->value(1);
  w->count->when(FL_WHEN_CHANGED);
  report_every_change(w->count);
  w->add_button = arrow_button(187, 181, "@+9<-");
  w->add_group->end();

  w->remove_button = arrow_button(185, 244, "@+9->");
  w->close_button = close_button(186, 295, 70, 70, 64);
  w->window->end();
  return w;
}

std::unique_ptr<WormExtraWindow> build_worm_extra_window(App& app) {
  auto w = std::make_unique<WormExtraWindow>();
  w->window = modal_window(380, 155, app.lang(364));
  w->inch_group = coloured_group(24, 21, 174, 65, 215, app.lang(20));
  w->inch_distance = make_checked_input(app, kDistanceRecord, 86, 21, 59, 25);
  w->inch_group->end();

  w->fraction_group = coloured_group(32, 68, 161, 35, kBackground, app.lang(280));
  w->fraction[0] = make_checked_input(app, kFractionRecord, 40, 72, 34, 25);
  w->fraction[1] = make_checked_input(app, kFractionRecord, 106, 72, 35, 25);
  set_label(w->fraction[1], app.lang(308));
  w->fraction[2] = make_checked_input(app, kFractionRecord, 152, 73, 35, 25);
  w->fraction_group->end();

  w->mm_group = coloured_group(213, 21, 117, 33, FL_RED, app.lang(19));
  w->mm_distance = make_checked_input(app, kDistanceRecord, 238, 21, 59, 25);
  w->mm_group->end();

  w->ok = new Fl_Button(124, 117, 116, 25);
  set_label(w->ok, app.lang(223));
  w->ok->deactivate();
  w->cancel = new Fl_Button(246, 117, 116, 25);
  set_label(w->cancel, app.lang(224));
  w->cancel->callback(hide_window);
  w->window->end();
  return w;
}

std::unique_ptr<Fl_Window> build_busy_window(App& app) {
  auto window = std::make_unique<Fl_Double_Window>(500, 125);
  window->border(0);
  window->box(FL_BORDER_BOX);
  window->color(215);
  window->set_modal();
  auto* text = new Fl_Box(1, 1, 498, 123);
  set_label(text, app.lang(457));
  text->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  window->end();
  return window;
}

void show_busy_window(App& app) {
  Fl_Window* busy = app.busy_window();
  if (!busy)
    return;
  if (MainWindow* main = app.main_window()) {
    Fl_Window* over = main->window();
    busy->position(over->x() + (over->w() - busy->w()) / 2,
                   over->y() + (over->h() - busy->h()) / 2);
  }
  busy->show();
  busy->wait_for_expose();
  Fl::flush();
}

void hide_busy_window(App& app) {
  if (Fl_Window* busy = app.busy_window())
    busy->hide();
}

} // namespace app
