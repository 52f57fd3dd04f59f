// Building a "ThinWindow" skin: which colour goes to which drawer.
#include "gui/drawer/skin/ThinWindow.h"

#include "gui/drawer/button/win/Thin.h"
#include "gui/drawer/checkbox/win/Thin.h"
#include "gui/drawer/combo/win/Thin.h"
#include "gui/drawer/counter/win/Basic.h"
#include "gui/drawer/groupbox/win/Thin.h"
#include "gui/drawer/listbox/win/Thin.h"
#include "gui/drawer/listheader/win/Thin.h"
#include "gui/drawer/menu/win/Basic.h"
#include "gui/drawer/radiobutton/win/Thin.h"
#include "gui/drawer/scrollbar/win/Thin.h"
#include "gui/drawer/slider/win/Thin.h"
#include "gui/drawer/statusbar/win/Thin.h"
#include "gui/drawer/tabbox/win/Thin.h"
#include "gui/drawer/text/win/Basic.h"
#include "gui/drawer/window/win/Thin.h"

namespace s::gui::drawer::skin {

ISkin* newThinWindowSkin(const std::u16string& name, Colour c1, Colour c2, Colour c3, Colour c4,
                         Colour c5, Colour c6, Colour c7, Colour c8, Colour c9, Colour c10,
                         Colour c11, Colour c12, Colour c13, Colour c14, Colour c15) {
    ThinWindow* skin = ThinWindow::create();
    skin->setName(name);

    auto* window = window::win::Thin::create();
    window->setFrameColour(c2);
    window->setBackgroundColour(c1);
    window->setCornerStyles(window::kSquare, window::kSquare);
    skin->setWindowDrawer(window);

    auto* button = button::win::Thin::create();
    button->setColours(c3, c4, c9);
    button->setLineColour(c4);
    button->setFontColours(c6, c3, c10);
    // The face of toggled and pressed buttons: the third button colour, which the pressed text
    // colour is chosen against.
    button->setFillColour(c9);
    button->setBackgroundColour(c1);
    skin->setButtonDrawer(button);

    auto* text = text::win::Basic::create();
    text->setFontColours(c6, c1, c7);
    text->setStateColours(c3, c6, c4);
    skin->setTextDrawer(text);

    auto* scrollBar = scrollbar::win::Thin::create();
    scrollBar->setLineColour(c4);
    scrollBar->setPageColour(c8);
    skin->setScrollBarDrawer(scrollBar);

    auto* checkBox = checkbox::win::Thin::create();
    checkBox->setColours(c4, c6, c3);
    skin->setCheckBoxDrawer(checkBox);

    auto* radio = radiobutton::win::Thin::create();
    radio->setColours(c4, c6, c3);
    skin->setRadioButtonDrawer(radio);

    auto* slider = slider::win::Thin::create();
    slider->setColours(c4, c8, c3);
    skin->setSliderDrawer(slider);

    auto* counter = counter::win::Basic::create();
    counter->setColours(c14, c15);
    skin->setCounterDrawer(counter);

    auto* header = listheader::win::Thin::create();
    header->setColours(c4, c9, c10);
    skin->setListHeaderDrawer(header);

    auto* list = listbox::win::Thin::create();
    list->setColours(c11, c12, c9, c10, c13);
    skin->setListBoxDrawer(list);

    auto* status = statusbar::win::Thin::create();
    status->setLineColour(c4);
    skin->setStatusBarDrawer(status);

    auto* menu = menu::win::Basic::create();
    menu->setColours(c6, c4, c1);
    menu->setFontColours(c6, c1);
    menu->setHighlightColour(c4);
    menu->setHighlightFill(false);
    menu->setOffset(true);
    skin->setMenuDrawer(menu);

    auto* combo = combo::win::Thin::create();
    combo->setColours(c6, c4);
    combo->getButtonDrawer()->setBackgroundColour(c1);
    skin->setComboDrawer(combo);

    auto* group = groupbox::win::Thin::create();
    group->setLineColour(c5);
    group->setTitleColours(c6, c1);
    skin->setGroupBoxDrawer(group);

    auto* tabs = tabbox::win::Thin::create();
    tabs->setLineColour(c4);
    tabs->setFontColours(c6, c6);
    skin->setTabBoxDrawer(tabs);
    return skin;
}

}  // namespace s::gui::drawer::skin
