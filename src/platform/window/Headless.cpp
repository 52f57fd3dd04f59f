// The headless backend: surfaces are plain records, the clipboard a string, message boxes are
// answered by the test.
#include "platform/window/Headless.h"

#include <map>
#include <mutex>
#include <utility>

namespace platform::window {

namespace detail {
int runMessageBoxWindow(const MessageBoxRequest& request);  // MessageBoxWindow.cpp
}  // namespace detail

struct HeadlessBackend::State {
    std::mutex mutex;
    struct Surface {
        Rect rect;
        bool visible = false;
        int presents = 0;
    };
    std::map<Handle, Surface> surfaces;
    std::u16string clipboard;
    bool hasClipboard = false;
    std::function<int(const MessageBoxRequest&)> answerer;
    std::vector<MessageBoxRequest> boxes;
    bool boxWindows = false;
    Point cursor;
    Cursor cursorShape = Cursor::kArrow;
    Rect work{0, 0, 1920, 1080};
};

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
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->work = area;
}

int HeadlessBackend::presentCount(Handle topLevel) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    auto it = state_->surfaces.find(topLevel);
    return it == state_->surfaces.end() ? 0 : it->second.presents;
}

Cursor HeadlessBackend::currentCursor() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->cursorShape;
}

bool HeadlessBackend::openSurface(Handle topLevel, const SurfaceRequest& request) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->surfaces[topLevel].rect = request.rect;
    return true;
}

void HeadlessBackend::closeSurface(Handle topLevel) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->surfaces.erase(topLevel);
}

void HeadlessBackend::present(Handle topLevel, const Picture&, Rect) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    auto it = state_->surfaces.find(topLevel);
    if (it != state_->surfaces.end()) ++it->second.presents;
}

void HeadlessBackend::showSurface(Handle topLevel, bool visible, bool) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    auto it = state_->surfaces.find(topLevel);
    if (it != state_->surfaces.end()) it->second.visible = visible;
}

void HeadlessBackend::placeSurface(Handle topLevel, Rect screen) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    auto it = state_->surfaces.find(topLevel);
    if (it != state_->surfaces.end()) it->second.rect = screen;
}

void HeadlessBackend::setSurfaceTitle(Handle, std::u16string_view) {}
void HeadlessBackend::setSurfaceOnTop(Handle, bool) {}
void HeadlessBackend::setSurfaceOpacity(Handle, std::uint8_t) {}
void HeadlessBackend::setSurfaceShowState(Handle, ShowState) {}
void HeadlessBackend::setSurfaceMinimumSize(Handle, Size) {}
void HeadlessBackend::activateSurface(Handle) {}
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

Rect HeadlessBackend::workArea(Point) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->work;
}

Rect HeadlessBackend::virtualScreen() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->work;
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
