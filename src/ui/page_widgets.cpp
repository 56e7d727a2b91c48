#include "ui/page_widgets.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Window.H>

#include <string>

#include "core/i18n/common_texts.h"
#include "ui/field_io.h"
#include "ui/page_context.h"
#include "core/i18n/menu_label.h"

namespace ui {

ReadOnlyField* text_line(int x, int y, int w, int h, const char* text) {
  auto* field = new ReadOnlyField(x, y, w, h, kPageBackground);
  field->box(FL_FLAT_BOX);
  field->value(text ? text : "");
  return field;
}

Fl_Round_Button* radio_button(int x, int y, int w, int h, const char* label, const char* tooltip) {
  auto* button = new Fl_Round_Button(x, y, w, h);
  button->type(FL_RADIO_BUTTON);
  button->copy_label(label);
  if (tooltip)
    button->copy_tooltip(tooltip);
  return button;
}

RadioPair inch_mm_buttons(const PageContext& app, Spot inch, Spot mm) {
  RadioPair pair{
      radio_button(inch.x, inch.y, inch.w, inch.h, app.lang(texts::kInchUnit),
                   app.lang(texts::kInchTip)),
      radio_button(mm.x, mm.y, mm.w, mm.h, app.lang(texts::kMmUnit), app.lang(texts::kMmTip))};
  pair.first->setonly();
  return pair;
}

RadioPair angle_format_buttons(const PageContext& app, Spot decimal, Spot dms,
                               i18n::TextId decimal_tooltip) {
  return {radio_button(decimal.x, decimal.y, decimal.w, decimal.h,
                       app.lang(texts::kDecimalDegreesRadio), app.lang(decimal_tooltip)),
          radio_button(dms.x, dms.y, dms.w, dms.h, app.lang(texts::kDmsRadio),
                       app.lang(texts::kDmsTip))};
}

RadioPair framed_inch_mm(const PageContext& app, Spot frame, Spot inch, Spot mm) {
  Fl_Group* group = framed_group(frame.x, frame.y, frame.w, frame.h);
  RadioPair pair = inch_mm_buttons(app, inch, mm);
  group->end();
  return pair;
}

Fl_Spinner* places_spinner(const PageContext& app, Spot spot, Places places, bool labelled) {
  auto* spinner = new Fl_Spinner(spot.x, spot.y, spot.w, spot.h);
  if (labelled)
    spinner->copy_label(app.lang(texts::kPrecisionLabel));
  spinner->range(places.fewest, places.most);
  spinner->step(1); // also makes the spinner's field take whole numbers only
  spinner->value(places.initial);
  spinner->when(FL_WHEN_CHANGED);
  report_every_change(spinner);
  limit_spinner_text(spinner);
  return spinner;
}

Fl_Button* question_button(Spot spot, int label_size, Fl_Boxtype box) {
  auto* button = new Fl_Button(spot.x, spot.y, spot.w, spot.h, "?");
  button->box(box);
  button->labelfont(FL_TIMES_BOLD_ITALIC);
  button->labelsize(label_size);
  return button;
}

Fl_Button* close_button(Spot spot, int label_size) {
  auto* button = new Fl_Button(spot.x, spot.y, spot.w, spot.h, "X");
  button->labelfont(FL_HELVETICA_BOLD_ITALIC);
  button->labelsize(label_size);
  button->labelcolor(FL_RED);
  return button;
}

Fl_Group* framed_group(int x, int y, int w, int h, const char* title) {
  auto* group = new Fl_Group(x, y, w, h);
  group->box(FL_GTK_DOWN_FRAME);
  group->color(kPageBackground);
  if (title) {
    group->copy_label(title);
    group->align(FL_ALIGN_TOP_LEFT);
  }
  return group;
}

void fill_plain_menu(Fl_Menu_* menu, const std::vector<std::string>& texts) {
  menu->clear();
  // add() reads '/', '\\' and a leading '_' in a text as menu syntax and
  // merges items of the same text. Distinct numbers hold the places, and
  // replace() then takes each text as it stands.
  std::vector<int> items;
  for (std::size_t i = 0; i < texts.size(); ++i)
    items.push_back(menu->add(std::to_string(i).c_str(), 0, nullptr));
  for (std::size_t i = 0; i < texts.size(); ++i)
    menu->replace(items[i], texts[i].c_str());
}

void fill_text_menu(Fl_Menu_* menu, const PageContext& app,
                    const std::vector<i18n::TextId>& entries) {
  std::vector<std::string> texts;
  for (const i18n::TextId entry : entries)
    texts.push_back(i18n::menu_item_label(app.lang(entry), entry.entry));
  fill_plain_menu(menu, texts);
}

void fill_text_menu(Fl_Menu_* menu, const PageContext& app, i18n::TextId first, int count) {
  std::vector<i18n::TextId> entries;
  for (int i = 0; i < count; ++i)
    entries.push_back(first + i);
  fill_text_menu(menu, app, entries);
}

Fl_Box* wrapped_text(int x, int y, int w, int h, const char* text, Fl_Align align) {
  auto* box = new Fl_Box(x, y, w, h);
  box->copy_label(text);
  box->align(align | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  return box;
}

Fl_Box* reason_line(Spot spot) {
  Fl_Box* line = wrapped_text(spot.x, spot.y, spot.w, spot.h, nullptr, FL_ALIGN_LEFT);
  line->labelfont(FL_HELVETICA_BOLD);
  line->labelsize(13);
  line->labelcolor(kTextBad);
  line->hide();
  return line;
}

void show_reason(Fl_Box* line, const PageContext& app, i18n::TextId reason) {
  const bool shown = reason != i18n::kNoText;
  const std::string text = shown ? app.lang_or(reason, "") : "";
  if (shown == (line->visible() != 0) && text == (line->label() ? line->label() : ""))
    return;
  line->copy_label(text.c_str());
  show_if(line, shown);
  // The line has no box of its own, and a page's frame paints no background:
  // the window draws the place again, the old text gone.
  if (Fl_Window* window = line->window())
    window->damage(FL_DAMAGE_ALL, line->x(), line->y(), line->w(), line->h());
}

void show_if(Fl_Widget* widget, bool shown) {
  if (shown == (widget->visible() != 0))
    return;
  if (shown)
    widget->show();
  else
    widget->hide();
  const Fl_Widget* area = widget->parent() ? widget->parent() : widget;
  if (Fl_Window* window = widget->window())
    window->damage(FL_DAMAGE_ALL, area->x(), area->y(), area->w(), area->h());
}

} // namespace ui
