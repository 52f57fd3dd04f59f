// The slider of the skins: a two-pixel track, filled up to a framed thumb.
#pragma once

#include "gui/drawer/slider/IThin.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::slider::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    static constexpr std::int32_t kThumb = 9;  // thumb length along the track

    Thin() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_slider_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t minimum, std::int32_t maximum,
               std::int32_t position, bool vertical, std::int32_t state, bool enabled) override;
    std::int32_t positionAt(std::int32_t point, std::int32_t left, std::int32_t top,
                            std::int32_t right, std::int32_t bottom, std::int32_t minimum,
                            std::int32_t maximum, bool vertical) const override;
    void setColours(Colour line, Colour second, Colour extra) override;
    Colour getLineColour() const override { return line_; }
    Colour getSecondColour() const override { return second_; }
    Colour getExtraColour() const override { return extra_; }

private:
    void reset();

    Colour line_ = 0, second_ = 0, extra_ = 0;
};

}  // namespace s::gui::drawer::slider::win
