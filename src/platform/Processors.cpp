// The run queue from /proc/loadavg ("0.52 0.58 0.59 3/467 12345": 3 runnable of 467).
#include "platform/Processors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {

int runnableThreads() {
    const int fd = ::open("/proc/loadavg", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    char text[128];
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n <= 0) return -1;
    text[n] = '\0';
    // The fourth field: runnable/total.
    const char* at = text;
    for (int field = 0; field < 3; ++field) {
        while (*at && *at != ' ') ++at;
        while (*at == ' ') ++at;
    }
    char* end = nullptr;
    const long runnable = std::strtol(at, &end, 10);
    if (end == at || *end != '/' || runnable < 0) return -1;
    return static_cast<int>(runnable);
}

}  // namespace platform
