// The right-click menus of fields and results: Copy, Paste and Undo show the
// shortcuts their keys have, in the menus' text size.
#pragma once

#include <FL/Fl_Menu_Item.H>

#include <array>

namespace ui {

/// A typed field's menu: Copy (usable only with a selection), Paste, Undo,
/// then the closing empty item.
std::array<Fl_Menu_Item, 4> field_menu(const char* copy, const char* paste, const char* undo,
                                       bool has_selection);

/// A result's menu: Copy, then the closing empty item.
std::array<Fl_Menu_Item, 2> result_menu(const char* copy);

} // namespace ui
