// The shaded border of buttons and boxes: four lines in shades of a base colour.
#pragma once

#include <cstdint>

#include "gui/drawer/border/IBorder.h"

namespace s::gui::drawer::border {

// Styles: 0 raised, 1 flat with an open bottom, 2 sunken, 3 flat.
// Corner kinds: 0 square, 1 lines one pixel shorter at each end, 2 two pixels shorter with a
// single pixel at each corner.
class IThin : public IBorder {
public:
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::int32_t style, std::int32_t cornerKind,
                       std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
    // Off: every shade equals the base colour.
    virtual void setShaded(bool shaded) = 0;
    virtual bool isShaded() const = 0;
    // How paintBorder draws a box's border: style, corner kind and base colour (kDrawerColour:
    // the skin's button line colour).
    virtual void setLook(std::int32_t style, std::int32_t cornerKind, Colour base) = 0;
};

}  // namespace s::gui::drawer::border
