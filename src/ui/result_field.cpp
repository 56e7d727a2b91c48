#include "ui/result_field.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>

#include <array>
#include <string>

#include "ui/edit_menu.h"
#include "ui/look.h"

namespace ui {

namespace {
std::string copy_text = "Copy";
} // namespace

void ResultField::set_copy_text(const char* text) { copy_text = text && *text ? text : "Copy"; }

ResultField::ResultField(int x, int y, int w, int h) : Fl_Output(x, y, w, h) {
  color(kResultBackground);
}

int ResultField::handle(int event) {
  // Only a click gives the keyboard to a result (so that Ctrl+C copies this
  // value, not the entry typed into last); Tab goes from entry to entry.
  if (event == FL_FOCUS && Fl::event() != FL_PUSH)
    return 0;
  if (event == FL_PUSH && Fl::event_button() == FL_RIGHT_MOUSE) {
    if (position() == mark())
      position(0, size()); // nothing selected: Copy takes the whole value
    Fl::focus(this);
    const std::array<Fl_Menu_Item, 2> items = result_menu(copy_text.c_str());
    if (items[0].popup(Fl::event_x(), Fl::event_y()) == &items[0])
      copy(1);
    return 1;
  }
  return Fl_Output::handle(event);
}

ResultField* result_field(int x, int y, int w, int h, Fl_Boxtype box) {
  auto* field = new ResultField(x, y, w, h);
  field->box(box);
  return field;
}

} // namespace ui
