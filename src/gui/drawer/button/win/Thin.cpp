// Button painting: state and toggle rules, frame styles, label placement and glyphs.
#include "gui/drawer/button/win/Thin.h"

#include <cstdlib>

#include "gui/drawer/Contrast.h"
#include "gui/drawer/button/win/Glyphs.h"
#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::button::win {

namespace {

std::int32_t luma(Colour c) {
    return (299 * static_cast<std::int32_t>(pw::red(c)) +
            587 * static_cast<std::int32_t>(pw::green(c)) +
            114 * static_cast<std::int32_t>(pw::blue(c))) /
           1000;
}

Colour mix(Colour a, Colour b) {
    return pw::rgb((pw::red(a) + pw::red(b)) / 2, (pw::green(a) + pw::green(b)) / 2,
                   (pw::blue(a) + pw::blue(b)) / 2);
}

}  // namespace

Thin::Thin() : text_(text::win::Basic::create()), border_(border::win::Thin::create()) {
    reset();
}

Thin::~Thin() {
    text_->release();
    border_->release();
}

void Thin::reset() {
    colours_[0] = pw::rgb(204, 204, 204);
    colours_[1] = pw::rgb(68, 68, 68);
    colours_[2] = pw::rgb(119, 119, 119);
    fonts_[0] = pw::rgb(0, 0, 0);
    fonts_[1] = pw::rgb(204, 204, 204);
    fonts_[2] = pw::rgb(255, 255, 255);
    fill_ = pw::rgb(119, 119, 119);
    background_ = pw::rgb(255, 255, 255);
    cornerKind_ = 0;
    pressShift_ = true;
    alwaysFrame_ = false;
    border_->setShaded(false);
    text_->recycle();
}

void Thin::setColours(Colour colour1, Colour colour2, Colour colour3) {
    colours_[0] = colour1;
    colours_[1] = colour2;
    colours_[2] = colour3;
}

Colour Thin::getColour(std::int32_t index) const {
    return index >= 1 && index <= 3 ? colours_[index - 1] : colours_[1];
}

void Thin::setFontColours(Colour normal, Colour hovered, Colour pressed) {
    fonts_[0] = normal;
    fonts_[1] = hovered;
    fonts_[2] = pressed;
    text_->setFontColours(normal, text_->getSecondColour(), text_->getThirdColour());
    text_->setStateColours(hovered, pressed, text_->getStateColour(text::kFourth));
}

Colour Thin::getFontColour(std::int32_t state) const {
    return state >= 0 && state <= 2 ? fonts_[state] : fonts_[0];
}

// A light theme's hovered and pressed text colours can equal its background; the label then
// keeps the normal text colour, which every theme makes readable on its background.
Colour Thin::readable(Colour wanted, Colour surface) const {
    return std::abs(luma(wanted) - luma(surface)) >= 64 ? wanted : fonts_[0];
}

void Thin::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, std::int32_t state, std::u16string_view text, bool enabled,
                 const IFont* font, bool focus, bool toggled) {
    if (emptyArea(left, top, right, bottom)) return;
    if (state < kNormal || state > kPressed) state = kNormal;
    const std::int32_t u = pw::scaled(1);
    // 1. A toggled button looks pressed while hovered and raised while pressed.
    std::int32_t look = state;
    if (toggled && state != kNormal) look = state == kHovered ? kPressed : kHovered;
    // 2. The frame line.
    Colour line = focus ? (toggled ? colours_[2] : colours_[0]) : colours_[1];
    const pw::Rect inset{left + u, top + u, right - left - 2 * u, bottom - top - 2 * u};
    // 3. The face of a toggled button; a pressed one gets it too, as the pressed text colour
    // is meant for it.
    bool filled = toggled || (enabled && look == kPressed);
    if (filled) picture.fillRect(inset, fill_);
    // 4. The frame.
    const auto r = static_cast<std::uint8_t>(pw::red(line));
    const auto g = static_cast<std::uint8_t>(pw::green(line));
    const auto b = static_cast<std::uint8_t>(pw::blue(line));
    if (enabled) {
        std::int32_t style = look == kHovered ? 0 : (look == kPressed ? 2 : 1);
        border_->paint(picture, left, top, right, bottom, style, cornerKind_, r, g, b);
    } else if (toggled) {
        border_->paint(picture, left, top, right, bottom, 1, cornerKind_, r, g, b);
    } else if (alwaysFrame_) {
        border_->paint(picture, left, top, right, bottom, 3, cornerKind_, r, g, b);
    }
    // 5. The label rectangle, moved with the press.
    pw::Rect label{left + 2 * u, top + 2 * u, right - left - 4 * u, bottom - top - 4 * u};
    if (pressShift_ && enabled) {
        if (look == kHovered) label = label.offset(-u, -u);
        if (look == kPressed) label = label.offset(u, u);
    }
    // 6. Glyph or text. On the filled face the pressed text colour is used, which the skins
    // choose for that face. A disabled glyph is drawn halfway between the text colour and
    // button colour 1.
    Colour textColour = readable(fonts_[filled ? kPressed : look], filled ? fill_ : background_);
    if (!enabled) textColour = mix(fonts_[0], colours_[0]);
    if (!text.empty() && text[0] == u'#') {
        // On a filled face (toggled, or pressed) the line colour may equal the fill.
        Colour glyph = filled ? textColour : line;
        drawGlyph(picture, label.x, label.y, label.right(), label.bottom(), text,
                  static_cast<std::uint8_t>(pw::red(glyph)),
                  static_cast<std::uint8_t>(pw::green(glyph)),
                  static_cast<std::uint8_t>(pw::blue(glyph)));
        return;
    }
    // A disabled text is dimmed against the ground it lands on, which the text drawer sees.
    text::TextFormat format;
    format.centred = true;
    format.dimmed = !enabled;
    text_->paint(picture, label.x, label.y, label.right(), label.bottom(), text, font, format,
                 enabled ? textColour : fonts_[0]);
}

bool Thin::drawGlyph(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                     std::int32_t bottom, std::u16string_view name, std::uint8_t red,
                     std::uint8_t green, std::uint8_t blue) {
    if (name.empty() || name[0] != u'#') return false;
    if (emptyArea(left, top, right, bottom)) return true;
    const std::int32_t u = pw::scaled(1);
    pw::Rect area{left + u, top + u, right - left - 2 * u, bottom - top - 2 * u};
    // The grip fills the whole rectangle, like the status bar's.
    if (name == u"#Resizer") area = {left, top, right - left, bottom - top};
    // A glyph is read like a text: a line colour too close to its ground (a pale theme's
    // arrows) gives way to black or white.
    Colour colour = pw::rgb(red, green, blue);
    if (Colour ground = 0; Contrast::groundOf(picture, area, &ground)) {
        colour = Contrast::readable(colour, ground);
    }
    return paintGlyph(picture, area, name, colour);
}

void Thin::measure(std::u16string_view text, const IFont* font, std::int32_t* minimumWidth,
                   std::int32_t* minimumHeight, std::int32_t* naturalWidth,
                   std::int32_t* naturalHeight) {
    std::int32_t minW = 0, minH = 0, natW = 0, natH = 0;
    if (text.empty() || text[0] != u'#') {
        text::TextFormat format;
        format.centred = true;
        text_->measure(text, font, format, &minW, &minH, &natW, &natH);
    }
    if (minimumWidth) *minimumWidth = minW + 2 * pw::scaled(kPadX);
    if (minimumHeight) *minimumHeight = minH + 2 * pw::scaled(kPadY);
    if (naturalWidth) *naturalWidth = natW + 2 * pw::scaled(kPadX);
    if (naturalHeight) *naturalHeight = natH + 2 * pw::scaled(kPadY);
}

}  // namespace s::gui::drawer::button::win
