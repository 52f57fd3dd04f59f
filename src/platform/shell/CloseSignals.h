// SIGINT, SIGTERM and SIGHUP turned into a close request: the handler only writes to a pipe,
// and a watcher thread calls the program back, where it may do anything (post a close to the
// main window, save settings...).
#pragma once

#include <functional>
#include <thread>

namespace platform::shell {

class CloseSignals {
public:
    // Called on the watcher thread with the signal number, once per signal received.
    using Callback = std::function<void(int signal)>;

    CloseSignals() = default;
    ~CloseSignals();  // restores the previous handlers
    CloseSignals(const CloseSignals&) = delete;
    CloseSignals& operator=(const CloseSignals&) = delete;

    // Installs the handlers; false when they could not be installed (or one object already
    // has them: there is one set per process).
    bool install(Callback callback);
    void uninstall();
    bool installed() const { return installed_; }

private:
    void watch();

    bool installed_ = false;
    Callback callback_;
    std::thread thread_;
};

}  // namespace platform::shell
