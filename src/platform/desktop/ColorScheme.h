// Whether the desktop prefers a dark look: the desktop portal's colour scheme
// (org.freedesktop.appearance color-scheme 1) or a GTK_THEME that ends in ":dark".
#pragma once

#include <chrono>

namespace platform::desktop {

// Asks the portal on the bus thread and waits at most `limit` for its answer; no portal, no
// bus or no answer in time count as "no preference". Not for a window's thread.
bool prefersDark(std::chrono::milliseconds limit = std::chrono::milliseconds(1000));

}  // namespace platform::desktop
