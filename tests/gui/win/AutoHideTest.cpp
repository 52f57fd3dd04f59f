// The automatic fade and shrink run on a stand-in host whose timers follow a simulated clock:
// whole cycles in simulated seconds, without a display and without waiting.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "gui/win/AutoHide.h"

namespace pw = platform::window;
using s::gui::win::AutoHide;

namespace {

class ClockHost : public AutoHide::Host {
public:
    struct Timer {
        std::uint32_t interval;
        std::int64_t due;
    };

    void setTimer(std::uint32_t id, std::uint32_t ms) override { timers[id] = {ms, now + ms}; }
    void killTimer(std::uint32_t id) override { timers.erase(id); }
    void setOpacity(std::int32_t percent) override { opacity = percent; }
    pw::Rect bounds() const override { return rect; }
    void setSize(std::int32_t w, std::int32_t h) override { rect.width = w, rect.height = h; }
    bool pointerIn(pw::Rect r) const override { return r.contains(pointer); }
    bool shiftDown() const override { return shift; }
    bool keptOnTop() const override { return onTop; }

    // Fires every timer that falls due in the next `ms` milliseconds, in the order of time.
    void run(AutoHide& hide, std::int64_t ms) {
        std::int64_t end = now + ms;
        for (;;) {
            auto next = timers.end();
            for (auto it = timers.begin(); it != timers.end(); ++it) {
                if (it->second.due <= end &&
                    (next == timers.end() || it->second.due < next->second.due))
                    next = it;
            }
            if (next == timers.end()) break;
            now = next->second.due;
            next->second.due += next->second.interval;
            hide.onTimer(next->first);
        }
        now = end;
    }
    // Runs until the given timer stops; answers the simulated milliseconds that took.
    std::int64_t runWhile(AutoHide& hide, std::uint32_t id) {
        std::int64_t start = now;
        while (timers.count(id) && now - start < 600000) run(hide, 1);
        return now - start;
    }

    std::int64_t now = 0;
    std::map<std::uint32_t, Timer> timers;
    std::int32_t opacity = 100;
    pw::Rect rect{100, 100, 200, 100};
    pw::Point pointer{500, 500};
    bool shift = false, onTop = true;
};

TEST(AutoHide, FadesOutWaitsItsDelayAwayFromThePointerAndComesBack) {
    for (std::int32_t delay : {0, 1, 3}) {
        SCOPED_TRACE(delay);
        ClockHost host;
        AutoHide hide(host);
        hide.setTransparency(80, false);
        hide.setAutoHide(true, false, true, delay, -1, -1, false);
        hide.pointerMoved();
        // Five steps of 10 ms down to nothing.
        EXPECT_EQ(host.runWhile(hide, AutoHide::kFadeOutTimer), 50);
        EXPECT_EQ(host.opacity, 0);
        EXPECT_TRUE(hide.isFaded());
        // The pointer on the window holds it faded however long it stays.
        host.pointer = {150, 150};
        host.run(hide, 20000);
        EXPECT_TRUE(host.timers.count(AutoHide::kFadeWaitTimer));
        // Away from it, the delay counts down in half seconds (at least one).
        host.pointer = {500, 500};
        std::int64_t waited = host.runWhile(hide, AutoHide::kFadeWaitTimer);
        EXPECT_EQ(waited, std::max(delay * 1000, 500));
        host.runWhile(hide, AutoHide::kFadeInTimer);
        EXPECT_EQ(host.opacity, 80);
        EXPECT_FALSE(hide.isFaded());
        EXPECT_TRUE(host.timers.empty());
    }
}

TEST(AutoHide, ShrinksWaitsAndGrowsBackToTheFullSize) {
    ClockHost host;
    AutoHide hide(host);
    hide.setAutoHide(true, true, true, 2, 23, -1, false);
    hide.pointerMoved();
    host.runWhile(hide, AutoHide::kShrinkTimer);
    EXPECT_EQ(host.rect, (pw::Rect{100, 100, 23, 100}));  // only the width has a target
    EXPECT_TRUE(hide.isShrunk());
    // The pointer inside the full rectangle (not the shrunk one) holds it small.
    host.pointer = {250, 150};
    host.run(hide, 10000);
    EXPECT_EQ(host.rect.width, 23);
    host.pointer = {500, 500};
    host.run(hide, 2000);
    host.runWhile(hide, AutoHide::kGrowTimer);
    EXPECT_EQ(host.rect, (pw::Rect{100, 100, 200, 100}));
    EXPECT_FALSE(hide.isShrunk());
    EXPECT_TRUE(host.timers.empty());

    // Undone half way: the full size at once, no timer left running.
    hide.pointerMoved();
    host.run(hide, 20);
    EXPECT_LT(host.rect.width, 200);
    hide.undoShrink();
    EXPECT_EQ(host.rect.width, 200);
    EXPECT_TRUE(host.timers.empty());
}

TEST(AutoHide, OnlyWhileOnTopAndShiftRestores) {
    ClockHost host;
    AutoHide hide(host);
    hide.setTransparency(60, true);
    EXPECT_EQ(host.opacity, 60);
    hide.setAutoHide(true, false, true, 5, -1, -1, true);
    // Taken off the top: fully opaque, and the pointer starts nothing.
    host.onTop = false;
    hide.keptOnTopChanged(true, false);
    EXPECT_EQ(host.opacity, 100);
    hide.pointerMoved();
    EXPECT_TRUE(host.timers.empty());
    host.onTop = true;
    hide.keptOnTopChanged(false, true);
    EXPECT_EQ(host.opacity, 60);
    // Shift held: the fade stops where it is and waits, then comes back without the delay.
    hide.pointerMoved();
    host.run(hide, 20);
    EXPECT_EQ(host.opacity, 36);
    host.shift = true;
    host.run(hide, 10);
    EXPECT_TRUE(host.timers.count(AutoHide::kFadeWaitTimer));
    EXPECT_EQ(host.runWhile(hide, AutoHide::kFadeWaitTimer), 500);
    host.runWhile(hide, AutoHide::kFadeInTimer);
    EXPECT_EQ(host.opacity, 60);
}

}  // namespace
