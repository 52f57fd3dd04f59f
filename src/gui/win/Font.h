// A complete font: face, size, style, colours and text flags, with the native font made from
// them after every change.
#pragma once

#include <cstdint>
#include <string>

#include "base/IObject.h"
#include "gui/IFont.h"
#include "gui/win/FontProps.h"
#include "platform/window/Text.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class Font : public base::IObject, public IFont, public thread::Pooled<Font> {
public:
    Font() { resetFont(); }
    const char16_t* typeName() const override { return u"s_gui_win_Font"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Font>::release(); }
    void recycle() override { resetFont(); }

    const platform::window::Font& nativeFont() const override { return native_; }
    std::int32_t measureLineHeight() const override;
    void setSizeCode(std::int32_t code) override;
    std::int32_t getSizeCode() const override { return props_.sizeCode; }
    bool isAnySet() const override { return props_.set != 0; }
    std::u16string getFace() const override { return props_.face; }
    void setFace(const std::u16string& name) override;
    Colour getTextColour() const override { return props_.textColour; }
    bool isTextColourSet() const override { return props_.has(IFontSetting::kTextColour); }
    void setTextColour(std::int32_t red, std::int32_t green, std::int32_t blue) override;
    Colour getSecondColour() const override { return props_.secondColour; }
    void setSecondColour(std::int32_t red, std::int32_t green, std::int32_t blue) override;
    Colour getThirdColour() const override { return props_.thirdColour; }
    void setThirdColour(std::int32_t red, std::int32_t green, std::int32_t blue) override;
    void setPointSize(std::int32_t points) override;
    std::int32_t getCellHeight() const override { return props_.cellHeight; }
    void setCellHeight(std::int32_t h) override;
    std::int32_t getCellWidth() const override { return props_.cellWidth; }
    void setCellWidth(std::int32_t w) override;
    bool isBold() const override { return props_.weight >= 500; }
    void setBold(bool on) override { setWeight(on ? 700 : 400); }
    bool isItalic() const override { return props_.italic; }
    void setItalic(bool on) override;
    bool isUnderline() const override { return props_.underline; }
    void setUnderline(bool on) override;
    bool isStrikeOut() const override { return props_.strikeOut; }
    void setStrikeOut(bool on) override;
    std::int32_t getWeight() const override { return props_.weight; }
    void setWeight(std::int32_t weight) override;
    bool isWrap() const override { return props_.wrap; }
    void setWrap(bool on) override;
    bool isEllipsis() const override { return props_.ellipsis; }
    void setEllipsis(bool on) override;
    bool isSmooth() const override { return props_.quality == 5; }
    void setSmooth(bool on) override;
    void inheritFrom(const IFont* font) override;
    void inheritFrom(const IFontSetting* setting) override;
    std::int32_t getTextEffect() const override { return effect_; }
    void setTextEffect(std::int32_t effect) override { effect_ = effect; }
    bool isCentred() const override { return centred_; }
    void setCentred(bool on) override { centred_ = on; }
    void copyFrom(const IFont* font) override;

    const FontProps& props() const { return props_; }
    // Takes the properties set in `props` (a font setting's).
    void apply(const FontProps& props);

private:
    void resetFont();
    void remake();

    FontProps props_;
    std::int32_t effect_ = 0;
    bool centred_ = false;
    platform::window::Font native_;
};

// A new font with the defaults (the system's dialog face, 13 pixels, normal weight).
Font* newFont();

}  // namespace s::gui::win
