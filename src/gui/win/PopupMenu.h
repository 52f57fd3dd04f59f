// Drop-down and context menus: the item list, sub-menus, check and radio marks, texts from the
// language pack, and the popup window that shows the menu and waits for a choice.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/IObject.h"
#include "gui/IPopupMenu.h"
#include "gui/menuitem/MenuItem.h"
#include "thread/Pooled.h"

namespace s::gui::win {

// A menu opened from the menu bar by the keyboard: its first entry highlighted, and Left or
// Right where they open or close no sub-menu going on to the bar's entry beside (-1, 1).
struct BarKeys {
    bool highlightFirst = false;
    std::function<void(std::int32_t)> beside;
};

class PopupMenu : public base::IObject, public IPopupMenu, public thread::Pooled<PopupMenu> {
public:
    PopupMenu() = default;
    ~PopupMenu() override;
    const char16_t* typeName() const override { return u"s_gui_win_PopupMenu"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override;
    void release() override { thread::Pooled<PopupMenu>::release(); }

    void destroy() override;
    void onEvent(void* source, std::int32_t code) override;
    void addItem(menuitem::MenuItem* item) override;
    void insertItem(std::int32_t position, menuitem::MenuItem* item) override;
    void clear() override;
    bool removeAt(std::int32_t position) override;
    bool removeCommand(std::int32_t command) override;
    bool removeValue(menuitem::MenuItem* value) override;
    menuitem::MenuItem* findItem(std::int32_t command) const override;
    bool ownsCommand(std::int32_t command) const override;
    bool indexOfCommand(std::int32_t command, std::int32_t* index) const override;
    bool indexOfValue(const menuitem::MenuItem* value, std::int32_t* index) const override;
    void setSubMenuEnabled(IPopupMenu* subMenu, bool enabled) override;
    bool enableCommand(std::int32_t command, bool enabled) override;
    void addSubMenu(IPopupMenu* menu) override;
    void setLanguagePack(lang::Localizer* pack) override;
    bool isChecked(std::int32_t command) const override;
    bool setChecked(std::int32_t command, bool on) override;
    bool setItemText(std::int32_t command, const std::u16string& text) override;
    bool setItemTextNumber(std::int32_t command, std::int32_t number) override;
    void refreshTexts() override;
    std::u16string getTitle() const override;
    void setTitleNumber(std::int32_t number) override;
    void setTitle(const std::u16string& text) override;
    void checkRadio(std::int32_t position, std::int32_t first, std::int32_t last) override;
    void checkRadioAll(std::int32_t position) override;
    bool checkRadioCommand(std::int32_t command) override;
    bool checkRadioValue(const menuitem::MenuItem* value) override;
    void addCommandListener(events::IEventListener* listener) override;
    void choose(menuitem::MenuItem* item) override;
    menuitem::MenuItem* getChosenItem() const override { return chosen_; }
    bool showAbove(std::int32_t x, std::int32_t y, platform::window::Handle owner) override;
    bool showAt(std::int32_t x, std::int32_t y, platform::window::Handle owner) override;
    std::int32_t getCount() const override { return static_cast<std::int32_t>(items_.size()); }
    menuitem::MenuItem* getItem(std::int32_t position) const override;
    IPopupMenu* menuOfCommand(std::int32_t command) override;

    // The window the menu belongs to (its menu bar's or the one it is shown over), handed down
    // to its items and sub-menus: the setters of all of them, called on any thread, run on that
    // window's thread, which paints them. Without one they run on the caller.
    void setOwnerWindow(platform::window::Handle owner);
    platform::window::Handle getOwnerWindow() const { return owner_.load(); }

    lang::Localizer* getLanguagePack() const { return pack_; }
    const std::vector<IPopupMenu*>& getSubMenus() const { return subMenus_; }
    // Opens the menu with its top-left corner at (x, y), or its bottom edge at y when above;
    // the flip height is how far it moves up when it does not fit below.
    bool track(std::int32_t x, std::int32_t y, bool above, std::int32_t flipHeight,
               platform::window::Handle owner, const BarKeys& keys = {});

private:
    template <class Work>
    auto change(Work&& work) -> decltype(work());
    void releaseItem(menuitem::MenuItem* item);
    menuitem::MenuItem* commandItemDeep(std::int32_t command) const;

    std::atomic<platform::window::Handle> owner_{0};
    lang::Localizer* pack_ = nullptr;
    bool registered_ = false;  // listens to pack_
    std::u16string title_;
    std::int32_t titleNumber_ = -1;
    std::vector<menuitem::MenuItem*> items_;  // sub-menu entries included, in display order
    std::vector<IPopupMenu*> subMenus_;
    std::vector<events::IEventListener*> listeners_;
    menuitem::MenuItem* chosen_ = nullptr;
};

PopupMenu* newPopupMenu(std::int32_t titleNumber, lang::Localizer* languagePack);

// The open menu windows of the calling thread that show the item paint again (after a change
// to it, made on its owner window's thread).
void repaintMenusShowing(const menuitem::MenuItem* item);

}  // namespace s::gui::win
