// The button drawer of the skins: shaded frame by state, toggled face, text or glyph.
#pragma once

#include "gui/drawer/border/win/Thin.h"
#include "gui/drawer/button/IThin.h"
#include "gui/drawer/text/win/Basic.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::button::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    Thin();
    ~Thin() override;
    const char16_t* typeName() const override { return u"s_gui_drawer_button_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t state, std::u16string_view text, bool enabled,
               const IFont* font, bool focus, bool toggled) override;
    bool drawGlyph(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                   std::int32_t bottom, std::u16string_view name, std::uint8_t red,
                   std::uint8_t green, std::uint8_t blue) override;
    void measure(std::u16string_view text, const IFont* font, std::int32_t* minimumWidth,
                 std::int32_t* minimumHeight, std::int32_t* naturalWidth,
                 std::int32_t* naturalHeight) override;

    void setLineColour(Colour colour) override { colours_[1] = colour; }
    Colour getLineColour() const override { return colours_[1]; }
    void setColours(Colour colour1, Colour colour2, Colour colour3) override;
    Colour getColour(std::int32_t index) const override;
    void setFillColour(Colour colour) override { fill_ = colour; }
    Colour getFillColour() const override { return fill_; }
    void setBackgroundColour(Colour colour) override { background_ = colour; }
    void setCornerKind(std::int32_t kind) override { cornerKind_ = kind; }
    std::int32_t getCornerKind() const override { return cornerKind_; }
    void setPressShift(bool on) override { pressShift_ = on; }
    void setAlwaysFrame(bool on) override { alwaysFrame_ = on; }
    void setFontColours(Colour normal, Colour hovered, Colour pressed) override;
    Colour getFontColour(std::int32_t state) const override;
    text::IBasic* getTextDrawer() override { return text_; }

    // Horizontal and vertical room a label takes beyond its text on each side.
    static constexpr std::int32_t kPadX = 6, kPadY = 4;

private:
    void reset();
    // The state colour, or the normal one when it would not stand out from what lies under it.
    Colour readable(Colour wanted, Colour surface) const;

    text::win::Basic* text_;
    border::win::Thin* border_;
    Colour colours_[3];  // button colours 1, 2 (the line colour) and 3
    Colour fonts_[3];    // normal, hovered, pressed text
    Colour fill_ = 0, background_ = 0;
    std::int32_t cornerKind_ = 0;
    bool pressShift_ = false, alwaysFrame_ = false;
};

}  // namespace s::gui::drawer::button::win
