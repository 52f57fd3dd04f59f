// The pointer rules that buttons, link labels, check boxes, radio buttons, scroll bars and the
// menu bar share: a press captures the pointer until its release, and a release over the part
// pressed is a click; while pressed, that part looks pressed only with the pointer over it and
// nothing else lights up; without a press the part under the pointer looks hovered, unless the
// left button is held from elsewhere; leaving the control takes the hover away; a lost capture,
// a disabled or a hidden control ends the press without a click. Hovering never captures.
#pragma once

#include <cstdint>

#include "platform/window/Types.h"

namespace s::gui::win {

class PressTracker {
public:
    // A control numbers its parts from 0; a control of one part uses kWhole.
    static constexpr std::int32_t kNone = -1;
    static constexpr std::int32_t kWhole = 0;
    // The looks of a part, as the drawers take them.
    static constexpr std::int32_t kNormal = 0, kHovered = 1, kPressed = 2;

    // The left button went down over `part` of `window`: the press starts and takes the pointer.
    void press(platform::window::Handle window, std::int32_t part);
    // The pointer moved over `part` (kNone: over no part); `leftHeld` is the left button's state.
    // True when a look changed.
    bool move(std::int32_t part, bool leftHeld);
    // The left button went up over `part`: the press ends and the pointer is let go. True when
    // it is a click.
    bool release(platform::window::Handle window, std::int32_t part);
    // The pointer left the control. True when a look changed.
    bool leave();
    // The press ends without a click and nothing stays lit (disabled, hidden, a program's click);
    // the pointer is let go if `window` holds it. True when a look changed.
    bool cancel(platform::window::Handle window);
    // The control lost the pointer to another window: as cancel, the capture already gone.
    bool captureLost() { return isPressed() && cancel(platform::window::kNoWindow); }
    void reset() { *this = PressTracker{}; }

    bool isPressed() const { return pressedPart_ != kNone; }
    std::int32_t pressedPart() const { return pressedPart_; }
    // The part under the pointer as last reported (kNone: off the control).
    std::int32_t pointerPart() const { return pointerPart_; }
    // Pressed and the pointer over the part pressed.
    bool pressedInside() const { return isPressed() && pointerPart_ == pressedPart_; }
    // kNormal, kHovered or kPressed for `part`.
    std::int32_t lookOf(std::int32_t part) const;

private:
    // The part lit and its look, to tell whether a step changed what is shown.
    std::int32_t litPart() const;

    std::int32_t pressedPart_ = kNone;
    std::int32_t pointerPart_ = kNone;
    bool hoverShown_ = false;  // false while the left button is held from elsewhere
};

}  // namespace s::gui::win
