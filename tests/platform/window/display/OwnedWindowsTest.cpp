// Popups and message boxes stay above an owner that is kept on top, on a real X server with a
// window manager.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "XServer.h"
#include "platform/window/Backend.h"
#include "platform/window/Input.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Popup.h"
#include "platform/window/Probe.h"
#include "platform/window/Window.h"

namespace pw = platform::window;

namespace {

class OwnedWindows : public ::testing::Test {
protected:
    void SetUp() override {
        if (!xtest::available()) GTEST_SKIP() << "Xvfb or openbox is missing";
        ASSERT_STREQ(pw::startBackend(pw::BackendKind::kSdl).name(), "sdl");
        ownerProbe.colour = pw::rgb(255, 0, 0);
        owner = probe::make(&ownerProbe, pw::kNoWindow, {150, 150, 300, 200});
        ASSERT_TRUE(owner);
        pw::setOnTop(owner, true);
        pw::activate(owner);
        pw::Rect r = pw::screenRect(owner);
        ASSERT_TRUE(xtest::pumpUntil(
            [&] { return xtest::screenPixel(r.x + 150, r.y + 100) == ownerProbe.colour; }));
    }
    void TearDown() override {
        if (owner) pw::destroy(owner);
        pw::processPending();
    }

    probe::Probe ownerProbe;
    pw::Handle owner = 0;
};

TEST_F(OwnedWindows, PopupShowsAboveAnOnTopOwner) {
    probe::Probe popupProbe;
    popupProbe.colour = pw::rgb(0, 160, 0);
    pw::registerClass(probe::kClass, probe::handler);
    pw::Rect r = pw::screenRect(owner);
    pw::Handle popup =
        pw::openPopup(probe::kClass, owner, {r.x + 100, r.y + 50, 100, 80}, &popupProbe);
    ASSERT_TRUE(popup);
    EXPECT_TRUE(xtest::pumpUntil([&] {
        pw::Rect p = pw::screenRect(popup);
        return xtest::screenPixel(p.x + 50, p.y + 40) == popupProbe.colour;
    }));
    // Raising the owner again does not bury it.
    pw::activate(owner);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(xtest::pumpUntil([&] {
        pw::Rect p = pw::screenRect(popup);
        return xtest::screenPixel(p.x + 50, p.y + 40) == popupProbe.colour;
    }));
    pw::closePopups();
}

TEST_F(OwnedWindows, MessageBoxShowsAboveAnOnTopOwner) {
    bool seen = false;
    std::thread player([&] { seen = xtest::answerMessageBoxWithReturn(); });
    pw::MessageBoxRequest request;
    request.owner = owner;
    request.text = u"Perfect Match!";
    EXPECT_EQ(pw::messageBox(request), pw::kAnswerOk);
    player.join();
    EXPECT_TRUE(seen);
}

}  // namespace
