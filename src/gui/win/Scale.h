// Fixed lengths of the toolkit (rows, gaps, margins, bars, boxes, line widths) are written as
// pixels of a 96-dpi screen and pass through px() on their way to the screen, so that the whole
// window follows the program's scale factor. At a factor of 1 px() changes nothing. Lengths a
// component keeps are kept at 96 dpi too (Length), so that they follow a change of the factor
// while the program runs.
#pragma once

#include <cstdint>

#include "platform/window/Scale.h"

namespace s::gui::win {

// A length in screen pixels: rounded to the nearest pixel and never 0 for a length that is not
// 0, so that a one-pixel line stays a whole pixel (or two) wide and sharp.
inline std::int32_t px(std::int32_t logical) {
    return platform::window::scaled(logical);
}

// The factor in use (1 on a 96-dpi screen).
inline double scaleFactor() {
    return platform::window::scale();
}

// A length kept as pixels of a 96-dpi screen that reads as screen pixels at the factor in use.
// A negative value is a mark ("not set") and reads unchanged. A length measured on the screen
// (inPixels) reads as it was given: whoever measured it measures again when the factor changes.
class Length {
public:
    constexpr Length() = default;
    constexpr explicit Length(std::int32_t logical) : logical_(logical) {}
    Length& operator=(std::int32_t logical) {
        logical_ = logical;
        pixels_ = 0;
        return *this;
    }
    static constexpr Length inPixels(std::int32_t pixels) {
        Length l;
        l.pixels_ = pixels;
        return l;
    }
    operator std::int32_t() const { return (logical_ > 0 ? px(logical_) : logical_) + pixels_; }

private:
    std::int32_t logical_ = 0;
    std::int32_t pixels_ = 0;
};

}  // namespace s::gui::win
