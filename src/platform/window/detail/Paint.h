// Dirty areas of the window tree (with the tree lock held) and painting of the top-level windows.
#pragma once

#include "detail/Core.h"

namespace platform::window::detail {

// Marks an area (client coordinates of r) of a visible window dirty in its top-level window.
void invalidateLocked(WindowRecord* r, Rect area);
// The area a child covers in its parent, dirty there (before it moves, hides or goes away).
void invalidateUnderLocked(WindowRecord* r);
// Paints the dirty area of a top-level window into its back buffer and presents it.
void paintTopLevel(Handle top);

}  // namespace platform::window::detail
