// The shaded border: lines in shades of a base colour, for buttons, boxes and scroll bars.
#pragma once

#include <cstdint>

#include "gui/drawer/border/IThin.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::border::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    // Shade factors in percent of the base colour.
    enum Shade : std::int32_t {
        kLight = 115,
        kLighter = 105,
        kBase = 100,
        kSoft = 95,
        kDarker = 90,
        kDark = 85,
        kShadow = 70,
        kDeep = 50,
        kDeepest = 45,
        kNone = 0  // the line is not drawn
    };

    Thin() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_border_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t style, std::int32_t cornerKind, std::uint8_t red,
               std::uint8_t green, std::uint8_t blue) override;
    void setShaded(bool shaded) override { shaded_ = shaded; }
    bool isShaded() const override { return shaded_; }
    void setLook(std::int32_t style, std::int32_t cornerKind, Colour base) override {
        style_ = style;
        cornerKind_ = cornerKind;
        base_ = base;
    }
    void paintBorder(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                     std::int32_t bottom, const ISkin* skin) override;

    // The base colour times factor/100 per component, truncated and capped at 255.
    static Colour shade(Colour base, std::int32_t percent);

private:
    void reset() {
        shaded_ = true;
        style_ = 3;
        cornerKind_ = 0;
        base_ = kDrawerColour;
    }

    bool shaded_;
    std::int32_t style_, cornerKind_;
    Colour base_;
};

}  // namespace s::gui::drawer::border::win
