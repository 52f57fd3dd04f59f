// The shared press, hover and click rules, step by step on a control of three parts.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "gui/win/PressTracker.h"
#include "platform/window/Types.h"

using s::gui::win::PressTracker;

TEST(PressTracker, LooksAndClicksFollowThePointer) {
    constexpr std::int32_t kNone = PressTracker::kNone;
    constexpr std::int32_t N = PressTracker::kNormal, H = PressTracker::kHovered,
                           P = PressTracker::kPressed;

    enum class Step { kMove, kMoveHeld, kPress, kRelease, kLeave, kCaptureLost, kCancel };

    struct Case {
        const char* what;
        std::vector<std::pair<Step, std::int32_t>> steps;  // each with the part it happens over
        std::int32_t look0, look1;                         // the looks of parts 0 and 1 after
        bool click;                                        // the last step was a click
        bool pressed;                                      // still pressed after
    };
    const Case cases[] = {
        {"hover", {{Step::kMove, 0}}, H, N, false, false},
        {"hover moves on", {{Step::kMove, 0}, {Step::kMove, 1}}, N, H, false, false},
        {"left held from elsewhere", {{Step::kMoveHeld, 1}}, N, N, false, false},
        {"leave", {{Step::kMove, 0}, {Step::kLeave, kNone}}, N, N, false, false},
        {"press", {{Step::kMove, 0}, {Step::kPress, 0}}, P, N, false, true},
        {"dragged to another part", {{Step::kPress, 0}, {Step::kMoveHeld, 1}}, N, N, false, true},
        {"dragged off and back",
         {{Step::kPress, 0}, {Step::kMoveHeld, kNone}, {Step::kMoveHeld, 0}},
         P,
         N,
         false,
         true},
        {"leaving while pressed", {{Step::kPress, 0}, {Step::kLeave, kNone}}, N, N, false, true},
        {"release inside", {{Step::kPress, 0}, {Step::kRelease, 0}}, H, N, true, false},
        {"release on another part", {{Step::kPress, 0}, {Step::kRelease, 1}}, N, H, false, false},
        {"release outside", {{Step::kPress, 0}, {Step::kRelease, kNone}}, N, N, false, false},
        {"release without a press", {{Step::kRelease, 0}}, H, N, false, false},
        {"capture lost", {{Step::kPress, 0}, {Step::kCaptureLost, 0}}, N, N, false, false},
        {"capture lost after the release keeps the hover",
         {{Step::kPress, 0}, {Step::kRelease, 0}, {Step::kCaptureLost, 0}},
         H,
         N,
         false,
         false},
        {"cancelled", {{Step::kMove, 1}, {Step::kCancel, 1}}, N, N, false, false},
    };
    for (const Case& c : cases) {
        PressTracker t;
        bool click = false;
        for (auto [step, part] : c.steps) {
            click = false;
            switch (step) {
                case Step::kMove:
                    t.move(part, false);
                    break;
                case Step::kMoveHeld:
                    t.move(part, true);
                    break;
                case Step::kPress:
                    t.press(platform::window::kNoWindow, part);
                    break;
                case Step::kRelease:
                    click = t.release(platform::window::kNoWindow, part);
                    break;
                case Step::kLeave:
                    t.leave();
                    break;
                case Step::kCaptureLost:
                    t.captureLost();
                    break;
                case Step::kCancel:
                    t.cancel(platform::window::kNoWindow);
                    break;
            }
        }
        EXPECT_EQ(t.lookOf(0), c.look0) << c.what;
        EXPECT_EQ(t.lookOf(1), c.look1) << c.what;
        EXPECT_EQ(t.lookOf(kNone), N) << c.what;
        EXPECT_EQ(click, c.click) << c.what;
        EXPECT_EQ(t.isPressed(), c.pressed) << c.what;
    }
}

TEST(PressTracker, ReportsOnlyChangesOfWhatIsShown) {
    constexpr std::int32_t kNone = PressTracker::kNone;
    PressTracker t;
    EXPECT_TRUE(t.move(0, false));
    EXPECT_FALSE(t.move(0, false));
    EXPECT_TRUE(t.move(kNone, false));
    EXPECT_FALSE(t.leave());
    t.press(platform::window::kNoWindow, 1);
    EXPECT_TRUE(t.move(0, true));       // the pressed part goes dark
    EXPECT_FALSE(t.move(kNone, true));  // another part while pressed shows nothing either
    EXPECT_TRUE(t.move(1, true));
    EXPECT_TRUE(t.leave());
}
