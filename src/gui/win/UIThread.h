// The user-interface thread of a top-level window: it makes the window's native windows, runs
// their message loop, and is stopped when the window goes.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "platform/window/Types.h"

namespace s::gui::win {

class UIThread {
public:
    // What the thread runs: makes the native windows (answers false when it could not) and is
    // called on the new thread before its message loop starts.
    using Startup = std::function<bool()>;

    UIThread();
    ~UIThread();  // stop()
    UIThread(const UIThread&) = delete;
    UIThread& operator=(const UIThread&) = delete;

    // Starts the thread and blocks, testing every 0.2 ms, until its start-up has run; answers
    // whether the start-up succeeded. A thread whose start-up failed ends at once.
    bool start(Startup startup);
    // Asks the message loop to end and waits for the thread. After 5000 ms without an end it
    // keeps waiting: a running thread is never abandoned while its window object goes away.
    // Called on the thread itself (a window released by its own listener), the thread is let
    // go and ends after the current message.
    void stop();

    bool isStarted() const { return state_ && state_->started.load(); }
    bool isRunning() const { return state_ && state_->running.load(); }
    platform::window::ThreadId id() const { return state_ ? state_->id.load() : 0; }
    bool isCurrent() const;

    static constexpr int kPollMs = 10;
    static constexpr int kStopWaitMs = 5000;

private:
    // Shared with the thread, so that a thread let go never touches a freed object.
    struct State {
        std::atomic<bool> handedOver{false};
        std::atomic<bool> started{false};
        std::atomic<bool> failed{false};
        std::atomic<bool> running{false};
        std::atomic<platform::window::ThreadId> id{0};
        std::thread::id native;
    };
    std::shared_ptr<State> state_;
    std::thread thread_;
};

}  // namespace s::gui::win
