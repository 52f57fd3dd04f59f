// Widgets at a scale factor: a label's text height (in the default font and at a point size), a
// check box's side and the toolkit's fixed lengths grow by the factor, within a pixel of rounding;
// an open window follows a change of the factor and comes back exactly as it was; list column
// widths stay widths of a 96-dpi screen and drop-down lists hold their widest item.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/ScaleAt.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/combo/IThin.h"
#include "gui/win/Box.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/GroupBox.h"
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

// A window's content nested the way pages are: margins of a box, a group's frame and title, the
// margins of the group's content box, a row inside that.
struct Tree {
    Window* window = nullptr;
    Box* box = nullptr;
    Label* label = nullptr;
    CheckBox* check = nullptr;
    TextField* field = nullptr;
    Label* inGroup = nullptr;
    Label* inRow = nullptr;
};

Tree newTree() {
    Tree t;
    t.window = newWindow(40, 30, 300, 200);
    t.box = newBox(-1, -1, 0, 0, 6, 0, 10, 4, 0);
    t.label = newLabel(u"Hash codes", false, false, 4);
    t.check = newCheckBoxText(u"", false, true, -1, -1);
    t.field = newTextField(100);
    GroupBox* group = newGroupBoxTitled(u"Name and Size", 0, 5, 100, 0);
    t.inGroup = newLabel(u"File Name:");
    Box* row = newBox(100, -1, 0, 1, 2, 0, 7, 3, 0);
    t.inRow = newLabel(u"Size:");
    row->add(t.inRow);
    group->getContentBox()->add(t.inGroup);
    group->getContentBox()->add(row);
    t.box->add(t.label);
    t.box->add(t.check);
    t.box->add(t.field);
    t.box->add(group);
    t.window->add(t.box);
    return t;
}

// Where the widgets stand in their window, read on its thread.
std::vector<pw::Rect> placesIn(const Tree& t) {
    std::vector<pw::Rect> places;
    pw::callOnOwner(t.window->getNativeWindow(), [&]() -> pw::Result {
        for (s::gui::IComponent* c : std::initializer_list<s::gui::IComponent*>{
                 t.box, t.label, t.check, t.field, t.inGroup, t.inRow}) {
            pw::Rect r{0, 0, c->getWidth(), c->getHeight()};
            for (s::gui::IComponent* at = c; at && at != t.window; at = at->getParent()) {
                r.x += at->getOriginX() + at->getX();
                r.y += at->getOriginY() + at->getY();
            }
            places.push_back(r);
        }
        return 1;
    });
    return places;
}

// Within a pixel of rounding: text measured at another factor may round a pixel apart.
void expectNear(const std::vector<pw::Rect>& got, const std::vector<pw::Rect>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "widget " << i << " at " << got[i].x << "," << got[i].y
                                        << " " << got[i].width << "x" << got[i].height);
        EXPECT_NEAR(got[i].x, want[i].x, 1);
        EXPECT_NEAR(got[i].y, want[i].y, 1);
        EXPECT_NEAR(got[i].width, want[i].width, 1);
        EXPECT_NEAR(got[i].height, want[i].height, 1);
    }
}

TEST_F(ScaledWidgets, OpenWindowFollowsAChangeOfTheFactor) {
    ScaleAt at(1.0);
    const Tree open = newTree();
    auto shown = [&] {
        Shown s{};
        pw::callOnOwner(open.window->getNativeWindow(), [&]() -> pw::Result {
            s = {open.window->getWidth(), open.window->getHeight(), open.label->getMinHeight(),
                 open.check->getMinWidth(), open.check->getHeight(), open.field->getMinHeight(),
                 open.box->getMarginLeft()};
            return 1;
        });
        return s;
    };
    const Shown one = shown();
    const std::vector<pw::Rect> placesAtOne = placesIn(open);
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
        // Laid out as a window made at this factor, margins and frames included.
        const Tree fresh = newTree();
        fresh.window->setSize(s.width, s.height);
        expectNear(placesIn(open), placesIn(fresh));
        fresh.window->release();
        // Back at 1 everything is as it was, to the pixel.
        ASSERT_TRUE(pw::changeScale(1.0));
        ASSERT_TRUE(eventually([&] { return shown().width == 300; }));
        EXPECT_EQ(shown(), one);
        EXPECT_EQ(placesIn(open), placesAtOne);
    }
    EXPECT_FALSE(pw::changeScale(1.0));  // no change, no message
    open.window->release();
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
