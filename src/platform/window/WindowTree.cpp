// The window tree: the registry of windows and classes, creation and destruction, the tree
// queries, showing, enabling and raising, and hit testing.
#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "detail/Core.h"
#include "detail/Paint.h"
#include "detail/Tree.h"
#include "platform/window/Backend.h"
#include "platform/window/Window.h"

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

}  // namespace

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

bool isDescendantLocked(Handle h, Handle ancestor) {
    for (WindowRecord* r = findLocked(h); r; r = r->parent ? findLocked(r->parent) : nullptr) {
        if (r->handle == ancestor) return true;
    }
    return false;
}

std::recursive_mutex& treeMutex() {
    return registry().mutex;
}

WindowRecord* findLocked(Handle h) {
    if (h == kNoWindow) return nullptr;
    auto& w = registry().windows;
    auto it = w.find(h);
    return it == w.end() ? nullptr : it->second.get();
}

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

Handle windowFromPoint(Handle topLevel, Point screen, HitTest* code) {
    HitTest c = kHitNowhere;
    auto h = static_cast<Handle>(runOnOwner(topLevel, [&]() -> Result {
        return static_cast<Result>(hitTestHere(topLevel, screen, &c));
    }));
    if (code) *code = h ? c : kHitNowhere;
    return h;
}

}  // namespace platform::window
