// The window buttons of a window that paints its own frame, at the right end of its menu bar:
// what each click does, the title row's double click and drag, and glyphs that keep their
// shape at any size.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "gui/drawer/Pixels.h"
#include "gui/drawer/button/win/Glyphs.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/MenuEx.h"
#include "gui/win/PopupMenu.h"
#include "gui/win/TopWindow.h"
#include "platform/window/Text.h"

namespace s::gui::testing {
namespace {

using win::WindowButtons;

class WindowButtonsOnTheBar : public TopWindow {
protected:
    void SetUp() override {
        TopWindow::SetUp();
        window->setSize(300, 120);
        bar = win::newMenuEx();
        win::PopupMenu* view = win::newPopupMenu(-1, nullptr);
        view->setTitle(u"View");
        view->addItem(menuitem::newMenuItemText(u"Keep on Top", 1, false));
        bar->addMenu(view);
        window->add(bar);
        window->setMenuBar(bar);
        window->setWindowDrawer(&frame, false);
        window->addCloseListener(&closing);
        flush();
    }
    void TearDown() override {
        window->setMenuBar(nullptr);
        window->remove(bar, true);
        TopWindow::TearDown();
    }
    // A point of the bar in the window's client coordinates.
    pw::Point onBar(pw::Point p) const {
        return pw::screenToClient(top(), pw::clientToScreen(bar->getNativeWindow(), p));
    }
    pw::Point centreOf(WindowButtons::Kind kind) {
        pw::Rect r;
        onWindowThread([&] {
            const WindowButtons& b = bar->windowButtons();
            for (std::int32_t i = 0; i < b.count(); ++i)
                if (b.kindOf(i) == kind) r = b.rectOf(i);
        });
        EXPECT_FALSE(r.empty()) << "no button " << kind;
        return onBar({r.x + r.width / 2, r.y + r.height / 2});
    }
    // An empty place of the bar, between the entries and the buttons.
    pw::Point emptyBarPart() const { return onBar({bar->getWidth() / 2, bar->getHeight() / 2}); }
    void press(pw::Point p, bool down, int clicks = 1) {
        pw::input::mouseMove(top(), p);
        pw::input::mouseButton(top(), p, pw::MouseButton::kLeft, down, clicks);
        flush();
    }
    void click(pw::Point p) {
        press(p, true);
        press(p, false);
    }

    win::MenuEx* bar = nullptr;
    Recorder closing;
};

TEST_F(WindowButtonsOnTheBar, EachButtonDoesWhatItShowsAndOnlyWhenReleasedOnIt) {
    enum class State { kNormal, kMinimized, kMaximized, kClosed };
    struct Case {
        const char* name;
        std::function<void()> before;
        WindowButtons::Kind button;
        bool releasedElsewhere;
        State after;
    };
    const auto normal = [&] { window->showNormal(); };
    const Case cases[] = {
        {"minimise", normal, WindowButtons::kMinimize, false, State::kMinimized},
        {"maximise", normal, WindowButtons::kMaximize, false, State::kMaximized},
        {"restore", [&] { window->maximize(); }, WindowButtons::kMaximize, false, State::kNormal},
        {"close pressed, released off it", normal, WindowButtons::kClose, true, State::kNormal},
        {"close", normal, WindowButtons::kClose, false, State::kClosed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.before();
        flush();
        const pw::Point at = centreOf(c.button);
        press(at, true);
        press(c.releasedElsewhere ? emptyBarPart() : at, false);
        const State now = window->isClosed()      ? State::kClosed
                          : window->isMinimized() ? State::kMinimized
                          : window->isMaximized() ? State::kMaximized
                                                  : State::kNormal;
        EXPECT_EQ(now, c.after);
    }
    // The close is the window's own: its close listeners heard it once.
    EXPECT_EQ(closing.events().size(), 1u);
}

// The buttons reach the window's top and right edges, inside the frame's sizing strip: there
// the buttons take the pointer, elsewhere along the top the strip still sizes.
TEST_F(WindowButtonsOnTheBar, TheButtonsWinOverTheSizingStrip) {
    pw::Rect close, minimize;
    onWindowThread([&] {
        const WindowButtons& b = bar->windowButtons();
        for (std::int32_t i = 0; i < b.count(); ++i) {
            if (b.kindOf(i) == WindowButtons::kClose) close = b.rectOf(i);
            if (b.kindOf(i) == WindowButtons::kMinimize) minimize = b.rectOf(i);
        }
    });
    ASSERT_FALSE(close.empty());
    struct Case {
        const char* name;
        pw::Point onBar;
        bool button;
    };
    const Case cases[] = {
        {"close, top edge", {close.x + close.width / 2, 0}, true},
        {"close, right edge", {close.right() - 1, close.height / 2}, true},
        {"close, top right corner", {close.right() - 1, 0}, true},
        {"minimise, top edge", {minimize.x + 2, 1}, true},
        {"empty bar part, top edge", {bar->getWidth() / 2, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const pw::Point screen = pw::clientToScreen(bar->getNativeWindow(), c.onBar);
        pw::HitTest code = pw::kHitNowhere;
        const pw::Handle hit = pw::windowFromPoint(top(), screen, &code);
        EXPECT_EQ(hit, c.button ? bar->getNativeWindow() : top());
        EXPECT_EQ(pw::sizingEdgeOf(code) != 0, !c.button);
    }
    // A click on the close button's top edge closes the window.
    click(onBar({close.x + close.width / 2, 0}));
    EXPECT_TRUE(window->isClosed());
}

// The buttons change while one is held: the press ends and the bar lets the pointer go at
// once; the release then clicks nothing.
TEST_F(WindowButtonsOnTheBar, ButtonsChangedWhileOneIsHeldLetThePointerGo) {
    const pw::Point at = centreOf(WindowButtons::kClose);
    press(at, true);
    const auto captured = [&] {
        pw::Handle h = pw::kNoWindow;
        onWindowThread([&] { h = pw::capture(); });
        return h;
    };
    ASSERT_EQ(captured(), bar->getNativeWindow());
    window->setMaximizeBox(false);
    EXPECT_EQ(captured(), pw::kNoWindow);
    press(centreOf(WindowButtons::kClose), false);
    EXPECT_FALSE(window->isClosed());
}

TEST_F(WindowButtonsOnTheBar, TheEmptyBarPartMovesTheWindowAndADoubleClickMaximisesAndRestores) {
    window->setEasyDrag(false);
    const pw::Rect before = rect();
    press(emptyBarPart(), true);
    pw::input::mouseMove(top(), {emptyBarPart().x + 30, emptyBarPart().y + 20});
    flush();
    press(emptyBarPart(), false);
    EXPECT_EQ(rect(), before.offset(30, 20));

    for (bool maximized : {true, false}) {
        press(emptyBarPart(), true);
        press(emptyBarPart(), false);
        press(emptyBarPart(), true, 2);
        press(emptyBarPart(), false, 2);
        EXPECT_EQ(window->isMaximized(), maximized);
    }
    // Below the bar a double click leaves the window as it is, even where easy drag moves it.
    window->setEasyDrag(true);
    const pw::Point body = {150, bar->getHeight() + 20};
    press(body, true, 2);
    press(body, false, 2);
    EXPECT_FALSE(window->isMaximized());
}

TEST_F(WindowButtonsOnTheBar, OnlyAFrameOfItsOwnGetsButtons) {
    const auto count = [&] {
        std::int32_t n = 0;
        onWindowThread([&] { n = bar->windowButtons().count(); });
        return n;
    };
    EXPECT_EQ(count(), 3);
    window->setMaximizeBox(false);
    EXPECT_EQ(count(), 2);
    // The entries keep clear of the buttons.
    EXPECT_GE(bar->getMinWidth(),
              bar->getEntryRect(0).right() + WindowButtons::widthFor(2, bar->getHeight()));
    window->setWindowDrawer(nullptr, false);
    EXPECT_EQ(count(), 0);
}

TEST(WindowGlyphs, KeepTheirShapeAtTwiceTheSize) {
    // Ink bounds of a glyph drawn in a square of side `side`.
    const auto bounds = [](std::u16string_view name, std::int32_t side) {
        Pixels p(side, side);
        drawer::button::win::paintGlyph(p.canvas, {0, 0, side, side}, name, pw::rgb(9, 9, 9));
        pw::Rect r;
        std::int32_t x0 = side, y0 = side, x1 = -1, y1 = -1;
        for (std::int32_t y = 0; y < side; ++y)
            for (std::int32_t x = 0; x < side; ++x)
                if (p.at(x, y) == pw::rgb(9, 9, 9)) {
                    x0 = std::min(x0, x), y0 = std::min(y0, y);
                    x1 = std::max(x1, x), y1 = std::max(y1, y);
                }
        if (x1 >= 0) r = {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
        return std::pair{r, p.count(pw::rgb(9, 9, 9))};
    };
    for (const char16_t* name :
         {u"#WindowMinimize", u"#WindowMaximize", u"#WindowRestore", u"#WindowClose"}) {
        SCOPED_TRACE(pw::toUtf8(name));
        const auto [small, smallInk] = bounds(name, 20);
        const auto [large, largeInk] = bounds(name, 40);
        ASSERT_FALSE(small.empty());
        // Twice the size, centred, with strokes that grow too (more than twice the ink).
        EXPECT_NEAR(large.width, 2 * small.width, 2);
        EXPECT_NEAR(large.height, 2 * small.height, 2);
        EXPECT_NEAR(large.x + large.width / 2, 20, 2);
        EXPECT_GT(largeInk, 3 * smallInk);
    }
    EXPECT_NE(bounds(u"#WindowMaximize", 20).second, bounds(u"#WindowRestore", 20).second);
}

}  // namespace
}  // namespace s::gui::testing
