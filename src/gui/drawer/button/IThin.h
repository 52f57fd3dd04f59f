// The button drawer: frame, face, text or glyph of a button in its state; glyphs for others.
#pragma once

#include <cstdint>
#include <string_view>

#include "gui/drawer/IDrawer.h"
#include "gui/drawer/text/IBasic.h"

namespace s::gui::drawer::button {

// Button states.
enum State : std::int32_t { kNormal = 0, kHovered = 1, kPressed = 2 };

class IThin : public IDrawer {
public:
    // A button in its state (kNormal, kHovered, kPressed). A text starting with "#" is a glyph.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::int32_t state, std::u16string_view text,
                       bool enabled, const IFont* font, bool focus, bool toggled) = 0;
    // The named glyph ("#Down", "#Check", "#Color-000000ff" ...) centred in the rectangle in the
    // colour; false, painting nothing, when the name does not start with "#". Unknown names
    // paint nothing and answer true.
    virtual bool drawGlyph(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom, std::u16string_view name, std::uint8_t red,
                           std::uint8_t green, std::uint8_t blue) = 0;
    // Minimum and natural size of a button showing the text (a glyph measures as empty text).
    virtual void measure(std::u16string_view text, const IFont* font, std::int32_t* minimumWidth,
                         std::int32_t* minimumHeight, std::int32_t* naturalWidth,
                         std::int32_t* naturalHeight) = 0;

    // The unfocused frame line (also button colour 2).
    virtual void setLineColour(Colour colour) = 0;
    virtual Colour getLineColour() const = 0;
    // Colour 1: focused frame; colour 2: unfocused frame; colour 3: focused toggled frame.
    virtual void setColours(Colour colour1, Colour colour2, Colour colour3) = 0;
    virtual Colour getColour(std::int32_t index) const = 0;  // 1, 2 or 3
    // The face of a toggled (and a pressed) button.
    virtual void setFillColour(Colour colour) = 0;
    virtual Colour getFillColour() const = 0;
    // The colour under the button, against which text colours are kept readable.
    virtual void setBackgroundColour(Colour colour) = 0;
    virtual void setCornerKind(std::int32_t kind) = 0;  // border corner kind 0..2
    virtual std::int32_t getCornerKind() const = 0;
    // The label moves one pixel up-left when hovered and down-right when pressed.
    virtual void setPressShift(bool on) = 0;
    // A disabled untoggled button still gets a flat frame.
    virtual void setAlwaysFrame(bool on) = 0;
    // Text colours of the normal, hovered and pressed fonts.
    virtual void setFontColours(Colour normal, Colour hovered, Colour pressed) = 0;
    virtual Colour getFontColour(std::int32_t state) const = 0;
    // The text drawer the labels are painted and measured with (owned by this drawer).
    virtual text::IBasic* getTextDrawer() = 0;
};

}  // namespace s::gui::drawer::button
