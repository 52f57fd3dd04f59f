// A partial font description: a style stated before the font it applies to exists.
#pragma once

#include <cstdint>
#include <string>

#include "base/IObject.h"
#include "gui/IFontSetting.h"
#include "gui/win/FontProps.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class FontSetting : public base::IObject, public IFontSetting, public thread::Pooled<FontSetting> {
public:
    FontSetting() = default;
    const char16_t* typeName() const override { return u"s_gui_win_FontSetting"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<FontSetting>::release(); }
    void recycle() override { props_ = FontProps{}; }

    std::uint32_t setMask() const override { return props_.set; }
    void setSizeCode(std::int32_t code) override { props_.applySizeCode(code); }
    std::int32_t getSizeCode() const override { return props_.sizeCode; }
    bool isAnySet() const override { return props_.set != 0; }
    std::u16string getFace() const override { return props_.face; }
    void setFace(const std::u16string& name) override { props_.setFace(name); }
    void setTextColour(std::int32_t red, std::int32_t green, std::int32_t blue) override {
        set(kTextColour, props_.textColour, makeColour(red, green, blue));
    }
    Colour getTextColour() const override { return props_.textColour; }
    std::int32_t getTextRed() const override { return props_.textColour & 0xFF; }
    std::int32_t getTextGreen() const override { return (props_.textColour >> 8) & 0xFF; }
    std::int32_t getTextBlue() const override { return (props_.textColour >> 16) & 0xFF; }
    Colour getSecondColour() const override { return props_.secondColour; }
    void setSecondColour(std::int32_t red, std::int32_t green, std::int32_t blue) override {
        set(kSecondColour, props_.secondColour, makeColour(red, green, blue));
    }
    Colour getThirdColour() const override { return props_.thirdColour; }
    void setThirdColour(std::int32_t red, std::int32_t green, std::int32_t blue) override {
        set(kThirdColour, props_.thirdColour, makeColour(red, green, blue));
    }
    void setPointSize(std::int32_t points) override { props_.setPointSize(points); }
    std::int32_t getCellHeight() const override { return props_.cellHeight; }
    void setCellHeight(std::int32_t h) override { set(kCellHeight, props_.cellHeight, h); }
    std::int32_t getCellWidth() const override { return props_.cellWidth; }
    void setCellWidth(std::int32_t w) override { set(kCellWidth, props_.cellWidth, w); }
    void setBold(bool on) override { setWeight(on ? 700 : 400); }
    bool isBold() const override { return props_.weight >= 500; }
    void setItalic(bool on) override { set(kItalic, props_.italic, on); }
    bool isItalic() const override { return props_.italic; }
    void setUnderline(bool on) override { set(kUnderline, props_.underline, on); }
    bool isUnderline() const override { return props_.underline; }
    void setStrikeOut(bool on) override { set(kStrikeOut, props_.strikeOut, on); }
    bool isStrikeOut() const override { return props_.strikeOut; }
    void setWeight(std::int32_t weight) override { set(kWeight, props_.weight, weight); }
    std::int32_t getWeight() const override { return props_.weight; }
    void setWrap(bool on) override { set(kWrap, props_.wrap, on); }
    bool isWrap() const override { return props_.wrap; }
    void setEllipsis(bool on) override { set(kEllipsis, props_.ellipsis, on); }
    bool isEllipsis() const override { return props_.ellipsis; }
    void setSmooth(bool on) override { set(kQuality, props_.quality, on ? 5 : 3); }
    bool isSmooth() const override { return props_.quality == 5; }
    void inheritFrom(const IFont* font) override;
    IFont* makeFont() const override;

    const FontProps& props() const { return props_; }

private:
    template <class T, class V>
    void set(Property property, T& field, V value) {
        field = value;
        props_.set |= property;
    }

    FontProps props_;
};

}  // namespace s::gui::win
