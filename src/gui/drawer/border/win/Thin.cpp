// The four shaded lines of each border style, with square or cut corners.
#include "gui/drawer/border/win/Thin.h"

#include <algorithm>

#include "gui/drawer/ISkin.h"
#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::border::win {

namespace {

// Shades of the top, right, bottom and left lines of each style.
constexpr std::int32_t kStyles[4][4] = {
    {Thin::kLight, Thin::kShadow, Thin::kDeep, Thin::kLighter},  // 0 raised
    {Thin::kLighter, Thin::kDarker, Thin::kNone, Thin::kBase},   // 1 flat, open bottom
    {Thin::kDark, Thin::kBase, Thin::kLighter, Thin::kDarker},   // 2 sunken
    {Thin::kLighter, Thin::kDarker, Thin::kDark, Thin::kBase},   // 3 flat
};

}  // namespace

Colour Thin::shade(Colour base, std::int32_t percent) {
    auto part = [percent](unsigned c) {
        return static_cast<unsigned>(std::min<std::int32_t>(255, c * percent / 100));
    };
    return pw::rgb(part(pw::red(base)), part(pw::green(base)), part(pw::blue(base)));
}

// Corner pixels: with corner kind 0 the top and bottom lines run the full width and own the
// corners, the side lines run between them (down to the bottom edge when the bottom is open).
// Kinds 1 and 2 shorten every line by that many pixels at both ends, measured from the full
// edge; kind 2 then sets one pixel diagonally inside each corner in the shade of the
// neighbouring top or bottom line (the side line's shade where the bottom is open).
void Thin::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, std::int32_t style, std::int32_t cornerKind, std::uint8_t red,
                 std::uint8_t green, std::uint8_t blue) {
    if (emptyArea(left, top, right, bottom)) return;
    style = std::clamp(style, 0, 3);
    cornerKind = std::clamp(cornerKind, 0, 2);
    Colour base = pw::rgb(red, green, blue);
    const std::int32_t* s = kStyles[style];
    auto colourOf = [&](std::int32_t shadeValue) {
        return shaded_ ? shade(base, shadeValue) : base;
    };
    const std::int32_t w = right - left, h = bottom - top;
    // Lines are one pixel of a 96-dpi screen wide, a whole number of screen pixels.
    const std::int32_t t = std::min({pw::scaled(1), std::max(w / 2, 1), std::max(h / 2, 1)});
    const std::int32_t k = cornerKind * t;
    const bool bottomDrawn = s[2] != kNone;
    // Top and bottom lines.
    picture.fillRect(left + k, top, w - 2 * k, t, colourOf(s[0]));
    if (bottomDrawn) picture.fillRect(left + k, bottom - t, w - 2 * k, t, colourOf(s[2]));
    // Side lines.
    std::int32_t sideTop = k == 0 ? top + t : top + k;
    std::int32_t sideBottom = k == 0 ? (bottomDrawn ? bottom - t : bottom) : bottom - k;
    picture.fillRect(right - t, sideTop, t, sideBottom - sideTop, colourOf(s[1]));
    picture.fillRect(left, sideTop, t, sideBottom - sideTop, colourOf(s[3]));
    if (cornerKind == 2 && w > 2 * t && h > 2 * t) {
        picture.fillRect(left + t, top + t, t, t, colourOf(s[0]));
        picture.fillRect(right - 2 * t, top + t, t, t, colourOf(s[0]));
        picture.fillRect(left + t, bottom - 2 * t, t, t, colourOf(bottomDrawn ? s[2] : s[3]));
        picture.fillRect(right - 2 * t, bottom - 2 * t, t, t,
                         colourOf(bottomDrawn ? s[2] : s[1]));
    }
}

void Thin::paintBorder(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, const ISkin* skin) {
    Colour base = base_;
    if (base == kDrawerColour) {
        base = skin ? skin->getButtonDrawer()->getLineColour() : pw::rgb(68, 68, 68);
    }
    paint(picture, left, top, right, bottom, style_, cornerKind_,
          static_cast<std::uint8_t>(pw::red(base)), static_cast<std::uint8_t>(pw::green(base)),
          static_cast<std::uint8_t>(pw::blue(base)));
}

}  // namespace s::gui::drawer::border::win
