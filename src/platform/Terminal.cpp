// isatty, ioctl and sigaction behind the platform boundary.
#include "platform/Terminal.h"

#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace platform {

namespace {
void (*interruptHandler)(int) = nullptr;
extern "C" void onSignal(int signal) {
    if (interruptHandler) interruptHandler(signal);
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
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

}  // namespace platform
