// Keeping a rectangle inside an area (a monitor's work area, the screen): the one rule that
// windows, popups and menus follow.
#pragma once

#include <algorithm>

#include "platform/window/Types.h"

namespace platform::window {

// The rectangle moved (never resized) so that it lies inside `area`; one larger than the area
// keeps its left or top side on the area's. An empty area moves nothing.
inline Rect keepInside(Rect r, const Rect& area) {
    if (area.empty()) return r;
    r.x = std::max(area.x, std::min(r.x, area.right() - r.width));
    r.y = std::max(area.y, std::min(r.y, area.bottom() - r.height));
    return r;
}

}  // namespace platform::window
