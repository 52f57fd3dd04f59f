// The resize grip of a status bar.
#pragma once

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::statusbar {

class IBasicResizer : public IDrawer {
public:
    // The grip in the bottom-right corner of the rectangle.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) = 0;
};

}  // namespace s::gui::drawer::statusbar
