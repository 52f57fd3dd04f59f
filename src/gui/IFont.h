// The font a component draws its text with: a complete font description with its colours and
// the text flags the text drawer honours, and the native font made from it.
#pragma once

#include <cstdint>
#include <string>

#include "gui/IComponent.h"
#include "platform/window/Text.h"

namespace s::gui {

class IFontSetting;

class IFont {
public:
    virtual ~IFont() = default;
    // The description the window layer measures and draws with (remade on every change).
    virtual const platform::window::Font& nativeFont() const = 0;
    // Back to the class pool.
    virtual void release() = 0;

    // Height of the text "TEST" in this font.
    virtual std::int32_t measureLineHeight() const = 0;
    // Size codes: |c| < 100 is (c + 10) points; 100 <= |c| < 1000 is (c mod 100 + 14) points,
    // bold; 100001 is 8 points. Other codes, and codes that give no positive size, are ignored.
    virtual void setSizeCode(std::int32_t code) = 0;
    virtual std::int32_t getSizeCode() const = 0;
    virtual bool isAnySet() const = 0;
    virtual std::u16string getFace() const = 0;
    virtual void setFace(const std::u16string& name) = 0;  // at most 31 characters kept
    // Colours are 0x00BBGGRR. An unset text colour leaves the colour to the drawer (the skin's
    // text colour); isTextColourSet tells.
    virtual Colour getTextColour() const = 0;
    virtual bool isTextColourSet() const = 0;
    virtual void setTextColour(std::int32_t red, std::int32_t green, std::int32_t blue) = 0;
    virtual Colour getSecondColour() const = 0;
    virtual void setSecondColour(std::int32_t red, std::int32_t green, std::int32_t blue) = 0;
    virtual Colour getThirdColour() const = 0;
    virtual void setThirdColour(std::int32_t red, std::int32_t green, std::int32_t blue) = 0;
    virtual void setPointSize(std::int32_t points) = 0;
    // Negative: character height in pixels; positive: cell height (both drawn the same here).
    virtual std::int32_t getCellHeight() const = 0;
    virtual void setCellHeight(std::int32_t h) = 0;
    virtual std::int32_t getCellWidth() const = 0;
    virtual void setCellWidth(std::int32_t w) = 0;
    virtual bool isBold() const = 0;  // weight >= 500
    virtual void setBold(bool on) = 0;
    virtual bool isItalic() const = 0;
    virtual void setItalic(bool on) = 0;
    virtual bool isUnderline() const = 0;
    virtual void setUnderline(bool on) = 0;
    virtual bool isStrikeOut() const = 0;
    virtual void setStrikeOut(bool on) = 0;
    virtual std::int32_t getWeight() const = 0;
    virtual void setWeight(std::int32_t weight) = 0;
    // The two plain flags: wrap at word breaks, and cut a single line with an ellipsis.
    virtual bool isWrap() const = 0;
    virtual void setWrap(bool on) = 0;
    virtual bool isEllipsis() const = 0;
    virtual void setEllipsis(bool on) = 0;
    virtual bool isSmooth() const = 0;  // antialiased glyphs
    virtual void setSmooth(bool on) = 0;
    // Copies every property this font has not set from the other.
    virtual void inheritFrom(const IFont* font) = 0;
    virtual void inheritFrom(const IFontSetting* setting) = 0;

    // Text effect (0 plain, 2 shadow, 3 and 4 embossed, others outlines) and centred text.
    virtual std::int32_t getTextEffect() const = 0;
    virtual void setTextEffect(std::int32_t effect) = 0;
    virtual bool isCentred() const = 0;
    virtual void setCentred(bool on) = 0;
    // Becomes a copy of the other font, set flags included.
    virtual void copyFrom(const IFont* font) = 0;
};

}  // namespace s::gui
