#include "ui/paste_guard.h"

#include <FL/Fl.H>
#include <FL/Fl_Input_.H>
#include <FL/fl_ask.H>
#include <FL/x.H>

#include "ui/number_input.h"

// The widget a paste is for, kept by the toolkit while the selection is on
// its way (it has no public accessor in this toolkit version).
extern Fl_Widget* fl_selection_requestor;

namespace ui {

namespace {

// The selection arrives as a property of the asking window. Its type says
// whether it comes whole or in pieces ("INCR"), its length how big it is.
bool selection_too_big(const XSelectionEvent& event) {
  Atom type = None;
  int format = 0;
  unsigned long items = 0, bytes_left = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(fl_display, event.requestor, event.property, 0, 0, False, AnyPropertyType,
                         &type, &format, &items, &bytes_left, &data) != Success)
    return false;
  if (data)
    XFree(data);
  // Pieces come only for texts far beyond what any field takes.
  if (type == XInternAtom(fl_display, "INCR", False))
    return true;
  const auto* field = dynamic_cast<Fl_Input_*>(fl_selection_requestor);
  const long longest = field ? field->maximum_size() : kNameTextSize;
  return bytes_left > static_cast<unsigned long>(longest);
}

int refuse_oversized_paste(void* native, void*) {
  const auto* event = static_cast<const XEvent*>(native);
  if (event->type != SelectionNotify || event->xselection.property == None ||
      !selection_too_big(event->xselection))
    return 0;
  XDeleteProperty(fl_display, event->xselection.requestor, event->xselection.property);
  fl_beep(FL_BEEP_ERROR);
  return 1; // the toolkit never sees it
}

} // namespace

void install_paste_guard() {
  Fl::remove_system_handler(refuse_oversized_paste);
  Fl::add_system_handler(refuse_oversized_paste, nullptr);
}

} // namespace ui
