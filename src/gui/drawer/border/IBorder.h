// What a box asks of the border drawer it is given: its border around a rectangle.
#pragma once

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {
class ISkin;
}

namespace s::gui::drawer::border {

class IBorder : public IDrawer {
public:
    // The border along the edges of the rectangle, in the drawer's own colours; a colour left
    // unset (kDrawerColour) is taken from `skin`, the box's current skin (null: none).
    virtual void paintBorder(Canvas& picture, std::int32_t left, std::int32_t top,
                             std::int32_t right, std::int32_t bottom, const ISkin* skin) = 0;
};

}  // namespace s::gui::drawer::border
