// The counter of the skins: a track with its filled part.
#pragma once

#include "gui/drawer/counter/IBasic.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::counter::win {

class Basic : public IBasic, public thread::Pooled<Basic> {
public:
    Basic() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_counter_win_Basic"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Basic>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t value, std::int32_t maximum) override;
    void setColours(Colour colour1, Colour colour2) override {
        colour1_ = colour1;
        colour2_ = colour2;
    }
    Colour getColour1() const override { return colour1_; }
    Colour getColour2() const override { return colour2_; }

private:
    void reset() {
        setColours(platform::window::rgb(119, 119, 119), platform::window::rgb(255, 165, 0));
    }

    Colour colour1_ = 0, colour2_ = 0;
};

}  // namespace s::gui::drawer::counter::win
