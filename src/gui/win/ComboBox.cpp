// The drop-down list: item bookkeeping with its selection rules, the field, and the list popup
// with pointer, wheel and key handling.
#include "gui/win/ComboBox.h"

#include <algorithm>

#include "gui/IFont.h"
#include "gui/IWindow.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"
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
constexpr pw::Colour kHighlight = pw::rgb(0, 120, 215);
constexpr pw::Colour kHighlightText = pw::rgb(255, 255, 255);
constexpr std::int32_t kArrowWidth = 18;
}  // namespace

// The open list: the row under the pointer or the keys, the first row shown, and the outcome.
struct ComboList {
    ComboBox* box = nullptr;
    std::int32_t hot = -1;
    std::int32_t top = 0;
    std::int32_t rows = 0;
    std::int32_t chosen = -1;

    void show(std::int32_t i) {
        if (i < top) top = i;
        if (i >= top + rows) top = i - rows + 1;
    }
    void setHot(pw::Handle w, std::int32_t i) {
        std::int32_t n = box->getItemCount();
        if (n == 0) return;
        i = std::clamp(i, 0, n - 1);
        show(i);
        hot = i;
        pw::invalidate(w);
    }
    std::int32_t rowAt(pw::Point p) const {
        if (p.y < 1) return -1;
        std::int32_t i = top + (p.y - 1) / ComboBox::kRowHeight;
        return i < box->getItemCount() ? i : -1;
    }
    void choose(pw::Handle w, std::int32_t i) {
        chosen = i;
        pw::closePopup(w);
    }
};

namespace {

pw::Result listHandler(pw::Handle w, std::uint32_t m, pw::WParam wp, pw::LParam lp) {
    auto* l = static_cast<ComboList*>(pw::userData(w));
    if (!l) return pw::defaultHandler(w, m, wp, lp);
    std::int32_t n = l->box->getItemCount();
    switch (m) {
        case pw::msg::kPaint: {
            pw::Rect r = pw::windowRect(w);
            pw::Canvas& c = *pw::paintEventOf(wp)->canvas;
            c.fillRect({0, 0, r.width, r.height}, kField);
            c.frameRect({0, 0, r.width, r.height}, kFrame);
            for (std::int32_t k = 0; k < l->rows && l->top + k < n; ++k) {
                std::int32_t i = l->top + k;
                pw::Rect row{1, 1 + k * ComboBox::kRowHeight, r.width - 2, ComboBox::kRowHeight};
                if (i == l->hot) c.fillRect(row, kHighlight);
                c.drawText(row.offset(4, 0), l->box->getItem(i)->getText(), l->box->textFont(),
                           i == l->hot ? kHighlightText : kText,
                           pw::kTextMiddle | pw::kTextEllipsis);
            }
            return 0;
        }
        case pw::msg::kMouseMove: {
            std::int32_t i = l->rowAt(pw::unpackPoint(lp));
            if (i >= 0 && i != l->hot) l->setHot(w, i);
            return 0;
        }
        case pw::msg::kLButtonUp: {
            std::int32_t i = l->rowAt(pw::unpackPoint(lp));
            if (i >= 0) l->choose(w, i);
            return 0;
        }
        case pw::msg::kMouseWheel: {
            // One row per notch, the highlight following so that Enter takes what is seen.
            std::int32_t notches = pw::wheelDelta(wp) / 120;
            std::int32_t maxTop = std::max(0, n - l->rows);
            l->top = std::clamp(l->top - notches, 0, maxTop);
            l->hot = std::clamp(l->hot - notches, l->top, l->top + l->rows - 1);
            pw::invalidate(w);
            return 0;
        }
        case pw::msg::kKeyDown:
            switch (wp) {
                case pw::vk::kDown:
                    l->setHot(w, l->hot + 1);
                    break;
                case pw::vk::kUp:
                    l->setHot(w, l->hot < 0 ? 0 : l->hot - 1);
                    break;
                case pw::vk::kPageDown:
                    l->setHot(w, l->hot + l->rows);
                    break;
                case pw::vk::kPageUp:
                    l->setHot(w, l->hot - l->rows);
                    break;
                case pw::vk::kHome:
                    l->setHot(w, 0);
                    break;
                case pw::vk::kEnd:
                    l->setHot(w, n - 1);
                    break;
                case pw::vk::kReturn:
                    if (l->hot >= 0) l->choose(w, l->hot);
                    break;
                default:
                    break;
            }
            return 0;
        case pw::msg::kDestroy:
            pw::setUserData(w, nullptr);
            return 0;
        default:
            return pw::defaultHandler(w, m, wp, lp);
    }
}

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
}

const pw::Font& ComboBox::textFont() const {
    return font_ ? font_->nativeFont() : nativeFont_;
}

ComboBoxItem* ComboBox::getItem(std::int32_t index) const {
    return index >= 0 && index < getItemCount() ? items_[index] : nullptr;
}

void ComboBox::fire() {
    std::vector<events::IEventListener*> listeners = listeners_;
    for (events::IEventListener* l : listeners) l->onEvent(eventSource(this), 0);
}

void ComboBox::repaintField() {
    if (native_ != pw::kNoWindow) repaint();
}

void ComboBox::addChangeListener(events::IEventListener* listener) {
    if (listener) listeners_.push_back(listener);
}

void ComboBox::insertItem(std::int32_t index, ComboBoxItem* item) {
    if (!item) return;
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
    if (index < 0 || index >= getItemCount()) return nullptr;
    bool wasSelected = false;
    ComboBoxItem* item = removeAt(index, &wasSelected);
    if (wasSelected) fire();
    return item;
}

bool ComboBox::takeItem(ComboBoxItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it != items_.end() && takeItemAt(static_cast<std::int32_t>(it - items_.begin()));
}

bool ComboBox::deleteItemAt(std::int32_t index) {
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
    auto it = std::find(items_.begin(), items_.end(), item);
    return it != items_.end() && deleteItemAt(static_cast<std::int32_t>(it - items_.begin()));
}

bool ComboBox::deleteItemByValue(const void* value) {
    for (std::int32_t i = 0; i < getItemCount(); ++i) {
        if (items_[i]->getValue() == value) return deleteItemAt(i);
    }
    return false;
}

void ComboBox::select(std::int32_t index, bool notify) {
    if (items_.empty()) {
        selected_ = -1;  // nothing to select, nothing to tell
        return;
    }
    if (index < 0 || index >= getItemCount()) index = 0;
    if (index == selected_) return;
    previous_ = selected_;
    selected_ = index;
    repaintField();
    if (notify) fire();
}

bool ComboBox::selectByValue(const void* value, bool notify) {
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
        return pw::callOnOwner(native_, [this]() -> pw::Result { return dropDown() ? 1 : 0; }) != 0;
    }
    pw::registerClass(kListClass, listHandler);
    ComboList list;
    list.box = this;
    list.rows = std::min(getItemCount(), kVisibleRows);
    list.hot = std::max(selected_, 0);
    list.show(list.hot);
    pw::Rect field = pw::screenRect(native_);
    pw::Rect at = pw::popupRect({field.x, field.bottom()},
                                {field.width, list.rows * kRowHeight + 2}, field.height);
    list_ = pw::openPopup(kListClass, native_, at, &list);
    if (!list_) return false;
    pw::Handle handle = list_;
    pw::runModalLoop([handle] { return !pw::isWindow(handle); });
    if (pw::isWindow(handle)) pw::closePopup(handle);
    list_ = pw::kNoWindow;
    if (list.chosen < 0) return false;
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
        return;
    }
    pw::Rect all{0, 0, width_, height_};
    canvas.fillRect(all, kField);
    canvas.frameRect(all, kFrame);
    bool enabled = isEnabled();
    if (ComboBoxItem* item = getSelectedItem()) {
        pw::Rect text{4, 0, width_ - kArrowWidth - 6, height_};
        canvas.drawText(text, item->getText(), textFont(), enabled ? kText : kGrey,
                        pw::kTextMiddle | pw::kTextEllipsis);
    }
    pw::Rect arrow{width_ - kArrowWidth, 0, kArrowWidth, height_};
    canvas.drawText(arrow, u"\u25BE", textFont(), enabled ? kText : kGrey,
                    pw::kTextCentre | pw::kTextMiddle);
}

pw::Result ComboBox::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                   pw::LParam lparam) {
    switch (message) {
        case pw::msg::kLButtonDown:
            pw::setFocus(window);
            // Posted: the list's loop runs after this press is handled, not inside it.
            pw::post(window, kMsgDropDown, 0, 0);
            return 0;
        case kMsgDropDown:
            dropDown();
            return 0;
        case pw::msg::kKeyDown:
            switch (wparam) {
                case pw::vk::kDown:
                    select(std::min(selected_ + 1, getItemCount() - 1), true);
                    return 0;
                case pw::vk::kUp:
                    select(std::max(selected_ - 1, 0), true);
                    return 0;
                case pw::vk::kHome:
                    select(0, true);
                    return 0;
                case pw::vk::kEnd:
                    select(getItemCount() - 1, true);
                    return 0;
                case pw::vk::kF1 + 3:  // F4
                case pw::vk::kSpace:
                    dropDown();
                    return 0;
                default:
                    break;
            }
            break;
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
