// The contract of the self-drawn menu bar: command entries and popup-menu entries in a row.
#pragma once

#include <cstdint>

#include "gui/IComponent.h"

namespace s::lang {
class Localizer;
}

namespace s::gui {

namespace menuitem {
class MenuItem;
}
namespace drawer::menu {
class IBasic;
}
class IPopupMenu;

class IMenuEx : public virtual IComponent {
public:
    // Font changes go to both fonts, then the bar is measured again.
    virtual void setSizeCode(std::int32_t code) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setUnderline(bool on) = 0;
    virtual void setPercentWidth(std::int32_t percent) = 0;
    virtual void setPercentHeight(std::int32_t percent) = 0;
    virtual void setFixedWidth(std::int32_t width) = 0;
    virtual void setFixedHeight(std::int32_t height) = 0;
    // Room around an entry's text: a on the left and right, b above and below.
    virtual void setSpacing(std::int32_t a, std::int32_t b) = 0;
    // A command entry on the bar itself; the bar owns the item from here on.
    virtual void addItem(menuitem::MenuItem* item) = 0;
    // An entry that opens the popup under it; the bar owns the menu from here on.
    virtual void addMenu(IPopupMenu* menu) = 0;
    virtual std::int32_t getEntryCount() const = 0;
    // The command belongs to a bar entry or to one of the popups (sub-menus included).
    virtual bool ownsCommand(std::int32_t command) const = 0;
    virtual bool isChecked(std::int32_t command) const = 0;
    virtual bool setChecked(std::int32_t command, bool on) = 0;
    virtual bool enableCommand(std::int32_t command, bool enabled) = 0;
    virtual bool checkRadioCommand(std::int32_t command) = 0;
    virtual bool setItemText(std::int32_t command, const std::u16string& text) = 0;
    // The popup entry (or its sub-menu) that holds the command, or null.
    virtual IPopupMenu* menuOfCommand(std::int32_t command) = 0;
    // Listeners get onEvent(bar, 0) when a command was chosen, on the bar or in one of its
    // popups; getChosenItem tells which.
    virtual void addCommandListener(events::IEventListener* listener) = 0;
    virtual void choose(menuitem::MenuItem* item) = 0;
    // A command that reached the window: chosen through the popup that owns it (whose command
    // listeners fire, and the bar's with them) or on the bar. False when no entry owns it.
    virtual bool chooseCommand(std::int32_t command) = 0;
    virtual menuitem::MenuItem* getChosenItem() const = 0;
    // Listeners get onEvent(bar, 0) after the entry texts were fetched again on a language
    // change of the bar's language pack.
    virtual void addRefreshListener(events::IEventListener* listener) = 0;
    virtual void setLanguagePack(lang::Localizer* pack) = 0;
    // Null: the shared menu drawer. An owned drawer is released with the bar.
    virtual void setMenuDrawer(drawer::menu::IBasic* drawer, bool owned) = 0;
    virtual void setFlag(bool on) = 0;
    // The whole bar is one entry (entry 0); both fonts become bold.
    virtual void setOneEntry(bool on) = 0;
    virtual void refreshTexts() = 0;
    // Listeners get onEvent(bar, 1) just before a popup opens.
    virtual void addPopupOpenedListener(events::IEventListener* listener) = 0;
    // Moving onto a popup entry while nothing is open opens it.
    virtual void setAutoOpen(bool on) = 0;
};

}  // namespace s::gui
