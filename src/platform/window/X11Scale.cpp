// Reading the desktop's DPI settings from the X server, once at start and then whenever they
// change. Kept apart from the backend: the X headers define names (None, Bool, Status) that
// clash with its code.
#include "detail/X11Scale.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "detail/X11Errors.h"

namespace platform::window {

namespace {

::Display* ourDisplay = nullptr;
XErrorHandler previousHandler = nullptr;

// Errors on our own connection (the manager's window gone before it was read) are ignored;
// others go to the handler that was there before.
int ignoreOurErrors(::Display* d, XErrorEvent* e) {
    if (d == ourDisplay) return 0;
    return previousHandler ? previousHandler(d, e) : 0;
}

std::optional<std::string> property(::Display* d, ::Window w, const char* name, Atom type) {
    Atom atom = XInternAtom(d, name, True);
    if (atom == None || w == None) return std::nullopt;
    Atom actualType = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    int status = XGetWindowProperty(d, w, atom, 0, 1 << 20, False, type, &actualType, &format,
                                    &items, &after, &data);
    std::optional<std::string> out;
    if (status == Success && data && format == 8)
        out = std::string(reinterpret_cast<const char*>(data), items);
    if (data) XFree(data);
    return out;
}

::Window settingsManager(::Display* d) {
    return XGetSelectionOwner(d, XInternAtom(d, "_XSETTINGS_S0", False));
}

DesktopDpiProperties readFrom(::Display* d, ::Window manager) {
    DesktopDpiProperties out;
    Atom settingsType = XInternAtom(d, "_XSETTINGS_SETTINGS", True);
    if (manager != None && settingsType != None)
        out.xsettings = property(d, manager, "_XSETTINGS_SETTINGS", settingsType);
    out.resources = property(d, DefaultRootWindow(d), "RESOURCE_MANAGER", XA_STRING);
    return out;
}

class Watcher : public DesktopDpiWatcher {
public:
    Watcher(::Display* d, int wake[2], std::function<void(const DesktopDpiProperties&)> changed)
        : display_(d), changed_(std::move(changed)) {
        wakeRead_ = wake[0];
        wakeWrite_ = wake[1];
        // Watching before the thread starts: no change made after start() is missed.
        root_ = DefaultRootWindow(d);
        XSelectInput(d, root_, PropertyChangeMask | StructureNotifyMask);
        watchManager();
        XSync(d, False);
        thread_ = std::thread([this] { run(); });
    }
    ~Watcher() override {
        char byte = 0;
        while (write(wakeWrite_, &byte, 1) < 0 && errno == EINTR) {
        }
        thread_.join();
        ignoreErrorsOn(nullptr);
        XCloseDisplay(display_);
        close(wakeRead_);
        close(wakeWrite_);
    }

private:
    // The manager's window is watched for its settings and its end; a new manager announces
    // itself to the root window (MANAGER).
    void watchManager() {
        manager_ = settingsManager(display_);
        if (manager_ != None)
            XSelectInput(display_, manager_, PropertyChangeMask | StructureNotifyMask);
    }

    void run() {
        const ::Window root = root_;
        const Atom resources = XInternAtom(display_, "RESOURCE_MANAGER", False);
        const Atom settings = XInternAtom(display_, "_XSETTINGS_SETTINGS", False);
        const Atom selection = XInternAtom(display_, "_XSETTINGS_S0", False);
        const Atom managerMessage = XInternAtom(display_, "MANAGER", False);
        // Read once first: a change made before the watching began is not lost either.
        bool changed = true;
        for (;;) {
            while (XPending(display_) > 0) {
                XEvent e;
                XNextEvent(display_, &e);
                if (e.type == PropertyNotify) {
                    const XPropertyEvent& p = e.xproperty;
                    changed |= (p.window == root && p.atom == resources) ||
                               (p.window == manager_ && p.atom == settings);
                } else if (e.type == ClientMessage && e.xclient.window == root &&
                           e.xclient.message_type == managerMessage &&
                           static_cast<Atom>(e.xclient.data.l[1]) == selection) {
                    watchManager();
                    changed = true;
                } else if (e.type == DestroyNotify && e.xdestroywindow.window == manager_) {
                    watchManager();
                    changed = true;
                }
            }
            if (changed) {
                changed = false;
                changed_(readFrom(display_, manager_));
                // Events that came with the answers wait in the queue, not on the connection.
                continue;
            }
            XFlush(display_);
            pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wakeRead_, POLLIN, 0}};
            int n = poll(fds, 2, -1);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 || fds[1].revents != 0) return;
            if (fds[0].revents & (POLLERR | POLLHUP)) return;  // the server went away
        }
    }

    ::Display* display_;
    std::function<void(const DesktopDpiProperties&)> changed_;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    ::Window root_ = None;
    ::Window manager_ = None;
    std::thread thread_;
};

}  // namespace

DesktopDpiProperties readDesktopDpiProperties() {
    DesktopDpiProperties out;
    ::Display* d = XOpenDisplay(nullptr);
    if (!d) return out;
    {
        ourDisplay = d;
        previousHandler = XSetErrorHandler(ignoreOurErrors);
        out = readFrom(d, settingsManager(d));
        XSync(d, False);
        XSetErrorHandler(previousHandler);
        ourDisplay = nullptr;
    }
    XCloseDisplay(d);
    return out;
}

std::unique_ptr<DesktopDpiWatcher> DesktopDpiWatcher::start(
    std::function<void(const DesktopDpiProperties&)> changed) {
    ::Display* d = XOpenDisplay(nullptr);
    if (!d) return nullptr;
    int wake[2];
    if (pipe2(wake, O_CLOEXEC) != 0) {
        XCloseDisplay(d);
        return nullptr;
    }
    tolerateStaleWakeups();
    ignoreErrorsOn(d);
    return std::make_unique<Watcher>(d, wake, std::move(changed));
}

}  // namespace platform::window
