// The plain status-bar drawer: a top-to-bottom shading and, with the resizer flag, the grip.
#pragma once

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::statusbar {

class IBasic : public IDrawer {
public:
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) = 0;
    virtual void setResizer(bool on) = 0;
    virtual bool hasResizer() const = 0;
};

}  // namespace s::gui::drawer::statusbar
