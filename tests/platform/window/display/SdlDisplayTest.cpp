#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "XServer.h"
#include "platform/window/Backend.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Input.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Probe.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"

namespace pw = platform::window;
using probe::Probe;

namespace {

constexpr pw::Colour kWhite = pw::rgb(255, 255, 255);
constexpr pw::Colour kRed = pw::rgb(255, 0, 0);
constexpr pw::Colour kBlue = pw::rgb(0, 0, 255);
constexpr pw::Colour kGreen = pw::rgb(0, 160, 0);

// The tree of the headless tests, in a real window: top 200x150 white; a red; b blue inside a;
// c green above a.
class SdlDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        if (!xtest::available()) GTEST_SKIP() << "Xvfb or openbox is missing";
        ASSERT_STREQ(pw::startBackend(pw::BackendKind::kSdl).name(), "sdl");
        top.colour = kWhite;
        a.colour = kRed;
        b.colour = kBlue;
        c.colour = kGreen;
        hTop = probe::make(&top, pw::kNoWindow, {100, 100, 200, 150});
        pw::setTitle(hTop, title);
        hA = probe::make(&a, hTop, {10, 10, 100, 80});
        hB = probe::make(&b, hA, {90, 70, 40, 40});
        hC = probe::make(&c, hTop, {60, 40, 60, 20});
        ASSERT_TRUE(hTop && hA && hB && hC);
        ASSERT_TRUE(xtest::pumpUntil([&] { return onScreen(20, 20) == kRed; }))
            << "the window never showed";
    }
    void TearDown() override {
        if (hTop) pw::destroy(hTop);
        pw::processPending();
    }
    pw::Colour onScreen(int x, int y) {
        pw::Rect r = pw::screenRect(hTop);
        return xtest::screenPixel(r.x + x, r.y + y);
    }
    std::string xprop(const std::string& property) {
        return xtest::run("xprop -name '" + pw::toUtf8(title) + "' " + property + " 2>&1");
    }

    std::u16string title = u"Veritome-window-test";
    Probe top, a, b, c;
    pw::Handle hTop = 0, hA = 0, hB = 0, hC = 0;
};

TEST_F(SdlDisplay, TreeIsPaintedOnTheScreen) {
    struct Case {
        int x, y;
        pw::Colour expected;
    };
    const Case cases[] = {{5, 5, kWhite},    {20, 20, kRed},    {105, 85, kBlue},
                          {115, 85, kWhite}, {105, 95, kWhite}, {70, 50, kGreen},
                          {115, 50, kGreen}, {199, 149, kWhite}};
    for (const Case& k : cases) EXPECT_EQ(onScreen(k.x, k.y), k.expected) << k.x << "," << k.y;

    pw::show(hC, false);
    EXPECT_TRUE(xtest::pumpUntil([&] { return onScreen(70, 50) == kRed; }));
    EXPECT_EQ(onScreen(115, 50), kWhite);
}

TEST_F(SdlDisplay, PushedFileDropReachesTheDropHandler) {
    std::vector<std::u16string> seen;
    a.hook = [&](pw::Handle, std::uint32_t m, pw::WParam wp, pw::LParam, pw::Result*) {
        if (m != pw::msg::kDropFiles) return false;
        for (std::uint32_t i = 0; i < pw::dropCount(wp); ++i) seen.push_back(pw::dropFile(wp, i));
        return true;
    };
    pw::acceptFiles(hA, true);
    pw::Rect r = pw::screenRect(hTop);
    xtest::movePointer(r.x + 30, r.y + 30);
    const char* path = "/tmp/dropped \xE4\xB8\xAD\xFF.bin";  // the last byte is not UTF-8
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_DROPFILE;
    e.drop.file = SDL_strdup(path);
    ASSERT_EQ(SDL_PushEvent(&e), 1);
    ASSERT_TRUE(xtest::pumpUntil([&] { return !seen.empty(); }));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(pw::toUtf8(seen[0]), path);
}

TEST_F(SdlDisplay, ClipboardRoundTripsWithOtherClients) {
    const std::u16string text = u"Grüße 中文 d41d8cd98f00b204e9800998ecf8427e";
    ASSERT_TRUE(pw::setClipboardText(text));
    EXPECT_EQ(xtest::run("xclip -o -selection clipboard"), pw::toUtf8(text));

    xtest::run("printf 'from xclip \\303\\251' | xclip -i -selection clipboard >/dev/null 2>&1");
    std::u16string got;
    EXPECT_TRUE(xtest::pumpUntil([&] { return pw::clipboardText(&got) && got == u"from xclip é"; }))
        << pw::toUtf8(got);
}

TEST_F(SdlDisplay, OnTopAndOpacityBecomeWindowProperties) {
    pw::setOnTop(hTop, true);
    EXPECT_TRUE(xtest::pumpUntil([&] {
        return xprop("_NET_WM_STATE").find("_NET_WM_STATE_ABOVE") != std::string::npos;
    })) << xprop("_NET_WM_STATE");
    pw::setOnTop(hTop, false);
    EXPECT_TRUE(xtest::pumpUntil(
        [&] { return xprop("_NET_WM_STATE").find("_NET_WM_STATE_ABOVE") == std::string::npos; }));
    pw::setOpacity(hTop, 127);
    std::string expected = std::to_string(static_cast<unsigned long>(127.0 / 255 * 0xFFFFFFFFul));
    std::string got = xprop("_NET_WM_WINDOW_OPACITY");
    EXPECT_NE(got.find(expected.substr(0, 6)), std::string::npos) << got;
    // A window that bypasses the compositor would never look translucent.
    EXPECT_EQ(xprop("_NET_WM_BYPASS_COMPOSITOR").find("= 1"), std::string::npos);
}

TEST_F(SdlDisplay, PointerAndKeysOfTheServerReachTheWindows) {
    pw::Rect r = pw::screenRect(hTop);
    xtest::movePointer(r.x + 70, r.y + 50);
    xtest::button(1, true);
    xtest::button(1, false);
    ASSERT_TRUE(xtest::pumpUntil([&] { return !c.take(pw::msg::kLButtonUp).empty(); }));
    auto downs = c.take(pw::msg::kLButtonDown);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(pw::unpackPoint(downs[0].lparam), (pw::Point{10, 10}));

    pw::setFocus(hB);
    xtest::key("a", true);
    xtest::key("a", false);
    ASSERT_TRUE(xtest::pumpUntil([&] { return !b.take(pw::msg::kKeyUp).empty(); }));
    auto keys = b.take(pw::msg::kKeyDown);
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys[0].wparam, pw::WParam{'A'});
    // Typed text is reported only while a text control takes it (EditDisplayTest).
    EXPECT_TRUE(b.take(pw::msg::kChar).empty());
}

TEST_F(SdlDisplay, BorderlessWindowIsDraggedByItsCaption) {
    Probe grip;
    grip.colour = kGreen;
    grip.hit = pw::kHitCaption;
    pw::Handle w = probe::make(&grip, pw::kNoWindow, {400, 300, 120, 80},
                               pw::kStyleVisible | pw::kStyleBorderless);
    ASSERT_TRUE(w);
    ASSERT_TRUE(xtest::pumpUntil([&] {
        pw::Rect s = pw::screenRect(w);
        return xtest::screenPixel(s.x + 60, s.y + 40) == kGreen;
    }));
    pw::Rect before = pw::screenRect(w);
    xtest::movePointer(before.x + 60, before.y + 40);
    xtest::pumpUntil([&] { return !grip.take(pw::msg::kMouseMove).empty(); });
    xtest::button(1, true);
    for (int i = 1; i <= 10; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        xtest::movePointer(before.x + 60 + 10 * i, before.y + 40 + 6 * i);
    }
    xtest::button(1, false);
    EXPECT_TRUE(xtest::pumpUntil([&] { return pw::screenRect(w).x >= before.x + 80; }))
        << pw::screenRect(w).x << " from " << before.x;
    EXPECT_TRUE(grip.take(pw::msg::kLButtonDown).empty());  // the system took the press
    pw::destroy(w);
}

TEST_F(SdlDisplay, MessageBoxIsAWindowOnTheScreen) {
    bool seen = false;
    std::thread player([&] { seen = xtest::answerMessageBoxWithReturn(); });
    pw::MessageBoxRequest request;
    request.owner = hTop;
    request.text = u"Perfect Match!";
    request.buttons = pw::BoxButtons::kYesNo;
    EXPECT_EQ(pw::messageBox(request), pw::kAnswerYes);
    player.join();
    EXPECT_TRUE(seen);
}

}  // namespace
