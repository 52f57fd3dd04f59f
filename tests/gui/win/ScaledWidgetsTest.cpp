// Widgets at a scale factor: a label's text height (in the default font and at a point size), a
// check box's side and the toolkit's fixed lengths grow by the factor, within a pixel of rounding;
// an open window follows a change of the factor and comes back exactly as it was; list column
// widths stay widths of a 96-dpi screen and drop-down lists hold their widest item.
#include <gtest/gtest.h>

#include <cmath>

#include "gui/HeadlessWindow.h"
#include "gui/ScaleAt.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/combo/IThin.h"
#include "gui/win/Box.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/Label.h"
#include "gui/win/ListView.h"
#include "gui/win/ScrollBar.h"
#include "gui/win/TextField.h"

namespace pw = platform::window;
using s::gui::testing::HeadlessWindow;
using s::gui::testing::ScaleAt;
using namespace s::gui::win;

namespace {

struct Sizes {
    std::int32_t plainLabelHeight, pointLabelHeight, checkSide, gapAndMargins;
};

// Made at the factor in use: each widget measures itself when it is made or attached.
Sizes measured() {
    Sizes s{};
    Label* plain = newLabel(u"Hash codes");  // the default font
    s.plainLabelHeight = plain->getMinHeight();
    plain->release();
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
        // The default font is small: its hinted ascent and descent, each rounded up, can put
        // the 1x line a pixel further above the exact height than the scaled one.
        EXPECT_NEAR(s.plainLabelHeight, one.plainLabelHeight * factor, 2.0 + factor / 2);
        EXPECT_NEAR(s.pointLabelHeight, one.pointLabelHeight * factor, 1.0 + factor / 2);
        EXPECT_NEAR(s.checkSide, one.checkSide * factor, 1.0);
        EXPECT_NEAR(s.gapAndMargins, one.gapAndMargins * factor, 1.5);
        EXPECT_EQ(px(ScrollBar::kThickness), std::lround(ScrollBar::kThickness * factor));
    }
}

// What an open window shows, read on its thread.
struct Shown {
    std::int32_t width, height, labelHeight, checkSide, checkHeight, fieldHeight, margin;
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
            s = {open->getWidth(),     open->getHeight(),  label->getMinHeight(),
                 check->getMinWidth(), check->getHeight(), field->getMinHeight(),
                 box->getMarginLeft()};
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

// Column widths go in and come out as widths of a 96-dpi screen, whatever the factor, so that
// a width read back and stored is the one that was set.
TEST(ScaledWidgetsUnits, ColumnWidthsAreWidthsAt96Dpi) {
    for (double factor : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        SCOPED_TRACE(factor);
        ScaleAt at(factor);
        ListView* view = newListView({u"Name", u"Result"}, {120, 7});
        EXPECT_EQ(view->getColumnWidth(0), 120);
        EXPECT_EQ(view->getColumnWidth(1), ListView::kMinColumnWidth);
        view->setColumnWidth(0, 101);
        EXPECT_EQ(view->getColumnWidth(0), 101);
        view->release();
    }
}

// A drop-down list of fixed width keeps it while its items fit in the skin's text area, as
// "Bytes" does at every factor, and grows to show the widest item whole when they do not, as a
// longer word after a change of language.
TEST_F(ScaledWidgets, DropDownWidthHoldsTheWidestItem) {
    s::gui::drawer::Skinner* skinner = s::gui::drawer::newSkinner();
    skinner->selectSkin(skinner->getSkinName(0));
    window->setSkinner(skinner);
    for (double factor : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        SCOPED_TRACE(factor);
        ScaleAt at(factor);
        ComboBox* box = newComboBox(60, true);
        for (const char16_t* text : {u"Bytes", u"KB", u"MB", u"Auto"})
            box->addItem(s::gui::combobox::newComboBoxItem(text, nullptr));
        window->add(box);
        EXPECT_EQ(box->getMinWidth(), px(60));
        EXPECT_EQ(box->getMaxWidth(), px(60));
        box->getItem(3)->setText(u"Automaattinen");
        const std::int32_t longest =
            platform::window::measureText(box->textFont(), u"Automaattinen").width;
        EXPECT_GT(box->getMinWidth(), px(60));
        EXPECT_EQ(box->getMaxWidth(), box->getMinWidth());
        // The text area the drop-down drawer leaves holds the longest item.
        EXPECT_GE(box->getMinWidth() - longest, px(s::gui::drawer::combo::IThin::kTextRoom));
        window->remove(box, true);
    }
    window->setSkinner(nullptr);
    skinner->release();
}

}  // namespace
