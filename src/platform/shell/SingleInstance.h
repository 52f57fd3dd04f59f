// One running instance per user and display. The first start listens on a Unix socket in a
// folder only its user can reach; a later start hands its file to it and ends.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace platform::shell {

class SingleInstance {
public:
    enum class Outcome {
        kFirst,       // this process is the instance: requests arrive through the callback
        kHandedOver,  // a running instance took the request: this start should end (exit 0)
        kNoAnswer,    // an instance exists but did not answer in time (exit 1 with a message)
        kFailed,      // no socket could be made at all
        kForeign,     // the listener belongs to another user: nothing was sent to it
    };
    // Called on the listener's thread for every accepted request, with the absolute path the
    // second start was given (empty: only raise the window). True when the request was taken:
    // only then does the second start hear "OK".
    using Callback = std::function<bool(const std::string& file)>;

    // The longest request accepted (a path and a little framing).
    static constexpr std::size_t kMaxRequest = 16384;
    // How long the listener waits for a connected peer's request.
    static constexpr std::chrono::milliseconds kReadLimit{1000};
    // How long a second start waits for the first instance's answer.
    static constexpr std::chrono::milliseconds kAnswerLimit{3000};

    SingleInstance() = default;
    ~SingleInstance();  // stops listening
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // "veritome-<display>" for $DISPLAY (or $WAYLAND_DISPLAY): ":0", ":0.0" and "unix:0" name
    // one display.
    static std::string defaultName(const std::string& product);
    // The folder of the sockets: $XDG_RUNTIME_DIR/veritome, else /tmp/veritome-<uid>; made with
    // mode 0700 when missing. "" when it cannot be made, or is not the user's own folder that
    // nobody else may enter.
    static std::string folder();
    // file made absolute against the current folder ("" stays ""); "" for a relative file when
    // the current folder is unknown.
    static std::string absolutePath(const std::string& file);

    // Becomes the first instance under name, or hands file (made absolute) to the instance
    // that holds the name and waits up to answerLimit for its answer. Two starts at once give
    // one kFirst and one kHandedOver: a lock file decides.
    Outcome start(const std::string& name, const std::string& file, Callback callback,
                  std::chrono::milliseconds answerLimit = kAnswerLimit);
    // Stops listening; the name is free afterwards. Waits for a callback that is running.
    void stop();
    bool listening() const { return listener_ >= 0; }

private:
    void serve();
    void handle(int connection);

    int listener_ = -1;
    int lock_ = -1;           // the lock file, locked while this process is the instance
    std::string socketPath_;  // removed when listening stops
    int folderFd_ = -1;       // the folder, when its path is too long for a socket address
    int wake_[2] = {-1, -1};  // a pipe that ends serve()
    Callback callback_;
    std::thread thread_;
};

}  // namespace platform::shell
