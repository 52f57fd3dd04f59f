// How another program names one of our windows as the parent of a dialog it shows.
#pragma once

#include <string>

#include "platform/window/Types.h"

namespace platform::window {

// "x11:<hex id>" of the top-level window that holds window; "" when it has no X11 surface.
std::string exportId(Handle window);

}  // namespace platform::window
