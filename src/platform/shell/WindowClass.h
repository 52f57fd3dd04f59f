// The class name the display's window manager and the desktop entry know the program's windows by.
#pragma once

#include <string>

namespace platform::shell {

// Names the windows made from now on with the X class `name` (both instance and class part),
// unless the user chose one through the environment. Call it before the display is opened.
void setWindowClass(const std::string& name);

}  // namespace platform::shell
