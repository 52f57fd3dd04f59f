// Reading the desktop's DPI settings from the X server. Kept apart from the backend: the X
// headers define names (None, Bool, Status) that clash with its code.
#include "detail/X11Scale.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace platform::window {

namespace {

::Display* ourDisplay = nullptr;
XErrorHandler previousHandler = nullptr;

// Errors on our own connection (the manager's window gone before it was read) are ignored;
// others go to the handler that was there before.
int ignoreOurErrors(::Display* d, XErrorEvent* e) {
    if (d == ourDisplay) return 0;
    return previousHandler ? previousHandler(d, e) : 0;
}

std::optional<std::string> property(::Display* d, ::Window w, const char* name, Atom type) {
    Atom atom = XInternAtom(d, name, True);
    if (atom == None || w == None) return std::nullopt;
    Atom actualType = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    int status = XGetWindowProperty(d, w, atom, 0, 1 << 20, False, type, &actualType, &format,
                                    &items, &after, &data);
    std::optional<std::string> out;
    if (status == Success && data && format == 8)
        out = std::string(reinterpret_cast<const char*>(data), items);
    if (data) XFree(data);
    return out;
}

}  // namespace

DesktopDpiProperties readDesktopDpiProperties() {
    DesktopDpiProperties out;
    ::Display* d = XOpenDisplay(nullptr);
    if (!d) return out;
    {
        ourDisplay = d;
        previousHandler = XSetErrorHandler(ignoreOurErrors);
        Atom selection = XInternAtom(d, "_XSETTINGS_S0", False);
        ::Window manager = XGetSelectionOwner(d, selection);
        Atom settingsType = XInternAtom(d, "_XSETTINGS_SETTINGS", True);
        if (manager != None && settingsType != None)
            out.xsettings = property(d, manager, "_XSETTINGS_SETTINGS", settingsType);
        out.resources = property(d, DefaultRootWindow(d), "RESOURCE_MANAGER", XA_STRING);
        XSync(d, False);
        XSetErrorHandler(previousHandler);
        ourDisplay = nullptr;
    }
    XCloseDisplay(d);
    return out;
}

}  // namespace platform::window
