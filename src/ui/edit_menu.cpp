#include "ui/edit_menu.h"

#include <FL/Enumerations.H>

namespace ui {

namespace {

Fl_Menu_Item entry(const char* text, char key, int flags = 0) {
  return {text, FL_CTRL + key, nullptr, nullptr, flags, FL_NORMAL_LABEL, FL_HELVETICA,
          14,   FL_BLACK};
}

constexpr Fl_Menu_Item kEnd = {nullptr, 0, nullptr, nullptr, 0, 0, 0, 0, 0};

} // namespace

std::array<Fl_Menu_Item, 4> field_menu(const char* copy, const char* paste, const char* undo,
                                       bool has_selection) {
  return {entry(copy, 'c', has_selection ? 0 : FL_MENU_INACTIVE), entry(paste, 'v'),
          entry(undo, 'z'), kEnd};
}

std::array<Fl_Menu_Item, 2> result_menu(const char* copy) { return {entry(copy, 'c'), kEnd}; }

} // namespace ui
