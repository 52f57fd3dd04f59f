// Starts a program and reports the milliseconds from its exec to the first top-level window
// mapped on the display, seen as a MapNotify on the root window (the window manager's frame
// or, without one, the program's own window). Then ends the program with SIGTERM.
//
//   startup_probe PROGRAM [ARG...]     prints "<ms>" on stdout; exit 1 when nothing is mapped
//                                      within 20 s
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [ARG...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: no display\n");
        return 2;
    }
    // Listening before the start: no map can slip past.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double mapped = -1;
    const int fd = ConnectionNumber(display);
    while (mapped < 0 && nowMs() - start < 20000) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                mapped = nowMs() - start;
                break;
            }
        }
        if (mapped >= 0) break;
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 50);
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) break;  // ended without a window
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (mapped < 0) return 1;
    std::printf("%.1f\n", mapped);
    return 0;
}
