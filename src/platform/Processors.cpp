// The processors of the affinity mask (taskset and containers narrow it below the online count).
#include "platform/Processors.h"

#include <sched.h>
#include <unistd.h>

namespace platform {

namespace {

int countCores() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof set, &set) == 0) {
        const int n = CPU_COUNT(&set);
        if (n > 0) return n;
    }
    const long online = ::sysconf(_SC_NPROCESSORS_ONLN);
    return online > 0 ? static_cast<int>(online) : 1;
}

}  // namespace

int usableCores() {
    static const int n = countCores();
    return n;
}

}  // namespace platform
