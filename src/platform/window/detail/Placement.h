// What placement and the top-level attributes share.
#pragma once

#include "detail/Core.h"

namespace platform::window::detail {

// The minimum size the backend is told: the asked one, lowered to the window's size where the
// window is smaller (so that it can be shrunk by program).
Size effectiveMinimum(const TopLevelState& t, Rect rect);

}  // namespace platform::window::detail
