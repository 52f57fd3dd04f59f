// The name by which other programs (the desktop portal, dialogs of helper programs) refer to a
// display-library window as their parent.
#pragma once

#include "detail/Private.h"

#include <string>

struct SDL_Window;

namespace platform::window {

// "x11:<X window id in hexadecimal>", or "" when the window is no X11 window.
std::string x11ExportId(SDL_Window* window);

}  // namespace platform::window
