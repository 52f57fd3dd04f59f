// A wheel turn over a widget inside a scrolled page scrolls the page: no widget keeps a turn it
// has no use for.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/Leaf.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/Label.h"
#include "gui/win/ScrollBox.h"
#include "gui/win/Slider.h"
#include "gui/win/TextEdit.h"
#include "gui/win/TextField.h"
#include "platform/window/Input.h"

namespace pw = platform::window;

namespace s::gui::win {
namespace {

struct WheelCase {
    const char* what;
    std::function<Component*()> make;
};

// A page 100 x 100 whose column holds the widget at the top and a tall filler under it.
class WheelOverWidget : public gui::testing::HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        window->setBounds(0, 0, 100, 100);
        page = newScrollBox(100, 100);
        column = newPlainBox();
        page->getViewBox()->add(column);
        window->add(page);
        page->setScrollable(true);
        window->setVisible(true, false);
    }
    void TearDown() override {
        window->removeAll(true);
        HeadlessWindow::TearDown();
    }
    std::int32_t position() {
        return onOwner([&] { return page->getVerticalBar()->info().getPosition(); });
    }

    ScrollBox* page = nullptr;
    Box* column = nullptr;
};

TEST_F(WheelOverWidget, TurnsOverWidgetsScrollThePage) {
    const std::vector<WheelCase> cases = {
        {"button", [] { return newButton(u"Copy", 60, 24); }},
        {"disabled button",
         [] {
             Button* b = newButton(u"Copy", 60, 24);
             b->setEnabled(false);
             return b;
         }},
        {"check box", [] { return newCheckBoxText(u"SHA-1", true, true, 80, 20); }},
        {"link label",
         [] {
             Label* l = newLabel(u"a link");
             l->setStateFonts(true);
             return l;
         }},
        {"text field", [] { return newTextField(100); }},
        {"disabled text field",
         [] {
             TextField* f = newTextField(100);
             f->setEnabled(false);
             return f;
         }},
        {"text area with little text",
         [] {
             TextEdit* e = newTextEdit(100);
             e->setComponentPercentHeight(-1);
             e->setComponentFixedHeight(40);
             e->setText(u"short", false);
             return e;
         }},
        {"slider", [] { return newSlider(0, 10, 80); }},
        {"drop-down list without the focus",
         [] {
             ComboBox* c = newComboBox(80, true);
             c->addItem(combobox::newComboBoxItem(u"MD5", u"md5"));
             c->addItem(combobox::newComboBoxItem(u"SHA-1", u"sha1"));
             return c;
         }},
    };
    for (const WheelCase& c : cases) {
        SCOPED_TRACE(c.what);
        Component* widget = c.make();
        column->add(widget);
        column->add(gui::testing::Leaf::make(50, 50, 300, 300));
        ASSERT_TRUE(page->getVerticalBar()->isVisibleFlag());
        auto* combo = dynamic_cast<ComboBox*>(widget);
        std::int32_t selected = combo ? combo->getSelectedIndex() : 0;
        pw::Point at{widget->getX() + 5, widget->getY() + widget->getHeight() / 2};
        pw::input::mouseMove(top(), at);
        pw::input::mouseWheel(top(), at, -120);
        EXPECT_TRUE(eventually([&] { return position() == 45; }));
        if (combo) {
            EXPECT_EQ(onOwner([&] { return combo->getSelectedIndex(); }), selected)
                << "the list kept its selection";
        }
        column->removeAll(true);
        page->resetScroll();
    }
}

}  // namespace
}  // namespace s::gui::win
