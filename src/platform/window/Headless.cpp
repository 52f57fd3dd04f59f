// The headless backend: surfaces are plain records kept as a small window manager would, the
// clipboard a string, message boxes are answered by the test.
#include "platform/window/Headless.h"

#include <map>
#include <mutex>
#include <utility>

#include "detail/Core.h"
#include "detail/MessageBoxWindow.h"
#include "platform/window/Input.h"

namespace platform::window {

struct HeadlessBackend::State {
    std::mutex mutex;
    std::map<Handle, HeadlessSurface> surfaces;
    Handle active = kNoWindow;
    bool echo = false;
    bool fail = false;
    bool reportActivation = false;
    std::u16string clipboard;
    bool hasClipboard = false;
    std::u16string primary;
    bool hasPrimary = false;
    std::function<int(const MessageBoxRequest&)> answerer;
    std::vector<MessageBoxRequest> boxes;
    bool boxWindows = false;
    Point cursor;
    Cursor cursorShape = Cursor::kArrow;
    std::vector<Monitor> monitors{Monitor{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}}};

    HeadlessSurface* find(Handle h) {
        auto it = surfaces.find(h);
        return it == surfaces.end() ? nullptr : &it->second;
    }
};

namespace {
// Activation changes found under the state lock, reported after it is let go.
struct Activation {
    Handle lost = kNoWindow;
    Handle gained = kNoWindow;
    bool enabled = false;
    void report() const {
        if (!enabled) return;
        if (lost) input::activated(lost, false);
        if (gained) input::activated(gained, true);
    }
};

std::int64_t distanceSquared(const Rect& r, Point p) {
    std::int64_t dx = p.x < r.x ? r.x - p.x : (p.x >= r.right() ? p.x - r.right() + 1 : 0);
    std::int64_t dy = p.y < r.y ? r.y - p.y : (p.y >= r.bottom() ? p.y - r.bottom() + 1 : 0);
    return dx * dx + dy * dy;
}
}  // namespace

HeadlessBackend::HeadlessBackend() : state_(std::make_unique<State>()) {}
HeadlessBackend::~HeadlessBackend() = default;

void HeadlessBackend::setMessageBoxAnswerer(std::function<int(const MessageBoxRequest&)> answerer) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->answerer = std::move(answerer);
}

std::vector<MessageBoxRequest> HeadlessBackend::shownMessageBoxes() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->boxes;
}

void HeadlessBackend::setMessageBoxWindows(bool windows) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->boxWindows = windows;
}

void HeadlessBackend::setCursorPosition(Point screen) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->cursor = screen;
}

void HeadlessBackend::setWorkArea(Rect area) {
    setMonitors({Monitor{area, area}});
}

void HeadlessBackend::setMonitors(std::vector<Monitor> monitors) {
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        if (state_->monitors == monitors) return;
        state_->monitors = std::move(monitors);
    }
    detail::broadcastDisplayChange();
}

void HeadlessBackend::setEchoPlacements(bool echo) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->echo = echo;
}

bool HeadlessBackend::surface(Handle topLevel, HeadlessSurface* out) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    HeadlessSurface* s = state_->find(topLevel);
    if (!s) return false;
    *out = *s;
    return true;
}

Handle HeadlessBackend::activeSurface() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->active;
}

int HeadlessBackend::presentCount(Handle topLevel) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    HeadlessSurface* s = state_->find(topLevel);
    return s ? s->presents : 0;
}

Cursor HeadlessBackend::currentCursor() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->cursorShape;
}

void HeadlessBackend::setActivationReports(bool report) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->reportActivation = report;
}

void HeadlessBackend::setFailSurfaces(bool fail) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->fail = fail;
}

bool HeadlessBackend::textInputOn(Handle topLevel) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    auto it = state_->surfaces.find(topLevel);
    return it != state_->surfaces.end() && it->second.textInput;
}

Rect HeadlessBackend::textInputArea(Handle topLevel) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    auto it = state_->surfaces.find(topLevel);
    return it == state_->surfaces.end() ? Rect{} : it->second.textInputArea;
}

void HeadlessBackend::setTextInput(Handle topLevel, bool on) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    auto it = state_->surfaces.find(topLevel);
    if (it != state_->surfaces.end()) it->second.textInput = on;
}

void HeadlessBackend::setTextInputArea(Handle topLevel, Rect caret) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    auto it = state_->surfaces.find(topLevel);
    if (it != state_->surfaces.end()) it->second.textInputArea = caret;
}

bool HeadlessBackend::setPrimarySelectionText(std::u16string_view text) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->primary = std::u16string(text);
    state_->hasPrimary = true;
    return true;
}

bool HeadlessBackend::primarySelectionText(std::u16string* out) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!state_->hasPrimary) return false;
    *out = state_->primary;
    return true;
}

bool HeadlessBackend::openSurface(Handle topLevel, const SurfaceRequest& request) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (state_->fail) return false;
    HeadlessSurface& s = state_->surfaces[topLevel];
    s.rect = request.rect;
    s.style = request.style;
    s.onTop = (request.style & kStyleOnTop) != 0;
    s.title = request.title;
    return true;
}

void HeadlessBackend::closeSurface(Handle topLevel) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->surfaces.erase(topLevel);
    if (state_->active == topLevel) state_->active = kNoWindow;
}

void HeadlessBackend::present(Handle topLevel, const Picture&, Rect) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (HeadlessSurface* s = state_->find(topLevel)) ++s->presents;
}

void HeadlessBackend::showSurface(Handle topLevel, bool visible, bool activate) {
    Activation change;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        change.enabled = state_->reportActivation;
        HeadlessSurface* s = state_->find(topLevel);
        if (!s) return;
        s->visible = visible;
        if (visible && activate && state_->active != topLevel) {
            change.lost = state_->active;
            change.gained = state_->active = topLevel;
        } else if (!visible && state_->active == topLevel) {
            change.lost = topLevel;
            state_->active = kNoWindow;
        }
    }
    change.report();
}

void HeadlessBackend::placeSurface(Handle topLevel, Rect screen) {
    Rect before;
    bool echo = false;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        HeadlessSurface* s = state_->find(topLevel);
        if (!s) return;
        before = s->rect;
        s->rect = screen;
        echo = state_->echo;
    }
    if (!echo) return;
    if (screen.x != before.x || screen.y != before.y) input::moved(topLevel, {screen.x, screen.y});
    if (screen.width != before.width || screen.height != before.height) {
        input::resized(topLevel, {screen.width, screen.height});
    }
}

void HeadlessBackend::setSurfaceTitle(Handle topLevel, std::u16string_view title) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (HeadlessSurface* s = state_->find(topLevel)) s->title = std::u16string(title);
}

void HeadlessBackend::setSurfaceOnTop(Handle topLevel, bool onTop) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (HeadlessSurface* s = state_->find(topLevel)) s->onTop = onTop;
}

void HeadlessBackend::setSurfaceOpacity(Handle topLevel, std::uint8_t alpha) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (HeadlessSurface* s = state_->find(topLevel)) s->alpha = alpha;
}

void HeadlessBackend::setSurfaceShowState(Handle topLevel, ShowState state) {
    Activation change;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        change.enabled = state_->reportActivation;
        HeadlessSurface* s = state_->find(topLevel);
        if (!s) return;
        s->showState = state;
        // A minimised window gives up the keyboard, as on a desktop.
        if (state == ShowState::kMinimised && state_->active == topLevel) {
            change.lost = topLevel;
            state_->active = kNoWindow;
        }
    }
    change.report();
}

void HeadlessBackend::setSurfaceMinimumSize(Handle topLevel, Size size) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (HeadlessSurface* s = state_->find(topLevel)) s->minimumSize = size;
}

void HeadlessBackend::activateSurface(Handle topLevel) {
    Activation change;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        change.enabled = state_->reportActivation;
        HeadlessSurface* s = state_->find(topLevel);
        if (!s || !s->visible || state_->active == topLevel) return;
        change.lost = state_->active;
        change.gained = state_->active = topLevel;
    }
    change.report();
}

void HeadlessBackend::setSurfaceStyle(Handle topLevel, std::uint32_t style) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (HeadlessSurface* s = state_->find(topLevel)) s->style = style;
}

void HeadlessBackend::setSurfaceShape(Handle topLevel, const std::vector<Rect>& rects) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (HeadlessSurface* s = state_->find(topLevel)) s->shape = rects;
}

void HeadlessBackend::setSurfaceIcon(Handle topLevel, const Picture* icon) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (HeadlessSurface* s = state_->find(topLevel)) {
        s->icon = icon && icon->valid() ? Size{icon->width(), icon->height()} : Size{};
    }
}

void HeadlessBackend::captureMouse(Handle, bool) {}
void HeadlessBackend::setHitTestCode(Handle, HitTest) {}

void HeadlessBackend::setCursor(Cursor cursor) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->cursorShape = cursor;
}

Point HeadlessBackend::cursorPosition() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->cursor;
}

Rect HeadlessBackend::workArea(Point near) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    const Monitor* best = nullptr;
    std::int64_t bestDistance = 0;
    for (const Monitor& m : state_->monitors) {
        std::int64_t d = distanceSquared(m.bounds, near);
        if (!best || d < bestDistance) best = &m, bestDistance = d;
    }
    return best ? best->work : Rect{};
}

Rect HeadlessBackend::virtualScreen() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    Rect all;
    for (const Monitor& m : state_->monitors) all = all.unite(m.bounds);
    return all;
}

std::vector<Monitor> HeadlessBackend::monitors() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->monitors;
}

bool HeadlessBackend::setClipboardText(std::u16string_view text) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->clipboard = std::u16string(text);
    state_->hasClipboard = true;
    return true;
}

bool HeadlessBackend::clipboardText(std::u16string* out) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!state_->hasClipboard) return false;
    *out = state_->clipboard;
    return true;
}

int HeadlessBackend::messageBox(const MessageBoxRequest& request) {
    std::function<int(const MessageBoxRequest&)> answerer;
    bool windows = false;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        state_->boxes.push_back(request);
        answerer = state_->answerer;
        windows = state_->boxWindows;
    }
    if (answerer) return answerer(request);
    if (windows) return detail::runMessageBoxWindow(request);
    switch (request.buttons) {
        case BoxButtons::kOk:
        case BoxButtons::kOkCancel:
            return kAnswerOk;
        case BoxButtons::kYesNo:
        case BoxButtons::kYesNoCancel:
            return kAnswerYes;
        case BoxButtons::kRetryCancel:
            return kAnswerRetry;
    }
    return kAnswerOk;
}

}  // namespace platform::window
