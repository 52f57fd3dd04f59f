// Painting: dirty areas of the top-level windows, and their back buffers painted in z-order and
// presented.
#include <memory>
#include <mutex>
#include <vector>

#include "detail/Core.h"
#include "detail/Paint.h"
#include "detail/Tree.h"
#include "platform/window/Backend.h"
#include "platform/window/Picture.h"
#include "platform/window/Window.h"

namespace platform::window {

namespace detail {

namespace {

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

}  // namespace

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

void invalidateUnderLocked(WindowRecord* r) {
    if (!r->parent) return;
    WindowRecord* parent = findLocked(r->parent);
    if (parent && visibleLocked(r)) invalidateLocked(parent, r->rect);
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

}  // namespace detail

using namespace detail;

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

}  // namespace platform::window
