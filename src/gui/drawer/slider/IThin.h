// The slider drawer: a track, the part of it up to the thumb, and the thumb.
#pragma once

#include <cstdint>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::slider {

class IThin : public IDrawer {
public:
    // A slider from minimum to maximum at position; state 0 normal, 1 hovered, 2 pressed.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::int32_t minimum, std::int32_t maximum,
                       std::int32_t position, bool vertical, std::int32_t state, bool enabled) = 0;
    // The position a point along the slider stands for.
    virtual std::int32_t positionAt(std::int32_t point, std::int32_t left, std::int32_t top,
                                    std::int32_t right, std::int32_t bottom, std::int32_t minimum,
                                    std::int32_t maximum, bool vertical) const = 0;
    virtual void setColours(Colour line, Colour second, Colour extra) = 0;
    virtual Colour getLineColour() const = 0;
    virtual Colour getSecondColour() const = 0;
    virtual Colour getExtraColour() const = 0;
};

}  // namespace s::gui::drawer::slider
