// The list-box drawer: the list's background and its rows.
#pragma once

#include <cstdint>
#include <string_view>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::listbox {

class IThin : public IDrawer {
public:
    // The list's background and frame.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) = 0;
    // One row; odd rows are striped, the selected row highlighted.
    virtual void paintRow(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom, std::u16string_view text, const IFont* font,
                          std::int32_t index, bool selected) = 0;
    // Colours 1 to 5: background, text, line, selection, stripe.
    virtual void setColours(Colour colour1, Colour colour2, Colour colour3, Colour colour4,
                            Colour colour5) = 0;
    virtual Colour getColour(std::int32_t index) const = 0;  // 1 to 5
};

}  // namespace s::gui::drawer::listbox
