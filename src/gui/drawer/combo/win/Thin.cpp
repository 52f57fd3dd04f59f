// Drop-down list painting: box, text area by state, separator and arrow.
#include "gui/drawer/combo/win/Thin.h"

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::combo::win {

Thin::Thin() : button_(button::win::Thin::create()), textDrawer_(text::win::Basic::create()) {
    reset();
}

Thin::~Thin() {
    button_->release();
    textDrawer_->release();
}

void Thin::reset() {
    button_->recycle();
    textDrawer_->recycle();
    setColours(pw::rgb(0, 0, 0), pw::rgb(68, 68, 68));
}

void Thin::setColours(Colour text, Colour line) {
    text_ = text;
    line_ = line;
    button_->setLineColour(line);
}

void Thin::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, std::int32_t state, std::u16string_view text,
                 const IFont* font, bool enabled) {
    if (emptyArea(left, top, right, bottom)) return;
    if (state < 0 || state > 2) state = 0;
    const std::int32_t u = pw::scaled(1);
    // The box: a button without text in the state.
    button_->paint(picture, left, top, right, bottom, state, u"", enabled, font, false, false);
    // The text area moves with the state like a pressed button's label. Its margins are
    // lengths at the factor, not multiples of the line width, which would make them too wide at
    // factors that round a line up (1.5 draws a 2-pixel line).
    static constexpr std::int32_t kLeft[3] = {4, 3, 5};
    static constexpr std::int32_t kRight[3] = {15, 16, 14};
    static_assert(kLeft[0] + kRight[0] == kTextRoom && kLeft[1] + kRight[1] == kTextRoom &&
                  kLeft[2] + kRight[2] == kTextRoom);
    const std::int32_t textLeft = left + pw::scaled(kLeft[state]);
    const std::int32_t textRight = right - pw::scaled(kRight[state]);
    if (textRight > textLeft && !text.empty()) {
        text::TextFormat format;
        format.ellipsis = true;
        format.dimmed = !enabled;
        std::int32_t h = pw::measureText(nativeFontOf(font), text).height;
        std::int32_t y = top + (bottom - top - h) / 2;
        textDrawer_->paint(picture, textLeft, y, textRight, y + h, text, font, format, text_);
    }
    // The separator one pixel right of the text area and the arrow 3 pixels further.
    picture.fillRect(textRight + u, top + 2 * u, u, bottom - top - 4 * u, line_);
    button_->drawGlyph(picture, textRight + pw::scaled(3), top, textRight + pw::scaled(13), bottom,
                       u"#Down", static_cast<std::uint8_t>(pw::red(line_)),
                       static_cast<std::uint8_t>(pw::green(line_)),
                       static_cast<std::uint8_t>(pw::blue(line_)));
}

}  // namespace s::gui::drawer::combo::win
