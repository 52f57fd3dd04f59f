#include "XServer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/window/Backend.h"
#include "platform/window/Input.h"
#include "platform/window/Window.h"

// Last: Xlib defines macros (None, Bool, Status ...) that other headers trip over.
// clang-format off
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
// clang-format on

// Every test of this program sees only the fonts the program ships with.
namespace {
const bool pinned = [] {
    return setenv("FONTCONFIG_FILE", VERITOME_TEST_DATA "/fonts/fonts.conf", 1) == 0;
}();
}  // namespace

// X and SDL keep a few allocations for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libX11\nleak:libSDL2\nleak:libdbus\nleak:libfontconfig\nleak:libXi\n";
}

namespace xtest {

namespace {

struct Server {
    pid_t xvfb = 0;
    pid_t wm = 0;
    ::Display* dpy = nullptr;
    bool ok = false;

    Server() { ok = start(); }
    ~Server() { stop(); }

    // The children end with the test process, however it ends.
    static pid_t spawn(const std::vector<std::string>& args, int keepFd = -1) {
        std::vector<char*> argv;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        pid_t parent = getpid();
        pid_t pid = fork();
        if (pid != 0) return pid < 0 ? 0 : pid;
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(1);
        int devnull = open("/dev/null", O_RDWR);
        dup2(devnull, 0);
        dup2(devnull, 1);
        for (int fd = 3; fd < 1024; ++fd) {
            if (fd != keepFd) close(fd);
        }
        execvp(argv[0], argv.data());
        _exit(127);
    }

    bool start() {
        int fds[2];
        if (pipe(fds) != 0) return false;
        xvfb = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24",
                      "-nolisten", "tcp", "-noreset"},
                     fds[1]);
        close(fds[1]);
        if (!xvfb) {
            close(fds[0]);
            return false;
        }
        std::string number;
        pollfd p{fds[0], POLLIN, 0};
        char c;
        while (poll(&p, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (number.empty()) return false;
        std::string display = ":" + number;
        setenv("DISPLAY", display.c_str(), 1);
        dpy = XOpenDisplay(display.c_str());
        if (!dpy) return false;
        wm = spawn({"openbox", "--sm-disable"});
        if (!wm) return false;
        // The window manager is ready once it manages a window: it takes a probe window into
        // a frame of its own. (It announces itself on the root window earlier than that, and a
        // window mapped in between can stay unmapped for ever.)
        ::Window probe = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 10, 10, 0, 0, 0);
        XSelectInput(dpy, probe, StructureNotifyMask);
        bool managed = false;
        for (int i = 0; i < 500 && !managed; ++i) {
            if (i % 50 == 0) {
                XUnmapWindow(dpy, probe);
                XMapWindow(dpy, probe);
                XFlush(dpy);
            }
            XEvent e;
            while (XCheckTypedWindowEvent(dpy, probe, ReparentNotify, &e)) managed = true;
            if (!managed) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        XDestroyWindow(dpy, probe);
        XSync(dpy, False);
        return managed;
    }

    void stop() {
        if (dpy) XCloseDisplay(dpy);
        for (pid_t pid : {wm, xvfb}) {
            if (pid > 0) {
                kill(pid, SIGTERM);
                waitpid(pid, nullptr, 0);
            }
        }
    }
};

Server*& slot() {
    static Server* s = nullptr;
    return s;
}

Server* server() {
    if (!slot()) slot() = new Server;
    return slot();
}

// At the end of the test process: SDL lets go of the display before the server stops.
class Environment : public ::testing::Environment {
public:
    void TearDown() override {
        if (!slot()) return;
        // Windows the server already forgot are no reason to end the process now.
        XSetErrorHandler([](::Display*, XErrorEvent*) { return 0; });
        platform::window::stopBackend();
        delete slot();
        slot() = nullptr;
    }
};
::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new Environment);

}  // namespace

bool available() {
    return server()->ok;
}
_XDisplay* connection() {
    return server()->dpy;
}

std::uint32_t screenPixel(int x, int y) {
    ::Display* d = connection();
    XImage* img = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!img) return 0xFFFFFFFF;
    unsigned long p = XGetPixel(img, 0, 0);
    XDestroyImage(img);
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

void movePointer(int x, int y) {
    XTestFakeMotionEvent(connection(), 0, x, y, CurrentTime);
    XFlush(connection());
}

void button(int number, bool down) {
    XTestFakeButtonEvent(connection(), number, down, CurrentTime);
    XFlush(connection());
}

void key(const char* keysym, bool down) {
    KeyCode code = XKeysymToKeycode(connection(), XStringToKeysym(keysym));
    XTestFakeKeyEvent(connection(), code, down, CurrentTime);
    XFlush(connection());
}

std::string run(const std::string& command) {
    std::string out;
    FILE* f = popen(command.c_str(), "r");
    if (!f) return out;
    char buf[512];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    pclose(f);
    return out;
}

bool waitUntil(const std::function<bool()>& condition, int ms) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

bool pumpUntil(const std::function<bool()>& condition) {
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < end) {
        platform::window::processPending();
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

bool answerMessageBoxWithReturn() {
    namespace pw = platform::window;
    for (int i = 0; i < 500; ++i) {
        for (pw::Handle h : pw::topLevelWindows()) {
            if (pw::className(h) != "LayerMessageBox") continue;
            pw::Rect r = pw::screenRect(h);
            // Painted: its face colour is on the screen.
            if (screenPixel(r.x + 3, r.y + 3) == pw::rgb(240, 240, 240)) {
                pw::input::key(h, pw::vk::kReturn, true);
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace xtest
