// The one guard of a window that every nested loop over it (message box, popup menu, drop-down
// list) and the About window's modal state enter and leave. A close asked for while any of them
// is active waits until the outermost has ended and is then carried out, never inside a loop.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/window/Types.h"

namespace s::gui::win {

class ModalGuard {
public:
    // What ends one loop as its Cancel or Close would (closing a box, the popups, a window).
    using Cancel = std::function<void()>;

    ModalGuard() = default;
    ModalGuard(const ModalGuard&) = delete;
    ModalGuard& operator=(const ModalGuard&) = delete;

    // The window a waiting close is posted to once the outermost loop has ended.
    void setWindow(platform::window::Handle window) { window_ = window; }

    // Any thread. Answers the token that leave() takes.
    std::uint64_t enter(Cancel cancel = {});
    void leave(std::uint64_t token);
    bool active() const;
    std::int32_t depth() const;

    // A close request: answers true when a loop is active, in which case the close is carried
    // out (posted to the window) after the outermost one has ended.
    bool holdClose();
    // Ends every active loop as its Cancel or Close, the newest first. The loops end on their
    // own threads; a close held meanwhile still waits for the last of them.
    void cancelAll();

    // Enters for the lifetime of the scope; a null guard (no toolkit window) does nothing.
    class Scope {
    public:
        explicit Scope(ModalGuard* guard, Cancel cancel = {})
            : guard_(guard), token_(guard ? guard->enter(std::move(cancel)) : 0) {}
        ~Scope() {
            if (guard_) guard_->leave(token_);
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ModalGuard* guard_;
        std::uint64_t token_;
    };

private:
    mutable std::mutex mutex_;
    platform::window::Handle window_ = platform::window::kNoWindow;
    std::vector<std::pair<std::uint64_t, Cancel>> active_;
    std::uint64_t next_ = 1;
    bool closeHeld_ = false;
};

// The guard of the toolkit window at the top of the tree of `window` (any window of it), or
// null when that is no toolkit window.
ModalGuard* modalGuardOf(platform::window::Handle window);

}  // namespace s::gui::win
