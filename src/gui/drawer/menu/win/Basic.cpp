// Menu-bar entries: measuring, highlight and the hover offset.
#include "gui/drawer/menu/win/Basic.h"

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::menu::win {

Basic::Basic() : textDrawer_(text::win::Basic::create()), button_(button::win::Thin::create()) {
    reset();
}

Basic::~Basic() {
    textDrawer_->release();
    button_->release();
}

void Basic::reset() {
    textDrawer_->recycle();
    button_->recycle();
    setColours(pw::rgb(0, 0, 0), pw::rgb(68, 68, 68), pw::rgb(255, 255, 255));
    fontNormal_ = pw::rgb(0, 0, 0);
    fontSecond_ = pw::rgb(255, 255, 255);
    highlight_ = pw::rgb(68, 68, 68);
    highlightFill_ = true;
    offset_ = false;
    oneEntry_ = false;
}

void Basic::setColours(Colour text, Colour line, Colour background) {
    text_ = text;
    line_ = line;
    background_ = background;
    button_->setLineColour(line);
    button_->setBackgroundColour(background);
}

// The bar is transparent: the window background shows through, unless it is one button.
void Basic::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom, std::int32_t state, std::u16string_view text,
                  const IFont* font) {
    if (emptyArea(left, top, right, bottom) || !oneEntry_) return;
    button_->paint(picture, left, top, right, bottom, state, text, true, font, false, false);
}

void Basic::paintEntry(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::u16string_view text, const IFont* font,
                       std::int32_t state) {
    if (emptyArea(left, top, right, bottom)) return;
    Colour colour = fontNormal_;
    if (state != kNormal && highlightFill_) {
        picture.fillRect({left, top, right - left, bottom - top}, highlight_);
        colour = fontSecond_;
    }
    std::int32_t shift = 0;
    const std::int32_t u = pw::scaled(1);
    if (offset_ && state == kHovered) shift = -u;
    if (offset_ && state == kOpen) shift = u;
    text::TextFormat format;
    format.centred = true;
    textDrawer_->paint(picture, left + shift, top + shift, right + shift, bottom + shift, text,
                       font, format, colour);
}

void Basic::measureEntry(std::u16string_view text, const IFont* font, std::int32_t* width,
                         std::int32_t* height) {
    textDrawer_->measure(text, font, {}, nullptr, nullptr, width, height);
}

}  // namespace s::gui::drawer::menu::win
