// The help window.
#include "app/help_viewer.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Help_View.H>

#include <algorithm>
#include <array>

#include "app/app.h"

namespace app {

namespace {

constexpr std::array<HelpTopic, 11> kTopics = {{
    {263, "/language/%s/thread.html"},
    {317, "/language/%s/backlash.html"},
    {265, "/language/%s/worm_gear.html"},
    {266, "/language/%s/worm_gear.html#crown"},
    {365, "/language/%s/ChangeGearCalculation.html"},
    {374, "/language/%s/bevel.html"},
    {128, "/language/pin_dia.html"},
    {5, "/language/%s/pdc.html"},
    {419, "/language/%s/gear_ratio.html"},
    {414, "/language/%s/change_gear.html"},
    {7, "/language/%s/dividing_head.html"},
}};

// Below this the text is unreadable; the viewer itself sets no limit.
constexpr int kSmallestTextSize = 6;
constexpr int kLargestTextSize = 72;

void smaller_callback(Fl_Widget*, void* data) { static_cast<HelpWindow*>(data)->smaller(); }
void larger_callback(Fl_Widget*, void* data) { static_cast<HelpWindow*>(data)->larger(); }
void close_callback(Fl_Widget*, void* data) { static_cast<HelpWindow*>(data)->close(); }

} // namespace

const HelpTopic& help_topic(int topic) {
  return kTopics[static_cast<size_t>(std::clamp(topic, 0, static_cast<int>(kTopics.size()) - 1))];
}

std::string help_file_path(const std::string& program_dir, const std::string& language, int topic) {
  std::string file = help_topic(topic).file;
  size_t code = file.find("%s");
  if (code != std::string::npos)
    file.replace(code, 2, language);
  return program_dir + file;
}

HelpWindow::HelpWindow(App& app, int topic) : app_(app) {
  window_ = std::make_unique<Fl_Double_Window>(800, 560);
  window_->color(50);
  view_ = new Fl_Help_View(0, 34, 800, 526);
  auto* label = new Fl_Box(61, 4, 71, 25);
  label->copy_label(app.lang(264) ? app.lang(264) : "");
  auto* smaller = new Fl_Button(142, 4, 25, 25, "A");
  smaller->labelfont(FL_HELVETICA_BOLD);
  smaller->callback(smaller_callback, this);
  auto* larger = new Fl_Button(174, 4, 25, 25, "A");
  larger->labelfont(FL_HELVETICA_BOLD);
  larger->labelsize(22);
  larger->callback(larger_callback, this);
  window_->end();
  window_->resizable(view_);
  window_->size_range(0, 0, 1280, 1024);
  window_->set_non_modal();
  window_->callback(close_callback, this);

  if (app.help_font_size() != settings::kHelpFontSizeUnset)
    view_->textsize(static_cast<Fl_Fontsize>(
        std::clamp(app.help_font_size(), kSmallestTextSize, kLargestTextSize)));
  window_->copy_label(app.lang(help_topic(topic).title) ? app.lang(help_topic(topic).title) : "");
  view_->load(help_file_path(app.program_dir(), app.current_language(), topic).c_str());
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::smaller() {
  view_->textsize(static_cast<Fl_Fontsize>(std::max(view_->textsize() - 1, kSmallestTextSize)));
}

void HelpWindow::larger() {
  view_->textsize(static_cast<Fl_Fontsize>(std::min(view_->textsize() + 1, kLargestTextSize)));
}

void HelpWindow::close() {
  app_.store_help_font_size(view_->textsize());
  window_->hide();
}

} // namespace app
