// Popup windows, their stack per user-interface thread, and the nested modal loop.
#include "platform/window/Popup.h"

#include <algorithm>
#include <memory>

#include "detail/Core.h"
#include "detail/Translate.h"
#include "platform/window/WorkArea.h"

namespace platform::window {

using namespace detail;

Rect popupRect(Point at, Size size, std::int32_t flipHeight) {
    Rect r{at.x, at.y, std::max(0, size.width), std::max(0, size.height)};
    Rect work = workArea(at);
    if (work.empty()) return r;
    if (r.bottom() > work.bottom() && at.y - flipHeight - r.height >= work.y) {
        r.y = at.y - flipHeight - r.height;
    }
    r.width = std::min(r.width, work.width);
    r.height = std::min(r.height, work.height);
    return keepInside(r, work);
}

Handle openPopup(std::string_view className, Handle owner, Rect rect, void* userData) {
    Handle ownerTop = topLevelOf(owner);
    if (!ownerTop || !isOwnerThread(ownerTop)) return kNoWindow;
    CreateParams p;
    p.className = className;
    p.owner = ownerTop;
    p.rect = rect;
    p.style = kStyleVisible | kStylePopup | kStyleNoTaskbar;
    // Above an owner that is kept on top as well.
    if (isOnTop(ownerTop)) p.style |= kStyleOnTop;
    p.userData = userData;
    Handle h = create(p);
    if (h) currentQueue()->popups.push_back(h);
    return h;
}

namespace detail {

// Closes the newest popups down to and including `popup` (all when it is kNoWindow). On the
// queue's own thread.
void closePopupsDownTo(Queue& q, Handle popup) {
    // An empty message makes getMessage return even when the input that closed the popups is
    // used up, so a modal loop waiting for a popup sees it gone.
    if (!q.popups.empty()) q.ready.push_back(Message{});
    while (!q.popups.empty()) {
        Handle h = q.popups.back();
        q.popups.pop_back();
        if (isWindow(h)) {
            send(h, msg::kClose, 0, 0);
            // A handler that kept it open still loses it: a closed popup is gone.
            if (isWindow(h)) destroy(h);
        }
        if (h == popup) return;
    }
}

bool popupInput(RawInput& in, Queue& q, Handle& top, Point screen) {
    std::erase_if(q.popups, [](Handle h) { return !isWindow(h); });
    if (q.popups.empty()) return false;
    bool inPopup = std::find(q.popups.begin(), q.popups.end(), top) != q.popups.end();
    switch (in.kind) {
        case RawInput::Kind::kMove:
        case RawInput::Kind::kButton:
        case RawInput::Kind::kWheel: {
            // A grab of the owner's surface reports the pointer there even over a popup.
            for (auto it = q.popups.rbegin(); it != q.popups.rend(); ++it) {
                if (screenRect(*it).contains(screen)) {
                    top = *it;
                    return false;
                }
            }
            if (in.kind == RawInput::Kind::kButton && in.down) closePopupsDownTo(q, kNoWindow);
            return false;
        }
        case RawInput::Kind::kKey:
            if (in.down && in.key == vk::kEscape) {
                closePopupsDownTo(q, q.popups.back());
                return true;
            }
            top = q.popups.back();
            return false;
        case RawInput::Kind::kText:
            top = q.popups.back();
            return false;
        case RawInput::Kind::kActivated:
            if (!in.down && !inPopup) closePopupsDownTo(q, kNoWindow);
            return false;
        default:
            return false;
    }
}

}  // namespace detail

bool closePopup(Handle popup) {
    std::shared_ptr<Queue> q = currentQueue();
    if (std::find(q->popups.begin(), q->popups.end(), popup) == q->popups.end()) return false;
    closePopupsDownTo(*q, popup);
    return true;
}

void closePopups() {
    closePopupsDownTo(*currentQueue(), kNoWindow);
}

std::vector<Handle> openPopups() {
    std::shared_ptr<Queue> q = currentQueue();
    std::vector<Handle> out;
    for (Handle h : q->popups) {
        if (isWindow(h)) out.push_back(h);
    }
    return out;
}

bool runModalLoop(const std::function<bool()>& done) {
    Message m;
    while (!done()) {
        if (!getMessage(&m)) {
            postQuitMessage(static_cast<int>(m.wparam));
            return false;
        }
        dispatchMessage(m);
    }
    return true;
}

Result callOnOwner(Handle window, const std::function<Result()>& work) {
    // `ran` is written on the owner thread before the send returns (the send's handshake
    // orders it); unset, the window or its thread was gone and the caller does the work.
    bool ran = false;
    Result result = runOnOwner(window, [&]() -> Result {
        ran = true;
        return work();
    });
    return ran ? result : work();
}

}  // namespace platform::window
