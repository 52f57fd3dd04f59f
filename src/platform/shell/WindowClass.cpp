// The X class of the program's windows, through the variable the display library reads when it
// connects.
#include "platform/shell/WindowClass.h"

#include <cstdlib>

namespace platform::shell {

void setWindowClass(const std::string& name) {
    ::setenv("SDL_VIDEO_X11_WMCLASS", name.c_str(), 0);
}

}  // namespace platform::shell
