// Text numbers, the widget's own font and the text drawer of the current skin.
#include "gui/win/TextComponent.h"

#include "gui/IWindow.h"
#include "gui/access/Access.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"
#include "lang/Localizer.h"

namespace pw = platform::window;

namespace s::gui::win {

void* languagePackOf(IComponent* component) {
    IWindow* window = component ? component->getWindow() : nullptr;
    return window ? window->getLanguagePack() : nullptr;
}

bool lookUpText(IComponent* component, std::int32_t number, std::u16string* text) {
    auto* pack = static_cast<lang::Localizer*>(languagePackOf(component));
    if (!pack) return false;
    *text = pack->text(number);
    return true;
}

TextComponent::TextComponent() : ownFont_(Font::create()) {
    font_ = ownFont_;
}

TextComponent::~TextComponent() {
    ownFont_->release();
}

void TextComponent::resetText() {
    resetComponent();
    ownFont_->recycle();
    font_ = ownFont_;
    text_.clear();
    textNumber_ = -1;
}

void TextComponent::onAttached() {
    if (textNumber_ >= 0) lookUpNumber(false);
    measure(false);
}

void TextComponent::onEvent(void* source, std::int32_t code) {
    if (!source) return;
    if (source == followedPack()) {
        // The language may change on any thread; the text changes on the owner thread.
        if (handOff([&] { onEvent(source, code); })) return;
        if (textNumber_ >= 0) lookUpNumber(true);
    } else if (source == followedSkinner()) {
        if (handOff([&] { onEvent(source, code); })) return;
        measure(true);
        repaint();
    }
}

void TextComponent::lookUpNumber(bool repaint) {
    std::u16string found;
    if (textNumber_ < 0 || !lookUpText(this, textNumber_, &found)) found.clear();
    storeText(found, repaint);
}

void TextComponent::setTextNumber(std::int32_t number) {
    if (handOff([&] { setTextNumber(number); })) return;
    textNumber_ = number;
    lookUpNumber(native_ != pw::kNoWindow);
}

bool TextComponent::storeText(const std::u16string& text, bool repaint) {
    if (text == text_) return false;
    text_ = text;
    measure(true);
    if (repaint) this->repaint();
    access::Access::textChanged(this);
    return true;
}

void TextComponent::changeFont(const std::function<void(Font*)>& change) {
    if (handOff([&] { changeFont(change); })) return;
    change(ownFont_);
    measure(true);
    repaint();
}

void TextComponent::applyFontChange(const std::function<void(Font*)>& change, bool stateFonts) {
    changeFont([&](Font* f) {
        change(f);
        if (stateFonts) forEachStateFont(change);
    });
}

void TextComponent::afterMeasure(bool relayout) {
    if (relayout && native_ != pw::kNoWindow && parent_) parent_->relayout();
}

drawer::text::IBasic* TextComponent::textDrawer() const {
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    return skin ? skin->getTextDrawer() : drawer::Defaults::text();
}

drawer::text::TextFormat TextComponent::formatOf(const IFont* font) const {
    drawer::text::TextFormat format;
    format.wrap = font->isWrap();
    format.ellipsis = font->isEllipsis();
    format.centred = font->isCentred();
    format.effect = font->getTextEffect();
    return format;
}

}  // namespace s::gui::win
