// Building a "Thin" skin from its six colours.
#include "gui/drawer/skin/Thin.h"

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

ISkin* newThinSkin(const std::u16string& name, Colour background, Colour line, Colour text,
                   Colour sliderSecond, Colour counter1, Colour counter2) {
    Thin* skin = Thin::create();
    skin->setName(name);

    auto* window = window::win::Thin::create();
    window->setFrameColour(line);
    window->setBackgroundColour(background);
    skin->setWindowDrawer(window);

    auto* button = button::win::Thin::create();
    button->setColours(line, line, line);
    button->setLineColour(line);
    button->setFontColours(text, text, text);
    button->setFillColour(line);
    button->setBackgroundColour(background);
    skin->setButtonDrawer(button);

    auto* textDrawer = text::win::Basic::create();
    textDrawer->setFontColours(text, background, text);
    textDrawer->setStateColours(text, text, line);
    skin->setTextDrawer(textDrawer);

    auto* scrollBar = scrollbar::win::Thin::create();
    scrollBar->setLineColour(line);
    scrollBar->setPageColour(background);
    skin->setScrollBarDrawer(scrollBar);

    auto* checkBox = checkbox::win::Thin::create();
    checkBox->setColours(line, text, text);
    skin->setCheckBoxDrawer(checkBox);

    auto* radio = radiobutton::win::Thin::create();
    radio->setColours(line, text, text);
    skin->setRadioButtonDrawer(radio);

    auto* slider = slider::win::Thin::create();
    slider->setColours(line, sliderSecond, sliderSecond);
    skin->setSliderDrawer(slider);

    auto* counter = counter::win::Basic::create();
    counter->setColours(counter1, counter2);
    skin->setCounterDrawer(counter);

    auto* header = listheader::win::Thin::create();
    header->setColours(line, background, text);
    skin->setListHeaderDrawer(header);

    auto* list = listbox::win::Thin::create();
    list->setColours(background, text, line, background, platform::window::rgb(243, 243, 243));
    skin->setListBoxDrawer(list);

    auto* status = statusbar::win::Thin::create();
    status->setLineColour(line);
    skin->setStatusBarDrawer(status);

    auto* menu = menu::win::Basic::create();
    menu->setColours(text, line, background);
    menu->setFontColours(text, background);
    menu->setHighlightColour(line);
    menu->setHighlightFill(false);
    menu->setOffset(true);
    skin->setMenuDrawer(menu);

    auto* combo = combo::win::Thin::create();
    combo->setColours(text, line);
    combo->getButtonDrawer()->setBackgroundColour(background);
    skin->setComboDrawer(combo);

    auto* group = groupbox::win::Thin::create();
    group->setLineColour(line);
    group->setTitleColours(text, background);
    skin->setGroupBoxDrawer(group);

    auto* tabs = tabbox::win::Thin::create();
    tabs->setLineColour(line);
    tabs->setFontColours(text, text);
    skin->setTabBoxDrawer(tabs);
    return skin;
}

}  // namespace s::gui::drawer::skin
