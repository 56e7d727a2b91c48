// Small widget pieces every calculator page uses: result fields that show
// text but never take the focus, radios, framed groups, and showing or
// hiding a widget by a flag.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <cstddef>
#include <iterator>
#include <memory>
#include <tuple>
#include <utility>
#include <string>
#include <vector>

#include "core/i18n/common_texts.h"
#include "ui/look.h"
#include "ui/result_field.h"

class Fl_Button;
class Fl_Menu_;
class Fl_Spinner;

namespace ui {

class PageContext;

/// An output that shows a result and never takes the focus or the mouse.
class ReadOnlyField : public Fl_Output {
public:
  ReadOnlyField(int x, int y, int w, int h, Fl_Color colour) : Fl_Output(x, y, w, h) {
    color(colour);
    clear_visible_focus();
  }
  int handle(int event) override {
    switch (event) {
    case FL_FOCUS:
    case FL_PUSH:
    case FL_DRAG:
    case FL_RELEASE:
    case FL_ENTER: // no text cursor over a field that takes no typing
    case FL_MOVE:
      return 0;
    default:
      return Fl_Output::handle(event);
    }
  }
};

/// A line of text (a row label) that looks like the page behind it.
ReadOnlyField* text_line(int x, int y, int w, int h, const char* text = nullptr);

/// A radio button; a missing text leaves it without a label.
Fl_Round_Button* radio_button(int x, int y, int w, int h, const char* label,
                              const char* tooltip = nullptr);

/// Where a widget goes.
struct Spot {
  int x, y, w, h;
};

/// Two radio buttons that make one choice (taken apart with std::tie).
using RadioPair = std::pair<Fl_Round_Button*, Fl_Round_Button*>;

/// The inch and millimetre radio buttons with their labels and tooltips,
/// inch chosen. The caller puts them in their group.
RadioPair inch_mm_buttons(const PageContext& app, Spot inch, Spot mm);

/// The decimal-degrees and degrees-minutes-seconds radio buttons with their
/// labels and tooltips.
RadioPair angle_format_buttons(const PageContext& app, Spot decimal, Spot dms,
                               i18n::TextId decimal_tooltip = texts::kDecimalDegreesTip);

/// The inch and millimetre buttons in a frame of their own, inch chosen.
RadioPair framed_inch_mm(const PageContext& app, Spot frame, Spot inch, Spot mm);

/// How many decimals a page's results may show, and how many a new page shows.
struct Places {
  int fewest, most, initial;
};

/// The spinner that sets how many decimals a page's results show, labelled
/// "Precision" unless the page labels it otherwise. Every change is
/// reported, typed or arrowed, so the results follow at once.
Fl_Spinner* places_spinner(const PageContext& app, Spot spot, Places places, bool labelled = true);

/// The big "?" button that opens a page's help.
Fl_Button* question_button(Spot spot, int label_size, Fl_Boxtype box = FL_GTK_UP_BOX);

/// The red "X" every window closes with.
Fl_Button* close_button(Spot spot, int label_size);

/// The index of the set button of a radio group, or `none` when none is set.
template <typename Buttons> int chosen_index(const Buttons& buttons, int none = -1) {
  for (std::size_t i = 0; i < std::size(buttons); ++i)
    if (buttons[i]->value())
      return static_cast<int>(i);
  return none;
}

/// A sunken frame around a group of widgets, its title above its left end.
/// The caller adds the children and calls end().
Fl_Group* framed_group(int x, int y, int w, int h, const char* title = nullptr);

/// Fills a choice menu with one item per language entry, in order: item i
/// always means entries[i]. Each text is shown as written; a missing one
/// shows a placeholder naming its entry.
void fill_text_menu(Fl_Menu_* menu, const PageContext& app,
                    const std::vector<i18n::TextId>& entries);
/// A menu of `texts` as they stand (names the user typed, lines a page
/// made): no '/' starts a submenu, and equal texts stay two items.
void fill_plain_menu(Fl_Menu_* menu, const std::vector<std::string>& texts);
/// The same for the consecutive entries first, first + 1, ...
void fill_text_menu(Fl_Menu_* menu, const PageContext& app, i18n::TextId first, int count);

/// A text inside its box, wrapped onto more lines where it is too long.
Fl_Box* wrapped_text(int x, int y, int w, int h, const char* text, Fl_Align align);

/// The line where a page says why it shows no result: bold red, wrapped
/// inside its box, hidden while there is nothing to say.
Fl_Box* reason_line(Spot spot);
/// Shows a text in a reason line; i18n::kNoText hides the line.
void show_reason(Fl_Box* line, const PageContext& app, i18n::TextId reason);

/// Shows or hides `widget`. A page's frames paint no background, so the
/// window draws the place around it again: a hidden widget and its label
/// leave no picture behind, and labels are not drawn twice over themselves.
void show_if(Fl_Widget* widget, bool shown);

/// Shows and activates, or hides and deactivates (a hidden input must not
/// take keys or the right-click menu).
inline void show_and_enable_if(Fl_Widget* widget, bool shown) {
  if (shown) {
    widget->activate();
    widget->show();
  } else {
    widget->hide();
    widget->deactivate();
  }
}

/// A window of its own built while a page's group is open: made inside the
/// open group it would become a part of the page.
template <class Window, class... Args> std::unique_ptr<Window> top_level(Args&&... args) {
  Fl_Group* const open = Fl_Group::current();
  Fl_Group::current(nullptr);
  auto window = std::make_unique<Window>(std::forward<Args>(args)...);
  Fl_Group::current(open);
  return window;
}

} // namespace ui
