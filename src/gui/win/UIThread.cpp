// The user-interface thread's start, message loop and stop.
#include "gui/win/UIThread.h"

#include <chrono>

#include "platform/window/Window.h"

namespace pw = platform::window;

namespace s::gui::win {

namespace {
void pause() {
    std::this_thread::sleep_for(std::chrono::milliseconds(UIThread::kPollMs));
}
// Start-up is waited for in short steps: a window is usually ready within a millisecond, and
// the time to its first frame counts.
void pauseBriefly() {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
}
}  // namespace

UIThread::UIThread() = default;

UIThread::~UIThread() {
    stop();
}

bool UIThread::isCurrent() const {
    return thread_.joinable() && thread_.get_id() == std::this_thread::get_id();
}

bool UIThread::start(Startup startup) {
    if (thread_.joinable()) return isStarted();
    state_ = std::make_shared<State>();
    std::shared_ptr<State> state = state_;
    state->running = true;
    thread_ = std::thread([state, startup = std::move(startup)] {
        state->id = pw::currentThread();
        // The window is handed over once the thread exists (it was made before start).
        while (!state->handedOver.load()) pauseBriefly();
        bool ok = startup();
        state->failed = !ok;
        state->started = true;
        if (ok) pw::runMessageLoop();
        // The thread's remaining windows are destroyed when it ends.
        state->started = false;
        state->running = false;
    });
    state->handedOver = true;
    // Start-up is done when the flag is set (ok) or the thread has already ended (failed).
    while (!state->started.load() && state->running.load()) pauseBriefly();
    return !state->failed.load() && state->running.load();
}

void UIThread::stop() {
    if (!thread_.joinable()) return;
    std::shared_ptr<State> state = state_;
    if (isCurrent()) {
        pw::postQuitMessage(0);
        thread_.detach();
        return;
    }
    auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start)
            .count();
    };
    // Post the quit until it is taken (the queue exists once the thread has its id).
    while (state->running.load() && elapsed() < kStopWaitMs) {
        if (state->id.load() != 0 && pw::postQuit(state->id.load(), 0)) break;
        pause();
    }
    while (state->running.load() && elapsed() < kStopWaitMs) pause();
    thread_.join();
}

}  // namespace s::gui::win
