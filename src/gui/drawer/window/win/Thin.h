// The window frame of the skins: background, one-pixel frame, square or rounded corners.
#pragma once

#include "gui/drawer/window/IThin.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::window::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    Thin() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_window_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;
    Region region(std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom) const override;

    void setFrameColour(Colour colour) override { frame_ = colour; }
    Colour getFrameColour() const override { return frame_; }
    void setBackgroundColour(Colour colour) override { background_ = colour; }
    Colour getBackgroundColour() const override { return background_; }
    void setCornerStyles(std::int32_t top, std::int32_t bottom) override;
    std::int32_t getTopCornerStyle() const override { return topStyle_; }
    std::int32_t getBottomCornerStyle() const override { return bottomStyle_; }
    void setTransparent(bool transparent) override { transparent_ = transparent; }
    bool isTransparent() const override { return transparent_; }

private:
    void reset();

    Colour frame_ = 0, background_ = 0;
    std::int32_t topStyle_ = 0, bottomStyle_ = 0;
    bool transparent_ = false;
};

}  // namespace s::gui::drawer::window::win
