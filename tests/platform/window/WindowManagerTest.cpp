// The layer's own move and resize, late placement reports, the minimum size, runtime styles,
// icons, monitors and waiting while answering sends, on the headless window manager.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/window/Headless.h"
#include "platform/window/Input.h"
#include "platform/window/Probe.h"
#include "platform/window/Window.h"

namespace pw = platform::window;
using probe::Probe;

namespace {

class HeadlessManager : public ::testing::Test {
protected:
    void SetUp() override {
        pw::startBackend(pw::BackendKind::kHeadless);
        wm = pw::headless();
        ASSERT_NE(wm, nullptr);
        wm->setWorkArea({0, 0, 1920, 1080});
        h = probe::make(&p, pw::kNoWindow, {300, 200, 200, 150},
                        pw::kStyleVisible | pw::kStyleBorderless);
        ASSERT_TRUE(h);
        pw::processPending();
    }
    void TearDown() override {
        wm->setEchoPlacements(false);
        pw::destroy(h);
        pw::processPending();
    }
    // Press at `from`, move to each point, release (client coordinates at the time of each).
    void drag(pw::Point from, pw::Point to) {
        pw::input::mouseMove(h, from);
        pw::input::mouseButton(h, from, pw::MouseButton::kLeft, true);
        pw::processPending();
        pw::input::mouseMove(h, to);
        pw::processPending();
        pw::input::mouseButton(h, to, pw::MouseButton::kLeft, false);
        pw::processPending();
    }

    pw::HeadlessBackend* wm = nullptr;
    Probe p;
    pw::Handle h = 0;
};

TEST_F(HeadlessManager, CaptionDragMovesTheWindowWithCapture) {
    p.hit = pw::kHitCaption;
    drag({50, 10}, {70, 25});
    EXPECT_EQ(pw::windowRect(h), (pw::Rect{320, 215, 200, 150}));
    pw::HeadlessSurface s;
    ASSERT_TRUE(wm->surface(h, &s));
    EXPECT_EQ(s.rect, (pw::Rect{320, 215, 200, 150}));
    EXPECT_EQ(p.take(pw::msg::kEnterSizeMove).size(), 1u);
    EXPECT_EQ(p.take(pw::msg::kMoving).size(), 1u);
    EXPECT_EQ(p.take(pw::msg::kExitSizeMove).size(), 1u);
    EXPECT_EQ(pw::capture(), pw::kNoWindow);
    EXPECT_FALSE(pw::isInSizeMove(h));
}

TEST_F(HeadlessManager, EdgeDragSizesListenersCorrectAndTheMinimumStops) {
    struct Case {
        pw::HitTest code;
        pw::Point from, to;
        pw::Rect expected;
    };
    pw::setMinimumSize(h, {120, 100});
    for (Case c : {
             Case{pw::kHitRight, {198, 70}, {228, 70}, {300, 200, 230, 150}},
             Case{pw::kHitBottomRight, {198, 148}, {208, 158}, {300, 200, 210, 160}},
             // The left edge pulled far right stops at the minimum; the right edge stays.
             Case{pw::kHitLeft, {1, 70}, {181, 70}, {380, 200, 120, 150}},
             Case{pw::kHitTop, {100, 1}, {100, -29}, {300, 170, 200, 180}},
         }) {
        pw::place(h, {300, 200, 200, 150});
        p.hit = c.code;
        p.clear();
        drag(c.from, c.to);
        EXPECT_EQ(pw::windowRect(h), c.expected) << "code " << c.code;
        auto sizing = p.take(pw::msg::kSizing);
        ASSERT_FALSE(sizing.empty());
        EXPECT_EQ(static_cast<pw::HitTest>(sizing[0].wparam), pw::sizingEdgeOf(c.code));
    }
    // A handler may change the rectangle: widths snap to tens.
    p.hook = [](pw::Handle, std::uint32_t m, pw::WParam, pw::LParam l, pw::Result*) {
        if (m == pw::msg::kSizing) {
            auto* r = reinterpret_cast<pw::Rect*>(l);
            r->width -= r->width % 10;
        }
        return false;
    };
    pw::place(h, {300, 200, 200, 150});
    p.hit = pw::kHitRight;
    drag({198, 70}, {235, 70});
    EXPECT_EQ(pw::windowRect(h).width, 230);
}

TEST_F(HeadlessManager, LateReportsOfOlderPlacementsAreIgnored) {
    pw::place(h, {10, 20, 200, 150});
    pw::place(h, {40, 50, 300, 250});
    // The display answers the first placement after the second was made.
    pw::input::moved(h, {10, 20});
    pw::input::resized(h, {200, 150});
    pw::processPending();
    EXPECT_EQ(pw::windowRect(h), (pw::Rect{40, 50, 300, 250}));
    pw::input::moved(h, {40, 50});
    // A move by the user (no placement of ours) is taken.
    pw::input::moved(h, {77, 88});
    pw::processPending();
    EXPECT_EQ(pw::windowRect(h), (pw::Rect{77, 88, 300, 250}));

    // The same with the window manager echoing every placement in order.
    wm->setEchoPlacements(true);
    p.clear();
    for (int i = 1; i <= 5; ++i) pw::place(h, {100 + i, 100, 200 + i, 150});
    pw::processPending();
    EXPECT_EQ(pw::windowRect(h), (pw::Rect{105, 100, 205, 150}));
}

TEST_F(HeadlessManager, MinimumSizeStopsTheUserButNotTheProgram) {
    pw::setMinimumSize(h, {100, 80});
    pw::HeadlessSurface s;
    ASSERT_TRUE(wm->surface(h, &s));
    EXPECT_EQ(s.minimumSize, (pw::Size{100, 80}));
    pw::place(h, {300, 200, 23, 23}, pw::kPlaceNoMove);
    EXPECT_EQ(pw::windowRect(h), (pw::Rect{300, 200, 23, 23}));
    ASSERT_TRUE(wm->surface(h, &s));
    EXPECT_EQ(s.minimumSize, (pw::Size{23, 23}));
    pw::place(h, {300, 200, 200, 150}, pw::kPlaceNoMove);
    ASSERT_TRUE(wm->surface(h, &s));
    EXPECT_EQ(s.minimumSize, (pw::Size{100, 80}));
    EXPECT_EQ(pw::minimumSize(h), (pw::Size{100, 80}));
}

TEST_F(HeadlessManager, StylesAndIconsChangeWhileTheWindowExists) {
    EXPECT_TRUE(pw::setStyle(h, pw::kStyleResizable | pw::kStyleToolWindow));
    pw::HeadlessSurface s;
    ASSERT_TRUE(wm->surface(h, &s));
    EXPECT_EQ(s.style & (pw::kStyleBorderless | pw::kStyleResizable | pw::kStyleToolWindow),
              pw::kStyleResizable | pw::kStyleToolWindow);
    EXPECT_TRUE(pw::styleOf(h) & pw::kStyleVisible);  // kept
    pw::Picture icon(32, 32);
    EXPECT_TRUE(pw::setIcon(h, &icon));
    ASSERT_TRUE(wm->surface(h, &s));
    EXPECT_EQ(s.icon, (pw::Size{32, 32}));
    EXPECT_TRUE(pw::setIcon(h, nullptr));
    ASSERT_TRUE(wm->surface(h, &s));
    EXPECT_EQ(s.icon, (pw::Size{}));
}

TEST_F(HeadlessManager, MonitorsGiveWorkAreasAndTellTheWindows) {
    wm->setMonitors(
        {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{1920, 0, 1280, 1024}, {1920, 30, 1280, 994}}});
    pw::processPending();
    EXPECT_EQ(p.take(pw::msg::kDisplayChange).size(), 1u);
    EXPECT_EQ(pw::monitors().size(), 2u);
    EXPECT_EQ(pw::virtualScreen(), (pw::Rect{0, 0, 3200, 1080}));
    EXPECT_EQ(pw::workArea({2000, 500}), (pw::Rect{1920, 30, 1280, 994}));
    EXPECT_EQ(pw::workArea({5000, 500}), (pw::Rect{1920, 30, 1280, 994}));  // the nearest
    EXPECT_EQ(pw::workArea({10, 10}), (pw::Rect{0, 0, 1920, 1040}));
    wm->setWorkArea({0, 0, 1920, 1080});
}

TEST_F(HeadlessManager, WaitingThreadStillAnswersSends) {
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        for (int i = 0; i < 5; ++i) pw::send(h, pw::msg::kUser + 1, i);
        finished = true;
    });
    EXPECT_TRUE(pw::waitHandlingSent([&] { return finished.load(); }, 5000));
    worker.join();
    EXPECT_EQ(p.take(pw::msg::kUser + 1).size(), 5u);
    EXPECT_FALSE(pw::waitHandlingSent([] { return false; }, 20));
}

}  // namespace
