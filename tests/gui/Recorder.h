// A listener that records (source, code) pairs under a lock, and a wait helper for events that
// arrive on a window's user-interface thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

#include "gui/events/IEventListener.h"

namespace s::gui::testing {

class Recorder : public events::IEventListener {
public:
    std::function<void()> onCall;  // runs inside onEvent (on the firing thread)

    void onEvent(void* source, std::int32_t code) override {
        if (onCall) onCall();
        // Notified under the lock: a waiter that returns may destroy the recorder at once.
        std::lock_guard<std::mutex> lock(mutex_);
        events_.emplace_back(source, code);
        changed_.notify_all();
    }
    std::vector<std::pair<void*, std::int32_t>> events() {
        std::lock_guard<std::mutex> lock(mutex_);
        return events_;
    }
    // Waits until at least n events arrived (false after 30 seconds: sanitizer builds under load
    // can be slow, and a wait that succeeds returns at once).
    bool waitFor(std::size_t n) {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(30),
                                 [&] { return events_.size() >= n; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::pair<void*, std::int32_t>> events_;
};

}  // namespace s::gui::testing
