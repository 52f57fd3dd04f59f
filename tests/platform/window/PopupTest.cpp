#include <gtest/gtest.h>

#include "platform/window/Headless.h"
#include "platform/window/Input.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Popup.h"
#include "platform/window/Probe.h"
#include "platform/window/Window.h"

namespace pw = platform::window;

namespace {

// An owner window at (100, 100) with two stacked popups (a menu and its sub-menu) beside it.
class Popups : public ::testing::Test {
protected:
    void SetUp() override {
        pw::startBackend(pw::BackendKind::kHeadless);
        pw::headless()->setWorkArea({0, 0, 800, 600});
        owner = probe::make(&ownerProbe, pw::kNoWindow, {100, 100, 300, 200});
        pw::registerClass(probe::kClass, probe::handler);
        menu = pw::openPopup(probe::kClass, owner, {150, 150, 80, 100}, &menuProbe);
        sub = pw::openPopup(probe::kClass, owner, {230, 160, 80, 60}, &subProbe);
        ASSERT_TRUE(owner && menu && sub);
        pw::processPending();
        for (probe::Probe* p : {&ownerProbe, &menuProbe, &subProbe}) p->clear();
    }
    void TearDown() override {
        pw::closePopups();
        pw::destroy(owner);
        pw::processPending();
    }
    void press(pw::Handle top, pw::Point p) {
        pw::input::mouseButton(top, p, pw::MouseButton::kLeft, true);
        pw::input::mouseButton(top, p, pw::MouseButton::kLeft, false);
        pw::processPending();
    }

    probe::Probe ownerProbe, menuProbe, subProbe;
    pw::Handle owner = 0, menu = 0, sub = 0;
};

TEST_F(Popups, AreOwnedPopupWindowsOnTheOwnersThread) {
    EXPECT_EQ(pw::ownerOf(menu), owner);
    EXPECT_EQ(pw::openPopups(), (std::vector<pw::Handle>{menu, sub}));
    EXPECT_FALSE(pw::openPopup(probe::kClass, pw::kNoWindow, {0, 0, 10, 10}));
}

TEST_F(Popups, KeysGoToTheNewestAndEscapeClosesOnlyIt) {
    pw::input::key(owner, 'A', true);
    pw::processPending();
    EXPECT_EQ(subProbe.take(pw::msg::kKeyDown).size(), 1u);
    EXPECT_TRUE(ownerProbe.take(pw::msg::kKeyDown).empty());

    pw::input::key(owner, pw::vk::kEscape, true);
    pw::processPending();
    EXPECT_FALSE(pw::isWindow(sub));
    EXPECT_TRUE(pw::isWindow(menu));
    EXPECT_EQ(subProbe.take(pw::msg::kClose).size(), 1u);
    EXPECT_TRUE(menuProbe.take(pw::msg::kKeyDown).empty());  // Escape was used up
}

TEST_F(Popups, PressOutsideClosesAllAndStillReachesTheOwner) {
    press(owner, {10, 10});
    EXPECT_TRUE(pw::openPopups().empty());
    EXPECT_EQ(ownerProbe.take(pw::msg::kLButtonDown).size(), 1u);
}

TEST_F(Popups, PointerOverAPopupReportedByTheOwnerGoesToThePopup) {
    // A pointer grab makes the owner's surface report points that lie over the popup.
    press(owner, {60, 70});  // screen (160, 170): inside the menu
    EXPECT_EQ(menuProbe.take(pw::msg::kLButtonDown).size(), 1u);
    EXPECT_TRUE(ownerProbe.take(pw::msg::kLButtonDown).empty());
    EXPECT_EQ(pw::openPopups().size(), 2u);
}

TEST_F(Popups, OwnerLosingActivationClosesThem) {
    pw::input::activated(owner, true);
    pw::input::activated(owner, false);
    pw::processPending();
    EXPECT_TRUE(pw::openPopups().empty());
    EXPECT_TRUE(pw::isWindow(owner));
}

TEST_F(Popups, ClosingOneClosesThoseOpenedAfterIt) {
    EXPECT_TRUE(pw::closePopup(menu));
    EXPECT_FALSE(pw::isWindow(menu));
    EXPECT_FALSE(pw::isWindow(sub));
    EXPECT_FALSE(pw::closePopup(menu));
}

TEST(PopupPlacement, StaysInsideTheWorkArea) {
    pw::startBackend(pw::BackendKind::kHeadless);
    pw::headless()->setWorkArea({0, 0, 800, 600});
    struct Case {
        pw::Point at;
        pw::Size size;
        int flip;
        pw::Rect expected;
    } cases[] = {
        {{100, 100}, {50, 40}, 20, {100, 100, 50, 40}},  // fits
        {{780, 100}, {50, 40}, 20, {750, 100, 50, 40}},  // pushed left
        {{100, 580}, {50, 40}, 20, {100, 520, 50, 40}},  // flipped above the anchor
        {{100, 30}, {50, 700}, 20, {100, 0, 50, 600}},   // taller than the screen
        {{-30, -30}, {50, 40}, 0, {0, 0, 50, 40}},       // pulled in
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pw::popupRect(c.at, c.size, c.flip), c.expected) << c.at.x << "," << c.at.y;
    }
}

TEST(ModalLoop, RunsUntilDoneAndPassesAQuitOn) {
    pw::startBackend(pw::BackendKind::kHeadless);
    probe::Probe p;
    pw::Handle w = probe::make(&p, pw::kNoWindow, {0, 0, 50, 50});
    pw::setTimer(w, 1, 10);
    int ticks = 0;
    EXPECT_TRUE(pw::runModalLoop([&] {
        ticks = static_cast<int>(p.take(pw::msg::kTimer).size());
        return ticks >= 2;
    }));
    pw::postQuitMessage(3);
    EXPECT_FALSE(pw::runModalLoop([] { return false; }));
    pw::Message m;
    EXPECT_FALSE(pw::getMessage(&m));  // the enclosing loop ends too
    EXPECT_EQ(m.wparam, 3u);
    pw::destroy(w);
}

}  // namespace
