// The modal guard: the stack of active loops, the close held back while they run, and the way
// to end them all.
#include "gui/win/ModalGuard.h"

#include <algorithm>

#include "gui/win/Component.h"
#include "gui/win/Window.h"
#include "platform/window/Messages.h"
#include "platform/window/Window.h"

namespace pw = platform::window;

namespace s::gui::win {

std::uint64_t ModalGuard::enter(Cancel cancel) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::uint64_t token = next_++;
    active_.emplace_back(token, std::move(cancel));
    return token;
}

void ModalGuard::leave(std::uint64_t token) {
    pw::Handle closeNow = pw::kNoWindow;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::erase_if(active_, [token](const auto& loop) { return loop.first == token; });
        if (active_.empty() && closeHeld_) {
            closeHeld_ = false;
            closeNow = window_;
        }
    }
    // Posted: carried out by the window's own loop once the nested one has returned.
    if (closeNow != pw::kNoWindow) pw::post(closeNow, pw::msg::kClose);
}

bool ModalGuard::active() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return !active_.empty();
}

std::int32_t ModalGuard::depth() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<std::int32_t>(active_.size());
}

bool ModalGuard::holdClose() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (active_.empty()) return false;
    closeHeld_ = true;
    return true;
}

void ModalGuard::cancelAll() {
    std::vector<Cancel> cancels;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto it = active_.rbegin(); it != active_.rend(); ++it) {
            if (it->second) cancels.push_back(it->second);
        }
    }
    // Outside the lock: a cancel may end its loop at once, which leaves the guard.
    for (const Cancel& cancel : cancels) cancel();
}

ModalGuard* modalGuardOf(pw::Handle window) {
    if (window == pw::kNoWindow) return nullptr;
    auto* top = dynamic_cast<Window*>(Component::fromNative(pw::topLevelOf(window)));
    return top ? &top->modalGuard() : nullptr;
}

}  // namespace s::gui::win
