// The session bus of the desktop, through GLib's GIO: one GLib main context runs on a thread of
// its own, and every bus call, signal and helper process of the desktop services lives there.
// Callers hand work over with post() and never wait for it on a window's thread.
#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <string>

typedef struct _GDBusConnection GDBusConnection;
typedef struct _GMainContext GMainContext;

namespace platform::desktop {

class DesktopBus {
public:
    // The one bus thread, started on first use and ended at exit.
    static DesktopBus& get();

    DesktopBus(const DesktopBus&) = delete;
    DesktopBus& operator=(const DesktopBus&) = delete;

    // Runs work on the bus thread, after the work posted before it; returns at once.
    void post(std::function<void()> work);
    // The bus thread's context (for asynchronous calls made there).
    GMainContext* context() const { return context_; }
    // On the bus thread only: the session bus, connected on first use; null when there is none.
    // An unset DBUS_SESSION_BUS_ADDRESS falls back to $XDG_RUNTIME_DIR/bus; a bus is never
    // launched for this process.
    GDBusConnection* connection();

    // The address the session bus is reached at ("" for none).
    static std::string sessionAddress();

private:
    DesktopBus();
    ~DesktopBus();
    // Runs what was posted (bus thread).
    void runPosted();
    struct Thread;

    // Work waiting for the bus thread; handed over under a lock of ours, so that the thread
    // checkers see the hand-over (GLib's own locks are invisible to them).
    std::mutex postedLock_;
    std::deque<std::function<void()>> posted_;

    GMainContext* context_;
    Thread* thread_;
    GDBusConnection* connection_ = nullptr;
    bool connectTried_ = false;
};

}  // namespace platform::desktop
