// Check boxes: user clicks fire listeners and links; the program's changes fire nothing.
#include <gtest/gtest.h>

#include "gui/HeadlessWindow.h"
#include "gui/Leaf.h"
#include "gui/Recorder.h"
#include "gui/win/CheckBox.h"
#include "platform/window/Input.h"

namespace pw = platform::window;
using s::gui::testing::HeadlessWindow;
using s::gui::testing::Leaf;
using s::gui::testing::Recorder;
using namespace s::gui::win;

namespace {

using CheckBoxWidget = HeadlessWindow;

TEST_F(CheckBoxWidget, UserClickFollowsLinksProgramSetDoesNot) {
    CheckBox* box = newCheckBoxText(u"Upper case", false, true, -1, -1);
    Leaf* linked = Leaf::make(10, 10, 10, 10);
    linked->setEnabled(false);
    box->linkEnable(linked);
    Recorder checked, unchecked;
    box->addCheckedListener(&checked);
    box->addUncheckedListener(&unchecked);
    window->add(box);
    window->add(linked);
    window->setVisible(true, false);

    box->setChecked(true);
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(linked->isEnabled());  // the program sets the linked components itself
    box->setChecked(false);

    pw::input::mouseButton(top(), {3, 3}, pw::MouseButton::kLeft, true);
    pw::input::mouseButton(top(), {3, 3}, pw::MouseButton::kLeft, false);
    ASSERT_TRUE(checked.waitFor(1));
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(linked->isEnabled());
    EXPECT_EQ(checked.events()[0].second, 1);

    box->userClick();
    ASSERT_TRUE(unchecked.waitFor(1));
    EXPECT_EQ(unchecked.events()[0].second, 2);
    EXPECT_FALSE(linked->isEnabled());

    // With events off a user change is stored but tells nobody.
    box->setEventsEnabled(false);
    box->userClick();
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(linked->isEnabled());
    EXPECT_EQ(checked.events().size(), 1u);
}

TEST_F(CheckBoxWidget, CheckMarkIsPainted) {
    CheckBox* box = newCheckBoxText(u"", false, true, 20, 20);
    window->add(box);
    window->setVisible(true, false);
    pw::Colour white = pixel(6, 6);
    box->setChecked(true);
    int dark = 0;
    for (int y = 2; y < 11; ++y) {
        for (int x = 2; x < 11; ++x) dark += pixel(x, y) != white;
    }
    EXPECT_GT(dark, 4);
}

}  // namespace
