// Opens a web address in the user's browser through the desktop's opener program, started
// without a shell and without waiting for it.
#pragma once

#include <string>
#include <string_view>

namespace platform::window {

// Starts the opener with the address as its one argument; false when the address is empty,
// looks like an option (starts with "-") or the program could not be started.
bool openLink(std::u16string_view address);

// The program openLink starts (default "xdg-open", looked up in PATH); tests put a recorder here.
void setLinkOpenerProgram(const std::string& program);

}  // namespace platform::window
