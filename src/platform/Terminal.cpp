// isatty, ioctl, sigaction and poll behind the platform boundary.
#include "platform/Terminal.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace platform {

namespace {
void (*interruptHandler)(int) = nullptr;
// A pipe that a signal writes one byte into: a blocked wait on any thread sees it readable
// (a read retried after EINTR, or running on another thread than the signal, would not end).
int wake[2] = {-1, -1};
extern "C" void onSignal(int signal) {
    const int saved = errno;
    if (interruptHandler) interruptHandler(signal);
    if (wake[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] ssize_t n = ::write(wake[1], &byte, 1);  // full pipe: already woken
    }
    errno = saved;
}
static_assert(kSignalInterrupt == SIGINT && kSignalTerminate == SIGTERM);
}  // namespace

bool isTerminal(int fd) {
    return ::isatty(fd) == 1;
}

int terminalColumns(int fd) {
    struct winsize size {};
    if (::ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

void onInterrupt(void (*handler)(int signal)) {
    interruptHandler = handler;
    if (wake[0] < 0 && ::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) wake[0] = wake[1] = -1;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

bool waitReadable(int fd) {
    struct pollfd watched[2] = {{fd, POLLIN, 0}, {wake[0], POLLIN, 0}};
    for (;;) {
        const int n = ::poll(watched, wake[0] >= 0 ? 2 : 1, -1);
        if (n < 0 && errno != EINTR) return true;  // the read will tell what is wrong
        if (wake[0] >= 0 && (watched[1].revents & POLLIN)) return false;
        if (n > 0 && watched[0].revents) return true;
    }
}

}  // namespace platform
