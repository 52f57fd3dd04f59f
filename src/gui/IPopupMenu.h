// The contract of drop-down and context menus: an ordered list of menu items and sub-menus.
#pragma once

#include <cstdint>
#include <string>

#include "gui/events/IEventListener.h"
#include "platform/window/Types.h"

namespace s::lang {
class Localizer;
}

namespace s::gui {

namespace menuitem {
class MenuItem;
}

class IPopupMenu : public events::IEventListener {
public:
    // Releases every item and sub-menu and leaves the language pack's listeners.
    virtual void destroy() = 0;
    // From its own language pack: every item's text and every sub-menu title is fetched again.
    void onEvent(void* source, std::int32_t code) override = 0;
    // Items are owned by the menu from here on (released with it).
    virtual void addItem(menuitem::MenuItem* item) = 0;
    virtual void insertItem(std::int32_t position, menuitem::MenuItem* item) = 0;
    virtual void clear() = 0;
    virtual bool removeAt(std::int32_t position) = 0;
    virtual bool removeCommand(std::int32_t command) = 0;
    virtual bool removeValue(menuitem::MenuItem* value) = 0;
    // The command item of this menu (not its sub-menus); separators never match.
    virtual menuitem::MenuItem* findItem(std::int32_t command) const = 0;
    virtual bool ownsCommand(std::int32_t command) const = 0;  // sub-menus too
    virtual bool indexOfCommand(std::int32_t command, std::int32_t* index) const = 0;
    virtual bool indexOfValue(const menuitem::MenuItem* value, std::int32_t* index) const = 0;
    virtual void setSubMenuEnabled(IPopupMenu* subMenu, bool enabled) = 0;
    virtual bool enableCommand(std::int32_t command, bool enabled) = 0;  // sub-menus too
    virtual void addSubMenu(IPopupMenu* menu) = 0;
    virtual void setLanguagePack(lang::Localizer* pack) = 0;
    virtual bool isChecked(std::int32_t command) const = 0;      // sub-menus too
    virtual bool setChecked(std::int32_t command, bool on) = 0;  // sub-menus too
    virtual bool setItemText(std::int32_t command, const std::u16string& text) = 0;
    virtual bool setItemTextNumber(std::int32_t command, std::int32_t number) = 0;
    virtual void refreshTexts() = 0;
    virtual std::u16string getTitle() const = 0;
    virtual void setTitleNumber(std::int32_t number) = 0;
    virtual void setTitle(const std::u16string& text) = 0;
    // A radio mark on the item at position; the others in first..last (clipped to the list)
    // lose their check. A position outside the range checks nothing.
    virtual void checkRadio(std::int32_t position, std::int32_t first, std::int32_t last) = 0;
    virtual void checkRadioAll(std::int32_t position) = 0;
    virtual bool checkRadioCommand(std::int32_t command) = 0;
    virtual bool checkRadioValue(const menuitem::MenuItem* value) = 0;
    // Listeners get onEvent(menu, 0) when an item of this menu was chosen.
    virtual void addCommandListener(events::IEventListener* listener) = 0;
    virtual void choose(menuitem::MenuItem* item) = 0;
    virtual menuitem::MenuItem* getChosenItem() const = 0;
    // Opens the menu on the owner's thread and waits until it closes; answers whether an item
    // was chosen (its menu has fired its command listeners then). showAbove puts the bottom
    // edge at y; showAt the top-left corner at (x, y). Screen coordinates.
    virtual bool showAbove(std::int32_t x, std::int32_t y, platform::window::Handle owner) = 0;
    virtual bool showAt(std::int32_t x, std::int32_t y, platform::window::Handle owner) = 0;
    virtual std::int32_t getCount() const = 0;
    virtual menuitem::MenuItem* getItem(std::int32_t position) const = 0;
    // The menu that owns the command (this one or a sub-menu), or null.
    virtual IPopupMenu* menuOfCommand(std::int32_t command) = 0;
    virtual void release() = 0;
};

}  // namespace s::gui
