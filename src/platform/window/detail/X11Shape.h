// Window shapes through the X Shape extension, for the display library's X11 windows.
#pragma once

#include "detail/Private.h"

#include <vector>

#include "platform/window/Types.h"

struct SDL_Window;

namespace platform::window {

// Gives the window the union of the rectangles (client coordinates) as its shape, or its whole
// rectangle back when there are none. False when the window is no X11 window or the server has
// no Shape extension (the window then stays rectangular).
bool applyX11Shape(SDL_Window* window, const std::vector<Rect>& rects);

}  // namespace platform::window
