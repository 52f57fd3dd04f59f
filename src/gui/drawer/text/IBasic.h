// The text drawer: paints and measures the text of labels, buttons and check boxes.
#pragma once

#include <cstdint>
#include <string_view>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::text {

// How a text is laid out: word wrap, an ellipsis at the end, a centred single line, and an
// effect (0 plain, 2 shadow, 3 and 4 embossed, 1 and 5 to 8 outlines); a dimmed text (a
// disabled widget's) is drawn halfway between its colour and the ground beneath.
struct TextFormat {
    bool wrap = false;
    bool ellipsis = false;
    bool centred = false;
    bool dimmed = false;
    std::int32_t effect = 0;
};

// The layout a font asks for with its flags.
inline TextFormat formatOf(const IFont* font) {
    TextFormat f;
    if (!font) return f;
    f.wrap = font->isWrap();
    f.ellipsis = font->isEllipsis();
    f.centred = font->isCentred();
    f.effect = font->getTextEffect();
    return f;
}

// Text states for getStateColour.
enum TextState : std::int32_t { kNormal = 0, kHovered = 1, kPressed = 2, kFourth = 3 };

class IBasic : public IDrawer {
public:
    // The text in the rectangle with the font, in `colour`; for kDrawerColour in the font's
    // text colour when the font sets one, else in the drawer's. A colour that would not stand
    // out from what the rectangle already shows gives way to black or white (Contrast), so
    // that a skin's text stays readable on a ground the skin did not choose. "&" is shown
    // literally.
    // Widgets pass formatOf(font) to follow their font's flags.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::u16string_view text, const IFont* font,
                       const TextFormat& format = {}, Colour colour = kDrawerColour) = 0;
    // Minimum and natural size of the text; out-parameters may be null.
    virtual void measure(std::u16string_view text, const IFont* font, const TextFormat& format,
                         std::int32_t* minimumWidth, std::int32_t* minimumHeight,
                         std::int32_t* naturalWidth, std::int32_t* naturalHeight) = 0;

    // Font colours: text, second and third.
    virtual void setFontColours(Colour text, Colour second, Colour third) = 0;
    // Further font colours: hovered, pressed and the fourth.
    virtual void setStateColours(Colour hovered, Colour pressed, Colour fourth) = 0;
    virtual Colour getTextColour() const = 0;
    virtual Colour getSecondColour() const = 0;
    virtual Colour getThirdColour() const = 0;
    // The text colour of a TextState.
    virtual Colour getStateColour(std::int32_t state) const = 0;
};

}  // namespace s::gui::drawer::text
