// The plain border: a one-pixel frame in one colour.
#pragma once

#include "gui/drawer/border/IBorder.h"

namespace s::gui::drawer::border {

class IPlain : public IBorder {
public:
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) = 0;
    // kDrawerColour: a box's border takes the skin's group-box line colour.
    virtual void setLineColour(Colour colour) = 0;
    virtual Colour getLineColour() const = 0;
};

}  // namespace s::gui::drawer::border
