// The window tree: creation, destruction, geometry, visibility, focus, capture, hit testing
// and painting into the top-level back buffers.
#include "platform/window/Window.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "detail/Core.h"
#include "detail/Drop.h"
#include "detail/Tree.h"
#include "platform/window/Backend.h"
#include "platform/window/Picture.h"

namespace platform::window {

namespace detail {

namespace {

struct Registry {
    std::recursive_mutex mutex;
    std::unordered_map<Handle, std::unique_ptr<WindowRecord>> windows;
    std::unordered_map<std::string, MessageHandler> classes;
    Handle next = 0x10010;
};

Registry& registry() {
    static auto* r = new Registry;
    return *r;
}

// With the tree lock held.
bool visibleLocked(const WindowRecord* r) {
    while (r) {
        if (!r->shown || r->destroying) return false;
        if (!r->parent) return true;
        r = findLocked(r->parent);
    }
    return false;
}

bool enabledLocked(const WindowRecord* r) {
    while (r) {
        if (!r->enabled) return false;
        if (!r->parent) return true;
        r = findLocked(r->parent);
    }
    return false;
}

WindowRecord* topLocked(WindowRecord* r) {
    while (r && r->parent) r = findLocked(r->parent);
    return r;
}

// Offset of a window's client origin in its top-level window's client coordinates.
Point offsetInTopLocked(const WindowRecord* r) {
    Point p;
    while (r && r->parent) {
        p.x += r->rect.x;
        p.y += r->rect.y;
        r = findLocked(r->parent);
    }
    return p;
}

Point screenOriginLocked(const WindowRecord* r) {
    Point p;
    while (r) {
        p.x += r->rect.x;
        p.y += r->rect.y;
        r = r->parent ? findLocked(r->parent) : nullptr;
    }
    return p;
}

void queuePaintLocked(WindowRecord* top) {
    if (top->top->queuedForPaint) return;
    top->top->queuedForPaint = true;
    std::shared_ptr<Queue> q = queueOf(top->thread);
    if (!q) return;
    {
        std::lock_guard<std::mutex> lock(q->mutex);
        q->dirtyTops.push_back(top->handle);
    }
    poke(*q);
}

// Marks an area (client coordinates of r) of a visible window dirty in its top-level window.
void invalidateLocked(WindowRecord* r, Rect area) {
    if (!visibleLocked(r)) return;
    area = area.intersect({0, 0, r->rect.width, r->rect.height});
    while (r->parent && !area.empty()) {
        area = area.offset(r->rect.x, r->rect.y);
        r = findLocked(r->parent);
        area = area.intersect({0, 0, r->rect.width, r->rect.height});
    }
    if (area.empty() || !r->top) return;
    r->top->dirty = r->top->dirty.unite(area);
    queuePaintLocked(r);
}

// The area a child covers in its parent, dirty there (before it moves, hides or goes away).
void invalidateUnderLocked(WindowRecord* r) {
    if (!r->parent) return;
    WindowRecord* parent = findLocked(r->parent);
    if (parent && visibleLocked(r)) invalidateLocked(parent, r->rect);
}

bool isDescendantLocked(Handle h, Handle ancestor) {
    for (WindowRecord* r = findLocked(h); r; r = r->parent ? findLocked(r->parent) : nullptr) {
        if (r->handle == ancestor) return true;
    }
    return false;
}

struct DropData {
    std::vector<std::u16string> paths;
    Point point;
};

}  // namespace

std::recursive_mutex& treeMutex() {
    return registry().mutex;
}

WindowRecord* findLocked(Handle h) {
    if (h == kNoWindow) return nullptr;
    auto& w = registry().windows;
    auto it = w.find(h);
    return it == w.end() ? nullptr : it->second.get();
}

namespace {

bool destroyNow(Handle h) {
    MessageHandler handler;
    std::vector<Handle> children;
    ThreadId thread;
    Handle top;
    bool surface = false;
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        WindowRecord* r = findLocked(h);
        if (!r || r->destroying) return false;
        invalidateUnderLocked(r);
        r->destroying = true;
        handler = r->handler;
        thread = r->thread;
        top = topLocked(r)->handle;
        surface = r->top && r->top->surface;
    }
    handler(h, msg::kDestroy, 0, 0);
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        if (WindowRecord* r = findLocked(h)) children = r->children;
    }
    for (auto it = children.rbegin(); it != children.rend(); ++it) destroyNow(*it);
    std::unique_ptr<WindowRecord> gone;
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        auto& windows = registry().windows;
        auto it = windows.find(h);
        if (it == windows.end()) return false;
        gone = std::move(it->second);
        windows.erase(it);
        if (WindowRecord* parent = findLocked(gone->parent)) std::erase(parent->children, h);
    }
    removeTimersOf(h, thread);
    if (std::shared_ptr<Queue> q = queueOf(thread)) {
        Handle expected = h;
        if (q->capture.compare_exchange_strong(expected, kNoWindow)) {
            backend().captureMouse(top, false);
        }
        expected = h;
        q->focus.compare_exchange_strong(expected, kNoWindow);
        std::erase(q->popups, h);
    }
    if (surface) backend().closeSurface(h);
    return true;
}

}  // namespace

void destroyThreadWindows(ThreadId thread) {
    std::vector<Handle> tops;
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        for (auto& [h, r] : registry().windows) {
            if (r->thread == thread && r->parent == kNoWindow) tops.push_back(h);
        }
    }
    for (Handle h : tops) destroyNow(h);
}

void paintTopLevel(Handle top) {
    struct Job {
        Handle window;
        MessageHandler handler;
        Point origin;
        Rect clip;
    };
    std::vector<Job> jobs;
    Rect dirty;
    Picture* buffer = nullptr;
    bool surface = false;
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        WindowRecord* r = findLocked(top);
        if (!r || !r->top || r->destroying) return;
        TopLevelState& t = *r->top;
        dirty = t.dirty;
        t.dirty = {};
        t.queuedForPaint = false;
        if (!r->shown || dirty.empty()) return;
        if (t.buffer.width() != r->rect.width || t.buffer.height() != r->rect.height) {
            t.buffer.reset(r->rect.width, r->rect.height);
            dirty = {0, 0, r->rect.width, r->rect.height};
        }
        if (!t.buffer.valid()) return;
        buffer = &t.buffer;
        surface = t.surface;
        dirty = dirty.intersect({0, 0, r->rect.width, r->rect.height});
        // Parents before children, siblings bottom to top: each paints over what lies beneath.
        auto collect = [&](auto&& self, WindowRecord* w, Point origin, Rect clip) -> void {
            if (!w->shown) return;
            Rect own = Rect{origin.x, origin.y, w->rect.width, w->rect.height}.intersect(clip);
            if (own.empty()) return;
            jobs.push_back(Job{w->handle, w->handler, origin, own});
            for (Handle c : w->children) {
                if (WindowRecord* cr = findLocked(c)) {
                    self(self, cr, {origin.x + cr->rect.x, origin.y + cr->rect.y}, own);
                }
            }
        };
        collect(collect, r, {0, 0}, dirty);
    }
    for (const Job& job : jobs) {
        if (!isWindow(job.window)) continue;
        Canvas canvas(*buffer, job.origin, job.clip);
        PaintEvent event{&canvas, job.clip.offset(-job.origin.x, -job.origin.y)};
        job.handler(job.window, msg::kPaint, reinterpret_cast<WParam>(&event), 0);
    }
    if (surface && isWindow(top)) backend().present(top, *buffer, dirty);
}

DropHandle makeDrop(std::vector<std::u16string> paths, Point point) {
    auto* d = new DropData{std::move(paths), point};
    return reinterpret_cast<DropHandle>(d);
}

void freeDrop(DropHandle drop) {
    delete reinterpret_cast<DropData*>(drop);
}

// Hit testing on the owner thread: children top-first, then the window itself.
Handle hitTestHere(Handle h, Point screen, HitTest* code) {
    std::vector<Handle> children;
    bool topLevel = false;
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        WindowRecord* r = findLocked(h);
        if (!r || !r->shown || r->destroying) return kNoWindow;
        Point o = screenOriginLocked(r);
        if (!Rect{o.x, o.y, r->rect.width, r->rect.height}.contains(screen)) return kNoWindow;
        children = r->children;
        topLevel = r->parent == kNoWindow;
    }
    // The sizing borders of a top-level window lie above its children (its frame).
    if (topLevel && !children.empty()) {
        auto c = static_cast<HitTest>(send(h, msg::kHitTest, 0, packPoint(screen)));
        if (sizingEdgeOf(c) != 0) {
            if (code) *code = c;
            return h;
        }
    }
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (Handle hit = hitTestHere(*it, screen, code)) return hit;
    }
    auto c = static_cast<HitTest>(send(h, msg::kHitTest, 0, packPoint(screen)));
    if (c == kHitTransparent) return kNoWindow;
    if (code) *code = c;
    return h;
}

}  // namespace detail

using namespace detail;

Result defaultHandler(Handle window, std::uint32_t message, WParam wparam, LParam lparam) {
    switch (message) {
        case msg::kHitTest:
            return kHitClient;
        case msg::kSetCursor: {
            Cursor c = Cursor::kArrow;
            switch (static_cast<HitTest>(static_cast<std::int16_t>(lparam & 0xFFFF))) {
                case kHitLeft:
                case kHitRight:
                    c = Cursor::kSizeWE;
                    break;
                case kHitTop:
                case kHitBottom:
                    c = Cursor::kSizeNS;
                    break;
                case kHitTopLeft:
                case kHitBottomRight:
                    c = Cursor::kSizeNWSE;
                    break;
                case kHitTopRight:
                case kHitBottomLeft:
                    c = Cursor::kSizeNESW;
                    break;
                default:
                    break;
            }
            setCursor(c);
            return 1;
        }
        case msg::kMouseWheel: {
            // Unhandled wheel turns go to the parent, in its coordinates.
            Handle parent = parentOf(window);
            if (!parent) return 0;
            Point p = unpackPoint(lparam);
            Rect r = windowRect(window);
            return send(parent, message, wparam, packPoint(p.x + r.x, p.y + r.y));
        }
        case msg::kClose:
            destroy(window);
            return 0;
        case msg::kNcLButtonDown: {
            // A press on the caption or a sizing border moves or sizes the top-level window.
            auto code = static_cast<HitTest>(wparam);
            beginSizeMove(topLevelOf(window), code, unpackPoint(lparam));
            return 0;
        }
        default:
            return 0;
    }
}

bool registerClass(std::string_view className, MessageHandler handler) {
    if (className.empty() || !handler) return false;
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    registry().classes.try_emplace(std::string(className), handler);
    return true;
}

Handle create(const CreateParams& params) {
    MessageHandler handler = nullptr;
    Handle h = kNoWindow;
    bool topLevel = params.parent == kNoWindow;
    bool elsewhere = false;
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        auto it = registry().classes.find(std::string(params.className));
        if (it == registry().classes.end()) return kNoWindow;
        handler = it->second;
        if (!topLevel) {
            WindowRecord* parent = findLocked(params.parent);
            if (!parent || parent->destroying) return kNoWindow;
            elsewhere = parent->thread != currentThreadIfAny();
        }
    }
    if (elsewhere) {
        // Every window of a tree belongs to the thread of its top-level window.
        return static_cast<Handle>(
            runOnOwner(params.parent, [&params] { return static_cast<Result>(create(params)); }));
    }
    ThreadId thread = currentThread();
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        auto r = std::make_unique<WindowRecord>();
        h = r->handle = registry().next++;
        r->className = std::string(params.className);
        r->handler = handler;
        r->parent = params.parent;
        r->owner = params.owner;
        r->rect = params.rect;
        r->rect.width = std::max(0, r->rect.width);
        r->rect.height = std::max(0, r->rect.height);
        r->style = params.style;
        r->shown = (params.style & kStyleVisible) != 0;
        r->enabled = (params.style & kStyleDisabled) == 0;
        r->title = displayText(params.title);
        r->userData = params.userData;
        r->thread = thread;
        if (topLevel) {
            r->top = std::make_unique<TopLevelState>();
            r->top->onTop = (params.style & kStyleOnTop) != 0;
        } else {
            findLocked(params.parent)->children.push_back(h);
        }
        registry().windows.emplace(h, std::move(r));
    }
    if (topLevel && !(params.style & kStyleMessageOnly)) {
        SurfaceRequest request{params.rect, params.style, displayText(params.title), params.owner};
        request.style &= ~static_cast<std::uint32_t>(kStyleVisible);
        bool ok = backend().openSurface(h, request);
        if (!ok) {
            destroyNow(h);
            return kNoWindow;
        }
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        if (WindowRecord* r = findLocked(h)) r->top->surface = true;
    }
    if (handler(h, msg::kCreate, 0, reinterpret_cast<LParam>(&params)) == -1) {
        destroyNow(h);
        return kNoWindow;
    }
    bool surface = false;
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        WindowRecord* r = findLocked(h);
        if (!r) return kNoWindow;
        invalidateLocked(r, {0, 0, r->rect.width, r->rect.height});
        surface = r->top && r->top->surface && r->shown;
    }
    if (surface) backend().showSurface(h, true, (params.style & kStylePopup) == 0);
    return h;
}

bool destroy(Handle window) {
    return runOnOwner(window, [window] { return static_cast<Result>(destroyNow(window)); }) != 0;
}

bool isWindow(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    return findLocked(window) != nullptr;
}

Handle parentOf(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r ? r->parent : kNoWindow;
}

Handle ownerOf(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r ? r->owner : kNoWindow;
}

Handle topLevelOf(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = topLocked(findLocked(window));
    return r ? r->handle : kNoWindow;
}

std::vector<Handle> childrenOf(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r ? r->children : std::vector<Handle>{};
}

std::vector<Handle> topLevelWindows() {
    std::vector<Handle> out;
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        for (auto& [h, r] : registry().windows) {
            if (r->parent == kNoWindow && !r->destroying) out.push_back(h);
        }
    }
    std::sort(out.begin(), out.end());  // handles grow with creation
    return out;
}

std::string className(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r ? r->className : std::string();
}

ThreadId threadOf(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r ? r->thread : 0;
}

bool isOwnerThread(Handle window) {
    ThreadId t = threadOf(window);
    return t != 0 && t == currentThreadIfAny();
}

void* userData(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r ? r->userData : nullptr;
}

bool setUserData(Handle window, void* data) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    if (!r) return false;
    r->userData = data;
    return true;
}

Rect windowRect(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r ? r->rect : Rect{};
}

Rect screenRect(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    if (!r) return {};
    Point o = screenOriginLocked(r);
    return {o.x, o.y, r->rect.width, r->rect.height};
}

Point clientToScreen(Handle window, Point p) {
    Rect s = screenRect(window);
    return {p.x + s.x, p.y + s.y};
}

Point screenToClient(Handle window, Point p) {
    Rect s = screenRect(window);
    return {p.x - s.x, p.y - s.y};
}

namespace {
// The minimum size the backend is told: the asked one, lowered to the window's size where the
// window is smaller (so that it can be shrunk by program).
Size effectiveMinimum(const TopLevelState& t, Rect rect) {
    return {t.minimumSize.width > 0 ? std::min(t.minimumSize.width, rect.width) : 0,
            t.minimumSize.height > 0 ? std::min(t.minimumSize.height, rect.height) : 0};
}

constexpr std::int64_t kEchoLifeMs = 2000;  // a report later than this is no echo any more

// Keeps a placement told to the backend. The value it replaces goes first when nothing is
// pending: a report of it that arrives now is as stale as one of an older placement.
template <typename T>
void rememberSent(std::deque<std::pair<T, std::int64_t>>& sent, T value, T previous,
                  std::int64_t now) {
    while (!sent.empty() && now - sent.back().second > kEchoLifeMs) sent.pop_front();
    if (sent.empty()) sent.emplace_back(previous, now);
    sent.emplace_back(value, now);
}
}  // namespace

bool place(Handle window, Rect rect, std::uint32_t flags) {
    return runOnOwner(window, [=]() -> Result {
               Rect want = rect;
               bool topLevel = false;
               {
                   std::lock_guard<std::recursive_mutex> lock(treeMutex());
                   WindowRecord* r = findLocked(window);
                   if (!r || r->destroying) return 0;
                   topLevel = r->parent == kNoWindow;
                   if (flags & kPlaceNoMove) want.x = r->rect.x, want.y = r->rect.y;
                   if (flags & kPlaceNoSize) {
                       want.width = r->rect.width;
                       want.height = r->rect.height;
                   }
               }
               // A top-level window's handler may correct the placement (keep it on screen).
               if (topLevel) {
                   send(window, msg::kWindowPosChanging, flags, reinterpret_cast<LParam>(&want));
               }
               Rect old;
               Rect now;
               bool surface = false;  // the backend hears of it after the lock is left
               bool minChanged = false;
               bool minLowered = false;
               Size minimum;
               {
                   std::lock_guard<std::recursive_mutex> lock(treeMutex());
                   WindowRecord* r = findLocked(window);
                   if (!r || r->destroying) return 0;
                   old = now = r->rect;
                   if (!(flags & kPlaceNoMove)) now.x = want.x, now.y = want.y;
                   if (!(flags & kPlaceNoSize)) {
                       now.width = std::max(0, want.width);
                       now.height = std::max(0, want.height);
                   }
                   if (now == old) return 1;
                   if (!topLevel) invalidateUnderLocked(r);
                   r->rect = now;
                   bool sized = now.width != old.width || now.height != old.height;
                   if (!topLevel || sized) invalidateLocked(r, {0, 0, now.width, now.height});
                   surface = topLevel && r->top->surface;
                   if (surface) {
                       TopLevelState& t = *r->top;
                       std::int64_t ms = steadyMillis();
                       if (now.x != old.x || now.y != old.y) {
                           rememberSent(t.sentMoves, Point{now.x, now.y}, Point{old.x, old.y}, ms);
                       }
                       if (sized) {
                           rememberSent(t.sentSizes, Size{now.width, now.height},
                                        Size{old.width, old.height}, ms);
                       }
                       minimum = effectiveMinimum(t, now);
                       if (minimum != t.appliedMinimum) {
                           minChanged = true;
                           minLowered = minimum.width < t.appliedMinimum.width ||
                                        minimum.height < t.appliedMinimum.height;
                           t.appliedMinimum = minimum;
                       }
                   }
               }
               // A lowered limit must be in place before the smaller size is asked for.
               if (minChanged && minLowered) backend().setSurfaceMinimumSize(window, minimum);
               if (surface) backend().placeSurface(window, now);
               if (minChanged && !minLowered) backend().setSurfaceMinimumSize(window, minimum);
               if (now.x != old.x || now.y != old.y) {
                   send(window, msg::kMove, 0, packPoint(now.x, now.y));
               }
               if (now.width != old.width || now.height != old.height) {
                   send(window, msg::kSize, static_cast<WParam>(showState(window)),
                        packPoint(now.width, now.height));
               }
               return 1;
           }) != 0;
}

bool raise(Handle window) {
    return runOnOwner(window, [=]() -> Result {
               std::lock_guard<std::recursive_mutex> lock(treeMutex());
               WindowRecord* r = findLocked(window);
               if (!r) return 0;
               if (WindowRecord* p = findLocked(r->parent)) {
                   std::erase(p->children, window);
                   p->children.push_back(window);
                   invalidateLocked(r, {0, 0, r->rect.width, r->rect.height});
               }
               return 1;
           }) != 0;
}

bool show(Handle window, bool visible) {
    return runOnOwner(window, [=]() -> Result {
               bool surface = false;
               bool popup = false;
               ThreadId thread = 0;
               {
                   std::lock_guard<std::recursive_mutex> lock(treeMutex());
                   WindowRecord* r = findLocked(window);
                   if (!r || r->destroying) return 0;
                   if (r->shown == visible) return 1;
                   if (!visible) invalidateUnderLocked(r);
                   r->shown = visible;
                   if (visible) invalidateLocked(r, {0, 0, r->rect.width, r->rect.height});
                   surface = r->top && r->top->surface;
                   popup = (r->style & kStylePopup) != 0;
                   thread = r->thread;
               }
               send(window, msg::kShowWindow, visible ? 1 : 0, 0);
               if (surface) backend().showSurface(window, visible, visible && !popup);
               if (!visible) {
                   // A hidden window keeps neither the capture nor the focus.
                   std::shared_ptr<Queue> q = queueOf(thread);
                   Handle cap = q ? q->capture.load() : kNoWindow;
                   Handle foc = q ? q->focus.load() : kNoWindow;
                   bool loseCapture = false;
                   bool loseFocus = false;
                   {
                       std::lock_guard<std::recursive_mutex> lock(treeMutex());
                       loseCapture = cap && isDescendantLocked(cap, window);
                       loseFocus = foc && isDescendantLocked(foc, window);
                   }
                   if (loseCapture) releaseCapture();
                   if (loseFocus) setFocus(kNoWindow);
               }
               return 1;
           }) != 0;
}

bool isShown(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r && r->shown;
}

bool isVisible(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    return visibleLocked(findLocked(window));
}

bool enable(Handle window, bool enabled) {
    return runOnOwner(window, [=]() -> Result {
               {
                   std::lock_guard<std::recursive_mutex> lock(treeMutex());
                   WindowRecord* r = findLocked(window);
                   if (!r) return 0;
                   if (r->enabled == enabled) return 1;
                   r->enabled = enabled;
                   invalidateLocked(r, {0, 0, r->rect.width, r->rect.height});
               }
               send(window, msg::kEnable, enabled ? 1 : 0, 0);
               if (!enabled && focus() == window) setFocus(kNoWindow);
               return 1;
           }) != 0;
}

bool isEnabled(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    return enabledLocked(findLocked(window));
}

bool setTitle(Handle window, std::u16string_view title) {
    std::u16string text = displayText(title);
    return runOnOwner(window, [&]() -> Result {
               bool surface = false;
               {
                   std::lock_guard<std::recursive_mutex> lock(treeMutex());
                   WindowRecord* r = findLocked(window);
                   if (!r) return 0;
                   r->title = text;
                   surface = r->top && r->top->surface;
               }
               if (surface) backend().setSurfaceTitle(window, text);
               return 1;
           }) != 0;
}

std::u16string title(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r ? r->title : std::u16string();
}

namespace {
// Runs a change of a top-level window's state on its owner thread; `apply` updates the state
// under the tree lock and answers whether the backend must hear of it.
template <typename Apply, typename Tell>
bool topLevelChange(Handle window, Apply apply, Tell tell) {
    return runOnOwner(window, [&]() -> Result {
               bool surface = false;
               {
                   std::lock_guard<std::recursive_mutex> lock(treeMutex());
                   WindowRecord* r = findLocked(window);
                   if (!r || !r->top) return 0;
                   if (!apply(*r->top)) return 1;
                   surface = r->top->surface;
               }
               if (surface) tell();
               return 1;
           }) != 0;
}

template <typename T, typename Get>
T topLevelValue(Handle window, T fallback, Get get) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r && r->top ? get(*r->top) : fallback;
}
}  // namespace

bool setOnTop(Handle window, bool onTop) {
    return topLevelChange(
        window,
        [&](TopLevelState& t) {
            bool changed = t.onTop != onTop;
            t.onTop = onTop;
            return changed;
        },
        [&] { backend().setSurfaceOnTop(window, onTop); });
}

bool isOnTop(Handle window) {
    return topLevelValue(window, false, [](TopLevelState& t) { return t.onTop; });
}

bool setOpacity(Handle window, std::uint8_t alpha) {
    return topLevelChange(
        window,
        [&](TopLevelState& t) {
            bool changed = t.alpha != alpha;
            t.alpha = alpha;
            return changed;
        },
        [&] { backend().setSurfaceOpacity(window, alpha); });
}

std::uint8_t opacity(Handle window) {
    return topLevelValue(window, std::uint8_t{255}, [](TopLevelState& t) { return t.alpha; });
}

bool setShowState(Handle window, ShowState state) {
    return topLevelChange(
        window,
        [&](TopLevelState& t) {
            bool changed = t.showState != state;
            if (state == ShowState::kMinimised) {
                if (changed) t.maximisedBeforeMinimise = t.showState == ShowState::kMaximised;
            } else {
                t.maximisedBeforeMinimise = false;
            }
            t.showState = state;
            return changed;
        },
        [&] { backend().setSurfaceShowState(window, state); });
}

ShowState showState(Handle window) {
    return topLevelValue(window, ShowState::kNormal, [](TopLevelState& t) { return t.showState; });
}

ShowState restoredShowState(Handle window) {
    return topLevelValue(window, ShowState::kNormal, [](TopLevelState& t) {
        return t.showState == ShowState::kMinimised && t.maximisedBeforeMinimise
                   ? ShowState::kMaximised
                   : ShowState::kNormal;
    });
}

bool setShape(Handle window, const std::vector<Rect>& rects) {
    return topLevelChange(
        window,
        [&](TopLevelState& t) {
            bool changed = t.shape != rects;
            t.shape = rects;
            return changed;
        },
        [&] { backend().setSurfaceShape(window, rects); });
}

std::vector<Rect> shapeOf(Handle window) {
    return topLevelValue(window, std::vector<Rect>{}, [](TopLevelState& t) { return t.shape; });
}

bool setMinimumSize(Handle window, Size size) {
    Size applied;
    return topLevelChange(
        window,
        [&](TopLevelState& t) {
            t.minimumSize = size;
            Rect rect = windowRect(window);
            applied = effectiveMinimum(t, rect);
            if (applied == t.appliedMinimum) return false;
            t.appliedMinimum = applied;
            return true;
        },
        [&] { backend().setSurfaceMinimumSize(window, applied); });
}

Size minimumSize(Handle window) {
    return topLevelValue(window, Size{}, [](TopLevelState& t) { return t.minimumSize; });
}

namespace {
constexpr std::uint32_t kChangeableStyles =
    kStyleBorderless | kStyleResizable | kStyleNoTaskbar | kStyleToolWindow;
}

bool setStyle(Handle window, std::uint32_t style) {
    return runOnOwner(window, [&]() -> Result {
               std::uint32_t now = 0;
               {
                   std::lock_guard<std::recursive_mutex> lock(treeMutex());
                   WindowRecord* r = findLocked(window);
                   if (!r || !r->top) return 0;
                   now = (r->style & ~kChangeableStyles) | (style & kChangeableStyles);
                   if (now == r->style) return 1;
                   r->style = now;
                   if (!r->top->surface) return 1;
               }
               backend().setSurfaceStyle(window, now);
               return 1;
           }) != 0;
}

std::uint32_t styleOf(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r ? r->style : 0;
}

bool setIcon(Handle window, const Picture* icon) {
    return topLevelChange(
        window, [](TopLevelState&) { return true; },
        [&] { backend().setSurfaceIcon(window, icon); });
}

bool activate(Handle window) {
    return topLevelChange(
        window, [](TopLevelState&) { return true; }, [&] { backend().activateSurface(window); });
}

bool isActive(Handle window) {
    return topLevelValue(window, false, [](TopLevelState& t) { return t.active; });
}

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

Handle focus() {
    return currentQueue()->focus.load();
}

Handle windowFromPoint(Handle topLevel, Point screen, HitTest* code) {
    HitTest c = kHitNowhere;
    auto h = static_cast<Handle>(runOnOwner(topLevel, [&]() -> Result {
        return static_cast<Result>(hitTestHere(topLevel, screen, &c));
    }));
    if (code) *code = h ? c : kHitNowhere;
    return h;
}

bool invalidate(Handle window, const Rect* area) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    if (!r) return false;
    invalidateLocked(r, area ? *area : Rect{0, 0, r->rect.width, r->rect.height});
    return true;
}

bool update(Handle window) {
    Handle top = topLevelOf(window);
    return runOnOwner(top, [top]() -> Result {
               paintTopLevel(top);
               return 1;
           }) != 0;
}

bool pixelAt(Handle window, Point p, Colour* out) {
    Handle top = topLevelOf(window);
    return runOnOwner(top, [&]() -> Result {
               std::lock_guard<std::recursive_mutex> lock(treeMutex());
               WindowRecord* r = findLocked(window);
               WindowRecord* t = topLocked(r);
               if (!r || !t || !t->top) return 0;
               if (!Rect{0, 0, r->rect.width, r->rect.height}.contains(p)) return 0;
               Point o = offsetInTopLocked(r);
               const Picture& b = t->top->buffer;
               if (!Rect{0, 0, b.width(), b.height()}.contains({o.x + p.x, o.y + p.y})) return 0;
               *out = b.colourAt(o.x + p.x, o.y + p.y);
               return 1;
           }) != 0;
}

bool acceptFiles(Handle window, bool accept) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    if (!r) return false;
    r->acceptFiles = accept;
    return true;
}

bool acceptsFiles(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r && r->acceptFiles;
}

std::uint32_t dropCount(DropHandle drop) {
    auto* d = reinterpret_cast<DropData*>(drop);
    return d ? static_cast<std::uint32_t>(d->paths.size()) : 0;
}

std::u16string dropFile(DropHandle drop, std::uint32_t index) {
    auto* d = reinterpret_cast<DropData*>(drop);
    return d && index < d->paths.size() ? d->paths[index] : std::u16string();
}

Point dropPoint(DropHandle drop) {
    auto* d = reinterpret_cast<DropData*>(drop);
    return d ? d->point : Point{};
}

void setCursor(Cursor cursor) {
    backend().setCursor(cursor);
}
Point cursorPosition() {
    return backend().cursorPosition();
}
Rect workArea(Point near) {
    return backend().workArea(near);
}
Rect virtualScreen() {
    return backend().virtualScreen();
}
std::vector<Monitor> monitors() {
    return backend().monitors();
}

namespace detail {
void broadcastDisplayChange() {
    for (Handle h : topLevelWindows()) post(h, msg::kDisplayChange);
}
std::int64_t steadyMillis() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace detail

}  // namespace platform::window
