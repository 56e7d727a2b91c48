// Start-up order, program-wide services and the main window's actions.
#include "app/app.h"

#include <algorithm>

#include "app/page_table.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>

#include <cstdlib>
#include <unistd.h>

#include "app/about_window.h"
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "ui/page.h"
#include "core/workshop/differential_indexing_calc.h"
#include "core/settings/data_dir.h"

namespace app {

App::App(std::string program_dir, Dialogs& dialogs)
    : exit_process([](int status) { std::exit(status); }),
      program_dir_writable(settings::directory_is_writable), program_dir_(std::move(program_dir)),
      dialogs_(dialogs) {}

App::~App() {
  Fl::remove_timeout(retry_settings_write, this);
  Fl::remove_timeout(tell_untold, this);
  help_windows_.clear();
  destroy_windows();
}

void App::start() {
  if (program_dir_.empty())
    fatal_error("The program can't find its own directory (/proc/self/exe is unreadable), "
                "aborting program.");
  choose_data_dir();
  // A save cut short by a kill leaves its temporary file beside the real one.
  // One younger than a minute may belong to another copy of the program saving now.
  for (const char* name : {"DoNotEditOrDelete.ini", "State.ini"})
    settings::remove_stale_temporary_files(data_dir_ + "/" + name, 60);
  Fl::scheme("gtk+");
  load_language();
  open_windows();
  load_page_state();
}

void App::open_windows() {
  build_windows();
  Fl::visual(FL_RGB);
  put_pages_in_start_mode();
  // The first page of the table is the one shown at start; its button is marked.
  main_window_->nav_button(ui::page_number(page_table().front().id))->labelcolor(FL_RED);
  apply_settings();
}

void App::choose_data_dir() {
  auto env = [](const char* name) {
    const char* value = std::getenv(name);
    return std::string(value ? value : "");
  };
  settings::DataDirChoice choice = settings::prepare_data_dir(
      {program_dir_, program_dir_writable(program_dir_), env("XDG_CONFIG_HOME"), env("HOME")});
  if (choice.dir.empty())
    fatal_error(choice.error);
  data_dir_ = choice.dir;
}

void App::show() { main_window_->window()->show(); }

void App::build_windows() {
  // The lists the builders fill start afresh every time.
  checked_fields_.clear();
  unit_pairs_.fill(UnitPair{});
  pages_.clear();
  for (const PageRow& row : page_table())
    pages_.push_back(row.create(*this));
  main_window_ = std::make_unique<MainWindow>(*this);
  about_window_ = build_about_window(*this);
}

void App::destroy_windows() {
  about_window_.reset();
  main_window_.reset();
  for (auto& page : pages_)
    page.reset();
  checked_fields_.clear();
  unit_pairs_.fill(UnitPair{});
}

void App::put_pages_in_start_mode() {
  for (auto& page : pages_)
    page->enter_start_mode();
  if (Fl_Input* first = pages_[0]->focus_input())
    first->take_focus();
}

const char* App::page_name(PageId page) const {
  const std::optional<i18n::TextId> label = page_row(page).nav_label;
  return label ? lang(*label) : nullptr;
}

void App::fatal_error(const std::string& message) {
  dialogs_.fatal(message);
  std::abort(); // a Dialogs implementation must not return from fatal()
}

void App::register_unit_pair(UnitPairSlot slot, Fl_Button* inch, Fl_Button* metric,
                             std::function<void(bool to_metric)> switch_to) {
  unit_pairs_[static_cast<size_t>(slot)] = {inch, metric, std::move(switch_to)};
}

void App::show_page(int number) {
  if (number < 1 || number > page_count())
    return;
  if (main_window_->page_group(number)->visible())
    return;
  main_window_->switch_to(number);
  Page* page = pages_[static_cast<size_t>(number - 1)].get();
  if (Fl_Input* field = page->focus_input()) {
    field->take_focus();
    if (page->select_focus_text())
      field->position(0, field->size());
    else
      field->position(field->size()); // focus only: no selection left from before
  }
}

void App::toggle_unit_system() {
  using settings::PairUnit;
  const bool to_metric = unit_system_ == 0;
  for (size_t i = 0; i < unit_pairs_.size(); ++i) {
    const UnitPair& pair = unit_pairs_[i];
    if (pair.inch && pair.metric) {
      const PairUnit shown = pair.metric->value() ? PairUnit::kMetric
                             : pair.inch->value() ? PairUnit::kInch
                                                  : PairUnit::kNeither;
      if (settings::units_button_switches(shown, to_metric ? PairUnit::kMetric : PairUnit::kInch,
                                          pairs_left_alone_[i])) {
        if (pair.switch_to) {
          pair.switch_to(to_metric);
        } else {
          Fl_Button* button = to_metric ? pair.metric : pair.inch;
          button->setonly();
          button->do_callback();
        }
      }
    }
    // The button's label follows after the first two pairs, as it always has.
    if (i == 1)
      main_window_->show_unit_system(to_metric ? 1 : 0);
  }
  store_unit_system(to_metric ? "metric" : "inch");
  main_window_->show_unit_system(unit_system_);
}

void App::quit() {
  // Escape must never close the main window.
  if ((Fl::event() == FL_KEYDOWN || Fl::event() == FL_SHORTCUT) && Fl::event_key() == FL_Escape)
    return;
  exit_process(0);
}

void App::show_help(ui::HelpTopic topic) {
  // A help file the view chokes on must not cost the pages' contents.
  save_page_state();
  help_windows_.push_back(std::make_unique<HelpWindow>(*this, static_cast<int>(topic)));
  help_windows_.back()->window()->show();
}

void App::close_help(HelpWindow* window) {
  help_windows_.erase(std::remove_if(help_windows_.begin(), help_windows_.end(),
                                     [&](const auto& open) { return open.get() == window; }),
                      help_windows_.end());
}

void App::show_about() {
  main_window_->window()->deactivate();
  about_window_->show();
}

void App::hide_about() {
  about_window_->hide();
  main_window_->window()->activate();
}

} // namespace app
