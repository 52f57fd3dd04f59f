// Errors of the X server that the display library provokes itself and that must not end the
// program.
#pragma once

#include "detail/Private.h"

struct _XDisplay;

namespace platform::window {

// Installs an X error handler (once per process) that ignores the BadWindow answer to an event
// sent to a window that was destroyed meanwhile, and hands every other error to the handler
// that was there before. Call it before the display library starts its X11 driver, which
// puts back the handler it found when it stops.
void tolerateStaleWakeups();

// Every error on this connection is ignored from now on (its owner reads what may be gone
// meanwhile and checks the answers); null forgets the connection given before.
void ignoreErrorsOn(_XDisplay* display);

}  // namespace platform::window
