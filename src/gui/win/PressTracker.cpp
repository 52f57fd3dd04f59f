// Press, release, hover and capture of the toolkit's clickable controls.
#include "gui/win/PressTracker.h"

#include "platform/window/Window.h"

namespace pw = platform::window;

namespace s::gui::win {

std::int32_t PressTracker::lookOf(std::int32_t part) const {
    if (part == kNone || part != pointerPart_) return kNormal;
    if (isPressed()) return part == pressedPart_ ? kPressed : kNormal;
    return hoverShown_ ? kHovered : kNormal;
}

std::int32_t PressTracker::litPart() const {
    // The part and its look in one number, kNone when nothing is lit.
    std::int32_t look = lookOf(pointerPart_);
    return look == kNormal ? kNone : pointerPart_ * 4 + look;
}

void PressTracker::press(pw::Handle window, std::int32_t part) {
    pressedPart_ = part;
    pointerPart_ = part;
    if (window != pw::kNoWindow) pw::setCapture(window);
}

bool PressTracker::move(std::int32_t part, bool leftHeld) {
    std::int32_t before = litPart();
    pointerPart_ = part;
    if (!isPressed()) hoverShown_ = !leftHeld;
    return litPart() != before;
}

bool PressTracker::release(pw::Handle window, std::int32_t part) {
    bool click = isPressed() && part != kNone && part == pressedPart_;
    bool wasPressed = isPressed();
    pressedPart_ = kNone;
    pointerPart_ = part;
    hoverShown_ = true;
    // The press is forgotten first: letting go tells the window kCaptureChanged.
    if (wasPressed && window != pw::kNoWindow && pw::capture() == window) pw::releaseCapture();
    return click;
}

bool PressTracker::leave() {
    std::int32_t before = litPart();
    pointerPart_ = kNone;
    return litPart() != before;
}

bool PressTracker::cancel(pw::Handle window) {
    std::int32_t before = litPart();
    bool wasPressed = isPressed();
    pressedPart_ = kNone;
    pointerPart_ = kNone;
    if (wasPressed && window != pw::kNoWindow && pw::capture() == window) pw::releaseCapture();
    return litPart() != before;
}

}  // namespace s::gui::win
