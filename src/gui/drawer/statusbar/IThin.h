// The status-bar drawer of the skins: the window background shows through.
#pragma once

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::statusbar {

class IThin : public IDrawer {
public:
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) = 0;
    virtual void setLineColour(Colour colour) = 0;
    virtual Colour getLineColour() const = 0;
};

}  // namespace s::gui::drawer::statusbar
