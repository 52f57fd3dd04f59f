// Popup menus: the item model, and the popup windows that show a menu and its sub-menus while
// a nested loop waits for the choice.
#include "gui/win/PopupMenu.h"

#include <algorithm>
#include <memory>

#include "gui/IWindow.h"
#include "gui/drawer/Contrast.h"
#include "gui/events/Listeners.h"
#include "gui/win/Component.h"
#include "gui/win/ListPopup.h"
#include "gui/win/ModalGuard.h"
#include "gui/win/OnOwner.h"
#include "lang/Localizer.h"
#include "platform/window/Messages.h"
#include "platform/window/Picture.h"
#include "platform/window/Popup.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"
#include "platform/window/WorkArea.h"

namespace s::gui::win {

namespace pw = platform::window;
using menuitem::MenuItem;

namespace {

constexpr const char* kMenuClass = "KavrelPopupMenu";
constexpr std::int32_t kItemHeight = 22;
constexpr std::int32_t kSeparatorHeight = 7;
constexpr std::int32_t kMarkColumn = 24;   // check or radio mark
constexpr std::int32_t kArrowColumn = 22;  // sub-menu arrow
constexpr std::int32_t kBorder = 2;

pw::Font menuFont() {
    return pw::Font{};
}

bool selectable(const MenuItem* item) {
    return item && !item->isSeparator() && item->isEnabled();
}

std::int32_t entryHeight(const MenuItem* item) {
    return item->isSeparator() ? px(kSeparatorHeight) : px(kItemHeight);
}

pw::Size menuSize(const PopupMenu* menu) {
    pw::Font font = menuFont();
    std::int32_t w = px(80);
    std::int32_t h = 2 * px(kBorder);
    for (std::int32_t i = 0; i < menu->getCount(); ++i) {
        const MenuItem* item = menu->getItem(i);
        h += entryHeight(item);
        if (!item->isSeparator()) {
            std::u16string text =
                item->getSubMenu() ? item->getSubMenu()->getTitle() : item->getText();
            w = std::max(w, pw::measureText(font, text).width);
        }
    }
    return {w + px(kMarkColumn) + px(kArrowColumn) + 2 * px(kBorder), h};
}

struct Tracking;

class MenuWindow;

// The menu windows open on this thread, linked through MenuWindow::nextOpen. Changes to a menu
// and its items run on the thread of the menu's owner window, which is the thread its popups
// live on, so the change finds the windows that show it here. A plain pointer: menus released
// during static destruction still find it.
thread_local MenuWindow* openMenus = nullptr;

// One open popup window: the menu it shows and its open sub-menu.
class MenuWindow : public ListPopup {
public:
    MenuWindow(PopupMenu* menu, Tracking* tracking, MenuWindow* parent)
        : ListPopup(kBorder, true, true), menu(menu), tracking(tracking), parent(parent) {}
    ~MenuWindow() override { unlist(); }

    PopupMenu* menu;
    Tracking* tracking;
    MenuWindow* parent;
    MenuWindow* child = nullptr;
    MenuWindow* nextOpen = nullptr;

    void list() {
        nextOpen = openMenus;
        openMenus = this;
    }
    void unlist() {
        for (MenuWindow** at = &openMenus; *at; at = &(*at)->nextOpen) {
            if (*at == this) {
                *at = nextOpen;
                return;
            }
        }
    }

    void closeChild() {
        if (child && pw::isWindow(child->handle())) pw::closePopup(child->handle());
        child = nullptr;
    }
    void openSubMenu(std::int32_t i, bool select);
    void highlightFirst();

protected:
    std::int32_t rowCount() const override { return menu->getCount(); }
    std::int32_t rowHeight(std::int32_t row) const override {
        return entryHeight(menu->getItem(row));
    }
    bool rowSelectable(std::int32_t row) const override { return selectable(menu->getItem(row)); }
    void paintRow(pw::Canvas& c, std::int32_t row, pw::Rect r, bool hot,
                  const Colours& colours) override;
    void chooseRow(std::int32_t row) override;
    void hoverRow(std::int32_t row) override {
        if (menu->getItem(row)->getSubMenu()) {
            openSubMenu(row, false);
        } else {
            closeChild();
        }
    }
    std::u16string rowText(std::int32_t row) const override {
        const MenuItem* item = menu->getItem(row);
        return item->getSubMenu() ? item->getSubMenu()->getTitle() : item->getText();
    }
    bool extraKey(std::uint32_t key) override;
    void closing() override {
        unlist();
        if (parent && parent->child == this) parent->child = nullptr;
    }
};

// Whether an open window shows what changed: the menu's own rows, the entry of a sub-menu (its
// title), or the item.
bool shows(const MenuWindow* window, const PopupMenu* menu, const MenuItem* item) {
    if (window->menu == menu) return true;
    for (std::int32_t i = 0; i < window->menu->getCount(); ++i) {
        const MenuItem* row = window->menu->getItem(i);
        if (row == item || (menu && row->getSubMenu() == menu)) return true;
    }
    return false;
}

// After a change to a menu or to an item: the open windows that show it paint again.
void repaintShowing(const PopupMenu* menu, const MenuItem* item) {
    for (const MenuWindow* window = openMenus; window; window = window->nextOpen) {
        if (shows(window, menu, item)) pw::invalidate(window->handle());
    }
}

// One showAt/showAbove: every window it opened and the choice.
struct Tracking {
    pw::Handle owner = pw::kNoWindow;
    std::vector<std::unique_ptr<MenuWindow>> windows;
    MenuItem* chosen = nullptr;
    PopupMenu* chosenMenu = nullptr;
    pw::Handle root = pw::kNoWindow;
    const BarKeys* keys = nullptr;
};

// Right opens the highlighted sub-menu, Left closes this one; where neither applies they go on
// to the menu bar's neighbouring entry.
bool MenuWindow::extraKey(std::uint32_t key) {
    if (key != pw::vk::kRight && key != pw::vk::kLeft) return false;
    const MenuItem* item = hot() >= 0 ? menu->getItem(hot()) : nullptr;
    if (key == pw::vk::kRight && item && item->getSubMenu()) {
        openSubMenu(hot(), true);
    } else if (key == pw::vk::kLeft && parent) {
        pw::closePopup(handle());
    } else if (tracking->keys->beside) {
        tracking->keys->beside(key == pw::vk::kRight ? 1 : -1);
    }
    return true;
}

void MenuWindow::highlightFirst() {
    for (std::int32_t k = 0; k < menu->getCount(); ++k) {
        if (selectable(menu->getItem(k))) {
            setHot(k);
            return;
        }
    }
}

void MenuWindow::paintRow(pw::Canvas& c, std::int32_t row, pw::Rect r, bool hot,
                          const Colours& colours) {
    const MenuItem* item = menu->getItem(row);
    if (item->isSeparator()) {
        c.fillRect(r.x + px(4), r.y + r.height / 2, r.width - px(8), px(1), colours.frame);
        return;
    }
    if (hot) c.fillRect(r, colours.highlight);
    // A skin's text colour is kept only where it stands out from the face beneath.
    pw::Colour ink = !item->isEnabled()
                         ? drawer::Contrast::dimmed(
                               drawer::Contrast::readable(colours.text, colours.face), colours.face)
                     : hot ? drawer::Contrast::readable(colours.highlightText, colours.highlight)
                           : drawer::Contrast::readable(colours.text, colours.face);
    pw::Font font = menuFont();
    pw::Rect mark{r.x, r.y, px(kMarkColumn), r.height};
    if (item->isChecked()) {
        c.drawText(mark, item->isRadio() ? u"\u25CF" : u"\u2713", font, ink,
                   pw::kTextCentre | pw::kTextMiddle);
    }
    std::u16string text = item->getSubMenu() ? item->getSubMenu()->getTitle() : item->getText();
    pw::Rect label{r.x + px(kMarkColumn), r.y, r.width - px(kMarkColumn) - px(kArrowColumn), r.height};
    c.drawText(label, text, font, ink, pw::kTextMiddle | pw::kTextEllipsis);
    if (item->getSubMenu()) {
        pw::Rect arrow{r.right() - px(kArrowColumn), r.y, px(kArrowColumn), r.height};
        c.drawText(arrow, u"\u25B8", font, ink, pw::kTextCentre | pw::kTextMiddle);
    }
}

MenuWindow* openWindow(Tracking& t, PopupMenu* menu, pw::Rect rect, MenuWindow* parent) {
    auto mw = std::make_unique<MenuWindow>(menu, &t, parent);
    MenuWindow* raw = mw.get();
    t.windows.push_back(std::move(mw));
    if (!raw->open(kMenuClass, t.owner, rect)) return nullptr;
    raw->list();
    if (parent) parent->child = raw;
    return raw;
}

// Opens the sub-menu of entry i beside the entry; with `select` its first entry is hovered.
void MenuWindow::openSubMenu(std::int32_t i, bool select) {
    MenuItem* item = menu->getItem(i);
    auto* sub = item ? static_cast<PopupMenu*>(item->getSubMenu()) : nullptr;
    if (!sub || !item->isEnabled()) return;
    if (child && child->menu == sub) return;
    closeChild();
    pw::Rect own = pw::screenRect(handle());
    pw::Rect r = rowRect(i);
    pw::Size size = menuSize(sub);
    pw::Rect at = pw::popupRect({own.right() - px(kBorder), own.y + r.y - px(kBorder)}, size);
    if (at.x < own.right() - px(kBorder)) {
        // No room on the right: to the left of this menu, inside its monitor's work area.
        at.x = own.x - at.width + px(kBorder);
        at = pw::keepInside(at, pw::workArea({own.x, own.y + r.y}));
    }
    MenuWindow* opened = openWindow(*tracking, sub, at, this);
    if (opened && select) opened->highlightFirst();
}

void MenuWindow::chooseRow(std::int32_t i) {
    MenuItem* item = menu->getItem(i);
    if (!selectable(item)) return;
    if (item->getSubMenu()) {
        openSubMenu(i, true);
        return;
    }
    tracking->chosen = item;
    tracking->chosenMenu = menu;
    pw::closePopup(tracking->root);
}

}  // namespace

PopupMenu::~PopupMenu() {
    destroy();
}

void PopupMenu::recycle() {
    destroy();
    title_.clear();
    titleNumber_ = -1;
    owner_ = pw::kNoWindow;
}

void repaintMenusShowing(const MenuItem* item) {
    if (item) repaintShowing(nullptr, item);
}

template <class Work>
auto PopupMenu::change(Work&& work) -> decltype(work()) {
    return onOwnerOf(owner_.load(), [&] {
        // Once the change is made, whatever its result.
        struct Repaint {
            const PopupMenu* menu;
            ~Repaint() { repaintShowing(menu, nullptr); }
        } repaint{this};
        return work();
    });
}

void PopupMenu::setOwnerWindow(pw::Handle owner) {
    pw::Handle top = owner == pw::kNoWindow ? owner : pw::topLevelOf(owner);
    change([&] {
        owner_ = top;
        for (MenuItem* item : items_) item->setOwnerWindow(top);
        for (IPopupMenu* sub : subMenus_) static_cast<PopupMenu*>(sub)->setOwnerWindow(top);
    });
}

void PopupMenu::setTitle(const std::u16string& text) {
    change([&] { title_ = text; });
}

void PopupMenu::destroy() {
    clear();
    if (registered_ && pack_) pack_->removeListener(this);
    registered_ = false;
    pack_ = nullptr;
    listeners_.clear();
    chosen_ = nullptr;
}

void PopupMenu::onEvent(void* source, std::int32_t) {
    if (source == pack_ && pack_) refreshTexts();
}

void PopupMenu::addItem(MenuItem* item) {
    insertItem(getCount(), item);
}

void PopupMenu::insertItem(std::int32_t position, MenuItem* item) {
    change([&] {
        if (!item) return;
        position = std::clamp(position, 0, getCount());
        item->setOwnerWindow(owner_.load());
        if (!item->getLanguagePack()) item->setLanguagePack(pack_);
        item->refreshText();
        items_.insert(items_.begin() + position, item);
    });
}

void PopupMenu::releaseItem(MenuItem* item) {
    if (item == chosen_) chosen_ = nullptr;
    if (IPopupMenu* sub = item->getSubMenu()) {
        std::erase(subMenus_, sub);
        sub->release();
    }
    item->release();
}

void PopupMenu::clear() {
    change([&] {
        std::vector<MenuItem*> items;
        items.swap(items_);
        for (MenuItem* item : items) releaseItem(item);
        for (IPopupMenu* sub : subMenus_) sub->release();
        subMenus_.clear();
    });
}

bool PopupMenu::removeAt(std::int32_t position) {
    return change([&] {
        if (position < 0 || position >= getCount()) return false;
        MenuItem* item = items_[position];
        items_.erase(items_.begin() + position);
        releaseItem(item);
        return true;
    });
}

bool PopupMenu::removeCommand(std::int32_t command) {
    std::int32_t i = 0;
    return indexOfCommand(command, &i) && removeAt(i);
}

bool PopupMenu::removeValue(MenuItem* value) {
    std::int32_t i = 0;
    return indexOfValue(value, &i) && removeAt(i);
}

MenuItem* PopupMenu::findItem(std::int32_t command) const {
    for (MenuItem* item : items_) {
        if (item->isCommand() && item->getCommand() == command) return item;
    }
    return nullptr;
}

MenuItem* PopupMenu::commandItemDeep(std::int32_t command) const {
    if (MenuItem* item = findItem(command)) return item;
    for (IPopupMenu* sub : subMenus_) {
        if (MenuItem* item = static_cast<PopupMenu*>(sub)->commandItemDeep(command)) return item;
    }
    return nullptr;
}

IPopupMenu* PopupMenu::menuOfCommand(std::int32_t command) {
    if (findItem(command)) return this;
    for (IPopupMenu* sub : subMenus_) {
        if (IPopupMenu* m = sub->menuOfCommand(command)) return m;
    }
    return nullptr;
}

bool PopupMenu::ownsCommand(std::int32_t command) const {
    return commandItemDeep(command) != nullptr;
}

bool PopupMenu::indexOfCommand(std::int32_t command, std::int32_t* index) const {
    for (std::int32_t i = 0; i < getCount(); ++i) {
        if (items_[i]->isCommand() && items_[i]->getCommand() == command) {
            if (index) *index = i;
            return true;
        }
    }
    return false;
}

bool PopupMenu::indexOfValue(const MenuItem* value, std::int32_t* index) const {
    auto it = std::find(items_.begin(), items_.end(), value);
    if (it == items_.end()) return false;
    if (index) *index = static_cast<std::int32_t>(it - items_.begin());
    return true;
}

void PopupMenu::setSubMenuEnabled(IPopupMenu* subMenu, bool enabled) {
    change([&] {
        for (MenuItem* item : items_) {
            if (item->getSubMenu() == subMenu) item->setEnabled(enabled);
        }
    });
}

bool PopupMenu::enableCommand(std::int32_t command, bool enabled) {
    return change([&] {
        MenuItem* item = commandItemDeep(command);
        if (!item) return false;
        item->setEnabled(enabled);
        return true;
    });
}

void PopupMenu::addSubMenu(IPopupMenu* menu) {
    change([&] {
        if (!menu) return;
        auto* sub = static_cast<PopupMenu*>(menu);
        if (!sub->pack_ && pack_) {
            sub->pack_ = pack_;
            sub->refreshTexts();
        }
        sub->setOwnerWindow(owner_.load());
        MenuItem* entry = MenuItem::create();
        entry->setOwnerWindow(owner_.load());
        entry->setSubMenu(menu);
        items_.push_back(entry);
        subMenus_.push_back(menu);
    });
}

void PopupMenu::setLanguagePack(lang::Localizer* pack) {
    change([&] {
        if (registered_ && pack_) pack_->removeListener(this);
        pack_ = pack;
        registered_ = pack != nullptr;
        if (pack) pack->addListener(this);
        for (MenuItem* item : items_) {
            if (!item->getLanguagePack()) item->setLanguagePack(pack);
        }
        refreshTexts();
    });
}

bool PopupMenu::isChecked(std::int32_t command) const {
    MenuItem* item = commandItemDeep(command);
    return item && item->isChecked();
}

bool PopupMenu::setChecked(std::int32_t command, bool on) {
    return change([&] {
        MenuItem* item = commandItemDeep(command);
        if (!item) return false;
        item->setChecked(on);
        return true;
    });
}

bool PopupMenu::setItemText(std::int32_t command, const std::u16string& text) {
    return change([&] {
        MenuItem* item = commandItemDeep(command);
        if (!item) return false;
        item->setText(text);
        return true;
    });
}

bool PopupMenu::setItemTextNumber(std::int32_t command, std::int32_t number) {
    return change([&] {
        MenuItem* item = commandItemDeep(command);
        if (!item) return false;
        item->setTextNumber(number);
        return true;
    });
}

void PopupMenu::refreshTexts() {
    change([&] {
        for (MenuItem* item : items_) item->refreshText();
        for (IPopupMenu* sub : subMenus_) sub->refreshTexts();
    });
}

std::u16string PopupMenu::getTitle() const {
    if (titleNumber_ >= 0 && pack_) {
        const char16_t* t = pack_->text(titleNumber_);
        return t ? t : u"";
    }
    return title_;
}

void PopupMenu::setTitleNumber(std::int32_t number) {
    change([&] { titleNumber_ = number; });
}

void PopupMenu::checkRadio(std::int32_t position, std::int32_t first, std::int32_t last) {
    change([&] {
        first = std::max(first, 0);
        last = std::min(last, getCount() - 1);
        for (std::int32_t i = first; i <= last; ++i) {
            MenuItem* item = items_[i];
            if (!item->isCommand()) continue;
            item->setChecked(i == position);
            item->setRadio(true);
        }
    });
}

void PopupMenu::checkRadioAll(std::int32_t position) {
    checkRadio(position, 0, getCount() - 1);
}

bool PopupMenu::checkRadioCommand(std::int32_t command) {
    return change([&] {
        std::int32_t i = 0;
        if (!indexOfCommand(command, &i)) return false;
        checkRadioAll(i);
        return true;
    });
}

bool PopupMenu::checkRadioValue(const MenuItem* value) {
    return change([&] {
        std::int32_t i = 0;
        if (!indexOfValue(value, &i)) return false;
        checkRadioAll(i);
        return true;
    });
}

void PopupMenu::addCommandListener(events::IEventListener* listener) {
    change([&] {
        if (listener) listeners_.push_back(listener);
    });
}

void PopupMenu::choose(MenuItem* item) {
    chosen_ = item;
    events::fireListeners(listeners_, static_cast<IPopupMenu*>(this), 0);
}

MenuItem* PopupMenu::getItem(std::int32_t position) const {
    return position >= 0 && position < getCount() ? items_[position] : nullptr;
}

bool PopupMenu::showAbove(std::int32_t x, std::int32_t y, pw::Handle owner) {
    return track(x, y, true, 0, owner);
}

bool PopupMenu::showAt(std::int32_t x, std::int32_t y, pw::Handle owner) {
    return track(x, y, false, 0, owner);
}

bool PopupMenu::track(std::int32_t x, std::int32_t y, bool above, std::int32_t flipHeight,
                      pw::Handle owner, const BarKeys& keys) {
    if (!pw::isOwnerThread(owner)) {
        // Only on the owner thread: a window gone meanwhile shows nothing.
        return pw::callOnOwner(owner, [&]() -> pw::Result {
                   return pw::isOwnerThread(owner) && track(x, y, above, flipHeight, owner, keys)
                              ? 1
                              : 0;
               }) != 0;
    }
    if (items_.empty()) return false;
    // Shown over this window: changes from other threads run on its thread from now on.
    if (owner_.load() == pw::kNoWindow) setOwnerWindow(owner);
    Tracking t;
    t.owner = owner;
    t.keys = &keys;
    pw::Size size = menuSize(this);
    pw::Rect rect = pw::popupRect({x, above ? y - size.height : y}, size, flipHeight);
    // The menu's loop is one of the owner window's modal loops; ending them all closes it.
    ModalGuard::Scope modal(modalGuardOf(owner), [] { pw::closePopups(); });
    MenuWindow* root = openWindow(t, this, rect, nullptr);
    if (!root) return false;
    t.root = root->handle();
    if (keys.highlightFirst) root->highlightFirst();
    pw::runModalLoop([&] { return !pw::isWindow(t.root); });
    // Windows left by a quit that ended the loop early.
    if (pw::isWindow(t.root)) pw::closePopup(t.root);
    if (!t.chosen) return false;
    t.chosenMenu->choose(t.chosen);
    return true;
}

PopupMenu* newPopupMenu(std::int32_t titleNumber, lang::Localizer* languagePack) {
    PopupMenu* menu = PopupMenu::create();
    menu->setTitleNumber(titleNumber);
    if (languagePack) menu->setLanguagePack(languagePack);
    return menu;
}

}  // namespace s::gui::win
