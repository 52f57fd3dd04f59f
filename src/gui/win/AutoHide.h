// The window's transparency and its automatic fade or shrink: after the pointer has crossed the
// window it fades out (or shrinks to a small size), waits while the pointer stays away, and
// comes back. Every step runs on a timer of the host, so a test host that fires the timers
// itself drives the whole cycle without a display and without waiting.
#pragma once

#include <cstdint>

#include "platform/window/Types.h"

namespace s::gui::win {

class AutoHide {
public:
    // What the fade and shrink act on. Its timers are the clock: each setTimer asks for
    // onTimer(id) every `milliseconds` until killTimer(id).
    class Host {
    public:
        virtual ~Host() = default;
        virtual void setTimer(std::uint32_t id, std::uint32_t milliseconds) = 0;
        virtual void killTimer(std::uint32_t id) = 0;
        // The whole window's opacity in percent (0 invisible, 100 opaque).
        virtual void setOpacity(std::int32_t percent) = 0;
        virtual platform::window::Rect bounds() const = 0;
        virtual void setSize(std::int32_t width, std::int32_t height) = 0;
        virtual bool pointerIn(platform::window::Rect r) const = 0;
        virtual bool shiftDown() const = 0;
        virtual bool keptOnTop() const = 0;
    };

    // The host's timers, numbered below the window's user timers.
    static constexpr std::uint32_t kFadeWaitTimer = 1, kFadeInTimer = 2, kFadeOutTimer = 3,
                                   kShrinkWaitTimer = 4, kGrowTimer = 5, kShrinkTimer = 6;

    explicit AutoHide(Host& host) : host_(host) {}

    void setTransparency(std::int32_t percent, bool onlyWhileOnTop);
    std::int32_t transparency() const { return transparency_; }
    std::int32_t appliedTransparency() const { return applied_; }
    void setAutoHide(bool enabled, bool shrink, bool onlyWhileOnTop, std::int32_t delaySeconds,
                     std::int32_t targetWidth, std::int32_t targetHeight, bool restoreWithShift);
    // The host was put on top or taken off it.
    void keptOnTopChanged(bool was, bool now);

    bool isShrunk() const { return fullWidth_ != -1; }
    bool isFaded() const { return applied_ != targetTransparency(); }
    // The full size comes back at once.
    void undoShrink();
    void pointerMoved();
    void onTimer(std::uint32_t id);

private:
    void apply(std::int32_t percent);
    std::int32_t targetTransparency() const;
    void stopTimers();
    void fadeOut(bool shift);
    void waitFaded(bool shift);
    void shrinkStep();
    void growStep();

    Host& host_;
    std::int32_t transparency_ = 100;
    bool onlyOnTopTransparent_ = false;
    std::int32_t applied_ = 100;
    bool enabled_ = false, shrink_ = false, onlyOnTop_ = true, restoreWithShift_ = false;
    std::int32_t delay_ = 5, targetWidth_ = 23, targetHeight_ = 23;
    std::int32_t countdown_ = 0;
    std::int32_t fullWidth_ = -1, fullHeight_ = -1;
};

}  // namespace s::gui::win
