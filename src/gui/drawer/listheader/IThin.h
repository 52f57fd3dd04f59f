// The list-header drawer: one column heading of a list.
#pragma once

#include <cstdint>
#include <string_view>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::listheader {

class IThin : public IDrawer {
public:
    // One heading in state 0 normal, 1 hovered, 2 pressed.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::u16string_view text, const IFont* font,
                       std::int32_t state) = 0;
    virtual void setColours(Colour line, Colour second, Colour text) = 0;
    virtual Colour getLineColour() const = 0;
    virtual Colour getSecondColour() const = 0;
    virtual Colour getTextColour() const = 0;
};

}  // namespace s::gui::drawer::listheader
