// The drop-down list: item bookkeeping with its selection rules, the field, and the list popup
// with pointer, wheel and key handling.
#include "gui/win/ComboBox.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "gui/IFont.h"
#include "gui/IWindow.h"
#include "gui/access/Access.h"
#include "gui/drawer/Contrast.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/FocusRing.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/combo/IThin.h"
#include "gui/events/Listeners.h"
#include "gui/win/ListPopup.h"
#include "gui/win/ModalGuard.h"
#include "platform/window/Messages.h"
#include "platform/window/Picture.h"
#include "platform/window/Popup.h"
#include "platform/window/Window.h"

namespace s::gui::win {

namespace pw = platform::window;
using combobox::ComboBoxItem;

namespace {

constexpr const char* kListClass = "KavrelComboList";
constexpr pw::Colour kField = pw::rgb(255, 255, 255);
constexpr pw::Colour kFrame = pw::rgb(122, 122, 122);
constexpr pw::Colour kText = pw::rgb(0, 0, 0);
constexpr pw::Colour kGrey = pw::rgb(150, 150, 150);
constexpr std::int32_t kArrowWidth = 18;

// The open list: one row per item; the outcome is the row chosen.
class ComboList : public ListPopup {
public:
    explicit ComboList(ComboBox* box) : ListPopup(1, false, false), box_(box) {
        shareTypeAhead(&box->typeAhead());
    }
    std::int32_t chosen = -1;

protected:
    std::int32_t rowCount() const override { return box_->getItemCount(); }
    std::int32_t rowHeight(std::int32_t) const override { return ComboBox::kRowHeight; }
    void paintRow(pw::Canvas& c, std::int32_t row, pw::Rect r, bool hot,
                  const Colours& colours) override {
        if (hot) c.fillRect(r, colours.highlight);
        pw::Colour ink = hot ? drawer::Contrast::readable(colours.highlightText, colours.highlight)
                             : drawer::Contrast::readable(colours.text, colours.face);
        c.drawText(r.offset(4, 0), box_->getItem(row)->getText(), box_->textFont(), ink,
                   pw::kTextMiddle | pw::kTextEllipsis);
    }
    void chooseRow(std::int32_t row) override {
        chosen = row;
        pw::closePopup(handle());
    }
    std::u16string rowText(std::int32_t row) const override {
        return box_->getItem(row)->getText();
    }
    // F4 closes the list it opened, taking the highlighted item.
    bool extraKey(std::uint32_t key) override {
        if (key != pw::vk::kF1 + 3) return false;
        if (hot() >= 0) chooseRow(hot());
        return true;
    }

private:
    ComboBox* box_;
};

}  // namespace

ComboBox::~ComboBox() {
    for (ComboBoxItem* item : items_) item->release();
}

void ComboBox::resetComboBox() {
    resetComponent();
    for (ComboBoxItem* item : items_) item->release();
    items_.clear();
    listeners_.clear();
    selected_ = previous_ = -1;
    nativeFont_ = pw::Font{};
    list_ = pw::kNoWindow;
    reopen_.reset();
    typeAhead_.reset();
}

const pw::Font& ComboBox::textFont() const {
    return font_ ? font_->nativeFont() : nativeFont_;
}

std::int32_t ComboBox::getItemCount() const {
    return onOwnerThread([this] { return static_cast<std::int32_t>(items_.size()); });
}

ComboBoxItem* ComboBox::getItem(std::int32_t index) const {
    return onOwnerThread([&]() -> ComboBoxItem* {
        return index >= 0 && index < static_cast<std::int32_t>(items_.size()) ? items_[index]
                                                                              : nullptr;
    });
}

std::int32_t ComboBox::getSelectedIndex() const {
    return onOwnerThread([this] { return selected_; });
}

ComboBoxItem* ComboBox::getSelectedItem() const {
    return onOwnerThread([this] { return getItem(selected_); });
}

std::int32_t ComboBox::getPreviousIndex() const {
    return onOwnerThread([this] { return previous_; });
}

ComboBoxItem* ComboBox::getPreviousItem() const {
    return onOwnerThread([this] { return getItem(previous_); });
}

bool ComboBox::isDroppedDown() const {
    return onOwnerThread([this] { return list_ != pw::kNoWindow; });
}

void ComboBox::addItem(ComboBoxItem* item) {
    onOwner([&] { insertItem(getItemCount(), item); });
}

bool ComboBox::deleteSelected() {
    return onOwnerThread([this] { return deleteItemAt(selected_); });
}

void ComboBox::fire() {
    events::fireListeners(listeners_, eventSource(this), 0);
}

std::int32_t ComboBox::getMinWidth() const {
    const std::int32_t base = Component::getMinWidth();
    return fixedWidth_ >= 0 ? std::max(base, fittedWidth()) : base;
}

std::int32_t ComboBox::getMaxWidth() const {
    const std::int32_t base = Component::getMaxWidth();
    return fixedWidth_ >= 0 ? std::max(base, fittedWidth()) : base;
}

std::int32_t ComboBox::fittedWidth() const {
    const bool skinned =
        drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr) != nullptr;
    const pw::Font& font = textFont();
    std::size_t key = 0;
    auto mix = [&key](std::size_t h) {
        key ^= h + 0x9e3779b97f4a7c15ull + (key << 6) + (key >> 2);
    };
    mix(std::hash<double>{}(pw::scale()));
    mix(skinned);
    mix(std::hash<std::string_view>{}(font.face));
    mix(static_cast<std::size_t>(font.height) * 1000 + static_cast<std::size_t>(font.weight));
    for (const ComboBoxItem* item : items_) mix(std::hash<std::u16string_view>{}(item->getText()));
    if (key == fit_.key) return fit_.width;
    std::int32_t widest = 0;
    for (const ComboBoxItem* item : items_)
        widest = std::max(widest, pw::measureText(font, item->getText()).width);
    // Beside the text: the skin's margins (with a pixel for rounding each of them), or the plain
    // field's margins and arrow.
    const std::int32_t room =
        skinned ? px(drawer::combo::IThin::kTextRoom) + 1 : px(4) + px(6) + px(kArrowWidth);
    fit_ = {key, widest > 0 ? widest + room : 0};
    return fit_.width;
}

void ComboBox::repaintField() {
    if (native_ != pw::kNoWindow) repaint();
}

void ComboBox::addChangeListener(events::IEventListener* listener) {
    addListenerTo(listeners_, listener);
}

void ComboBox::insertItem(std::int32_t index, ComboBoxItem* item) {
    if (!item) return;
    if (handOff([&] { insertItem(index, item); })) return;
    index = std::clamp(index, 0, getItemCount());
    items_.insert(items_.begin() + index, item);
    if (selected_ >= index) ++selected_;
    if (previous_ >= index) ++previous_;
    repaintField();
}

ComboBoxItem* ComboBox::removeAt(std::int32_t index, bool* wasSelected) {
    ComboBoxItem* item = items_[index];
    items_.erase(items_.begin() + index);
    *wasSelected = index == selected_;
    if (*wasSelected) {
        selected_ = previous_ = -1;
    } else {
        if (selected_ > index) --selected_;  // the same item stays selected
        if (previous_ == index) previous_ = -1;
        if (previous_ > index) --previous_;
    }
    repaintField();
    return item;
}

ComboBoxItem* ComboBox::takeItemAt(std::int32_t index) {
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        return onOwnerThread([&] { return takeItemAt(index); });
    }
    if (index < 0 || index >= getItemCount()) return nullptr;
    bool wasSelected = false;
    ComboBoxItem* item = removeAt(index, &wasSelected);
    if (wasSelected) fire();
    return item;
}

bool ComboBox::takeItem(ComboBoxItem* item) {
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        return onOwnerThread([&] { return takeItem(item); });
    }
    auto it = std::find(items_.begin(), items_.end(), item);
    return it != items_.end() && takeItemAt(static_cast<std::int32_t>(it - items_.begin()));
}

bool ComboBox::deleteItemAt(std::int32_t index) {
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        return onOwnerThread([&] { return deleteItemAt(index); });
    }
    if (index < 0 || index >= getItemCount()) return false;
    bool wasSelected = false;
    ComboBoxItem* item = removeAt(index, &wasSelected);
    item->release();
    if (wasSelected) {
        // The selection went with the item: the list selects its first item and says so once.
        if (!items_.empty()) {
            selected_ = 0;
            repaintField();
        }
        fire();
    }
    return true;
}

bool ComboBox::deleteItem(ComboBoxItem* item) {
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        return onOwnerThread([&] { return deleteItem(item); });
    }
    auto it = std::find(items_.begin(), items_.end(), item);
    return it != items_.end() && deleteItemAt(static_cast<std::int32_t>(it - items_.begin()));
}

bool ComboBox::deleteItemByValue(const void* value) {
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        return onOwnerThread([&] { return deleteItemByValue(value); });
    }
    for (std::int32_t i = 0; i < getItemCount(); ++i) {
        if (items_[i]->getValue() == value) return deleteItemAt(i);
    }
    return false;
}

void ComboBox::select(std::int32_t index, bool notify) {
    if (handOff([&] { select(index, notify); })) return;
    if (items_.empty()) {
        selected_ = -1;  // nothing to select, nothing to tell
        return;
    }
    if (index < 0 || index >= getItemCount()) index = 0;
    if (index == selected_) return;
    previous_ = selected_;
    selected_ = index;
    repaintField();
    access::Access::selectionChanged(this);
    if (notify) fire();
}

bool ComboBox::selectByValue(const void* value, bool notify) {
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        return onOwnerThread([&] { return selectByValue(value, notify); });
    }
    for (std::int32_t i = 0; i < getItemCount(); ++i) {
        if (items_[i]->getValue() == value) {
            select(i, notify);
            return true;
        }
    }
    return false;
}

bool ComboBox::dropDown() {
    if (native_ == pw::kNoWindow || items_.empty() || list_ != pw::kNoWindow) return false;
    if (!pw::isOwnerThread(native_)) {
        // Only on the owner thread: a window gone meanwhile drops nothing down.
        return pw::callOnOwner(native_, [this]() -> pw::Result {
                   return pw::isOwnerThread(native_) && dropDown() ? 1 : 0;
               }) != 0;
    }
    ComboList list(this);
    list.setHot(std::max(selected_, 0));
    std::int32_t rows = std::min(getItemCount(), kVisibleRows);
    pw::Rect field = pw::screenRect(native_);
    pw::Rect at = pw::popupRect({field.x, field.bottom()}, {field.width, rows * px(kRowHeight) + 2 * px(1)},
                                field.height);
    // The list's loop is one of the window's modal loops; ending them all closes the list.
    ModalGuard::Scope modal(modalGuardOf(native_), [] { pw::closePopups(); });
    if (!list.open(kListClass, native_, at)) return false;
    list_ = list.handle();
    pw::Handle handle = list_;
    pw::runModalLoop([handle] { return !pw::isWindow(handle); });
    if (pw::isWindow(handle)) pw::closePopup(handle);
    list_ = pw::kNoWindow;
    // Closed without a choice (a press outside, Escape): that press must not open it again.
    if (list.chosen < 0) {
        reopen_.closed();
        return false;
    }
    select(list.chosen, true);
    return true;
}

void ComboBox::onEvent(void* source, std::int32_t code) {
    if (!source || source != followedSkinner()) return;
    if (handOff([&] { onEvent(source, code); })) return;
    repaint();
}

void ComboBox::paint(pw::Canvas& canvas, pw::Rect area) {
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    if (skin) {
        // Like a button, a skinned box shows the ground it stands on (a light system face would
        // carry a dark theme's light text), unless the program gave it a colour of its own.
        if (background_ != kSystemButtonFace) Component::paint(canvas, area);
        ComboBoxItem* item = getSelectedItem();
        skin->getComboDrawer()->paint(canvas, 0, 0, width_, height_, 0,
                                      item ? item->getText() : std::u16string(), font_,
                                      isEnabled());
        if (hasFocus()) skin->getComboDrawer()->paintFocus(canvas, 2, 2, width_ - 2, height_ - 2);
        return;
    }
    pw::Rect all{0, 0, width_, height_};
    canvas.fillRect(all, kField);
    canvas.frameRect(all, kFrame, px(1));
    bool enabled = isEnabled();
    if (ComboBoxItem* item = getSelectedItem()) {
        pw::Rect text{px(4), 0, width_ - px(kArrowWidth) - px(6), height_};
        canvas.drawText(text, item->getText(), textFont(), enabled ? kText : kGrey,
                        pw::kTextMiddle | pw::kTextEllipsis);
    }
    pw::Rect arrow{width_ - px(kArrowWidth), 0, px(kArrowWidth), height_};
    canvas.drawText(arrow, u"\u25BE", textFont(), enabled ? kText : kGrey,
                    pw::kTextCentre | pw::kTextMiddle);
    if (hasFocus()) drawer::FocusRing::paint(canvas, 2, 2, width_ - 2, height_ - 2);
}

pw::Result ComboBox::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                   pw::LParam lparam) {
    switch (message) {
        case pw::msg::kLButtonDown:
            pw::setFocus(window);
            // The press that closed the open list (handled inside the list's loop, or just
            // after it ended) leaves it closed.
            if (isDroppedDown() || reopen_.holds()) return 0;
            // Posted: the list's loop runs after this press is handled, not inside it.
            pw::post(window, kMsgDropDown, 0, 0);
            return 0;
        case kMsgDropDown:
            dropDown();
            return 0;
        case pw::msg::kKeyDown: {
            // Closed, the arrows, Home and End select at once (as a choice in the list does);
            // Alt with an arrow, F4 and Space open the list.
            bool alt = pw::isKeyDown(pw::vk::kAlt);
            bool ctrl = pw::isKeyDown(pw::vk::kControl);
            switch (wparam) {
                case pw::vk::kDown:
                case pw::vk::kUp:
                    if (alt) {
                        dropDown();
                    } else if (!items_.empty()) {
                        std::int32_t step = wparam == pw::vk::kDown ? 1 : -1;
                        select(std::clamp(selected_ + step, 0, getItemCount() - 1), true);
                    }
                    return 0;
                case pw::vk::kHome:
                    select(0, true);
                    return 0;
                case pw::vk::kEnd:
                    select(getItemCount() - 1, true);
                    return 0;
                case pw::vk::kF1 + 3:  // F4 (Alt+F4 is the window's)
                case pw::vk::kSpace:
                    if (alt || ctrl) break;
                    dropDown();
                    return 0;
                default:
                    break;
            }
            break;
        }
        case pw::msg::kChar: {
            std::int32_t row =
                typeAhead_.typed(static_cast<char16_t>(wparam), selected_, getItemCount(),
                                 [this](std::int32_t i) { return items_[i]->getText(); });
            if (row >= 0) select(row, true);
            return 0;
        }
        case pw::msg::kMouseWheel:
            // Only a list the user is working with (it has the focus) takes the turn; over any
            // other the turn scrolls the page around it.
            if (!isDroppedDown() && !items_.empty() && pw::focus() == window) {
                std::int32_t step = pw::wheelDelta(wparam) > 0 ? -1 : 1;
                select(std::clamp(selected_ + step, 0, getItemCount() - 1), true);
                return 0;
            }
            break;
        default:
            break;
    }
    return Component::handleMessage(window, message, wparam, lparam);
}

ComboBox* newComboBox(std::int32_t width, bool enabled) {
    ComboBox* box = ComboBox::create();
    if (width >= 0) box->setComponentFixedWidth(width);
    box->setComponentFixedHeight(23);
    box->setEnabled(enabled);
    return box;
}

}  // namespace s::gui::win
