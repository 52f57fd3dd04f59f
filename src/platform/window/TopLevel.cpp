// Attributes of top-level windows: title, on top, opacity, show state, shape, minimum size,
// style, icon and activation, each kept here and told to the backend.
#include <mutex>
#include <string>
#include <vector>

#include "detail/Core.h"
#include "detail/Placement.h"
#include "platform/window/Backend.h"
#include "platform/window/Window.h"

namespace platform::window {

using namespace detail;

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

bool hasSystemWindow(Handle window) {
    if (!topLevelValue(window, false, [](TopLevelState& t) { return t.surface; })) return false;
    return backend().surfaceMade(window);
}

bool isActive(Handle window) {
    return topLevelValue(window, false, [](TopLevelState& t) { return t.active; });
}

}  // namespace platform::window
