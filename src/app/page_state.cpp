// State.ini: every page writes and restores its own keys; this file only
// runs them in order and keeps the page shown and the navigation scroll.
#include "app/app.h"

#include "app/page_table.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Scroll.H>

#include <FL/Fl.H>

#include <algorithm>
#include <climits>
#include <cstdio>

#include "app/file_texts.h"
#include "app/main_window.h"
#include "core/i18n/format_check.h"
#include "core/settings/special_file.h"
#include "ui/page.h"

namespace app {

namespace {

std::string state_path(const std::string& dir) { return dir + "/State.ini"; }

struct ButtonSpan {
  int top = INT_MAX;    ///< of the first button, on the screen
  int bottom = INT_MIN; ///< of the last one
  bool empty() const { return top > bottom; }
};

ButtonSpan button_span(Fl_Scroll* column) {
  ButtonSpan span;
  for (int i = 0; i < column->children(); ++i) {
    Fl_Widget* child = column->child(i);
    if (child == &column->scrollbar || child == &column->hscrollbar)
      continue;
    span.top = std::min(span.top, child->y());
    span.bottom = std::max(span.bottom, child->y() + child->h());
  }
  return span;
}

// A hand-edited scroll position is kept within the buttons: from the first
// button at the top of the column to the last one at its bottom. (The
// toolkit counts the top as the gap between the frame and the first button,
// so the lowest position is slightly negative.)
int clamp_nav_scroll(Fl_Scroll* column, long position) {
  const ButtonSpan span = button_span(column);
  if (span.empty())
    return 0;
  int inner_top = column->y() + Fl::box_dy(column->box());
  int inner_bottom = column->y() + column->h() - Fl::box_dy(column->box());
  int lowest = inner_top - (span.top + column->yposition());
  int highest = std::max(lowest, span.bottom + column->yposition() - inner_bottom);
  return static_cast<int>(std::clamp<long>(position, lowest, highest));
}

// The position the user sees, as the toolkit reports it once the column is
// drawn: it counts from where the buttons lie, which before the first
// drawing is not yet yposition() (that put a restored column a little higher
// at every start).
int drawn_nav_scroll(Fl_Scroll* column) {
  const ButtonSpan span = button_span(column);
  if (span.empty())
    return column->yposition();
  return column->y() + Fl::box_dy(column->box()) - span.top;
}

} // namespace

void App::save_page_state() {
  if (!main_window_ || keep_state_file_)
    return;
  const settings::IniDocument state = page_state();
  std::string error;
  // At exit there is no one left to tell; the previous file stays as it was.
  if (!state.save(state_path(data_dir_), &error))
    std::fprintf(stderr, "toolroom-calculator: State.ini not saved: %s\n", error.c_str());
}

settings::IniDocument App::page_state() const {
  settings::IniDocument state;
  for (auto& page : pages_) {
    state.add_section("p" + std::to_string(page->number()));
    page->save_state(state);
  }
  state.add_section("page");
  int shown = main_window_->shown_page();
  // No page shown is kept as the index one past the last page.
  state.set("page:page", std::to_string(shown == 0 ? page_count() : shown - 1));
  state.set("page:scroll", std::to_string(drawn_nav_scroll(main_window_->nav_column())));
  const std::string left_alone = settings::left_alone_text(pairs_left_alone_);
  if (!left_alone.empty())
    state.set("page:units_left_alone", left_alone);
  return state;
}

void App::load_page_state() {
  settings::IniDocument state;
  std::string path = state_path(data_dir_);
  std::string reason;
  settings::LoadStatus status = settings::IniDocument::load(path, state, &reason);
  // As with the settings: pages left beside the executable are a starting point.
  if (status == settings::LoadStatus::kMissing && data_dir_ != program_dir_) {
    path = state_path(program_dir_);
    status = settings::IniDocument::load(path, state, &reason);
  }
  const std::string told = "The page state file '" + path + "' ";
  switch (status) {
  case settings::LoadStatus::kOk:
    restore_page_state(state);
    break;
  case settings::LoadStatus::kCannotRead:
    // The user's pages may still be in there.
    keep_state_file_ = path == state_path(data_dir_);
    dialogs_.alert(told + "can't be read (" + reason +
                   "), so the pages start afresh.\nThe file is left as it is" +
                   (keep_state_file_ ? " and is not written when the program ends." : "."));
    break;
  case settings::LoadStatus::kTooLarge: {
    // Far larger than the program writes: not ours to write over.
    const std::string aside = settings::aside_name(path);
    if (std::rename(path.c_str(), aside.c_str()) == 0) {
      dialogs_.alert(told +
                     "is damaged (it is far larger than a page state file can be), so "
                     "the pages start afresh.\nThe old file was kept as '" +
                     aside + "'.");
    } else {
      keep_state_file_ = path == state_path(data_dir_);
      dialogs_.alert(told + "is far larger than a page state file can be, so the pages start "
                            "afresh.\nThe file is left as it is.");
    }
    break;
  }
  case settings::LoadStatus::kNotRegularFile:
    // Only where the pages are saved; one beside the executable is passed by.
    if (path == state_path(data_dir_))
      tell_state_not_a_file(path);
    break;
  default:
    break; // missing or damaged: the pages start afresh and are saved at exit
  }
}

void App::tell_state_not_a_file(const std::string& path) {
  using settings::SpecialFile;
  file_texts::Text why = file_texts::kIsSpecial;
  switch (settings::special_file_at(path)) {
  case SpecialFile::kDirectory:
    why = file_texts::kIsDirectory;
    break;
  case SpecialFile::kPipe:
    why = file_texts::kIsPipe;
    break;
  case SpecialFile::kDevice:
    why = file_texts::kIsDevice;
    break;
  default:
    break;
  }
  // A link is named with where it leads: the user sees the link, not the device.
  const std::string target = settings::final_target(path);
  const std::string shown = target.empty() || target == path ? path : path + " -> " + target;
  tell(i18n::checked_format(file_texts::said(*this, file_texts::kStateNotAFile), "ss",
                            shown.c_str(), file_texts::said(*this, why).c_str()));
}

void App::restore_page_state(const settings::IniDocument& state) {
  long shown = state.get_long("page:page", 0);
  pairs_left_alone_ =
      settings::read_left_alone(state.get_string("page:units_left_alone"), unit_pairs_.size());
  for (auto& page : pages_)
    page->load_state(state);
  // "No page shown" is kept as the count of pages, which grows with a new
  // page: a file holding the sections of N pages and the index N was written
  // with no page shown by a program of N pages.
  int sections = 0;
  while (sections < page_count() && state.has_section("p" + std::to_string(sections + 1)))
    ++sections;
  if (sections > 0 && shown == sections)
    shown = -1;
  if (shown >= 0 && shown < page_count())
    show_page(static_cast<int>(shown) + 1);
  Fl_Scroll* column = main_window_->nav_column();
  int wanted = clamp_nav_scroll(column, state.get_long("page:scroll", 0));
  column->scroll_to(column->xposition(), column->yposition() + wanted - drawn_nav_scroll(column));
}

} // namespace app
