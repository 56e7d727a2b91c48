// The request to stop long work: a signal (logout, shutdown, Ctrl+C) asks the
// program to end, and no search may keep it waiting. The signal handler sets
// the flag; long loops look at it and give up, and the event loop then ends
// the program with the pages saved.
#pragma once

namespace numeric {

/// Sets the flag. Safe inside a signal handler.
void request_stop();

/// Whether a stop was asked for. Cheap: look at it in every long loop.
bool stop_requested();

/// Lowers the flag again (the tests; the program itself ends once it is set).
void clear_stop_request();

} // namespace numeric
