// The top-level window on a real display (Xvfb with a window manager): its self-painted frame
// and a resize by it, its rounded corners as the window's shape, a restore after minimising a
// maximised window, keep on top and opacity as window properties, and the time from making a
// window to its first frame on the screen.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "gui/drawer/window/win/Thin.h"
#include "gui/win/Box.h"
#include "gui/win/Label.h"
#include "gui/win/Window.h"
#include "platform/window/Backend.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"
#include "platform/window/display/XServer.h"

namespace pw = platform::window;
using namespace s::gui::win;

namespace {

class WindowOnDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        if (!xtest::available()) GTEST_SKIP() << "Xvfb or openbox is missing";
        ASSERT_STREQ(pw::startBackend(pw::BackendKind::kSdl).name(), "sdl");
    }
    void TearDown() override {
        if (window) window->release();
    }
    std::string xprop(const std::string& property) {
        return xtest::run("xprop -name '" + pw::toUtf8(title) + "' " + property + " 2>&1");
    }
    pw::Colour onScreen(int x, int y) {
        pw::Rect r = pw::screenRect(window->getNativeWindow());
        return xtest::screenPixel(r.x + x, r.y + y);
    }

    std::u16string title = u"Veritome-top-window-test";
    Window* window = nullptr;
};

TEST_F(WindowOnDisplay, SelfPaintedFrameIsOnTheScreenAndSizesTheWindow) {
    window = newWindow(200, 150, 200, 100);
    window->setTitle(title);
    auto* frame = s::gui::drawer::window::win::Thin::create();
    frame->setFrameColour(pw::rgb(200, 0, 0));
    frame->setBackgroundColour(pw::rgb(0, 0, 200));
    window->setWindowDrawer(frame, true);
    window->setVisible(true, true);
    ASSERT_TRUE(xtest::waitUntil([&] { return onScreen(100, 50) == pw::rgb(0, 0, 200); }));
    EXPECT_EQ(onScreen(0, 50), pw::rgb(200, 0, 0));  // the frame line

    // The right border, dragged with the server's pointer, sizes the window.
    pw::Rect before = pw::screenRect(window->getNativeWindow());
    xtest::movePointer(before.x + 197, before.y + 50);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    xtest::button(1, true);
    for (int i = 1; i <= 6; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        xtest::movePointer(before.x + 197 + 10 * i, before.y + 50);
    }
    xtest::button(1, false);
    EXPECT_TRUE(xtest::waitUntil([&] {
        return pw::screenRect(window->getNativeWindow()).width >= 250;
    })) << pw::screenRect(window->getNativeWindow()).width;
    EXPECT_EQ(pw::screenRect(window->getNativeWindow()).x, before.x);
}

TEST_F(WindowOnDisplay, RoundedCornersCutTheWindowOnTheScreen) {
    // A green square window beneath shows through the cut corners.
    Window* beneath = newWindow(220, 160, 200, 100);
    beneath->setTitle(u"Veritome-beneath");
    auto* green = s::gui::drawer::window::win::Thin::create();
    green->setFrameColour(pw::rgb(0, 160, 0));
    green->setBackgroundColour(pw::rgb(0, 160, 0));
    beneath->setWindowDrawer(green, true);
    beneath->setVisible(true, true);
    window = newWindow(220, 160, 200, 100);
    window->setTitle(title);
    auto* frame = s::gui::drawer::window::win::Thin::create();
    frame->setFrameColour(pw::rgb(200, 0, 0));
    frame->setBackgroundColour(pw::rgb(0, 0, 200));
    frame->setCornerStyles(s::gui::drawer::window::kRound, s::gui::drawer::window::kRound);
    window->setWindowDrawer(frame, true);
    window->setVisible(true, true);
    ASSERT_TRUE(xtest::waitUntil([&] { return onScreen(100, 50) == pw::rgb(0, 0, 200); }));
    ASSERT_EQ(pw::screenRect(beneath->getNativeWindow()),
              pw::screenRect(window->getNativeWindow()));
    EXPECT_TRUE(xtest::waitUntil([&] { return onScreen(0, 0) == pw::rgb(0, 160, 0); }))
        << std::hex << onScreen(0, 0);
    EXPECT_EQ(onScreen(199, 99), pw::rgb(0, 160, 0));
    EXPECT_EQ(onScreen(0, 50), pw::rgb(200, 0, 0));  // the edge between the corners
    beneath->release();
}

TEST_F(WindowOnDisplay, MinimisedFromMaximisedComesBackMaximised) {
    window = newWindow(100, 100, 300, 200);
    window->setTitle(title);
    window->setVisible(true, true);
    window->maximize();
    ASSERT_TRUE(
        xtest::waitUntil([&] { return pw::screenRect(window->getNativeWindow()).width > 600; }));
    const pw::Rect maximised = pw::screenRect(window->getNativeWindow());
    window->minimize();
    ASSERT_TRUE(xtest::waitUntil([&] {
        return xprop("_NET_WM_STATE").find("_NET_WM_STATE_HIDDEN") != std::string::npos;
    })) << xprop("_NET_WM_STATE");
    window->restore();
    EXPECT_TRUE(xtest::waitUntil([&] {
        std::string state = xprop("_NET_WM_STATE");
        return state.find("_NET_WM_STATE_HIDDEN") == std::string::npos &&
               state.find("_NET_WM_STATE_MAXIMIZED_HORZ") != std::string::npos;
    })) << xprop("_NET_WM_STATE");
    EXPECT_TRUE(xtest::waitUntil([&] {
        return pw::screenRect(window->getNativeWindow()).width == maximised.width;
    })) << pw::screenRect(window->getNativeWindow()).width;
    EXPECT_TRUE(window->isMaximized());
}

TEST_F(WindowOnDisplay, KeepOnTopAndTransparencyAreWindowProperties) {
    window = newWindow(100, 100, 200, 100);
    window->setTitle(title);
    window->setVisible(true, true);
    window->setTransparency(50, true);
    window->setKeepOnTop(true);
    EXPECT_TRUE(xtest::waitUntil([&] {
        return xprop("_NET_WM_STATE").find("_NET_WM_STATE_ABOVE") != std::string::npos;
    })) << xprop("_NET_WM_STATE");
    std::string half = std::to_string(static_cast<unsigned long>(127.0 / 255 * 0xFFFFFFFFul));
    EXPECT_TRUE(xtest::waitUntil([&] {
        return xprop("_NET_WM_WINDOW_OPACITY").find(half.substr(0, 6)) != std::string::npos;
    })) << xprop("_NET_WM_WINDOW_OPACITY");
    // Off the top the window is opaque again.
    window->setKeepOnTop(false);
    EXPECT_TRUE(xtest::waitUntil(
        [&] { return xprop("_NET_WM_STATE").find("_NET_WM_STATE_ABOVE") == std::string::npos; }));
    EXPECT_EQ(window->getAppliedTransparency(), 100);
}

// Makes a 600 x 550 window with 60 labels in 20 rows, shows it and answers the milliseconds
// until its first frame was presented.
double firstFrame(Window** out, const std::u16string& title) {
    auto start = std::chrono::steady_clock::now();
    Window* window = newWindow(100, 100, 600, 550);
    window->setTitle(title);
    for (int row = 0; row < 20; ++row) {
        Box* line = newBox(100, -1, 0, 0, 4, -1, -1, -1, 0);
        for (int col = 0; col < 3; ++col) {
            line->add(newLabel(u"Label " + std::u16string(1, u'A' + row) +
                               std::u16string(1, u'1' + col)));
        }
        window->add(line);
    }
    window->setVisible(true, true);
    pw::update(window->getNativeWindow());  // painted and presented when it returns
    *out = window;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

TEST_F(WindowOnDisplay, FirstFrameOfAWindowWithSixtyLabels) {
    // The first text of a process loads the fonts; the second window shows the window's own
    // cost.
    double cold = firstFrame(&window, title);
    window->removeAll(true);
    window->release();
    double warm = firstFrame(&window, title);
    std::printf(
        "first frame of a 600 x 550 window with 60 labels: %.1f ms (fonts loading: "
        "%.1f ms)\n",
        warm, cold);
    // The aim is 50 ms; on a machine shared by several builds only a hang is an error here.
    EXPECT_LT(warm, 5000.0);
    EXPECT_TRUE(xtest::waitUntil([&] { return onScreen(300, 540) == pw::rgb(240, 240, 240); }));
    window->removeAll(true);
}

}  // namespace
