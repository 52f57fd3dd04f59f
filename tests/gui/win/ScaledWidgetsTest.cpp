// Widgets at a scale factor: a label's text height (a point size), a check box's
// side and the toolkit's fixed lengths grow by the factor, within a pixel of rounding.
#include <gtest/gtest.h>

#include <cmath>

#include "gui/HeadlessWindow.h"
#include "gui/ScaleAt.h"
#include "gui/win/Box.h"
#include "gui/win/CheckBox.h"
#include "gui/win/Label.h"
#include "gui/win/ScrollBar.h"

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

}  // namespace
