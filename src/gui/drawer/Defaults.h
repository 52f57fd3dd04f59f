// The plain drawers widgets paint with while no skin is current: one shared drawer of each
// kind in the default (white theme) colours, made on first use and kept for the process.
// They are never changed after they are made, so any thread may paint with them.
#pragma once

#include "gui/drawer/ISkin.h"

namespace s::gui::drawer {

class Skinner;

class Defaults {
public:
    static window::IThin* window();
    static button::IThin* button();
    static text::IBasic* text();
    static scrollbar::IThin* scrollBar();
    static checkbox::IThin* checkBox();
    static radiobutton::IThin* radioButton();
    static slider::IThin* slider();
    static counter::IBasic* counter();
    static statusbar::IThin* statusBar();
    static menu::IBasic* menu();
    static combo::IThin* combo();
    static groupbox::IThin* groupBox();
    static listbox::IThin* listBox();
    static listheader::IThin* listHeader();

    // The current skin of the skinner, or null when there is no skinner or no current skin.
    static ISkin* currentSkin(const Skinner* skinner);
};

}  // namespace s::gui::drawer
