// Input of top-level windows: queued by the backends (or tests) and turned into window messages
// on the owner thread: mouse to the capture window or the window under the pointer, keys and
// text to the focus window, dropped files to the nearest window that accepts them.
#include "platform/window/Input.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <mutex>

#include "detail/Core.h"
#include "detail/Drop.h"
#include "detail/Translate.h"
#include "detail/Tree.h"
#include "platform/window/Backend.h"
#include "platform/window/Edit.h"

namespace platform::window {

namespace detail {

namespace {

std::atomic<bool> keys[256];
// The left Alt is down and nothing else was pressed since: its release is the menu key.
std::atomic<bool> loneAlt{false};

// Pre-edit texts per top-level window, stored when their input is turned into a message.
std::mutex preeditMutex;
std::map<Handle, std::u16string> preedits;
std::atomic<std::uint32_t> buttons{0};

std::uint32_t mouseFlags() {
    std::uint32_t f = buttons.load();
    if (keys[vk::kShift].load()) f |= kMouseShift;
    if (keys[vk::kControl].load()) f |= kMouseControl;
    return f;
}

std::uint32_t buttonFlag(MouseButton b) {
    switch (b) {
        case MouseButton::kLeft:
            return kMouseLeft;
        case MouseButton::kRight:
            return kMouseRight;
        case MouseButton::kMiddle:
            return kMouseMiddle;
    }
    return 0;
}

std::uint32_t buttonMessage(MouseButton b, bool down, int clicks) {
    std::uint32_t base = b == MouseButton::kLeft    ? msg::kLButtonDown
                         : b == MouseButton::kRight ? msg::kRButtonDown
                                                    : msg::kMButtonDown;
    if (!down) return base + 1;
    return clicks >= 2 ? base + 2 : base;
}

bool inTree(Handle h, Handle top) {
    return h && topLevelOf(h) == top;
}

// The capture window when it belongs to this top-level window's thread, else the hit window.
Handle mouseTarget(Queue& q, Handle top, Point screen, HitTest* code, Handle* hit) {
    *hit = hitTestHere(top, screen, code);
    Handle cap = q.capture.load();
    if (cap && isWindow(cap)) {
        *code = kHitClient;
        return cap;
    }
    return *hit;
}

void emit(Queue& q, Handle w, std::uint32_t m, WParam wp, LParam lp) {
    q.ready.push_back(Message{w, m, wp, lp});
}

Handle firstAccepting(Handle w) {
    if (acceptsFiles(w) && isVisible(w)) return w;
    for (Handle c : childrenOf(w)) {
        if (Handle found = firstAccepting(c)) return found;
    }
    return kNoWindow;
}

TopLevelState* topState(Handle top) {
    WindowRecord* r = findLocked(top);
    return r && r->top ? r->top.get() : nullptr;
}

std::uint32_t ncButtonMessage(MouseButton b, bool down, int clicks) {
    return buttonMessage(b, down, clicks) - msg::kLButtonDown + msg::kNcLButtonDown;
}

// The pointer in screen coordinates during the layer's own move or resize. On a screen the
// system's pointer is exact while the window moves beneath it.
Point dragPoint(Handle top, Point client) {
    Backend& b = backend();
    return b.hasScreen() ? b.cursorPosition() : clientToScreen(top, client);
}

void followSizeMove(Queue& q, Point screen) {
    Queue::SizeMove m = q.sizeMove;
    Rect r = m.rect;
    std::int32_t dx = screen.x - m.start.x;
    std::int32_t dy = screen.y - m.start.y;
    if (m.code == kHitCaption) {
        r = r.offset(dx, dy);
        send(m.top, msg::kMoving, 0, reinterpret_cast<LParam>(&r));
        place(m.top, r, kPlaceNoSize);
        return;
    }
    bool left = m.code == kHitLeft || m.code == kHitTopLeft || m.code == kHitBottomLeft;
    bool right = m.code == kHitRight || m.code == kHitTopRight || m.code == kHitBottomRight;
    bool top = m.code == kHitTop || m.code == kHitTopLeft || m.code == kHitTopRight;
    bool bottom = m.code == kHitBottom || m.code == kHitBottomLeft || m.code == kHitBottomRight;
    if (left) r.x += dx, r.width -= dx;
    if (right) r.width += dx;
    if (top) r.y += dy, r.height -= dy;
    if (bottom) r.height += dy;
    send(m.top, msg::kSizing, static_cast<WParam>(sizingEdgeOf(m.code)),
         reinterpret_cast<LParam>(&r));
    // The limit of the window, as a system frame keeps it: the dragged side stops.
    Size least = minimumSize(m.top);
    least.width = std::max(least.width, 1);
    least.height = std::max(least.height, 1);
    if (r.width < least.width) {
        if (left) r.x = r.right() - least.width;
        r.width = least.width;
    }
    if (r.height < least.height) {
        if (top) r.y = r.bottom() - least.height;
        r.height = least.height;
    }
    place(m.top, r);
}

void endSizeMove(Queue& q) {
    Handle top = q.sizeMove.top;
    q.sizeMove = {};
    if (q.capture.load() == top) releaseCapture();
    send(top, msg::kExitSizeMove);
}

}  // namespace

bool noteHeld(const RawInput& in) {
    if (in.kind == RawInput::Kind::kButton) {
        const std::uint32_t flag = buttonFlag(in.button);
        if (in.down) {
            buttons.fetch_or(flag);
            loneAlt.store(false);
        } else {
            buttons.fetch_and(~flag);
        }
        return false;
    }
    if (in.kind != RawInput::Kind::kKey) return false;
    if (in.key < 256) keys[in.key].store(in.down);
    const bool menuKey = in.key == vk::kAlt && !in.down && loneAlt.exchange(false);
    if (in.key == vk::kAlt && in.down && !in.repeat) {
        loneAlt.store(true);
    } else if (in.key != vk::kAlt && in.down) {
        loneAlt.store(false);
    }
    return menuKey;
}

void translateInput(RawInput& in, Queue& q) {
    Handle top = in.top;
    // Before anything else: a release for a window that has gone meanwhile still lets go.
    const bool menuKey = noteHeld(in);
    if (!isWindow(top)) return;
    Point screen = clientToScreen(top, in.point);
    if (!q.popups.empty() && popupInput(in, q, top, screen)) return;
    switch (in.kind) {
        case RawInput::Kind::kMove: {
            if (q.sizeMove.top) {
                if (isWindow(q.sizeMove.top) && q.capture.load() == q.sizeMove.top) {
                    followSizeMove(q, dragPoint(top, in.point));
                    return;
                }
                q.sizeMove = {};  // the capture went elsewhere: the drag is over
            }
            HitTest code = kHitNowhere;
            Handle hit = kNoWindow;
            Handle target = mouseTarget(q, top, screen, &code, &hit);
            Handle previous = kNoWindow;
            {
                std::lock_guard<std::recursive_mutex> lock(treeMutex());
                if (TopLevelState* t = topState(top)) {
                    previous = t->hover;
                    t->hover = target;
                }
            }
            backend().setHitTestCode(top, hit ? code : kHitNowhere);
            if (previous && previous != target && isWindow(previous)) {
                emit(q, previous, msg::kMouseLeave, 0, 0);
            }
            if (!target) return;
            emit(q, target, msg::kSetCursor, target, static_cast<LParam>(code & 0xFFFF));
            if (!isEnabled(target)) return;
            if (code != kHitClient) {
                emit(q, target, msg::kNcMouseMove, static_cast<WParam>(code), packPoint(screen));
                return;
            }
            emit(q, target, msg::kMouseMove, mouseFlags(),
                 packPoint(screenToClient(target, screen)));
            return;
        }
        case RawInput::Kind::kButton: {
            if (q.sizeMove.top && !in.down && in.button == MouseButton::kLeft) endSizeMove(q);
            HitTest code = kHitNowhere;
            Handle hit = kNoWindow;
            Handle target = mouseTarget(q, top, screen, &code, &hit);
            if (!target || !isEnabled(target)) return;
            // The caption and the sizing borders get the non-client messages.
            if (code != kHitClient) {
                emit(q, target, ncButtonMessage(in.button, in.down, in.clicks),
                     static_cast<WParam>(code), packPoint(screen));
                return;
            }
            emit(q, target, buttonMessage(in.button, in.down, in.clicks), mouseFlags(),
                 packPoint(screenToClient(target, screen)));
            return;
        }
        case RawInput::Kind::kWheel: {
            HitTest code = kHitNowhere;
            Handle hit = kNoWindow;
            Handle target = mouseTarget(q, top, screen, &code, &hit);
            // A disabled window has no use for the turn: the nearest enabled one around it
            // takes it, so a page scrolls over its disabled fields and buttons too.
            while (target && !isEnabled(target)) target = parentOf(target);
            if (!target) return;
            WParam wp = (static_cast<WParam>(static_cast<std::uint16_t>(in.delta)) << 16) |
                        (mouseFlags() & 0xFFFF);
            emit(q, target, msg::kMouseWheel, wp, packPoint(screenToClient(target, screen)));
            return;
        }
        case RawInput::Kind::kLeave: {
            Handle previous = kNoWindow;
            {
                std::lock_guard<std::recursive_mutex> lock(treeMutex());
                if (TopLevelState* t = topState(top)) {
                    previous = t->hover;
                    t->hover = kNoWindow;
                }
            }
            if (previous && isWindow(previous) && previous != q.capture.load()) {
                emit(q, previous, msg::kMouseLeave, 0, 0);
            }
            return;
        }
        case RawInput::Kind::kKey: {
            Handle f = q.focus.load();
            Handle target = inTree(f, top) ? f : top;
            if (!isEnabled(target)) return;
            emit(q, target, in.down ? msg::kKeyDown : msg::kKeyUp, in.key,
                 in.repeat ? (LParam{1} << 30) : 0);
            if (menuKey) emit(q, top, msg::kMenuKey, 0, 0);
            if (in.down) {
                switch (in.key) {
                    case vk::kBack:
                    case vk::kTab:
                    case vk::kReturn:
                    case vk::kEscape:
                        emit(q, target, msg::kChar, in.key, 0);
                        break;
                    default:
                        break;
                }
            }
            return;
        }
        case RawInput::Kind::kText: {
            // Ctrl or Alt with a key is a shortcut, never typing, whatever character the layout
            // gives the key. Text typed with the right Alt (AltGr) is kept.
            if (keys[vk::kControl].load() || keys[vk::kAlt].load()) return;
            Handle f = q.focus.load();
            Handle target = inTree(f, top) ? f : top;
            if (!isEnabled(target)) return;
            for (char16_t c : in.text) emit(q, target, msg::kChar, c, 0);
            return;
        }
        case RawInput::Kind::kPreedit: {
            {
                std::lock_guard<std::mutex> lock(preeditMutex);
                if (in.text.empty()) {
                    preedits.erase(top);
                } else {
                    preedits[top] = in.text;
                }
            }
            Handle f = q.focus.load();
            Handle target = inTree(f, top) ? f : top;
            if (!isEnabled(target)) return;
            emit(q, target, msg::kPreedit, static_cast<WParam>(std::max(0, in.delta)), 0);
            return;
        }
        case RawInput::Kind::kDrop: {
            HitTest code = kHitNowhere;
            Handle w = hitTestHere(top, screen, &code);
            while (w && !acceptsFiles(w)) w = parentOf(w);
            if (!w && !screenRect(top).contains(screen)) {
                // Dropped with the pointer elsewhere (a drop the system made without a
                // position): the first window of the tree that accepts files takes it.
                w = firstAccepting(top);
            }
            // A disabled window (a modal box or the About window is open over it) refuses them.
            if (!w || in.paths.empty() || !isEnabled(top) || !isEnabled(w)) return;
            Point client = screenToClient(w, screen);
            emit(q, w, msg::kDropFiles, makeDrop(std::move(in.paths), client), packPoint(client));
            return;
        }
        case RawInput::Kind::kClose:
            emit(q, top, msg::kClose, 0, 0);
            return;
        case RawInput::Kind::kMoved: {
            {
                std::lock_guard<std::recursive_mutex> lock(treeMutex());
                WindowRecord* r = findLocked(top);
                if (!r || !r->top->sentMoves.fresh(in.point)) return;
                if (r->rect.x == in.point.x && r->rect.y == in.point.y) return;
                r->rect.x = in.point.x;
                r->rect.y = in.point.y;
            }
            emit(q, top, msg::kMove, 0, packPoint(in.point));
            return;
        }
        case RawInput::Kind::kResized: {
            ShowState state;
            {
                std::lock_guard<std::recursive_mutex> lock(treeMutex());
                WindowRecord* r = findLocked(top);
                if (!r || !r->top->sentSizes.fresh(in.size)) return;
                if (r->rect.width == in.size.width && r->rect.height == in.size.height) return;
                r->rect.width = std::max(0, in.size.width);
                r->rect.height = std::max(0, in.size.height);
                state = r->top->showState;
            }
            invalidate(top, nullptr);
            emit(q, top, msg::kSize, static_cast<WParam>(state),
                 packPoint(in.size.width, in.size.height));
            return;
        }
        case RawInput::Kind::kActivated: {
            loneAlt.store(false);  // an Alt+Tab away and back is no menu key
            {
                std::lock_guard<std::recursive_mutex> lock(treeMutex());
                TopLevelState* t = topState(top);
                if (!t || t->active == in.down) return;
                t->active = in.down;
            }
            if (!in.down) {
                // Left with a composition unfinished: it stays in its field as typed.
                {
                    std::lock_guard<std::mutex> lock(preeditMutex);
                    preedits.erase(top);
                }
                Handle f = q.focus.load();
                if (inTree(f, top) && isEdit(f)) editCommitPreedit(f);
            }
            emit(q, top, msg::kActivate, in.down ? 1 : 0, 0);
            return;
        }
        case RawInput::Kind::kExposed:
            invalidate(top, nullptr);
            return;
        case RawInput::Kind::kShowState: {
            Size size;
            {
                std::lock_guard<std::recursive_mutex> lock(treeMutex());
                WindowRecord* r = findLocked(top);
                if (!r || r->top->showState == in.state) return;
                if (in.state == ShowState::kMinimised) {
                    r->top->maximisedBeforeMinimise = r->top->showState == ShowState::kMaximised;
                } else {
                    r->top->maximisedBeforeMinimise = false;
                }
                r->top->showState = in.state;
                size = {r->rect.width, r->rect.height};
            }
            emit(q, top, msg::kSize, static_cast<WParam>(in.state),
                 packPoint(size.width, size.height));
            return;
        }
    }
}

}  // namespace detail

using detail::RawInput;

bool beginSizeMove(Handle topLevel, HitTest code, Point screen) {
    if (code != kHitCaption && sizingEdgeOf(code) == 0) return false;
    return detail::runOnOwner(topLevel, [=]() -> Result {
               if (parentOf(topLevel) != kNoWindow) return 0;
               if (code != kHitCaption && showState(topLevel) == ShowState::kMaximised) return 0;
               std::shared_ptr<detail::Queue> q = detail::currentQueue();
               q->sizeMove = {topLevel, code, screen, windowRect(topLevel)};
               setCapture(topLevel);
               send(topLevel, msg::kEnterSizeMove);
               return 1;
           }) != 0;
}

bool isInSizeMove(Handle topLevel) {
    std::shared_ptr<detail::Queue> q = detail::queueOf(threadOf(topLevel));
    return q && topLevel && detail::runOnOwner(topLevel, [&]() -> Result {
                                return q->sizeMove.top == topLevel ? 1 : 0;
                            }) != 0;
}

bool isKeyDown(std::uint32_t virtualKey) {
    return virtualKey < 256 && detail::keys[virtualKey].load();
}

std::uint32_t mouseButtonsDown() {
    return detail::buttons.load();
}

namespace input {

namespace {
std::unique_ptr<RawInput> raw(RawInput::Kind kind, Handle top) {
    auto r = std::make_unique<RawInput>();
    r->kind = kind;
    r->top = top;
    return r;
}
}  // namespace

void mouseMove(Handle topLevel, Point p) {
    auto r = raw(RawInput::Kind::kMove, topLevel);
    r->point = p;
    detail::postInput(std::move(r));
}

void mouseButton(Handle topLevel, Point p, MouseButton button, bool down, int clicks) {
    auto r = raw(RawInput::Kind::kButton, topLevel);
    r->point = p;
    r->button = button;
    r->down = down;
    r->clicks = clicks;
    detail::postInput(std::move(r));
}

void mouseWheel(Handle topLevel, Point p, std::int32_t delta) {
    auto r = raw(RawInput::Kind::kWheel, topLevel);
    r->point = p;
    r->delta = delta;
    detail::postInput(std::move(r));
}

void mouseLeave(Handle topLevel) {
    detail::postInput(raw(RawInput::Kind::kLeave, topLevel));
}

void key(Handle topLevel, std::uint32_t virtualKey, bool down, bool repeat) {
    auto r = raw(RawInput::Kind::kKey, topLevel);
    r->key = virtualKey;
    r->down = down;
    r->repeat = repeat;
    detail::postInput(std::move(r));
}

void text(Handle topLevel, std::u16string_view typed) {
    auto r = raw(RawInput::Kind::kText, topLevel);
    r->text = std::u16string(typed);
    detail::postInput(std::move(r));
}

void preedit(Handle topLevel, std::u16string_view text, std::int32_t cursor) {
    auto r = raw(RawInput::Kind::kPreedit, topLevel);
    r->text = std::u16string(text);
    r->delta = cursor;
    detail::postInput(std::move(r));
}

std::u16string preeditText(Handle topLevel) {
    std::lock_guard<std::mutex> lock(detail::preeditMutex);
    auto it = detail::preedits.find(topLevel);
    return it == detail::preedits.end() ? std::u16string() : it->second;
}

void dropFiles(Handle topLevel, Point p, std::vector<std::u16string> paths) {
    auto r = raw(RawInput::Kind::kDrop, topLevel);
    r->point = p;
    r->paths = std::move(paths);
    detail::postInput(std::move(r));
}

void closeRequest(Handle topLevel) {
    detail::postInput(raw(RawInput::Kind::kClose, topLevel));
}

void moved(Handle topLevel, Point screen) {
    auto r = raw(RawInput::Kind::kMoved, topLevel);
    r->point = screen;
    detail::postInput(std::move(r));
}

void resized(Handle topLevel, Size client) {
    auto r = raw(RawInput::Kind::kResized, topLevel);
    r->size = client;
    detail::postInput(std::move(r));
}

void activated(Handle topLevel, bool active) {
    auto r = raw(RawInput::Kind::kActivated, topLevel);
    r->down = active;
    detail::postInput(std::move(r));
}

void exposed(Handle topLevel) {
    detail::postInput(raw(RawInput::Kind::kExposed, topLevel));
}

void showStateChanged(Handle topLevel, ShowState state) {
    auto r = raw(RawInput::Kind::kShowState, topLevel);
    r->state = state;
    detail::postInput(std::move(r));
}

}  // namespace input

}  // namespace platform::window
