// Group boxes: the title as given, the content below it, and enabling that reaches the content.
#include <gtest/gtest.h>

#include "gui/HeadlessWindow.h"
#include "gui/Leaf.h"
#include "gui/drawer/Defaults.h"
#include "gui/win/GroupBox.h"

using s::gui::testing::HeadlessWindow;
using s::gui::testing::Leaf;
using namespace s::gui::win;

namespace {

using GroupBoxWidget = HeadlessWindow;

TEST_F(GroupBoxWidget, TitleShownAsGivenContentBelowIt) {
    GroupBox* plain = newGroupBoxTitled(u"Save  As", 0, 0, 100, 1);
    GroupBox* amp = newGroupBoxTitled(u"Save & As", 0, 0, 100, 1);
    EXPECT_EQ(amp->getTitle(), u"Save & As");
    // "&" is drawn like any character: the title keeps its width, the space it replaced.
    std::int32_t w1 = 0, h1 = 0, w2 = 0, h2 = 0;
    s::gui::drawer::Defaults::groupBox()->measureTitle(u"Save & As", amp->getTitleFont(), &w1, &h1);
    s::gui::drawer::Defaults::groupBox()->measureTitle(u"Save  As", plain->getTitleFont(), &w2,
                                                       &h2);
    EXPECT_GT(w1, w2);

    amp->getContentBox()->add(Leaf::make(30, 30, 10, 10));
    window->add(amp);
    window->setVisible(true, false);
    EXPECT_GE(amp->getContentBox()->getY() + amp->getMarginTop(), h1);
    EXPECT_GT(amp->getMinHeight(), 10 + h1);
    plain->release();
}

TEST_F(GroupBoxWidget, EnablingTracksTheContentWhenAsked) {
    GroupBox* group = newGroupBoxTitled(u"Options", 0, 0, 100, 1);
    window->add(group);
    group->setContentTracksEnabled(true);
    group->setEnabled(false);
    EXPECT_FALSE(group->getContentBox()->isEnabled());
    group->setEnabled(true);
    EXPECT_TRUE(group->getContentBox()->isEnabled());
}

}  // namespace
