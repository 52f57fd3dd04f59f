// Where the running program file lies.
#pragma once

#include <string>

namespace platform::shell {

// The folder of the running program file (UTF-8, no trailing "/"); empty when unknown.
std::string programFolder();

}  // namespace platform::shell
