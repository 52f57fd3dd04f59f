// The tab-box drawer: the tabs and the frame of the page below them.
#pragma once

#include <cstdint>
#include <string_view>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::tabbox {

class IThin : public IDrawer {
public:
    // The frame of the page area.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) = 0;
    // One tab; the selected tab stays open towards its page.
    virtual void paintTab(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom, std::u16string_view text, const IFont* font,
                          bool selected) = 0;
    virtual void setLineColour(Colour colour) = 0;
    virtual Colour getLineColour() const = 0;
    virtual void setFontColours(Colour text, Colour selected) = 0;
    virtual Colour getTextColour() const = 0;
};

}  // namespace s::gui::drawer::tabbox
