// Thread priorities as nice values of single threads (setpriority on the kernel thread id).
#include "platform/ThreadPriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

// The two extremes of the worker API (idle, time-critical) map to the extremes of nice.
constexpr int kIdlePriority = -15;
constexpr int kCriticalPriority = 15;
constexpr int kNiceMin = -20;
constexpr int kNiceMax = 19;

int niceOf(int priority) {
    if (priority <= kIdlePriority) return kNiceMax;
    if (priority >= kCriticalPriority) return kNiceMin;
    return -priority;
}

int priorityOf(int nice) {
    if (nice >= kNiceMax) return kIdlePriority;
    if (nice <= kNiceMin) return kCriticalPriority;
    return -nice;
}

}  // namespace

long currentThreadId() {
    return static_cast<long>(syscall(SYS_gettid));
}

bool setThreadPriority(long threadId, int priority) {
    if (threadId <= 0) return false;
    return setpriority(PRIO_PROCESS, static_cast<id_t>(threadId), niceOf(priority)) == 0;
}

int threadPriority(long threadId) {
    if (threadId <= 0) return 0;
    errno = 0;
    int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(threadId));
    if (nice == -1 && errno != 0) return 0;
    return priorityOf(nice);
}

int processPriority() {
    return threadPriority(static_cast<long>(::getpid()));
}

}  // namespace platform
