// A skin: a named bundle of one drawer of each kind, made with the skin's colours.
#pragma once

#include <string>

#include "base/IObject.h"
#include "gui/drawer/button/IThin.h"
#include "gui/drawer/checkbox/IThin.h"
#include "gui/drawer/combo/IThin.h"
#include "gui/drawer/counter/IBasic.h"
#include "gui/drawer/groupbox/IThin.h"
#include "gui/drawer/listbox/IThin.h"
#include "gui/drawer/listheader/IThin.h"
#include "gui/drawer/menu/IBasic.h"
#include "gui/drawer/radiobutton/IThin.h"
#include "gui/drawer/scrollbar/IThin.h"
#include "gui/drawer/slider/IThin.h"
#include "gui/drawer/statusbar/IThin.h"
#include "gui/drawer/tabbox/IThin.h"
#include "gui/drawer/text/IBasic.h"
#include "gui/drawer/window/IThin.h"
#include "thread/IPoolable.h"

namespace s::gui::drawer {

// The skin owns its drawers: a setter releases the drawer it replaces, and a recycled skin
// releases them all. Widgets hold the drawers they take without owning them; they stay valid
// while the skin does (as long as the skinner that holds it).
class ISkin : public base::IObject, public thread::IPoolable {
public:
    virtual std::u16string getName() const = 0;
    virtual void setName(const std::u16string& name) = 0;

    virtual window::IThin* getWindowDrawer() const = 0;
    virtual void setWindowDrawer(window::IThin* drawer) = 0;
    virtual button::IThin* getButtonDrawer() const = 0;
    virtual void setButtonDrawer(button::IThin* drawer) = 0;
    virtual text::IBasic* getTextDrawer() const = 0;
    virtual void setTextDrawer(text::IBasic* drawer) = 0;
    virtual scrollbar::IThin* getScrollBarDrawer() const = 0;
    virtual void setScrollBarDrawer(scrollbar::IThin* drawer) = 0;
    virtual checkbox::IThin* getCheckBoxDrawer() const = 0;
    virtual void setCheckBoxDrawer(checkbox::IThin* drawer) = 0;
    virtual radiobutton::IThin* getRadioButtonDrawer() const = 0;
    virtual void setRadioButtonDrawer(radiobutton::IThin* drawer) = 0;
    virtual slider::IThin* getSliderDrawer() const = 0;
    virtual void setSliderDrawer(slider::IThin* drawer) = 0;
    virtual counter::IBasic* getCounterDrawer() const = 0;
    virtual void setCounterDrawer(counter::IBasic* drawer) = 0;
    virtual listheader::IThin* getListHeaderDrawer() const = 0;
    virtual void setListHeaderDrawer(listheader::IThin* drawer) = 0;
    virtual listbox::IThin* getListBoxDrawer() const = 0;
    virtual void setListBoxDrawer(listbox::IThin* drawer) = 0;
    virtual statusbar::IThin* getStatusBarDrawer() const = 0;
    virtual void setStatusBarDrawer(statusbar::IThin* drawer) = 0;
    virtual menu::IBasic* getMenuDrawer() const = 0;
    virtual void setMenuDrawer(menu::IBasic* drawer) = 0;
    virtual combo::IThin* getComboDrawer() const = 0;
    virtual void setComboDrawer(combo::IThin* drawer) = 0;
    virtual groupbox::IThin* getGroupBoxDrawer() const = 0;
    virtual void setGroupBoxDrawer(groupbox::IThin* drawer) = 0;
    virtual tabbox::IThin* getTabBoxDrawer() const = 0;
    virtual void setTabBoxDrawer(tabbox::IThin* drawer) = 0;
};

}  // namespace s::gui::drawer
