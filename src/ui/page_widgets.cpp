#include "ui/page_widgets.h"

#include <FL/Fl_Menu_.H>

#include <string>

#include "ui/page_context.h"
#include "i18n/menu_label.h"

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

void fill_text_menu(Fl_Menu_* menu, const PageContext& app, const std::vector<int>& entries) {
  menu->clear();
  // add() reads '/', '\\' and a leading '_' in a text as menu syntax and
  // merges items of the same text. Distinct numbers hold the places, and
  // replace() then takes each text as it stands.
  std::vector<int> items;
  for (std::size_t i = 0; i < entries.size(); ++i)
    items.push_back(menu->add(std::to_string(i).c_str(), 0, nullptr));
  for (std::size_t i = 0; i < entries.size(); ++i)
    menu->replace(items[i], i18n::menu_item_label(app.lang(entries[i]), entries[i]).c_str());
}

void fill_text_menu(Fl_Menu_* menu, const PageContext& app, int first_entry, int count) {
  std::vector<int> entries;
  for (int i = 0; i < count; ++i)
    entries.push_back(first_entry + i);
  fill_text_menu(menu, app, entries);
}

Fl_Box* wrapped_text(int x, int y, int w, int h, const char* text, Fl_Align align) {
  auto* box = new Fl_Box(x, y, w, h);
  box->copy_label(text);
  box->align(align | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  return box;
}

} // namespace ui
