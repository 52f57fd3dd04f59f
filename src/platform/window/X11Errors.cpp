// The display library wakes its event wait by sending an event to one of its windows over a
// second connection to the X server. When the display thread destroys that window right after
// waking, the server may take the destroy from the first connection before the send from the
// second and answer the send with BadWindow, and Xlib's default handler ends the process.
#include "detail/X11Errors.h"

#include <atomic>
#include <mutex>

// clang-format off
#include <X11/Xlib.h>
#include <X11/Xproto.h>
// clang-format on

namespace platform::window {

namespace {

XErrorHandler previous = nullptr;
std::atomic<::Display*> ignored{nullptr};

int onError(::Display* display, XErrorEvent* error) {
    if (display == ignored.load()) return 0;
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    return previous ? previous(display, error) : 0;
}

}  // namespace

void tolerateStaleWakeups() {
    static std::once_flag once;
    std::call_once(once, [] { previous = XSetErrorHandler(onError); });
}

void ignoreErrorsOn(::Display* display) {
    ignored.store(display);
}

}  // namespace platform::window
