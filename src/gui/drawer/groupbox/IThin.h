// The group-box drawer: a two-pixel rounded frame with a gap for the title.
#pragma once

#include <cstdint>
#include <string_view>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::groupbox {

class IThin : public IDrawer {
public:
    // The frame of the rectangle and the title (of size titleWidth x titleHeight) in its gap.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::u16string_view title, const IFont* font,
                       std::int32_t titleWidth, std::int32_t titleHeight) = 0;
    // The size of the title on one line.
    virtual void measureTitle(std::u16string_view title, const IFont* font, std::int32_t* width,
                              std::int32_t* height) = 0;
    virtual void setLineColour(Colour colour) = 0;
    virtual Colour getLineColour() const = 0;
    // Title colour (the font's text colour) and its second colour.
    virtual void setTitleColours(Colour text, Colour second) = 0;
    virtual Colour getTitleColour() const = 0;
};

}  // namespace s::gui::drawer::groupbox
