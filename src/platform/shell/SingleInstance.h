// One running instance per user and display. The first start listens on an abstract Unix
// socket named from the user id and the display; a later start hands its file to it and ends.
#pragma once

#include <atomic>
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
    };
    // Called on the listener's thread for every accepted request, with the absolute path the
    // second start was given (empty: only raise the window). The answer that releases the
    // second start is sent when the callback returns.
    using Callback = std::function<void(const std::string& file)>;

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

    // "veritome-<uid>-<display>" for the current user and $DISPLAY (or $WAYLAND_DISPLAY).
    static std::string defaultName(const std::string& product);
    // file made absolute against the current folder ("" stays "").
    static std::string absolutePath(const std::string& file);

    // Becomes the first instance under name, or hands file (made absolute) to the instance
    // that holds the name and waits up to answerLimit for its answer. Two starts at once give
    // one kFirst and one kHandedOver.
    Outcome start(const std::string& name, const std::string& file, Callback callback,
                  std::chrono::milliseconds answerLimit = kAnswerLimit);
    // Stops listening; the name is free afterwards. Waits for a callback that is running.
    void stop();
    bool listening() const { return listener_ >= 0; }

private:
    void serve();
    void handle(int connection);

    int listener_ = -1;
    int wake_[2] = {-1, -1};  // a pipe that ends serve()
    Callback callback_;
    std::thread thread_;
};

}  // namespace platform::shell
