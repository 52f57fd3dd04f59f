// The program's folder from /proc/self/exe.
#include "platform/shell/ProgramPath.h"

#include <unistd.h>

#include <vector>

namespace platform::shell {

std::string programFolder() {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) return {};
    std::string path(buffer.data(), static_cast<std::size_t>(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace platform::shell
