// The counter drawer: a bar filled in proportion to a value (progress).
#pragma once

#include <cstdint>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::counter {

class IBasic : public IDrawer {
public:
    // The track in colour 1, and the part value / maximum of it from the left in colour 2.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::int32_t value, std::int32_t maximum) = 0;
    virtual void setColours(Colour colour1, Colour colour2) = 0;
    virtual Colour getColour1() const = 0;
    virtual Colour getColour2() const = 0;
};

}  // namespace s::gui::drawer::counter
