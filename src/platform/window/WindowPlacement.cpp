// Placement of windows: their rectangles, moves and resizes told to the backend (and kept for
// the echo filter), and the minimum size the backend is told.
#include <algorithm>
#include <mutex>

#include "detail/Core.h"
#include "detail/Paint.h"
#include "detail/Placement.h"
#include "detail/Tree.h"
#include "platform/Clock.h"
#include "platform/window/Backend.h"
#include "platform/window/Window.h"

namespace platform::window {

namespace detail {

Size effectiveMinimum(const TopLevelState& t, Rect rect) {
    return {t.minimumSize.width > 0 ? std::min(t.minimumSize.width, rect.width) : 0,
            t.minimumSize.height > 0 ? std::min(t.minimumSize.height, rect.height) : 0};
}

}  // namespace detail

using namespace detail;

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
                       std::int64_t ms = monotonicMilliseconds();
                       if (now.x != old.x || now.y != old.y) {
                           t.sentMoves.sent(Point{now.x, now.y}, Point{old.x, old.y}, ms);
                       }
                       if (sized) {
                           t.sentSizes.sent(Size{now.width, now.height},
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

}  // namespace platform::window
