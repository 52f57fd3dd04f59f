// The properties shared by fonts and font settings, with the flags of those set explicitly,
// and the size-code rule both apply.
#pragma once

#include <cstdint>
#include <string>

#include "gui/IFontSetting.h"
#include "gui/win/Messages.h"

namespace s::gui::win {

struct FontProps {
    static constexpr std::size_t kMaxFace = 31;
    static constexpr Colour kDefaultColour = 0x00EEEEEE;

    std::uint32_t set = 0;  // IFontSetting::Property bits
    std::u16string face;
    Colour textColour = kDefaultColour;
    Colour secondColour = kDefaultColour;
    Colour thirdColour = 0;
    std::int32_t cellHeight = -13;  // negative: character height in pixels at 96 dpi
    std::int32_t cellWidth = 0;
    std::int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::int32_t quality = 5;  // 5 smoothed, 3 not
    std::int32_t sizeCode = 0;
    bool wrap = false;
    bool ellipsis = false;

    bool has(std::uint32_t property) const { return (set & property) != 0; }
    void setFace(const std::u16string& name);
    void setPointSize(std::int32_t points);
    // Applies a size code; answers false (and changes nothing) for a code that is ignored.
    bool applySizeCode(std::int32_t code);
    // Copies every property that is not set here: from a complete font every one, from a
    // setting only those it sets. What is copied counts as set here.
    void inherit(const FontProps& from, bool fromComplete);
};

// Points and weight of a size code; false when the code is ignored.
bool sizeCodeToPoints(std::int32_t code, std::int32_t* points, std::int32_t* weight);
// The character height of a point size in pixels of a 96-dpi screen (fonts are drawn at the
// scale factor in use, which gives the screen resolution).
std::int32_t pointsToPixels(std::int32_t points);

}  // namespace s::gui::win
