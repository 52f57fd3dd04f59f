// Widgets at a scale factor: a label's text height (a point size), a check box's
// side and the toolkit's fixed lengths grow by the factor, within a pixel of rounding; an open
// window follows a change of the factor and comes back exactly as it was.
#include <gtest/gtest.h>

#include <cmath>

#include "gui/HeadlessWindow.h"
#include "gui/ScaleAt.h"
#include "gui/win/Box.h"
#include "gui/win/CheckBox.h"
#include "gui/win/Label.h"
#include "gui/win/ScrollBar.h"
#include "gui/win/TextField.h"

namespace pw = platform::window;
using s::gui::testing::HeadlessWindow;
using s::gui::testing::ScaleAt;
using namespace s::gui::win;

namespace {

struct Sizes {
    std::int32_t pointLabelHeight, checkSide, gapAndMargins;
};

// Made at the factor in use: each widget measures itself when it is made or attached.
Sizes measured() {
    Sizes s{};
    Label* sized = newLabel(u"Hash codes", false, false, 4);  // 14 points
    s.pointLabelHeight = sized->getMinHeight();
    sized->release();
    // A check box measures itself with its window's drawer.
    Window* window = newWindow(0, 0, 100, 60);
    CheckBox* check = newCheckBoxText(u"", false, true, -1, -1);
    window->add(check);
    s.checkSide = check->getMinWidth();
    window->release();
    Box* box = newBox(-1, -1, 0, 0, 6, 0, 10, 4, 0);
    s.gapAndMargins = box->getHorizontalGap() + box->getMarginLeft() + box->getMarginTop();
    box->release();
    return s;
}

using ScaledWidgets = HeadlessWindow;

TEST_F(ScaledWidgets, MeasuresGrowByTheFactor) {
    Sizes one;
    {
        ScaleAt at(1.0);
        one = measured();
    }
    EXPECT_EQ(one.checkSide, 13);
    EXPECT_EQ(one.gapAndMargins, 20);
    for (double factor : {1.25, 1.5, 2.0}) {
        ScaleAt at(factor);
        Sizes s = measured();
        SCOPED_TRACE(factor);
        // Text is laid out again at the larger size, so its height may round a pixel apart.
        EXPECT_NEAR(s.pointLabelHeight, one.pointLabelHeight * factor, 1.0 + factor / 2);
        EXPECT_NEAR(s.checkSide, one.checkSide * factor, 1.0);
        EXPECT_NEAR(s.gapAndMargins, one.gapAndMargins * factor, 1.5);
        EXPECT_EQ(px(ScrollBar::kThickness), std::lround(ScrollBar::kThickness * factor));
    }
}

// What an open window shows, read on its thread.
struct Shown {
    std::int32_t width, height, labelHeight, checkSide, fieldHeight, margin;
    bool operator==(const Shown&) const = default;
};

TEST_F(ScaledWidgets, OpenWindowFollowsAChangeOfTheFactor) {
    ScaleAt at(1.0);
    Window* open = newWindow(40, 30, 300, 200);
    Box* box = newBox(-1, -1, 0, 0, 6, 0, 10, 4, 0);
    Label* label = newLabel(u"Hash codes", false, false, 4);
    CheckBox* check = newCheckBoxText(u"", false, true, -1, -1);
    TextField* field = newTextField(100);
    box->add(label);
    box->add(check);
    box->add(field);
    open->add(box);
    auto shown = [&] {
        Shown s{};
        pw::callOnOwner(open->getNativeWindow(), [&]() -> pw::Result {
            s = {open->getWidth(),     open->getHeight(),     label->getMinHeight(),
                 check->getMinWidth(), field->getMinHeight(), box->getMarginLeft()};
            return 1;
        });
        return s;
    };
    const Shown one = shown();
    EXPECT_EQ(one.width, 300);
    EXPECT_EQ(one.margin, 10);
    for (double factor : {2.0, 1.5}) {
        SCOPED_TRACE(factor);
        ASSERT_TRUE(pw::changeScale(factor));
        const auto want = [&](std::int32_t v) { return std::lround(v * factor); };
        ASSERT_TRUE(eventually([&] { return shown().width == want(300); }));
        Shown s = shown();
        EXPECT_EQ(s.height, want(200));
        EXPECT_NEAR(s.labelHeight, one.labelHeight * factor, 1.0 + factor / 2);
        EXPECT_NEAR(s.checkSide, one.checkSide * factor, 1.0);
        EXPECT_NEAR(s.fieldHeight, one.fieldHeight * factor, 1.0 + factor / 2);
        EXPECT_EQ(s.margin, want(10));
        // Back at 1 everything is as it was, to the pixel.
        ASSERT_TRUE(pw::changeScale(1.0));
        ASSERT_TRUE(eventually([&] { return shown().width == 300; }));
        EXPECT_EQ(shown(), one);
    }
    EXPECT_FALSE(pw::changeScale(1.0));  // no change, no message
    open->release();
}

}  // namespace
