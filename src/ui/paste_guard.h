// Guards the fields against a clipboard too big for them. The toolkit reads
// a large selection (one the X server hands over in pieces) into a buffer of
// its own and crashes doing so, before any field sees the text; so the size
// is asked of the X server first, and a selection longer than the field that
// asked for it takes is refused there, with the field's error beep.
#pragma once

namespace ui {

/// Installs the guard for every paste of the program (once is enough).
void install_paste_guard();

} // namespace ui
