// The self-drawn menu bar: entries measured and painted by the menu drawer, hover, popups opened
// under their entries (and switched while one is open), and the guard against reopening a popup
// by the press that closed it.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "gui/IMenuEx.h"
#include "gui/drawer/menu/IBasic.h"
#include "gui/win/Component.h"
#include "gui/win/Font.h"
#include "gui/win/ListPopup.h"
#include "gui/win/PressTracker.h"
#include "gui/win/WindowButtons.h"
#include "thread/Pooled.h"

namespace s::gui::menuitem {
class MenuItem;
}

namespace s::gui::win {

class MenuEx : public Component, public IMenuEx, public thread::Pooled<MenuEx> {
public:
    // A press within this time after a popup closed does not open one again.
    static constexpr std::int64_t kReopenGuardMs = ReopenGuard::kGuardMs;

    MenuEx();
    ~MenuEx() override;
    const char16_t* typeName() const override { return u"s_gui_win_MenuEx"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<MenuEx>::release(); }
    void recycle() override { reset(); }

    // From the language pack: every entry text is fetched again.
    void onEvent(void* source, std::int32_t code) override;

    void setSizeCode(std::int32_t code) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    void setPercentWidth(std::int32_t percent) override;
    void setPercentHeight(std::int32_t percent) override;
    void setFixedWidth(std::int32_t width) override;
    void setFixedHeight(std::int32_t height) override;
    void setSpacing(std::int32_t a, std::int32_t b) override;
    void addItem(menuitem::MenuItem* item) override;
    void addMenu(IPopupMenu* menu) override;
    std::int32_t getEntryCount() const override {
        return static_cast<std::int32_t>(entries_.size());
    }
    bool ownsCommand(std::int32_t command) const override;
    bool isChecked(std::int32_t command) const override;
    bool setChecked(std::int32_t command, bool on) override;
    bool enableCommand(std::int32_t command, bool enabled) override;
    bool checkRadioCommand(std::int32_t command) override;
    bool setItemText(std::int32_t command, const std::u16string& text) override;
    IPopupMenu* menuOfCommand(std::int32_t command) override;
    void addCommandListener(events::IEventListener* listener) override;
    void choose(menuitem::MenuItem* item) override;
    bool chooseCommand(std::int32_t command) override;
    menuitem::MenuItem* getChosenItem() const override { return chosen_; }
    void addRefreshListener(events::IEventListener* listener) override;
    void setLanguagePack(lang::Localizer* pack) override;
    void setMenuDrawer(drawer::menu::IBasic* drawer, bool owned) override;
    void setFlag(bool on) override { flag_ = on; }
    void setOneEntry(bool on) override;
    void refreshTexts() override;
    void addPopupOpenedListener(events::IEventListener* listener) override;
    void setAutoOpen(bool on) override { autoOpen_ = on; }

    // Milliseconds of a monotonic clock; tests put their own clock in.
    void setClock(std::function<std::int64_t()> now);
    drawer::menu::IBasic* menuDrawer() const;
    Font* getNormalFont() const { return normalFont_; }
    Font* getHighlightFont() const { return highlightFont_; }
    std::u16string getEntryText(std::int32_t index) const;
    // The entry's popup (null for a command on the bar) and its command (null for a popup).
    IPopupMenu* getEntryMenu(std::int32_t index) const {
        return index >= 0 && index < getEntryCount() ? entries_[index].menu : nullptr;
    }
    menuitem::MenuItem* getEntryItem(std::int32_t index) const {
        return index >= 0 && index < getEntryCount() ? entries_[index].item : nullptr;
    }
    // The entry's rectangle in the bar's client coordinates (empty when out of range).
    platform::window::Rect getEntryRect(std::int32_t index) const;
    // The entry under a point of the bar's client area, -1 for none.
    std::int32_t entryAt(platform::window::Point p) const;
    std::int32_t getHoveredEntry() const { return hovered_; }
    // The entry whose popup is open, -1 while none is.
    std::int32_t getOpenEntry() const { return popupOpen_ ? openEntry_ : -1; }
    bool isOneEntry() const { return oneEntry_; }
    // The window's menu bar shows the window's minimise, maximise and close buttons at its
    // right end while the window paints its own frame; the window tells it of a change.
    void windowButtonsChanged();
    const WindowButtons& windowButtons() const { return buttons_; }
    // A window button lies under the screen point (the window's sizing strip gives way to it).
    bool windowButtonAt(platform::window::Point screen);
    // F10 or a lone Alt: the bar takes the keys with its first entry highlighted (Left and
    // Right move along it, Down or Enter opens, Escape gives the keys back), or gives them back
    // when it has them.
    void toggleKeys();
    bool hasKeys() const { return keys_; }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    // The menus belong to the bar's window from now on (see PopupMenu::setOwnerWindow).
    void onAttached() override;
    void scaleChanged(double) override { measure(false); }
    // Without a drawer of its own the bar paints with the current skin's menu drawer.
    bool followsSkin() const override { return true; }

private:
    struct Entry {
        menuitem::MenuItem* item = nullptr;  // kind 0: a command on the bar
        IPopupMenu* menu = nullptr;          // kind 1: opens this popup
        std::u16string text;
        platform::window::Rect rect;
    };
    // Forwards the command choices of the popups to the bar's own listeners.
    struct Relay : events::IEventListener {
        void onEvent(void* source, std::int32_t code) override;
        MenuEx* bar = nullptr;
    };

    void reset();
    void releaseEntries();
    void changeFonts(const std::function<void(Font*)>& change);
    void measure(bool relayout);
    void setHovered(std::int32_t index);
    void pointerMoved(platform::window::Point p);
    void pressed(platform::window::Point p);
    void released(platform::window::Point p);
    bool showsWindowButtons() const;
    void placeWindowButtons();
    // Opens the entry's popup and waits; a switch to another entry opens that one next.
    void runPopups(std::int32_t index);
    void closeOpenPopup();
    void barKey(std::uint32_t key);
    // Back to the pointer; the focus goes back to where it was when asked.
    void leaveKeys(bool focusBack);
    void listenTo(IPopupMenu* menu);

    std::vector<Entry> entries_;
    std::int32_t hovered_ = -1;
    bool popupOpen_ = false;
    std::int32_t openEntry_ = -1;
    std::int32_t switchTo_ = -1;
    std::int32_t pointerEntry_ = -1;  // the entry the pointer was last over
    std::size_t popupBase_ = 0;       // popups of the thread already open below the bar's
    PressTracker press_;              // a press on a command entry
    bool keys_ = false;               // the bar has the keys (and the focus)
    platform::window::Handle focusBefore_ = platform::window::kNoWindow;
    ReopenGuard reopen_;
    WindowButtons buttons_;
    Font* normalFont_;
    Font* highlightFont_;
    drawer::menu::IBasic* drawer_ = nullptr;
    bool drawerOwned_ = false;
    bool oneEntry_ = false;
    bool flag_ = false;
    bool autoOpen_ = false;
    Length spacingA_{6}, spacingB_{3};
    lang::Localizer* pack_ = nullptr;
    std::vector<events::IEventListener*> commandListeners_;
    std::vector<events::IEventListener*> refreshListeners_;
    std::vector<events::IEventListener*> openedListeners_;
    menuitem::MenuItem* chosen_ = nullptr;
    Relay relay_;
    std::set<IPopupMenu*> relayed_;
};

MenuEx* newMenuEx();

}  // namespace s::gui::win
