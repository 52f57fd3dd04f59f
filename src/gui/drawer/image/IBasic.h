// The picture drawer: a picture scaled into a rectangle.
#pragma once

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::image {

class IBasic : public IDrawer {
public:
    // The whole picture scaled into the rectangle, blended over what is beneath.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, const platform::window::Picture& image) = 0;
};

}  // namespace s::gui::drawer::image
