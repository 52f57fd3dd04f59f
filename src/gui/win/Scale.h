// Fixed lengths of the toolkit (rows, gaps, margins, bars, boxes, line widths) are written as
// pixels of a 96-dpi screen and pass through px() on their way to the screen, so that the whole
// window follows the program's scale factor. At a factor of 1 px() changes nothing.
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

}  // namespace s::gui::win
