// The X Shape extension applied to the X11 window behind a display-library window. Kept apart
// from the backend: the X headers define names (None, Bool, Status) that clash with its code.
#include "detail/X11Shape.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace platform::window {

bool applyX11Shape(SDL_Window* window, const std::vector<Rect>& rects) {
    if (!window) return false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    ::Display* display = info.info.x11.display;
    ::Window xwindow = info.info.x11.window;
    int eventBase = 0, errorBase = 0;
    if (!XShapeQueryExtension(display, &eventBase, &errorBase)) return false;
    if (rects.empty()) {
        XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> xr;
        xr.reserve(rects.size());
        for (const Rect& r : rects) {
            if (r.width <= 0 || r.height <= 0) continue;
            xr.push_back({static_cast<short>(r.x), static_cast<short>(r.y),
                          static_cast<unsigned short>(r.width),
                          static_cast<unsigned short>(r.height)});
        }
        XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, xr.data(),
                                static_cast<int>(xr.size()), ShapeSet, Unsorted);
    }
    XFlush(display);
    return true;
}

}  // namespace platform::window
