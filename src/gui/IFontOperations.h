// The font operations of the text widgets: each changes the widget's own font, and the widget
// measures itself again (and gives its native control the new font) at once.
#pragma once

#include <cstdint>
#include <string>

namespace s::gui {

class IFont;
class IFontSetting;

class IFontOperations {
public:
    virtual ~IFontOperations() = default;
    // Size codes as IFont::setSizeCode; labels and buttons also give the code and the weight to
    // their hovered and pressed fonts.
    virtual void setSizeCode(std::int32_t code) = 0;
    virtual void setFace(const std::u16string& name) = 0;
    virtual void setTextColour(std::int32_t red, std::int32_t green, std::int32_t blue) = 0;
    virtual void setSecondColour(std::int32_t red, std::int32_t green, std::int32_t blue) = 0;
    virtual void setThirdColour(std::int32_t red, std::int32_t green, std::int32_t blue) = 0;
    virtual void setPointSize(std::int32_t points) = 0;
    virtual void setCellHeight(std::int32_t h) = 0;
    virtual void setCellWidth(std::int32_t w) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setItalic(bool on) = 0;
    virtual void setUnderline(bool on) = 0;
    virtual void setStrikeOut(bool on) = 0;
    virtual void setWeight(std::int32_t weight) = 0;
    // The two plain flags: wrap at word breaks; cut a single line with an ellipsis.
    virtual void setWrap(bool on) = 0;
    virtual void setEllipsis(bool on) = 0;
    virtual void setSmooth(bool on) = 0;
    // Takes every property the own font has not set from the other font or setting.
    virtual void inheritFrom(const IFont* font) = 0;
    virtual void inheritFrom(const IFontSetting* setting) = 0;
};

}  // namespace s::gui
