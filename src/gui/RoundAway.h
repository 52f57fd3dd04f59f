// Rounding of the toolkit's pixel arithmetic: to the nearest integer, halves away from zero
// (2.5 -> 3, -2.5 -> -3), so a layout and its mirror image round alike.
#pragma once

#include <cmath>
#include <cstdint>

namespace s::gui {

inline std::int32_t roundAway(double v) {
    return static_cast<std::int32_t>(std::lround(v));
}

}  // namespace s::gui
