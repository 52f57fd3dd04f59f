// The status bar on a window: along the inner bottom edge below the client area whatever the
// size, transparent to the pointer except at its grip, and the grip resizes the window down to
// its minimum size.
#include <gtest/gtest.h>

#include "gui/HeadlessWindow.h"
#include "gui/win/Button.h"
#include "gui/win/Label.h"
#include "gui/win/StatusBar.h"
#include "platform/window/Input.h"

namespace s::gui::testing {
namespace {

namespace pw = platform::window;
using win::StatusBar;

class StatusBarOnWindow : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        bar = win::newStatusBar();
        bar->getContentBox()->add(win::newLabel(u"Ready"));
        window->add(win::newLabel(u"Content above the bar"));
        window->setSize(200, 150);
        window->setStatusBar(bar);
        window->setVisible(true, false);
    }
    void TearDown() override {
        window->setStatusBar(nullptr);
        bar->removeAll(true);
        bar->release();
        window->removeAll(true);
        HeadlessWindow::TearDown();
    }
    // A point of a component in the top-level window's client coordinates.
    pw::Point inTop(IComponent* c, pw::Point p) const {
        return pw::screenToClient(top(), pw::clientToScreen(c->getNativeWindow(), p));
    }
    bool onBottomEdge() {
        // Below the client area, which ends where the bar begins.
        return bar->getHeight() > 0 && bar->getX() == 0 &&
               bar->getY() == window->getClientHeight() &&
               bar->getY() + bar->getHeight() == window->getHeight() &&
               bar->getWidth() == window->getClientWidth();
    }
    StatusBar* bar = nullptr;
};

TEST_F(StatusBarOnWindow, SitsOnTheBottomEdgeAfterResizesWithTheGripInItsCorner) {
    EXPECT_TRUE(ownerSees([&] { return onBottomEdge(); }));
    for (pw::Size size : {pw::Size{320, 90}, pw::Size{150, 220}, pw::Size{400, 300}}) {
        SCOPED_TRACE(::testing::Message() << size.width << " x " << size.height);
        pw::input::resized(top(), size);
        ASSERT_TRUE(ownerSees([&] { return window->getClientWidth() == size.width; }));
        EXPECT_TRUE(ownerSees([&] { return onBottomEdge(); }));
        // The grip is 12 x 12 in the bar's bottom-right corner.
        EXPECT_TRUE(ownerSees([&] {
            IComponent* grip = bar->getResizer();
            pw::Point corner = inTop(grip, {grip->getWidth(), grip->getHeight()});
            return grip->getWidth() == StatusBar::kGripSize &&
                   grip->getHeight() == StatusBar::kGripSize && corner.x == size.width &&
                   corner.y == size.height;
        }));
    }
    // The body lets the pointer through to the window; the grip takes it.
    auto hit = [&](IComponent* c, pw::Point p) {
        return onOwner([&] {
            return pw::windowFromPoint(top(), pw::clientToScreen(c->getNativeWindow(), p));
        });
    };
    EXPECT_EQ(hit(bar, {bar->getWidth() / 2, 1}), top());
    EXPECT_EQ(hit(bar->getContentBox(), {bar->getContentBox()->getWidth() - 2, 2}), top());
    IComponent* grip = bar->getResizer();
    EXPECT_EQ(hit(grip, {6, 6}), grip->getNativeWindow());
}

TEST_F(StatusBarOnWindow, DraggingTheGripResizesTheWindowDownToItsMinimum) {
    IComponent* grip = bar->getResizer();
    pw::Rect before = pw::screenRect(top());
    pw::Size least = pw::minimumSize(top());
    ASSERT_GT(least.width, 0);
    ASSERT_GT(least.height, 0);
    ASSERT_LT(least.width, before.width);
    pw::Point p = onOwner([&] { return inTop(grip, {6, 6}); });
    pw::input::mouseMove(top(), p);
    pw::input::mouseButton(top(), p, pw::MouseButton::kLeft, true);
    pw::input::mouseMove(top(), {p.x + 30, p.y + 20});
    ASSERT_TRUE(eventually([&] {
        pw::Rect r = pw::screenRect(top());
        return r.width == before.width + 30 && r.height == before.height + 20;
    }));
    // Far past the top-left corner: the window stops at its minimum size.
    pw::input::mouseMove(top(), {p.x - 1000, p.y - 1000});
    pw::input::mouseButton(top(), {p.x - 1000, p.y - 1000}, pw::MouseButton::kLeft, false);
    ASSERT_TRUE(eventually([&] {
        pw::Rect r = pw::screenRect(top());
        return r.width == least.width && r.height == least.height;
    }));
    EXPECT_EQ(pw::screenRect(top()).x, before.x);  // the top-left corner stays
    EXPECT_EQ(pw::screenRect(top()).y, before.y);
    EXPECT_TRUE(ownerSees([&] { return onBottomEdge(); }));
}

}  // namespace
}  // namespace s::gui::testing
