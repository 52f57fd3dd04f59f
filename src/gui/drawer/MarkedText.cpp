// Mark-with-text painting and measuring.
#include "gui/drawer/MarkedText.h"

#include <algorithm>

#include "gui/drawer/checkbox/IThin.h"
#include "gui/drawer/radiobutton/IThin.h"

namespace pw = platform::window;

namespace s::gui::drawer {

template <class Interface>
void MarkedText<Interface>::resetMarked() {
    text_->recycle();
    setColours(pw::rgb(68, 68, 68), pw::rgb(0, 0, 0), pw::rgb(204, 204, 204));
}

template <class Interface>
void MarkedText<Interface>::setColours(Colour line, Colour text, Colour extra) {
    line_ = line;
    textColour_ = text;
    extra_ = extra;
    text_->setFontColours(text, text_->getSecondColour(), text_->getThirdColour());
}

// In a rectangle taller than the mark the mark is centred vertically (rounding down), so that
// it sits beside the middle of a one-line text; the text is vertically centred too.
template <class Interface>
void MarkedText<Interface>::paint(Canvas& picture, std::int32_t left, std::int32_t top,
                                  std::int32_t right, std::int32_t bottom, std::int32_t side,
                                  bool checked, std::u16string_view text, const IFont* font,
                                  bool enabled) {
    if (emptyArea(left, top, right, bottom) || side <= 0) return;
    const std::int32_t s = side;
    const std::int32_t x = left, y = top + std::max(0, (bottom - top - s) / 2);
    paintMark(picture, x, y, s, checked, enabled ? line_ : extra_);
    std::int32_t textLeft = x + s + s / 6;
    if (textLeft >= right || text.empty()) return;
    text::TextFormat format;
    format.ellipsis = true;
    format.dimmed = !enabled;
    pw::Size size = pw::measureText(nativeFontOf(font), text);
    std::int32_t textTop = top + std::max(0, (bottom - top - size.height) / 2);
    text_->paint(picture, textLeft, textTop, right, bottom, text, font, format, textColour_);
}

template <class Interface>
void MarkedText<Interface>::measure(std::u16string_view text, const IFont* font, std::int32_t side,
                                    std::int32_t* minimumWidth, std::int32_t* minimumHeight,
                                    std::int32_t* naturalWidth, std::int32_t* naturalHeight) {
    std::int32_t minW = 0, minH = 0, natW = 0, natH = 0;
    if (!text.empty()) text_->measure(text, font, {}, &minW, &minH, &natW, &natH);
    const std::int32_t box = side + (text.empty() ? 0 : side / 6);
    if (minimumWidth) *minimumWidth = box + minW;
    if (minimumHeight) *minimumHeight = std::max(side, minH);
    if (naturalWidth) *naturalWidth = box + natW;
    if (naturalHeight) *naturalHeight = std::max(side, natH);
}

template class MarkedText<checkbox::IThin>;
template class MarkedText<radiobutton::IThin>;

}  // namespace s::gui::drawer
