// Popup menus: the item model, and the popup windows that show a menu and its sub-menus while
// a nested loop waits for the choice.
#include "gui/win/PopupMenu.h"

#include <algorithm>
#include <memory>

#include "gui/IWindow.h"
#include "gui/drawer/Contrast.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/menu/IBasic.h"
#include "gui/win/Component.h"
#include "lang/Localizer.h"
#include "platform/window/Messages.h"
#include "platform/window/Picture.h"
#include "platform/window/Popup.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"

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
constexpr pw::Colour kFace = pw::rgb(249, 249, 249);
constexpr pw::Colour kFrame = pw::rgb(160, 160, 160);
constexpr pw::Colour kText = pw::rgb(0, 0, 0);
constexpr pw::Colour kHighlight = pw::rgb(0, 120, 215);
constexpr pw::Colour kHighlightText = pw::rgb(255, 255, 255);

pw::Font menuFont() {
    return pw::Font{};
}

struct Tracking;

// One open popup window: the menu it shows, its hovered entry and its open sub-menu.
struct MenuWindow {
    PopupMenu* menu = nullptr;
    Tracking* tracking = nullptr;
    pw::Handle handle = pw::kNoWindow;
    std::int32_t hover = -1;
    MenuWindow* child = nullptr;
    MenuWindow* parent = nullptr;
    // Where the pointer was when the popup opened, and whether it has since moved or pressed
    // in the popup. A popup pushed back over the entry that opened it (a long menu near the
    // screen's bottom) lies under the pointer: the release of the opening click must not
    // choose the entry it happens to land on.
    pw::Point openedAt;
    bool armed = false;
};

// One showAt/showAbove: every window it opened and the choice.
struct Tracking {
    pw::Handle owner = pw::kNoWindow;
    std::vector<std::unique_ptr<MenuWindow>> windows;
    MenuItem* chosen = nullptr;
    PopupMenu* chosenMenu = nullptr;
    pw::Handle root = pw::kNoWindow;
};

bool selectable(const MenuItem* item) {
    return item && !item->isSeparator() && item->isEnabled();
}

std::int32_t entryHeight(const MenuItem* item) {
    return item->isSeparator() ? kSeparatorHeight : kItemHeight;
}

pw::Size menuSize(const PopupMenu* menu) {
    pw::Font font = menuFont();
    std::int32_t w = 80;
    std::int32_t h = 2 * kBorder;
    for (std::int32_t i = 0; i < menu->getCount(); ++i) {
        const MenuItem* item = menu->getItem(i);
        h += entryHeight(item);
        if (!item->isSeparator()) {
            std::u16string text =
                item->getSubMenu() ? item->getSubMenu()->getTitle() : item->getText();
            w = std::max(w, pw::measureText(font, text).width);
        }
    }
    return {w + kMarkColumn + kArrowColumn + 2 * kBorder, h};
}

// The entry rectangle (client coordinates) of item i.
pw::Rect entryRect(const PopupMenu* menu, std::int32_t index, std::int32_t width) {
    std::int32_t y = kBorder;
    for (std::int32_t i = 0; i < index; ++i) y += entryHeight(menu->getItem(i));
    return {kBorder, y, width - 2 * kBorder, entryHeight(menu->getItem(index))};
}

std::int32_t entryAt(const PopupMenu* menu, pw::Point p, std::int32_t width) {
    for (std::int32_t i = 0; i < menu->getCount(); ++i) {
        if (entryRect(menu, i, width).contains(p)) return i;
    }
    return -1;
}

// The colours of a popup: the menu drawer's of the owner window's skin, else the plain ones.
struct MenuColours {
    pw::Colour face = kFace, frame = kFrame, text = kText;
    pw::Colour highlight = kHighlight, highlightText = kHighlightText;
};

MenuColours coloursOf(pw::Handle owner) {
    MenuColours colours;
    Component* component = owner != pw::kNoWindow ? Component::fromNative(owner) : nullptr;
    IWindow* window = component ? component->getWindow() : nullptr;
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window ? window->getSkinner() : nullptr);
    if (!skin) return colours;
    drawer::menu::IBasic* menu = skin->getMenuDrawer();
    colours.face = menu->getBackgroundColour();
    colours.frame = menu->getLineColour();
    colours.text = menu->getTextColour();
    colours.highlight = menu->getHighlightColour();
    // Text on the highlight: whichever of the face and the text colour stands out from it.
    auto light = [](pw::Colour x) { return (x & 0xFF) + ((x >> 8) & 0xFF) + ((x >> 16) & 0xFF); };
    bool darkHighlight = light(colours.highlight) < 3 * 128;
    colours.highlightText =
        darkHighlight == (light(colours.text) > light(colours.face)) ? colours.text : colours.face;
    return colours;
}

void paintMenu(pw::Canvas& c, const MenuWindow& mw, pw::Rect all) {
    const MenuColours colours = coloursOf(mw.tracking ? mw.tracking->owner : pw::kNoWindow);
    c.fillRect(all, colours.face);
    c.frameRect(all, colours.frame);
    pw::Font font = menuFont();
    for (std::int32_t i = 0; i < mw.menu->getCount(); ++i) {
        const MenuItem* item = mw.menu->getItem(i);
        pw::Rect r = entryRect(mw.menu, i, all.width);
        if (item->isSeparator()) {
            c.fillRect(r.x + 4, r.y + r.height / 2, r.width - 8, 1, colours.frame);
            continue;
        }
        bool hot = i == mw.hover && item->isEnabled();
        if (hot) c.fillRect(r, colours.highlight);
        // A skin's text colour is kept only where it stands out from the face beneath.
        pw::Colour ink =
            !item->isEnabled()
                ? drawer::Contrast::dimmed(drawer::Contrast::readable(colours.text, colours.face),
                                           colours.face)
            : hot ? drawer::Contrast::readable(colours.highlightText, colours.highlight)
                  : drawer::Contrast::readable(colours.text, colours.face);
        pw::Rect mark{r.x, r.y, kMarkColumn, r.height};
        if (item->isChecked()) {
            c.drawText(mark, item->isRadio() ? u"\u25CF" : u"\u2713", font, ink,
                       pw::kTextCentre | pw::kTextMiddle);
        }
        std::u16string text = item->getSubMenu() ? item->getSubMenu()->getTitle() : item->getText();
        pw::Rect label{r.x + kMarkColumn, r.y, r.width - kMarkColumn - kArrowColumn, r.height};
        c.drawText(label, text, font, ink, pw::kTextMiddle | pw::kTextEllipsis);
        if (item->getSubMenu()) {
            pw::Rect arrow{r.right() - kArrowColumn, r.y, kArrowColumn, r.height};
            c.drawText(arrow, u"\u25B8", font, ink, pw::kTextCentre | pw::kTextMiddle);
        }
    }
}

pw::Result menuHandler(pw::Handle w, std::uint32_t m, pw::WParam wp, pw::LParam lp);

MenuWindow* openWindow(Tracking& t, PopupMenu* menu, pw::Rect rect, MenuWindow* parent) {
    pw::registerClass(kMenuClass, menuHandler);
    auto mw = std::make_unique<MenuWindow>();
    mw->menu = menu;
    mw->tracking = &t;
    mw->parent = parent;
    mw->openedAt = pw::cursorPosition();
    MenuWindow* raw = mw.get();
    t.windows.push_back(std::move(mw));
    raw->handle = pw::openPopup(kMenuClass, t.owner, rect, raw);
    if (!raw->handle) return nullptr;
    if (parent) parent->child = raw;
    return raw;
}

void closeChild(MenuWindow& mw) {
    if (mw.child && pw::isWindow(mw.child->handle)) pw::closePopup(mw.child->handle);
    mw.child = nullptr;
}

// Opens the sub-menu of entry i beside the entry; with `select` its first entry is hovered.
void openSubMenu(MenuWindow& mw, std::int32_t i, bool select) {
    MenuItem* item = mw.menu->getItem(i);
    auto* sub = item ? static_cast<PopupMenu*>(item->getSubMenu()) : nullptr;
    if (!sub || !item->isEnabled()) return;
    if (mw.child && mw.child->menu == sub) return;
    closeChild(mw);
    pw::Rect own = pw::screenRect(mw.handle);
    pw::Rect r = entryRect(mw.menu, i, own.width);
    pw::Size size = menuSize(sub);
    pw::Rect at = pw::popupRect({own.right() - kBorder, own.y + r.y - kBorder}, size);
    if (at.x < own.right() - kBorder) at.x = std::max(0, own.x - size.width + kBorder);
    MenuWindow* child = openWindow(*mw.tracking, sub, at, &mw);
    if (child && select) {
        for (std::int32_t k = 0; k < sub->getCount(); ++k) {
            if (selectable(sub->getItem(k))) {
                child->hover = k;
                break;
            }
        }
    }
}

void chooseEntry(MenuWindow& mw, std::int32_t i) {
    MenuItem* item = mw.menu->getItem(i);
    if (!selectable(item)) return;
    if (item->getSubMenu()) {
        openSubMenu(mw, i, true);
        return;
    }
    Tracking& t = *mw.tracking;
    t.chosen = item;
    t.chosenMenu = mw.menu;
    pw::closePopup(t.root);
}

void setHover(MenuWindow& mw, std::int32_t i) {
    if (mw.hover == i) return;
    mw.hover = i;
    pw::invalidate(mw.handle);
}

void step(MenuWindow& mw, std::int32_t direction) {
    std::int32_t n = mw.menu->getCount();
    std::int32_t i = mw.hover;
    for (std::int32_t k = 0; k < n; ++k) {
        i = i < 0 ? (direction > 0 ? 0 : n - 1) : (i + direction + n) % n;
        if (selectable(mw.menu->getItem(i))) {
            setHover(mw, i);
            return;
        }
    }
}

pw::Result menuHandler(pw::Handle w, std::uint32_t m, pw::WParam wp, pw::LParam lp) {
    auto* mw = static_cast<MenuWindow*>(pw::userData(w));
    if (!mw) return pw::defaultHandler(w, m, wp, lp);
    switch (m) {
        case pw::msg::kPaint: {
            pw::Rect r = pw::windowRect(w);
            paintMenu(*pw::paintEventOf(wp)->canvas, *mw, {0, 0, r.width, r.height});
            return 0;
        }
        case pw::msg::kMouseMove: {
            if (pw::clientToScreen(w, pw::unpackPoint(lp)) != mw->openedAt) mw->armed = true;
            std::int32_t i = entryAt(mw->menu, pw::unpackPoint(lp), pw::windowRect(w).width);
            if (i < 0) return 0;
            setHover(*mw, i);
            MenuItem* item = mw->menu->getItem(i);
            if (item->getSubMenu()) {
                openSubMenu(*mw, i, false);
            } else {
                closeChild(*mw);
            }
            return 0;
        }
        case pw::msg::kLButtonDown:
        case pw::msg::kRButtonDown:
            mw->armed = true;
            return 0;
        case pw::msg::kLButtonUp:
        case pw::msg::kRButtonUp: {
            if (!mw->armed) return 0;
            std::int32_t i = entryAt(mw->menu, pw::unpackPoint(lp), pw::windowRect(w).width);
            if (i >= 0) chooseEntry(*mw, i);
            return 0;
        }
        case pw::msg::kKeyDown:
            switch (wp) {
                case pw::vk::kDown:
                    step(*mw, 1);
                    break;
                case pw::vk::kUp:
                    step(*mw, -1);
                    break;
                case pw::vk::kRight:
                    if (mw->hover >= 0) openSubMenu(*mw, mw->hover, true);
                    break;
                case pw::vk::kLeft:
                    if (mw->parent) pw::closePopup(w);
                    break;
                case pw::vk::kReturn:
                case pw::vk::kSpace:
                    if (mw->hover >= 0) chooseEntry(*mw, mw->hover);
                    break;
                default:
                    break;
            }
            return 0;
        case pw::msg::kDestroy:
            if (mw->parent && mw->parent->child == mw) mw->parent->child = nullptr;
            pw::setUserData(w, nullptr);
            return 0;
        default:
            return pw::defaultHandler(w, m, wp, lp);
    }
}

}  // namespace

PopupMenu::~PopupMenu() {
    destroy();
}

void PopupMenu::recycle() {
    destroy();
    title_.clear();
    titleNumber_ = -1;
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
    if (!item) return;
    position = std::clamp(position, 0, getCount());
    if (!item->getLanguagePack()) item->setLanguagePack(pack_);
    item->refreshText();
    items_.insert(items_.begin() + position, item);
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
    std::vector<MenuItem*> items;
    items.swap(items_);
    for (MenuItem* item : items) releaseItem(item);
    for (IPopupMenu* sub : subMenus_) sub->release();
    subMenus_.clear();
}

bool PopupMenu::removeAt(std::int32_t position) {
    if (position < 0 || position >= getCount()) return false;
    MenuItem* item = items_[position];
    items_.erase(items_.begin() + position);
    releaseItem(item);
    return true;
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
    for (MenuItem* item : items_) {
        if (item->getSubMenu() == subMenu) item->setEnabled(enabled);
    }
}

bool PopupMenu::enableCommand(std::int32_t command, bool enabled) {
    MenuItem* item = commandItemDeep(command);
    if (!item) return false;
    item->setEnabled(enabled);
    return true;
}

void PopupMenu::addSubMenu(IPopupMenu* menu) {
    if (!menu) return;
    auto* sub = static_cast<PopupMenu*>(menu);
    if (!sub->pack_ && pack_) {
        sub->pack_ = pack_;
        sub->refreshTexts();
    }
    MenuItem* entry = MenuItem::create();
    entry->setSubMenu(menu);
    items_.push_back(entry);
    subMenus_.push_back(menu);
}

void PopupMenu::setLanguagePack(lang::Localizer* pack) {
    if (registered_ && pack_) pack_->removeListener(this);
    pack_ = pack;
    registered_ = pack != nullptr;
    if (pack) pack->addListener(this);
    for (MenuItem* item : items_) {
        if (!item->getLanguagePack()) item->setLanguagePack(pack);
    }
    refreshTexts();
}

bool PopupMenu::isChecked(std::int32_t command) const {
    MenuItem* item = commandItemDeep(command);
    return item && item->isChecked();
}

bool PopupMenu::setChecked(std::int32_t command, bool on) {
    MenuItem* item = commandItemDeep(command);
    if (!item) return false;
    item->setChecked(on);
    return true;
}

bool PopupMenu::setItemText(std::int32_t command, const std::u16string& text) {
    MenuItem* item = commandItemDeep(command);
    if (!item) return false;
    item->setText(text);
    return true;
}

bool PopupMenu::setItemTextNumber(std::int32_t command, std::int32_t number) {
    MenuItem* item = commandItemDeep(command);
    if (!item) return false;
    item->setTextNumber(number);
    return true;
}

void PopupMenu::refreshTexts() {
    for (MenuItem* item : items_) item->refreshText();
    for (IPopupMenu* sub : subMenus_) sub->refreshTexts();
}

std::u16string PopupMenu::getTitle() const {
    if (titleNumber_ >= 0 && pack_) {
        const char16_t* t = pack_->text(titleNumber_);
        return t ? t : u"";
    }
    return title_;
}

void PopupMenu::setTitleNumber(std::int32_t number) {
    titleNumber_ = number;
}

void PopupMenu::checkRadio(std::int32_t position, std::int32_t first, std::int32_t last) {
    first = std::max(first, 0);
    last = std::min(last, getCount() - 1);
    for (std::int32_t i = first; i <= last; ++i) {
        MenuItem* item = items_[i];
        if (!item->isCommand()) continue;
        item->setChecked(i == position);
        item->setRadio(i == position);
    }
}

void PopupMenu::checkRadioAll(std::int32_t position) {
    checkRadio(position, 0, getCount() - 1);
}

bool PopupMenu::checkRadioCommand(std::int32_t command) {
    std::int32_t i = 0;
    if (!indexOfCommand(command, &i)) return false;
    checkRadioAll(i);
    return true;
}

bool PopupMenu::checkRadioValue(const MenuItem* value) {
    std::int32_t i = 0;
    if (!indexOfValue(value, &i)) return false;
    checkRadioAll(i);
    return true;
}

void PopupMenu::addCommandListener(events::IEventListener* listener) {
    if (listener) listeners_.push_back(listener);
}

void PopupMenu::choose(MenuItem* item) {
    chosen_ = item;
    std::vector<events::IEventListener*> listeners = listeners_;
    for (events::IEventListener* l : listeners) l->onEvent(static_cast<IPopupMenu*>(this), 0);
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
                      pw::Handle owner) {
    if (!pw::isOwnerThread(owner)) {
        return pw::callOnOwner(owner, [&]() -> pw::Result {
                   return track(x, y, above, flipHeight, owner) ? 1 : 0;
               }) != 0;
    }
    if (items_.empty()) return false;
    Tracking t;
    t.owner = owner;
    pw::Size size = menuSize(this);
    pw::Rect rect = pw::popupRect({x, above ? y - size.height : y}, size, flipHeight);
    MenuWindow* root = openWindow(t, this, rect, nullptr);
    if (!root) return false;
    t.root = root->handle;
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
