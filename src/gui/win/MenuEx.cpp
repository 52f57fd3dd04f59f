// Menu-bar entries, their measuring and painting, pointer handling and the popup loop.
#include "gui/win/MenuEx.h"

#include <algorithm>

#include "gui/IWindow.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/PopupMenu.h"
#include "gui/win/TextComponent.h"
#include "lang/Localizer.h"
#include "platform/window/Popup.h"

namespace pw = platform::window;

namespace s::gui::win {

using menuitem::MenuItem;

MenuEx::MenuEx() : normalFont_(Font::create()), highlightFont_(Font::create()) {
    relay_.bar = this;
    reset();
}

MenuEx::~MenuEx() {
    releaseEntries();
    if (pack_) pack_->removeListener(this);
    if (drawer_ && drawerOwned_) drawer_->release();
    normalFont_->release();
    highlightFont_->release();
}

void MenuEx::reset() {
    resetComponent();
    releaseEntries();
    if (pack_) pack_->removeListener(this);
    pack_ = nullptr;
    if (drawer_ && drawerOwned_) drawer_->release();
    drawer_ = nullptr;
    drawerOwned_ = false;
    normalFont_->recycle();
    highlightFont_->recycle();
    font_ = normalFont_;
    transparent_ = true;  // the window's background shows between and behind the entries
    percentWidth_ = 100;
    hovered_ = openEntry_ = switchTo_ = pointerEntry_ = -1;
    popupOpen_ = keys_ = false;
    focusBefore_ = pw::kNoWindow;
    press_.reset();
    reopen_.reset();
    buttons_ = WindowButtons();
    popupBase_ = 0;
    oneEntry_ = flag_ = autoOpen_ = false;
    spacingA_ = 6;
    spacingB_ = 3;
    commandListeners_.clear();
    refreshListeners_.clear();
    openedListeners_.clear();
    chosen_ = nullptr;
    reopen_.setClock(nullptr);
}

void MenuEx::releaseEntries() {
    for (Entry& e : entries_) {
        if (e.item) e.item->release();
        if (e.menu) e.menu->release();
    }
    entries_.clear();
    relayed_.clear();
}

void MenuEx::setClock(std::function<std::int64_t()> now) {
    reopen_.setClock(std::move(now));
}

drawer::menu::IBasic* MenuEx::menuDrawer() const {
    if (drawer_) return drawer_;
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    return skin ? skin->getMenuDrawer() : drawer::Defaults::menu();
}

// ---- texts, fonts and measuring ---------------------------------------------------------------

std::u16string MenuEx::getEntryText(std::int32_t index) const {
    if (index < 0 || index >= getEntryCount()) return {};
    const Entry& e = entries_[index];
    if (e.item) return e.item->getText();
    return e.menu ? e.menu->getTitle() : std::u16string();
}

void MenuEx::measure(bool relayout) {
    drawer::menu::IBasic* d = menuDrawer();
    std::int32_t x = 0, height = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Entry& e = entries_[i];
        e.text = getEntryText(static_cast<std::int32_t>(i));
        // The wider of the two fonts, so that hovering never changes the bar's size.
        std::int32_t w = 0, h = 0;
        for (const Font* f : {normalFont_, highlightFont_}) {
            std::int32_t fw = 0, fh = 0;
            d->measureEntry(e.text, f, &fw, &fh);
            w = std::max(w, fw);
            h = std::max(h, fh);
        }
        e.rect = {x, 0, w + 2 * spacingA_, h + 2 * spacingB_};
        x += e.rect.width;
        height = std::max(height, e.rect.height);
    }
    for (Entry& e : entries_) e.rect.height = height;
    std::int32_t width = x;
    if (oneEntry_) width = entries_.empty() ? 0 : entries_[0].rect.width;
    if (showsWindowButtons()) {
        // The entries keep clear of the window buttons.
        WindowButtons probe;
        probe.place(window_, 0, height);
        width += WindowButtons::widthFor(probe.count(), height);
    }
    setMinSize(width, height);
    setNaturalSize(width, height);
    if (relayout && native_ != pw::kNoWindow && parent_) parent_->relayout();
}

void MenuEx::changeFonts(const std::function<void(Font*)>& change) {
    if (handOff([&] { changeFonts(change); })) return;
    change(normalFont_);
    change(highlightFont_);
    measure(true);
    repaint();
}

void MenuEx::setSizeCode(std::int32_t code) {
    changeFonts([&](Font* f) { f->setSizeCode(code); });
}

void MenuEx::setBold(bool on) {
    changeFonts([&](Font* f) { f->setBold(on); });
}

void MenuEx::setUnderline(bool on) {
    changeFonts([&](Font* f) { f->setUnderline(on); });
}

void MenuEx::setPercentWidth(std::int32_t percent) {
    setComponentPercentWidth(percent);
    if (parent_) parent_->relayout();
}

void MenuEx::setPercentHeight(std::int32_t percent) {
    setComponentPercentHeight(percent);
    if (parent_) parent_->relayout();
}

void MenuEx::setFixedWidth(std::int32_t width) {
    setComponentFixedWidth(width);
    if (parent_) parent_->relayout();
}

void MenuEx::setFixedHeight(std::int32_t height) {
    setComponentFixedHeight(height);
    if (parent_) parent_->relayout();
}

void MenuEx::setSpacing(std::int32_t a, std::int32_t b) {
    if (handOff([&] { setSpacing(a, b); })) return;
    spacingA_ = std::max(0, a);
    spacingB_ = std::max(0, b);
    measure(true);
    repaint();
}

void MenuEx::setMenuDrawer(drawer::menu::IBasic* drawer, bool owned) {
    if (handOff([&] { setMenuDrawer(drawer, owned); })) return;
    if (drawer_ && drawerOwned_ && drawer_ != drawer) drawer_->release();
    drawer_ = drawer;
    drawerOwned_ = drawer && owned;
    // Only an own drawer is changed; the shared ones stay as they were made.
    if (drawer_ && drawerOwned_) drawer_->setOneEntry(oneEntry_);
    measure(true);
    repaint();
}

void MenuEx::setOneEntry(bool on) {
    if (handOff([&] { setOneEntry(on); })) return;
    oneEntry_ = on;
    if (drawer_ && drawerOwned_) drawer_->setOneEntry(on);
    if (on) {
        normalFont_->setBold(true);
        highlightFont_->setBold(true);
    }
    measure(true);
    repaint();
}

// ---- entries ----------------------------------------------------------------------------------

void MenuEx::addItem(MenuItem* item) {
    if (!item) return;
    if (handOff([&] { addItem(item); })) return;
    if (!pack_ && item->getLanguagePack()) setLanguagePack(item->getLanguagePack());
    item->refreshText();
    Entry e;
    e.item = item;
    entries_.push_back(e);
    measure(true);
    repaint();
}

void MenuEx::onAttached() {
    for (const Entry& e : entries_) {
        if (e.menu) static_cast<PopupMenu*>(e.menu)->setOwnerWindow(native_);
    }
    measure(false);
}

void MenuEx::addMenu(IPopupMenu* menu) {
    if (!menu) return;
    if (handOff([&] { addMenu(menu); })) return;
    lang::Localizer* pack = static_cast<PopupMenu*>(menu)->getLanguagePack();
    if (!pack_ && pack) setLanguagePack(pack);
    Entry e;
    e.menu = menu;
    entries_.push_back(e);
    listenTo(menu);
    if (native_ != pw::kNoWindow) static_cast<PopupMenu*>(menu)->setOwnerWindow(native_);
    measure(true);
    repaint();
}

void MenuEx::listenTo(IPopupMenu* menu) {
    if (relayed_.insert(menu).second) menu->addCommandListener(&relay_);
    for (IPopupMenu* sub : static_cast<PopupMenu*>(menu)->getSubMenus()) listenTo(sub);
}

void MenuEx::Relay::onEvent(void* source, std::int32_t) {
    // A choice made with the keys gives them back first: the command may open a window.
    if (bar->keys_) bar->leaveKeys(true);
    auto* menu = static_cast<IPopupMenu*>(source);
    bar->chosen_ = menu ? menu->getChosenItem() : nullptr;
    fireListeners(bar->commandListeners_, eventSource(bar), 0);
}

bool MenuEx::ownsCommand(std::int32_t command) const {
    for (const Entry& e : entries_) {
        if (e.item && e.item->isCommand() && e.item->getCommand() == command) return true;
        if (e.menu && e.menu->ownsCommand(command)) return true;
    }
    return false;
}

IPopupMenu* MenuEx::menuOfCommand(std::int32_t command) {
    for (Entry& e : entries_) {
        if (e.menu && e.menu->ownsCommand(command)) return e.menu->menuOfCommand(command);
    }
    return nullptr;
}

bool MenuEx::isChecked(std::int32_t command) const {
    for (const Entry& e : entries_) {
        if (e.item && e.item->isCommand() && e.item->getCommand() == command) {
            return e.item->isChecked();
        }
        if (e.menu && e.menu->ownsCommand(command)) return e.menu->isChecked(command);
    }
    return false;
}

bool MenuEx::setChecked(std::int32_t command, bool on) {
    for (Entry& e : entries_) {
        if (e.item && e.item->isCommand() && e.item->getCommand() == command) {
            e.item->setChecked(on);
            return true;
        }
        if (e.menu && e.menu->ownsCommand(command)) return e.menu->setChecked(command, on);
    }
    return false;
}

bool MenuEx::enableCommand(std::int32_t command, bool enabled) {
    for (Entry& e : entries_) {
        if (e.item && e.item->isCommand() && e.item->getCommand() == command) {
            e.item->setEnabled(enabled);
            return true;
        }
        if (e.menu && e.menu->ownsCommand(command)) return e.menu->enableCommand(command, enabled);
    }
    return false;
}

bool MenuEx::checkRadioCommand(std::int32_t command) {
    IPopupMenu* owner = menuOfCommand(command);
    return owner && owner->checkRadioCommand(command);
}

bool MenuEx::setItemText(std::int32_t command, const std::u16string& text) {
    if (handOff([&] { setItemText(command, text); })) return ownsCommand(command);
    for (Entry& e : entries_) {
        if (e.item && e.item->isCommand() && e.item->getCommand() == command) {
            e.item->setText(text);
            measure(true);
            repaint();
            return true;
        }
        if (e.menu && e.menu->ownsCommand(command)) return e.menu->setItemText(command, text);
    }
    return false;
}

void MenuEx::addCommandListener(events::IEventListener* listener) {
    addListenerTo(commandListeners_, listener);
}

void MenuEx::choose(MenuItem* item) {
    chosen_ = item;
    fireListeners(commandListeners_, eventSource(this), 0);
}

bool MenuEx::chooseCommand(std::int32_t command) {
    for (Entry& e : entries_) {
        if (e.item && e.item->isCommand() && e.item->getCommand() == command) {
            choose(e.item);
            return true;
        }
        if (e.menu && e.menu->ownsCommand(command)) {
            IPopupMenu* owner = e.menu->menuOfCommand(command);
            if (!owner) return false;
            listenTo(e.menu);
            owner->choose(owner->findItem(command));  // the relay tells the bar's listeners
            return true;
        }
    }
    return false;
}

void MenuEx::addRefreshListener(events::IEventListener* listener) {
    addListenerTo(refreshListeners_, listener);
}

void MenuEx::addPopupOpenedListener(events::IEventListener* listener) {
    addListenerTo(openedListeners_, listener);
}

void MenuEx::setLanguagePack(lang::Localizer* pack) {
    if (pack == pack_) return;
    if (pack_) pack_->removeListener(this);
    pack_ = pack;
    if (pack_) pack_->addListener(this);
    refreshTexts();
}

void MenuEx::refreshTexts() {
    if (handOff([&] { refreshTexts(); })) return;
    for (Entry& e : entries_) {
        if (e.item) e.item->refreshText();
        if (e.menu) e.menu->refreshTexts();
    }
    measure(true);
    repaint();
}

void MenuEx::onEvent(void* source, std::int32_t code) {
    if (source && source == followedSkinner()) {
        // Another skin's drawer measures the entries in its own fonts.
        if (handOff([&] { onEvent(source, code); })) return;
        measure(true);
        repaint();
        return;
    }
    if (!source || source != pack_) return;
    refreshTexts();
    fireListeners(refreshListeners_, eventSource(this), 0);
}

void MenuEx::windowButtonsChanged() {
    if (handOff([&] { windowButtonsChanged(); })) return;
    measure(true);
    placeWindowButtons();
    repaint();
}

bool MenuEx::windowButtonAt(pw::Point screen) {
    if (native_ == pw::kNoWindow || !isShown()) return false;
    placeWindowButtons();
    return buttons_.at(pw::screenToClient(native_, screen)) >= 0;
}

bool MenuEx::showsWindowButtons() const {
    return window_ && !oneEntry_ && !window_->isFramed() &&
           window_->getMenuBar() == static_cast<const IComponent*>(this);
}

void MenuEx::placeWindowButtons() {
    buttons_.place(showsWindowButtons() ? window_ : nullptr, width_, height_);
}

// ---- geometry and painting --------------------------------------------------------------------

pw::Rect MenuEx::getEntryRect(std::int32_t index) const {
    if (index < 0 || index >= getEntryCount()) return {};
    if (oneEntry_) return index == 0 ? pw::Rect{0, 0, width_, height_} : pw::Rect{};
    return entries_[index].rect;
}

std::int32_t MenuEx::entryAt(pw::Point p) const {
    if (oneEntry_) return !entries_.empty() && getEntryRect(0).contains(p) ? 0 : -1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].rect.contains(p)) return static_cast<std::int32_t>(i);
    }
    return -1;
}

void MenuEx::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    drawer::menu::IBasic* d = menuDrawer();
    if (oneEntry_) {
        if (entries_.empty()) return;
        std::int32_t state = popupOpen_ ? 2 : (hovered_ == 0 ? 1 : 0);
        const Font* font = state ? highlightFont_ : normalFont_;
        if (d->isOneEntry()) {
            d->paint(canvas, 0, 0, width_, height_, state, entries_[0].text, font);
        } else {
            // A shared drawer is not switched to one-entry mode: paint its button directly.
            d->getButtonDrawer()->paint(canvas, 0, 0, width_, height_, state, entries_[0].text,
                                        true, font, false, false);
        }
        return;
    }
    d->paint(canvas, 0, 0, width_, height_);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        auto index = static_cast<std::int32_t>(i);
        std::int32_t state = drawer::menu::kNormal;
        if (popupOpen_ && openEntry_ == index) {
            state = drawer::menu::kOpen;
        } else if (hovered_ == index) {
            state = drawer::menu::kHovered;
        }
        const Font* font = state == drawer::menu::kNormal ? normalFont_ : highlightFont_;
        d->paintEntry(canvas, e.rect.x, e.rect.y, e.rect.right(), e.rect.bottom(), e.text, font,
                      state);
    }
    placeWindowButtons();
    if (buttons_.count() == 0) return;
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_->getSkinner());
    buttons_.paint(canvas, skin ? skin->getButtonDrawer() : drawer::Defaults::button(), normalFont_,
                   window_->isMaximized());
}

// ---- pointer and popups -----------------------------------------------------------------------

void MenuEx::setHovered(std::int32_t index) {
    if (index == hovered_) return;
    hovered_ = index;
    repaint();
}

void MenuEx::pointerMoved(pw::Point p) {
    std::int32_t index = entryAt(p);
    if (keys_ && index < 0) return;  // the entry the keys reached stays highlighted
    bool moved = index != pointerEntry_;
    pointerEntry_ = index;
    if (popupOpen_) {
        // Onto another popup entry: close the open popup and let the loop open that one.
        if (index >= 0 && index != openEntry_ && entries_[index].menu) {
            setHovered(index);
            switchTo_ = index;
            closeOpenPopup();
        }
        return;
    }
    setHovered(index);
    if (autoOpen_ && moved && index >= 0 && entries_[index].menu) runPopups(index);
}

void MenuEx::pressed(pw::Point p) {
    std::int32_t index = entryAt(p);
    if (keys_) leaveKeys(false);
    if (popupOpen_) {
        // The press closes the popup and does nothing more.
        switchTo_ = -1;
        closeOpenPopup();
        return;
    }
    if (index < 0) return;
    if (entries_[index].menu) {
        // The press that closed a popup must not open it again.
        if (reopen_.holds()) return;
        runPopups(index);
        return;
    }
    press_.press(native_, index);
}

void MenuEx::released(pw::Point p) {
    if (!press_.isPressed()) return;
    std::int32_t index = entryAt(p);
    if (press_.release(native_, index) && entries_[index].item &&
        entries_[index].item->isCommand()) {
        choose(entries_[index].item);
    }
}

void MenuEx::closeOpenPopup() {
    std::vector<pw::Handle> open = pw::openPopups();
    if (open.size() > popupBase_) pw::closePopup(open[popupBase_]);
}

void MenuEx::runPopups(std::int32_t index) {
    std::int32_t last = index;
    bool chosen = false;
    while (index >= 0 && index < getEntryCount() && entries_[index].menu) {
        auto* menu = static_cast<PopupMenu*>(entries_[index].menu);
        pw::Rect r = getEntryRect(index);
        switchTo_ = -1;
        popupOpen_ = true;
        openEntry_ = index;
        hovered_ = index;
        repaint();
        fireListeners(openedListeners_, eventSource(this), 1);
        listenTo(menu);
        popupBase_ = pw::openPopups().size();
        pw::Point at = pw::clientToScreen(native_, {r.x, r.bottom()});
        BarKeys keys;
        if (keys_) {
            keys.highlightFirst = true;
            keys.beside = [this](std::int32_t direction) {
                std::int32_t n = getEntryCount();
                switchTo_ = ((openEntry_ + direction) % n + n) % n;
                closeOpenPopup();
            };
        }
        chosen = menu->track(at.x, at.y, false, r.height, native_, keys);
        popupOpen_ = false;
        if (native_ == pw::kNoWindow) return;  // the bar went away while the popup was open
        index = switchTo_;
        if (index >= 0) last = index;
    }
    switchTo_ = -1;
    openEntry_ = -1;
    reopen_.closed();
    if (pw::capture() == native_) pw::releaseCapture();
    if (keys_ && chosen) leaveKeys(true);
    // Closed by Escape, or moved onto a command entry: the keys stay on the bar there.
    hovered_ = keys_ ? last : -1;
    repaint();
}

void MenuEx::toggleKeys() {
    if (keys_) {
        leaveKeys(true);
        return;
    }
    if (native_ == pw::kNoWindow || entries_.empty() || !isEnabled() || !isShown()) return;
    focusBefore_ = pw::focus();
    keys_ = true;
    pw::setFocus(native_);
    setHovered(0);
}

void MenuEx::leaveKeys(bool focusBack) {
    keys_ = false;
    setHovered(-1);
    if (!focusBack || native_ == pw::kNoWindow || pw::focus() != native_) return;
    pw::Handle back = focusBefore_;
    if (back == pw::kNoWindow || !pw::isWindow(back)) back = pw::topLevelOf(native_);
    pw::setFocus(back);
}

void MenuEx::barKey(std::uint32_t key) {
    std::int32_t n = getEntryCount();
    if (n == 0 || hovered_ < 0) {
        leaveKeys(true);
        return;
    }
    switch (key) {
        case pw::vk::kLeft:
        case pw::vk::kRight:
            setHovered(((hovered_ + (key == pw::vk::kRight ? 1 : -1)) % n + n) % n);
            return;
        case pw::vk::kDown:
        case pw::vk::kUp:
        case pw::vk::kReturn:
        case pw::vk::kSpace: {
            const Entry& e = entries_[hovered_];
            if (e.menu) {
                runPopups(hovered_);
            } else if (key == pw::vk::kReturn || key == pw::vk::kSpace) {
                MenuItem* item = e.item;
                leaveKeys(true);
                if (item && item->isCommand()) choose(item);
            }
            return;
        }
        case pw::vk::kEscape:
        case pw::vk::kTab:
        case pw::vk::kF1 + 9:  // F10
            leaveKeys(true);
            return;
        default:
            return;
    }
}

pw::Result MenuEx::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,

                                 pw::LParam lparam) {
    switch (message) {
        case pw::msg::kHitTest: {
            pw::Result hit = Component::handleMessage(window, message, wparam, lparam);
            if (hit != pw::kHitClient) return hit;
            // Only the entries are the bar; the window beneath gets the pointer elsewhere.
            pw::Point p = pw::screenToClient(window, pw::unpackPoint(lparam));
            placeWindowButtons();
            if (entryAt(p) < 0 && buttons_.at(p) < 0) return pw::kHitTransparent;
            return hit;
        }
        case pw::msg::kMouseMove: {
            pw::Point p = pw::unpackPoint(lparam);
            pointerMoved(p);
            placeWindowButtons();
            if (buttons_.moved(p, (wparam & pw::kMouseLeft) != 0)) repaint();
            return 0;
        }
        case pw::msg::kMouseLeave:
            pointerEntry_ = -1;
            if (buttons_.left()) repaint();
            if (popupOpen_ || keys_) return 0;
            setHovered(-1);
            if (pw::capture() == window && !press_.isPressed() && !buttons_.isPressed())
                pw::releaseCapture();
            return 0;
        case pw::msg::kLButtonDown: {
            pw::Point p = pw::unpackPoint(lparam);
            placeWindowButtons();
            if (!popupOpen_ && buttons_.pressed(native_, p)) {
                repaint();
                return 0;
            }
            pressed(p);
            return 0;
        }
        case pw::msg::kLButtonUp: {
            std::int32_t clicked = -1;
            if (buttons_.released(native_, pw::unpackPoint(lparam), &clicked)) {
                repaint();
                // The last thing the bar does: a close may take the window and the bar away.
                if (clicked >= 0) WindowButtons::click(window_, buttons_.kindOf(clicked));
                return 0;
            }
            released(pw::unpackPoint(lparam));
            return 0;
        }
        case pw::msg::kCaptureChanged:
            press_.captureLost();
            if (buttons_.captureLost()) repaint();
            return 0;
        case pw::msg::kKeyDown:
            if (!keys_) break;
            barKey(static_cast<std::uint32_t>(wparam));
            return 0;
        case pw::msg::kChar:
            if (keys_) return 0;
            break;
        case pw::msg::kKillFocus:
            // The focus went elsewhere (a click, another window): the keys went with it.
            if (keys_) leaveKeys(false);
            break;
        default:
            break;
    }
    return Component::handleMessage(window, message, wparam, lparam);
}

MenuEx* newMenuEx() {
    return MenuEx::create();
}

}  // namespace s::gui::win
