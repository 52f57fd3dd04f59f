// The drop-down list drawer: a button-like box, the selected text, a separator and an arrow.
#pragma once

#include <cstdint>
#include <string_view>

#include "gui/drawer/IDrawer.h"
#include "gui/drawer/button/IThin.h"

namespace s::gui::drawer::combo {

class IThin : public IDrawer {
public:
    // The room (pixels at 96 dpi) the box takes left and right of its text, the same in every
    // state (the text moves with the state).
    static constexpr std::int32_t kTextRoom = 19;

    // The closed list in `state` (0 normal, 1 hovered, 2 pressed) showing the selected text.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::int32_t state, std::u16string_view text,
                       const IFont* font, bool enabled = true) = 0;
    virtual void setColours(Colour text, Colour line) = 0;
    virtual Colour getTextColour() const = 0;
    virtual Colour getLineColour() const = 0;
    virtual button::IThin* getButtonDrawer() = 0;
};

}  // namespace s::gui::drawer::combo
