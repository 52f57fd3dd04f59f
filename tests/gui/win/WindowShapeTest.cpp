// The window drawer's corners given to the native window as its shape, and the state a window
// minimised from maximised comes back in.
#include <gtest/gtest.h>

#include "gui/drawer/window/win/Thin.h"
#include "gui/win/TopWindow.h"
#include "platform/window/Popup.h"

namespace s::gui::testing {
namespace {

bool shapeCovers(const std::vector<pw::Rect>& shape, pw::Point p) {
    for (const pw::Rect& r : shape)
        if (r.contains(p)) return true;
    return false;
}

std::vector<pw::Rect> surfaceShape(pw::HeadlessBackend* wm, pw::Handle top) {
    pw::HeadlessSurface s;
    EXPECT_TRUE(wm->surface(top, &s));
    return s.shape;
}

TEST_F(TopWindow, RoundedFrameShapesTheWindowUnlessMaximised) {
    EXPECT_TRUE(surfaceShape(wm, top()).empty());
    auto* frame = drawer::window::win::Thin::create();
    frame->setCornerStyles(drawer::window::kRound, drawer::window::kRound);
    window->setWindowDrawer(frame, true);
    std::vector<pw::Rect> shape = surfaceShape(wm, top());
    ASSERT_FALSE(shape.empty());
    EXPECT_EQ(pw::shapeOf(top()), shape);
    EXPECT_FALSE(shapeCovers(shape, {0, 0}));
    EXPECT_FALSE(shapeCovers(shape, {199, 99}));
    EXPECT_TRUE(shapeCovers(shape, {100, 0}));
    EXPECT_TRUE(shapeCovers(shape, {0, 50}));

    // A resize by the display cuts the corners of the new size.
    pw::input::resized(top(), {300, 150});
    flush();
    shape = surfaceShape(wm, top());
    EXPECT_FALSE(shapeCovers(shape, {299, 149}));
    EXPECT_TRUE(shapeCovers(shape, {299, 75}));
    EXPECT_TRUE(shapeCovers(shape, {150, 149}));

    // Maximised the window is a plain rectangle; restored its corners come back.
    window->maximize();
    EXPECT_TRUE(surfaceShape(wm, top()).empty());
    window->restore();
    EXPECT_FALSE(surfaceShape(wm, top()).empty());

    // Square corners and no drawer leave the window unshaped. The window's thread paints with
    // the drawer, so its corners change there.
    const auto corners = [&](std::int32_t style) {
        pw::callOnOwner(top(), [&] {
            frame->setCornerStyles(style, style);
            return pw::Result{0};
        });
    };
    corners(drawer::window::kSquare);
    window->setWindowDrawer(frame, true);
    EXPECT_TRUE(surfaceShape(wm, top()).empty());
    corners(drawer::window::kRound);
    window->setWindowDrawer(frame, true);
    EXPECT_FALSE(surfaceShape(wm, top()).empty());
    window->setWindowDrawer(nullptr, false);
    EXPECT_TRUE(surfaceShape(wm, top()).empty());
}

TEST_F(TopWindow, RestoreBringsBackTheStateBeforeMinimising) {
    struct Case {
        const char* name;
        bool maximisedBefore;
        bool minimisedByDisplay;  // the user minimised it through the desktop
        pw::ShowState restored;
    };
    const Case cases[] = {
        {"maximised, minimised by program", true, false, pw::ShowState::kMaximised},
        {"maximised, minimised by the desktop", true, true, pw::ShowState::kMaximised},
        {"normal, minimised by program", false, false, pw::ShowState::kNormal},
        {"normal, minimised by the desktop", false, true, pw::ShowState::kNormal},
    };
    MemorySettings settings;
    window->attachAppWindow(&settings, false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->showNormal();
        settings.setMaximized(c.maximisedBefore);  // as the window saved it
        if (c.maximisedBefore) window->maximize();
        if (c.minimisedByDisplay) {
            pw::input::showStateChanged(top(), pw::ShowState::kMinimised);
            flush();
        } else {
            window->minimize();
        }
        ASSERT_TRUE(window->isMinimized());
        window->restore();
        EXPECT_EQ(pw::showState(top()), c.restored);
        pw::HeadlessSurface s;
        ASSERT_TRUE(wm->surface(top(), &s));
        EXPECT_EQ(s.showState, c.restored);
        EXPECT_EQ(settings.isMaximized(), c.restored == pw::ShowState::kMaximised);
        // A second restore of a window that is not minimised goes to the normal size.
        window->restore();
        EXPECT_EQ(pw::showState(top()), pw::ShowState::kNormal);
    }
}

}  // namespace
}  // namespace s::gui::testing
