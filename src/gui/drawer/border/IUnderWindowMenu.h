// The border of the box below a menu bar: a dark and a white line at its top.
#pragma once

#include "gui/drawer/border/IBorder.h"

namespace s::gui::drawer::border {

class IUnderWindowMenu : public IBorder {
public:
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) = 0;
};

}  // namespace s::gui::drawer::border
