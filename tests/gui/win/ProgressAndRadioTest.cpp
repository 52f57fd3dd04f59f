// Progress bars keep their values before attaching; radio buttons of one parent are a group.
#include <gtest/gtest.h>

#include "gui/HeadlessWindow.h"
#include "gui/Leaf.h"
#include "gui/win/ProgressBar.h"
#include "gui/win/RadioButton.h"

using s::gui::testing::HeadlessWindow;
using s::gui::testing::Leaf;
using namespace s::gui::win;

namespace {

using ProgressBarWidget = HeadlessWindow;

TEST_F(ProgressBarWidget, ValuesSetBeforeAttachAreShownEmptyRangePaintsEmpty) {
    ProgressBar* bar = newProgressBar();
    bar->setRange(0, 200);
    bar->setPosition(100);
    window->add(bar);
    window->setVisible(true, false);
    platform::window::Colour track = pixel(95, 8);
    EXPECT_NE(pixel(20, 8), track);  // half filled
    EXPECT_EQ(bar->filledWidth(98), 49);
    bar->setRange(50, 50);
    EXPECT_EQ(bar->filledWidth(98), 0);
    EXPECT_EQ(pixel(20, 8), track);
    bar->setRange(10, 0);
    EXPECT_EQ(bar->filledWidth(98), 0);
}

using RadioButtonWidget = HeadlessWindow;

TEST_F(RadioButtonWidget, UserChoiceClearsSiblingsAndFollowsEditLinks) {
    RadioButton* a = newRadioButton(u"Calculate", true);
    RadioButton* b = newRadioButton(u"Verify", false);
    Leaf* code = Leaf::make(10, 10);
    b->linkEditable(code);
    window->add(a);
    window->add(b);
    b->userClick();
    EXPECT_TRUE(b->isChecked());
    EXPECT_FALSE(a->isChecked());
    EXPECT_TRUE(code->isEditable());
    b->userClick();  // a user click never unchecks a radio button
    EXPECT_TRUE(b->isChecked());
    a->userClick();
    EXPECT_FALSE(code->isEditable());
    code->release();
}

}  // namespace
