// Close signals through a self-pipe: write() is async-signal-safe, nothing else is done in the
// handler.
#include "platform/shell/CloseSignals.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>

namespace platform::shell {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
std::atomic<int> gWriteEnd{-1};
std::atomic<bool> gTaken{false};
int gPipe[2] = {-1, -1};
struct sigaction gPrevious[3];

void onSignal(int signal) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    const int fd = gWriteEnd.load(std::memory_order_relaxed);
    if (fd >= 0) (void)!::write(fd, &byte, 1);
    errno = saved;
}

}  // namespace

CloseSignals::~CloseSignals() {
    uninstall();
}

bool CloseSignals::install(Callback callback) {
    if (installed_ || gTaken.exchange(true)) return false;
    if (::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        gTaken = false;
        return false;
    }
    callback_ = std::move(callback);
    gWriteEnd = gPipe[1];
    thread_ = std::thread([this] { watch(); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &action, &gPrevious[i]);
    installed_ = true;
    return true;
}

void CloseSignals::uninstall() {
    if (!installed_) return;
    for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &gPrevious[i], nullptr);
    gWriteEnd = -1;
    ::close(gPipe[1]);  // the watcher sees the end of the pipe and returns
    if (thread_.joinable()) thread_.join();
    ::close(gPipe[0]);
    gPipe[0] = gPipe[1] = -1;
    callback_ = nullptr;
    installed_ = false;
    gTaken = false;
}

void CloseSignals::watch() {
    const int fd = gPipe[0];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        unsigned char byte;
        const ssize_t n = ::read(fd, &byte, 1);
        if (n == 0) return;  // write end closed: uninstalled
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return;
        }
        if (callback_) callback_(byte);
    }
}

}  // namespace platform::shell
