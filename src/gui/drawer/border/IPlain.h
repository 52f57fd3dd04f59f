// The plain border: a one-pixel frame in one colour.
#pragma once

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::border {

class IPlain : public IDrawer {
public:
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) = 0;
    virtual void setLineColour(Colour colour) = 0;
    virtual Colour getLineColour() const = 0;
};

}  // namespace s::gui::drawer::border
