// The mouse capture and the keyboard focus of each user-interface thread.
#include <memory>

#include "detail/Core.h"
#include "platform/window/Backend.h"
#include "platform/window/Window.h"

namespace platform::window {

using namespace detail;

Handle setCapture(Handle window) {
    return static_cast<Handle>(runOnOwner(window, [=]() -> Result {
        std::shared_ptr<Queue> q = currentQueue();
        Handle old = q->capture.exchange(window);
        if (old != window) {
            if (old) send(old, msg::kCaptureChanged, 0, static_cast<LParam>(window));
            backend().captureMouse(topLevelOf(window), true);
        }
        return static_cast<Result>(old);
    }));
}

bool releaseCapture() {
    std::shared_ptr<Queue> q = currentQueue();
    Handle old = q->capture.exchange(kNoWindow);
    if (!old) return true;
    backend().captureMouse(topLevelOf(old), false);
    send(old, msg::kCaptureChanged, 0, 0);
    return true;
}

Handle captureOf(ThreadId thread) {
    std::shared_ptr<Queue> q = queueOf(thread);
    return q ? q->capture.load() : kNoWindow;
}

Handle capture() {
    return currentQueue()->capture.load();
}

Handle setFocus(Handle window) {
    auto change = [window]() -> Result {
        std::shared_ptr<Queue> q = currentQueue();
        Handle old = q->focus.exchange(window);
        if (old == window) return static_cast<Result>(old);
        if (old) send(old, msg::kKillFocus, window, 0);
        if (window) send(window, msg::kSetFocus, old, 0);
        return static_cast<Result>(old);
    };
    if (!window) return static_cast<Handle>(change());
    return static_cast<Handle>(runOnOwner(window, change));
}

Handle focusOf(ThreadId thread) {
    std::shared_ptr<Queue> q = queueOf(thread);
    return q ? q->focus.load() : kNoWindow;
}

Handle focus() {
    return currentQueue()->focus.load();
}

}  // namespace platform::window
