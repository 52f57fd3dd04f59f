// Text fields and areas: the text and listeners kept by the component, the layer's text control
// made inside it on attachment, and every change of the control run on the owner thread.
#include "gui/win/EditBase.h"

#include <algorithm>

#include "gui/IWindow.h"
#include "gui/access/Access.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/FocusRing.h"
#include "gui/drawer/SkinColours.h"
#include "gui/drawer/Skinner.h"
#include "gui/events/Listeners.h"
#include "platform/window/Edit.h"

namespace pw = platform::window;

namespace s::gui::win {

namespace {
constexpr Colour kBlack = 0x00000000;
constexpr Colour kWhite = 0x00FFFFFF;
}  // namespace

EditBase::~EditBase() {
    if (ownFont_) ownFont_->release();
}

void EditBase::resetEdit() {
    resetComponent();
    edit_ = pw::kNoWindow;
    text_.clear();
    notify_ = true;
    editable_ = true;
    background_ = kWhite;
    if (ownFont_) ownFont_->release();
    ownFont_ = newFont();
    changeListeners_.clear();
    notifyListeners_.clear();
    measure();
}

std::u16string EditBase::getText() const {
    if (edit_ != pw::kNoWindow) return pw::editText(edit_);
    return text_;
}

void EditBase::setText(const std::u16string& text, bool notify) {
    if (native_ != pw::kNoWindow) {
        pw::send(native_, kMsgSetText, reinterpret_cast<pw::WParam>(&text), notify ? 1 : 0);
        return;
    }
    text_ = text;
}

void EditBase::changeFont(const std::function<void(Font&)>& change) {
    if (native_ != pw::kNoWindow) {
        pw::send(native_, kMsgFont, reinterpret_cast<pw::WParam>(&change));
        return;
    }
    change(*ownFont_);
    measure();
}

void EditBase::applyFontChange(const std::function<void(Font*)>& change, bool) {
    changeFont([&](Font& f) { change(&f); });
}

void EditBase::setFont(IFont* font) {
    if (!font) return;
    changeFont([font](Font& f) { f.copyFrom(font); });
}

void EditBase::addChangeListener(events::IEventListener* listener) {
    addListenerTo(changeListeners_, listener);
}

void EditBase::addNotifyListener(events::IEventListener* listener) {
    addListenerTo(notifyListeners_, listener);
}

void EditBase::selectAll() {
    if (native_ != pw::kNoWindow) pw::send(native_, kMsgSelectAll);
}

void EditBase::setEditable(bool editable) {
    editable_ = editable;
    if (edit_ != pw::kNoWindow) pw::setEditReadOnly(edit_, !editable);
}

void EditBase::forgetNative() {
    Component::forgetNative();
    edit_ = pw::kNoWindow;
}

std::uint32_t EditBase::editStyle() const {
    return multiLine_ ? std::uint32_t{pw::kEditMultiLine} : 0u;
}

void EditBase::placeEdit() {
    if (edit_ != pw::kNoWindow) {
        pw::place(edit_, {0, 0, std::max(width_, 0), std::max(height_, 0)});
    }
}

void EditBase::onAttached() {
    std::uint32_t style = pw::kStyleVisible | editStyle();
    if (!editable_) style |= pw::kEditReadOnly;
    edit_ = pw::createEdit(native_, {0, 0, std::max(width_, 0), std::max(height_, 0)}, style);
    if (edit_ == pw::kNoWindow) return;
    pw::setEditFont(edit_, ownFont_->nativeFont());
    measure();
    notify_ = false;  // the text kept before attachment is no change
    pw::setEditText(edit_, text_);
    notify_ = true;
}

void EditBase::onResized() {
    placeEdit();
}

void EditBase::applyFont() {
    if (edit_ != pw::kNoWindow) pw::setEditFont(edit_, ownFont_->nativeFont());
    measure();
    if (native_ != pw::kNoWindow && parent_) parent_->relayout();
}

void EditBase::measure() {
    const pw::Font& font = ownFont_->nativeFont();
    std::int32_t field = pw::editFieldHeight(font);
    if (multiLine_) {
        std::int32_t line = pw::lineHeight(font);
        setMinSize(px(24), field + line);
        setNaturalSize(px(160), field + 3 * line);
    } else {
        setMinSize(px(24), field);
        setNaturalSize(px(120), field);
    }
}

void EditBase::paint(pw::Canvas&, pw::Rect) {
    if (edit_ == pw::kNoWindow) return;
    // A transparent field shows its parent's colour (or what lies beneath when the parent is
    // transparent too); an enabled field its own; a disabled one the button face.
    pw::EditColours c;
    if (transparent_) {
        if (parent_ && !parent_->isBackgroundTransparent()) {
            c.background = parent_->getBackgroundColour();
        } else {
            c.fillBackground = false;
        }
    } else {
        c.background = isEnabled() ? background_ : kSystemButtonFace;
    }
    c.text = ownFont_->isTextColourSet() ? ownFont_->getTextColour() : kBlack;
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    if (!ownFont_->isTextColourSet() && !c.fillBackground && skin) {
        // Nothing of the field's own lies under the text: the skin's text colour keeps it
        // readable on a dark window.
        c.text = skin->getTextDrawer()->getTextColour();
    }
    // The frame and the selection as the theme has them.
    drawer::SkinColours theme = drawer::SkinColours::of(skin);
    c.frame = theme.frame;
    c.selection = theme.highlight;
    c.selectedText = theme.highlightText;
    // The focus ring stands out from the field's ground, or from the parent's around it.
    Colour ground = c.fillBackground ? c.background
                    : parent_        ? parent_->getBackgroundColour()
                                     : kWhite;
    c.focusFrame = drawer::FocusRing::colourOn(theme.focusFrame, ground);
    pw::setEditColours(edit_, c);
}

void EditBase::onEvent(void* source, std::int32_t code) {
    if (!source || source != followedSkinner()) return;
    if (handOff([&] { onEvent(source, code); })) return;
    repaint();
}

void EditBase::fire(const std::vector<events::IEventListener*>& listeners, std::int32_t code) {
    events::fireListeners(listeners, eventSource(this), code);
}

pw::Result EditBase::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                   pw::LParam lparam) {
    switch (message) {
        case kMsgSetText:
            notify_ = lparam != 0;
            if (edit_ != pw::kNoWindow) {
                pw::setEditText(edit_, *reinterpret_cast<const std::u16string*>(wparam));
            } else {
                text_ = *reinterpret_cast<const std::u16string*>(wparam);
            }
            notify_ = true;
            return 1;
        case kMsgSelectAll:
            if (edit_ != pw::kNoWindow) pw::editSelectAll(edit_);
            return 1;
        case kMsgFont:
            (*reinterpret_cast<const std::function<void(Font&)>*>(wparam))(*ownFont_);
            applyFont();
            return 1;
        case pw::msg::kSetFocus:
            if (edit_ != pw::kNoWindow) pw::setFocus(edit_);
            return 0;
        case pw::msg::kCommand: {
            if (static_cast<pw::Handle>(lparam) != edit_ || edit_ == pw::kNoWindow) return 0;
            switch (pw::editNotification(wparam)) {
                case pw::kEditSetFocus:
                    access::Access::focused(this);
                    focusChanged(true);
                    break;
                case pw::kEditChange:
                    text_ = pw::editText(edit_);
                    access::Access::textChanged(this);
                    if (notify_) fire(changeListeners_, 1);
                    break;
                case pw::kEditReturn:
                    fire(notifyListeners_, 3);
                    break;
                case pw::kEditKillFocus:
                    focusChanged(false);
                    fire(notifyListeners_, 3);
                    break;
                case pw::kEditScroll:
                    onEditScroll();
                    break;
                default:
                    break;
            }
            return 0;
        }
        default:
            return Component::handleMessage(window, message, wparam, lparam);
    }
}

}  // namespace s::gui::win
