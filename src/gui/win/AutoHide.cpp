// The automatic fade and shrink, step by step on the host's timers.
#include "gui/win/AutoHide.h"

#include <algorithm>

namespace pw = platform::window;

namespace s::gui::win {

void AutoHide::setTransparency(std::int32_t percent, bool onlyWhileOnTop) {
    transparency_ = std::clamp(percent, 0, 100);
    onlyOnTopTransparent_ = onlyWhileOnTop;
    apply(onlyWhileOnTop && !host_.keptOnTop() ? 100 : transparency_);
}

void AutoHide::apply(std::int32_t percent) {
    if (percent == applied_) return;
    host_.setOpacity(percent);
    applied_ = percent;
}

std::int32_t AutoHide::targetTransparency() const {
    return host_.keptOnTop() || !onlyOnTopTransparent_ ? transparency_ : 100;
}

void AutoHide::setAutoHide(bool enabled, bool shrink, bool onlyWhileOnTop,
                           std::int32_t delaySeconds, std::int32_t targetWidth,
                           std::int32_t targetHeight, bool restoreWithShift) {
    // What runs now is undone first.
    stopTimers();
    undoShrink();
    if (applied_ < targetTransparency()) apply(targetTransparency());
    enabled_ = enabled;
    shrink_ = shrink;
    onlyOnTop_ = onlyWhileOnTop;
    delay_ = enabled ? std::max(delaySeconds, 0) : 5;
    targetWidth_ = targetWidth;
    targetHeight_ = targetHeight;
    restoreWithShift_ = restoreWithShift;
}

void AutoHide::keptOnTopChanged(bool was, bool now) {
    // Taken off the top while the automatic hiding works only on top: undo it.
    if (was && !now && enabled_ && onlyOnTop_) {
        setAutoHide(enabled_, shrink_, onlyOnTop_, delay_, targetWidth_, targetHeight_,
                    restoreWithShift_);
    }
    if (transparency_ < 100 && onlyOnTopTransparent_) apply(now ? transparency_ : 100);
}

void AutoHide::stopTimers() {
    for (std::uint32_t id = kFadeWaitTimer; id <= kShrinkTimer; ++id) host_.killTimer(id);
}

void AutoHide::undoShrink() {
    host_.killTimer(kShrinkWaitTimer);
    host_.killTimer(kGrowTimer);
    host_.killTimer(kShrinkTimer);
    if (fullWidth_ == -1) return;
    std::int32_t w = fullWidth_;
    std::int32_t h = fullHeight_;
    fullWidth_ = fullHeight_ = -1;
    host_.setSize(w, h);
}

void AutoHide::pointerMoved() {
    if (!enabled_ || (onlyOnTop_ && !host_.keptOnTop())) return;
    stopTimers();
    if (fullWidth_ != -1) undoShrink();
    bool shift = restoreWithShift_ && host_.shiftDown();
    if (!shrink_) {
        if (shift) {
            apply(targetTransparency());
            return;
        }
        host_.setTimer(kFadeOutTimer, 10);
        return;
    }
    if (shift) return;
    pw::Rect r = host_.bounds();
    fullWidth_ = r.width;
    fullHeight_ = r.height;
    host_.setTimer(kShrinkTimer, 10);
}

void AutoHide::onTimer(std::uint32_t id) {
    bool shift = restoreWithShift_ && host_.shiftDown();
    switch (id) {
        case kFadeOutTimer:
            fadeOut(shift);
            return;
        case kFadeWaitTimer:
            waitFaded(shift);
            return;
        case kFadeInTimer: {
            std::int32_t target = targetTransparency();
            std::int32_t next = std::min(applied_ + std::max(target / 10, 1), target);
            apply(next);
            if (next >= target) host_.killTimer(kFadeInTimer);
            return;
        }
        case kShrinkTimer:
            shrinkStep();
            return;
        case kShrinkWaitTimer: {
            pw::Rect r = host_.bounds();
            if (fullWidth_ == -1 || host_.pointerIn({r.x, r.y, fullWidth_, fullHeight_})) return;
            host_.killTimer(kShrinkWaitTimer);
            host_.setTimer(kGrowTimer, 25);
            return;
        }
        case kGrowTimer:
            growStep();
            return;
        default:
            return;
    }
}

void AutoHide::fadeOut(bool shift) {
    auto startWaiting = [&] {
        host_.killTimer(kFadeOutTimer);
        countdown_ = delay_ * 1000;
        host_.setTimer(kFadeWaitTimer, 500);
    };
    if (shift) {
        startWaiting();
        return;
    }
    std::int32_t next = applied_ - std::max(targetTransparency() / 5, 1);
    if (next <= 0) {
        apply(0);
        startWaiting();
        return;
    }
    apply(next);
}

void AutoHide::waitFaded(bool shift) {
    bool back = shift;
    if (!back) {
        if (host_.pointerIn(host_.bounds())) return;
        countdown_ -= 500;
        back = countdown_ < 1;
    }
    if (!back) return;
    host_.killTimer(kFadeWaitTimer);
    host_.setTimer(kFadeInTimer, 25);
}

void AutoHide::shrinkStep() {
    if (fullWidth_ == -1) {
        host_.killTimer(kShrinkTimer);
        return;
    }
    pw::Rect r = host_.bounds();
    std::int32_t w = r.width;
    std::int32_t h = r.height;
    bool more = false;
    if (targetWidth_ >= 0) {
        std::int32_t next = w - std::max(fullWidth_ / 5, 1);
        if (next > targetWidth_) w = next, more = true;
    }
    if (targetHeight_ >= 0) {
        std::int32_t next = h - std::max(fullHeight_ / 5, 1);
        if (next > targetHeight_) h = next, more = true;
    }
    if (!more) {
        if (targetWidth_ >= 0) w = targetWidth_;
        if (targetHeight_ >= 0) h = targetHeight_;
        host_.killTimer(kShrinkTimer);
        host_.setTimer(kShrinkWaitTimer, static_cast<std::uint32_t>(std::max(delay_, 0)) * 1000);
    }
    host_.setSize(w, h);
}

void AutoHide::growStep() {
    if (fullWidth_ == -1) {
        host_.killTimer(kGrowTimer);
        return;
    }
    pw::Rect r = host_.bounds();
    std::int32_t w = std::min(r.width + std::max(fullWidth_ / 15, 1), fullWidth_);
    std::int32_t h = std::min(r.height + std::max(fullHeight_ / 15, 1), fullHeight_);
    if (w >= fullWidth_ && h >= fullHeight_) {
        host_.killTimer(kGrowTimer);
        fullWidth_ = fullHeight_ = -1;
    }
    host_.setSize(w, h);
}

}  // namespace s::gui::win
