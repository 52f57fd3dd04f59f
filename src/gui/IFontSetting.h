// A partial font description: only the properties it sets override an inherited font.
#pragma once

#include <cstdint>
#include <string>

#include "gui/IComponent.h"

namespace s::gui {

class IFont;

class IFontSetting {
public:
    virtual ~IFontSetting() = default;
    virtual void release() = 0;

    // Which properties are set (bits of the mask below).
    enum Property : std::uint32_t {
        kFace = 1u << 0,
        kTextColour = 1u << 1,
        kSecondColour = 1u << 2,
        kThirdColour = 1u << 3,
        kCellHeight = 1u << 4,
        kCellWidth = 1u << 5,
        kWeight = 1u << 6,
        kItalic = 1u << 7,
        kUnderline = 1u << 8,
        kStrikeOut = 1u << 9,
        kQuality = 1u << 10,
        kSizeCode = 1u << 11,
        kWrap = 1u << 12,
        kEllipsis = 1u << 13,
    };
    virtual std::uint32_t setMask() const = 0;

    virtual void setSizeCode(std::int32_t code) = 0;
    virtual std::int32_t getSizeCode() const = 0;
    virtual bool isAnySet() const = 0;
    virtual std::u16string getFace() const = 0;
    virtual void setFace(const std::u16string& name) = 0;
    virtual void setTextColour(std::int32_t red, std::int32_t green, std::int32_t blue) = 0;
    virtual Colour getTextColour() const = 0;
    virtual std::int32_t getTextRed() const = 0;
    virtual std::int32_t getTextGreen() const = 0;
    virtual std::int32_t getTextBlue() const = 0;
    virtual Colour getSecondColour() const = 0;
    virtual void setSecondColour(std::int32_t red, std::int32_t green, std::int32_t blue) = 0;
    virtual Colour getThirdColour() const = 0;
    virtual void setThirdColour(std::int32_t red, std::int32_t green, std::int32_t blue) = 0;
    virtual void setPointSize(std::int32_t points) = 0;
    virtual std::int32_t getCellHeight() const = 0;
    virtual void setCellHeight(std::int32_t h) = 0;
    virtual std::int32_t getCellWidth() const = 0;
    virtual void setCellWidth(std::int32_t w) = 0;
    virtual void setBold(bool on) = 0;
    virtual bool isBold() const = 0;
    virtual void setItalic(bool on) = 0;
    virtual bool isItalic() const = 0;
    virtual void setUnderline(bool on) = 0;
    virtual bool isUnderline() const = 0;
    virtual void setStrikeOut(bool on) = 0;
    virtual bool isStrikeOut() const = 0;
    virtual void setWeight(std::int32_t weight) = 0;
    virtual std::int32_t getWeight() const = 0;
    virtual void setWrap(bool on) = 0;
    virtual bool isWrap() const = 0;
    virtual void setEllipsis(bool on) = 0;
    virtual bool isEllipsis() const = 0;
    virtual void setSmooth(bool on) = 0;
    virtual bool isSmooth() const = 0;
    // Copies every property not set here from the font.
    virtual void inheritFrom(const IFont* font) = 0;
    // A pooled font made from this setting (unset properties keep the font's defaults).
    virtual IFont* makeFont() const = 0;
};

}  // namespace s::gui
