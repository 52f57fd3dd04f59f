// The text drawer of every skin: the window layer's text services with text effects.
#pragma once

#include "gui/drawer/text/IBasic.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::text::win {

class Basic : public IBasic, public thread::Pooled<Basic> {
public:
    Basic() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_text_win_Basic"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Basic>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::u16string_view text, const IFont* font,
               const TextFormat& format = {}, Colour colour = kDrawerColour) override;
    void measure(std::u16string_view text, const IFont* font, const TextFormat& format,
                 std::int32_t* minimumWidth, std::int32_t* minimumHeight,
                 std::int32_t* naturalWidth, std::int32_t* naturalHeight) override;

    void setFontColours(Colour text, Colour second, Colour third) override;
    void setStateColours(Colour hovered, Colour pressed, Colour fourth) override;
    Colour getTextColour() const override { return colours_[0]; }
    Colour getSecondColour() const override { return second_; }
    Colour getThirdColour() const override { return third_; }
    Colour getStateColour(std::int32_t state) const override;

private:
    void reset();

    Colour colours_[4];  // normal, hovered, pressed, fourth
    Colour second_ = 0, third_ = 0;
};

}  // namespace s::gui::drawer::text::win
