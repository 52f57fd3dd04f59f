// The X window id of an SDL window, as the desktop portal wants it.
#include "detail/X11Id.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdio>

namespace platform::window {

std::string x11ExportId(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "x11:%lx", static_cast<unsigned long>(info.info.x11.window));
    return text;
}

}  // namespace platform::window
