// The one kind of result field: it shows a computed value, takes no typing,
// and lets the user select the value and copy it (Ctrl+C, or the right-click
// menu's Copy) to take it elsewhere. Tab passes it by.
#pragma once

#include <FL/Fl_Output.H>

namespace ui {

class ResultField : public Fl_Output {
public:
  ResultField(int x, int y, int w, int h);
  int handle(int event) override;

  /// The Copy entry of the right-click menu, in the user's language (the
  /// application sets it whenever a language is loaded).
  static void set_copy_text(const char* text);
};

/// A result field in the result colour: sunken (the default) or flat.
ResultField* result_field(int x, int y, int w, int h = 25, Fl_Boxtype box = FL_GTK_DOWN_BOX);

} // namespace ui
