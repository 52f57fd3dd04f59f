// The menu-bar drawer: measures and paints the bar's entries.
#pragma once

#include <cstdint>
#include <string_view>

#include "gui/drawer/IDrawer.h"
#include "gui/drawer/button/IThin.h"

namespace s::gui::drawer::menu {

// Entry states: normal, hovered, and open (its popup is shown).
enum EntryState : std::int32_t { kNormal = 0, kHovered = 1, kOpen = 2 };

class IBasic : public IDrawer {
public:
    // The bar's background; in one-entry mode the whole bar as a button in `state` (0 normal,
    // 1 hovered, 2 pressed) showing `text`.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::int32_t state = 0, std::u16string_view text = {},
                       const IFont* font = nullptr) = 0;
    // One entry's text in its rectangle, in its EntryState.
    virtual void paintEntry(Canvas& picture, std::int32_t left, std::int32_t top,
                            std::int32_t right, std::int32_t bottom, std::u16string_view text,
                            const IFont* font, std::int32_t state) = 0;
    // The size of an entry's text.
    virtual void measureEntry(std::u16string_view text, const IFont* font, std::int32_t* width,
                              std::int32_t* height) = 0;

    // Text, line and background colours.
    virtual void setColours(Colour text, Colour line, Colour background) = 0;
    virtual Colour getTextColour() const = 0;
    virtual Colour getLineColour() const = 0;
    virtual Colour getBackgroundColour() const = 0;
    // Text colours of the normal and the second (highlighted) font, and the highlight colour.
    virtual void setFontColours(Colour normal, Colour second) = 0;
    virtual void setHighlightColour(Colour colour) = 0;
    virtual Colour getHighlightColour() const = 0;
    // The hovered entry is filled with the highlight colour and drawn in the second font.
    virtual void setHighlightFill(bool on) = 0;
    // The hovered entry's text moves one pixel up-left (down-right while open).
    virtual void setOffset(bool on) = 0;
    // The bar is one button.
    virtual void setOneEntry(bool on) = 0;
    virtual bool isOneEntry() const = 0;
    virtual button::IThin* getButtonDrawer() = 0;
};

}  // namespace s::gui::drawer::menu
