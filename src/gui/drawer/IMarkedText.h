// What the check-box and radio-button drawers share: a mark of side `side` at the left of the
// rectangle (a box or a round option) and the text to its right.
#pragma once

#include <cstdint>
#include <string_view>

#include "gui/drawer/IDrawer.h"
#include "gui/drawer/text/IBasic.h"

namespace s::gui::drawer {

class IMarkedText : public IDrawer {
public:
    // The mark at the left of the rectangle, the text to its right; a disabled one is drawn in
    // the extra colour with a dimmed text.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::int32_t side, bool checked,
                       std::u16string_view text, const IFont* font, bool enabled = true) = 0;
    // Size of the mark of side `side` with the text.
    virtual void measure(std::u16string_view text, const IFont* font, std::int32_t side,
                         std::int32_t* minimumWidth, std::int32_t* minimumHeight,
                         std::int32_t* naturalWidth, std::int32_t* naturalHeight) = 0;
    virtual void setColours(Colour line, Colour text, Colour extra) = 0;
    virtual Colour getLineColour() const = 0;
    virtual Colour getTextColour() const = 0;
    virtual Colour getExtraColour() const = 0;
    virtual text::IBasic* getTextDrawer() = 0;
};

}  // namespace s::gui::drawer
