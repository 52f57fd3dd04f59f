// The top-level window on the headless window manager: closing, the frame's hit test, mouse
// actions, transparency, the automatic fade and shrink, sizing, placement, settings, timers,
// hot keys, failed creation and a close while a message box is open.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "gui/drawer/Skinner.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/Box.h"
#include "gui/win/PopupMenu.h"
#include "gui/win/TopWindow.h"

namespace pw = platform::window;
using namespace s::gui;
using s::gui::testing::MemorySettings;
using s::gui::testing::Recorder;
using s::gui::testing::TopWindow;

namespace {

TEST_F(TopWindow, CloseVetoKeepsItOpenAndWaitUntilClosedWaits) {
    std::atomic<bool> veto{true};
    Recorder closing;
    closing.onCall = [&] {
        if (veto) window->vetoClose();
    };
    window->addCloseListener(&closing);
    std::atomic<bool> returned{false};
    std::thread waiter([&] {
        window->waitUntilClosed();
        returned = true;
    });
    window->close();
    pw::input::closeRequest(top());  // the window manager's close button
    flush();
    EXPECT_EQ(closing.events().size(), 2u);
    EXPECT_FALSE(window->isClosed());
    EXPECT_TRUE(pw::isShown(top()));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_FALSE(returned.load());

    veto = false;
    window->close();
    waiter.join();
    EXPECT_TRUE(window->isClosed());
    EXPECT_FALSE(pw::isShown(top()));
    window->close();  // closed once: no more listeners
    EXPECT_EQ(closing.events().size(), 3u);
    EXPECT_TRUE(pw::isWindow(top()));  // closing does not destroy
}

TEST_F(TopWindow, FrameHitTestOfASelfPaintedWindow) {
    window->setWindowDrawer(&frame, false);
    window->setEasyDrag(true);
    EXPECT_FALSE(window->isFramed());
    EXPECT_TRUE(pw::styleOf(top()) & pw::kStyleBorderless);
    struct Case {
        std::int32_t x, y;
        pw::HitTest code;
    };
    for (Case c :
         {Case{0, 0, pw::kHitTopLeft}, Case{199, 0, pw::kHitTopRight},
          Case{0, 99, pw::kHitBottomLeft}, Case{199, 99, pw::kHitBottomRight},
          Case{100, 2, pw::kHitTop}, Case{10, 2, pw::kHitTopLeft}, Case{180, 2, pw::kHitTopRight},
          Case{100, 97, pw::kHitBottom}, Case{180, 97, pw::kHitBottomRight},
          Case{2, 50, pw::kHitLeft}, Case{197, 50, pw::kHitRight}, Case{197, 10, pw::kHitTopRight},
          Case{197, 40, pw::kHitRight}, Case{194, 50, pw::kHitCaption},
          Case{100, 50, pw::kHitCaption}, Case{5, 5, pw::kHitCaption}}) {
        pw::HitTest code = pw::kHitNowhere;
        EXPECT_EQ(pw::windowFromPoint(top(), {100 + c.x, 100 + c.y}, &code), top());
        EXPECT_EQ(code, c.code) << "at " << c.x << "," << c.y;
    }
    // While the right button is held the body is client area, so right clicks reach it.
    pw::input::mouseButton(top(), {100, 50}, pw::MouseButton::kRight, true);
    flush();
    pw::HitTest code = pw::kHitNowhere;
    pw::windowFromPoint(top(), {200, 150}, &code);
    EXPECT_EQ(code, pw::kHitClient);
    pw::input::mouseButton(top(), {100, 50}, pw::MouseButton::kRight, false);
    flush();
    window->setEasyDrag(false);
    pw::windowFromPoint(top(), {200, 150}, &code);
    EXPECT_EQ(code, pw::kHitClient);
    // The frame and background come from the drawer.
    pw::update(top());
    pw::Colour c = 0;
    ASSERT_TRUE(pw::pixelAt(top(), {100, 50}, &c));
    EXPECT_EQ(c, frame.background);
    EXPECT_EQ(window->backBufferSize(), (pw::Size{200, 100}));
    window->setWindowDrawer(nullptr, false);
    EXPECT_TRUE(window->isFramed());
}

TEST_F(TopWindow, BackBufferIsReusedUntilItIsMuchTooLarge) {
    window->setWindowDrawer(&frame, false);
    struct Step {
        std::int32_t w, h;
        pw::Size buffer;
    };
    for (Step s : {Step{200, 100, {200, 100}}, Step{180, 90, {200, 100}},  // 0.81: kept
                   Step{150, 90, {150, 90}},                               // 0.675: exact
                   Step{160, 80, {160, 80}},                               // wider: grows
                   Step{160, 80, {160, 80}}}) {
        window->setSize(s.w, s.h);
        pw::update(top());
        EXPECT_EQ(window->backBufferSize(), s.buffer) << s.w << "x" << s.h;
    }
}

TEST_F(TopWindow, EasyDragMovesTheWindowAndMouseButtonsFireTheirCodes) {
    Recorder left, right, rightUp, leftUp, captureEnd, middle;
    window->addLeftDownListener(&left);
    window->addRightDownListener(&right);
    window->addRightUpListener(&rightUp);
    window->addLeftUpListener(&leftUp);
    window->addCaptureEndListener(&captureEnd);
    window->addMiddleDownListener(&middle);
    window->setEasyDrag(true);
    pw::input::mouseMove(top(), {50, 50});
    pw::input::mouseButton(top(), {50, 50}, pw::MouseButton::kLeft, true);
    flush();
    pw::input::mouseMove(top(), {80, 70});
    flush();
    pw::input::mouseButton(top(), {50, 50}, pw::MouseButton::kLeft, false);
    flush();
    EXPECT_EQ(rect(), (pw::Rect{130, 120, 200, 100}));
    EXPECT_EQ(left.events().size(), 1u);
    EXPECT_EQ(leftUp.events().size(), 1u);
    EXPECT_EQ(captureEnd.events().size(), 1u);

    pw::input::mouseButton(top(), {50, 50}, pw::MouseButton::kRight, true);
    pw::input::mouseButton(top(), {50, 50}, pw::MouseButton::kRight, false);
    pw::input::mouseButton(top(), {50, 50}, pw::MouseButton::kMiddle, true);
    flush();
    EXPECT_EQ(right.events().size(), 1u);
    EXPECT_EQ(rightUp.events().size(), 1u);
    EXPECT_EQ(middle.events().size(), 1u);
    EXPECT_EQ(rect(), (pw::Rect{130, 120, 200, 100}));
}

TEST_F(TopWindow, RightPressOpensTheContextMenuAndCommandsReachIt) {
    win::PopupMenu* menu = win::newPopupMenu(-1, nullptr);
    menu->addItem(menuitem::newMenuItemText(u"Copy", 41, false));
    Recorder right, context, chosen;
    window->addRightDownListener(&right);
    window->addContextMenuListener(&context);
    menu->addCommandListener(&chosen);
    window->setContextMenu(menu, nullptr);
    wm->setCursorPosition({150, 150});
    pw::input::mouseButton(top(), {50, 50}, pw::MouseButton::kRight, true);
    pw::Handle popup = pw::kNoWindow;
    ASSERT_TRUE(eventually([&] {
        for (pw::Handle h : pw::topLevelWindows()) {
            if (pw::className(h) == "KavrelPopupMenu") popup = h;
        }
        return popup != pw::kNoWindow;
    }));
    EXPECT_EQ(right.events().size(), 1u);
    EXPECT_EQ(context.events().size(), 1u);
    pw::input::key(popup, pw::vk::kEscape, true);
    flush();
    EXPECT_TRUE(eventually([&] { return !pw::isWindow(popup); }));
    // A command sent to the window goes to the menu that owns it.
    EXPECT_EQ(pw::send(top(), pw::msg::kCommand, 41), 1);
    EXPECT_EQ(pw::send(top(), pw::msg::kCommand, 42), 0);
    EXPECT_EQ(chosen.events().size(), 1u);
    window->setContextMenu(nullptr, nullptr);
    menu->release();
}

TEST_F(TopWindow, MiddleClickActions) {
    window->setMiddleClickAction(u"DoNothing");
    pw::input::mouseButton(top(), {50, 50}, pw::MouseButton::kMiddle, true);
    flush();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(window->isClosed());

    // Iconized is minimised and never hidden: the window list still brings it back.
    window->setMiddleClickAction(u"Iconize");
    pw::input::mouseButton(top(), {50, 50}, pw::MouseButton::kMiddle, true);
    flush();
    EXPECT_TRUE(window->isIconized());
    EXPECT_TRUE(window->isMinimized());
    EXPECT_TRUE(pw::isShown(top()));
    window->restore();
    EXPECT_FALSE(window->isIconized());
    EXPECT_FALSE(window->isMinimized());

    window->setMiddleClickAction(u"Something");
    EXPECT_EQ(window->getMiddleClickAction(), u"DoNothing");
    window->setMiddleClickAction(u"Close");
    pw::input::mouseButton(top(), {50, 50}, pw::MouseButton::kMiddle, true);
    flush();
    EXPECT_TRUE(window->isClosed());
}

TEST_F(TopWindow, TransparencyOnlyWhileOnTop) {
    window->setTransparency(50, true);
    EXPECT_EQ(pw::opacity(top()), 255);
    EXPECT_FALSE(window->isFaded());
    window->setKeepOnTop(true);
    EXPECT_TRUE(pw::isOnTop(top()));
    EXPECT_EQ(pw::opacity(top()), 127);  // 50 * 255 / 100
    pw::HeadlessSurface s;
    ASSERT_TRUE(wm->surface(top(), &s));
    EXPECT_EQ(s.alpha, 127);
    EXPECT_TRUE(s.onTop);
    window->setKeepOnTop(false);
    EXPECT_EQ(pw::opacity(top()), 255);

    window->setTransparency(60, false);
    EXPECT_EQ(pw::opacity(top()), 153);
    window->setTransparency(100, false);
    EXPECT_EQ(pw::opacity(top()), 255);
    EXPECT_EQ(window->getAppliedTransparency(), 100);
}

TEST_F(TopWindow, FadeRunsOnItsTimersAndComesBack) {
    pw::holdTimers(true);
    window->setKeepOnTop(true);
    window->setAutoHide(true, false, true, 1, -1, -1, false);
    wm->setCursorPosition({150, 150});  // inside
    pw::input::mouseMove(top(), {10, 10});
    flush();
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kFadeOutTimer), 10u);
    for (int expected : {80, 60, 40, 20}) {
        timer(win::Window::kFadeOutTimer);
        EXPECT_EQ(window->getAppliedTransparency(), expected);
    }
    timer(win::Window::kFadeOutTimer);
    EXPECT_EQ(window->getAppliedTransparency(), 0);
    EXPECT_EQ(pw::opacity(top()), 0);
    EXPECT_TRUE(window->isFaded());
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kFadeOutTimer), 0u);
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kFadeWaitTimer), 500u);
    // It waits while the pointer is inside, then counts the delay down.
    timer(win::Window::kFadeWaitTimer);
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kFadeInTimer), 0u);
    wm->setCursorPosition({10, 10});
    timer(win::Window::kFadeWaitTimer);
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kFadeInTimer), 0u);
    timer(win::Window::kFadeWaitTimer);
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kFadeWaitTimer), 0u);
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kFadeInTimer), 25u);
    for (int i = 1; i <= 10; ++i) {
        timer(win::Window::kFadeInTimer);
        EXPECT_EQ(window->getAppliedTransparency(), 10 * i);
    }
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kFadeInTimer), 0u);
    EXPECT_FALSE(window->isTransformed());

    // Taken off the top, a window that hides only on top is left alone.
    window->setKeepOnTop(false);
    pw::input::mouseMove(top(), {12, 10});
    flush();
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kFadeOutTimer), 0u);
}

TEST_F(TopWindow, ShrinkRunsOnItsTimersAndIsUndoneByMinimize) {
    pw::holdTimers(true);
    window->setKeepOnTop(true);
    window->setAutoHide(true, true, true, 1, 23, 23, false);
    wm->setCursorPosition({150, 150});
    pw::input::mouseMove(top(), {10, 10});
    flush();
    EXPECT_TRUE(window->isShrunk());
    for (pw::Size s : {pw::Size{160, 80}, pw::Size{120, 60}, pw::Size{80, 40}, pw::Size{40, 40},
                       pw::Size{23, 23}}) {
        timer(win::Window::kShrinkTimer);
        EXPECT_EQ((pw::Size{rect().width, rect().height}), s);
    }
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kShrinkTimer), 0u);
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kShrinkWaitTimer), 1000u);
    timer(win::Window::kShrinkWaitTimer);  // the pointer is inside the full rectangle
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kGrowTimer), 0u);
    wm->setCursorPosition({400, 400});
    timer(win::Window::kShrinkWaitTimer);
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kGrowTimer), 25u);
    for (int i = 0; i < 20 && pw::timerInterval(top(), win::Window::kGrowTimer); ++i) {
        timer(win::Window::kGrowTimer);
    }
    EXPECT_EQ(rect(), (pw::Rect{100, 100, 200, 100}));
    EXPECT_FALSE(window->isShrunk());

    pw::input::mouseMove(top(), {10, 10});
    flush();
    timer(win::Window::kShrinkTimer);
    EXPECT_EQ(rect().width, 160);
    window->minimize();
    EXPECT_TRUE(window->isMinimized());
    EXPECT_FALSE(window->isShrunk());
    EXPECT_EQ(rect(), (pw::Rect{100, 100, 200, 100}));
    EXPECT_EQ(pw::timerInterval(top(), win::Window::kShrinkTimer), 0u);
    window->restore();
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(TopWindow, SizingByTheFrameStopsAtTheMinimum) {
    window->setWindowDrawer(&frame, false);
    win::Box* content = win::newBoxFixed(1, 150, 80, 0, 0, 0);
    window->add(content);
    EXPECT_EQ(window->getMinWidth(), 150);
    std::atomic<int> edge{-1};
    Recorder sizing;
    sizing.onCall = [&] { edge = window->getSizingEdge(); };
    window->addSizingListener(&sizing);
    auto drag = [&](pw::Point from, pw::Point to) {
        pw::input::mouseMove(top(), from);
        pw::input::mouseButton(top(), from, pw::MouseButton::kLeft, true);
        flush();
        pw::input::mouseMove(top(), to);
        pw::input::mouseButton(top(), to, pw::MouseButton::kLeft, false);
        flush();
    };
    drag({2, 50}, {182, 50});  // the left edge far to the right
    EXPECT_EQ(rect(), (pw::Rect{150, 100, 150, 100}));
    EXPECT_EQ(edge.load(), 1);
    drag({75, 97}, {75, 37});  // the bottom edge far up
    EXPECT_EQ(rect(), (pw::Rect{150, 100, 150, 80}));
    EXPECT_EQ(edge.load(), 6);
    drag({148, 78}, {198, 98});  // the bottom-right corner out
    EXPECT_EQ(rect(), (pw::Rect{150, 100, 200, 100}));
    EXPECT_EQ(edge.load(), 8);
    // Without enforcement the window follows the pointer down to what the system allows.
    window->setEnforceMinimumSize(false);
    drag({2, 50}, {152, 50});
    EXPECT_EQ(rect().width, 50);
    window->removeAll(true);
}

TEST_F(TopWindow, KeptInsideTheScreenAndReachableWhenAMonitorGoes) {
    wm->setMonitors(
        {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{1920, 0, 1280, 1024}, {1920, 0, 1280, 1024}}});
    window->setPosition(2500, 300);
    EXPECT_TRUE(window->isPlacementValid());
    flush();
    wm->setMonitors({{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}});
    EXPECT_TRUE(eventually([&] { return rect().x == 1720; })) << rect().x;
    EXPECT_EQ(rect().y, 300);
    std::int32_t x = 0;
    onWindowThread([&] { x = window->getX(); });
    EXPECT_EQ(x, 1720);

    window->setKeepInsideScreen(true);
    window->setPosition(1800, 1000);
    EXPECT_EQ(rect(), (pw::Rect{1720, 940, 200, 100}));
    window->setPosition(-50, -20);
    EXPECT_EQ(rect(), (pw::Rect{0, 0, 200, 100}));

    struct Case {
        pw::Rect r;
        bool valid;
    };
    window->setKeepInsideScreen(false);
    for (Case c : {Case{{100, 100, 200, 100}, true}, Case{{100, 100, 10, 100}, false},
                   Case{{1930, 100, 200, 100}, true}, Case{{1931, 100, 200, 100}, false},
                   Case{{-191, 100, 200, 100}, false}, Case{{-190, 100, 200, 100}, true},
                   Case{{100, -91, 200, 100}, false}, Case{{100, 1090, 200, 100}, true}}) {
        window->setBounds(c.r.x, c.r.y, c.r.width, c.r.height);
        EXPECT_EQ(window->isPlacementValid(), c.valid) << c.r.x << "," << c.r.y;
    }
}

TEST_F(TopWindow, SettingsGiveTheGeometryAndTakeItBack) {
    MemorySettings settings;
    settings.setBounds(300, 200, 400, 300);
    settings.put(u"KeepOnTop", 0);
    settings.middle = u"Iconize";
    window->setVisible(false, false);
    window->attachAppWindow(&settings, false);
    EXPECT_EQ(rect(), (pw::Rect{300, 200, 400, 300}));
    EXPECT_TRUE(window->getEasyDrag());
    EXPECT_FALSE(window->isKeptOnTop());
    EXPECT_EQ(window->getMiddleClickAction(), u"Iconize");

    window->setVisible(true, true);
    window->setPosition(350, 250);
    window->setVisible(false, false);
    EXPECT_EQ(settings.getX(), 350);
    EXPECT_EQ(settings.getY(), 250);
    int writes = settings.writes;
    window->setVisible(true, false);
    window->saveGeometry(false);  // nothing changed: nothing written but Maximized
    EXPECT_EQ(settings.writes, writes + 1);
    window->maximize();
    window->saveGeometry(false);
    EXPECT_TRUE(settings.isMaximized());
    EXPECT_EQ(settings.getX(), 350);
    window->restore();
    EXPECT_FALSE(settings.isMaximized());
    window->setKeepOnTop(true);
    EXPECT_TRUE(settings.isKeepOnTop());

    // Empty settings: the default size, centred when first shown.
    MemorySettings empty;
    window->setVisible(false, false);
    window->attachAppWindow(&empty, false);
    window->setVisible(true, false);
    EXPECT_EQ(rect(), (pw::Rect{660, 265, 600, 550}));
}

TEST_F(TopWindow, UserTimerNumberReachesTheListeners) {
    pw::holdTimers(true);
    std::atomic<int> number{-1};
    Recorder timers;
    timers.onCall = [&] { number = window->getTimerNumber(); };
    window->addTimerListener(&timers);
    EXPECT_FALSE(window->startTimer(-1, 100));
    EXPECT_TRUE(window->startTimer(3, 500));
    EXPECT_EQ(pw::timerInterval(top(), 10003), 500u);
    timer(10003);
    EXPECT_EQ(number.load(), 3);
    window->stopTimer(3);
    EXPECT_EQ(pw::timerInterval(top(), 10003), 0u);
    // A real one elapses by itself.
    pw::holdTimers(false);
    number = -1;
    window->startTimer(7, 10);
    EXPECT_TRUE(eventually([&] { return number.load() == 7; }));
    window->stopTimer(7);
}

TEST_F(TopWindow, HotKeysAreNotOfferedAndSaySo) {
    EXPECT_FALSE(window->registerHotKey(false, true, true, false, 65, u"show", false));
    EXPECT_TRUE(wm->shownMessageBoxes().empty() ||
                wm->shownMessageBoxes().back().text.find(u"HotKey") == std::u16string::npos);
    EXPECT_FALSE(window->registerHotKey(false, true, true, false, 65, u"show", true));
    ASSERT_FALSE(wm->shownMessageBoxes().empty());
    EXPECT_EQ(wm->shownMessageBoxes().back().text,
              u"(95) HotKey Ctrl+Shift+65 has been occupied by another application.");
    EXPECT_EQ(win::Window::hotKeyText(true, false, false, true, 112),
              u"HotKey Alt+WinKey+112 has been occupied by another application.");
    EXPECT_FALSE(window->isHotKey(u"show"));
}

TEST_F(TopWindow, FailedCreationReturnsAndReleases) {
    wm->setFailSurfaces(true);
    auto start = std::chrono::steady_clock::now();
    win::Window* failed = win::Window::create();
    wm->setFailSurfaces(false);
    EXPECT_FALSE(failed->hasNativeWindow());
    ASSERT_FALSE(wm->shownMessageBoxes().empty());
    pw::MessageBoxRequest box = wm->shownMessageBoxes().back();
    EXPECT_EQ(box.text, u"Window Creation Failed!");
    EXPECT_EQ(box.title, u"Error!");
    EXPECT_EQ(box.icon, pw::BoxIcon::kWarning);
    // Every native operation does nothing.
    failed->setVisible(true, true);
    failed->close();
    failed->setKeepOnTop(true);
    EXPECT_EQ(failed->postNotification(1, 2, 3, 4), 0);
    EXPECT_FALSE(failed->startTimer(1, 10));
    failed->release();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(TopWindow, CloseWhileAMessageBoxIsOpenWaitsForTheBox) {
    wm->setMessageBoxWindows(true);
    std::atomic<int> answered{-1};
    std::thread asker([&] { answered = window->ask(u"Really?") ? 1 : 0; });
    pw::Handle box = pw::kNoWindow;
    ASSERT_TRUE(eventually([&] {
        for (pw::Handle h : pw::topLevelWindows()) {
            if (pw::className(h) == "LayerMessageBox") box = h;
        }
        return box != pw::kNoWindow;
    }));
    window->close();
    pw::input::closeRequest(top());
    flush();
    EXPECT_FALSE(window->isClosed());
    EXPECT_TRUE(pw::isShown(top()));
    EXPECT_TRUE(pw::isWindow(box));
    pw::input::key(box, pw::vk::kReturn, true);
    asker.join();
    EXPECT_EQ(answered.load(), 1);
    EXPECT_TRUE(eventually([&] { return window->isClosed(); }));
}

TEST_F(TopWindow, SkinnerGivesTheFrameAndChangesIt) {
    drawer::Skinner* skinner = drawer::newSkinner();
    skinner->selectSkin(u"White");
    window->setSkinner(skinner);
    drawer::window::IThin* white = skinner->getCurrentSkin()->getWindowDrawer();
    ASSERT_NE(white, nullptr);
    EXPECT_EQ(window->getWindowDrawer(), white);
    EXPECT_FALSE(window->isFramed());
    skinner->selectSkin(u"Black");
    EXPECT_EQ(window->getWindowDrawer(), skinner->getCurrentSkin()->getWindowDrawer());
    EXPECT_NE(window->getWindowDrawer(), white);
    window->setSkinner(nullptr);
    EXPECT_EQ(window->getWindowDrawer(), nullptr);
    EXPECT_EQ(skinner->getListenerCount(), 0);
    skinner->release();
}

TEST_F(TopWindow, TitleStylesAndIcons) {
    window->setTitle(u"Veritome");
    EXPECT_EQ(window->getTitle(), u"Veritome");
    window->setTitleTexts(-1, -1);  // leaves the title alone
    EXPECT_EQ(window->getTitle(), u"Veritome");
    window->setToolWindow(true);
    window->setResizable(false);
    window->setTaskbarButton(false);
    pw::HeadlessSurface s;
    ASSERT_TRUE(wm->surface(top(), &s));
    EXPECT_EQ(s.style & (pw::kStyleToolWindow | pw::kStyleResizable | pw::kStyleNoTaskbar),
              pw::kStyleToolWindow | pw::kStyleNoTaskbar);
    EXPECT_TRUE(s.visible);
    auto* icon = new pw::Picture(48, 48);
    window->setLargeIcon(icon, true);
    ASSERT_TRUE(wm->surface(top(), &s));
    EXPECT_EQ(s.icon, (pw::Size{48, 48}));
}

}  // namespace
