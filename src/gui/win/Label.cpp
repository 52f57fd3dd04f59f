// Label text, measuring and painting.
#include "gui/win/Label.h"

#include "gui/IFont.h"

namespace pw = platform::window;

namespace s::gui::win {

void Label::resetLabel() {
    resetComponent();
    text_.clear();
    nativeFont_ = pw::Font{};
    textColour_ = 0;
    transparent_ = true;
}

bool Label::setText(const std::u16string& text, bool repaint) {
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        // The text is compared and changed on the owner thread only, where painting reads it.
        return pw::send(native_, kMsgSetText, reinterpret_cast<pw::WParam>(&text),
                        repaint ? 1 : 0) != 0;
    }
    if (text == text_) return false;
    storeText(text, repaint && native_ != pw::kNoWindow);
    return true;
}

void Label::storeText(const std::u16string& text, bool repaint) {
    if (!text_.empty() && repaint) {
        text_.clear();
        this->repaint();  // no trace of the old text stays
    }
    text_ = text;
    measure(true);
    if (repaint) this->repaint();
}

void Label::measure(bool relayout) {
    const pw::Font& font = font_ ? font_->nativeFont() : nativeFont_;
    pw::Size size = pw::measureText(font, text_);
    setMinSize(size.width, size.height);
    setNaturalSize(size.width, size.height);
    if (relayout && native_ != pw::kNoWindow && parent_) parent_->relayout();
}

void Label::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    const pw::Font& font = font_ ? font_->nativeFont() : nativeFont_;
    canvas.drawText({0, 0, width_, height_}, text_, font, textColour_);
}

pw::Result Label::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                pw::LParam lparam) {
    if (message == kMsgSetText) {
        return setText(*reinterpret_cast<const std::u16string*>(wparam), lparam != 0) ? 1 : 0;
    }
    return Component::handleMessage(window, message, wparam, lparam);
}

Label* newLabel(const std::u16string& text) {
    Label* label = Label::create();
    label->setText(text, false);
    return label;
}

}  // namespace s::gui::win
