// The about window.
#include "app/about_window.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>

#include "app/app.h"
#include "core/i18n/common_texts.h"
#include "ui/page_widgets.h"

namespace app {

namespace {

void close_callback(Fl_Widget*, void* data) { static_cast<App*>(data)->hide_about(); }

void link_callback(Fl_Widget*, void* data) {
  auto* app = static_cast<App*>(data);
  app->hide_about();
  std::string error;
  if (!app->dialogs().open_uri(kProjectPage, error))
    app->dialogs().alert("Error: " + error);
}

const char* text_or_empty(const char* text) { return text ? text : ""; }

} // namespace

std::unique_ptr<Fl_Window> build_about_window(App& app) {
  auto window = std::make_unique<Fl_Window>(400, 200);
  window->copy_label(text_or_empty(app.lang(texts::kAboutTitle)));
  window->color(50);
  window->set_modal();
  window->callback(close_callback, &app);
  auto* version_label = new Fl_Box(25, 25, 55, 25);
  version_label->copy_label(text_or_empty(app.lang(texts::kVersionLabel)));
  auto* version = new Fl_Box(80, 25, 115, 25, kVersion);
  version->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  auto* text = new Fl_Box(18, 52, 366, 69);
  text->copy_label(text_or_empty(app.lang(texts::kAboutText)));
  text->align(FL_ALIGN_WRAP | FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
  auto* link = new Fl_Button(16, 160, 277, 35);
  link->copy_label(text_or_empty(app.lang(texts::kContactButton)));
  link->callback(link_callback, &app);
  auto* close = ui::close_button({310, 160, 72, 35}, 35);
  close->callback(close_callback, &app);
  window->end();
  return window;
}

} // namespace app
