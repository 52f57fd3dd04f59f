// The shared plain drawers.
#include "gui/drawer/Defaults.h"

#include "gui/drawer/Skinner.h"
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
#include "gui/drawer/text/win/Basic.h"
#include "gui/drawer/window/win/Thin.h"

namespace s::gui::drawer {

window::IThin* Defaults::window() {
    static window::IThin* const d = window::win::Thin::create();
    return d;
}
button::IThin* Defaults::button() {
    static button::IThin* const d = button::win::Thin::create();
    return d;
}
text::IBasic* Defaults::text() {
    static text::IBasic* const d = text::win::Basic::create();
    return d;
}
scrollbar::IThin* Defaults::scrollBar() {
    static scrollbar::IThin* const d = scrollbar::win::Thin::create();
    return d;
}
checkbox::IThin* Defaults::checkBox() {
    static checkbox::IThin* const d = checkbox::win::Thin::create();
    return d;
}
radiobutton::IThin* Defaults::radioButton() {
    static radiobutton::IThin* const d = radiobutton::win::Thin::create();
    return d;
}
slider::IThin* Defaults::slider() {
    static slider::IThin* const d = slider::win::Thin::create();
    return d;
}
counter::IBasic* Defaults::counter() {
    static counter::IBasic* const d = counter::win::Basic::create();
    return d;
}
statusbar::IThin* Defaults::statusBar() {
    static statusbar::IThin* const d = statusbar::win::Thin::create();
    return d;
}
menu::IBasic* Defaults::menu() {
    static menu::IBasic* const d = menu::win::Basic::create();
    return d;
}
combo::IThin* Defaults::combo() {
    static combo::IThin* const d = combo::win::Thin::create();
    return d;
}
groupbox::IThin* Defaults::groupBox() {
    static groupbox::IThin* const d = groupbox::win::Thin::create();
    return d;
}

listbox::IThin* Defaults::listBox() {
    static listbox::IThin* const d = listbox::win::Thin::create();
    return d;
}
listheader::IThin* Defaults::listHeader() {
    static listheader::IThin* const d = listheader::win::Thin::create();
    return d;
}

ISkin* Defaults::currentSkin(const Skinner* skinner) {
    return skinner ? skinner->getCurrentSkin() : nullptr;
}

}  // namespace s::gui::drawer
